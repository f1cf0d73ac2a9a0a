// The legend's settings, its items, its layout on the four sides of the chart, its drawing and its click test.
#include "chart/legend.h"

#include <algorithm>

#include "chart/chart.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

TCustomChartLegend::TCustomChartLegend(TCustomChart* chart)
    : TChartFontObject(chart),
      chart(chart),
      brush([chart] { chart->Invalidate(); }),
      dividingLines([chart] { chart->Invalidate(); }),
      frame([chart] { chart->Invalidate(); }) {}

void TCustomChartLegend::SetColorWidth(int v) {
    if (v < 0 || v > 100) throw LegendException("Legend Color Width must be between 0 and 100 %");
    Store(colorWidth, v);
}

void TCustomChartLegend::SetFirstValue(int v) {
    if (v < 0) throw LegendException("First Legend Value must be > 0");
    Store(firstValue, v);
}

void TCustomChartLegend::SetTopPos(int v) {
    if (v < 0 || v > 100) throw LegendException("Top Legend Position must be between 0 and 100 %");
    Store(topPos, v);
}

void TCustomChartLegend::SetLegendStyle(TLegendStyle v) {
    legendStyle = v;
    styleInUse = ResolveStyle();
    parent->Invalidate();
}

TLegendStyle TCustomChartLegend::ResolveStyle() const {
    if (legendStyle != TLegendStyle::lsAuto) return legendStyle;
    int active = 0;
    for (int i = 0; i < chart->SeriesCount(); ++i)
        if (chart->GetSeries(i)->Active()) ++active;
    return active < 2 ? TLegendStyle::lsValues : TLegendStyle::lsSeries;
}

TChartSeries* TCustomChartLegend::ValueSeries() const {
    TChartSeries* s = chart->FirstActiveSeries();
    return s && s->ShowInLegend() ? s : nullptr;
}

int TCustomChartLegend::ItemCount() const {
    int n = 0;
    if (ResolveStyle() == TLegendStyle::lsValues) {
        if (TChartSeries* s = ValueSeries()) n = s->CountLegendItems();
    } else {
        for (int i = 0; i < chart->SeriesCount(); ++i) {
            const TChartSeries* s = chart->GetSeries(i);
            if (s->Active() && s->ShowInLegend()) ++n;
        }
    }
    return std::max(0, n - firstValue);
}

std::string TCustomChartLegend::ItemText(int index) const {
    std::string text;
    switch (ResolveStyle()) {
    case TLegendStyle::lsValues:
        if (TChartSeries* s = ValueSeries(); s && index >= 0 && index < s->CountLegendItems())
            text = s->LegendString(index, textStyle);
        break;
    case TLegendStyle::lsLastValues:
        // A listed series without points has no last value to show.
        if (TChartSeries* s = chart->SeriesOfLegendIndex(index); s && s->Count() > 0)
            text = s->LegendString(s->Count() - 1, textStyle);
        break;
    default: return chart->SeriesTitleOfLegendIndex(index);
    }
    // A value's text is written on one line.
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}

int TCustomChartLegend::ItemWidest(int first, int count) const {
    TChartCanvas3D& c3 = chart->Canvas3D();
    int widest = 0;
    for (int i = first; i < first + count; ++i) {
        std::string text = ItemText(i);
        chart->GetLegendText(nullptr, i, text);
        widest = std::max(widest, c3.TextWidth(text));
    }
    return widest;
}

int TCustomChartLegend::CalcMaxRows(int start, int itemSize) const {
    const PixelRect& r = chart->PlotRect;
    const int fw = frame.Width();
    int most = 0;
    if (itemSize <= 0) return 0;
    if (IsVertical()) {
        if (start >= r.Bottom) return 0;
        most = (chart->PlotHeight + r.Top - 2 * fw - start) / itemSize;
    } else {
        if (start >= chart->PlotWidth) return 0;
        most = (chart->PlotWidth - 2 * fw - start) / itemSize;
    }
    // A frame wider than the room left would give a negative count.
    return std::clamp(most, 0, ItemCount());
}

