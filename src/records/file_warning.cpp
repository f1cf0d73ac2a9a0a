// The missing-file warning.
#include "records/file_warning.h"

#include "platform/app/application.h"
#include "platform/fs/files.h"

namespace fv {

bool FileExistsOrWarn(Application& app, const std::string& path) {
    if (IsReadableFile(path)) return true;
    app.Beep(BeepKind::Exclamation);
    app.ShowMessage("The File [" + path + "] has not been located.");
    return false;
}

}  // namespace fv
