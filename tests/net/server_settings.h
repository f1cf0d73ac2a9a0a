// The settings of a real test server (ports, accounts, folders): from the environment, else from the
// file its start script wrote, named by an environment variable that ctest sets (or known to the build).
#pragma once

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace fv::testing {

class ServerSettings {
public:
    // The file named by the variable, else the fallback file (when given).
    explicit ServerSettings(const char* fileVariable, const char* fallbackFile = nullptr) {
        const char* file = std::getenv(fileVariable);
        if (!file) file = fallbackFile;
        if (file) {
            file_ = file;
            std::ifstream in(file);
            std::string line;
            while (std::getline(in, line)) {
                auto eq = line.find('=');
                if (line.empty() || line[0] == '#' || eq == std::string::npos) continue;
                values_[line.substr(0, eq)] = line.substr(eq + 1);
            }
        }
    }
    std::string Get(const std::string& name) const {
        if (const char* v = std::getenv(name.c_str())) return v;
        auto it = values_.find(name);
        return it == values_.end() ? std::string() : it->second;
    }
    // The folder of the settings file: the start script keeps its logs there.
    std::string Folder() const {
        auto slash = file_.rfind('/');
        return slash == std::string::npos ? std::string(".") : file_.substr(0, slash);
    }

private:
    std::string file_;
    std::map<std::string, std::string> values_;
};

}  // namespace fv::testing
