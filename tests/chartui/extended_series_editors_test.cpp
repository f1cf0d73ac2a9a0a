// The editors of the candle, volume, arrow, error and shape series, embedded by the series page as the
// editor opens them: each control set as a user sets it and the series read back, settings made in code
// shown when the editor opens, and each editor's rules of what shows and what is enabled.
#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "chart/extended/arrow_series.h"
#include "chart/extended/candle_series.h"
#include "chart/extended/error_series.h"
#include "chart/extended/shape_series.h"
#include "chartui/series_editors/arrow_series_editor.h"
#include "chartui/dialogs/brush_dialog.h"
#include "chartui/series_editors/candle_editor.h"
#include "chartui/series_editors/chart_shape_editor.h"
#include "chartui/series_editors/error_series_editor.h"
#include "chartui/series_editors/series_editors.h"
#include "chartui/dialogs/pen_dialog.h"
#include "chartui/series/series_page.h"
#include "chartui/series_editors/volume_series_editor.h"
#include "embedded_editor_fixture.h"

namespace fv::testing {
namespace {

class ExtendedEditors : public EmbeddedEditorFixture {};

TEST_F(ExtendedEditors, EachSeriesGetsItsEditorOnFormat) {
    struct Row {
        const char* seriesClass;
        std::function<bool(Form*)> isItsEditor;
    };
    const Row rows[] = {
        {"TCandleSeries", [](Form* f) { return dynamic_cast<TCandleEditor*>(f) != nullptr; }},
        {"TVolumeSeries", [](Form* f) { return dynamic_cast<TVolumeSeriesEditor*>(f) != nullptr; }},
        {"TArrowSeries", [](Form* f) { return dynamic_cast<TArrowSeriesEditor*>(f) != nullptr; }},
        {"TErrorSeries", [](Form* f) { return dynamic_cast<TErrorSeriesEditor*>(f) != nullptr; }},
        {"TErrorBarSeries", [](Form* f) { return dynamic_cast<TErrorSeriesEditor*>(f) != nullptr; }},
        {"TChartShape", [](Form* f) { return dynamic_cast<TChartShapeEditor*>(f) != nullptr; }},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.seriesClass);
        TChartSeries* s = AddSeries(row.seriesClass, 2);
        Open<Form>(s);
        // One editor on "Format"; an error bar has the bar editor on a tab of its own besides.
        ASSERT_EQ(page->EmbeddedEditors.size(), std::string(row.seriesClass) == "TErrorBarSeries" ? 2u : 1u)
            << row.seriesClass;
        Form* editor = page->EmbeddedEditors.front();
        EXPECT_TRUE(row.isItsEditor(editor)) << row.seriesClass;
        ExpectOnFormat(*editor);
    }
    // A series of another class under one of these names gets no editor (and no crash).
    const SeriesEditorFactory* candle = FindSeriesEditor("TCandleEditor");
    ASSERT_NE(candle, nullptr);
    EXPECT_EQ((*candle)(*page, *AddSeries("TLineSeries", 1)), nullptr);
}

TEST_F(ExtendedEditors, EveryEditorIsTidyAndFitsTheFormatTab) {
    const char* classes[] = {"TCandleSeries", "TVolumeSeries", "TArrowSeries", "TErrorSeries", "TChartShape"};
    for (const char* cls : classes) {
        SCOPED_TRACE(cls);
        TChartSeries* s = AddSeries(cls, 2);
        Form* editor = (*FindSeriesEditor(s->EditorClassName()))(*page, *s);
        ASSERT_NE(editor, nullptr);
        ExpectTidyAndFitting(*editor, 2);
    }
}

TEST_F(ExtendedEditors, ShowingAnEditorPutsTheScreenCursorBack) {
    app->SetScreenCursor(Cursor::HourGlass);
    ASSERT_NE(Open<TVolumeSeriesEditor>(AddSeries("TVolumeSeries", 3)), nullptr);
    EXPECT_EQ(app->ScreenCursor(), Cursor::Default);
}

// ---- Candle ----

TEST_F(ExtendedEditors, CandleControlsWriteIntoTheSeries) {
    auto* s = Add<TCandleSeries>("TCandleSeries", 3);
    TCandleEditor* e = Open<TCandleEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->RGStyle->Items(), (std::vector<std::string>{"&Stick", "&Bar"}));
    Dialogs().colors = {ClLime, ClNavy, ClYellow, ClPurple};
    PenColourChosen(ClOlive);
    const bool dark = s->Dark3D(), draw3D = s->Draw3D();
    Run({
        {"width typed", [&] { e->SEWidth->UserSetText("12"); }, [&] { return s->CandleWidth() == 12; }},
        {"width stepped", [&] { e->UDWidth->StepUp(); }, [&] { return s->CandleWidth() == 13; }},
        {"width past the top", [&] { e->SEWidth->UserSetText("250"); }, [&] { return s->CandleWidth() == 100; }},
        {"up colour", [&] { e->BitBtn1->Click(); },
         [&] { return s->UpCloseColor() == ClLime && e->ShapeUp->BrushColor() == ClLime; }},
        {"down colour", [&] { e->BitBtn2->Click(); },
         [&] { return s->DownCloseColor() == ClNavy && e->ShapeDown->BrushColor() == ClNavy; }},
        {"up swatch", [&] { Release(*e->ShapeUp); }, [&] { return s->UpCloseColor() == ClYellow; }},
        {"down swatch", [&] { Release(*e->ShapeDown); }, [&] { return s->DownCloseColor() == ClPurple; }},
        {"dark 3D", [&] { e->CBDark3D->Click(); }, [&] { return s->Dark3D() != dark; }},
        {"3D switched", [&] { e->CBDraw3D->Click(); }, [&] { return s->Draw3D() != draw3D; }},
        {"bar style", [&] { e->RGStyle->SetItemIndex(1); }, [&] { return s->CandleStyle() == csCandleBar; }},
        {"no open tick", [&] { e->CBShowOpen->Click(); }, [&] { return !s->ShowOpenTick(); }},
        {"no close tick", [&] { e->CBShowClose->Click(); }, [&] { return !s->ShowCloseTick(); }},
        {"stick style", [&] { e->RGStyle->SetItemIndex(0); }, [&] { return s->CandleStyle() == csCandleStick; }},
        {"border", [&] { e->Button1->Click(); }, [&] { return s->Pen().GetColor() == ClOlive; }},
    });
}

