// The circled series base: the chart's circular look, the circle inside the chart rectangle, and angles.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "chart/series/pie_series.h"
#include "chart/chart.h"
#include "chart/series/series_view.h"
#include "chart/series_marks.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

TCircledSeries::TCircledSeries(Component* owner, std::string name) : TChartSeries(owner, std::move(name)) {
    XValues->SetName("Angle");
    // Every point of a circle is drawn, whatever the axes would show.
    LimitToView = false;
}

TCircledSeries::~TCircledSeries() {
    if (ParentChart() && !ParentChart()->IsDestroying()) SetChartLook(true);
}

template <class F> void TCircledSeries::Spread(F store) {
    SeriesHost* chart = ParentChart();
    if (!chart) {
        store(*this);
        return;
    }
    for (int i = 0, n = chart->SeriesCount(); i < n; ++i)
        if (auto* s = dynamic_cast<TCircledSeries*>(chart->GetSeries(i)); s && s->ClassIncludes(*this)) store(*s);
}

void TCircledSeries::SetCircled(bool value) {
    Change(circled_, value);
    Spread([value](TCircledSeries& s) { s.circled_ = value; });
}

void TCircledSeries::SetCustomXRadius(int value) {
    Change(customXRadius_, value);
    Spread([value](TCircledSeries& s) { s.customXRadius_ = value; });
}

void TCircledSeries::SetCustomYRadius(int value) {
    Change(customYRadius_, value);
    Spread([value](TCircledSeries& s) { s.customYRadius_ = value; });
}

void TCircledSeries::SetRotationAngle(int value) {
    if (value < 0) throw PieException("Rotation Angle must be between 0 and 359 degrees");
    Change(rotationAngle_, value % 360);
    rotationRadians_ = rotationAngle_ * std::numbers::pi / 180;
}

void TCircledSeries::SetChartLook(bool normal) {
    SeriesHost* chart = ParentChart();
    if (!chart || chart->IsLoading() || chart->IsDestroying()) return;
    TCustomAxisPanel* panel = AxisPanelOf(*this);
    if (!panel) return;
    panel->SetAxisVisible(normal);
    panel->SetClipPoints(normal);
    panel->SetView3DWalls(normal);
    panel->AllowZoom = normal;
    panel->AllowPanning = normal ? TPanningMode::pmBoth : TPanningMode::pmNone;
    // A chart's frame and back wall belong to the axes' box, which a circle does not have.
    if (auto* chart = dynamic_cast<TCustomChart*>(panel)) {
        chart->Frame().SetVisible(normal);
        chart->BackWall().Brush().SetStyle(normal ? BrushStyle::Solid : BrushStyle::Clear);
    }
    // A circle is only round when looked at without the orthogonal slant.
    if (!panel->Canvas3D().AllowsFreeRotation()) {
        TView3DOptions& options = panel->View3DOptions();
        options.SetOrthogonal(false);
        options.SetRotation(360);
        options.SetElevation(315);
        options.SetTilt(0);
    }
}

void TCircledSeries::SetActive(bool value) {
    TChartSeries::SetActive(value);
    SetChartLook(!Active());
}

void TCircledSeries::SetParentChart(SeriesHost* chart) {
    if (chart == ParentChart()) return;
    if (!chart) {
        SetChartLook(true);
        TChartSeries::SetParentChart(nullptr);
        return;
    }
    TChartSeries::SetParentChart(chart);
    SetChartLook(false);
}

namespace {

// An odd width or height moves its right or bottom edge in by one; a circle is at least 4 pixels across.
void AdjustCircleRect(PixelRect& r) {
    if ((r.Right - r.Left) % 2 != 0) --r.Right;
    if ((r.Bottom - r.Top) % 2 != 0) --r.Bottom;
    if (r.Right - r.Left < 4) r.Right = r.Left + 4;
    if (r.Bottom - r.Top < 4) r.Bottom = r.Top + 4;
}

}  // namespace

