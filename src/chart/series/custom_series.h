// TCustomSeries: the common base of the line, point and area series. It draws each visible point as a
// segment from the point before (straight or in stairs, flat or as a 3D ribbon, with the area below it)
// and its pointer, finds the point under the mouse, and gives margins and the legend symbol.
//
// Rules:
// - A point with NoColour breaks the line: no segment runs into it or out of it, and it has no pointer.
// - The first visible point after a scroll is joined to the chart's edge at the height where the line
//   from the point before crosses it, unless that point is null.
// - Points whose pixels lie beyond +-32766 are skipped and leave the state of the drawing as it was.
// - Pointers lie over the segments on both sides: the pointer of a point is drawn with the segment that
//   leaves it (the last point's with the segment that reaches it).
#pragma once

#include <functional>
#include <memory>

#include "chart/chart_pens.h"
#include "chart/chart_series.h"
#include "chart/series/series_pointer.h"

namespace fv {

class TCustomSeries : public TChartSeries {
public:
    explicit TCustomSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TCustomSeries)

    BrushStyle AreaBrush() const { return areaBrush_; }
    void SetAreaBrush(BrushStyle value) { Change(areaBrush_, value); }
    Color AreaColor() const { return areaColor_; }
    void SetAreaColor(Color value) { Change(areaColor_, value); }
    TChartPen AreaLinesPen;
    void SetAreaLinesPen(const TChartPen& pen) { AreaLinesPen.Assign(pen); }
    bool ClickableLine() const { return clickableLine_; }
    void SetClickableLine(bool value) { Change(clickableLine_, value); }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool value) { Change(dark3D_, value); }
    bool DrawArea() const { return drawArea_; }
    void SetDrawArea(bool value) { Change(drawArea_, value); }
    bool DrawLine() const { return drawLine_; }
    void SetDrawLine(bool value) { Change(drawLine_, value); }
    bool InvertedStairs() const { return invertedStairs_; }
    void SetInvertedStairs(bool value) { Change(invertedStairs_, value); }
    BrushStyle LineBrush() const { return lineBrush_; }
    void SetLineBrush(BrushStyle value) { Change(lineBrush_, value); }
    int LineHeight() const { return lineHeight_; }
    void SetLineHeight(int value) { Change(lineHeight_, value); }
    TChartPen LinePen;
    void SetLinePen(const TChartPen& pen) { LinePen.Assign(pen); }
    TSeriesPointer Pointer{this};
    bool Stairs() const { return stairs_; }
    void SetStairs(bool value) { Change(stairs_, value); }

    // A click on a pointer: the series, the point, and the pixel.
    std::function<void(TCustomSeries*, int, int, int)> OnClickPointer;
    // The pointer's shape for one point.
    std::function<TSeriesPointerStyle(TCustomSeries*, int)> OnGetPointerStyle;

    void DrawValue(int index) override;
    void DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) override;
    std::string EditorClassName() const override { return "TCustomSeriesEditor"; }
    int Clicked(int x, int y) override;
    void DrawLegendShape(int legendIndex, const PixelRect& rect) override;
    void HorizMargins(int& left, int& right) override;
    void VertMargins(int& top, int& bottom) override;
    void Assign(TChartSeries& source) override;

    // Whether (x, y) hits the pointer of point `index` drawn at (pointX, pointY).
    virtual bool PointerHit(int index, int pointX, int pointY, int x, int y) const;
    virtual void DrawPointerAt(int x, int y, int index, Color colour);
    // The pixel the area under point `index` reaches down to.
    virtual int AreaBottom(int index) const;

protected:
    // The area fill of a point in colour `colour`.
    Color AreaColourFor(Color colour) const;

private:
    void DrawSegment(int x, int y, int bottom, Color colour, int index, bool isLast, bool markers);
    void DrawRibbon(TCanvas3D& canvas, Canvas& c, int x, int y, Color colour, bool isLast);
    void DrawAreaPiece(TCanvas3D& canvas, Canvas& c, int x, int y, int bottom, Color colour, bool is3D, bool isLast);
    void DrawFlatLine(TChartCanvas3D& canvas, Canvas& c, int x, int y, Color colour);
    // The height at the chart's edge of the line from point index-1 to index.
    int EdgeY(int index, int edgeX) const;
    bool SegmentHit(int i, int previousX, int previousY, int x, int y, int pointX, int pointY) const;

    BrushStyle areaBrush_ = BrushStyle::Solid;
    Color areaColor_ = AutomaticColour;
    bool clickableLine_ = true, dark3D_ = true, drawArea_ = false, drawLine_ = false, invertedStairs_ = false;
    BrushStyle lineBrush_ = BrushStyle::Solid;
    int lineHeight_ = 0;
    bool stairs_ = false;

    // The state of one drawing, carried from point to point.
    int previousX_ = 0, previousY_ = 0, previousBottom_ = 0, bottom_ = 0;
    Color previousColour_ = AutomaticColour;
    double darkSlope_ = 0;
};

}  // namespace fv