TEST_F(ExtendedEditors, CandleSettingsShowAndOnlyTheStylesOwnBoxesAreEnabled) {
    auto* s = Add<TCandleSeries>("TCandleSeries", 3);
    s->SetCandleStyle(csCandleBar);
    s->SetCandleWidth(9);
    s->SetUpCloseColor(ClAqua);
    s->SetDownCloseColor(ClMaroon);
    s->SetShowOpenTick(false);
    s->SetDraw3D(false);
    TCandleEditor* e = Open<TCandleEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->RGStyle->ItemIndex(), 1);
    EXPECT_EQ(e->SEWidth->Text(), "9");
    EXPECT_EQ(e->ShapeUp->BrushColor(), ClAqua);
    EXPECT_EQ(e->ShapeDown->BrushColor(), ClMaroon);
    EXPECT_EQ(e->ShapeUp->GetCursor(), Cursor::HandPoint);
    EXPECT_FALSE(e->CBShowOpen->Checked());
    EXPECT_TRUE(e->CBShowClose->Checked());
    EXPECT_FALSE(e->CBDraw3D->Checked());
    EXPECT_EQ(s->CandleWidth(), 9) << "loading wrote nothing back";
    // Bars: the ticks apply, the 3D boxes do not; candles the other way round.
    EXPECT_TRUE(e->CBShowOpen->Enabled());
    EXPECT_TRUE(e->CBShowClose->Enabled());
    EXPECT_FALSE(e->CBDraw3D->Enabled());
    EXPECT_FALSE(e->CBDark3D->Enabled());
    e->RGStyle->SetItemIndex(0);
    EXPECT_FALSE(e->CBShowOpen->Enabled());
    EXPECT_FALSE(e->CBShowClose->Enabled());
    EXPECT_TRUE(e->CBDraw3D->Enabled());
    EXPECT_TRUE(e->CBDark3D->Enabled());
    // A cancelled colour dialog keeps the colour.
    Dialogs().colors = {std::nullopt};
    e->BitBtn1->Click();
    EXPECT_EQ(s->UpCloseColor(), ClAqua);
}

// ---- Volume ----

