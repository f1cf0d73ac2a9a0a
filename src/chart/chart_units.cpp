// The palette, the default chart font, cursor identifiers, export extensions and text helpers.
#include "chart/chart_units.h"

#include <algorithm>

#include "platform/ui/control.h"

namespace fv {

const ChartLocaleInfo& ChartLocale() {
    static const ChartLocaleInfo info;
    return info;
}

Color PaletteColor(int index) {
    static const Color palette[PaletteSize] = {ClRed,  ClGreen, ClYellow, ClBlue,    ClWhite, ClGray,
                                               ClFuchsia, ClTeal, ClNavy, ClMaroon, ClLime,  ClOlive,
                                               ClPurple, ClSilver, ClAqua, ClBlack};
    int i = index % PaletteSize;
    return palette[i < 0 ? i + PaletteSize : i];
}

Font DefaultChartFont() {
    Font f;
    f.Name = DefaultFontName;
    f.Size = DefaultFontSize;
    f.FontColor = ClBlack;
    f.Style = 0;
    return f;
}

bool IsDefaultChartFont(const Font& font) {
    // Size, face (exactly), colour and style; the angle is not part of a font's look here.
    return font.Size == DefaultFontSize && font.Name == DefaultFontName && font.FontColor == ClBlack &&
           font.Style == 0;
}

namespace {

struct CursorIdent {
    int Number;
    const char* Ident;
};

// The chart's own cursor and the standard ones, with the numbers chart files store.
const CursorIdent Cursors[] = {
    {crChartHand, "crChartHand"}, {0, "crDefault"},    {-1, "crNone"},      {-2, "crArrow"},
    {-3, "crCross"},              {-4, "crIBeam"},     {-6, "crSizeNESW"},  {-7, "crSizeNS"},
    {-8, "crSizeNWSE"},           {-9, "crSizeWE"},    {-10, "crUpArrow"},  {-11, "crHourGlass"},
    {-12, "crDrag"},              {-13, "crNoDrop"},   {-14, "crHSplit"},   {-15, "crVSplit"},
    {-16, "crMultiDrag"},         {-18, "crNo"},       {-19, "crAppStart"}, {-20, "crHelp"},
    {-21, "crHandPoint"},         {-22, "crSizeAll"},
};

}  // namespace

bool ChartIdentToCursor(const std::string& ident, int& cursor) {
    for (const CursorIdent& c : Cursors)
        if (ident == c.Ident) {
            cursor = c.Number;
            return true;
        }
    return false;
}

bool ChartCursorToIdent(int cursor, std::string& ident) {
    for (const CursorIdent& c : Cursors)
        if (cursor == c.Number) {
            ident = c.Ident;
            return true;
        }
    return false;
}

std::vector<std::string> StandardCursorIdents() {
    std::vector<std::string> idents;
    for (const CursorIdent& c : Cursors)
        if (c.Number != crChartHand) idents.push_back(c.Ident);
    return idents;
}

std::string ExportFormatExtension(int index) {
    static const char* const extensions[] = {"BMP", "WMF", "EMF"};
    return index >= 0 && index < 3 ? extensions[index] : "";
}

void SplitTextLines(std::string& text, const std::string& separator) {
    if (separator.empty()) return;
    for (std::size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, at + 1))
        text[at] = LineBreak;
}

int CountTextLines(const std::string& text) {
    int lines = 0;
    for (char c : text)
        if (c == LineBreak) ++lines;
    if (!text.empty() && text.back() != LineBreak) ++lines;
    return lines;
}

int MaxLineWidth(const std::string& text, const std::function<int(const std::string&)>& textWidth, int& lineCount) {
    lineCount = CountTextLines(text);
    int widest = 0;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(LineBreak, start);
        if (end == std::string::npos) end = text.size();
        widest = std::max(widest, textWidth(text.substr(start, end - start)));
        start = end + 1;
    }
    return widest;
}

int TextPos(const std::string& sub, const std::string& text) {
    std::size_t at = text.find(sub);
    return at == std::string::npos ? 0 : int(at) + 1;
}

namespace {

std::string Translate(const std::string& format, char thousandFrom, char thousandTo, char decimalFrom,
                      char decimalTo) {
    std::string out = format;
    for (char& c : out) {
        if (c == thousandFrom) c = thousandTo;
        else if (c == decimalFrom) c = decimalTo;
    }
    return out;
}

}  // namespace

std::string FormatToLocal(const std::string& format, const ChartLocaleInfo& locale) {
    return Translate(format, ',', locale.ThousandSeparator, '.', locale.DecimalSeparator);
}

std::string FormatFromLocal(const std::string& format, const ChartLocaleInfo& locale) {
    return Translate(format, locale.ThousandSeparator, ',', locale.DecimalSeparator, '.');
}

void EnableControls(bool enable, std::initializer_list<Control*> controls) {
    for (Control* c : controls)
        if (c) c->SetEnabled(enable);
}

}  // namespace fv
