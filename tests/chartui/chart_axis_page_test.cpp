// The axis page of the chart editor, driven as a user drives it: each control set as a user sets it and
// the axis read back, the controls filled from another axis, the refusals and their messages, and the
// limit and increment dialogs.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "chart/chart.h"
#include "chart/chart_series.h"
#include "chart/date_steps.h"
#include "chartui/dialogs/axis_increment_form.h"
#include "chartui/dialogs/axis_max_min_form.h"
#include "chartui/editor/chart_axis_page.h"
#include "chartui/dialogs/pen_dialog.h"
#include "dialog_fixture.h"

namespace fv::testing {
namespace {

class AxisPage : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        chart = std::make_unique<TChart>(nullptr, "Chart1");
        series = chart->Make<TChartSeries>("Series1");
        series->SetParentChart(chart.get());
        for (int i = 0; i < 10; ++i) series->AddPoint(i, i + 1);
        page = app->CreateForm<TFormChartAxis>(*program, *chart, *chart->LeftAxis());
        page->Show();
    }
    void TearDown() override {
        page->Hide();
        DialogFixture::TearDown();
    }
    // The user picks an item of the axis choice.
    void Choose(int item) { page->RGWhich->SetItemIndex(item); }
    // The user does something that may fail; the message the user saw, if any.
    std::string Act(const std::function<void()>& act) {
        Messages().ClearLog();
        app->Dispatch(act);
        const std::vector<std::string> shown = Messages().Messages();
        return shown.empty() ? "" : shown.back();
    }

    std::unique_ptr<TChart> chart;
    TChartSeries* series = nullptr;
    TFormChartAxis* page = nullptr;
};

