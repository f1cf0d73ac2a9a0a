// SpeedButton: down state and its group.
#include "platform/ui/speed_button.h"

namespace fv {

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

}  // namespace fv
