// The editor of a polar or radar series: circled, closed circle, rotation, the radii (0 = automatic), the
// angle and radius increments of the grid, the circle's pen and back colour, the line's pen and the
// sectors' pattern, and the labels round the circle; the pointer on a "Point" tab.
//
// Rules:
// - A radar spaces its points evenly, so it has no rotation and no angle increment: those fields (labels,
//   edits and up-downs) show only for a polar series.
// - The spin fields wait for the end of the first show. The rotation runs from 0 to 360 in steps of 5
//   (360 is 0 again), the radii from 0 to 2000, the angle increment from 0 to 360 and the radius
//   increment from 0 to 32767; the increments are the chart axes' and are shown rounded.
// - The line's pen gives the series its colour.
#pragma once

#include "chart/extended/polar_series.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

class TPolarSeriesEditor : public TSeriesEditorForm {
public:
    TPolarSeriesEditor(Component* owner, Program& program, TCustomPolarSeries& series);

    CheckBox* CBCircled;
    CheckBox* CheckBox1;
    Button* BPiePen;
    Button* Button2;
    Button* BBrush;
    Button* BBackPieColor;
    Label* LRotation;
    Edit* SERotation;
    UpDown* UDRotation;
    Label* LAngleInc;
    Edit* SEAngleInc;
    UpDown* UDAngleInc;
    Label* LXRadius;
    Edit* SEXRadius;
    UpDown* UDXRadius;
    Label* LYRadius;
    Edit* SEYRadius;
    UpDown* UDYRadius;
    Label* LRadiusInc;
    Edit* SERadiusInc;
    UpDown* UDRadiusInc;
    GroupBox* GBLabels;
    CheckBox* CBAngleLabels;
    CheckBox* CBLabelsRot;
    Button* Button1;

    TCustomPolarSeries& Series;

    void FormShow(Component* sender);
    void CBCircledClick(Component* sender);
    void CheckBox1Click(Component* sender);
    void SERotationChange(Component* sender);
    void SEXRadiusChange(Component* sender);
    void SEYRadiusChange(Component* sender);
    void SEAngleIncChange(Component* sender);
    void SERadiusIncChange(Component* sender);
    void BPiePenClick(Component* sender);
    void Button2Click(Component* sender);
    void BBrushClick(Component* sender);
    void BBackPieColorClick(Component* sender);
    void CBAngleLabelsClick(Component* sender);
    void CBLabelsRotClick(Component* sender);
    void Button1Click(Component* sender);

private:
    // The series as a polar series; null for a radar.
    TPolarSeries* Polar() const { return dynamic_cast<TPolarSeries*>(&Series); }
};

}  // namespace fv
