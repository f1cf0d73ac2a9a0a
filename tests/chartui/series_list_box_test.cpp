// The series list of the chart editor: its rows and the paired list, the columns under the mouse, the
// series commands (move, drag, delete, rename, clone, change type) and the drawing of a row.
#include <gtest/gtest.h>

#include "chart/series/bar_series.h"
#include "chart/series/pie_series.h"
#include "chart/series_pictures.h"
#include "chartui/dialogs/input_query_form.h"
#include "editor_fixture.h"
#include "platform/gfx/recording_canvas.h"

namespace fv::testing {
namespace {

class SeriesList : public EditorFixture {
protected:
    // Three line series on the chart and the list on the editor showing them.
    void SetUp() override {
        EditorFixture::SetUp();
        for (const char* name : {"Series1", "Series2", "Series3"}) series.push_back(AddSeries(name, 3));
        ShowEditor();
        list = editor->LBSeries;
        list->OnRefresh = [this](Component*) { events.push_back("refresh"); };
        list->OnOtherItemsChange = [this](Component*) { events.push_back("other"); };
        other = editor->Make<ListBox>("Other");
        list->OtherItems = other;
        list->FillSeriesList(nullptr);
        events.clear();
    }
    std::vector<std::string> ChartOrder() const {
        std::vector<std::string> names;
        for (int i = 0; i < chart->SeriesCount(); ++i) names.push_back(chart->GetSeries(i)->Name());
        return names;
    }
    std::vector<int> SelectedRows() const {
        std::vector<int> rows;
        for (int i = 0; i < list->Count(); ++i)
            if (list->Selected(i)) rows.push_back(i);
        return rows;
    }
    int RowY(int row) const { return row * TChartListBox::RowHeight + 10; }

    std::vector<TChartSeries*> series;
    TChartListBox* list = nullptr;
    ListBox* other = nullptr;
    std::vector<std::string> events;
};

using Names = std::vector<std::string>;

TEST_F(SeriesList, RefillListsTitlesOrNamesAndSelects) {
    series[1]->SetTitle("Sales");
    list->FillSeriesList(series[2]);
    EXPECT_EQ(list->Items(), (Names{"Series1", "Sales", "Series3"}));
    EXPECT_EQ(other->Items(), list->Items());
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(list->SelectedSeries(), series[2]);
    EXPECT_EQ(events, Names{"refresh"});

    // A series not on the chart: the first row.
    TLineSeries stranger(nullptr, "Stranger");
    list->FillSeriesList(&stranger);
    EXPECT_EQ(list->ItemIndex(), 0);

    // No series: an empty list, and the other list is told before the refresh.
    chart->DestroyAllSeries();
    events.clear();
    list->FillSeriesList(nullptr);
    EXPECT_EQ(list->Count(), 0);
    EXPECT_EQ(other->Count(), 0);
    EXPECT_EQ(list->SelectedSeries(), nullptr);
    EXPECT_EQ(events, (Names{"other", "refresh"}));
}

TEST_F(SeriesList, AClickOnARowSelectsItAloneAndRefreshes) {
    list->UserSelect(0);
    list->UserSelect(2, SsCtrl);
    EXPECT_EQ(SelectedRows(), (std::vector<int>{0, 2}));
    events.clear();
    // The view's click on a row, as on any list box.
    static_cast<ListBox*>(list)->UserSelect(1);
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});
    EXPECT_EQ(events, Names{"refresh"});
    list->UserSelect(2, SsCtrl);
    list->UserSelect(2, SsCtrl);  // Ctrl again takes the row back out
    EXPECT_EQ(SelectedRows(), std::vector<int>{1});
}

TEST_F(SeriesList, ColumnsUnderTheMouse) {
    struct Case {
        bool showIcon;
        int x;
        int column;  // -1: none
        Cursor cursor;
    };
    // Columns from x = 0: icon 26, active 16, colour 26, title 216; edges belong to no column.
    const Case cases[] = {
        {true, 10, TChartListBox::ColIcon, Cursor::HandPoint},
        {true, 26, -1, Cursor::Default},
        {true, 30, TChartListBox::ColActive, Cursor::Default},
        {true, 50, TChartListBox::ColColor, Cursor::HandPoint},
        {true, 100, TChartListBox::ColTitle, Cursor::Default},
        {true, 284, -1, Cursor::Default},
        // Without the icon the active column starts at 0 and only the colour column has the hand.
        {false, 10, TChartListBox::ColActive, Cursor::Default},
        {false, 20, TChartListBox::ColColor, Cursor::HandPoint},
        {false, 50, TChartListBox::ColTitle, Cursor::Default},
    };
    for (const Case& c : cases) {
        list->SetShowSeriesIcon(c.showIcon);
        int found = -1;
        for (int col = 0; col < 4; ++col)
            if (list->InSection(col, c.x)) found = col;
        EXPECT_EQ(found, c.column) << c.showIcon << " " << c.x;
        EXPECT_EQ(list->CursorAt(c.x, RowY(1)), c.cursor) << c.showIcon << " " << c.x;
    }
    EXPECT_EQ(list->SectionLeft(TChartListBox::ColActive), 0);
    EXPECT_EQ(list->CursorAt(50, RowY(3)), Cursor::Default) << "below the last row";
}

