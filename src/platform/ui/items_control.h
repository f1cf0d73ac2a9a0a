// ItemsControl: the string list that combo boxes and list boxes share. Setting ItemIndex from code
// fires nothing: only the user's choice fires the events.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace fv {

// A string list shared by combo boxes and list boxes.
class ItemsControl : public Control {
public:
    using Control::Control;
    const std::vector<std::string>& Items() const { return items_; }
    void SetItems(std::vector<std::string> items);
    void AddItem(const std::string& item);
    void InsertItem(int index, const std::string& item);
    void DeleteItem(int index);
    void ClearItems();
    int IndexOf(const std::string& item) const;  // exact, -1 when absent
    int Count() const { return int(items_.size()); }
    int ItemIndex() const { return itemIndex_; }
    virtual void SetItemIndex(int i);  // fires nothing
    bool Sorted = false;

protected:
    // After every change of the items.
    virtual void ItemsEdited() {}
    std::vector<std::string> items_;
    int itemIndex_ = -1;
};

}  // namespace fv
