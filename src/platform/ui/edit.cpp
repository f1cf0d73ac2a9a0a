// Edit: text changes, the selection, and the limits on what is typed.
#include "platform/ui/edit.h"

#include <algorithm>

#include "platform/text/utf8.h"

namespace fv {

Edit::Edit(Component* owner, std::string name) : Control(owner, std::move(name)) {
    SetColor(ClWindow);
    SetTabStop(true);
}

void Edit::SetText(const std::string& v) {
    if (v == text_) return;
    selStart_ = selLength_ = 0;
    Control::SetText(v);
    Change();
}

std::string Edit::SelText() const { return text_.substr(std::size_t(selStart_), std::size_t(selLength_)); }

void Edit::KeyAction(int& key, unsigned shift) {
    if (key != KeyReturn || shift != 0 || !OnDblClick) return;
    key = KeyNone;
    DblClick();
}

void Edit::SetSelection(int start, int length) {
    int size = int(text_.size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    if (start == selStart_ && length == selLength_) return;
    selStart_ = start;
    selLength_ = length;
    Changed(Property::Selection);
}

void Edit::Change() {
    if (OnChange) OnChange(this);
}

void Edit::UserSetText(const std::string& v) {
    SetText(maxLength_ > 0 ? Utf8Truncate(v, std::size_t(maxLength_)) : v);
}

void Edit::SetMaxLength(int v) {
    if (v == maxLength_) return;
    maxLength_ = v;
    Changed(Property::MaxLength);
}

void Edit::SetReadOnly(bool v) {
    if (v == readOnly_) return;
    readOnly_ = v;
    Changed(Property::ReadOnly);
}

void Edit::SetPasswordChar(char c) {
    if (c == passwordChar_) return;
    passwordChar_ = c;
    Changed(Property::Style);
}

void Edit::SetBorderStyle(BorderStyle b) {
    if (b == border_) return;
    border_ = b;
    Changed(Property::Style);
}

}  // namespace fv
