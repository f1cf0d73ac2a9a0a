// "3D": the chart editor's page of the chart's 3D view. Every control writes into the chart (View3D,
// Chart3DPercent) or into its 3D view options at once; each scroll bar shows its value in the label
// beside it ("n%" for the zoom).
//
// Rules of what is enabled:
// - Without "3 Dimensions" every other 3D control is disabled.
// - Rotation needs permission: the dialog withholds it for a pie chart on a canvas that cannot rotate
//   freely. Without it Orthogonal and Rotation stay disabled.
// - Orthogonal disables Rotation and Elevation.
// - Rotation and Elevation run from 270 to 360 (from 1 on a canvas that rotates freely).
#pragma once

#include "chart/chart.h"
#include "chartui/editor/chart_page_form.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/up_down.h"

namespace fv {

class TFormChart3D : public TChartPageForm {
public:
    TFormChart3D(Component* owner, Program& program, TCustomChart& chart);

    GroupBox* GB3D;
    CheckBox* CBView3d;
    Label* L3D;
    Edit* SE3d;
    UpDown* UD3D;
    CheckBox* CBOrthogonal;
    Label* LZoomText;
    ScrollBar* SBZoom;
    Label* LZoom;
    Label* LRotationText;
    ScrollBar* SBRotation;
    Label* LRotation;
    Label* LElevationText;
    ScrollBar* SBElevation;
    Label* LElevation;
    Label* LHOffsetText;
    ScrollBar* SBHOffset;
    Label* LHOffset;
    Label* LVOffsetText;
    ScrollBar* SBVOffset;
    Label* LVOffset;
    CheckBox* CBZoomText;

    TCustomChart& TheChart;
    // Whether the chart may be rotated; the dialog sets it before the page is updated.
    bool AllowRotation = true;

    void FormShow(Component* sender);
    void CBView3dClick(Component* sender);
    void SE3dChange(Component* sender);
    void CBOrthogonalClick(Component* sender);
    void SBZoomChange(Component* sender);
    void SBRotationChange(Component* sender);
    void SBElevationChange(Component* sender);
    void SBHOffsetChange(Component* sender);
    void SBVOffsetChange(Component* sender);
    void CBZoomTextClick(Component* sender);
    // After AllowRotation changed: Orthogonal and Rotation follow it.
    void CheckRotation();

private:
    TView3DOptions& Options() { return TheChart.View3DOptions(); }
    bool loading = true;
};

}  // namespace fv
