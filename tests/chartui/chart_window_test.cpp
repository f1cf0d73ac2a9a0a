// The chart window: the row and field choices as tables (with the rows held within the records), the
// redraw's series and colours, the chart file on the first show after each load, the sizes, the bitmap
// and the close.
#include <gtest/gtest.h>

#include "chart/chart_store.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "chartui/editor/chart_edit_form.h"
#include "chartui/window/chart_window.h"
#include "platform/fs/files.h"
#include "dialog_fixture.h"
#include "support/hub_fixture.h"

namespace fv::testing {
namespace {

TEST(RozizAChoice, RowTexts) {
    struct Case {
        const char* text;
        bool all;
        int records;
        std::vector<int> rows;
        const char* why;
    } cases[] = {
        {"5-35", false, 40, {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29,
                             30, 31, 32, 33, 34, 35}, "a range, both ends included"},
        {"3,8", false, 10, {3, 8}, "a list"},
        {"8,3,3", false, 10, {3, 8}, "a list plots in record order, each record once"},
        {"35-5", false, 40, {}, "a reversed range plots nothing"},
        {"1,2,3", true, 4, {1, 2, 3, 4}, "the box takes every record whatever the text"},
        {"", false, 5, {}, "no text and no box: no row"},
        {"-5", false, 10, {1, 2, 3, 4, 5}, "a range from below 1 starts at record 1 (no entry before the first)"},
        {"0-3", false, 10, {1, 2, 3}, "a range from 0 starts at record 1"},
        {"8-12", false, 10, {8, 9, 10}, "a range past the last record stops at it"},
        {"12-20", false, 10, {}, "a range wholly past the records plots nothing"},
        {"3,11", false, 10, {3}, "a list names only records there are"},
        {"2- 4", false, 10, {2, 3, 4}, "blanks after the dash are skipped"},
        {"2,4-6", false, 10, {2, 3, 4, 5, 6}, "the first number is read up to the first non-digit"},
        {"x-3", false, 10, {1, 2, 3}, "no digits read as 0"},
        {"4-99999999999999999999", false, 6, {4, 5, 6}, "a number too long for an int is held at the last record"},
        {"1-3", false, 0, {}, "no records, no rows"},
    };
    for (const Case& c : cases) EXPECT_EQ(ChosenRows(c.text, c.all, c.records), c.rows) << c.why << ": " << c.text;
}

TEST(RozizAChoice, FieldTexts) {
    struct Case {
        std::string text;
        std::vector<int> fields;
        const char* why;
    } cases[] = {
        {"1,2,5,7", {1, 2, 5, 7}, "the design-time choice"},
        {"7,2,2", {2, 7}, "ascending, each field once"},
        {"1, 2", {1}, "a blank next to a number spoils it"},
        {"", {}, "nothing chosen"},
        {"0,21,20", {20}, "only fields 1 to 20"},
        {"12", {12}, "two digits"},
        {std::string(300, ',') + "5", {5}, "a long text is read to its 301st character"},
        {std::string(301, ',') + "5", {}, "and no further"},
    };
    for (const Case& c : cases) EXPECT_EQ(ChosenFields(c.text), c.fields) << c.why;
}

TEST(RozizAChoice, PaletteOfThirteenColours) {
    EXPECT_EQ(RozizASeriesColor(0), 0x0000FFu);
    EXPECT_EQ(RozizASeriesColor(1), 0xFF0000u);
    EXPECT_EQ(RozizASeriesColor(3), 0x00FFFFu);
    EXPECT_EQ(RozizASeriesColor(12), 0x808000u);
    EXPECT_EQ(RozizASeriesColor(13), RozizASeriesColor(0)) << "the 14th series is red again";
}

class RozizAFormTest : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();  // the chart window is made there
        RegisterStandardSeriesTypes();
        RegisterChartEngineTypes();
        // Record n has n in field 1, 10 n in field 2 and so on; field 20 holds no digits.
        for (int n = 1; n <= 10; ++n) {
            DatabaseRecord& r = program->RecordTable[std::size_t(n - 1)];
            for (int f = 1; f <= 19; ++f) r.Field[std::size_t(f - 1)] = std::to_string(n * f);
            r.Field[19] = "none";
        }
        program->RecordTable[1].Field[0] = "-2,000.5 kg";  // only digits and points count
        program->RecordCount = 10;
        Messages().ClearLog();
    }
    TRozizAForm& Window() { return *program->RozizAForm; }
    TChart& Chart() { return *Window().ChartVue; }
    void Plot(const std::string& fields, const std::string& rows = {}) {
        Window().WhichFields->UserSetText(fields);
        Window().WhichRows->UserSetText(rows);
        Window().ReDrawButton->Click();
    }
};

