// The chart window's row choice and its close button.
#include <gtest/gtest.h>

#include "chartui/roziza_form.h"
#include "support/hub_fixture.h"

namespace fv::testing {
namespace {

class RozizAFormTest : public HubFixture {
protected:
    void SetUp() override {
        HubFixture::SetUp();
        Create(program->RozizAForm);
    }
};

TEST_F(RozizAFormTest, AnEmptyRowChoiceMeansAllRows) {
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
    TRozizAForm& chart = *program->RozizAForm;
    chart.Show();
    chart.CloseButton->Click();
    EXPECT_EQ(program->ChartModified, 1);
    EXPECT_FALSE(chart.Visible());
}

}  // namespace
}  // namespace fv::testing
