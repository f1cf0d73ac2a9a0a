// The general, paging and 3D pages of the chart editor: each control set as a user sets it, and the chart
// property it writes; the refusals; what each page enables.
#include <gtest/gtest.h>

#include "chart/series/pie_series.h"
#include "chart/chart_store.h"
#include "chartui/editor/chart_3d_page.h"
#include "chartui/window/chart_export_form.h"
#include "chartui/editor/chart_general_page.h"
#include "chartui/editor/chart_paging_page.h"
#include "chartui/window/chart_preview.h"
#include "editor_fixture.h"
#include "platform/fs/files.h"

namespace fv::testing {
namespace {

class ChartPages : public EditorFixture {};

TEST_F(ChartPages, TheGeneralPageWritesEachSetting) {
    ShowEditor();
    auto& page = OpenPage<TFormChartGeneral>(cetGeneral);
    // The page shows the chart as it is before anything is touched.
    EXPECT_TRUE(page.CBAllowZoom->Checked());
    EXPECT_EQ(page.SEAniZoomSteps->Text(), "8");
    EXPECT_EQ(page.RGPanning->ItemIndex(), int(TPanningMode::pmBoth));
    EXPECT_EQ(page.SETopMa->Text(), "4");
    EXPECT_EQ(page.SELeftMa->Text(), "3");

    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"Allow Zoom off", [&] { page.CBAllowZoom->Click(); }, [&] { return !chart->AllowZoom; }},
        {"Animated Zoom on", [&] { page.CBAnimatedZoom->Click(); }, [&] { return chart->AnimatedZoom; }},
        {"typed steps", [&] { page.SEAniZoomSteps->UserSetText("20"); }, [&] { return chart->AnimatedZoomSteps == 20; }},
        {"steps by the arrows", [&] { page.UDAniZoomSteps->SetPosition(21); },
         [&] { return chart->AnimatedZoomSteps == 21; }},
        {"scroll vertically only", [&] { page.RGPanning->SetItemIndex(2); },
         [&] { return chart->AllowPanning == TPanningMode::pmVertical; }},
        {"no scrolling", [&] { page.RGPanning->SetItemIndex(0); },
         [&] { return chart->AllowPanning == TPanningMode::pmNone; }},
        {"Clip Points off", [&] { page.CBClipPoints->Click(); }, [&] { return !chart->ClipPoints(); }},
        {"top margin", [&] { page.SETopMa->UserSetText("10"); }, [&] { return chart->MarginTop() == 10; }},
        {"top margin by the arrow", [&] { page.UDTopMa->StepUp(); }, [&] { return chart->MarginTop() == 15; }},
        {"and back", [&] { page.UDTopMa->StepDown(); }, [&] { return chart->MarginTop() == 10; }},
        {"left margin", [&] { page.SELeftMa->UserSetText("40"); }, [&] { return chart->MarginLeft() == 40; }},
        {"bottom margin", [&] { page.SEBotMa->UserSetText("15"); }, [&] { return chart->MarginBottom() == 15; }},
        {"right margin", [&] { page.SERightMa->UserSetText("59"); }, [&] { return chart->MarginRight() == 59; }},
        // Left 40 and right 60 would leave no chart: the field goes back to the margin it had.
        {"right margin refused", [&] { page.SERightMa->UserSetText("60"); },
         [&] { return chart->MarginRight() == 59 && page.SERightMa->Text() == "59"; }},
        {"top margin refused", [&] { page.SETopMa->UserSetText("85"); },
         [&] { return chart->MarginTop() == 10 && page.SETopMa->Text() == "10"; }},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.what;
    }
}

