// The republish-flag file, written from the record table's flags.
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

}  // namespace fv
