// TChartListBox: the list of a chart's series in the chart editor. Each row shows four columns: the
// series type's picture, an "active" check box, the series' colour (its legend symbol) and its title (its
// name when the title is empty). The list carries the series commands of the editor: move up and down
// (also by dragging one row onto another), delete (also with the Delete key), rename, clone, add through
// the gallery and change the type through the gallery. A paired string list (the series page's series
// drop-down) is kept identical to the list's own rows.
//
// Rules:
// - A refill selects the requested series, else the first row; with no rows it tells OnOtherItemsChange.
//   OnRefresh follows every refill, click and exchange.
// - Several rows may be selected (Ctrl toggles a row, Shift takes a range); the current row is ItemIndex.
//   Rename and clone work on the current row, delete and type change on every selected row.
// - A column counts under the mouse only strictly inside its edges, and only when it is shown.
// - Without a chart, a current row or a selection, the commands do nothing. Deleting asks first
//   ("Delete %s?") when AskDelete is set.
// - The gallery is reached through SeriesGallery(); while nothing is installed there, Add and Change
//   create nothing.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "platform/gfx/canvas.h"
#include "platform/ui/list_box.h"

namespace fv {

// The series gallery as the list asks it: a new series of the type the user picks, owned by `owner` and
// shown on the chart, or none when the user cancels. `reference` is the series the new one stands beside
// (or replaces, when functions are not offered: then choosing the reference's own type creates nothing).
struct TSeriesGalleryHook {
    std::function<TChartSeries*(Component* owner, TChartSeries* reference, TCustomChart& chart, bool offerFunctions)>
        CreateSeriesFromGallery;
};
TSeriesGalleryHook& SeriesGallery();

// One column of the rows: its width and whether it is shown.
struct TListBoxSection {
    int Width = 0;
    bool Visible = true;
};

using TDblClickSeriesEvent = std::function<void(Component* sender, int index)>;

class TChartListBox : public ListBox {
public:
    TChartListBox(Component* owner, std::string name = {});
    ~TChartListBox() override;
    const char* Kind() const override { return "ChartListBox"; }

    enum Column { ColIcon = 0, ColActive = 1, ColColor = 2, ColTitle = 3 };
    static constexpr int RowHeight = 27;

    TCustomChart* Chart() const { return chart_; }
    void SetChart(TCustomChart* chart);
    bool AllowDeleteSeries = true;
    bool AskDelete = true;
    bool ShowSeriesIcon() const { return sections_[ColIcon].Visible; }
    void SetShowSeriesIcon(bool v) { ShowSection(ColIcon, v); }
    bool ShowActiveCheck() const { return sections_[ColActive].Visible; }
    void SetShowActiveCheck(bool v) { ShowSection(ColActive, v); }
    bool ShowSeriesColor() const { return sections_[ColColor].Visible; }
    void SetShowSeriesColor(bool v) { ShowSection(ColColor, v); }
    bool ShowSeriesTitle() const { return sections_[ColTitle].Visible; }
    void SetShowSeriesTitle(bool v) { ShowSection(ColTitle, v); }
    NotifyEvent OnRefresh, OnOtherItemsChange;
    TDblClickSeriesEvent OnDblClickSeries;

    // The paired list (none, or the series page's drop-down), filled with the same rows.
    ItemsControl* OtherItems = nullptr;

    // Columns.
    const TListBoxSection& Section(int column) const { return sections_.at(std::size_t(column)); }
    void SetSectionWidth(int column, int width);
    // Sum of the widths of the shown columns before this one.
    int SectionLeft(int column) const;
    bool InSection(int column, int x) const;
    // The row at y (-1 below the last), and the cursor over a point of the list.
    int ItemAtPos(int y) const;
    Cursor CursorAt(int x, int y) const;

    // Rows.
    void FillSeriesList(TChartSeries* select);
    TChartSeries* Series(int index) const;
    TChartSeries* SelectedSeries() const;
    // The current row becomes `index` and the only selected one.
    void SetItemIndex(int index) override;
    // A user's click on a row with the shift state: Ctrl toggles, Shift takes the range from the current row.
    void UserSelect(int index, unsigned shift = 0);

    // Commands.
    void MoveSeriesUp();
    void MoveSeriesDown();
    void DeleteSelectedSeries();
    void RenameSelectedSeries();
    void CloneSelectedSeries();
    TChartSeries* AddSeriesFromGallery();
    void ChangeSelectedSeriesType();
    // Exchanges rows a and b and the two series in the chart; row b becomes current.
    void ExchangeItems(int a, int b);

    // Mouse: a press, a double click at the last press, the cursor, and dragging a row onto another.
    void MouseDown(MouseButton button, unsigned shift, int x, int y) override;
    void MouseMove(unsigned shift, int x, int y) override;
    void DblClick() override;
    void Click() override;
    bool Dragging() const override { return dragging_; }
    bool AcceptsDrop(const Control* source) const { return source == this; }
    void DragDrop(const Control* source, int x, int y) override;

    // The rows are drawn, RowHeight high each; DrawItem draws row `index` into `rect` of the list's canvas.
    bool DrawsItems() const override { return true; }
    int ItemHeight() const override { return RowHeight; }
    void DrawItem(Canvas& canvas, int index, const PixelRect& rect, bool selected) override;

protected:
    void Notification(Component* gone) override;

private:
    void ShowSection(int column, bool visible);
    void SetItemText(int index, const std::string& text);
    void SwapRows(ItemsControl& list, int a, int b);
    // Which rows are selected, row by row (the list's own selection, kept across a change of its rows).
    std::vector<bool> SelectionFlags() const;

    TCustomChart* chart_ = nullptr;
    std::array<TListBoxSection, 4> sections_{{{26, true}, {16, true}, {26, true}, {216, true}}};
    std::vector<TChartSeries*> series_;
    int lastX_ = 0, lastY_ = 0;
    bool dblClickPending_ = false;
    bool dragging_ = false;
};

}  // namespace fv
