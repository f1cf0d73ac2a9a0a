// The open database's initial state.
#include "records/database_state.h"

#include "platform/fs/files.h"

namespace fv {

DatabaseState::DatabaseState()
    : RecordTablePtr(std::make_unique<std::array<DatabaseRecord, MaxRecords>>()),
      RecordTable(*RecordTablePtr),
      PublishedImageNamesPtr(std::make_unique<std::array<std::array<std::string, ImageCount>, MaxRecords>>()),
      PublishedImageNames(*PublishedImageNamesPtr) {}

bool ReturnToDatabaseDirectory(const DatabaseState& db) {
    return !db.DatabaseDirectory.empty() && ChangeDirectory(db.DatabaseDirectory);
}

}  // namespace fv
