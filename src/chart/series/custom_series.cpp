// Drawing, clicks, margins and the legend symbol of the line-type series.
#include "chart/series/custom_series.h"

#include <algorithm>
#include <cmath>

#include "chart/hit_tests.h"
#include "chart/series_marks.h"
#include "chart/series/series_view.h"

namespace fv {

TCustomSeries::TCustomSeries(Component* owner, std::string name)
    : TChartSeries(owner, std::move(name)), AreaLinesPen([this] { Repaint(); }), LinePen([this] { Repaint(); }) {
    // Lines run on to the first point past the view's end, so they reach the chart's edge.
    KeepLastOutsidePoint = true;
}

Color TCustomSeries::AreaColourFor(Color colour) const {
    return ColorEachPoint() || areaColor_ == AutomaticColour ? colour : areaColor_;
}

int TCustomSeries::AreaBottom(int index) const {
    const TCustomChartAxis* axis = GetVertAxis();
    return axis ? axis->EndPixel : 0;
}

int TCustomSeries::EdgeY(int index, int edgeX) const {
    double x0 = GetXValue(index - 1), x1 = GetXValue(index);
    if (x1 == x0 || !GetHorizAxis()) return PointScreenY(index - 1);
    double y0 = GetYValue(index - 1), y1 = GetYValue(index);
    double edge = GetHorizAxis()->PixelToValue(edgeX);
    return YScreenPos(y0 + (y1 - y0) * (edge - x0) / (x1 - x0));
}

void TCustomSeries::DrawValue(int index) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Canvas& c = *canvas->ReferenceCanvas();
    int x = PointScreenX(index), y = PointScreenY(index);
    if (std::abs(x) > MaxScreenCoordinate || std::abs(y) > MaxScreenCoordinate) return;
    Color colour = ValueColor(index);
    SetPenColour(c, ClBlack);
    SetBrushColour(c, colour);
    // Nothing leaves a null point: the next segment starts where it ends.
    if (previousColour_ == NoColour) {
        previousX_ = x;
        previousY_ = y;
    }
    bool isLast = index == LastVisibleIndex;
    bottom_ = AreaBottom(index);
    if (index == FirstVisibleIndex) {
        if (dark3D_) {
            int dx = ChartDepthX(*this), dy = ChartDepthY(*this);
            darkSlope_ = dx == 0 ? 1.0 : double(dy) / dx;
        }
        if (index > 0) {
            if (drawArea_) {
                previousX_ = PointScreenX(index - 1);
                previousY_ = PointScreenY(index - 1);
                previousBottom_ = AreaBottom(index - 1);
            } else {
                // The line comes in from the chart's edge, at the height it has there.
                PixelRect r = ChartRectOf(*this);
                bool inverted = GetHorizAxis() && GetHorizAxis()->Inverted();
                previousX_ = inverted ? r.Right : r.Left;
                previousY_ = stairs_ ? PointScreenY(index - 1) : EdgeY(index, previousX_);
            }
            if (ValueColor(index - 1) != NoColour) DrawSegment(x, y, bottom_, colour, index, isLast, false);
        }
        if (isLast && Pointer.Visible()) DrawPointerAt(x, y, index, colour);
    } else {
        DrawSegment(x, y, bottom_, colour, index, isLast, true);
    }
    previousX_ = x;
    previousY_ = y;
    previousBottom_ = bottom_;
    previousColour_ = colour;
}

void TCustomSeries::DrawSegment(int x, int y, int bottom, Color colour, int index, bool isLast, bool markers) {
    if ((x == previousX_ && y == previousY_) || colour == NoColour) return;
    TChartCanvas3D& canvas = *ChartCanvasOf(*this);
    Canvas& c = *canvas.ReferenceCanvas();
    bool is3D = canvas.Is3D;
    if (is3D && (drawArea_ || (drawLine_ && lineBrush_ != BrushStyle::Clear))) DrawRibbon(canvas, c, x, y, colour, isLast);
    if (drawArea_) DrawAreaPiece(canvas, c, x, y, bottom, colour, is3D, isLast);
    else if (drawLine_ && (!is3D || lineBrush_ == BrushStyle::Clear)) DrawFlatLine(canvas, c, x, y, colour);
    if (markers && Pointer.Visible()) {
        if (previousColour_ != NoColour) DrawPointerAt(previousX_, previousY_, index - 1, previousColour_);
        if (isLast) DrawPointerAt(x, y, index, colour);
    }
}

