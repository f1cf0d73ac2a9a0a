// SpeedButton: a tool button; buttons of one group index stay down one at a time.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace fv {

class SpeedButton : public Control {
public:
    SpeedButton(Component* owner, std::string name = {});
    const char* Kind() const override { return "SpeedButton"; }
    int GroupIndex = 0;
    bool AllowAllUp = false;
    bool Flat = false;
    std::string Glyph;
    bool Down() const { return down_; }
    void SetDown(bool v);  // fires nothing; releases the others of its group
    void Click() override;

private:
    bool down_ = false;
};

}  // namespace fv