// Every plotted series shows one colour: its points', which the legend draws as the series' own.
TEST_F(RozizAFormTest, ASeriesShowsTheSameColourInTheLegendAsOnThePlot) {
    Plot("1,2,5");
    Plot("1,2,5");  // the series kept from the first drawing as well
    ASSERT_EQ(Chart().SeriesCount(), 3);
    for (int i = 0; i < 3; ++i) {
        TChartSeries& series = *Chart().GetSeries(i);
        SCOPED_TRACE(series.Name());
        EXPECT_EQ(series.SeriesColor(), RozizASeriesColor(i));
        ASSERT_GT(series.Count(), 0);
        EXPECT_EQ(series.ValueColor(0), series.SeriesColor());
    }
}

TEST_F(RozizAFormTest, TheWindowAsDesigned) {
    TRozizAForm& w = Window();
    EXPECT_EQ(w.Caption(), "RozizAForm");
    EXPECT_TRUE(w.WhichRowsCheckBox->Checked());
    EXPECT_EQ(w.WhichFields->Text(), "1,2,5,7");
    EXPECT_EQ(Chart().Title().Text(), std::vector<std::string>{"Chart Vue"});
    EXPECT_TRUE(Chart().AnimatedZoom);
    ASSERT_EQ(Chart().SeriesCount(), 1);
    EXPECT_EQ(Chart().GetSeries(0)->Name(), "Series1");
    EXPECT_EQ(Chart().GetSeries(0)->SeriesColor(), ClRed);
    EXPECT_EQ(w.ChartCommander->GetPanel(), &Chart());
    EXPECT_EQ(w.ChartScrollBar1->Chart(), &Chart());
    EXPECT_TRUE(w.ChartScrollBar1->Enabled());
    EXPECT_EQ(w.ChartScrollBar1->Position(), 15000);
    EXPECT_EQ(w.ChartEditorTitle, "Chart Vue from Pelmarix");
}

