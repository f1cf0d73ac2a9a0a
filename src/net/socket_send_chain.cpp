// TSocketSendChain: appending, taking and dropping the waiting bytes.
#include "net/socket_send_chain.h"

#include <algorithm>

namespace fv {

void TSocketSendChain::Append(const void* data, int len) {
    const auto* p = static_cast<const unsigned char*>(data);
    int left = len;
    while (left > 0) {
        if (blocks_.empty() || blocks_.back()->WritePos() >= blocks_.back()->BufferSize())
            blocks_.push_back(NewBlock());
        int n = blocks_.back()->Write(p, left);
        if (n <= 0) {
            blocks_.push_back(NewBlock());
            continue;
        }
        p += n;
        left -= n;
    }
}

const unsigned char* TSocketSendChain::Front(int& len) {
    len = 0;
    while (!blocks_.empty()) {
        const unsigned char* p = blocks_.front()->Peek(len);
        if (len > 0) return p;
        if (blocks_.size() <= 1) break;
        RecycleFront();
    }
    len = 0;
    return nullptr;
}

void TSocketSendChain::RemoveFront(int count) {
    if (!blocks_.empty()) blocks_.front()->Remove(count);
}

std::size_t TSocketSendChain::Gather(SocketNotifier::Piece* pieces, std::size_t max) const {
    std::size_t n = 0;
    for (const auto& block : blocks_) {
        if (n == max) break;
        int blockLen = 0;
        const unsigned char* bp = block->Peek(blockLen);
        if (blockLen <= 0) continue;
        pieces[n++] = {bp, std::size_t(blockLen)};
    }
    return n;
}

bool TSocketSendChain::Consume(long sent, const std::function<bool(int taken)>& taken) {
    for (long left = sent; left > 0 && !blocks_.empty();) {
        TBuffer& block = *blocks_.front();
        int n = block.Remove(int(std::min<long>(left, block.WritePos() - block.ReadPos())));
        left -= n;
        if (n > 0 && !taken(n)) return false;
        if (block.WritePos() == 0 && blocks_.size() > 1) RecycleFront();
        else if (n == 0) break;
    }
    return true;
}

void TSocketSendChain::RecycleFront() {
    std::unique_ptr<TBuffer> block = std::move(blocks_.front());
    blocks_.pop_front();
    // Bulk sends go through many blocks: keep a few for the next ones instead of freeing them.
    if (spare_.size() < 64 && block->BufferSize() == blockSize_) spare_.push_back(std::move(block));
}

std::unique_ptr<TBuffer> TSocketSendChain::NewBlock() {
    if (spare_.empty()) return std::make_unique<TBuffer>(blockSize_);
    std::unique_ptr<TBuffer> block = std::move(spare_.back());
    spare_.pop_back();
    return block;
}

}  // namespace fv
