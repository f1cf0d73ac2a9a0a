// The series page: loading a series (type text, tabs, the editor found by class name), the general and
// marks controls, and the data source choices: what each style does at once or on apply, the sources moved
// between the lists, the refusals (a loop of sources, a moving period of no points, unknown fields), and
// "Apply Changes?" answered three ways.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "chart/chart_exception.h"
#include "chart/functions/moving_functions.h"
#include "chart/series_pictures.h"
#include "chartui/dialogs/period_form.h"
#include "chartui/series/series_page.h"
#include "field_table_chart.h"
#include "series_editing_fixture.h"

namespace fv::testing {
namespace {

class SeriesPage : public SeriesEditingFixture {
protected:
    void SetUp() override {
        SeriesEditingFixture::SetUp();
        page = app->CreateForm<TFormChartSeries>(*program);
        page->Show();
    }
    // The page on a series, as the editor opens it: the drop-down filled with the chart's series.
    void Open(TChartSeries* series) {
        std::vector<TChartSeries*> all;
        for (int i = 0; i < chart->SeriesCount(); ++i) all.push_back(chart->GetSeries(i));
        page->SetSeriesList(all);
        page->Series = series;
        page->ShowSeries();
    }
    void PickTab(TabSheet* tab) { page->PageSeries->UserSelectPage(tab); }
    void PickStyle(int style) { page->CBDataSourcestyle->UserSelect(style); }
    void PickFunction(const std::string& text) {
        const int i = page->CBFunctions->IndexOf(text);
        ASSERT_GE(i, 0) << text;
        page->CBFunctions->UserSelect(i);
    }
    // Selects these entries of a list (by text) and presses the button.
    void Move(ListBox* list, const std::vector<std::string>& texts, Button* button) {
        for (const std::string& t : texts) {
            const int i = list->IndexOf(t);
            ASSERT_GE(i, 0) << t;
            list->SetSelected(i, true);
        }
        button->Click();
    }
    std::vector<std::string> SourceNames(const TChartSeries& s) const {
        std::vector<std::string> names;
        for (Component* c : s.DataSources()) names.push_back(c->Name());
        return names;
    }

