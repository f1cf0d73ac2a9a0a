// The function period dialog: what a typed number of points does to the period, how the dialog opens on
// a period, the range through the increment dialog, and the period handed to the function in one update.
#include <gtest/gtest.h>

#include <stdexcept>

#include "chart/chart_function.h"
#include "chart/chart_series.h"
#include "chart/fake_chart.h"
#include "chartui/dialogs/axis_increment_form.h"
#include "chartui/dialogs/period_form.h"
#include "dialog_fixture.h"

namespace fv::testing {
namespace {

class PeriodForm : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        form = app->CreateForm<TFormPeriod>(*program);
    }
    TFormPeriod* form = nullptr;
};

TEST_F(PeriodForm, TypedNumbersOfPoints) {
    struct Case {
        const char* typed;
        double period;    // the period after typing
        bool all;         // "All points" checked
        bool refused;     // a message, and the box shows the period before
        bool conversion;  // the conversion error the user sees
        double onOk;      // the period OK hands back
    };
    const Case cases[] = {
        {"5", 5, false, false, false, 5},
        // A fraction of a point is no period: OK makes it whole, here all points.
        {"0.3", 0.3, false, false, false, 0},
        {"0", 0, true, false, false, 0},
        {"-3", 7, false, true, false, 7},
        // An emptied box is all points, not an error.
        {"", 0, true, false, false, 0},
        {"abc", 7, false, false, true, 7},
    };
    for (const Case& c : cases) {
        form->ThePeriod = 7;
        form->ThePeriodStyle = psNumPoints;
        WhenShown<TFormPeriod>([&](TFormPeriod& d) {
            EXPECT_EQ(d.ENum->Text(), "7");
            Messages().ClearLog();
            bool converted = true;
            app->Dispatch([&] {
                try {
                    d.ENum->UserSetText(c.typed);
                } catch (const std::invalid_argument& e) {
                    converted = false;
                    throw;
                }
            });
            EXPECT_EQ(d.ThePeriod, c.period) << c.typed;
            EXPECT_EQ(d.CBAll->Checked(), c.all) << c.typed;
            EXPECT_EQ(!converted, c.conversion) << c.typed;
            if (c.refused) {
                EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Function Period should be >= 0"});
                EXPECT_EQ(d.ENum->Text(), "7");
            } else if (c.conversion) {
                EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"'abc' is not a valid floating point value"});
            } else {
                EXPECT_TRUE(Messages().Messages().empty()) << c.typed;
            }
            d.Button2->Click();
        });
        EXPECT_EQ(form->ShowModal(), MrOk);
        EXPECT_EQ(form->ThePeriod, c.onOk) << c.typed;
    }
}

TEST_F(PeriodForm, OpensOnThePeriodItIsGiven) {
    struct Case {
        double period;
        TFunctionPeriodStyle style;
        bool rangeAllowed;
        const char* shown;
        bool all, range;
    };
    const Case cases[] = {
        {-3, psNumPoints, true, "0", true, false},  // a negative number of points shows as all points
        {2.6, psNumPoints, true, "3", false, false},
        {0, psNumPoints, true, "0", true, false},
        {2.5, psRange, true, "2.5", false, true},
        {4, psRange, false, "4", false, false},  // no range allowed: counted in points
    };
    for (const Case& c : cases) {
        form->ThePeriod = c.period;
        form->ThePeriodStyle = c.style;
        form->RangeAllowed = c.rangeAllowed;
        WhenShown<TFormPeriod>([&](TFormPeriod& d) {
            EXPECT_EQ(d.ENum->Text(), c.shown) << c.period;
            EXPECT_EQ(d.CBAll->Checked(), c.all) << c.period;
            EXPECT_EQ(d.RBRange->Checked(), c.range) << c.period;
            EXPECT_EQ(d.RBNum->Checked(), !c.range) << c.period;
            EXPECT_EQ(d.RBRange->Enabled(), c.rangeAllowed);
            EXPECT_EQ(d.BChange->Enabled(), c.range);
            EXPECT_EQ(d.ENum->Enabled(), !c.range);
            EXPECT_EQ(d.CBAll->Enabled(), !c.range);
            d.Button3->Click();
        });
        EXPECT_EQ(form->ShowModal(), MrCancel);
    }
}

TEST_F(PeriodForm, ARangeOfTwoDaysFromTheIncrementDialog) {
    form->ThePeriod = 0;
    form->ThePeriodStyle = psRange;
    form->IsDateTime = true;
    WhenShown<TFormPeriod>([&](TFormPeriod& d) {
        d.BChange->Click();
        EXPECT_EQ(d.ThePeriod, 2);
        EXPECT_EQ(d.BLabel->Caption(), "Two Days");
        EXPECT_FALSE(d.CBAll->Checked());
        d.RGAlign->SetItemIndex(2);
        d.Button2->Click();
    });
    WhenShown<TAxisIncrement>([](TAxisIncrement& inc) {
        EXPECT_EQ(inc.Caption(), "Period range");
        EXPECT_TRUE(inc.CBExact->Visible());
        inc.RadioGroup1->SetItemIndex(0);
        inc.CBSteps->UserSelect(15);
        inc.BitBtn1->Click();
    });
    EXPECT_EQ(form->ShowModal(), MrOk);
    EXPECT_EQ(form->ThePeriod, 2);
    EXPECT_EQ(form->ThePeriodStyle, psRange);
    EXPECT_EQ(form->ThePeriodAlign, paLast);
}

