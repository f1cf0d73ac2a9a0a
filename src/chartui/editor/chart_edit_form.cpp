// The chart editor dialog and the editor component.
#include "chartui/editor/chart_edit_form.h"

#include "chart/series/pie_series.h"
#include "chartui/editor/chart_3d_page.h"
#include "chartui/editor/chart_axis_page.h"
#include "chartui/dialogs/chart_editors.h"
#include "chartui/editor/chart_general_page.h"
#include "chartui/editor/chart_legend_page.h"
#include "chartui/editor/chart_paging_page.h"
#include "chartui/editor/chart_panel_page.h"
#include "chartui/editor/chart_title_page.h"
#include "chartui/editor/chart_wall_page.h"
#include "chartui/series/series_page.h"

namespace fv {

namespace {
// The header's columns over the series list: icon, active check, colour, title.
constexpr std::array<int, 4> HeaderWidths{26, 16, 26, 216};
// High enough that the tallest chart page (axis, titles, legend, panel) lies whole on its tab.
constexpr int DialogWidth = 520, DialogHeight = 352;
constexpr int TabInsetX = 4, TabInsetTop = 24;
}  // namespace

const TChartEditorOptions& AllChartEditorOptions() {
    static const TChartEditorOptions all{ceAdd, ceDelete, ceChange, ceClone, ceDataSource, ceTitle, ceHelp};
    return all;
}

namespace {

// The dialog's series page: the series page form, owned by the dialog.
class SeriesPageOfDialog : public TEditorSeriesPage {
public:
    explicit SeriesPageOfDialog(TChartEditForm& dialog) : form_(*new TFormChartSeries(&dialog, dialog.P)) {}
    Form& PageForm() override { return form_; }
    ItemsControl& SeriesList() override { return *form_.CBSeries; }
    void SetOptions(bool dataSourceAllowed, bool showGeneral, bool showMarks) override {
        form_.SetOptions(dataSourceAllowed, showGeneral, showMarks);
    }
    void SetSeries(TChartSeries* series) override {
        form_.Series = series;
        form_.ShowSeries();
    }
    void ShowDataSourceTab() override { form_.ShowDataSource(); }
    bool AllowPageChange() override { return form_.AllowPageChange(); }
    void ClosePage() override {
        bool canClose = true;
        form_.FormCloseQuery(canClose);
    }

private:
    TFormChartSeries& form_;
};

}  // namespace

TSeriesPageFactory& ChartEditorSeriesPageFactory() {
    static TSeriesPageFactory factory = [](TChartEditForm& dialog, TCustomChart&) -> TEditorSeriesPage* {
        return new SeriesPageOfDialog(dialog);
    };
    return factory;
}

std::function<void(TEditorSeriesPage&, TCustomChart&)>& OnCreateEditSeries() {
    static std::function<void(TEditorSeriesPage&, TCustomChart&)> hook;
    return hook;
}

TChartEditForm::TChartEditForm(Component* owner, Program& program) : ProgramForm(owner, program, "ChartEditForm") {
    SetUpChartDialog(*this, "", DialogWidth, DialogHeight);

    MainPage = Add<PageControl>(this, "MainPage", 0, 0, DialogWidth, DialogHeight - 38);
    MainPage->SetAlign(Align::Top);
    auto sheet = [this](PageControl* on, const std::string& name, const std::string& caption) {
        TabSheet* t = Add<TabSheet>(on, name, TabInsetX, TabInsetTop, on->Width() - 2 * TabInsetX,
                                    on->Height() - TabInsetTop - TabInsetX, caption);
        return t;
    };
    TabChart = sheet(MainPage, "TabChart", "Chart");
    TabSeries = sheet(MainPage, "TabSeries", "Series");
    Notebook1 = Add<PageControl>(TabChart, "Notebook1", 0, 0, TabChart->Width(), TabChart->Height());
    Notebook1->SetAlign(Align::Client);
    const char* names[] = {"TabSeriesList", "TabGeneral", "TabAxis", "TabTitle", "TabLegend",
                           "TabPanel",      "TabPaging",  "TabWalls", "Tab3D"};
    const char* captions[] = {"Series", "General", "Axis", "Titles", "Legend", "Panel", "Paging", "Walls", "3D"};
    for (int i = 0; i < ChartEditorNotebookTabs; ++i) {
        tabs[std::size_t(i)] = sheet(Notebook1, names[i], captions[i]);
        tabs[std::size_t(i)]->SetTag(i);
    }
    TabSeriesList = tabs[cetMain];
    TabGeneral = tabs[cetGeneral];
    TabAxis = tabs[cetAxis];
    TabTitle = tabs[cetTitles];
    TabLegend = tabs[cetLegend];
    TabPanel = tabs[cetPanel];
    TabPaging = tabs[cetPaging];
    TabWalls = tabs[cetWalls];
    Tab3D = tabs[cet3D];

    // The series list with its column header, the move buttons on its right, the commands beside them.
    Header1 = Add<Panel>(TabSeriesList, "Header1", 8, 8, HeaderWidths[0] + HeaderWidths[1] + HeaderWidths[2] + 200, 18);
    Header1->BevelOuter = BevelKind::Raised;
    Add<Label>(Header1, "LHeaderTitle", HeaderWidths[0] + HeaderWidths[1] + HeaderWidths[2] + 2, 2, 120, 13,
               "Series Title");
    LBSeries = Add<TChartListBox>(TabSeriesList, "LBSeries", 8, 26, Header1->Width(), 200);
    BMoveUP = Add<BitBtn>(TabSeriesList, "BMoveUP", 286, 26, 25, 25, "^");
    BMoveDown = Add<BitBtn>(TabSeriesList, "BMoveDown", 286, 56, 25, 25, "v");
    BMoveUP->SetHint("Move the series up");
    BMoveDown->SetHint("Move the series down");
    BAddSeries = Add<Button>(TabSeriesList, "BAddSeries", 318, 26, 90, 25, "&Add...");
    BDeleteSeries = Add<Button>(TabSeriesList, "BDeleteSeries", 318, 58, 90, 25, "&Delete");
    BRenameSeries = Add<Button>(TabSeriesList, "BRenameSeries", 318, 90, 90, 25, "&Title...");
    BCloneSeries = Add<Button>(TabSeriesList, "BCloneSeries", 318, 122, 90, 25, "C&lone");
    BChangeTypeSeries = Add<Button>(TabSeriesList, "BChangeTypeSeries", 318, 154, 90, 25, "&Change...");

    BClose = Add<Button>(this, "BClose", DialogWidth - 88, DialogHeight - 32, 80, 25, "Close");
    BClose->Default = true;
    BClose->Cancel = true;
    BClose->ModalResult = MrCancel;

    // As created: no chart, no series, every option, the series list showing.
    MainPage->SetActivePage(TabChart);
    Notebook1->SetActivePage(TabSeriesList);

    OnShow = [this](Component* s) { FormShow(s); };
    OnClose = [this](Component* s, CloseAction& a) { FormClose(s, a); };
    Notebook1->OnChange = [this](Component* s) { Notebook1Change(s); };
    MainPage->OnChange = [this](Component* s) { MainPageChange(s); };
    MainPage->OnChanging = [this](Component* s, bool& allow) { MainPageChanging(s, allow); };
    BMoveUP->OnClick = [this](Component* s) { BMoveUPClick(s); };
    BMoveDown->OnClick = [this](Component* s) { BMoveDownClick(s); };
    BAddSeries->OnClick = [this](Component* s) { BAddSeriesClick(s); };
    BDeleteSeries->OnClick = [this](Component* s) { BDeleteSeriesClick(s); };
    BRenameSeries->OnClick = [this](Component* s) { BRenameSeriesClick(s); };
    BCloneSeries->OnClick = [this](Component* s) { BCloneSeriesClick(s); };
    BChangeTypeSeries->OnClick = [this](Component* s) { BChangeTypeSeriesClick(s); };
    LBSeries->OnDblClickSeries = [this](Component* s, int index) { LBSeriesEditSeries(s, index); };
    LBSeries->OnOtherItemsChange = [this](Component* s) { LBSeriesOtherItemsChange(s); };
    LBSeries->OnRefresh = [this](Component* s) { LBSeriesRefreshButtons(s); };
}

bool TChartEditForm::TabShown(int tab) const { return NotebookTab(tab)->Parent() == Notebook1; }

void TChartEditForm::FormShow(Component*) {
    P.App.SetScreenCursor(Cursor::Default);
    LBSeries->SetChart(TheChart);
    for (int c = 0; c < 4; ++c) LBSeries->SetSectionWidth(c, HeaderWidths[std::size_t(c)]);
    if (Caption().empty() && TheChart) SetCaption("Editing " + TheChart->Name());
    // A hidden tab leaves the notebook; the series page's own tabs are hidden when it is made.
    for (TChartEditorTab tab : HiddenTabs)
        if (tab < ChartEditorNotebookTabs) {
            if (Notebook1->ActivePage() == NotebookTab(tab)) Notebook1->SetActivePage(nullptr);
            NotebookTab(tab)->SetParent(nullptr);
        }
    // The series page's tabs are not on the notebook: such a first tab opens the series list.
    if (CheckTab >= ChartEditorNotebookTabs) CheckTab = cetMain;
    if (CheckTab != -1 && TabShown(CheckTab)) {
        Notebook1->SetActivePage(NotebookTab(CheckTab));
        Notebook1Change(Notebook1);
    } else if (!Notebook1->ActivePage() || !TabShown(Notebook1->ActivePage()->Tag())) {
        const std::vector<TabSheet*> shown = Notebook1->Pages();
        Notebook1->SetActivePage(shown.empty() ? nullptr : shown.front());
        if (!shown.empty()) Notebook1Change(Notebook1);
    }
    if (TheActiveSeries) {
        for (int i = 0; i < LBSeries->Count(); ++i)
            if (LBSeries->Series(i) == TheActiveSeries) LBSeries->SetItemIndex(i);
        LBSeriesEditSeries(LBSeries, LBSeries->ItemIndex());
    }
}

bool TChartEditForm::RotationAllowed() const {
    if (!TheChart) return true;
    if (TheChart->Canvas3D().AllowsFreeRotation()) return true;
    return dynamic_cast<TPieSeries*>(TheChart->FirstActiveSeries()) == nullptr;
}

Form* TChartEditForm::CreatePage(int tab) {
    if (!TheChart) return nullptr;
    TCustomChart& chart = *TheChart;
    switch (tab) {
    case cetGeneral: return Make<TFormChartGeneral>(P, chart);
    case cetAxis:
        if (!TheAxis) TheAxis = chart.LeftAxis();
        return Make<TFormChartAxis>(P, chart, *TheAxis);
    case cetTitles:
        if (!TheTitle) TheTitle = &chart.Title();
        return Make<TFormChartTitle>(P, chart, *TheTitle);
    case cetLegend: return Make<TFormChartLegend>(P, chart);
    case cetPanel: return Make<TFormChartPanel>(P, chart);
    case cetPaging: return Make<TFormChartPage>(P, chart);
    case cetWalls:
        if (!TheWall) TheWall = &chart.LeftWall();
        return Make<TFormChartWall>(P, chart, *TheWall);
    case cet3D: return Make<TFormChart3D>(P, chart);
    default: return nullptr;
    }
}

void TChartEditForm::PlacePage(Form& page, TabSheet& tab) {
    // The page stands on the tab, filling it, as a part of the dialog: its controls stay its own, with its
    // handlers, and take the focus on the dialog.
    page.SetBorder(FormBorder::None);
    page.SetParent(&tab);
    page.SetBounds(0, 0, tab.Width(), tab.Height());
    page.Show();
}

void TChartEditForm::Notebook1Change(Component*) {
    TabSheet* active = Notebook1->ActivePage();
    if (!active) return;
    const int tab = active->Tag();
    if (tab != cetMain && !pages.at(std::size_t(tab)) && active->Controls().empty()) {
        if (Form* page = CreatePage(tab)) {
            pages[std::size_t(tab)] = page;
            if (auto* page3D = dynamic_cast<TFormChart3D*>(page)) page3D->AllowRotation = RotationAllowed();
            PlacePage(*page, *active);
        }
    }
    if (tab == cet3D)
        if (auto* page3D = dynamic_cast<TFormChart3D*>(Page(cet3D))) {
            page3D->AllowRotation = RotationAllowed();
            page3D->CheckRotation();
        }
}

void TChartEditForm::ShowSeriesPage() {
    if (!formSeries) {
        TSeriesPageFactory& factory = ChartEditorSeriesPageFactory();
        if (!factory || !TheChart) return;
        formSeries.reset(factory(*this, *TheChart));
        if (!formSeries) return;
        formSeries->SetOptions(EditorOptions.count(ceDataSource) > 0, HiddenTabs.count(cetSeriesGeneral) == 0,
                               HiddenTabs.count(cetSeriesMarks) == 0);
        LBSeries->OtherItems = &formSeries->SeriesList();
        LBSeries->FillSeriesList(LBSeries->SelectedSeries());
        if (OnCreateEditSeries()) OnCreateEditSeries()(*formSeries, *TheChart);
        PlacePage(formSeries->PageForm(), *TabSeries);
    }
    formSeries->SetSeries(LBSeries->SelectedSeries());
    LBSeriesOtherItemsChange(LBSeries);
}

void TChartEditForm::MainPageChange(Component*) {
    if (MainPage->ActivePage() == TabSeries) ShowSeriesPage();
}

void TChartEditForm::MainPageChanging(Component*, bool& allowChange) {
    if (formSeries) allowChange = formSeries->AllowPageChange();
}

void TChartEditForm::FormClose(Component*, CloseAction&) {
    if (formSeries) formSeries->ClosePage();
}

void TChartEditForm::BMoveUPClick(Component*) { LBSeries->MoveSeriesUp(); }
void TChartEditForm::BMoveDownClick(Component*) { LBSeries->MoveSeriesDown(); }

void TChartEditForm::BAddSeriesClick(Component*) {
    TChartSeries* added = LBSeries->AddSeriesFromGallery();
    if (!added || !added->SeriesFunction()) return;
    // A calculated series needs its sources next: straight to its data source.
    MainPage->SetActivePage(TabSeries);
    ShowSeriesPage();
    if (formSeries) formSeries->ShowDataSourceTab();
}

void TChartEditForm::BDeleteSeriesClick(Component*) { LBSeries->DeleteSelectedSeries(); }

void TChartEditForm::BRenameSeriesClick(Component*) {
    LBSeries->RenameSelectedSeries();
    LBSeries->SetFocus();
}

void TChartEditForm::BCloneSeriesClick(Component*) { LBSeries->CloneSelectedSeries(); }
void TChartEditForm::BChangeTypeSeriesClick(Component*) { LBSeries->ChangeSelectedSeriesType(); }

void TChartEditForm::LBSeriesEditSeries(Component*, int) {
    if (LBSeries->ItemIndex() < 0) return;
    MainPage->SetActivePage(TabSeries);
    ShowSeriesPage();
}

void TChartEditForm::LBSeriesOtherItemsChange(Component*) {
    if (formSeries) formSeries->SeriesList().SetItemIndex(LBSeries->ItemIndex());
}

void TChartEditForm::LBSeriesRefreshButtons(Component*) {
    const bool any = TheChart && TheChart->SeriesCount() > 0;
    const bool one = LBSeries->SelCount() <= 1;
    // Series of an inherited form would stay; this program has no form inheritance.
    const bool inherited = false;
    const int index = LBSeries->ItemIndex();
    auto allowed = [this](TChartEditorOption o) { return EditorOptions.count(o) > 0; };
    BAddSeries->SetEnabled(allowed(ceAdd));
    BDeleteSeries->SetEnabled(any && !inherited && allowed(ceDelete));
    BRenameSeries->SetEnabled(any && one && allowed(ceTitle));
    BChangeTypeSeries->SetEnabled(any && !inherited && allowed(ceChange));
    BCloneSeries->SetEnabled(any && one && allowed(ceClone));
    BMoveDown->SetEnabled(any && one && index >= 0 && index < LBSeries->Count() - 1);
    BMoveUP->SetEnabled(any && one && index > 0);
}

// --- the editor component

TCustomChartEditor::TCustomChartEditor(Component* owner, Program& program, std::string name)
    : Component(owner, std::move(name)), P(program) {}

TCustomChartEditor::~TCustomChartEditor() = default;

void TCustomChartEditor::SetChart(TCustomChart* chart) {
    if (chart_ == chart) return;
    if (chart_) RemoveFreeNotification(chart_);
    chart_ = chart;
    if (chart_) FreeNotification(chart_);
}

void TCustomChartEditor::Notification(Component* gone) {
    if (gone == chart_) chart_ = nullptr;
}

void TChartEditor::Execute() {
    TCustomChart* chart = Chart();
    if (!chart) return;
    {
        TemporaryDialog<TChartEditForm> dialog(P);
        dialog->SetCaption(Title);
        dialog->TheChart = chart;
        dialog->EditorOptions = Options;
        dialog->CheckTab = DefaultTab;
        dialog->HiddenTabs = HideTabs;
        struct Closing {
            TChartEditor& editor;
            TChartEditForm& form;
            ~Closing() {
                if (editor.OnClose) editor.OnClose(&form);
            }
        } closing{*this, *dialog};
        if (OnShow) OnShow(&*dialog);
        if (!AutoRepaint) {
            const bool before = chart->AutoRepaint();
            chart->SetAutoRepaint(false);
            struct Restore {
                TCustomChart& chart;
                bool before;
                ~Restore() { chart.SetAutoRepaint(before); }
            } restore{*chart, before};
            dialog->ShowModal();
        } else {
            dialog->ShowModal();
        }
        if (!AutoRepaint) chart->Repaint();
    }
    // The press that opened the editor is still to come to the chart: it must not start a zoom.
    chart->MouseHandled = true;
}

void EditChartPage(Component*, Program& program, TCustomChart& chart, int tab) {
    TemporaryDialog<TChartEditForm> dialog(program);
    dialog->TheChart = &chart;
    dialog->CheckTab = tab;
    dialog->ShowModal();
}

void EditChart(Component* owner, Program& program, TCustomChart& chart) { EditChartPage(owner, program, chart, cetMain); }

}  // namespace fv
