// The chart editor's small dialogs drawn off screen, with pictures saved in the build folder to be looked
// at: the pen and brush dialogs with their colour swatches, the increment and period dialogs, and the
// export dialog.
#include <gtest/gtest.h>

#include <functional>

#include <QImage>
#include <QPixmap>
#include <QTabBar>
#include <QTabWidget>
#include <QWidget>

#include "chart/chart_pens.h"
#include "chartui/dialogs/axis_increment_form.h"
#include "chartui/dialogs/axis_max_min_form.h"
#include "chartui/dialogs/brush_dialog.h"
#include "chartui/editor/chart_3d_page.h"
#include "chartui/editor/chart_edit_form.h"
#include "chartui/editor/chart_general_page.h"
#include "chartui/editor/chart_paging_page.h"
#include "chart/chart.h"
#include "chart/series/line_series.h"
#include "chartui/window/chart_export_form.h"
#include "chartui/dialogs/pen_dialog.h"
#include "chartui/dialogs/period_form.h"
#include "view_program_fixture.h"

namespace fv {
namespace {

class ChartDialogsPicturesTest : public ViewProgramFixture {
protected:
    void Picture(Form& form, const std::string& name) {
        form.Show();
        view->Refresh();
        SavePicture(form, name);
    }
    // The colour in the middle of a control as drawn.
    QColor Middle(const Control& c) {
        QWidget* w = view->WidgetOf(c);
        EXPECT_NE(w, nullptr) << c.Name();
        if (!w) return {};
        const QImage image = w->grab().toImage();
        return image.pixelColor(image.width() / 2, image.height() / 2);
    }
};

TEST_F(ChartDialogsPicturesTest, TheDialogsDrawAtTheirSize) {
    TChartPen pen;
    pen.SetColor(ClRed);
    pen.SetStyle(PenStyle::Dash);
    TPenDialog& penDialog = *app.CreateForm<TPenDialog>(*program, pen, false);
    Picture(penDialog, "chart_pen_dialog.png");
    EXPECT_EQ(Middle(*penDialog.SHColor), QColor(255, 0, 0)) << "the swatch shows the pen's colour";

    TChartBrush brush;
    brush.SetColor(ClTeal);
    brush.SetStyle(BrushStyle::Cross);
    TBrushDialog& brushDialog = *app.CreateForm<TBrushDialog>(*program, brush);
    Picture(brushDialog, "chart_brush_dialog.png");
    EXPECT_EQ(Middle(*brushDialog.SHColor), QColor(0, 128, 128));

    TAxisIncrement& increment = *app.CreateForm<TAxisIncrement>(*program);
    increment.IsDateTime = true;
    increment.IsExact = true;
    increment.Increment = 7;
    increment.IStep = 17;
    Picture(increment, "chart_increment_dialog.png");

    TFormPeriod& period = *app.CreateForm<TFormPeriod>(*program);
    period.ThePeriod = 5;
    Picture(period, "chart_period_dialog.png");

    TChartExportForm& exporter = *app.CreateForm<TChartExportForm>(*program);
    exporter.RGFormat->SetItemIndex(efNative);
    Picture(exporter, "chart_export_dialog.png");
    TAxisMaxMin& limit = *app.CreateForm<TAxisMaxMin>(*program);
    limit.IsDateTime = true;
    limit.MaxMin = 43904.5;
    Picture(limit, "chart_axis_limit_dialog.png");
    EXPECT_TRUE(view->WidgetOf(*limit.EMaximum)->isVisible()) << "a date and a time";
    for (Form* f : std::initializer_list<Form*>{&penDialog, &brushDialog, &increment, &period, &exporter, &limit})
        f->Hide();
}

// The editor on its chart pages: each page's controls drawn on the tab inside the dialog's window.
TEST_F(ChartDialogsPicturesTest, TheEditorDrawsItsPages) {
    TChart chart(nullptr, "Chart1");
    TLineSeries series(nullptr, "Series1");
    series.SetTitle("Sales");
    chart.AddSeries(series);
    TChartEditForm& editor = *app.CreateForm<TChartEditForm>(*program);
    editor.TheChart = &chart;
    Picture(editor, "chart_editor_series.png");
    // All nine tabs of the notebook have room in its tab bar.
    auto* notebook = qobject_cast<QTabWidget*>(view->WidgetOf(*editor.Notebook1));
    ASSERT_NE(notebook, nullptr);
    ASSERT_EQ(notebook->count(), 9);
    for (int i = 0; i < notebook->count(); ++i)
        EXPECT_LE(notebook->tabBar()->tabRect(i).right(), notebook->width()) << notebook->tabText(i).toStdString();
    struct Shot {
        int tab;
        const char* file;
    };
    for (const Shot& shot : {Shot{cetGeneral, "chart_editor_general.png"}, Shot{cetPaging, "chart_editor_paging.png"},
                             Shot{cet3D, "chart_editor_3d.png"}, Shot{cetAxis, "chart_editor_axis.png"},
                             Shot{cetTitles, "chart_editor_titles.png"}, Shot{cetLegend, "chart_editor_legend.png"},
                             Shot{cetPanel, "chart_editor_panel.png"}, Shot{cetWalls, "chart_editor_walls.png"}}) {
        editor.Notebook1->UserSelectPage(editor.NotebookTab(shot.tab));
        view->Refresh();
        SavePicture(editor, shot.file);
        // Every control of the page is drawn inside the tab, at its place.
        QWidget* tab = view->WidgetOf(*editor.NotebookTab(shot.tab));
        ASSERT_NE(tab, nullptr);
        EXPECT_TRUE(tab->isVisible()) << shot.file;
        for (Control* c : editor.NotebookTab(shot.tab)->Controls()) {
            QWidget* w = view->WidgetOf(*c);
            ASSERT_NE(w, nullptr) << c->Name();
            EXPECT_TRUE(w->isVisible()) << c->Name();
            EXPECT_EQ(w->parentWidget(), tab) << c->Name();
            EXPECT_LE(w->geometry().right(), tab->width()) << c->Name() << " in " << shot.file;
            EXPECT_LE(w->geometry().bottom(), tab->height()) << c->Name() << " in " << shot.file;
        }
        // And so is every control inside those, however deep.
        std::function<void(const Control&)> inside = [&](const Control& parent) {
            for (const Control* c : parent.Controls()) {
                QWidget* w = view->WidgetOf(*c);
                if (!w || !c->Visible()) continue;
                const QRect r(w->mapTo(tab, QPoint(0, 0)), w->size());
                EXPECT_LE(r.bottom(), tab->height() - 1) << c->Name() << " in " << shot.file;
                EXPECT_LE(r.right(), tab->width() - 1) << c->Name() << " in " << shot.file;
                inside(*c);
            }
        };
        inside(*editor.NotebookTab(shot.tab));
    }
    auto* page3D = dynamic_cast<TFormChart3D*>(editor.Page(cet3D));
    ASSERT_NE(page3D, nullptr);
    EXPECT_EQ(page3D->LZoom->Caption(), "100%");
    editor.Hide();
    chart.RemoveSeries(series);
}

}  // namespace
}  // namespace fv