TEST_F(AxisPage, EveryControlWritesIntoTheAxis) {
    struct Case {
        const char* action;
        TabSheet* TFormChartAxis::*tab;
        std::function<void(TFormChartAxis&)> act;
        std::function<bool(const TCustomChartAxis&)> holds;
    };
    const Font titleFont{"Courier", 12, ClRed};
    const Font labelsFont{"Times", 9, ClGreen};
    const Case cases[] = {
        {"Inverted", &TFormChartAxis::TabScales, [](TFormChartAxis& p) { p.CBInverted->Click(); },
         [](const TCustomChartAxis& a) { return a.Inverted(); }},
        {"Logarithmic", &TFormChartAxis::TabScales, [](TFormChartAxis& p) { p.CBLogarithmic->Click(); },
         [](const TCustomChartAxis& a) { return a.Logarithmic(); }},
        {"Automatic off", &TFormChartAxis::TabScales, [](TFormChartAxis& p) { p.CBAutomatic->Click(); },
         [](const TCustomChartAxis& a) { return !a.Automatic() && !a.AutomaticMaximum() && !a.AutomaticMinimum(); }},
        {"Auto maximum on", &TFormChartAxis::TabScales, [](TFormChartAxis& p) { p.CBAutoMax->Click(); },
         [](const TCustomChartAxis& a) { return a.AutomaticMaximum() && !a.AutomaticMinimum() && a.Maximum() == 10; }},
        {"Auto minimum on", &TFormChartAxis::TabScales, [](TFormChartAxis& p) { p.CBAutoMin->Click(); },
         [](const TCustomChartAxis& a) { return a.Automatic() && a.Minimum() == 1; }},
        {"title typed", &TFormChartAxis::TabTitle, [](TFormChartAxis& p) { p.ETitle->UserSetText("Sales"); },
         [](const TCustomChartAxis& a) { return a.Title.Caption() == "Sales"; }},
        {"title angle by the up arrow", &TFormChartAxis::TabTitle, [](TFormChartAxis& p) { p.UDTitleAngle->StepUp(); },
         [](const TCustomChartAxis& a) { return a.Title.Angle() == 180; }},
        {"title angle typed", &TFormChartAxis::TabTitle, [](TFormChartAxis& p) { p.SETitleAngle->UserSetText("270"); },
         [](const TCustomChartAxis& a) { return a.Title.Angle() == 270; }},
        // The up-down reaches 360, which the axis would refuse: a full turn is 0.
        {"title angle stepped to 360", &TFormChartAxis::TabTitle, [](TFormChartAxis& p) { p.UDTitleAngle->StepUp(); },
         [](const TCustomChartAxis& a) { return a.Title.Angle() == 0; }},
        {"title size", &TFormChartAxis::TabTitle, [](TFormChartAxis& p) { p.SETitleSize->UserSetText("25"); },
         [](const TCustomChartAxis& a) { return a.TitleSize() == 25; }},
        {"title font", &TFormChartAxis::TabTitle, [](TFormChartAxis& p) { p.BTitleFont->Click(); },
         [&](const TCustomChartAxis& a) { return a.Title.GetFont() == titleFont; }},
        {"labels hidden", &TFormChartAxis::TabLabels, [](TFormChartAxis& p) { p.CBLabels->Click(); },
         [](const TCustomChartAxis& a) { return !a.Labels(); }},
        {"label style Mark", &TFormChartAxis::TabLabels, [](TFormChartAxis& p) { p.RGLabelStyle->SetItemIndex(3); },
         [](const TCustomChartAxis& a) { return a.LabelStyle() == TAxisLabelStyle::talMark; }},
        {"labels off the axis", &TFormChartAxis::TabLabels, [](TFormChartAxis& p) { p.CBOnAxis->Click(); },
         [](const TCustomChartAxis& a) { return !a.LabelsOnAxis(); }},
        {"first label not rounded", &TFormChartAxis::TabLabels, [](TFormChartAxis& p) { p.CBRoundFirst->Click(); },
         [](const TCustomChartAxis& a) { return !a.RoundFirstLabel(); }},
        {"multi-line labels", &TFormChartAxis::TabLabels, [](TFormChartAxis& p) { p.CBMultiline->Click(); },
         [](const TCustomChartAxis& a) { return a.LabelsMultiLine(); }},
        {"separation by the up arrow, a step of 10", &TFormChartAxis::TabLabels,
         [](TFormChartAxis& p) { p.UDSepar->StepUp(); },
         [](const TCustomChartAxis& a) { return a.LabelsSeparation() == 20; }},
        {"labels size", &TFormChartAxis::TabLabels, [](TFormChartAxis& p) { p.SELabelsSize->UserSetText("30"); },
         [](const TCustomChartAxis& a) { return a.LabelsSize() == 30; }},
        {"labels angle typed 360", &TFormChartAxis::TabLabels, [](TFormChartAxis& p) { p.SELabelsAngle->UserSetText("360"); },
         [](const TCustomChartAxis& a) { return a.LabelsAngle() == 0; }},
        {"labels angle typed", &TFormChartAxis::TabLabels, [](TFormChartAxis& p) { p.SELabelsAngle->UserSetText("180"); },
         [](const TCustomChartAxis& a) { return a.LabelsAngle() == 180; }},
        {"values format", &TFormChartAxis::TabLabels, [](TFormChartAxis& p) { p.EValuesFormat->UserSetText("0.00"); },
         [](const TCustomChartAxis& a) { return a.AxisValuesFormat() == "0.00"; }},
        {"labels font", &TFormChartAxis::TabLabels, [](TFormChartAxis& p) { p.BLabelsFont->Click(); },
         [&](const TCustomChartAxis& a) { return a.LabelsFont() == labelsFont; }},
        {"tick length", &TFormChartAxis::TabTicks, [](TFormChartAxis& p) { p.SEAxisTickLength->UserSetText("7"); },
         [](const TCustomChartAxis& a) { return a.TickLength() == 7; }},
        {"inner tick length", &TFormChartAxis::TabTicks, [](TFormChartAxis& p) { p.SEInnerTicksLength->UserSetText("5"); },
         [](const TCustomChartAxis& a) { return a.TickInnerLength() == 5; }},
        {"minor tick length", &TFormChartAxis::TabTicks, [](TFormChartAxis& p) { p.UDAxisMinorTickLen->StepUp(); },
         [](const TCustomChartAxis& a) { return a.MinorTickLength() == 3; }},
        {"minor tick count", &TFormChartAxis::TabTicks, [](TFormChartAxis& p) { p.SEMinorCount->UserSetText("9"); },
         [](const TCustomChartAxis& a) { return a.MinorTickCount() == 9; }},
        {"ticks everywhere", &TFormChartAxis::TabTicks, [](TFormChartAxis& p) { p.CBTickOnLabels->Click(); },
         [](const TCustomChartAxis& a) { return !a.TickOnLabelsOnly(); }},
        {"grid centred", &TFormChartAxis::TabTicks, [](TFormChartAxis& p) { p.CBGridCentered->Click(); },
         [](const TCustomChartAxis& a) { return a.GridCentered(); }},
        {"position", &TFormChartAxis::TabPositions, [](TFormChartAxis& p) { p.EPos->UserSetText("-20"); },
         [](const TCustomChartAxis& a) { return a.PositionPercent() == -20; }},
        {"start", &TFormChartAxis::TabPositions, [](TFormChartAxis& p) { p.EStart->UserSetText("10"); },
         [](const TCustomChartAxis& a) { return a.StartPosition() == 10; }},
        {"end", &TFormChartAxis::TabPositions, [](TFormChartAxis& p) { p.EEnd->UserSetText("80"); },
         [](const TCustomChartAxis& a) { return a.EndPosition() == 80; }},
    };
    Dialogs().fonts = {titleFont, labelsFont};
    for (const Case& c : cases) {
        page->PageAxis->UserSelectPage(page->*c.tab);
        EXPECT_EQ(Act([&] { c.act(*page); }), "") << c.action;
        EXPECT_TRUE(c.holds(*chart->LeftAxis())) << c.action;
    }
    // The chart-wide and the axis' own visibility.
    page->CBShow->Click();
    EXPECT_FALSE(chart->AxisVisible());
    page->CBVisible->Click();
    EXPECT_FALSE(chart->LeftAxis()->Visible());
}

