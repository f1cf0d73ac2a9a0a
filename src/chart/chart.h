// TChart: the complete chart control. The axis panel plus the title above and the foot below, the three
// walls (back, left, bottom), the layout of the axis rectangle and the series' pixel margins, and the mouse:
// clicks on series, axes, titles, legend and background with their events, the zoom rectangle, panning,
// and the undo of a zoom back to the axis limits saved before the first zoom or pan.
//
// Mouse rules (chart_mouse.cpp):
// - A press is first offered to the click events; a handler that leaves `MouseHandled` set keeps the press
//   from starting a zoom or a pan. `MouseHandled` is false again after every press.
// - A zoom drag counts only when it is more than 16 pixels both ways: towards the lower right it zooms to the
//   rectangle, any other way it undoes the zoom. Shorter drags change nothing.
// - The first zoom or pan saves the four side axes; one UndoZoom brings them back however many followed.
// - An animated zoom repaints `AnimatedZoomSteps` - 1 in-between states; the count is capped because it
//   may come from a stored chart.
// The legend (legend.h) is laid out with the titles: a side legend before them, a top or bottom one after.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "chart/axis_panel.h"
#include "chart/legend.h"
#include "chart/walls_titles.h"

namespace fv {

enum class TChartClickedPartStyle { cpNone, cpLegend, cpAxis, cpSeries, cpTitle, cpFoot, cpChartRect };

struct TChartClickedPart {
    TChartClickedPartStyle Part = TChartClickedPartStyle::cpNone;
    int PointIndex = -1;
    TChartSeries* ASeries = nullptr;
    TCustomChartAxis* AAxis = nullptr;
};

class TCustomChart;

using TChartClick = std::function<void(TCustomChart* sender, MouseButton button, unsigned shift, int x, int y)>;
using TChartClickAxis =
    std::function<void(TCustomChart* sender, TCustomChartAxis* axis, MouseButton button, unsigned shift, int x, int y)>;
using TChartClickSeries = std::function<void(TCustomChart* sender, TChartSeries* series, int valueIndex,
                                             MouseButton button, unsigned shift, int x, int y)>;
// May change the new limits of a panned axis, or refuse the move.
using TChartAllowScrollEvent =
    std::function<void(TCustomChartAxis* axis, double& newMinimum, double& newMaximum, bool& allow)>;
using TChartGetLegendText =
    std::function<void(TCustomChart* sender, int legendStyle, int index, std::string& text)>;
// May move the legend's box before it is drawn.
using TChartGetLegendRect = std::function<void(TCustomChart* sender, PixelRect& rect)>;
// May move the text of one legend item (its symbol follows the text).
using TChartGetLegendPos = std::function<void(TCustomChart* sender, int index, int& x, int& y)>;

// The state of one side axis before the first zoom or pan.
struct TSavedAxis {
    bool Automatic = true, AutomaticMinimum = true, AutomaticMaximum = true;
    double Minimum = 0, Maximum = 0;
};

class TCustomChart : public TCustomAxisPanel {
public:
    explicit TCustomChart(Component* owner, std::string name = {});
    ~TCustomChart() override;
    const char* Kind() const override { return "Chart"; }

    // Unit-wide mouse settings; this program never changes them.
    static constexpr MouseButton ZoomButton = MouseButton::Left;
    static constexpr MouseButton PanningButton = MouseButton::Right;
    static constexpr unsigned ZoomShift = 0, PanningShift = 0;
    static constexpr double AnimatedZoomFactor = 3.0;
    // A drag shorter than this (or equal) either way is not a zoom.
    static constexpr int MinZoomDrag = 16;
    // The most in-between pictures an animated zoom draws, whatever the setting says.
    static constexpr int MaxAnimatedZoomSteps = 100;

    TChartTitle& Title() { return title; }
    void SetTitle(const TChartTitle& t) { title.Assign(t); Invalidate(); }
    TChartTitle& Foot() { return foot; }
    void SetFoot(const TChartTitle& t) { foot.Assign(t); Invalidate(); }
    TChartWall& BackWall() { return backWall; }
    void SetBackWall(const TChartWall& w) { backWall.Assign(w); Invalidate(); }
    TChartWall& LeftWall() { return leftWall; }
    void SetLeftWall(const TChartWall& w) { leftWall.Assign(w); Invalidate(); }
    TChartWall& BottomWall() { return bottomWall; }
    void SetBottomWall(const TChartWall& w) { bottomWall.Assign(w); Invalidate(); }
    bool BackImageInside() const { return backImageInside; }
    void SetBackImageInside(bool v) { Store(backImageInside, v); }
    // The back wall's colour; setting it makes the back wall's brush solid.
    TColor BackColor() const override { return backWall.GetColor(); }
    void SetBackColor(TColor c);
    TChartPen& Frame() { return backWall.Pen(); }
    TChartLegend& Legend() { return legend; }
    const TChartLegend& Legend() const { return legend; }
    void SetLegend(const TCustomChartLegend& l) { legend.Assign(l); }

