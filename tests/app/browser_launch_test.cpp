// The browser dialog and the launches through the (scripted) shell: the first launch of a kind starts the
// chosen browser with the document, later ones open the document by association; the help page, the two
// web sites, the "Don't ask me again" box, failures with their retry, and the current directory.
#include <gtest/gtest.h>

#include "app/browser_form.h"
#include "app/folivex_form.h"
#include "platform/fs/files.h"
#include "platform/ui/bit_btn.h"
#include "publish/cart_settings_form.h"
#include "publish/publish_setup_form.h"
#include "publish/web_sites.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

class BrowserLaunchTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        program->DatabaseDirectory = dir.Path();
        program->ProgramDirectory = dir.Path();
        ASSERT_TRUE(MakeDirectory(dir.File("bin")));
        ASSERT_TRUE(WriteWholeFile(dir.File("bin/browser"), "#!/bin/sh\n"));
        ASSERT_TRUE(WriteWholeFile(dir.File("bin/other"), "#!/bin/sh\n"));
        ASSERT_TRUE(MakeDirectory(dir.File("site")));
        ASSERT_TRUE(program->PublishSetupForm->PublishDirectory->SetDirectory(dir.File("site")));
        ASSERT_TRUE(ChangeDirectory(dir.Path()));
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    TBrowserForm& B() { return *program->BrowserForm; }
    std::vector<std::pair<std::string, std::string>>& Opened() { return app->ScriptedShellOpener().opened; }
    // The user picks a browser in the dialog and clicks View.
    void AnswerWithBrowser(const std::string& name) {
        app->OnModal = [this, name](Form& f) {
            ASSERT_EQ(&f, &B());
            ASSERT_TRUE(B().DirectoryListBox1->SetDirectory(dir.File("bin")));
            B().FileListBox1->UserSelect(B().FileListBox1->IndexOf(name));
            B().View2->Click();
        };
    }
    const std::string index() { return dir.File("site/qlx_index.htm"); }
};

TEST_F(BrowserLaunchTest, TheDialogAsDesigned) {
    EXPECT_EQ(B().Caption(), "Browser Selection");
    EXPECT_EQ(B().Hint(), "Enter your Browser program and click View to see your published results....");
    EXPECT_EQ(B().Label1->Caption(), "Select your Browser and Click View..");
    EXPECT_EQ(B().View2->Caption(), "View");
    EXPECT_EQ(B().View2->ButtonKind, BitBtn::BtnKind::Ok);
    EXPECT_EQ(B().CancelButton->ButtonKind, BitBtn::BtnKind::Cancel);
    EXPECT_EQ(B().CheckBox->Caption(), "Don't ask me again this session");
    EXPECT_FALSE(B().CheckBox->Checked());
    EXPECT_EQ(B().DriveComboBox1->DirList, B().DirectoryListBox1);
    EXPECT_EQ(B().DirectoryListBox1->FileList, B().FileListBox1);
    EXPECT_EQ(B().FileListBox1->Mask(), "*.*");
    EXPECT_TRUE(Main().ViewItButton->Enabled());
    EXPECT_TRUE(Main().HelpButton->Enabled());
}

TEST_F(BrowserLaunchTest, TheFirstViewStartsTheBrowserWithTheIndexPageAndTheSecondOpensItByAssociation) {
    AnswerWithBrowser("browser");
    Main().ViewItButton->Click();
    ASSERT_EQ(Opened().size(), 1u);
    EXPECT_EQ(Opened()[0], std::make_pair(dir.File("bin/browser"), index()));
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Default}) << "a plain beep before the dialog";
    EXPECT_EQ(CurrentDirectory(), dir.Path()) << "back in the database folder";
    EXPECT_FALSE(B().Visible());

    Main().ViewResults1->Click();  // the dialog shows again: the box is unchecked
    ASSERT_EQ(Opened().size(), 2u);
    EXPECT_EQ(Opened()[1], std::make_pair(std::string(), index()));
    EXPECT_EQ(program->ViewTarget, "RESULTS");
}

TEST_F(BrowserLaunchTest, DontAskAgainLaunchesAtOnceWithTheEarlierChoice) {
    app->OnModal = [this](Form&) {
        ASSERT_TRUE(B().DirectoryListBox1->SetDirectory(dir.File("bin")));
        B().FileListBox1->UserSelect(B().FileListBox1->IndexOf("browser"));
        B().CheckBox->Click();
        B().View2->Click();
    };
    Main().ViewItButton->Click();
    app->OnModal = [](Form& f) { FAIL() << "no dialog expected: " << f.Name(); };
    Messages().ClearLog();
    Main().ViewItButton->Click();
    ASSERT_EQ(Opened().size(), 2u);
    EXPECT_EQ(Opened()[1], std::make_pair(std::string(), index()));
    EXPECT_TRUE(Messages().Log().empty()) << "no beep without the dialog";
}

