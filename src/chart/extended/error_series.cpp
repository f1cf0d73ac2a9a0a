// The error series: the error list, whiskers in their six styles, margins and value ranges that make room
// for them, the legend symbol, sample values and the gallery.
#include "chart/extended/error_series.h"

#include <algorithm>
#include <cstdint>

#include "chart/series/series_view.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

TCustomErrorSeries::TCustomErrorSeries(Component* owner, std::string name)
    : WithExtraValues<TBarSeries>(owner, std::move(name)), ErrorPen([this] { Repaint(); }) {
    ErrorValues = new TChartValueList(this, "StdError");
    Marks().SetVisible(false);
}

TErrorSeries::TErrorSeries(Component* owner, std::string name) : TCustomErrorSeries(owner, std::move(name)) {}

TErrorBarSeries::TErrorBarSeries(Component* owner, std::string name) : TCustomErrorSeries(owner, std::move(name)) {
    drawsBars_ = true;
    SetErrorStyle(essTop);
}

int TCustomErrorSeries::AddErrorPoint(double x, double y, double error, const std::string& label, Color colour) {
    return AddWithExtras(x, y, {error}, label, colour);
}

void TCustomErrorSeries::SetErrorPen(const TChartPen& pen) {
    ErrorPen.Assign(pen);
    if (!drawsBars_) TBarSeries::SetSeriesColor(pen.GetColor());
}

void TCustomErrorSeries::SetSeriesColor(Color value) {
    TBarSeries::SetSeriesColor(value);
    if (!drawsBars_) ErrorPen.SetColor(value);
}

// ------------------------------------------------------------------------------------------ drawing

void TCustomErrorSeries::DrawError(int x, int y, bool draw3D, int h, int w) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    canvas->AssignVisiblePen(ErrorPen);
    canvas->ReferenceCanvas()->SetBackMode(BackMode::Transparent);
    const int z = SlotMiddleDepth;
    auto line = [&](int x0, int y0, int x1, int y1) {
        if (draw3D) canvas->LineZ(x0, y0, x1, y1, z);
        else canvas->Line(x0, y0, x1, y1);
    };
    // Sizes read from a file may be anything: the ends saturate instead of wrapping round.
    const int left = SubPixels(x, w / 2), right = AddPixels(x, w / 2), up = SubPixels(y, h), down = AddPixels(y, h);
    auto across = [&](int xe) {
        line(x, y, xe, y);
        line(xe, up, xe, down);
    };
    auto along = [&](int ye) {
        line(x, y, x, ye);
        line(left, ye, right, ye);
    };
    switch (errorStyle_) {
    case essLeft: across(left); break;
    case essRight: across(right); break;
    case essLeftRight:
        across(left);
        across(right);
        break;
    case essTop: along(up); break;
    case essBottom: along(down); break;
    case essTopBottom:
        along(up);
        along(down);
        break;
    }
}

void TCustomErrorSeries::DrawBar(int index, int top, int bottom) {
    if (drawsBars_) TBarSeries::DrawBar(index, top, bottom);
    double error = ErrorValues->GetValue(index);
    if (!ErrorPen.Visible() || error == 0) return;
    double y = GetYValue(index);
    double d = drawsBars_ && y < YOrigin() ? -error : error;
    // The whisker leaves the point's value, which is the bar's far end whichever side of the origin it lies.
    int from = ValueEnd(index), to = YScreenPos(y + d);
    int barWidth = BarSize();
    int w = errorWidth_ == 0                  ? barWidth
            : errorWidthUnits_ == ewuPixels ? errorWidth_
                                            : RoundPixel(errorWidth_ * barWidth * 0.01);
    int centre = SaturateToInt((std::int64_t(BarStart(index)) * 2 + barWidth) / 2);
    DrawError(centre, from, true, SubPixels(from, to), w);
}

void TCustomErrorSeries::DrawLegendShape(int, const PixelRect& rect) {
    DrawError((rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2, false, (rect.Bottom - rect.Top) / 2,
              rect.Right - rect.Left);
}

// -------------------------------------------------------------------------------- margins and range

void TCustomErrorSeries::HorizMargins(int& left, int& right) {
    TBarSeries::HorizMargins(left, right);
    int pen = ErrorPen.Width();
    if (errorStyle_ == essLeft || errorStyle_ == essLeftRight) left = std::max(left, pen);
    if (errorStyle_ == essRight || errorStyle_ == essLeftRight) right = std::max(right, pen);
}

void TCustomErrorSeries::VertMargins(int& top, int& bottom) {
    TBarSeries::VertMargins(top, bottom);
    int pen = ErrorPen.Width();
    if (errorStyle_ == essTop || errorStyle_ == essTopBottom) top = std::max(top, pen);
    if (errorStyle_ == essBottom || errorStyle_ == essTopBottom) bottom = std::max(bottom, pen);
}

double TCustomErrorSeries::MaxYValue() const {
    double result = TBarSeries::MaxYValue();
    for (int i = 0; i < Count(); ++i) result = std::max(result, GetYValue(i) + ErrorValues->GetValue(i));
    return result;
}

double TCustomErrorSeries::MinYValue() const {
    if (drawsBars_) {
        double result = TBarSeries::MinYValue();
        for (int i = 0; i < Count(); ++i) {
            double y = GetYValue(i), e = ErrorValues->GetValue(i);
            result = std::min(result, y >= 0 ? y + e : y - e);
        }
        return result;
    }
    if (Count() == 0) return 0;
    double result = GetYValue(0) - ErrorValues->GetValue(0);
    for (int i = 1; i < Count(); ++i) result = std::min(result, GetYValue(i) - ErrorValues->GetValue(i));
    return result;
}

// --------------------------------------------------------------------------- samples and the gallery

void TCustomErrorSeries::FillSampleValues(int numValues) {
    Clear();
    double x, stepX, minY, r, firstY;
    RandomBounds(numValues, x, stepX, minY, r, firstY);
    ChartRandom& random = RandomSource();
    for (int i = 0; i < numValues; ++i) {
        double y = random.Random(RoundPixel(r));
        AddErrorPoint(x, y, r / (10 + random.Random(4)));
        x += stepX;
    }
    RefreshDependents();
}

void TCustomErrorSeries::PrepareForGallery(bool enabled) {
    TBarSeries::PrepareForGallery(enabled);
    // The bars (of an error bar) in blue and the whiskers in red: the two colours kept apart here.
    TBarSeries::SetSeriesColor(enabled ? ClBlue : ClSilver);
    ErrorPen.SetColor(enabled ? ClRed : ClWhite);
}

void TErrorBarSeries::PrepareForGallery(bool enabled) {
    ErrorPen.SetWidth(2);
    TCustomErrorSeries::PrepareForGallery(enabled);
}

void TCustomErrorSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TCustomErrorSeries*>(&source); other && other != this) {
        ErrorPen.Assign(other->ErrorPen);
        errorStyle_ = other->errorStyle_;
        errorWidth_ = other->errorWidth_;
        errorWidthUnits_ = other->errorWidthUnits_;
    }
    TBarSeries::Assign(source);
}

}  // namespace fv
