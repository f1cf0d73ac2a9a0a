// The data-source chooser of the series page: the style it reads off a series, what each choice of style
// sets on the series and the tab, which change flag a move between the lists marks, and the texts the
// lists give their entries.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "chartui/series/data_source_chooser.h"
#include "chartui/series/series_page.h"
#include "field_table_chart.h"
#include "series_editing_fixture.h"

namespace fv::testing {
namespace {

class DataSourceChooser : public SeriesEditingFixture {
protected:
    void SetUp() override {
        SeriesEditingFixture::SetUp();
        page = app->CreateForm<TFormChartSeries>(*program);
        page->Show();
    }
    void Open(TChartSeries* series) {
        page->SetSeriesList({series});
        page->Series = series;
        page->ShowSeries();
    }
    TDataSourceChooser& Chooser() { return page->DataSourceChooser; }

    TFormChartSeries* page = nullptr;
};

TEST_F(DataSourceChooser, TheStyleIsReadOffWhereThePointsComeFrom) {
    auto* tableChart = Window().Make<TableChart>("TableChart");
    auto* table = Window().Make<FieldTable>("Orders");
    TChartSeries* source = AddSeries("TLineSeries", 4);
    TChartSeries* empty = AddSeries("TLineSeries");
    TChartSeries* random = AddSeries("TLineSeries", 3);
    TChartSeries* copy = AddSeries("TLineSeries");
    copy->SetDataSource(source);
    TChartSeries* calculated = AddSeries("TLineSeries", 2);
    CreateFunctionOfClass(*calculated, *FindChartClass("TAverageChartFunction"));
    TChartSeries* fromTable = CreateSeriesOfClass(&Window(), *tableChart, *FindChartClass("TLineSeries"));
    fromTable->SetDataSource(table);
    Open(empty);

    struct Case {
        const char* what;
        TChartSeries* series;
        bool extension;  // an extension names the style of a source that is no series
        int style;
    };
    const Case cases[] = {
        {"no points, no source", empty, false, dsNoData},
        {"points alone", random, false, dsRandom},
        {"a series source", copy, false, dsFunction},
        {"a function before points", calculated, false, dsFunction},
        {"a table without an extension", fromTable, false, dsNoData},
        {"a table the extension knows", fromTable, true, dsFieldList},
    };
    for (const Case& c : cases) {
        page->OnStyleOfSource = nullptr;
        if (c.extension) page->OnStyleOfSource = [](TChartSeries&) { return int(dsFieldList); };
        EXPECT_EQ(Chooser().StyleOf(*c.series), c.style) << c.what;
    }

    FreeSeries(fromTable);
    Window().FreeComponent(tableChart);
}

TEST_F(DataSourceChooser, EachChoiceSetsWhatItSays) {
    auto* tableChart = Window().Make<TableChart>("TableChart");
    Window().Make<FieldTable>("Orders");
    TChartSeries* source = AddSeries("TLineSeries", 4, "Prices");
    TChartSeries* s = CreateSeriesOfClass(&Window(), *tableChart, *FindChartClass("TLineSeries"));
    page->CBDataSourcestyle->AddItem("Fields");
    page->CBDataSourcestyle->AddItem("Field list");
    page->OnIsValidSource = [](Component* c, int) { return dynamic_cast<FieldTable*>(c) != nullptr; };
    page->OnDataSetChosen = [](Component*) { return std::vector<std::string>{"Day", "Amount"}; };

    struct Case {
        int style;
        bool sourceAndFunctionKept;
        int points;           // -1: the series keeps its points
        TabSheet* shown;      // the data page on show; nil: none
        TabSheet* fieldPage;  // for the extension styles, the page of the fields
        ListBox* moveSource;  // the list the move buttons take from; nil: not set by the choice
        bool functionChanged, dataSetChanged;  // the flags after the choice, both set before it
    };
    // Dropping the source drops both pending changes; a style's page starts its own flag afresh from what
    // the series holds and leaves the other one.
    const Case cases[] = {
        {dsNoData, false, 0, nullptr, nullptr, nullptr, false, false},
        {dsRandom, false, s->NumSampleValues(), nullptr, nullptr, nullptr, false, false},
        {dsFunction, true, -1, page->TabFunctions, nullptr, page->LBAvailSeries, false, true},
        {dsFields, true, -1, page->TabDatabase, page->TBDataSet, nullptr, true, false},
        {dsFieldList, true, -1, page->TabDatabase, page->TBDataSource, page->LBAvailFields, true, false},
    };
    for (const Case& c : cases) {
        // Each choice starts from a series calculated from another, with a change pending.
        s->SetDataSource(source);
        CreateFunctionOfClass(*s, *FindChartClass("TAverageChartFunction"));
        const int pointsBefore = s->Count();
        Open(s);
        page->MoveSource = nullptr;
        page->FunctionChanged = page->DataSetChanged = true;

        Chooser().ChooseStyle(c.style);
        const std::string what = "style " + std::to_string(c.style);
        EXPECT_EQ(s->DataSource() == source, c.sourceAndFunctionKept) << what;
        EXPECT_EQ(s->SeriesFunction() != nullptr, c.sourceAndFunctionKept) << what;
        EXPECT_EQ(s->Count(), c.points < 0 ? pointsBefore : c.points) << what;
        EXPECT_EQ(page->PCData->Visible(), c.shown != nullptr) << what;
        if (c.shown) {
            EXPECT_EQ(page->PCData->ActivePage(), c.shown) << what;
        }
        if (c.fieldPage) {
            EXPECT_EQ(page->PCDataStyle->ActivePage(), c.fieldPage) << what;
        }
        EXPECT_EQ(page->MoveSource, c.moveSource) << what;
        EXPECT_EQ(page->FunctionChanged, c.functionChanged) << what;
        EXPECT_EQ(page->DataSetChanged, c.dataSetChanged) << what;
    }
    EXPECT_EQ(page->LBAvailFields->Items(), (std::vector<std::string>{}))
        << "no data set chosen yet: no fields";

    FreeSeries(s);
    Window().FreeComponent(tableChart);
}

TEST_F(DataSourceChooser, AMoveMarksTheChangeOfTheStyleOnShowAndSetsTheButtons) {
    auto* tableChart = Window().Make<TableChart>("TableChart");
    Window().Make<FieldTable>("Orders");
    TChartSeries* s = CreateSeriesOfClass(&Window(), *tableChart, *FindChartClass("TLineSeries"));
    CreateSeriesOfClass(&Window(), *tableChart, *FindChartClass("TLineSeries"))->SetTitle("Costs");
    page->CBDataSourcestyle->AddItem("Fields");
    page->CBDataSourcestyle->AddItem("Field list");
    page->OnIsValidSource = [](Component* c, int) { return dynamic_cast<FieldTable*>(c) != nullptr; };
    page->OnDataSetChosen = [](Component*) { return std::vector<std::string>{"Day", "Amount"}; };
    Open(s);

    struct Case {
        int style;
        std::vector<Button*> right, left;  // the move buttons of the style's lists
        bool* marked;
        bool* untouched;
    };
    const Case cases[] = {
        {dsFunction, {page->BRightOne, page->BRightAll}, {page->BLeftOne, page->BLeftAll}, &page->FunctionChanged,
         &page->DataSetChanged},
        {dsFieldList, {page->BROneDS, page->BRAllDS}, {page->BLOneDS, page->BLAllDS}, &page->DataSetChanged,
         &page->FunctionChanged},
    };
    for (const Case& c : cases) {
        const std::string what = "style " + std::to_string(c.style);
        page->CBDataSourcestyle->UserSelect(c.style);
        if (c.style == dsFieldList) page->CBListDataSets->UserSelect(0);
        page->FunctionChanged = page->DataSetChanged = false;
        ASSERT_FALSE(page->MoveSource->Items().empty()) << what;
        for (Button* b : c.right) EXPECT_TRUE(b->Enabled()) << what << " " << b->Name();
        for (Button* b : c.left) EXPECT_FALSE(b->Enabled()) << what << " " << b->Name();

        const std::vector<std::string> all = page->MoveSource->Items();
        Chooser().MoveEntries(true, true);
        EXPECT_EQ(page->MoveTarget->Items(), all) << what;
        EXPECT_TRUE(page->MoveSource->Items().empty()) << what;
        EXPECT_TRUE(*c.marked) << what;
        EXPECT_FALSE(*c.untouched) << what;
        for (Button* b : c.right) EXPECT_FALSE(b->Enabled()) << what << " " << b->Name();
        for (Button* b : c.left) EXPECT_TRUE(b->Enabled()) << what << " " << b->Name();

        page->MoveTarget->SetSelected(0, true);
        Chooser().MoveEntries(false, false);
        EXPECT_EQ(page->MoveSource->Items(), std::vector<std::string>{all[0]}) << what;
    }
    EXPECT_EQ(page->SelectedObjects.size(), 0u) << "the series went back with their objects";

    while (tableChart->SeriesCount() > 0) FreeSeries(tableChart->GetSeries(0));
    Window().FreeComponent(tableChart);
}

TEST_F(DataSourceChooser, ACandidateStandsUnderItsTitleWithAnotherOwnersName) {
    TChartSeries* titled = AddSeries("TLineSeries", 1, "Prices");
    TChartSeries* untitled = AddSeries("TLineSeries", 1);
    auto* elsewhere = Window().Make<TChart>("OtherChart");
    TChartSeries* foreign = CreateSeriesOfClass(page, *chart, *FindChartClass("TLineSeries"));
    foreign->SetTitle("Costs");
    EXPECT_EQ(SourceDisplayName(*titled), "Prices");
    EXPECT_EQ(SourceDisplayName(*untitled), "Series2");
    EXPECT_EQ(SourceDisplayName(*elsewhere), "OtherChart") << "a component that is no series: its name";

    TChartSeries* s = AddSeries("TLineSeries");
    Open(s);
    std::vector<std::string> texts;
    std::vector<Component*> objects;
    Chooser().CandidateSources(dsFunction, false, texts, objects);
    // The forms in the order they were made (the window before the page); a series owned elsewhere than
    // the edited one stands under its owner's name.
    EXPECT_EQ(texts, (std::vector<std::string>{"Prices", "Series2", "FormChartSeries.Costs"}));
    EXPECT_EQ(objects, (std::vector<Component*>{titled, untitled, foreign}));

    FreeSeries(foreign);
    Window().FreeComponent(elsewhere);
}

}  // namespace
}  // namespace fv::testing
