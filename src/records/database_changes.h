// DatabaseChanges: the one way the program marks the open database as changed and clears the mark, and
// the questions asked of the mark: must a save run, does Exit ask (and which question), is the chart file
// written with the next save.
//
// Rules:
// - The state is two flags of the open database, DatabaseModified (unsaved changes) and ChartModified
//   (the chart settings file is written at every save while it is set). Everyone reads them; only this
//   class writes them.
// - Every kind of change but the closing of the chart window marks the database as unsaved; an edit of
//   the chart in its window also makes the chart file due. Closing the chart window makes the chart file
//   due and is no unsaved change by itself.
// - A save, the end of a publish run, a load and a cancelled import clear the unsaved mark and leave the
//   chart file due; choosing another database to open clears the chart mark only.
// - Some edits are held outside the records until they are noted (the chart edited in its open window).
//   Their holders watch here, and every question below notes them first, so no path that decides whether
//   anything is to be saved can miss one.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

namespace fv {

struct DatabaseState;

// What changed.
enum class Change {
    Record,               // a record stored, deleted, or its edit begun
    RecordOrder,          // the records moved by a sort, or the sort order entered
    Categories,           // the category list, or the records' category renamed
    Settings,             // a setting the configuration file keeps: fonts, publishing, FTP, folders
    OtherDatabaseChosen,  // another database picked in the file list of the database setup dialog
    Import,               // rows imported and not yet saved
    ChartEdit,            // the chart edited in its window: saved with the database, chart file included
    ChartWindowClosed,    // the chart window closed: its chart file is written with the next save
};

// Why a mark is cleared.
enum class Settled {
    Saved,                // the database's files were written
    Published,            // a publish run ended; it saved what was unsaved before it began
    Loaded,               // a database was read from its own file
    ImportCancelled,      // the import wizard was cancelled
    OtherDatabaseOpening, // another database is about to be opened: its chart is not this one's
};

// The question Exit asks before it ends the program.
enum class ExitQuestion {
    None,          // nothing unsaved: no question
    SaveChanges,   // "Do you want to Save your recent changes ?"
    SaveImported,  // "Do you want to Save your Imported file ?"
};

class DatabaseChanges {
public:
    explicit DatabaseChanges(DatabaseState& state) : state_(state) {}
    DatabaseChanges(const DatabaseChanges&) = delete;
    DatabaseChanges& operator=(const DatabaseChanges&) = delete;

    void Mark(Change what);
    void Clear(Settled why);

    // The unsaved mark as it is now, to be put back when what follows is undone (a cancelled dialog, an
    // upload that touches settings only to restore them).
    struct Remembered {
        std::uint8_t databaseModified = 0;
    };
    Remembered Remember() const;
    void Restore(Remembered remembered);

    // A holder of edits not yet noted: `note` marks them (through Mark) when there are any. The watch
    // lasts as long as the returned handle; a holder gone is skipped.
    using NoteEdits = std::function<void()>;
    [[nodiscard]] std::shared_ptr<NoteEdits> Watch(NoteEdits note);
    // Runs every live holder's note.
    void NotePendingEdits();

    // The questions; each notes pending edits first.
    // Must the database be saved before it is used as saved (the publisher)?
    bool SaveNeeded();
    // What Exit asks.
    ExitQuestion AskOnExit();
    // Is saving offered before another database is opened (a record under edit counts too)?
    bool SaveOfferedBeforeOpening();
    // Is the chart settings file written by the save?
    bool ChartFileDue();

private:
    DatabaseState& state_;
    std::vector<std::weak_ptr<NoteEdits>> watchers_;
};

}  // namespace fv
