// A TFtpClient under test on the headless loop with a real clock, with its log, its state changes and
// the requests it reported done written down for the test.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "net/ftp_client.h"
#include "net/scripted_ftp_server.h"
#include "platform/core/headless_loop.h"

namespace fv::testing {

class FtpRecorder {
public:
    // Real time: a server on the far side of a socket answers in its own time, and a time-out is a
    // time-out of the wall clock.
    FtpRecorder() { Renew(); }
    // A new client in place of the old one, with the same handlers.
    void Renew() {
        ftp = std::make_unique<TFtpClient>(nullptr, &loop);
        ftp->OnDisplay = [this](Component*, std::string& m) { log.push_back(m); };
        ftp->OnRequestDone = [this](Component*, TFtpRequest rq, int e) {
            done.push_back(std::to_string(int(rq)) + " " + std::to_string(e));
        };
        ftp->OnSessionConnected = [this](Component*, int e) { sessions.push_back("connected " + std::to_string(e)); };
        ftp->OnSessionClosed = [this](Component*, int e) { sessions.push_back("closed " + std::to_string(e)); };
        ftp->SetTimeout(30);
    }
    void Target(const std::string& port, const std::string& user = "user", const std::string& password = "secret") {
        ftp->SetHostName("127.0.0.1");
        ftp->SetPort(port);
        ftp->SetUserName(user);
        ftp->SetPassWord(password);
    }
    bool Logged(const std::string& line) const {
        for (const auto& l : log)
            if (l == line) return true;
        return false;
    }
    std::string Log() const {
        std::string out;
        for (const auto& l : log) out += l + "\n";
        return out;
    }
    // A few turns of the loop, so that anything still posted arrives.
    void Settle() { loop.RunUntil([] { return false; }, 50); }

    HeadlessLoop loop{false};
    std::unique_ptr<TFtpClient> ftp;
    std::vector<std::string> log;
    std::vector<std::string> done;
    std::vector<std::string> sessions;
};

// A test of the client against a scripted server: the client goes before the server at the end, so the
// server's script sees its close.
class ScriptedFtpTest : public ::testing::Test {
protected:
    void Serve(ScriptedFtpServer::Script script) {
        server = std::make_unique<ScriptedFtpServer>(std::move(script));
        rec.Target(server->PortText());
    }
    void TearDown() override {
        rec.ftp.reset();
        server.reset();
    }
    TFtpClient& ftp() { return *rec.ftp; }

    std::unique_ptr<ScriptedFtpServer> server;
    FtpRecorder rec;
};

inline std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

inline void WriteFile(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary);
    out << bytes;
}

// Bytes that show where a piece went missing or came twice.
inline std::string Pattern(std::size_t n) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = char('a' + (i * 7 + i / 251) % 26);
    return s;
}

}  // namespace fv::testing
