// ListBox: a list of strings. Setting ItemIndex from code fires nothing; the user's pick fires OnClick.
#pragma once

#include <string>

#include "platform/ui/items_control.h"

namespace fv {

class ListBox : public ItemsControl {
public:
    ListBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "ListBox"; }
    bool CanFocus() const override { return true; }
    bool MultiSelect = false;
    // The user picks an item: ItemIndex follows, then OnClick fires.
    void UserSelect(int index);
};

}  // namespace fv