TEST_F(ChartPages, PrintPreviewAndExportOpenOnTheChart) {
    AddSeries("Series1", 5);
    ShowEditor();
    auto& page = OpenPage<TFormChartGeneral>(cetGeneral);
    WhenShown<TChartPreview>([&](TChartPreview& preview) {
        EXPECT_EQ(preview.ChartPreviewPage->Image(), chart);
        preview.SetModalResult(MrCancel);
    });
    page.BPrint->Click();

    // A chart file from the export is a whole chart that the store reads back.
    WhenShown<TChartExportForm>([&](TChartExportForm& d) {
        d.RGFormat->SetItemIndex(efNative);
        EXPECT_FALSE(d.Button1->Enabled());
        Dialogs().files = {dir.File("exported.chf")};
        d.Button2->Click();
        d.Button3->Click();
    });
    page.BExport->Click();
    TChart loaded(nullptr, "Loaded");
    LoadChartFile(&loaded, dir.File("exported.chf"));
    ASSERT_EQ(loaded.SeriesCount(), 1);
    EXPECT_EQ(loaded.GetSeries(0)->Count(), 5);
    loaded.DestroyAllSeries();
}

TEST_F(ChartPages, ThePagingPageWritesAndStepsThePages) {
    AddSeries("Series1", 10);
    ShowEditor();
    auto& page = OpenPage<TFormChartPage>(cetPaging);
    EXPECT_EQ(page.LabelPages->Caption(), "1/1");
    EXPECT_FALSE(page.ButtonNext->Enabled());

    struct Case {
        const char* what;
        std::function<void()> act;
        int maxPoints, pageNumber;
        const char* label;
        bool first, previous, next, last;
    };
    const Case cases[] = {
        {"4 points a page", [&] { page.SEPointsPerPage->UserSetText("4"); }, 4, 1, "1/3", false, false, true, true},
        {"next", [&] { page.ButtonNext->Click(); }, 4, 2, "2/3", true, true, true, true},
        {"last", [&] { page.BLastPage->Click(); }, 4, 3, "3/3", true, true, false, false},
        {"previous", [&] { page.ButtonPrevious->Click(); }, 4, 2, "2/3", true, true, true, true},
        {"first", [&] { page.BFirstPage->Click(); }, 4, 1, "1/3", false, false, true, true},
        {"5 by the arrows", [&] { page.UDPointsPerPage->SetPosition(5); }, 5, 1, "1/2", false, false, true, true},
        // An empty field turns paging off: the chart is one page.
        {"empty", [&] { page.SEPointsPerPage->UserSetText(""); }, 0, 1, "1/1", false, false, false, false},
        {"2 again", [&] { page.SEPointsPerPage->UserSetText("2"); }, 2, 1, "1/5", false, false, true, true},
        {"0", [&] { page.SEPointsPerPage->UserSetText("0"); }, 0, 1, "1/1", false, false, false, false},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(chart->MaxPointsPerPage(), c.maxPoints) << c.what;
        EXPECT_EQ(chart->Page(), c.pageNumber) << c.what;
        EXPECT_EQ(page.LabelPages->Caption(), c.label) << c.what;
        EXPECT_EQ(page.BFirstPage->Enabled(), c.first) << c.what;
        EXPECT_EQ(page.ButtonPrevious->Enabled(), c.previous) << c.what;
        EXPECT_EQ(page.ButtonNext->Enabled(), c.next) << c.what;
        EXPECT_EQ(page.BLastPage->Enabled(), c.last) << c.what;
    }
    page.CBScaleLast->Click();
    EXPECT_EQ(chart->ScaleLastPage(), page.CBScaleLast->Checked());
    page.CBScaleLast->Click();
    EXPECT_EQ(chart->ScaleLastPage(), page.CBScaleLast->Checked());
}

