// UpDown: the position and the edit that shows it.
#include "platform/ui/up_down.h"

#include <algorithm>
#include <charconv>

#include "platform/ui/edit.h"

namespace fv {

UpDown::UpDown(Component* owner, std::string name) : RangeControl(owner, std::move(name)) {}

void UpDown::SetAssociate(Edit* edit) {
    associate_ = edit;
    ShowInAssociate();
}

int UpDown::Position() const {
    if (!associate_) return RangeControl::Position();
    const std::string& text = associate_->Text();
    const char* first = text.data();
    const char* last = text.data() + text.size();
    while (first < last && *first == ' ') ++first;
    while (last > first && last[-1] == ' ') --last;
    if (first < last && *first == '+') ++first;
    int value = 0;
    auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last) return RangeControl::Position();
    return std::clamp(value, Min(), Max());
}

void UpDown::SetPosition(int p) {
    RangeControl::SetPosition(p);
    // Also when the stored position stayed: the edit may hold a number typed since.
    ShowInAssociate();
}

void UpDown::ShowInAssociate() {
    if (associate_) associate_->SetText(std::to_string(RangeControl::Position()));
}

}  // namespace fv