void TCustomSeries::DrawRibbon(TCanvas3D& canvas, Canvas& c, int x, int y, Color colour, bool isLast) {
    const int front = SlotStartDepth, back = SlotEndDepth;
    int pX = previousX_, pY = previousY_;
    Color fill = AreaColourFor(colour);
    canvas.AssignVisiblePen(LinePen);
    // On paper a one-pixel pen is scaled up with everything else; the thinnest line stays thin.
    TCustomAxisPanel* panel = AxisPanelOf(*this);
    if (panel && panel->Printing && LinePen.Width() == 1) {
        Pen p = c.GetPen();
        p.Width = 0;
        c.SetPen(p);
    }
    SetBrushColour(c, fill);
    SetBrushStyle(c, lineBrush_);
    auto darken = [&] { if (dark3D_) SetBrushColour(c, DarkerColour(fill, DarkFaceAmount)); };
    if (stairs_ && !invertedStairs_) {
        canvas.RectangleHorizZ(pX, x, pY, front, back);
        darken();
        canvas.RectangleSideZ(x, pY, y, front, back);
    } else if (stairs_) {
        darken();
        canvas.RectangleSideZ(pX, pY, y, front, back);
        SetBrushColour(c, fill);
        canvas.RectangleHorizZ(pX, x, y, front, back);
    } else {
        bool raised = lineHeight_ > 0 && !drawArea_;
        if (raised) {
            canvas.QuadrilateralZ({pX, pY}, {x, y}, {x, y + lineHeight_}, {pX, pY + lineHeight_}, front);
            if (isLast) canvas.RectangleSideZ(x, y, y + lineHeight_, front, back);
        }
        // A segment climbing more steeply than the view's depth shows its underside: a darker face.
        if (dark3D_ && x != pX && darkSlope_ != 0 && double(pY - y) / (x - pX) > darkSlope_) {
            darken();
            if (raised) {
                pY += lineHeight_;
                y += lineHeight_;
            }
        }
        canvas.SidePlaneZ({pX, pY}, {x, y}, front, back);
    }
    SetBrushColour(c, fill);
}

void TCustomSeries::DrawAreaPiece(TCanvas3D& canvas, Canvas& c, int x, int y, int bottom, Color colour, bool is3D,
                                  bool isLast) {
    const int front = SlotStartDepth, back = SlotEndDepth;
    const int pX = previousX_, pY = previousY_;
    SetBrushColour(c, AreaColourFor(colour));
    canvas.AssignVisiblePen(AreaLinesPen);
    if (AreaLinesPen.GetColor() == AutomaticColour || !AreaLinesPen.Visible()) {
        Pen p = c.GetPen();
        p.PenColor = colour;
        if (!AreaLinesPen.Visible()) p.Style = PenStyle::Solid;
        c.SetPen(p);
    }
    SetBrushStyle(c, areaBrush_);
    c.SetBackColor(SeriesColor());
    if (is3D && isLast) canvas.RectangleSideZ(x, y, bottom, front, back);
    if (stairs_) {
        int level = invertedStairs_ ? y : pY;
        if (is3D) canvas.RectangleZ({pX, level, x + 1, bottom}, front);
        else canvas.Rectangle(pX, level, x + 1, bottom);
    } else if (is3D) {
        canvas.QuadrilateralZ({x, y}, {x, bottom}, {pX, previousBottom_}, {pX, pY}, front);
    } else {
        Point pts[] = {{x, y}, {x, bottom}, {pX, previousBottom_}, {pX, pY}};
        canvas.Polygon(pts);
    }
}

void TCustomSeries::DrawFlatLine(TChartCanvas3D& canvas, Canvas& c, int x, int y, Color colour) {
    canvas.AssignVisiblePen(LinePen);
    SetPenColour(c, colour);
    SetBrushStyle(c, BrushStyle::Clear);
    const int pX = previousX_, pY = previousY_;
    if (canvas.Is3D) {
        // A 3D line without a ribbon is drawn along the series' front.
        if (stairs_) {
            int cornerX = invertedStairs_ ? pX : x, cornerY = invertedStairs_ ? y : pY;
            canvas.LineZ(pX, pY, cornerX, cornerY, SlotStartDepth);
            canvas.LineZ(cornerX, cornerY, x, y, SlotStartDepth);
        } else {
            canvas.LineZ(pX, pY, x, y, SlotStartDepth);
        }
    } else if (stairs_ && !invertedStairs_) {
        canvas.HorizLine(pX, x, pY);
        canvas.LineTo(x, y);
    } else if (stairs_) {
        canvas.VertLine(pX, pY, y);
        canvas.LineTo(x, y);
    } else {
        canvas.Line(pX, pY, x, y);
    }
}

void TCustomSeries::DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) {
    // Marks stand at the series' front, lifted off the point by the arrow's length.
    Marks().MarksDepth = SlotStartDepth;
    int lift = Marks().ArrowLength();
    position.ArrowEnd.Y -= lift;
    position.BoxTopLeft.Y -= lift;
    TChartSeries::DrawMark(index, text, position);
}

void TCustomSeries::DrawPointerAt(int x, int y, int index, Color colour) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Pointer.PrepareCanvas(*canvas, colour);
    TSeriesPointerStyle style = OnGetPointerStyle ? OnGetPointerStyle(this, index) : Pointer.Style();
    Pointer.Draw(x, y, colour, style);
}