TEST_F(ChartPages, The3DPageWritesEachSetting) {
    chart->View3DOptions().SetOrthogonal(false);
    ShowEditor();
    auto& page = OpenPage<TFormChart3D>(cet3D);
    TView3DOptions& options = chart->View3DOptions();
    EXPECT_TRUE(page.AllowRotation);
    EXPECT_EQ(page.SBRotation->Min(), 270) << "the chart's canvas does not rotate freely";
    EXPECT_EQ(page.LZoom->Caption(), "100%");

    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"3D percent", [&] { page.SE3d->UserSetText("40"); }, [&] { return chart->Chart3DPercent() == 40; }},
        {"3D percent by the arrow", [&] { page.UD3D->StepUp(); }, [&] { return chart->Chart3DPercent() == 45; }},
        {"3D percent typed past 100", [&] { page.SE3d->UserSetText("250"); },
         [&] { return chart->Chart3DPercent() == 100; }},
        {"zoom", [&] { page.SBZoom->SetPosition(150); },
         [&] { return options.Zoom() == 150 && page.LZoom->Caption() == "150%"; }},
        {"rotation", [&] { page.SBRotation->SetPosition(300); },
         [&] { return options.Rotation() == 300 && page.LRotation->Caption() == "300"; }},
        {"elevation", [&] { page.SBElevation->SetPosition(280); },
         [&] { return options.Elevation() == 280 && page.LElevation->Caption() == "280"; }},
        {"horizontal offset", [&] { page.SBHOffset->SetPosition(-1500); },
         [&] { return options.HorizOffset() == -1500 && page.LHOffset->Caption() == "-1500"; }},
        {"vertical offset", [&] { page.SBVOffset->SetPosition(1500); },
         [&] { return options.VertOffset() == 1500 && page.LVOffset->Caption() == "1500"; }},
        {"zoom text off", [&] { page.CBZoomText->Click(); }, [&] { return !options.ZoomText(); }},
        {"orthogonal", [&] { page.CBOrthogonal->Click(); }, [&] { return options.Orthogonal(); }},
        {"flat", [&] { page.CBView3d->Click(); }, [&] { return !chart->View3D(); }},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.what;
    }
}

TEST_F(ChartPages, The3DPageEnablesByViewOrthogonalAndPermission) {
    chart->View3DOptions().SetOrthogonal(false);
    ShowEditor();
    auto& page = OpenPage<TFormChart3D>(cet3D);
    auto enabled = [&] {
        std::string s;
        for (Control* c : std::initializer_list<Control*>{page.SE3d, page.CBOrthogonal, page.SBZoom, page.SBRotation,
                                                          page.SBElevation, page.SBHOffset, page.SBVOffset,
                                                          page.CBZoomText})
            s += c->Enabled() ? '1' : '0';
        return s;
    };
    // 3D percent, Orthogonal, Zoom, Rotation, Elevation, offsets, Zoom Text.
    EXPECT_EQ(enabled(), "11111111");
    page.CBOrthogonal->Click();
    EXPECT_EQ(enabled(), "11100111") << "orthogonal: no rotation, no elevation";
    page.CBOrthogonal->Click();
    page.CBView3d->Click();
    EXPECT_EQ(enabled(), "00000000") << "flat: nothing of the 3D view";
    page.CBView3d->Click();
    EXPECT_EQ(enabled(), "11111111");
}

TEST_F(ChartPages, APieOnACanvasThatCannotRotateWithholdsRotation) {
    chart->View3DOptions().SetOrthogonal(false);
    AddSeries<TPieSeries>("Pie1", 3);
    ShowEditor();
    EXPECT_FALSE(editor->RotationAllowed());
    auto& page = OpenPage<TFormChart3D>(cet3D);
    EXPECT_FALSE(page.AllowRotation);
    EXPECT_FALSE(page.CBOrthogonal->Enabled());
    EXPECT_FALSE(page.SBRotation->Enabled());
    EXPECT_TRUE(page.SBElevation->Enabled());

    // The pie switched off: the next visit of the tab permits rotation again.
    chart->GetSeries(0)->SetActive(false);
    editor->Notebook1->UserSelectPage(editor->TabSeriesList);
    editor->Notebook1->UserSelectPage(editor->Tab3D);
    EXPECT_TRUE(page.AllowRotation);
    EXPECT_TRUE(page.CBOrthogonal->Enabled());
    EXPECT_TRUE(page.SBRotation->Enabled());
}

}  // namespace
}  // namespace fv::testing