void TCustomChartLegend::DrawLegend() {
    TChartCanvas3D& c3 = chart->Canvas3D();
    Canvas& c = *c3.ReferenceCanvas();
    styleInUse = ResolveStyle();
    parent->SetCanvasFont(font);
    const int h = c3.FontHeight();
    ItemHeight = h;

    const int n = ItemCount();
    int w = ItemWidest(firstValue, n) + 4;
    ColorWidthPixels = RoundPixel(w * colorWidth * 0.01);
    const bool framed = frame.Visible();
    const int fw = frame.Width();
    const int inset = framed ? fw + 1 : 0;
    const PixelRect plot = chart->PlotRect;
    const PixelRect& draw = chart->DrawRect;

    // Rows and the vertical extent.
    PixelRect r;
    if (IsVertical()) {
        NumCols = 1;
        r.Top = draw.Top + RoundPixel(topPos * draw.Height() * 0.01);
        NumRows = CalcMaxRows(r.Top, h);
        r.Bottom = r.Top + NumRows * h + 2;
    } else {
        NumCols = CalcMaxRows(8, w + ColorWidthPixels + 8);
        NumRows = NumCols <= 0 ? 0 : std::min(n / NumCols + (n % NumCols ? 1 : 0), maxNumRows);
        if (alignment == TLegendAlignment::laTop) {
            r.Top = plot.Top + inset;
            r.Bottom = r.Top + NumRows * h + 2;
        } else {
            r.Bottom = plot.Bottom - shadowSize - inset;
            r.Top = r.Bottom - NumRows * h - 2;
        }
    }

    // Columns and the horizontal extent.
    int textX = 0, rowsDrawn = NumRows;
    if (IsVertical()) {
        w = ItemWidest(firstValue, std::min(NumRows, n));
        ColorWidthPixels = RoundPixel((w + 10) * colorWidth * 0.01);
        if (alignment == TLegendAlignment::laLeft) {
            r.Left = plot.Left + inset;
            textX = r.Left + 8 + ColorWidthPixels;
            r.Right = r.Left + 10 + ColorWidthPixels + w;
        } else {
            r.Right = plot.Right - inset - shadowSize;
            textX = r.Right - w - 2;
            r.Left = textX - ColorWidthPixels - 8;
        }
    } else {
        const int width = std::min(chart->PlotWidth, 2 * shadowSize + (ColorWidthPixels + w + 4) * NumCols + 8);
        const int shift = RoundPixel(topPos * (draw.Width() - width) * 0.01);
        r.Left = shift + chart->PlotXCenter - width / 2;
        r.Right = shift + chart->PlotXCenter + width / 2;
        textX = r.Left + 8 + ColorWidthPixels;
        rowsDrawn = NumCols * NumRows;
    }
    if (chart->OnGetLegendRect) chart->OnGetLegendRect(chart, r);
    RectLegend = r;
    if (NumRows < 1) return;

    // The shadow, then the box.
    Pen pen = frame.CanvasPen();
    if (pen.PenColor == AutomaticColour) pen.PenColor = ClBlack;
    if (!framed) pen.Style = PenStyle::Clear;
    PixelRect box = r;
    int offset = shadowSize - 1;
    if (framed) {
        box = {r.Left - fw, r.Top - fw, r.Right + fw, r.Bottom + fw};
        offset = shadowSize + fw + (fw - 1) / 2;
    }
    if (shadowSize > 0) {
        c.SetBrush({shadowColor, BrushStyle::Solid, nullptr});
        c.FillRect({box.Left + shadowSize, box.Top + shadowSize, box.Right + offset, box.Bottom + offset});
    }
    c.SetPen(pen);
    if (brush.Image()) {
        c.SetBrush(brush.CanvasBrush());
    } else if (brush.Style() == BrushStyle::Solid || brush.Style() == BrushStyle::Clear) {
        c.SetBrush({color, brush.Style(), nullptr});
    } else {
        // A hatch is laid over the legend's colour.
        Color hatch = brush.GetColor() == AutomaticColour ? ClBlack : brush.GetColor();
        c.SetBrush({hatch, brush.Style(), nullptr});
        c.SetBackMode(BackMode::Opaque);
        c.SetBackColor(color);
    }
    c3.RectangleOfRect(box);

    // The items.
    const int last = std::min(n, rowsDrawn) + firstValue - 1;
    const int itemWidth = w + ColorWidthPixels + 4;
    for (int p = 0; p <= last - firstValue; ++p)
        DrawItem(inverted ? last - p : firstValue + p, p, textX, itemWidth);

    // The chart gives way to the legend, and keeps a gap to it.
    PixelRect& plotRect = chart->PlotRect;
    const int hGap = horizMargin ? horizMargin : MulDiv(3, chart->PlotWidth, 100);
    const int vGap = vertMargin ? vertMargin : MulDiv(4, chart->PlotHeight, 100);
    switch (alignment) {
    case TLegendAlignment::laLeft:
        if (resizeChart) plotRect.Left = r.Right;
        plotRect.Left += hGap;
        break;
    case TLegendAlignment::laRight:
        if (resizeChart) plotRect.Right = r.Left;
        plotRect.Right -= hGap;
        break;
    case TLegendAlignment::laTop:
        if (resizeChart) plotRect.Top = r.Bottom + shadowSize;
        plotRect.Top += vGap;
        break;
    case TLegendAlignment::laBottom:
        if (resizeChart) plotRect.Bottom = r.Top;
        plotRect.Bottom -= vGap;
        break;
    }
    chart->UpdatePlotSize();
}

