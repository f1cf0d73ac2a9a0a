// The chart scroll bar: thumb to axes and axes to thumb.
#include "chartui/window/chart_scroll_bar.h"

#include <algorithm>
#include <cmath>

namespace fv {

TChartScrollBar::TChartScrollBar(Component* owner, std::string name) : ScrollBar(owner, std::move(name)) {
    SetRange(0, 30000);
    LargeChange = 3000;
    SmallChange = 300;
    SetEnabled(false);
}

TChartScrollBar::~TChartScrollBar() { Unbind(); }

void TChartScrollBar::Unbind() {
    if (!chart_) return;
    // Give the chart its own handlers back, so that it never calls a bar that is gone.
    chart_->OnScroll = oldOnScroll_;
    chart_->OnZoom = oldOnZoom_;
    chart_->OnUndoZoom = oldOnUndoZoom_;
    RemoveFreeNotification(chart_);
    chart_ = nullptr;
}

void TChartScrollBar::SetChart(TCustomAxisPanel* chart) {
    if (chart == chart_) return;
    Unbind();
    oldOnScroll_ = oldOnZoom_ = oldOnUndoZoom_ = nullptr;
    if (!chart) {
        SetEnabled(false);
        return;
    }
    chart_ = chart;
    oldOnScroll_ = chart->OnScroll;
    oldOnZoom_ = chart->OnZoom;
    oldOnUndoZoom_ = chart->OnUndoZoom;
    auto follow = [this](const NotifyEvent& kept) {
        RecalcPosition();
        if (kept && chart_) kept(chart_);
    };
    chart->OnScroll = [this, follow](Component*) { follow(oldOnScroll_); };
    chart->OnZoom = [this, follow](Component*) { follow(oldOnZoom_); };
    chart->OnUndoZoom = [this, follow](Component*) { follow(oldOnUndoZoom_); };
    FreeNotification(chart);
    SetEnabled(chart->SeriesCount() > 0);
    RecalcPosition();
}

void TChartScrollBar::Notification(Component* gone) {
    // The chart is being freed: nothing of it may be touched any more.
    if (gone != chart_) return;
    chart_ = nullptr;
    oldOnScroll_ = oldOnZoom_ = oldOnUndoZoom_ = nullptr;
    SetEnabled(false);
}

void TChartScrollBar::SetInverted(bool value) {
    if (value == inverted_) return;
    inverted_ = value;
    RecalcPosition();
}

std::vector<TCustomChartAxis*> TChartScrollBar::FollowingAxes() const {
    std::vector<TCustomChartAxis*> axes;
    if (!chart_) return axes;
    TCustomChartAxis* first = Vertical ? chart_->LeftAxis() : chart_->BottomAxis();
    TCustomChartAxis* other = Vertical ? chart_->RightAxis() : chart_->TopAxis();
    if (Axis != TScrollBarAxis::sbOther) axes.push_back(first);
    if (Axis != TScrollBarAxis::sbDefault) axes.push_back(other);
    // An axis no series uses has no data to scroll over.
    std::erase_if(axes, [this](TCustomChartAxis* a) {
        for (int i = 0; i < chart_->SeriesCount(); ++i)
            if (chart_->GetSeries(i)->UsesAxis(a)) return false;
        return true;
    });
    return axes;
}

void TChartScrollBar::FullRange(const TCustomChartAxis& axis, double& lo, double& hi) const {
    lo = axis.Horizontal() ? chart_->MinXValue(&axis) : chart_->MinYValue(&axis);
    hi = axis.Horizontal() ? chart_->MaxXValue(&axis) : chart_->MaxYValue(&axis);
}

void TChartScrollBar::SetPosition(int p) {
    p = std::clamp(p, Min(), Max());
    if (chart_ && p != Position()) ScrollAxes(p);
    ScrollBar::SetPosition(p);
}

void TChartScrollBar::ScrollAxes(int position) {
    // A bar of no length maps no position onto the data.
    if (Max() == Min()) return;
    // The thumb's centre along the data: a vertical bar runs against its axes (top = high values) unless
    // inverted, a horizontal one with them unless inverted. The centre is what flips, as in RecalcPosition,
    // so a thumb that the chart placed stays where it is when it is moved back there.
    const int centreOnBar = position + PageSize() / 2;
    const double q = Vertical != inverted_ ? Max() - centreOnBar : centreOnBar;
    bool moved = false;
    for (TCustomChartAxis* axis : FollowingAxes()) {
        double lo = 0, hi = 0;
        FullRange(*axis, lo, hi);
        const double centre = lo + (hi - lo) * q / (Max() - Min());
        // The span the axis shows is kept; only where it lies moves.
        const double half = (axis->Maximum() - axis->Minimum()) / 2;
        axis->SetRange(centre - half, centre + half);
        moved = true;
    }
    if (moved) chart_->Invalidate();
}

void TChartScrollBar::RecalcPosition() {
    for (TCustomChartAxis* axis : FollowingAxes()) {
        if (axis->Automatic()) {
            ScrollBar::SetPosition((Min() + Max()) / 2);
            SetPageSize(Max() - Min());
            continue;
        }
        double lo = 0, hi = 0;
        FullRange(*axis, lo, hi);
        if (hi - lo == 0) continue;
        const double centre = (axis->Minimum() + axis->Maximum()) / 2;
        // Clamped as doubles: limits far outside the data must not overflow the bar's integers.
        const double at = std::round((centre - lo) * Max() / (hi - lo));
        if (std::isnan(at)) continue;
        int t = int(std::clamp(at, double(Min()), double(Max())));
        if (Vertical != inverted_) t = Max() - t;
        const double page = std::round((axis->Maximum() - axis->Minimum()) * (Max() - Min()) / (hi - lo));
        SetPageSize(std::isnan(page) ? 0 : int(std::clamp(page, 0.0, double(Max() - Min()))));
        ScrollBar::SetPosition(t - PageSize() / 2);
    }
}

}  // namespace fv
