// Bytes in and out of a stream: a writer that appends little-endian numbers, doubles and strings to a
// buffer, and a reader that takes them from a span and checks every count and length against the bytes
// that are left before it trusts it. A reader never reads past its end: it raises StreamReadError.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace fv {

// A stream that is cut short or holds something that cannot be: the load stops here.
class StreamReadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The longest string a stream holds; longer ones are refused rather than allocated.
constexpr std::uint32_t MaxStreamString = 1u << 20;

class ByteWriter {
public:
    void U8(std::uint8_t v) { bytes_.push_back(char(v)); }
    void U16(std::uint16_t v);
    void U32(std::uint32_t v);
    void I32(std::int32_t v) { U32(std::uint32_t(v)); }
    void F64(double v);
    // u32 length, then the bytes.
    void String(std::string_view s);
    void Raw(std::string_view s) { bytes_.append(s); }

    std::size_t Size() const { return bytes_.size(); }
    // Drops what was written after the first n bytes.
    void Truncate(std::size_t n) { bytes_.resize(n); }
    // Writes a u32 placeholder and answers where it is, to fill in once the length is known.
    std::size_t BeginLength();
    // Fills the placeholder with the number of bytes written after it.
    void EndLength(std::size_t at);

    const std::string& Bytes() const { return bytes_; }
    std::string Take() { return std::move(bytes_); }

private:
    std::string bytes_;
};

class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : bytes_(bytes) {}

    std::size_t Left() const { return bytes_.size() - pos_; }
    std::size_t Position() const { return pos_; }
    bool AtEnd() const { return pos_ == bytes_.size(); }

    std::uint8_t U8();
    std::uint16_t U16();
    std::uint32_t U32();
    std::int32_t I32() { return std::int32_t(U32()); }
    // Any double, NaN and infinities included.
    double F64();
    // A double that must be a number: NaN and infinities raise StreamReadError.
    double FiniteF64();
    // u32 length (at most MaxStreamString and at most what is left), then valid UTF-8.
    std::string String();
    // The next n bytes.
    std::string_view Raw(std::size_t n);
    // A reader over the next n bytes (n checked against what is left); this one moves past them.
    ByteReader Sub(std::size_t n) { return ByteReader(Raw(n)); }
    // A count of items of at least minItemSize bytes each: refused when they cannot fit in what is left.
    std::uint32_t Count(std::size_t minItemSize);

private:
    void Need(std::size_t n) const;
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace fv
