// The configuration file of a database whose settings windows were set up by hand, byte for byte against
// its golden copy; and the same file read back into a fresh program and written again.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/folivex_form.h"
#include "chartui/window/chart_window.h"
#include "import/db_form.h"
#include "import/import_wizard_form.h"
#include "platform/ui/directory_list_box.h"
#include "publish/html_form.h"
#include "publish/cart_settings_form.h"
#include "publish/lang_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"
#include "records/configuration.h"
#include "records/configuration_reader.h"
#include "support/program_fixture.h"
#include "upload/ftp_form.h"

namespace fv::testing {
namespace {

class ConfigurationGoldenTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        loop.AdvanceBy(5000);
        Messages().ClearLog();
    }

    // Settings a user might have made in every settings window. Folders are "/" so that the file does
    // not depend on where the test runs.
    void SetUpWindows() {
        Program& p = *program;
        TFolivexForm& m = *p.FolivexForm;
        m.DBLabel[0]->SetText("Make");
        m.DBLabel[1]->SetText("Model");
        m.Order[1]->SetText("1");
        m.Order[0]->SetText("2");
        m.Search[5]->SetChecked(false);
        m.Category->SetItems({"Executive", "4x4", "Sport"});
        p.DatabaseImageDirectory = "/";
        TPublishSetupForm& s = *p.PublishSetupForm;
        for (DirectoryListBox* list : {s.DirectoryListBackground, s.DirectoryListHeader, s.DirectoryListTableBackground,
                                       s.PublishDirectory})
            ASSERT_TRUE(list->SetDirectory("/"));
        s.QuickViewFields->SetText("1,2,4");
        s.TableHeader->SetText("Our cars");
        s.ScaleImages->SetChecked(false);
        s.QuickViewPageColumnWidth[0]->SetText("40");
        p.FTPForm->FTPhost->SetText("ftp.example.org");
        p.FTPForm->FTPHostDir->SetText("");
        p.FieldFonts[1] = PublishFont{"Navy", "Arial", "+1", "Bold"};
        p.LangForm->Real("search")->SetText("Suchen");
        p.SearchSetup->MaxSearchResults->SetText("50");
        p.HTMLForm->HTMLIndexPageHeader->SetText("<H1>Cars</H1>\r\n<HR>");
        p.HTMLForm->HTMLTableFooterOverride->SetChecked(true);
        p.ImportWizardForm->MapToDB[22]->SetText("");
        p.RozizAForm->WhichRows->SetText("1,2,3");
        p.DBForm->SQL->SetText("select name, price\r\nfrom cars");
        p.DBForm->AliasName->SetText("Showroom");
        p.KarvoForm->KarvoUserNumber->SetText("1234");
        p.KarvoForm->KarvoQuickViewCheckout->SetChecked(true);
        ChangeDirectory(dir.Path());
    }
};

TEST_F(ConfigurationGoldenTest, MatchesItsGoldenCopyAndSurvivesARoundTrip) {
    SetUpWindows();
    const std::string text = ConfigurationText(*app, *program);
    const std::string golden = std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/app/settings.cfg";
    if (std::getenv("FOLIVEX_WRITE_GOLDEN")) {
        ASSERT_TRUE(WriteWholeFile(golden, text));
    }
    EXPECT_EQ(text, ReadWholeFile(golden).value_or("<missing golden file>"));

    // Into a program of its own, and out again.
    HeadlessLoop otherLoop{true};
    Application other(otherLoop);
    other.ExitHook = [](int) {};
    Program second(other);
    second.ResourceDirectory = program->ResourceDirectory;
    ASSERT_TRUE(StartProgram(second));
    otherLoop.AdvanceBy(5000);
    second.DatabaseDirectory = dir.Path();
    TextStream s(text);
    EXPECT_EQ(ReadConfiguration(other, second, s, false), "v2.4");
    EXPECT_EQ(ConfigurationText(other, second), text);
    EXPECT_EQ(second.FolivexForm->Order[1]->Text(), "1");
    EXPECT_EQ(second.HTMLForm->HTMLIndexPageHeader->Text(), "<H1>Cars</H1>\r\n<HR>");
}

}  // namespace
}  // namespace fv::testing
