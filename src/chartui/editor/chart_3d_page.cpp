// The 3D page of the chart editor.
#include "chartui/editor/chart_3d_page.h"

#include <string>

#include "chart/chart_units.h"

namespace fv {

TFormChart3D::TFormChart3D(Component* owner, Program& program, TCustomChart& chart)
    : TChartPageForm(owner, program, "FormChart3D", 400, 230), TheChart(chart) {
    GB3D = Add<GroupBox>(this, "GB3D", 8, 4, 384, 220);
    CBView3d = Add<CheckBox>(GB3D, "CBView3d", 12, 18, 110, 17, "&3 Dimensions");
    const NumberField percent = AddNumberField(GB3D, "L3D", "SE3d", "UD3D", "3&D %:", 130, 16, 38, 2, 36, 1, 100, 5);
    L3D = percent.label;
    SE3d = percent.edit;
    UD3D = percent.updown;
    CBOrthogonal = Add<CheckBox>(GB3D, "CBOrthogonal", 236, 18, 110, 17, "&Orthogonal");

    // One row per scroll bar: its caption, the bar, and the value it holds.
    int row = 48;
    auto bar = [&](const std::string& name, const std::string& caption, int min, int max, Label*& text,
                   Label*& value) {
        text = Add<Label>(GB3D, "L" + name + "Text", 12, row + 2, 90, 13, caption);
        ScrollBar* b = Add<ScrollBar>(GB3D, "SB" + name, 106, row, 212, 17);
        b->SetRange(min, max);
        value = Add<Label>(GB3D, "L" + name, 324, row + 2, 50, 13);
        row += 28;
        return b;
    };
    SBZoom = bar("Zoom", "&Zoom:", 1, 500, LZoomText, LZoom);
    SBZoom->LargeChange = 20;
    SBRotation = bar("Rotation", "&Rotation:", 270, 360, LRotationText, LRotation);
    SBElevation = bar("Elevation", "E&levation:", 270, 360, LElevationText, LElevation);
    SBHOffset = bar("HOffset", "&Horiz. Offset:", -1500, 1500, LHOffsetText, LHOffset);
    SBVOffset = bar("VOffset", "&Vert. Offset:", -1500, 1500, LVOffsetText, LVOffset);
    CBZoomText = Add<CheckBox>(GB3D, "CBZoomText", 12, row + 4, 110, 17, "Zoom &Text");

    OnShow = [this](Component* s) { FormShow(s); };
    CBView3d->OnClick = [this](Component* s) { CBView3dClick(s); };
    SE3d->OnChange = [this](Component* s) { SE3dChange(s); };
    CBOrthogonal->OnClick = [this](Component* s) { CBOrthogonalClick(s); };
    SBZoom->OnChange = [this](Component* s) { SBZoomChange(s); };
    SBRotation->OnChange = [this](Component* s) { SBRotationChange(s); };
    SBElevation->OnChange = [this](Component* s) { SBElevationChange(s); };
    SBHOffset->OnChange = [this](Component* s) { SBHOffsetChange(s); };
    SBVOffset->OnChange = [this](Component* s) { SBVOffsetChange(s); };
    CBZoomText->OnClick = [this](Component* s) { CBZoomTextClick(s); };
}

void TFormChart3D::FormShow(Component*) {
    loading = true;
    const bool view3D = TheChart.View3D();
    CBView3d->SetChecked(view3D);
    SE3d->SetEnabled(view3D);
    UD3D->SetEnabled(view3D);
    UD3D->SetPosition(TheChart.Chart3DPercent());
    const int minAngle = TheChart.Canvas3D().AllowsFreeRotation() ? 1 : 270;
    SBRotation->SetRange(minAngle, 360);
    SBElevation->SetRange(minAngle, 360);
    CBOrthogonal->SetEnabled(view3D && AllowRotation);
    CBOrthogonal->SetChecked(Options().Orthogonal());
    // The bars write what they are given back into the options: the same values, so nothing changes.
    SBZoom->SetPosition(Options().Zoom());
    SBRotation->SetPosition(Options().Rotation());
    SBElevation->SetPosition(Options().Elevation());
    SBHOffset->SetPosition(Options().HorizOffset());
    SBVOffset->SetPosition(Options().VertOffset());
    CBZoomText->SetChecked(Options().ZoomText());
    LZoom->SetCaption(std::to_string(SBZoom->Position()) + "%");
    LRotation->SetCaption(std::to_string(SBRotation->Position()));
    LElevation->SetCaption(std::to_string(SBElevation->Position()));
    LHOffset->SetCaption(std::to_string(SBHOffset->Position()));
    LVOffset->SetCaption(std::to_string(SBVOffset->Position()));
    EnableControls(view3D, {SBHOffset, SBVOffset, SBZoom, CBZoomText});
    SBElevation->SetEnabled(view3D && !Options().Orthogonal());
    SBRotation->SetEnabled(CBOrthogonal->Enabled() && !Options().Orthogonal());
    loading = false;
}

void TFormChart3D::CBView3dClick(Component*) {
    if (loading) return;
    const bool view3D = CBView3d->Checked();
    TheChart.SetView3D(view3D);
    EnableControls(view3D, {SE3d, UD3D, SBHOffset, SBVOffset, SBZoom, CBZoomText});
    CBOrthogonal->SetEnabled(view3D && AllowRotation);
    SBElevation->SetEnabled(view3D && !Options().Orthogonal());
    SBRotation->SetEnabled(SBElevation->Enabled() && AllowRotation);
}

void TFormChart3D::SE3dChange(Component*) {
    if (!loading) TheChart.SetChart3DPercent(UD3D->Position());
}

void TFormChart3D::CBOrthogonalClick(Component*) {
    if (loading) return;
    Options().SetOrthogonal(CBOrthogonal->Checked());
    SBRotation->SetEnabled(!Options().Orthogonal() && AllowRotation);
    SBElevation->SetEnabled(!Options().Orthogonal());
}

void TFormChart3D::SBZoomChange(Component*) {
    if (loading) return;
    Options().SetZoom(SBZoom->Position());
    LZoom->SetCaption(std::to_string(SBZoom->Position()) + "%");
}

void TFormChart3D::SBRotationChange(Component*) {
    if (loading) return;
    Options().SetRotation(SBRotation->Position());
    LRotation->SetCaption(std::to_string(SBRotation->Position()));
}

void TFormChart3D::SBElevationChange(Component*) {
    if (loading) return;
    Options().SetElevation(SBElevation->Position());
    LElevation->SetCaption(std::to_string(SBElevation->Position()));
}

void TFormChart3D::SBHOffsetChange(Component*) {
    if (loading) return;
    Options().SetHorizOffset(SBHOffset->Position());
    LHOffset->SetCaption(std::to_string(SBHOffset->Position()));
}

void TFormChart3D::SBVOffsetChange(Component*) {
    if (loading) return;
    Options().SetVertOffset(SBVOffset->Position());
    LVOffset->SetCaption(std::to_string(SBVOffset->Position()));
}

void TFormChart3D::CBZoomTextClick(Component*) {
    if (!loading) Options().SetZoomText(CBZoomText->Checked());
}

void TFormChart3D::CheckRotation() {
    CBOrthogonal->SetEnabled(TheChart.View3D() && AllowRotation);
    SBRotation->SetEnabled(CBOrthogonal->Enabled() && !Options().Orthogonal());
}

}  // namespace fv
