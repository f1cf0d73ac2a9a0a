// The series gallery and its grid of preview charts.
#include "chartui/series/gallery_form.h"

#include <algorithm>

#include "chart/chart_exception.h"
#include "chartui/dialogs/chart_editors.h"

namespace fv {

namespace {

constexpr Color PreviewTitleColour = ClNavy;
constexpr Color GreyedColour = ClGray;
constexpr int FirstSeriesColour = ClRed, SecondSeriesColour = ClBlue;

// Whether the registry entry stands on the page.
bool EntryOnPage(const TChartSeriesType& entry, const std::string& page, bool functionsOffered) {
    return entry.GalleryPage == page && (functionsOffered || !entry.FunctionClass);
}

void SetTitleFont(TCustomChart& chart, Color colour, int size, unsigned style) {
    Font f = chart.Title().GetFont();
    f.FontColor = colour;
    f.Size = size;
    f.Style = style;
    chart.Title().SetFont(f);
}

TChartSeries* FirstSeries(const TCustomChart& chart) { return chart.SeriesCount() > 0 ? chart.GetSeries(0) : nullptr; }

}  // namespace

// ---------------------------------------------------------------------------------------------------------
// The grid

TChartGalleryPanel::TChartGalleryPanel(Component* owner, std::string name) : Panel(owner, std::move(name)) {
    BevelOuter = BevelKind::None;
}

TChartGalleryPanel::~TChartGalleryPanel() { FreeCharts(); }

void TChartGalleryPanel::FreeCharts() {
    selected_ = nullptr;
    std::vector<TCustomChart*> gone;
    gone.swap(charts_);
    for (TCustomChart* chart : gone) {
        // The previews' series belong to this panel, not to the chart: they go first.
        while (chart->SeriesCount() > 0) FreeSeries(chart->GetSeries(0));
        FreeComponent(chart);
    }
}

void TChartGalleryPanel::CreateGalleryPage(const std::string& page, bool functionsOffered) {
    FreeCharts();
    rows_ = 3;
    cols_ = 4;
    std::vector<const TChartSeriesType*> shown;
    for (const auto& entry : ChartSeriesTypes().Items())
        if (EntryOnPage(*entry, page, functionsOffered)) shown.push_back(entry.get());
    const int n = int(shown.size());
    if (n > rows_ * cols_) rows_ = (n - 1) / cols_ + 1;
    for (int k = 0; k < n; ++k) charts_.push_back(MakePreview(k, *shown[std::size_t(k)]));
}

TCustomChart* TChartGalleryPanel::MakePreview(int number, const TChartSeriesType& entry) {
    auto* chart = Make<TChart>("ChartGalleryChart" + std::to_string(number));
    chart->SetTag(number);
    PlaceChart(*chart);
    chart->SetParent(this);

    chart->Legend().SetVisible(false);
    chart->LeftAxis()->SetLabels(false);
    chart->BottomAxis()->SetLabels(false);
    chart->Title().SetText({entry.Description});
    SetTitleFont(*chart, PreviewTitleColour, 8, 0);
    chart->AnimatedZoom = true;
    chart->View3DOptions().SetOrthogonal(false);
    chart->View3DOptions().SetZoom(70);
    chart->View3DOptions().SetRotation(350);
    chart->View3DOptions().SetElevation(340);
    chart->SetChart3DPercent(100);
    chart->SetClipPoints(false);
    chart->Frame().SetVisible(false);
    chart->BevelWidth = 2;
    chart->BevelOuter = BevelKind::None;
    for (TChartWall* wall : {&chart->LeftWall(), &chart->BottomWall()}) {
        wall->SetSize(2);
        wall->SetColor(ClWhite);
    }

    const ChartClass* seriesClass = entry.SeriesClass ? entry.SeriesClass : FindChartClass("TLineSeries");
    if (!seriesClass) throw ChartException("The gallery needs the line series registered");
    const int count = std::max(1, entry.NumGallerySeries);
    for (int i = 0; i < count; ++i) {
        TChartSeries* series = CreateSeriesOfClass(this, *chart, *seriesClass, entry.FunctionClass);
        if (i == 0) series->SetSeriesColor(FirstSeriesColour);
        else if (i == 1) series->SetSeriesColor(SecondSeriesColour);
    }

    TChartSeries* first = FirstSeries(*chart);
    const bool enabled = !(CheckCompatibility && ReferenceSeries && !first->IsValidSourceOf(*ReferenceSeries));
    if (enabled) {
        chart->SetCursor(Cursor::HandPoint);
        chart->OnClick = [this](Component* s) { SelectChart(static_cast<TCustomChart*>(s)); };
        chart->OnEnter = [this](Component* s) {
            if (s != selected_) SelectChart(static_cast<TCustomChart*>(s));
        };
        chart->OnDblClick = [this](Component* s) {
            SelectChart(static_cast<TCustomChart*>(s));
            ChooseSelected();
        };
    } else {
        chart->SetCursor(Cursor::NoDrop);
        SetTitleFont(*chart, GreyedColour, 8, 0);
        for (TChartWall* wall : {&chart->LeftWall(), &chart->BottomWall()}) wall->Pen().SetColor(GreyedColour);
        for (TCustomChartAxis* axis : {chart->LeftAxis(), chart->BottomAxis()}) {
            axis->Axis.SetWidth(1);
            axis->Axis.SetColor(ClWhite);
        }
    }
    chart->SavedCursor = chart->GetCursor();

    first->SetChartView3D(view3D_);
    for (int i = 0; i < chart->SeriesCount(); ++i) chart->GetSeries(i)->PrepareForGallery(enabled);
    SetMargins(*chart);
    return chart;
}

bool TChartGalleryPanel::PreviewEnabled(const TCustomChart& chart) { return chart.GetCursor() == Cursor::HandPoint; }

void TChartGalleryPanel::SetMargins(TCustomChart& chart) {
    const int margin = chart.View3D() ? 0 : 7;
    chart.SetMarginLeft(margin);
    chart.SetMarginTop(margin);
    chart.SetMarginRight(margin);
    chart.SetMarginBottom(margin);
}

void TChartGalleryPanel::PlaceChart(TCustomChart& chart) {
    if (rows_ <= 0 || cols_ <= 0) return;
    const int inset = BevelWidth + BorderWidth;
    const int cellHeight = (Height() - inset) / rows_;
    const int cellWidth = (Width() - inset) / cols_;
    const int k = chart.Tag();
    const int left = inset + (k % cols_) * cellWidth;
    const int top = inset + (k / cols_) * cellHeight;
    // No cell passes the inset on the far sides.
    const int width = std::max(0, std::min(cellWidth, Width() - inset - left));
    const int height = std::max(0, std::min(cellHeight, Height() - inset - top));
    chart.SetBounds(left, top, width, height);
}

void TChartGalleryPanel::ResizeCharts() {
    for (TCustomChart* chart : charts_) PlaceChart(*chart);
}

void TChartGalleryPanel::SetBounds(int left, int top, int width, int height) {
    Panel::SetBounds(left, top, width, height);
    ResizeCharts();
}

void TChartGalleryPanel::FindSelectedChart() {
    TCustomChart* found = nullptr;
    if (ReferenceSeries)
        for (TCustomChart* chart : charts_) {
            TChartSeries* first = FirstSeries(*chart);
            if (first && !first->SeriesFunction() && ChartClassOf(*first) == ChartClassOf(*ReferenceSeries)) {
                found = chart;
                break;
            }
        }
    // A greyed preview is never selected: OK would choose a type that cannot take the series' data.
    if (!found)
        for (TCustomChart* chart : charts_)
            if (PreviewEnabled(*chart)) {
                found = chart;
                break;
            }
    if (found) SelectChart(found);
}

void TChartGalleryPanel::SelectChart(TCustomChart* chart) {
    if (!chart) return;
    selected_ = chart;
    chart->SetColor(SelectedColour);
    SetTitleFont(*chart, ClBlack, 10, FsBold);
    chart->BevelOuter = BevelKind::Raised;
    chart->Invalidate();
    for (TCustomChart* other : charts_) {
        if (other == chart || other->GetColor() != SelectedColour) continue;
        other->SetColor(ClBtnFace);
        other->BevelOuter = BevelKind::None;
        SetTitleFont(*other, PreviewTitleColour, 8, 0);
        other->Invalidate();
    }
    chart->SetFocus();
    if (OnChangeChart) OnChangeChart(this);
}

void TChartGalleryPanel::ChooseSelected() {
    if (selected_ && OnSelectedChart) OnSelectedChart(this);
}

void TChartGalleryPanel::SetView3D(bool on) {
    view3D_ = on;
    for (TCustomChart* chart : charts_) {
        if (TChartSeries* first = FirstSeries(*chart)) first->SetChartView3D(on);
        SetMargins(*chart);
    }
}

void TChartGalleryPanel::GalleryKeyDown(int& key) {
    if (!selected_) return;
    int col = selected_->Tag() % cols_;
    int row = selected_->Tag() / cols_;
    switch (key) {
    case fv::KeyReturn:
        key = KeyNone;
        ChooseSelected();
        return;
    case fv::KeyLeft: if (col > 0) --col; break;
    case fv::KeyUp: if (row > 0) --row; break;
    case fv::KeyRight: if (col < cols_ - 1) ++col; break;
    case fv::KeyDown: if (row < rows_ - 1) ++row; break;
    default: return;
    }
    key = KeyNone;
    const int at = row * cols_ + col;
    if (at < int(charts_.size()) && charts_[std::size_t(at)] != selected_ && PreviewEnabled(*charts_[std::size_t(at)]))
        SelectChart(charts_[std::size_t(at)]);
}

// ---------------------------------------------------------------------------------------------------------
// The dialog

TChartGallery::TChartGallery(Component* owner, Program& program) : ProgramForm(owner, program, "ChartGallery") {
    Creating = true;
    SetUpChartDialog(*this, "Series Gallery", 381, 317);
    KeyPreview = true;
    FunctionsOffered = true;

    ChartTabControl = Add<TabControl>(this, "ChartTabControl", 0, 0, 381, 271);
    ChartTabControl->Tabs = {"Standard", "Functions"};
    ChartTabControl->SetTabIndex(0);
    ChartGalleryPanel1 = Add<TChartGalleryPanel>(ChartTabControl, "ChartGalleryPanel1", 4, 26, 373, 241);
    ChartGalleryPanel1->OnSelectedChart = [this](Component*) { SetModalResult(MrOk); };

    P1 = Add<Panel>(this, "P1", 0, 271, 381, 46);
    P1->BevelOuter = BevelKind::None;
    CB3D = Add<CheckBox>(P1, "CB3D", 12, 14, 60, 17, "&3D");
    CB3D->SetChecked(true);
    BOk = AddOkButton(P1, "BOk", 214, 10, 75, 25);
    BCancel = AddCancelButton(P1, "BCancel", 297, 10, 75, 25);

    OnShow = [this](Component* s) { FormShow(s); };
    OnResize = [this](Component* s) { FormResize(s); };
    OnKeyDown = [this](Component* s, int& key, unsigned shift) { FormKeyDown(s, key, shift); };
    ChartTabControl->OnChange = [this](Component* s) { TabControlChange(s); };
    CB3D->OnClick = [this](Component* s) { CB3DClick(s); };
    Creating = false;
}

void TChartGallery::HideFunctions() {
    auto& tabs = ChartTabControl->Tabs;
    tabs.erase(std::remove(tabs.begin(), tabs.end(), std::string("Functions")), tabs.end());
    ChartTabControl->TabsChanged();
    FunctionsOffered = false;
}

void TChartGallery::FormShow(Component*) {
    if (ChartGalleryPanel1->Charts().empty()) {
        auto& tabs = ChartTabControl->Tabs;
        for (const auto& entry : ChartSeriesTypes().Items()) {
            if (entry->NumGallerySeries <= 0) continue;
            if (!FunctionsOffered && entry->FunctionClass) continue;
            if (std::find(tabs.begin(), tabs.end(), entry->GalleryPage) == tabs.end()) tabs.push_back(entry->GalleryPage);
        }
        ChartTabControl->TabsChanged();
        ChartTabControl->SetTabIndex(0);
        CreateGalleryPage();
    }
    ChartGalleryPanel1->FindSelectedChart();
}

void TChartGallery::CreateGalleryPage() {
    const int index = ChartTabControl->TabIndex();
    if (index < 0 || index >= int(ChartTabControl->Tabs.size())) return;
    ChartGalleryPanel1->SetView3D(CB3D->Checked());
    ChartGalleryPanel1->CheckCompatibility = !FunctionsOffered;
    ChartGalleryPanel1->CreateGalleryPage(ChartTabControl->Tabs[std::size_t(index)], FunctionsOffered);
}

void TChartGallery::TabControlChange(Component*) {
    if (Creating) return;
    CreateGalleryPage();
    ChartGalleryPanel1->FindSelectedChart();
}

void TChartGallery::CB3DClick(Component*) {
    if (CB3D->Checked() != ChartGalleryPanel1->View3D()) ChartGalleryPanel1->SetView3D(CB3D->Checked());
}

void TChartGallery::FormKeyDown(Component*, int& key, unsigned) { ChartGalleryPanel1->GalleryKeyDown(key); }

void TChartGallery::FormResize(Component*) { LayOut(); }

void TChartGallery::LayOut() {
    const int w = ClientWidth(), h = ClientHeight();
    P1->SetBounds(0, h - 46, w, 46);
    ChartTabControl->SetBounds(0, 0, w, std::max(0, h - 46));
    ChartGalleryPanel1->SetBounds(4, 26, std::max(0, w - 8), std::max(0, h - 46 - 30));
}

// ---------------------------------------------------------------------------------------------------------
// Entry points

bool ShowGallery(Control& asker, TChartSeries* reference, bool offerFunctions, bool& view3D,
                 const ChartClass*& seriesClass, const ChartClass*& functionClass) {
    TemporaryDialog<TChartGallery> dialog(ProgramFormOf(asker).P);
    dialog->CB3D->SetChecked(view3D);
    dialog->ChartGalleryPanel1->ReferenceSeries = reference;
    if (!offerFunctions) dialog->HideFunctions();
    if (dialog->ShowModal() != MrOk) return false;
    TCustomChart* chosen = dialog->ChartGalleryPanel1->SelectedChart();
    if (!chosen || chosen->SeriesCount() == 0) return false;
    TChartSeries* first = chosen->GetSeries(0);
    seriesClass = ChartClassOf(*first);
    functionClass = first->SeriesFunction() ? ChartClassOf(*first->SeriesFunction()) : nullptr;
    view3D = chosen->View3D();
    return seriesClass != nullptr;
}

TChartSeries* CreateSeriesFromGallery(Component* owner, TChartSeries* reference, TCustomAxisPanel& chart,
                                      bool offerFunctions) {
    bool view3D = chart.View3D();
    const ChartClass* seriesClass = nullptr;
    const ChartClass* functionClass = nullptr;
    if (!ShowGallery(chart, reference, offerFunctions, view3D, seriesClass, functionClass)) return nullptr;
    chart.SetView3D(view3D);
    if (reference && !offerFunctions && seriesClass == ChartClassOf(*reference)) return nullptr;
    return CreateSeriesOfClass(owner, chart, *seriesClass, functionClass);
}

bool ChangeSeriesTypeFromGallery(TChartSeries*& series) {
    auto* chart = series ? dynamic_cast<TCustomAxisPanel*>(series->ParentChart()) : nullptr;
    if (!chart) return false;
    TChartSeries* made = CreateSeriesFromGallery(series->Owner(), series, *chart, false);
    if (!made) return false;
    ReplaceSeries(series, *made);
    series = made;
    return true;
}

}  // namespace fv
