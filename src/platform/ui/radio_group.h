// RadioGroup: a group box of radio items; setting ItemIndex from code fires OnClick when it changes.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/group_box.h"

namespace fv {

class RadioGroup : public GroupBox {
public:
    RadioGroup(Component* owner, std::string name = {});
    const char* Kind() const override { return "RadioGroup"; }
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int i);  // fires OnClick when the value changes
    int Columns = 1;

private:
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

}  // namespace fv