TEST_F(SeriesList, PressingTheActiveColumnSwitchesTheSeries) {
    list->UserSelect(1);
    list->MouseDown(MouseButton::Left, 0, 30, RowY(1));
    EXPECT_FALSE(series[1]->Active());
    EXPECT_EQ(events.back(), "other");
    list->MouseDown(MouseButton::Left, 0, 30, RowY(1));
    EXPECT_TRUE(series[1]->Active());
    list->MouseDown(MouseButton::Left, 0, 100, RowY(1));
    EXPECT_TRUE(series[1]->Active()) << "the title column does not switch";
}

TEST_F(SeriesList, MovingAndDraggingExchangeSeries) {
    list->UserSelect(0);
    list->MoveSeriesUp();
    EXPECT_EQ(ChartOrder(), (Names{"Series1", "Series2", "Series3"})) << "the first row goes no higher";
    list->MoveSeriesDown();
    EXPECT_EQ(ChartOrder(), (Names{"Series2", "Series1", "Series3"}));
    EXPECT_EQ(list->Items(), (Names{"Series2", "Series1", "Series3"}));
    EXPECT_EQ(other->Items(), list->Items());
    EXPECT_EQ(list->ItemIndex(), 1);
    // The owner's order follows, so a stored chart keeps the new order.
    const auto& owned = program->RozizAForm->Components();
    EXPECT_LT(std::find(owned.begin(), owned.end(), series[1]), std::find(owned.begin(), owned.end(), series[0]));
    list->UserSelect(2);
    list->MoveSeriesDown();
    EXPECT_EQ(ChartOrder(), (Names{"Series2", "Series1", "Series3"})) << "the last row goes no lower";

    // A drag from the title column of the current row onto another row exchanges the two.
    AddSeries("Series4");
    list->FillSeriesList(nullptr);
    list->MouseDown(MouseButton::Left, 0, 100, RowY(0));
    EXPECT_TRUE(list->Dragging());
    list->DragDrop(list, 100, RowY(3));
    EXPECT_EQ(ChartOrder(), (Names{"Series4", "Series1", "Series3", "Series2"}));
    EXPECT_EQ(list->ItemIndex(), 3);
    // Onto itself, below the last row, or from elsewhere: nothing.
    list->DragDrop(list, 100, RowY(3));
    list->DragDrop(list, 100, RowY(7));
    list->DragDrop(other, 100, RowY(0));
    EXPECT_EQ(ChartOrder(), (Names{"Series4", "Series1", "Series3", "Series2"}));
    // No drag starts with Ctrl held or outside the title.
    list->MouseDown(MouseButton::Left, SsCtrl, 100, RowY(3));
    EXPECT_FALSE(list->Dragging());
    list->MouseDown(MouseButton::Left, 0, 10, RowY(3));
    EXPECT_FALSE(list->Dragging());
}

TEST_F(SeriesList, DeletingSelectedRows) {
    struct Case {
        const char* what;
        std::vector<int> select;  // the first plain, the rest with Ctrl
        int answer;
        const char* question;
        Names left;
        Names selectedAfter;
    };
    const Case cases[] = {
        {"one, refused", {1}, IdNo, "Delete Series2?", {"Series1", "Series2", "Series3"}, {"Series2"}},
        {"one", {1}, IdYes, "Delete Series2?", {"Series1", "Series3"}, {"Series3"}},
        {"the last two", {1, 2}, IdYes, "Delete (Selected Series)?", {"Series1"}, {"Series1"}},
        {"the first and last", {0, 2}, IdYes, "Delete (Selected Series)?", {"Series2"}, {"Series2"}},
        {"all", {0, 1, 2}, IdYes, "Delete (Selected Series)?", {}, {}},
    };
    for (const Case& c : cases) {
        chart->DestroyAllSeries();
        for (const char* name : {"Series1", "Series2", "Series3"}) AddSeries(name);
        list->FillSeriesList(nullptr);
        list->UserSelect(c.select[0]);
        for (std::size_t i = 1; i < c.select.size(); ++i) list->UserSelect(c.select[i], SsCtrl);
        Messages().Answer(c.answer);
        int key = KeyDelete;
        list->KeyUp(key, 0);
        EXPECT_EQ(Messages().Messages().back(), c.question) << c.what;
        EXPECT_EQ(ChartOrder(), c.left) << c.what;
        Names selected;
        for (int row : SelectedRows()) selected.push_back(list->Items()[std::size_t(row)]);
        EXPECT_EQ(selected, c.selectedAfter) << c.what;
    }
    // Without asking, and with the Delete key switched off.
    AddSeries("Series9");
    list->FillSeriesList(nullptr);
    list->AllowDeleteSeries = false;
    int key = KeyDelete;
    list->KeyUp(key, 0);
    EXPECT_EQ(chart->SeriesCount(), 1);
    list->AskDelete = false;
    const std::size_t asked = Messages().Messages().size();
    list->DeleteSelectedSeries();
    EXPECT_EQ(chart->SeriesCount(), 0);
    EXPECT_EQ(Messages().Messages().size(), asked);
    list->DeleteSelectedSeries();  // nothing selected: nothing happens
}