TEST_F(ExtendedEditors, VolumeColourAndPenShareOneColour) {
    auto* s = Add<TVolumeSeries>("TVolumeSeries", 3);
    s->SetSeriesColor(ClGreen);
    TVolumeSeriesEditor* e = Open<TVolumeSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->SHColor->BrushColor(), ClGreen);
    EXPECT_EQ(e->SHColor->GetCursor(), Cursor::HandPoint);
    Dialogs().colors = {ClBlue};
    Release(*e->SHColor);
    EXPECT_EQ(s->SeriesColor(), ClBlue);
    EXPECT_EQ(e->SHColor->BrushColor(), ClBlue);

    // The pen dialog opens on the series colour; its colour comes back as the series colour.
    Color penShown = ClBlack;
    WhenShown<TPenDialog>([&](TPenDialog& d) {
        penShown = d.SHColor->BrushColor();
        Dialogs().colors.push_back(ClRed);
        d.BColor->Click();
        d.Button1->Click();
    });
    e->BLinePen->Click();
    EXPECT_EQ(penShown, ClBlue);
    EXPECT_EQ(s->LinePen.GetColor(), ClRed);
    EXPECT_EQ(s->SeriesColor(), ClRed);
    EXPECT_EQ(e->SHColor->BrushColor(), ClRed);
}

// ---- Arrow ----

TEST_F(ExtendedEditors, ArrowControlsWriteIntoTheSeries) {
    auto* s = Add<TArrowSeries>("TArrowSeries", 0);
    s->AddArrowPoint(0, 0, 5, 5);
    TArrowSeriesEditor* e = Open<TArrowSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    Dialogs().colors = {ClTeal, ClFuchsia};
    PenColourChosen(ClMaroon);
    WhenShown<TBrushDialog>([](TBrushDialog& d) {
        d.RGStyle->SetItemIndex(6);
        d.Button2->Click();
    });
    const BrushStyle before = s->Pointer.Brush.Style();
    Run({
        {"width typed", [&] { e->SEArrowWidth->UserSetText("20"); }, [&] { return s->ArrowWidth() == 20; }},
        {"height stepped", [&] { e->UDArrowHeight->StepUp(); }, [&] { return s->ArrowHeight() == e->UDArrowHeight->Position(); }},
        {"width 0 stays 1", [&] { e->SEArrowWidth->UserSetText("0"); }, [&] { return s->ArrowWidth() == 1; }},
        {"colour", [&] { e->BArrowColor->Click(); },
         [&] { return s->SeriesColor() == ClTeal && e->SHArrowColor->BrushColor() == ClTeal; }},
        {"swatch", [&] { Release(*e->SHArrowColor); }, [&] { return s->SeriesColor() == ClFuchsia; }},
        {"border", [&] { e->BPen->Click(); }, [&] { return s->Pointer.Pen.GetColor() == ClMaroon; }},
        {"pattern", [&] { e->BBrush->Click(); }, [&] { return s->Pointer.Brush.Style() != before; }},
        {"colour each", [&] { e->CBColorEach->Click(); },
         [&] { return s->ColorEachPoint() && s->Pointer.Brush.GetColor() == AutomaticColour; }},
    });
    // Each arrow in its own colour: no one colour to choose.
    EXPECT_FALSE(e->BArrowColor->Enabled());
    EXPECT_FALSE(e->SHArrowColor->Visible());
    e->CBColorEach->Click();
    EXPECT_FALSE(s->ColorEachPoint());
    EXPECT_TRUE(e->BArrowColor->Enabled());
    EXPECT_TRUE(e->SHArrowColor->Visible());
}

TEST_F(ExtendedEditors, ArrowSettingsShowWhenTheEditorOpens) {
    auto* s = Add<TArrowSeries>("TArrowSeries", 0);
    s->SetArrowWidth(14);
    s->SetArrowHeight(6);
    s->SetColorEachPoint(true);
    s->SetSeriesColor(ClNavy);
    TArrowSeriesEditor* e = Open<TArrowSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->SEArrowWidth->Text(), "14");
    EXPECT_EQ(e->SEArrowHeight->Text(), "6");
    EXPECT_TRUE(e->CBColorEach->Checked());
    EXPECT_FALSE(e->BArrowColor->Enabled());
    EXPECT_FALSE(e->SHArrowColor->Visible());
    EXPECT_EQ(e->SHArrowColor->BrushColor(), ClNavy);
    EXPECT_EQ(s->ArrowWidth(), 14);
    EXPECT_EQ(s->ArrowHeight(), 6);
}

// ---- Error ----

