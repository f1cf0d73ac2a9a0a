// The legend items of a series: the text of each item and the symbol drawn beside it.
#include <cmath>

#include "chart/axis.h"
#include "chart/chart_series.h"
#include "chart/value_format.h"

namespace fv {

std::string TChartSeries::LegendString(int index, TLegendTextStyle style) const {
    int i = LegendToValueIndex(index);
    std::string text = PointLabel(i);
    if (style == ltsPlain) return text;
    if (style == ltsXValue) {
        const TCustomChartAxis* axis = GetHorizAxis();
        return axis ? axis->LabelTextOf(GetXValue(i)) : FormatNumber(GetXValue(i), ValueFormat());
    }
    double value = MandatoryValue(i);
    std::string valueText = FormatNumber(value, ValueFormat());
    std::string percentText;
    if (style == ltsLeftPercent || style == ltsRightPercent) {
        double total = MandatoryValueList()->AbsoluteTotal();
        // A series of zeros has no shares: each item shows the whole.
        double percent = total == 0 ? 100 : value * 100 / total;
        percentText = FormatNumber(percent, PercentFormat());
    }
    switch (style) {
    case ltsLeftValue: return valueText + " " + text;
    case ltsRightValue: return text + " " + valueText;
    case ltsLeftPercent: return percentText + " " + text;
    case ltsRightPercent: return text + " " + percentText;
    default: return text;
    }
}

namespace {

TAxisHost* DrawingChart(const TChartSeries& series) { return dynamic_cast<TAxisHost*>(series.ParentChart()); }

}  // namespace

void TChartSeries::DrawLegend(int index, const PixelRect& rect) {
    // A series that colours each point shows its colours in the items of its points, not in its own.
    if (index == -1 && ColorEachPoint()) return;
    TAxisHost* chart = DrawingChart(*this);
    if (!chart) return;
    Canvas* canvas = chart->AxisCanvas().ReferenceCanvas();
    if (!canvas) return;
    Color colour = index == -1 ? SeriesColor() : LegendItemColor(index);
    if (colour == NoColour) return;
    Color back = chart->ChartBackColor();
    BrushStyle style = BrushStyle::Solid;
    GetLegendBrush(index, back, style);
    if (back == AutomaticColour) back = chart->ChartBackColor();
    if (back == AutomaticColour) back = chart->AxisBackColor();
    canvas->SetBrush({colour, style, nullptr});
    canvas->SetBackColor(back);
    DrawLegendShape(index, rect);
}

void TChartSeries::DrawLegendShape(int index, const PixelRect& rect) {
    TAxisHost* chart = DrawingChart(*this);
    if (!chart) return;
    TCanvas3D& canvas = chart->AxisCanvas();
    Canvas* c = canvas.ReferenceCanvas();
    if (!c) return;
    canvas.RectangleOfRect(rect);
    Color back = chart->ChartBackColor();
    if (c->GetBrush().BrushColor == back) {
        // A symbol in the colour behind it would vanish: its frame is drawn again over a clear brush.
        Brush brush = c->GetBrush();
        brush.Style = BrushStyle::Clear;
        c->SetBrush(brush);
        if (back == ClBlack) {
            Pen pen = c->GetPen();
            pen.PenColor = ClWhite;
            c->SetPen(pen);
        }
        canvas.RectangleOfRect(rect);
    }
    Pen pen = c->GetPen();
    pen.PenColor = ClBlack;
    c->SetPen(pen);
}

}  // namespace fv
