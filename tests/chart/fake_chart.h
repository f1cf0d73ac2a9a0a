// A chart without drawing for the data-model tests (and a horizontal series type): it keeps its series in a list, counts repaints,
// gives each new series a free palette colour and recalculates it from its source, and has four axes
// that are only addresses.
#pragma once

#include <algorithm>
#include <vector>

#include "chart/chart_series.h"
#include "chart/chart_units.h"

namespace fv {

class FakeChart : public SeriesHost {
public:
    ~FakeChart() override {
        destroying = true;
        while (!series.empty()) series.front()->SetParentChart(nullptr);
    }

    int SeriesCount() const override { return int(series.size()); }
    TChartSeries* GetSeries(int index) const override { return series.at(std::size_t(index)); }
    void Repaint() override { ++repaints; }

    void InsertSeries(TChartSeries& s) override {
        if (std::find(series.begin(), series.end(), &s) != series.end()) return;
        if (s.SeriesColor() == AutomaticColour) s.SetSeriesColor(FreeColour());
        AdoptSeries(s, this);
        if (designing && !s.SeriesFunction()) s.FillSampleValues(s.NumSampleValues());
        else s.RefreshFromSource();
        series.push_back(&s);
        Repaint();
    }
    void RemoveSeries(TChartSeries& s) override {
        auto it = std::find(series.begin(), series.end(), &s);
        if (it == series.end()) return;
        s.LeaveSources();
        ForgetParent(s);
        series.erase(it);
        Repaint();
    }

    bool IsLoading() const override { return loading; }
    bool IsDesigning() const override { return designing; }
    bool IsDestroying() const override { return destroying; }
    bool ExactDateTime(const TCustomChartAxis*) const override { return exactDateTime; }

    TCustomChartAxis* TopAxis() const override { return Axis(0); }
    TCustomChartAxis* BottomAxis() const override { return Axis(1); }
    TCustomChartAxis* LeftAxis() const override { return Axis(2); }
    TCustomChartAxis* RightAxis() const override { return Axis(3); }
    // A fifth axis for custom-axis choices; the chart takes it for a vertical one.
    TCustomChartAxis* CustomAxis() const { return Axis(4); }

    std::vector<TChartSeries*> series;
    int repaints = 0;
    bool loading = false, designing = false, destroying = false, exactDateTime = false;

private:
    // Axis identities: distinct addresses that are never read through.
    TCustomChartAxis* Axis(int i) const {
        return reinterpret_cast<TCustomChartAxis*>(const_cast<char*>(&axisTokens_[i]));
    }
    Color FreeColour() const {
        for (int i = 0; i < PaletteSize; ++i) {
            bool used = std::any_of(series.begin(), series.end(),
                                    [&](TChartSeries* s) { return s->SeriesColor() == PaletteColor(i); });
            if (!used) return PaletteColor(i);
        }
        return PaletteColor(PaletteSize);
    }
    char axisTokens_[5] = {};
};

// A series type whose values run along the horizontal axis, placed by ascending Y.
class HorizSeries : public TChartSeries {
public:
    explicit HorizSeries(Component* owner = nullptr, std::string name = {}) : TChartSeries(owner, std::move(name)) {
        XValues->SetOrder(loNone);
        YValues->SetOrder(loAscending);
    }
    TChartValueList* MandatoryValueList() const override { return XValues; }
    FOLIVEX_SERIES_CLASS(HorizSeries)
};

}  // namespace fv
