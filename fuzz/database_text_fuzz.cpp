// Any bytes as a database text file of the program's own format: the reader neither crashes nor hangs,
// fills at most the table's 5000 records, keeps each record within the data model's limits, and what it
// read writes a file that reads back to the same records.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "record_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Two tables of 5000 records, built once: building one costs more than reading most inputs.
    static fv::DatabaseState* db = new fv::DatabaseState();
    static fv::DatabaseState* back = new fv::DatabaseState();
    const int count = fv::ReadOwnFile(std::string(reinterpret_cast<const char*>(data), size), *db);
    if (count < 0) return 0;  // not the program's own file
    fv::FuzzCheck(count <= fv::MaxRecords);
    for (int i = 0; i < count; ++i) fv::FuzzCheck(fv::WithinLimits(db->RecordTable[std::size_t(i)]));
    fv::FuzzCheck(fv::ReadsBackTheSame(*db, count, *back));
    return 0;
}
