// The series page of the chart editor: one series of the chart at a time, chosen in a drop-down, with its
// type's own editor ("Format", embedded by the class name the series gives), its general settings, its
// marks, and where its points come from ("Data Source": no data, random values, or a function over other
// series, "Copy" copying them as they are).
//
// Rules:
// - General and marks settings go into the series as they are made. Data source choices wait for an
//   apply, except "No Data" and "Random Values", which act at once.
// - Pending data source changes are applied, with no question, when another series is chosen or the page
//   closes; leaving the "Data Source" tab asks "Apply Changes?" (Yes applies, No drops them, Cancel stays).
// - A change that fails (a loop of sources, an unknown field) applies nothing and keeps the change pending.
// - A moving function needs a period of at least one whole point: a smaller one is refused with a message
//   and the function keeps its period.
// - A data-source extension (none ships with the program) may add styles 3 (one field per value list) and
//   4 (a list of fields) through the hooks; the page then offers their data sets and fields.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "chart/series_types.h"
#include "chartui/series/data_source_chooser.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/page_control.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/tab_sheet.h"
#include "program/program_form.h"

namespace fv {

class TFormChartSeries;

// The editor form of a series type, made for the page on the series (owner: the page).
using SeriesEditorFactory = std::function<Form*(TFormChartSeries& page, TChartSeries& series)>;
// Editor forms by the class name a series gives (EditorClassName); a second registration replaces the first.
void RegisterSeriesEditor(const std::string& className, SeriesEditorFactory factory);
void UnregisterSeriesEditor(const std::string& className);
// Nil for an unknown (or empty) name.
const SeriesEditorFactory* FindSeriesEditor(const std::string& className);

// Data source styles, the entries of CBDataSourcestyle.
enum TDataSourceStyle { dsNoData, dsRandom, dsFunction, dsFields, dsFieldList };

// One row of the field choice of style 3: a value list's field.
struct TChartEditSource {
    std::string FieldName;
    ComboBox* Combo = nullptr;
    Label* Caption = nullptr;
    CheckBox* DateTime = nullptr;
};

// What the page knows of the series' data source while it is edited.
class TChartEditSources {
public:
    static constexpr int MaxRows = 16;
    explicit TChartEditSources(TFormChartSeries& page) : Page(page) {}

    TFormChartSeries& Page;
    Component* DataSet = nullptr;
    TChartSeries* Series = nullptr;
    std::string LabelsField;
    std::array<TChartEditSource, MaxRows> Rows;

    // Takes the series' data source, labels field and the sources of its value lists.
    void SetSeries(TChartSeries* series);
    // Forgets the data set and the field names.
    void Clear();
};

class TFormChartSeries : public ProgramForm {
public:
    TFormChartSeries(Component* owner, Program& program);
    ~TFormChartSeries() override;

    ComboBox* CBSeries;
    Image* ImageSeries;
    Label* LabelSeriesClass;
    PageControl* PageSeries;
    TabSheet* TheTabSheet;
    TabSheet* TabGeneral;
    TabSheet* TabMarks;
    TabSheet* TabDataSource;
    // General
    CheckBox* CBShowInLegend;
    Label* LabelCursor;
    ComboBox* CBSeriesCursor;
    GroupBox* GroupFormats;
    Label* LabelValues;
    Edit* EValueformat;
    Label* LabelPercents;
    Edit* EPercentFormat;
    RadioGroup* RGHorizAxis;
    RadioGroup* RGVertAxis;
    CheckBox* CBXDateTime;
    CheckBox* CBYDateTime;
    // Marks
    CheckBox* CBMarksVisible;
    GroupBox* GroupMarksFormat;
    Button* BMarksBackColor;
    CheckBox* CBTransparent;
    Button* BMarkFont;
    Button* BMarksFrame;
    CheckBox* CBMarkClip;
    GroupBox* GroupArrows;
    Button* BMarkLinCol;
    Label* LabelLength;
    Edit* SEArrowLength;
    RadioGroup* RGMarkStyle;
    // Data Source
    ComboBox* CBDataSourcestyle;
    PageControl* PCData;
    TabSheet* TabFunctions;
    TabSheet* TabDatabase;
    Label* LabelFunction;
    ComboBox* CBFunctions;
    Button* BEditFunc;
    Label* LabelAvail;
    ListBox* LBAvailSeries;
    Label* LabelSelected;
    ListBox* LBSelectedSeries;
    Button* BRightOne;
    Button* BRightAll;
    Button* BLeftOne;
    Button* BLeftAll;
    Label* LabelDataSet;
    ComboBox* CBListDataSets;
    PageControl* PCDataStyle;
    TabSheet* TBDataSet;
    GroupBox* GroupFields;
    Label* LabelLabels;
    ComboBox* CBLabelsField;
    TabSheet* TBDataSource;
    Label* LabelAvailFields;
    ListBox* LBAvailFields;
    Label* LabelSelFields;
    ListBox* LBSelFields;
    Button* BROneDS;
    Button* BRAllDS;
    Button* BLOneDS;
    Button* BLAllDS;

