// The titles, walls, legend and panel pages of the chart editor, driven as a user drives them: each
// control set as a user sets it and the chart read back, the controls filled from the chart, and the
// rules of each page.
#include <gtest/gtest.h>

#include <memory>

#include "chart/chart.h"
#include "chartui/dialogs/brush_dialog.h"
#include "chartui/editor/chart_legend_page.h"
#include "chartui/editor/chart_panel_page.h"
#include "chartui/editor/chart_title_page.h"
#include "chartui/editor/chart_wall_page.h"
#include "chartui/dialogs/pen_dialog.h"
#include "dialog_fixture.h"
#include "platform/fs/files.h"

namespace fv::testing {
namespace {

// A chart that counts its repaints.
struct CountingChart : TChart {
    using TChart::TChart;
    void Invalidate() override {
        ++repaints;
        TChart::Invalidate();
    }
    int repaints = 0;
};

class ChartLookPages : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        chart = std::make_unique<CountingChart>(nullptr, "Chart1");
    }
    template <class T, class... Args> T& Open(Args&... args) {
        T& page = *app->CreateForm<T>(*program, *chart, args...);
        page.Show();
        shown.push_back(&page);
        return page;
    }
    void TearDown() override {
        for (Form* f : shown) f->Hide();
        DialogFixture::TearDown();
    }
    std::string Act(const std::function<void()>& act) {
        Messages().ClearLog();
        app->Dispatch(act);
        const std::vector<std::string> messages = Messages().Messages();
        return messages.empty() ? "" : messages.back();
    }

    std::unique_ptr<CountingChart> chart;
    std::vector<Form*> shown;
};

// ---- Titles ----

TEST_F(ChartLookPages, TitleControlsWriteIntoTheTitle) {
    TFormChartTitle& page = Open<TFormChartTitle>(chart->Title());
    const Font font{"Courier", 14, ClWhite};
    struct Case {
        const char* action;
        std::function<void()> act;
        std::function<bool(TChartTitle&)> holds;
    };
    const Case cases[] = {
        {"text typed", [&] { page.MText->UserSetText("Sales\r\n2020\r\n"); },
         [](TChartTitle& t) { return t.Text() == std::vector<std::string>{"Sales", "2020"}; }},
        {"hidden", [&] { page.CBVisible->Click(); }, [](TChartTitle& t) { return !t.Visible(); }},
        {"frame not adjusted", [&] { page.CBAdjust->Click(); }, [](TChartTitle& t) { return !t.AdjustFrame(); }},
        {"aligned left", [&] { page.RGAlign->SetItemIndex(0); },
         [](TChartTitle& t) { return t.Alignment() == TAlignment::taLeftJustify; }},
        {"aligned right", [&] { page.RGAlign->SetItemIndex(2); },
         [](TChartTitle& t) { return t.Alignment() == TAlignment::taRightJustify; }},
        {"font", [&] { page.BFont->Click(); }, [&](TChartTitle& t) { return t.GetFont() == font; }},
        {"back colour", [&] { page.BColor->Click(); }, [](TChartTitle& t) { return t.GetColor() == ClNavy; }},
    };
    Dialogs().fonts = {font};
    Dialogs().colors = {ClNavy};
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds(chart->Title())) << c.action;
    }
    EXPECT_EQ(page.MText->GetFont(), font) << "the memo writes in the title's font";
    EXPECT_EQ(page.MText->GetColor(), ClNavy);
    // Cancelled font and colour dialogs leave the title as it was.
    Dialogs().fonts = {std::nullopt};
    Dialogs().colors = {std::nullopt};
    page.BFont->Click();
    page.BColor->Click();
    EXPECT_EQ(chart->Title().GetFont(), font);
    EXPECT_EQ(chart->Title().GetColor(), ClNavy);
}

TEST_F(ChartLookPages, TitleFrameAndPatternGoThroughTheirDialogs) {
    TFormChartTitle& page = Open<TFormChartTitle>(chart->Title());
    WhenShown<TPenDialog>([](TPenDialog& d) {
        d.CBVisible->Click();
        d.Button1->Click();
    });
    const bool frameShown = chart->Title().Frame().Visible();
    page.BFrame->Click();
    EXPECT_NE(chart->Title().Frame().Visible(), frameShown);
    WhenShown<TBrushDialog>([](TBrushDialog& d) {
        d.RGStyle->SetItemIndex(6);
        d.Button3->Click();  // cancelled: the brush is put back
    });
    const BrushStyle style = chart->Title().Brush().Style();
    page.BBrush->Click();
    EXPECT_EQ(chart->Title().Brush().Style(), style);
}

