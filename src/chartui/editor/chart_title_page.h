// The "Titles" page of the chart editor: the chart's title or its foot, chosen in a drop-down. Every control
// writes into the edited title at once; the memo holds the title's lines in the title's own font and
// colour, and changes the title only when its lines differ from the title's.
#pragma once

#include "chart/chart.h"
#include "chartui/editor/chart_page_form.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/memo.h"
#include "platform/ui/radio_group.h"

namespace fv {

class TFormChartTitle : public TChartPageForm {
public:
    TFormChartTitle(Component* owner, Program& program, TCustomChart& chart, TChartTitle& title);

    ComboBox* CBTitles;
    Memo* MText;
    CheckBox* CBVisible;
    CheckBox* CBAdjust;
    RadioGroup* RGAlign;
    Button* BFont;
    Button* BFrame;
    Button* BBrush;
    Button* BColor;

    TChartTitle& TheTitle() const { return *title_; }

    void FormShow(Component* sender);
    void CBTitlesChange(Component* sender);
    void MTextChange(Component* sender);
    void RGAlignClick(Component* sender);
    void BFontClick(Component* sender);
    void BColorClick(Component* sender);

private:
    void LoadTitle();
    // The memo in the title's font, on the title's colour (a readable one when the colour is automatic).
    void ShowMemoLook();

    TCustomChart& chart_;
    TChartTitle* title_;
    bool filling_ = false;
};

}  // namespace fv
