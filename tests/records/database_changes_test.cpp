// The marks of the open database's changes: each kind of change and what it asks of the save and of Exit,
// each reason a mark is cleared, remembering and restoring the mark, and the edits held elsewhere that
// every question notes first.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "records/database_state.h"

namespace fv {
namespace {

TEST(DatabaseChanges, EachKindOfChangeAndWhatItAsksOfTheSaveAndOfExit) {
    struct Case {
        const char* name;
        Change what;
        bool importPending;
        bool saveNeeded;
        ExitQuestion exit;
        bool chartFileDue;
    };
    const Case cases[] = {
        {"record", Change::Record, false, true, ExitQuestion::SaveChanges, false},
        {"record order", Change::RecordOrder, false, true, ExitQuestion::SaveChanges, false},
        {"categories", Change::Categories, false, true, ExitQuestion::SaveChanges, false},
        {"settings", Change::Settings, false, true, ExitQuestion::SaveChanges, false},
        {"other database chosen", Change::OtherDatabaseChosen, false, true, ExitQuestion::SaveChanges, false},
        {"import", Change::Import, true, true, ExitQuestion::SaveImported, false},
        {"a change while an import is pending", Change::Settings, true, true, ExitQuestion::SaveImported, false},
        {"chart edit", Change::ChartEdit, false, true, ExitQuestion::SaveChanges, true},
        {"chart window closed", Change::ChartWindowClosed, false, false, ExitQuestion::None, true},
        {"chart window closed, import pending", Change::ChartWindowClosed, true, false, ExitQuestion::None, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto state = std::make_unique<DatabaseState>();
        DatabaseChanges& changes = state->Changes;
        state->ImportPending = c.importPending;
        ASSERT_FALSE(changes.SaveNeeded());
        ASSERT_EQ(changes.AskOnExit(), ExitQuestion::None);
        ASSERT_FALSE(changes.ChartFileDue());

        changes.Mark(c.what);
        EXPECT_EQ(changes.SaveNeeded(), c.saveNeeded);
        EXPECT_EQ(changes.AskOnExit(), c.exit);
        EXPECT_EQ(changes.SaveOfferedBeforeOpening(), c.saveNeeded);
        EXPECT_EQ(changes.ChartFileDue(), c.chartFileDue);
        // The flags the files and the dialogs read say the same.
        EXPECT_EQ(state->DatabaseModified, c.saveNeeded ? 1 : 0);
        EXPECT_EQ(state->ChartModified, c.chartFileDue ? 1 : 0);
        // A mark repeated is the same mark.
        changes.Mark(c.what);
        EXPECT_EQ(state->DatabaseModified, c.saveNeeded ? 1 : 0);
        EXPECT_EQ(state->ChartModified, c.chartFileDue ? 1 : 0);
    }
}

TEST(DatabaseChanges, EachReasonClearsItsOwnMark) {
    struct Case {
        const char* name;
        Settled why;
        bool saveNeededAfter;
        bool chartFileDueAfter;
    };
    const Case cases[] = {
        {"saved", Settled::Saved, false, true},
        {"published", Settled::Published, false, true},
        {"loaded", Settled::Loaded, false, true},
        {"import cancelled", Settled::ImportCancelled, false, true},
        {"another database opening", Settled::OtherDatabaseOpening, true, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto state = std::make_unique<DatabaseState>();
        DatabaseChanges& changes = state->Changes;
        changes.Mark(Change::ChartEdit);
        changes.Clear(c.why);
        EXPECT_EQ(changes.SaveNeeded(), c.saveNeededAfter);
        EXPECT_EQ(changes.AskOnExit(), c.saveNeededAfter ? ExitQuestion::SaveChanges : ExitQuestion::None);
        EXPECT_EQ(changes.ChartFileDue(), c.chartFileDueAfter);

        // Clearing what is already clear leaves it clear, and touches nothing else.
        auto clean = std::make_unique<DatabaseState>();
        clean->Changes.Clear(c.why);
        EXPECT_EQ(clean->DatabaseModified, 0);
        EXPECT_EQ(clean->ChartModified, 0);
    }
}

TEST(DatabaseChanges, ARecordUnderEditIsOfferedForSavingBeforeAnotherDatabaseOpens) {
    auto state = std::make_unique<DatabaseState>();
    DatabaseChanges& changes = state->Changes;
    EXPECT_FALSE(changes.SaveOfferedBeforeOpening());
    state->Inserting = 1;
    EXPECT_TRUE(changes.SaveOfferedBeforeOpening());
    EXPECT_EQ(changes.AskOnExit(), ExitQuestion::None) << "Exit asks only about marked changes";
    state->Inserting = 0;
    state->RecordModified = 1;
    EXPECT_TRUE(changes.SaveOfferedBeforeOpening());
    EXPECT_FALSE(changes.SaveNeeded());
}

TEST(DatabaseChanges, ARememberedMarkIsPutBackAsItWas) {
    for (const bool markedBefore : {false, true}) {
        SCOPED_TRACE(markedBefore ? "marked before" : "clean before");
        auto state = std::make_unique<DatabaseState>();
        DatabaseChanges& changes = state->Changes;
        if (markedBefore) changes.Mark(Change::Record);
        const DatabaseChanges::Remembered before = changes.Remember();
        changes.Mark(Change::Settings);
        changes.Restore(before);
        EXPECT_EQ(changes.SaveNeeded(), markedBefore);

        changes.Clear(Settled::Saved);
        changes.Restore(before);
        EXPECT_EQ(changes.SaveNeeded(), markedBefore);
    }
    // The chart mark is not part of what is remembered.
    auto state = std::make_unique<DatabaseState>();
    const DatabaseChanges::Remembered clean = state->Changes.Remember();
    state->Changes.Mark(Change::ChartEdit);
    state->Changes.Restore(clean);
    EXPECT_FALSE(state->Changes.SaveNeeded());
    EXPECT_TRUE(state->Changes.ChartFileDue());
}

TEST(DatabaseChanges, EveryQuestionNotesTheEditsHeldElsewhereFirst) {
    using Question = bool (*)(DatabaseChanges&);
    struct Case {
        const char* name;
        Question ask;
    };
    const Case cases[] = {
        {"save needed", [](DatabaseChanges& c) { return c.SaveNeeded(); }},
        {"exit", [](DatabaseChanges& c) { return c.AskOnExit() == ExitQuestion::SaveChanges; }},
        {"before opening another", [](DatabaseChanges& c) { return c.SaveOfferedBeforeOpening(); }},
        {"chart file due", [](DatabaseChanges& c) { return c.ChartFileDue(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto state = std::make_unique<DatabaseState>();
        DatabaseChanges& changes = state->Changes;
        // A holder with one edit that is marked when it is noted, as the open chart window does.
        bool edited = true;
        int notes = 0;
        auto watch = changes.Watch([&] {
            ++notes;
            if (edited) changes.Mark(Change::ChartEdit);
            edited = false;
        });
        EXPECT_TRUE(c.ask(changes)) << "the held edit answers the question";
        EXPECT_EQ(notes, 1);
        EXPECT_EQ(state->ChartModified, 1);
        EXPECT_EQ(state->DatabaseModified, 1);
    }
}

TEST(DatabaseChanges, AHolderGoneIsNoLongerNoted) {
    auto state = std::make_unique<DatabaseState>();
    DatabaseChanges& changes = state->Changes;
    int first = 0, second = 0;
    auto watchFirst = changes.Watch([&] { ++first; });
    {
        auto watchSecond = changes.Watch([&] { ++second; });
        changes.NotePendingEdits();
        EXPECT_EQ(first, 1);
        EXPECT_EQ(second, 1);
    }
    EXPECT_FALSE(changes.SaveNeeded());
    EXPECT_EQ(first, 2);
    EXPECT_EQ(second, 1) << "the second holder is gone";
    // A watch made after one went away still works.
    int third = 0;
    auto watchThird = changes.Watch([&] { ++third; });
    changes.NotePendingEdits();
    EXPECT_EQ(first, 3);
    EXPECT_EQ(third, 1);
}

}  // namespace
}  // namespace fv
