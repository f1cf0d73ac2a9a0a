// The series gallery: a modal dialog in which the user picks a series type (or a function) by clicking
// one of a grid of small live charts, one per registered entry of the page on show. It serves adding a
// series (functions offered) and changing the type of one (functions not offered, and the types whose
// data cannot feed the series greyed out).
//
// Rules:
// - The pages are the gallery pages of the registry in registry order, made on the first show; only the
//   previews of the page on show exist, and a change of page frees them before it makes the next ones.
// - A page holds 3 rows of 4 cells; a page with more than 12 entries grows by rows of 4.
// - A greyed preview can be chosen neither by the mouse nor by the keys, nor is it ever the selected one
//   (so OK on a page of greyed types gives no type).
// - In type-change mode the series' own type is no change: nothing is made and the caller keeps it.
// - The previews' series are owned by the gallery panel and never reach the edited chart.
#pragma once

#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/series_types.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/check_box.h"
#include "platform/ui/panel.h"
#include "platform/ui/tab_control.h"
#include "program/program_form.h"

namespace fv {

// The grid of preview charts of one gallery page.
class TChartGalleryPanel : public Panel {
public:
    // The highlight of the selected preview.
    static constexpr Color SelectedColour = 0x80FFFF;

    TChartGalleryPanel(Component* owner, std::string name = {});
    ~TChartGalleryPanel() override;

    // The previews of the page on show, in registry order; preview k has Tag k.
    const std::vector<TCustomChart*>& Charts() const { return charts_; }
    TCustomChart* SelectedChart() const { return selected_; }
    // The series being changed (or added next to), or none.
    TChartSeries* ReferenceSeries = nullptr;
    int NumRows() const { return rows_; }
    int NumCols() const { return cols_; }
    bool View3D() const { return view3D_; }
    // Greys the previews that cannot feed the reference series.
    bool CheckCompatibility = false;
    // Added to the border width to give the inset of the grid.
    int BevelWidth = 1;

    NotifyEvent OnSelectedChart;  // a preview was chosen (double click, Enter)
    NotifyEvent OnChangeChart;    // another preview was selected

    // Frees the previews and makes those of the entries on `page`.
    void CreateGalleryPage(const std::string& page, bool functionsOffered);
    void FreeCharts();
    // The first preview of the reference series' class without a function, else the first one that is
    // not greyed (none when all are).
    void FindSelectedChart();
    void SelectChart(TCustomChart* chart);
    // Fires OnSelectedChart for the selected preview.
    void ChooseSelected();
    // Every preview's 3D view and margins follow `on`.
    void SetView3D(bool on);
    void ResizeCharts();
    // A preview that can be selected and chosen.
    static bool PreviewEnabled(const TCustomChart& chart);
    // The keys of the grid: Enter chooses, the arrows move the selection; other keys are left alone.
    void GalleryKeyDown(int& key);

    void SetBounds(int left, int top, int width, int height) override;

private:
    TCustomChart* MakePreview(int number, const TChartSeriesType& entry);
    void PlaceChart(TCustomChart& chart);
    static void SetMargins(TCustomChart& chart);

    std::vector<TCustomChart*> charts_;
    TCustomChart* selected_ = nullptr;
    int rows_ = 3, cols_ = 4;
    bool view3D_ = true;
};

class TChartGallery : public ProgramForm {
public:
    TChartGallery(Component* owner, Program& program);

    TabControl* ChartTabControl;
    TChartGalleryPanel* ChartGalleryPanel1;
    Panel* P1;
    BitBtn* BOk;
    BitBtn* BCancel;
    CheckBox* CB3D;

    bool FunctionsOffered = true;
    bool Creating = false;

    // Takes the "Functions" tab away (before the first show) for a type change.
    void HideFunctions();
    void FormShow(Component* sender);
    void TabControlChange(Component* sender);
    void CB3DClick(Component* sender);
    void FormKeyDown(Component* sender, int& key, unsigned shift);
    void FormResize(Component* sender);

private:
    void CreateGalleryPage();
    void LayOut();
};

// The gallery on the reference series (or none), with or without functions; true when a type was chosen,
// with its series class, its function class (none for a plain series type) and the 3D flag it was chosen
// with. `asker` is the control whose program form asks.
bool ShowGallery(Control& asker, TChartSeries* reference, bool offerFunctions, bool& view3D,
                 const ChartClass*& seriesClass, const ChartClass*& functionClass);

// A new series of the type chosen in the gallery, owned by `owner` and shown on `chart`, or none when
// nothing was chosen (or, without functions, the reference series' own type was). The chart's 3D view
// follows the gallery's.
TChartSeries* CreateSeriesFromGallery(Component* owner, TChartSeries* reference, TCustomAxisPanel& chart,
                                      bool offerFunctions);

// The series replaced by one of the type chosen in the gallery (settings, events, place and name kept);
// `series` then refers to the new one. False when nothing changed.
bool ChangeSeriesTypeFromGallery(TChartSeries*& series);

}  // namespace fv
