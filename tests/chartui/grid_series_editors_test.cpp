// The editors of the surface and contour series and their shared "Grid 3D" page, embedded by the series
// page as the chart editor opens them: each control set as a user sets it and the series read back,
// settings made in code shown when the editor opens, and when the grid size may be changed.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "chart/extended/surface_series.h"
#include "chartui/dialogs/brush_dialog.h"
#include "chartui/series_editors/contour_series_editor.h"
#include "chartui/series_editors/grid_3d_page.h"
#include "chartui/dialogs/pen_dialog.h"
#include "chartui/series_editors/series_editors.h"
#include "chartui/series/series_page.h"
#include "chartui/series_editors/surface_series_editor.h"
#include "embedded_editor_fixture.h"

namespace fv::testing {
namespace {

class GridEditors : public EmbeddedEditorFixture {
protected:
    // The grid page the editor put on its own tab.
    TGrid3DSeriesEditor* GridPage() {
        for (Form* f : page->EmbeddedEditors)
            if (auto* g = dynamic_cast<TGrid3DSeriesEditor*>(f)) return g;
        return nullptr;
    }
    // A grid of nx by nz points filled from data, as a program or a data source fills it.
    template <class S> S* AddFromData(const std::string& className, int nx, int nz) {
        S* s = Add<S>(className);
        for (int x = 0; x < nx; ++x)
            for (int z = 0; z < nz; ++z) s->AddXYZPoint(x, x + z, z);
        return s;
    }
};

TEST_F(GridEditors, EachGridSeriesGetsItsEditorOnFormatAndTheGridPageOnGrid3D) {
    struct Row {
        const char* seriesClass;
        const char* editorName;
    };
    const Row rows[] = {{"TSurfaceSeries", "SurfaceSeriesEditor"}, {"TContourSeries", "ContourSeriesEditor"}};
    for (const Row& row : rows) {
        TChartSeries* s = AddSeries(row.seriesClass);
        EXPECT_EQ(s->EditorClassName(), std::string("T") + row.editorName);
        app->SetScreenCursor(Cursor::HourGlass);
        Open<Form>(s);
        EXPECT_EQ(app->ScreenCursor(), Cursor::Default) << "showing an editor puts the cursor back";
        ASSERT_EQ(page->EmbeddedEditors.size(), 2u) << row.seriesClass;
        Form* format = page->EmbeddedEditors.front();
        EXPECT_EQ(format->Name(), row.editorName);
        ExpectOnFormat(*format);
        // The grid page comes right after "Format", on the same series.
        const std::vector<std::string> tabs = Tabs();
        ASSERT_GE(tabs.size(), 2u);
        EXPECT_EQ(tabs[0], "Format");
        EXPECT_EQ(tabs[1], "Grid 3D") << row.seriesClass;
        TGrid3DSeriesEditor* grid = GridPage();
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(&grid->Series, s);
        EXPECT_TRUE(grid->Visible());
        EXPECT_EQ(std::count(tabs.begin(), tabs.end(), std::string("Grid 3D")), 1) << "one grid page, not one per show";
    }
    // Another series takes the grid page away with the editors.
    Open<Form>(AddSeries("TLineSeries", 2));
    const std::vector<std::string> tabs = Tabs();
    EXPECT_EQ(std::count(tabs.begin(), tabs.end(), std::string("Grid 3D")), 0);
    EXPECT_EQ(GridPage(), nullptr);
    // A series of another class under these names gets no editor (and no crash).
    for (const char* name : {"TSurfaceSeriesEditor", "TContourSeriesEditor", "TGrid3DSeriesEditor"}) {
        const SeriesEditorFactory* f = FindSeriesEditor(name);
        ASSERT_NE(f, nullptr) << name;
        EXPECT_EQ((*f)(*page, *AddSeries("TLineSeries", 1)), nullptr) << name;
    }
}

TEST_F(GridEditors, TheEditorsAndTheGridPageAreTidyAndFitTheirTab) {
    const char* classes[] = {"TSurfaceSeries", "TContourSeries"};
    for (const char* cls : classes) {
        TChartSeries* s = AddSeries(cls);
        // Made as the page makes them, but left standing on their own to look at their layout.
        Form* format = (*FindSeriesEditor(s->EditorClassName()))(*page, *s);
        Form* grid = page->Make<TGrid3DSeriesEditor>(page->P, *s);
        for (Form* editor : {format, grid}) {
            ASSERT_NE(editor, nullptr) << cls;
            SCOPED_TRACE(std::string(cls) + ": " + editor->Name());
            ExpectTidyAndFitting(*editor, 3);
        }
    }
}

// ---- Surface ----

TEST_F(GridEditors, SurfaceControlsWriteIntoTheSeries) {
    auto* s = Add<TSurfaceSeries>("TSurfaceSeries");
    s->Pen.SetVisible(false);
    TSurfaceSeriesEditor* e = Open<TSurfaceSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->RadioGroup1->Items(), (std::vector<std::string>{"Solid", "WireFrame", "DotFrame"}));
    PenColourChosen(ClMaroon);
    WhenShown<TBrushDialog>([](TBrushDialog& d) {
        d.RGStyle->SetItemIndex(6);
        d.Button2->Click();
    });
    const BrushStyle before = s->Brush.Style();
    Run({
        // A frame is drawn with the pen: choosing one makes an invisible pen visible.
        {"wire frame", [&] { e->RadioGroup1->SetItemIndex(1); },
         [&] { return s->WireFrame() && !s->DotFrame() && s->Pen.Visible(); }},
        {"dots, the wire frame goes", [&] { e->RadioGroup1->SetItemIndex(2); },
         [&] { return s->DotFrame() && !s->WireFrame(); }},
        {"wire frame again, the dots go", [&] { e->RadioGroup1->SetItemIndex(1); },
         [&] { return s->WireFrame() && !s->DotFrame(); }},
        {"solid", [&] { e->RadioGroup1->SetItemIndex(0); }, [&] { return !s->WireFrame() && !s->DotFrame(); }},
        {"dots from solid", [&] { e->RadioGroup1->SetItemIndex(2); }, [&] { return s->DotFrame() && !s->WireFrame(); }},
        {"pen", [&] { e->Button2->Click(); }, [&] { return s->Pen.GetColor() == ClMaroon; }},
        {"brush", [&] { e->Button3->Click(); }, [&] { return s->Brush.Style() != before; }},
    });
}

TEST_F(GridEditors, SurfaceDrawingModeShowsWhenTheEditorOpens) {
    struct Row {
        const char* why;
        bool wire, dots;
        int shown;
    };
    const Row rows[] = {
        {"filled cells", false, false, 0},
        {"outlines only", true, false, 1},
        {"corners only", false, true, 2},
    };
    for (const Row& row : rows) {
        auto* s = Add<TSurfaceSeries>("TSurfaceSeries");
        if (row.wire) s->SetWireFrame(true);
        if (row.dots) s->SetDotFrame(true);
        s->Pen.SetVisible(row.wire || row.dots);
        TSurfaceSeriesEditor* e = Open<TSurfaceSeriesEditor>(s);
        ASSERT_NE(e, nullptr) << row.why;
        EXPECT_EQ(e->RadioGroup1->ItemIndex(), row.shown) << row.why;
        EXPECT_FALSE(e->Updating) << row.why;
        // Loading wrote nothing back.
        EXPECT_EQ(s->WireFrame(), row.wire) << row.why;
        EXPECT_EQ(s->DotFrame(), row.dots) << row.why;
        EXPECT_EQ(s->Pen.Visible(), row.wire || row.dots) << row.why;
    }
}

// ---- Contour ----

TEST_F(GridEditors, ContourControlsWriteIntoTheSeries) {
    auto* s = Add<TContourSeries>("TContourSeries");
    TContourSeriesEditor* e = Open<TContourSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    ASSERT_FALSE(s->YPositionLevel());
    const bool each = s->ColorEachPoint();
    PenColourChosen(ClGreen);
    Run({
        {"levels typed", [&] { e->SENumLevels->UserSetText("25"); }, [&] { return s->NumLevels() == 25; }},
        {"levels stepped", [&] { e->UDNumLevels->StepUp(); }, [&] { return s->NumLevels() == 26; }},
        {"levels past the top", [&] { e->SENumLevels->UserSetText("400"); }, [&] { return s->NumLevels() == 150; }},
        {"levels below one", [&] { e->SENumLevels->UserSetText("0"); }, [&] { return s->NumLevels() == 1; }},
        {"height typed", [&] { e->SEYPos->UserSetText("40"); }, [&] { return s->YPosition() == 40; }},
        {"height stepped down", [&] { e->UDYPos->StepDown(); }, [&] { return s->YPosition() == 39; }},
        {"lines at their levels", [&] { e->CBYPosLevel->Click(); },
         [&] { return s->YPositionLevel() && !e->SEYPos->Enabled() && !e->UDYPos->Enabled(); }},
        {"one height again", [&] { e->CBYPosLevel->Click(); },
         [&] { return !s->YPositionLevel() && e->SEYPos->Enabled() && e->UDYPos->Enabled(); }},
        {"colour each level", [&] { e->CBColorEach->Click(); }, [&] { return s->ColorEachPoint() != each; }},
        {"pen", [&] { e->Button2->Click(); }, [&] { return s->Pen.GetColor() == ClGreen; }},
    });
}

TEST_F(GridEditors, ContourSettingsShowWhenTheEditorOpens) {
    auto* s = Add<TContourSeries>("TContourSeries");
    s->SetNumLevels(33);
    s->SetYPosition(12.6);
    s->SetYPositionLevel(true);
    s->SetColorEachPoint(false);
    TContourSeriesEditor* e = Open<TContourSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->SENumLevels->Text(), "33");
    EXPECT_EQ(e->SEYPos->Text(), "13") << "the height rounded";
    EXPECT_TRUE(e->CBYPosLevel->Checked());
    EXPECT_FALSE(e->SEYPos->Enabled()) << "lines at their levels: no one height";
    EXPECT_FALSE(e->CBColorEach->Checked());
    // Loading wrote nothing back: the height keeps its fraction.
    EXPECT_EQ(s->YPosition(), 12.6);
    EXPECT_EQ(s->NumLevels(), 33);
    EXPECT_TRUE(s->YPositionLevel());
    EXPECT_FALSE(s->ColorEachPoint());
}

