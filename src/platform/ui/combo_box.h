// ComboBox: an edit part with a drop-down list. Setting ItemIndex from code fires nothing; the user's pick
// or typing fires OnChange.
#pragma once

#include <string>

#include "platform/ui/items_control.h"

namespace fv {

class ComboBox : public ItemsControl {
public:
    ComboBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "ComboBox"; }
    bool CanFocus() const override { return true; }
    enum class ComboStyle { DropDown, DropDownList, Simple } Style = ComboStyle::DropDown;
    void SetItemIndex(int i) override;  // also shows the item's text; fires nothing
    int MaxLength = 0;
    // The user picks an item from the list: Text and ItemIndex follow, then OnClick and OnChange fire.
    void UserSelect(int index);
    // The user types into the edit part: fires OnChange.
    void UserSetText(const std::string& v);
    NotifyEvent OnChange;

protected:
    // Return on a box that acts on a double click does what the double click does.
    void KeyAction(int& key, unsigned shift) override;
};

}  // namespace fv
