// The chart window: its controls, the choice of rows and fields, the redraw, the chart file on show, the
// bitmap, and the sizes.
#include "chartui/window/chart_window.h"

#include <algorithm>
#include <array>
#include <limits>

#include "chart/chart_store.h"
#include "chart/series_types.h"
#include "platform/fs/files.h"
#include "platform/text/numbers.h"
#include "program/program.h"

namespace fv {

namespace {

const char* const ViewHint =
    "Drag a Box around an area of your chart to 'Zoom' in, or resize the Window for a larger view of your Chart.";

constexpr std::array<Color, 13> SeriesPalette = {
    0x0000FF,  // red
    0xFF0000,  // blue
    0x008000,  // green
    0x00FFFF,  // yellow
    0xFFFF00,  // aqua
    0x00FF00,  // lime
    0x800080,  // purple
    0x008080,  // olive
    0x800000,  // navy
    0xFF00FF,  // fuchsia
    0xC0C0C0,  // silver
    0x808080,  // grey
    0x808000,  // teal
};

// The choice text with a comma in front and behind, as far as it is read.
std::string Delimited(const std::string& text) { return "," + text.substr(0, MaxChoiceText) + ","; }

bool Names(const std::string& delimited, int n) {
    return delimited.find("," + std::to_string(n) + ",") != std::string::npos;
}

// Blanks skipped, then the decimal digits up to the first other character; no digits give 0. A number
// too long for an int counts as the largest, which the rows are held below anyway.
long long LeadingNumber(const std::string& text, std::size_t from) {
    while (from < text.size() && text[from] == ' ') ++from;
    long long n = 0;
    for (; from < text.size() && text[from] >= '0' && text[from] <= '9'; ++from)
        n = std::min<long long>(n * 10 + (text[from] - '0'), std::numeric_limits<int>::max());
    return n;
}

}  // namespace

Color RozizASeriesColor(int index) { return SeriesPalette[std::size_t(index % int(SeriesPalette.size()))]; }

std::vector<int> ChosenFields(const std::string& fieldText) {
    const std::string f = Delimited(fieldText);
    std::vector<int> fields;
    for (int n = 1; n <= FieldCount; ++n)
        if (Names(f, n)) fields.push_back(n);
    return fields;
}

std::vector<int> ChosenRows(const std::string& rowText, bool allRows, int recordCount) {
    std::vector<int> rows;
    if (allRows) {
        for (int n = 1; n <= recordCount; ++n) rows.push_back(n);
        return rows;
    }
    std::string r = Delimited(rowText);
    const std::size_t dash = r.find('-');
    if (dash == std::string::npos) {
        for (int n = 1; n <= recordCount; ++n)
            if (Names(r, n)) rows.push_back(n);
        return rows;
    }
    std::replace(r.begin(), r.end(), ',', ' ');
    // The first number ends at the dash; a range reaching past the records is held within them.
    const long long first = std::max<long long>(1, LeadingNumber(r.substr(0, dash), 1));
    const long long last = std::min<long long>(recordCount, LeadingNumber(r, dash + 1));
    for (long long n = first; n <= last; ++n) rows.push_back(int(n));
    return rows;
}

TRozizAForm::TRozizAForm(Component* owner, Program& program) : ProgramForm(owner, program, "RozizAForm") {
    editsWatch = P.Changes.Watch([this] { NoteChartEdits(); });
    SetCaption("RozizAForm");
    Position = FormPosition::ScreenCenter;

    // Places in the design size; LayOut places them again for every size.
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
    // The toolbar has a row of its own across the group box, so that its status texts have room; the
    // chart's scale buttons and the bitmap button share the row under it.
    Panel2 = Add<Panel>(RozizAView, "Panel2", 16, 18, 577, 34);
    Label3 = Add<Label>(RozizAView, "Label3", 16, 60, 66, 13, "Scale Chart");
    DownButton = Add<Button>(RozizAView, "DownButton", 86, 57, 50, 17, "Down");
    UpButton = Add<Button>(RozizAView, "UpButton", 140, 57, 40, 17, "Up");
    StoreImageButton = Add<Button>(RozizAView, "StoreImageButton", 443, 53, 150, 25, "Save Image to Bitmap");

    ChartVue = Add<TChart>(RozizAView, "ChartVue", 16, 84, 577, 170);
    ChartVue->SetHint(ViewHint);
    ChartVue->AnimatedZoom = true;
    ChartVue->BackWall().Brush().SetColor(ClWhite);
    ChartVue->BackWall().Brush().SetStyle(BrushStyle::Clear);
    ChartVue->Title().SetText({"Chart Vue"});
    // The series the window starts with: red, without marks or pointers, plotted along an ascending X.
    auto* series1 = Make<TLineSeries>("Series1");
    series1->SetSeriesColor(ClRed);
    series1->Marks().SetVisible(false);
    series1->Marks().SetArrowLength(8);
    series1->Pointer.SetVisible(false);
    series1->Pointer.SetStyle(psRectangle);
    series1->Pointer.SetInflateMargins(true);
    series1->XValues->SetName("X");
    series1->XValues->SetOrder(loAscending);
    series1->YValues->SetName("Y");
    series1->YValues->SetOrder(loNone);
    ChartVue->AddSeries(*series1);

    ChartCommander = Make<TChartCommander>(P, "ChartCommander");
    ChartEditor1 = Make<TChartEditor>(P, "ChartEditor1");
    ChartEditor1->SetChart(ChartVue);
    ChartCommander->SetBounds(1, 1, 575, 33);
    ChartCommander->SetParent(Panel2);
    ChartCommander->SetHint("Click on the Ruler and Pencil Icon to change the Style, Settings and Axes of the Chart");
    ChartCommander->SetPanel(ChartVue);
    ChartCommander->OnEditChart = [this](TCustomChartPanel&) { ChartEditor1Execute(); };

    ChartScrollBar1 = Add<TChartScrollBar>(RozizAView, "ChartScrollBar1", 16, 255, 577, 17);
    ChartScrollBar1->SetHint(ViewHint);
    ChartScrollBar1->SetChart(ChartVue);
    ChartScrollBar1->SetEnabled(true);
    ChartScrollBar1->SetPageSize(30000);
    ChartScrollBar1->ScrollBar::SetPosition(15000);

    OnShow = [this](Component* s) { FormShow(s); };
    OnClose = [this](Component* s, CloseAction& a) { FormClose(s, a); };
    WhichRows->OnChange = [this](Component* s) { WhichRowsChange(s); };
    ReDrawButton->OnClick = [this](Component* s) { ReDrawButtonClick(s); };
    StoreImageButton->OnClick = [this](Component* s) { StoreImageButtonClick(s); };
    CloseButton->OnClick = [this](Component* s) { CloseButtonClick(s); };
    DownButton->OnClick = [this](Component* s) { DownButtonClick(s); };
    UpButton->OnClick = [this](Component* s) { UpButtonClick(s); };

    laidOut = true;
    SetBounds(0, 0, DesignWidth, DesignHeight);
    SetMinimumSize(MinWidth, MinHeight);
    LayOut();
}

void TRozizAForm::ChartEditor1Execute() {
    if (OnEditChart) {
        OnEditChart(*ChartVue, ChartEditorTitle);
        return;
    }
    ChartEditor1->Title = ChartEditorTitle;
    ChartEditor1->Execute();
}

void TRozizAForm::FormShow(Component*) {
    if (chartFilePending) {
        chartFilePending = false;
        // The chart now comes from the database's file: edits before it are no longer compared.
        redrawnChart.reset();
        ReadChartFile();
    }
    ReDrawButtonClick(this);
}

void TRozizAForm::DatabaseLoaded() {
    chartFilePending = true;
    if (Visible()) FormShow(this);
}

void TRozizAForm::ReadChartFile() {
    if (P.ChartFileName.empty() || !PathExistsOnDisk(P.ChartFileName)) return;
    try {
        LoadChartFile(ChartVue, P.ChartFileName);
    } catch (const std::exception& e) {
        // The chart stays as it was; the redraw that follows still fills it.
        P.App.SetScreenCursor(Cursor::Default);
        P.App.ShowException(e);
    }
}

void TRozizAForm::ReDrawButtonClick(Component*) {
    // What the user changed is noted before the redraw replaces the points it is compared with.
    NoteChartEdits();
    try {
        Redraw();
    } catch (const std::exception& e) {
        P.App.SetScreenCursor(Cursor::Default);
        P.App.ShowException(e);
    }
    redrawnChart = ChartBytes();
}

std::optional<std::string> TRozizAForm::ChartBytes() const {
    try {
        return SaveChartStream(*ChartVue);
    } catch (const std::exception&) {
        // A chart that cannot be stored cannot be saved either; the save reports that.
        return std::nullopt;
    }
}

bool TRozizAForm::NoteChartEdits() {
    if (!redrawnChart) return false;
    std::optional<std::string> now = ChartBytes();
    if (!now || *now == *redrawnChart) return false;
    redrawnChart = std::move(now);
    P.Changes.Mark(Change::ChartEdit);
    return true;
}

void TRozizAForm::Redraw() {
    const std::vector<int> fields = ChosenFields(WhichFields->Text());
    const bool allRows = WhichRowsCheckBox->Checked();
    if (!allRows && fields.empty()) {
        P.App.ShowMessage("You have not specified any fields to plot. Please specify.");
        return;
    }
    const std::vector<int> rows = ChosenRows(WhichRows->Text(), allRows, P.RecordCount);

    TChart& chart = *ChartVue;
    for (TCustomChartAxis* axis : {static_cast<TCustomChartAxis*>(chart.LeftAxis()), chart.RightAxis(),
                                   chart.TopAxis(), chart.BottomAxis(), static_cast<TCustomChartAxis*>(&chart.DepthAxis())})
        axis->SetAutomatic(true);
    chart.SetAxisVisible(true);
    chart.AllowPanning = TPanningMode::pmHorizontal;
    chart.AllowZoom = true;

    KeepSeries(int(fields.size()));
    for (std::size_t i = 0; i < fields.size(); ++i) {
        TChartSeries& series = *chart.GetSeries(int(i));
        const Color colour = RozizASeriesColor(int(i));
        // The series takes its points' colour, so that the legend and the plot show it alike.
        series.SetSeriesColor(colour);
        for (int row : rows)
            series.AddY(DigitsToNumber(P.RecordTable[std::size_t(row - 1)].Field[std::size_t(fields[i] - 1)]), {},
                        colour);
    }
    ChartScrollBar1->RecalcPosition();
    chart.Invalidate();
}

void TRozizAForm::KeepSeries(int count) {
    TChart& chart = *ChartVue;
    // Series no longer plotted are freed, not kept: they would pile up over redraws.
    while (chart.SeriesCount() > count) FreeSeries(chart.GetSeries(chart.SeriesCount() - 1));
    for (int i = 0; i < chart.SeriesCount(); ++i) chart.GetSeries(i)->Clear();
    while (chart.SeriesCount() < count) {
        auto* series = Make<TLineSeries>(NewSeriesName(this));
        chart.AddSeries(*series);
    }
}

void TRozizAForm::WhichRowsChange(Component*) {
    const std::string& rows = WhichRows->Text();
    WhichRowsCheckBox->SetChecked(rows.empty() || rows == " " || rows == "(null)");
}

void TRozizAForm::StoreImageButtonClick(Component*) {
    FileDialogOptions options;
    // The folder is the database's image folder as it is now, not as it was when the window was made.
    options.InitialDirectory = P.DatabaseImageDirectory;
    options.DefaultExtension = "bmp";
    options.Filters = {{"*.bmp, BitMap file", "*.bmp"}};
    const std::optional<std::string> file = P.App.Dialogs().SaveFile(options);
    if (!file) return;
    try {
        ChartVue->SaveToBitmapFile(P.App.Raster(), *file);
    } catch (const std::exception& e) {
        P.App.ShowException(e);
    }
}

void TRozizAForm::CloseButtonClick(Component*) { Close(); }

void TRozizAForm::FormClose(Component*, CloseAction&) {
    NoteChartEdits();
    // However the window is closed, the chart may have been edited: the next save writes its file.
    P.Changes.Mark(Change::ChartWindowClosed);
}

void TRozizAForm::SetBounds(int left, int top, int width, int height) {
    const bool resized = std::max(width, MinWidth) != Width() || std::max(height, MinHeight) != Height();
    ProgramForm::SetBounds(left, top, std::max(width, MinWidth), std::max(height, MinHeight));
    if (resized) FormResize(this);
}

void TRozizAForm::FormResize(Component*) { LayOut(); }

int TRozizAForm::ChartAreaWidth() const { return RozizAView->Width() - 32; }
int TRozizAForm::ChartAreaHeight() const { return RozizAView->Height() - 84 - 25; }

void TRozizAForm::LayOut() {
    if (!laidOut) return;  // the controls are still being made
    const int w = ClientWidth(), h = ClientHeight();
    MainPanel->SetBounds(8, 6, w - 16, h - 20);
    Panel1->SetBounds(8, 6, MainPanel->Width() - 16, 49);
    RozizAView->SetBounds(8, 60, MainPanel->Width() - 16, MainPanel->Height() - 74);
    const int inner = RozizAView->Width() - 32;
    Panel2->SetBounds(16, 18, inner, 34);
    ChartCommander->SetBounds(1, 1, inner - 2, 33);
    StoreImageButton->SetBounds(16 + inner - StoreImageButton->Width(), 53, StoreImageButton->Width(), 25);
    const int chartWidth = std::max(MinChartSize, ChartAreaWidth() - chartShrink);
    const int chartHeight = std::max(MinChartSize, ChartAreaHeight() - chartShrink);
    ChartVue->SetBounds(16, 84, chartWidth, chartHeight);
    ChartScrollBar1->SetBounds(16, RozizAView->Height() - 24, inner, 17);
}

void TRozizAForm::SizesRestored() {
    // A chart stored smaller than its place was scaled down by that much; a larger one is not scaled.
    const int shrink = std::min(ChartAreaWidth() - ChartVue->Width(), ChartAreaHeight() - ChartVue->Height());
    chartShrink = std::max(0, shrink - shrink % 5);
    LayOut();
}

void TRozizAForm::DownButtonClick(Component*) {
    // Each side stops at the smallest size; the scale stops once both have.
    chartShrink = std::min(chartShrink + 5, std::max(0, std::max(ChartAreaWidth(), ChartAreaHeight()) - MinChartSize));
    LayOut();
}

void TRozizAForm::UpButtonClick(Component*) {
    // The chart never grows past its place.
    chartShrink = std::max(0, chartShrink - 5);
    LayOut();
}

}  // namespace fv
