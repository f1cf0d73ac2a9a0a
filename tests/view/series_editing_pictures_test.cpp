// The series gallery and the editor's series page drawn off screen, with pictures saved in the build
// folder to be looked at: the gallery of a type change (greyed types, the current one highlighted) with
// each preview chart painted into its cell, the series page on its function source, and the series list
// and page showing each series' type picture.
#include <gtest/gtest.h>

#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QWidget>

#include "chart/series_pictures.h"
#include "chartui/editor/chart_edit_form.h"
#include "chartui/series/gallery_form.h"
#include "chartui/series/series_page.h"
#include "platform/ui/tab_control.h"
#include "reference_pictures.h"
#include "series_owner_fixture.h"

namespace fv {
namespace {

class SeriesEditingPictures : public SeriesOwnerFixture {
protected:
    // A series with `points` values spread between 10 and 32, under a title.
    TChartSeries* AddSeries(const char* className, int points, const char* title) {
        TChartSeries* s = Add<TChartSeries>(className);
        for (int i = 0; i < points; ++i) s->AddPoint(i, 10 + (i * 37) % 23);
        s->SetTitle(title);
        return s;
    }
    // The window as the view draws it, with every preview chart painted into its place (the view shows
    // a chart as a plain panel).
    QImage WithCharts(Form& form, const std::vector<TCustomChart*>& charts) {
        QWidget* window = view->WindowOf(form);
        QImage image = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QPainter painter(&image);
        for (TCustomChart* c : charts) {
            QWidget* w = view->WidgetOf(*c);
            EXPECT_NE(w, nullptr) << c->Name();
            if (w) painter.drawImage(w->mapTo(window, QPoint(0, 0)), PaintPanel(*c));
        }
        return image;
    }
    // How many pixels of the chart's cell have exactly this colour.
    int CountInCell(const QImage& image, Form& form, TCustomChart& c, QColor colour) {
        const QPoint at = view->WidgetOf(c)->mapTo(view->WindowOf(form), QPoint(0, 0));
        int n = 0;
        for (int y = at.y(); y < at.y() + c.Height() && y < image.height(); ++y)
            for (int x = at.x(); x < at.x() + c.Width() && x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) ++n;
        return n;
    }
};

TEST_F(SeriesEditingPictures, TheGalleryOfATypeChange) {
    TChartSeries* line = AddSeries("TLineSeries", 5, "Sales");
    TChartGallery& gallery = *app.CreateForm<TChartGallery>(*program);
    gallery.ChartGalleryPanel1->ReferenceSeries = line;
    gallery.HideFunctions();
    gallery.Show();
    view->Refresh();
    TChartGalleryPanel& panel = *gallery.ChartGalleryPanel1;
    ASSERT_EQ(panel.Charts().size(), 11u);
    // The previews draw random sample values: fixed seeds give the same picture on every run. A series'
    // new values take their range from the points its chart holds, so every value the gallery drew from
    // the clock goes before any is drawn again.
    for (TCustomChart* c : panel.Charts()) {
        std::vector<int> counts;
        for (int i = 0; i < c->SeriesCount(); ++i) {
            TChartSeries* s = c->GetSeries(i);
            counts.push_back(s->Count() > 0 ? s->Count() : s->NumSampleValues());
            s->Clear();
        }
        for (int i = 0; i < c->SeriesCount(); ++i) {
            TChartSeries* s = c->GetSeries(i);
            s->SetRandomSeed(std::uint32_t(17 + i));
            s->FillSampleValues(counts[i]);
        }
    }
    view->Refresh();
    EXPECT_EQ(gallery.ChartTabControl->Tabs, (std::vector<std::string>{"Standard", "Extended"}));
    const QImage image = WithCharts(gallery, panel.Charts());
    const std::string path = PicturePath("series_gallery.png");
    ASSERT_TRUE(image.save(QString::fromStdString(path)));

    TCustomChart& lineCell = *panel.Charts().at(0);
    TCustomChart& barCell = *panel.Charts().at(1);
    TCustomChart& shapeCell = *panel.Charts().at(7);
    ASSERT_EQ(panel.SelectedChart(), &lineCell);
    const QColor highlight(0xFF, 0xFF, 0x80), red(0xFF, 0, 0);
    EXPECT_GT(CountInCell(image, gallery, lineCell, highlight), 1000) << "the current type stands out";
    EXPECT_EQ(CountInCell(image, gallery, barCell, highlight), 0);
    EXPECT_GT(CountInCell(image, gallery, barCell, red), 30) << "an offered type draws in colour";
    EXPECT_EQ(CountInCell(image, gallery, shapeCell, red), 0) << "a greyed type draws in silver";
    EXPECT_GT(CountInCell(image, gallery, shapeCell, QColor(0xC0, 0xC0, 0xC0)), 100);
    gallery.Hide();
}

TEST_F(SeriesEditingPictures, TheSeriesPageOnAFunctionSource) {
    AddSeries("TLineSeries", 8, "Prices");
    AddSeries("TBarSeries", 6, "Volumes");
    TChartSeries* average = AddSeries("TLineSeries", 0, "Average");
    TFormChartSeries& page = *app.CreateForm<TFormChartSeries>(*program);
    page.Show();
    page.SetSeriesList({chart->GetSeries(0), chart->GetSeries(1), average});
    page.Series = average;
    page.ShowSeries();
    page.PageSeries->UserSelectPage(page.TabDataSource);
    page.CBDataSourcestyle->UserSelect(dsFunction);
    page.CBFunctions->UserSelect(page.CBFunctions->IndexOf("Moving Average"));
    page.LBAvailSeries->SetSelected(0, true);
    page.BRightOne->Click();
    view->Refresh();
    SavePicture(page, "series_page_data_source.png");

    // The lists show their entries: text in the selected list, and in the one left.
    EXPECT_EQ(page.LBSelectedSeries->Items(), std::vector<std::string>{"Prices"});
    EXPECT_GT(DarkPixels(*page.LBSelectedSeries), 20);
    EXPECT_GT(DarkPixels(*page.LBAvailSeries), 20);
    EXPECT_TRUE(view->WidgetOf(*page.PCData)->isVisible());
    page.FunctionChanged = false;
    page.Hide();
}

TEST_F(SeriesEditingPictures, ArrowKeysOnTheGalleryTabsMoveWithinTheGrid) {
    TChartGallery& gallery = *app.CreateForm<TChartGallery>(*program);
    gallery.Show();
    view->Refresh();
    TChartGalleryPanel& panel = *gallery.ChartGalleryPanel1;
    ASSERT_GE(panel.Charts().size(), 6u);
    QWidget* window = view->WindowOf(gallery);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    // The focus is on the strip of tabs, where the keyboard leaves it when the gallery opens.
    QWidget* strip = view->WidgetOf(*gallery.ChartTabControl);
    ASSERT_NE(strip, nullptr);
    QWidget* bar = strip->findChild<QTabBar*>();
    ASSERT_NE(bar, nullptr);
    // Whichever of the strip and its bar takes the keyboard's focus.
    QWidget* focused = strip->focusPolicy() != Qt::NoFocus ? strip : bar;
    focused->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), focused);
    ASSERT_EQ(panel.SelectedChart(), panel.Charts().at(0));
    struct Step { Qt::Key key; std::size_t cell; const char* why; } steps[] = {
        {Qt::Key_Right, 1, "right moves to the next cell, not to the next tab"},
        {Qt::Key_Left, 0, "left moves back, not to the tab before"},
        {Qt::Key_Left, 0, "nothing left of the first column, and the tab stays"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.why);
        QTest::keyClick(focused, s.key);
        view->Refresh();
        EXPECT_EQ(gallery.ChartTabControl->TabIndex(), 0);
        EXPECT_EQ(panel.SelectedChart(), panel.Charts().at(s.cell));
    }
    gallery.Hide();
}