void TCircledSeries::CalcRadii() {
    CircleWidth = CircleRect.Right - CircleRect.Left;
    CircleHeight = CircleRect.Bottom - CircleRect.Top;
    CircleXCenter = (CircleRect.Left + CircleRect.Right) / 2;
    CircleYCenter = (CircleRect.Top + CircleRect.Bottom) / 2;
    if (customXRadius_ != 0) CircleWidth = 2 * customXRadius_;
    if (customYRadius_ != 0) CircleHeight = 2 * customYRadius_;
    XRadius = CircleWidth / 2;
    YRadius = CircleHeight / 2;
    CircleRect = {CircleXCenter - XRadius, CircleYCenter - YRadius, CircleXCenter + XRadius, CircleYCenter + YRadius};
}

void TCircledSeries::PrepareCircle() {
    CircleRect = ChartRectOf(*this);
    AdjustCircleRect(CircleRect);
    TSeriesMarks& marks = Marks();
    auto* host = dynamic_cast<TAxisHost*>(ParentChart());
    TCustomAxisPanel* panel = AxisPanelOf(*this);
    if (marks.Visible() && host && panel) {
        // Room around the circle for the marks: their arrows, a line of text above and below, and the
        // widest text beside.
        panel->SetCanvasFont(marks.GetFont());
        TCanvas3D& canvas = host->AxisCanvas();
        int m = marks.ArrowLength() + (marks.Frame().Visible() ? 2 * marks.Frame().Width() : 0);
        int dy = m + canvas.FontHeight(), dx = m + canvas.TextWidth("W") + host->WidestMarkText();
        CircleRect = {CircleRect.Left + dx, CircleRect.Top + dy, CircleRect.Right - dx, CircleRect.Bottom - dy};
        AdjustCircleRect(CircleRect);
    }
    if (circled_) {
        // Screen pixels are square here, so a round circle has equal radii.
        const double aspect = 1.0;
        XRadius = (CircleRect.Right - CircleRect.Left) / 2;
        YRadius = (CircleRect.Bottom - CircleRect.Top) / 2;
        int g = RoundPixel(YRadius * aspect);
        if (g < XRadius) {
            CircleRect.Left += XRadius - g;
            CircleRect.Right -= XRadius - g;
        } else {
            int shrink = YRadius - RoundPixel(XRadius / aspect);
            CircleRect.Top += shrink;
            CircleRect.Bottom -= shrink;
        }
        AdjustCircleRect(CircleRect);
    }
    CalcRadii();
}

void TCircledSeries::DoBeforeDrawValues() {
    TChartSeries::DoBeforeDrawValues();
    PrepareCircle();
}

Point TCircledSeries::AngleToPos(double angle, int xRadius, int yRadius) const {
    return {CircleXCenter + RoundPixel(std::cos(angle + rotationRadians_) * xRadius),
            CircleYCenter - RoundPixel(std::sin(angle + rotationRadians_) * yRadius)};
}

double TCircledSeries::PointToAngle(int x, int y) const {
    const double pi = std::numbers::pi;
    double result;
    if (x == CircleXCenter) result = y > CircleYCenter ? -pi / 2 : pi / 2;
    else if (YRadius == 0) result = 0;
    else result = std::atan2(double(CircleYCenter - y) / YRadius, double(x - CircleXCenter) / XRadius);
    if (result < 0) result += 2 * pi;
    result -= rotationRadians_;
    if (result < 0) result += 2 * pi;
    return result;
}

Color TCircledSeries::BackColorInUse() const {
    if (circleBackColor_ != AutomaticColour) return circleBackColor_;
    return ChartBackColorOf(*this);
}

void TCircledSeries::GetLegendBrush(int legendIndex, Color& backColour, BrushStyle& style) {
    backColour = BackColorInUse();
}

void TCircledSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TCircledSeries*>(&source); other && other != this) {
        circled_ = other->circled_;
        rotationAngle_ = other->rotationAngle_;
        rotationRadians_ = other->rotationRadians_;
        customXRadius_ = other->customXRadius_;
        customYRadius_ = other->customYRadius_;
        circleBackColor_ = other->circleBackColor_;
    }
    TChartSeries::Assign(source);
}

}  // namespace fv
