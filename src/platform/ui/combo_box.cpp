// ComboBox: the edit part follows the list, and what the user picks or types.
#include "platform/ui/combo_box.h"

#include "platform/text/utf8.h"

namespace fv {

ComboBox::ComboBox(Component* owner, std::string name) : ItemsControl(owner, std::move(name)) {
    SetColor(ClWindow);
    SetTabStop(true);
}

void ComboBox::SetItemIndex(int i) {
    ItemsControl::SetItemIndex(i);
    // Selecting nothing empties the edit part, as the platform's combo box did.
    Control::SetText(itemIndex_ >= 0 ? items_[std::size_t(itemIndex_)] : std::string());
}

void ComboBox::KeyAction(int& key, unsigned shift) {
    if (key != KeyReturn || shift != 0 || !OnDblClick) return;
    key = KeyNone;
    DblClick();
}

void ComboBox::UserSelect(int index) {
    if (index < 0 || index >= int(items_.size())) return;
    SetItemIndex(index);
    Control::SetText(items_[std::size_t(index)]);
    Control::Click();
    if (OnChange) OnChange(this);
}

void ComboBox::UserSetText(const std::string& v) {
    std::string t = MaxLength > 0 ? Utf8Truncate(v, std::size_t(MaxLength)) : v;
    if (t == Text()) return;
    Control::SetText(t);
    int i = IndexOf(t);
    ItemsControl::SetItemIndex(i);
    if (OnChange) OnChange(this);
}

}  // namespace fv