    TFormChartSeries* page = nullptr;
};

TEST_F(SeriesPage, AChartWithoutSeriesHidesThePages) {
    Open(nullptr);
    EXPECT_TRUE(page->CBSeries->Items().empty());
    EXPECT_FALSE(page->PageSeries->Visible());
}

TEST_F(SeriesPage, LoadingASeriesShowsItsTypeAndTheTabsItUses) {
    TChartSeries* line = AddSeries("TLineSeries", 3, "Sales");
    TChartSeries* pie = AddSeries("TPieSeries", 3);
    Open(line);
    EXPECT_EQ(page->CBSeries->Items(), (std::vector<std::string>{"Sales", "Series2"}));
    EXPECT_EQ(page->CBSeries->ItemIndex(), 0);
    EXPECT_EQ(page->LabelSeriesClass->Caption(), "Line: Series1");
    EXPECT_TRUE(page->PageSeries->Visible());
    EXPECT_EQ(page->PageSeries->ActivePage(), page->TheTabSheet);
    EXPECT_TRUE(page->RGHorizAxis->Visible());

    PickTab(page->TabGeneral);
    page->CBSeries->UserSelect(1);
    EXPECT_EQ(page->Series, pie);
    EXPECT_EQ(page->LabelSeriesClass->Caption(), "Pie: Series2");
    EXPECT_EQ(page->PageSeries->ActivePage(), page->TabGeneral) << "the tab on show stays";
    // A pie is drawn against no axes.
    for (Control* c : std::initializer_list<Control*>{page->RGHorizAxis, page->RGVertAxis, page->CBXDateTime,
                                                      page->CBYDateTime})
        EXPECT_FALSE(c->Visible()) << c->Name();
}

TEST_F(SeriesPage, TheTypePictureFollowsTheSeries) {
    SetSeriesPictureFolder(std::string(FOLIVEX_SOURCE_DIR) + "/resources/series");
    TChartSeries* line = AddSeries("TLineSeries", 3);
    AddSeries("TPieSeries", 3);
    AddSeries("TBarSeries", 3);
    auto shown = [&]() -> std::vector<std::uint32_t> {
        const BitmapPtr& p = page->ImageSeries->Picture();
        return p ? p->Pixels : std::vector<std::uint32_t>{};
    };
    Open(line);
    ASSERT_NE(SeriesClassPicture("TLineSeries"), nullptr);
    EXPECT_EQ(shown(), SeriesClassPicture("TLineSeries")->Pixels);
    EXPECT_TRUE(page->ImageSeries->Visible());
    page->CBSeries->UserSelect(1);
    ASSERT_NE(SeriesClassPicture("TPieSeries"), nullptr);
    EXPECT_EQ(shown(), SeriesClassPicture("TPieSeries")->Pixels);
    // A type without a picture shows none, not the one before.
    SetSeriesPictureFolder("");
    page->CBSeries->UserSelect(2);
    EXPECT_EQ(page->LabelSeriesClass->Caption(), "Bar: Series3");
    EXPECT_TRUE(shown().empty());
}

TEST_F(SeriesPage, TheEditorIsFoundByClassNameAndAnUnknownOneLeavesFormatEmpty) {
    TChartSeries* line = AddSeries("TLineSeries", 3);
    TChartSeries* bar = AddSeries("TBarSeries", 3);
    ASSERT_EQ(FindSeriesEditor(line->EditorClassName()), nullptr) << "no series editor is registered yet";
    Open(line);
    EXPECT_TRUE(page->EmbeddedEditors.empty());
    EXPECT_TRUE(page->TheTabSheet->Controls().empty());
    EXPECT_EQ(FindSeriesEditor(""), nullptr);

    // An editor registered under the bar's class name is made on the bar, embedded on "Format", and
    // freed when another series is chosen.
    TChartSeries* editedBy = nullptr;
    RegisterSeriesEditor(bar->EditorClassName(), [&](TFormChartSeries& owner, TChartSeries& s) -> Form* {
        editedBy = &s;
        auto* f = owner.Make<Form>("BarEditor");
        f->SetClientSize(300, 150);
        return f;
    });
    page->CBSeries->UserSelect(1);
    EXPECT_EQ(editedBy, bar);
    ASSERT_EQ(page->EmbeddedEditors.size(), 1u);
    Form* editor = page->EmbeddedEditors.front();
    EXPECT_EQ(editor->Parent(), page->TheTabSheet);
    EXPECT_EQ(editor->Border(), FormBorder::None);
    EXPECT_TRUE(editor->Visible());
    page->CBSeries->UserSelect(0);
    EXPECT_TRUE(page->EmbeddedEditors.empty());
    EXPECT_EQ(page->FindComponent("BarEditor"), nullptr) << "freed";
    UnregisterSeriesEditor(bar->EditorClassName());
}

TEST_F(SeriesPage, GeneralAndMarksControlsChangeTheSeries) {
    TChartSeries* s = AddSeries("TLineSeries", 3);
    Open(s);
    PickTab(page->TabGeneral);
    EXPECT_EQ(page->EValueformat->Text(), "#,##0.###");
    EXPECT_EQ(page->RGHorizAxis->ItemIndex(), int(aBottomAxis));
    EXPECT_EQ(page->CBSeriesCursor->Items().back(), "ChartHand");
    EXPECT_EQ(page->CBSeriesCursor->Text(), "Default") << "the cursor's name without \"cr\"";

    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"legend", [&] { page->CBShowInLegend->Click(); }, [&] { return !s->ShowInLegend(); }},
        {"cursor", [&] { page->CBSeriesCursor->UserSelect(page->CBSeriesCursor->IndexOf("ChartHand")); },
         [&] { return s->Cursor() == crChartHand; }},
        {"value format", [&] { page->EValueformat->UserSetText("0.0"); }, [&] { return s->ValueFormat() == "0.0"; }},
        {"percent format", [&] { page->EPercentFormat->UserSetText("0 %"); }, [&] { return s->PercentFormat() == "0 %"; }},
        {"top axis", [&] { page->RGHorizAxis->SetItemIndex(0); }, [&] { return s->HorizAxis() == aTopAxis; }},
        {"both vertical", [&] { page->RGVertAxis->SetItemIndex(2); }, [&] { return s->VertAxis() == aBothVertAxis; }},
        {"x date-time", [&] { page->CBXDateTime->Click(); }, [&] { return s->XValues->DateTime(); }},
        {"y date-time", [&] { page->CBYDateTime->Click(); }, [&] { return s->YValues->DateTime(); }},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.what;
    }

