// The control kinds: value semantics and which changes fire events.
#include "platform/ui/controls.h"

#include <algorithm>

#include "platform/text/utf8.h"
#include "platform/ui/form.h"

namespace fv {

Label::Label(Component* owner, std::string name) : Control(owner, std::move(name)) {}

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

Memo::Memo(Component* owner, std::string name) : Edit(owner, std::move(name)) {}

std::vector<std::string> Memo::Lines() const {
    std::vector<std::string> lines;
    const std::string& t = Text();
    if (t.empty()) return lines;
    std::size_t start = 0;
    while (start <= t.size()) {
        std::size_t end = t.find('\n', start);
        if (end == std::string::npos) {
            if (start < t.size()) lines.push_back(t.substr(start));
            break;
        }
        std::size_t stop = (end > start && t[end - 1] == '\r') ? end - 1 : end;
        lines.push_back(t.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

void Memo::SetLines(const std::vector<std::string>& lines) {
    std::string t;
    for (const std::string& l : lines) t += l + "\r\n";
    SetText(t);
}

void Memo::AddLine(const std::string& line) {
    std::string t = Text();
    if (!t.empty() && t.back() != '\n') t += "\r\n";
    SetText(t + line + "\r\n");
}

Button::Button(Component* owner, std::string name) : Control(owner, std::move(name)) { SetTabStop(true); }

void Button::Click() {
    if (ModalResult != 0)
        if (Form* f = ParentForm()) f->SetModalResult(ModalResult);
    Control::Click();
}

BitBtn::BitBtn(Component* owner, std::string name) : Button(owner, std::move(name)) {}

SpeedButton::SpeedButton(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void SpeedButton::SetDown(bool v) {
    if (v == down_) return;
    down_ = v;
    if (v && GroupIndex != 0 && Parent())
        for (Control* c : Parent()->Controls())
            if (auto* s = dynamic_cast<SpeedButton*>(c); s && s != this && s->GroupIndex == GroupIndex) s->SetDown(false);
    Changed(Property::Down);
}

void SpeedButton::Click() {
    if (GroupIndex != 0) SetDown(AllowAllUp ? !down_ : true);
    Control::Click();
}

CheckBox::CheckBox(Component* owner, std::string name) : Control(owner, std::move(name)) { SetTabStop(true); }

void CheckBox::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed(Property::Checked);
    Control::Click();
}

void CheckBox::Click() { SetChecked(!checked_); }

RadioButton::RadioButton(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void RadioButton::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed(Property::Checked);
    if (!v) return;
    if (Parent())
        for (Control* c : Parent()->Controls())
            if (auto* r = dynamic_cast<RadioButton*>(c); r && r != this) r->SetChecked(false);
    Control::Click();
}

void RadioButton::Click() {
    if (!checked_) SetChecked(true);
    else Control::Click();
}

GroupBox::GroupBox(Component* owner, std::string name) : Control(owner, std::move(name)) {}

RadioGroup::RadioGroup(Component* owner, std::string name) : GroupBox(owner, std::move(name)) {}

void RadioGroup::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (itemIndex_ >= int(items_.size())) itemIndex_ = -1;
    Changed(Property::Items);
}

void RadioGroup::SetItemIndex(int i) {
    if (i < -1 || i >= int(items_.size())) i = -1;
    if (i == itemIndex_) return;
    itemIndex_ = i;
    Changed(Property::ItemIndex);
    Control::Click();
}

Panel::Panel(Component* owner, std::string name) : Control(owner, std::move(name)) {}

Bevel::Bevel(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void ItemsControl::SetItems(std::vector<std::string> items) {
    items_ = std::move(items);
    if (Sorted) std::sort(items_.begin(), items_.end());
    if (itemIndex_ >= int(items_.size())) itemIndex_ = -1;
    Changed(Property::Items);
}

void ItemsControl::AddItem(const std::string& item) {
    if (Sorted) {
        items_.insert(std::upper_bound(items_.begin(), items_.end(), item), item);
    } else {
        items_.push_back(item);
    }
    Changed(Property::Items);
}

void ItemsControl::InsertItem(int index, const std::string& item) {
    index = std::clamp(index, 0, int(items_.size()));
    items_.insert(items_.begin() + index, item);
    if (itemIndex_ >= index) ++itemIndex_;
    Changed(Property::Items);
}

void ItemsControl::DeleteItem(int index) {
    if (index < 0 || index >= int(items_.size())) return;
    items_.erase(items_.begin() + index);
    if (itemIndex_ == index) itemIndex_ = -1;
    else if (itemIndex_ > index) --itemIndex_;
    Changed(Property::Items);
}

void ItemsControl::ClearItems() {
    items_.clear();
    itemIndex_ = -1;
    Changed(Property::Items);
}

int ItemsControl::IndexOf(const std::string& item) const {
    auto it = std::find(items_.begin(), items_.end(), item);
    return it == items_.end() ? -1 : int(it - items_.begin());
}

void ItemsControl::SetItemIndex(int i) {
    if (i < -1 || i >= int(items_.size())) i = -1;
    if (i == itemIndex_) return;
    itemIndex_ = i;
    Changed(Property::ItemIndex);
}

ComboBox::ComboBox(Component* owner, std::string name) : ItemsControl(owner, std::move(name)) {
    SetColor(ClWindow);
    SetTabStop(true);
}

void ComboBox::SetItemIndex(int i) {
    ItemsControl::SetItemIndex(i);
    // Selecting nothing empties the edit part, as the platform's combo box did.
    Control::SetText(itemIndex_ >= 0 ? items_[std::size_t(itemIndex_)] : std::string());
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

ListBox::ListBox(Component* owner, std::string name) : ItemsControl(owner, std::move(name)) {
    SetColor(ClWindow);
    SetTabStop(true);
}

void ListBox::UserSelect(int index) {
    if (index < -1 || index >= int(items_.size())) return;
    SetItemIndex(index);
    Control::Click();
}

Image::Image(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void Image::SetPicture(BitmapPtr p) {
    picture_ = std::move(p);
    Changed(Property::Picture);
}

void Image::SetStretch(bool v) {
    if (v == stretch_) return;
    stretch_ = v;
    Changed(Property::Picture);
}

ProgressBar::ProgressBar(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void ProgressBar::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    position_ = std::clamp(position_, min_, max_);
    Changed(Property::Range);
}

void ProgressBar::SetPosition(int p) {
    p = std::clamp(p, min_, max_);
    if (p == position_) return;
    position_ = p;
    Changed(Property::Position);
}

void RangeControl::SetRange(int min, int max) {
    min_ = min;
    max_ = std::max(min, max);
    Changed(Property::Range);
    SetPosition(position_);
}

void RangeControl::SetPosition(int p) {
    p = std::clamp(p, min_, max_);
    if (p == position_) return;
    position_ = p;
    Changed(Property::Position);
    if (OnChange) OnChange(this);
}

ScrollBar::ScrollBar(Component* owner, std::string name) : RangeControl(owner, std::move(name)) {}

UpDown::UpDown(Component* owner, std::string name) : RangeControl(owner, std::move(name)) {}

PageControl::PageControl(Component* owner, std::string name) : Control(owner, std::move(name)) {}

std::vector<TabSheet*> PageControl::Pages() const {
    std::vector<TabSheet*> pages;
    for (Control* c : Controls())
        if (auto* t = dynamic_cast<TabSheet*>(c)) pages.push_back(t);
    return pages;
}

void PageControl::SetActivePage(TabSheet* page) {
    if (page == active_) return;
    active_ = page;
    for (TabSheet* t : Pages()) t->SetVisible(t == page);
    Changed(Property::ItemIndex);
}

void PageControl::UserSelectPage(TabSheet* page) {
    if (page == active_) return;
    SetActivePage(page);
    if (OnChange) OnChange(this);
}

TabSheet::TabSheet(Component* owner, std::string name) : Control(owner, std::move(name)) {}

TabControl::TabControl(Component* owner, std::string name) : Control(owner, std::move(name)) {}

void TabControl::SetTabIndex(int i) {
    if (i == tabIndex_) return;
    tabIndex_ = i;
    Changed(Property::ItemIndex);
}

void TabControl::UserSelectTab(int i) {
    if (i == tabIndex_) return;
    SetTabIndex(i);
    if (OnChange) OnChange(this);
}

}  // namespace fv
