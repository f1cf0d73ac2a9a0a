// Servers on 127.0.0.1 that run on a thread of their own while the test drives the loop: an echo server
// (the destination behind the SOCKS proxies) and a scripted SOCKS proxy for what a real one cannot be
// made to do. Both stop by themselves when the test ends.
#pragma once

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/loopback_peer.h"

namespace fv::testing {

// Echoes every byte back on every connection until destroyed.
class EchoServer {
public:
    EchoServer() {
        if (::pipe2(stop_, O_CLOEXEC) != 0) stop_[0] = stop_[1] = -1;
        thread_ = std::thread([this] { Run(); });
    }
    ~EchoServer() {
        char c = 0;
        [[maybe_unused]] auto n = ::write(stop_[1], &c, 1);
        thread_.join();
        ::close(stop_[0]);
        ::close(stop_[1]);
    }
    std::uint16_t Port() const { return listener_.Port(); }
    std::string PortText() const { return listener_.PortText(); }
    int Connections() const { return connections_; }

private:
    void Run() {
        std::vector<int> clients;
        for (;;) {
            std::vector<pollfd> fds{{stop_[0], POLLIN, 0}, {listener_.Fd(), POLLIN, 0}};
            for (int c : clients) fds.push_back({c, POLLIN, 0});
            if (::poll(fds.data(), fds.size(), 10000) <= 0) break;
            if (fds[0].revents) break;
            if (fds[1].revents & POLLIN) {
                int c = ::accept4(listener_.Fd(), nullptr, nullptr, SOCK_CLOEXEC);
                if (c >= 0) {
                    clients.push_back(c);
                    ++connections_;
                }
            }
            for (std::size_t i = 2; i < fds.size(); ++i) {
                if (!fds[i].revents) continue;
                char buf[4096];
                long n = ::recv(fds[i].fd, buf, sizeof buf, 0);
                if (n <= 0 || !WriteAll(fds[i].fd, std::string(buf, std::size_t(n)))) {
                    ::close(fds[i].fd);
                    clients.erase(std::find(clients.begin(), clients.end(), fds[i].fd));
                }
            }
        }
        for (int c : clients) ::close(c);
    }

    PlainListener listener_;
    int stop_[2] = {-1, -1};
    std::atomic<int> connections_{0};
    std::thread thread_;
};

// A SOCKS proxy that follows a script on its first connection: expect so many bytes, send these bytes
// (at once or one at a time), close. What it received is kept for the test to look at.
class ScriptedProxy {
public:
    struct Step {
        enum Kind { Expect, Send, SendByteByByte, Close } kind;
        std::string bytes;  // Send: what to send
        std::size_t count = 0;  // Expect: how many bytes
    };
    static Step Expect(std::size_t n) { return {Step::Expect, {}, n}; }
    static Step Send(std::string b) { return {Step::Send, std::move(b), 0}; }
    static Step Trickle(std::string b) { return {Step::SendByteByByte, std::move(b), 0}; }
    static Step CloseNow() { return {Step::Close, {}, 0}; }

    explicit ScriptedProxy(std::vector<Step> script) : script_(std::move(script)) {
        thread_ = std::thread([this] { Run(); });
    }
    ~ScriptedProxy() {
        // Wakes a thread still waiting for its connection.
        ::shutdown(listener_.Fd(), SHUT_RDWR);
        int c = client_.load();
        if (c >= 0) ::shutdown(c, SHUT_RDWR);
        thread_.join();
    }
    std::string PortText() const { return port_; }
    std::string Received() {
        std::lock_guard<std::mutex> lock(mutex_);
        return received_;
    }
    bool Finished() const { return finished_; }

private:
    void Run() {
        int c = listener_.Accept(10000);
        if (c < 0) return;
        client_ = c;
        bool closeNow = false;
        for (const Step& step : script_) {
            if (step.kind == Step::Expect) {
                std::string got = ReadBytes(c, step.count);
                std::lock_guard<std::mutex> lock(mutex_);
                received_ += got;
                if (got.size() < step.count) break;
            } else if (step.kind == Step::Send) {
                WriteAll(c, step.bytes);
            } else if (step.kind == Step::SendByteByByte) {
                int one = 1;
                ::setsockopt(c, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
                for (char b : step.bytes) {
                    WriteAll(c, std::string(1, b));
                    std::this_thread::sleep_for(std::chrono::milliseconds(3));
                }
            } else {
                closeNow = true;
                break;
            }
        }
        finished_ = true;
        // Keep the connection until the client is done with it (or the test gives up).
        char sink[256];
        while (!closeNow && WaitFor(c, POLLIN, 3000) && ::recv(c, sink, sizeof sink, 0) > 0) {
        }
        client_ = -1;
        ::close(c);
    }

    PlainListener listener_;
    std::atomic<int> client_{-1};
    std::string port_ = listener_.PortText();
    std::vector<Step> script_;
    std::mutex mutex_;
    std::string received_;
    std::atomic<bool> finished_{false};
    std::thread thread_;
};

}  // namespace fv::testing
