// The start of the program: forms in order, the splash and its timer, start errors and the exits.
#include <gtest/gtest.h>

#include <stdexcept>

#include "app/folivex_form.h"
#include "app/intro_form.h"
#include "app/progress_forms.h"
#include "chart/series_pictures.h"
#include "chartui/window/chart_window.h"
#include "platform/fs/files.h"
#include "records/state_files.h"
#include "support/database_files_printer.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

using StartupTest = ProgramFixture;

TEST_F(StartupTest, CreatesTheTwentyFiveFormsInStartOrderWithTheirCaptions) {
    ASSERT_TRUE(Start());
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"IntroForm", ""},
        {"KarvoForm", "Karvo Shopping Cart"},
        {"FolivexForm", "Folivex Database Web Publishing Tools"},
        {"ImageForm", "Image Selection "},
        {"SaveForm", "Saving Database"},
        {"LoadForm", "Loading Database"},
        {"SortForm", "Sorting Database"},
        {"PublishForm", "Publishing"},
        {"DBSetupForm", "DB Configuration"},
        {"CategoryForm", "Modify Categories"},
        {"PublishSetupForm", "General Publishing Setup Rules (KEEP THIS WINDOW ACTIVE WHILE REPUBLISHING)"},
        {"UploadForm", "Upload to Web Site"},
        {"SearchForm", "SearchForm"},
        {"BrowserForm", "Browser Selection"},
        {"FullImageForm", "Full Image"},
        {"FontForm", "Publish Font Colour/Size selection"},
        {"ImportWizardForm", "Import Wizard"},
        {"OverwriteForm", "Overwrite Import File"},
        {"LangForm", "Multi-Lingual support settings..."},
        {"SearchSetup", "Search Engine Setup"},
        {"FTPForm", "FTP Web Server Settings"},
        {"HTMLForm", "HTML Page & Table Header & Footer options."},
        {"PublishMessageForm", "Publishing - Auto detect NEW Files"},
        {"DBForm", "ODBC Database Connection"},
        {"RozizAForm", "RozizAForm"},
    };
    ASSERT_EQ(app->Forms().size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(app->Forms()[i]->Name(), expected[i].first) << i;
        EXPECT_EQ(app->Forms()[i]->Caption(), expected[i].second) << expected[i].first;
    }
    EXPECT_EQ(app->Title, "Folivex");
    EXPECT_EQ(app->MainForm(), static_cast<Form*>(program->IntroForm));
}

TEST_F(StartupTest, SplashShowsForFourSecondsThenTheMainWindowTakesOver) {
    ASSERT_TRUE(Start());
    TFolivexForm& main = *program->FolivexForm;
    EXPECT_TRUE(program->IntroForm->Visible());
    EXPECT_EQ(program->IntroForm->ClientWidth(), 222);
    EXPECT_EQ(program->IntroForm->ClientHeight(), 86);
    EXPECT_TRUE(program->IntroForm->Dummy->Focused());

    loop.AdvanceBy(3999);
    EXPECT_TRUE(program->IntroForm->Visible());
    EXPECT_FALSE(main.Visible());
    EXPECT_FALSE(program->LoadForm->Visible());
    EXPECT_FALSE(main.InitialLoadTimer->Enabled());

    loop.AdvanceBy(1);
    EXPECT_FALSE(program->IntroForm->Visible());
    EXPECT_TRUE(main.Visible());
    EXPECT_TRUE(program->LoadForm->Visible());
    EXPECT_EQ(main.Caption(), "Folivex: [v2.4]");
    EXPECT_TRUE(main.InitialLoadTimer->Enabled());
    EXPECT_EQ(main.InitialLoadTimer->Interval(), 1000);
    EXPECT_FALSE(program->IntroForm->Timer1->Enabled());
}

TEST_F(StartupTest, ProgramDirectoryIsTheWorkingDirectoryWhenTheSplashTimerFires) {
    ASSERT_TRUE(Start());
    EXPECT_EQ(program->ProgramDirectory, "");
    TempDir other;
    ASSERT_TRUE(ChangeDirectory(other.Path()));
    loop.AdvanceBy(4000);
    EXPECT_EQ(program->ProgramDirectory, other.Path());
}

