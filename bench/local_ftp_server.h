// The local vsftpd servers of a benchmark run (scripts/start-ftp-server.sh), started in a folder of the
// run and stopped when the run ends, with the settings the script wrote (ports, the site folder).
#pragma once

#include <cstdlib>
#include <fstream>
#include <map>
#include <string>

namespace fv::bench {

class LocalFtpServer {
public:
    explicit LocalFtpServer(std::string state) : state_(std::move(state)) {
        const std::string start =
            std::string(FOLIVEX_SOURCE_DIR) + "/scripts/start-ftp-server.sh start " + state_ + " >/dev/null";
        if (std::system(start.c_str()) != 0) return;
        std::ifstream in(state_ + "/ftp.env");
        std::string line;
        while (std::getline(in, line)) {
            auto eq = line.find('=');
            if (eq != std::string::npos && line[0] != '#') env_[line.substr(0, eq)] = line.substr(eq + 1);
        }
    }
    ~LocalFtpServer() {
        const std::string stop = std::string(FOLIVEX_SOURCE_DIR) + "/scripts/start-ftp-server.sh stop " + state_;
        [[maybe_unused]] int r = std::system(stop.c_str());
    }
    LocalFtpServer(const LocalFtpServer&) = delete;
    LocalFtpServer& operator=(const LocalFtpServer&) = delete;

    std::string Get(const std::string& name) const {
        auto it = env_.find(name);
        return it == env_.end() ? std::string() : it->second;
    }
    // The control port of the full-speed server; empty when it did not start.
    std::string Port() const { return Get("FOLIVEX_FTP_PORT"); }
    // The site folder on disk, the login's start directory.
    std::string Site() const { return state_ + "/site"; }

private:
    std::string state_;
    std::map<std::string, std::string> env_;
};

}  // namespace fv::bench
