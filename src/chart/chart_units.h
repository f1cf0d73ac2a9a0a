// Small shared pieces of the chart engine: the palette, the default chart font's test, the chart's hand cursor,
// export file extensions, multi-line texts and number formats in the locale's separators.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "platform/gfx/color.h"
#include "platform/gfx/font.h"

namespace fv {

class Control;

// The separators and date formats that number and date texts use.
struct ChartLocaleInfo {
    char ThousandSeparator = ',';
    char DecimalSeparator = '.';
    std::string ShortDateFormat = "m/d/yyyy";
    std::string ShortTimeFormat = "h:nn";
};
const ChartLocaleInfo& ChartLocale();

// The 16 palette colours, repeating: PaletteColor(16) is PaletteColor(0).
constexpr int PaletteSize = 16;
Color PaletteColor(int index);

// The default chart font is DefaultFontName at DefaultFontSize points, black, without style.
inline const char* const DefaultFontName = "Arial";
constexpr int DefaultFontSize = 8;
Font DefaultChartFont();
bool IsDefaultChartFont(const Font& font);

// The hand cursor over clickable colour swatches and list columns: cursor number 2020, "crChartHand".
constexpr int crChartHand = 2020;
// Cursor identifiers as stored in chart files; false for an unknown one.
bool ChartIdentToCursor(const std::string& ident, int& cursor);
bool ChartCursorToIdent(int cursor, std::string& ident);
// The identifiers of the standard cursors ("crDefault"...), in the order of their numbers, without the chart's own.
std::vector<std::string> StandardCursorIdents();

// "BMP", "WMF", "EMF" for 0, 1, 2; empty otherwise.
std::string ExportFormatExtension(int index);

// Multi-line texts separate their lines with a carriage return.
constexpr char LineBreak = '\r';
// Replaces the first character of every occurrence of `separator` with a line break.
void SplitTextLines(std::string& text, const std::string& separator);
// Line breaks, plus one when text follows the last one; an empty text has no lines.
int CountTextLines(const std::string& text);
// The widest line of a multi-line text as `textWidth` measures it, and the number of lines. Every line
// is measured whole, however long the text.
int MaxLineWidth(const std::string& text, const std::function<int(const std::string&)>& textWidth, int& lineCount);
// 1-based position of `sub` in `text`, 0 when absent.
int TextPos(const std::string& sub, const std::string& text);

// A number format with "," as thousand and "." as decimal separator, written in the locale's separators;
// FormatFromLocal goes back.
std::string FormatToLocal(const std::string& format, const ChartLocaleInfo& locale = ChartLocale());
std::string FormatFromLocal(const std::string& format, const ChartLocaleInfo& locale = ChartLocale());

void EnableControls(bool enable, std::initializer_list<Control*> controls);

}  // namespace fv
