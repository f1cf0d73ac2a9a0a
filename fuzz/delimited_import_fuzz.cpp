// Any bytes as a foreign delimited file, imported as the import wizard maps it: under each delimiter it
// offers (the eight in its list, its guess, or any other code it accepts), with or without a category
// column, a category for all rows, images, memo columns and extra columns. Every line is one row up to the
// table's 5000 records; each record keeps the data model's limits and holds no byte that would break the
// database file's line; and the records write a database file that reads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "record_checks.h"

namespace {

bool Storable(const std::string& slot) { return slot.find_first_of("\t\r\n\"") == std::string::npos; }

// The wizard's delimiter: an entry of its list, its guess, or an other code from 1 to 255 but LF, CR and
// the double quote.
int Delimiter(std::uint8_t choice, std::uint8_t other, fv::TextStream& file) {
    if (choice % 10 < 8) return fv::DelimiterCandidates[choice % 10].Code;
    if (choice % 10 == 8) return fv::DelimiterGuess(file).Code;
    if (other == 0 || other == 10 || other == 13 || other == 34) return fv::TabDelimiter;
    return other;
}

fv::ImportMapping Mapping(std::uint8_t shape, std::uint8_t shift) {
    fv::ImportMapping m;
    m.CategoryColumn = shape & 3;
    if (shape & 4) m.FixedCategory = "All";
    m.OverflowFields = (shape & 8) ? "3,9,extra columns" : "3,9";
    for (std::size_t k = 0; k < m.MapToDB.size(); ++k) {
        if (k == 2 || k == 8) continue;  // the memo columns
        if (k % 6 == 5) m.CheckImage[k] = true;
        else m.MapToDB[k] = std::to_string((k + shift) % 22);  // 0 and 21 name no field
    }
    return m;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fv::FuzzCheck;
    static fv::DatabaseState* db = new fv::DatabaseState();
    static fv::DatabaseState* back = new fv::DatabaseState();
    if (size < 3) return 0;
    fv::TextStream file(fv::NormaliseLineEnds(std::string(reinterpret_cast<const char*>(data + 3), size - 3)));
    const int lines = fv::CountLines(file);
    fv::ImportMapping mapping = Mapping(data[1], data[2]);
    mapping.Delimiter = Delimiter(data[0], data[2], file);
    fv::CountColumns(file, mapping.Delimiter, data[1] & 16);

    fv::RecordTextReader reader(file, mapping.Delimiter, fv::QuotedValues::Protected);
    const fv::ImportRoutes routes(mapping);
    int count = 0;
    while (count < fv::MaxRecords &&
           fv::ReadForeignRow(reader, mapping, routes, db->RecordTable[std::size_t(count)], nullptr))
        ++count;
    FuzzCheck(count == std::min(lines, fv::MaxRecords));
    for (int i = 0; i < count; ++i) {
        const fv::DatabaseRecord& r = db->RecordTable[std::size_t(i)];
        FuzzCheck(fv::WithinLimits(r));
        FuzzCheck(Storable(r.Category));
        for (const std::string& f : r.Field) FuzzCheck(Storable(f));
        for (const std::string& p : r.Image) FuzzCheck(Storable(p));
    }
    FuzzCheck(fv::ReadsBackTheSame(*db, count, *back));
    return 0;
}