    std::array<TSavedAxis, 4> SavedAxes;  // top, left, right, bottom
    bool NothingSaved = true;

    TChartAllowScrollEvent OnAllowScroll;
    TChartClickAxis OnClickAxis;
    TChartClick OnClickBackground;
    TChartClick OnClickLegend;
    TChartClickSeries OnClickSeries;
    TChartGetLegendText OnGetLegendText;
    TChartGetLegendRect OnGetLegendRect;
    TChartGetLegendPos OnGetLegendPos;

    // Layout and drawing (the axis panel draws the picture in its order).
    void CalcLegendAndPanelRect() override;
    void CalcAxisRect() override;
    void CalcSeriesMargins() override;
    int WallSizeOfAxis(TAxisSide side) const override;
    void DrawWalls() override;
    void DrawBackImage(const PixelRect& rect) override;
    // A series' marks after its points, clipped to the chart rectangle when they ask.
    void DrawSeriesMarks(TChartSeries& series) override;
    // Axes that show marks measure and write the marks' own texts.
    std::string SeriesMarkText(const TChartSeries& series, int index) const override;
    // The legend's text of an item, then OnGetLegendText. Given a series, the text is that series' item
    // `index` in the legend's text style (the marks that show legend texts); without one, `text` comes in
    // as the legend's own item text.
    virtual void GetLegendText(TChartSeries* series, int index, std::string& text);
    // Legend symbols are drawn on the legend's colour.
    TColor LegendBackColor() const override { return legend.GetColor(); }

    // Mouse.
    TChartClickedPart ClickedPart(int x, int y);
    void MouseDown(MouseButton button, unsigned shift, int x, int y) override;
    void MouseMove(unsigned shift, int x, int y) override;
    void MouseUp(MouseButton button, unsigned shift, int x, int y) override;
    virtual void ZoomToRect();
    void ZoomToRanges(double leftMin, double leftMax, double rightMin, double rightMax, double topMin,
                      double topMax, double bottomMin, double bottomMax);
    void SaveAxes();
    void UndoZoom() override;
    // Draws the chart again now on the screen canvas of the last paint (the steps of an animated zoom).
    virtual void RepaintNow();

    // When the series takes its data from a series, calls `proc` with the name of each value list of that
    // source series, in order; otherwise not at all.
    virtual void ForEachSourceValueName(const TChartSeries& series, const std::function<void(const std::string&)>& proc);

    // Names, pages, order.
    std::string AxisDisplayName(const TCustomChartAxis& axis) const;
    void NextPage();
    void PreviousPage();
    void ExchangeSeries(int a, int b);
    TChartSeries* FirstActiveSeries() const;
    static BrushStyle PatternForIndex(int index);

    void Assign(const TCustomChart& other);

private:
    void StartZoomOrPan(MouseButton button, unsigned shift, int x, int y, bool& handled);
    void BackgroundClick(MouseButton button, unsigned shift, int x, int y, bool& handled);
    // Pans the axes of one direction from `oldPos` to `newPos`; true when an axis moved.
    bool PanAxes(bool horizontal, int newPos, int oldPos);
    void PrepareWall(TChartWall& wall);
    bool AnySeriesActive() const { return FirstActiveSeries() != nullptr; }
    TCustomChartAxis* SideAxis(int i) const;  // top, left, right, bottom

    TChartTitle title{this};
    TChartTitle foot{this};
    TChartWall backWall{this};
    TChartWall leftWall{this};
    TChartWall bottomWall{this};
    bool backImageInside = false;
    TChartLegend legend{this};
};

// The chart component of the chart window.
class TChart : public TCustomChart {
public:
    explicit TChart(Component* owner, std::string name = {}) : TCustomChart(owner, std::move(name)) {}
};

// A chart of a database's records: a chart in every way, registered for chart files under its own name.
class TODBCChart : public TChart {
public:
    using TChart::TChart;
};

}  // namespace fv
