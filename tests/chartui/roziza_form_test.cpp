// The chart window's row choice, its close button and the sizes the last-use file keeps of it.
#include <gtest/gtest.h>

#include "app/folivex_form.h"
#include "chartui/roziza_form.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

using RozizAFormTest = ProgramFixture;

TEST_F(RozizAFormTest, AnEmptyRowChoiceMeansAllRows) {
    ASSERT_TRUE(Start());
    TRozizAForm& chart = *program->RozizAForm;
    EXPECT_TRUE(chart.WhichRowsCheckBox->Checked());
    struct Case {
        const char* rows;
        bool all;
    };
    for (const Case& c : {Case{"1,2,3", false}, Case{"", true}, Case{"5-35", false}, Case{" ", true},
                          Case{"x", false}, Case{"(null)", true}}) {
        chart.WhichRows->UserSetText(c.rows);
        EXPECT_EQ(chart.WhichRowsCheckBox->Checked(), c.all) << c.rows;
    }
}

TEST_F(RozizAFormTest, CloseMarksTheChartForSavingAndHidesTheWindow) {
    ASSERT_TRUE(Start());
    TRozizAForm& chart = *program->RozizAForm;
    chart.Show();
    chart.CloseButton->Click();
    EXPECT_EQ(program->ChartModified, 1);
    EXPECT_FALSE(chart.Visible());
}

TEST_F(RozizAFormTest, TheLastUseFileKeepsTheChartWindowsSizes) {
    ASSERT_TRUE(Start());
    TRozizAForm& chart = *program->RozizAForm;
    chart.ChartVue->SetWidth(500);
    LastUse last = program->FolivexForm->CurrentLastUse();
    EXPECT_EQ(last.Sizes[8], 649);
    EXPECT_EQ(last.Sizes[9], 400);
    EXPECT_EQ(last.Sizes[10], 500);
    EXPECT_EQ(last.Sizes[11], chart.ChartVue->Height());
    EXPECT_EQ(last.Sizes[12], 625);  // MainPanel
    EXPECT_EQ(last.Sizes[21], chart.ChartScrollBar1->Height());
}

}  // namespace
}  // namespace fv::testing
