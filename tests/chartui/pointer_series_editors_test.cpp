// The editors of the point 3D, polar, radar and gantt series, embedded by the series page as the chart
// editor opens them: each control set as a user sets it and the series read back, settings made in code
// shown when the editor opens, the radar's missing angle fields, and the "Point" tab each of them adds for
// its series' pointer.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "chart/axis.h"
#include "chart/extended/arrow_series.h"
#include "chart/extended/point3d_series.h"
#include "chart/extended/polar_series.h"
#include "chartui/dialogs/brush_dialog.h"
#include "chartui/series_editors/gantt_series_editor.h"
#include "chartui/dialogs/pen_dialog.h"
#include "chartui/series_editors/point3d_series_editor.h"
#include "chartui/series_editors/polar_series_editor.h"
#include "chartui/series_editors/series_editors.h"
#include "chartui/series/series_page.h"
#include "chartui/series_editors/series_pointer_editor.h"
#include "embedded_editor_fixture.h"

namespace fv::testing {
namespace {

class PointerSeriesEditors : public EmbeddedEditorFixture {
protected:
    // Three points unless the test asks otherwise.
    template <class S> S* Add(const std::string& className, int points = 3) {
        return EmbeddedEditorFixture::Add<S>(className, points);
    }
};

// ---- Embedding ----

TEST_F(PointerSeriesEditors, EachSeriesGetsItsEditorAndAPointTabOnItsPointer) {
    struct Row {
        const char* seriesClass;
        std::function<bool(Form*)> isItsEditor;
        std::function<TSeriesPointer*(TChartSeries*)> pointer;
    };
    const Row rows[] = {
        {"TPoint3DSeries", [](Form* f) { return dynamic_cast<TPoint3DSeriesEditor*>(f) != nullptr; },
         [](TChartSeries* s) { return &dynamic_cast<TPoint3DSeries*>(s)->Pointer; }},
        {"TPolarSeries", [](Form* f) { return dynamic_cast<TPolarSeriesEditor*>(f) != nullptr; },
         [](TChartSeries* s) { return &dynamic_cast<TCustomPolarSeries*>(s)->Pointer; }},
        {"TRadarSeries", [](Form* f) { return dynamic_cast<TPolarSeriesEditor*>(f) != nullptr; },
         [](TChartSeries* s) { return &dynamic_cast<TCustomPolarSeries*>(s)->Pointer; }},
        {"TGanttSeries", [](Form* f) { return dynamic_cast<TGanttSeriesEditor*>(f) != nullptr; },
         [](TChartSeries* s) { return &dynamic_cast<TGanttSeries*>(s)->Pointer; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.seriesClass);
        TChartSeries* s = AddSeries(row.seriesClass, 3);
        Open<Form>(s);
        ASSERT_EQ(page->EmbeddedEditors.size(), 2u) << "the editor and its pointer page";
        Form* editor = page->EmbeddedEditors.front();
        EXPECT_TRUE(row.isItsEditor(editor));
        ExpectOnFormat(*editor);
        const std::vector<std::string> tabs = ShownTabs();
        ASSERT_GE(tabs.size(), 2u);
        EXPECT_EQ(tabs[0], "Format");
        EXPECT_EQ(tabs[1], "Point");
        auto* pointerPage = dynamic_cast<TSeriesPointerEditor*>(page->EmbeddedEditors[1]);
        ASSERT_NE(pointerPage, nullptr);
        EXPECT_EQ(&pointerPage->Pointer, row.pointer(s)) << "the series' own pointer";
        // The tab edits that pointer.
        pointerPage->CBPointStyle->UserSelect(int(psDiamond));
        EXPECT_EQ(row.pointer(s)->Style(), psDiamond);
        // Showing the editor again adds no second tab.
        editor->Hide();
        editor->Show();
        EXPECT_EQ(page->EmbeddedEditors.size(), 2u);
    }
    // A series of another class under one of these names gets no editor (and no crash).
    for (const char* name : {"TPoint3DSeriesEditor", "TPolarSeriesEditor", "TGanttSeriesEditor"}) {
        const SeriesEditorFactory* factory = FindSeriesEditor(name);
        ASSERT_NE(factory, nullptr) << name;
        EXPECT_EQ((*factory)(*page, *AddSeries("TBarSeries", 1)), nullptr) << name;
    }
}

TEST_F(PointerSeriesEditors, EveryEditorIsTidyAndFitsTheFormatTab) {
    for (const char* cls : {"TPoint3DSeries", "TPolarSeries", "TRadarSeries", "TGanttSeries"}) {
        SCOPED_TRACE(cls);
        TChartSeries* s = AddSeries(cls, 2);
        EXPECT_EQ(ClassName(*s), cls);
        Form* editor = (*FindSeriesEditor(s->EditorClassName()))(*page, *s);
        ASSERT_NE(editor, nullptr);
        editor->Show();
        ExpectTidyAndFitting(*editor, 2);
    }
}

// ---- Point 3D ----

TEST_F(PointerSeriesEditors, Point3DControlsWriteIntoTheSeries) {
    auto* s = Add<TPoint3DSeries>("TPoint3DSeries");
    TPoint3DSeriesEditor* e = Open<TPoint3DSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->Updating);
    Dialogs().colors = {ClTeal, ClFuchsia};
    PenColourChosen(ClMaroon);
    const bool each = s->ColorEachPoint();
    Run({
        {"depth typed", [&] { e->SEPointDepth->UserSetText("12"); }, [&] { return s->DepthSize() == 12; }},
        {"depth stepped", [&] { e->UDPointDepth->StepUp(); }, [&] { return s->DepthSize() == 13; }},
        {"depth past the top", [&] { e->SEPointDepth->UserSetText("400"); }, [&] { return s->DepthSize() == 100; }},
        {"depth 0 is flat", [&] { e->SEPointDepth->UserSetText("0"); }, [&] { return s->DepthSize() == 0; }},
        {"colour", [&] { e->BitBtn1->Click(); },
         [&] { return s->SeriesColor() == ClTeal && e->SHColor->BrushColor() == ClTeal; }},
        {"swatch", [&] { Release(*e->SHColor); },
         [&] { return s->SeriesColor() == ClFuchsia && e->SHColor->BrushColor() == ClFuchsia; }},
        {"line pen", [&] { e->Button1->Click(); }, [&] { return s->LinePen.GetColor() == ClMaroon; }},
        {"colour each", [&] { e->CBColorEach->Click(); }, [&] { return s->ColorEachPoint() != each; }},
        {"colour each back", [&] { e->CBColorEach->Click(); }, [&] { return s->ColorEachPoint() == each; }},
    });
    // A cancelled colour dialog keeps the colour.
    Dialogs().colors = {std::nullopt};
    e->BitBtn1->Click();
    EXPECT_EQ(s->SeriesColor(), ClFuchsia);
}

TEST_F(PointerSeriesEditors, Point3DSettingsShowWhenTheEditorOpens) {
    struct Row {
        const char* why;
        double depth;
        const char* shown;
    };
    const Row rows[] = {
        {"whole", 9, "9"},
        {"rounded up", 7.6, "8"},
        {"rounded down", 2.2, "2"},
        {"beyond the up-down", 1e300, "100"},
        {"below it", -5, "0"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.why);
        auto* s = Add<TPoint3DSeries>("TPoint3DSeries");
        s->SetDepthSize(row.depth);
        s->SetColorEachPoint(true);
        s->SetSeriesColor(ClNavy);
        TPoint3DSeriesEditor* e = Open<TPoint3DSeriesEditor>(s);
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->SEPointDepth->Text(), row.shown);
        EXPECT_TRUE(e->CBColorEach->Checked());
        EXPECT_EQ(e->SHColor->BrushColor(), ClNavy);
        EXPECT_EQ(e->SHColor->GetCursor(), Cursor::HandPoint);
        EXPECT_EQ(s->DepthSize(), row.depth) << "loading wrote nothing back";
        EXPECT_TRUE(s->ColorEachPoint());
    }
}

// ---- Polar and radar ----

TEST_F(PointerSeriesEditors, PolarControlsWriteIntoTheSeries) {
    auto* s = Add<TPolarSeries>("TPolarSeries");
    TPolarSeriesEditor* e = Open<TPolarSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    const Font font{"Courier", 12, ClRed};
    Dialogs().fonts = {font};
    Dialogs().colors = {ClYellow};
    PenColourChosen(ClBlue);
    WhenShown<TBrushDialog>([](TBrushDialog& d) {
        d.RGStyle->SetItemIndex(6);
        d.Button2->Click();
    });
    const bool circled = s->Circled(), closed = s->CloseCircle();
    const BrushStyle pattern = s->Brush.Style();
    Run({
        {"circled", [&] { e->CBCircled->Click(); }, [&] { return s->Circled() != circled; }},
        {"close circle", [&] { e->CheckBox1->Click(); }, [&] { return s->CloseCircle() != closed; }},
        {"rotation typed", [&] { e->SERotation->UserSetText("45"); }, [&] { return s->RotationAngle() == 45; }},
        {"rotation stepped by 5", [&] { e->UDRotation->StepUp(); }, [&] { return s->RotationAngle() == 50; }},
        {"rotation 360 is 0", [&] { e->SERotation->UserSetText("360"); }, [&] { return s->RotationAngle() == 0; }},
        {"rotation wraps past 360", [&] { e->UDRotation->StepUp(); },
         [&] { return s->RotationAngle() == 0 && e->SERotation->Text() == "0"; }},
        {"rotation wraps below 0", [&] { e->UDRotation->StepDown(); },
         [&] { return e->SERotation->Text() == "360" && s->RotationAngle() == 0; }},
        {"x radius", [&] { e->SEXRadius->UserSetText("120"); }, [&] { return s->CustomXRadius() == 120; }},
        {"y radius", [&] { e->SEYRadius->UserSetText("80"); }, [&] { return s->CustomYRadius() == 80; }},
        {"x radius past the top", [&] { e->SEXRadius->UserSetText("5000"); }, [&] { return s->CustomXRadius() == 2000; }},
        {"angle increment", [&] { e->SEAngleInc->UserSetText("30"); },
         [&] { return s->AngleIncrement() == 30 && chart->BottomAxis()->Increment() == 30; }},
        {"radius increment", [&] { e->SERadiusInc->UserSetText("25"); },
         [&] { return s->RadiusIncrement() == 25 && chart->LeftAxis()->Increment() == 25; }},
        {"labels", [&] { e->CBAngleLabels->Click(); }, [&] { return s->CircleLabels(); }},
        {"labels rotated", [&] { e->CBLabelsRot->Click(); }, [&] { return s->CircleLabelsRotated(); }},
        {"labels font", [&] { e->Button1->Click(); }, [&] { return s->CircleLabelsFont() == font; }},
        {"circle back colour", [&] { e->BBackPieColor->Click(); }, [&] { return s->CircleBackColor() == ClYellow; }},
        {"line pen gives the colour", [&] { e->Button2->Click(); },
         [&] { return s->Pen.GetColor() == ClBlue && s->SeriesColor() == ClBlue; }},
        {"pattern", [&] { e->BBrush->Click(); }, [&] { return s->Brush.Style() != pattern; }},
    });
    PenColourChosen(ClGreen);
    e->BPiePen->Click();
    EXPECT_EQ(s->CirclePen.GetColor(), ClGreen);
    EXPECT_EQ(s->Pen.GetColor(), ClBlue) << "the circle's pen is not the line's";
}

TEST_F(PointerSeriesEditors, PolarSettingsShowWhenTheEditorOpens) {
    auto* s = Add<TPolarSeries>("TPolarSeries");
    s->SetCircled(true);
    s->SetCloseCircle(false);
    s->SetRotationAngle(95);
    s->SetCustomXRadius(150);
    s->SetCustomYRadius(60);
    s->SetAngleIncrement(22.6);
    s->SetRadiusIncrement(12.4);
    s->SetCircleLabels(true);
    s->SetCircleLabelsRotated(true);
    TPolarSeriesEditor* e = Open<TPolarSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->CBCircled->Checked());
    EXPECT_FALSE(e->CheckBox1->Checked());
    EXPECT_EQ(e->SERotation->Text(), "95");
    EXPECT_EQ(e->SEXRadius->Text(), "150");
    EXPECT_EQ(e->SEYRadius->Text(), "60");
    EXPECT_EQ(e->SEAngleInc->Text(), "23") << "shown rounded";
    EXPECT_EQ(e->SERadiusInc->Text(), "12");
    EXPECT_TRUE(e->CBAngleLabels->Checked());
    EXPECT_TRUE(e->CBLabelsRot->Checked());
    // Loading wrote nothing back: the increments keep their fractions.
    EXPECT_EQ(s->AngleIncrement(), 22.6);
    EXPECT_EQ(s->RadiusIncrement(), 12.4);
    EXPECT_EQ(s->RotationAngle(), 95);
    EXPECT_FALSE(s->CloseCircle());
}

