// Palette, default font, cursor identifiers, text lines, number formats and hit tests.
#include <gtest/gtest.h>

#include <climits>

#include "chart/chart_units.h"
#include "chart/hit_tests.h"

namespace fv {
namespace {

TEST(ChartUnits, PaletteRepeatsEvery16) {
    EXPECT_EQ(PaletteColor(0), 0x0000FF);
    EXPECT_EQ(PaletteColor(3), 0xFF0000);
    EXPECT_EQ(PaletteColor(15), 0x000000);
    EXPECT_EQ(PaletteColor(16), PaletteColor(0));
    EXPECT_EQ(PaletteColor(-1), PaletteColor(15));
}

TEST(ChartUnits, DefaultFontCursorsAndExtensions) {
    Font f;
    f.Name = "Arial";
    f.Size = 8;
    f.FontColor = ClBlack;
    EXPECT_TRUE(IsDefaultChartFont(f));
    f.Name = "arial";  // exact comparison
    EXPECT_FALSE(IsDefaultChartFont(f));
    f.Name = "Arial";
    f.Style = FsBold;
    EXPECT_FALSE(IsDefaultChartFont(f));
    int cursor = 0;
    EXPECT_TRUE(ChartIdentToCursor("crChartHand", cursor));
    EXPECT_EQ(cursor, 2020);
    EXPECT_TRUE(ChartIdentToCursor("crHandPoint", cursor));
    EXPECT_EQ(cursor, -21);
    EXPECT_FALSE(ChartIdentToCursor("crNothing", cursor));
    std::string ident;
    EXPECT_TRUE(ChartCursorToIdent(2020, ident));
    EXPECT_EQ(ident, "crChartHand");
    EXPECT_FALSE(ChartCursorToIdent(12345, ident));
    EXPECT_EQ(ExportFormatExtension(0), "BMP");
    EXPECT_EQ(ExportFormatExtension(2), "EMF");
    EXPECT_EQ(ExportFormatExtension(3), "");
}

TEST(ChartUnits, TextLines) {
    std::string text = "a||b||c";
    SplitTextLines(text, "||");
    EXPECT_EQ(text, "a\r|b\r|c");  // only the first character of each separator becomes the break
    struct Case {
        const char* text;
        int lines;
    };
    const Case cases[] = {{"", 0}, {"one", 1}, {"one\r", 1}, {"one\rtwo", 2}, {"\r", 1}, {"\r\r", 2}};
    for (const Case& c : cases) EXPECT_EQ(CountTextLines(c.text), c.lines) << c.text;
    // Measured with one pixel per character: a line past 255 characters counts whole.
    int lines = 0;
    auto width = [](const std::string& line) { return int(line.size()); };
    EXPECT_EQ(MaxLineWidth("ab\rabcd\r" + std::string(300, 'x'), width, lines), 300);
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(MaxLineWidth("", width, lines), 0);
    EXPECT_EQ(lines, 0);
    EXPECT_EQ(TextPos("b", "abc"), 2);
    EXPECT_EQ(TextPos("x", "abc"), 0);
}

TEST(ChartUnits, FormatsInTheLocalesSeparators) {
    ChartLocaleInfo german;
    german.ThousandSeparator = '.';
    german.DecimalSeparator = ',';
    // Both separators swap in one pass: replacing one after the other would turn both into one.
    EXPECT_EQ(FormatToLocal("#,##0.###", german), "#.##0,###");
    EXPECT_EQ(FormatFromLocal("#.##0,###", german), "#,##0.###");
    EXPECT_EQ(FormatToLocal("#,##0.###"), "#,##0.###");
}

TEST(HitTests, Segments) {
    struct Case {
        PixelPoint p, a, b;
        int tolerance;
        bool hit;
    };
    const Case cases[] = {
        {{5, 5}, {0, 0}, {10, 10}, 0, true},     // on the diagonal
        {{5, 6}, {0, 0}, {10, 10}, 0, false},    // a pixel off
        {{5, 0}, {0, 0}, {10, 0}, 0, true},      // on a horizontal line
        {{11, 0}, {0, 0}, {10, 0}, 0, false},    // past the end
        {{12, 0}, {0, 0}, {10, 0}, 2, true},     // within the tolerance past the end
        {{13, 0}, {0, 0}, {10, 0}, 2, false},
        {{0, 0}, {0, 0}, {0, 0}, 5, false},      // a segment without length hits nothing
        {{INT_MAX, INT_MAX}, {INT_MIN, INT_MIN}, {INT_MAX, INT_MAX}, 0, true},  // no overflow
    };
    for (const Case& c : cases)
        EXPECT_EQ(SegmentHitTest(c.p, c.a, c.b, c.tolerance), c.hit) << c.p.X << "," << c.p.Y;
    EXPECT_FALSE(SegmentContainsPoint({11, 0}, {0, 0}, {10, 0}));
}

TEST(HitTests, PolygonsTrianglesEllipses) {
    std::vector<PixelPoint> square = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
    struct Case {
        PixelPoint p;
        bool inside;
    };
    const Case squareCases[] = {{{5, 5}, true}, {{0, 0}, true}, {{10, 5}, false}, {{5, 10}, false}, {{-1, 5}, false}};
    for (const Case& c : squareCases) EXPECT_EQ(PointInPolygon(c.p, square), c.inside) << c.p.X << "," << c.p.Y;
    EXPECT_FALSE(PointInPolygon({0, 0}, {}));
    // A bar's triangle pointing up from y 10 to its tip at y 0, and one lying on its side.
    EXPECT_TRUE(TriangleContains({5, 5}, 0, 10, 10, 0));
    EXPECT_FALSE(TriangleContains({1, 1}, 0, 10, 10, 0));
    EXPECT_TRUE(HorizTriangleContains({5, 5}, 0, 10, 0, 10));
    EXPECT_FALSE(HorizTriangleContains({1, 1}, 0, 10, 0, 10));
    EXPECT_TRUE(EllipseContains({5, 5}, 0, 0, 10, 10));
    EXPECT_TRUE(EllipseContains({10, 5}, 0, 0, 10, 10));
    EXPECT_FALSE(EllipseContains({9, 9}, 0, 0, 10, 10));
    for (int x = -2; x <= 12; ++x) EXPECT_FALSE(EllipseContains({x, 5}, 0, 5, 10, 5));  // no height
}

}  // namespace
}  // namespace fv
