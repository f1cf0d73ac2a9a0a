// The chart editor's pages and the series editors stand inside the editor's window: opening them shows no
// window of their own, and their controls, still their own, take the user's input on the editor's window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QWidget>

#include <vector>

#include "chart/series/custom_series.h"
#include "chartui/editor/chart_edit_form.h"
#include "chartui/series/series_page.h"
#include "chartui/series_editors/custom_series_editor.h"
#include "chartui/series_editors/series_editors.h"
#include "series_owner_fixture.h"

namespace fv {
namespace {

class EmbeddedEditorsView : public SeriesOwnerFixture {
protected:
    void SetUp() override {
        SeriesOwnerFixture::SetUp();
        RegisterSeriesEditors();
    }
    void TearDown() override {
        SeriesOwnerFixture::TearDown();
        UnregisterSeriesEditors();
    }
    // The windows on screen.
    static std::vector<QWidget*> ShownWindows() {
        std::vector<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) windows.push_back(w);
        return windows;
    }
};

TEST_F(EmbeddedEditorsView, TheSeriesEditorAndThePagesOpenNoWindowOfTheirOwn) {
    auto* line = Add<TCustomSeries>("TLineSeries");
    line->FillSampleValues(6);
    TChartEditForm& editor = *app.CreateForm<TChartEditForm>(*program);
    editor.TheChart = chart;
    shown.push_back(&editor);
    editor.Show();
    view->Refresh();
    QWidget* window = view->WindowOf(editor);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(ShownWindows(), std::vector<QWidget*>{window});

    // A double click on the series opens its page, with the line's editor on "Format" and its "Point" tab.
    TChartListBox& list = *editor.LBSeries;
    list.UserSelect(0);
    list.MouseDown(MouseButton::Left, 0, 100, 5);
    list.DblClick();
    loop.ProcessPending();
    ASSERT_NE(editor.SeriesPage(), nullptr);
    auto* page = dynamic_cast<TFormChartSeries*>(&editor.SeriesPage()->PageForm());
    ASSERT_NE(page, nullptr);
    ASSERT_EQ(page->EmbeddedEditors.size(), 2u);
    auto* format = dynamic_cast<TCustomSeriesEditor*>(page->EmbeddedEditors[0]);
    ASSERT_NE(format, nullptr);
    EXPECT_EQ(ShownWindows(), std::vector<QWidget*>{window}) << "the series page and its editors are in the dialog";
    for (Form* f : {static_cast<Form*>(page), page->EmbeddedEditors[0], page->EmbeddedEditors[1]}) {
        ASSERT_NE(view->WidgetOf(*f), nullptr) << f->Name();
        EXPECT_EQ(view->WidgetOf(*f)->window(), window) << f->Name();
    }

    // The editor's controls, still its own, work on the dialog's window.
    const Control* holder = format->CBStairs->Parent();
    while (holder && !dynamic_cast<const Form*>(holder)) holder = holder->Parent();
    EXPECT_EQ(holder, format) << "the editor's controls stay on it";
    QWidget* stairs = view->WidgetOf(*format->CBStairs);
    ASSERT_NE(stairs, nullptr);
    EXPECT_TRUE(stairs->isVisibleTo(window));
    ASSERT_FALSE(line->Stairs());
    QTest::mouseClick(stairs, Qt::LeftButton, {}, QPoint(6, stairs->height() / 2));
    EXPECT_TRUE(format->CBStairs->Checked());
    EXPECT_TRUE(line->Stairs());

    // Every page of the chart tab opens on its tab, inside the dialog too.
    editor.MainPage->UserSelectPage(editor.TabChart);
    for (TabSheet* tab : editor.Notebook1->Pages()) {
        editor.Notebook1->UserSelectPage(tab);
        loop.ProcessPending();
        EXPECT_EQ(ShownWindows(), std::vector<QWidget*>{window}) << tab->Caption();
        if (Form* p = editor.Page(tab->Tag())) {
            EXPECT_EQ(p->Parent(), tab);
            ASSERT_NE(view->WidgetOf(*p), nullptr) << tab->Caption();
            EXPECT_TRUE(view->WidgetOf(*p)->isVisibleTo(window)) << tab->Caption();
        }
    }
    editor.Close();
    EXPECT_TRUE(ShownWindows().empty());
}

}  // namespace
}  // namespace fv
