// The chart editor under test: a chart of the chart window (the chart and its series owned by the window,
// as the program has them) with the standard series types registered, and the editor dialog on it.
#pragma once

#include <string>

#include "chart/chart.h"
#include "chart/series/line_series.h"
#include "chart/series/series_registration.h"
#include "chart/series_types.h"
#include "chartui/editor/chart_edit_form.h"
#include "dialog_fixture.h"

namespace fv::testing {

class EditorFixture : public DialogFixture {
protected:
    void SetUp() override {
        DialogFixture::SetUp();
        RegisterStandardSeriesTypes();
        RegisterChartEngineTypes();
        chart = program->RozizAForm->Make<TChart>("Chart1");
        chart->SetBounds(0, 0, 400, 300);
        // A test may put a stand-in in place of the gallery or the series page: the real ones come back after it.
        gallery = SeriesGallery();
        seriesPage = ChartEditorSeriesPageFactory();
    }
    void TearDown() override {
        SeriesGallery() = gallery;
        ChartEditorSeriesPageFactory() = seriesPage;
        OnCreateEditSeries() = {};
        DialogFixture::TearDown();
    }
    TSeriesGalleryHook gallery;
    TSeriesPageFactory seriesPage;

    template <class T = TLineSeries> T* AddSeries(const std::string& name, int points = 0) {
        T* s = program->RozizAForm->Make<T>(name);
        for (int i = 0; i < points; ++i) s->AddPoint(i, i * 2);
        chart->AddSeries(*s);
        return s;
    }
    // The dialog on the chart, shown (not modally), as a caller would have set it up.
    TChartEditForm& ShowEditor(int firstTab = -1, TChartEditorHiddenTabs hidden = {},
                               TChartEditorOptions options = AllChartEditorOptions()) {
        editor = app->CreateForm<TChartEditForm>(*program);
        editor->TheChart = chart;
        editor->CheckTab = firstTab;
        editor->HiddenTabs = std::move(hidden);
        editor->EditorOptions = std::move(options);
        editor->Show();
        return *editor;
    }
    // The user picks a notebook tab.
    template <class Page> Page& OpenPage(int tab) {
        editor->Notebook1->UserSelectPage(editor->NotebookTab(tab));
        auto* page = dynamic_cast<Page*>(editor->Page(tab));
        EXPECT_NE(page, nullptr);
        return *page;
    }

    TChart* chart = nullptr;
    TChartEditForm* editor = nullptr;
};

}  // namespace fv::testing
