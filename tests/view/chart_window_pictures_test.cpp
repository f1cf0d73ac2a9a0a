// The chart window with a plotted chart and the print preview of that chart, drawn off screen through the
// Qt view, with pictures saved in the build folder to be looked at; and the window's bitmap as Qt reads it.
#include <gtest/gtest.h>

#include <QImage>
#include <QPixmap>
#include <QRadioButton>
#include <QTest>
#include <QWindow>
#include <QWidget>

#include "chartui/window/chart_export_form.h"
#include "chartui/window/chart_preview.h"
#include "chartui/window/chart_window.h"
#include "platform/app/scripted_output.h"
#include "view/qt_output.h"
#include "view/widgets.h"
#include "view_program_fixture.h"

namespace fv {
namespace {

class ChartWindowPicturesTest : public ViewProgramFixture {
protected:
    void SetUp() override {
        ViewProgramFixture::SetUp();
        ASSERT_TRUE(StartProgram(*program));
        // Scripted answers for the file dialog and a printer with an A4 page.
        app.SetDialogs(nullptr);
        app.SetPrinter(nullptr);
        app.SetRaster(&raster);
        app.ScriptedPrinterService().pageSize = {2480, 3508};  // upright; the preview turns it across
        for (int n = 1; n <= 10; ++n) {
            DatabaseRecord& r = program->RecordTable[std::size_t(n - 1)];
            r.Field[0] = std::to_string(10 * n);
            r.Field[2] = std::to_string((n - 4) * (n - 4) * 3);
        }
        program->RecordCount = 10;
        TRozizAForm& w = *program->RozizAForm;
        w.WhichFields->UserSetText("1,3");
        w.WhichRows->UserSetText("2-6");
        w.Show();
        view->Refresh();
    }
    void TearDown() override {
        ViewProgramFixture::TearDown();
        app.SetRaster(nullptr);
    }
    // How many pixels of the picture have the colour.
    static int Count(const QImage& image, QColor colour) {
        int n = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) == colour) ++n;
        return n;
    }
    QtRaster raster;  // bitmaps drawn as the program draws them
};

TEST_F(ChartWindowPicturesTest, TheWindowShowsTheTwoLines) {
    TRozizAForm& w = *program->RozizAForm;
    SavePicture(w, "chart_window.png");
    ExpectCaptionsFit(w);
    QWidget* chart = view->WidgetOf(*w.ChartVue);
    ASSERT_NE(chart, nullptr);
    const QImage drawn = chart->grab().toImage();
    EXPECT_EQ(drawn.size(), QSize(w.ChartVue->Width(), w.ChartVue->Height()));
    EXPECT_GT(Count(drawn, QColor(255, 0, 0)), 100) << "the first line is red";
    EXPECT_GT(Count(drawn, QColor(0, 0, 255)), 100) << "the second line is blue";
}

TEST_F(ChartWindowPicturesTest, SaveImageWritesABitmapThatQtReads) {
    TRozizAForm& w = *program->RozizAForm;
    const std::string path = PicturePath("chart_window_image.bmp");
    std::filesystem::remove(path);
    app.ScriptedDialogBoxes().files.push_back(path);
    w.StoreImageButton->Click();
    QImage bitmap(QString::fromStdString(path));
    ASSERT_FALSE(bitmap.isNull());
    EXPECT_EQ(bitmap.size(), QSize(w.ChartVue->Width(), w.ChartVue->Height()));
    EXPECT_GT(Count(bitmap, QColor(255, 0, 0)), 100);
    EXPECT_GT(Count(bitmap, QColor(0, 0, 255)), 100);
}

TEST_F(ChartWindowPicturesTest, ThePrintPreviewShowsTheChartOnThePaper) {
    TRozizAForm& w = *program->RozizAForm;
    w.ChartVue->SetPrintProportional(false);
    w.ChartVue->PrintMargins = {10, 10, 10, 10};
    TChartPreview& preview = *app.CreateForm<TChartPreview>(*program);
    preview.ChartPreviewPage->SetImage(w.ChartVue);
    preview.Show();
    view->Refresh();
    SavePicture(preview, "chart_print_preview.png");
    QWidget* page = view->WidgetOf(*preview.ChartPreviewPage);
    ASSERT_NE(page, nullptr);
    const QImage drawn = page->grab().toImage();
    const PixelRect paper = preview.ChartPreviewPage->PaperRect;
    ASSERT_GT(paper.Width(), 0);
    EXPECT_GT(paper.Width(), paper.Height()) << "the paper lies in landscape";
    EXPECT_EQ(drawn.pixelColor(paper.Left + 3, paper.Top + 3), QColor(255, 255, 255)) << "white paper";
    EXPECT_EQ(drawn.pixelColor(paper.Left, paper.Top + paper.Height() / 2), QColor(0, 0, 0)) << "its outline";
    EXPECT_NE(drawn.pixelColor(paper.Left - 1, paper.Top + paper.Height() / 2), QColor(255, 255, 255)) << "off the paper";
    EXPECT_GT(Count(drawn, QColor(255, 0, 0)), 20) << "the chart's red line on the paper";
    preview.Hide();
}

