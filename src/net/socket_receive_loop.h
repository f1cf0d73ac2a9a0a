// TSocketReceiveLoop: how a socket hands waiting data to its owner on one read notification.
//
// The owner's data handler runs, and runs again while bytes still wait, so a burst is read in one turn of
// the message loop. Without a handler the bytes are read and dropped. The loop is bounded: every round
// must take bytes, or it ends, so a handler that leaves the waiting bytes unread cannot spin it; the data
// that stays re-arms a later read notification. A source that went away during a round (closed or
// destroyed) ends the loop at once, and after that nothing of the loop or the socket is touched.
#pragma once

#include <cstdint>

namespace fv {

class TSocketReceiveLoop {
public:
    // What the loop asks of its socket.
    class Source {
    public:
        virtual ~Source() = default;
        // Starts a round (the socket forgets its last error).
        virtual void BeginRound() = 0;
        // Hands the waiting data to the owner's handler; false when there is none.
        virtual bool Deliver(int error) = 0;
        // True once the socket was closed or destroyed.
        virtual bool Gone() = 0;
        // Reads and drops up to len bytes; the count, or negative with error set.
        virtual int Discard(void* buffer, int len, int& error) = 0;
        // False when the loop must stop after this round (one round asked for, or an error recorded).
        virtual bool MayRepeat() = 0;
        // Bytes still waiting (0 or less ends the loop).
        virtual int Waiting() = 0;
    };

    // Counts receives that handed out bytes, so the loop sees whether a round read anything.
    void NoteConsumed() { ++consumed_; }
    std::uint64_t Consumed() const { return consumed_; }

    // One read notification: rounds of delivery until a round takes nothing or nothing waits.
    void Run(Source& source, int error);

private:
    std::uint64_t consumed_ = 0;
};

}  // namespace fv
