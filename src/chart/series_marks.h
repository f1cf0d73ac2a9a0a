// Series marks: the small framed text boxes a series shows at its points (value, percent, label...), each
// with an optional arrow from the point to the box. `TSeriesMarks` holds the settings of one series' marks,
// builds their texts and draws one mark; it keeps one stored position per point, so a mark the user moved
// (`UserPlaced`) stays where it was put while the series is redrawn, until the points are cleared.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "chart/chart_pens.h"
#include "platform/gfx/font.h"
#include "platform/gfx/geometry.h"

namespace fv {

class TChartSeries;

enum class TSeriesMarksStyle {
    smsValue, smsPercent, smsLabel, smsLabelPercent, smsLabelValue, smsLegend, smsPercentTotal,
    smsLabelPercentTotal, smsXValue
};

struct TSeriesMarkPosition {
    Point ArrowStart;
    Point ArrowEnd;
    bool UserPlaced = false;
    int BoxHeight = 0;
    Point BoxTopLeft;
    int BoxWidth = 0;
    // Copies everything but UserPlaced.
    void Assign(const TSeriesMarkPosition& other);
    PixelRect Bounds() const;
};

class TSeriesMarks {
public:
    explicit TSeriesMarks(TChartSeries& series);
    TSeriesMarks(const TSeriesMarks&) = delete;
    TSeriesMarks& operator=(const TSeriesMarks&) = delete;

    TChartArrowPen& Arrow() { return arrow; }
    void SetArrow(const TChartPen& p) { arrow.Assign(p); }
    int ArrowLength() const { return arrowLength; }
    void SetArrowLength(int v) { Store(arrowLength, v); }
    TColor BackColor() const { return backColor; }
    void SetBackColor(TColor v) { Store(backColor, v); }
    bool Transparent() const { return transparent; }
    void SetTransparent(bool v) { Store(transparent, v); }
    bool Clip() const { return clip; }
    void SetClip(bool v) { Store(clip, v); }
    TChartPen& Frame() { return frame; }
    void SetFrame(const TChartPen& p) { frame.Assign(p); }
    const Font& GetFont() const { return font; }
    void SetFont(const Font& f) { Store(font, f); }
    bool IsFontStored() const;
    TSeriesMarksStyle Style() const { return style; }
    void SetStyle(TSeriesMarksStyle v) { Store(style, v); }
    bool Visible() const { return visible; }
    void SetVisible(bool v) { Store(visible, v); }
    TChartSeries& ParentSeries() const { return series; }
    // Set to the series' middle depth before each drawing.
    int MarksDepth = 0;

    // One position or none per point index.
    std::vector<std::unique_ptr<TSeriesMarkPosition>> StoredPositions;
    void FreePositions() { StoredPositions.clear(); }

    // The text of the mark of point i, by Style, then as the series' OnGetMarkText leaves it.
    std::string GetMarkText(int index) const;
    // The point's share of the absolute total of the mandatory values, in PercentFormat ("100 %" when the
    // total is 0); with the total, "<percent> of <total>".
    std::string PercentText(int index, bool withTotal) const;
    // The widest mark text on the chart's canvas, over every point.
    int WidestMarkText() const;
    // Draws one mark: its stored position, arrow, box and text lines.
    void DrawMarkBox(int index, TColor colour, const std::string& text, TSeriesMarkPosition& position);

    void Assign(const TSeriesMarks& other);

private:
    template <class T> void Store(T& field, const T& v) {
        if (field == v) return;
        field = v;
        Changed();
    }
    void Changed();

    TChartSeries& series;
    TChartArrowPen arrow;
    int arrowLength = 8;
    TColor backColor = 0x80FFFF;
    bool transparent = false;
    bool clip = false;
    TChartPen frame;
    Font font;
    TSeriesMarksStyle style = TSeriesMarksStyle::smsLabel;
    bool visible = false;
};

// Works out the default place of every visible point's mark and draws it through the series' DrawMark.
void DrawAllMarks(TChartSeries& series);

}  // namespace fv
