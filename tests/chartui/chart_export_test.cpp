// The export dialog: which output each format and button asks of the chart, the file dialog it opens,
// and what it leaves on disk and on the clipboard for a real chart.
#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "chart/chart.h"
#include "chartui/window/chart_export_form.h"
#include "chartui/window/panel_export.h"
#include "platform/fs/files.h"
#include "dialog_fixture.h"

namespace fv::testing {
namespace {

// Records what was asked of the chart.
struct RecordingTarget : TChartExportTarget {
    void CopyToClipboardBitmap() override { calls.push_back("clipboard bitmap"); }
    void CopyToClipboardMetafile(bool enhanced) override {
        calls.push_back(enhanced ? "clipboard enhanced" : "clipboard metafile");
    }
    void SaveToBitmapFile(const std::string& f) override { calls.push_back("bitmap " + f); }
    void SaveToMetafile(const std::string& f) override { calls.push_back("metafile " + f); }
    void SaveToMetafileEnh(const std::string& f) override { calls.push_back("enhanced " + f); }
    void SaveToChartFile(const std::string& f) override {
        if (f.empty()) throw std::runtime_error("no file");
        calls.push_back("chart " + f);
    }
    std::vector<std::string> calls;
};

class ChartExport : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        form = app->CreateForm<TChartExportForm>(*program);
        form->ExportPanel = &target;
    }
    TChartExportForm* form = nullptr;
    RecordingTarget target;
};

TEST_F(ChartExport, EachFormatGoesToItsOutput) {
    EXPECT_EQ(form->Caption(), "Export Chart");
    EXPECT_EQ(form->RGFormat->ItemIndex(), 0);
    struct Case {
        int format;
        bool copies;
        const char* copy;
        const char* extension;
        const char* saved;
    };
    const Case cases[] = {
        {0, true, "clipboard bitmap", "BMP", "bitmap out.bmp"},
        {1, true, "clipboard metafile", "WMF", "metafile out.bmp"},
        {2, true, "clipboard enhanced", "EMF", "enhanced out.bmp"},
        // A chart file goes to a file only.
        {3, false, nullptr, "chf", "chart out.bmp"},
    };
    for (const Case& c : cases) {
        target.calls.clear();
        form->RGFormat->SetItemIndex(c.format);
        EXPECT_EQ(form->Button1->Enabled(), c.copies) << c.format;
        if (c.copies) form->Button1->Click();
        Dialogs().files = {"out.bmp", std::nullopt};
        form->Button2->Click();
        form->Button2->Click();  // the second save is cancelled in the file dialog: nothing is written
        std::vector<std::string> expected;
        if (c.copy) expected.push_back(c.copy);
        expected.push_back(c.saved);
        EXPECT_EQ(target.calls, expected) << c.format;
        const FileDialogOptions& asked = Dialogs().lastFileOptions;
        EXPECT_EQ(asked.DefaultExtension, c.extension);
        EXPECT_EQ(asked.FilterIndex, c.format + 1);
        EXPECT_TRUE(asked.FileName.empty());
        ASSERT_EQ(asked.Filters.size(), 4u);
        EXPECT_EQ(asked.Filters[3], (std::pair<std::string, std::string>{"Chart Native Files", "*.CHF"}));
    }
}

TEST_F(ChartExport, CloseEndsTheDialogAndAFailedSaveIsShown) {
    WhenShown<TChartExportForm>([&](TChartExportForm& d) {
        d.RGFormat->SetItemIndex(3);
        Dialogs().files = {""};
        app->Dispatch([&] { d.Button2->Click(); });
        EXPECT_EQ(Messages().Messages().back(), "no file");
        EXPECT_EQ(d.ModalResult(), MrNone);
        d.Button3->Click();
    });
    EXPECT_EQ(form->ShowModal(), MrOk);
    EXPECT_TRUE(form->Button3->Cancel);
}

}  // namespace
}  // namespace fv::testing

namespace fv::testing {
namespace {

// The dialog on a real chart: the files and clipboard contents it leaves.
class ChartExportOfAChart : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        chart.SetBounds(0, 0, 200, 150);
        chart.SetView3D(false);
        for (int i = 0; i < 5; ++i) series.AddPoint(i, i * i);
        chart.AddSeries(series);
        output = std::make_unique<TPanelExport>(chart, *app);
        form = app->CreateForm<TChartExportForm>(*program);
        form->ExportPanel = output.get();
    }
    void TearDown() override {
        chart.RemoveSeries(series);
        DialogFixture::TearDown();
    }
    std::string Saved(int format, const std::string& name) {
        form->RGFormat->SetItemIndex(format);
        Dialogs().files = {dir.File(name)};
        app->Dispatch([&] { form->Button2->Click(); });
        return ReadWholeFile(dir.File(name)).value_or("");
    }
    TChart chart{nullptr, "Chart1"};
    TChartSeries series;
    std::unique_ptr<TPanelExport> output;  // the application comes with SetUp
    TChartExportForm* form = nullptr;
};

TEST_F(ChartExportOfAChart, PicturesGoToFilesAndTheClipboard) {
    EXPECT_EQ(Saved(efBitmap, "chart.bmp").substr(0, 2), "BM");
    EXPECT_EQ(Saved(efEnhancedMetafile, "chart.emf").substr(0, 4), std::string("\x01\0\0\0", 4));
    EXPECT_EQ(Saved(efMetafile, "chart.wmf").substr(0, 4), "\xD7\xCD\xC6\x9A");

    form->RGFormat->SetItemIndex(efBitmap);
    form->Button1->Click();
    EXPECT_EQ(app->ScriptedClipboardService().bitmap.Width, 200);
    form->RGFormat->SetItemIndex(efEnhancedMetafile);
    form->Button1->Click();
    EXPECT_FALSE(app->ScriptedClipboardService().metafile.empty());
    EXPECT_TRUE(app->ScriptedClipboardService().enhanced);
}

TEST_F(ChartExportOfAChart, AChartFileGoesThroughTheStoreItIsGiven) {
    EXPECT_EQ(Saved(efNative, "none.chf"), "");
    EXPECT_EQ(Messages().Messages().back(), "This chart cannot be saved as a chart file");
    std::vector<std::string> stored;
    output->SaveChartFile = [&](const std::string& f) { stored.push_back(f); };
    Saved(efNative, "chart.chf");
    EXPECT_EQ(stored, std::vector<std::string>{dir.File("chart.chf")});
}

}  // namespace
}  // namespace fv::testing
