// Metafiles and BMP files: the recorded calls replay as they were drawn, and the EMF, placeable WMF and BMP
// files have the headers and record chains their formats define; BMP files read back, and broken ones are
// refused.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>

#include "platform/gfx/bmp_file.h"
#include "platform/gfx/metafile.h"

namespace fv {
namespace {

std::uint32_t U32(const std::string& b, std::size_t at) {
    return std::uint32_t(std::uint8_t(b.at(at))) | std::uint32_t(std::uint8_t(b.at(at + 1))) << 8 |
           std::uint32_t(std::uint8_t(b.at(at + 2))) << 16 | std::uint32_t(std::uint8_t(b.at(at + 3))) << 24;
}
unsigned U16(const std::string& b, std::size_t at) {
    return unsigned(std::uint8_t(b.at(at))) | unsigned(std::uint8_t(b.at(at + 1))) << 8;
}
int I32(const std::string& b, std::size_t at) { return int(U32(b, at)); }

// A drawing with every kind of call, a clip, state changes and a picture.
Metafile Sample() {
    MetafileCanvas c;
    c.SetPen({ClRed, 2, PenStyle::Dash, PenMode::Copy});
    c.Rectangle(1, 2, 30, 40);
    c.SetBrush({ClBlue, BrushStyle::Cross, nullptr});
    c.Ellipse(5, 5, 25, 25);
    c.ClipRect({0, 0, 50, 50});
    const Point line[] = {{0, 0}, {10, 10}, {20, 0}};
    c.Polyline(line);
    c.Polygon(line);
    const Point curve[] = {{0, 0}, {5, 20}, {15, 20}, {20, 0}};
    c.PolyBezier(curve);
    c.Unclip();
    c.RoundRect(0, 0, 20, 20, 4, 4);
    c.Arc(0, 0, 20, 20, 20, 10, 0, 10);
    c.Pie(0, 0, 20, 20, 20, 10, 0, 10);
    c.SetPixel(3, 3, ClGreen);
    c.FillRect({2, 2, 8, 8});
    c.SetFont({"Arial", 10, ClNavy, FsBold, 0});
    c.TextOut(4, 6, "Sales \xE2\x82\xAC");  // a character beyond Latin-1
    c.Draw(7, 8, Bitmap(3, 2, 0xFF102030u));
    Metafile m;
    m.Width = 60;
    m.Height = 45;
    m.Records = c.TakeRecords();
    return m;
}

TEST(Metafile, ReplayDrawsTheSameCalls) {
    const Metafile m = Sample();
    RecordingCanvas replayed;
    m.Replay(replayed);
    std::vector<std::string> expected;
    for (const MetafileRecord& r : m.Records) expected.push_back(r.Call.ToString());
    EXPECT_EQ(replayed.Lines(), expected);
    // The picture came along, not only its size.
    const auto images = replayed.Calls("Image");
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].Text, "3x2");
}

TEST(Metafile, EmfHasItsHeaderAndAChainOfRecordsEndingInEof) {
    const std::string emf = EncodeEmf(Sample());
    EXPECT_EQ(U32(emf, 0), 1u);                  // EMR_HEADER
    EXPECT_EQ(U32(emf, 40), 0x464D4520u);        // " EMF"
    EXPECT_EQ(U32(emf, 44), 0x10000u);
    EXPECT_EQ(U32(emf, 48), emf.size());         // bytes
    EXPECT_EQ(I32(emf, 8 + 8), 59);              // bounds right: width - 1
    EXPECT_EQ(I32(emf, 8 + 12), 44);
    std::size_t at = 0, records = 0;
    std::uint32_t last = 0;
    std::vector<std::uint32_t> types;
    while (at < emf.size()) {
        const std::uint32_t size = U32(emf, at + 4);
        ASSERT_GE(size, 8u);
        ASSERT_EQ(size % 4, 0u);
        last = U32(emf, at);
        types.push_back(last);
        at += size;
        ++records;
    }
    EXPECT_EQ(at, emf.size());
    EXPECT_EQ(last, 14u);  // EMR_EOF
    EXPECT_EQ(U32(emf, 52), records);
    EXPECT_GE(U16(emf, 56), 4u);  // object handles in use, plus the reserved 0
    auto has = [&](std::uint32_t t) { return std::find(types.begin(), types.end(), t) != types.end(); };
    for (std::uint32_t t : {38u, 39u, 82u, 37u, 43u, 42u, 4u, 3u, 2u, 44u, 45u, 47u, 15u, 84u, 81u, 33u, 34u, 30u})
        EXPECT_TRUE(has(t)) << "record type " << t;
}

TEST(Metafile, PlaceableWmfHasItsKeyChecksumAndWordCountedRecords) {
    const std::string wmf = EncodeWmf(Sample());
    EXPECT_EQ(U32(wmf, 0), 0x9AC6CDD7u);
    EXPECT_EQ(U16(wmf, 10), 60u);  // bounding box right, bottom
    EXPECT_EQ(U16(wmf, 12), 45u);
    EXPECT_EQ(U16(wmf, 14), 96u);  // units an inch
    unsigned sum = 0;
    for (std::size_t i = 0; i < 20; i += 2) sum ^= U16(wmf, i);
    EXPECT_EQ(U16(wmf, 20), sum);
    const std::size_t h = 22;
    EXPECT_EQ(U16(wmf, h), 1u);  // in memory
    EXPECT_EQ(U16(wmf, h + 2), 9u);
    EXPECT_EQ(U16(wmf, h + 4), 0x0300u);
    EXPECT_EQ(U32(wmf, h + 6) * 2, wmf.size() - 22);
    std::size_t at = h + 18;
    std::uint32_t largest = 0;
    unsigned last = 1;
    while (at < wmf.size()) {
        const std::uint32_t words = U32(wmf, at);
        ASSERT_GE(words, 3u);
        largest = std::max(largest, words);
        last = U16(wmf, at + 4);
        at += words * 2;
    }
    EXPECT_EQ(at, wmf.size());
    EXPECT_EQ(last, 0u);  // META_EOF
    EXPECT_EQ(U32(wmf, h + 12), largest);
}

