// The checking byte reader: numbers round trip little-endian, and every length or count that does not
// fit in the bytes left, every over-long or malformed string and every non-finite double where a number
// is needed is refused without reading past the end.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "platform/stream/byte_stream.h"
#include "platform/stream/property_stream.h"

namespace fv {
namespace {

TEST(ByteStream, NumbersAreLittleEndianAndRoundTrip) {
    ByteWriter out;
    out.U16(0x3060);
    out.I32(-2);
    out.F64(1.5);
    out.String("ä");
    EXPECT_EQ(out.Bytes().substr(0, 6), std::string("\x60\x30\xFE\xFF\xFF\xFF", 6));
    ByteReader in(out.Bytes());
    EXPECT_EQ(in.U16(), 0x3060);
    EXPECT_EQ(in.I32(), -2);
    EXPECT_EQ(in.FiniteF64(), 1.5);
    EXPECT_EQ(in.String(), "ä");
    EXPECT_TRUE(in.AtEnd());
}

TEST(ByteStream, BadInputIsRefused) {
    auto withLength = [](std::uint32_t n, std::string rest) {
        ByteWriter w;
        w.U32(n);
        w.Raw(rest);
        return w.Take();
    };
    ByteWriter nan;
    nan.F64(std::numeric_limits<double>::quiet_NaN());
    ByteWriter inf;
    inf.F64(-std::numeric_limits<double>::infinity());
    struct Case {
        std::string bytes;
        std::function<void(ByteReader&)> read;
        const char* why;
    } cases[] = {
        {"\x01", [](ByteReader& r) { r.U16(); }, "a number cut short"},
        {withLength(5, "abcd"), [](ByteReader& r) { r.String(); }, "a string longer than the bytes left"},
        {withLength(0xFFFFFFFF, ""), [](ByteReader& r) { r.String(); }, "a length that would wrap"},
        {withLength(MaxStreamString + 1, ""), [](ByteReader& r) { r.String(); }, "a string over the cap"},
        {withLength(2, "\xC3("), [](ByteReader& r) { r.String(); }, "a string that is not UTF-8"},
        {withLength(2, "\xC0\x80"), [](ByteReader& r) { r.String(); }, "an overlong form"},
        {withLength(3, "\xED\xA0\x80"), [](ByteReader& r) { r.String(); }, "a surrogate"},
        {nan.Bytes(), [](ByteReader& r) { r.FiniteF64(); }, "NaN where a number is needed"},
        {inf.Bytes(), [](ByteReader& r) { r.FiniteF64(); }, "infinity where a number is needed"},
        {withLength(3, "12345678"), [](ByteReader& r) { r.Count(4); }, "three items of 4 bytes in 8"},
        {withLength(1, ""), [](ByteReader& r) { r.Sub(r.U32()); }, "a sub-record past the end"},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.why);
        ByteReader in(k.bytes);
        EXPECT_THROW(k.read(in), StreamReadError);
    }
}

TEST(PropertyStream, RecordsSkipByTheirLengthAndEmptyObjectsVanish) {
    ByteWriter out;
    PropertyWriter w(out);
    w.BeginObject("Empty");
    w.EndObject();
    std::size_t afterEmpty = out.Size();
    w.Int("A", 7);
    w.BeginObject("Font");
    w.Set("Style", {"fsBold"});
    w.EndObject();
    out.U8(42);  // a type this reader does not know
    out.String("Future");
    out.String("xyz");
    w.Strings("Lines", {"one", "two"});
    w.End();
    EXPECT_EQ(afterEmpty, 0u);

    ByteReader in(out.Bytes());
    PropertyRecord rec(PropertyType::End, {}, ByteReader({}));
    std::vector<std::string> names;
    while (NextProperty(in, &rec)) names.push_back(rec.Name());
    std::vector<std::string> expected = {"A", "Font", "Future", "Lines"};
    EXPECT_EQ(names, expected);
    EXPECT_TRUE(in.AtEnd());
}

TEST(PropertyStream, ValuesOfTheWrongShapeAreSkippableErrors) {
    ByteWriter out;
    PropertyWriter w(out);
    w.Int("Flag", 1);
    out.U8(std::uint8_t(PropertyType::Bool));
    out.String("Two");
    out.U32(1);
    out.U8(2);
    w.Double("Nan", std::numeric_limits<double>::quiet_NaN());
    w.Ints("Steps", {5, -6});
    // A list whose count claims more numbers than its record holds.
    out.U8(std::uint8_t(PropertyType::Ints));
    out.String("Liar");
    out.U32(8);
    out.U32(3);
    out.I32(1);
    w.End();
    ByteReader in(out.Bytes());
    PropertyRecord rec(PropertyType::End, {}, ByteReader({}));
    ASSERT_TRUE(NextProperty(in, &rec));
    EXPECT_THROW(rec.AsBool(), PropertyError);  // an Int is no Bool
    EXPECT_EQ(rec.AsInt(), 1);
    ASSERT_TRUE(NextProperty(in, &rec));
    EXPECT_THROW(rec.AsBool(), PropertyError);  // 2 is neither false nor true
    ASSERT_TRUE(NextProperty(in, &rec));
    EXPECT_THROW(rec.AsDouble(), PropertyError);
    ASSERT_TRUE(NextProperty(in, &rec));
    EXPECT_EQ(rec.AsInts(), (std::vector<std::int32_t>{5, -6}));
    ASSERT_TRUE(NextProperty(in, &rec));
    EXPECT_THROW(rec.AsInts(), PropertyError);
    EXPECT_FALSE(NextProperty(in, &rec));
}

}  // namespace
}  // namespace fv