TEST_F(RozizAFormTest, AnEmptyRowChoiceMeansAllRows) {
    TRozizAForm& chart = Window();
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

TEST_F(RozizAFormTest, OneLineSeriesPerFieldColouredPointByPoint) {
    Plot("1,2,5,7");  // the row text is empty: every row
    ASSERT_EQ(Chart().SeriesCount(), 4);
    const Color colours[] = {0x0000FF, 0xFF0000, 0x008000, 0x00FFFF};
    for (int i = 0; i < 4; ++i) {
        TChartSeries& s = *Chart().GetSeries(i);
        EXPECT_NE(dynamic_cast<TLineSeries*>(&s), nullptr);
        ASSERT_EQ(s.Count(), 10);
        for (int p = 0; p < 10; ++p) EXPECT_EQ(s.ValueColor(p), colours[i]) << "series " << i << " point " << p;
    }
    EXPECT_EQ(Chart().GetSeries(0)->YValues->GetValue(0), 1);
    EXPECT_EQ(Chart().GetSeries(0)->YValues->GetValue(1), 2000.5) << "the sign and the separator are dropped";
    EXPECT_EQ(Chart().GetSeries(3)->YValues->GetValue(9), 70) << "field 7 of record 10";
    EXPECT_EQ(Chart().AllowPanning, TPanningMode::pmHorizontal);
    EXPECT_TRUE(Chart().LeftAxis()->Automatic());
    EXPECT_TRUE(Chart().BottomAxis()->Automatic());

    Plot("20", "3,8");
    ASSERT_EQ(Chart().SeriesCount(), 1);
    ASSERT_EQ(Chart().GetSeries(0)->Count(), 2);
    EXPECT_EQ(Chart().GetSeries(0)->YValues->GetValue(0), 0) << "a field without digits plots as 0";

    Plot("1,2,3,4,5,6,7,8,9,10,11,12,13,14");
    ASSERT_EQ(Chart().SeriesCount(), 14);
    EXPECT_EQ(Chart().GetSeries(13)->ValueColor(0), ClRed) << "the 14th series takes the first colour";
}

TEST_F(RozizAFormTest, FewerFieldsFreeTheSeriesNoLongerPlotted) {
    Plot("1,2,5,7");
    TChartSeries* first = Chart().GetSeries(0);
    TChartSeries* second = Chart().GetSeries(1);
    const std::string gone = Chart().GetSeries(3)->Name();
    const int owned = int(Window().Components().size());
    Plot("2,7", "2-6");
    ASSERT_EQ(Chart().SeriesCount(), 2);
    EXPECT_EQ(Chart().GetSeries(0), first);
    EXPECT_EQ(Chart().GetSeries(1), second);
    EXPECT_EQ(first->Count(), 5);
    EXPECT_EQ(first->YValues->GetValue(0), 4) << "field 2 of record 2";
    EXPECT_EQ(Window().FindComponent(gone), nullptr) << "a removed series is freed, not kept by the window";
    EXPECT_EQ(int(Window().Components().size()), owned - 2);
    for (int i = 0; i < 5; ++i) Plot("1,2,5,7"), Plot("1");
    EXPECT_EQ(int(Window().Components().size()), owned - 3) << "redraws do not pile up series";
}

TEST_F(RozizAFormTest, NoFieldChosen) {
    Plot("1,2");
    Window().WhichRowsCheckBox->SetChecked(false);
    Window().WhichRows->SetText("3");
    Window().WhichFields->UserSetText("x");
    Window().ReDrawButton->Click();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"You have not specified any fields to plot. Please specify."});
    EXPECT_EQ(Chart().SeriesCount(), 2) << "the chart is not touched";
    EXPECT_EQ(Chart().GetSeries(0)->Count(), 10);

    Messages().ClearLog();
    Plot("");  // the empty row text checks the box again
    EXPECT_TRUE(Messages().Messages().empty());
    EXPECT_EQ(Chart().SeriesCount(), 0) << "with every row chosen and no field, no series";
}

TEST_F(RozizAFormTest, TheChartFileIsReadOnTheFirstShowAfterEachLoad) {
    // A stored chart of three series with a title of its own.
    {
        TChart stored(nullptr);
        stored.Title().SetText({"Stored"});
        for (int i = 0; i < 3; ++i) {
            auto* s = new TLineSeries(&stored, "Kept" + std::to_string(i));
            s->AddY(1);
            stored.AddSeries(*s);
        }
        SaveChartFile(stored, "folivex.cht");
    }
    Window().WhichFields->SetText("1,2");
    Window().Show();
    EXPECT_EQ(Chart().Title().Text(), std::vector<std::string>{"Stored"});
    ASSERT_EQ(Chart().SeriesCount(), 2) << "the stored series, as many as the fields choose";
    EXPECT_EQ(Chart().GetSeries(0)->Name(), "Kept0");
    EXPECT_EQ(Chart().GetSeries(0)->Count(), 10) << "refilled from the records";

    Chart().Title().SetText({"Edited"});
    Window().Close();
    Window().Show();
    EXPECT_EQ(Chart().Title().Text(), std::vector<std::string>{"Edited"}) << "a later show only redraws";

    // Another database is opened: its own chart file is read at the next show.
    {
        TChart other(nullptr);
        other.Title().SetText({"Other"});
        SaveChartFile(other, "other.cht");
    }
    Window().Close();
    program->ChartFileName = "other.cht";
    Window().DatabaseLoaded();
    EXPECT_EQ(Chart().Title().Text(), std::vector<std::string>{"Edited"}) << "read when shown, not before";
    Window().Show();
    EXPECT_EQ(Chart().Title().Text(), std::vector<std::string>{"Other"});

    // A load while the window is open reads the file at once.
    Chart().Title().SetText({"Edited again"});
    Window().DatabaseLoaded();
    EXPECT_EQ(Chart().Title().Text(), std::vector<std::string>{"Other"});
    EXPECT_TRUE(Messages().Messages().empty());
}

