// TSocketSendChain: the bytes a socket has accepted for sending and not yet handed to the system.
//
// The bytes wait in a chain of TBuffer blocks of one size, in the order they were given. The chain never
// sends by itself: the socket takes the waiting bytes (the first block for a datagram, several blocks in
// one gathered call for a stream) and then drops from the front what the system took, block by block.
// Spent blocks are kept for reuse instead of freed, so a bulk send does not allocate per block.
#pragma once

#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <vector>

#include "net/buffer.h"
#include "platform/sockets/socket_notifier.h"

namespace fv {

class TSocketSendChain {
public:
    explicit TSocketSendChain(int blockSize = TBuffer::DefaultSize) : blockSize_(blockSize) {}

    int BlockSize() const { return blockSize_; }
    // Blocks in the chain (spent ones at the front included).
    std::size_t Length() const { return blocks_.size(); }
    bool Empty() const { return blocks_.empty(); }

    // Appends the bytes behind the waiting ones, filling the last block before starting a new one.
    void Append(const void* data, int len);
    // Forgets every waiting byte.
    void Clear() { blocks_.clear(); }

    // The unread bytes of the first block that has any; spent blocks before it are dropped. Null and a
    // count of 0 when nothing waits.
    const unsigned char* Front(int& len);
    // Drops up to count bytes of the first block (a datagram that went out whole).
    void RemoveFront(int count);
    // Fills up to max pieces with the waiting bytes in order, for one gathered send; returns the count.
    std::size_t Gather(SocketNotifier::Piece* pieces, std::size_t max) const;
    // Drops `sent` bytes from the front, block by block. `taken` hears each block's share as it goes and
    // stops the walk by returning false (then Consume returns false and the rest stays as it is).
    bool Consume(long sent, const std::function<bool(int taken)>& taken);

private:
    // Takes the first block off the chain, keeping it for reuse.
    void RecycleFront();
    std::unique_ptr<TBuffer> NewBlock();

    int blockSize_;
    std::deque<std::unique_ptr<TBuffer>> blocks_;
    std::vector<std::unique_ptr<TBuffer>> spare_;
};

}  // namespace fv