TEST_F(SeriesEditingPictures, ArrowKeysOnTabsOfAFormThatLeavesThemChangeTheTab) {
    Form& form = *app.CreateForm<Form>("Plain");
    form.SetBounds(0, 0, 300, 200);
    auto* tabs = new TabControl(&form, "Tabs");
    tabs->SetParent(&form);
    tabs->SetBounds(0, 0, 300, 200);
    tabs->Tabs = {"One", "Two"};
    tabs->TabsChanged();
    tabs->SetTabIndex(0);
    form.Show();
    view->Refresh();
    QWidget* window = view->WindowOf(form);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QWidget* strip = view->WidgetOf(*tabs);
    strip->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), strip);
    QTest::keyClick(strip, Qt::Key_Right);
    view->Refresh();
    EXPECT_EQ(tabs->TabIndex(), 1) << "the bar still turns an arrow nobody took into a change of tab";
    form.Hide();
}

TEST_F(SeriesEditingPictures, AKeyInTheAvailableSeriesKeepsTheFunctionPage) {
    AddSeries("TLineSeries", 8, "Prices");
    TChartSeries* average = AddSeries("TLineSeries", 0, "Average");
    TFormChartSeries& page = *app.CreateForm<TFormChartSeries>(*program);
    page.Show();
    page.SetSeriesList({chart->GetSeries(0), average});
    page.Series = average;
    page.ShowSeries();
    page.PageSeries->UserSelectPage(page.TabDataSource);
    page.CBDataSourcestyle->UserSelect(dsFunction);
    view->Refresh();
    auto* tabs = qobject_cast<QTabWidget*>(view->WidgetOf(*page.PCData));
    ASSERT_NE(tabs, nullptr);
    ASSERT_EQ(tabs->currentWidget(), view->WidgetOf(*page.TabFunctions));
    QWidget* list = view->WidgetOf(*page.LBAvailSeries);
    QWidget* window = view->WindowOf(page);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    // The user clicks the first series in the list, then presses keys there.
    QTest::mouseClick(list, Qt::LeftButton, {}, QPoint(10, 8));
    view->Refresh();
    ASSERT_TRUE(list->isVisible());
    for (Qt::Key key : {Qt::Key_Down, Qt::Key_P, Qt::Key_Space, Qt::Key_Up}) {
        QTest::keyClick(list, key);
        view->Refresh();
        EXPECT_EQ(page.PCData->ActivePage(), page.TabFunctions);
        EXPECT_EQ(tabs->currentWidget(), view->WidgetOf(*page.TabFunctions));
        EXPECT_TRUE(list->isVisible()) << "the function page stays shown";
    }
    page.FunctionChanged = false;
    page.Hide();
}

