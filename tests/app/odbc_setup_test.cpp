// The database setup dialog with the ODBC dialog over it, against the real SQLite ODBC driver through a
// test-local odbc.ini: leaving the ODBC dialog by Exit cancels the import and closes the setup dialog.
#include <gtest/gtest.h>

#include "app/db_setup_form.h"
#include "import/db_form.h"
#include "support/program_fixture.h"
#include "support/test_odbc.h"

namespace fv::testing {
namespace {

class OdbcSetupTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        FOLIVEX_REQUIRE_ODBC(odbc);
        odbc.Run(FixtureSql());
        ASSERT_TRUE(Start());
        program->ReadingConfig = 0;
        D().AliasName->UserSetText(TestDataSource);
        Messages().ClearLog();
    }
    TDBForm& D() { return *program->DBForm; }
    TestOdbc odbc;
};

TEST_F(OdbcSetupTest, ExitCancelsTheImportAndTheSetupDialogClosesWithIt) {
    D().TableName->UserSetText("cars");
    D().ConnectButton->Click();
    ASSERT_EQ(program->OdbcImport, 1);
    app->OnModal = [&](Form& f) {
        if (&f == program->DBForm) static_cast<TDBForm&>(f).ExitButton->Click();
        else program->DBSetupForm->ODBCButtonPressed->Click();
    };
    EXPECT_EQ(program->DBSetupForm->ShowModal(), MrCancel);
    EXPECT_EQ(program->OdbcImport, 0);
    EXPECT_EQ(program->DatabaseFileName, "folivex.db");
}

// The ODBC dialog is shown alone: the setup dialog it was opened from is hidden while it is up.
TEST_F(OdbcSetupTest, TheSetupDialogIsHiddenWhileTheOdbcDialogIsUp) {
    int setupVisibleUnderOdbc = -1;
    app->OnModal = [&](Form& f) {
        if (&f == program->DBForm) {
            setupVisibleUnderOdbc = program->DBSetupForm->Visible() ? 1 : 0;
            static_cast<TDBForm&>(f).ExitButton->Click();
        } else {
            program->DBSetupForm->ODBCButtonPressed->Click();
        }
    };
    EXPECT_EQ(program->DBSetupForm->ShowModal(), MrCancel);
    EXPECT_EQ(setupVisibleUnderOdbc, 0);
    EXPECT_FALSE(program->DBSetupForm->Visible());
    EXPECT_FALSE(program->DBForm->Visible());
}

}  // namespace
}  // namespace fv::testing
