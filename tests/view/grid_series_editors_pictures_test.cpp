// The surface and contour editors and their "Grid 3D" page drawn off screen as windows of their own, with
// pictures saved in the build folder to be looked at: every caption has room, the swatches show the
// series' colours and the controls that do not apply are drawn greyed.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "chart/chart.h"
#include "chart/extended/extended_types.h"
#include "chart/extended/surface_series.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "chartui/contour_series_editor.h"
#include "chartui/grid_3d_page.h"
#include "chartui/surface_series_editor.h"
#include "view_program_fixture.h"

namespace fv {
namespace {

class GridEditorPictures : public ViewProgramFixture {
protected:
    void SetUp() override {
        ViewProgramFixture::SetUp();
        RegisterStandardSeriesTypes();
        RegisterChartEngineTypes();
        RegisterExtendedSeriesTypes();
        owner = app.CreateForm<ProgramForm>(*program, "SeriesOwner");
        chart = owner->Make<TChart>("Chart1");
        chart->SetBounds(0, 0, 400, 300);
        chart->SetParent(owner);
    }
    void TearDown() override {
        for (Form* f : shown) f->Hide();
        while (chart->SeriesCount() > 0) FreeSeries(chart->GetSeries(0));
        owner->FreeComponent(chart);
        ViewProgramFixture::TearDown();
    }
    template <class S> S* Add(const char* className) {
        return dynamic_cast<S*>(CreateSeriesOfClass(owner, *chart, *FindChartClass(className)));
    }
    // The editor shown, pictured and looked at for clipped captions; the picture as saved.
    template <class E, class S> QImage Picture(S& series, const std::string& name, E*& editor) {
        editor = app.CreateForm<E>(*program, series);
        shown.push_back(editor);
        editor->Show();
        view->Refresh();
        ExpectCaptionsFit(*editor);
        SavePicture(*editor, name);
        return QImage(QString::fromStdString(PicturePath(name)));
    }
    // The colour at the middle of a control in its form's picture.
    QColor MiddleOf(const QImage& image, Form& form, Control& c) {
        QWidget* w = view->WidgetOf(c);
        EXPECT_NE(w, nullptr) << c.Name();
        if (!w) return {};
        return image.pixelColor(w->mapTo(view->WindowOf(form), QPoint(c.Width() / 2, c.Height() / 2)));
    }
    // How many dark pixels a control draws (its text).
    int DarkPixels(Control& c) {
        QWidget* w = view->WidgetOf(c);
        EXPECT_NE(w, nullptr) << c.Name();
        if (!w) return 0;
        const QImage shot = w->grab().toImage();
        int n = 0;
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y).lightness() < 80) ++n;
        return n;
    }

    ProgramForm* owner = nullptr;
    TChart* chart = nullptr;
    std::vector<Form*> shown;
};

TEST_F(GridEditorPictures, TheSurfaceEditor) {
    auto* surface = Add<TSurfaceSeries>("TSurfaceSeries");
    ASSERT_NE(surface, nullptr);
    surface->SetWireFrame(true);
    TSurfaceSeriesEditor* e = nullptr;
    Picture(*surface, "surface_series_editor.png", e);
    EXPECT_TRUE(view->WidgetOf(*e->RadioGroup1)->isVisible());
    EXPECT_GT(DarkPixels(*e->RadioGroup1), 60) << "the mode's caption and its three items draw";
    // The three modes stand side by side: each item's button and text within its own column.
    const QFontMetrics metrics(view->WidgetOf(*e->RadioGroup1)->font());
    for (const std::string& item : e->RadioGroup1->Items())
        EXPECT_LE(metrics.horizontalAdvance(QString::fromStdString(item)) + 28, e->RadioGroup1->Width() / 3) << item;
    EXPECT_GT(DarkPixels(*e->Button2), 20) << "the button's caption draws";
    EXPECT_GT(DarkPixels(*e->Button3), 20) << "the button's caption draws";
}

TEST_F(GridEditorPictures, TheContourEditorGreysTheHeightForLinesAtTheirLevels) {
    auto* contour = Add<TContourSeries>("TContourSeries");
    ASSERT_NE(contour, nullptr);
    contour->SetNumLevels(24);
    contour->SetYPosition(7);
    TContourSeriesEditor* e = nullptr;
    Picture(*contour, "contour_series_editor.png", e);
    EXPECT_GT(DarkPixels(*e->SENumLevels), 5) << "the level count shows";
    const int heightShown = DarkPixels(*e->SEYPos);
    EXPECT_GT(heightShown, 5) << "the height shows";

    e->CBYPosLevel->Click();
    view->Refresh();
    SavePicture(*e, "contour_series_editor_levels.png");
    EXPECT_FALSE(view->WidgetOf(*e->SEYPos)->isEnabled());
    EXPECT_LT(DarkPixels(*e->SEYPos), heightShown) << "the greyed height draws lighter";
}

TEST_F(GridEditorPictures, TheGridPageShowsItsColours) {
    auto* surface = Add<TSurfaceSeries>("TSurfaceSeries");
    ASSERT_NE(surface, nullptr);
    surface->SetSeriesColor(ClRed);
    surface->SetStartColor(ClLime);
    surface->SetEndColor(ClBlue);
    surface->SetUsePalette(true);
    TGrid3DSeriesEditor* e = nullptr;
    const QImage image = Picture(*surface, "grid_3d_page.png", e);
    EXPECT_EQ(MiddleOf(image, *e, *e->Shape1), QColor(0xFF, 0, 0));
    EXPECT_EQ(MiddleOf(image, *e, *e->Shape2), QColor(0, 0xFF, 0));
    EXPECT_EQ(MiddleOf(image, *e, *e->Shape3), QColor(0, 0, 0xFF));
    EXPECT_TRUE(e->RGPalette->Checked());
    // Filled from data: the grid size is drawn greyed, the depth is not.
    EXPECT_FALSE(view->WidgetOf(*e->SEXGrid)->isEnabled());
    EXPECT_FALSE(view->WidgetOf(*e->SEZGrid)->isEnabled());
    EXPECT_TRUE(view->WidgetOf(*e->EDepth)->isEnabled());
}

}  // namespace
}  // namespace fv
