// Any bytes as a database text file, a foreign delimited file and a last-use file: the readers must
// neither crash nor hang, and never fill more than the table holds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "records/import_fill.h"
#include "records/record_text.h"
#include "records/state_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    static fv::DatabaseState db;

    fv::TextStream own(bytes);
    std::int32_t count = 0;
    if (fv::ReadCountLine(own, count)) {
        fv::RecordTextReader reader(own, fv::TabDelimiter);
        for (int i = 0; i < fv::MaxRecords && fv::ReadOwnRecord(reader, db.RecordTable[std::size_t(i)], nullptr); ++i) {
        }
    }

    fv::TextStream foreign(fv::NormaliseLineEnds(bytes));
    fv::DelimiterChoice guess = fv::DelimiterGuess(foreign);
    fv::CountLines(foreign);
    fv::CountColumns(foreign, guess.Code, size % 2 == 0);
    fv::ImportMapping mapping;
    mapping.Delimiter = guess.Code;
    mapping.CategoryColumn = int(size % 5);
    mapping.MapToDB[0] = "1";
    mapping.MapToDB[1] = "25";
    mapping.CheckImage[2] = true;
    mapping.OverflowFields = "4,extra columns";
    fv::RecordTextReader reader(foreign, guess.Code);
    const fv::ImportRoutes routes(mapping);
    for (int i = 0; i < fv::MaxRecords && fv::ReadForeignRow(reader, mapping, routes, db.RecordTable[std::size_t(i)], nullptr); ++i) {
    }

    fv::ParseLastUse(bytes);
    db.RecordCount = int(size % (fv::MaxRecords + 1));
    fv::ApplyRepublishBytes(db, bytes);
    return 0;
}
