// The series page of the chart editor and its data source choices.
#include "chartui/series/series_page.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "chart/axis_panel.h"
#include "chart/chart_exception.h"
#include "chart/chart_function.h"
#include "chart/chart_units.h"
#include "chartui/dialogs/chart_editors.h"
#include "chartui/series_editors/series_editors.h"
#include "chartui/dialogs/number_text.h"
#include "chartui/dialogs/period_form.h"

namespace fv {

namespace {

const char* const ApplyQuestion = "Apply Changes?";
const char* const ShortMovingPeriod = "A moving function needs a period of at least one point";

std::map<std::string, SeriesEditorFactory>& SeriesEditors() {
    static std::map<std::string, SeriesEditorFactory> editors;
    return editors;
}

std::string DisplayName(const Component& c) {
    if (auto* s = dynamic_cast<const TChartSeries*>(&c); s && !s->Title().empty()) return s->Title();
    return c.Name();
}

std::string WithoutCr(const std::string& ident) { return ident.rfind("cr", 0) == 0 ? ident.substr(2) : ident; }

// Sets a flag for the lifetime of a scope and puts the old value back.
class HoldFlag {
public:
    explicit HoldFlag(bool& flag) : flag_(flag), old_(flag) { flag_ = true; }
    ~HoldFlag() { flag_ = old_; }

private:
    bool& flag_;
    bool old_;
};

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
    BuildDataSource();

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

void TFormChartSeries::BuildDataSource() {
    CBDataSourcestyle = Add<ComboBox>(TabDataSource, "CBDataSourcestyle", 8, 8, 150, 21);
    CBDataSourcestyle->Style = ComboBox::ComboStyle::DropDownList;
    CBDataSourcestyle->SetItems({"No Data", "Random Values", "Function"});
    PCData = Add<PageControl>(TabDataSource, "PCData", 0, 34, 403, 170);
    TabFunctions = Add<TabSheet>(PCData, "TabFunctions", 0, 0, 403, 170);
    TabDatabase = Add<TabSheet>(PCData, "TabDatabase", 0, 0, 403, 170);
    for (TabSheet* sheet : {TabFunctions, TabDatabase}) sheet->SetTabVisible(false);
    PCData->SetActivePage(TabFunctions);
    PCData->Hide();

    LabelFunction = Add<Label>(TabFunctions, "LabelFunction", 8, 8, 50, 13, "&Function:");
    CBFunctions = Add<ComboBox>(TabFunctions, "CBFunctions", 62, 4, 140, 21);
    CBFunctions->Style = ComboBox::ComboStyle::DropDownList;
    BEditFunc = Add<Button>(TabFunctions, "BEditFunc", 210, 2, 75, 25, "&Edit...");
    LabelAvail = Add<Label>(TabFunctions, "LabelAvail", 8, 32, 120, 13, "&Available Series:");
    LBAvailSeries = Add<ListBox>(TabFunctions, "LBAvailSeries", 8, 48, 160, 112);
    BRightOne = Add<Button>(TabFunctions, "BRightOne", 176, 52, 30, 23, ">");
    BRightAll = Add<Button>(TabFunctions, "BRightAll", 176, 78, 30, 23, ">>");
    BLeftOne = Add<Button>(TabFunctions, "BLeftOne", 176, 104, 30, 23, "<");
    BLeftAll = Add<Button>(TabFunctions, "BLeftAll", 176, 130, 30, 23, "<<");
    LabelSelected = Add<Label>(TabFunctions, "LabelSelected", 214, 32, 120, 13, "&Selected Series: ");
    LBSelectedSeries = Add<ListBox>(TabFunctions, "LBSelectedSeries", 214, 48, 160, 112);
    for (ListBox* l : {LBAvailSeries, LBSelectedSeries}) l->MultiSelect = true;

    LabelDataSet = Add<Label>(TabDatabase, "LabelDataSet", 8, 8, 70, 13, "&Dataset:");
    CBListDataSets = Add<ComboBox>(TabDatabase, "CBListDataSets", 84, 4, 150, 21);
    CBListDataSets->Style = ComboBox::ComboStyle::DropDownList;
    PCDataStyle = Add<PageControl>(TabDatabase, "PCDataStyle", 0, 30, 403, 140);
    TBDataSet = Add<TabSheet>(PCDataStyle, "TBDataSet", 0, 0, 403, 140);
    TBDataSource = Add<TabSheet>(PCDataStyle, "TBDataSource", 0, 0, 403, 140);
    for (TabSheet* sheet : {TBDataSet, TBDataSource}) sheet->SetTabVisible(false);
    PCDataStyle->SetActivePage(TBDataSet);
    GroupFields = Add<GroupBox>(TBDataSet, "GroupFields", 4, 0, 392, 136);
    LabelLabels = Add<Label>(GroupFields, "LabelLabels", 8, 16, 90, 13, "&Labels:");
    LabelLabels->TextAlign = Label::Alignment::Right;
    CBLabelsField = Add<ComboBox>(GroupFields, "CBLabelsField", 104, 12, 150, 21);
    LabelAvailFields = Add<Label>(TBDataSource, "LabelAvailFields", 8, 4, 120, 13, "&Available Fields:");
    LBAvailFields = Add<ListBox>(TBDataSource, "LBAvailFields", 8, 20, 160, 112);
    BROneDS = Add<Button>(TBDataSource, "BROneDS", 176, 24, 30, 23, ">");
    BRAllDS = Add<Button>(TBDataSource, "BRAllDS", 176, 50, 30, 23, ">>");
    BLOneDS = Add<Button>(TBDataSource, "BLOneDS", 176, 76, 30, 23, "<");
    BLAllDS = Add<Button>(TBDataSource, "BLAllDS", 176, 102, 30, 23, "<<");
    LabelSelFields = Add<Label>(TBDataSource, "LabelSelFields", 214, 4, 120, 13, "&Selected Fields:");
    LBSelFields = Add<ListBox>(TBDataSource, "LBSelFields", 214, 20, 160, 112);
    for (ListBox* l : {LBAvailFields, LBSelFields}) l->MultiSelect = true;

    CBDataSourcestyle->OnChange = [this](Component* s) { CBDataSourcestyleChange(s); };
    CBFunctions->OnChange = [this](Component* s) { CBFunctionsChange(s); };
    BEditFunc->OnClick = [this](Component* s) { BEditFuncClick(s); };
    for (Button* b : {BRightOne, BROneDS}) b->OnClick = [this](Component* s) { BRightOneClick(s); };
    for (Button* b : {BRightAll, BRAllDS}) b->OnClick = [this](Component* s) { BRightAllClick(s); };
    for (Button* b : {BLeftOne, BLOneDS}) b->OnClick = [this](Component* s) { BLeftOneClick(s); };
    for (Button* b : {BLeftAll, BLAllDS}) b->OnClick = [this](Component* s) { BLeftAllClick(s); };
    LBAvailSeries->OnDblClick = [this](Component* s) { BRightOneClick(s); };
    LBSelectedSeries->OnDblClick = [this](Component* s) { BLeftOneClick(s); };
    LBAvailFields->OnDblClick = [this](Component* s) { BRightOneClick(s); };
    LBSelFields->OnDblClick = [this](Component* s) { BLeftOneClick(s); };
    CBListDataSets->OnChange = [this](Component* s) { CBListDataSetsChange(s); };
    CBLabelsField->OnChange = [this](Component* s) { CBLabelsFieldChange(s); };
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
    for (TChartSeries* s : series) texts.push_back(DisplayName(*s));
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
// Data source

void TFormChartSeries::SetUpDataSource() {
    if (!Series) return;
    int style = dsNoData;
    if (Component* source = Series->DataSource()) {
        if (dynamic_cast<TChartSeries*>(source)) style = dsFunction;
        else style = OnStyleOfSource ? OnStyleOfSource(*Series) : dsNoData;
    } else if (Series->SeriesFunction()) {
        style = dsFunction;
    } else if (Series->Count() > 0) {
        style = dsRandom;
    }
    CBDataSourcestyle->SetItemIndex(style < CBDataSourcestyle->Count() ? style : dsNoData);
    ShowStylePage(CBDataSourcestyle->ItemIndex());
}

void TFormChartSeries::ShowStylePage(int style) {
    PCData->SetVisible(style != dsNoData && style != dsRandom);
    if (style == dsFunction) {
        PCData->SetActivePage(TabFunctions);
        FillFunctionPage();
    } else if (style == dsFields || style == dsFieldList) {
        PCData->SetActivePage(TabDatabase);
        FillDataSetPage(style);
    }
}

void TFormChartSeries::CandidateSources(int style, bool includeInUse, std::vector<std::string>& texts,
                                        std::vector<Component*>& objects) const {
    texts.clear();
    objects.clear();
    if (!Series) return;
    SeriesHost* chart = Series->ParentChart();
    auto* chartComponent = dynamic_cast<Component*>(chart);
    std::vector<const Component*> places;
    for (Form* f : P.App.Forms()) places.push_back(f);
    if (chartComponent && chartComponent->Owner()) places.push_back(chartComponent->Owner());
    if (chartComponent && style != dsFieldList) places.push_back(chartComponent);
    const auto& inUse = Series->DataSources();
    for (const Component* place : places)
        for (Component* c : place->Components()) {
            // A component met through two places is offered once.
            if (std::find(objects.begin(), objects.end(), c) != objects.end()) continue;
            if (!includeInUse && std::find(inUse.begin(), inUse.end(), c) != inUse.end()) continue;
            const bool suits = style == dsFunction ? dynamic_cast<TChartSeries*>(c) != nullptr
                                                   : OnIsValidSource && OnIsValidSource(c, style);
            if (!suits || !chart || !chart->IsValidDataSource(*Series, c)) continue;
            std::string text = DisplayName(*c);
            if (c->Owner() != Series->Owner() && c->Owner() && !c->Owner()->Name().empty())
                text = c->Owner()->Name() + "." + text;
            texts.push_back(text);
            objects.push_back(c);
        }
}

void TFormChartSeries::FillFunctionPage() {
    std::vector<std::string> functions{"Copy"};
    FunctionObjects = {nullptr};
    for (const auto& entry : ChartSeriesTypes().Items()) {
        if (!entry->FunctionClass || entry->SeriesClass) continue;
        if (std::find(FunctionObjects.begin(), FunctionObjects.end(), entry->FunctionClass) != FunctionObjects.end())
            continue;
        functions.insert(functions.begin() + 1, entry->Description);
        FunctionObjects.insert(FunctionObjects.begin() + 1, entry->FunctionClass);
    }
    CBFunctions->SetItems(functions);

    std::vector<std::string> texts;
    CandidateSources(dsFunction, false, texts, AvailObjects);
    LBAvailSeries->SetItems(texts);
    texts.clear();
    SelectedObjects.clear();
    for (Component* c : Series->DataSources())
        if (dynamic_cast<TChartSeries*>(c)) {
            texts.push_back(DisplayName(*c));
            SelectedObjects.push_back(c);
        }
    LBSelectedSeries->SetItems(texts);
    Sources.SetSeries(Series);

    const ChartClass* current = Series->SeriesFunction() ? ChartClassOf(*Series->SeriesFunction()) : nullptr;
    auto it = std::find(FunctionObjects.begin(), FunctionObjects.end(), current);
    CBFunctions->SetItemIndex(it == FunctionObjects.end() ? 0 : int(it - FunctionObjects.begin()));
    BEditFunc->SetEnabled(CBFunctions->ItemIndex() > 0);
    FunctionChanged = false;
    MoveSource = LBAvailSeries;
    MoveTarget = LBSelectedSeries;
    EnableMoveButtons();
}

void TFormChartSeries::CBDataSourcestyleChange(Component*) {
    if (!Series) return;
    const int style = CBDataSourcestyle->ItemIndex();
    PCData->SetVisible(style != dsNoData && style != dsRandom);
    if (style == dsNoData || style == dsRandom) {
        Sources.Clear();
        Series->SetDataSource(nullptr);
        // A function left on a series without sources would show it as calculated again next time.
        Series->SetFunction(nullptr);
        Series->Clear();
        FunctionChanged = DataSetChanged = false;
        if (style == dsRandom) Series->FillSampleValues(Series->NumSampleValues());
        return;
    }
    ShowStylePage(style);
}

void TFormChartSeries::CBFunctionsChange(Component*) {
    FunctionChanged = true;
    BEditFunc->SetEnabled(CBFunctions->ItemIndex() > 0);
}

void TFormChartSeries::ApplyFunction() {
    if (!Series) return;
    if (!SelectedObjects.empty()) {
        for (Component* c : SelectedObjects) Series->CheckCircularSource(c);
        Series->LeaveSources();
        for (Component* c : SelectedObjects) Series->AddDataSource(c);
    } else {
        Series->SetDataSource(nullptr);
    }
    const int index = CBFunctions->ItemIndex();
    const ChartClass* cls = index > 0 && index < int(FunctionObjects.size()) ? FunctionObjects[std::size_t(index)] : nullptr;
    if (!cls) Series->SetFunction(nullptr);
    else if (Series->SeriesFunction() && ChartClassOf(*Series->SeriesFunction()) == cls) Series->RefreshFromSource();
    else CreateFunctionOfClass(*Series, *cls);
    FunctionChanged = false;
}

void TFormChartSeries::BEditFuncClick(Component*) {
    ApplyPendingChanges();
    if (!Series || !Series->SeriesFunction()) return;
    TChartFunction& function = *Series->SeriesFunction();
    TemporaryDialog<TFormPeriod> dialog(P);
    dialog->SetCaption("Function Period");
    dialog->ThePeriod = function.Period();
    dialog->ThePeriodStyle = function.PeriodStyle();
    dialog->ThePeriodAlign = function.PeriodAlign();
    dialog->RangeAllowed = !function.MovingFunction();
    auto* first = dynamic_cast<TChartSeries*>(Series->DataSource());
    dialog->IsDateTime = first && first->XValues->DateTime();
    dialog->LCalc->SetCaption("Calculate " + CBFunctions->Text() + " every:");
    if (dialog->ShowModal() != MrOk) return;
    // A moving window of no points would reach before the first point.
    if (function.MovingFunction() && dialog->ThePeriodStyle == psNumPoints && std::round(dialog->ThePeriod) < 1) {
        P.App.MessageBox(ShortMovingPeriod, P.App.Title, MbOk | MbIconExclamation);
        return;
    }
    ApplyFunctionPeriod(function, *dialog);
}

std::vector<Component*>& TFormChartSeries::ObjectsOf(ListBox* list) {
    if (list == LBAvailSeries) return AvailObjects;
    if (list == LBSelectedSeries) return SelectedObjects;
    if (list == LBAvailFields) return availFieldObjects_;
    return selFieldObjects_;
}

void TFormChartSeries::MoveEntries(bool toTarget, bool all) {
    if (!MoveSource || !MoveTarget) return;
    ListBox* from = toTarget ? MoveSource : MoveTarget;
    ListBox* to = toTarget ? MoveTarget : MoveSource;
    std::vector<Component*>& fromObjects = ObjectsOf(from);
    std::vector<Component*>& toObjects = ObjectsOf(to);
    std::vector<std::string> fromItems = from->Items(), toItems = to->Items();
    std::vector<std::string> keptItems;
    std::vector<Component*> keptObjects;
    for (int i = 0; i < int(fromItems.size()); ++i) {
        Component* object = i < int(fromObjects.size()) ? fromObjects[std::size_t(i)] : nullptr;
        if (all || from->Selected(i)) {
            toItems.push_back(fromItems[std::size_t(i)]);
            toObjects.push_back(object);
        } else {
            keptItems.push_back(fromItems[std::size_t(i)]);
            keptObjects.push_back(object);
        }
    }
    fromObjects = keptObjects;
    from->SetItems(keptItems);
    to->SetItems(toItems);
    EnableMoveButtons();
    MarkChanged();
}

void TFormChartSeries::EnableMoveButtons() {
    const bool fields = MoveSource == LBAvailFields;
    Button* right[] = {fields ? BROneDS : BRightOne, fields ? BRAllDS : BRightAll};
    Button* left[] = {fields ? BLOneDS : BLeftOne, fields ? BLAllDS : BLeftAll};
    const bool anyLeft = MoveSource && MoveSource->Count() > 0;
    const bool anyRight = MoveTarget && MoveTarget->Count() > 0;
    for (Button* b : right) b->SetEnabled(anyLeft);
    for (Button* b : left) b->SetEnabled(anyRight);
}

void TFormChartSeries::MarkChanged() {
    if (DataSourceStyle() == dsFunction) FunctionChanged = true;
    else DataSetChanged = true;
}

void TFormChartSeries::BRightOneClick(Component*) { MoveEntries(true, false); }
void TFormChartSeries::BRightAllClick(Component*) { MoveEntries(true, true); }
void TFormChartSeries::BLeftOneClick(Component*) { MoveEntries(false, false); }
void TFormChartSeries::BLeftAllClick(Component*) { MoveEntries(false, true); }

// ---------------------------------------------------------------------------------------------------------
// The extension's styles

void TFormChartSeries::FillDataSetPage(int style) {
    std::vector<std::string> texts;
    CandidateSources(style, true, texts, DataSetObjects);
    CBListDataSets->SetItems(texts);
    auto it = std::find(DataSetObjects.begin(), DataSetObjects.end(), Sources.DataSet);
    CBListDataSets->SetItemIndex(Sources.DataSet && it != DataSetObjects.end() ? int(it - DataSetObjects.begin()) : -1);
    fields_ = Sources.DataSet && OnDataSetChosen ? OnDataSetChosen(Sources.DataSet) : std::vector<std::string>{};
    if (style == dsFields) {
        LabelDataSet->SetCaption("&Dataset:");
        PCDataStyle->SetActivePage(TBDataSet);
        BuildFieldRows();
        ShowFieldRows();
    } else {
        LabelDataSet->SetCaption("&DataSource:");
        PCDataStyle->SetActivePage(TBDataSource);
        std::vector<std::string> chosen, rest;
        std::string list = Series->MandatoryValueList()->ValueSource();
        for (std::size_t at = 0; !list.empty();) {
            std::size_t semi = list.find(';', at);
            chosen.push_back(list.substr(at, semi == std::string::npos ? std::string::npos : semi - at));
            if (semi == std::string::npos) break;
            at = semi + 1;
        }
        for (const std::string& f : fields_)
            if (std::find(chosen.begin(), chosen.end(), f) == chosen.end()) rest.push_back(f);
        availFieldObjects_.assign(rest.size(), nullptr);
        selFieldObjects_.assign(chosen.size(), nullptr);
        LBAvailFields->SetItems(rest);
        LBSelFields->SetItems(chosen);
        MoveSource = LBAvailFields;
        MoveTarget = LBSelFields;
        EnableMoveButtons();
    }
    DataSetChanged = false;
}

void TFormChartSeries::BuildFieldRows() {
    const auto& lists = Series->ValueLists();
    for (int i = 0; i < TChartEditSources::MaxRows; ++i) {
        TChartEditSource& row = Sources.Rows[std::size_t(i)];
        if (!row.Combo) {
            const int top = CBLabelsField->Top() + CBLabelsField->Height() + 3 + i * (CBLabelsField->Height() + 4);
            row.Combo = Add<ComboBox>(GroupFields, "", CBLabelsField->Left(), top, CBLabelsField->Width(),
                                      CBLabelsField->Height());
            row.Caption = Add<Label>(GroupFields, "", LabelLabels->Left(), top + 4, LabelLabels->Width(), 13);
            row.Caption->TextAlign = Label::Alignment::Right;
            row.DateTime = Add<CheckBox>(GroupFields, "", CBLabelsField->Left() + CBLabelsField->Width() + 6, top,
                                         80, 17, "DateTime");
            row.Combo->OnChange = [this, i](Component*) { FieldComboChange(i); };
            row.DateTime->OnClick = [this](Component*) {
                if (!Updating) DataSetChanged = true;
            };
        }
        const bool used = i < int(lists.size()) && !lists[std::size_t(i)]->Name().empty();
        if (used) row.Caption->SetCaption(lists[std::size_t(i)]->Name() + ":");
        ShowControls(used, {row.Combo, row.Caption, row.DateTime});
    }
}

void TFormChartSeries::ShowFieldRows() {
    HoldFlag updating(Updating);
    CBLabelsField->SetItems(fields_);
    CBLabelsField->SetItemIndex(CBLabelsField->IndexOf(Sources.LabelsField));
    const auto& lists = Series->ValueLists();
    for (int i = 0; i < TChartEditSources::MaxRows; ++i) {
        TChartEditSource& row = Sources.Rows[std::size_t(i)];
        row.Combo->SetItems(fields_);
        row.Combo->SetItemIndex(row.Combo->IndexOf(row.FieldName));
        row.DateTime->SetChecked(i < int(lists.size()) && lists[std::size_t(i)]->DateTime());
    }
}

void TFormChartSeries::FieldComboChange(int i) {
    if (Updating) return;
    TChartEditSource& row = Sources.Rows[std::size_t(i)];
    // A typed name that is no field stays in the box (applying refuses it) and names no field.
    const int found = row.Combo->IndexOf(row.Combo->Text());
    if (found >= 0) row.Combo->SetItemIndex(found);
    row.FieldName = found >= 0 ? row.Combo->Text() : std::string();
    bool dateTime = row.DateTime->Checked();
    if (OnFieldChosen) OnFieldChosen(Sources.DataSet, row.FieldName, dateTime);
    {
        HoldFlag updating(Updating);
        row.DateTime->SetChecked(dateTime);
    }
    DataSetChanged = true;
}

void TFormChartSeries::CBLabelsFieldChange(Component*) {
    if (Updating) return;
    const int found = CBLabelsField->IndexOf(CBLabelsField->Text());
    if (found >= 0) CBLabelsField->SetItemIndex(found);
    Sources.LabelsField = found >= 0 ? CBLabelsField->Text() : std::string();
    DataSetChanged = true;
}

void TFormChartSeries::CBListDataSetsChange(Component*) {
    const int index = CBListDataSets->ItemIndex();
    if (index < 0 || index >= int(DataSetObjects.size())) return;
    Sources.DataSet = DataSetObjects[std::size_t(index)];
    fields_ = OnDataSetChosen ? OnDataSetChosen(Sources.DataSet) : std::vector<std::string>{};
    for (Control* c : std::initializer_list<Control*>{CBLabelsField, LBAvailFields, LBSelFields}) c->SetEnabled(true);
    if (DataSourceStyle() == dsFields) {
        ShowFieldRows();
    } else {
        availFieldObjects_.assign(fields_.size(), nullptr);
        selFieldObjects_.clear();
        LBAvailFields->SetItems(fields_);
        LBSelFields->ClearItems();
        EnableMoveButtons();
    }
    DataSetChanged = true;
}

void TFormChartSeries::ApplyDataSet() {
    if (!Series) return;
    if (!Sources.DataSet) {
        CBDataSourcestyle->SetItemIndex(dsNoData);
        PCData->Hide();
        DataSetChanged = false;
        return;
    }
    const int style = DataSourceStyle();
    if (style == dsFields) {
        auto check = [](ComboBox& combo) {
            if (!combo.Text().empty() && combo.IndexOf(combo.Text()) < 0)
                throw ChartException("Field " + combo.Text() + " does not exist");
        };
        const auto& lists = Series->ValueLists();
        for (std::size_t i = 0; i < lists.size() && i < Sources.Rows.size(); ++i)
            if (Sources.Rows[i].Combo) check(*Sources.Rows[i].Combo);
        check(*CBLabelsField);
        Series->SetDataSource(nullptr);
        for (std::size_t i = 0; i < lists.size() && i < Sources.Rows.size(); ++i) {
            lists[i]->SetValueSource(Sources.Rows[i].FieldName);
            if (Sources.Rows[i].DateTime) lists[i]->SetDateTime(Sources.Rows[i].DateTime->Checked());
        }
        Series->SetXLabelsSource(Sources.LabelsField);
    } else if (style == dsFieldList) {
        std::string joined;
        for (const std::string& f : LBSelFields->Items()) joined += (joined.empty() ? "" : ";") + f;
        Series->MandatoryValueList()->SetValueSource(joined);
    }
    Series->SetDataSource(Sources.DataSet);
    DataSetChanged = false;
}

}  // namespace fv
