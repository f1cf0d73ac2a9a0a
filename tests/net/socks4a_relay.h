// A SOCKS 4A proxy on 127.0.0.1 that really relays, for the one level the Dante proxy of the tests does
// not speak (Dante 1.4 takes the 4A marker address literally and refuses). It serves any number of
// connections on one thread and writes down the destination of each ("host:port").
#pragma once

#include <fcntl.h>
#include <netdb.h>

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "net/loopback_peer.h"

namespace fv::testing {

class Socks4ARelay {
public:
    Socks4ARelay() {
        if (::pipe2(stop_, O_CLOEXEC) != 0) stop_[0] = stop_[1] = -1;
        thread_ = std::thread([this] { Run(); });
    }
    ~Socks4ARelay() {
        char c = 0;
        [[maybe_unused]] auto n = ::write(stop_[1], &c, 1);
        thread_.join();
        ::close(stop_[0]);
        ::close(stop_[1]);
    }
    std::string PortText() const { return listener_.PortText(); }
    std::vector<std::string> Destinations() {
        std::lock_guard<std::mutex> lock(mutex_);
        return destinations_;
    }

private:
    struct Pair {
        int client;
        int server;
    };

    // Reads the request (4, 1, port, address, user id, and for 4A the host name) and connects.
    int Negotiate(int client) {
        std::string req;
        char c;
        auto readByte = [&]() { return WaitFor(client, POLLIN, 5000) && ::recv(client, &c, 1, 0) == 1; };
        for (int i = 0; i < 8; ++i) {
            if (!readByte()) return -1;
            req += c;
        }
        while (readByte() && c != 0) {
        }
        std::string host;
        auto b = [&](int i) { return static_cast<unsigned char>(req[std::size_t(i)]); };
        if (b(4) == 0 && b(5) == 0 && b(6) == 0 && b(7) != 0) {
            while (readByte() && c != 0) host += c;
        } else {
            host = std::to_string(b(4)) + "." + std::to_string(b(5)) + "." + std::to_string(b(6)) + "." +
                   std::to_string(b(7));
        }
        int port = b(2) * 256 + b(3);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            destinations_.push_back(host + ":" + std::to_string(port));
        }
        int server = -1;
        if (b(0) == 4 && b(1) == 1 && (host == "127.0.0.1" || host == "localhost")) server = PlainConnect(std::uint16_t(port));
        const char granted[8] = {0, 90, 0, 0, 0, 0, 0, 0};
        const char refused[8] = {0, 91, 0, 0, 0, 0, 0, 0};
        WriteAll(client, std::string(server >= 0 ? granted : refused, 8));
        return server;
    }

    void Run() {
        std::vector<Pair> pairs;
        for (;;) {
            std::vector<pollfd> fds{{stop_[0], POLLIN, 0}, {listener_.Fd(), POLLIN, 0}};
            for (const Pair& p : pairs) {
                fds.push_back({p.client, POLLIN, 0});
                fds.push_back({p.server, POLLIN, 0});
            }
            if (::poll(fds.data(), fds.size(), 30000) <= 0 || fds[0].revents) break;
            // Only the pairs that were polled are looked at; one accepted now waits for the next round.
            std::size_t polled = pairs.size();
            if (fds[1].revents & POLLIN) {
                int c = ::accept4(listener_.Fd(), nullptr, nullptr, SOCK_CLOEXEC);
                if (c >= 0) {
                    int s = Negotiate(c);
                    if (s >= 0) pairs.push_back({c, s});
                    else ::close(c);
                }
            }
            std::vector<Pair> keep;
            for (std::size_t i = 0; i < pairs.size(); ++i) {
                if (i >= polled) {
                    keep.push_back(pairs[i]);
                    continue;
                }
                bool open = true;
                for (int side = 0; side < 2 && open; ++side) {
                    const pollfd& f = fds[2 + 2 * i + std::size_t(side)];
                    if (!f.revents) continue;
                    int from = side == 0 ? pairs[i].client : pairs[i].server;
                    int to = side == 0 ? pairs[i].server : pairs[i].client;
                    char buf[65536];
                    long n = ::recv(from, buf, sizeof buf, 0);
                    if (n <= 0 || !WriteAll(to, std::string(buf, std::size_t(n)))) open = false;
                }
                if (open) {
                    keep.push_back(pairs[i]);
                } else {
                    ::close(pairs[i].client);
                    ::close(pairs[i].server);
                }
            }
            pairs = keep;
        }
        for (const Pair& p : pairs) {
            ::close(p.client);
            ::close(p.server);
        }
    }

    PlainListener listener_;
    int stop_[2] = {-1, -1};
    std::mutex mutex_;
    std::vector<std::string> destinations_;
    std::thread thread_;
};

}  // namespace fv::testing
