// The financial series: the four price lists, the candle and bar drawing, the volume lines, sample
// values and the gallery.
#include "chart/extended/candle_series.h"

#include <algorithm>
#include <cmath>

#include "chart/series/series_view.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

// ------------------------------------------------------------------------------------------ OHLC

TOHLCSeries::TOHLCSeries(Component* owner, std::string name)
    : WithExtraValues<TCustomSeries>(owner, std::move(name)) {
    XValues->SetName("Date");
    XValues->SetDateTime(true);
    YValues->SetName("Open");
    HighValues = new TChartValueList(this, "High");
    LowValues = new TChartValueList(this, "Low");
    CloseValues = new TChartValueList(this, "Close");
}

int TOHLCSeries::AddOHLCPoint(double date, double open, double high, double low, double close) {
    return AddWithExtras(date, open, {high, low, close}, {}, AutomaticColour);
}

double TOHLCSeries::MaxYValue() const {
    double result = TCustomSeries::MaxYValue();
    if (Count() == 0) return result;
    for (const TChartValueList* list : {HighValues, LowValues, CloseValues}) result = std::max(result, list->MaxValue());
    return result;
}

double TOHLCSeries::MinYValue() const {
    double result = TCustomSeries::MinYValue();
    if (Count() == 0) return result;
    for (const TChartValueList* list : {HighValues, LowValues, CloseValues}) result = std::min(result, list->MinValue());
    return result;
}

bool TOHLCSeries::IsValidSourceOf(const TChartSeries& other) const {
    return &other != this && dynamic_cast<const TOHLCSeries*>(&other) != nullptr;
}

void TOHLCSeries::FillSampleValues(int numValues) {
    Clear();
    double x, stepX, minY, r, firstY;
    RandomBounds(numValues, x, stepX, minY, r, firstY);
    ChartRandom& random = RandomSource();
    double open = minY + random.Random(RoundPixel(r));
    for (int i = 0; i < numValues; ++i) {
        double close = open + random.Random(RoundPixel(r * 0.04)) - r * 0.02;
        int s = RoundPixel(std::fabs(close - open) * 0.1);
        int b = std::abs(RoundPixel(r * 0.0025));
        double high = std::max(open, close) + 3.0 * s + random.Random(b);
        double low = std::min(open, close) - 3.0 * s - random.Random(b);
        AddOHLCPoint(x, open, high, low, close);
        x += stepX;
        open = close + random.Random(10) - 5;
    }
    RefreshDependents();
}

// ---------------------------------------------------------------------------------------- candles

TCandleSeries::TCandleSeries(Component* owner, std::string name) : TOHLCSeries(owner, std::move(name)) {
    Pointer.SetDraw3D(false);
}

Color TCandleSeries::CandleColor(int index, int openY, int closeY) const {
    if (closeY < openY) return upCloseColor_;
    if (closeY > openY) return downCloseColor_;
    if (index == 0) return upCloseColor_;
    double now = CloseValues->GetValue(index), before = CloseValues->GetValue(index - 1);
    if (now > before) return upCloseColor_;
    if (now < before) return downCloseColor_;
    return ValueColor(index - 1);
}