TEST_F(RozizAFormTest, AChartFileThatCannotBeReadIsReportedOnceAndTheWindowStillWorks) {
    ASSERT_TRUE(WriteWholeFile("folivex.cht", "not a chart"));
    Window().Show();
    ASSERT_EQ(Messages().Messages().size(), 1u);
    EXPECT_EQ(Messages().Messages()[0], "Wrong *.CHF file format (file \"folivex.cht\")");
    EXPECT_EQ(Chart().SeriesCount(), 4) << "the redraw ran all the same";
    EXPECT_EQ(Chart().Title().Text(), std::vector<std::string>{"Chart Vue"}) << "the chart stays as it was";

    Window().Close();
    Window().Show();
    EXPECT_EQ(Messages().Messages().size(), 1u) << "reported once";

    Window().SetBounds(0, 0, 800, 450);
    EXPECT_EQ(Window().ChartVue->Width(), 800 - 649 + 577) << "resizes work";
}

TEST_F(RozizAFormTest, AMessageAboutAChartFileNamesTheFile) {
    // The header of a chart file of this layout, then the class name's length.
    const std::string header("\x60\x30\x99\x00\x01\x00", 6);
    auto u32 = [](std::uint32_t n) {
        return std::string{char(n & 0xFF), char((n >> 8) & 0xFF), char((n >> 16) & 0xFF), char(n >> 24)};
    };
    struct Case {
        std::string bytes;
        const char* message;
        const char* why;
    } cases[] = {
        {"not a chart", "Wrong *.CHF file format", "a foreign file"},
        {header + u32(100) + "TChart", "Stream read error", "a name longer than the bytes left"},
        {header + u32(2u << 20) + "TChart", "String too long in stream", "a name longer than any string"},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string file = "damaged" + std::to_string(++n) + ".cht";
        ASSERT_TRUE(WriteWholeFile(file, c.bytes));
        Messages().ClearLog();
        program->ChartFileName = file;
        Window().DatabaseLoaded();
        Window().Show();
        EXPECT_EQ(Messages().Messages(), std::vector<std::string>{std::string(c.message) + " (file \"" + file + "\")"});
        Window().Close();
    }
}

// Every control lies inside its parent's client area, and no two controls of one parent overlap.
void ExpectLaidOut(const Control& parent, const std::string& where) {
    const auto controls = parent.Controls();
    for (std::size_t i = 0; i < controls.size(); ++i) {
        const Control& c = *controls[i];
        if (!c.Visible()) continue;
        EXPECT_GE(c.Left(), 0) << where << ": " << c.Name();
        EXPECT_GE(c.Top(), 0) << where << ": " << c.Name();
        EXPECT_LE(c.Left() + c.Width(), parent.ClientWidth()) << where << ": " << c.Name() << " in " << parent.Name();
        EXPECT_LE(c.Top() + c.Height(), parent.ClientHeight()) << where << ": " << c.Name() << " in " << parent.Name();
        EXPECT_GT(c.Width(), 0) << where << ": " << c.Name();
        EXPECT_GT(c.Height(), 0) << where << ": " << c.Name();
        for (std::size_t j = i + 1; j < controls.size(); ++j) {
            const Control& d = *controls[j];
            if (!d.Visible()) continue;
            const bool apart = c.Left() + c.Width() <= d.Left() || d.Left() + d.Width() <= c.Left() ||
                               c.Top() + c.Height() <= d.Top() || d.Top() + d.Height() <= c.Top();
            EXPECT_TRUE(apart) << where << ": " << c.Name() << " overlaps " << d.Name();
        }
        ExpectLaidOut(c, where);
    }
}