void TCustomChartLegend::DrawItem(int index, int position, int textX, int itemWidth) {
    TChartCanvas3D& c3 = chart->Canvas3D();
    Canvas& c = *c3.ReferenceCanvas();
    const int h = ItemHeight;
    int x = textX, y = RectLegend.Top + 1;
    if (IsVertical()) {
        y += position * h;
    } else {
        y += position / NumCols * h;
        x += position % NumCols * itemWidth;
    }
    if (chart->OnGetLegendPos) chart->OnGetLegendPos(chart, index, x, y);

    std::string text = ItemText(index);
    chart->GetLegendText(nullptr, index, text);
    c.SetBackMode(BackMode::Transparent);
    c.SetBrush({c.GetBrush().BrushColor, BrushStyle::Clear, nullptr});
    c3.TextOut(x, y, text);
    if (!text.empty()) {
        const PixelRect symbol{x - 4 - ColorWidthPixels, y + 2, x - 4, y + h - 2};
        // The symbol's outline stands out from the legend's colour.
        c.SetPen({color == ClBlack ? ClWhite : ClBlack, 1, PenStyle::Solid, PenMode::Copy});
        if (styleInUse == TLegendStyle::lsValues) {
            if (TChartSeries* s = ValueSeries()) {
                s->DrawLegend(s->LegendToValueIndex(index), symbol);
            } else {
                c.SetBrush({ClWhite, BrushStyle::Solid, nullptr});
                c3.RectangleOfRect(symbol);
            }
        } else if (TChartSeries* s = chart->SeriesOfLegendIndex(index)) {
            s->DrawLegend(-1, symbol);
        }
    }
    if (position > 0 && dividingLines.Visible()) {
        c3.AssignVisiblePen(dividingLines);
        c.SetBackMode(BackMode::Transparent);
        if (IsVertical())
            c3.HorizLine(RectLegend.Left, RectLegend.Right, y);
        else
            c3.VertLine(x - 4 - ColorWidthPixels - 4, RectLegend.Top, RectLegend.Bottom);
    }
}

int TCustomChartLegend::Clicked(int x, int y) const {
    const PixelRect& r = RectLegend;
    if (x < r.Left || x > r.Right || y < r.Top || y > r.Bottom) return -1;
    auto rowAt = [&](int height) {
        for (int row = 0; row < NumRows; ++row) {
            const int top = r.Top + row * height + 1;
            if (y >= top && y <= top + height) return row;
        }
        return -1;
    };
    if (IsVertical()) {
        if (NumRows <= 0) return -1;
        return rowAt((r.Bottom - r.Top) / NumRows);
    }
    if (NumCols <= 0) return -1;
    const int cw = (r.Right - r.Left) / NumCols;
    const int row = rowAt(ItemHeight);
    int result = -1;
    for (int k = 0; k < NumCols; ++k) {
        const int left = r.Left + k * cw + 1;
        if (row != -1 && x >= left && x <= left + cw) result = row * NumCols + k;
    }
    return result;
}

void TCustomChartLegend::Assign(const TCustomChartLegend& other) {
    visible = other.visible;
    legendStyle = other.legendStyle;
    firstValue = other.firstValue;
    alignment = other.alignment;
    textStyle = other.textStyle;
    colorWidth = other.colorWidth;
    horizMargin = other.horizMargin;
    vertMargin = other.vertMargin;
    resizeChart = other.resizeChart;
    inverted = other.inverted;
    topPos = other.topPos;
    color = other.color;
    frame.Assign(other.frame);
    dividingLines.Assign(other.dividingLines);
    shadowColor = other.shadowColor;
    shadowSize = other.shadowSize;
    maxNumRows = other.maxNumRows;
    brush.Assign(other.brush);
    TChartFontObject::Assign(other);
    parent->Invalidate();
}

}  // namespace fv
