// TBuffer: a fixed block with a write and a read position.
#include "net/buffer.h"

#include <algorithm>
#include <cstring>

namespace fv {

TBuffer::TBuffer(int size) : bufferSize_(size <= 0 ? DefaultSize : size) {
    data_ = std::make_unique<unsigned char[]>(std::size_t(bufferSize_));
}

void TBuffer::SetBufferSize(int size) {
    if (size <= 0) size = DefaultSize;
    if (size == bufferSize_) return;
    auto fresh = std::make_unique<unsigned char[]>(std::size_t(size));
    if (writePos_ > 0) {
        // Shrinking below the written bytes would overrun the new block: keep only what fits.
        writePos_ = std::min(writePos_, size);
        readPos_ = std::min(readPos_, writePos_);
        std::memcpy(fresh.get(), data_.get(), std::size_t(writePos_));
    }
    data_ = std::move(fresh);
    bufferSize_ = size;
}

int TBuffer::Write(const void* data, int len) {
    if (len <= 0 || !data) return 0;
    int n = std::min(len, bufferSize_ - writePos_);
    if (n <= 0) return 0;
    std::memcpy(data_.get() + writePos_, data, std::size_t(n));
    writePos_ += n;
    return n;
}

const unsigned char* TBuffer::Peek(int& len) const {
    len = writePos_ - readPos_;
    if (len <= 0) {
        len = 0;
        return nullptr;
    }
    return data_.get() + readPos_;
}

int TBuffer::Remove(int len) {
    if (len <= 0) return 0;
    int n = std::min(len, writePos_ - readPos_);
    readPos_ += n;
    if (readPos_ >= writePos_) readPos_ = writePos_ = 0;
    return n;
}

}  // namespace fv