TEST_F(RozizAFormTest, EverySizeTheWindowTakesIsLaidOut) {
    TRozizAForm& w = Window();
    ExpectLaidOut(w, "as made");
    EXPECT_EQ(w.Width(), TRozizAForm::DesignWidth);
    struct Case { int width, height; int takenWidth, takenHeight; const char* why; } cases[] = {
        {649, 400, 649, 400, "the design size"},
        {800, 500, 800, 500, "larger"},
        {1600, 1200, 1600, 1200, "much larger"},
        {700, 400, 700, 400, "the first resize counts like any other"},
        {649, 320, 649, 320, "the smallest size"},
        {1, 1, 649, 320, "a size below the smallest is the smallest"},
        {300, 900, 649, 900, "too narrow but high"},
        {1200, 100, 1200, 320, "wide but too low"},
        {649, 400, 649, 400, "and back: the design size again"},
    };
    w.Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        w.SetBounds(0, 0, c.width, c.height);
        EXPECT_EQ(w.Width(), c.takenWidth);
        EXPECT_EQ(w.Height(), c.takenHeight);
        ExpectLaidOut(w, c.why);
        // The chart and its scroll bar take the room the fixed rows leave; the top strip keeps its height.
        EXPECT_EQ(w.ChartVue->Width(), c.takenWidth - 649 + 577);
        EXPECT_EQ(w.ChartVue->Height(), c.takenHeight - 400 + 170);
        EXPECT_EQ(w.ChartScrollBar1->Width(), w.ChartVue->Width());
        EXPECT_EQ(w.Panel1->Height(), 49);
        EXPECT_EQ(w.Panel2->Height(), 34);
    }
}

TEST_F(RozizAFormTest, DownAndUpScaleTheChartWithinItsPlace) {
    TRozizAForm& w = Window();
    w.UpButton->Click();
    EXPECT_EQ(w.ChartVue->Width(), 577) << "never larger than its place";
    EXPECT_EQ(w.ChartVue->Height(), 170);
    w.DownButton->Click();
    w.DownButton->Click();
    EXPECT_EQ(w.ChartVue->Width(), 567);
    EXPECT_EQ(w.ChartVue->Height(), 160);
    w.UpButton->Click();
    EXPECT_EQ(w.ChartVue->Width(), 572);
    // The scale is kept when the window changes size.
    w.SetBounds(0, 0, 749, 500);
    EXPECT_EQ(w.ChartVue->Width(), 672);
    EXPECT_EQ(w.ChartVue->Height(), 265);
    w.SetBounds(0, 0, 649, 400);
    for (int i = 0; i < 200; ++i) w.DownButton->Click();
    EXPECT_EQ(w.ChartVue->Width(), 20);
    EXPECT_EQ(w.ChartVue->Height(), 20);
    ExpectLaidOut(w, "the smallest chart");
    w.UpButton->Click();
    EXPECT_EQ(w.ChartVue->Width(), 25) << "the first Up after the smallest shows at once";
}

