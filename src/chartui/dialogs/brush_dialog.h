// "Pattern Color Editor": the brush dialog of the chart editor. The style and colour go into the edited
// brush at once; Cancel (or closing the dialog any other way than OK) puts the brush back as it was when
// the dialog was shown.
#pragma once

#include <memory>

#include "chart/chart_pens.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/group_box.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/shape.h"
#include "program/program_form.h"

namespace fv {

class TBrushDialog : public ProgramForm {
public:
    TBrushDialog(Component* owner, Program& program, TChartBrush& brush);

    RadioGroup* RGStyle;
    GroupBox* GroupBox1;
    Shape* SHColor;
    Button* BColor;
    BitBtn* Button2;
    BitBtn* Button3;

    void FormShow(Component* sender);
    void RGStyleClick(Component* sender);
    void BColorClick(Component* sender);
    void Button3Click(Component* sender);
    void FormClose(Component* sender, CloseAction& action);

private:
    // The colour means something only for a brush that paints: none hides the swatch and its button.
    void Refresh();
    void Restore();

    TChartBrush& brush_;
    std::unique_ptr<TChartBrush> backup_;
    bool loading_ = true;
};

}  // namespace fv
