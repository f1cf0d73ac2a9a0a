// ListBox: what the user picks.
#include "platform/ui/list_box.h"

namespace fv {

ListBox::ListBox(Component* owner, std::string name) : ItemsControl(owner, std::move(name)) {
    SetColor(ClWindow);
    SetTabStop(true);
}

void ListBox::UserSelect(int index) {
    if (index < -1 || index >= int(items_.size())) return;
    SetItemIndex(index);
    Click();  // a list that reacts to clicks itself hears this one too
}

}  // namespace fv