TEST_F(PointerSeriesEditors, ARadarHidesTheRotationAndAngleIncrementThatAPolarShows) {
    struct Row {
        const char* seriesClass;
        bool angleFields;
    };
    for (const Row row : {Row{"TPolarSeries", true}, Row{"TRadarSeries", false}}) {
        SCOPED_TRACE(row.seriesClass);
        auto* s = Add<TCustomPolarSeries>(row.seriesClass);
        TPolarSeriesEditor* e = Open<TPolarSeriesEditor>(s);
        ASSERT_NE(e, nullptr);
        for (Control* c : std::initializer_list<Control*>{e->LRotation, e->SERotation, e->UDRotation, e->LAngleInc,
                                                          e->SEAngleInc, e->UDAngleInc})
            EXPECT_EQ(c->Visible(), row.angleFields) << c->Name();
        // The radii, radius increment and labels are every circle's.
        for (Control* c : std::initializer_list<Control*>{e->SEXRadius, e->SEYRadius, e->SERadiusInc, e->GBLabels})
            EXPECT_TRUE(c->Visible()) << c->Name();
        e->SERadiusInc->UserSetText("40");
        EXPECT_EQ(s->RadiusIncrement(), 40);
    }
}

TEST_F(PointerSeriesEditors, APolarSeriesWithoutAChartHasNoIncrementsToSet) {
    // Made by hand, outside any chart: the increments are the chart axes', so there are none.
    TPolarSeries loose;
    TPolarSeriesEditor* e = app->CreateForm<TPolarSeriesEditor>(*program, loose);
    e->Show();
    EXPECT_EQ(e->SERadiusInc->Text(), "0");
    EXPECT_EQ(e->SEAngleInc->Text(), "10");
    e->SERadiusInc->UserSetText("30");
    e->SEAngleInc->UserSetText("45");
    EXPECT_EQ(loose.RadiusIncrement(), 0);
    EXPECT_EQ(loose.AngleIncrement(), 10);
    e->SEXRadius->UserSetText("70");
    EXPECT_EQ(loose.CustomXRadius(), 70) << "its own settings still go to it";
}

