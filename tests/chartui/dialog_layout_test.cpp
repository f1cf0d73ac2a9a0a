// The chart editor dialogs as designed: nothing overlaps, nothing leaves its parent, captions have room.
#include <gtest/gtest.h>

#include "chartui/dialogs/axis_increment_form.h"
#include "chartui/dialogs/brush_dialog.h"
#include "chartui/dialogs/axis_max_min_form.h"
#include "chartui/editor/chart_3d_page.h"
#include "chartui/editor/chart_axis_page.h"
#include "chartui/editor/chart_edit_form.h"
#include "chartui/editor/chart_general_page.h"
#include "chartui/editor/chart_legend_page.h"
#include "chartui/editor/chart_paging_page.h"
#include "chartui/editor/chart_panel_page.h"
#include "chartui/editor/chart_title_page.h"
#include "chartui/editor/chart_wall_page.h"
#include "chartui/dialogs/input_query_form.h"
#include "chartui/window/chart_export_form.h"
#include "chartui/dialogs/pen_dialog.h"
#include "chartui/dialogs/period_form.h"
#include "dialog_fixture.h"
#include "editor_fixture.h"
#include "support/layout_check.h"

namespace fv::testing {
namespace {

class ChartDialogLayout : public DialogFixture {};

TEST_F(ChartDialogLayout, EveryDialogIsTidy) {
    TChartPen pen;
    TChartBrush brush;
    Form* forms[] = {
        app->CreateForm<TPenDialog>(*program, pen, false), app->CreateForm<TBrushDialog>(*program, brush),
        app->CreateForm<TAxisIncrement>(*program),          app->CreateForm<TFormPeriod>(*program),
        app->CreateForm<TChartExportForm>(*program),
        app->CreateForm<TInputQueryForm>(*program, "Change Series Title", "New Series Title:", "Series1"),
        app->CreateForm<TAxisMaxMin>(*program),
    };
    for (Form* f : forms) {
        SCOPED_TRACE(f->Name());
        int checked = 0;
        CheckLayout(*f, checked);
        EXPECT_GE(checked, 4);
    }
}

TEST_F(ChartDialogLayout, TheEditorAndItsPagesAreTidy) {
    TChart chart(nullptr, "Chart1");
    Form* pages[] = {
        app->CreateForm<TFormChartGeneral>(*program, chart),
        app->CreateForm<TFormChartPage>(*program, chart),
        app->CreateForm<TFormChart3D>(*program, chart),
    };
    auto* editor = app->CreateForm<TChartEditForm>(*program);
    for (Form* page : pages) {
        SCOPED_TRACE(page->Name());
        int checked = 0;
        CheckLayout(*page, checked);
        EXPECT_GE(checked, 3);
        // A page fits on the editor's tabs.
        EXPECT_LE(page->Width(), editor->TabGeneral->Width());
        EXPECT_LE(page->Height(), editor->TabGeneral->Height());
    }
    // The tabs lie on one another by design: each one's contents are checked on their own.
    int checked = 0;
    CheckLayout(*editor->TabSeriesList, checked);
    EXPECT_GE(checked, 8);
}

TEST_F(ChartDialogLayout, EveryChartPageIsTidy) {
    TChart chart(nullptr, "Chart1");
    Form* pages[] = {
        app->CreateForm<TFormChartAxis>(*program, chart, *chart.LeftAxis()),
        app->CreateForm<TFormChartTitle>(*program, chart, chart.Title()),
        app->CreateForm<TFormChartLegend>(*program, chart),
        app->CreateForm<TFormChartPanel>(*program, chart),
        app->CreateForm<TFormChartWall>(*program, chart, chart.LeftWall()),
    };
    for (Form* f : pages) {
        SCOPED_TRACE(f->Name());
        int checked = 0;
        CheckLayout(*f, checked);
        EXPECT_GE(checked, 9);
    }
}

// Every control below `parent` lies inside its parent's client area, all the way up to `top`.
void ExpectInside(const Control& parent, const std::string& where, int& checked) {
    for (const Control* c : parent.Controls()) {
        if (!c->Visible()) continue;
        ++checked;
        EXPECT_GE(c->Left(), 0) << where << ": " << c->Name();
        EXPECT_GE(c->Top(), 0) << where << ": " << c->Name();
        EXPECT_LE(c->Left() + c->Width(), parent.ClientWidth()) << where << ": " << c->Name() << " past the right of "
                                                                << parent.Name();
        EXPECT_LE(c->Top() + c->Height(), parent.ClientHeight()) << where << ": " << c->Name() << " past the bottom of "
                                                                 << parent.Name();
        ExpectInside(*c, where, checked);
    }
}

class EditorPagesOnTheirTabs : public EditorFixture {};

TEST_F(EditorPagesOnTheirTabs, EveryControlOfEveryPageLiesInsideItsTabAndTheWindow) {
    AddSeries("Series1", 5);
    ShowEditor();
    for (int tab = cetGeneral; tab <= cet3D; ++tab) {
        editor->Notebook1->UserSelectPage(editor->NotebookTab(tab));
        Form* page = editor->Page(tab);
        ASSERT_NE(page, nullptr) << tab;
        const std::string where = editor->NotebookTab(tab)->Caption();
        SCOPED_TRACE(where);
        // The page's controls are placed on its tab: each lies inside it.
        int checked = 0;
        ExpectInside(*editor->NotebookTab(tab), where, checked);
        EXPECT_GE(checked, 5);
    }
    int checked = 0;
    ExpectInside(*editor, "the editor", checked);
}

}  // namespace
}  // namespace fv::testing
