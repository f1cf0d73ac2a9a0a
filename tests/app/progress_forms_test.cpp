// Progress forms: sizes after start and the publish form's cancel button.
#include <gtest/gtest.h>

#include "app/progress_forms.h"
#include "publish/publish_progress_form.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

using ProgressFormsTest = ProgramFixture;

TEST_F(ProgressFormsTest, LoadFormActivationSizesTheSmallForms) {
    ASSERT_TRUE(Start());
    loop.AdvanceBy(4000);
    struct Case {
        Form* form;
        int width, height;
    };
    for (const Case& c : {Case{program->SaveForm, 254, 84}, Case{program->LoadForm, 254, 84},
                          Case{program->SortForm, 254, 84}, Case{program->PublishForm, 254, 116}}) {
        EXPECT_EQ(c.form->Width(), c.width) << c.form->Name();
        EXPECT_EQ(c.form->Height(), c.height) << c.form->Name();
    }
}

TEST_F(ProgressFormsTest, CancelWithoutAPublishRunSetsTheFlag) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(program->PublishCancelled, 0);
    program->PublishForm->BitBtn1->Click();
    EXPECT_EQ(program->PublishCancelled, 1);
}

}  // namespace
}  // namespace fv::testing
