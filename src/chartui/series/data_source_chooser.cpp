// The "Data Source" tab of the series page.
#include "chartui/series/data_source_chooser.h"

#include <algorithm>
#include <cmath>

#include "chart/chart_exception.h"
#include "chart/chart_function.h"
#include "chartui/dialogs/chart_editors.h"
#include "chartui/dialogs/period_form.h"
#include "chartui/series/hold_flag.h"
#include "chartui/series/series_page.h"

namespace fv {

namespace {

const char* const ShortMovingPeriod = "A moving function needs a period of at least one point";

}  // namespace

std::string SourceDisplayName(const Component& c) {
    if (auto* s = dynamic_cast<const TChartSeries*>(&c); s && !s->Title().empty()) return s->Title();
    return c.Name();
}

// ---------------------------------------------------------------------------------------------------------
// Building the tab

void TDataSourceChooser::Build() {
    TFormChartSeries& p = page_;
    p.CBDataSourcestyle = p.Add<ComboBox>(p.TabDataSource, "CBDataSourcestyle", 8, 8, 150, 21);
    p.CBDataSourcestyle->Style = ComboBox::ComboStyle::DropDownList;
    p.CBDataSourcestyle->SetItems({"No Data", "Random Values", "Function"});
    p.PCData = p.Add<PageControl>(p.TabDataSource, "PCData", 0, 34, 403, 170);
    p.TabFunctions = p.Add<TabSheet>(p.PCData, "TabFunctions", 0, 0, 403, 170);
    p.TabDatabase = p.Add<TabSheet>(p.PCData, "TabDatabase", 0, 0, 403, 170);
    for (TabSheet* sheet : {p.TabFunctions, p.TabDatabase}) sheet->SetTabVisible(false);
    p.PCData->SetActivePage(p.TabFunctions);
    p.PCData->Hide();

    p.LabelFunction = p.Add<Label>(p.TabFunctions, "LabelFunction", 8, 8, 50, 13, "&Function:");
    p.CBFunctions = p.Add<ComboBox>(p.TabFunctions, "CBFunctions", 62, 4, 140, 21);
    p.CBFunctions->Style = ComboBox::ComboStyle::DropDownList;
    p.BEditFunc = p.Add<Button>(p.TabFunctions, "BEditFunc", 210, 2, 75, 25, "&Edit...");
    p.LabelAvail = p.Add<Label>(p.TabFunctions, "LabelAvail", 8, 32, 120, 13, "&Available Series:");
    p.LBAvailSeries = p.Add<ListBox>(p.TabFunctions, "LBAvailSeries", 8, 48, 160, 112);
    p.BRightOne = p.Add<Button>(p.TabFunctions, "BRightOne", 176, 52, 30, 23, ">");
    p.BRightAll = p.Add<Button>(p.TabFunctions, "BRightAll", 176, 78, 30, 23, ">>");
    p.BLeftOne = p.Add<Button>(p.TabFunctions, "BLeftOne", 176, 104, 30, 23, "<");
    p.BLeftAll = p.Add<Button>(p.TabFunctions, "BLeftAll", 176, 130, 30, 23, "<<");
    p.LabelSelected = p.Add<Label>(p.TabFunctions, "LabelSelected", 214, 32, 120, 13, "&Selected Series: ");
    p.LBSelectedSeries = p.Add<ListBox>(p.TabFunctions, "LBSelectedSeries", 214, 48, 160, 112);
    for (ListBox* l : {p.LBAvailSeries, p.LBSelectedSeries}) l->MultiSelect = true;

    p.LabelDataSet = p.Add<Label>(p.TabDatabase, "LabelDataSet", 8, 8, 70, 13, "&Dataset:");
    p.CBListDataSets = p.Add<ComboBox>(p.TabDatabase, "CBListDataSets", 84, 4, 150, 21);
    p.CBListDataSets->Style = ComboBox::ComboStyle::DropDownList;
    p.PCDataStyle = p.Add<PageControl>(p.TabDatabase, "PCDataStyle", 0, 30, 403, 140);
    p.TBDataSet = p.Add<TabSheet>(p.PCDataStyle, "TBDataSet", 0, 0, 403, 140);
    p.TBDataSource = p.Add<TabSheet>(p.PCDataStyle, "TBDataSource", 0, 0, 403, 140);
    for (TabSheet* sheet : {p.TBDataSet, p.TBDataSource}) sheet->SetTabVisible(false);
    p.PCDataStyle->SetActivePage(p.TBDataSet);
    p.GroupFields = p.Add<GroupBox>(p.TBDataSet, "GroupFields", 4, 0, 392, 136);
    p.LabelLabels = p.Add<Label>(p.GroupFields, "LabelLabels", 8, 16, 90, 13, "&Labels:");
    p.LabelLabels->TextAlign = Label::Alignment::Right;
    p.CBLabelsField = p.Add<ComboBox>(p.GroupFields, "CBLabelsField", 104, 12, 150, 21);
    p.LabelAvailFields = p.Add<Label>(p.TBDataSource, "LabelAvailFields", 8, 4, 120, 13, "&Available Fields:");
    p.LBAvailFields = p.Add<ListBox>(p.TBDataSource, "LBAvailFields", 8, 20, 160, 112);
    p.BROneDS = p.Add<Button>(p.TBDataSource, "BROneDS", 176, 24, 30, 23, ">");
    p.BRAllDS = p.Add<Button>(p.TBDataSource, "BRAllDS", 176, 50, 30, 23, ">>");
    p.BLOneDS = p.Add<Button>(p.TBDataSource, "BLOneDS", 176, 76, 30, 23, "<");
    p.BLAllDS = p.Add<Button>(p.TBDataSource, "BLAllDS", 176, 102, 30, 23, "<<");
    p.LabelSelFields = p.Add<Label>(p.TBDataSource, "LabelSelFields", 214, 4, 120, 13, "&Selected Fields:");
    p.LBSelFields = p.Add<ListBox>(p.TBDataSource, "LBSelFields", 214, 20, 160, 112);
    for (ListBox* l : {p.LBAvailFields, p.LBSelFields}) l->MultiSelect = true;

    p.CBDataSourcestyle->OnChange = [&p](Component* s) { p.CBDataSourcestyleChange(s); };
    p.CBFunctions->OnChange = [&p](Component* s) { p.CBFunctionsChange(s); };
    p.BEditFunc->OnClick = [&p](Component* s) { p.BEditFuncClick(s); };
    for (Button* b : {p.BRightOne, p.BROneDS}) b->OnClick = [&p](Component* s) { p.BRightOneClick(s); };
    for (Button* b : {p.BRightAll, p.BRAllDS}) b->OnClick = [&p](Component* s) { p.BRightAllClick(s); };
    for (Button* b : {p.BLeftOne, p.BLOneDS}) b->OnClick = [&p](Component* s) { p.BLeftOneClick(s); };
    for (Button* b : {p.BLeftAll, p.BLAllDS}) b->OnClick = [&p](Component* s) { p.BLeftAllClick(s); };
    p.LBAvailSeries->OnDblClick = [&p](Component* s) { p.BRightOneClick(s); };
    p.LBSelectedSeries->OnDblClick = [&p](Component* s) { p.BLeftOneClick(s); };
    p.LBAvailFields->OnDblClick = [&p](Component* s) { p.BRightOneClick(s); };
    p.LBSelFields->OnDblClick = [&p](Component* s) { p.BLeftOneClick(s); };
    p.CBListDataSets->OnChange = [&p](Component* s) { p.CBListDataSetsChange(s); };
    p.CBLabelsField->OnChange = [&p](Component* s) { p.CBLabelsFieldChange(s); };
}

// ---------------------------------------------------------------------------------------------------------
// The style

int TDataSourceChooser::StyleOf(TChartSeries& series) const {
    if (Component* source = series.DataSource()) {
        if (dynamic_cast<TChartSeries*>(source)) return dsFunction;
        return page_.OnStyleOfSource ? page_.OnStyleOfSource(series) : dsNoData;
    }
    if (series.SeriesFunction()) return dsFunction;
    return series.Count() > 0 ? dsRandom : dsNoData;
}

void TDataSourceChooser::SetUp() {
    TFormChartSeries& p = page_;
    if (!p.Series) return;
    const int style = StyleOf(*p.Series);
    p.CBDataSourcestyle->SetItemIndex(style < p.CBDataSourcestyle->Count() ? style : dsNoData);
    ShowStylePage(p.CBDataSourcestyle->ItemIndex());
}

void TDataSourceChooser::ShowStylePage(int style) {
    TFormChartSeries& p = page_;
    p.PCData->SetVisible(style != dsNoData && style != dsRandom);
    if (style == dsFunction) {
        p.PCData->SetActivePage(p.TabFunctions);
        FillFunctionPage();
    } else if (style == dsFields || style == dsFieldList) {
        p.PCData->SetActivePage(p.TabDatabase);
        FillDataSetPage(style);
    }
}

void TDataSourceChooser::ChooseStyle(int style) {
    TFormChartSeries& p = page_;
    if (!p.Series) return;
    p.PCData->SetVisible(style != dsNoData && style != dsRandom);
    if (style == dsNoData || style == dsRandom) {
        p.Sources.Clear();
        p.Series->SetDataSource(nullptr);
        // A function left on a series without sources would show it as calculated again next time.
        p.Series->SetFunction(nullptr);
        p.Series->Clear();
        p.FunctionChanged = p.DataSetChanged = false;
        if (style == dsRandom) p.Series->FillSampleValues(p.Series->NumSampleValues());
        return;
    }
    ShowStylePage(style);
}

void TDataSourceChooser::CandidateSources(int style, bool includeInUse, std::vector<std::string>& texts,
                                          std::vector<Component*>& objects) const {
    const TFormChartSeries& p = page_;
    texts.clear();
    objects.clear();
    if (!p.Series) return;
    SeriesHost* chart = p.Series->ParentChart();
    auto* chartComponent = dynamic_cast<Component*>(chart);
    std::vector<const Component*> places;
    for (Form* f : p.P.App.Forms()) places.push_back(f);
    if (chartComponent && chartComponent->Owner()) places.push_back(chartComponent->Owner());
    if (chartComponent && style != dsFieldList) places.push_back(chartComponent);
    const auto& inUse = p.Series->DataSources();
    for (const Component* place : places)
        for (Component* c : place->Components()) {
            // A component met through two places is offered once.
            if (std::find(objects.begin(), objects.end(), c) != objects.end()) continue;
            if (!includeInUse && std::find(inUse.begin(), inUse.end(), c) != inUse.end()) continue;
            const bool suits = style == dsFunction ? dynamic_cast<TChartSeries*>(c) != nullptr
                                                   : p.OnIsValidSource && p.OnIsValidSource(c, style);
            if (!suits || !chart || !chart->IsValidDataSource(*p.Series, c)) continue;
            std::string text = SourceDisplayName(*c);
            if (c->Owner() != p.Series->Owner() && c->Owner() && !c->Owner()->Name().empty())
                text = c->Owner()->Name() + "." + text;
            texts.push_back(text);
            objects.push_back(c);
        }
}

// ---------------------------------------------------------------------------------------------------------
// "Function"

void TDataSourceChooser::FillFunctionPage() {
    TFormChartSeries& p = page_;
    std::vector<std::string> functions{"Copy"};
    p.FunctionObjects = {nullptr};
    for (const auto& entry : ChartSeriesTypes().Items()) {
        if (!entry->FunctionClass || entry->SeriesClass) continue;
        if (std::find(p.FunctionObjects.begin(), p.FunctionObjects.end(), entry->FunctionClass) !=
            p.FunctionObjects.end())
            continue;
        functions.insert(functions.begin() + 1, entry->Description);
        p.FunctionObjects.insert(p.FunctionObjects.begin() + 1, entry->FunctionClass);
    }
    p.CBFunctions->SetItems(functions);

    std::vector<std::string> texts;
    CandidateSources(dsFunction, false, texts, p.AvailObjects);
    p.LBAvailSeries->SetItems(texts);
    texts.clear();
    p.SelectedObjects.clear();
    for (Component* c : p.Series->DataSources())
        if (dynamic_cast<TChartSeries*>(c)) {
            texts.push_back(SourceDisplayName(*c));
            p.SelectedObjects.push_back(c);
        }
    p.LBSelectedSeries->SetItems(texts);
    p.Sources.SetSeries(p.Series);

    const ChartClass* current = p.Series->SeriesFunction() ? ChartClassOf(*p.Series->SeriesFunction()) : nullptr;
    auto it = std::find(p.FunctionObjects.begin(), p.FunctionObjects.end(), current);
    p.CBFunctions->SetItemIndex(it == p.FunctionObjects.end() ? 0 : int(it - p.FunctionObjects.begin()));
    p.BEditFunc->SetEnabled(p.CBFunctions->ItemIndex() > 0);
    p.FunctionChanged = false;
    p.MoveSource = p.LBAvailSeries;
    p.MoveTarget = p.LBSelectedSeries;
    EnableMoveButtons();
}

void TDataSourceChooser::ChooseFunction() {
    page_.FunctionChanged = true;
    page_.BEditFunc->SetEnabled(page_.CBFunctions->ItemIndex() > 0);
}

void TDataSourceChooser::ApplyFunction() {
    TFormChartSeries& p = page_;
    if (!p.Series) return;
    if (!p.SelectedObjects.empty()) {
        for (Component* c : p.SelectedObjects) p.Series->CheckCircularSource(c);
        p.Series->LeaveSources();
        for (Component* c : p.SelectedObjects) p.Series->AddDataSource(c);
    } else {
        p.Series->SetDataSource(nullptr);
    }
    const int index = p.CBFunctions->ItemIndex();
    const ChartClass* cls =
        index > 0 && index < int(p.FunctionObjects.size()) ? p.FunctionObjects[std::size_t(index)] : nullptr;
    if (!cls) p.Series->SetFunction(nullptr);
    else if (p.Series->SeriesFunction() && ChartClassOf(*p.Series->SeriesFunction()) == cls) p.Series->RefreshFromSource();
    else CreateFunctionOfClass(*p.Series, *cls);
    p.FunctionChanged = false;
}

void TDataSourceChooser::EditFunction() {
    TFormChartSeries& p = page_;
    p.ApplyPendingChanges();
    if (!p.Series || !p.Series->SeriesFunction()) return;
    TChartFunction& function = *p.Series->SeriesFunction();
    TemporaryDialog<TFormPeriod> dialog(p.P);
    dialog->SetCaption("Function Period");
    dialog->ThePeriod = function.Period();
    dialog->ThePeriodStyle = function.PeriodStyle();
    dialog->ThePeriodAlign = function.PeriodAlign();
    dialog->RangeAllowed = !function.MovingFunction();
    auto* first = dynamic_cast<TChartSeries*>(p.Series->DataSource());
    dialog->IsDateTime = first && first->XValues->DateTime();
    dialog->LCalc->SetCaption("Calculate " + p.CBFunctions->Text() + " every:");
    if (dialog->ShowModal() != MrOk) return;
    // A moving window of no points would reach before the first point.
    if (function.MovingFunction() && dialog->ThePeriodStyle == psNumPoints && std::round(dialog->ThePeriod) < 1) {
        p.P.App.MessageBox(ShortMovingPeriod, p.P.App.Title, MbOk | MbIconExclamation);
        return;
    }
    ApplyFunctionPeriod(function, *dialog);
}

// ---------------------------------------------------------------------------------------------------------
// Moving entries between the lists

std::vector<Component*>& TDataSourceChooser::ObjectsOf(ListBox* list) {
    TFormChartSeries& p = page_;
    if (list == p.LBAvailSeries) return p.AvailObjects;
    if (list == p.LBSelectedSeries) return p.SelectedObjects;
    if (list == p.LBAvailFields) return availFieldObjects_;
    return selFieldObjects_;
}

void TDataSourceChooser::MoveEntries(bool toTarget, bool all) {
    TFormChartSeries& p = page_;
    if (!p.MoveSource || !p.MoveTarget) return;
    ListBox* from = toTarget ? p.MoveSource : p.MoveTarget;
    ListBox* to = toTarget ? p.MoveTarget : p.MoveSource;
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

void TDataSourceChooser::EnableMoveButtons() {
    TFormChartSeries& p = page_;
    const bool fields = p.MoveSource == p.LBAvailFields;
    Button* right[] = {fields ? p.BROneDS : p.BRightOne, fields ? p.BRAllDS : p.BRightAll};
    Button* left[] = {fields ? p.BLOneDS : p.BLeftOne, fields ? p.BLAllDS : p.BLeftAll};
    const bool anyLeft = p.MoveSource && p.MoveSource->Count() > 0;
    const bool anyRight = p.MoveTarget && p.MoveTarget->Count() > 0;
    for (Button* b : right) b->SetEnabled(anyLeft);
    for (Button* b : left) b->SetEnabled(anyRight);
}

void TDataSourceChooser::MarkChanged() {
    if (page_.DataSourceStyle() == dsFunction) page_.FunctionChanged = true;
    else page_.DataSetChanged = true;
}

// ---------------------------------------------------------------------------------------------------------
// The extension's styles

void TDataSourceChooser::FillDataSetPage(int style) {
    TFormChartSeries& p = page_;
    std::vector<std::string> texts;
    CandidateSources(style, true, texts, p.DataSetObjects);
    p.CBListDataSets->SetItems(texts);
    auto it = std::find(p.DataSetObjects.begin(), p.DataSetObjects.end(), p.Sources.DataSet);
    p.CBListDataSets->SetItemIndex(p.Sources.DataSet && it != p.DataSetObjects.end() ? int(it - p.DataSetObjects.begin())
                                                                                     : -1);
    fields_ = p.Sources.DataSet && p.OnDataSetChosen ? p.OnDataSetChosen(p.Sources.DataSet) : std::vector<std::string>{};
    if (style == dsFields) {
        p.LabelDataSet->SetCaption("&Dataset:");
        p.PCDataStyle->SetActivePage(p.TBDataSet);
        BuildFieldRows();
        ShowFieldRows();
    } else {
        p.LabelDataSet->SetCaption("&DataSource:");
        p.PCDataStyle->SetActivePage(p.TBDataSource);
        std::vector<std::string> chosen, rest;
        std::string list = p.Series->MandatoryValueList()->ValueSource();
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
        p.LBAvailFields->SetItems(rest);
        p.LBSelFields->SetItems(chosen);
        p.MoveSource = p.LBAvailFields;
        p.MoveTarget = p.LBSelFields;
        EnableMoveButtons();
    }
    p.DataSetChanged = false;
}

void TDataSourceChooser::BuildFieldRows() {
    TFormChartSeries& p = page_;
    const auto& lists = p.Series->ValueLists();
    for (int i = 0; i < TChartEditSources::MaxRows; ++i) {
        TChartEditSource& row = p.Sources.Rows[std::size_t(i)];
        if (!row.Combo) {
            const int top = p.CBLabelsField->Top() + p.CBLabelsField->Height() + 3 + i * (p.CBLabelsField->Height() + 4);
            row.Combo = p.Add<ComboBox>(p.GroupFields, "", p.CBLabelsField->Left(), top, p.CBLabelsField->Width(),
                                        p.CBLabelsField->Height());
            row.Caption = p.Add<Label>(p.GroupFields, "", p.LabelLabels->Left(), top + 4, p.LabelLabels->Width(), 13);
            row.Caption->TextAlign = Label::Alignment::Right;
            row.DateTime = p.Add<CheckBox>(p.GroupFields, "", p.CBLabelsField->Left() + p.CBLabelsField->Width() + 6,
                                           top, 80, 17, "DateTime");
            row.Combo->OnChange = [this, i](Component*) { ChooseField(i); };
            row.DateTime->OnClick = [&p](Component*) {
                if (!p.Updating) p.DataSetChanged = true;
            };
        }
        const bool used = i < int(lists.size()) && !lists[std::size_t(i)]->Name().empty();
        if (used) row.Caption->SetCaption(lists[std::size_t(i)]->Name() + ":");
        ShowControls(used, {row.Combo, row.Caption, row.DateTime});
    }
}

void TDataSourceChooser::ShowFieldRows() {
    TFormChartSeries& p = page_;
    HoldFlag updating(p.Updating);
    p.CBLabelsField->SetItems(fields_);
    p.CBLabelsField->SetItemIndex(p.CBLabelsField->IndexOf(p.Sources.LabelsField));
    const auto& lists = p.Series->ValueLists();
    for (int i = 0; i < TChartEditSources::MaxRows; ++i) {
        TChartEditSource& row = p.Sources.Rows[std::size_t(i)];
        row.Combo->SetItems(fields_);
        row.Combo->SetItemIndex(row.Combo->IndexOf(row.FieldName));
        row.DateTime->SetChecked(i < int(lists.size()) && lists[std::size_t(i)]->DateTime());
    }
}

void TDataSourceChooser::ChooseField(int i) {
    TFormChartSeries& p = page_;
    if (p.Updating) return;
    TChartEditSource& row = p.Sources.Rows[std::size_t(i)];
    // A typed name that is no field stays in the box (applying refuses it) and names no field.
    const int found = row.Combo->IndexOf(row.Combo->Text());
    if (found >= 0) row.Combo->SetItemIndex(found);
    row.FieldName = found >= 0 ? row.Combo->Text() : std::string();
    bool dateTime = row.DateTime->Checked();
    if (p.OnFieldChosen) p.OnFieldChosen(p.Sources.DataSet, row.FieldName, dateTime);
    {
        HoldFlag updating(p.Updating);
        row.DateTime->SetChecked(dateTime);
    }
    p.DataSetChanged = true;
}

void TDataSourceChooser::ChooseLabelsField() {
    TFormChartSeries& p = page_;
    if (p.Updating) return;
    const int found = p.CBLabelsField->IndexOf(p.CBLabelsField->Text());
    if (found >= 0) p.CBLabelsField->SetItemIndex(found);
    p.Sources.LabelsField = found >= 0 ? p.CBLabelsField->Text() : std::string();
    p.DataSetChanged = true;
}

void TDataSourceChooser::ChooseDataSet() {
    TFormChartSeries& p = page_;
    const int index = p.CBListDataSets->ItemIndex();
    if (index < 0 || index >= int(p.DataSetObjects.size())) return;
    p.Sources.DataSet = p.DataSetObjects[std::size_t(index)];
    fields_ = p.OnDataSetChosen ? p.OnDataSetChosen(p.Sources.DataSet) : std::vector<std::string>{};
    for (Control* c : std::initializer_list<Control*>{p.CBLabelsField, p.LBAvailFields, p.LBSelFields})
        c->SetEnabled(true);
    if (p.DataSourceStyle() == dsFields) {
        ShowFieldRows();
    } else {
        availFieldObjects_.assign(fields_.size(), nullptr);
        selFieldObjects_.clear();
        p.LBAvailFields->SetItems(fields_);
        p.LBSelFields->ClearItems();
        EnableMoveButtons();
    }
    p.DataSetChanged = true;
}

void TDataSourceChooser::ApplyDataSet() {
    TFormChartSeries& p = page_;
    if (!p.Series) return;
    if (!p.Sources.DataSet) {
        p.CBDataSourcestyle->SetItemIndex(dsNoData);
        p.PCData->Hide();
        p.DataSetChanged = false;
        return;
    }
    const int style = p.DataSourceStyle();
    if (style == dsFields) {
        auto check = [](ComboBox& combo) {
            if (!combo.Text().empty() && combo.IndexOf(combo.Text()) < 0)
                throw ChartException("Field " + combo.Text() + " does not exist");
        };
        const auto& lists = p.Series->ValueLists();
        for (std::size_t i = 0; i < lists.size() && i < p.Sources.Rows.size(); ++i)
            if (p.Sources.Rows[i].Combo) check(*p.Sources.Rows[i].Combo);
        check(*p.CBLabelsField);
        p.Series->SetDataSource(nullptr);
        for (std::size_t i = 0; i < lists.size() && i < p.Sources.Rows.size(); ++i) {
            lists[i]->SetValueSource(p.Sources.Rows[i].FieldName);
            if (p.Sources.Rows[i].DateTime) lists[i]->SetDateTime(p.Sources.Rows[i].DateTime->Checked());
        }
        p.Series->SetXLabelsSource(p.Sources.LabelsField);
    } else if (style == dsFieldList) {
        std::string joined;
        for (const std::string& f : p.LBSelFields->Items()) joined += (joined.empty() ? "" : ";") + f;
        p.Series->MandatoryValueList()->SetValueSource(joined);
    }
    p.Series->SetDataSource(p.Sources.DataSet);
    p.DataSetChanged = false;
}

}  // namespace fv
