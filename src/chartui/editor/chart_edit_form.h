// The chart editor: one modal dialog that edits every setting of a chart. The "Chart" tab holds the list
// of series with its commands and the chart's pages (general, axis, titles, legend, panel, paging, walls,
// 3D); the "Series" tab holds the series page on the series chosen in the list. Every change goes into the
// chart at once: there is no undo and no OK button, only Close.
//
// Rules:
// - Each page is made on its tab's first visit (CreatePage is the one place that knows them), placed on
//   the tab and shown; it lives as long as the dialog.
// - A hidden tab is taken off the notebook. A first tab that is hidden, or that names one of the series
//   page's tabs (which are not on the notebook), leaves the dialog on the series list.
// - The series commands are enabled by the options and the selection (LBSeriesRefreshButtons).
// - The series page, when one is installed, may refuse leaving the "Series" tab.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <set>
#include <string>

#include "chart/chart.h"
#include "chartui/series/series_list_box.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/label.h"
#include "platform/ui/page_control.h"
#include "platform/ui/panel.h"
#include "platform/ui/tab_sheet.h"
#include "program/program_form.h"

namespace fv {

enum TChartEditorOption { ceAdd, ceDelete, ceChange, ceClone, ceDataSource, ceTitle, ceHelp };
using TChartEditorOptions = std::set<TChartEditorOption>;
// Every option: what an editor allows unless told otherwise.
const TChartEditorOptions& AllChartEditorOptions();

enum TChartEditorTab {
    cetMain, cetGeneral, cetAxis, cetTitles, cetLegend, cetPanel, cetPaging, cetWalls, cet3D, cetSeriesGeneral,
    cetSeriesMarks
};
using TChartEditorHiddenTabs = std::set<TChartEditorTab>;
// The notebook's tabs are cetMain .. cet3D.
constexpr int ChartEditorNotebookTabs = 9;

// The series page as the dialog drives it; the series page implements it.
class TEditorSeriesPage {
public:
    virtual ~TEditorSeriesPage() = default;
    virtual Form& PageForm() = 0;
    // The page's series drop-down, which the series list keeps filled.
    virtual ItemsControl& SeriesList() = 0;
    virtual void SetOptions(bool dataSourceAllowed, bool showGeneral, bool showMarks) = 0;
    // The series to edit (none: no series); the page then refreshes itself for it.
    virtual void SetSeries(TChartSeries* series) = 0;
    virtual void ShowDataSourceTab() = 0;
    // Whether the dialog may leave the page now.
    virtual bool AllowPageChange() = 0;
    // The dialog closes: the page's own close handling.
    virtual void ClosePage() = 0;
};

class TChartEditForm;

// Makes the series page of a dialog (the dialog frees it); none installed means no series page.
using TSeriesPageFactory = std::function<TEditorSeriesPage*(TChartEditForm& dialog, TCustomChart& chart)>;
TSeriesPageFactory& ChartEditorSeriesPageFactory();
// Told of every series page the dialog makes, with the chart; none by default.
std::function<void(TEditorSeriesPage& page, TCustomChart& chart)>& OnCreateEditSeries();

class TChartEditForm : public ProgramForm {
public:
    TChartEditForm(Component* owner, Program& program);

    PageControl* MainPage;
    TabSheet* TabChart;
    TabSheet* TabSeries;
    PageControl* Notebook1;
    TabSheet* TabSeriesList;
    TabSheet* TabGeneral;
    TabSheet* TabAxis;
    TabSheet* TabTitle;
    TabSheet* TabLegend;
    TabSheet* TabPanel;
    TabSheet* TabPaging;
    TabSheet* TabWalls;
    TabSheet* Tab3D;
    Panel* Header1;
    TChartListBox* LBSeries;
    BitBtn* BMoveUP;
    BitBtn* BMoveDown;
    Button* BAddSeries;
    Button* BDeleteSeries;
    Button* BRenameSeries;
    Button* BCloneSeries;
    Button* BChangeTypeSeries;
    Button* BClose;