TEST_F(ExtendedEditors, ErrorControlsWriteIntoTheSeries) {
    auto* s = Add<TErrorSeries>("TErrorSeries", 0);
    s->AddErrorPoint(1, 5, 1);
    TErrorSeriesEditor* e = Open<TErrorSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_TRUE(e->RGStyle->Visible());
    EXPECT_EQ(e->RGStyle->ItemIndex(), int(essTopBottom));
    EXPECT_EQ(e->SEBarwidth->Text(), "100");
    PenColourChosen(ClGreen);
    Run({
        {"width typed", [&] { e->SEBarwidth->UserSetText("40"); }, [&] { return s->ErrorWidth() == 40; }},
        {"width stepped down", [&] { e->UDBarWidth->StepDown(); }, [&] { return s->ErrorWidth() == 39; }},
        {"pixels", [&] { e->RGWidthUnit->SetItemIndex(1); }, [&] { return s->ErrorWidthUnits() == ewuPixels; }},
        {"percent", [&] { e->RGWidthUnit->SetItemIndex(0); }, [&] { return s->ErrorWidthUnits() == ewuPercent; }},
        {"left", [&] { e->RGStyle->SetItemIndex(0); }, [&] { return s->ErrorStyle() == essLeft; }},
        {"left and right", [&] { e->RGStyle->SetItemIndex(2); }, [&] { return s->ErrorStyle() == essLeftRight; }},
        {"bottom", [&] { e->RGStyle->SetItemIndex(4); }, [&] { return s->ErrorStyle() == essBottom; }},
        {"pen", [&] { e->BPen->Click(); }, [&] { return s->ErrorPen.GetColor() == ClGreen; }},
    });
}

TEST_F(ExtendedEditors, AnErrorBarHidesTheStyleAndShowsItsSettings) {
    auto* s = Add<TErrorBarSeries>("TErrorBarSeries", 0);
    s->AddErrorPoint(1, 5, 1);
    s->SetErrorWidth(7);
    s->SetErrorWidthUnits(ewuPixels);
    s->SetErrorStyle(essLeft);
    TErrorSeriesEditor* e = Open<TErrorSeriesEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_FALSE(e->RGStyle->Visible());
    EXPECT_EQ(e->SEBarwidth->Text(), "7");
    EXPECT_EQ(e->RGWidthUnit->ItemIndex(), 1);
    EXPECT_EQ(s->ErrorStyle(), essLeft) << "the hidden style was left alone";
    EXPECT_EQ(s->ErrorWidth(), 7);
}

// ---- Shape ----

TEST_F(ExtendedEditors, ShapeControlsWriteIntoTheSeries) {
    auto* s = Add<TChartShape>("TChartShape");
    ASSERT_EQ(s->Count(), 2);
    TChartShapeEditor* e = Open<TChartShapeEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->CBStyle->Items().size(), 14u);
    const Font font{"Courier", 12, ClRed};
    Dialogs().fonts = {font};
    Dialogs().colors = {ClYellow, ClSilver};
    PenColourChosen(ClBlue);
    WhenShown<TBrushDialog>([this](TBrushDialog& d) {
        Dialogs().colors.push_back(ClLime);
        d.BColor->Click();
        d.Button2->Click();
    });
    Run({
        {"star", [&] { e->CBStyle->UserSelect(11); }, [&] { return s->Style() == chasStar; }},
        {"transparent", [&] { e->CBTrans->Click(); }, [&] { return s->Transparent(); }},
        {"left", [&] { e->SEX0->UserSetText("2.5"); }, [&] { return s->X0() == 2.5; }},
        {"top", [&] { e->SEY0->UserSetText("-3"); }, [&] { return s->Y0() == -3; }},
        {"right", [&] { e->SEX1->UserSetText("40"); }, [&] { return s->X1() == 40; }},
        {"bottom", [&] { e->SEY1->UserSetText("1E3"); }, [&] { return s->Y1() == 1000; }},
        {"emptied", [&] { e->SEX1->UserSetText(""); }, [&] { return s->X1() == 40; }},
        {"text", [&] { e->MemoText->UserSetText("Peak\r\nhere"); },
         [&] { return s->Text() == std::vector<std::string>{"Peak", "here"}; }},
        {"aligned left", [&] { e->RGAlign->SetItemIndex(0); }, [&] { return s->Alignment() == TAlignment::taLeftJustify; }},
        {"aligned right", [&] { e->RGAlign->SetItemIndex(2); }, [&] { return s->Alignment() == TAlignment::taRightJustify; }},
        {"centred", [&] { e->RGAlign->SetItemIndex(1); }, [&] { return s->Alignment() == TAlignment::taCenter; }},
        {"font", [&] { e->Button1->Click(); }, [&] { return s->ShapeFont() == font && e->MemoText->GetFont() == font; }},
        {"background", [&] { e->BShapeColor->Click(); },
         [&] { return s->Brush.GetColor() == ClYellow && s->SeriesColor() == ClYellow && e->SHColor->BrushColor() == ClYellow; }},
        {"swatch", [&] { Release(*e->SHColor); }, [&] { return s->Brush.GetColor() == ClSilver; }},
        {"border", [&] { e->BShapePen->Click(); }, [&] { return s->Pen.GetColor() == ClBlue; }},
        {"pattern colour", [&] { e->BShapeBrush->Click(); },
         [&] { return s->Brush.GetColor() == ClLime && s->SeriesColor() == ClLime && e->SHColor->BrushColor() == ClLime; }},
    });
    // A text that is no number is the user's error to see; the corner keeps its value.
    EXPECT_THROW(e->SEY0->UserSetText("abc"), std::invalid_argument);
    EXPECT_EQ(s->Y0(), -3);
}

