// The surface and contour editors and their "Grid 3D" page drawn off screen as windows of their own, with
// pictures saved in the build folder to be looked at: every caption has room, the swatches show the
// series' colours and the controls that do not apply are drawn greyed.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>

#include "chart/extended/surface_series.h"
#include "chartui/series_editors/contour_series_editor.h"
#include "chartui/series_editors/grid_3d_page.h"
#include "chartui/series_editors/surface_series_editor.h"
#include "series_owner_fixture.h"

namespace fv {
namespace {

class GridEditorPictures : public SeriesOwnerFixture {};

TEST_F(GridEditorPictures, TheSurfaceEditor) {
    auto* surface = Add<TSurfaceSeries>("TSurfaceSeries");
    ASSERT_NE(surface, nullptr);
    surface->SetWireFrame(true);
    TSurfaceSeriesEditor* e = &Open<TSurfaceSeriesEditor>(*surface);
    Picture(*e, "surface_series_editor.png");
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
    TContourSeriesEditor* e = &Open<TContourSeriesEditor>(*contour);
    Picture(*e, "contour_series_editor.png");
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
    TGrid3DSeriesEditor* e = &Open<TGrid3DSeriesEditor>(*surface);
    const QImage image = Picture(*e, "grid_3d_page.png");
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
