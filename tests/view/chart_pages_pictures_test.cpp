// The chart editor's axis, titles, legend, panel and walls pages drawn off screen, with pictures saved in
// the build folder to be looked at: the axis page once on each of its tabs, the others once each. Each
// picture is checked to have the page's size, to be drawn (not one flat colour), and every caption to fit the
// widget Qt gave it; the title page shows the title's lines.
#include <gtest/gtest.h>

#include <set>

#include <QAbstractButton>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QWidget>

#include "chart/chart.h"
#include "chartui/editor/chart_axis_page.h"
#include "chartui/editor/chart_legend_page.h"
#include "chartui/editor/chart_panel_page.h"
#include "chartui/editor/chart_title_page.h"
#include "chartui/editor/chart_wall_page.h"
#include "platform/ui/check_box.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_button.h"
#include "view_program_fixture.h"

namespace fv {
namespace {

class ChartPagesPicturesTest : public ViewProgramFixture {
protected:
    void Picture(Form& form, const std::string& name) {
        view->Refresh();
        SavePicture(form, name);
        ExpectCaptionsFit(form);
    }
    TChart chart{nullptr, "Chart1"};
};

TEST_F(ChartPagesPicturesTest, TheAxisPageOnEachTab) {
    chart.LeftAxis()->Title.SetCaption("Amount");
    auto& page = *app.CreateForm<TFormChartAxis>(*program, chart, *chart.LeftAxis());
    page.Show();
    const std::pair<TabSheet*, const char*> tabs[] = {
        {page.TabScales, "chart_axis_page_scales.png"}, {page.TabTitle, "chart_axis_page_title.png"},
        {page.TabLabels, "chart_axis_page_labels.png"}, {page.TabTicks, "chart_axis_page_ticks.png"},
        {page.TabPositions, "chart_axis_page_position.png"},
    };
    for (const auto& [tab, name] : tabs) {
        page.PageAxis->UserSelectPage(tab);
        Picture(page, name);
        // The tab's last control lies inside the sheet Qt made.
        QWidget* sheet = view->WidgetOf(*tab);
        ASSERT_NE(sheet, nullptr);
        for (const Control* c : tab->Controls()) {
            EXPECT_LE(c->Left() + c->Width(), sheet->width()) << c->Name();
            EXPECT_LE(c->Top() + c->Height(), sheet->height()) << c->Name();
        }
    }
    page.Hide();
}

TEST_F(ChartPagesPicturesTest, TheTitlesLegendPanelAndWallsPages) {
    chart.Title().SetText({"Sales by region", "2020"});
    Form* pages[] = {
        app.CreateForm<TFormChartTitle>(*program, chart, chart.Title()),
        app.CreateForm<TFormChartLegend>(*program, chart),
        app.CreateForm<TFormChartPanel>(*program, chart),
        app.CreateForm<TFormChartWall>(*program, chart, chart.LeftWall()),
    };
    const char* names[] = {"chart_title_page.png", "chart_legend_page.png", "chart_panel_page.png",
                           "chart_wall_page.png"};
    for (int i = 0; i < 4; ++i) {
        pages[i]->Show();
        Picture(*pages[i], names[i]);
        // A drawn page, not an empty window: its frames, texts and swatches give it many colours.
        const QImage picture(QString::fromStdString(PicturePath(names[i])));
        ASSERT_FALSE(picture.isNull()) << names[i];
        std::set<QRgb> colours;
        for (int y = 0; y < picture.height(); y += 2)
            for (int x = 0; x < picture.width(); x += 2) colours.insert(picture.pixel(x, y));
        EXPECT_GT(colours.size(), 8u) << names[i];
        if (i == 0) {
            // The title page shows the title's two lines in its text box on screen.
            auto* text = qobject_cast<QPlainTextEdit*>(view->WidgetOf(*static_cast<TFormChartTitle*>(pages[0])->MText));
            ASSERT_NE(text, nullptr);
            EXPECT_EQ(text->toPlainText(), QString("Sales by region\n2020\n")) << "each line ends with a line break";
        }
        pages[i]->Hide();
    }
}

}  // namespace
}  // namespace fv
