// The chart editor dialog: its tabs (hidden ones, the first one, pages made on first visit), its caption,
// the enabling of the series commands, the series commands through the list, and the editor component's
// run.
#include <gtest/gtest.h>

#include "chart/series/bar_series.h"
#include "chartui/editor/chart_3d_page.h"
#include "chartui/editor/chart_general_page.h"
#include "chartui/series/gallery_form.h"
#include "chartui/editor/chart_paging_page.h"
#include "chartui/dialogs/input_query_form.h"
#include "editor_fixture.h"

namespace fv::testing {
namespace {

class ChartEditor : public EditorFixture {
protected:
    std::vector<std::string> TabCaptions() const {
        std::vector<std::string> captions;
        for (TabSheet* t : editor->Notebook1->Pages()) captions.push_back(t->Caption());
        return captions;
    }
};

TEST_F(ChartEditor, OpensOnTheSeriesListWithItsCaption) {
    ShowEditor();
    EXPECT_EQ(editor->Caption(), "Editing Chart1");
    EXPECT_EQ(editor->MainPage->ActivePage(), editor->TabChart);
    EXPECT_EQ(editor->Notebook1->ActivePage(), editor->TabSeriesList);
    EXPECT_EQ(TabCaptions(), (std::vector<std::string>{"Series", "General", "Axis", "Titles", "Legend", "Panel",
                                                       "Paging", "Walls", "3D"}));
    EXPECT_EQ(editor->BClose->Caption(), "Close");
    EXPECT_TRUE(editor->BClose->Default && editor->BClose->Cancel);
    // The list takes the header's column widths.
    EXPECT_EQ(editor->LBSeries->SectionLeft(TChartListBox::ColTitle), 68);
    EXPECT_EQ(editor->LBSeries->Section(TChartListBox::ColTitle).Width, 216);
}

TEST_F(ChartEditor, AGivenTitleIsTheCaption) {
    TChartEditor& component = *program->RozizAForm->Make<TChartEditor>(*program, "ChartEditor1");
    component.SetChart(chart);
    component.Title = "My chart";
    std::string caption;
    WhenShown<TChartEditForm>([&](TChartEditForm& d) {
        caption = d.Caption();
        d.BClose->Click();
    });
    component.Execute();
    EXPECT_EQ(caption, "My chart");
}

TEST_F(ChartEditor, HiddenTabsAndTheFirstTab) {
    struct Case {
        const char* what;
        int firstTab;
        TChartEditorHiddenTabs hidden;
        std::size_t tabs;
        const char* opensOn;
    };
    const Case cases[] = {
        {"no first tab", -1, {}, 9, "Series"},
        {"the paging tab", cetPaging, {}, 9, "Paging"},
        {"the 3D tab", cet3D, {}, 9, "3D"},
        {"axis and 3D hidden", cetGeneral, {cetAxis, cet3D}, 7, "General"},
        // A first tab that is hidden leaves the dialog on the series list.
        {"the hidden 3D tab", cet3D, {cetAxis, cet3D}, 7, "Series"},
        // The series page's tabs are not on the notebook: the series list opens.
        {"the series' general tab", cetSeriesGeneral, {}, 9, "Series"},
        {"the series' marks tab", cetSeriesMarks, {}, 9, "Series"},
        // Hiding the series page's tabs leaves the notebook whole.
        {"series tabs hidden", cetWalls, {cetSeriesGeneral, cetSeriesMarks}, 9, "Walls"},
        {"the list hidden", -1, {cetMain}, 8, "General"},
    };
    for (const Case& c : cases) {
        ShowEditor(c.firstTab, c.hidden);
        EXPECT_EQ(editor->Notebook1->Pages().size(), c.tabs) << c.what;
        ASSERT_NE(editor->Notebook1->ActivePage(), nullptr) << c.what;
        EXPECT_EQ(editor->Notebook1->ActivePage()->Caption(), c.opensOn) << c.what;
        for (TChartEditorTab hidden : c.hidden) {
            if (hidden < ChartEditorNotebookTabs) {
                EXPECT_EQ(editor->NotebookTab(hidden)->Parent(), nullptr) << c.what;
            }
        }
        editor->Hide();
    }
}

TEST_F(ChartEditor, PagesAreMadeOnTheirFirstVisitOnly) {
    ShowEditor();
    for (int tab = 0; tab < ChartEditorNotebookTabs; ++tab) EXPECT_EQ(editor->Page(tab), nullptr) << tab;
    editor->Notebook1->UserSelectPage(editor->TabGeneral);
    Form* general = editor->Page(cetGeneral);
    ASSERT_NE(dynamic_cast<TFormChartGeneral*>(general), nullptr);
    // It stands on the tab, shown and filling it, with its controls on it.
    EXPECT_EQ(general->Parent(), editor->TabGeneral);
    EXPECT_EQ(editor->TabGeneral->Controls(), std::vector<Control*>{general});
    EXPECT_FALSE(general->Controls().empty());
    EXPECT_TRUE(general->Visible());
    EXPECT_EQ(general->Width(), editor->TabGeneral->Width());
    EXPECT_TRUE(dynamic_cast<TFormChartGeneral*>(general)->CBAllowZoom->Showing());
    editor->Notebook1->UserSelectPage(editor->TabPaging);
    editor->Notebook1->UserSelectPage(editor->TabGeneral);
    EXPECT_EQ(editor->Page(cetGeneral), general);
    EXPECT_NE(dynamic_cast<TFormChartPage*>(editor->Page(cetPaging)), nullptr);
    // The axis, titles and walls tabs choose what their pages will edit.
    editor->Notebook1->UserSelectPage(editor->TabAxis);
    editor->Notebook1->UserSelectPage(editor->TabTitle);
    editor->Notebook1->UserSelectPage(editor->TabWalls);
    EXPECT_EQ(editor->TheAxis, chart->LeftAxis());
    EXPECT_EQ(editor->TheTitle, &chart->Title());
    EXPECT_EQ(editor->TheWall, &chart->LeftWall());
}

TEST_F(ChartEditor, TheCommandsFollowTheOptionsAndTheSelection) {
    // The letters: Add, Delete, Title, Change, Clone, Move Down, Move Up.
    auto buttons = [&] {
        std::string s;
        for (Control* b : std::initializer_list<Control*>{editor->BAddSeries, editor->BDeleteSeries,
                                                          editor->BRenameSeries, editor->BChangeTypeSeries,
                                                          editor->BCloneSeries, editor->BMoveDown, editor->BMoveUP})
            s += b->Enabled() ? '1' : '0';
        return s;
    };
    // No series: only Add.
    ShowEditor();
    EXPECT_EQ(buttons(), "1000000");
    editor->Hide();
    ShowEditor(-1, {}, {ceDelete, ceChange, ceClone, ceTitle});
    EXPECT_EQ(buttons(), "0000000") << "no series and Add not allowed";
    editor->Hide();

    AddSeries("Series1");
    AddSeries("Series2");
    AddSeries("Series3");
    ShowEditor();
    TChartListBox& list = *editor->LBSeries;
    struct Case {
        const char* what;
        std::function<void()> act;
        const char* enabled;
    };
    const Case cases[] = {
        {"first row", [] {}, "1111110"},
        {"middle row", [&] { list.UserSelect(1); }, "1111111"},
        {"last row", [&] { list.UserSelect(2); }, "1111101"},
        // Two rows: no title, clone or moving.
        {"two rows", [&] { list.UserSelect(0, SsCtrl); }, "1101000"},
        {"three rows by range", [&] { list.UserSelect(2, SsShift); }, "1101000"},
        {"back to one", [&] { list.UserSelect(1); }, "1111111"},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_EQ(buttons(), c.enabled) << c.what;
    }
    editor->Hide();

    // Each option withheld disables its own command only.
    struct OptionCase {
        TChartEditorOption withheld;
        const char* enabled;
    };
    const OptionCase options[] = {
        {ceAdd, "0111110"}, {ceDelete, "1011110"}, {ceTitle, "1101110"},
        {ceChange, "1110110"}, {ceClone, "1111010"}, {ceDataSource, "1111110"}, {ceHelp, "1111110"},
    };
    for (const OptionCase& c : options) {
        TChartEditorOptions allowed = AllChartEditorOptions();
        allowed.erase(c.withheld);
        ShowEditor(-1, {}, allowed);
        EXPECT_EQ(buttons(), c.enabled) << int(c.withheld);
        editor->Hide();
    }
}

TEST_F(ChartEditor, TheButtonsRunTheListsCommands) {
    TChartSeries* first = AddSeries("Series1");
    TChartSeries* second = AddSeries("Series2");
    ShowEditor();
    TChartListBox& list = *editor->LBSeries;
    editor->BMoveDown->Click();
    EXPECT_EQ(chart->GetSeries(1), first);
    EXPECT_EQ(list.ItemIndex(), 1);
    EXPECT_TRUE(editor->BMoveUP->Enabled());
    EXPECT_FALSE(editor->BMoveDown->Enabled());
    editor->BMoveUP->Click();
    EXPECT_EQ(chart->GetSeries(0), first);

    WhenShown<TInputQueryForm>([](TInputQueryForm& q) {
        EXPECT_EQ(q.Caption(), "Change Series Title");
        q.Value->UserSetText("Sales");
        q.OKButton->Click();
    });
    editor->BRenameSeries->Click();
    EXPECT_EQ(first->Title(), "Sales");
    EXPECT_TRUE(list.Focused());

    editor->BCloneSeries->Click();
    ASSERT_EQ(chart->SeriesCount(), 3);
    EXPECT_EQ(list.SelectedSeries(), chart->GetSeries(2));

    list.UserSelect(1);
    Messages().Answer(IdYes);
    editor->BDeleteSeries->Click();
    EXPECT_EQ(Messages().Messages().back(), "Delete Series2?");
    EXPECT_EQ(chart->SeriesCount(), 2);
    (void)second;

    // The gallery makes a bar series in place of the selected one.
    list.UserSelect(0);
    SeriesGallery().CreateSeriesFromGallery = [&](Component* owner, TChartSeries* reference, TCustomChart& c,
                                                  bool functions) -> TChartSeries* {
        EXPECT_FALSE(functions);
        EXPECT_EQ(reference, chart->GetSeries(0));
        return CreateSeriesOfClass(owner, c, *FindChartClass("TBarSeries"));
    };
    editor->BChangeTypeSeries->Click();
    ASSERT_EQ(chart->SeriesCount(), 2);
    EXPECT_NE(dynamic_cast<TBarSeries*>(chart->GetSeries(0)), nullptr);
    EXPECT_EQ(chart->GetSeries(0)->Name(), "Series1");
    EXPECT_EQ(chart->GetSeries(0)->Title(), "Sales");
}

TEST_F(ChartEditor, AddGoesThroughTheGallery) {
    ShowEditor();
    WhenShown<TChartGallery>([](TChartGallery& g) { g.BCancel->Click(); });
    editor->BAddSeries->Click();
    EXPECT_EQ(chart->SeriesCount(), 0) << "the gallery was cancelled: nothing is added";
    SeriesGallery().CreateSeriesFromGallery = [&](Component* owner, TChartSeries* reference, TCustomChart& c,
                                                  bool functions) -> TChartSeries* {
        EXPECT_TRUE(functions);
        EXPECT_EQ(reference, nullptr);
        EXPECT_EQ(owner, program->RozizAForm);
        return CreateSeriesOfClass(owner, c, *FindChartClass("TLineSeries"));
    };
    editor->BAddSeries->Click();
    ASSERT_EQ(chart->SeriesCount(), 1);
    EXPECT_EQ(editor->LBSeries->SelectedSeries(), chart->GetSeries(0));
    EXPECT_TRUE(editor->BDeleteSeries->Enabled());
    EXPECT_EQ(editor->MainPage->ActivePage(), editor->TabChart) << "a plain series stays on the list";
}

// A series page standing in for the real one: what the dialog asks of it.
class RecordingSeriesPage : public TEditorSeriesPage {
public:
    explicit RecordingSeriesPage(TChartEditForm& dialog) : form(dialog.Make<Form>("FormChartSeries")) {
        list = form->Make<ListBox>("CBSeries");
        list->SetParent(form);
    }
    Form& PageForm() override { return *form; }
    ItemsControl& SeriesList() override { return *list; }
    void SetOptions(bool dataSource, bool general, bool marks) override {
        calls.push_back(std::string("options ") + char('0' + dataSource) + char('0' + general) + char('0' + marks));
    }
    void SetSeries(TChartSeries* s) override { calls.push_back("series " + (s ? s->Name() : std::string("none"))); }
    void ShowDataSourceTab() override { calls.push_back("data source"); }
    bool AllowPageChange() override { return allowLeaving; }
    void ClosePage() override { calls.push_back("close"); }