TEST_F(ChartLookPages, TitleAndFootEachShowTheirOwn) {
    chart->Title().SetText({"Top"});
    chart->Foot().SetText({"Bottom", "line"});
    chart->Foot().SetAlignment(TAlignment::taRightJustify);
    chart->Foot().SetVisible(false);
    TFormChartTitle& page = Open<TFormChartTitle>(chart->Foot());
    EXPECT_EQ(page.CBTitles->ItemIndex(), 1);
    EXPECT_EQ(page.MText->Lines(), (std::vector<std::string>{"Bottom", "line"}));
    EXPECT_EQ(page.RGAlign->ItemIndex(), 2);
    EXPECT_FALSE(page.CBVisible->Checked());
    page.CBTitles->UserSelect(0);
    EXPECT_EQ(&page.TheTitle(), &chart->Title());
    EXPECT_EQ(page.MText->Lines(), std::vector<std::string>{"Top"});
    EXPECT_EQ(page.RGAlign->ItemIndex(), 1);
    EXPECT_TRUE(page.CBVisible->Checked());
    page.CBTitles->UserSelect(1);
    EXPECT_EQ(page.MText->Lines(), (std::vector<std::string>{"Bottom", "line"}));
    // Switching wrote nothing into either.
    EXPECT_EQ(chart->Title().Text(), std::vector<std::string>{"Top"});
    EXPECT_EQ(chart->Foot().Alignment(), TAlignment::taRightJustify);
    EXPECT_FALSE(chart->Foot().Visible());
}

TEST_F(ChartLookPages, TheMemoChangesTheTitleOnlyWhenItsLinesDiffer) {
    chart->Title().SetText({"One", "Two"});
    TFormChartTitle& page = Open<TFormChartTitle>(chart->Title());
    chart->repaints = 0;
    page.MText->UserSetText("One\r\nTwo");  // the same lines, without the last line break
    EXPECT_EQ(chart->repaints, 0) << "the title was not touched";
    page.MText->UserSetText("One\r\nThree\r\n");
    EXPECT_EQ(chart->Title().Text(), (std::vector<std::string>{"One", "Three"}));
    EXPECT_GT(chart->repaints, 0);
}

TEST_F(ChartLookPages, TheMemoIsReadableOnAnAutomaticColour) {
    struct Case {
        Color font, title, memo;
    };
    const Case cases[] = {
        {ClBlack, AutomaticColour, ClWhite},
        {ClWhite, AutomaticColour, ClGray},  // white on white would not show
        {ClWhite, ClNavy, ClNavy},
    };
    for (const Case& c : cases) {
        Font f = chart->Title().GetFont();
        f.FontColor = c.font;
        chart->Title().SetFont(f);
        chart->Title().SetColor(c.title);
        TFormChartTitle& page = Open<TFormChartTitle>(chart->Title());
        EXPECT_EQ(page.MText->GetColor(), c.memo) << c.font << " " << c.title;
    }
}

// ---- Walls ----

TEST_F(ChartLookPages, WallControlsWriteIntoTheWall) {
    TFormChartWall& page = Open<TFormChartWall>(chart->LeftWall());
    TChartWall& wall = chart->LeftWall();
    struct Case {
        const char* action;
        std::function<void()> act;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"walls hidden", [&] { page.CBView3dWalls->Click(); }, [&] { return !chart->View3DWalls(); }},
        {"colour", [&] { page.BWallColor->Click(); }, [&] { return wall.GetColor() == ClTeal; }},
        {"colour from the swatch", [&] { page.SHWallColor->MouseUp(MouseButton::Left, 0, 2, 2); },
         [&] { return wall.GetColor() == ClMaroon && page.SHWallColor->BrushColor() == ClMaroon; }},
        {"size", [&] { page.SEWallSize->UserSetText("5"); },
         [&] { return wall.Size() == 5 && page.CBDark3D->Enabled(); }},
        {"dark 3D off", [&] { page.CBDark3D->Click(); }, [&] { return !wall.Dark3D(); }},
        {"transparent", [&] { page.CBWallTransp->Click(); }, [&] { return wall.Brush().Style() == BrushStyle::Clear; }},
        {"opaque", [&] { page.CBWallTransp->Click(); }, [&] { return wall.Brush().Style() == BrushStyle::Solid; }},
        {"size 0", [&] { page.UDWallSize->StepDown(); page.SEWallSize->UserSetText("0"); },
         [&] { return wall.Size() == 0 && !page.CBDark3D->Enabled(); }},
    };
    Dialogs().colors = {ClTeal, ClMaroon};
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.action;
    }
}