TEST_F(BrowserLaunchTest, HelpOpensTheHelpPageAndTheViewButtonShowsTheIndexPageAgain) {
    ASSERT_TRUE(MakeDirectory(dir.File("help")));
    ASSERT_TRUE(WriteWholeFile(dir.File("help/folivex.htm"), "<html></html>"));
    AnswerWithBrowser("browser");
    Main().HelpButton->Click();
    EXPECT_EQ(program->ViewTarget, "#about");
    ASSERT_EQ(Opened().size(), 1u);
    EXPECT_EQ(Opened()[0], std::make_pair(dir.File("bin/browser"), dir.File("help/folivex.htm")))
        << "the help page without a topic anchor";

    Main().About1->Click();
    EXPECT_EQ(Opened()[1], std::make_pair(std::string(), dir.File("help/folivex.htm")));

    Main().ViewItButton->Click();
    EXPECT_EQ(program->ViewTarget, "RESULTS");
    EXPECT_EQ(Opened()[2], std::make_pair(dir.File("bin/browser"), index())) << "the results' first launch";
}

TEST_F(BrowserLaunchTest, TheCartDialogsHelpOpensTheHelpPage) {
    ASSERT_TRUE(MakeDirectory(dir.File("help")));
    ASSERT_TRUE(WriteWholeFile(dir.File("help/folivex.htm"), "<html></html>"));
    B().CheckBox->SetChecked(true);
    program->KarvoForm->HelpButton->Click();
    EXPECT_EQ(program->ViewTarget, "#shopping");
    ASSERT_EQ(Opened().size(), 1u);
    EXPECT_EQ(Opened()[0].second, dir.File("help/folivex.htm"));
}

TEST_F(BrowserLaunchTest, EachWebSiteIsVisitedFirstWithTheBrowser) {
    std::string caption;
    app->OnModal = [&](Form&) {
        caption = B().View2->Caption();
        ASSERT_TRUE(B().DirectoryListBox1->SetDirectory(dir.File("bin")));
        B().FileListBox1->UserSelect(B().FileListBox1->IndexOf("browser"));
        B().View2->Click();
    };
    program->ViewTarget = "#about";  // the web sites ignore it
    Main().VisitourWebSite1->Click();
    EXPECT_EQ(caption, "VisitSite");
    EXPECT_EQ(program->BrowserMode, 2);
    Main().VisitKarvoWebSite1->Click();
    EXPECT_EQ(caption, "View");
    Main().VisitKarvoWebSite1->Click();
    ASSERT_EQ(Opened().size(), 3u);
    EXPECT_EQ(Opened()[0], std::make_pair(dir.File("bin/browser"), std::string(MakerWebSite)));
    EXPECT_EQ(Opened()[1], std::make_pair(dir.File("bin/browser"), std::string(CartServiceWebSite)));
    EXPECT_EQ(Opened()[2], std::make_pair(std::string(), std::string(CartServiceWebSite)));
    EXPECT_EQ(CurrentDirectory(), dir.Path());
}

TEST_F(BrowserLaunchTest, ADoubleClickOnTheBrowserLaunchesToo) {
    app->OnModal = [this](Form&) {
        ASSERT_TRUE(B().DirectoryListBox1->SetDirectory(dir.File("bin")));
        B().FileListBox1->UserSelect(B().FileListBox1->IndexOf("other"));
        B().FileListBox1->DblClick();
    };
    Main().ViewItButton->Click();
    ASSERT_EQ(Opened().size(), 1u);
    EXPECT_EQ(Opened()[0].first, dir.File("bin/other"));
    EXPECT_FALSE(B().Visible());
}

TEST_F(BrowserLaunchTest, CancelLaunchesNothingAndStillReturnsToTheDatabaseFolder) {
    app->OnModal = [this](Form&) {
        ASSERT_TRUE(B().DirectoryListBox1->SetDirectory(dir.File("bin")));
        B().CancelButton->Click();
    };
    Main().ViewItButton->Click();
    EXPECT_TRUE(Opened().empty());
    EXPECT_EQ(CurrentDirectory(), dir.Path());
}

