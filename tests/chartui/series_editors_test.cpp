// The series type editors: each control set as a user sets it, read back from the series (one table per
// editor, each row with its reason); settings made in code shown when the editor opens; the enabling
// rules; and the series page embedding the editor its series names, with the "Point" tab where one belongs.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "chart/fast_line.h"
#include "chart/series/bar_series.h"
#include "chart/series/line_series.h"
#include "chart/series/pie_series.h"
#include "chartui/series_editors/area_series_editor.h"
#include "chartui/series_editors/bar_series_editor.h"
#include "chartui/series_editors/custom_series_editor.h"
#include "chartui/series_editors/fast_line_editor.h"
#include "chartui/series_editors/grid_3d_page.h"
#include "chartui/dialogs/pen_dialog.h"
#include "chartui/series_editors/pie_series_editor.h"
#include "chartui/series_editors/series_editors.h"
#include "chartui/series/series_page.h"
#include "chartui/series_editors/series_pointer_editor.h"
#include "embedded_editor_fixture.h"

namespace fv::testing {
namespace {

class SeriesEditors : public SeriesEditingFixture {
protected:
    // The editor on its own (no page around it), shown.
    template <class E, class S> E& Open(S* series) {
        E* e = app->CreateForm<E>(*program, *series);
        e->Show();
        return *e;
    }
    // Three points unless the test asks otherwise.
    template <class S> S* Add(const std::string& className, int points = 3) {
        return SeriesEditingFixture::Add<S>(className, points);
    }
};

TEST_F(SeriesEditors, BarControlsSetTheSeries) {
    auto* bar = Add<TBarSeries>("TBarSeries");
    bar->SetUseYOrigin(false);
    auto& e = Open<TBarSeriesEditor>(bar);
    EXPECT_FALSE(e.Updating);
    EXPECT_FALSE(e.EYOrigin->Enabled());
    Run({
        {"width typed", [&] { e.SEBarwidth->UserSetText("40"); }, [&] { return bar->BarWidthPercent() == 40; }},
        {"width stepped by 5", [&] { e.UDBarWidth->StepUp(); }, [&] { return bar->BarWidthPercent() == 45; }},
        {"offset below zero", [&] { e.SEBarOffset->UserSetText("-20"); }, [&] { return bar->OffsetPercent() == -20; }},
        {"style cylinder", [&] { e.CBBarStyle->UserSelect(3); }, [&] { return bar->BarStyle() == bsCilinder; }},
        {"use origin", [&] { e.CBYOrigin->Click(); }, [&] { return bar->UseYOrigin() && e.EYOrigin->Enabled(); }},
        {"origin typed", [&] { e.EYOrigin->UserSetText("2.5"); }, [&] { return bar->YOrigin() == 2.5; }},
        {"empty origin ignored", [&] { e.EYOrigin->UserSetText(""); }, [&] { return bar->YOrigin() == 2.5; }},
        {"stacked", [&] { e.RGMultiBar->SetItemIndex(2); }, [&] { return bar->MultiBar() == mbStacked; }},
        {"dark sides off", [&] { e.CBDarkBar->Click(); }, [&] { return bar->Dark3D() == e.CBDarkBar->Checked(); }},
        {"side margins", [&] { e.CBBarSideMargins->Click(); },
         [&] { return bar->SideMargins() == e.CBBarSideMargins->Checked(); }},
        {"auto mark position", [&] { e.CBMarksAutoPosition->Click(); },
         [&] { return bar->AutoMarkPosition() == e.CBMarksAutoPosition->Checked(); }},
        {"origin unused again", [&] { e.CBYOrigin->Click(); }, [&] { return !bar->UseYOrigin() && !e.EYOrigin->Enabled(); }},
    });
    // A text that is no number is refused with the conversion error; the origin stays.
    EXPECT_THROW(e.EYOrigin->UserSetText("abc"), std::invalid_argument);
    EXPECT_EQ(bar->YOrigin(), 2.5);
}

TEST_F(SeriesEditors, BarColourEachHidesTheSwatchAndAColourChoiceUnchecksIt) {
    auto* bar = Add<TBarSeries>("TBarSeries");
    bar->SetColorEachPoint(true);
    auto& e = Open<TBarSeriesEditor>(bar);
    EXPECT_TRUE(e.CBColorEach->Checked());
    EXPECT_FALSE(e.SHBarColor->Visible());
    EXPECT_FALSE(e.BBarColor->Enabled());

    e.CBColorEach->Click();
    EXPECT_FALSE(bar->ColorEachPoint());
    EXPECT_TRUE(e.SHBarColor->Visible());
    EXPECT_TRUE(e.BBarColor->Enabled());
    e.CBColorEach->Click();

    // The colour is chosen through the swatch's mouse release, as through the button.
    bar->SetColorEachPoint(true);
    Dialogs().colors.push_back(ClLime);
    e.BBarColor->Click();
    EXPECT_EQ(bar->SeriesColor(), ClLime);
    EXPECT_FALSE(e.CBColorEach->Checked());
    EXPECT_FALSE(bar->ColorEachPoint());
    EXPECT_EQ(e.SHBarColor->BrushColor(), ClLime);
    Dialogs().colors.push_back(ClNavy);
    e.SHBarColor->OnMouseUp(e.SHBarColor, MouseButton::Left, 0, 1, 1);
    EXPECT_EQ(bar->SeriesColor(), ClNavy);
}

TEST_F(SeriesEditors, ABarSetInCodeShowsAndOpeningWritesNothing) {
    auto* bar = Add<TBarSeries>("TBarSeries");
    bar->SetBarWidthPercent(55);
    bar->SetOffsetPercent(-10);
    bar->SetBarStyle(bsArrow);
    bar->SetUseYOrigin(true);
    bar->SetYOrigin(-3.25);
    bar->SetMultiBar(mbStacked100);
    auto& e = Open<TBarSeriesEditor>(bar);
    EXPECT_EQ(e.UDBarWidth->Position(), 55);
    EXPECT_EQ(e.SEBarOffset->Text(), "-10");
    EXPECT_EQ(e.CBBarStyle->Text(), "Arrow");
    EXPECT_TRUE(e.CBYOrigin->Checked());
    EXPECT_EQ(e.EYOrigin->Text(), "-3.25");
    EXPECT_EQ(e.RGMultiBar->ItemIndex(), 3);
    EXPECT_EQ(bar->BarWidthPercent(), 55);
    EXPECT_EQ(bar->YOrigin(), -3.25);
}

TEST_F(SeriesEditors, PointerControlsSetThePointer) {
    auto* pts = Add<TPointSeries>("TPointSeries");
    chart->SetView3D(true);
    TSeriesPointer& p = pts->Pointer;
    auto& e = Open<TSeriesPointerEditor>(pts);
    EXPECT_EQ(&e.Pointer, &p);
    Run({
        {"width", [&] { e.SEPointHorizSize->UserSetText("7"); }, [&] { return p.HorizSize() == 7; }},
        {"height", [&] { e.UDPointVertSize->StepUp(); }, [&] { return p.VertSize() == e.UDPointVertSize->Position(); }},
        {"style star", [&] { e.CBPointStyle->UserSelect(6); }, [&] { return p.Style() == psStar; }},
        {"3D only for squares and triangles", [] {}, [&] { return !e.CB3dPoint->Enabled() && !e.CBPoDark->Enabled(); }},
        {"triangle allows 3D", [&] { e.CBPointStyle->UserSelect(2); },
         [&] { return p.Style() == psTriangle && e.CB3dPoint->Enabled() && e.CBPoDark->Enabled(); }},
        {"3D", [&] { e.CB3dPoint->Click(); }, [&] { return p.Draw3D() == e.CB3dPoint->Checked(); }},
        {"dark", [&] { e.CBPoDark->Click(); }, [&] { return p.Dark3D() == e.CBPoDark->Checked(); }},
        {"inflate", [&] { e.CBInflate->Click(); }, [&] { return p.InflateMargins() == e.CBInflate->Checked(); }},
        {"hidden disables the rest", [&] { e.CBDrawPoint->Click(); },
         [&] {
             return !p.Visible() && !e.CB3dPoint->Enabled() && !e.CBPointStyle->Enabled() &&
                    !e.SEPointHorizSize->Enabled() && !e.CBDefBrushColor->Enabled() && !e.BPoinPenCol->Enabled();
         }},
        {"shown again", [&] { e.CBDrawPoint->Click(); },
         [&] { return p.Visible() && e.CB3dPoint->Enabled() && e.CBPointStyle->Enabled(); }},
    });
    // The up-down stops at 1: a typed 0 gives the smallest marker rather than the pointer's size error.
    e.SEPointHorizSize->UserSetText("0");
    EXPECT_EQ(p.HorizSize(), 1);
}

TEST_F(SeriesEditors, PointerBackgroundAndItsDefault) {
    auto* pts = Add<TPointSeries>("TPointSeries");
    chart->SetView3D(false);
    TSeriesPointer& p = pts->Pointer;
    p.Brush.SetColor(AutomaticColour);
    pts->SetSeriesColor(ClTeal);
    auto& e = Open<TSeriesPointerEditor>(pts);
    EXPECT_TRUE(e.CBDefBrushColor->Checked());
    EXPECT_FALSE(e.CB3dPoint->Enabled()) << "a flat chart draws no 3D markers";

    // The colour dialog starts from the series' colour while the marker takes it.
    Dialogs().colors.push_back(ClRed);
    e.BPointFillColor->Click();
    EXPECT_EQ(Dialogs().lastColor, ClTeal);
    EXPECT_EQ(p.Brush.GetColor(), ClRed);
    EXPECT_FALSE(e.CBDefBrushColor->Checked());
    e.CBDefBrushColor->Click();
    EXPECT_EQ(p.Brush.GetColor(), AutomaticColour);
    e.CBDefBrushColor->Click();  // unchecking changes nothing
    EXPECT_EQ(p.Brush.GetColor(), AutomaticColour);
}

TEST_F(SeriesEditors, LineControlsSetTheSeries) {
    auto* line = Add<TLineSeries>("TLineSeries");
    auto& e = Open<TCustomSeriesEditor>(line);
    EXPECT_FALSE(e.CBInvStairs->Enabled());
    Run({
        {"pattern", [&] { e.CBLineBrush->UserSelect(6); }, [&] { return line->LineBrush() == BrushStyle::Cross; }},
        {"stairs enables inverted", [&] { e.CBStairs->Click(); },
         [&] { return line->Stairs() && e.CBInvStairs->Enabled(); }},
        {"inverted", [&] { e.CBInvStairs->Click(); }, [&] { return line->InvertedStairs(); }},
        {"colour each", [&] { e.CBColorEach->Click(); }, [&] { return line->ColorEachPoint(); }},
        {"dark 3D", [&] { e.CBDark3D->Click(); }, [&] { return line->Dark3D() == e.CBDark3D->Checked(); }},
        {"colour", [&] { Dialogs().colors.push_back(ClMaroon); e.BLineColor->Click(); },
         [&] { return line->SeriesColor() == ClMaroon && e.ShColor->BrushColor() == ClMaroon; }},
    });
    EXPECT_EQ(e.GPLine->Caption(), "Line:");
    EXPECT_TRUE(e.GBStair->Visible());
}

TEST_F(SeriesEditors, ALineTypeSeriesOtherThanALineShowsColourOnly) {
    // The area series derives from the line-type base: shown through the general editor it keeps only
    // the colour and "Color Each".
    auto* area = Add<TAreaSeries>("TAreaSeries");
    auto& e = Open<TCustomSeriesEditor>(area);
    EXPECT_EQ(e.GPLine->Caption(), "");
    for (Control* c : std::initializer_list<Control*>{e.BLineBorder, e.LPattern, e.CBLineBrush, e.GBStair, e.CBDark3D})
        EXPECT_FALSE(c->Visible()) << c->Name();
    EXPECT_TRUE(e.BLineColor->Visible());
    EXPECT_TRUE(e.CBColorEach->Visible());
}

TEST_F(SeriesEditors, AreaControlsSetTheSeries) {
    auto* area = Add<TAreaSeries>("TAreaSeries");
    area->SetStairs(true);
    auto& e = Open<TAreaSeriesEditor>(area);
    EXPECT_TRUE(e.CBStairs->Checked());
    EXPECT_TRUE(e.CBInvStairs->Enabled());
    Run({
        {"stacked", [&] { e.RGMultiArea->SetItemIndex(1); }, [&] { return area->MultiArea() == maStacked; }},
        {"pattern", [&] { e.CBAreaBrush->UserSelect(4); }, [&] { return area->AreaBrush() == BrushStyle::FDiagonal; }},
        {"inverted", [&] { e.CBInvStairs->Click(); }, [&] { return area->InvertedStairs(); }},
        {"no stairs", [&] { e.CBStairs->Click(); }, [&] { return !area->Stairs() && !e.CBInvStairs->Enabled(); }},
        {"colour each hides the swatch", [&] { e.CBColorEach->Click(); },
         [&] { return area->ColorEachPoint() && !e.SHAreaColor->Visible() && !e.BAreaColor->Enabled(); }},
        {"and back", [&] { e.CBColorEach->Click(); },
         [&] { return !area->ColorEachPoint() && e.SHAreaColor->Visible() && e.BAreaColor->Enabled(); }},
        {"colour", [&] { Dialogs().colors.push_back(ClOlive); e.BAreaColor->Click(); },
         [&] { return area->SeriesColor() == ClOlive && e.SHAreaColor->BrushColor() == ClOlive; }},
    });
    // An area with its own colour: the swatch shows it, and a choice replaces it (else nothing would show).
    area->SetAreaColor(ClYellow);
    e.Hide();
    e.Show();
    EXPECT_EQ(e.SHAreaColor->BrushColor(), ClYellow);
    Dialogs().colors.push_back(ClPurple);
    e.SHAreaColor->OnMouseUp(e.SHAreaColor, MouseButton::Left, 0, 1, 1);
    EXPECT_EQ(Dialogs().lastColor, ClYellow);
    EXPECT_EQ(area->AreaColor(), ClPurple);
    EXPECT_EQ(area->SeriesColor(), ClPurple);
    EXPECT_EQ(e.SHAreaColor->BrushColor(), ClPurple);
}

TEST_F(SeriesEditors, PieControlsSetTheSeries) {
    auto* pie = Add<TPieSeries>("TPieSeries");
    chart->SetView3D(false);
    auto& e = Open<TPieSeriesEditor>(pie);
    EXPECT_TRUE(e.CBAutoXR->Checked()) << "the Auto boxes start checked";
    EXPECT_FALSE(e.EOtherLabel->Enabled());
    Run({
        {"circled", [&] { e.CBCircled->Click(); }, [&] { return pie->Circled() == e.CBCircled->Checked(); }},
        {"chart 3D", [&] { e.CB3D->Click(); }, [&] { return chart->View3D(); }},
        {"dark", [&] { e.CBDark3d->Click(); }, [&] { return pie->Dark3D() == e.CBDark3d->Checked(); }},
        {"rotation", [&] { e.SERotation->UserSetText("90"); }, [&] { return pie->RotationAngle() == 90; }},
        {"rotation arrows wrap past 360", [&] { e.SERotation->UserSetText("360"); e.UDRotation->StepUp(); },
         [&] { return pie->RotationAngle() == 0 && e.SERotation->Text() == "0"; }},
        {"explode", [&] { e.UDExpBig->StepUp(); }, [&] { return pie->ExplodeBiggest() == 5; }},
        {"x radius unchecks auto", [&] { e.SEXRadius->UserSetText("120"); },
         [&] { return pie->CustomXRadius() == 120 && !e.CBAutoXR->Checked(); }},
        {"typing 0 checks auto", [&] { e.SEXRadius->UserSetText("0"); },
         [&] { return pie->CustomXRadius() == 0 && e.CBAutoXR->Checked(); }},
        {"y radius", [&] { e.SEYRadius->UserSetText("80"); },
         [&] { return pie->CustomYRadius() == 80 && !e.CBAutoYR->Checked(); }},
        {"auto sets the radius to 0", [&] { e.CBAutoYR->Click(); },
         [&] { return pie->CustomYRadius() == 0 && e.SEYRadius->Text() == "0"; }},
        {"patterns enable back colour", [&] { e.CBPatterns->Click(); },
         [&] { return pie->UsePatterns() == e.CBPatterns->Checked() && e.BBackPieColor->Enabled() == pie->UsePatterns(); }},
        {"back colour", [&] { Dialogs().colors.push_back(ClGray); e.BBackPieColor->Click(); },
         [&] { return pie->CircleBackColor() == ClGray; }},
        {"group below value", [&] { e.CBOther->UserSelect(2); },
         [&] { return pie->OtherSlice.Style() == poBelowValue && e.EOtherLabel->Enabled() && e.EOtherValue->Enabled(); }},
        {"group value", [&] { e.EOtherValue->UserSetText("1.5"); }, [&] { return pie->OtherSlice.Value() == 1.5; }},
        {"empty value ignored", [&] { e.EOtherValue->UserSetText(""); }, [&] { return pie->OtherSlice.Value() == 1.5; }},
        {"group label", [&] { e.EOtherLabel->UserSetText("Rest"); }, [&] { return pie->OtherSlice.Text() == "Rest"; }},
        {"no grouping", [&] { e.CBOther->UserSelect(0); },
         [&] { return pie->OtherSlice.Style() == poNone && !e.EOtherLabel->Enabled(); }},
    });
}

TEST_F(SeriesEditors, PieOrderDefaultLeavesTheValuesAndDescendingSortsThem) {
    auto* pie = Add<TPieSeries>("TPieSeries", 0);
    for (double v : {3.0, 1.0, 2.0}) pie->AddY(v);
    auto& e = Open<TPieSeriesEditor>(pie);
    auto values = [&] {
        std::vector<double> v;
        for (int i = 0; i < pie->Count(); ++i) v.push_back(pie->PieValues()->GetValue(i));
        return v;
    };
    e.CBOrder->UserSelect(0);
    EXPECT_EQ(values(), (std::vector<double>{3, 1, 2}));
    EXPECT_EQ(pie->PieValues()->Order(), loNone);
    e.CBOrder->UserSelect(2);
    EXPECT_EQ(values(), (std::vector<double>{3, 2, 1}));
    EXPECT_EQ(pie->PieValues()->Order(), loDescending);
}

TEST_F(SeriesEditors, FastLineColourAndPenKeepOneColour) {
    auto* fast = Add<TFastLineSeries>("TFastLineSeries");
    fast->SetSeriesColor(ClBlue);
    auto& e = Open<TFastLineSeriesEditor>(fast);
    EXPECT_EQ(e.SHColor->BrushColor(), ClBlue);
    Dialogs().colors.push_back(ClGreen);
    e.SHColor->OnMouseUp(e.SHColor, MouseButton::Left, 0, 1, 1);
    EXPECT_EQ(fast->SeriesColor(), ClGreen);
    EXPECT_EQ(e.SHColor->BrushColor(), ClGreen);

    // The pen dialog starts with the series' colour; the colour chosen there becomes the series'.
    WhenShown<TPenDialog>([&](TPenDialog& d) {
        EXPECT_EQ(fast->LinePen.GetColor(), ClGreen);
        Dialogs().colors.push_back(ClFuchsia);
        d.BColor->Click();
        d.SetModalResult(MrOk);
    });
    e.BLinePen->Click();
    EXPECT_EQ(fast->LinePen.GetColor(), ClFuchsia);
    EXPECT_EQ(fast->SeriesColor(), ClFuchsia);
    EXPECT_EQ(e.SHColor->BrushColor(), ClFuchsia);
}

TEST_F(SeriesEditors, GridControlsSetTheSeries) {
    auto* grid = Add<TCustom3DGridSeries>("TSurfaceSeries", 0);
    grid->SampleMode = true;  // makes its own points: the grid size may change
    grid->SetUseColorRange(true);
    auto& e = Open<TGrid3DSeriesEditor>(grid);
    EXPECT_TRUE(e.RGRange->Checked());
    EXPECT_FALSE(e.RGColor->Checked());
    EXPECT_TRUE(e.SEXGrid->Enabled());
    Run({
        {"palette", [&] { e.RGPalette->SetChecked(true); }, [&] { return grid->UsePalette() && !grid->UseColorRange(); }},
        {"palette steps", [&] { e.SEPalette->UserSetText("7"); }, [&] { return grid->PaletteSteps() == 7; }},
        {"empty steps ignored", [&] { e.SEPalette->UserSetText(""); }, [&] { return grid->PaletteSteps() == 7; }},
        {"series colour", [&] { e.RGColor->SetChecked(true); },
         [&] { return !grid->UsePalette() && !grid->UseColorRange() && !grid->ColorEachPoint(); }},
        {"range", [&] { e.RGRange->SetChecked(true); }, [&] { return grid->UseColorRange() && !grid->UsePalette(); }},
        {"depth", [&] { e.EDepth->UserSetText("4"); }, [&] { return grid->TimesZOrder() == 4; }},
        {"x size refills", [&] { e.SEXGrid->UserSetText("6"); }, [&] { return grid->NumXValues() == 6; }},
        {"z size refills", [&] { e.SEZGrid->UserSetText("5"); },
         [&] { return grid->NumZValues() == 5 && grid->Count() == 30; }},
        {"start colour", [&] { Dialogs().colors.push_back(ClRed); e.Shape2->OnMouseUp(e.Shape2, MouseButton::Left, 0, 1, 1); },
         [&] { return grid->StartColor() == ClRed && e.Shape2->BrushColor() == ClRed; }},
        {"end colour", [&] { Dialogs().colors.push_back(ClBlue); e.Shape3->OnMouseUp(e.Shape3, MouseButton::Left, 0, 1, 1); },
         [&] { return grid->EndColor() == ClBlue && e.Shape3->BrushColor() == ClBlue; }},
    });
}

TEST_F(SeriesEditors, AGridThatCannotFillItselfKeepsItsSize) {
    auto* grid = Add<TCustom3DGridSeries>("TSurfaceSeries", 0);
    auto& e = Open<TGrid3DSeriesEditor>(grid);
    for (Control* c : std::initializer_list<Control*>{e.SEXGrid, e.UDXGrid, e.SEZGrid, e.UDZGrid})
        EXPECT_FALSE(c->Enabled()) << c->Name();
    EXPECT_TRUE(e.EDepth->Enabled());
}

// The series page with the editors registered, as the program starts.
class SeriesPageEditors : public EmbeddedEditorFixture {
protected:
    // The page on the series among all the chart's series.
    void Open(TChartSeries* series) {
        std::vector<TChartSeries*> all;
        for (int i = 0; i < chart->SeriesCount(); ++i) all.push_back(chart->GetSeries(i));
        ShowOnPage(series, all);
    }
};

TEST_F(SeriesPageEditors, EachSeriesGetsTheEditorItsClassNames) {
    struct Row {
        const char* className;
        const char* editorName;
        bool pointTab;  // why: the editors of marker-carrying series add the pointer page, a point series
                        // has it as its whole editor
    };
    const Row rows[] = {
        {"TLineSeries", "CustomSeriesEditor", true},
        {"TPointSeries", "SeriesPointerEditor", false},
        {"TAreaSeries", "AreaSeriesEditor", true},
        {"TBarSeries", "BarSeriesEditor", false},
        {"THorizBarSeries", "BarSeriesEditor", false},
        {"TPieSeries", "PieSeriesEditor", false},
        {"TFastLineSeries", "FastLineSeriesEditor", false},
    };
    for (const Row& r : rows) {
        TChartSeries* s = AddSeries(r.className, 3);
        Open(s);
        ASSERT_FALSE(page->EmbeddedEditors.empty()) << r.className;
        Form* format = page->EmbeddedEditors.front();
        EXPECT_EQ(format->Name(), r.editorName) << r.className;
        EXPECT_EQ(format->Parent(), page->TheTabSheet) << r.className;
        EXPECT_TRUE(format->Visible()) << r.className;
        const std::vector<std::string> tabs = Tabs();
        ASSERT_GE(tabs.size(), 2u);
        EXPECT_EQ(tabs[0], "Format");
        EXPECT_EQ(tabs[1] == "Point", r.pointTab) << r.className;
        if (r.pointTab) {
            ASSERT_EQ(page->EmbeddedEditors.size(), 2u) << r.className;
            auto* pointer = dynamic_cast<TSeriesPointerEditor*>(page->EmbeddedEditors[1]);
            ASSERT_NE(pointer, nullptr);
            EXPECT_EQ(&pointer->Pointer, &dynamic_cast<TCustomSeries&>(*s).Pointer);
        } else {
            EXPECT_EQ(page->EmbeddedEditors.size(), 1u) << r.className;
        }
    }
    // Another series takes the "Point" tab away with the editors.
    Open(chart->GetSeries(0));
    Open(chart->GetSeries(3));
    const std::vector<std::string> tabs = Tabs();
    EXPECT_EQ(std::count(tabs.begin(), tabs.end(), std::string("Point")), 0);
}

TEST_F(SeriesPageEditors, ThePointTabEditsTheLineSeriesPointer) {
    auto* line = dynamic_cast<TLineSeries*>(AddSeries("TLineSeries", 3));
    Open(line);
    ASSERT_EQ(page->EmbeddedEditors.size(), 2u);
    auto& pointer = dynamic_cast<TSeriesPointerEditor&>(*page->EmbeddedEditors[1]);
    const bool was = line->Pointer.Visible();
    EXPECT_EQ(pointer.CBDrawPoint->Checked(), was);
    pointer.CBDrawPoint->Click();
    EXPECT_EQ(line->Pointer.Visible(), !was);
}

}  // namespace
}  // namespace fv::testing
