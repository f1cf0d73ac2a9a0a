// The chart window's controls and the handlers that do not need the chart.
#include "chartui/roziza_form.h"
#include "chartui/chart_scroll_bar.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"

namespace fv {

namespace {
const char* const ViewHint =
    "Drag a Box around an area of your chart to 'Zoom' in, or resize the Window for a larger view of your Chart.";
}  // namespace

TRozizAForm::TRozizAForm(Component* owner, Program& program) : ProgramForm(owner, program, "RozizAForm") {
    SetCaption("RozizAForm");
    SetBounds(0, 0, 649, 400);
    Position = FormPosition::ScreenCenter;

    MainPanel = Add<Panel>(this, "MainPanel", 8, 6, 625, 353);
    Panel1 = Add<Panel>(MainPanel, "Panel1", 8, 6, 609, 49);
    Label1 = Add<Label>(Panel1, "Label1", 8, 6, 120, 13, "Graph which rows ?");
    WhichRows = Add<Edit>(Panel1, "WhichRows", 8, 22, 130, 21, "WhichRows");
    WhichRows->SetHint(
        "Specify which rows in your data qualify, for example  [ 1,2,3,4,9 ] or a single range of rows: [ 5-35 ]");
    WhichRowsCheckBox = Add<CheckBox>(Panel1, "WhichRowsCheckBox", 146, 24, 170, 17, "or, Check here for all rows");
    WhichRowsCheckBox->SetChecked(true);
    WhichRowsCheckBox->SetHint("Check here to include all rows in your chart");
    Label2 = Add<Label>(Panel1, "Label2", 322, 6, 180, 13, "Graph which fields in each row ?");
    WhichFields = Add<Edit>(Panel1, "WhichFields", 322, 22, 110, 21, "1,2,5,7");
    WhichFields->SetHint("Specify which fields in each row to plot in a graph, for example [ 1,2,3,6,7 ]");
    ReDrawButton = Add<Button>(Panel1, "ReDrawButton", 440, 20, 60, 25, "ReDraw");
    CloseButton = Add<Button>(Panel1, "CloseButton", 506, 20, 95, 25, "Close");

    RozizAView = Add<GroupBox>(MainPanel, "RozizAView", 8, 60, 609, 279);
    RozizAView->SetHint(ViewHint);
    Panel2 = Add<Panel>(RozizAView, "Panel2", 16, 18, 382, 34);
    ChartCommander = Add<Panel>(Panel2, "ChartCommander", 1, 1, 380, 32);
    ChartCommander->SetHint("Click on the Ruler and Pencil Icon to change the Style, Settings and Axes of the Chart");
    Label3 = Add<Label>(RozizAView, "Label3", 404, 18, 70, 13, "Scale Chart");
    DownButton = Add<Button>(RozizAView, "DownButton", 404, 34, 41, 17, "Down");
    UpButton = Add<Button>(RozizAView, "UpButton", 449, 34, 41, 17, "Up");
    StoreImageButton = Add<Button>(RozizAView, "StoreImageButton", 496, 26, 105, 25, "Save Image to Bitmap");
    ChartVue = Add<Panel>(RozizAView, "ChartVue", 16, 58, 577, 195);
    ChartVue->SetColor(ClWhite);
    ChartVue->SetHint(ViewHint);
    // Disabled until the chart it scrolls is bound to it.
    ChartScrollBar1 = Add<TChartScrollBar>(RozizAView, "ChartScrollBar1", 16, 255, 577, 17);
    ChartScrollBar1->SetPosition(15000);
    ChartScrollBar1->SetHint(ViewHint);

    WhichRows->OnChange = [this](Component* s) { WhichRowsChange(s); };
    CloseButton->OnClick = [this](Component* s) { CloseButtonClick(s); };
}

void TRozizAForm::WhichRowsChange(Component*) {
    const std::string& rows = WhichRows->Text();
    WhichRowsCheckBox->SetChecked(rows.empty() || rows == " " || rows == "(null)");
}

void TRozizAForm::CloseButtonClick(Component*) {
    // Closing always counts as a change of the chart, so the next save writes the chart settings file.
    P.ChartModified = 1;
    Close();
}

}  // namespace fv
