// TBuffer: one block of a socket's send chain.
//
// Bytes are appended behind WritePos and taken from ReadPos; the block is not circular, so a block that
// was written full takes nothing more until everything in it has been read (then both positions go back
// to the start).
#pragma once

#include <cstddef>
#include <memory>

namespace fv {

class TBuffer {
public:
    static constexpr int DefaultSize = 1514;

    // A size of 0 or less means DefaultSize.
    explicit TBuffer(int size = DefaultSize);

    int BufferSize() const { return bufferSize_; }
    int WritePos() const { return writePos_; }
    int ReadPos() const { return readPos_; }
    const unsigned char* BufferData() const { return data_.get(); }

    // Changes the size. An empty block is reallocated; otherwise the written bytes are kept as far as
    // the new size holds them (and the positions are clipped to it).
    void SetBufferSize(int size);
    // Appends as much as fits; returns the count taken (0 when full or when len is not positive).
    int Write(const void* data, int len);
    // The unread bytes: their address and count (count 0 and null when none).
    const unsigned char* Peek(int& len) const;
    // Drops up to len unread bytes; returns the count dropped.
    int Remove(int len);

private:
    std::unique_ptr<unsigned char[]> data_;
    int bufferSize_;
    int writePos_ = 0;
    int readPos_ = 0;
};

}  // namespace fv
