// TBuffer: writing, peeking, removing and resizing one block of the send chain.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "net/buffer.h"

namespace fv {
namespace {

std::string Unread(const TBuffer& b) {
    int len = 0;
    const unsigned char* p = b.Peek(len);
    return p ? std::string(reinterpret_cast<const char*>(p), std::size_t(len)) : std::string();
}

TEST(BufferTest, NonPositiveSizeMeans1514) {
    EXPECT_EQ(TBuffer(0).BufferSize(), 1514);
    EXPECT_EQ(TBuffer(-5).BufferSize(), 1514);
    EXPECT_EQ(TBuffer(10).BufferSize(), 10);
}

TEST(BufferTest, WriteTakesWhatFitsAndNothingWhenFull) {
    TBuffer b(8);
    EXPECT_EQ(b.Write("hello", 5), 5);
    EXPECT_EQ(b.Write("world", 5), 3);
    EXPECT_EQ(b.Write("!", 1), 0);
    EXPECT_EQ(b.WritePos(), 8);
    EXPECT_EQ(Unread(b), "hellowor");
}

TEST(BufferTest, RemoveAdvancesAndResetsWhenEmpty) {
    TBuffer b(8);
    b.Write("abcdef", 6);
    EXPECT_EQ(b.Remove(2), 2);
    EXPECT_EQ(Unread(b), "cdef");
    EXPECT_EQ(b.ReadPos(), 2);
    // Not circular: the freed front is not reused while bytes are unread.
    EXPECT_EQ(b.Write("xyz", 3), 2);
    EXPECT_EQ(b.Remove(100), 6);
    EXPECT_EQ(b.ReadPos(), 0);
    EXPECT_EQ(b.WritePos(), 0);
    int len = -1;
    EXPECT_EQ(b.Peek(len), nullptr);
    EXPECT_EQ(len, 0);
    EXPECT_EQ(b.Remove(1), 0);
}

TEST(BufferTest, SetBufferSizeKeepsWrittenBytes) {
    TBuffer b(4);
    b.Write("abcd", 4);
    b.SetBufferSize(10);
    EXPECT_EQ(b.BufferSize(), 10);
    EXPECT_EQ(Unread(b), "abcd");
    EXPECT_EQ(b.Write("efghijk", 7), 6);
    EXPECT_EQ(Unread(b), "abcdefghij");
}

TEST(BufferTest, ShrinkingBelowTheWrittenBytesKeepsWhatFits) {
    TBuffer b(10);
    b.Write("0123456789", 10);
    b.Remove(2);
    b.SetBufferSize(5);
    EXPECT_EQ(b.WritePos(), 5);
    EXPECT_EQ(Unread(b), "234");
}

TEST(BufferTest, WriteRefusesNegativeLength) {
    TBuffer b(4);
    EXPECT_EQ(b.Write("x", -1), 0);
    EXPECT_EQ(b.Write(nullptr, 3), 0);
}

}  // namespace
}  // namespace fv