    PickTab(page->TabMarks);
    EXPECT_EQ(page->SEArrowLength->Text(), "8");
    EXPECT_EQ(page->RGMarkStyle->ItemIndex(), int(TSeriesMarksStyle::smsLabel));
    page->CBMarksVisible->Click();
    page->RGMarkStyle->SetItemIndex(8);
    page->CBMarkClip->Click();
    EXPECT_TRUE(s->Marks().Visible());
    EXPECT_EQ(s->Marks().Style(), TSeriesMarksStyle::smsXValue);
    EXPECT_TRUE(s->Marks().Clip());
    struct Length {
        const char* typed;
        int length;      // afterwards
        bool conversion;  // the conversion error the user sees; the marks keep their length
    };
    const Length lengths[] = {
        {"12", 12, false}, {" 7 ", 7, false}, {"-3", -3, false},
        {"", -3, false},  // an emptied box changes nothing yet
        {"1.5", -3, true}, {"abc", -3, true}, {"2x", -3, true},
    };
    for (const Length& l : lengths) {
        bool converted = true;
        try {
            page->SEArrowLength->UserSetText(l.typed);
        } catch (const std::invalid_argument& e) {
            converted = false;
            EXPECT_EQ(e.what(), "'" + std::string(l.typed) + "' is not a valid integer value");
        }
        EXPECT_EQ(!converted, l.conversion) << l.typed;
        EXPECT_EQ(s->Marks().ArrowLength(), l.length) << l.typed;
    }
    // A new back colour makes the marks opaque.
    page->CBTransparent->Click();
    ASSERT_TRUE(s->Marks().Transparent());
    Dialogs().colors.push_back(ClLime);
    page->BMarksBackColor->Click();
    EXPECT_EQ(s->Marks().BackColor(), ClLime);
    EXPECT_FALSE(s->Marks().Transparent());
    EXPECT_FALSE(page->CBTransparent->Checked());
}

TEST_F(SeriesPage, TheStyleShownFollowsWhereThePointsComeFrom) {
    TChartSeries* source = AddSeries("TLineSeries", 4);
    TChartSeries* empty = AddSeries("TLineSeries");
    TChartSeries* random = AddSeries("TLineSeries", 3);
    TChartSeries* copy = AddSeries("TLineSeries");
    copy->SetDataSource(source);
    TChartSeries* average = AddSeries("TLineSeries");
    CreateFunctionOfClass(*average, *FindChartClass("TMovingAverageFunction"));
    struct Case {
        TChartSeries* series;
        int style;
        bool functionPage;
    };
    const Case cases[] = {
        {empty, dsNoData, false},
        {random, dsRandom, false},
        {copy, dsFunction, true},     // a series source is shown on the function page, as "Copy"
        {average, dsFunction, true},  // a function without sources yet
    };
    for (const Case& c : cases) {
        Open(c.series);
        PickTab(page->TabDataSource);
        EXPECT_EQ(page->CBDataSourcestyle->ItemIndex(), c.style) << c.series->Name();
        EXPECT_EQ(page->PCData->Visible(), c.functionPage) << c.series->Name();
        PickTab(page->TheTabSheet);
    }
    Open(copy);
    PickTab(page->TabDataSource);
    EXPECT_EQ(page->CBFunctions->Text(), "Copy");
    EXPECT_FALSE(page->BEditFunc->Enabled());
    EXPECT_EQ(page->LBSelectedSeries->Items(), std::vector<std::string>{"Series1"});
    EXPECT_EQ(page->LBAvailSeries->Items(), (std::vector<std::string>{"Series2", "Series3", "Series5"}))
        << "every other series but the ones in use";
    // "Copy" first, then the functions in reverse registry order.
    const auto& functions = page->CBFunctions->Items();
    ASSERT_EQ(functions.size(), 17u);
    EXPECT_EQ(functions[0], "Copy");
    EXPECT_EQ(functions[1], "Std.Deviation");
    EXPECT_EQ(functions[16], "Add");
    Open(average);
    PickTab(page->TabDataSource);
    EXPECT_EQ(page->CBFunctions->Text(), "Moving Average");
    EXPECT_TRUE(page->BEditFunc->Enabled());
}

