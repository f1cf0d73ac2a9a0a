// Sizes of the windows whose size is known before their controls are built.
#include <gtest/gtest.h>

#include "app/progress_forms.h"
#include "chartui/window/chart_window.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

using FormSizesTest = ProgramFixture;

TEST_F(FormSizesTest, ChartWindowHasItsDesignSizeAndRoomForItsPanel) {
    ASSERT_TRUE(Start());
    TRozizAForm& chart = *program->RozizAForm;
    EXPECT_EQ(chart.Width(), 649);
    EXPECT_EQ(chart.Height(), 400);
    // The panel that holds everything on the window (625 by 353) fits inside the frame.
    EXPECT_GE(chart.ClientWidth(), 625);
    EXPECT_GE(chart.ClientHeight(), 353);
    // The load form's activation sizes only the small dialogs; the chart window keeps its size.
    loop.AdvanceBy(4000);
    EXPECT_TRUE(program->LoadForm->Visible());
    EXPECT_EQ(chart.Width(), 649);
    EXPECT_EQ(chart.Height(), 400);
}

}  // namespace
}  // namespace fv::testing
