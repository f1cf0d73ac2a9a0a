// The byte writer and the checking byte reader.
#include "platform/stream/byte_stream.h"

#include <bit>
#include <cmath>
#include <cstring>

#include "platform/text/utf8.h"

namespace fv {

void ByteWriter::U16(std::uint16_t v) {
    U8(std::uint8_t(v));
    U8(std::uint8_t(v >> 8));
}

void ByteWriter::U32(std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) U8(std::uint8_t(v >> shift));
}

void ByteWriter::F64(double v) {
    std::uint64_t bits = std::bit_cast<std::uint64_t>(v);
    for (int shift = 0; shift < 64; shift += 8) U8(std::uint8_t(bits >> shift));
}

void ByteWriter::String(std::string_view s) {
    U32(std::uint32_t(s.size()));
    Raw(s);
}

std::size_t ByteWriter::BeginLength() {
    std::size_t at = bytes_.size();
    U32(0);
    return at;
}

void ByteWriter::EndLength(std::size_t at) {
    std::uint32_t n = std::uint32_t(bytes_.size() - at - 4);
    for (int i = 0; i < 4; ++i) bytes_[at + std::size_t(i)] = char(std::uint8_t(n >> (8 * i)));
}

void ByteReader::Need(std::size_t n) const {
    if (n > Left()) throw StreamReadError("Stream read error");
}

std::uint8_t ByteReader::U8() {
    Need(1);
    return std::uint8_t(bytes_[pos_++]);
}

std::uint16_t ByteReader::U16() {
    Need(2);
    std::uint16_t v = std::uint16_t(std::uint8_t(bytes_[pos_]) | (std::uint8_t(bytes_[pos_ + 1]) << 8));
    pos_ += 2;
    return v;
}

std::uint32_t ByteReader::U32() {
    Need(4);
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | std::uint8_t(bytes_[pos_ + std::size_t(i)]);
    pos_ += 4;
    return v;
}

double ByteReader::F64() {
    Need(8);
    std::uint64_t bits = 0;
    for (int i = 7; i >= 0; --i) bits = (bits << 8) | std::uint8_t(bytes_[pos_ + std::size_t(i)]);
    pos_ += 8;
    return std::bit_cast<double>(bits);
}

double ByteReader::FiniteF64() {
    double v = F64();
    if (!std::isfinite(v)) throw StreamReadError("Invalid floating point value in stream");
    return v;
}

std::string_view ByteReader::Raw(std::size_t n) {
    Need(n);
    std::string_view s = bytes_.substr(pos_, n);
    pos_ += n;
    return s;
}

std::string ByteReader::String() {
    std::uint32_t n = U32();
    if (n > MaxStreamString) throw StreamReadError("String too long in stream");
    std::string_view s = Raw(n);
    if (!IsValidUtf8(s)) throw StreamReadError("Invalid text in stream");
    return std::string(s);
}

std::uint32_t ByteReader::Count(std::size_t minItemSize) {
    std::uint32_t n = U32();
    if (minItemSize > 0 && n > Left() / minItemSize) throw StreamReadError("Stream read error");
    return n;
}

}  // namespace fv