void TCandleSeries::DrawValue(int index) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    if (!canvas) return;
    Canvas& c = *canvas->ReferenceCanvas();
    Pointer.PrepareCanvas(*canvas, ValueColor(index));
    const int x = PointScreenX(index);
    // As for the line-type series: a point this far out is off any picture.
    if (std::abs(x) > MaxScreenCoordinate) return;
    const int yo = PointScreenY(index), yh = YScreenPos(HighValues->GetValue(index)),
              yl = YScreenPos(LowValues->GetValue(index)), yc = YScreenPos(CloseValues->GetValue(index));
    const int l = candleWidth_ / 2, r = candleWidth_ - l;
    const int left = SubPixels(x, l), right = AddPixels(x, r);
    const int z = SlotMiddleDepth, z0 = SlotStartDepth, z1 = SlotEndDepth;
    const Color colour = CandleColor(index, yo, yc);
    if (candleStyle_ == csCandleBar) {
        SetPenColour(c, colour);
        canvas->LineZ(x, yl, x, yh, z);
        if (showOpenTick_) canvas->LineZ(left, yo, x, yo, z);
        if (showCloseTick_) canvas->LineZ(x, yc, right, yc, z);
        return;
    }
    if (canvas->Is3D && Pointer.Draw3D()) {
        int top = std::min(yo, yc), bottom = std::max(yo, yc);
        canvas->LineZ(x, bottom, x, yl, z);
        SetBrushColour(c, colour);
        if (yo == yc) SetPenColour(c, colour);
        canvas->Cube(left, right, top, bottom, z0, z1, Pointer.Dark3D());
        canvas->LineZ(x, top, x, yh, z);
        return;
    }
    canvas->LineZ(x, yl, x, yh, z);
    if (yo == yc) {
        SetPenColour(c, colour);
        canvas->LineZ(left, yo, right, yo, z);
    } else {
        SetBrushColour(c, colour);
        canvas->RectangleZ({left, std::min(yo, yc), right, std::max(yo, yc)}, z);
    }
}

void TCandleSeries::PrepareForGallery(bool enabled) {
    TOHLCSeries::PrepareForGallery(enabled);  // four sample candles
    SetColorEachPoint(true);
    if (enabled) {
        SetUpCloseColor(ClBlue);
    } else {
        SetUpCloseColor(ClSilver);
        SetDownCloseColor(ClSilver);
        Pointer.Pen.SetColor(ClGray);
    }
    Pointer.Pen.SetWidth(2);
    SetCandleWidth(12);
}

void TCandleSeries::Assign(TChartSeries& source) {
    if (auto* other = dynamic_cast<TCandleSeries*>(&source); other && other != this) {
        candleWidth_ = other->candleWidth_;
        candleStyle_ = other->candleStyle_;
        upCloseColor_ = other->upCloseColor_;
        downCloseColor_ = other->downCloseColor_;
        showOpenTick_ = other->showOpenTick_;
        showCloseTick_ = other->showCloseTick_;
    }
    TOHLCSeries::Assign(source);
}

// ---------------------------------------------------------------------------------------- volume

TVolumeSeries::TVolumeSeries(Component* owner, std::string name) : TCustomSeries(owner, std::move(name)) {
    YValues->SetName("Volume");
    SetDrawArea(false);
    Pointer.SetVisible(false);
}

void TVolumeSeries::DrawValue(int index) {
    TChartCanvas3D* canvas = ChartCanvasOf(*this);
    const TCustomChartAxis* axis = GetVertAxis();
    if (!canvas || !axis) return;
    Canvas& c = *canvas->ReferenceCanvas();
    Color colour = ValueColor(index);
    if (colour == NoColour) return;
    canvas->AssignVisiblePen(LinePen);
    SetPenColour(c, colour);
    c.SetBackMode(BackMode::Transparent);
    int x = PointScreenX(index);
    canvas->LineZ(x, PointScreenY(index), x, axis->Inverted() ? axis->StartPixel : axis->EndPixel, SlotMiddleDepth);
}

void TVolumeSeries::FillSampleValues(int numValues) {
    Clear();
    double x, stepX, minY, r, firstY;
    RandomBounds(numValues, x, stepX, minY, r, firstY);
    for (int i = 0; i < numValues; ++i) {
        AddPoint(x, RandomSource().Random(RoundPixel(r) / 15));
        x += stepX;
    }
    RefreshDependents();
}

void TVolumeSeries::PrepareForGallery(bool enabled) {
    TCustomSeries::PrepareForGallery(enabled);
    FillSampleValues(26);
    Pointer.SetInflateMargins(true);
}

}  // namespace fv