TEST_F(ChartLookPages, WallTabsEditEachWall) {
    chart->BottomWall().SetSize(4);
    chart->BackWall().SetSize(0);
    TFormChartWall& page = Open<TFormChartWall>(chart->BackWall());
    EXPECT_EQ(page.TabSubWalls->TabIndex(), 2);
    EXPECT_TRUE(page.CBWallTransp->Checked()) << "the back wall starts clear";
    EXPECT_FALSE(page.CBDark3D->Enabled()) << "a wall of size 0 has no dark side";
    page.TabSubWalls->UserSelectTab(1);
    EXPECT_EQ(&page.TheWall(), &chart->BottomWall());
    EXPECT_EQ(page.SEWallSize->Text(), "4");
    EXPECT_TRUE(page.CBDark3D->Enabled());
    EXPECT_EQ(page.SHWallColor->BrushColor(), ClWhite);
    page.SEWallSize->UserSetText("9");
    EXPECT_EQ(chart->BottomWall().Size(), 9);
    EXPECT_EQ(chart->BackWall().Size(), 0);
    WhenShown<TPenDialog>([](TPenDialog& d) {
        d.SEWidth->UserSetText("3");
        d.Button1->Click();
    });
    page.BWallPen->Click();
    EXPECT_EQ(chart->BottomWall().Pen().Width(), 3);
    WhenShown<TBrushDialog>([](TBrushDialog& d) {
        d.RGStyle->SetItemIndex(2);
        d.Button2->Click();
    });
    page.BWallBrush->Click();
    EXPECT_EQ(chart->BottomWall().Brush().Style(), BrushStyle::Horizontal);
}

TEST_F(ChartLookPages, AnOpaqueWallOfTheAutomaticColourTurnsSilver) {
    TChartWall& back = chart->BackWall();
    ASSERT_EQ(back.GetColor(), AutomaticColour);
    auto pattern = std::make_shared<Bitmap>(8, 8);
    back.Brush().SetImage(pattern);
    TFormChartWall& page = Open<TFormChartWall>(back);
    page.CBWallTransp->Click();
    EXPECT_EQ(back.Brush().Style(), BrushStyle::Solid);
    EXPECT_EQ(back.GetColor(), ClSilver);
    EXPECT_EQ(page.SHWallColor->BrushColor(), ClSilver);
    EXPECT_EQ(back.Brush().Image(), pattern) << "the pattern picture stays";
    // A wall with a colour of its own keeps it.
    page.TabSubWalls->UserSelectTab(0);
    page.CBWallTransp->Click();
    page.CBWallTransp->Click();
    EXPECT_EQ(chart->LeftWall().GetColor(), Color(0x80FFFF));
}

// ---- Legend ----

TEST_F(ChartLookPages, LegendControlsWriteIntoTheLegend) {
    TFormChartLegend& page = Open<TFormChartLegend>();
    TChartLegend& legend = chart->Legend();
    const Font font{"Times", 10, ClBlue};
    struct Case {
        const char* action;
        std::function<void()> act;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"hidden", [&] { page.CBShow->Click(); }, [&] { return !legend.Visible(); }},
        {"back colour", [&] { page.BColor->Click(); }, [&] { return legend.GetColor() == ClYellow; }},
        {"font", [&] { page.BFont->Click(); }, [&] { return legend.GetFont() == font; }},
        {"chart not resized", [&] { page.CBResizeChart->Click(); }, [&] { return !legend.ResizeChart(); }},
        {"inverted", [&] { page.CBInverted->Click(); }, [&] { return legend.Inverted(); }},
        {"legend style Last Values", [&] { page.CBLegendStyle->UserSelect(3); },
         [&] { return legend.LegendStyle() == TLegendStyle::lsLastValues; }},
        {"text style X Value", [&] { page.CBLegStyle->UserSelect(5); },
         [&] { return legend.TextStyle() == ltsXValue; }},
        {"top position", [&] { page.SETopPos->UserSetText("40"); }, [&] { return legend.TopPos() == 40; }},
        {"colour width by the up arrow, a step of 5", [&] { page.UDColWi->StepUp(); },
         [&] { return legend.ColorWidth() == 17; }},
        {"shadow colour", [&] { page.BShadow->Click(); }, [&] { return legend.ShadowColor() == ClGray; }},
        {"shadow size", [&] { page.SEShadowSize->UserSetText("6"); }, [&] { return legend.ShadowSize() == 6; }},
        {"at the top", [&] { page.RBTop->Click(); }, [&] { return legend.Alignment() == TLegendAlignment::laTop; }},
        {"at the bottom", [&] { page.RBBottom->Click(); },
         [&] { return legend.Alignment() == TLegendAlignment::laBottom; }},
        {"on the left", [&] { page.RBLeft->Click(); }, [&] { return legend.Alignment() == TLegendAlignment::laLeft; }},
        {"on the right", [&] { page.RBRight->Click(); },
         [&] { return legend.Alignment() == TLegendAlignment::laRight; }},
    };
    Dialogs().colors = {ClYellow, ClGray};
    Dialogs().fonts = {font};
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.action;
    }
    WhenShown<TPenDialog>([](TPenDialog& d) {
        d.SEWidth->UserSetText("2");
        d.Button1->Click();
    });
    page.BFrame->Click();
    EXPECT_EQ(legend.Frame().Width(), 2);
    WhenShown<TPenDialog>([](TPenDialog& d) {
        d.CBVisible->Click();
        d.Button1->Click();
    });
    const bool linesShown = legend.DividingLines().Visible();
    page.BDivLines->Click();
    EXPECT_NE(legend.DividingLines().Visible(), linesShown);
}

