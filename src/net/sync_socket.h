// TCustomSyncSocket: waits in the message loop until a flag is set or SyncTimeout passes.
//
// The wait never spins: it runs the loop, which sleeps until a notification, a timer or the deadline.
// On the headless loop's hand-driven clock a deadline with nothing else to wait for passes at once.
#pragma once

#include <functional>

#include "net/line_socket.h"

namespace fv {

// The result of a wait that ran out of time (or was ended by the program terminating).
constexpr int SyncTimedOut = 12001;

class TCustomSyncSocket : public TCustomLineSocket {
public:
    using TCustomLineSocket::TCustomLineSocket;

    // Milliseconds; 0 waits without limit.
    int SyncTimeout() const { return syncTimeout_; }
    void SetSyncTimeout(int ms) { syncTimeout_ = ms; }
    Millis SyncDeadline() const { return syncDeadline_; }

    // Clears done, runs the routine (when given) and waits until done is set: 0, or 12001.
    virtual int Synchronize(const std::function<void()>& routine, bool& done);
    virtual int WaitUntilReady(bool& done);

private:
    bool ApplicationTerminating() const;

    int syncTimeout_ = 0;
    Millis syncDeadline_ = 0;
};

}  // namespace fv