    // State, set before the dialog is shown.
    TCustomChart* TheChart = nullptr;
    TChartSeries* TheActiveSeries = nullptr;  // the series to open the series page on
    int CheckTab = -1;                        // the first tab, -1 for none
    TChartEditorHiddenTabs HiddenTabs;
    TChartEditorOptions EditorOptions = AllChartEditorOptions();
    // What the chart's pages edit besides the chart; chosen on their first use.
    TCustomChartAxis* TheAxis = nullptr;
    TChartTitle* TheTitle = nullptr;
    TChartWall* TheWall = nullptr;

    // The notebook tab of a TChartEditorTab (cetMain .. cet3D), and its page once made.
    TabSheet* NotebookTab(int tab) const { return tabs.at(std::size_t(tab)); }
    Form* Page(int tab) const { return pages.at(std::size_t(tab)); }
    TEditorSeriesPage* SeriesPage() const { return formSeries.get(); }
    // Whether the rotation may be changed on the 3D page: not for a pie on a canvas that cannot rotate freely.
    bool RotationAllowed() const;

    void FormShow(Component* sender);
    void Notebook1Change(Component* sender);
    void MainPageChange(Component* sender);
    void MainPageChanging(Component* sender, bool& allowChange);
    void FormClose(Component* sender, CloseAction& action);
    void BMoveUPClick(Component* sender);
    void BMoveDownClick(Component* sender);
    void BAddSeriesClick(Component* sender);
    void BDeleteSeriesClick(Component* sender);
    void BRenameSeriesClick(Component* sender);
    void BCloneSeriesClick(Component* sender);
    void BChangeTypeSeriesClick(Component* sender);
    void LBSeriesEditSeries(Component* sender, int index);
    void LBSeriesOtherItemsChange(Component* sender);
    void LBSeriesRefreshButtons(Component* sender);

private:
    // The page of a notebook tab, made on the chart (or its axis, title or wall); none for the series list.
    Form* CreatePage(int tab);
    // Places a page on its tab, filling it, and shows it.
    void PlacePage(Form& page, TabSheet& tab);
    void ShowSeriesPage();
    bool TabShown(int tab) const;

    std::array<TabSheet*, ChartEditorNotebookTabs> tabs{};
    std::array<Form*, ChartEditorNotebookTabs> pages{};
    std::unique_ptr<TEditorSeriesPage> formSeries;  // made on first use, freed with the dialog
};

// The editor component: the chart to edit and how the dialog opens on it.
class TCustomChartEditor : public Component {
public:
    TCustomChartEditor(Component* owner, Program& program, std::string name = {});
    ~TCustomChartEditor() override;
    TCustomChart* Chart() const { return chart_; }
    void SetChart(TCustomChart* chart);
    NotifyEvent OnClose, OnShow;
    virtual void Execute() = 0;

protected:
    void Notification(Component* gone) override;
    Program& P;

private:
    TCustomChart* chart_ = nullptr;
};

class TChartEditor : public TCustomChartEditor {
public:
    using TCustomChartEditor::TCustomChartEditor;
    // Off: the chart does not repaint while the dialog is open, and repaints once after it.
    bool AutoRepaint = true;
    TChartEditorTab DefaultTab = cetMain;
    TChartEditorHiddenTabs HideTabs;
    TChartEditorOptions Options = AllChartEditorOptions();
    // The dialog's caption; empty gives "Editing " and the chart's name.
    std::string Title;
    // Nothing without a chart. The chart ignores the mouse press still pending when the dialog closes.
    void Execute() override;
};

// The dialog on the chart, opened on one tab (a TChartEditorTab).
void EditChartPage(Component* owner, Program& program, TCustomChart& chart, int tab);
void EditChart(Component* owner, Program& program, TCustomChart& chart);

}  // namespace fv