TEST_F(SeriesPage, NoDataAndRandomValuesActAtOnce) {
    TChartSeries* source = AddSeries("TLineSeries", 4);
    TChartSeries* s = AddSeries("TLineSeries");
    s->SetDataSource(source);
    CreateFunctionOfClass(*s, *FindChartClass("TAverageChartFunction"));
    Open(s);
    PickTab(page->TabDataSource);
    PickStyle(dsRandom);
    EXPECT_EQ(s->Count(), s->NumSampleValues());
    EXPECT_EQ(s->DataSource(), nullptr);
    EXPECT_EQ(s->SeriesFunction(), nullptr);
    EXPECT_TRUE(source->Dependents().empty());
    EXPECT_FALSE(page->PCData->Visible());
    PickStyle(dsNoData);
    EXPECT_EQ(s->Count(), 0);

    // "No Data" also takes the function away, so the series is not shown as calculated next time.
    CreateFunctionOfClass(*s, *FindChartClass("TAverageChartFunction"));
    Open(s);
    PickTab(page->TabDataSource);
    ASSERT_EQ(page->CBDataSourcestyle->ItemIndex(), dsFunction);
    PickStyle(dsNoData);
    EXPECT_EQ(s->SeriesFunction(), nullptr);
    PickTab(page->TheTabSheet);
    PickTab(page->TabDataSource);
    EXPECT_EQ(page->CBDataSourcestyle->ItemIndex(), dsNoData);
}

TEST_F(SeriesPage, AMovingAverageOfAnotherSeriesFollowsItsSource) {
    TChartSeries* prices = AddSeries("TLineSeries", 6, "Prices");
    TChartSeries* average = AddSeries("TLineSeries");
    Open(average);
    PickTab(page->TabDataSource);
    PickStyle(dsFunction);
    EXPECT_TRUE(page->PCData->Visible());
    EXPECT_EQ(average->SeriesFunction(), nullptr) << "nothing changes before the apply";
    PickFunction("Moving Average");
    Move(page->LBAvailSeries, {"Prices"}, page->BRightOne);
    EXPECT_EQ(page->LBSelectedSeries->Items(), std::vector<std::string>{"Prices"});
    EXPECT_FALSE(page->LBAvailSeries->Items().empty() && page->BRightOne->Enabled());
    EXPECT_TRUE(page->FunctionChanged);

    // The period: 3 points through the period dialog (applying the pending choice first).
    WhenShown<TFormPeriod>([&](TFormPeriod& d) {
        EXPECT_EQ(d.LCalc->Caption(), "Calculate Moving Average every:");
        EXPECT_FALSE(d.RangeAllowed) << "a moving window counts points";
        d.ENum->UserSetText("3");
        d.Button2->Click();
    });
    page->BEditFunc->Click();
    ASSERT_NE(dynamic_cast<TMovingAverageFunction*>(average->SeriesFunction()), nullptr);
    EXPECT_EQ(SourceNames(*average), std::vector<std::string>{"Series1"});
    EXPECT_EQ(average->SeriesFunction()->Period(), 3);
    ASSERT_EQ(average->Count(), 4) << "a window of 3 over 6 points";
    EXPECT_EQ(average->YValues->GetValue(0), 2);

    // A calculated series follows its source's changes of values and full recalculations.
    prices->SetYValue(0, 4);
    EXPECT_EQ(average->YValues->GetValue(0), 3) << "the average follows its source";
    prices->AddPoint(6, 7);
    prices->RefreshDependents();
    ASSERT_EQ(average->Count(), 5);
    EXPECT_EQ(average->YValues->GetValue(4), 6);
    EXPECT_FALSE(page->FunctionChanged);
}