// ---- Gantt ----

TEST_F(PointerSeriesEditors, GanttControlsWriteIntoTheSeries) {
    auto* s = Add<TGanttSeries>("TGanttSeries", 0);
    s->AddGanttTask(0, 5, 1);
    TGanttSeriesEditor* e = Open<TGanttSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    // A new gantt colours each task.
    EXPECT_TRUE(e->CBColorEach->Checked());
    EXPECT_FALSE(e->SHColor->Visible());
    Dialogs().colors = {ClLime, ClPurple};
    PenColourChosen(ClOlive);
    Run({
        {"height typed", [&] { e->SEPointVertSize->UserSetText("14"); }, [&] { return s->Pointer.VertSize() == 14; }},
        {"height stepped", [&] { e->UDPointVertSize->StepDown(); }, [&] { return s->Pointer.VertSize() == 13; }},
        {"height 0 stays 1", [&] { e->SEPointVertSize->UserSetText("0"); }, [&] { return s->Pointer.VertSize() == 1; }},
        {"height past the top", [&] { e->SEPointVertSize->UserSetText("5000"); },
         [&] { return s->Pointer.VertSize() == 1000; }},
        {"one colour shows the swatch", [&] { e->CBColorEach->Click(); },
         [&] { return !s->ColorEachPoint() && e->SHColor->Visible(); }},
        {"colour each hides the swatch", [&] { e->CBColorEach->Click(); },
         [&] { return s->ColorEachPoint() && !e->SHColor->Visible(); }},
        {"a colour chosen is every task's", [&] { e->BitBtn1->Click(); },
         [&] {
             return s->SeriesColor() == ClLime && !s->ColorEachPoint() && !e->CBColorEach->Checked() &&
                    e->SHColor->Visible() && e->SHColor->BrushColor() == ClLime;
         }},
        {"swatch", [&] { Release(*e->SHColor); },
         [&] { return s->SeriesColor() == ClPurple && e->SHColor->BrushColor() == ClPurple; }},
        {"connecting lines", [&] { e->BConnLines->Click(); }, [&] { return s->ConnectingPen.GetColor() == ClOlive; }},
    });
}

