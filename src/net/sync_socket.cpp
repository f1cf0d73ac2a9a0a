// TCustomSyncSocket: the synchronous wait over the message loop.
#include "net/sync_socket.h"

#include "platform/app/application.h"

namespace fv {

bool TCustomSyncSocket::ApplicationTerminating() const { return fv::ApplicationTerminating(this); }

int TCustomSyncSocket::Synchronize(const std::function<void()>& routine, bool& done) {
    done = false;
    if (routine) routine();
    return WaitUntilReady(done);
}

int TCustomSyncSocket::WaitUntilReady(bool& done) {
    syncDeadline_ = loop_.Now() + syncTimeout_;
    std::weak_ptr<int> alive = AliveToken();
    while (!done) {
        if (syncTimeout_ > 0 && loop_.Now() >= syncDeadline_) return SyncTimedOut;
        if (ApplicationTerminating() || terminated_) return SyncTimedOut;
        Millis left = syncTimeout_ > 0 ? syncDeadline_ - loop_.Now() : -1;
        loop_.RunUntil([&] { return done || alive.expired() || ApplicationTerminating(); }, left);
        if (alive.expired()) return done ? 0 : SyncTimedOut;
    }
    return 0;
}

}  // namespace fv
