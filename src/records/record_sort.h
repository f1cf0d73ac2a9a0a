// The order of the records: by category first (bytes, no case folding), then by up to three fields.
// A field value with digits or points compares as the number they form ("Item 9" before "Item 10");
// a value without any compares as text.
#pragma once

#include <array>

#include "records/database_state.h"

namespace fv {

struct SortKeys {
    std::array<int, 3> Key{-1, -1, -1};  // field index 0..19, or -1 for none
    bool Any() const { return Key[0] >= 0 || Key[1] >= 0 || Key[2] >= 0; }
};

// Negative when a comes before b, positive when after, 0 when they are equal under the keys.
int CompareRecords(const DatabaseRecord& a, const DatabaseRecord& b, const SortKeys& keys);

// Sorts records 1..RecordCount stably under the keys (records that compare equal keep their order). With
// at least one key, every record that changed its position is marked for publishing. Returns the number
// of records that moved.
int SortRecords(DatabaseState& db, const SortKeys& keys);

}  // namespace fv
