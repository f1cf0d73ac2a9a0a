// The "Axis" page of the chart editor: one axis of the chart at a time (left, right, top, bottom or depth)
// on five tabs: scales, title, labels, ticks and position. Every control writes into the edited axis at
// once; the limits and the increment are asked for in their own small dialogs.
//
// Rules of the page:
// - While a tab is being filled from the axis (the loading flag) the up-downs write nothing back.
// - The angle up-downs step 0 to 360 by 90; 360 is the same direction as 0 and is written as 0.
// - A start position at or above the end position, or an end at or below the start, is refused: the
//   up-down goes back to the axis' value.
// - Logarithmic is refused by an axis of dates or with a negative limit: the box is unchecked again and
//   the axis' message goes on to the user.
// - A limit the axis refuses (a maximum under the minimum) leaves the Auto box and the axis as they were.
#pragma once

#include "chart/chart.h"
#include "chartui/editor/chart_page_form.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/page_control.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/tab_sheet.h"
#include "platform/ui/up_down.h"

namespace fv {

class TFormChartAxis : public TChartPageForm {
public:
    TFormChartAxis(Component* owner, Program& program, TCustomChart& chart, TCustomChartAxis& axis);

    CheckBox* CBShow;
    RadioGroup* RGWhich;
    CheckBox* CBVisible;
    PageControl* PageAxis;
    TabSheet* TabScales;
    TabSheet* TabTitle;
    TabSheet* TabLabels;
    TabSheet* TabTicks;
    TabSheet* TabPositions;
    // Scales.
    CheckBox* CBAutomatic;
    CheckBox* CBAutoMax;
    CheckBox* CBAutoMin;
    Button* BAxisMax;
    Button* BAxisMin;
    Button* BIncre;
    CheckBox* CBLogarithmic;
    CheckBox* CBInverted;
    Label* LAxisMax;
    Label* LAxisMin;
    Label* LAxisIncre;
    // Title.
    Edit* ETitle;
    Edit* SETitleAngle;
    UpDown* UDTitleAngle;
    Edit* SETitleSize;
    UpDown* UDTitleSize;
    Button* BTitleFont;
    // Labels.
    CheckBox* CBLabels;
    RadioGroup* RGLabelStyle;
    CheckBox* CBOnAxis;
    CheckBox* CBRoundFirst;
    CheckBox* CBMultiline;
    Edit* SESepar;
    UpDown* UDSepar;
    Edit* SELabelsSize;
    UpDown* UDLabelsSize;
    Edit* SELabelsAngle;
    UpDown* UDLabelsAngle;
    Label* LabelAxisFormat;
    Edit* EValuesFormat;
    Button* BLabelsFont;
    // Ticks.
    Button* BAxisPen;
    Button* BTickPen;
    Button* BTickInner;
    Button* BTickMinor;
    Button* BAxisGrid;
    Edit* SEAxisTickLength;
    UpDown* UDAxisTickLength;
    Edit* SEInnerTicksLength;
    UpDown* UDInnerTicksLength;
    Edit* SEAxisMinorTickLen;
    UpDown* UDAxisMinorTickLen;
    Edit* SEMinorCount;
    UpDown* UDMinorCount;
    CheckBox* CBTickOnLabels;
    CheckBox* CBGridCentered;
    // Position.
    Edit* EPos;
    UpDown* UDPos;
    Edit* EStart;
    UpDown* UDStart;
    Edit* EEnd;
    UpDown* UDEnd;

    TCustomChartAxis& TheAxis() const { return *axis_; }
    TCustomChart& TheChart() const { return chart_; }

    void FormShow(Component* sender);
    void RGWhichClick(Component* sender);
    void CBShowClick(Component* sender);
    void CBVisibleClick(Component* sender);
    void PageAxisChange(Component* sender);
    void CBAutomaticClick(Component* sender);
    void CBAutoMaxClick(Component* sender);
    void BAxisMaxClick(Component* sender);
    void BAxisMinClick(Component* sender);
    void BIncreClick(Component* sender);
    void CBLogarithmicClick(Component* sender);
    void EValuesFormatChange(Component* sender);
    void EStartChange(Component* sender);
    void EEndChange(Component* sender);

private:
    // The axis of an item of RGWhich and back.
    TCustomChartAxis& AxisOfItem(int item) const;
    int ItemOfAxis(const TCustomChartAxis& axis) const;
    // Fills the active tab from the axis; the loading flag is off afterwards.
    void LoadTab();
    void LoadScales();
    void LoadTitle();
    void LoadLabels();
    void LoadTicks();
    void LoadPositions();
    // Asks for the maximum or the minimum.
    void ChangeLimit(bool maximum);
    // A check box or an up-down that writes one setting of the axis.
    void BindBox(CheckBox* box, void (TCustomChartAxis::*set)(bool));
    void BindUpDown(UpDown* updown, void (TCustomChartAxis::*set)(int));
    void BindPen(Button* button, TChartPen& (*pen)(TCustomChartAxis&));
    // A number with its label and up-down (range min..max, arrows stepping by step).
    Edit* AddNumber(TabSheet* tab, const std::string& editName, const std::string& upDownName,
                    const std::string& caption, int left, int top, int min, int max, int step, UpDown*& updown);

    TCustomChart& chart_;
    TCustomChartAxis* axis_;
    bool loading_ = true;
};

}  // namespace fv
