// The ODBC dialog and the wizard's preview of a query, against the real SQLite ODBC driver through a
// test-local odbc.ini: the grid after Test Connection, one warning per BLOB column, the driver's message
// for a bad data source or statement with the names untouched, GO naming the local database, and Exit.
#include <gtest/gtest.h>

#include "import/db_form.h"
#include "import/import_wizard_form.h"
#include "platform/fs/files.h"
#include "platform/ui/string_grid.h"
#include "support/database_files_printer.h"
#include "support/hub_fixture.h"
#include "support/test_odbc.h"

namespace fv::testing {
namespace {

class DBFormTest : public HubFixture {
protected:
    void SetUp() override {
        HubFixture::SetUp();
        FOLIVEX_REQUIRE_ODBC(odbc);
        odbc.Run(FixtureSql());
        Create(program->DBForm);
        Create(program->ImportWizardForm);
        program->ReadingConfig = 0;
        D().AliasName->UserSetText(TestDataSource);
        Messages().ClearLog();
    }
    TDBForm& D() { return *program->DBForm; }
    TestOdbc odbc;
};

const char* const BlobWarning = "BLOB objects such as images are not currently supported [photo]";

TEST_F(DBFormTest, TestConnectionFillsTheGridAndWarnsOncePerBlobColumn) {
    D().TableName->UserSetText("cars");
    D().ConnectButton->Click();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{BlobWarning});
    EXPECT_EQ(program->OdbcImport, 1);
    StringGrid& g = *D().DBGrid;
    ASSERT_EQ(g.ColCount(), 4);
    ASSERT_EQ(g.RowCount(), 5);
    EXPECT_EQ(g.Cell(0, 0), "name");
    EXPECT_EQ(g.Cell(3, 0), "photo");
    EXPECT_EQ(g.Cell(0, 1), "Defender");
    EXPECT_EQ(g.Cell(1, 1), "3");
    EXPECT_EQ(g.Cell(3, 1), "(BLOB)");
    EXPECT_EQ(g.Cell(0, 2), "Golf \"GTI\"");
    EXPECT_EQ(g.Cell(3, 2), "");
    EXPECT_EQ(g.Cell(1, 3), "");
    EXPECT_EQ(D().Query.RecordCount(), 4);

    // Two BLOB columns give two warnings; a table name of one blank uses the SQL memo.
    Messages().ClearLog();
    D().TableName->UserSetText(" ");
    D().SQL->UserSetText("select photo, name, photo as again from cars");
    D().ConnectButton->Click();
    EXPECT_EQ(Messages().Messages(),
              (std::vector<std::string>{BlobWarning,
                                        "BLOB objects such as images are not currently supported [again]"}));
}

TEST_F(DBFormTest, NothingToRunIsRefused) {
    D().ConnectButton->Click();
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"You must specify a Database Table to View or an SQL SELECT statement."});
    EXPECT_EQ(program->OdbcImport, 0);
    EXPECT_EQ(app->ScreenCursor(), Cursor::Default);
}