TEST_F(RozizAFormTest, RestoredPartSizesAreLaidOutAgain) {
    TRozizAForm& w = Window();
    // Sizes as an older program stored them after shrinking the window to 1 x 1 and back.
    w.SetBounds(0, 0, 800, 500);
    w.ChartVue->SetBounds(w.ChartVue->Left(), w.ChartVue->Top(), 2000, 3);
    w.Panel1->SetBounds(w.Panel1->Left(), w.Panel1->Top(), 90, 400);
    w.ChartScrollBar1->SetBounds(w.ChartScrollBar1->Left(), w.ChartScrollBar1->Top(), 5, 17);
    w.SizesRestored();
    ExpectLaidOut(w, "restored");
    EXPECT_EQ(w.ChartVue->Width(), 800 - 649 + 577) << "a chart wider than its place is not scaled";
    EXPECT_EQ(w.Panel1->Height(), 49);

    // A chart stored 10 pixels smaller than its place keeps that scale.
    w.ChartVue->SetBounds(w.ChartVue->Left(), w.ChartVue->Top(), 800 - 649 + 567, 500 - 400 + 160);
    w.SizesRestored();
    EXPECT_EQ(w.ChartShrink(), 10);
    EXPECT_EQ(w.ChartVue->Width(), 800 - 649 + 567);
}

TEST_F(RozizAFormTest, SaveImageAsksWhereWithTheImageFolderOfTheMoment) {
    program->DatabaseImageDirectory = "/pictures/now";
    auto& dialogs = app->ScriptedDialogBoxes();
    Window().StoreImageButton->Click();  // cancelled
    EXPECT_EQ(dialogs.lastFileOptions.InitialDirectory, "/pictures/now");
    EXPECT_EQ(dialogs.lastFileOptions.DefaultExtension, "bmp");
    ASSERT_EQ(dialogs.lastFileOptions.Filters.size(), 1u);
    EXPECT_EQ(dialogs.lastFileOptions.Filters[0].second, "*.bmp");
    EXPECT_FALSE(PathExistsOnDisk(dir.File("chart.bmp")));

    program->DatabaseImageDirectory = dir.Path();
    dialogs.files.push_back(dir.File("chart.bmp"));
    Window().StoreImageButton->Click();
    EXPECT_EQ(dialogs.lastFileOptions.InitialDirectory, dir.Path()) << "set as the dialog opens";
    const std::string bmp = ReadWholeFile(dir.File("chart.bmp")).value_or("");
    ASSERT_GT(bmp.size(), 54u);
    EXPECT_EQ(bmp.substr(0, 2), "BM");

    dialogs.files.push_back(dir.File("no/such/folder/chart.bmp"));
    Window().StoreImageButton->Click();
    EXPECT_EQ(Messages().Messages().size(), 1u) << "a write that fails is reported";
}

TEST_F(RozizAFormTest, EveryCloseMarksTheChartForSaving) {
    TRozizAForm& chart = Window();
    chart.Show();
    chart.CloseButton->Click();
    EXPECT_EQ(program->ChartModified, 1);
    EXPECT_FALSE(chart.Visible());

    program->ChartModified = 0;
    chart.Show();
    chart.Close();  // the window's frame
    EXPECT_EQ(program->ChartModified, 1);
}

TEST_F(RozizAFormTest, TheEditorOpensFromTheToolbarThroughTheWindow) {
    std::vector<std::string> opened;
    Window().OnEditChart = [&](TCustomChart& chart, const std::string& title) {
        EXPECT_EQ(&chart, &Chart());
        opened.push_back(title);
    };
    Window().ChartCommander->Edit->Click();
    EXPECT_EQ(opened, std::vector<std::string>{"Chart Vue from Pelmarix"});
}

TEST_F(RozizAFormTest, EditOpensTheChartEditorOnTheWindowsChart) {
    std::string caption;
    int seriesListed = -1;
    WhenShown<TChartEditForm>([&](TChartEditForm& editor) {
        caption = editor.Caption();
        seriesListed = editor.LBSeries->Count();
        editor.Close();
    });
    Window().ChartCommander->Edit->Click();
    EXPECT_EQ(caption, "Chart Vue from Pelmarix");
    EXPECT_EQ(seriesListed, Chart().SeriesCount()) << "the editor lists the chart's own series";
}

}  // namespace
}  // namespace fv::testing
