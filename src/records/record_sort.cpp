// Comparing and sorting records.
#include "records/record_sort.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "platform/text/numbers.h"

namespace fv {

namespace {

// Byte order as unsigned bytes; a text that is the beginning of the other comes first.
int CompareBytes(const std::string& a, const std::string& b) {
    std::size_t n = std::min(a.size(), b.size());
    int c = n ? std::memcmp(a.data(), b.data(), n) : 0;
    if (c != 0) return c < 0 ? -1 : 1;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

constexpr double NoNumber = -99999;

}  // namespace

int CompareRecords(const DatabaseRecord& a, const DatabaseRecord& b, const SortKeys& keys) {
    if (int c = CompareBytes(a.Category, b.Category)) return c;
    for (int key : keys.Key) {
        if (key < 0 || key >= FieldCount) continue;
        const std::string& fa = a.Field[std::size_t(key)];
        const std::string& fb = b.Field[std::size_t(key)];
        double x = DigitsToSortNumber(fa);
        double y = DigitsToSortNumber(fb);
        if (x != NoNumber && y != NoNumber) {
            if (x < y) return -1;
            if (x > y) return 1;
            continue;
        }
        if (int c = CompareBytes(fa, fb)) return c;
    }
    return 0;
}

int SortRecords(DatabaseState& db, const SortKeys& keys) {
    const std::size_t n = std::size_t(std::clamp(db.RecordCount, 0, MaxRecords));
    for (std::size_t i = 0; i < n; ++i) db.RecordTable[i].SortPosition = std::int32_t(i + 1);
    std::vector<DatabaseRecord> sorted(std::make_move_iterator(db.RecordTable.begin()),
                                       std::make_move_iterator(db.RecordTable.begin() + std::ptrdiff_t(n)));
    std::stable_sort(sorted.begin(), sorted.end(), [&keys](const DatabaseRecord& a, const DatabaseRecord& b) {
        return CompareRecords(a, b, keys) < 0;
    });
    int moved = 0;
    for (std::size_t i = 0; i < n; ++i) {
        bool hasMoved = sorted[i].SortPosition != std::int32_t(i + 1);
        if (hasMoved) ++moved;
        // Its pages show its neighbours, so a record that moved must be published again.
        if (hasMoved && keys.Any()) sorted[i].NeedsPublishing = 1;
        db.RecordTable[i] = std::move(sorted[i]);
    }
    return moved;
}

}  // namespace fv
