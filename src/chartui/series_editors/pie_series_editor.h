// The pie series editor: circled, 3D (the chart's), explode biggest, rotation, dark 3D, patterns, the
// radii (0 = automatic), the border pen, the grouping of small slices and the order of the values.
//
// Rules:
// - A radius of 0 is automatic: typing 0 checks its "Auto" box, another radius unchecks it, and checking
//   the box sets the radius to 0. The boxes start checked and are not loaded from the series.
// - "&3 Dimensions" is disabled when the series has no chart.
// - The "Other" label and value are enabled for any grouping style but "None".
// - "Default" order leaves the values as they are; "Ascending"/"Descending" sort them.
#pragma once

#include "chart/series/pie_series.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

class TPieSeriesEditor : public TSeriesEditorForm {
public:
    TPieSeriesEditor(Component* owner, Program& program, TChartSeries& series);

    CheckBox* CBCircled;
    CheckBox* CB3D;
    CheckBox* CBDark3d;
    CheckBox* CBPatterns;
    Edit* SERotation;
    UpDown* UDRotation;
    Edit* SEExpBig;
    UpDown* UDExpBig;
    Edit* SEXRadius;
    UpDown* UDXRadius;
    CheckBox* CBAutoXR;
    Edit* SEYRadius;
    UpDown* UDYRadius;
    CheckBox* CBAutoYR;
    Button* BPiePen;
    Button* BBackPieColor;
    GroupBox* GBOther;
    ComboBox* CBOther;
    Edit* EOtherValue;
    Edit* EOtherLabel;
    Label* LOrder;
    ComboBox* CBOrder;

    TPieSeries& Series;

    void FormShow(Component* sender);
    void CBCircledClick(Component* sender);
    void CB3DClick(Component* sender);
    void CBDark3dClick(Component* sender);
    void SERotationChange(Component* sender);
    void SEExpBigChange(Component* sender);
    void SEXRadiusChange(Component* sender);
    void SEYRadiusChange(Component* sender);
    void CBAutoXRClick(Component* sender);
    void CBAutoYRClick(Component* sender);
    void BPiePenClick(Component* sender);
    void CBPatternsClick(Component* sender);
    void BBackPieColorClick(Component* sender);
    void CBOtherChange(Component* sender);
    void EOtherValueChange(Component* sender);
    void EOtherLabelChange(Component* sender);
    void CBOrderChange(Component* sender);
};

}  // namespace fv
