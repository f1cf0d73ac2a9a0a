// The financial series: TOHLCSeries keeps a date and four prices per point (open, high, low, close),
// TCandleSeries draws each point as a candlestick or as an open-high-low-close bar coloured by whether the
// price closed up or down, and TVolumeSeries draws each point as a vertical line from its value down to
// the axis.
//
// Rules:
// - The open price is the point's Y value; high, low and close are extra value lists that every add
//   fills (a plain add takes their pending values, 0 unless set).
// - The vertical range of an OHLC series covers all four prices.
// - Up and down are read on the screen: an inverted vertical axis exchanges the two colours. A candle that
//   closes where it opened takes its colour from the close before it.
#pragma once

#include <string>

#include "chart/chart_pens.h"
#include "chart/extended/extra_values.h"
#include "chart/series/custom_series.h"

namespace fv {

class TOHLCSeries : public WithExtraValues<TCustomSeries> {
public:
    explicit TOHLCSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TOHLCSeries)

    TChartValueList* DateValues() const { return XValues; }
    TChartValueList* OpenValues() const { return YValues; }
    TChartValueList* HighValues;
    TChartValueList* LowValues;
    TChartValueList* CloseValues;

    int AddOHLCPoint(double date, double open, double high, double low, double close);

    double MaxYValue() const override;
    double MinYValue() const override;
    int NumSampleValues() const override { return 40; }
    bool IsValidSourceOf(const TChartSeries& other) const override;
    void FillSampleValues(int numValues) override;
};

enum TCandleStyle { csCandleStick, csCandleBar };

class TCandleSeries : public TOHLCSeries {
public:
    explicit TCandleSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TCandleSeries)

    TCandleStyle CandleStyle() const { return candleStyle_; }
    void SetCandleStyle(TCandleStyle value) { Change(candleStyle_, value); }
    int CandleWidth() const { return candleWidth_; }
    void SetCandleWidth(int value) { Change(candleWidth_, value); }
    Color UpCloseColor() const { return upCloseColor_; }
    void SetUpCloseColor(Color value) { Change(upCloseColor_, value); }
    Color DownCloseColor() const { return downCloseColor_; }
    void SetDownCloseColor(Color value) { Change(downCloseColor_, value); }
    bool ShowOpenTick() const { return showOpenTick_; }
    void SetShowOpenTick(bool value) { Change(showOpenTick_, value); }
    bool ShowCloseTick() const { return showCloseTick_; }
    void SetShowCloseTick(bool value) { Change(showCloseTick_, value); }
    // The pointer's 3D switches and pen are the candle's.
    bool Draw3D() const { return Pointer.Draw3D(); }
    void SetDraw3D(bool value) { Pointer.SetDraw3D(value); }
    bool Dark3D() const { return Pointer.Dark3D(); }
    void SetDark3D(bool value) { Pointer.SetDark3D(value); }
    TChartPen& Pen() { return Pointer.Pen; }

    // The colour of candle `index` from the screen positions of its open and close.
    Color CandleColor(int index, int openY, int closeY) const;

    void DrawValue(int index) override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TCandleEditor"; }
    void Assign(TChartSeries& source) override;

private:
    TCandleStyle candleStyle_ = csCandleStick;
    int candleWidth_ = 5;
    Color upCloseColor_ = ClWhite, downCloseColor_ = ClRed;
    bool showOpenTick_ = true, showCloseTick_ = true;
};

class TVolumeSeries : public TCustomSeries {
public:
    explicit TVolumeSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TVolumeSeries)

    TChartValueList* VolumeValues() const { return YValues; }

    void DrawValue(int index) override;
    int NumSampleValues() const override { return 40; }
    void FillSampleValues(int numValues) override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TVolumeSeriesEditor"; }
};

}  // namespace fv
