// The chart toolbar: its buttons, the mouse hooks on its chart, the drag steps and the status texts.
#include "chartui/window/chart_commander.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "chart/axis_panel.h"
#include "chart/chart.h"
#include "chart/series/pie_series.h"
#include "chartui/window/chart_preview.h"
#include "platform/gfx/pixel_math.h"
#include "program/program.h"

namespace fv {

int WrapAngle(int a) {
    if (a >= 0 && a <= 360) return a;
    const int r = a % 360;
    if (r == 0) return a > 0 ? 360 : 0;
    return r < 0 ? r + 360 : r;
}

namespace {

std::string Format(const char* pattern, int a) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, pattern, a);
    return buffer;
}

std::string Format(const char* pattern, int a, int b) {
    char buffer[96];
    std::snprintf(buffer, sizeof buffer, pattern, a, b);
    return buffer;
}

}  // namespace

// ---- the base: the panel and its mouse ----

TCustomChartCommander::TCustomChartCommander(Component* owner, std::string name) : Panel(owner, std::move(name)) {
    SetBounds(0, 0, 400, 33);
    BevelOuter = BevelKind::Raised;
    SetColor(ClBtnFace);
}

TCustomChartCommander::~TCustomChartCommander() {
    if (panel) {
        panel->OnMouseDown = nullptr;
        panel->OnMouseMove = nullptr;
        panel->OnMouseUp = nullptr;
    }
}

void TCustomChartCommander::SetPanel(TCustomChartPanel* value) {
    panel = value;
    if (panel) HookPanel();
    EnableControls(panel != nullptr);
}

void TCustomChartCommander::HookPanel() {
    panel->OnMouseDown = [this](Component* s, MouseButton b, unsigned shift, int x, int y) {
        ChartMouseDown(b, shift, x, y);
        if (OnChartMouseDown && IsNormalMode()) OnChartMouseDown(s, b, shift, x, y);
    };
    panel->OnMouseMove = [this](Component* s, unsigned shift, int x, int y) {
        ChartMouseMove(shift, x, y);
        if (OnChartMouseMove && IsNormalMode()) OnChartMouseMove(s, shift, x, y);
    };
    panel->OnMouseUp = [this](Component* s, MouseButton b, unsigned shift, int x, int y) {
        ChartMouseUp(b, shift, x, y);
        if (OnChartMouseUp && IsNormalMode()) OnChartMouseUp(s, b, shift, x, y);
    };
}

void TCustomChartCommander::EnableControls(bool enabled) {
    for (Control* c : Controls()) c->SetEnabled(enabled);
}

// ---- the toolbar ----

TChartCommander::TChartCommander(Component* owner, Program& program, std::string name)
    : TCustomChartCommander(owner, std::move(name)), program(program) {
    Normal = AddMode("Normal", 4);
    AddSeparator(32);
    Rotate = AddMode("Rotate", 36);
    Move = AddMode("Move", 61);
    Zoom = AddMode("Zoom", 86);
    Depth = AddMode("Depth", 111);
    AddSeparator(137);
    Edit = AddCommand("Edit", 142);
    Print = AddCommand("Print", 172);
    Copy = AddCommand("Copy", 202);
    StatusLabel = Make<Label>("StatusLabel");
    StatusLabel->SetBounds(StatusLeft, 12, std::max(0, Width() - StatusLeft - 4), 13);
    Font f = StatusLabel->GetFont();
    f.FontColor = 0x800000;
    StatusLabel->SetFont(f);
    StatusLabel->SetParent(this);
    Normal->SetDown(true);

    Edit->OnClick = [this](Component*) {
        if (dynamic_cast<TCustomAxisPanel*>(panel) && OnEditChart) OnEditChart(*panel);
    };
    Print->OnClick = [this](Component*) {
        if (panel) ChartPreview(nullptr, this->program, *panel);
    };
    Copy->OnClick = [this](Component*) {
        if (panel) panel->CopyToClipboardBitmap(this->program.App.Raster(), this->program.App.Clipboard());
    };
    EnableControls(false);
}

SpeedButton* TChartCommander::AddMode(const std::string& hint, int left) {
    auto* b = Make<SpeedButton>(hint + "Button");
    b->SetBounds(left, 4, 25, 25);
    b->GroupIndex = 1;
    b->SetHint(hint);
    b->SetShowHint(true);
    b->Glyph = "chart" + hint + ".bmp";
    b->SetParent(this);
    b->OnClick = [this](Component*) { ShowModeText(); };
    return b;
}

