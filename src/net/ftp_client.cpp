// TFtpClient: the synchronous calls over the message loop.
#include "net/ftp_client.h"

#include <algorithm>

#include "platform/app/application.h"

namespace fv {

bool TFtpClient::ApplicationTerminating() const { return fv::ApplicationTerminating(this); }

bool TFtpClient::Synchronize(AsyncOperation op) {
    std::uint64_t before = RequestSerial();
    try {
        (this->*op)();
    } catch (const ScriptFailure&) {
        throw;
    } catch (const std::exception&) {
        return false;
    }
    // A usage error that went to OnFtpError started nothing: there is nothing to wait for.
    if (RequestSerial() == before) return false;
    return WaitUntilReady(RequestSerial());
}

bool TFtpClient::WaitUntilReady(std::uint64_t serial) {
    Waiter waiter{serial};
    waiters_.push_back(&waiter);
    std::weak_ptr<int> alive = alive_;
    struct Unregister {
        TFtpClient* client;
        Waiter* waiter;
        std::weak_ptr<int> alive;
        ~Unregister() {
            if (alive.expired()) return;
            auto& w = client->waiters_;
            w.erase(std::remove(w.begin(), w.end(), waiter), w.end());
        }
    } unregister{this, &waiter, alive};

    RestartDeadline();
    while (!waiter.done) {
        if (ApplicationTerminating()) break;
        Millis left = -1;
        if (timeout_ > 0) {
            left = deadline_ - loop_.Now();
            if (left <= 0) break;
        }
        // Returns at the deadline as it stood; a data block may have moved it since, so look again.
        loop_.RunUntil([&] { return waiter.done || alive.expired() || ApplicationTerminating(); }, left);
        if (alive.expired()) return false;
    }
    if (waiter.done) return waiter.code == 0;
    // The time-out is why the request ends: its OnRequestDone already reports it so.
    if (requestRunning_) errorMessage_ = "426 Timeout";
    replyCode_ = 426;
    AbortWith("426 Timeout");
    // The aborted request's OnRequestDone runs before the call returns, as for any other end.
    loop_.RunUntil([&] { return waiter.done || alive.expired(); }, 0);
    if (alive.expired()) return false;
    errorMessage_ = "426 Timeout";
    replyCode_ = 426;
    return false;
}

void TFtpClient::RequestDelivered(std::uint64_t serial, int code) {
    for (Waiter* w : waiters_) {
        if (w->serial != serial) continue;
        w->done = true;
        w->code = code;
    }
}

bool TFtpClient::FireProgress() {
    bool go = TCustomFtpClient::FireProgress();
    if (timeout_ > 0) RestartDeadline();
    return go;
}

bool TFtpClient::Abort() {
    try {
        AbortAsync();
    } catch (const ScriptFailure&) {
        throw;
    } catch (const std::exception&) {
        return false;
    }
    return requestError_ == 0;
}

}  // namespace fv
