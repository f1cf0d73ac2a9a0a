// The names of a database's files: the name helpers, and the one value that names a database with its
// configuration, chart settings and republish flags, built from any name the user may give.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/app/application.h"
#include "platform/core/headless_loop.h"
#include "records/database_names.h"
#include "support/database_files_printer.h"

namespace fv {
namespace {

TEST(DatabaseNames, Derivations) {
    struct Case {
        std::string name, config;
    };
    const Case cases[] = {{"folivex.db", "folivex.cfg"}, {"a.b.db", "a.b.cfg"}, {"list.txt", "list.cfg"},
                          {"/x.y/stock.db", "/x.y/stock.cfg"}, {"stock", ""}, {"", ""}, {".db", ""}};
    for (const Case& c : cases) EXPECT_EQ(CompanionName(c.name, ".cfg"), c.config) << c.name;
    EXPECT_EQ(WithDbSuffix("stock"), "stock.db");
    EXPECT_EQ(WithDbSuffix("stock.dbx"), "stock.dbx.db");
    EXPECT_EQ(WithDbSuffix("STOCK.DB"), "STOCK.DB");
    EXPECT_EQ(FileNamePart("/a/b/c.db"), "c.db");
    EXPECT_EQ(FileNamePart("c.db"), "c.db");
    EXPECT_EQ(FileExtension("a.b.c"), "b.c");
    EXPECT_EQ(FileExtension("a."), "");
    EXPECT_EQ(FileExtension("abc"), "");
}

struct FilesCase {
    std::string name;
    std::optional<DatabaseFiles> files;
    const char* why;
};

TEST(DatabaseNames, ADatabaseNameGivesAllItsFilesOrNone) {
    const FilesCase cases[] = {
        {"folivex.db", DatabaseFiles{}, "the default database gives the default names"},
        {"stock.db", DatabaseFiles{"stock.db", "stock.cfg", "stock.cht", "stock.rep"}, "the usual case"},
        {"STOCK.DB", DatabaseFiles{"STOCK.DB", "STOCK.cfg", "STOCK.cht", "STOCK.rep"},
         "the extension is replaced whatever its letter case; the companions take the program's own"},
        {"a.b.db", DatabaseFiles{"a.b.db", "a.b.cfg", "a.b.cht", "a.b.rep"}, "only the last extension goes"},
        {"list.txt", DatabaseFiles{"list.txt", "list.cfg", "list.cht", "list.rep"},
         "a foreign file to import names its database's companions too"},
        {"/data/my.shop/stock.db",
         DatabaseFiles{"/data/my.shop/stock.db", "/data/my.shop/stock.cfg", "/data/my.shop/stock.cht",
                       "/data/my.shop/stock.rep"},
         "a path keeps its folders, dots and all"},
        {"/data/my.shop/stock", std::nullopt,
         "a folder's dot is not the file's extension: the companions would land beside the folder"},
        {"stock", std::nullopt, "no extension: the companions could not differ from one another"},
        {".db", std::nullopt, "a hidden file's whole name is no extension"},
        {"", std::nullopt, "no name at all"},
    };
    HeadlessLoop loop{true};
    Application app{loop};
    app.ExitHook = [](int) {};
    for (const FilesCase& c : cases) {
        SCOPED_TRACE(std::string(c.name) + ": " + c.why);
        EXPECT_EQ(CompanionFiles(c.name), c.files);

        // Offered by the user or the last-use file: a name that cannot be used is refused in one message.
        app.Scripted().ClearLog();
        EXPECT_EQ(DatabaseFilesFromDb(app, c.name), c.files);
        if (c.files) {
            EXPECT_TRUE(app.Scripted().Log().empty());
        } else {
            EXPECT_EQ(app.Scripted().Beeps(), std::vector<BeepKind>{BeepKind::Exclamation});
            EXPECT_EQ(app.Scripted().Messages(), std::vector<std::string>{"This file does not have a .db extension."});
        }
    }
}

}  // namespace
}  // namespace fv