TEST_F(SeriesList, RenamingSetsTheTitle) {
    struct Case {
        const char* what;
        const char* typed;  // nullptr: cancelled
        const char* titleBefore;
        const char* offered;
        const char* title;
        const char* row;
    };
    const Case cases[] = {
        {"a title", "Sales", "", "Series2", "Sales", "Sales"},
        {"offered the title", "Costs", "Sales", "Sales", "Costs", "Costs"},
        // The name typed back leaves the title alone while the row shows the name.
        {"the name", "Series2", "Costs", "Costs", "Costs", "Series2"},
        {"empty", "", "Costs", "Costs", "Costs", "Costs"},
        {"cancelled", nullptr, "Costs", "Costs", "Costs", "Costs"},
    };
    for (const Case& c : cases) {
        series[1]->SetTitle(c.titleBefore);
        list->FillSeriesList(series[1]);
        WhenShown<TInputQueryForm>([&](TInputQueryForm& q) {
            EXPECT_EQ(q.Prompt->Caption(), "New Series Title:");
            EXPECT_EQ(q.Value->Text(), c.offered) << c.what;
            if (!c.typed) return q.CancelButton->Click();
            q.Value->UserSetText(c.typed);
            q.OKButton->Click();
        });
        list->RenameSelectedSeries();
        EXPECT_EQ(series[1]->Title(), c.title) << c.what;
        EXPECT_EQ(list->Items()[1], c.row) << c.what;
        EXPECT_EQ(other->Items()[1], c.row) << c.what;
        EXPECT_EQ(list->ItemIndex(), 1) << c.what;
    }
}

TEST_F(SeriesList, CloningAndChangingTheType) {
    list->UserSelect(1);
    list->CloneSelectedSeries();
    ASSERT_EQ(chart->SeriesCount(), 4);
    TChartSeries* clone = chart->GetSeries(3);
    EXPECT_EQ(list->SelectedSeries(), clone);
    EXPECT_EQ(clone->Count(), 3);
    EXPECT_NE(dynamic_cast<TLineSeries*>(clone), nullptr);

    // Rows 0 and 2 to bars: the gallery is asked once, for the first; the second follows its class.
    int asked = 0;
    SeriesGallery().CreateSeriesFromGallery = [&](Component* owner, TChartSeries* reference, TCustomChart& c,
                                                  bool) -> TChartSeries* {
        ++asked;
        EXPECT_EQ(reference->Name(), "Series1");
        return CreateSeriesOfClass(owner, c, *FindChartClass("TBarSeries"));
    };
    list->UserSelect(0);
    list->UserSelect(2, SsCtrl);
    list->ChangeSelectedSeriesType();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ChartOrder(), (Names{"Series1", "Series2", "Series3", clone->Name()}));
    EXPECT_NE(dynamic_cast<TBarSeries*>(chart->GetSeries(0)), nullptr);
    EXPECT_NE(dynamic_cast<TLineSeries*>(chart->GetSeries(1)), nullptr);
    EXPECT_NE(dynamic_cast<TBarSeries*>(chart->GetSeries(2)), nullptr);
    EXPECT_EQ(chart->GetSeries(2)->Count(), 3);
    EXPECT_EQ(list->SelectedSeries(), chart->GetSeries(2));

    // Cancelled in the gallery: the first keeps its type and so do the others.
    SeriesGallery().CreateSeriesFromGallery = [](Component*, TChartSeries*, TCustomChart&, bool) { return nullptr; };
    list->UserSelect(1);
    list->UserSelect(3, SsCtrl);
    list->ChangeSelectedSeriesType();
    EXPECT_NE(dynamic_cast<TLineSeries*>(chart->GetSeries(1)), nullptr);
    EXPECT_NE(dynamic_cast<TLineSeries*>(chart->GetSeries(3)), nullptr);
}

