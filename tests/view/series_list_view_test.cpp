// The chart editor's series list in its window: rows drawn by the list (the active check, the colour
// symbol, the title, the selection on the title only), and the mouse on the real widget reaching the
// list's column rules (a click on the check, a double click on the title, the hand over the colour, a row
// dragged onto another, rows scrolled). A plain list box keeps Qt's own rows and the widget's coordinates.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QListWidget>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTest>

#include <string>
#include <vector>

#include "chart/chart.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "chartui/editor/chart_edit_form.h"
#include "chartui/series/series_list_box.h"
#include "platform/ui/list_box.h"
#include "view/qt_convert.h"
#include "view_program_fixture.h"

namespace fv {
namespace {

class SeriesListView : public ViewProgramFixture {
protected:
    void SetUp() override {
        ViewProgramFixture::SetUp();
        RegisterStandardSeriesTypes();
        owner = app.CreateForm<ProgramForm>(*program, "SeriesOwner");
        chart = owner->Make<TChart>("Chart1");
        chart->SetBounds(0, 0, 400, 300);
        chart->SetParent(owner);
    }
    void TearDown() override {
        if (editor) editor->Hide();
        while (chart->SeriesCount() > 0) FreeSeries(chart->GetSeries(0));
        owner->FreeComponent(chart);
        ViewProgramFixture::TearDown();
    }
    TChartSeries* AddSeries(const char* className, const std::string& title, Color colour) {
        TChartSeries* s = CreateSeriesOfClass(owner, *chart, *FindChartClass(className));
        for (int i = 0; i < 5; ++i) s->AddPoint(i, 10 + (i * 37) % 23);
        s->SetTitle(title);
        s->SetSeriesColor(colour);
        return s;
    }
    // The editor on its series list, and the list's widget.
    QListWidget* ShowEditor() {
        editor = app.CreateForm<TChartEditForm>(*program);
        editor->TheChart = chart;
        editor->Show();
        view->Refresh();
        list = editor->LBSeries;
        auto* w = qobject_cast<QListWidget*>(view->WidgetOf(*list));
        EXPECT_NE(w, nullptr);
        return w;
    }
    // A point of the list (x from its left, y inside row `row`) on the widget's viewport.
    QPoint At(QListWidget* w, int row, int x, int y = TChartListBox::RowHeight / 2) {
        const QRect r = w->visualItemRect(w->item(row));
        return {r.left() + x, r.top() + y};
    }
    int ColumnMiddle(int column) const { return list->SectionLeft(column) + list->Section(column).Width / 2; }
    // How many pixels of a part of a row have this colour.
    static int Count(const QImage& image, const QRect& area, QColor colour) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (image.pixelColor(x, y) == colour) ++n;
        return n;
    }
    QRect RowPart(QListWidget* w, int row, int left, int right) const {
        const QRect r = w->visualItemRect(w->item(row));
        return {r.left() + left, r.top(), right - left, r.height()};
    }

