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
    selected_.assign(items_.size(), false);
    if (index >= 0) selected_[std::size_t(index)] = true;
    Changed(Property::Selection);
    Click();  // a list that reacts to clicks itself hears this one too
}

bool ListBox::Selected(int index) const {
    if (index < 0 || index >= int(items_.size())) return false;
    if (!MultiSelect) return index == ItemIndex();
    return index < int(selected_.size()) && selected_[std::size_t(index)];
}

void ListBox::SetSelected(int index, bool selected) {
    if (index < 0 || index >= int(items_.size())) return;
    if (!MultiSelect) {
        if (selected) SetItemIndex(index);
        else if (index == ItemIndex()) SetItemIndex(-1);
        return;
    }
    selected_.resize(items_.size(), false);
    if (selected_[std::size_t(index)] == selected) return;
    selected_[std::size_t(index)] = selected;
    Changed(Property::Selection);
}

int ListBox::SelCount() const {
    int n = 0;
    for (int i = 0; i < Count(); ++i)
        if (Selected(i)) ++n;
    return n;
}

void ListBox::UserSetSelection(const std::vector<int>& indexes) {
    if (!MultiSelect) {
        if (!indexes.empty()) UserSelect(indexes.front());
        return;
    }
    selected_.assign(items_.size(), false);
    for (int i : indexes)
        if (i >= 0 && i < Count()) selected_[std::size_t(i)] = true;
    Changed(Property::Selection);
    Click();
}

}  // namespace fv