TEST_F(SeriesPage, AMovingPeriodOfNoPointsIsRefused) {
    TChartSeries* prices = AddSeries("TLineSeries", 6);
    TChartSeries* average = AddSeries("TLineSeries");
    average->SetDataSource(prices);
    CreateFunctionOfClass(*average, *FindChartClass("TMovingAverageFunction"));
    average->SeriesFunction()->SetPeriod(2);
    Open(average);
    PickTab(page->TabDataSource);
    struct Case {
        const char* typed;
        bool refused;
        double period;  // afterwards
    };
    const Case cases[] = {
        // 0.3 rounds to no points at all: the window would start before the first point.
        {"0.3", true, 2},
        {"0", true, 2},
        {"0.6", false, 1},
        {"4", false, 4},
    };
    for (const Case& c : cases) {
        Messages().ClearLog();
        WhenShown<TFormPeriod>([&](TFormPeriod& d) {
            d.ENum->UserSetText(c.typed);
            d.Button2->Click();
        });
        page->BEditFunc->Click();
        EXPECT_EQ(Messages().Messages().size(), c.refused ? 1u : 0u) << c.typed;
        if (c.refused) EXPECT_EQ(Messages().Messages().front(), "A moving function needs a period of at least one point");
        EXPECT_EQ(average->SeriesFunction()->Period(), c.period) << c.typed;
        EXPECT_EQ(average->Count(), 6 - int(c.period) + 1) << c.typed;
    }
}

TEST_F(SeriesPage, LeavingTheDataSourceTabAsksToApplyChanges) {
    struct Case {
        int answer;
        bool applied;
        TabSheet* TFormChartSeries::*shownAfter;
        bool stillPending;
    };
    const Case cases[] = {
        {IdYes, true, &TFormChartSeries::TabMarks, false},
        {IdNo, false, &TFormChartSeries::TabMarks, false},
        {IdCancel, false, &TFormChartSeries::TabDataSource, true},
    };
    for (const Case& c : cases) {
        TChartSeries* source = AddSeries("TLineSeries", 5);
        TChartSeries* s = AddSeries("TLineSeries");
        Open(s);
        PickTab(page->TabDataSource);
        PickStyle(dsFunction);
        PickFunction("High");
        Move(page->LBAvailSeries, {source->Name()}, page->BRightOne);
        Messages().ClearLog();
        Messages().Answer(c.answer);
        PickTab(page->TabMarks);
        EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Apply Changes?"}) << c.answer;
        EXPECT_EQ(page->PageSeries->ActivePage(), page->*c.shownAfter) << c.answer;
        EXPECT_EQ(s->SeriesFunction() != nullptr, c.applied) << c.answer;
        EXPECT_EQ(s->DataSource() == source, c.applied) << c.answer;
        EXPECT_EQ(page->FunctionChanged, c.stillPending) << c.answer;
        // Without pending changes the tab goes without a question.
        page->FunctionChanged = false;
        Messages().ClearLog();
        PickTab(page->TheTabSheet);
        EXPECT_TRUE(Messages().Messages().empty());
        EXPECT_EQ(page->PageSeries->ActivePage(), page->TheTabSheet);
    }
}

