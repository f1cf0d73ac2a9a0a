// The republish-flag file, written from the record table's flags, and the mark that flags every record.
#include "program/republish_file.h"

#include "platform/fs/files.h"
#include "program/program.h"
#include "records/state_files.h"

namespace fv {

bool WriteRepublishFile(Program& p, bool stayInCurrentDirectory) {
    if (!stayInCurrentDirectory) ReturnToDatabaseDirectory(p);
    // The full path, so that the message says which file it was.
    const std::string& name = p.RepublishFileName;
    const std::string path = !name.empty() && name[0] == PathSeparator ? name : JoinPath(CurrentDirectory(), name);
    std::string reason;
    if (WriteWholeFile(path, RepublishBytes(p), &reason)) return true;
    p.App.Beep(BeepKind::Exclamation);
    p.App.ShowMessage("Unable to Save Republish data !\n" + reason);
    return false;
}

bool MarkAllForRepublish(Program& p) {
    if (p.IsLoading) return true;
    for (int i = 0; i < p.RecordCount; ++i) p.RecordTable[std::size_t(i)].NeedsPublishing = 1;
    const bool written = WriteRepublishFile(p);
    p.RepublishAll = 1;
    return written;
}

}  // namespace fv
