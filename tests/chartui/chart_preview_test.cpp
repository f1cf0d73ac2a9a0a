// The print preview dialog: what opening it does, typed margins and their refusals, drags that end
// proportional printing, the reset of the margins, the orientation and the detail.
#include <gtest/gtest.h>

#include "chartui/window/chart_preview.h"
#include "platform/app/scripted_output.h"
#include "support/hub_fixture.h"

namespace fv::testing {
namespace {

class ChartPreviewTest : public HubFixture {
protected:
    void SetUp() override {
        HubFixture::SetUp();
        chart = std::make_unique<TDraw3D>(nullptr);
        chart->SetBounds(0, 0, 300, 200);
        chart->SetPrintProportional(false);
        chart->PrintMargins = {10, 20, 30, 40};
        chart->SetPrintResolution(-20);
        dialog = std::make_unique<TChartPreview>(nullptr, *program);
        dialog->ChartPreviewPage->SetBounds(130, 41, 400, 300);
        dialog->ChartPreviewPage->SetImage(chart.get());
        app->ScriptedPrinterService().pageSize = {2480, 3508};  // A4 upright; the dialog turns it across
        dialog->Show();
    }
    void TearDown() override {
        dialog.reset();
        chart.reset();
        HubFixture::TearDown();
    }
    std::vector<std::string> Fields() const {
        return {dialog->SELeftMa->Text(), dialog->SETopMa->Text(), dialog->SERightMa->Text(), dialog->SEBotMa->Text()};
    }
    std::unique_ptr<TDraw3D> chart;
    std::unique_ptr<TChartPreview> dialog;
};

TEST_F(ChartPreviewTest, OpeningTurnsThePaperToLandscapeAndShowsTheChartsSettings) {
    EXPECT_EQ(app->Printer().Orientation(), PaperOrientation::Landscape);
    EXPECT_EQ(dialog->Orientation->ItemIndex(), 1);
    EXPECT_EQ(dialog->Printers->Items(), (std::vector<std::string>{"Scripted Printer"}));
    EXPECT_EQ(dialog->Printers->ItemIndex(), 0);
    EXPECT_EQ(Fields(), (std::vector<std::string>{"10", "20", "30", "40"}));
    EXPECT_EQ(dialog->UDBotMa->Position(), 40);
    EXPECT_FALSE(dialog->CBProp->Checked());
    EXPECT_EQ(dialog->Resolution->Position(), -20);
    EXPECT_FALSE(dialog->BReset->Enabled()) << "nothing to reset yet";
    EXPECT_EQ(chart->PrintMargins, (std::array<int, 4>{10, 20, 30, 40}));
}

TEST_F(ChartPreviewTest, TypedMarginsAreStoredUnlessTheyLeaveNoRoom) {
    struct Case { Edit* TChartPreview::*field; const char* typed; std::array<int, 4> margins; const char* shown; const char* why; } cases[] = {
        {&TChartPreview::SELeftMa, "25", {25, 20, 30, 40}, "25", "stored"},
        {&TChartPreview::SELeftMa, "70", {10, 20, 30, 40}, "10", "70 with the right margin's 30 makes 100: refused"},
        {&TChartPreview::SERightMa, "89", {10, 20, 89, 40}, "89", "89 and 10 leave the chart 1 %"},
        {&TChartPreview::SETopMa, "60", {10, 20, 30, 40}, "20", "60 with the bottom's 40: refused"},
        {&TChartPreview::SEBotMa, "x", {10, 20, 30, 40}, "40", "no number: refused"},
        {&TChartPreview::SEBotMa, "-5", {10, 20, 30, 40}, "40", "no negative margins"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        chart->PrintMargins = {10, 20, 30, 40};
        (dialog.get()->*c.field)->UserSetText(c.typed);
        EXPECT_EQ(chart->PrintMargins, c.margins);
        EXPECT_EQ((dialog.get()->*c.field)->Text(), c.shown);
        if (c.margins != std::array<int, 4>{10, 20, 30, 40}) EXPECT_TRUE(dialog->BReset->Enabled());
    }
}

TEST_F(ChartPreviewTest, TheLeftAndRightMarginsOfTheExampleAreRefused) {
    chart->PrintMargins = {10, 20, 40, 40};
    dialog->SELeftMa->UserSetText("60");
    EXPECT_EQ(dialog->SELeftMa->Text(), "10");
    EXPECT_EQ(chart->PrintMargins[0], 10);
}

TEST_F(ChartPreviewTest, ADragTurnsProportionalOffAndResetBringsTheMarginsBack) {
    dialog->CBProp->SetChecked(true);  // proportional margins, which a reset brings back
    const std::array<int, 4> before = chart->PrintMargins;
    std::array<int, 4> dragged = before;
    dragged[2] -= 10;  // 36 of the paper's 360 pixels
    TChartPreviewPage& page = *dialog->ChartPreviewPage;
    page.CalcRects();
    const PixelRect r = page.ChartRect;
    page.MouseDown(MouseButton::Left, 0, r.Right, (r.Top + r.Bottom) / 2);
    page.MouseMove(0, r.Right + 36, (r.Top + r.Bottom) / 2);
    page.MouseUp(MouseButton::Left, 0, r.Right + 36, (r.Top + r.Bottom) / 2);
    EXPECT_FALSE(chart->PrintProportional());
    EXPECT_FALSE(dialog->CBProp->Checked());
    EXPECT_EQ(chart->PrintMargins, dragged);
    EXPECT_EQ(dialog->SERightMa->Text(), std::to_string(dragged[2]));
    EXPECT_TRUE(dialog->BReset->Enabled()) << "the dragged margins can be reset";

    dialog->BReset->Click();
    EXPECT_EQ(chart->PrintMargins, before);
    EXPECT_EQ(dialog->SERightMa->Text(), std::to_string(before[2]));
    EXPECT_FALSE(dialog->BReset->Enabled());
}

TEST_F(ChartPreviewTest, ProportionalMarginsBecomeTheResetTarget) {
    dialog->CBProp->SetChecked(true);
    EXPECT_TRUE(chart->PrintProportional());
    const std::array<int, 4> proportional = chart->CalcProportionalPrintRect(app->Printer());
    EXPECT_EQ(chart->PrintMargins, proportional);
    EXPECT_EQ(dialog->SETopMa->Text(), std::to_string(proportional[1]));
    EXPECT_FALSE(dialog->BReset->Enabled());
}

TEST_F(ChartPreviewTest, OrientationDetailAndViewMargins) {
    dialog->Orientation->SetItemIndex(0);
    EXPECT_EQ(app->Printer().Orientation(), PaperOrientation::Portrait);
    dialog->Resolution->SetPosition(-60);
    EXPECT_EQ(chart->PrintResolution(), -60);
    dialog->ShowMargins->SetChecked(false);
    EXPECT_FALSE(dialog->ChartPreviewPage->ShowMargins());
}

TEST_F(ChartPreviewTest, PrintPrintsTheChartAndCloseEndsTheDialog) {
    dialog->BPrint->Click();
    EXPECT_EQ(app->ScriptedPrinterService().pages.size(), 1u);
    dialog->BClose->Click();
    EXPECT_FALSE(dialog->Visible());
}

}  // namespace
}  // namespace fv::testing