// How many pixels of the picture appear at (left, top) of the image (within a few levels: the row is drawn
// through a canvas and shown again).
int MatchingPixels(const QImage& image, int left, int top, const Bitmap& picture) {
    int n = 0;
    for (int y = 0; y < picture.Height; ++y)
        for (int x = 0; x < picture.Width; ++x) {
            if (left + x >= image.width() || top + y >= image.height()) continue;
            const QColor shown = image.pixelColor(left + x, top + y);
            const std::uint32_t want = picture.Pixels[std::size_t(y * picture.Width + x)];
            auto near = [](int a, std::uint32_t b) { return std::abs(a - int(b & 0xFF)) <= 4; };
            if (near(shown.red(), want >> 16) && near(shown.green(), want >> 8) && near(shown.blue(), want)) ++n;
        }
    return n;
}

TEST_F(SeriesEditingPictures, TheSeriesListAndPageShowTheTypePictures) {
    SetSeriesPictureFolder(std::string(FOLIVEX_SOURCE_DIR) + "/resources/series");
    const std::vector<std::string> types{"TLineSeries", "TBarSeries", "TPieSeries", "TCandleSeries"};
    AddSeries("TLineSeries", 6, "Sales");
    AddSeries("TBarSeries", 6, "Costs");
    AddSeries("TPieSeries", 4, "Shares");
    AddSeries("TCandleSeries", 0, "Prices");

    TChartEditForm& editor = *app.CreateForm<TChartEditForm>(*program);
    editor.TheChart = chart;
    editor.Show();
    view->Refresh();
    SavePicture(editor, "chart_editor_series_pictures.png");
    auto* list = qobject_cast<QListWidget*>(view->WidgetOf(*editor.LBSeries));
    ASSERT_NE(list, nullptr);
    const QImage rows = list->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_GE(rows.height(), 4 * TChartListBox::RowHeight);
    // Each row shows its type's picture in the icon column, 2 below the row's top, at the row height.
    for (int row = 0; row < 4; ++row) {
        BitmapPtr picture = SeriesClassPicture(types[std::size_t(row)]);
        ASSERT_NE(picture, nullptr) << types[std::size_t(row)];
        EXPECT_GE(MatchingPixels(rows, 0, row * TChartListBox::RowHeight + 2, *picture), 24 * 24 * 95 / 100)
            << types[std::size_t(row)];
    }
    // ...and not another's: the bar picture is not in the line's row.
    EXPECT_LT(MatchingPixels(rows, 0, 2, *SeriesClassPicture("TBarSeries")), 24 * 24 * 95 / 100);
    editor.Hide();

    TFormChartSeries& page = *app.CreateForm<TFormChartSeries>(*program);
    page.Show();
    page.SetSeriesList({chart->GetSeries(0), chart->GetSeries(1), chart->GetSeries(2), chart->GetSeries(3)});
    page.Series = chart->GetSeries(3);
    page.ShowSeries();
    view->Refresh();
    SavePicture(page, "series_page_type_picture.png");
    const QImage image = view->WidgetOf(*page.ImageSeries)->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_GE(MatchingPixels(image, 0, 0, *SeriesClassPicture("TCandleSeries")), 24 * 24 * 95 / 100);
    page.Hide();
    SetSeriesPictureFolder("");
}

}  // namespace
}  // namespace fv