TEST_F(BrowserLaunchTest, AFailedLaunchAsksAndYesTriesAgainWithAFreshChoice) {
    app->ScriptedShellOpener().succeed = false;
    AnswerWithBrowser("browser");
    Messages().Answer(IdYes);
    Messages().Answer(IdNo);
    Main().ViewItButton->Click();
    ASSERT_EQ(Opened().size(), 2u);
    EXPECT_EQ(Opened()[0], std::make_pair(dir.File("bin/browser"), index()));
    EXPECT_EQ(Opened()[1], std::make_pair(dir.File("bin/browser"), index()));
    std::vector<std::string> expected(2, "Browser not Found - Launch again ?");
    EXPECT_EQ(Messages().Messages(), expected);
    ASSERT_EQ(Messages().Log()[2].What, ServiceEvent::Kind::Message);
    EXPECT_EQ(Messages().Log()[2].Caption, "Launch Browser? ");
    EXPECT_EQ(Messages().Log()[2].Flags & MbButtonMask, unsigned(MbYesNo));
    EXPECT_EQ(Messages().Beeps(), (std::vector<BeepKind>{BeepKind::Default, BeepKind::Question, BeepKind::Question}));
    // The next try starts the browser again, since no launch of the kind has succeeded.
    app->ScriptedShellOpener().succeed = true;
    Main().ViewItButton->Click();
    EXPECT_EQ(Opened().back(), std::make_pair(dir.File("bin/browser"), index()));
}

TEST_F(BrowserLaunchTest, WithoutAChosenBrowserTheAssociationOpensThePage) {
    app->OnModal = [this](Form&) { B().View2->Click(); };
    Main().ViewItButton->Click();
    ASSERT_EQ(Opened().size(), 1u);
    EXPECT_EQ(Opened()[0], std::make_pair(std::string(), index()));
}

TEST_F(BrowserLaunchTest, WithoutAChosenBrowserAFailedOpenSaysThePageCouldNotBeOpened) {
    app->ScriptedShellOpener().succeed = false;
    app->OnModal = [this](Form&) { B().View2->Click(); };
    Main().ViewItButton->Click();
    ASSERT_EQ(Opened().size(), 1u) << "asking to launch again could only fail again";
    EXPECT_EQ(Opened()[0], std::make_pair(std::string(), index()));
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"The page [" + index() +
                                                              "] could not be opened. Select your Browser and Click View."});
    EXPECT_EQ(Messages().Beeps(), (std::vector<BeepKind>{BeepKind::Default, BeepKind::Exclamation}));
    EXPECT_EQ(CurrentDirectory(), dir.Path());

    // Once a browser is chosen, the next view starts it with the page.
    app->ScriptedShellOpener().succeed = true;
    AnswerWithBrowser("browser");
    Main().ViewItButton->Click();
    EXPECT_EQ(Opened().back(), std::make_pair(dir.File("bin/browser"), index()));
}

TEST_F(BrowserLaunchTest, TheChoiceIsKeptForTheLastUseFile) {
    AnswerWithBrowser("other");
    Main().ViewItButton->Click();
    EXPECT_EQ(program->BrowserDirectory, dir.File("bin"));
    EXPECT_EQ(program->BrowserProgram, dir.File("bin/other"));
    LastUse last = Main().CurrentLastUse();
    EXPECT_EQ(last.BrowserDirectory, dir.File("bin"));
    EXPECT_EQ(last.BrowserProgram, dir.File("bin/other"));

    B().SetBrowser(dir.Path(), "");
    EXPECT_EQ(program->BrowserDirectory, dir.Path());
    EXPECT_EQ(program->BrowserProgram, "");
    B().SetBrowser(dir.File("bin"), dir.File("bin/browser"));
    EXPECT_EQ(B().SelectedBrowser(), dir.File("bin/browser"));
    EXPECT_EQ(program->BrowserProgram, dir.File("bin/browser"));
}

TEST_F(BrowserLaunchTest, TheHelpPageIsTheStartDirectorysElseTheShippedOne) {
    program->ResourceDirectory = "";
    EXPECT_EQ(HelpPagePath(*program), dir.File("help/folivex.htm")) << "neither exists: the start directory's";
    program->ResourceDirectory = dir.File("resources");
    EXPECT_EQ(HelpPagePath(*program), dir.File("help/folivex.htm"));
    ASSERT_TRUE(MakeDirectory(dir.File("resources")));
    ASSERT_TRUE(MakeDirectory(dir.File("resources/help")));
    ASSERT_TRUE(WriteWholeFile(dir.File("resources/help/folivex.htm"), "<html></html>"));
    EXPECT_EQ(HelpPagePath(*program), dir.File("resources/help/folivex.htm"));
    // The shipped page in the source tree is the real guide, with the topics the program asks for.
    program->ResourceDirectory = std::string(FOLIVEX_SOURCE_DIR) + "/resources";
    const std::string page = ReadWholeFile(HelpPagePath(*program)).value_or("");
    for (const char* anchor : {"id=\"about\"", "id=\"odbc\"", "id=\"shopping\""})
        EXPECT_NE(page.find(anchor), std::string::npos) << anchor;
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos);
    ASSERT_TRUE(MakeDirectory(dir.File("help")));
    ASSERT_TRUE(WriteWholeFile(dir.File("help/folivex.htm"), "<html></html>"));
    EXPECT_EQ(HelpPagePath(*program), dir.File("help/folivex.htm"));
}

}  // namespace
}  // namespace fv::testing
