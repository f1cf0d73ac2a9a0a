// UpDown: the position and the edit that shows it.
#include "platform/ui/up_down.h"

#include <algorithm>

#include "platform/text/numbers.h"
#include "platform/ui/edit.h"

namespace fv {

UpDown::UpDown(Component* owner, std::string name) : RangeControl(owner, std::move(name)) {}

void UpDown::SetAssociate(Edit* edit) {
    associate_ = edit;
    ShowInAssociate();
}

int UpDown::Position() const {
    if (!associate_) return RangeControl::Position();
    int value = 0;
    if (ReadWholeNumber(associate_->Text(), value)) lastRead_ = std::clamp(value, Min(), Max());
    return lastRead_;
}

void UpDown::SetPosition(int p) {
    RangeControl::SetPosition(p);
    // Also when the stored position stayed: the edit may hold a number typed since.
    ShowInAssociate();
}

void UpDown::StepUp() {
    const int p = Position() + Increment;
    SetPosition(Wrap && p > Max() ? Min() : p);
}

void UpDown::StepDown() {
    const int p = Position() - Increment;
    SetPosition(Wrap && p < Min() ? Max() : p);
}

void UpDown::ShowInAssociate() {
    lastRead_ = RangeControl::Position();
    if (associate_) associate_->SetText(std::to_string(lastRead_));
}

}  // namespace fv