    // The objects of the entries of the lists that carry them, index for index.
    std::vector<TChartSeries*> SeriesObjects;          // CBSeries
    std::vector<const ChartClass*> FunctionObjects;    // CBFunctions ("Copy": none)
    std::vector<Component*> AvailObjects, SelectedObjects;  // LBAvailSeries, LBSelectedSeries
    std::vector<Component*> DataSetObjects;            // CBListDataSets

    TChartSeries* Series = nullptr;
    bool Updating = true;
    bool FunctionChanged = false;
    bool DataSetChanged = false;
    bool ShowGeneralTab = true, ShowMarksTab = true, ShowDataSourceTab = true;
    std::vector<Form*> EmbeddedEditors;
    ListBox* MoveSource = nullptr;
    ListBox* MoveTarget = nullptr;
    TChartEditSources Sources{*this};
    // What the "Data Source" tab does: its controls and flags above are the page's, its work the chooser's.
    TDataSourceChooser DataSourceChooser{*this};

    // The hooks of a data-source extension (styles 3 and 4); all empty unless one sets them.
    std::function<std::vector<std::string>(Component* dataSet)> OnDataSetChosen;  // the set's field names
    std::function<int(TChartSeries& series)> OnStyleOfSource;
    std::function<void(Component* dataSet, const std::string& field, bool& dateTime)> OnFieldChosen;
    std::function<bool(Component* candidate, int style)> OnIsValidSource;

    // The series of the drop-down (the series list box keeps it in step with its own rows). A drop-down
    // whose rows were filled as texts alone names the chart's series in chart order.
    void SetSeriesList(const std::vector<TChartSeries*>& series);
    TChartSeries* SeriesAt(int index) const;
    // The chart of the series shown (taken from the series; set it for a drop-down of texts alone).
    SeriesHost* Chart = nullptr;
    // What the editor dialog allows: the "Data Source" tab, and the "General" and "Marks" tabs.
    void SetOptions(bool dataSourceAllowed, bool showGeneral, bool showMarks);
    // Shows the "Data Source" tab (a new calculated series starts there).
    void ShowDataSource();
    // Whether the dialog may leave the page now (asks "Apply Changes?" when changes are pending).
    bool AllowPageChange();
    // Shows `Series` (set by the caller): selects it in the drop-down and loads it.
    void ShowSeries();
    // A tab for an editor's own page at `index` (1 = after "Format"), with the editor made on it.
    Form* AddEditorTab(const SeriesEditorFactory& factory, TChartSeries& series, const std::string& caption);
    void FreeEmbeddedEditors();
    // Applies pending data source changes: the extension's when its settings changed, else the function's.
    void ApplyPendingChanges();
    void ApplyFunction();
    void ApplyDataSet();
    // The text of the chosen data source style.
    int DataSourceStyle() const { return CBDataSourcestyle->ItemIndex(); }

    void CBSeriesChange(Component* sender);
    void PageSeriesChange(Component* sender);
    void PageSeriesChanging(Component* sender, bool& allowChange);
    // General
    void CBShowInLegendClick(Component* sender);
    void CBSeriesCursorChange(Component* sender);
    void EValueformatChange(Component* sender);
    void EPercentFormatChange(Component* sender);
    void RGHorizAxisClick(Component* sender);
    void RGVertAxisClick(Component* sender);
    void CBXDateTimeClick(Component* sender);
    void CBYDateTimeClick(Component* sender);
    // Marks
    void CBMarksVisibleClick(Component* sender);
    void RGMarkStyleClick(Component* sender);
    void BMarksBackColorClick(Component* sender);
    void CBTransparentClick(Component* sender);
    void BMarkFontClick(Component* sender);
    void BMarksFrameClick(Component* sender);
    void CBMarkClipClick(Component* sender);
    void BMarkLinColClick(Component* sender);
    void SEArrowLengthChange(Component* sender);
    // Data Source
    void CBDataSourcestyleChange(Component* sender);
    void CBFunctionsChange(Component* sender);
    void BEditFuncClick(Component* sender);
    void BRightOneClick(Component* sender);
    void BRightAllClick(Component* sender);
    void BLeftOneClick(Component* sender);
    void BLeftAllClick(Component* sender);
    void CBListDataSetsChange(Component* sender);
    void CBLabelsFieldChange(Component* sender);
    void FormShow(Component* sender);
    void FormCloseQuery(bool& canClose);

    // The entries a list of sources may offer for the style, with their texts (step of the page's setup).
    void CandidateSources(int style, bool includeInUse, std::vector<std::string>& texts,
                          std::vector<Component*>& objects) const;

private:
    friend class TDataSourceChooser;  // builds the "Data Source" controls on the page

    void BuildGeneral();
    void BuildMarks();
    void ShowGeneral();
    void ShowMarks();
    void SetUpDataSource();
    void EmbedEditor(Form& editor, TabSheet& sheet);
};

// The description of the series' type in the registry (an entry of its class without a function), else
// its class name.
std::string SeriesTypeDescription(const TChartSeries& series);

}  // namespace fv
