// A temporary directory that is removed with everything in it when the test ends; the current
// directory is restored too.
#pragma once

#include <filesystem>
#include <string>

#include <unistd.h>

namespace fv::testing {

class TempDir {
public:
    TempDir() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "folivex-test-XXXXXX").string();
        path_ = ::mkdtemp(tmpl.data()) ? tmpl : std::string();
        old_ = std::filesystem::current_path().string();
    }
    ~TempDir() {
        std::error_code ec;
        std::filesystem::current_path(old_, ec);
        if (!path_.empty()) std::filesystem::remove_all(path_, ec);
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
    std::string old_;
};

}  // namespace fv::testing