TEST_F(PointerSeriesEditors, GanttSettingsShowWhenTheEditorOpens) {
    auto* s = Add<TGanttSeries>("TGanttSeries", 0);
    s->AddGanttTask(0, 5, 1);
    s->Pointer.SetVertSize(9);
    s->SetColorEachPoint(true);
    s->SetSeriesColor(ClMaroon);
    TGanttSeriesEditor* e = Open<TGanttSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->SEPointVertSize->Text(), "9");
    EXPECT_TRUE(e->CBColorEach->Checked());
    EXPECT_FALSE(e->SHColor->Visible());
    EXPECT_EQ(e->SHColor->BrushColor(), ClMaroon);
    EXPECT_EQ(e->SHColor->GetCursor(), Cursor::HandPoint);
    EXPECT_EQ(s->Pointer.VertSize(), 9) << "loading wrote nothing back";
    // The pointer page on "Point" shows the same height.
    ASSERT_EQ(page->EmbeddedEditors.size(), 2u);
    EXPECT_EQ(dynamic_cast<TSeriesPointerEditor&>(*page->EmbeddedEditors[1]).SEPointVertSize->Text(), "9");
}

// "Format" and "Point" both set a gantt's bar height: the tab the user brings to the front shows the height
// the other one set, so a step on its arrows goes on from there.
TEST_F(PointerSeriesEditors, ATabBroughtToTheFrontShowsWhatTheOtherTabSet) {
    auto* s = Add<TGanttSeries>("TGanttSeries", 0);
    s->AddGanttTask(0, 5, 1);
    s->Pointer.SetVertSize(9);
    TGanttSeriesEditor* e = Open<TGanttSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    ASSERT_EQ(page->EmbeddedEditors.size(), 2u);
    auto& point = dynamic_cast<TSeriesPointerEditor&>(*page->EmbeddedEditors[1]);
    auto* pointSheet = dynamic_cast<TabSheet*>(point.Parent());
    ASSERT_NE(pointSheet, nullptr);

    e->SEPointVertSize->UserSetText("20");
    EXPECT_EQ(s->Pointer.VertSize(), 20);
    page->PageSeries->UserSelectPage(pointSheet);
    EXPECT_EQ(point.SEPointVertSize->Text(), "20");
    point.UDPointVertSize->StepUp();
    EXPECT_EQ(s->Pointer.VertSize(), 21);

    page->PageSeries->UserSelectPage(page->TheTabSheet);
    EXPECT_EQ(e->SEPointVertSize->Text(), "21");
    EXPECT_EQ(s->Pointer.VertSize(), 21) << "bringing a tab to the front writes nothing back";
    EXPECT_FALSE(e->Updating);
}

}  // namespace
}  // namespace fv::testing