TEST_F(SeriesPage, ALoopOfSourcesIsShownAndKeepsTheTabAndTheChange) {
    TChartSeries* a = AddSeries("TLineSeries", 3);
    TChartSeries* b = AddSeries("TLineSeries");
    b->SetDataSource(a);
    Open(a);
    PickTab(page->TabDataSource);
    PickStyle(dsFunction);
    Move(page->LBAvailSeries, {"Series2"}, page->BRightOne);
    Messages().Answer(IdYes);
    PickTab(page->TabGeneral);
    EXPECT_EQ(Messages().Messages(),
              (std::vector<std::string>{"Apply Changes?", "Circular Series dependences are not allowed"}));
    EXPECT_EQ(page->PageSeries->ActivePage(), page->TabDataSource);
    EXPECT_TRUE(page->FunctionChanged);
    EXPECT_EQ(a->DataSource(), nullptr) << "nothing was applied";
    EXPECT_EQ(a->Count(), 3);
}

TEST_F(SeriesPage, ChoosingAnotherSeriesAppliesWithoutAsking) {
    TChartSeries* source = AddSeries("TLineSeries", 5);
    TChartSeries* s = AddSeries("TLineSeries");
    Open(s);
    PickTab(page->TabDataSource);
    PickStyle(dsFunction);
    Move(page->LBAvailSeries, {"Series1"}, page->BRightAll);
    EXPECT_TRUE(page->LBAvailSeries->Items().empty());
    EXPECT_FALSE(page->BRightOne->Enabled());
    EXPECT_TRUE(page->BLeftAll->Enabled());
    page->CBSeries->UserSelect(0);
    EXPECT_TRUE(Messages().Messages().empty());
    EXPECT_EQ(s->DataSource(), source);
    EXPECT_EQ(s->Count(), 5) << "\"Copy\" copies the points";
    EXPECT_EQ(page->Series, source);
    EXPECT_EQ(page->PageSeries->ActivePage(), page->TabDataSource);
    // Taking the source away again and applying on close empties the series.
    page->CBSeries->UserSelect(1);
    Move(page->LBSelectedSeries, {"Series1"}, page->BLeftOne);
    page->Close();
    EXPECT_EQ(s->DataSource(), nullptr);
    EXPECT_EQ(s->Count(), 0);
}

TEST_F(SeriesPage, WithoutTheDataSourceOptionItsTabIsAbsent) {
    TChartSeries* s = AddSeries("TLineSeries", 2);
    Open(s);
    PickTab(page->TabDataSource);
    page->ShowDataSourceTab = false;
    page->ShowMarksTab = false;
    Open(s);
    EXPECT_FALSE(page->TabDataSource->TabVisible());
    EXPECT_FALSE(page->TabMarks->TabVisible());
    EXPECT_TRUE(page->TabGeneral->TabVisible());
    EXPECT_EQ(page->PageSeries->ActivePage(), page->TheTabSheet) << "a hidden tab gives way to \"Format\"";
    PickTab(page->TabMarks);
    EXPECT_EQ(page->PageSeries->ActivePage(), page->TheTabSheet) << "a tab that is not there cannot be picked";
}

TEST_F(SeriesPage, TheEditorDrivesItThroughTextRowsOptionsAndItsQuestion) {
    TChartSeries* prices = AddSeries("TLineSeries", 4, "Prices");
    TChartSeries* average = AddSeries("TLineSeries");
    CreateFunctionOfClass(*average, *FindChartClass("TAverageChartFunction"));
    // The series list fills the drop-down with its rows' texts alone: they stand in chart order.
    page->CBSeries->SetItems({"Prices", "Series2"});
    page->SetOptions(true, true, false);
    page->Series = average;
    page->ShowSeries();
    EXPECT_EQ(page->CBSeries->ItemIndex(), 1);
    EXPECT_FALSE(page->TabMarks->TabVisible());
    page->ShowDataSource();  // a new calculated series starts on its sources
    EXPECT_EQ(page->PageSeries->ActivePage(), page->TabDataSource);
    EXPECT_EQ(page->CBFunctions->Text(), "Average");
    EXPECT_TRUE(page->AllowPageChange()) << "nothing pending";
    Move(page->LBAvailSeries, {"Prices"}, page->BRightOne);
    Messages().Answer(IdCancel);
    EXPECT_FALSE(page->AllowPageChange());
    Messages().Answer(IdYes);
    EXPECT_TRUE(page->AllowPageChange());
    EXPECT_EQ(average->DataSource(), prices);
    ASSERT_GT(average->Count(), 0);
    EXPECT_EQ(average->YValues->GetValue(0), 2.5) << "the average over all points";
    page->CBSeries->UserSelect(0);
    EXPECT_EQ(page->Series, prices);
    // Without the data source option its tab is never shown.
    page->SetOptions(false, true, true);
    page->ShowSeries();
    page->ShowDataSource();
    EXPECT_NE(page->PageSeries->ActivePage(), page->TabDataSource);
}