TEST_F(AxisPage, ThePenButtonsEditTheirOwnPens) {
    struct Case {
        Button* TFormChartAxis::*button;
        TChartPen& (*pen)(TCustomChartAxis&);
    };
    const Case cases[] = {
        {&TFormChartAxis::BAxisPen, [](TCustomChartAxis& a) -> TChartPen& { return a.Axis; }},
        {&TFormChartAxis::BTickPen, [](TCustomChartAxis& a) -> TChartPen& { return a.Ticks; }},
        {&TFormChartAxis::BTickInner, [](TCustomChartAxis& a) -> TChartPen& { return a.TicksInner; }},
        {&TFormChartAxis::BTickMinor, [](TCustomChartAxis& a) -> TChartPen& { return a.MinorTicks; }},
        {&TFormChartAxis::BAxisGrid, [](TCustomChartAxis& a) -> TChartPen& { return a.Grid; }},
    };
    page->PageAxis->UserSelectPage(page->TabTicks);
    TCustomChartAxis& axis = *chart->LeftAxis();
    int width = 2;
    for (const Case& c : cases) {
        WhenShown<TPenDialog>([&](TPenDialog& d) {
            EXPECT_EQ(&d.ThePen(), &c.pen(axis));
            d.SEWidth->UserSetText(std::to_string(width));
            d.Button1->Click();
        });
        (page->*c.button)->Click();
        EXPECT_EQ(c.pen(axis).Width(), width);
        ++width;
    }
    // Cancel puts the pen back.
    WhenShown<TPenDialog>([](TPenDialog& d) {
        d.SEWidth->UserSetText("9");
        d.CBVisible->Click();
        d.Button3->Click();
    });
    page->BAxisGrid->Click();
    EXPECT_EQ(axis.Grid.Width(), 6);
    EXPECT_TRUE(axis.Grid.Visible());
}

