// The layout of the publishing dialogs and the browser dialog: every control inside its parent, no two
// siblings overlapping, room for every caption, nothing under a group's caption, the outer container
// inside the client area, and tab stops in a distinct order.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

#include "app/browser_form.h"
#include "app/progress_forms.h"
#include "publish/font_form.h"
#include "publish/html_form.h"
#include "publish/cart_settings_form.h"
#include "publish/lang_form.h"
#include "publish/publish_message_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"
#include "support/layout_check.h"
#include "support/program_fixture.h"
#include "upload/upload_form.h"

namespace fv::testing {
namespace {

class DialogLayoutTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        // The load form's first activation gives the small dialogs their final sizes.
        program->LoadForm->Show();
    }
    std::vector<Form*> Dialogs() {
        return {program->PublishSetupForm, program->FontForm,  program->LangForm,  program->SearchSetup,
                program->HTMLForm,         program->KarvoForm, program->BrowserForm, program->PublishMessageForm,
                program->UploadForm};
    }
};

TEST_F(DialogLayoutTest, NothingOverlapsOrLeavesItsParentAndEveryCaptionHasRoom) {
    for (Form* f : Dialogs()) {
        SCOPED_TRACE(f->Name());
        int checked = 0;
        CheckLayout(*f, checked);
        int controls = 0;
        for (Component* c : f->Components())
            if (dynamic_cast<Control*>(c)) ++controls;
        EXPECT_EQ(checked, controls) << "every control hangs in the form's tree";
        EXPECT_GT(controls, 5);
        // Fits a 1024 x 768 screen.
        EXPECT_LE(f->Width(), 1024);
        EXPECT_LE(f->Height(), 740);
    }
}

TEST_F(DialogLayoutTest, TheLoadFormsSizingKeepsTheOuterContainerInside) {
    const std::pair<Form*, const char*> sized[] = {
        {program->PublishSetupForm, "MainPanel"}, {program->FontForm, "MainPanel"},
        {program->SearchSetup, "SearchSetupPanel"}, {program->KarvoForm, "MainPanel"},
        {program->BrowserForm, "MainPanel"},       {program->PublishMessageForm, "MainPanel"},
        {program->UploadForm, "MainPanel"},
    };
    for (auto [form, container] : sized) {
        SCOPED_TRACE(form->Name());
        auto* c = form->Find<Control>(container);
        ASSERT_NE(c, nullptr);
        EXPECT_EQ(form->Width(), c->Width() + 13);
        EXPECT_EQ(form->Height(), c->Height() + 35);
        EXPECT_GE(form->ClientWidth(), c->Width());
        EXPECT_GE(form->ClientHeight(), c->Height());
    }
}

TEST_F(DialogLayoutTest, TabStopsHaveDistinctPlaces) {
    for (Form* f : Dialogs()) {
        SCOPED_TRACE(f->Name());
        std::function<void(const Control&)> distinct = [&](const Control& parent) {
            std::vector<int> seen;
            for (const Control* c : parent.Controls()) {
                EXPECT_EQ(std::count(seen.begin(), seen.end(), c->TabOrder()), 0) << c->Name();
                seen.push_back(c->TabOrder());
                distinct(*c);
            }
        };
        distinct(*f);
    }
}

}  // namespace
}  // namespace fv::testing
