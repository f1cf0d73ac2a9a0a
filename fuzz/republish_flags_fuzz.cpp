// Any bytes as a republish-flag file, applied to a database of any size up to the table's 5000 records:
// every record gets a flag of 0 or 1 (1 where the file does not reach), no record past the count is
// touched, and the flags write a file of exactly one byte a record that applies back to the same flags.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include "fuzz_check.h"
#include "records/state_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fv::FuzzCheck;
    static fv::DatabaseState* db = new fv::DatabaseState();
    if (size < 2) return 0;
    // The first two bytes give the record count; the rest is the file, or no file when its first byte is 0xFF
    // and nothing follows.
    db->RecordCount = int((data[0] | data[1] << 8) % (fv::MaxRecords + 1));
    const std::string bytes(reinterpret_cast<const char*>(data + 2), size - 2);
    const std::optional<std::string> file = bytes == "\xFF" ? std::nullopt : std::optional<std::string>(bytes);
    // A mark past the count that the file must not change.
    const std::size_t past = std::size_t(db->RecordCount) % std::size_t(fv::MaxRecords);
    const bool pastInUse = int(past) < db->RecordCount;
    db->RecordTable[past].NeedsPublishing = 7;

    fv::ApplyRepublishBytes(*db, file);
    for (int i = 0; i < db->RecordCount; ++i) {
        const std::size_t k = std::size_t(i);
        const std::uint8_t flag = db->RecordTable[k].NeedsPublishing;
        FuzzCheck(flag == (file && k < file->size() ? ((*file)[k] != 0) : 1));
    }
    if (!pastInUse) FuzzCheck(db->RecordTable[past].NeedsPublishing == 7);

    const std::string written = fv::RepublishBytes(*db);
    FuzzCheck(written.size() == std::size_t(db->RecordCount));
    for (int i = 0; i < db->RecordCount; ++i) db->RecordTable[std::size_t(i)].NeedsPublishing = 9;
    fv::ApplyRepublishBytes(*db, written);
    FuzzCheck(fv::RepublishBytes(*db) == written);
    db->RecordTable[past].NeedsPublishing = 0;
    return 0;
}
