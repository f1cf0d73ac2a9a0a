// The chart window from the main window: the chart command, plotting chosen records and fields, a
// toolbar edit kept in the database's chart file and found again by a new program, and the chart types
// every chart file may name known from the start.
#include <gtest/gtest.h>

#include "app/chart_types.h"
#include "app/folivex_form.h"
#include "chart/chart_store.h"
#include "chart/extended/extended_types.h"
#include "chart/functions/function_types.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "chartui/editor/chart_3d_page.h"
#include "chartui/editor/chart_edit_form.h"
#include "chartui/window/chart_preview.h"
#include "chartui/window/chart_window.h"
#include "platform/fs/files.h"
#include "publish/publish_message_form.h"
#include "publish/search_setup_form.h"
#include "records/database_names.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

class ChartWindowTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        StartAgain();
    }
    // A program as the user starts it: the splash and the first load are over.
    void StartAgain() {
        ASSERT_TRUE(Start());
        loop.AdvanceBy(5000);
        Messages().ClearLog();
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    TRozizAForm& Window() { return *program->RozizAForm; }
    TChart& Chart() { return *Window().ChartVue; }
    // Opens the database as the database setup dialog does.
    void Open(const std::string& name) {
        program->SavedFiles = program->Files();
        program->Files() = CompanionFiles(name).value();
        program->ChartModified = 0;
        Main().LoadDatabase(nullptr);
    }
    // Ten records saved as "folivex.db": record n has 10 n in field 1 and n squared in field 3.
    void SaveTenRecords() {
        for (int n = 1; n <= 10; ++n) {
            DatabaseRecord& r = program->RecordTable[std::size_t(n - 1)];
            r = DatabaseRecord{};
            r.Category = "Sport";
            r.Field[0] = std::to_string(10 * n);
            r.Field[2] = std::to_string(n * n);
        }
        program->RecordCount = 10;
        program->CurrentRecord = 1;
        program->DatabaseModified = 1;
        Main().SaveDBButtonClick(nullptr);
        loop.AdvanceBy(1000);
    }
    // The user opens the chart editor from the toolbar and unticks "3 Dimensions" on its 3D page.
    void UntickView3DInTheEditor() {
        bool edited = false;
        app->OnModal = [&](Form& f) {
            auto* editor = dynamic_cast<TChartEditForm*>(&f);
            ASSERT_NE(editor, nullptr) << f.Name();
            editor->Notebook1->UserSelectPage(editor->Tab3D);
            auto* page = dynamic_cast<TFormChart3D*>(editor->Page(cet3D));
            ASSERT_NE(page, nullptr);
            ASSERT_TRUE(page->CBView3d->Checked());
            page->CBView3d->Click();
            editor->BClose->Click();
            edited = true;
        };
        Window().ChartCommander->Edit->Click();
        app->OnModal = nullptr;
        ASSERT_TRUE(edited);
        ASSERT_FALSE(Chart().View3D());
    }
    // A new program in the same folder, as after the user ends this one and starts it again.
    void NewProgram() {
        program.reset();
        app.reset();
        app = std::make_unique<Application>(loop);
        program = std::make_unique<Program>(*app);
        program->ResourceDirectory = std::string(FOLIVEX_SOURCE_DIR) + "/resources";
        StartAgain();
    }
};

