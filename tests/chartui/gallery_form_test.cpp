// The series gallery: its pages and grid of previews, the greyed types of a type change, choosing by
// clicks, double clicks and keys, the 3D box, and the series made or replaced from the choice.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "chart/functions/moving_functions.h"
#include "chart/series/bar_series.h"
#include "chart/series/line_series.h"
#include "chartui/series/gallery_form.h"
#include "series_editing_fixture.h"

namespace fv::testing {
namespace {

class Gallery : public SeriesEditingFixture {
protected:
    static std::vector<std::string> Titles(const TChartGalleryPanel& panel) {
        std::vector<std::string> titles;
        for (TCustomChart* c : panel.Charts()) titles.push_back(c->Title().Text().at(0));
        return titles;
    }
    static TCustomChart* Preview(const TChartGalleryPanel& panel, const std::string& title) {
        for (TCustomChart* c : panel.Charts())
            if (c->Title().Text().at(0) == title) return c;
        ADD_FAILURE() << "no preview " << title;
        return nullptr;
    }
    static std::string SelectedTitle(const TChartGalleryPanel& panel) {
        return panel.SelectedChart() ? panel.SelectedChart()->Title().Text().at(0) : "(none)";
    }
    // Shows the gallery page of that tab as the user's pick of the tab does.
    static void PickPage(TChartGallery& g, const std::string& page) {
        const auto& tabs = g.ChartTabControl->Tabs;
        auto it = std::find(tabs.begin(), tabs.end(), page);
        ASSERT_NE(it, tabs.end()) << page;
        g.ChartTabControl->UserSelectTab(int(it - tabs.begin()));
    }
};

TEST_F(Gallery, PagesHoldTheRegisteredTypesInRegistryOrderOnAGridOfFourColumns) {
    WhenShown<TChartGallery>([&](TChartGallery& g) {
        EXPECT_EQ(g.ChartTabControl->Tabs, (std::vector<std::string>{"Standard", "Functions", "Extended"}))
            << "the pages of the registry follow the two made with the dialog";
        TChartGalleryPanel& panel = *g.ChartGalleryPanel1;
        struct Page {
            const char* name;
            std::vector<std::string> titles;
            int rows;  // 3 rows of 4 up to 12 entries, then as many rows of 4 as it takes
        };
        const Page pages[] = {
            {"Standard", {"Line", "Bar", "Horiz. Bar", "Area", "Point", "Pie", "Fast Line", "Shape", "Bubble", "Arrow", "Gantt"}, 3},
            {"Functions",
             {"Add", "Subtract", "Multiply", "Divide", "High", "Low", "Average", "Cumulative", "Count",
              "Curve Fitting", "Trend", "Moving Average", "Exp. Average", "R.S.I.", "Momentum", "Std.Deviation"},
             4},
            {"Extended",
             {"Surface", "Contour", "Point 3D", "Bezier", "Polar", "Radar", "Candle", "Volume", "Error Bar", "Error"},
             3},
        };
        for (const Page& p : pages) {
            PickPage(g, p.name);
            EXPECT_EQ(Titles(panel), p.titles) << p.name;
            EXPECT_EQ(panel.NumRows(), p.rows) << p.name;
            EXPECT_EQ(panel.NumCols(), 4) << p.name;
            EXPECT_EQ(SelectedTitle(panel), p.titles.front()) << "without a reference the first is selected";
            // Only the page on show has previews: the panel owns its charts and their series, nothing more.
            int series = 0;
            for (TCustomChart* c : panel.Charts()) series += c->SeriesCount();
            EXPECT_EQ(int(panel.Components().size()), int(panel.Charts().size()) + series) << p.name;
        }
        // Each preview sits in its cell: column k mod 4, row k div 4, inside the panel's inset of 1.
        PickPage(g, "Functions");
        const int cellWidth = (panel.Width() - 1) / 4, cellHeight = (panel.Height() - 1) / 4;
        for (int k : {0, 3, 5, 15}) {
            const TCustomChart& c = *panel.Charts().at(std::size_t(k));
            EXPECT_EQ(c.Name(), "ChartGalleryChart" + std::to_string(k));
            EXPECT_EQ(c.Tag(), k);
            const int left = 1 + (k % 4) * cellWidth, top = 1 + (k / 4) * cellHeight;
            // The last column and row are cut at the inset on the far side.
            const int width = std::min(cellWidth, panel.Width() - 1 - left);
            const int height = std::min(cellHeight, panel.Height() - 1 - top);
            EXPECT_EQ(c.Bounds(), (Rect{left, top, width, height})) << k;
            EXPECT_LE(c.Left() + c.Width(), panel.Width() - 1) << k;
        }
        // A function's preview is a line series calculated by it, two series in red and blue.
        const TCustomChart& moving = *Preview(panel, "Moving Average");
        ASSERT_EQ(moving.SeriesCount(), 2);
        EXPECT_EQ(ClassName(*moving.GetSeries(0)), "TLineSeries");
        EXPECT_NE(dynamic_cast<TMovingAverageFunction*>(moving.GetSeries(0)->SeriesFunction()), nullptr);
        EXPECT_EQ(moving.GetSeries(0)->SeriesColor(), ClRed);
        EXPECT_EQ(moving.GetSeries(1)->SeriesColor(), ClBlue);
        g.BCancel->Click();
    });
    bool view3D = true;
    const ChartClass* seriesClass = nullptr;
    const ChartClass* functionClass = nullptr;
    EXPECT_FALSE(ShowGallery(*chart, nullptr, true, view3D, seriesClass, functionClass)) << "cancelled";
}

TEST_F(Gallery, ATypeChangeGreysTheTypesThatCannotFeedTheSeries) {
    TChartSeries* line = AddSeries("TLineSeries", 3);
    WhenShown<TChartGallery>([&](TChartGallery& g) {
        EXPECT_EQ(g.ChartTabControl->Tabs, (std::vector<std::string>{"Standard", "Extended"})) << "no functions";
        TChartGalleryPanel& panel = *g.ChartGalleryPanel1;
        EXPECT_EQ(SelectedTitle(panel), "Line") << "the series' own type is preselected";
        struct Case {
            const char* page;
            const char* title;
            bool enabled;
            Color colour;  // of the first series: red, or the type's greyed colour
        };
        const Case cases[] = {
            {"Standard", "Line", true, ClRed},      {"Standard", "Bar", true, ClRed},
            {"Standard", "Pie", true, ClRed},       {"Standard", "Fast Line", true, ClRed},
            // A shape, a surface and a contour take only their own kind as a source.
            {"Standard", "Shape", false, ClSilver}, {"Extended", "Surface", false, ClSilver},
            {"Extended", "Contour", false, ClGray},
        };
        for (const Case& c : cases) {
            PickPage(g, c.page);
            TCustomChart* preview = Preview(panel, c.title);
            ASSERT_NE(preview, nullptr);
            EXPECT_EQ(TChartGalleryPanel::PreviewEnabled(*preview), c.enabled) << c.title;
            EXPECT_EQ(preview->GetCursor(), c.enabled ? Cursor::HandPoint : Cursor::NoDrop) << c.title;
            const bool selected = preview == panel.SelectedChart();
            EXPECT_EQ(preview->Title().GetFont().FontColor, selected ? ClBlack : c.enabled ? ClNavy : ClGray) << c.title;
            EXPECT_EQ(preview->GetSeries(0)->SeriesColor(), c.colour) << c.title;
            if (!c.enabled) EXPECT_FALSE(selected) << "a greyed preview is never selected, not even first";
            // A greyed preview takes neither a click nor a double click.
            TCustomChart* before = panel.SelectedChart();
            preview->Click();
            preview->DblClick();
            EXPECT_EQ(panel.SelectedChart(), c.enabled ? preview : before) << c.title;
            EXPECT_EQ(g.ModalResult(), c.enabled ? MrOk : MrNone) << c.title;
            g.SetModalResult(MrNone);
        }
        // On the Extended page the first type that can take a line's points is selected, never a greyed one.
        PickPage(g, "Extended");
        TCustomChart* firstEnabled = nullptr;
        for (TCustomChart* c : panel.Charts())
            if (TChartGalleryPanel::PreviewEnabled(*c)) {
                firstEnabled = c;
                break;
            }
        EXPECT_EQ(panel.SelectedChart(), firstEnabled);
        // Nor does a key move onto a greyed one: Shape stands right of Fast Line.
        PickPage(g, "Standard");
        Preview(panel, "Fast Line")->Click();
        int key = KeyRight;
        g.BOk->KeyDown(key, 0);
        EXPECT_EQ(SelectedTitle(panel), "Fast Line");
        g.BCancel->Click();
    });
    EXPECT_FALSE(ChangeSeriesTypeFromGallery(line));
    EXPECT_EQ(SeriesNames(), std::vector<std::string>{"Series1"});
}

TEST_F(Gallery, KeysMoveTheSelectionAroundTheGridAndEnterChooses) {
    WhenShown<TChartGallery>([&](TChartGallery& g) {
        TChartGalleryPanel& panel = *g.ChartGalleryPanel1;
        struct Case {
            int key;
            const char* selected;  // after the key
        };
        // Standard: Line Bar "Horiz. Bar" Area / Point Pie "Fast Line" Shape.
        const Case cases[] = {
            {KeyLeft, "Line"},           // column 0 has nothing to its left
            {KeyUp, "Line"},             // nor row 0 above it
            {KeyRight, "Bar"},           {KeyDown, "Pie"},       {KeyRight, "Fast Line"},
            {KeyRight, "Shape"},         {KeyRight, "Shape"},    // past the last column nothing moves
            {KeyDown, "Shape"},          // the third row has no previews
            {KeyUp, "Area"},
        };
        for (const Case& c : cases) {
            int key = c.key;
            g.CB3D->KeyDown(key, 0);  // the dialog previews the keys of any control
            EXPECT_EQ(SelectedTitle(panel), c.selected) << c.key;
            EXPECT_EQ(key, KeyNone) << "the grid takes its keys";
        }
        EXPECT_EQ(g.ModalResult(), MrNone);
        int enter = KeyReturn;
        g.CB3D->KeyDown(enter, 0);
        EXPECT_EQ(g.ModalResult(), MrOk);
    });
    TChartSeries* made = CreateSeriesFromGallery(&Window(), nullptr, *chart, true);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(ClassName(*made), "TAreaSeries");
    EXPECT_EQ(made->Name(), "Series1");
    EXPECT_EQ(made->ParentChart(), chart);
    EXPECT_EQ(made->Owner(), &Window());
}

TEST_F(Gallery, TheChoiceMakesASeriesOrAFunctionOnTheChart) {
    struct Case {
        const char* page;
        const char* title;
        bool doubleClick;    // else a click and OK
        const char* series;  // the class made
        const char* function;
    };
    const Case cases[] = {
        {"Standard", "Bar", true, "TBarSeries", ""},
        {"Standard", "Pie", false, "TPieSeries", ""},
        {"Functions", "Moving Average", true, "TLineSeries", "TMovingAverageFunction"},
        {"Extended", "Contour", false, "TContourSeries", ""},
    };
    for (const Case& c : cases) {
        WhenShown<TChartGallery>([&](TChartGallery& g) {
            PickPage(g, c.page);
            TCustomChart* preview = Preview(*g.ChartGalleryPanel1, c.title);
            ASSERT_NE(preview, nullptr);
            if (c.doubleClick) {
                preview->DblClick();
            } else {
                preview->Click();
                g.BOk->Click();
            }
        });
        TChartSeries* made = CreateSeriesFromGallery(&Window(), nullptr, *chart, true);
        ASSERT_NE(made, nullptr) << c.title;
        EXPECT_EQ(ClassName(*made), c.series) << c.title;
        EXPECT_EQ(made->SeriesFunction() ? ClassName(*made->SeriesFunction()) : "", c.function) << c.title;
        EXPECT_EQ(chart->GetSeries(chart->SeriesCount() - 1), made) << "added last";
    }
    EXPECT_EQ(SeriesNames(), (std::vector<std::string>{"Series1", "Series2", "Series3", "Series4"}));
    for (Form* f : app->Forms()) EXPECT_EQ(dynamic_cast<TChartGallery*>(f), nullptr) << "the dialog went with its run";
}

TEST_F(Gallery, TheThreeDBoxTurnsThePreviewsAndTheChartFlat) {
    ASSERT_TRUE(chart->View3D());
    WhenShown<TChartGallery>([&](TChartGallery& g) {
        TChartGalleryPanel& panel = *g.ChartGalleryPanel1;
        EXPECT_TRUE(g.CB3D->Checked()) << "the box starts as the chart is";
        for (TCustomChart* c : panel.Charts()) {
            EXPECT_TRUE(c->View3D());
            EXPECT_EQ(c->MarginLeft(), 0);
        }
        g.CB3D->Click();
        for (TCustomChart* c : panel.Charts()) {
            EXPECT_FALSE(c->View3D()) << c->Name();
            EXPECT_TRUE(c->ClipPoints()) << "a flat chart clips its points";
            for (int side = 0; side < 4; ++side) EXPECT_EQ(c->Margin(side), 7) << c->Name();
        }
        // A page made after the change is flat too.
        PickPage(g, "Functions");
        EXPECT_FALSE(panel.Charts().front()->View3D());
        PickPage(g, "Standard");
        Preview(panel, "Point")->DblClick();
    });
    TChartSeries* made = CreateSeriesFromGallery(&Window(), nullptr, *chart, true);
    ASSERT_NE(made, nullptr);
    EXPECT_FALSE(chart->View3D()) << "the chosen type switched the chart to 2D";
}

TEST_F(Gallery, ChangingTheTypeKeepsNameTitlePlaceDataAndEvents) {
    AddSeries("TLineSeries", 2);
    TChartSeries* series = AddSeries("TLineSeries", 5, "Sales");
    AddSeries("TLineSeries", 1);
    int added = 0;
    series->OnAfterAdd = [&](TChartSeries*, int) { ++added; };
    series->SetSeriesColor(ClTeal);

    WhenShown<TChartGallery>([&](TChartGallery& g) { Preview(*g.ChartGalleryPanel1, "Bar")->DblClick(); });
    TChartSeries* old = series;
    ASSERT_TRUE(ChangeSeriesTypeFromGallery(series));
    ASSERT_NE(series, old);
    ASSERT_NE(dynamic_cast<TBarSeries*>(series), nullptr);
    EXPECT_EQ(series->Name(), "Series2");
    EXPECT_EQ(series->Title(), "Sales");
    EXPECT_EQ(series->SeriesColor(), ClTeal);
    EXPECT_EQ(chart->GetSeries(1), series) << "in the old one's place";
    EXPECT_EQ(SeriesNames(), (std::vector<std::string>{"Series1", "Series2", "Series3"}));
    ASSERT_EQ(series->Count(), 5);
    EXPECT_EQ(series->YValues->GetValue(4), 5);
    series->AddY(9);
    EXPECT_EQ(added, 1) << "the events came over";

    // Choosing its own type again changes nothing, and so does a cancel.
    WhenShown<TChartGallery>([&](TChartGallery& g) {
        EXPECT_EQ(SelectedTitle(*g.ChartGalleryPanel1), "Bar");
        g.BOk->Click();
    });
    TChartSeries* same = series;
    EXPECT_FALSE(ChangeSeriesTypeFromGallery(series));
    WhenShown<TChartGallery>([&](TChartGallery& g) { g.BCancel->Click(); });
    EXPECT_FALSE(ChangeSeriesTypeFromGallery(series));
    EXPECT_EQ(series, same);
    EXPECT_EQ(chart->SeriesCount(), 3);
}

}  // namespace
}  // namespace fv::testing