TEST_F(GridEditors, AContourHeightTheFieldCannotHoldIsKeptUntilChanged) {
    struct Row {
        const char* why;
        double height;
        const char* shown;
    };
    const Row rows[] = {
        {"below the field", -250.5, "0"},
        {"above the field", 1e12, "100"},
    };
    for (const Row& row : rows) {
        auto* s = Add<TContourSeries>("TContourSeries");
        s->SetYPosition(row.height);
        TContourSeriesEditor* e = Open<TContourSeriesEditor>(s);
        ASSERT_NE(e, nullptr) << row.why;
        EXPECT_EQ(e->SEYPos->Text(), row.shown) << row.why;
        EXPECT_EQ(s->YPosition(), row.height) << row.why;
    }
}

// ---- The grid page ----

TEST_F(GridEditors, TheGridSizeIsOnlyOpenWhenTheSeriesMakesItsOwnPoints) {
    struct Row {
        const char* why;
        std::function<void(TCustom3DGridSeries&)> arrange;
        bool open;
    };
    const Row rows[] = {
        {"filled from data: its size is what the points give", [](TCustom3DGridSeries&) {}, false},
        {"a Y value handler makes the points",
         [](TCustom3DGridSeries& g) { g.OnGetYValue = [](TChartSeries*, int x, int z) { return double(x * z); }; }, true},
        {"the chart is being designed", [this](TCustom3DGridSeries&) { chart->Designing = true; }, true},
        {"sample values are being made", [](TCustom3DGridSeries& g) { g.SampleMode = true; }, true},
    };
    for (const char* cls : {"TSurfaceSeries", "TContourSeries"})
        for (const Row& row : rows) {
            SCOPED_TRACE(std::string(cls) + ": " + row.why);
            chart->Designing = false;
            auto* s = AddFromData<TCustom3DGridSeries>(cls, 4, 3);
            row.arrange(*s);
            Open<Form>(s);
            TGrid3DSeriesEditor* g = GridPage();
            ASSERT_NE(g, nullptr);
            for (Control* c : std::initializer_list<Control*>{g->SEXGrid, g->UDXGrid, g->SEZGrid, g->UDZGrid})
                EXPECT_EQ(c->Enabled(), row.open) << c->Name();
            EXPECT_TRUE(g->EDepth->Enabled()) << "the depth is the series' own whatever fills it";
            EXPECT_EQ(g->SEXGrid->Text(), "10") << "the size at least the points need";
            EXPECT_EQ(s->Count(), 12) << "opening the page refilled nothing";
        }
    chart->Designing = false;
}

