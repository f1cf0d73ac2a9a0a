// Installing the shipped pictures into the start folder.
#include "program/shipped_files.h"

#include "platform/fs/files.h"
#include "program/program.h"

namespace fv {

void InstallShippedFiles(Program& p) {
    if (p.ResourceDirectory.empty()) return;
    for (const char* name :
         {"stone.gif", "qlxb.gif", "qlxf.gif", "qlxr.gif", "qlxff.gif", "qlxd.gif", "qlxu.gif", "sample.gif"}) {
        std::string target = JoinPath(p.ProgramDirectory, name);
        if (!PathExistsOnDisk(target)) CopyFileBytes(JoinPath(p.ResourceDirectory, name), target);
    }
}

}  // namespace fv