// A function over a source of ten points that counts its calculations.
struct CountingFunction : TChartFunction {
    double Calculate(TChartSeries&, int, int) override {
        ++calls;
        return 0;
    }
    int calls = 0;
};

TEST_F(PeriodForm, TheFunctionTakesThePeriodInOneUpdateThatAlwaysEnds) {
    Component owner;
    FakeChart chart;
    TChartSeries* source = owner.Make<TChartSeries>("Source");
    source->SetParentChart(&chart);
    for (int i = 0; i < 10; ++i) source->AddPoint(i, i);
    TChartSeries* result = owner.Make<TChartSeries>("Result");
    result->SetParentChart(&chart);
    auto made = std::make_unique<CountingFunction>();
    CountingFunction& function = *made;
    result->SetFunction(std::move(made));
    result->SetDataSource(source);

    function.calls = 0;
    form->ThePeriod = 3;
    form->ThePeriodStyle = psNumPoints;
    form->ThePeriodAlign = paFirst;
    ApplyFunctionPeriod(function, *form);
    EXPECT_EQ(function.Period(), 3);
    EXPECT_EQ(function.PeriodAlign(), paFirst);
    EXPECT_EQ(function.calls, 3) << "one calculation of the three periods, not one per setting";

    // A period the function refuses reaches the caller, and the function is not left held: the next
    // change calculates at once.
    form->ThePeriod = -1;
    EXPECT_THROW(ApplyFunctionPeriod(function, *form), std::runtime_error);
    EXPECT_EQ(function.Period(), 3);
    function.calls = 0;
    function.SetPeriod(5);
    EXPECT_EQ(function.calls, 2);
    chart.destroying = true;
}

TEST(IncrementTexts, DaysAndTimes) {
    struct Case {
        double days;
        bool dateTime;
        const char* text;
    };
    const Case cases[] = {
        {1, true, "One Day"},      {2, true, "Two Days"},         {1.5, true, "1 12:00:00"},
        {0.3, true, "07:12:00"},   {0, true, "00:00:01"},         {-2, true, "00:00:01"},
        {30, true, "One Month"},   {31, true, "31"},              {2.5, false, "2.5"},
        {1234.5, false, "1,234.5"},
    };
    for (const Case& c : cases) EXPECT_EQ(IncrementText(c.days, c.dateTime), c.text) << c.days;
}

class IncrementDialog : public DialogFixture {};

TEST_F(IncrementDialog, CustomTextsOfDaysAndTime) {
    struct Case {
        const char* typed;
        double days;
    };
    const Case cases[] = {{"2 06:00:00", 2.25}, {"12:00", 0.5}, {"3", 3}, {"1 18:00:00", 1.75}};
    for (const Case& c : cases) {
        TAxisIncrement& inc = *app->CreateForm<TAxisIncrement>(*program);
        inc.IsDateTime = true;
        inc.Increment = 1.5;
        inc.IStep = 25;
        WhenShown<TAxisIncrement>([&](TAxisIncrement& d) {
            EXPECT_EQ(d.RadioGroup1->ItemIndex(), 1);
            EXPECT_EQ(d.ECustom->Text(), "1 12:00:00");
            EXPECT_FALSE(d.CBExact->Enabled());
            d.ECustom->UserSetText(c.typed);
            d.BitBtn1->Click();
        });
        EXPECT_EQ(inc.ShowModal(), MrOk);
        EXPECT_DOUBLE_EQ(inc.Increment, c.days) << c.typed;
        app->FreeComponent(&inc);
    }
}

TEST_F(IncrementDialog, ATextThatIsNoIncrementKeepsTheDialogOpen) {
    TAxisIncrement& inc = *app->CreateForm<TAxisIncrement>(*program);
    inc.IsDateTime = true;
    inc.Increment = 1;
    inc.IStep = 14;
    inc.IsExact = true;
    WhenShown<TAxisIncrement>([&](TAxisIncrement& d) {
        EXPECT_EQ(d.CBSteps->ItemIndex(), 14);
        EXPECT_FALSE(d.ECustom->Enabled());
        d.CBExact->Click();  // off: custom
        EXPECT_EQ(d.RadioGroup1->ItemIndex(), 1);
        EXPECT_TRUE(d.ECustom->Enabled());
        d.ECustom->UserSetText("two days");
        app->Dispatch([&] { d.BitBtn1->Click(); });
        EXPECT_EQ(d.ModalResult(), MrNone);
        EXPECT_EQ(Messages().Messages().back(), "'two days' is not a valid floating point value");
        d.BitBtn2->Click();
    });
    EXPECT_EQ(inc.ShowModal(), MrCancel);
    EXPECT_EQ(inc.Increment, 1);
}

TEST_F(IncrementDialog, APlainNumberOnAnAxisOfValues) {
    TAxisIncrement& inc = *app->CreateForm<TAxisIncrement>(*program);
    inc.Increment = 0.25;
    WhenShown<TAxisIncrement>([&](TAxisIncrement& d) {
        EXPECT_FALSE(d.RadioGroup1->Visible());
        EXPECT_FALSE(d.CBSteps->Visible());
        EXPECT_FALSE(d.CBExact->Visible());
        EXPECT_EQ(d.ECustom->Top(), d.BitBtn1->Top());
        EXPECT_EQ(d.ECustom->Text(), "0.25");
        d.ECustom->UserSetText("10");
        d.BitBtn1->Click();
    });
    EXPECT_EQ(inc.ShowModal(), MrOk);
    EXPECT_EQ(inc.Increment, 10);
}

}  // namespace
}  // namespace fv::testing