TEST_F(ChartWindowPicturesTest, TheToolbarsStatusTextsAreWhole) {
    TRozizAForm& w = *program->RozizAForm;
    TChartCommander& bar = *w.ChartCommander;
    auto expectWhole = [&](const char* what) {
        view->Refresh();
        SCOPED_TRACE(what);
        EXPECT_FALSE(bar.StatusLabel->Caption().empty());
        ExpectCaptionsFit(bar);
        EXPECT_LE(bar.StatusLabel->Left() + bar.StatusLabel->Width(), bar.Width()) << "inside the toolbar";
        EXPECT_LE(bar.Left() + bar.Width(), w.Panel2->Width()) << "the toolbar inside its panel";
    };
    for (SpeedButton* mode : {bar.Rotate, bar.Move, bar.Zoom, bar.Depth, bar.Normal}) {
        mode->Click();
        expectWhole(mode->Name().c_str());
    }
    // The values shown while dragging, at their widest.
    w.ChartVue->View3DOptions().SetRotation(355);
    w.ChartVue->View3DOptions().SetElevation(355);
    bar.Rotate->Click();
    w.ChartVue->MouseDown(MouseButton::Left, 0, 100, 100);
    w.ChartVue->MouseMove(0, 101, 99);
    expectWhole("rotation and elevation");
    w.ChartVue->MouseUp(MouseButton::Left, 0, 101, 99);
    bar.Move->Click();
    w.ChartVue->MouseDown(MouseButton::Left, 0, 300, 150);
    w.ChartVue->MouseMove(0, 10, 10);
    expectWhole("both offsets");
    w.ChartVue->MouseUp(MouseButton::Left, 0, 10, 10);
}

TEST_F(ChartWindowPicturesTest, TheWindowAtItsSmallestAndALargeSize) {
    TRozizAForm& w = *program->RozizAForm;
    struct Shot { int width, height; const char* file; } shots[] = {
        {1, 1, "chart_window_smallest.png"},
        {1000, 700, "chart_window_large.png"},
    };
    for (const Shot& shot : shots) {
        SCOPED_TRACE(shot.file);
        w.SetBounds(0, 0, shot.width, shot.height);
        view->Refresh();
        SavePicture(w, shot.file);
        ExpectCaptionsFit(w);
        QWidget* chart = view->WidgetOf(*w.ChartVue);
        QWidget* group = view->WidgetOf(*w.RozizAView);
        ASSERT_TRUE(chart && group);
        EXPECT_TRUE(group->rect().contains(chart->geometry())) << "the chart lies inside its group box";
        EXPECT_TRUE(view->WindowOf(w)->rect().contains(QRect(group->mapTo(view->WindowOf(w), QPoint(0, 0)), group->size())))
            << "the group box lies inside the window";
    }
}

TEST_F(ChartWindowPicturesTest, TheExportFormatChosenByMouseOrArrowKeysDecidesWhetherCopyIsEnabled) {
    TChartExportForm& exporter = *app.CreateForm<TChartExportForm>(*program);
    exporter.Show();
    view->Refresh();
    QWidget* window = view->WindowOf(exporter);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    auto* items = dynamic_cast<RadioItems*>(view->WidgetOf(*exporter.RGFormat));
    ASSERT_NE(items, nullptr);
    ASSERT_EQ(items->Buttons().size(), 4u);
    QWidget* copy = view->WidgetOf(*exporter.Button1);
    ASSERT_NE(copy, nullptr);
    // A key goes to the item that has the focus: the one last clicked or moved to.
    struct Step { int item; Qt::Key key; int chosen; bool copyEnabled; const char* why; } steps[] = {
        {3, Qt::Key_unknown, 3, false, "a click on the chart file: it has no clipboard copy"},
        {0, Qt::Key_unknown, 0, true, "a click on the bitmap"},
        {2, Qt::Key_unknown, 2, true, "a click on the enhanced metafile"},
        {2, Qt::Key_Down, 3, false, "the arrow down from the metafile chooses the chart file"},
        {3, Qt::Key_Up, 2, true, "and up chooses the metafile again"},
        {2, Qt::Key_Right, 3, false, "right moves on like down"},
        {3, Qt::Key_Down, 3, false, "nothing after the last item"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.why);
        QRadioButton* item = items->Buttons()[std::size_t(s.item)];
        if (s.key == Qt::Key_unknown) {
            QTest::mouseClick(item, Qt::LeftButton);
        } else {
            item->setFocus();
            QTest::keyClick(item, s.key);
        }
        view->Refresh();
        EXPECT_EQ(exporter.RGFormat->ItemIndex(), s.chosen);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(items->Buttons()[std::size_t(i)]->isChecked(), i == s.chosen) << i;
        EXPECT_EQ(exporter.Button1->Enabled(), s.copyEnabled);
        EXPECT_EQ(copy->isEnabled(), s.copyEnabled) << "as the window shows it";
    }
    exporter.Hide();
}

TEST_F(ChartWindowPicturesTest, TheWindowCannotBeDraggedSmallerThanItsLayoutHolds) {
    TRozizAForm& w = *program->RozizAForm;
    QWidget* window = view->WindowOf(w);
    ASSERT_NE(window, nullptr);
    const QSize smallest(TRozizAForm::MinWidth - Form::FrameWidth, TRozizAForm::MinHeight - Form::FrameHeight);
    EXPECT_EQ(window->minimumSize(), smallest);
    EXPECT_EQ(window->windowHandle()->minimumSize(), smallest) << "what the window system is told";
    window->resize(300, 200);
    EXPECT_EQ(window->size(), smallest);
    // A user dragging the window's corner: the window system reports the size, the form follows it down
    // to its smallest.
    window->windowHandle()->resize(300, 200);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.Height() == TRozizAForm::MinHeight && window->size() == smallest; }, 30000))
        << w.Height();
    EXPECT_EQ(w.Width(), TRozizAForm::MinWidth);
    QWidget* group = view->WidgetOf(*w.RozizAView);
    ASSERT_NE(group, nullptr);
    EXPECT_TRUE(window->rect().contains(QRect(group->mapTo(window, QPoint(0, 0)), group->size())))
        << "the group box lies inside the window";
}

}  // namespace
}  // namespace fv
