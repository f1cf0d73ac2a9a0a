// Two series whose points span from a start to an end. TArrowSeries draws an arrow from (X, Y) to
// (EndX, EndY) for each point; TGanttSeries draws each point as a horizontal task bar from its start date
// to its end date in its row (the Y value), joined to the task it leads to by a stepped line. Both take
// their colours and sizes from the point series' pointer.
//
// Rules:
// - The axes reach the arrows' ends (both ways) and the latest end of a task.
// - A task's successor (NextTask) is the index of another task, -1 for none; a value that names no task
//   draws no line. Tasks keep the order they were added in, so an index keeps naming the same task;
//   deleting or swapping tasks carries the links along (a link to a deleted task becomes -1).
// - A task whose end lies before its start spans from its end to its start, and is hit there.
// - A point in the no-colour value draws nothing.
#pragma once

#include <string>

#include "chart/chart_pens.h"
#include "chart/extended/extra_values.h"
#include "chart/series/line_series.h"

namespace fv {

class TArrowSeries : public WithExtraValues<TPointSeries> {
public:
    explicit TArrowSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TArrowSeries)

    // The start of each arrow is the point itself (date-time X values).
    TChartValueList* StartXValues() const { return XValues; }
    TChartValueList* StartYValues() const { return YValues; }
    TChartValueList* EndXValues;  // "EndX", date-time
    TChartValueList* EndYValues;  // "EndY"
    // The head's width and length in pixels: the pointer's sizes.
    int ArrowWidth() const { return Pointer.HorizSize(); }
    void SetArrowWidth(int value) { Pointer.SetHorizSize(value); }
    int ArrowHeight() const { return Pointer.VertSize(); }
    void SetArrowHeight(int value) { Pointer.SetVertSize(value); }

    int AddArrowPoint(double x0, double y0, double x1, double y1, const std::string& label = {},
                      Color colour = AutomaticColour);

    void DrawValue(int index) override;
    double MaxXValue() const override;
    double MinXValue() const override;
    double MaxYValue() const override;
    double MinYValue() const override;
    bool IsValidSourceOf(const TChartSeries& other) const override;
    void FillSampleValues(int numValues) override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TArrowSeriesEditor"; }
};

class TGanttSeries : public WithExtraValues<TPointSeries> {
public:
    explicit TGanttSeries(Component* owner = nullptr, std::string name = {});
    FOLIVEX_SERIES_CLASS(TGanttSeries)

    // The start of each task (the X list, named "Start") and its end, date-time; its row is the Y value.
    TChartValueList* StartValues() const { return XValues; }
    TChartValueList* EndValues;     // "End"
    TChartValueList* NextTask;      // "NextTask": index of the task this one leads to, -1 for none
    // The line to the next task.
    TChartPen ConnectingPen;
    void SetConnectingPen(const TChartPen& pen) { ConnectingPen.Assign(pen); }

    int AddGanttTask(double start, double end, double y, const std::string& label = {},
                     Color colour = AutomaticColour);
    // The task NextTask(index) names, or -1 when it names none.
    int NextTaskOf(int index) const;

    void DrawValue(int index) override;
    void DrawMark(int index, const std::string& text, TSeriesMarkPosition& position) override;
    // Within the bar across, and within the pointer's VertSize of its row.
    bool PointerHit(int index, int pointX, int pointY, int x, int y) const override;
    double MaxXValue() const override;
    TChartValueList* MandatoryValueList() const override { return XValues; }
    bool IsValidSourceOf(const TChartSeries& other) const override;
    void DeletePoint(int index) override;
    void SwapPoints(int a, int b) override;
    // Today on: up to 30 tasks in ten rows, each leading on from the first free task that ends before it.
    void FillSampleValues(int numValues) override;
    void PrepareForGallery(bool enabled) override;
    std::string EditorClassName() const override { return "TGanttSeriesEditor"; }
    void Assign(TChartSeries& source) override;

protected:
    // A task added without a successor has none.
    void ResetPendingValues() override;

private:
    // Every link to a task that names one of `count` tasks is given newIndex(old index).
    template <class F> void Relink(int count, F newIndex);
};

}  // namespace fv
