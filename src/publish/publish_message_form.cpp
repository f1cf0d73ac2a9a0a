// The publish notice: eight lines of text, the "don't show" box and OK.
#include "publish/publish_message_form.h"

#include "platform/ui/bit_btn.h"
#include "platform/ui/check_box.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "publish/publish_helpers.h"

namespace fv {

namespace {
const char* const NoticeLines[8] = {
    "Remember, the Publishing step will only attempt to publish records",
    "that have changed since the last publishing attempt.",
    "This may mean that when you view your files locally - some links",
    "to other pages may be missing.",
    "To guarantee all files are Published, select the \"Force Publish'",
    "option from the Publish main menu.",
    "Alternatively, if you want to guarantee publishing all pages each",
    "time you click 'Publish', check the Box on the Publish Setup page.",
};
}  // namespace

TPublishMessageForm::TPublishMessageForm(Component* owner, Program& program)
    : ProgramForm(owner, program, "PublishMessageForm") {
    SetCaption("Publishing - Auto detect NEW Files");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, 420, 208);
    SizeToContainer(*MainPanel);
    for (int i = 0; i < 8; ++i)
        Lines[std::size_t(i)] = Add<Label>(MainPanel, "Label" + std::to_string(i + 1), 12, 12 + i * 16, 400, 13,
                                           NoticeLines[i]);
    DontShow = Add<CheckBox>(MainPanel, "DontShow", 12, 148, 300, 17, "Don't show me this message again this session");
    BitBtn1 = Add<BitBtn>(MainPanel, "BitBtn1", 333, 174, 75, 25, "OK");
    BitBtn1->ButtonKind = BitBtn::BtnKind::Ok;
    BitBtn1->ModalResult = MrOk;
    BitBtn1->Default = true;
    NumberTabOrder(*this);
    BitBtn1->OnClick = [this](Component*) {
        if (!Modal()) Close();
    };
}

}  // namespace fv
