// The OK and Cancel buttons every dialog builds through ProgramForm: the glyph, whether a click closes the
// modal form by itself, and which key presses the button.
#include <gtest/gtest.h>

#include "platform/ui/panel.h"
#include "program/program_form.h"
#include "support/hub_fixture.h"

namespace fv::testing {
namespace {

// A dialog with one panel, whose buttons the tests make through the builders.
class Dialog : public ProgramForm {
public:
    Dialog(Component* owner, Program& program) : ProgramForm(owner, program, "Dialog") {
        Box = Add<Panel>(this, "Box", 0, 0, 300, 100);
    }
    using ProgramForm::AddCancelButton;
    using ProgramForm::AddOkButton;
    Panel* Box;
};

class ProgramFormTest : public ProgramBase {};

TEST_F(ProgramFormTest, DialogButtonsTakeTheirKindResultAndKey) {
    struct Case {
        bool ok;
        DialogButton how;
        int result;     // what a click leaves in the form's ModalResult
        bool takesKey;  // Default for OK, Cancel for Cancel
        const char* why;
    };
    const Case cases[] = {
        {true, {}, MrOk, true, "a plain OK closes the dialog with MrOk and answers Enter"},
        {false, {}, MrCancel, true, "a plain Cancel closes the dialog with MrCancel and answers Escape"},
        {true, {.closes = false}, MrNone, true, "an OK whose handler decides leaves the result alone"},
        {false, {.closes = false}, MrNone, true, "likewise a Cancel whose handler decides"},
        {true, {.takesKey = false}, MrOk, false, "a second OK on the form leaves Enter to the first"},
        {false, {.closes = false, .takesKey = false}, MrNone, false, "a Cancel that only runs its handler"},
    };
    Dialog* dialog = app->CreateForm<Dialog>(*program);
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string name = "Button" + std::to_string(++n);
        BitBtn* b = c.ok ? dialog->AddOkButton(dialog->Box, name, 8, 60, 75, 25, c.how)
                         : dialog->AddCancelButton(dialog->Box, name, 8, 60, 75, 25, c.how);
        EXPECT_EQ(b->ButtonKind, c.ok ? BitBtn::BtnKind::Ok : BitBtn::BtnKind::Cancel);
        EXPECT_EQ(b->Caption(), c.ok ? "OK" : "Cancel");
        EXPECT_EQ(b->Parent(), dialog->Box);
        EXPECT_EQ(b->Left(), 8);
        EXPECT_EQ(b->Width(), 75);
        EXPECT_EQ(c.ok ? b->Default : b->Cancel, c.takesKey);
        EXPECT_FALSE(c.ok ? b->Cancel : b->Default) << "a button answers only its own key";
        dialog->SetModalResult(MrNone);
        b->Click();
        EXPECT_EQ(dialog->ModalResult(), c.result);
    }
}

TEST_F(ProgramFormTest, ADialogButtonMayCarryItsOwnCaption) {
    Dialog* dialog = app->CreateForm<Dialog>(*program);
    EXPECT_EQ(dialog->AddOkButton(nullptr, "View", 0, 0, 75, 25, {}, "View")->Caption(), "View");
    BitBtn* exit = dialog->AddCancelButton(nullptr, "Exit", 0, 0, 75, 25, {}, "Exit");
    EXPECT_EQ(exit->Caption(), "Exit");
    EXPECT_EQ(exit->Parent(), dialog) << "without a parent the button sits on the form";
}

}  // namespace
}  // namespace fv::testing
