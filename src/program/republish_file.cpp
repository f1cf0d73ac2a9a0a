// The republish-flag file, written from the record table's flags, and the mark that flags every record.
#include "program/republish_file.h"

#include "platform/fs/files.h"
#include "program/program.h"
#include "records/state_files.h"

namespace fv {

bool WriteRepublishFile(Program& p, bool stayInCurrentDirectory) {
    if (!stayInCurrentDirectory) ReturnToDatabaseDirectory(p);
    if (WriteWholeFile(p.RepublishFileName, RepublishBytes(p))) return true;
    p.App.Beep(BeepKind::Exclamation);
    p.App.ShowMessage("Unable to Save Republish data !");
    return false;
}

void MarkAllForRepublish(Program& p) {
    if (p.IsLoading) return;
    for (int i = 0; i < p.RecordCount; ++i) p.RecordTable[std::size_t(i)].NeedsPublishing = 1;
    WriteRepublishFile(p);
    p.RepublishAll = 1;
}

}  // namespace fv