TEST_F(GridEditors, ANewGridSizeAsksTheHandlerForEveryCell) {
    auto* s = Add<TSurfaceSeries>("TSurfaceSeries");
    std::vector<std::pair<int, int>> asked;
    s->OnGetYValue = [&asked](TChartSeries*, int x, int z) {
        asked.emplace_back(x, z);
        return double(x + 10 * z);
    };
    s->FillGridValues(2, 2);
    Open<Form>(s);
    TGrid3DSeriesEditor* g = GridPage();
    ASSERT_NE(g, nullptr);
    ASSERT_TRUE(g->SEXGrid->Enabled());
    asked.clear();
    g->SEXGrid->UserSetText("3");
    EXPECT_EQ(s->NumXValues(), 3);
    EXPECT_EQ(s->Count(), 6);
    EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {2, 1}, {2, 2}, {3, 1}, {3, 2}}))
        << "row by row, as the grid is filled";
    asked.clear();
    g->UDZGrid->StepUp();
    EXPECT_EQ(s->NumZValues(), 3);
    EXPECT_EQ(s->Count(), 9);
    EXPECT_EQ(asked.size(), 9u);
    EXPECT_EQ(s->YValues->GetValue(s->GridPointIndex(3, 3)), 33);
}

TEST_F(GridEditors, GridSettingsShowOnTheGridTab) {
    struct Row {
        const char* why;
        bool range, palette;
        const char* checked;
    };
    const Row rows[] = {
        {"a colour range", true, false, "RGRange"},
        {"a palette", false, true, "RGPalette"},
        {"the series' colour", false, false, "RGColor"},
    };
    for (const Row& row : rows) {
        auto* s = AddFromData<TContourSeries>("TContourSeries", 3, 3);
        s->SetTimesZOrder(6);
        s->SetPaletteSteps(12);
        s->SetUseColorRange(row.range);
        s->SetUsePalette(row.palette);
        s->SetSeriesColor(ClTeal);
        s->SetStartColor(ClMaroon);
        s->SetEndColor(ClYellow);
        Open<Form>(s);
        TGrid3DSeriesEditor* g = GridPage();
        ASSERT_NE(g, nullptr) << row.why;
        for (RadioButton* b : {g->RGRange, g->RGPalette, g->RGColor})
            EXPECT_EQ(b->Checked(), b->Name() == row.checked) << row.why << ": " << b->Name();
        EXPECT_EQ(g->EDepth->Text(), "6") << row.why;
        EXPECT_EQ(g->SEPalette->Text(), "12") << row.why;
        EXPECT_EQ(g->Shape1->BrushColor(), ClTeal) << row.why;
        EXPECT_EQ(g->Shape2->BrushColor(), ClMaroon) << row.why;
        EXPECT_EQ(g->Shape3->BrushColor(), ClYellow) << row.why;
        for (Shape* sw : {g->Shape1, g->Shape2, g->Shape3}) EXPECT_EQ(sw->GetCursor(), Cursor::HandPoint);
        // Loading wrote nothing back.
        EXPECT_EQ(s->UseColorRange(), row.range) << row.why;
        EXPECT_EQ(s->UsePalette(), row.palette) << row.why;
        EXPECT_EQ(s->TimesZOrder(), 6) << row.why;
        EXPECT_EQ(s->Count(), 9) << row.why;
    }
}