TEST_F(AxisPage, TheControlsShowTheChosenAxis) {
    TCustomChartAxis& right = *chart->RightAxis();
    right.SetAutomaticMaximum(false);
    right.SetAutomaticMinimum(false);
    right.SetMaximum(40);
    right.SetMinimum(-5);
    right.SetIncrement(2.5);
    right.SetInverted(true);
    right.Title.SetCaption("Right");
    right.Title.SetAngle(180);
    right.SetTitleSize(12);
    right.SetLabels(false);
    right.SetLabelStyle(TAxisLabelStyle::talText);
    right.SetLabelsMultiLine(true);
    right.SetLabelsSeparation(30);
    right.SetLabelsAngle(90);
    right.SetAxisValuesFormat("0.0");
    right.SetTickLength(6);
    right.SetMinorTickCount(2);
    right.SetGridCentered(true);
    right.SetPositionPercent(12.4);
    right.SetStartPosition(20);
    right.SetEndPosition(70);
    right.SetVisible(false);

    Choose(1);
    EXPECT_EQ(&page->TheAxis(), &right);
    EXPECT_FALSE(page->CBVisible->Checked());
    EXPECT_FALSE(page->CBAutomatic->Checked());
    EXPECT_EQ(page->LAxisMax->Caption(), "40.0");
    EXPECT_EQ(page->LAxisMin->Caption(), "-5.0");
    EXPECT_EQ(page->LAxisIncre->Caption(), "2.5");
    EXPECT_TRUE(page->CBInverted->Checked());
    EXPECT_TRUE(page->BAxisMax->Enabled());
    EXPECT_TRUE(page->CBAutoMax->Enabled());

    page->PageAxis->UserSelectPage(page->TabTitle);
    EXPECT_EQ(page->ETitle->Text(), "Right");
    EXPECT_EQ(page->SETitleAngle->Text(), "180");
    EXPECT_EQ(page->SETitleSize->Text(), "12");

    page->PageAxis->UserSelectPage(page->TabLabels);
    EXPECT_FALSE(page->CBLabels->Checked());
    EXPECT_EQ(page->RGLabelStyle->ItemIndex(), 4);
    EXPECT_TRUE(page->CBMultiline->Checked());
    EXPECT_EQ(page->SESepar->Text(), "30");
    EXPECT_EQ(page->SELabelsAngle->Text(), "90");
    EXPECT_EQ(page->LabelAxisFormat->Caption(), "Values For&mat:");
    EXPECT_EQ(page->EValuesFormat->Text(), "0.0");

    page->PageAxis->UserSelectPage(page->TabTicks);
    EXPECT_EQ(page->SEAxisTickLength->Text(), "6");
    EXPECT_EQ(page->SEMinorCount->Text(), "2");
    EXPECT_TRUE(page->CBGridCentered->Checked());

    page->PageAxis->UserSelectPage(page->TabPositions);
    EXPECT_EQ(page->EPos->Text(), "12");
    EXPECT_EQ(page->EStart->Text(), "20");
    EXPECT_EQ(page->EEnd->Text(), "70");
    EXPECT_EQ(right.PositionPercent(), 12.4) << "showing a rounded value writes nothing back";

    // Back on the left axis: its own values, none of the right axis' leaked into it.
    Choose(0);
    EXPECT_EQ(page->EStart->Text(), "0");
    EXPECT_EQ(chart->LeftAxis()->EndPosition(), 100);
}

TEST_F(AxisPage, TheDepthAxisHasNoLogarithmAndNoPosition) {
    Choose(4);
    EXPECT_EQ(&page->TheAxis(), &chart->DepthAxis());
    EXPECT_FALSE(page->CBLogarithmic->Enabled());
    page->PageAxis->UserSelectPage(page->TabPositions);
    EXPECT_FALSE(page->EPos->Enabled());
    EXPECT_FALSE(page->EStart->Enabled());
    EXPECT_FALSE(page->EEnd->Enabled());
    Choose(3);
    EXPECT_TRUE(page->EPos->Enabled());
    page->PageAxis->UserSelectPage(page->TabScales);
    EXPECT_TRUE(page->CBLogarithmic->Enabled());
}

TEST_F(AxisPage, AutomaticLimitsLeaveNothingToChange) {
    EXPECT_TRUE(page->CBAutomatic->Checked());
    for (Control* c : std::initializer_list<Control*>{page->BAxisMax, page->BAxisMin, page->CBAutoMax, page->CBAutoMin})
        EXPECT_FALSE(c->Enabled()) << c->Name();
    page->CBAutomatic->Click();
    for (Control* c : std::initializer_list<Control*>{page->BAxisMax, page->BAxisMin, page->CBAutoMax, page->CBAutoMin})
        EXPECT_TRUE(c->Enabled()) << c->Name();
    page->CBAutoMin->Click();
    EXPECT_FALSE(page->BAxisMin->Enabled());
    EXPECT_TRUE(page->BAxisMax->Enabled());
}

TEST_F(AxisPage, StartAndEndNeverCross) {
    struct Case {
        const char* field;
        const char* typed;
        double start, end;  // the axis afterwards
        const char* shown;  // the field afterwards
    };
    const Case cases[] = {
        {"start", "60", 0, 50, "0"},  // at or above the end: refused
        {"start", "50", 0, 50, "0"},
        {"start", "49", 49, 50, "49"},
        {"end", "49", 49, 50, "50"},  // at or below the start: refused
        {"end", "30", 49, 50, "50"},
        {"end", "90", 49, 90, "90"},
    };
    chart->LeftAxis()->SetEndPosition(50);
    page->PageAxis->UserSelectPage(page->TabPositions);
    for (const Case& c : cases) {
        Edit* field = std::string(c.field) == "start" ? page->EStart : page->EEnd;
        field->UserSetText(c.typed);
        EXPECT_EQ(chart->LeftAxis()->StartPosition(), c.start) << c.field << " " << c.typed;
        EXPECT_EQ(chart->LeftAxis()->EndPosition(), c.end) << c.field << " " << c.typed;
        EXPECT_EQ(field->Text(), c.shown) << c.field << " " << c.typed;
    }
}

