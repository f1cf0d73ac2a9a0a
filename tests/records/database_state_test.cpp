// The state of the open database as the program starts: an empty table of exactly 5000 entries, the flags
// and counters at their initial values, and the default file names.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "records/database_state.h"

namespace fv {
namespace {

TEST(DatabaseState, StartsEmptyWithTheInitialFlagsNamesAndCounters) {
    auto state = std::make_unique<DatabaseState>();
    const DatabaseState& s = *state;

    struct Flag {
        const char* name;
        int value, initial;
    };
    const Flag flags[] = {
        {"RecordCount", s.RecordCount, 0},         {"CurrentRecord", s.CurrentRecord, 0},
        {"SortKey1", s.SortKey1, 0},               {"SortKey2", s.SortKey2, 0},
        {"SortKey3", s.SortKey3, 0},               {"DatabaseModified", s.DatabaseModified, 0},
        {"Inserting", s.Inserting, 0},             {"RecordModified", s.RecordModified, 0},
        {"ImportPending", s.ImportPending, 0},     {"OdbcImport", s.OdbcImport, 0},
        {"IsLoading", s.IsLoading, 0},             {"ReadingConfig", s.ReadingConfig, 1},
        {"FirstLoad", s.FirstLoad, 1},             {"NewDatabase", s.NewDatabase, 0},
        {"ChartModified", s.ChartModified, 0},     {"RepublishAll", s.RepublishAll, 0},
        {"PublishCancelled", s.PublishCancelled, 0}, {"ImportDelimiter", s.ImportDelimiter, 9},
        {"BrowserMode", s.BrowserMode, 0},
    };
    for (const Flag& f : flags) EXPECT_EQ(f.value, f.initial) << f.name;

    struct Text {
        const char* name;
        const std::string& value;
        const char* initial;
    };
    const Text texts[] = {
        {"ViewTarget", s.ViewTarget, "RESULTS"},
        {"PublishDirectory", s.PublishDirectory, "none"},
        {"ProgramDirectory", s.ProgramDirectory, ""},
        {"DatabaseFileName", s.DatabaseFileName, "folivex.db"},
        {"ConfigFileName", s.ConfigFileName, "folivex.cfg"},
        {"ChartFileName", s.ChartFileName, "folivex.cht"},
        {"RepublishFileName", s.RepublishFileName, "folivex.rep"},
        {"SavedFiles.DatabaseFileName", s.SavedFiles.DatabaseFileName, "folivex.db"},
        {"SavedFiles.ConfigFileName", s.SavedFiles.ConfigFileName, "folivex.cfg"},
        {"SavedFiles.ChartFileName", s.SavedFiles.ChartFileName, "folivex.cht"},
        {"SavedFiles.RepublishFileName", s.SavedFiles.RepublishFileName, "folivex.rep"},
    };
    for (const Text& t : texts) {
        EXPECT_EQ(t.value, t.initial) << t.name;
        EXPECT_LE(t.value.size(), MaxFileNameLength) << t.name;
    }

    for (const std::string& p : s.EditImagePaths) EXPECT_EQ(p, "");
    for (const PublishFont* f : {&s.LabelFont, &s.ScrollFont, &s.InstructionFont, &s.HeaderFont, &s.FieldFonts[0], &s.FieldFonts[19]})
        EXPECT_TRUE(f->Colour.empty() && f->Face.empty() && f->Size.empty() && f->Style.empty());
}

TEST(DatabaseState, TheTableHoldsExactly5000EmptyEntries) {
    auto state = std::make_unique<DatabaseState>();
    ASSERT_EQ(state->RecordTable.size(), 5000u);
    ASSERT_EQ(state->PublishedImageNames.size(), 5000u);
    EXPECT_EQ(&state->RecordTable, state->RecordTablePtr.get()) << "one table, not a copy";
    EXPECT_EQ(&state->PublishedImageNames, state->PublishedImageNamesPtr.get());
    int nonEmpty = 0;
    for (const DatabaseRecord& r : state->RecordTable) {
        bool empty = r.Category.empty() && r.Memo.empty() && r.NeedsPublishing == 0 && r.SortPosition == 0;
        for (const std::string& f : r.Field) empty = empty && f.empty();
        for (const std::string& i : r.Image) empty = empty && i.empty();
        if (!empty) ++nonEmpty;
    }
    EXPECT_EQ(nonEmpty, 0);
    EXPECT_EQ(state->RecordTable[0].Field.size(), 20u);
    EXPECT_EQ(state->RecordTable[0].Image.size(), 4u);
    EXPECT_EQ(state->PublishedImageNames[4999].size(), 4u);

    // Each program has its own state: a change in one is not seen by another.
    state->RecordTable[4999].Field[19] = "last";
    state->RecordCount = 1;
    DatabaseState other;
    EXPECT_EQ(other.RecordTable[4999].Field[19], "");
    EXPECT_EQ(other.RecordCount, 0);
}

}  // namespace
}  // namespace fv
