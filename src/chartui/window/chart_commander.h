// The chart toolbar: a panel above a chart whose mode buttons turn mouse drags on the chart into changes of
// the 3D view (rotate, move, zoom, depth), with Edit, Print and Copy buttons and a status label showing the
// mode and the values as they change.
//
// Rules:
// - In Normal mode a press is the chart's own (zoom rectangle, panning); in the other modes the toolbar
//   takes it, and the chart ignores it.
// - Rotation without a canvas that turns freely stays within 270..360 degrees, as does the elevation; a
//   canvas that turns freely wraps both into 0..360 however far one step goes.
// - Zoom stays at 5 % or more. A step over a chart of no size changes nothing.
// - In Normal mode a press on a chart with an active pie series drags the slice under it out of the pie
//   (at most 100 % of the radius); without one, Normal never drags. Rotating such a chart turns the pie.
#pragma once

#include <functional>
#include <string>

#include "chart/chart_panel.h"
#include "platform/ui/bevel.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/speed_button.h"

namespace fv {

class Program;
class TPieSeries;

// An angle of a free turn brought into 0..360 (360 stays), however far a fast drag took it.
int WrapAngle(int angle);

class TCustomChartCommander : public Panel {
public:
    explicit TCustomChartCommander(Component* owner, std::string name = {});
    ~TCustomChartCommander() override;
    const char* Kind() const override { return "Panel"; }

    TCustomChartPanel* GetPanel() const { return panel; }
    // Takes over the panel's mouse events and enables the buttons (disables them without a panel).
    void SetPanel(TCustomChartPanel* value);
    MouseEvent OnChartMouseDown, OnChartMouseUp;
    std::function<void(Component* sender, unsigned shift, int x, int y)> OnChartMouseMove;

    virtual void EnableControls(bool enabled);

protected:
    virtual void ChartMouseDown(MouseButton button, unsigned shift, int x, int y) {}
    virtual void ChartMouseMove(unsigned shift, int x, int y) {}
    virtual void ChartMouseUp(MouseButton button, unsigned shift, int x, int y) {}
    virtual bool IsNormalMode() const { return true; }
    TCustomChartPanel* panel = nullptr;

private:
    void HookPanel();
};

class TChartCommander : public TCustomChartCommander {
public:
    TChartCommander(Component* owner, Program& program, std::string name = {});

    SpeedButton* Normal;
    SpeedButton* Rotate;
    SpeedButton* Move;
    SpeedButton* Zoom;
    SpeedButton* Depth;
    BitBtn* Edit;
    BitBtn* Print;
    BitBtn* Copy;
    Label* StatusLabel = nullptr;
    // Where the status label begins, right of the buttons.
    static constexpr int StatusLeft = 234;

    // The status label takes the width the buttons leave, so its texts are not cut.
    void SetBounds(int left, int top, int width, int height) override;

    bool LabelValues() const { return labelValues; }
    void SetLabelValues(bool v);
    void EnableControls(bool enabled) override;
    // "Chart" for a chart with axes, else "Panel": the word the mode texts use.
    std::string PanelWord() const;
    // The first active pie series of the chart, in series order; none for a panel that is not a chart.
    TPieSeries* FirstActivePie() const;
    // The pie slice the drag started on; -1 for none.
    int ClickedSlice() const { return clickedSlice; }
    bool Dragging() const { return dragging; }
    // Opens the chart editor on the chart (the editor dialog is not part of the toolbar).
    std::function<void(TCustomChartPanel& chart)> OnEditChart;

protected:
    void ChartMouseDown(MouseButton button, unsigned shift, int x, int y) override;
    void ChartMouseMove(unsigned shift, int x, int y) override;
    void ChartMouseUp(MouseButton button, unsigned shift, int x, int y) override;
    bool IsNormalMode() const override { return Normal->Down(); }

private:
    SpeedButton* AddMode(const std::string& hint, int left);
    BitBtn* AddCommand(const std::string& hint, int left);
    void AddSeparator(int left);
    void ShowModeText();
    void ShowValues();
    void RotateStep(int x, int y);
    void ZoomStep(int y);
    void DepthStep(int x, int y);
    void ExplodeStep(TPieSeries& pie, int x, int y);

    Program& program;
    bool labelValues = true;
    bool dragging = false;
    int startX = 0, startY = 0;
    // The fractions of a degree the rotation's rounding left, carried along one drag.
    double turnCarry = 0, tiltCarry = 0;
    int clickedSlice = -1;
};

}  // namespace fv