TEST_F(ChartLookPages, TheLegendMarginFollowsItsSide) {
    TChartLegend& legend = chart->Legend();
    legend.SetHorizMargin(7);
    legend.SetVertMargin(3);
    TFormChartLegend& page = Open<TFormChartLegend>();
    EXPECT_TRUE(page.RBRight->Checked());
    EXPECT_EQ(page.SEMargin->Text(), "7") << "a legend at the side shows its horizontal margin";
    page.SEMargin->UserSetText("12");
    EXPECT_EQ(legend.HorizMargin(), 12);
    EXPECT_EQ(legend.VertMargin(), 3);
    page.RBTop->Click();
    EXPECT_EQ(page.SEMargin->Text(), "3");
    EXPECT_EQ(legend.HorizMargin(), 12) << "showing the other margin writes nothing";
    page.SEMargin->UserSetText("20");
    EXPECT_EQ(legend.VertMargin(), 20);
    EXPECT_EQ(legend.HorizMargin(), 12);
    page.RBLeft->Click();
    EXPECT_EQ(page.SEMargin->Text(), "12");
}

TEST_F(ChartLookPages, TheLegendPageShowsTheLegend) {
    TChartLegend& legend = chart->Legend();
    legend.SetVisible(false);
    legend.SetLegendStyle(TLegendStyle::lsSeries);
    legend.SetTextStyle(ltsRightPercent);
    legend.SetTopPos(55);
    legend.SetColorWidth(30);
    legend.SetShadowSize(0);
    legend.SetAlignment(TLegendAlignment::laBottom);
    TFormChartLegend& page = Open<TFormChartLegend>();
    EXPECT_FALSE(page.CBShow->Checked());
    EXPECT_EQ(page.CBLegendStyle->ItemIndex(), 1);
    EXPECT_EQ(page.CBLegStyle->ItemIndex(), 4);
    EXPECT_EQ(page.SETopPos->Text(), "55");
    EXPECT_EQ(page.SEColWi->Text(), "30");
    EXPECT_EQ(page.SEShadowSize->Text(), "0");
    EXPECT_TRUE(page.RBBottom->Checked());
    EXPECT_FALSE(page.RBRight->Checked());
    EXPECT_FALSE(legend.Visible()) << "showing wrote nothing back";
}

// ---- Panel ----