BitBtn* TChartCommander::AddCommand(const std::string& hint, int left) {
    auto* b = Make<BitBtn>(hint + "Button");
    b->SetBounds(left, 3, 27, 27);
    b->SetTabStop(false);
    b->SetHint(hint);
    b->SetShowHint(true);
    b->Glyph = "chart" + hint + ".bmp";
    b->SetParent(this);
    return b;
}

void TChartCommander::AddSeparator(int left) {
    auto* bevel = Make<Bevel>();
    bevel->BevelShape = Bevel::Shape::LeftLine;
    bevel->SetBounds(left, 1, 2, Height() - 2);
    bevel->SetParent(this);
}

void TChartCommander::SetLabelValues(bool v) {
    labelValues = v;
    StatusLabel->SetVisible(v);
}

void TChartCommander::EnableControls(bool enabled) {
    TCustomChartCommander::EnableControls(enabled);
    const bool axisChart = enabled && dynamic_cast<TCustomAxisPanel*>(panel) != nullptr;
    Depth->SetEnabled(axisChart);
    Edit->SetEnabled(axisChart);
}

TPieSeries* TChartCommander::FirstActivePie() const {
    auto* chart = dynamic_cast<TCustomChart*>(panel);
    if (!chart) return nullptr;
    for (int i = 0; i < chart->SeriesCount(); ++i)
        if (auto* pie = dynamic_cast<TPieSeries*>(chart->GetSeries(i)); pie && pie->Active()) return pie;
    return nullptr;
}

std::string TChartCommander::PanelWord() const {
    return dynamic_cast<TCustomAxisPanel*>(panel) ? "Chart" : "Panel";
}

void TChartCommander::ShowModeText() {
    if (!labelValues) {
        StatusLabel->Hide();
        return;
    }
    const std::string word = PanelWord();
    std::string text;
    if (Rotate->Down()) text = "Drag " + word + " to Rotate";
    else if (Move->Down()) text = "Drag " + word + " to Move";
    else if (Zoom->Down()) text = "Drag " + word + " to Zoom";
    else if (Depth->Down()) text = "Drag " + word + " to resize 3D";
    else if (FirstActivePie()) text = "Drag a Pie Slice to Explode it";
    else text = "Drag Left button to Zoom, Right button to Scroll";
    StatusLabel->SetCaption(text);
}

void TChartCommander::SetBounds(int left, int top, int width, int height) {
    TCustomChartCommander::SetBounds(left, top, width, height);
    if (StatusLabel) StatusLabel->SetBounds(StatusLeft, 12, std::max(0, width - StatusLeft - 4), 13);
}

void TChartCommander::ShowValues() {
    if (!panel) return;
    const TView3DOptions& o = panel->View3DOptions();
    if (Rotate->Down()) {
        StatusLabel->SetCaption(Format("Rotation: %d\xC2\xB0 Elevation: %d\xC2\xB0", o.Rotation(), o.Elevation()));
    } else if (Move->Down()) {
        StatusLabel->SetCaption(Format("Horiz.Offset: %d Vert.Offset: %d", o.HorizOffset(), o.VertOffset()));
    } else if (Zoom->Down()) {
        StatusLabel->SetCaption(Format("Zoom: %d %%", o.Zoom()));
    } else if (Depth->Down()) {
        if (dynamic_cast<TCustomAxisPanel*>(panel)) StatusLabel->SetCaption(Format("3D: %d %%", panel->Chart3DPercent()));
    } else if (TPieSeries* pie = FirstActivePie(); pie && clickedSlice != -1) {
        StatusLabel->SetCaption(
            Format("Slice: %d Exploded: %d %%", clickedSlice, pie->ExplodedSlices.Value(clickedSlice)));
    } else {
        StatusLabel->SetCaption({});
    }
    StatusLabel->Repaint();
}

void TChartCommander::ChartMouseDown(MouseButton, unsigned, int x, int y) {
    TPieSeries* pie = FirstActivePie();
    if (!pie && Normal->Down()) return;
    dragging = true;
    startX = x;
    startY = y;
    turnCarry = tiltCarry = 0;
    clickedSlice = pie ? pie->Clicked(x, y) : -1;
    if (auto* chart = dynamic_cast<TCustomAxisPanel*>(panel)) chart->MouseHandled = true;
}

