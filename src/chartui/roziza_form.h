// The chart window: which rows and fields of the database to plot, the chart, its toolbar and scroll bar.
// The chart itself comes with the chart engine; until then ChartVue is the panel the chart will fill, and
// the window already keeps the choices and sizes the database's files remember.
#pragma once

#include "chartui/chart_scroll_bar.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

class TRozizAForm : public ProgramForm {
public:
    TRozizAForm(Component* owner, Program& program);

    Panel* MainPanel;
    Panel* Panel1;
    Label* Label1;
    Label* Label2;
    Edit* WhichRows;
    Edit* WhichFields;
    CheckBox* WhichRowsCheckBox;
    Button* ReDrawButton;
    Button* StoreImageButton;
    Button* CloseButton;
    GroupBox* RozizAView;
    Label* Label3;
    Panel* ChartVue;
    Panel* Panel2;
    Panel* ChartCommander;
    Button* DownButton;
    Button* UpButton;
    TChartScrollBar* ChartScrollBar1;

    void WhichRowsChange(Component* sender);
    void CloseButtonClick(Component* sender);
};

}  // namespace fv
