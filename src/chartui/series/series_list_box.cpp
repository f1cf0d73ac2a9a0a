// The series list of the chart editor.
#include "chartui/series/series_list_box.h"

#include <algorithm>

#include "chart/series_types.h"
#include "chartui/dialogs/chart_editors.h"
#include "chartui/series/gallery_form.h"
#include "chartui/dialogs/input_query_form.h"

namespace fv {

TSeriesGalleryHook& SeriesGallery() {
    static TSeriesGalleryHook hook{[](Component* owner, TChartSeries* reference, TCustomChart& chart,
                                      bool offerFunctions) {
        return CreateSeriesFromGallery(owner, reference, chart, offerFunctions);
    }};
    return hook;
}

TChartListBox::TChartListBox(Component* owner, std::string name) : ListBox(owner, std::move(name)) {
    MultiSelect = true;
    OnKeyUp = [this](Component*, int& key, unsigned) {
        if (key == KeyDelete && AllowDeleteSeries) DeleteSelectedSeries();
    };
}

TChartListBox::~TChartListBox() = default;

void TChartListBox::SetChart(TCustomChart* chart) {
    if (chart_ && chart_ != chart) RemoveFreeNotification(chart_);
    chart_ = chart;
    if (!chart_) {
        FillSeriesList(nullptr);
        return;
    }
    FreeNotification(chart_);
    FillSeriesList(nullptr);
}

void TChartListBox::Notification(Component* gone) {
    if (gone != chart_) return;
    chart_ = nullptr;
    FillSeriesList(nullptr);
}

// --- columns

void TChartListBox::ShowSection(int column, bool visible) {
    sections_.at(std::size_t(column)).Visible = visible;
    Repaint();
}

void TChartListBox::SetSectionWidth(int column, int width) {
    sections_.at(std::size_t(column)).Width = width;
    Repaint();
}

int TChartListBox::SectionLeft(int column) const {
    int left = 0;
    for (int c = 0; c < column; ++c)
        if (sections_[std::size_t(c)].Visible) left += sections_[std::size_t(c)].Width;
    return left;
}

bool TChartListBox::InSection(int column, int x) const {
    const TListBoxSection& s = Section(column);
    const int left = SectionLeft(column);
    return s.Visible && left < x && x < left + s.Width;
}

int TChartListBox::ItemAtPos(int y) const {
    if (y < 0) return -1;
    const int row = y / RowHeight;
    return row < Count() ? row : -1;
}

Cursor TChartListBox::CursorAt(int x, int y) const {
    if (ItemAtPos(y) >= 0 && (InSection(ColIcon, x) || InSection(ColColor, x))) return Cursor::HandPoint;
    return Cursor::Default;
}

// --- rows

void TChartListBox::FillSeriesList(TChartSeries* select) {
    ClearItems();
    series_.clear();
    if (OtherItems) OtherItems->ClearItems();
    if (!chart_) return;
    int index = -1;
    std::vector<std::string> rows;
    for (int i = 0; i < chart_->SeriesCount(); ++i) {
        TChartSeries* s = chart_->GetSeries(i);
        rows.push_back(s->Title().empty() ? s->Name() : s->Title());
        series_.push_back(s);
        if (s == select) index = i;
    }
    if (OtherItems) OtherItems->SetItems(rows);
    SetItems(std::move(rows));
    if (index == -1 && !series_.empty()) index = 0;
    if (index != -1) SetItemIndex(index);
    else if (OnOtherItemsChange) OnOtherItemsChange(this);
    if (OnRefresh) OnRefresh(this);
}

TChartSeries* TChartListBox::Series(int index) const {
    return index >= 0 && index < int(series_.size()) ? series_[std::size_t(index)] : nullptr;
}

TChartSeries* TChartListBox::SelectedSeries() const {
    const int index = ItemIndex();
    if (index < 0 || !chart_ || index >= chart_->SeriesCount()) return nullptr;
    return Series(index);
}

std::vector<bool> TChartListBox::SelectionFlags() const {
    std::vector<bool> flags(std::size_t(Count()), false);
    for (int i = 0; i < Count(); ++i) flags[std::size_t(i)] = Selected(i);
    return flags;
}

void TChartListBox::SetItemIndex(int index) {
    ListBox::SetItemIndex(index);
    for (int i = 0; i < Count(); ++i) SetSelected(i, i == ItemIndex());
    Changed(Property::Selection);
}

void TChartListBox::UserSelect(int index, unsigned shift) {
    if (index < 0 || index >= Count()) return;
    if (shift & SsCtrl) {
        ListBox::SetItemIndex(index);
        SetSelected(index, !Selected(index));
    } else if ((shift & SsShift) && ItemIndex() >= 0) {
        const int from = std::min(ItemIndex(), index), to = std::max(ItemIndex(), index);
        ListBox::SetItemIndex(index);
        for (int i = 0; i < Count(); ++i) SetSelected(i, i >= from && i <= to);
    } else {
        SetItemIndex(index);
    }
    Click();
}

void TChartListBox::SetItemText(int index, const std::string& text) {
    auto rename = [&](ItemsControl& list) {
        if (index >= list.Count()) return;
        const int current = list.ItemIndex();
        std::vector<std::string> rows = list.Items();
        rows[std::size_t(index)] = text;
        list.SetItems(std::move(rows));
        list.ItemsControl::SetItemIndex(current);
    };
    const std::vector<bool> keep = SelectionFlags();
    rename(*this);
    for (int i = 0; i < int(keep.size()); ++i) SetSelected(i, keep[std::size_t(i)]);
    if (OtherItems) rename(*OtherItems);
}

void TChartListBox::SwapRows(ItemsControl& list, int a, int b) {
    if (a >= list.Count() || b >= list.Count()) return;
    std::vector<std::string> rows = list.Items();
    std::swap(rows[std::size_t(a)], rows[std::size_t(b)]);
    const int current = list.ItemIndex();
    list.SetItems(std::move(rows));
    list.ItemsControl::SetItemIndex(current);
}

// --- commands

void TChartListBox::ExchangeItems(int a, int b) {
    if (!chart_) return;
    SwapRows(*this, a, b);
    std::swap(series_.at(std::size_t(a)), series_.at(std::size_t(b)));
    if (OtherItems) SwapRows(*OtherItems, a, b);
    chart_->ExchangeSeries(a, b);
    SetFocus();
    SetItemIndex(b);
    Repaint();
    if (OnRefresh) OnRefresh(this);
}

void TChartListBox::MoveSeriesUp() {
    const int index = ItemIndex();
    if (index > 0) ExchangeItems(index, index - 1);
}

void TChartListBox::MoveSeriesDown() {
    const int index = ItemIndex();
    if (index >= 0 && index < Count() - 1) ExchangeItems(index, index + 1);
}

void TChartListBox::DeleteSelectedSeries() {
    if (!chart_ || SelCount() == 0) return;
    if (AskDelete) {
        std::string what = "(Selected Series)";
        if (SelCount() == 1)
            for (int i = 0; i < Count(); ++i)
                if (Selected(i) && Series(i)) what = Series(i)->Name();
        Application& app = ProgramFormOf(*this).P.App;
        if (app.MessageBox("Delete " + what + "?", app.Title, MbYesNo | MbIconQuestion) != IdYes) return;
    }
    // The rows follow the chart's order: a running chart index walks along them as series go.
    const std::vector<bool> doomed = SelectionFlags();
    int at = 0;
    TChartSeries* keep = nullptr;
    for (bool selected : doomed) {
        if (!selected) {
            ++at;
            continue;
        }
        if (at < chart_->SeriesCount()) FreeSeries(chart_->GetSeries(at));
        at = std::min(at, chart_->SeriesCount() - 1);
        keep = at >= 0 ? chart_->GetSeries(at) : nullptr;
        at = std::max(at, 0);
    }
    FillSeriesList(keep);
}

void TChartListBox::RenameSelectedSeries() {
    TChartSeries* series = SelectedSeries();
    if (!series) return;
    const int index = ItemIndex();
    std::string text = series->Title().empty() ? series->Name() : series->Title();
    if (InputQuery(ProgramFormOf(*this).P, "Change Series Title", "New Series Title:", text) && !text.empty()) {
        // The name typed back leaves the title alone: the row shows the name, as it does for no title.
        if (text != series->Name()) series->SetTitle(text);
        SetItemText(index, text);
    }
    SetItemIndex(index);
}

void TChartListBox::CloneSelectedSeries() {
    TChartSeries* series = SelectedSeries();
    if (!series) return;
    FillSeriesList(CloneSeries(*series));
}

TChartSeries* TChartListBox::AddSeriesFromGallery() {
    if (!chart_ || !SeriesGallery().CreateSeriesFromGallery) return nullptr;
    TChartSeries* added = SeriesGallery().CreateSeriesFromGallery(chart_->Owner(), SelectedSeries(), *chart_, true);
    if (added) FillSeriesList(added);
    return added;
}

void TChartListBox::ChangeSelectedSeriesType() {
    if (!chart_ || SelCount() == 0) return;
    const std::vector<bool> chosen = SelectionFlags();
    TChartSeries* last = nullptr;
    const ChartClass* newClass = nullptr;
    for (int i = 0; i < int(chosen.size()) && i < chart_->SeriesCount(); ++i) {
        if (!chosen[std::size_t(i)]) continue;
        TChartSeries* series = chart_->GetSeries(i);
        if (!newClass) {
            // The first selected series goes through the gallery; its resulting class serves the rest.
            auto& gallery = SeriesGallery().CreateSeriesFromGallery;
            TChartSeries* made = gallery ? gallery(series->Owner(), series, *chart_, false) : nullptr;
            if (made) {
                ReplaceSeries(series, *made);  // frees the old series and clears the pointer
                series = made;
            }
            newClass = ChartClassOf(*series);
            if (!newClass) break;
        } else {
            ChangeSeriesClass(series, *newClass);
        }
        last = series;
    }
    FillSeriesList(last);
}

// --- mouse

void TChartListBox::MouseDown(MouseButton button, unsigned shift, int x, int y) {
    ListBox::MouseDown(button, shift, x, y);
    lastX_ = x;
    lastY_ = y;
    if (ItemIndex() < 0) return;
    const int row = ItemAtPos(y);
    if (row >= 0) {
        if (InSection(ColActive, x)) {
            if (TChartSeries* s = Series(row)) s->SetActive(!s->Active());
            Repaint();
        } else if (InSection(ColTitle, x) && button == MouseButton::Left && !(shift & (SsShift | SsCtrl)) &&
                   !dblClickPending_) {
            dragging_ = true;
        }
    }
    dblClickPending_ = false;
    if (OnOtherItemsChange) OnOtherItemsChange(this);
}

void TChartListBox::MouseMove(unsigned shift, int x, int y) {
    ListBox::MouseMove(shift, x, y);
    lastX_ = x;
    lastY_ = y;
    SetCursor(CursorAt(x, y));
}

void TChartListBox::DragDrop(const Control* source, int x, int y) {
    dragging_ = false;
    if (!AcceptsDrop(source) || ItemIndex() < 0) return;
    const int row = ItemAtPos(y);
    (void)x;
    if (row >= 0 && row != ItemIndex()) ExchangeItems(ItemIndex(), row);
}

void TChartListBox::DblClick() {
    dblClickPending_ = true;
    dragging_ = false;
    ListBox::DblClick();
    const int row = ItemAtPos(lastY_);
    if (row < 0 || !Selected(row)) return;
    TChartSeries* series = Series(row);
    if (!series) return;
    if (InSection(ColIcon, lastX_)) {
        ChangeSelectedSeriesType();
    } else if (InSection(ColColor, lastX_)) {
        if (series->ColorEachPoint()) return;
        series->SetSeriesColor(EditColor(*this, series->SeriesColor()));
        Repaint();
    } else if (InSection(ColTitle, lastX_)) {
        if (OnDblClickSeries) OnDblClickSeries(this, row);
    }
}

void TChartListBox::Click() {
    ListBox::Click();
    if (OnRefresh) OnRefresh(this);
}

// --- drawing

void TChartListBox::DrawItem(Canvas& canvas, int index, const PixelRect& rect, bool selected) {
    TChartSeries* series = Series(index);
    if (!series) return;
    CanvasStateGuard guard(canvas);
    // Only the title shows the selection: the columns before it keep the list's colour.
    canvas.SetPen({ClBlack, 1, PenStyle::Clear});
    canvas.SetBrush({selected ? ClHighlight : GetColor(), BrushStyle::Solid, nullptr});
    canvas.FillRect(rect);
    canvas.SetBrush({GetColor(), BrushStyle::Solid, nullptr});
    canvas.FillRect({rect.Left, rect.Top, SectionLeft(ColTitle) - 4, rect.Bottom});

    if (ShowSeriesIcon()) {
        // A fresh bitmap each row: a type without a picture leaves it empty, not showing the row before's.
        Bitmap icon;
        series->GalleryBitmap(icon);
        if (!icon.Empty()) canvas.Draw(SectionLeft(ColIcon), rect.Top + 2, icon);
    }
    if (ShowSeriesColor() && !series->ColorEachPoint() && chart_) {
        const int left = SectionLeft(ColColor) - 2;
        const PixelRect box{left + 4, rect.Top + 4, left + Section(ColColor).Width - 4, rect.Bottom - 4};
        canvas.SetBrush({chart_->Legend().GetColor(), BrushStyle::Solid, nullptr});
        canvas.FillRect(box);
        // The series draws its own legend symbol, on this canvas for the moment.
        TChartCanvas3D& chartCanvas = chart_->Canvas3D();
        Canvas* before = chartCanvas.ReferenceCanvas();
        chartCanvas.AttachCanvas(&canvas);
        try {
            series->DrawLegend(-1, box);
        } catch (...) {
            chartCanvas.AttachCanvas(before);
            throw;
        }
        chartCanvas.AttachCanvas(before);
    }
    if (ShowActiveCheck()) {
        const int left = SectionLeft(ColActive), top = rect.Top + 6;
        canvas.SetPen({ClBlack, 1, PenStyle::Solid});
        canvas.SetBrush({ClWindow, BrushStyle::Solid, nullptr});
        canvas.Rectangle(left, top, left + 12, top + 12);
        if (series->Active()) {
            canvas.SetPen({ClBlack, 2, PenStyle::Solid});
            canvas.Line(left + 3, top + 6, left + 5, top + 9);
            canvas.Line(left + 5, top + 9, left + 9, top + 3);
        }
    }
    if (ShowSeriesTitle()) {
        Font font = GetFont();
        font.FontColor = selected ? ClWhite : GetFont().FontColor;  // the highlight's text
        canvas.SetFont(font);
        canvas.SetBackMode(BackMode::Transparent);
        const int y = rect.Top + (RowHeight - canvas.TextHeight("W")) / 2;
        canvas.TextOut(SectionLeft(ColTitle), y, Items().at(std::size_t(index)));
    }
}

}  // namespace fv