bool TCustomSeries::PointerHit(int index, int pointX, int pointY, int x, int y) const {
    return std::abs(x - pointX) < Pointer.HorizSize() && std::abs(y - pointY) < Pointer.VertSize();
}

bool TCustomSeries::SegmentHit(int i, int pX, int pY, int x, int y, int pointX, int pointY) const {
    PixelPoint p{pointX, pointY};
    if (ChartIs3D(*this)) {
        int dx = ChartDepthX(*this), dy = ChartDepthY(*this);
        if (PointInPolygon(p, {{pX, pY}, {pX + dx, pY - dy}, {x + dx, y - dy}, {x, y}})) return true;
    } else if (stairs_ && !invertedStairs_) {
        if (SegmentContainsPoint(p, {pX, pY}, {x, pY}) || SegmentContainsPoint(p, {x, pY}, {x, y})) return true;
    } else if (stairs_) {
        if (SegmentContainsPoint(p, {pX, pY}, {pX, y}) || SegmentContainsPoint(p, {pX, y}, {x, y})) return true;
    } else if (SegmentContainsPoint(p, {pX, pY}, {x, y})) {
        return true;
    }
    return drawArea_ && PointInPolygon(p, {{pX, pY}, {x, y}, {x, AreaBottom(i)}, {pX, AreaBottom(i - 1)}});
}

int TCustomSeries::Clicked(int x, int y) {
    if (TChartCanvas3D* canvas = ChartCanvasOf(*this)) canvas->UnprojectPoint(x, y, SlotStartDepth);
    int result = TChartSeries::Clicked(x, y);
    if (result != -1 || FirstVisibleIndex < 0) return result;
    int pX = 0, pY = 0;
    for (int i = FirstVisibleIndex; i <= LastVisibleIndex && i < Count(); ++i) {
        int px = PointScreenX(i), py = PointScreenY(i);
        if (Pointer.Visible() && PointerHit(i, px, py, x, y)) {
            if (OnClickPointer) OnClickPointer(this, i, x, y);
            return i;
        }
        if (px == x && py == y) return i;
        if (i > FirstVisibleIndex && clickableLine_ && SegmentHit(i, pX, pY, px, py, x, y)) return i - 1;
        pX = px;
        pY = py;
    }
    return -1;
}

void TCustomSeries::HorizMargins(int& left, int& right) {
    TChartSeries::HorizMargins(left, right);
    Pointer.InflateHorizMargins(left, right);
    if (stairs_ && drawLine_) {
        left = std::max(left, LinePen.Width());
        right = std::max(right, LinePen.Width());
    }
}

void TCustomSeries::VertMargins(int& top, int& bottom) {
    TChartSeries::VertMargins(top, bottom);
    Pointer.InflateVertMargins(top, bottom);
    if (stairs_ && drawLine_) {
        top = std::max(top, LinePen.Width());
        bottom = std::max(bottom, LinePen.Width() + 1);
    }
    if (lineHeight_ > 0 && !drawArea_) bottom = std::max(bottom, lineHeight_);
}

void TCustomSeries::DrawLegendShape(int legendIndex, const PixelRect& rect) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Canvas& c = *canvas->ReferenceCanvas();
    Color colour = legendIndex == -1 ? SeriesColor() : ValueColor(legendIndex);
    int middle = (rect.Top + rect.Bottom) / 2;
    auto middleLine = [&] {
        canvas->AssignVisiblePen(LinePen);
        SetPenColour(c, colour);
        canvas->HorizLine(rect.Left, rect.Right, middle);
    };
    if (Pointer.Visible()) {
        if (drawLine_) middleLine();
        Pointer.DrawLegendShape(colour, rect, LinePen.Visible());
    } else if (!drawLine_ || drawArea_) {
        TChartSeries::DrawLegendShape(legendIndex, rect);
    } else if (ChartView3D(*this)) {
        canvas->RectangleOfRect(rect);
    } else {
        middleLine();
    }
}

void TCustomSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TCustomSeries*>(&source); other && other != this) {
        clickableLine_ = other->clickableLine_;
        areaBrush_ = other->areaBrush_;
        areaColor_ = other->areaColor_;
        AreaLinesPen.Assign(other->AreaLinesPen);
        dark3D_ = other->dark3D_;
        drawArea_ = other->drawArea_;
        drawLine_ = other->drawLine_;
        invertedStairs_ = other->invertedStairs_;
        LinePen.Assign(other->LinePen);
        lineBrush_ = other->lineBrush_;
        lineHeight_ = other->lineHeight_;
        Pointer.Assign(other->Pointer);
        stairs_ = other->stairs_;
    }
    TChartSeries::Assign(source);
}

}  // namespace fv
