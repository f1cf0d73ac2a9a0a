// The print preview's paper: a picture of the printer page with the chart on it where it will print, and
// the chart's rectangle moved or resized on the paper with the mouse, which sets the chart's print margins.
//
// Rules:
// - The paper keeps the page's proportions and lies whole in the control at every size: a portrait page
//   fills 90 % of the control's height and is centred across, a landscape page 90 % of its width and is
//   centred down; when the other side would then pass 90 % of the control, that side takes the 90 %.
// - The chart is laid out as it is for its rectangle on the page (the printer's pixels), and drawn shrunk
//   into its rectangle on the paper, which holds all of it: the preview shows what the paper gets.
// - A drag never takes an edge past the paper or past the opposite edge of the chart; a move keeps the
//   whole rectangle on the paper. Each drag step sets the margins in whole percent and reports them.
// - A page of no size (no printer) gives a paper of the control's height or width.
#pragma once

#include <array>
#include <functional>

#include "chart/chart_panel.h"
#include "platform/app/application.h"
#include "platform/gfx/canvas.h"
#include "platform/ui/control.h"

namespace fv {

// Where a point lies on the chart's rectangle: what a press there drags.
enum TPreviewHit : int {
    phNone = 0, phLeft = 1, phTop = 2, phRight = 3, phBottom = 4, phMove = 5,
    phTopLeft = 6, phTopRight = 7, phBottomLeft = 8, phBottomRight = 9,
};

using TChangeMarginsEvent = std::function<void(Component* sender, bool byDrag, const PixelRect& margins)>;

class TChartPreviewPage : public Control {
public:
    TChartPreviewPage(Component* owner, std::string name, Application& app);
    const char* Kind() const override { return "ChartPreviewPage"; }

    TCustomChartPanel* Image() const { return image; }
    void SetImage(TCustomChartPanel* panel);
    bool AllowResize = true;
    bool AllowMove = true;
    // Draw and print the chart as a bitmap instead of as drawing calls.
    bool AsBitmap = false;
    // Repaint the chart at every drag step; else only the guide lines move.
    bool DragImage = false;
    Color PaperColor = ClWhite;
    // The colour around the paper.
    Color BackColor = ClBtnFace;
    bool ShowImage = true;
    bool ShowMargins() const { return showMargins; }
    void SetShowMargins(bool v);
    TChangeMarginsEvent OnChangeMargins;

    // Geometry of the last layout (the control's pixels).
    PixelRect PaperRect;
    PixelRect ChartRect;
    int DragCode() const { return dragCode; }

    // Lays the paper and the chart rectangle out for the control's size and the printer's page.
    void CalcRects();
    // The paper for a control's client size and a printer page size.
    static PixelRect PaperRectFor(Size client, Size page);
    // The paper shrunk by print margins in percent (left, top, right, bottom).
    static PixelRect ChartRectFor(const PixelRect& paper, const std::array<int, 4>& margins);
    // A rectangle on the paper of the last layout as the printer's pixels on the page (the paper's own
    // pixels from its corner when there is no page).
    PixelRect PageRectOf(const PixelRect& rect) const;
    int HitTest(int x, int y) const;
    static Cursor CursorOfHit(int code);
    // The guide lines' colour: white on a silver or grey paper, else silver.
    Color GuideColor() const;
    void Paint(Canvas& canvas);
    bool DrawsItself() const override { return true; }
    void DrawFace(Canvas& canvas) override { Paint(canvas); }
    // Prints the chart with the page's settings; an hourglass while it runs.
    void PrintImage();

    void MouseDown(MouseButton b, unsigned shift, int x, int y) override;
    void MouseUp(MouseButton b, unsigned shift, int x, int y) override;
    void MouseMove(unsigned shift, int x, int y) override;

private:
    void DrawGuides(Canvas& canvas) const;
    void DrawChart(Canvas& canvas);
    // Takes the margins from the chart rectangle and reports them.
    void MarginsFromChartRect();
    Application& app;
    TCustomChartPanel* image = nullptr;
    bool showMargins = true;
    int dragCode = phNone;
    Point dragStart;
    PixelRect startRect;
    // Where the chart is drawn: during a drag without DragImage it stays where the drag started and only
    // the guide lines follow the pointer.
    PixelRect imageRect;
    bool imageRectHeld = false;
};

}  // namespace fv