TEST_F(ChartWindowTest, PlotEditSaveAndFindTheChartAgainInANewProgram) {
    SaveTenRecords();
    Open("folivex.db");
    ASSERT_EQ(program->RecordCount, 10);

    ASSERT_TRUE(Main().RozizAButton->Enabled());
    Main().RozizAButton->Click();
    ASSERT_TRUE(Window().Visible());
    Window().WhichFields->UserSetText("1,3");
    Window().WhichRows->UserSetText("2-6");
    EXPECT_FALSE(Window().WhichRowsCheckBox->Checked());
    Window().ReDrawButton->Click();
    ASSERT_EQ(Chart().SeriesCount(), 2);
    const double want[2][5] = {{20, 30, 40, 50, 60}, {4, 9, 16, 25, 36}};
    const Color colours[2] = {0x0000FF, 0xFF0000};  // red, blue
    for (int i = 0; i < 2; ++i) {
        TChartSeries& s = *Chart().GetSeries(i);
        ASSERT_EQ(s.Count(), 5);
        for (int p = 0; p < 5; ++p) {
            EXPECT_EQ(s.YValues->GetValue(p), want[i][p]) << "series " << i << " point " << p;
            EXPECT_EQ(s.ValueColor(p), colours[i]);
        }
    }

    // The user drags the chart in the toolbar's Move mode.
    Window().ChartCommander->Move->Click();
    Chart().MouseDown(MouseButton::Left, 0, 100, 100);
    Chart().MouseMove(0, 130, 90);
    Chart().MouseUp(MouseButton::Left, 0, 130, 90);
    EXPECT_EQ(Chart().View3DOptions().HorizOffset(), 30);
    EXPECT_EQ(Chart().View3DOptions().VertOffset(), -10);

    Window().CloseButton->Click();
    EXPECT_EQ(program->ChartModified, 1);
    Main().SaveDBButtonClick(nullptr);
    loop.AdvanceBy(1000);
    ASSERT_TRUE(PathExistsOnDisk(dir.File("folivex.cht"))) << "the changed chart is saved with the database";
    EXPECT_TRUE(Messages().Messages().empty());

    NewProgram();
    Open("folivex.db");
    Main().RozizAButton->Click();
    EXPECT_EQ(Window().WhichFields->Text(), "1,3") << "the choice is kept in the configuration";
    EXPECT_EQ(Chart().View3DOptions().HorizOffset(), 30) << "the edit is read from the chart file";
    EXPECT_EQ(Chart().View3DOptions().VertOffset(), -10);
    ASSERT_EQ(Chart().SeriesCount(), 2);
    EXPECT_EQ(Chart().GetSeries(1)->YValues->GetValue(4), 36);
    EXPECT_TRUE(Messages().Messages().empty());
}

TEST_F(ChartWindowTest, AChartEditedWhileTheWindowIsOpenIsSavedWithTheDatabase) {
    SaveTenRecords();
    Open("folivex.db");
    Main().RozizAButton->Click();
    ASSERT_TRUE(Chart().View3D()) << "a new chart is drawn in 3D";
    UntickView3DInTheEditor();
    // The window stays open: the save alone must take the edit.
    ASSERT_TRUE(Window().Visible());
    Main().SaveDBButtonClick(nullptr);
    loop.AdvanceBy(1000);
    EXPECT_EQ(program->DatabaseModified, 0);
    ASSERT_TRUE(PathExistsOnDisk(dir.File("folivex.cht")));
    {
        // The file holds the edit, read by the store alone.
        TChart stored(nullptr);
        LoadChartFile(&stored, dir.File("folivex.cht"));
        EXPECT_FALSE(stored.View3D());
    }
    // Saved: leaving now asks nothing.
    Main().ExitButtonClick(nullptr);
    EXPECT_TRUE(Messages().Messages().empty());

    NewProgram();
    Open("folivex.db");
    Main().RozizAButton->Click();
    EXPECT_FALSE(Chart().View3D()) << "the edit is read back from the database's chart file";
}

TEST_F(ChartWindowTest, ExitAsksWhenTheChartWasEditedInTheOpenWindow) {
    SaveTenRecords();
    Open("folivex.db");
    Main().RozizAButton->Click();
    // Only looking at the chart and redrawing it is no change.
    Window().ReDrawButton->Click();
    EXPECT_FALSE(Window().NoteChartEdits());
    EXPECT_EQ(program->DatabaseModified, 0);

    UntickView3DInTheEditor();
    ASSERT_TRUE(Window().Visible());
    Messages().Answer(IdYes);
    Main().ExitButtonClick(nullptr);
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Do you want to Save your recent changes ?"});
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    loop.AdvanceBy(1000);
    TChart stored(nullptr);
    LoadChartFile(&stored, dir.File("folivex.cht"));
    EXPECT_FALSE(stored.View3D()) << "the answer Yes saved the edited chart";
}

