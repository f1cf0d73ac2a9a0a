// Marking and clearing the changes of the open database, and the questions asked of the marks.
#include "records/database_changes.h"

#include <algorithm>

#include "records/database_state.h"

namespace fv {

void DatabaseChanges::Mark(Change what) {
    switch (what) {
        case Change::ChartWindowClosed:
            state_.ChartModified = 1;
            return;
        case Change::ChartEdit:
            state_.ChartModified = 1;
            state_.DatabaseModified = 1;
            return;
        case Change::Record:
        case Change::RecordOrder:
        case Change::Categories:
        case Change::Settings:
        case Change::OtherDatabaseChosen:
        case Change::Import:
            state_.DatabaseModified = 1;
            return;
    }
}

void DatabaseChanges::Clear(Settled why) {
    switch (why) {
        case Settled::OtherDatabaseOpening:
            state_.ChartModified = 0;
            return;
        case Settled::Saved:
        case Settled::Published:
        case Settled::Loaded:
        case Settled::ImportCancelled:
            state_.DatabaseModified = 0;
            return;
    }
}

DatabaseChanges::Remembered DatabaseChanges::Remember() const { return {state_.DatabaseModified}; }

void DatabaseChanges::Restore(Remembered remembered) { state_.DatabaseModified = remembered.databaseModified; }

std::shared_ptr<DatabaseChanges::NoteEdits> DatabaseChanges::Watch(NoteEdits note) {
    std::erase_if(watchers_, [](const std::weak_ptr<NoteEdits>& w) { return w.expired(); });
    auto handle = std::make_shared<NoteEdits>(std::move(note));
    watchers_.push_back(handle);
    return handle;
}

void DatabaseChanges::NotePendingEdits() {
    // A note may add a watch; the ones present when the notes began are run.
    const std::vector<std::weak_ptr<NoteEdits>> watchers = watchers_;
    for (const std::weak_ptr<NoteEdits>& w : watchers)
        if (std::shared_ptr<NoteEdits> note = w.lock(); note && *note) (*note)();
}

bool DatabaseChanges::SaveNeeded() {
    NotePendingEdits();
    return state_.DatabaseModified != 0;
}

ExitQuestion DatabaseChanges::AskOnExit() {
    if (!SaveNeeded()) return ExitQuestion::None;
    return state_.ImportPending ? ExitQuestion::SaveImported : ExitQuestion::SaveChanges;
}

bool DatabaseChanges::SaveOfferedBeforeOpening() {
    NotePendingEdits();
    return state_.DatabaseModified || state_.Inserting || state_.RecordModified;
}

bool DatabaseChanges::ChartFileDue() {
    NotePendingEdits();
    return state_.ChartModified != 0;
}

}  // namespace fv
