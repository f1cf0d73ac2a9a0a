// The publishing progress form.
#include "publish/publish_progress_form.h"

namespace fv {

TPublishForm::TPublishForm(Component* owner, Program& program) : ProgramForm(owner, program, "PublishForm") {
    SetCaption("Publishing");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    SetBounds(0, 0, 254, 116);
    MainPanel = Add<Panel>(this, "MainPanel", 2, 2, 241, 81);
    MainPanel->BevelOuter = BevelKind::None;
    PublishGroup = Add<GroupBox>(MainPanel, "PublishGroup", 4, 2, 233, 45, "Publishing");
    PublishProgressBar = Add<ProgressBar>(PublishGroup, "PublishProgressBar", 8, 18, 217, 17);
    BitBtn1 = Add<BitBtn>(MainPanel, "BitBtn1", 83, 52, 75, 25, "Cancel");
    BitBtn1->ButtonKind = BitBtn::BtnKind::Cancel;
    BitBtn1->OnClick = [this](Component* s) { BitBtn1Click(s); };
}

void TPublishForm::BitBtn1Click(Component*) { P.PublishCancelled = 1; }

}  // namespace fv
