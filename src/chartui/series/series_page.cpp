// The series page of the chart editor: the series chosen, its editor embedded, its general and marks
// settings; the "Data Source" tab is the chooser's.
#include "chartui/series/series_page.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "chart/axis_panel.h"
#include "chart/chart_units.h"
#include "chartui/dialogs/chart_editors.h"
#include "chartui/dialogs/number_text.h"
#include "chartui/series/hold_flag.h"
#include "chartui/series_editors/series_editors.h"

namespace fv {

namespace {

const char* const ApplyQuestion = "Apply Changes?";

std::map<std::string, SeriesEditorFactory>& SeriesEditors() {
    static std::map<std::string, SeriesEditorFactory> editors;
    return editors;
}

std::string WithoutCr(const std::string& ident) { return ident.rfind("cr", 0) == 0 ? ident.substr(2) : ident; }

}  // namespace

void RegisterSeriesEditor(const std::string& className, SeriesEditorFactory factory) {
    SeriesEditors()[className] = std::move(factory);
}

void UnregisterSeriesEditor(const std::string& className) { SeriesEditors().erase(className); }

const SeriesEditorFactory* FindSeriesEditor(const std::string& className) {
    if (className.empty()) return nullptr;
    auto it = SeriesEditors().find(className);
    return it == SeriesEditors().end() ? nullptr : &it->second;
}

std::string SeriesTypeDescription(const TChartSeries& series) {
    const ChartClass* cls = ChartClassOf(series);
    for (const auto& entry : ChartSeriesTypes().Items())
        if (cls && entry->SeriesClass == cls && !entry->FunctionClass) return entry->Description;
    return cls ? cls->Name : std::string();
}

// ---------------------------------------------------------------------------------------------------------
// The sources object

void TChartEditSources::Clear() {
    DataSet = nullptr;
    LabelsField.clear();
    for (TChartEditSource& row : Rows) row.FieldName.clear();
}

void TChartEditSources::SetSeries(TChartSeries* series) {
    Series = series;
    Clear();
    if (!series) return;
    if (Component* source = series->DataSource(); source && !dynamic_cast<TChartSeries*>(source)) DataSet = source;
    LabelsField = series->XLabelsSource();
    const auto& lists = series->ValueLists();
    for (std::size_t i = 0; i < Rows.size() && i < lists.size(); ++i) Rows[i].FieldName = lists[i]->ValueSource();
}

// ---------------------------------------------------------------------------------------------------------
// Building the page

TFormChartSeries::TFormChartSeries(Component* owner, Program& program) : ProgramForm(owner, program, "FormChartSeries") {
    Updating = true;
    SetBorder(FormBorder::None);
    SetClientSize(411, 264);
    Font f = GetFont();
    f.Name = "MS Sans Serif";
    f.Size = 8;
    SetFont(f);

    CBSeries = Add<ComboBox>(this, "CBSeries", 8, 6, 190, 21);
    CBSeries->Style = ComboBox::ComboStyle::DropDownList;
    ImageSeries = Add<Image>(this, "ImageSeries", 206, 4, 25, 25);
    LabelSeriesClass = Add<Label>(this, "LabelSeriesClass", 238, 10, 170, 13);
    PageSeries = Add<PageControl>(this, "PageSeries", 0, 32, 411, 232);
    PageSeries->Hide();
    TheTabSheet = Add<TabSheet>(PageSeries, "TheTabSheet", 0, 0, 403, 204, "Format");
    TabGeneral = Add<TabSheet>(PageSeries, "TabGeneral", 0, 0, 403, 204, "General");
    TabMarks = Add<TabSheet>(PageSeries, "TabMarks", 0, 0, 403, 204, "Marks");
    TabDataSource = Add<TabSheet>(PageSeries, "TabDataSource", 0, 0, 403, 204, "Data Source");
    PageSeries->SetActivePage(TheTabSheet);
    BuildGeneral();
    BuildMarks();
    DataSourceChooser.Build();

    OnShow = [this](Component* s) { FormShow(s); };
    OnClose = [this](Component*, CloseAction&) {
        bool canClose = true;
        FormCloseQuery(canClose);
    };
    CBSeries->OnChange = [this](Component* s) { CBSeriesChange(s); };
    PageSeries->OnChange = [this](Component* s) {
        PageSeriesChange(s);
        // An editor's tab shows the series as it is now (the "Point" tab and "Format" can both set a size).
        for (Form* editor : EmbeddedEditors)
            if (auto* e = dynamic_cast<TSeriesEditorForm*>(editor); e && e->Parent() == PageSeries->ActivePage())
                e->Reload();
    };
    PageSeries->OnChanging = [this](Component* s, bool& allow) { PageSeriesChanging(s, allow); };
}

TFormChartSeries::~TFormChartSeries() {
    // The editors are this form's components; they go with it. Only the list is dropped here.
    EmbeddedEditors.clear();
}

void TFormChartSeries::BuildGeneral() {
    CBShowInLegend = Add<CheckBox>(TabGeneral, "CBShowInLegend", 8, 8, 130, 17, "&Show In Legend");
    LabelCursor = Add<Label>(TabGeneral, "LabelCursor", 8, 36, 40, 13, "&Cursor:");
    CBSeriesCursor = Add<ComboBox>(TabGeneral, "CBSeriesCursor", 52, 32, 130, 21);
    CBSeriesCursor->Style = ComboBox::ComboStyle::DropDownList;
    GroupFormats = Add<GroupBox>(TabGeneral, "GroupFormats", 8, 64, 180, 76, "Formats:");
    LabelValues = Add<Label>(GroupFormats, "LabelValues", 8, 22, 50, 13, "&Values:");
    EValueformat = Add<Edit>(GroupFormats, "EValueformat", 64, 18, 106, 21);
    LabelPercents = Add<Label>(GroupFormats, "LabelPercents", 8, 48, 50, 13, "&Percents:");
    EPercentFormat = Add<Edit>(GroupFormats, "EPercentFormat", 64, 44, 106, 21);
    RGHorizAxis = Add<RadioGroup>(TabGeneral, "RGHorizAxis", 200, 4, 195, 58, "Horizontal Axis:");
    RGHorizAxis->SetItems({"&Top", "&Bottom", "B&oth"});
    RGHorizAxis->Columns = 2;
    CBXDateTime = Add<CheckBox>(TabGeneral, "CBXDateTime", 208, 66, 90, 17, "&DateTime");
    RGVertAxis = Add<RadioGroup>(TabGeneral, "RGVertAxis", 200, 90, 195, 58, "Vertical Axis:");
    RGVertAxis->SetItems({"&Left", "&Right", "Bo&th"});
    RGVertAxis->Columns = 2;
    CBYDateTime = Add<CheckBox>(TabGeneral, "CBYDateTime", 208, 152, 90, 17, "D&ateTime");

    CBShowInLegend->OnClick = [this](Component* s) { CBShowInLegendClick(s); };
    CBSeriesCursor->OnChange = [this](Component* s) { CBSeriesCursorChange(s); };
    EValueformat->OnChange = [this](Component* s) { EValueformatChange(s); };
    EPercentFormat->OnChange = [this](Component* s) { EPercentFormatChange(s); };
    RGHorizAxis->OnClick = [this](Component* s) { RGHorizAxisClick(s); };
    RGVertAxis->OnClick = [this](Component* s) { RGVertAxisClick(s); };
    CBXDateTime->OnClick = [this](Component* s) { CBXDateTimeClick(s); };
    CBYDateTime->OnClick = [this](Component* s) { CBYDateTimeClick(s); };
}

void TFormChartSeries::BuildMarks() {
    CBMarksVisible = Add<CheckBox>(TabMarks, "CBMarksVisible", 8, 8, 80, 17, "&Visible");
    GroupMarksFormat = Add<GroupBox>(TabMarks, "GroupMarksFormat", 8, 30, 190, 108, "Format");
    BMarksBackColor = Add<Button>(GroupMarksFormat, "BMarksBackColor", 8, 18, 85, 25, "&Back Color...");
    CBTransparent = Add<CheckBox>(GroupMarksFormat, "CBTransparent", 100, 22, 85, 17, "&Transparent");
    BMarkFont = Add<Button>(GroupMarksFormat, "BMarkFont", 8, 48, 85, 25, "F&ont");
    BMarksFrame = Add<Button>(GroupMarksFormat, "BMarksFrame", 100, 48, 85, 25, "Bo&rder...");
    CBMarkClip = Add<CheckBox>(GroupMarksFormat, "CBMarkClip", 8, 82, 85, 17, "Cl&ipped");
    GroupArrows = Add<GroupBox>(TabMarks, "GroupArrows", 8, 142, 190, 54, "Arrows");
    BMarkLinCol = Add<Button>(GroupArrows, "BMarkLinCol", 8, 18, 75, 25, "&Color...");
    LabelLength = Add<Label>(GroupArrows, "LabelLength", 92, 24, 42, 13, "&Length:");
    SEArrowLength = Add<Edit>(GroupArrows, "SEArrowLength", 138, 20, 44, 21, "0");
    RGMarkStyle = Add<RadioGroup>(TabMarks, "RGMarkStyle", 206, 4, 190, 192, "St&yle:");
    RGMarkStyle->SetItems({"Value", "Percent", "Label", "Label and Percent", "Label and Value", "Legend",
                           "Percent Total", "Label && Percent Total", "X Value"});

    CBMarksVisible->OnClick = [this](Component* s) { CBMarksVisibleClick(s); };
    RGMarkStyle->OnClick = [this](Component* s) { RGMarkStyleClick(s); };
    BMarksBackColor->OnClick = [this](Component* s) { BMarksBackColorClick(s); };
    CBTransparent->OnClick = [this](Component* s) { CBTransparentClick(s); };
    BMarkFont->OnClick = [this](Component* s) { BMarkFontClick(s); };
    BMarksFrame->OnClick = [this](Component* s) { BMarksFrameClick(s); };
    CBMarkClip->OnClick = [this](Component* s) { CBMarkClipClick(s); };
    BMarkLinCol->OnClick = [this](Component* s) { BMarkLinColClick(s); };
    SEArrowLength->OnChange = [this](Component* s) { SEArrowLengthChange(s); };
}

void TFormChartSeries::FormShow(Component*) { Updating = false; }

void TFormChartSeries::FormCloseQuery(bool& canClose) {
    ApplyPendingChanges();
    canClose = true;
}

// ---------------------------------------------------------------------------------------------------------
// The series

void TFormChartSeries::SetSeriesList(const std::vector<TChartSeries*>& series) {
    std::vector<std::string> texts;
    for (TChartSeries* s : series) texts.push_back(SourceDisplayName(*s));
    SeriesObjects = series;
    CBSeries->SetItems(std::move(texts));
}

TChartSeries* TFormChartSeries::SeriesAt(int index) const {
    if (index < 0 || index >= CBSeries->Count()) return nullptr;
    if (SeriesObjects.size() == std::size_t(CBSeries->Count())) return SeriesObjects[std::size_t(index)];
    // A drop-down filled with the rows' texts alone stands in the chart's order.
    return Chart && index < Chart->SeriesCount() ? Chart->GetSeries(index) : nullptr;
}

void TFormChartSeries::SetOptions(bool dataSourceAllowed, bool showGeneral, bool showMarks) {
    ShowDataSourceTab = dataSourceAllowed;
    ShowGeneralTab = showGeneral;
    ShowMarksTab = showMarks;
}

void TFormChartSeries::ShowDataSource() {
    if (!Series || !TabDataSource->TabVisible()) return;
    PageSeries->SetActivePage(TabDataSource);
    PageSeriesChange(PageSeries);
}

bool TFormChartSeries::AllowPageChange() {
    bool allow = true;
    PageSeriesChanging(PageSeries, allow);
    return allow;
}

void TFormChartSeries::ShowSeries() {
    Sources.SetSeries(Series);
    if (!Series) {
        PageSeries->Hide();
        return;
    }
    if (Series->ParentChart()) Chart = Series->ParentChart();
    int index = -1;
    for (int i = 0; i < CBSeries->Count(); ++i)
        if (SeriesAt(i) == Series) index = i;
    CBSeries->SetItemIndex(index);
    CBSeriesChange(CBSeries);
}

void TFormChartSeries::ApplyPendingChanges() {
    if (DataSetChanged) ApplyDataSet();
    else if (FunctionChanged) ApplyFunction();
}

void TFormChartSeries::CBSeriesChange(Component*) {
    HoldFlag updating(Updating);
    TabSheet* remembered = PageSeries->ActivePage();
    PageSeries->SetActivePage(TheTabSheet);
    ApplyPendingChanges();

    const int index = CBSeries->ItemIndex();
    TChartSeries* chosen = SeriesAt(index);
    if (!chosen) {
        ImageSeries->Hide();
        LabelSeriesClass->SetCaption("");
        PageSeries->Hide();
        Series = nullptr;
        FreeEmbeddedEditors();
        return;
    }
    Series = chosen;
    // The type's picture; a type without one shows an empty box, not the one of the series before.
    auto icon = std::make_shared<Bitmap>();
    Series->GalleryBitmap(*icon);
    ImageSeries->SetPicture(std::move(icon));
    LabelSeriesClass->SetCaption(SeriesTypeDescription(*Series) + ": " + Series->Name());
    ImageSeries->Show();
    PageSeries->Show();
    TabGeneral->SetTabVisible(ShowGeneralTab);
    TabMarks->SetTabVisible(ShowMarksTab);
    TabDataSource->SetTabVisible(ShowDataSourceTab);

    TabSheet* again = remembered;
    if (!again || !again->TabVisible()) again = TheTabSheet;
    PageSeries->SetActivePage(again);
    PageSeriesChange(PageSeries);

    const bool axes = Series->UsesAxes();
    ShowControls(axes, {RGHorizAxis, RGVertAxis, CBXDateTime, CBYDateTime});

    FreeEmbeddedEditors();
    if (const SeriesEditorFactory* factory = FindSeriesEditor(Series->EditorClassName())) {
        Form* editor = (*factory)(*this, *Series);
        if (editor) {
            EmbeddedEditors.push_back(editor);
            EmbedEditor(*editor, *TheTabSheet);
        }
    }
    if (!PageSeries->ActivePage()) PageSeries->SetActivePage(TheTabSheet);
    SetUpDataSource();
}

void TFormChartSeries::EmbedEditor(Form& editor, TabSheet& sheet) {
    editor.Position = FormPosition::Designed;
    editor.SetBorder(FormBorder::None);
    editor.SetParent(&sheet);
    editor.SetLeft((PageSeries->ClientWidth() - editor.ClientWidth()) / 2);
    editor.SetTop(std::min(8, std::abs(PageSeries->ClientHeight() - editor.ClientHeight()) / 2));
    const bool wasVisible = sheet.Visible();
    sheet.SetVisible(true);
    editor.Show();
    sheet.SetVisible(wasVisible);
    editor.SetClientSize(PageSeries->ClientWidth(), editor.ClientHeight());
}

Form* TFormChartSeries::AddEditorTab(const SeriesEditorFactory& factory, TChartSeries& series, const std::string& caption) {
    // The new tab stands right after "Format": the sheets after it are moved behind the new one.
    auto* sheet = Make<TabSheet>("");
    sheet->SetCaption(caption);
    std::vector<TabSheet*> behind;
    for (TabSheet* t : PageSeries->Pages())
        if (t != TheTabSheet) behind.push_back(t);
    sheet->SetParent(PageSeries);
    for (TabSheet* t : behind) {
        t->SetParent(nullptr);
        t->SetParent(PageSeries);
    }
    sheet->SetVisible(PageSeries->ActivePage() == sheet);
    Form* editor = factory(*this, series);
    if (!editor) {
        FreeComponent(sheet);
        return nullptr;
    }
    EmbeddedEditors.push_back(editor);
    EmbedEditor(*editor, *sheet);
    return editor;
}

void TFormChartSeries::FreeEmbeddedEditors() {
    std::vector<Form*> editors;
    editors.swap(EmbeddedEditors);
    for (Form* editor : editors) {
        auto* sheet = dynamic_cast<TabSheet*>(editor->Parent());
        editor->SetParent(nullptr);
        if (editor->Owner()) editor->Owner()->FreeComponent(editor);
        else delete editor;
        // An editor's own tab goes with it; "Format" stays.
        if (sheet && sheet != TheTabSheet) {
            if (PageSeries->ActivePage() == sheet) PageSeries->SetActivePage(TheTabSheet);
            sheet->SetParent(nullptr);
            FreeComponent(sheet);
        }
    }
}

void TFormChartSeries::PageSeriesChange(Component*) {
    if (!Series) return;
    TabSheet* active = PageSeries->ActivePage();
    if (active == TabGeneral) ShowGeneral();
    else if (active == TabMarks) ShowMarks();
    else if (active == TabDataSource) SetUpDataSource();
}

void TFormChartSeries::PageSeriesChanging(Component*, bool& allowChange) {
    if (PageSeries->ActivePage() != TabDataSource) return;
    if (!FunctionChanged && !DataSetChanged) {
        allowChange = Series != nullptr;
        return;
    }
    switch (P.App.MessageBox(ApplyQuestion, P.App.Title, MbYesNoCancel | MbIconQuestion)) {
    case IdYes:
        try {
            ApplyPendingChanges();
        } catch (const std::exception& e) {
            P.App.ShowException(e);
            allowChange = false;
        }
        break;
    case IdNo:
        FunctionChanged = DataSetChanged = false;
        break;
    default: allowChange = false; break;
    }
}

// ---------------------------------------------------------------------------------------------------------
// General

void TFormChartSeries::ShowGeneral() {
    HoldFlag updating(Updating);
    CBShowInLegend->SetChecked(Series->ShowInLegend());
    EValueformat->SetText(FormatToLocal(Series->ValueFormat()));
    EPercentFormat->SetText(FormatToLocal(Series->PercentFormat()));
    RGHorizAxis->SetEnabled(Series->HorizAxis() != aCustomHorizAxis);
    if (RGHorizAxis->Enabled()) RGHorizAxis->SetItemIndex(int(Series->HorizAxis()));
    RGVertAxis->SetEnabled(Series->VertAxis() != aCustomVertAxis);
    if (RGVertAxis->Enabled()) RGVertAxis->SetItemIndex(int(Series->VertAxis()));
    CBXDateTime->SetChecked(Series->XValues->DateTime());
    CBYDateTime->SetChecked(Series->YValues->DateTime());
    std::vector<std::string> cursors;
    for (const std::string& ident : StandardCursorIdents()) cursors.push_back(WithoutCr(ident));
    cursors.push_back("ChartHand");
    CBSeriesCursor->SetItems(cursors);
    std::string ident;
    CBSeriesCursor->SetItemIndex(ChartCursorToIdent(Series->Cursor(), ident) ? CBSeriesCursor->IndexOf(WithoutCr(ident)) : -1);
}

void TFormChartSeries::CBShowInLegendClick(Component*) {
    if (Series) Series->SetShowInLegend(CBShowInLegend->Checked());
}

void TFormChartSeries::CBSeriesCursorChange(Component*) {
    int cursor = 0;
    if (Series && ChartIdentToCursor("cr" + CBSeriesCursor->Text(), cursor)) Series->SetCursor(cursor);
}

void TFormChartSeries::EValueformatChange(Component*) {
    if (!Updating && Series) Series->SetValueFormat(FormatFromLocal(EValueformat->Text()));
}

void TFormChartSeries::EPercentFormatChange(Component*) {
    if (!Updating && Series) Series->SetPercentFormat(FormatFromLocal(EPercentFormat->Text()));
}

void TFormChartSeries::RGHorizAxisClick(Component*) {
    if (Series && RGHorizAxis->ItemIndex() >= 0) Series->SetHorizAxis(THorizAxis(RGHorizAxis->ItemIndex()));
}

void TFormChartSeries::RGVertAxisClick(Component*) {
    if (Series && RGVertAxis->ItemIndex() >= 0) Series->SetVertAxis(TVertAxis(RGVertAxis->ItemIndex()));
}

void TFormChartSeries::CBXDateTimeClick(Component*) {
    if (Series) Series->XValues->SetDateTime(CBXDateTime->Checked());
}

void TFormChartSeries::CBYDateTimeClick(Component*) {
    if (Series) Series->YValues->SetDateTime(CBYDateTime->Checked());
}

// ---------------------------------------------------------------------------------------------------------
// Marks

void TFormChartSeries::ShowMarks() {
    HoldFlag updating(Updating);
    TSeriesMarks& marks = Series->Marks();
    RGMarkStyle->SetItemIndex(int(marks.Style()));
    CBMarksVisible->SetChecked(marks.Visible());
    SEArrowLength->SetText(std::to_string(marks.ArrowLength()));
    CBTransparent->SetChecked(marks.Transparent());
    CBMarkClip->SetChecked(marks.Clip());
}

void TFormChartSeries::CBMarksVisibleClick(Component*) {
    if (Series) Series->Marks().SetVisible(CBMarksVisible->Checked());
}

void TFormChartSeries::RGMarkStyleClick(Component*) {
    if (Series && RGMarkStyle->ItemIndex() >= 0) Series->Marks().SetStyle(TSeriesMarksStyle(RGMarkStyle->ItemIndex()));
}

void TFormChartSeries::BMarksBackColorClick(Component*) {
    if (!Series) return;
    Series->Marks().SetBackColor(EditColor(*BMarksBackColor, Series->Marks().BackColor()));
    CBTransparent->SetChecked(false);
    Series->Marks().SetTransparent(false);
}

void TFormChartSeries::CBTransparentClick(Component*) {
    if (Series) Series->Marks().SetTransparent(CBTransparent->Checked());
}

void TFormChartSeries::BMarkFontClick(Component*) {
    if (Series) Series->Marks().SetFont(EditChartFont(*BMarkFont, Series->Marks().GetFont()));
}

void TFormChartSeries::BMarksFrameClick(Component*) {
    if (Series) EditChartPen(*BMarksFrame, Series->Marks().Frame());
}

void TFormChartSeries::CBMarkClipClick(Component*) {
    if (Series) Series->Marks().SetClip(CBMarkClip->Checked());
}

void TFormChartSeries::BMarkLinColClick(Component*) {
    if (Series) EditChartPen(*BMarkLinCol, Series->Marks().Arrow());
}

void TFormChartSeries::SEArrowLengthChange(Component*) {
    if (Updating || !Series || SEArrowLength->Text().empty()) return;
    Series->Marks().SetArrowLength(StrToInt(SEArrowLength->Text()));
}

// ---------------------------------------------------------------------------------------------------------
// Data source: the chooser holds what the tab does

void TFormChartSeries::SetUpDataSource() { DataSourceChooser.SetUp(); }
void TFormChartSeries::CBDataSourcestyleChange(Component*) { DataSourceChooser.ChooseStyle(CBDataSourcestyle->ItemIndex()); }
void TFormChartSeries::CBFunctionsChange(Component*) { DataSourceChooser.ChooseFunction(); }
void TFormChartSeries::ApplyFunction() { DataSourceChooser.ApplyFunction(); }
void TFormChartSeries::BEditFuncClick(Component*) { DataSourceChooser.EditFunction(); }
void TFormChartSeries::BRightOneClick(Component*) { DataSourceChooser.MoveEntries(true, false); }
void TFormChartSeries::BRightAllClick(Component*) { DataSourceChooser.MoveEntries(true, true); }
void TFormChartSeries::BLeftOneClick(Component*) { DataSourceChooser.MoveEntries(false, false); }
void TFormChartSeries::BLeftAllClick(Component*) { DataSourceChooser.MoveEntries(false, true); }
void TFormChartSeries::CBListDataSetsChange(Component*) { DataSourceChooser.ChooseDataSet(); }
void TFormChartSeries::CBLabelsFieldChange(Component*) { DataSourceChooser.ChooseLabelsField(); }
void TFormChartSeries::ApplyDataSet() { DataSourceChooser.ApplyDataSet(); }

void TFormChartSeries::CandidateSources(int style, bool includeInUse, std::vector<std::string>& texts,
                                        std::vector<Component*>& objects) const {
    DataSourceChooser.CandidateSources(style, includeInUse, texts, objects);
}

}  // namespace fv
