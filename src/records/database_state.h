// The open database in memory: the record table of at most 5000 records, its counters and sort keys,
// and the flags and names that describe the state of the open database. The Program object holds one
// of these; everything is reached from the GUI thread only.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "records/database_changes.h"
#include "records/database_names.h"

namespace fv {

constexpr int MaxRecords = 5000;
constexpr int FieldCount = 20;
constexpr int ImageCount = 4;
constexpr int MaxFieldLength = 300;
constexpr int MaxMemoLength = 4999;

struct DatabaseRecord {
    std::string Category;
    std::array<std::string, FieldCount> Field;  // Field[0] is field 1
    std::array<std::string, ImageCount> Image;  // empty = no image
    std::string Memo;
    std::uint8_t NeedsPublishing = 0;  // 1 = changed since the last publish
    std::int32_t SortPosition = 0;     // scratch of the sort: position before the last sort

    // Back to an empty record; the texts keep their storage for the next record read into this one.
    void Clear() {
        Category.clear();
        for (std::string& f : Field) f.clear();
        for (std::string& i : Image) i.clear();
        Memo.clear();
        NeedsPublishing = 0;
        SortPosition = 0;
    }
};

// Four texts that style one kind of published text: colour (name or decimal number), face, HTML size,
// style words.
struct PublishFont {
    std::string Colour;
    std::string Face;
    std::string Size;
    std::string Style;
};

// The open database's file names (DatabaseFileName, ConfigFileName, ChartFileName, RepublishFileName, at
// most 99 bytes each) are its DatabaseFiles: read one by one, changed only as one value through Files().
struct DatabaseState : DatabaseFiles {
    DatabaseState();

    DatabaseFiles& Files() { return *this; }
    const DatabaseFiles& Files() const { return *this; }

    // Entries 0 .. RecordCount-1 are the records; record n is entry n-1. Entries beyond RecordCount are
    // not in use and are overwritten whole before they are used again.
    std::unique_ptr<std::array<DatabaseRecord, MaxRecords>> RecordTablePtr;
    std::array<DatabaseRecord, MaxRecords>& RecordTable;

    std::int32_t RecordCount = 0;
    std::int32_t CurrentRecord = 0;
    std::int32_t SortKey1 = 0, SortKey2 = 0, SortKey3 = 0;  // field index 0..19, or -1 for none
    std::array<std::string, ImageCount> EditImagePaths;
    std::unique_ptr<std::array<std::array<std::string, ImageCount>, MaxRecords>> PublishedImageNamesPtr;
    std::array<std::array<std::string, ImageCount>, MaxRecords>& PublishedImageNames;

    // DatabaseModified and ChartModified are written only through Changes.
    std::uint8_t DatabaseModified = 0;
    std::uint8_t Inserting = 0;
    std::uint8_t RecordModified = 0;
    std::uint8_t ImportPending = 0;
    std::uint8_t OdbcImport = 0;
    std::uint8_t IsLoading = 0;
    std::uint8_t ReadingConfig = 1;
    std::uint8_t FirstLoad = 1;
    std::uint8_t NewDatabase = 0;
    std::uint8_t ChartModified = 0;
    std::uint8_t RepublishAll = 0;
    std::uint8_t PublishCancelled = 0;
    // Marks and clears the unsaved changes, and answers whether a save is needed.
    DatabaseChanges Changes{*this};
    std::int32_t ImportDelimiter = 9;
    std::int32_t BrowserMode = 0;
    std::string ViewTarget = "RESULTS";
    std::string PublishDirectory = "none";
    std::string ProgramDirectory;
    // Where the files that ship with the program (pictures, the help page) are found.
    std::string ResourceDirectory;
    // The folder of the open database: the folder the database setup dialog shows.
    std::string DatabaseDirectory;
    // The database's default folder of record images, and the folder the image picker starts in.
    std::string DatabaseImageDirectory;
    std::string LastImageDirectory;
    // The browser chosen in the browser dialog: its folder and the program's full path (empty for none).
    std::string BrowserDirectory;
    std::string BrowserProgram;

    // The open database's file names as they were before the database setup dialog named another
    // database: a cancelled import, or an append to the open database, goes back to them.
    DatabaseFiles SavedFiles;
    // The open database's folder as it was before the database setup dialog let the user browse away from
    // it: a cancelled import, or an append to the open database, goes back to it.
    std::string SavedDatabaseDirectory;

    // Publication fonts, built empty.
    PublishFont LabelFont;
    std::array<PublishFont, FieldCount> FieldFonts;
    PublishFont ScrollFont;
    PublishFont InstructionFont;
    PublishFont HeaderFont;
};

constexpr std::size_t MaxFileNameLength = 99;

// Makes the database's folder the current directory again (dialogs that browse folders move it); false
// when there is no such folder to go to.
bool ReturnToDatabaseDirectory(const DatabaseState& db);

}  // namespace fv
