// TChartScrollBar: a scroll bar bound to a chart. Moving the thumb scrolls the chart's horizontal (or
// vertical) axes over the whole range of their data, keeping the span they show; zooming, scrolling or
// undoing the zoom on the chart moves and sizes the thumb to match.
//
// Rules:
// - Only axes that at least one series of the chart uses follow the bar; the others are left alone.
// - Binding takes over the chart's OnScroll, OnZoom and OnUndoZoom and calls the handlers that were there
//   before after its own work; the bar lets go of the chart when the chart is freed.
// - A bar whose Max equals its Min has no scale to map a position onto: it moves no axis.
#pragma once

#include <string>

#include "chart/axis_panel.h"
#include "platform/ui/scroll_bar.h"

namespace fv {

enum class TScrollBarAxis { sbDefault, sbOther, sbBoth };

class TChartScrollBar : public ScrollBar {
public:
    TChartScrollBar(Component* owner, std::string name = {});
    ~TChartScrollBar() override;

    // Horizontal bar: bottom (sbDefault), top (sbOther) or both; vertical bar: left, right or both.
    TScrollBarAxis Axis = TScrollBarAxis::sbBoth;
    TCustomAxisPanel* Chart() const { return chart_; }
    void SetChart(TCustomAxisPanel* chart);
    bool Inverted() const { return inverted_; }
    void SetInverted(bool value);

    // The user (or code) moves the thumb: the axes follow, then the bar takes the position.
    void SetPosition(int p) override;
    // Thumb from the axes.
    void RecalcPosition();

protected:
    void Notification(Component* gone) override;

private:
    // The axes that follow the bar, in their order (bottom then top, or left then right).
    std::vector<TCustomChartAxis*> FollowingAxes() const;
    // The limits the axis would take if it were automatic.
    void FullRange(const TCustomChartAxis& axis, double& lo, double& hi) const;
    void ScrollAxes(int position);
    void Unbind();

    TCustomAxisPanel* chart_ = nullptr;
    bool inverted_ = false;
    NotifyEvent oldOnScroll_, oldOnZoom_, oldOnUndoZoom_;
};

}  // namespace fv
