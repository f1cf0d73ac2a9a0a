// The "Legend" page of the chart editor: every control writes into the chart's legend at once. The margin
// field edits the margin across the legend's side: the horizontal margin of a legend on the left or the
// right, the vertical margin of one at the top or the bottom.
#pragma once

#include "chart/chart.h"
#include "chartui/editor/chart_page_form.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/up_down.h"

namespace fv {

class TFormChartLegend : public TChartPageForm {
public:
    TFormChartLegend(Component* owner, Program& program, TCustomChart& chart);

    CheckBox* CBShow;
    Button* BColor;
    Button* BFont;
    Button* BFrame;
    Button* BDivLines;
    CheckBox* CBResizeChart;
    CheckBox* CBInverted;
    ComboBox* CBLegendStyle;
    ComboBox* CBLegStyle;
    Edit* SETopPos;
    UpDown* UDTopPos;
    Edit* SEColWi;
    UpDown* UDColWi;
    GroupBox* GB1;
    Button* BShadow;
    Edit* SEShadowSize;
    UpDown* UDShadowSize;
    GroupBox* GB7;
    RadioButton* RBLeft;
    RadioButton* RBRight;
    RadioButton* RBTop;
    RadioButton* RBBottom;
    Edit* SEMargin;
    UpDown* UDMargin;

    TChartLegend& TheLegend() const { return chart_.Legend(); }

    void FormShow(Component* sender);
    void SEMarginChange(Component* sender);

private:
    // A position button: the legend goes to that side and the margin field shows its margin.
    void BindSide(RadioButton* button, TLegendAlignment side);
    void LoadMargin();
    Edit* AddNumber(Control* parent, const std::string& editName, const std::string& upDownName,
                    const std::string& caption, int left, int top, int labelWidth, int max, int step,
                    UpDown*& updown);

    TCustomChart& chart_;
    bool loading_ = true;
};

}  // namespace fv