TEST_F(AxisPage, ALogarithmTheAxisRefusesLeavesTheBoxUnchecked) {
    struct Case {
        const char* why;
        bool dates;
        double lowest;
        const char* message;
    };
    const Case cases[] = {
        {"a negative minimum", false, -4, "Logarithmic Axis Min and Max values should be >= 0"},
        {"dates along the axis", true, 1, "DateTime Axis cannot be Logarithmic"},
    };
    for (const Case& c : cases) {
        series->YValues->SetDateTime(c.dates);
        series->AddPoint(11, c.lowest);
        page->RGWhich->SetItemIndex(1);
        Choose(0);
        EXPECT_EQ(Act([&] { page->CBLogarithmic->Click(); }), c.message) << c.why;
        EXPECT_FALSE(page->CBLogarithmic->Checked()) << c.why;
        EXPECT_FALSE(chart->LeftAxis()->Logarithmic()) << c.why;
    }
}

TEST_F(AxisPage, TheLimitDialogAsksForANumber) {
    chart->LeftAxis()->AdjustMaxMin();  // the limits the chart's drawing takes: 1 to 10
    page->CBAutomatic->Click();
    WhenShown<TAxisMaxMin>([](TAxisMaxMin& d) {
        EXPECT_EQ(d.Caption(), "Maximum Left Axis");
        EXPECT_EQ(d.Label1->Caption(), "Value:");
        EXPECT_FALSE(d.EMinimum->Visible());
        EXPECT_EQ(d.EMaximum->Text(), "10");
        d.EMaximum->UserSetText("abc");
        d.P.App.Dispatch([&] { d.BitBtn1->Click(); });
        EXPECT_EQ(d.ModalResult(), MrNone) << "a text that is no number keeps the dialog open";
        d.EMaximum->UserSetText("50");
        d.BitBtn1->Click();
    });
    EXPECT_EQ(Act([&] { page->BAxisMax->Click(); }), "'abc' is not a valid floating point value");
    EXPECT_EQ(chart->LeftAxis()->Maximum(), 50);
    EXPECT_EQ(page->LAxisMax->Caption(), "50");
    EXPECT_FALSE(page->CBAutoMax->Checked());

    // A maximum under the minimum: the axis' message, and nothing changes.
    WhenShown<TAxisMaxMin>([](TAxisMaxMin& d) {
        d.EMaximum->UserSetText("-3");
        d.BitBtn1->Click();
    });
    EXPECT_EQ(Act([&] { page->BAxisMax->Click(); }), "Axis Maximum Value must be >= Minimum");
    EXPECT_EQ(chart->LeftAxis()->Maximum(), 50);

    WhenShown<TAxisMaxMin>([](TAxisMaxMin& d) {
        EXPECT_EQ(d.Caption(), "Minimum Left Axis");
        d.EMaximum->UserSetText("2.5");
        d.BitBtn2->Click();
    });
    page->BAxisMin->Click();
    EXPECT_EQ(chart->LeftAxis()->Minimum(), 1) << "cancelled";
}

TEST_F(AxisPage, TheLimitDialogAsksForADateAndATime) {
    series->XValues->SetDateTime(true);
    series->Clear();
    double day = 0;
    ASSERT_TRUE(EncodeDate(2020, 3, 14, day));
    series->AddPoint(day, 1);
    series->AddPoint(day + 10, 2);
    chart->BottomAxis()->SetAutomatic(false);
    chart->BottomAxis()->SetRange(0.25, day + 10);
    Choose(3);
    EXPECT_EQ(page->LAxisMax->Caption(), "3/24/2020 00:00:00");
    EXPECT_EQ(page->LAxisMin->Caption(), "06:00:00") << "below one day only the time";
    WhenShown<TAxisMaxMin>([](TAxisMaxMin& d) {
        EXPECT_EQ(d.Caption(), "Maximum Bottom Axis");
        EXPECT_TRUE(d.EMaximum->Visible());
        EXPECT_EQ(d.EMaximum->Text(), "3/24/2020");
        EXPECT_EQ(d.EMinimum->Text(), "00:00:00");
        d.EMaximum->UserSetText("2/30/2020");
        d.P.App.Dispatch([&] { d.BitBtn1->Click(); });
        EXPECT_EQ(d.ModalResult(), MrNone);
        d.EMaximum->UserSetText("3/25/2020");
        d.EMinimum->UserSetText("12:00:00");
        d.BitBtn1->Click();
    });
    EXPECT_EQ(Act([&] { page->BAxisMax->Click(); }), "'2/30/2020' is not a valid date");
    EXPECT_EQ(chart->BottomAxis()->Maximum(), day + 11.5);

    WhenShown<TAxisMaxMin>([](TAxisMaxMin& d) {
        EXPECT_FALSE(d.EMaximum->Visible()) << "a value under one day has no date";
        EXPECT_FALSE(d.Label1->Visible());
        EXPECT_EQ(d.EMinimum->Text(), "06:00:00");
        d.EMinimum->UserSetText("18:00");
        d.BitBtn1->Click();
    });
    page->BAxisMin->Click();
    EXPECT_EQ(chart->BottomAxis()->Minimum(), 0.75);
}

