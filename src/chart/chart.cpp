// The chart's parts, its layout (titles, axis rectangle, series margins), its walls and its series' marks,
// which the axis panel's picture calls for, and the small services of the chart: axis names, paging, series
// order, hatch patterns.
#include "chart/chart.h"

#include <algorithm>
#include <utility>

#include "chart/series_marks.h"
#include "platform/gfx/pixel_math.h"

namespace fv {

TCustomChart::TCustomChart(Component* owner, std::string name) : TCustomAxisPanel(owner, std::move(name)) {
    Created = false;  // the parts repaint as they are set up
    backWall.Brush().SetStyle(BrushStyle::Clear);
    leftWall.DefaultColor = 0x80FFFF;
    leftWall.SetColor(leftWall.DefaultColor);
    bottomWall.DefaultColor = ClWhite;
    bottomWall.SetColor(bottomWall.DefaultColor);
    foot.DefaultFontColor = ClRed;
    foot.DefaultFontStyle = FsItalic;
    Font f = foot.GetFont();
    f.FontColor = ClRed;
    f.Style = FsItalic;
    foot.SetFont(f);
    Created = true;
}

TCustomChart::~TCustomChart() = default;

void TCustomChart::SetBackColor(TColor c) {
    backWall.SetColor(c);
    backWall.Brush().SetStyle(BrushStyle::Solid);
}

TCustomChartAxis* TCustomChart::SideAxis(int i) const {
    switch (i) {
    case 0: return TopAxis();
    case 1: return LeftAxis();
    case 2: return RightAxis();
    default: return BottomAxis();
    }
}

void TCustomChart::DrawBackImage(const PixelRect& rect) {
    if (!backImageInside) TCustomAxisPanel::DrawBackImage(rect);
}

void TCustomChart::CalcLegendAndPanelRect() {
    TChartCanvas3D& c3 = Canvas3D();
    c3.Disable3D();
    const bool withLegend = legend.Visible() && AnySeriesActive();
    // A side legend spans the height the titles would take; a top or bottom one sits inside them.
    if (withLegend && legend.IsVertical()) DrawLeavingCanvasAsFound([&] { legend.DrawLegend(); });
    if (title.Visible()) DrawLeavingCanvasAsFound([&] { title.DrawTitle(true); });
    if (foot.Visible()) DrawLeavingCanvasAsFound([&] { foot.DrawTitle(false); });
    if (withLegend && !legend.IsVertical()) DrawLeavingCanvasAsFound([&] { legend.DrawLegend(); });
    // A legend not drawn this time has no items to click.
    if (!withLegend) legend.NumRows = legend.NumCols = 0;
    c3.Restore3D();
}

void TCustomChart::CalcAxisRect() {
    TCustomChartAxis* axes[] = {BottomAxis(), TopAxis(), LeftAxis(), RightAxis(), &DepthAxis()};
    for (TCustomChartAxis* a : axes) a->AdjustMaxMin();
    CalcSlotDepth();
    if (View3D() && View3DOptions().Orthogonal()) {
        const int wall = View3DWalls() ? backWall.Size() : 0;
        PlotRect.Right = SubPixels(PlotRect.Right, AddPixels(wall, HorizDepth));
        PlotRect.Top = AddPixels(PlotRect.Top, AddPixels(wall, VertDepth));
    }
    UpdatePlotSize();
    // The labels are measured for the room they take with the extent of this drawing, not of the last one:
    // the same chart then lays out the same way on every paint.
    for (TCustomChartAxis* a : axes) a->CalcExtent(PlotRect);
    for (TCustomChartAxis* a : axes) {
        if (!AxisShown(*a)) continue;
        PixelRect left = PlotRect;
        a->PlaceInRect(left, true);
        PlotRect = {std::max(PlotRect.Left, left.Left), std::max(PlotRect.Top, left.Top),
                    std::min(PlotRect.Right, left.Right), std::min(PlotRect.Bottom, left.Bottom)};
    }
    UpdatePlotSize();
    for (TCustomChartAxis* a : axes) a->CalcExtent(PlotRect);
    // The layout pass gives the depth axis no label position: it is placed from the chart rectangle's right
    // edge, its labels beyond its ticks and its title beyond its labels.
    PixelRect depthRect = PlotRect;
    DepthAxis().PlaceInRect(depthRect, false);
}

void TCustomChart::CalcSeriesMargins() {
    for (int i = 0; i < 4; ++i) {
        TCustomChartAxis* axis = SideAxis(i);
        int low = 0, high = 0;
        for (int s = 0; s < SeriesCount(); ++s) {
            TChartSeries* series = GetSeries(s);
            if (!series->Active() || !series->UsesAxis(axis)) continue;
            int a = 0, b = 0;
            if (axis->Horizontal()) {
                series->HorizMargins(a, b);  // left, right
                if (axis->AutomaticMinimum()) low = std::max(low, a);
                if (axis->AutomaticMaximum()) high = std::max(high, b);
            } else {
                // A vertical axis starts at the top: the top margin belongs to its start pixel (the maximum's
                // end), the bottom margin to its end pixel (the minimum's end).
                series->VertMargins(a, b);  // top, bottom
                if (axis->AutomaticMaximum()) low = std::max(low, a);
                if (axis->AutomaticMinimum()) high = std::max(high, b);
            }
        }
        if (low || high) axis->ShrinkForMargins(low, high);
    }
}

int TCustomChart::WallSizeOfAxis(TAxisSide side) const {
    if (!View3D() || !View3DWalls()) return 0;
    if (side == TAxisSide::Left) return leftWall.Size();
    if (side == TAxisSide::Bottom) return bottomWall.Size();
    return 0;
}

void TCustomChart::PrepareWall(TChartWall& wall) {
    TChartCanvas3D& c3 = Canvas3D();
    c3.AssignVisiblePen(wall.Pen());
    Canvas& c = *c3.ReferenceCanvas();
    if (wall.Brush().Image()) {
        c.SetBrush({ClWhite, BrushStyle::Solid, wall.Brush().Image()});
    } else if (wall.GetColor() == wall.DefaultColor && wall.Brush().Style() == BrushStyle::Solid) {
        // A wall left at its default colour with a solid brush shows what lies behind it.
        c.SetBrush({c.GetBrush().BrushColor, BrushStyle::Clear, nullptr});
    } else {
        PrepareBrush(wall.ResolvedColor(), wall.Brush().Style(), wall.Brush().GetColor() == AutomaticColour
                                                                      ? wall.ResolvedColor()
                                                                      : wall.Brush().GetColor());
    }
}

static bool WallShaded(TChartWall& wall) {
    return wall.Brush().Style() != BrushStyle::Clear && !wall.Brush().Image() && wall.Dark3D();
}

void TCustomChart::DrawWalls() {
    TChartCanvas3D& c3 = Canvas3D();
    const PixelRect& r = PlotRect;
    const bool walls3D = View3D() && View3DWalls();
    const int leftSize = walls3D ? leftWall.Size() : 0, bottomSize = walls3D ? bottomWall.Size() : 0;

    PrepareWall(backWall);
    if (!View3D()) {
        c3.Rectangle(r.Left, r.Top, AddPixels(r.Right, 1), r.Bottom);
    } else if (View3DWalls() && backWall.Size() > 0) {
        c3.Cube(SubPixels(r.Left, leftSize), r.Right, r.Top, AddPixels(r.Bottom, bottomSize), HorizDepth,
                AddPixels(HorizDepth, backWall.Size()), WallShaded(backWall));
    } else {
        c3.RectangleZ({r.Left + 1, r.Top - 1, r.Right, r.Bottom}, HorizDepth);
    }

    if (backImageInside && BackImage() && !BackImage()->Empty()) {
        PixelRect inside = r;
        if (backWall.Pen().Visible()) {
            ++inside.Top;
            --inside.Bottom;
        }
        DrawBackImageAt(inside, HorizDepth);
    }

    if (!walls3D) return;
    PrepareWall(leftWall);
    if (leftWall.Size() < 1)
        c3.RectangleSideZ(r.Left, r.Top, AddPixels(r.Bottom, bottomSize), 0, AddPixels(HorizDepth, 1));
    else
        c3.Cube(SubPixels(r.Left, leftWall.Size()), r.Left, r.Top, AddPixels(r.Bottom, bottomSize), 0,
                AddPixels(HorizDepth, 1), WallShaded(leftWall));
    PrepareWall(bottomWall);
    if (bottomWall.Size() < 1)
        c3.RectangleHorizZ(r.Left, r.Right, r.Bottom, 0, HorizDepth);
    else
        c3.Cube(r.Left, r.Right, r.Bottom, AddPixels(r.Bottom, bottomWall.Size()), 0, HorizDepth,
                WallShaded(bottomWall));
}

void TCustomChart::GetLegendText(TChartSeries* series, int index, std::string& text) {
    if (series) {
        text = index >= 0 && index < series->Count() ? series->LegendString(index, legend.TextStyle()) : std::string();
        std::replace(text.begin(), text.end(), '\r', ' ');
    }
    if (OnGetLegendText) OnGetLegendText(this, int(legend.ResolveStyle()), index, text);
}

void TCustomChart::DrawSeriesMarks(TChartSeries& series) {
    TSeriesMarks& marks = series.Marks();
    if (!marks.Visible()) return;
    marks.MarksDepth = series.SlotMiddleDepth;
    TChartCanvas3D& c3 = Canvas3D();
    if (marks.Clip()) c3.ClipRectangle(PlotRect);
    DrawAllMarks(series);
    if (marks.Clip()) c3.UnclipRectangle();
}

std::string TCustomChart::SeriesMarkText(const TChartSeries& series, int index) const {
    return series.Marks().GetMarkText(index);
}

void TCustomChart::ForEachSourceValueName(const TChartSeries& series,
                                          const std::function<void(const std::string&)>& proc) {
    auto* source = dynamic_cast<const TChartSeries*>(series.DataSource());
    if (!source) return;
    for (const TChartValueList* list : source->ValueLists()) proc(list->Name());
}

std::string TCustomChart::AxisDisplayName(const TCustomChartAxis& axis) const {
    if (!axis.Title.Caption().empty()) return axis.Title.Caption();
    if (axis.DepthRole()) return "Depth Axis";
    if (axis.Horizontal()) return axis.OppositeSide() ? "Top Axis" : "Bottom Axis";
    return axis.OppositeSide() ? "Right Axis" : "Left Axis";
}

void TCustomChart::NextPage() {
    if (MaxPointsPerPage() > 0 && Page() < PageCount()) SetPage(Page() + 1);
}

void TCustomChart::PreviousPage() {
    if (MaxPointsPerPage() > 0 && Page() > 1) SetPage(Page() - 1);
}

void TCustomChart::ExchangeSeries(int a, int b) {
    TChartSeries* sa = GetSeries(a);
    TChartSeries* sb = GetSeries(b);
    SwapSeries(a, b);
    // The owner's component list keeps the same order, so a stored chart keeps it too.
    if (sa->Owner() && sa->Owner() == sb->Owner()) sa->Owner()->ExchangeComponents(sa, sb);
    Repaint();
}

TChartSeries* TCustomChart::FirstActiveSeries() const {
    for (int i = 0; i < SeriesCount(); ++i)
        if (GetSeries(i)->Active()) return GetSeries(i);
    return nullptr;
}

BrushStyle TCustomChart::PatternForIndex(int index) {
    static constexpr BrushStyle patterns[6] = {BrushStyle::Horizontal, BrushStyle::Vertical,
                                               BrushStyle::FDiagonal,  BrushStyle::BDiagonal,
                                               BrushStyle::Cross,      BrushStyle::DiagCross};
    // A negative index counts from the end so that every index gives a pattern.
    int i = index % 6;
    return patterns[i < 0 ? i + 6 : i];
}

void TCustomChart::Assign(const TCustomChart& other) {
    backImageInside = other.backImageInside;
    backWall.Assign(other.backWall);
    bottomWall.Assign(other.bottomWall);
    leftWall.Assign(other.leftWall);
    foot.Assign(other.foot);
    legend.Assign(other.legend);
    title.Assign(other.title);
    TCustomAxisPanel::Assign(static_cast<const TCustomAxisPanel&>(other));
}

}  // namespace fv
