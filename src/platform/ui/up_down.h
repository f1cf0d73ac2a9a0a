// UpDown: a pair of arrows that step a position, usually beside an associated edit.
//
// With an associate the edit is the position's face: every position set
// (by the arrows or by code) is written into the edit's text, which fires the edit's OnChange, and the
// position read is the number the edit holds, so a number the user types counts at once. A text that is
// no whole number gives the last position read or set (typing "15" then "15x" keeps 15).
#pragma once

#include <string>

#include "platform/ui/range_control.h"

namespace fv {

class Edit;

class UpDown : public RangeControl {
public:
    UpDown(Component* owner, std::string name = {});
    const char* Kind() const override { return "UpDown"; }

    Edit* Associate() const { return associate_; }
    // Binds the edit and shows the position in it.
    void SetAssociate(Edit* edit);

    int Position() const override;
    void SetPosition(int p) override;
    // How far one press of an arrow moves the position.
    int Increment = 1;
    // A press past one end goes on from the other end (an angle past 360 is 0 again), instead of stopping.
    bool Wrap = false;
    // The user presses the up or the down arrow.
    void StepUp();
    void StepDown();

private:
    void ShowInAssociate();
    Edit* associate_ = nullptr;
    mutable int lastRead_ = 0;  // the last position the edit gave or was given
};

}  // namespace fv
