// The chart's mouse: what a point hits, click events, the zoom rectangle, panning, and saving and restoring
// the axis limits around a zoom.
#include <algorithm>
#include <cstdlib>

#include "chart/chart.h"
#include "chart/chart_units.h"

namespace fv {

namespace {

// The screen cursor a series asks for: its own number where the platform has one, else the hand.
Cursor SeriesCursor(int cursor) {
    if (cursor > 0 && cursor <= int(Cursor::Drag)) return Cursor(cursor);
    return Cursor::HandPoint;
}

}  // namespace

TChartClickedPart TCustomChart::ClickedPart(int x, int y) {
    TChartClickedPart part;
    for (int i = SeriesCount() - 1; i >= 0; --i) {
        TChartSeries* s = GetSeries(i);
        if (!s->Active()) continue;
        int index = s->Clicked(x, y);
        if (index != -1) {
            part.Part = TChartClickedPartStyle::cpSeries;
            part.PointIndex = index;
            part.ASeries = s;
            return part;
        }
    }
    TCustomChartAxis* axes[] = {BottomAxis(), TopAxis(), LeftAxis(), RightAxis(), &DepthAxis()};
    for (TCustomChartAxis* a : axes)
        if (a->Clicked(x, y)) {
            part.Part = TChartClickedPartStyle::cpAxis;
            part.AAxis = a;
            return part;
        }
    if (TitleContains(Title(), x, y)) part.Part = TChartClickedPartStyle::cpTitle;
    else if (TitleContains(Foot(), x, y)) part.Part = TChartClickedPartStyle::cpFoot;
    else if (PlotRect.Contains({x, y}) && AnySeriesActive()) part.Part = TChartClickedPartStyle::cpChartRect;
    // The legend is not drawn yet, so nothing else can be hit.
    return part;
}

void TCustomChart::BackgroundClick(MouseButton button, unsigned shift, int x, int y, bool& handled) {
    if (!OnClickBackground) return;
    MouseHandled = true;
    OnClickBackground(this, button, shift, x, y);
    handled = MouseHandled;
}

void TCustomChart::StartZoomOrPan(MouseButton button, unsigned shift, int x, int y, bool& handled) {
    if (AllowZoom && button == ZoomButton && (shift & ZoomShift) == ZoomShift) {
        SetCursor(Cursor::Default);
        Zoom.Activate(x, y);
        DrawZoomRectangle();
        handled = true;
    }
    if (AllowPanning != TPanningMode::pmNone && button == PanningButton && (shift & PanningShift) == PanningShift) {
        SetCursor(Cursor::Default);
        Panning.Activate(x, y);
        handled = true;
    }
}

void TCustomChart::MouseDown(MouseButton button, unsigned shift, int x, int y) {
    TCustomAxisPanel::MouseDown(button, shift, x, y);
    if (Zoom.Active || Panning.Active) return;
    if (MouseHandled) {
        MouseHandled = false;
        return;
    }
    bool handled = false;
    const TChartClickedPart part = ClickedPart(x, y);
    switch (part.Part) {
    case TChartClickedPartStyle::cpLegend:
        if (OnClickLegend) {
            MouseHandled = true;
            OnClickLegend(this, button, shift, x, y);
            handled = MouseHandled;
        }
        break;
    case TChartClickedPartStyle::cpAxis:
        if (OnClickAxis) {
            MouseHandled = true;
            OnClickAxis(this, part.AAxis, button, shift, x, y);
            handled = MouseHandled;
        }
        if (!handled) StartZoomOrPan(button, shift, x, y, handled);
        break;
    case TChartClickedPartStyle::cpSeries:
        handled = part.ASeries->DoClick(part.PointIndex, button, shift, x, y);
        if (OnClickSeries) {
            MouseHandled = true;
            OnClickSeries(this, part.ASeries, part.PointIndex, button, shift, x, y);
            handled = MouseHandled;
        }
        if (!handled) StartZoomOrPan(button, shift, x, y, handled);
        break;
    case TChartClickedPartStyle::cpChartRect:
        BackgroundClick(button, shift, x, y, handled);
        if (!handled) StartZoomOrPan(button, shift, x, y, handled);
        break;
    default: break;
    }
    // A press on the background has had its background event already: a second would report one click twice.
    if (!handled && part.Part != TChartClickedPartStyle::cpChartRect) BackgroundClick(button, shift, x, y, handled);
    MouseHandled = false;
}

bool TCustomChart::PanAxes(bool horizontal, int newPos, int oldPos) {
    if (newPos == oldPos) return false;
    const TPanningMode wanted = horizontal ? TPanningMode::pmHorizontal : TPanningMode::pmVertical;
    if (AllowPanning != wanted && AllowPanning != TPanningMode::pmBoth) return false;
    bool moved = false;
    for (int i = 0; i < 4; ++i) {
        TCustomChartAxis* axis = SideAxis(i);
        if (axis->Horizontal() != horizontal) continue;
        const double d = axis->PixelToValue(oldPos) - axis->PixelToValue(newPos);
        double newMin = axis->Minimum() + d, newMax = axis->Maximum() + d;
        bool allow = true;
        if (OnAllowScroll) OnAllowScroll(axis, newMin, newMax, allow);
        if (!allow) continue;
        axis->SetRange(newMin, newMax);
        moved = true;
    }
    return moved;
}

void TCustomChart::MouseMove(unsigned shift, int x, int y) {
    TCustomAxisPanel::MouseMove(shift, x, y);
    if (Designing) return;
    if (Zoom.Active) {
        if (x != Zoom.X1 || y != Zoom.Y1) {
            DrawZoomRectangle();
            Zoom.X1 = x;
            Zoom.Y1 = y;
            DrawZoomRectangle();
        }
        return;
    }
    if (Panning.Active) {
        if (!PlotRect.Contains({x, y})) {
            Panning.Active = false;
            return;
        }
        if (x == Panning.X1 && y == Panning.Y1) return;
        Panning.Normalize();
        if (NothingSaved) SaveAxes();
        const bool movedX = PanAxes(true, x, Panning.X1);
        const bool movedY = PanAxes(false, y, Panning.Y1);
        Panning.X1 = x;
        Panning.Y1 = y;
        if (movedX || movedY) {
            if (OnScroll) OnScroll(this);
            Invalidate();
        }
        return;
    }
    bool claimed = false;
    for (int i = 0; i < SeriesCount() && !claimed; ++i) {
        TChartSeries* s = GetSeries(i);
        if (s->Active() && s->Cursor() != 0 && s->Clicked(x, y) != -1) {
            SetCursor(SeriesCursor(s->Cursor()));
            claimed = true;
        }
    }
    for (int i = 0; i < SeriesCount(); ++i) GetSeries(i)->ChartMouseMove(shift, x, y);
    if (!claimed) SetCursor(SavedCursor);
}

void TCustomChart::MouseUp(MouseButton button, unsigned shift, int x, int y) {
    TCustomAxisPanel::MouseUp(button, shift, x, y);
    for (int i = 0; i < SeriesCount(); ++i) GetSeries(i)->ChartMouseUp(button, shift, x, y);
    if (Zoom.Active && button == ZoomButton) {
        Zoom.Active = false;
        DrawZoomRectangle();
        if (Canvas* c = Canvas3D().ReferenceCanvas()) {
            Pen p = c->GetPen();
            p.Mode = PenMode::Copy;
            c->SetPen(p);
        }
        Zoom.X1 = x;
        Zoom.Y1 = y;
        if (std::abs(Zoom.X1 - Zoom.X0) > MinZoomDrag && std::abs(Zoom.Y1 - Zoom.Y0) > MinZoomDrag) {
            if (Zoom.X0 < Zoom.X1 && Zoom.Y0 < Zoom.Y1) ZoomToRect();
            else UndoZoom();
            Invalidate();
        }
    }
    Panning.Active = false;
}

void TCustomChart::ZoomToRect() {
    Zoom.Normalize();
    TCustomChartAxis* top = TopAxis();
    TCustomChartAxis* bottom = BottomAxis();
    TCustomChartAxis* left = LeftAxis();
    TCustomChartAxis* right = RightAxis();
    ZoomToRanges(left->PixelToValue(Zoom.Y0), left->PixelToValue(Zoom.Y1), right->PixelToValue(Zoom.Y0),
                 right->PixelToValue(Zoom.Y1), top->PixelToValue(Zoom.X0), top->PixelToValue(Zoom.X1),
                 bottom->PixelToValue(Zoom.X0), bottom->PixelToValue(Zoom.X1));
}

void TCustomChart::ZoomToRanges(double leftMin, double leftMax, double rightMin, double rightMax, double topMin,
                                double topMax, double bottomMin, double bottomMax) {
    if (NothingSaved) SaveAxes();
    struct Target {
        TCustomChartAxis* Axis;
        double Min, Max;
    };
    Target targets[4] = {{LeftAxis(), std::min(leftMin, leftMax), std::max(leftMin, leftMax)},
                         {RightAxis(), std::min(rightMin, rightMax), std::max(rightMin, rightMax)},
                         {TopAxis(), std::min(topMin, topMax), std::max(topMin, topMax)},
                         {BottomAxis(), std::min(bottomMin, bottomMax), std::max(bottomMin, bottomMax)}};
    if (AnimatedZoom) {
        // The setting may come from a stored chart: a huge count must not hang the program.
        const int steps = std::clamp(AnimatedZoomSteps, 1, MaxAnimatedZoomSteps);
        for (int step = 1; step < steps; ++step) {
            for (Target& t : targets) {
                const double mn = t.Axis->Minimum(), mx = t.Axis->Maximum();
                t.Axis->SetRange(mn + (t.Min - mn) / AnimatedZoomFactor, mx - (mx - t.Max) / AnimatedZoomFactor);
            }
            RepaintNow();
        }
    }
    for (Target& t : targets) t.Axis->SetRange(t.Min, t.Max);
    Zoomed = true;
    if (OnZoom) OnZoom(this);
}

void TCustomChart::RepaintNow() {
    Invalidate();
    if (ownCanvas) Paint(*ownCanvas);
}

void TCustomChart::SaveAxes() {
    for (int i = 0; i < 4; ++i) {
        const TCustomChartAxis* a = SideAxis(i);
        SavedAxes[std::size_t(i)] = {a->Automatic(), a->AutomaticMinimum(), a->AutomaticMaximum(), a->Minimum(),
                                     a->Maximum()};
    }
    NothingSaved = false;
}

void TCustomChart::UndoZoom() {
    if (!NothingSaved) {
        for (int i = 0; i < 4; ++i) {
            TCustomChartAxis* a = SideAxis(i);
            const TSavedAxis& s = SavedAxes[std::size_t(i)];
            if (!s.Automatic) a->SetRange(s.Minimum, s.Maximum);
            a->SetAutomaticMinimum(s.AutomaticMinimum);
            a->SetAutomaticMaximum(s.AutomaticMaximum);
            a->SetAutomatic(s.Automatic);
        }
        NothingSaved = true;
    }
    TCustomAxisPanel::UndoZoom();
}

}  // namespace fv