TEST_F(ChartWindowTest, AChartEditedAndRedrawnBeforeTheSaveIsStillSaved) {
    SaveTenRecords();
    Open("folivex.db");
    Main().RozizAButton->Click();
    UntickView3DInTheEditor();
    // The redraw replaces the points; the edit made before it is still a change.
    Window().ReDrawButton->Click();
    Main().SaveDBButtonClick(nullptr);
    loop.AdvanceBy(1000);
    ASSERT_TRUE(PathExistsOnDisk(dir.File("folivex.cht")));
    TChart stored(nullptr);
    LoadChartFile(&stored, dir.File("folivex.cht"));
    EXPECT_FALSE(stored.View3D());
}

TEST_F(ChartWindowTest, AChartEditedInTheOpenWindowIsSavedByAPublishRun) {
    SaveTenRecords();
    Open("folivex.db");
    Main().PublishClock = [] { return std::time_t(1796738639); };
    program->PublishMessageForm->DontShow->SetChecked(true);
    program->SearchSetup->EnableSearchButton->SetChecked(false);
    ASSERT_TRUE(IsDirectory(program->PublishDirectory)) << program->PublishDirectory;
    Main().Category->SetItems({"Sport"});  // the records' category, so that their pages are published
    // The settings above are saved: the chart edit below is the only unsaved change.
    Main().SaveDBButtonClick(nullptr);
    loop.AdvanceBy(1000);
    Main().RozizAButton->Click();
    UntickView3DInTheEditor();
    ASSERT_TRUE(Window().Visible());
    ASSERT_FALSE(PathExistsOnDisk(dir.File("folivex.cht"))) << "no chart file before the run";
    ASSERT_EQ(program->DatabaseModified, 0) << "the edit is still held in the open window";

    // Publish without Save DB: the run saves a modified database first, and the chart edit is a change.
    Messages().ClearLog();
    Main().PublishItButton->Click();
    loop.AdvanceBy(1000);
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    EXPECT_TRUE(PathExistsOnDisk(JoinPath(program->PublishDirectory, "qlx_1_1.htm"))) << "the run published";
    ASSERT_TRUE(PathExistsOnDisk(dir.File("folivex.cht"))) << "the run saved the edited chart";
    {
        TChart stored(nullptr);
        LoadChartFile(&stored, dir.File("folivex.cht"));
        EXPECT_FALSE(stored.View3D()) << "the file holds the edit";
    }
    EXPECT_EQ(program->DatabaseModified, 0);
    // Saved and published: leaving asks nothing.
    Main().ExitButtonClick(nullptr);
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});

    NewProgram();
    Open("folivex.db");
    Main().RozizAButton->Click();
    EXPECT_FALSE(Chart().View3D()) << "the edit is read back from the database's chart file";
}

TEST_F(ChartWindowTest, PrintMarginsDraggedInThePreviewAreKeptInTheChartFile) {
    SaveTenRecords();
    Open("folivex.db");
    Main().RozizAButton->Click();
    ASSERT_EQ(Chart().PrintMargins, (std::array<int, 4>{15, 15, 15, 15}));
    // The user drags the chart's right edge 40 pixels to the left on the paper, and closes the preview.
    bool dragged = false;
    app->OnModal = [&](Form& f) {
        auto* preview = dynamic_cast<TChartPreview*>(&f);
        ASSERT_NE(preview, nullptr) << f.Name();
        TChartPreviewPage& page = *preview->ChartPreviewPage;
        page.CalcRects();
        const PixelRect r = page.ChartRect;
        const int y = (r.Top + r.Bottom) / 2;
        page.MouseDown(MouseButton::Left, 0, r.Right, y);
        page.MouseMove(0, r.Right - 40, y);
        page.MouseUp(MouseButton::Left, 0, r.Right - 40, y);
        preview->BClose->Click();
        dragged = true;
    };
    Window().ChartCommander->Print->Click();
    app->OnModal = nullptr;
    ASSERT_TRUE(dragged);
    const std::array<int, 4> margins = Chart().PrintMargins;
    ASSERT_GT(margins[2], 15) << "the right margin grew";
    EXPECT_EQ(margins[0], 15);

    Main().SaveDBButtonClick(nullptr);
    loop.AdvanceBy(1000);
    NewProgram();
    Open("folivex.db");
    Main().RozizAButton->Click();
    EXPECT_EQ(Chart().PrintMargins, margins) << "the margins come back from the chart file";
}

