// A series type editor as the user meets it: the series editors registered as the program starts, and
// the chart editor's series page on one series, with the editor it embedded on "Format" (and on any tab
// the editor adds of its own).
#pragma once

#include <string>
#include <vector>

#include "chartui/dialogs/pen_dialog.h"
#include "chartui/series_editors/series_editors.h"
#include "chartui/series/series_page.h"
#include "series_editing_fixture.h"
#include "support/layout_check.h"

namespace fv::testing {

class EmbeddedEditorFixture : public SeriesEditingFixture {
protected:
    void SetUp() override {
        SeriesEditingFixture::SetUp();
        RegisterSeriesEditors();
        page = app->CreateForm<TFormChartSeries>(*program);
        page->Show();
    }
    void TearDown() override {
        page->FreeEmbeddedEditors();
        UnregisterSeriesEditors();
        SeriesEditingFixture::TearDown();
    }
    // The page on `series` among `list`, as the chart editor shows it.
    void ShowOnPage(TChartSeries* series, const std::vector<TChartSeries*>& list) {
        page->SetSeriesList(list);
        page->Series = series;
        page->ShowSeries();
    }
    // The page on the series alone; the editor it embedded on "Format", if it is an E.
    template <class E> E* Open(TChartSeries* series) {
        ShowOnPage(series, {series});
        if (page->EmbeddedEditors.empty()) return nullptr;
        return dynamic_cast<E*>(page->EmbeddedEditors.front());  // the one on "Format"
    }
    // The editor stands on the "Format" tab as part of the page: no border of its own, and shown.
    void ExpectOnFormat(const Form& editor) {
        EXPECT_EQ(editor.Parent(), page->TheTabSheet) << editor.Name();
        EXPECT_EQ(editor.Border(), FormBorder::None) << editor.Name();
        EXPECT_TRUE(editor.Visible()) << editor.Name();
    }
    // The captions of the page's tabs, hidden ones too.
    std::vector<std::string> Tabs() const {
        std::vector<std::string> tabs;
        for (TabSheet* t : page->PageSeries->Pages()) tabs.push_back(t->Caption());
        return tabs;
    }
    // The captions of the tabs the user sees.
    std::vector<std::string> ShownTabs() const {
        std::vector<std::string> tabs;
        for (TabSheet* t : page->PageSeries->Pages())
            if (t->TabVisible()) tabs.push_back(t->Caption());
        return tabs;
    }
    // An editor made as the page makes it, standing on its own: its controls tidy (at least `least` of
    // them looked at) and the whole of it fitting the page's tabs. It goes afterwards.
    void ExpectTidyAndFitting(Form& editor, int least) {
        int checked = 0;
        CheckLayout(editor, checked);
        EXPECT_GE(checked, least);
        EXPECT_LE(editor.ClientWidth(), page->PageSeries->ClientWidth());
        EXPECT_LE(editor.ClientHeight(), page->PageSeries->ClientHeight());
        page->FreeComponent(&editor);
    }
    // The user lets the mouse go over a colour swatch.
    static void Release(Shape& swatch) { swatch.MouseUp(MouseButton::Left, 0, 1, 1); }
    // The pen dialog's next run: its colour set to `colour` and confirmed.
    void PenColourChosen(Color colour) {
        WhenShown<TPenDialog>([this, colour](TPenDialog& d) {
            Dialogs().colors.push_back(colour);
            d.BColor->Click();
            d.Button1->Click();
        });
    }

    TFormChartSeries* page = nullptr;
};

}  // namespace fv::testing