TEST_F(StartupTest, TheSeriesTypePicturesComeFromTheResources) {
    program->ResourceDirectory = std::string(FOLIVEX_SOURCE_DIR) + "/resources";
    ASSERT_TRUE(Start());
    EXPECT_EQ(SeriesPictureFolder(), JoinPath(program->ResourceDirectory, "series"));
    EXPECT_NE(SeriesClassPicture("TLineSeries"), nullptr);
    SetSeriesPictureFolder("");
}

TEST_F(StartupTest, StartErrorNamesTheStepReachedThenTheExceptionsOwnMessage) {
    struct Case {
        int failAt;
        const char* expected;
    };
    for (const Case& c : {Case{11, "Start Error Number 11"}, Case{1, "Start Error Number 1"},
                          Case{24, "Start Error Number 24"}}) {
        Messages().ClearLog();
        program = std::make_unique<Program>(*app);
        StartOptions options;
        options.BeforeStep = [&](int step) {
            if (step == c.failAt) throw std::runtime_error("form resource missing");
        };
        EXPECT_FALSE(StartProgram(*program, options));
        std::vector<std::string> expected{c.expected, "form resource missing"};
        EXPECT_EQ(Messages().Messages(), expected);
        EXPECT_EQ(app->ScreenCursor(), Cursor::Default);
    }
}

TEST_F(StartupTest, ExceptionInAnEventHandlerIsShownAndTheLoopGoesOn) {
    ASSERT_TRUE(Start());
    int ticks = 0;
    Timer* t = program->FolivexForm->Make<Timer>("Thrower", 10, true);
    t->SetOnTimer([&](Component*) {
        ++ticks;
        throw std::runtime_error("handler failed");
    });
    loop.AdvanceBy(20);
    EXPECT_EQ(ticks, 2);
    EXPECT_EQ(Messages().Messages(), (std::vector<std::string>{"handler failed", "handler failed"}));
    loop.AdvanceBy(3980);
    EXPECT_TRUE(program->FolivexForm->Visible());  // the splash timer still ran
}

TEST_F(StartupTest, ClosingTheMainWindowOffersToSaveLikeTheExitCommands) {
    ASSERT_TRUE(Start());
    loop.AdvanceBy(4000);
    program->DatabaseModified = 1;
    Messages().Answer(IdNo);
    program->FolivexForm->Close();
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Do you want to Save your recent changes ?"});
}

TEST_F(StartupTest, ExitCommandAsksAboutUnsavedChangesThenEnds) {
    struct Case {
        std::uint8_t modified, importPending;
        const char* text;
        const char* caption;
    };
    const Case cases[] = {
        {0, 0, nullptr, nullptr},
        {1, 0, "Do you want to Save your recent changes ?", "Save Changes?"},
        {1, 1, "Do you want to Save your Imported file ?", "Save Imported File ?"},
    };
    for (const Case& c : cases) {
        // A fresh program for each case: a program ends only once.
        program.reset();
        app = std::make_unique<Application>(loop);
        app->ExitHook = [this](int code) { exitCodes.push_back(code); };
        program = std::make_unique<Program>(*app);
        ASSERT_TRUE(Start());
        loop.AdvanceBy(4000);
        exitCodes.clear();
        program->DatabaseModified = c.modified;
        program->ImportPending = c.importPending;
        if (c.text) Messages().Answer(IdNo);
        program->FolivexForm->ExitButtonClick(nullptr);
        ASSERT_EQ(exitCodes, std::vector<int>{0});
        if (!c.text) {
            EXPECT_TRUE(Messages().Log().empty());
            continue;
        }
        ASSERT_EQ(Messages().Log().size(), 2u);
        EXPECT_EQ(Messages().Log()[0].Beep, BeepKind::Question);
        EXPECT_EQ(Messages().Log()[1].Text, c.text);
        EXPECT_EQ(Messages().Log()[1].Caption, c.caption);
        EXPECT_EQ(Messages().Log()[1].Flags & MbButtonMask, unsigned(MbYesNo));
    }
}

// The first load opens the database the last-use file names, with all its files; a name that cannot make
// them is refused in one message and the default database opens instead.
struct LastUseCase {
    std::string remembered;
    DatabaseFiles files;
    bool refused;
};