    ProgramForm* owner = nullptr;
    TChart* chart = nullptr;
    TChartEditForm* editor = nullptr;
    TChartListBox* list = nullptr;
};

TEST_F(SeriesListView, TheRowsAreDrawnByTheList) {
    AddSeries("TLineSeries", "Sales", ClRed);
    TChartSeries* costs = AddSeries("TBarSeries", "Costs", ClBlue);
    costs->SetActive(false);
    AddSeries("TAreaSeries", "Stock", ClGreen);
    QListWidget* w = ShowEditor();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(w->count(), 3);
    list->UserSelect(1);
    view->Refresh();
    SavePicture(*editor, "chart_editor_series_list.png");
    const QImage image = w->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    image.save(QString::fromStdString(PicturePath("chart_editor_series_list_rows.png")));

    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(w->visualItemRect(w->item(row)).height(), TChartListBox::RowHeight) << "rows of the list's height";

    const QColor black(0, 0, 0), highlight = ToQColor(ClHighlight), window = ToQColor(ClWindow);
    const int checkLeft = list->SectionLeft(TChartListBox::ColActive);
    const int colourLeft = list->SectionLeft(TChartListBox::ColColor);
    const int titleLeft = list->SectionLeft(TChartListBox::ColTitle);
    struct Case {
        int row;
        QColor colour;
        bool checked, selected;
        const char* why;
    } cases[] = {
        {0, QColor(255, 0, 0), true, false, "an active series: its check ticked, its colour, its title in black"},
        {1, QColor(0, 0, 255), false, true, "the inactive selected series: an empty check, the highlight on the title"},
        {2, QColor(0, 128, 0), true, false, "a third series of another colour"},
    };
    for (const Case& c : cases) {
        // Inside the check box's frame: the tick's black pixels or none.
        const QRect check = RowPart(w, c.row, checkLeft + 2, checkLeft + 11).adjusted(0, 8, 0, -10);
        EXPECT_EQ(Count(image, check, black) > 0, c.checked) << c.why;
        EXPECT_GT(Count(image, RowPart(w, c.row, colourLeft, colourLeft + 26), c.colour), 10) << c.why;
        const QRect title = RowPart(w, c.row, titleLeft, titleLeft + 60);
        EXPECT_EQ(Count(image, title, highlight) > 0, c.selected) << c.why;
        EXPECT_GT(Count(image, title, c.selected ? QColor(255, 255, 255) : black), 20) << c.why << ": the title's text";
        // The columns before the title keep the list's colour, selected or not.
        EXPECT_EQ(Count(image, RowPart(w, c.row, 0, titleLeft - 4), highlight), 0) << c.why;
        EXPECT_GT(Count(image, RowPart(w, c.row, 0, checkLeft), window), 0) << c.why;
    }
}

TEST_F(SeriesListView, AClickOnTheCheckTogglesTheSeriesActive) {
    TChartSeries* sales = AddSeries("TLineSeries", "Sales", ClRed);
    TChartSeries* costs = AddSeries("TBarSeries", "Costs", ClBlue);
    QListWidget* w = ShowEditor();
    ASSERT_NE(w, nullptr);
    const QPoint check = At(w, 1, ColumnMiddle(TChartListBox::ColActive));
    const QRect box = RowPart(w, 1, list->SectionLeft(TChartListBox::ColActive) + 2,
                              list->SectionLeft(TChartListBox::ColActive) + 11)
                          .adjusted(0, 8, 0, -10);
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, check);
    EXPECT_FALSE(costs->Active());
    EXPECT_TRUE(sales->Active()) << "only the clicked row's series";
    EXPECT_EQ(list->ItemIndex(), 1) << "the click picks the row as well";
    QImage image = w->viewport()->grab().toImage();
    EXPECT_EQ(Count(image, box, QColor(0, 0, 0)), 0) << "the row is drawn again without its tick";

    // Clicks elsewhere on the row leave it alone; the check toggles back.
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, At(w, 1, ColumnMiddle(TChartListBox::ColTitle)));
    EXPECT_FALSE(costs->Active());
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, check);
    EXPECT_TRUE(costs->Active());
    image = w->viewport()->grab().toImage();
    EXPECT_GT(Count(image, box, QColor(0, 0, 0)), 0);
}