TEST_F(ExtendedEditors, ShapeSettingsShowWhenTheEditorOpens) {
    auto* s = Add<TChartShape>("TChartShape");
    s->SetStyle(chasDiamond);
    s->SetTransparent(true);
    s->SetX0(1.5);
    s->SetY1(-2);
    s->SetText({"a", "b"});
    s->SetAlignment(TAlignment::taRightJustify);
    s->SetSeriesColor(ClAqua);
    const Font font{"Arial", 11, ClBlue};
    s->SetFont(font);
    TChartShapeEditor* e = Open<TChartShapeEditor>(s);
    ASSERT_NE(e, nullptr);
    EXPECT_EQ(e->CBStyle->ItemIndex(), int(chasDiamond));
    EXPECT_EQ(e->CBStyle->Text(), "Diamond");
    EXPECT_TRUE(e->CBTrans->Checked());
    EXPECT_EQ(e->SEX0->Text(), "1.5");
    EXPECT_EQ(e->SEY0->Text(), "0");
    EXPECT_EQ(e->SEX1->Text(), "100");
    EXPECT_EQ(e->SEY1->Text(), "-2");
    EXPECT_EQ(e->MemoText->Lines(), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(e->MemoText->GetFont(), font);
    EXPECT_EQ(e->RGAlign->ItemIndex(), 2);
    EXPECT_EQ(e->SHColor->BrushColor(), ClAqua);
    EXPECT_EQ(s->Text(), (std::vector<std::string>{"a", "b"})) << "loading wrote nothing back";
}

TEST_F(ExtendedEditors, AShapeWithoutItsTwoPointsLeavesTheCornersAlone) {
    struct Row {
        const char* why;
        int points;
    };
    const Row rows[] = {{"one point", 1}, {"three points", 3}, {"no points", 0}};
    for (const Row& row : rows) {
        auto* s = Add<TChartShape>("TChartShape");
        s->Clear();
        for (int i = 0; i < row.points; ++i) s->AddPoint(i * 10, i * 10);
        TChartShapeEditor* e = Open<TChartShapeEditor>(s);
        ASSERT_NE(e, nullptr) << row.why;
        for (Edit* edit : {e->SEX0, e->SEY0, e->SEX1, e->SEY1}) EXPECT_EQ(edit->Text(), "") << row.why;
        // Typing a corner the series does not hold changes nothing and raises nothing.
        e->SEX1->UserSetText("55");
        e->SEY0->UserSetText("7");
        EXPECT_EQ(s->Count(), row.points) << row.why;
        if (row.points > 1) EXPECT_EQ(s->X1(), 55) << row.why;
        if (row.points > 0) EXPECT_EQ(s->Y0(), 7) << row.why;
    }
}

TEST_F(ExtendedEditors, AnErrorBarHasItsBarsOnABarTab) {
    struct Row {
        const char* className;
        std::vector<std::string> tabs;
    };
    const Row rows[] = {
        {"TErrorBarSeries", {"Format", "Bar"}},
        {"TErrorSeries", {"Format"}},  // whiskers only: no bars to edit
    };
    for (const Row& r : rows) {
        TChartSeries* s = AddSeries(r.className, 3);
        ASSERT_NE(Open<TErrorSeriesEditor>(s), nullptr) << r.className;
        std::vector<std::string> tabs;
        for (TabSheet* t : page->PageSeries->Pages())
            if (t->Caption() == "Format" || t->Caption() == "Bar") tabs.push_back(t->Caption());
        EXPECT_EQ(tabs, r.tabs) << r.className;
        if (r.tabs.size() == 2) {
            ASSERT_EQ(page->EmbeddedEditors.size(), 2u);
            EXPECT_EQ(page->EmbeddedEditors[1]->Name(), "BarSeriesEditor") << "the bar editor on the same series";
        }
    }
}

}  // namespace
}  // namespace fv::testing