void PrintTo(const LastUseCase& c, std::ostream* os) { *os << '"' << c.remembered << '"'; }

class LastUseStartTest : public ProgramFixture, public ::testing::WithParamInterface<LastUseCase> {};

TEST_P(LastUseStartTest, TheFirstLoadOpensTheLastUsedDatabaseWithAllItsFiles) {
    const LastUseCase& c = GetParam();
    LastUse last;
    last.DatabaseDirectory = dir.Path();
    last.DatabaseFileName = c.remembered;
    ASSERT_TRUE(WriteWholeFile(dir.File(LastUseFileName), LastUseText(last)));
    ASSERT_TRUE(WriteWholeFile(dir.File(c.remembered),
                               *ReadWholeFile(std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/records/small.db")));
    ASSERT_TRUE(WriteWholeFile(dir.File(c.files.RepublishFileName), std::string(3, '\0')));
    ASSERT_TRUE(Start());
    loop.AdvanceBy(5000);
    EXPECT_EQ(program->Files(), c.files);
    // The small database names a picture that is not there.
    EXPECT_EQ(Messages().Messages(),
              c.refused ? std::vector<std::string>{"This file does not have a .db extension."}
                        : std::vector<std::string>{"These image files have not been located:\r\n/pics/jag.jpg"});
    EXPECT_EQ(program->RecordCount, c.refused ? 0 : 3);
    // The republish flags are read from the database's own flag file: nothing is left to publish.
    for (int r = 0; r < program->RecordCount; ++r) EXPECT_EQ(program->RecordTable[std::size_t(r)].NeedsPublishing, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Table, LastUseStartTest,
    ::testing::Values(LastUseCase{"cars.db", {"cars.db", "cars.cfg", "cars.cht", "cars.rep"}, false},
                      LastUseCase{"Old.Cars.DB", {"Old.Cars.DB", "Old.Cars.cfg", "Old.Cars.cht", "Old.Cars.rep"}, false},
                      LastUseCase{"cars", DatabaseFiles{}, true}));

TEST_F(StartupTest, ExitRecordsTheLastUsedDatabaseAndTheWindowSizes) {
    ASSERT_TRUE(Start());
    loop.AdvanceBy(4000);
    program->DatabaseFileName = "cars.db";
    program->FolivexForm->ExitButtonClick(nullptr);
    auto bytes = ReadWholeFile(dir.File("qlxlast.cfg"));
    ASSERT_TRUE(bytes);
    LastUse last = ParseLastUse(*bytes);
    EXPECT_EQ(last.DatabaseDirectory, dir.Path());
    EXPECT_EQ(last.DatabaseFileName, "cars.db");
    EXPECT_EQ(last.BrowserProgram, "");
    EXPECT_EQ(last.Sizes[6], program->FolivexForm->Width());
    EXPECT_EQ(last.Sizes[7], program->FolivexForm->Height());
    int lines = 0;
    for (char c : *bytes) lines += c == '\n';
    EXPECT_EQ(lines, 26);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
}

TEST_F(StartupTest, TheLastUseFileKeepsTheChartWindowsSizes) {
    ASSERT_TRUE(Start());
    TRozizAForm& chart = *program->RozizAForm;
    chart.ChartVue->SetWidth(500);
    LastUse last = program->FolivexForm->CurrentLastUse();
    EXPECT_EQ(last.Sizes[8], 649);
    EXPECT_EQ(last.Sizes[9], 400);
    EXPECT_EQ(last.Sizes[10], 500);
    EXPECT_EQ(last.Sizes[11], chart.ChartVue->Height());
    EXPECT_EQ(last.Sizes[12], 625);  // MainPanel
    EXPECT_EQ(last.Sizes[21], chart.ChartScrollBar1->Height());
}

TEST_F(StartupTest, ExitReportsALastUseFileItCannotWriteAndStillEnds) {
    ASSERT_TRUE(Start());
    loop.AdvanceBy(4000);
    program->ProgramDirectory = dir.File("gone");
    program->FolivexForm->ExitButtonClick(nullptr);
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{
                                         "Unable to record the last accessed database for next time, in:" +
                                         dir.File("gone")});
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Exclamation});
    EXPECT_EQ(exitCodes, std::vector<int>{0});
}

}  // namespace
}  // namespace fv::testing