TEST_F(DBFormTest, ABadDataSourceOrStatementShowsTheDriversMessageAndLeavesTheNames) {
    struct Case {
        std::string alias, table, expected;
    };
    const Case cases[] = {{"NoSuchSource", "cars", "IM002"}, {TestDataSource, "nosuchtable", "nosuchtable"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        Messages().ClearLog();
        D().AliasName->UserSetText(c.alias);
        D().TableName->UserSetText(c.table);
        app->OnModal = [&](Form& f) { static_cast<TDBForm&>(f).GoButton->Click(); f.SetModalResult(MrAbort); };
        EXPECT_EQ(D().ShowModal(), MrAbort) << "a failed GO leaves the dialog open";
        ASSERT_EQ(Messages().Log().size(), 1u);
        EXPECT_NE(Messages().Log()[0].Text.find(c.expected), std::string::npos) << Messages().Log()[0].Text;
        EXPECT_EQ(Messages().Log()[0].Flags & MbIconMask, unsigned(MbIconHand));
        EXPECT_EQ(program->DatabaseFileName, "folivex.db");
        EXPECT_EQ(program->ConfigFileName, "folivex.cfg");
        EXPECT_EQ(program->OdbcImport, 0);
        EXPECT_EQ(D().DBGrid->ColCount(), 0);
    }
}

TEST_F(DBFormTest, GoNamesTheLocalDatabaseAndClosesWithOk) {
    D().TableName->UserSetText("cars");
    D().ImportName->UserSetText("stock");
    Messages().Answer(IdYes);
    ASSERT_TRUE(WriteWholeFile(dir.File("stock.db"), "1\r\n"));
    app->OnModal = [&](Form& f) { static_cast<TDBForm&>(f).GoButton->Click(); };
    EXPECT_EQ(D().ShowModal(), MrOk);
    EXPECT_EQ(Messages().Messages(),
              (std::vector<std::string>{"A local Folivex database of the same name already exists. Replace ?",
                                        BlobWarning}));
    EXPECT_EQ(D().ImportName->Text(), "stock.db");
    EXPECT_EQ(program->DatabaseFileName, "stock.db");
    EXPECT_EQ(program->ConfigFileName, "stock.cfg");
    EXPECT_EQ(program->Files(), (DatabaseFiles{"stock.db", "stock.cfg", "stock.cht", "stock.rep"}));
    EXPECT_EQ(program->OdbcImport, 1);

    // No to the replace question empties the name, and the next GO uses "odbc.db".
    Messages().Answer(IdNo);
    app->OnModal = [&](Form& f) {
        static_cast<TDBForm&>(f).GoButton->Click();
        if (f.ModalResult() == MrNone) static_cast<TDBForm&>(f).GoButton->Click();
    };
    EXPECT_EQ(D().ShowModal(), MrOk);
    EXPECT_EQ(program->DatabaseFileName, "odbc.db");
}

// Whatever is typed into the table name or the SQL box, Test Connection and GO leave the data source's file
// byte for byte as it was: a statement that is not one query is refused unsent with the reason, and a query
// that is accepted still shows its rows.
TEST_F(DBFormTest, NoStatementTypedIntoTheDialogChangesTheDataSource) {
    const std::string notAQuery = "must begin with SELECT or WITH";
    const std::string twoStatements = "holds a second statement after a ';'";
    const std::string notAName = "The Table Name must be the name of one table";
    struct Case {
        std::string table, sql, message;
        const char* reason;
    };
    const Case cases[] = {
        {"", "select name from cars where doors > 2", "", "a query is accepted and shows its rows"},
        {"", "-- the cars\r\nselect name from cars where doors > 2", "", "a comment before a query"},
        {"", "update cars set doors = 9", notAQuery, "an update"},
        {"", "delete from cars where doors > 2", notAQuery, "a delete"},
        {"", "drop table cars", notAQuery, "a drop"},
        {"", "select 1; delete from cars", twoStatements, "two statements"},
        {"", "-- select\r\ndelete from cars", notAQuery, "a comment before a delete"},
        {"cars; delete from cars", "", notAName, "a second statement behind the table name"},
        {"cars where 1 = 1; drop table makers", "", notAName, "more than a name in the table name box"},
        {"\"cars\"", "", "", "a quoted table name is a name"},
    };
    const std::string before = ReadWholeFile(odbc.Database()).value();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        D().TableName->UserSetText(c.table);
        D().SQL->UserSetText(c.sql);
        for (bool go : {false, true}) {
            Messages().ClearLog();
            if (go) {
                app->OnModal = [&](Form& f) {
                    static_cast<TDBForm&>(f).GoButton->Click();
                    if (f.ModalResult() == MrNone) f.SetModalResult(MrAbort);
                };
                D().ShowModal();
            } else {
                D().ConnectButton->Click();
            }
            std::vector<std::string> shown = Messages().Messages();
            if (!shown.empty() && shown.back() == BlobWarning) shown.pop_back();
            if (c.message.empty()) {
                EXPECT_TRUE(shown.empty()) << shown.front();
                EXPECT_EQ(program->OdbcImport, 1);
                EXPECT_GE(D().DBGrid->RowCount(), 2) << "the rows are shown";
            } else {
                ASSERT_EQ(shown.size(), 1u);
                EXPECT_NE(shown[0].find(c.message), std::string::npos) << shown[0];
                EXPECT_NE(shown[0].find("Nothing was sent to the data source."), std::string::npos) << shown[0];
                EXPECT_EQ(program->OdbcImport, 0);
                EXPECT_EQ(D().DBGrid->ColCount(), 0);
                EXPECT_EQ(program->DatabaseFileName, "folivex.db") << "a refused GO names no database";
            }
            D().Query.Close();
            D().DB.Disconnect();
            program->Files() = DatabaseFiles{};
            EXPECT_EQ(ReadWholeFile(odbc.Database()).value(), before);
        }
    }
}

TEST_F(DBFormTest, WizardPreviewOfAJoinKeepsEachRepeatedColumnsValue) {
    D().SQL->UserSetText("select cars.name, doors, makers.name, price, photo from cars join makers "
                         "on makers.car = cars.name order by cars.name");
    D().ConnectButton->Click();
    ASSERT_EQ(program->OdbcImport, 1);
    TImportWizardForm& w = *program->ImportWizardForm;
    w.MapToDB[3]->UserSetText("");
    w.RefreshMapTable(nullptr);
    auto row = [&](int r) {
        std::vector<std::string> out;
        for (int i = 0; i < 6; ++i) out.push_back(w.MapFrom[std::size_t(r)][std::size_t(i)]->Text());
        return out;
    };
    EXPECT_EQ(row(0), (std::vector<std::string>{"Defender", "3", "Land Rover", "32000.5", "", ""}));
    EXPECT_EQ(row(1), (std::vector<std::string>{"Mini", "", "BMC", "15000.25", "", ""}));
    EXPECT_EQ(row(2), (std::vector<std::string>{" ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(w.OverflowFields->Text(), "4,21,22,23,24, + All extra columns");
    EXPECT_EQ(D().Query.RecNo(), 0) << "the preview leaves the query on its first row";

    // With a category column the cells move left.
    w.ImportCategoryField->UserSetText("1");
    EXPECT_EQ(row(0), (std::vector<std::string>{"3", "Land Rover", "32000.5", "", "", ""}));
}

}  // namespace
}  // namespace fv::testing