TEST_F(SeriesListView, ADoubleClickOnTheTitleOpensTheSeriesPage) {
    AddSeries("TLineSeries", "Sales", ClRed);
    AddSeries("TBarSeries", "Costs", ClBlue);
    QListWidget* w = ShowEditor();
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(editor->MainPage->ActivePage(), editor->TabChart);
    // As the user's: a press and release, then the second press that Qt reports as the double click.
    auto doubleClick = [&](QPoint at) {
        QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(w->viewport(), Qt::LeftButton, {}, at);
    };
    doubleClick(At(w, 1, ColumnMiddle(TChartListBox::ColActive)));
    EXPECT_EQ(editor->MainPage->ActivePage(), editor->TabChart) << "the check column has no double click";
    doubleClick(At(w, 1, ColumnMiddle(TChartListBox::ColTitle)));
    EXPECT_EQ(editor->MainPage->ActivePage(), editor->TabSeries) << "the editor's command on the title";
    EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(SeriesListView, TheHandShowsOverTheColourAndIconColumns) {
    AddSeries("TLineSeries", "Sales", ClRed);
    QListWidget* w = ShowEditor();
    ASSERT_NE(w, nullptr);
    auto moveTo = [&](QPoint at) {
        QMouseEvent move(QEvent::MouseMove, at, w->viewport()->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w->viewport(), &move);
    };
    struct Case {
        int column;
        Qt::CursorShape shape;
        const char* why;
    } cases[] = {
        {TChartListBox::ColColor, Qt::PointingHandCursor, "the colour column is clickable"},
        {TChartListBox::ColTitle, Qt::ArrowCursor, "the title is not"},
        {TChartListBox::ColIcon, Qt::PointingHandCursor, "the icon column is clickable"},
        {TChartListBox::ColActive, Qt::ArrowCursor, "the check takes single clicks, without the hand"},
    };
    for (const Case& c : cases) {
        moveTo(At(w, 0, ColumnMiddle(c.column)));
        EXPECT_EQ(w->viewport()->cursor().shape(), c.shape) << c.why;
    }
    moveTo(At(w, 0, ColumnMiddle(TChartListBox::ColColor), TChartListBox::RowHeight * 3));
    EXPECT_EQ(w->viewport()->cursor().shape(), Qt::ArrowCursor) << "below the last row";
}

TEST_F(SeriesListView, ARowDraggedOntoAnotherExchangesTheSeries) {
    TChartSeries* a = AddSeries("TLineSeries", "Alpha", ClRed);
    TChartSeries* b = AddSeries("TBarSeries", "Beta", ClBlue);
    TChartSeries* c = AddSeries("TAreaSeries", "Gamma", ClGreen);
    QListWidget* w = ShowEditor();
    ASSERT_NE(w, nullptr);
    const int title = ColumnMiddle(TChartListBox::ColTitle);
    QTest::mousePress(w->viewport(), Qt::LeftButton, {}, At(w, 0, title));
    ASSERT_TRUE(list->Dragging());
    // Passing over the middle row selects nothing on the way.
    QMouseEvent over(QEvent::MouseMove, At(w, 1, title), w->viewport()->mapToGlobal(At(w, 1, title)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w->viewport(), &over);
    EXPECT_EQ(list->ItemIndex(), 0);
    EXPECT_EQ(list->SelCount(), 1);
    QTest::mouseRelease(w->viewport(), Qt::LeftButton, {}, At(w, 2, title));
    EXPECT_FALSE(list->Dragging());
    EXPECT_EQ(chart->GetSeries(0), c);
    EXPECT_EQ(chart->GetSeries(1), b);
    EXPECT_EQ(chart->GetSeries(2), a);
    EXPECT_EQ(list->ItemIndex(), 2) << "the dragged series stays current at its new place";
    ASSERT_EQ(w->count(), 3);
    EXPECT_EQ(w->item(0)->text(), QString("Gamma"));
    EXPECT_EQ(w->item(2)->text(), QString("Alpha"));
    EXPECT_EQ(w->currentRow(), 2);

    // A press and release on one row is a plain click: nothing moves.
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, At(w, 1, title));
    EXPECT_FALSE(list->Dragging());
    EXPECT_EQ(chart->GetSeries(1), b);
    EXPECT_EQ(list->ItemIndex(), 1);
}

TEST_F(SeriesListView, ScrolledRowsAreHitWhereTheyAreShown) {
    std::vector<TChartSeries*> series;
    for (int i = 0; i < 12; ++i) series.push_back(AddSeries("TLineSeries", "Series " + std::to_string(i), ClRed));
    QListWidget* w = ShowEditor();
    ASSERT_NE(w, nullptr);
    w->verticalScrollBar()->setValue(w->verticalScrollBar()->maximum());
    ASSERT_LT(w->visualItemRect(w->item(0)).top(), 0) << "the first rows are scrolled away";
    EXPECT_FALSE(w->horizontalScrollBar()->isVisible()) << "the rows fit the list's width";
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, At(w, 11, ColumnMiddle(TChartListBox::ColActive)));
    EXPECT_FALSE(series[11]->Active()) << "the last row's series, not the one that lies there unscrolled";
    for (int i = 0; i < 11; ++i) EXPECT_TRUE(series[std::size_t(i)]->Active()) << i;
    EXPECT_EQ(list->ItemIndex(), 11);
}

// A list of strings keeps Qt's rows, and its mouse positions are the widget's, as before.
TEST_F(SeriesListView, APlainListBoxIsUnchanged) {
    Form* form = app.CreateForm<Form>("PlainForm");
    form->SetBounds(30, 40, 300, 200);
    ListBox* plain = form->Make<ListBox>("List1");
    plain->SetBounds(8, 8, 150, 100);
    plain->SetParent(form);
    plain->SetItems({"alpha", "beta", "gamma"});
    std::vector<QPoint> downs;
    int moves = 0;
    plain->OnMouseDown = [&](Component*, MouseButton, unsigned, int x, int y) { downs.emplace_back(x, y); };
    plain->OnMouseMove = [&](Component*, unsigned, int, int) { ++moves; };
    form->Show();
    view->Refresh();
    auto* w = qobject_cast<QListWidget*>(view->WidgetOf(*plain));
    ASSERT_NE(w, nullptr);
    EXPECT_LT(w->visualItemRect(w->item(0)).height(), TChartListBox::RowHeight) << "Qt's rows of a line of text";
    EXPECT_EQ(w->item(1)->text(), QString("beta"));
    const QPoint row1 = w->visualItemRect(w->item(1)).center();
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, row1);
    EXPECT_EQ(plain->ItemIndex(), 1);
    ASSERT_EQ(downs.size(), 1u);
    EXPECT_EQ(downs[0], w->viewport()->mapTo(w, row1)) << "the widget's coordinates, frame included";
    EXPECT_EQ(moves, 0) << "moves of the mouse stay Qt's";
    form->Hide();
}

}  // namespace
}  // namespace fv