    Form* form;
    ListBox* list;
    bool allowLeaving = true;
    std::vector<std::string> calls;
};

TEST_F(ChartEditor, TheSeriesPageIsMadeOnceAndFollowsTheList) {
    AddSeries("Series1");
    AddSeries("Series2");
    RecordingSeriesPage* made = nullptr;
    int created = 0;
    ChartEditorSeriesPageFactory() = [&](TChartEditForm& dialog, TCustomChart& c) {
        EXPECT_EQ(&c, chart);
        made = new RecordingSeriesPage(dialog);
        return made;
    };
    OnCreateEditSeries() = [&](TEditorSeriesPage&, TCustomChart&) { ++created; };
    ShowEditor(-1, {cetSeriesMarks}, {ceAdd});
    TChartListBox& list = *editor->LBSeries;
    list.UserSelect(1);
    list.MouseDown(MouseButton::Left, 0, 100, 5);
    list.DblClick();  // on the first row, which is not selected: nothing
    EXPECT_EQ(made, nullptr);
    // A double click on the selected row's title opens the series page on it.
    list.MouseDown(MouseButton::Left, 0, 100, TChartListBox::RowHeight + 5);
    list.DblClick();
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(editor->MainPage->ActivePage(), editor->TabSeries);
    EXPECT_EQ(created, 1);
    EXPECT_EQ(made->calls, (std::vector<std::string>{"options 010", "series Series2"}));
    EXPECT_EQ(made->list->Items(), (std::vector<std::string>{"Series1", "Series2"}));
    EXPECT_EQ(made->list->ItemIndex(), 1);

    // The page refuses to be left; then lets go.
    made->allowLeaving = false;
    editor->MainPage->UserSelectPage(editor->TabChart);
    EXPECT_EQ(editor->MainPage->ActivePage(), editor->TabSeries);
    made->allowLeaving = true;
    editor->MainPage->UserSelectPage(editor->TabChart);
    list.UserSelect(0);
    list.MouseDown(MouseButton::Left, 0, 100, 5);
    EXPECT_EQ(made->list->ItemIndex(), 0) << "the drop-down follows the list";
    editor->MainPage->UserSelectPage(editor->TabSeries);
    EXPECT_EQ(made->calls.back(), "series Series1");
    EXPECT_EQ(created, 1);
    editor->Close();
    EXPECT_EQ(made->calls.back(), "close");
}

// A chart that counts its repaints.
class CountingChart : public TChart {
public:
    using TChart::TChart;
    void Invalidate() override {
        ++repaints;
        TChart::Invalidate();
    }
    int repaints = 0;
};

TEST_F(ChartEditor, TheComponentRunsTheDialogOnItsChart) {
    TChartEditor& component = *program->RozizAForm->Make<TChartEditor>(*program, "ChartEditor1");
    component.Execute();  // no chart: nothing shows

    auto* counting = program->RozizAForm->Make<CountingChart>("Chart2");
    auto* series = program->RozizAForm->Make<TLineSeries>("Series1");
    counting->AddSeries(*series);
    component.SetChart(counting);
    component.AutoRepaint = false;
    component.DefaultTab = cetPaging;
    component.HideTabs = {cetAxis};
    component.Options = {ceAdd};
    std::vector<std::string> events;
    component.OnShow = [&](Component* s) { events.push_back("show " + s->Name()); };
    component.OnClose = [&](Component* s) { events.push_back("close " + s->Name()); };
    WhenShown<TChartEditForm>([&](TChartEditForm& d) {
        EXPECT_EQ(d.Caption(), "Editing Chart2");
        EXPECT_EQ(d.Notebook1->ActivePage(), d.TabPaging);
        EXPECT_EQ(d.Notebook1->Pages().size(), 8u);
        EXPECT_FALSE(d.BDeleteSeries->Enabled());
        counting->repaints = 0;
        series->AddPoint(1, 2);
        series->AddPoint(2, 3);
        EXPECT_EQ(counting->repaints, 0) << "no repaint while the dialog is open";
        d.BClose->Click();
    });
    component.Execute();
    EXPECT_EQ(counting->repaints, 1) << "one repaint after it";
    EXPECT_TRUE(counting->AutoRepaint());
    EXPECT_TRUE(counting->MouseHandled);
    EXPECT_EQ(events, (std::vector<std::string>{"show ChartEditForm", "close ChartEditForm"}));

    // The chart goes: the editor forgets it.
    program->RozizAForm->FreeComponent(counting);
    EXPECT_EQ(component.Chart(), nullptr);
}

TEST_F(ChartEditor, EditChartPageOpensOnTheTab) {
    WhenShown<TChartEditForm>([&](TChartEditForm& d) {
        EXPECT_EQ(d.Notebook1->ActivePage(), d.Tab3D);
        EXPECT_NE(dynamic_cast<TFormChart3D*>(d.Page(cet3D)), nullptr);
        d.BClose->Click();
    });
    EditChartPage(nullptr, *program, *chart, cet3D);
    WhenShown<TChartEditForm>([&](TChartEditForm& d) {
        EXPECT_EQ(d.Notebook1->ActivePage(), d.TabSeriesList);
        d.BClose->Click();
    });
    EditChart(nullptr, *program, *chart);
}

}  // namespace
}  // namespace fv::testing