TEST_F(ChartLookPages, PanelControlsWriteIntoTheChart) {
    TFormChartPanel& page = Open<TFormChartPanel>();
    struct Case {
        const char* action;
        std::function<void()> act;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"inner bevel lowered", [&] { page.RGBevelIn->SetItemIndex(1); },
         [&] { return chart->BevelInner == BevelKind::Lowered; }},
        {"outer bevel none", [&] { page.RGBevelOut->SetItemIndex(0); },
         [&] { return chart->BevelOuter == BevelKind::None; }},
        {"bevel width", [&] { page.SEPanelWi->UserSetText("4"); }, [&] { return chart->BevelWidth == 4; }},
        {"border width", [&] { page.UDPanelBor->StepUp(); }, [&] { return chart->BorderWidth == 1; }},
        {"border", [&] { page.CBPanelBorder->Click(); },
         [&] { return chart->GetBorderStyle() == BorderStyle::Single; }},
        {"panel colour", [&] { page.BPanelColor->Click(); }, [&] { return chart->GetColor() == ClAqua; }},
        {"gradient shown", [&] { page.CBGradVisible->Click(); },
         [&] { return chart->Gradient().Visible() && page.ComboBox1->Enabled() && page.Shape1->Enabled(); }},
        {"gradient start", [&] { page.BGradientStart->Click(); },
         [&] { return chart->Gradient().StartColor() == ClRed && page.Shape1->BrushColor() == ClRed; }},
        {"gradient end from the swatch", [&] { page.Shape2->MouseUp(MouseButton::Left, 0, 2, 2); },
         [&] { return chart->Gradient().EndColor() == ClGreen && page.Shape2->BrushColor() == ClGreen; }},
        {"gradient from the centre", [&] { page.ComboBox1->UserSelect(4); },
         [&] { return chart->Gradient().Direction() == TGradientDirection::gdFromCenter; }},
        {"gradient hidden", [&] { page.CBGradVisible->Click(); },
         [&] { return !chart->Gradient().Visible() && !page.ComboBox1->Enabled() && !page.BGradientEnd->Enabled(); }},
    };
    Dialogs().colors = {ClAqua, ClRed, ClGreen};
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.action;
    }
}

TEST_F(ChartLookPages, TheBackImageIsBrowsedForAndCleared) {
    ASSERT_TRUE(WriteWholeFile("back.bmp", "BM"));
    TFormChartPanel& page = Open<TFormChartPanel>();
    EXPECT_EQ(page.BBrowseImage->Caption(), "B&rowse...");
    EXPECT_FALSE(page.RGBitmap->Enabled());
    EXPECT_FALSE(page.CBImageInside->Enabled());

    Dialogs().files = {std::nullopt};
    page.BBrowseImage->Click();
    EXPECT_EQ(chart->BackImage(), nullptr) << "cancelled";

    Dialogs().files = {std::string("missing.bmp")};
    EXPECT_EQ(Act([&] { page.BBrowseImage->Click(); }), "Bitmap image is not valid");
    EXPECT_EQ(chart->BackImage(), nullptr);
    EXPECT_EQ(page.BBrowseImage->Caption(), "B&rowse...");

    Dialogs().files = {std::string("back.bmp")};
    page.BBrowseImage->Click();
    EXPECT_EQ(Dialogs().lastFileOptions.DefaultExtension, "BMP");
    ASSERT_NE(chart->BackImage(), nullptr);
    EXPECT_EQ(page.BBrowseImage->Caption(), "Clea&r");
    EXPECT_TRUE(page.RGBitmap->Enabled());
    page.RGBitmap->SetItemIndex(1);
    EXPECT_EQ(chart->BackImageMode(), TChartBackImageMode::pbmTile);
    page.CBImageInside->Click();
    EXPECT_TRUE(chart->BackImageInside());

    page.BBrowseImage->Click();
    EXPECT_EQ(chart->BackImage(), nullptr);
    EXPECT_EQ(page.BBrowseImage->Caption(), "B&rowse...");
    EXPECT_FALSE(page.RGBitmap->Enabled());
    EXPECT_FALSE(page.CBImageInside->Enabled());
}

TEST_F(ChartLookPages, ThePanelPageShowsThePanel) {
    chart->BevelInner = BevelKind::Raised;
    chart->BevelOuter = BevelKind::Lowered;
    chart->BevelWidth = 3;
    chart->BorderWidth = 6;
    chart->SetBorderStyle(BorderStyle::Single);
    chart->Gradient().SetVisible(true);
    chart->Gradient().SetDirection(TGradientDirection::gdLeftRight);
    TFormChartPanel& page = Open<TFormChartPanel>();
    EXPECT_EQ(page.RGBevelIn->ItemIndex(), 2);
    EXPECT_EQ(page.RGBevelOut->ItemIndex(), 1);
    EXPECT_EQ(page.SEPanelWi->Text(), "3");
    EXPECT_EQ(page.SEPanelBor->Text(), "6");
    EXPECT_TRUE(page.CBPanelBorder->Checked());
    EXPECT_TRUE(page.CBGradVisible->Checked());
    EXPECT_EQ(page.ComboBox1->ItemIndex(), 2);
    EXPECT_TRUE(page.BGradientStart->Enabled());
    page.CBPanelBorder->Click();
    EXPECT_EQ(chart->GetBorderStyle(), BorderStyle::None);
}

}  // namespace
}  // namespace fv
