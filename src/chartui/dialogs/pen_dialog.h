// "Border Color Editor": the pen dialog of the chart editor. Every control writes into the edited pen at
// once; Cancel (or closing the dialog any other way than OK) puts the pen back as it was when the dialog
// was shown and tells the pen's owner.
#pragma once

#include <memory>

#include "chart/chart_pens.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/shape.h"
#include "platform/ui/up_down.h"
#include "program/program_form.h"

namespace fv {

class TPenDialog : public ProgramForm {
public:
    // plain: the pen stands in for a plain canvas pen, which has no visibility and no small dots.
    TPenDialog(Component* owner, Program& program, TChartPen& pen, bool plain);

    CheckBox* CBVisible;
    Label* LWidth;
    Edit* SEWidth;
    UpDown* UDWidth;
    RadioGroup* RGStyle;
    GroupBox* GroupBox1;
    Shape* SHColor;
    Button* BColor;
    BitBtn* Button1;
    BitBtn* Button3;

    void FormShow(Component* sender);
    void RGStyleClick(Component* sender);
    void SEWidthChange(Component* sender);
    void CBVisibleClick(Component* sender);
    void BColorClick(Component* sender);
    void Button3Click(Component* sender);
    void FormClose(Component* sender, CloseAction& action);

    TChartPen& ThePen() const { return pen_; }

private:
    // The item that stands for small dots (the last one), when the pen can have them.
    int SmallDotsItem() const { return plain_ ? -1 : 5; }
    void Restore();

    TChartPen& pen_;
    bool plain_;
    std::unique_ptr<TChartPen> backup_;
    bool loading_ = true;
};

}  // namespace fv