TEST_F(SeriesPage, AnExtensionsFieldsAreCheckedAndStoredOnApply) {
    auto* tableChart = Window().Make<TableChart>("TableChart");
    auto* table = Window().Make<FieldTable>("Orders");
    TChartSeries* s = CreateSeriesOfClass(&Window(), *tableChart, *FindChartClass("TLineSeries"));
    page->CBDataSourcestyle->AddItem("Fields");
    page->CBDataSourcestyle->AddItem("Field list");
    page->OnIsValidSource = [](Component* c, int) { return dynamic_cast<FieldTable*>(c) != nullptr; };
    page->OnDataSetChosen = [](Component*) { return std::vector<std::string>{"Day", "Amount", "Name"}; };
    page->OnFieldChosen = [](Component*, const std::string& field, bool& dateTime) { dateTime = field == "Day"; };
    page->OnStyleOfSource = [](TChartSeries&) { return int(dsFields); };
    page->SetSeriesList({s});
    page->Series = s;
    page->ShowSeries();
    PickTab(page->TabDataSource);
    PickStyle(dsFields);
    EXPECT_EQ(page->PCData->ActivePage(), page->TabDatabase);
    EXPECT_EQ(page->LabelDataSet->Caption(), "&Dataset:");
    EXPECT_EQ(page->CBListDataSets->Items(), std::vector<std::string>{"Orders"});
    page->CBListDataSets->UserSelect(0);
    TChartEditSource& x = page->Sources.Rows[0];
    TChartEditSource& y = page->Sources.Rows[1];
    ASSERT_NE(x.Combo, nullptr);
    EXPECT_EQ(x.Caption->Caption(), s->XValues->Name() + ":");
    EXPECT_FALSE(page->Sources.Rows[2].Combo->Visible()) << "a line has two value lists";
    x.Combo->UserSetText("Day");
    EXPECT_TRUE(x.DateTime->Checked()) << "the extension says the field holds dates";
    y.Combo->UserSetText("Amont");
    EXPECT_TRUE(page->DataSetChanged);

    // A field the table does not have: nothing is applied, the change stays.
    try {
        page->ApplyPendingChanges();
        FAIL() << "no error";
    } catch (const ChartException& e) {
        EXPECT_STREQ(e.what(), "Field Amont does not exist");
    }
    EXPECT_TRUE(page->DataSetChanged);
    EXPECT_EQ(s->DataSource(), nullptr);

    y.Combo->UserSetText("Amount");
    page->CBLabelsField->UserSetText("Name");
    page->ApplyPendingChanges();
    EXPECT_EQ(s->DataSource(), table);
    EXPECT_EQ(s->XValues->ValueSource(), "Day");
    EXPECT_TRUE(s->XValues->DateTime());
    EXPECT_EQ(s->YValues->ValueSource(), "Amount");
    EXPECT_EQ(s->XLabelsSource(), "Name");
    EXPECT_FALSE(page->DataSetChanged);

    // Style 4: the chosen fields, in list order, joined into the mandatory list's source.
    PickStyle(dsFieldList);
    EXPECT_EQ(page->LabelDataSet->Caption(), "&DataSource:");
    page->CBListDataSets->UserSelect(0);
    Move(page->LBAvailFields, {"Name", "Amount"}, page->BROneDS);
    page->ApplyPendingChanges();
    EXPECT_EQ(s->YValues->ValueSource(), "Amount;Name");

    FreeSeries(s);
    Window().FreeComponent(tableChart);
}

}  // namespace
}  // namespace fv::testing
