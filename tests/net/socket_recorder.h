// A socket under test on the headless loop, with every event it fires written to a log.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "net/async_socket.h"
#include "platform/core/headless_loop.h"

namespace fv::testing {

class SocketRecorder {
public:
    explicit SocketRecorder(MessageLoop& loop) : socket(std::make_unique<TAsyncSocket>(nullptr, &loop)), loop_(loop) {
        Attach(*socket);
    }

    void Attach(TCustomAsyncSocket& s) {
        s.OnSessionConnected = [this](Component*, int e) { Log("connected", e); };
        s.OnSessionClosed = [this](Component*, int e) { Log("closed", e); };
        s.OnDataSent = [this](Component*, int e) { Log("sent", e); };
        s.OnSendData = [this](Component*, int n) { blocks.push_back(n); };
        s.OnSessionAvailable = [this](Component*, int e) { Log("available", e); };
        s.OnDnsLookupDone = [this](Component*, int e) { Log("dns", e); };
        s.OnDataAvailable = [this, &s](Component*, int e) {
            Log("data", e);
            if (!readOnData) return;
            char buf[4096];
            int n = s.Receive(buf, readChunk < int(sizeof buf) ? readChunk : int(sizeof buf));
            if (n > 0) received.append(buf, std::size_t(n));
        };
    }

    void Log(const std::string& what, int error) { events.push_back(what + " " + std::to_string(error)); }
    std::size_t Count(const std::string& prefix) const {
        std::size_t n = 0;
        for (const auto& e : events) n += e.rfind(prefix, 0) == 0;
        return n;
    }
    bool Has(const std::string& event) const {
        for (const auto& e : events)
            if (e == event) return true;
        return false;
    }
    bool RunUntil(const std::function<bool()>& done, Millis ms = 5000) { return loop_.RunUntil(done, ms); }
    bool RunUntilEvent(const std::string& event, Millis ms = 5000) {
        return loop_.RunUntil([&] { return Has(event); }, ms);
    }
    // A few turns of the loop, so that anything still to be posted comes.
    void Settle() {
        for (int i = 0; i < 5; ++i) loop_.RunUntil([] { return false; }, 20);
    }

    std::unique_ptr<TAsyncSocket> socket;
    std::vector<std::string> events;
    std::vector<int> blocks;
    std::string received;
    bool readOnData = true;
    int readChunk = 4096;

private:
    MessageLoop& loop_;
};

}  // namespace fv::testing
