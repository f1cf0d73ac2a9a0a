// The main window by the keyboard: what a double click opens, Return opens on the control that has the
// focus; a focused button takes Return; the settings dialogs without a cancel button close on Escape.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/folivex_form.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "publish/html_form.h"
#include "publish/lang_form.h"
#include "publish/search_setup_form.h"
#include "support/program_fixture.h"
#include "upload/ftp_form.h"

namespace fv::testing {
namespace {

class MainWindowKeysTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        program->DatabaseDirectory = dir.Path();
        program->RecordCount = 2;
        Main().CopyRecordToScreen(nullptr, 0);
        program->CurrentRecord = 1;
        // Every dialog is noted and left at once, as a cancel would leave it.
        app->OnModal = [this](Form& f) {
            opened.push_back(f.Name());
            f.SetModalResult(MrCancel);
        };
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    std::vector<std::string> opened;
};

// Return on a focused control that acts on a double click opens what the double click opens.
TEST_F(MainWindowKeysTest, ReturnOpensWhatADoubleClickOpens) {
    struct Case {
        Control* control;
        std::string dialog;
        const char* reason;
    };
    const std::vector<Case> cases{
        {Main().DBEdit[3], "SearchForm", "a field's double click searches that field"},
        {Main().Category, "CategoryForm", "the category box's double click edits the categories"},
        {Main().Colour[4], "FontForm", "a field's swatch opens the font of that field"},
        {Main().LabelColour, "FontForm", "the labels' swatch opens the labels' font"},
        {Main().ScrollColour, "FontForm", "the memo's swatch opens the memo's font"},
    };
    for (const Case& c : cases) {
        opened.clear();
        c.control->SetFocus();
        ASSERT_TRUE(c.control->TabStop()) << c.reason;
        int key = KeyReturn;
        c.control->KeyDown(key, 0);
        EXPECT_EQ(key, KeyNone) << c.reason;  // used here, so it goes no further
        EXPECT_EQ(opened, std::vector<std::string>{c.dialog}) << c.reason;
    }
}

// The "+" button, like every button, is pressed by Return when it has the focus: a new record starts.
TEST_F(MainWindowKeysTest, ReturnOnTheFocusedAddButtonAddsARecord) {
    ASSERT_TRUE(Main().AddButton->TabStop());
    Main().AddButton->SetFocus();
    int key = KeyReturn;
    Main().AddButton->KeyDown(key, 0);
    EXPECT_EQ(key, KeyNone);
    EXPECT_TRUE(program->Inserting);
    EXPECT_TRUE(Main().SaveButton->Enabled());
}

// The settings dialogs without a cancel button close on Escape, as their close box closes them.
TEST_F(MainWindowKeysTest, EscapeClosesTheSettingsDialogsWithoutACancelButton) {
    struct Case {
        Form* form;
        Control* focused;
    };
    const std::vector<Case> cases{
        {program->FTPForm, program->FTPForm->FTPhost},
        {program->HTMLForm, nullptr},
        {program->SearchSetup, nullptr},
        {program->LangForm, nullptr},
    };
    for (const Case& c : cases) {
        bool escapeUsed = false;
        app->OnModal = [&](Form& f) {
            ASSERT_EQ(&f, c.form);
            Control* target = c.focused ? c.focused : &f;
            int key = KeyEscape;
            target->KeyDown(key, 0);
            escapeUsed = key == KeyNone;
            if (f.ModalResult() == MrNone) f.SetModalResult(MrOk);  // Escape failed: leave, and report it
        };
        EXPECT_EQ(c.form->ShowModal(), MrCancel) << c.form->Name();
        EXPECT_TRUE(escapeUsed) << c.form->Name();
    }
}

}  // namespace
}  // namespace fv::testing
