// A scripted FTP server on 127.0.0.1 for what a real server will not do on demand: odd greetings, split
// packets, silence, drops, replies out of order, connections from strangers. The test gives a script as a
// function that runs on the server's own thread against the first control connection, with blocking
// helpers that give up after a few seconds, so a broken script ends instead of hanging the test.
#pragma once

#include <arpa/inet.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/loopback_peer.h"

namespace fv::testing {

class ScriptedFtpServer {
public:
    class Session {
    public:
        explicit Session(ScriptedFtpServer& server, int fd) : server_(server), fd_(fd) {}
        ~Session() { CloseData(); }

        // Sends text as it is (the script writes its own line ends).
        void Send(const std::string& text) { WriteAll(fd_, text); }
        // Sends text one byte at a time, each byte in a packet of its own.
        void Trickle(const std::string& text) {
            int one = 1;
            ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
            for (char c : text) {
                WriteAll(fd_, std::string(1, c));
                Sleep(2);
            }
        }
        // The next command line (without CR LF); empty when the client closed or went silent.
        std::string Command(int timeoutMs = 10000) {
            for (;;) {
                std::size_t end = pending_.find("\r\n");
                if (end != std::string::npos) {
                    std::string line = pending_.substr(0, end);
                    pending_.erase(0, end + 2);
                    server_.Record(line);
                    return line;
                }
                if (!WaitFor(fd_, POLLIN, timeoutMs)) return {};
                char buf[4096];
                long n = ::recv(fd_, buf, sizeof buf, 0);
                if (n <= 0) return {};
                pending_.append(buf, std::size_t(n));
            }
        }
        // Reads the next command and answers it.
        std::string Answer(const std::string& reply) {
            std::string c = Command();
            Send(reply);
            return c;
        }
        // The usual login: greeting, USER (331) and PASS (230).
        void Login() {
            Send("220 scripted server ready\r\n");
            Answer("331 password please\r\n");
            Answer("230 logged in\r\n");
        }
        // Opens a passive listener; returns the 227 reply naming it (with the given host numbers).
        std::string Passive(const std::string& host = "127,0,0,1") {
            listeners_.push_back(std::make_unique<PlainListener>());
            passive_ = listeners_.back()->Fd();
            int port = PortOf(passive_);
            return "227 Entering Passive Mode (" + host + "," + std::to_string(port / 256) + "," +
                   std::to_string(port % 256) + ").\r\n";
        }
        int PassivePort() const { return PortOf(passive_); }
        // Takes the client's passive data connection.
        bool AcceptData(int timeoutMs = 10000) {
            if (passive_ < 0 || !WaitFor(passive_, POLLIN, timeoutMs)) return false;
            data_ = ::accept4(passive_, nullptr, nullptr, SOCK_CLOEXEC);
            return data_ >= 0;
        }
        // Connects to the port of a PORT command, from the given local address.
        bool ConnectActive(const std::string& portCommand, const char* from = "127.0.0.1") {
            int n[6] = {};
            if (std::sscanf(portCommand.c_str(), "PORT %d,%d,%d,%d,%d,%d", &n[0], &n[1], &n[2], &n[3], &n[4],
                            &n[5]) != 6)
                return false;
            data_ = ConnectFrom(from, std::uint16_t(n[4] * 256 + n[5]));
            return data_ >= 0;
        }
        static int ConnectFrom(const char* from, std::uint16_t port) {
            int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_in local{};
            local.sin_family = AF_INET;
            ::inet_pton(AF_INET, from, &local.sin_addr);
            ::bind(fd, reinterpret_cast<sockaddr*>(&local), sizeof local);
            sockaddr_in sa = LoopbackAddress(port);
            if (::connect(fd, reinterpret_cast<sockaddr*>(&sa), sizeof sa) < 0) {
                ::close(fd);
                return -1;
            }
            return fd;
        }
        void SendData(const std::string& bytes) { WriteAll(data_, bytes); }
        // Everything the client sends on the data connection until it closes it.
        std::string ReadData() {
            int error = 0;
            std::string got = ReadToEnd(data_, error, 10000);
            server_.RecordData(got);
            return got;
        }
        // The first n bytes the client sends on the data connection (fewer when it closes first).
        std::string ReadDataBytes(std::size_t n) {
            std::string got = ReadBytes(data_, n, 10000);
            server_.RecordData(got);
            return got;
        }
        void CloseData() {
            if (data_ >= 0) ::close(data_);
            data_ = -1;
        }
        // Closes the data connection with a reset (SO_LINGER 0), whatever is still unread.
        void ResetData() {
            if (data_ >= 0) ResetAndClose(data_);
            data_ = -1;
        }
        // Closes the control connection.
        void Close() {
            if (fd_ >= 0) ::close(fd_);
            fd_ = -1;
        }
        // Waits until the client closes the control connection (or the time runs out).
        void WaitForClose(int timeoutMs = 10000) {
            char buf[256];
            while (fd_ >= 0 && WaitFor(fd_, POLLIN, timeoutMs) && ::recv(fd_, buf, sizeof buf, 0) > 0) {
            }
        }
        static void Sleep(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
        int DataFd() const { return data_; }

    private:
        static int PortOf(int fd) {
            sockaddr_in sa{};
            socklen_t len = sizeof sa;
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&sa), &len);
            return ntohs(sa.sin_port);
        }

        ScriptedFtpServer& server_;
        int fd_;
        int data_ = -1;
        int passive_ = -1;
        std::string pending_;
        std::vector<std::unique_ptr<PlainListener>> listeners_;
    };

    using Script = std::function<void(Session&)>;

    explicit ScriptedFtpServer(Script script) : script_(std::move(script)) {
        thread_ = std::thread([this] { Run(); });
    }
    ~ScriptedFtpServer() {
        ::shutdown(listener_.Fd(), SHUT_RDWR);
        thread_.join();
    }
    std::string PortText() const { return port_; }
    // Waits for the script to end (it ends by itself; this bounds the wait).
    bool Finished(int timeoutMs = 15000) {
        for (int i = 0; i < timeoutMs / 10 && !finished_; ++i) Session::Sleep(10);
        return finished_;
    }
    std::vector<std::string> Commands() {
        std::lock_guard<std::mutex> lock(mutex_);
        return commands_;
    }
    std::string Data() {
        std::lock_guard<std::mutex> lock(mutex_);
        return data_;
    }
    void Record(const std::string& line) {
        std::lock_guard<std::mutex> lock(mutex_);
        commands_.push_back(line);
    }
    void RecordData(const std::string& bytes) {
        std::lock_guard<std::mutex> lock(mutex_);
        data_ += bytes;
    }

private:
    void Run() {
        int c = listener_.Accept(15000);
        if (c >= 0) {
            Session session(*this, c);
            script_(session);
            session.WaitForClose(3000);
            session.Close();
        }
        finished_ = true;
    }

    PlainListener listener_;
    std::string port_ = listener_.PortText();
    Script script_;
    std::mutex mutex_;
    std::vector<std::string> commands_;
    std::string data_;
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

}  // namespace fv::testing
