// Finding the resources folder.
#include "view/resources.h"

#include <filesystem>
#include <system_error>

namespace fv {

namespace {

std::string FindResourceDirectory() {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec) {
        fs::path beside = exe.parent_path() / "resources";
        if (fs::is_directory(beside, ec)) return beside.string();
    }
#ifdef FOLIVEX_SOURCE_DIR
    return (fs::path(FOLIVEX_SOURCE_DIR) / "resources").string();
#else
    return "resources";
#endif
}

}  // namespace

std::string ResourceDirectory() {
    // The executable does not move while it runs, so one look is enough.
    static const std::string dir = FindResourceDirectory();
    return dir;
}

std::string ResourcePath(const std::string& fileName) {
    return (std::filesystem::path(ResourceDirectory()) / fileName).string();
}

}  // namespace fv
