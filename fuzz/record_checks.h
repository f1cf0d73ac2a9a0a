// What the record readers' fuzz targets check of the records they read: the data model's limits, and the
// round trip through the database text file.
#pragma once

#include <algorithm>
#include <array>
#include <string>

#include "records/database_state.h"
#include "records/import_fill.h"
#include "records/record_text.h"

namespace fv {

// Reads the program's own file into the table from its first entry, up to the table's limit; the count.
inline int ReadOwnFile(const std::string& text, DatabaseState& db) {
    TextStream s(text);
    std::int32_t declared = 0;
    if (!ReadCountLine(s, declared)) return -1;
    RecordTextReader reader(s, TabDelimiter);
    int n = 0;
    while (n < MaxRecords && ReadOwnRecord(reader, db.RecordTable[std::size_t(n)], nullptr)) ++n;
    return n;
}

// The category, fields and image paths hold at most 300 bytes each, the memo at most 4999.
inline bool WithinLimits(const DatabaseRecord& r) {
    auto fits = [](const std::string& s) { return s.size() <= MaxSlotLength; };
    return fits(r.Category) && std::all_of(r.Field.begin(), r.Field.end(), fits) &&
           std::all_of(r.Image.begin(), r.Image.end(), fits) && r.Memo.size() <= std::size_t(MaxMemoLength);
}

// A record as it reads back from the file written for it: the same texts, the memo as the file stores it
// (CleanMemoText), and the same image paths, though a path whose file is missing may move to a later slot.
inline bool SameAfterSave(const DatabaseRecord& before, const DatabaseRecord& after) {
    auto paths = [](const DatabaseRecord& r) {
        std::array<std::string, ImageCount> p = r.Image;
        std::sort(p.begin(), p.end());
        return p;
    };
    return before.Category == after.Category && before.Field == after.Field && paths(before) == paths(after) &&
           CleanMemoText(before.Memo) == after.Memo;
}

// Writes the first `count` records of db, reads the file into `back` and compares record by record.
inline bool ReadsBackTheSame(DatabaseState& db, int count, DatabaseState& back) {
    db.RecordCount = count;
    const int again = ReadOwnFile(DatabaseText(db), back);
    if (again != count) return false;
    for (int i = 0; i < count; ++i)
        if (!SameAfterSave(db.RecordTable[std::size_t(i)], back.RecordTable[std::size_t(i)])) return false;
    return true;
}

}  // namespace fv