TEST_F(AxisPage, TheIncrementDialogOnNumbersAndOnDates) {
    WhenShown<TAxisIncrement>([](TAxisIncrement& d) {
        EXPECT_EQ(d.Caption(), "Desired Left Axis Increment");
        EXPECT_FALSE(d.CBSteps->Visible());
        d.ECustom->UserSetText("2.5");
        d.BitBtn1->Click();
    });
    page->BIncre->Click();
    EXPECT_EQ(chart->LeftAxis()->Increment(), 2.5);
    EXPECT_EQ(page->LAxisIncre->Caption(), "2.5");
    // A negative increment is the axis' to refuse; nothing else changes with it.
    WhenShown<TAxisIncrement>([](TAxisIncrement& d) {
        d.ECustom->UserSetText("-1");
        d.BitBtn1->Click();
    });
    EXPECT_EQ(Act([&] { page->BIncre->Click(); }), "Axis increment must be >= 0");
    EXPECT_EQ(chart->LeftAxis()->Increment(), 2.5);
    EXPECT_EQ(page->LAxisIncre->Caption(), "2.5");

    series->XValues->SetDateTime(true);
    chart->BottomAxis()->SetIncrement(1.5);
    chart->BottomAxis()->SetExactDateTime(false);
    Choose(3);
    EXPECT_EQ(page->LAxisIncre->Caption(), "1 12:00:00");
    WhenShown<TAxisIncrement>([](TAxisIncrement& d) {
        EXPECT_TRUE(d.IsDateTime);
        EXPECT_EQ(d.ECustom->Text(), "1 12:00:00");
        d.ECustom->UserSetText("2 06:00:00");
        d.BitBtn1->Click();
    });
    page->BIncre->Click();
    EXPECT_EQ(chart->BottomAxis()->Increment(), 2.25);
    EXPECT_FALSE(chart->BottomAxis()->ExactDateTime());

    WhenShown<TAxisIncrement>([](TAxisIncrement& d) {
        d.RadioGroup1->SetItemIndex(0);
        d.CBSteps->UserSelect(14);
        d.BitBtn1->Click();
    });
    page->BIncre->Click();
    EXPECT_EQ(chart->BottomAxis()->Increment(), 1);
    EXPECT_TRUE(chart->BottomAxis()->ExactDateTime());
    EXPECT_EQ(page->LAxisIncre->Caption(), "One Day");
}

TEST_F(AxisPage, FormatsOfDatesAndOfNumbers) {
    page->PageAxis->UserSelectPage(page->TabLabels);
    EXPECT_EQ(page->EValuesFormat->Text(), "#,##0.###");
    series->XValues->SetDateTime(true);
    chart->BottomAxis()->SetAutomatic(false);
    chart->BottomAxis()->SetRange(0, 30);
    Choose(3);
    EXPECT_EQ(page->LabelAxisFormat->Caption(), "DateTime For&mat:");
    EXPECT_EQ(page->EValuesFormat->Text(), "m/d/yyyy") << "the default for a range of days";
    EXPECT_EQ(chart->BottomAxis()->DateTimeFormat(), "") << "showing the default stores nothing";
    page->EValuesFormat->UserSetText("dd/mm");
    EXPECT_EQ(chart->BottomAxis()->DateTimeFormat(), "dd/mm");
    EXPECT_EQ(chart->BottomAxis()->AxisValuesFormat(), "#,##0.###");
}

}  // namespace
}  // namespace fv
