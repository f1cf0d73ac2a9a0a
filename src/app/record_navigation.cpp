// Moving through the records: the four navigation buttons, and the fast scroll while the forward or back
// button is held down (app/fast_scroll.h keeps its state and timing).
#include "app/folivex_form.h"

namespace fv {

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

void TFolivexForm::ForwardButtonMouseDown(Component*) { scroll_->Press(FastScroll::Forward); }
void TFolivexForm::BackButtonMouseDown(Component*) { scroll_->Press(FastScroll::Back); }
void TFolivexForm::ForwardButtonMouseUp(Component*) { scroll_->Release(); }
void TFolivexForm::BackButtonMouseUp(Component*) { scroll_->Release(); }
void TFolivexForm::MouseyTimerHit(Component*) { scroll_->Tick(); }

}  // namespace fv