TEST_F(GridEditors, TheGridTabWritesIntoTheSeriesItEdits) {
    auto* s = AddFromData<TSurfaceSeries>("TSurfaceSeries", 3, 3);
    Open<Form>(s);
    TGrid3DSeriesEditor* g = GridPage();
    ASSERT_NE(g, nullptr);
    Dialogs().colors = {ClRed, ClLime, ClBlue};
    Run({
        {"palette", [&] { g->RGPalette->SetChecked(true); },
         [&] { return s->UsePalette() && !s->UseColorRange() && !s->Palette().empty(); }},
        {"palette steps", [&] { g->SEPalette->UserSetText("5"); },
         [&] { return s->PaletteSteps() == 5 && s->Palette().size() == 5u; }},
        {"empty steps ignored", [&] { g->SEPalette->UserSetText(""); }, [&] { return s->PaletteSteps() == 5; }},
        {"range", [&] { g->RGRange->SetChecked(true); }, [&] { return s->UseColorRange() && !s->UsePalette(); }},
        {"series colour", [&] { g->RGColor->SetChecked(true); },
         [&] { return !s->UseColorRange() && !s->UsePalette() && !s->ColorEachPoint(); }},
        {"depth", [&] { g->EDepth->UserSetText("8"); }, [&] { return s->TimesZOrder() == 8; }},
        {"series colour swatch", [&] { Release(*g->Shape1); },
         [&] { return s->SeriesColor() == ClRed && g->Shape1->BrushColor() == ClRed; }},
        {"start swatch", [&] { Release(*g->Shape2); },
         [&] { return s->StartColor() == ClLime && g->Shape2->BrushColor() == ClLime; }},
        {"end swatch", [&] { Release(*g->Shape3); },
         [&] { return s->EndColor() == ClBlue && g->Shape3->BrushColor() == ClBlue; }},
    });
    // A cancelled colour dialog keeps the colour.
    Dialogs().colors = {std::nullopt};
    Release(*g->Shape2);
    EXPECT_EQ(s->StartColor(), ClLime);
}

}  // namespace
}  // namespace fv::testing