TEST_F(ChartWindowTest, AChartFileWithoutMarginsOrWithRefusedOnesGivesTheDefaultMargins) {
    SaveTenRecords();
    struct Case {
        std::string file;
        std::array<int, 4> stored;  // what the file holds (none for a file written before margins were kept)
        std::array<int, 4> read;
        const char* why;
    } cases[] = {
        {std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/chart/golden.cht", {}, {15, 15, 15, 15},
         "a file from before margins were kept"},
        {"kept.cht", {10, 20, 30, 40}, {10, 20, 30, 40}, "margins that leave room are kept"},
        {"across.cht", {60, 15, 40, 15}, {15, 15, 15, 15}, "left and right leave no room across"},
        {"down.cht", {15, 50, 15, 50}, {15, 15, 15, 15}, "top and bottom leave no room down"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        if (c.file.find('/') == std::string::npos) {
            TChart stored(nullptr);
            stored.PrintMargins = c.stored;  // set directly: the preview would refuse the bad ones
            SaveChartFile(stored, dir.File(c.file));
        }
        Chart().PrintMargins = {5, 5, 5, 5};
        LoadChartFile(&Chart(), c.file.find('/') == std::string::npos ? dir.File(c.file) : c.file);
        EXPECT_EQ(Chart().PrintMargins, c.read);
    }
}

TEST_F(ChartWindowTest, TheChartWindowsSizeComesBackLaidOutFromTheLastUseFile) {
    SaveTenRecords();
    Open("folivex.db");
    Main().RozizAButton->Click();
    // The user shrinks the window as far as it goes, then widens it again, and leaves.
    Window().SetBounds(Window().Left(), Window().Top(), 1, 1);
    EXPECT_EQ(Window().Width(), TRozizAForm::MinWidth);
    EXPECT_EQ(Window().Height(), TRozizAForm::MinHeight);
    Window().SetBounds(Window().Left(), Window().Top(), 760, 480);
    Main().ExitButtonClick(nullptr);
    ASSERT_EQ(exitCodes, std::vector<int>{0});

    NewProgram();
    Main().RozizAButton->Click();
    EXPECT_EQ(Window().Width(), 760);
    EXPECT_EQ(Window().Height(), 480);
    // Laid out for that size: the chart and its scroll bar fill the group box's width, inside it.
    EXPECT_EQ(Chart().Width(), 760 - 649 + 577);
    EXPECT_EQ(Chart().Height(), 480 - 400 + 170);
    EXPECT_EQ(Window().ChartScrollBar1->Width(), Chart().Width());
    EXPECT_LE(Chart().Left() + Chart().Width(), Window().RozizAView->Width());
    EXPECT_LE(Window().RozizAView->Left() + Window().RozizAView->Width(), Window().MainPanel->Width());
    EXPECT_LE(Window().MainPanel->Left() + Window().MainPanel->Width(), Window().ClientWidth());
    EXPECT_EQ(Window().Panel1->Height(), 49) << "the top strip keeps its height";
}

TEST_F(ChartWindowTest, BrokenSizesInALastUseFileAreLaidOutAtTheSmallestSize) {
    Main().ExitButtonClick(nullptr);
    // The sizes an earlier program kept after the window was shrunk to 1 x 1 and back: the window
    // small, the chart wider than it, the top strip as high as the window.
    std::string text = ReadWholeFile(dir.File("qlxlast.cfg")).value();
    std::vector<std::string> lines;
    for (std::size_t at = 0; at < text.size();) {
        std::size_t end = text.find("\r\n", at);
        lines.push_back(text.substr(at, end - at));
        at = end + 2;
    }
    ASSERT_EQ(lines.size(), 26u);
    const std::pair<int, const char*> broken[] = {{12, "1"}, {13, "1"}, {14, "2000"}, {15, "3"}, {20, "90"}, {21, "400"}};
    for (const auto& [line, value] : broken) lines[std::size_t(line)] = value;
    std::string rewritten;
    for (const std::string& l : lines) rewritten += l + "\r\n";
    ASSERT_TRUE(WriteWholeFile(dir.File("qlxlast.cfg"), rewritten));

    NewProgram();
    Main().RozizAButton->Click();
    EXPECT_EQ(Window().Width(), TRozizAForm::MinWidth);
    EXPECT_EQ(Window().Height(), TRozizAForm::MinHeight);
    EXPECT_EQ(Chart().Width(), 577) << "no wider than its place";
    EXPECT_EQ(Window().Panel1->Height(), 49);
    EXPECT_LE(Chart().Top() + Chart().Height(), Window().ChartScrollBar1->Top());
}

TEST_F(ChartWindowTest, ASaveWithoutAChartChangeWritesNoChartFile) {
    SaveTenRecords();
    Open("folivex.db");
    Main().RozizAButton->Click();
    Window().ReDrawButton->Click();
    Main().SaveDBButtonClick(nullptr);
    EXPECT_FALSE(PathExistsOnDisk(dir.File("folivex.cht")));
}

TEST_F(ChartWindowTest, AChartFileOfEveryRegisteredClassLoadsAfterStartUp) {
    // Every entry of the gallery, a series of its class (with its function when it has one), in one file.
    std::vector<std::string> classes;
    {
        TChart stored(nullptr);
        for (const auto& entry : ChartSeriesTypes().Items()) {
            if (!entry->SeriesClass) continue;
            CreateSeriesOfClass(&stored, stored, *entry->SeriesClass, entry->FunctionClass);
            classes.push_back(entry->SeriesClass->Name);
        }
        SaveChartFile(stored, dir.File("every.cht"));
    }
    for (const char* name : {"TLineSeries", "TBarSeries", "THorizBarSeries", "TAreaSeries", "TPointSeries",
                             "TPieSeries", "TFastLineSeries", "TSurfaceSeries", "TContourSeries", "TChartShape"})
        EXPECT_NE(std::find(classes.begin(), classes.end(), name), classes.end()) << name << " is in the gallery";
    EXPECT_NE(FindChartClass("TChart"), nullptr);
    EXPECT_NE(FindChartClass("TAddChartFunction"), nullptr);

    TChart loaded(nullptr);
    LoadChartFile(&loaded, dir.File("every.cht"));
    ASSERT_EQ(loaded.SeriesCount(), int(classes.size()));
    for (int i = 0; i < loaded.SeriesCount(); ++i)
        EXPECT_EQ(ChartClassOf(*loaded.GetSeries(i))->Name, classes[std::size_t(i)]);
}

TEST_F(ChartWindowTest, TheGalleryComesInItsOrderAndRegisteringAgainChangesNothing) {
    const int count = ChartSeriesTypes().Count();
    std::vector<std::string> descriptions;
    for (const auto& entry : ChartSeriesTypes().Items()) descriptions.push_back(entry->Description);
    ASSERT_GE(descriptions.size(), 7u);
    const std::vector<std::string> first(descriptions.begin(), descriptions.begin() + 7);
    EXPECT_EQ(first, (std::vector<std::string>{"Line", "Bar", "Horiz. Bar", "Area", "Point", "Pie", "Fast Line"}));
    RegisterChartTypes();
    EXPECT_EQ(ChartSeriesTypes().Count(), count);
}

}  // namespace
}  // namespace fv::testing