TEST(BmpFile, TwentyFourBitsBottomUpWithPaddedRows) {
    Bitmap b(3, 2, 0xFFFFFFFFu);
    b.Pixels[0] = 0xFF112233u;  // top left
    const std::string f = EncodeBmp24(b);
    const std::size_t stride = 12;  // 9 bytes padded to 12
    EXPECT_EQ(f.substr(0, 2), "BM");
    EXPECT_EQ(U32(f, 2), 54 + stride * 2);
    EXPECT_EQ(f.size(), 54 + stride * 2);
    EXPECT_EQ(I32(f, 18), 3);
    EXPECT_EQ(I32(f, 22), 2);
    EXPECT_EQ(U16(f, 28), 24u);
    // The top row is the last in the file: blue, green, red.
    EXPECT_EQ(std::uint8_t(f[54 + stride]), 0x33);
    EXPECT_EQ(std::uint8_t(f[54 + stride + 1]), 0x22);
    EXPECT_EQ(std::uint8_t(f[54 + stride + 2]), 0x11);
    EXPECT_EQ(EncodeBmp24(Bitmap()).size(), 54u);
}

// A picture whose every pixel differs, opaque, so that a swapped row or channel shows.
Bitmap Gradient(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.Pixels[std::size_t(y * w + x)] =
                0xFF000000u | std::uint32_t(x * 40) << 16 | std::uint32_t(y * 50) << 8 | std::uint32_t(x + y);
    return b;
}

void Set32(std::string& f, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) f[at + std::size_t(i)] = char((v >> (8 * i)) & 0xFF);
}

TEST(BmpFile, ReadsBackWhatItWrites) {
    for (auto [w, h] : {std::pair{1, 1}, {3, 2}, {4, 5}, {24, 24}}) {
        const Bitmap b = Gradient(w, h);
        Bitmap read;
        ASSERT_TRUE(DecodeBmp(EncodeBmp24(b), read)) << w << "x" << h;
        EXPECT_EQ(read.Width, w);
        EXPECT_EQ(read.Height, h);
        EXPECT_EQ(read.Pixels, b.Pixels) << w << "x" << h;
    }
}

TEST(BmpFile, ReadsTopDownAndThirtyTwoBitFiles) {
    // Two rows of one pixel, 32 bits each, the top row first (a negative height).
    std::string f = EncodeBmp24(Bitmap(1, 2));
    f.resize(54);
    Set32(f, 22, std::uint32_t(-2));
    f[28] = 32;
    f += std::string("\x01\x02\x03\x00", 4) + std::string("\x04\x05\x06\x00", 4);
    Bitmap read;
    ASSERT_TRUE(DecodeBmp(f, read));
    EXPECT_EQ(read.Pixels, (std::vector<std::uint32_t>{0xFF030201u, 0xFF060504u}));
}

TEST(BmpFile, RefusesFilesThatDoNotHoldTogether) {
    const std::string good = EncodeBmp24(Gradient(3, 2));
    struct Case {
        const char* why;
        std::function<void(std::string&)> spoil;
    };
    const Case cases[] = {
        {"empty", [](std::string& f) { f.clear(); }},
        {"not a BMP", [](std::string& f) { f[0] = 'G'; }},
        {"header cut short", [](std::string& f) { f.resize(40); }},
        {"pixels cut short", [](std::string& f) { f.pop_back(); }},
        {"run-length compressed", [](std::string& f) { f[30] = 1; }},
        {"palette of 8 bits", [](std::string& f) { f[28] = 8; }},
        {"no width", [](std::string& f) { Set32(f, 18, 0); }},
        {"negative width", [](std::string& f) { Set32(f, 18, std::uint32_t(-3)); }},
        {"height past the data", [](std::string& f) { Set32(f, 22, 3); }},
        {"a side too large to allocate", [](std::string& f) { Set32(f, 18, 0x7FFFFFFF); }},
        {"pixels before the header ends", [](std::string& f) { Set32(f, 10, 20); }},
        {"pixels past the end", [](std::string& f) { Set32(f, 10, 0xFFFFFFF0u); }},
        {"info header larger than the file", [](std::string& f) { Set32(f, 14, 0xFFFFFFF0u); }},
    };
    for (const Case& c : cases) {
        std::string f = good;
        c.spoil(f);
        Bitmap untouched(1, 1, 0xFF123456u);
        EXPECT_FALSE(DecodeBmp(f, untouched)) << c.why;
        EXPECT_EQ(untouched.Width, 1) << c.why;
        EXPECT_EQ(untouched.Pixels[0], 0xFF123456u) << c.why;
    }
}

}  // namespace
}  // namespace fv
