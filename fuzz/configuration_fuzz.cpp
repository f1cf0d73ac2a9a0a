// Any bytes as a configuration file, read into windows made from the item table: no crash, no hang,
// whatever the version line, the blocks or the length of the lines.
#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/fs/files.h"
#include "records/configuration_reader.h"
#include "synthetic_windows.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fv::SyntheticWindows* windows = new fv::SyntheticWindows();
    static const std::string home = fv::CurrentDirectory();
    fv::DatabaseState db;
    db.DatabaseDirectory = home;
    fv::TextStream s(std::string(reinterpret_cast<const char*>(data), size));
    fv::ReadConfiguration(windows->app, db, s, size % 3 == 0);
    windows->app.Scripted().ClearLog();
    fv::ChangeDirectory(home);
    return 0;
}
