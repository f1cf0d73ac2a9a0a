// Series marks: texts, stored positions and the drawing of the boxes and arrows.
#include "chart/series_marks.h"

#include <algorithm>
#include <cmath>

#include "chart/chart.h"
#include "chart/chart_series.h"
#include "chart/chart_units.h"
#include "chart/value_format.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

namespace {

// An arrow as dark as the point or the background would vanish: it is drawn black, or white on black.
constexpr bool MarksArrowContrast = true;

TCustomAxisPanel* ChartOf(const TChartSeries& series) { return dynamic_cast<TCustomAxisPanel*>(series.ParentChart()); }

std::vector<std::string> SplitLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t end = text.find(LineBreak, start);
        lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
        if (end == std::string::npos) return lines;
        start = end + 1;
    }
}

}  // namespace

void TSeriesMarkPosition::Assign(const TSeriesMarkPosition& other) {
    ArrowStart = other.ArrowStart;
    ArrowEnd = other.ArrowEnd;
    BoxHeight = other.BoxHeight;
    BoxTopLeft = other.BoxTopLeft;
    BoxWidth = other.BoxWidth;
}

PixelRect TSeriesMarkPosition::Bounds() const {
    return {BoxTopLeft.X, BoxTopLeft.Y, AddPixels(BoxTopLeft.X, BoxWidth), AddPixels(BoxTopLeft.Y, BoxHeight)};
}

TSeriesMarks::TSeriesMarks(TChartSeries& series)
    : series(series), arrow([this] { Changed(); }), frame([this] { Changed(); }), font(DefaultChartFont()) {}

void TSeriesMarks::Changed() { series.Repaint(); }

bool TSeriesMarks::IsFontStored() const { return !IsDefaultChartFont(font); }

void TSeriesMarks::Assign(const TSeriesMarks& other) {
    arrow.Assign(other.arrow);
    arrowLength = other.arrowLength;
    backColor = other.backColor;
    transparent = other.transparent;
    clip = other.clip;
    frame.Assign(other.frame);
    font = other.font;
    style = other.style;
    visible = other.visible;
}

std::string TSeriesMarks::PercentText(int index, bool withTotal) const {
    const TChartValueList& list = *series.MandatoryValueList();
    const double total = list.AbsoluteTotal();
    const double percent = total == 0 ? 100 : std::fabs(series.MandatoryValue(index)) * 100 / total;
    std::string text = FormatNumber(percent, series.PercentFormat());
    if (withTotal) text += " of " + FormatNumber(total, series.ValueFormat());
    return text;
}

std::string TSeriesMarks::GetMarkText(int index) const {
    const std::string value = FormatNumber(series.MandatoryValue(index), series.ValueFormat());
    std::string labelOrValue = series.PointLabel(index);
    if (labelOrValue.empty()) labelOrValue = value;
    std::string text;
    switch (style) {
    case TSeriesMarksStyle::smsValue: text = value; break;
    case TSeriesMarksStyle::smsPercent: text = PercentText(index, false); break;
    case TSeriesMarksStyle::smsLabel: text = labelOrValue; break;
    case TSeriesMarksStyle::smsLabelPercent: text = labelOrValue + " " + PercentText(index, false); break;
    case TSeriesMarksStyle::smsLabelValue: text = labelOrValue + " " + value; break;
    case TSeriesMarksStyle::smsLegend:
        if (auto* chart = dynamic_cast<TCustomChart*>(series.ParentChart()))
            chart->GetLegendText(&series, index, text);
        break;
    case TSeriesMarksStyle::smsPercentTotal: text = PercentText(index, true); break;
    case TSeriesMarksStyle::smsLabelPercentTotal: text = labelOrValue + " " + PercentText(index, true); break;
    case TSeriesMarksStyle::smsXValue:
        if (const TCustomChartAxis* axis = series.GetHorizAxis()) text = axis->FormatLabel(series.GetXValue(index));
        else text = FormatNumber(series.GetXValue(index), series.ValueFormat());
        break;
    }
    if (series.OnGetMarkText) series.OnGetMarkText(&series, index, text);
    return text;
}

int TSeriesMarks::WidestMarkText() const {
    TCustomAxisPanel* chart = ChartOf(series);
    if (!chart) return 0;
    chart->SetCanvasFont(font);
    int widest = 0;
    for (int i = 0; i < series.Count(); ++i)
        for (const std::string& line : SplitLines(GetMarkText(i)))
            widest = std::max(widest, chart->Canvas3D().TextWidth(line));
    return widest;
}