void TChartCommander::RotateStep(int x, int y) {
    TView3DOptions& o = panel->View3DOptions();
    o.SetOrthogonal(false);
    const bool free = panel->Canvas3D().AllowsFreeRotation();
    TPieSeries* pie = FirstActivePie();
    // A panel of no width or height gives no angle: that half of the step is skipped.
    if (panel->Width() > 0) {
        // The step is rounded to whole degrees; what the rounding left carries to the next step, so a
        // slow drag turns as far as a fast one.
        const double turn = turnCarry + (x - startX) * 90.0 / panel->Width();
        const int dx = RoundPixel(turn);
        turnCarry = turn - dx;
        if (free) {
            o.SetRotation(WrapAngle(o.Rotation() + dx));
        } else if (pie) {
            // A pie is seen from the front and turns about its own centre instead.
            o.SetRotation(360);
            if (dx != 0) pie->SetRotationAngle(WrapAngle(pie->RotationAngle() + dx) % 360);
        } else if (dx > 0) {
            o.SetRotation(std::min(360, o.Rotation() + dx));
        } else {
            o.SetRotation(std::max(270, o.Rotation() + dx));
        }
    }
    if (panel->Height() > 0) {
        const double tilt = tiltCarry + (startY - y) * 90.0 / panel->Height();
        int dy = RoundPixel(tilt);
        tiltCarry = tilt - dy;
        if (pie) dy = -dy;
        if (free) o.SetElevation(WrapAngle(o.Elevation() + dy));
        else if (dy > 0) o.SetElevation(std::min(360, o.Elevation() + dy));
        else o.SetElevation(std::max(270, o.Elevation() + dy));
    }
    startX = x;
    startY = y;
}

void TChartCommander::ZoomStep(int y) {
    if (panel->PlotHeight == 0) return;
    TView3DOptions& o = panel->View3DOptions();
    o.SetZoom(std::max(5, o.Zoom() + RoundPixel((startY - y) * 10.0 / panel->PlotHeight)));
}

void TChartCommander::DepthStep(int x, int y) {
    if (!dynamic_cast<TCustomAxisPanel*>(panel)) return;
    const int diagonal = RoundPixel(std::hypot(double(panel->PlotWidth), double(panel->PlotHeight)));
    if (diagonal == 0) return;
    const int distance = RoundPixel(std::hypot(double(x - startX), double(y - startY)));
    const int d = RoundPixel(200.0 * distance / diagonal);
    if (d >= 1) panel->SetChart3DPercent(std::min(100, d));
}

void TChartCommander::ExplodeStep(TPieSeries& pie, int x, int y) {
    const int radius = RoundPixel(std::hypot(double(pie.XRadius), double(pie.YRadius)));
    if (radius == 0) return;  // a pie not laid out yet has no radius to measure the drag by
    const int distance = RoundPixel(std::hypot(double(x - startX), double(y - startY)));
    pie.ExplodedSlices.SetValue(clickedSlice, std::min(100, RoundPixel(100.0 * distance / radius)));
}

void TChartCommander::ChartMouseMove(unsigned, int x, int y) {
    if (!dragging || !panel) return;
    dragging = false;
    const bool viewStep = Rotate->Down() || Move->Down() || Zoom->Down() || Depth->Down();
    if (viewStep) panel->SetView3D(true);
    if (Rotate->Down()) {
        RotateStep(x, y);
    } else if (Move->Down()) {
        TView3DOptions& o = panel->View3DOptions();
        o.SetHorizOffset(o.HorizOffset() + x - startX);
        o.SetVertOffset(o.VertOffset() + y - startY);
        startX = x;
        startY = y;
    } else if (Zoom->Down()) {
        ZoomStep(y);
    } else if (Depth->Down()) {
        DepthStep(x, y);
    } else if (TPieSeries* pie = FirstActivePie(); pie && clickedSlice != -1) {
        ExplodeStep(*pie, x, y);
    }
    dragging = true;
    if (labelValues) ShowValues();
}

void TChartCommander::ChartMouseUp(MouseButton, unsigned, int, int) {
    dragging = false;
    clickedSlice = -1;
}

}  // namespace fv
