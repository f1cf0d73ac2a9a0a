// Moving through the records: the four navigation buttons, and the fast scroll while the forward or back
// button is held down (a step every 150 ms after the first tick, as fast as the timer goes from the eighth).
#include "app/folivex_form.h"

namespace fv {

namespace {
constexpr int ScrollInterval = 150;
constexpr int FastScrollInterval = 1;
}  // namespace

void TFolivexForm::RewindButtonClick(Component* sender) {
    if (P.RecordCount == 0) return;
    P.CurrentRecord = 1;
    CopyRecordToScreen(sender, 0);
}

void TFolivexForm::BackButtonClick(Component* sender) {
    if (P.RecordCount == 0 || P.CurrentRecord == 1) return;
    P.CurrentRecord -= 1;
    CopyRecordToScreen(sender, P.CurrentRecord - 1);
    Repaint();
}

void TFolivexForm::ForwardButtonClick(Component* sender) {
    if (P.RecordCount == 0 || P.CurrentRecord == P.RecordCount) return;
    P.CurrentRecord += 1;
    CopyRecordToScreen(sender, P.CurrentRecord - 1);
    Repaint();
}

void TFolivexForm::FastForwardButtonClick(Component* sender) {
    if (P.RecordCount == 0) return;
    P.CurrentRecord = P.RecordCount;
    CopyRecordToScreen(sender, P.RecordCount - 1);
}

void TFolivexForm::ForwardButtonMouseDown(Component*) {
    ScrollHeld = 1;
    ScrollDirection = 1;
    ScrollTicks = 0;
    MouseyTimer->SetEnabled(true);
}

void TFolivexForm::BackButtonMouseDown(Component*) {
    ScrollHeld = 1;
    ScrollDirection = 2;
    ScrollTicks = 0;
    MouseyTimer->SetEnabled(true);
}

void TFolivexForm::ForwardButtonMouseUp(Component*) {
    ScrollHeld = 0;
    MouseyTimer->SetInterval(ScrollInterval);
    ScrollSteps = 0;
}

void TFolivexForm::BackButtonMouseUp(Component* sender) { ForwardButtonMouseUp(sender); }

void TFolivexForm::MouseyTimerHit(Component* sender) {
    ScrollTicks += 1;
    if (!ScrollHeld) {
        MouseyTimer->SetEnabled(false);
        return;
    }
    // The first tick only confirms the button is held; the click on release takes its own step.
    if (ScrollTicks > 1) {
        if (ScrollDirection == 1) ForwardButtonClick(sender);
        else BackButtonClick(sender);
    }
    if (ScrollSteps++ == 7) MouseyTimer->SetInterval(FastScrollInterval);
}

}  // namespace fv
