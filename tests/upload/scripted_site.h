// A web site's FTP server scripted for the upload: it speaks a whole upload session (login, MKD, CWD,
// TYPE, PASV or PORT, NLST, STOR, SIZE, DELE, QUIT) and keeps the files it was sent, and it misbehaves
// where a test says so: it cuts the store of one file short and still answers 226, it may not know SIZE,
// and it may say nothing to QUIT.
#pragma once

#include <map>
#include <mutex>
#include <string>

#include "net/scripted_ftp_server.h"

namespace fv::testing {

struct SiteScript {
    enum class Cut { None, Close, Reset };
    // The store of this file reads only CutAfter bytes, then closes or resets the data connection and
    // answers 226 all the same.
    std::string CutFile;
    Cut CutBy = Cut::None;
    std::size_t CutAfter = 60000;
    bool SizeKnown = true;
    // SIZE of this file tells one byte less than the site holds (a store the server's disk cut short
    // behind a whole transfer).
    std::string ShortSizeOf;
    // The STOR of this file, or QUIT, gets no answer: the server waits until the client closes.
    std::string SilentAtStorOf;
    bool SilentAtQuit = false;
    // The answer to QUIT when not "221 Goodbye." (the session then goes on until the client closes).
    std::string QuitReply;
};

class ScriptedSite {
public:
    using Session = ScriptedFtpServer::Session;

    explicit ScriptedSite(SiteScript script) : script_(std::move(script)), server_([this](Session& s) { Run(s); }) {}

    std::string PortText() const { return server_.PortText(); }
    // Waits for the session to end (bounded).
    bool Finished() { return server_.Finished(); }
    std::map<std::string, std::string> Files() {
        std::lock_guard<std::mutex> lock(mutex_);
        return files_;
    }
    std::vector<std::string> Commands() { return server_.Commands(); }

private:
    void Run(Session& s) {
        s.Login();
        bool passive = false;
        std::string portCommand;
        auto openData = [&] { return passive ? s.AcceptData() : s.ConnectActive(portCommand); };
        for (;;) {
            const std::string c = s.Command();
            if (c.empty()) return;
            const std::string verb = c.substr(0, c.find(' '));
            const std::string arg = c.find(' ') == std::string::npos ? std::string() : c.substr(c.find(' ') + 1);
            if (verb == "MKD") {
                s.Send("257 \"" + arg + "\" created\r\n");
            } else if (verb == "CWD") {
                s.Send("250 Directory successfully changed.\r\n");
            } else if (verb == "TYPE") {
                s.Send("200 Type set.\r\n");
            } else if (verb == "PASV") {
                passive = true;
                s.Send(s.Passive());
            } else if (verb == "PORT") {
                passive = false;
                portCommand = c;
                s.Send("200 PORT command successful.\r\n");
            } else if (verb == "NLST") {
                s.Send("150 Here comes the directory listing.\r\n");
                if (!openData()) return;
                std::string names;
                for (const auto& [name, bytes] : Files()) names += name + "\r\n";
                s.SendData(names);
                s.CloseData();
                s.Send("226 Directory send OK.\r\n");
            } else if (verb == "STOR") {
                if (arg == script_.SilentAtStorOf) {
                    s.WaitForClose(60000);
                    return;
                }
                s.Send("150 Ok to send data.\r\n");
                if (!openData()) return;
                std::string got;
                if (arg == script_.CutFile && script_.CutBy != SiteScript::Cut::None) {
                    got = s.ReadDataBytes(script_.CutAfter);
                    if (script_.CutBy == SiteScript::Cut::Close) s.CloseData();
                    else s.ResetData();
                } else {
                    got = s.ReadData();
                    s.CloseData();
                }
                Store(arg, got);
                s.Send("226 Transfer complete.\r\n");
            } else if (verb == "SIZE") {
                const auto files = Files();
                const auto it = files.find(arg);
                if (!script_.SizeKnown) s.Send("502 SIZE not implemented.\r\n");
                else if (it == files.end()) s.Send("550 Could not get file size.\r\n");
                else s.Send("213 " + std::to_string(it->second.size() - (arg == script_.ShortSizeOf ? 1 : 0)) + "\r\n");
            } else if (verb == "DELE") {
                Erase(arg);
                s.Send("250 Delete operation successful.\r\n");
            } else if (verb == "QUIT") {
                if (script_.SilentAtQuit) {
                    s.WaitForClose(60000);
                    return;
                }
                if (!script_.QuitReply.empty()) {
                    s.Send(script_.QuitReply + "\r\n");
                    continue;
                }
                s.Send("221 Goodbye.\r\n");
                return;
            } else {
                s.Send("502 Command not implemented.\r\n");
            }
        }
    }
    void Store(const std::string& name, const std::string& bytes) {
        std::lock_guard<std::mutex> lock(mutex_);
        files_[name] = bytes;
    }
    void Erase(const std::string& name) {
        std::lock_guard<std::mutex> lock(mutex_);
        files_.erase(name);
    }

    SiteScript script_;
    std::mutex mutex_;
    std::map<std::string, std::string> files_;
    ScriptedFtpServer server_;
};

}  // namespace fv::testing