TEST_F(SeriesList, DoubleClicksByColumn) {
    std::vector<int> opened;
    list->OnDblClickSeries = [&](Component*, int index) { opened.push_back(index); };
    list->UserSelect(1);
    // The colour column edits the series' colour.
    Dialogs().colors = {Color(ClRed)};
    list->MouseDown(MouseButton::Left, 0, 50, RowY(1));
    list->DblClick();
    EXPECT_EQ(series[1]->SeriesColor(), ClRed);
    // The title column tells the dialog.
    list->MouseDown(MouseButton::Left, 0, 100, RowY(1));
    list->DblClick();
    EXPECT_EQ(opened, std::vector<int>{1});
    // A row that is not selected: nothing.
    list->MouseDown(MouseButton::Left, 0, 100, RowY(2));
    list->DblClick();
    EXPECT_EQ(opened, std::vector<int>{1});
    // A series that colours each point has no colour to edit.
    series[1]->SetColorEachPoint(true);
    const std::size_t requests = Dialogs().requests.size();
    list->MouseDown(MouseButton::Left, 0, 50, RowY(1));
    list->DblClick();
    EXPECT_EQ(Dialogs().requests.size(), requests);
}

TEST_F(SeriesList, ARowShowsItsColumns) {
    series[0]->SetSeriesColor(ClRed);
    series[1]->SetActive(false);
    RecordingCanvas canvas;
    list->DrawItem(canvas, 0, {0, 0, 300, 27}, true);
    const auto texts = canvas.Calls("Text");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].Text, "Series1");
    EXPECT_EQ(texts[0].Points.at(0).X, 68) << "the title column";
    EXPECT_EQ(texts[0].State.CanvasFont.FontColor, ClWhite) << "selected";

    // The colour column holds the series' legend symbol in its colour, inside the column; none for a series
    // that colours each point.
    auto filledWith = [](const RecordingCanvas& c, Color colour) {
        for (const CanvasCall& call : c.Calls()) {
            if (call.Op == "Text" || call.Op == "FillRect") continue;
            if (call.State.CanvasBrush.BrushColor != colour && call.State.CanvasPen.PenColor != colour) continue;
            for (Point p : call.Points)
                if (p.X < 42 || p.X > 68) return false;
            return true;
        }
        return false;
    };
    EXPECT_TRUE(filledWith(canvas, ClRed));
    series[0]->SetColorEachPoint(true);
    RecordingCanvas plain;
    list->DrawItem(plain, 0, {0, 0, 300, 27}, false);
    EXPECT_FALSE(filledWith(plain, ClRed));
    EXPECT_EQ(chart->Canvas3D().ReferenceCanvas(), nullptr) << "the chart's canvas is given back";
}

TEST_F(SeriesList, TheIconColumnShowsTheSeriesTypePicture) {
    SetSeriesPictureFolder(std::string(FOLIVEX_SOURCE_DIR) + "/resources/series");
    // A series of a class the registry does not know has no picture.
    struct Unknown : TLineSeries {
        using TLineSeries::TLineSeries;
    };
    auto* unknown = AddSeries<Unknown>("Series4", 3);
    list->FillSeriesList(nullptr);
    struct Case {
        const char* why;
        int row;
        bool showIcon;
        bool pictures;  // the folder is set
        std::vector<std::string> images;
    };
    const Case cases[] = {
        {"first row: at the column's left, 2 below the row's top", 0, true, true, {"Image (0,2) (24,26) \"24x24\""}},
        {"third row", 2, true, true, {"Image (0,56) (24,80) \"24x24\""}},
        {"the column hidden", 0, false, true, {}},
        {"no pictures at all", 0, true, false, {}},
        // Drawn right after a row with a picture: still none, not the row before's.
        {"a class without a picture", 3, true, true, {}},
    };
    for (const Case& c : cases) {
        SetSeriesPictureFolder(c.pictures ? std::string(FOLIVEX_SOURCE_DIR) + "/resources/series" : std::string());
        list->SetShowSeriesIcon(c.showIcon);
        RecordingCanvas canvas;
        list->DrawItem(canvas, 0, {0, 0, 300, 27}, false);
        canvas.Clear();
        const int top = c.row * TChartListBox::RowHeight;
        list->DrawItem(canvas, c.row, {0, top, 300, top + TChartListBox::RowHeight}, false);
        std::vector<std::string> images;
        for (const CanvasCall& call : canvas.Calls("Image")) images.push_back(call.ToString());
        EXPECT_EQ(images, c.images) << c.why;
        // The rest of the row is there either way.
        EXPECT_EQ(canvas.Calls("Text").size(), 1u) << c.why;
    }
    EXPECT_EQ(list->Series(3), unknown);
    SetSeriesPictureFolder("");
}

}  // namespace
}  // namespace fv::testing