void TSeriesMarks::DrawMarkBox(int index, TColor colour, const std::string& text, TSeriesMarkPosition& position) {
    TCustomAxisPanel* chart = ChartOf(series);
    if (!chart || index < 0) return;
    TChartCanvas3D& c3 = chart->Canvas3D();
    Canvas& c = *c3.ReferenceCanvas();
    const bool is3D = chart->View3D();

    // 1. The stored position: a user-placed one wins, else it follows the default place.
    if (StoredPositions.size() <= std::size_t(index)) StoredPositions.resize(std::size_t(index) + 1);
    auto& stored = StoredPositions[std::size_t(index)];
    if (!stored) stored = std::make_unique<TSeriesMarkPosition>();
    if (stored->UserPlaced) position.Assign(*stored);
    else stored->Assign(position);

    // 2. The arrow.
    if (arrow.Visible()) {
        c3.AssignVisiblePen(arrow);
        c.SetBrush({c.GetBrush().BrushColor, BrushStyle::Clear, nullptr});
        if (MarksArrowContrast) {
            auto* full = dynamic_cast<TCustomChart*>(chart);
            const TColor back = ResolveColor(full ? full->BackWall().ResolvedColor() : chart->GetColor());
            Pen p = c.GetPen();
            if (ResolveColor(p.PenColor) == ResolveColor(colour) || ResolveColor(p.PenColor) == back) {
                p.PenColor = back == ClBlack ? ClWhite : ClBlack;
                c.SetPen(p);
            }
        }
        const Point& a = position.ArrowStart;
        const Point& b = position.ArrowEnd;
        if (is3D) c3.LineZ(a.X, a.Y, b.X, b.Y, MarksDepth);
        else c3.Line(a.X, a.Y, b.X, b.Y);
    }

    // 3. A canvas that cannot draw text at a depth gets the box moved along with the projected arrow end.
    if (is3D && !c3.DrawsTextAtDepth()) {
        Point projected;
        c3.ProjectPoint(position.ArrowEnd.X, position.ArrowEnd.Y, MarksDepth, projected);
        position.BoxTopLeft.X = AddPixels(position.BoxTopLeft.X, projected.X - position.ArrowEnd.X);
        position.BoxTopLeft.Y = AddPixels(position.BoxTopLeft.Y, projected.Y - position.ArrowEnd.Y);
    }

    // 4. The box.
    int top = position.BoxTopLeft.Y;
    if (frame.Visible() || !transparent) {
        c.SetBrush({backColor, transparent ? BrushStyle::Clear : BrushStyle::Solid, nullptr});
        c3.AssignVisiblePen(frame);
        const PixelRect box = position.Bounds();
        if (is3D && c3.DrawsTextAtDepth()) c3.RectangleZ(box, MarksDepth + 1);
        else c3.Rectangle(box.Left, box.Top, box.Right, box.Bottom);
        if (frame.Visible()) top = AddPixels(top, frame.Width());
    }

    // 5. The text, one centred line under the other.
    c.SetBrush({c.GetBrush().BrushColor, BrushStyle::Clear, nullptr});
    c3.SetTextAlign(TaCenter);
    const int x = AddPixels(position.BoxTopLeft.X, position.BoxWidth / 2);
    const int lineHeight = c3.FontHeight();
    for (const std::string& line : SplitLines(text)) {
        if (is3D) c3.TextOutZ(x, top, line, MarksDepth);
        else c3.TextOut(x, top, line);
        top = AddPixels(top, lineHeight);
    }
    c3.SetTextAlign(TaLeft | TaTop);
}

void TChartSeries::DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) {
    Marks().DrawMarkBox(index, ValueColor(index), text, position);
}

void DrawAllMarks(TChartSeries& series) {
    TCustomAxisPanel* chart = ChartOf(series);
    if (!chart || series.FirstVisibleIndex < 0) return;
    TSeriesMarks& marks = series.Marks();
    TChartCanvas3D& c3 = chart->Canvas3D();
    TSeriesMarkPosition position;  // one object reused for every point
    const int last = std::min(series.LastVisibleIndex, series.Count() - 1);
    for (int i = series.FirstVisibleIndex; i <= last; ++i) {
        if (series.ValueColor(i) == NoColour) continue;
        const std::string text = marks.GetMarkText(i);
        if (text.empty()) continue;
        Font f = marks.GetFont();
        if (chart->View3D() && chart->View3DOptions().ZoomText())
            f.Size = std::max(1, MulDiv(f.Size, chart->View3DOptions().Zoom(), 100));
        chart->SetCanvasFont(f);
        int widest = 0, lines = 0;
        for (const std::string& line : SplitLines(text)) {
            widest = std::max(widest, c3.TextWidth(line));
            ++lines;
        }
        int width = AddPixels(widest, c3.TextWidth("W"));
        int height = SaturateToInt(std::int64_t(lines) * c3.FontHeight());
        if (marks.Frame().Visible()) {
            width = AddPixels(width, 2 * marks.Frame().Width());
            height = AddPixels(height, 2 * marks.Frame().Width());
        }
        const int x = series.PointScreenX(i), y = series.PointScreenY(i);
        position = {};
        position.ArrowStart = position.ArrowEnd = {x, y};
        position.BoxWidth = width;
        position.BoxHeight = height;
        position.BoxTopLeft = {SubPixels(x, width / 2), AddPixels(SubPixels(y, height), 1)};
        series.DrawMark(i, text, position);
    }
}

}  // namespace fv
