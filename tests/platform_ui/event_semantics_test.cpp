// Which value changes fire events: setting a value from code fires the control's event only for the kinds
// whose value is the user's input (edits, memos, check boxes, radio buttons and groups, scroll bars,
// up-downs), and only when the value really changes. The program's loading flags
// and "typing included" logic depend on this, so one table pins it for every kind. The user's own actions
// (picking from a combo box, typing into a limited edit, pressing a button) come after it.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/group_box.h"
#include "platform/ui/list_box.h"
#include "platform/ui/memo.h"
#include "platform/ui/page_control.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/speed_button.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/tab_sheet.h"
#include "platform/ui/up_down.h"

namespace fv {
namespace {

// A control under test: how to put value variant 0 or 1 into it from code, which variant it holds now,
// and every event of the control (name and slot), so that an event that should stay silent is caught too.
struct Probe {
    Control* control = nullptr;
    std::function<void(int)> set;
    std::function<int()> get;
    std::vector<std::pair<std::string, NotifyEvent*>> events;
};

struct EventRow {
    std::string what;
    // Builds the control on the form holding variant 0, before any handler is attached.
    std::function<Probe(Form&)> build;
    std::string firesOnVariant1;  // event fired when variant 1 replaces variant 0; "" = none
    std::string firesOnVariant0;  // event fired when variant 0 comes back
};

template <class T> T* OnForm(Form& form) {
    T* c = form.Make<T>();
    c->SetParent(&form);
    return c;
}

std::vector<EventRow> EventTable() {
    std::vector<EventRow> rows;
    rows.push_back({"Edit.Text", [](Form& f) {
                        auto* e = OnForm<Edit>(f);
                        e->SetText("alpha");
                        return Probe{e, [e](int v) { e->SetText(v ? "beta" : "alpha"); },
                                     [e] { return e->Text() == "beta" ? 1 : 0; },
                                     {{"OnChange", &e->OnChange}, {"OnClick", &e->OnClick}}};
                    },
                    "OnChange", "OnChange"});
    rows.push_back({"Memo text", [](Form& f) {
                        auto* m = OnForm<Memo>(f);
                        m->SetText("one\r\n");
                        return Probe{m, [m](int v) { m->SetText(v ? "one\r\ntwo\r\n" : "one\r\n"); },
                                     [m] { return m->Lines().size() == 2 ? 1 : 0; },
                                     {{"OnChange", &m->OnChange}, {"OnClick", &m->OnClick}}};
                    },
                    "OnChange", "OnChange"});
    rows.push_back({"Memo lines", [](Form& f) {
                        auto* m = OnForm<Memo>(f);
                        m->SetLines({"one"});
                        return Probe{m,
                                     [m](int v) {
                                         if (v) m->SetLines({"one", "two"});
                                         else m->SetLines({"one"});
                                     },
                                     [m] { return m->Lines().size() == 2 ? 1 : 0; },
                                     {{"OnChange", &m->OnChange}, {"OnClick", &m->OnClick}}};
                    },
                    "OnChange", "OnChange"});
    rows.push_back({"CheckBox.Checked", [](Form& f) {
                        auto* c = OnForm<CheckBox>(f);
                        return Probe{c, [c](int v) { c->SetChecked(v != 0); }, [c] { return c->Checked() ? 1 : 0; },
                                     {{"OnClick", &c->OnClick}}};
                    },
                    "OnClick", "OnClick"});
    rows.push_back({"RadioButton.Checked", [](Form& f) {
                        auto* r = OnForm<RadioButton>(f);
                        return Probe{r, [r](int v) { r->SetChecked(v != 0); }, [r] { return r->Checked() ? 1 : 0; },
                                     {{"OnClick", &r->OnClick}}};
                    },
                    "OnClick", ""});
    rows.push_back({"RadioGroup.ItemIndex", [](Form& f) {
                        auto* g = OnForm<RadioGroup>(f);
                        g->SetItems({"first", "second"});
                        g->SetItemIndex(0);
                        return Probe{g, [g](int v) { g->SetItemIndex(v); }, [g] { return g->ItemIndex(); },
                                     {{"OnClick", &g->OnClick}}};
                    },
                    "OnClick", "OnClick"});
    rows.push_back({"ScrollBar.Position", [](Form& f) {
                        auto* s = OnForm<ScrollBar>(f);
                        s->SetRange(0, 100);
                        s->SetPosition(10);
                        return Probe{s, [s](int v) { s->SetPosition(v ? 60 : 10); },
                                     [s] { return s->Position() == 60 ? 1 : 0; },
                                     {{"OnChange", &s->OnChange}, {"OnClick", &s->OnClick}}};
                    },
                    "OnChange", "OnChange"});
    rows.push_back({"UpDown.Position", [](Form& f) {
                        auto* u = OnForm<UpDown>(f);
                        u->SetRange(1, 9);
                        u->SetPosition(2);
                        return Probe{u, [u](int v) { u->SetPosition(v ? 7 : 2); },
                                     [u] { return u->Position() == 7 ? 1 : 0; },
                                     {{"OnChange", &u->OnChange}, {"OnClick", &u->OnClick}}};
                    },
                    "OnChange", "OnChange"});
    rows.push_back({"ComboBox.ItemIndex", [](Form& f) {
                        auto* c = OnForm<ComboBox>(f);
                        c->SetItems({"red", "green"});
                        c->SetItemIndex(0);
                        return Probe{c, [c](int v) { c->SetItemIndex(v); },
                                     [c] { return c->ItemIndex() == 1 && c->Text() == "green" ? 1 : 0; },
                                     {{"OnChange", &c->OnChange}, {"OnClick", &c->OnClick}}};
                    },
                    "", ""});
    rows.push_back({"ListBox.ItemIndex", [](Form& f) {
                        auto* l = OnForm<ListBox>(f);
                        l->SetItems({"a", "b"});
                        l->SetItemIndex(0);
                        return Probe{l, [l](int v) { l->SetItemIndex(v); }, [l] { return l->ItemIndex(); },
                                     {{"OnClick", &l->OnClick}, {"OnDblClick", &l->OnDblClick}}};
                    },
                    "", ""});
    rows.push_back({"PageControl.ActivePage", [](Form& f) {
                        auto* p = OnForm<PageControl>(f);
                        auto* first = f.Make<TabSheet>();
                        auto* second = f.Make<TabSheet>();
                        first->SetParent(p);
                        second->SetParent(p);
                        p->SetActivePage(first);
                        return Probe{p, [=](int v) { p->SetActivePage(v ? second : first); },
                                     [=] { return p->ActivePage() == second && second->Visible() && !first->Visible() ? 1 : 0; },
                                     {{"OnChange", &p->OnChange}, {"OnClick", &p->OnClick}}};
                    },
                    "", ""});
    rows.push_back({"TabControl.TabIndex", [](Form& f) {
                        auto* t = OnForm<TabControl>(f);
                        t->Tabs = {"one", "two"};
                        t->SetTabIndex(0);
                        return Probe{t, [t](int v) { t->SetTabIndex(v); }, [t] { return t->TabIndex(); },
                                     {{"OnChange", &t->OnChange}, {"OnClick", &t->OnClick}}};
                    },
                    "", ""});
    rows.push_back({"SpeedButton.Down", [](Form& f) {
                        auto* s = OnForm<SpeedButton>(f);
                        s->GroupIndex = 1;
                        s->AllowAllUp = true;
                        return Probe{s, [s](int v) { s->SetDown(v != 0); }, [s] { return s->Down() ? 1 : 0; },
                                     {{"OnClick", &s->OnClick}}};
                    },
                    "", ""});
    return rows;
}

TEST(EventSemantics, SettingAValueFromCodeFiresOnlyWhereThePlatformDidAndOnlyOnAChange) {
    for (const EventRow& row : EventTable()) {
        SCOPED_TRACE(row.what);
        Form form(nullptr);
        Probe probe = row.build(form);
        ASSERT_EQ(probe.get(), 0);

        std::vector<std::string> fired;
        std::vector<int> valueSeen;  // the value the handler saw: events come after the change
        for (auto& [name, slot] : probe.events) {
            *slot = [&fired, &valueSeen, &probe, name = name](Component* sender) {
                EXPECT_EQ(sender, probe.control) << name;
                fired.push_back(name);
                valueSeen.push_back(probe.get());
            };
        }
        auto expect = [](const std::string& e) { return e.empty() ? std::vector<std::string>{} : std::vector{e}; };

        probe.set(1);
        EXPECT_EQ(probe.get(), 1) << "the value did not change";
        EXPECT_EQ(fired, expect(row.firesOnVariant1)) << "setting the new value";
        if (!fired.empty()) {
            EXPECT_EQ(valueSeen.back(), 1);
        }

        fired.clear();
        probe.set(1);
        EXPECT_EQ(fired, std::vector<std::string>{}) << "setting the same value again";

        probe.set(0);
        EXPECT_EQ(probe.get(), 0);
        EXPECT_EQ(fired, expect(row.firesOnVariant0)) << "setting the old value back";
        if (!fired.empty()) {
            EXPECT_EQ(valueSeen.back(), 0);
        }

        fired.clear();
        probe.set(0);
        EXPECT_EQ(fired, std::vector<std::string>{}) << "setting the old value again";
    }
}

TEST(EventSemantics, CheckingARadioButtonUnchecksItsSiblingsWithoutFiringTheirClicks) {
    Form form(nullptr);
    auto* box = OnForm<GroupBox>(form);
    auto* other = OnForm<Panel>(form);
    std::vector<RadioButton*> group, elsewhere;
    std::vector<std::string> clicks;
    for (int i = 0; i < 3; ++i) {
        group.push_back(form.Make<RadioButton>("R" + std::to_string(i)));
        group.back()->SetParent(box);
        elsewhere.push_back(form.Make<RadioButton>("E" + std::to_string(i)));
        elsewhere.back()->SetParent(other);
    }
    for (RadioButton* r : group) r->OnClick = [&clicks](Component* s) { clicks.push_back(s->Name()); };
    for (RadioButton* r : elsewhere) r->OnClick = [&clicks](Component* s) { clicks.push_back(s->Name()); };

    elsewhere[2]->SetChecked(true);
    group[0]->SetChecked(true);
    group[1]->SetChecked(true);
    EXPECT_EQ(clicks, (std::vector<std::string>{"E2", "R0", "R1"}));
    EXPECT_FALSE(group[0]->Checked());
    EXPECT_TRUE(group[1]->Checked());
    EXPECT_FALSE(group[2]->Checked());
    EXPECT_TRUE(elsewhere[2]->Checked()) << "a radio button under another parent is not a sibling";

    // The user's click on another button of the group moves the check.
    clicks.clear();
    group[2]->Click();
    EXPECT_EQ(clicks, (std::vector<std::string>{"R2"}));
    EXPECT_FALSE(group[1]->Checked());
    EXPECT_TRUE(group[2]->Checked());
}

TEST(UserActions, ComboBoxSelectionSetsIndexAndTextThenFiresOnClickThenOnChange) {
    Form form(nullptr);
    auto* combo = OnForm<ComboBox>(form);
    combo->SetItems({"Black", "Navy", "Teal"});
    std::vector<std::string> log;
    combo->OnClick = [&](Component*) { log.push_back("OnClick " + std::to_string(combo->ItemIndex()) + " " + combo->Text()); };
    combo->OnChange = [&](Component*) { log.push_back("OnChange " + std::to_string(combo->ItemIndex()) + " " + combo->Text()); };

    combo->UserSelect(1);
    EXPECT_EQ(log, (std::vector<std::string>{"OnClick 1 Navy", "OnChange 1 Navy"}));

    log.clear();
    combo->UserSelect(7);  // no such item: nothing happens
    combo->UserSelect(-1);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(combo->ItemIndex(), 1);

    // Typing a text that is one of the items selects it; any other text leaves no item selected.
    combo->UserSetText("Teal");
    combo->UserSetText("Tea");
    EXPECT_EQ(log, (std::vector<std::string>{"OnChange 2 Teal", "OnChange -1 Tea"}));
}

TEST(UserActions, PickingATabAsksOnChangingFirstWhichMayRefuse) {
    Form form(nullptr);
    auto* pages = OnForm<PageControl>(form);
    auto* first = form.Make<TabSheet>();
    auto* second = form.Make<TabSheet>();
    first->SetParent(pages);
    second->SetParent(pages);
    pages->SetActivePage(first);
    std::vector<std::string> log;
    bool allow = false;
    pages->OnChanging = [&](Component*, bool& allowChange) {
        log.push_back(std::string("OnChanging ") + (pages->ActivePage() == first ? "first" : "second"));
        allowChange = allow;
    };
    pages->OnChange = [&](Component*) { log.push_back("OnChange"); };

    pages->UserSelectPage(second);  // refused: the first page stays
    EXPECT_EQ(pages->ActivePage(), first);
    allow = true;
    pages->UserSelectPage(second);
    EXPECT_EQ(pages->ActivePage(), second);
    pages->UserSelectPage(second);  // the page shown already: nothing is asked
    EXPECT_EQ(log, (std::vector<std::string>{"OnChanging first", "OnChanging first", "OnChange"}));
}

TEST(UserActions, TypingIntoALimitedEditKeepsWholeUtf8CharactersWithinMaxLengthBytes) {
    const std::string e = "\xC3\xA9";               // é, 2 bytes
    const std::string sun = "\xE6\x97\xA5";         // 日, 3 bytes
    const std::string smile = "\xF0\x9F\x98\x80";   // 😀, 4 bytes
    struct Case {
        int maxLength;
        std::string typed, kept;
    };
    const std::vector<Case> cases = {
        {0, "no limit at all", "no limit at all"},
        {4, "abcdef", "abcd"},
        {4, "abcd", "abcd"},
        {2, "h" + e + "llo", "h"},
        {3, "h" + e + "llo", "h" + e},
        {5, sun + sun, sun},
        {6, sun + sun, sun + sun},
        {3, smile + "x", ""},
        {4, smile + "x", smile},
        {1, e, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("max " + std::to_string(c.maxLength) + " typed " + c.typed);
        Form form(nullptr);
        auto* edit = OnForm<Edit>(form);
        edit->SetText("before");
        edit->SetMaxLength(c.maxLength);
        int changes = 0;
        edit->OnChange = [&](Component*) { ++changes; };
        edit->UserSetText(c.typed);
        EXPECT_EQ(edit->Text(), c.kept);
        EXPECT_EQ(changes, 1);
        // Typing more of what the limit already cut away changes nothing.
        edit->UserSetText(c.typed + "zzzz");
        if (c.maxLength > 0) {
            EXPECT_EQ(edit->Text(), c.kept);
            EXPECT_EQ(changes, 1);
        }
    }
}

TEST(UserActions, ButtonClickSetsTheFormsModalResultBeforeItsOnClickRuns) {
    Form form(nullptr);
    auto* panel = OnForm<Panel>(form);
    auto* ok = form.Make<Button>();
    ok->SetParent(panel);  // the form at the top of the tree gets the result, not the direct parent
    ok->ModalResult = MrOk;
    auto* plain = OnForm<Button>(form);
    std::vector<int> seen;
    ok->OnClick = [&](Component*) { seen.push_back(form.ModalResult()); };
    plain->OnClick = [&](Component*) { seen.push_back(form.ModalResult()); };

    form.SetModalResult(MrNone);
    plain->Click();
    ok->Click();
    EXPECT_EQ(seen, (std::vector<int>{MrNone, MrOk}));
    EXPECT_EQ(form.ModalResult(), MrOk);

    // A button without a result leaves the form's result as it was.
    form.SetModalResult(MrAbort);
    plain->Click();
    EXPECT_EQ(form.ModalResult(), MrAbort);
}

TEST(UserActions, APickOfAPageCanBeRefusedAndNeverReachesASheetWithoutATab) {
    Form form(nullptr);
    auto* pages = OnForm<PageControl>(form);
    auto* first = pages->Make<TabSheet>();
    auto* second = pages->Make<TabSheet>();
    auto* hidden = pages->Make<TabSheet>();
    for (TabSheet* t : {first, second, hidden}) t->SetParent(pages);
    hidden->SetTabVisible(false);
    pages->SetActivePage(first);
    bool allow = true;
    std::vector<std::string> fired;
    pages->OnChanging = [&](Component*, bool& a) {
        fired.push_back("OnChanging");
        a = allow;
    };
    pages->OnChange = [&](Component*) { fired.push_back("OnChange"); };
    struct Case {
        TabSheet* picked;
        bool allow;
        TabSheet* shown;
        std::vector<std::string> fired;
    };
    const Case cases[] = {
        {second, false, first, {"OnChanging"}},              // refused: the page stays
        {second, true, second, {"OnChanging", "OnChange"}},
        {second, true, second, {}},                          // the page on show: nothing to change
        {hidden, true, second, {}},                          // no tab, no pick; not even a question
    };
    for (const Case& c : cases) {
        fired.clear();
        allow = c.allow;
        pages->UserSelectPage(c.picked);
        EXPECT_EQ(pages->ActivePage(), c.shown);
        EXPECT_EQ(fired, c.fired);
    }
    // From code a sheet without a tab may still be shown.
    pages->SetActivePage(hidden);
    EXPECT_EQ(pages->ActivePage(), hidden);
}

TEST(UserActions, AMultiSelectListKeepsTheSelectionUntilItsItemsChange) {
    Form form(nullptr);
    auto* list = OnForm<ListBox>(form);
    list->SetItems({"a", "b", "c", "d"});
    int clicks = 0;
    list->OnClick = [&](Component*) { ++clicks; };
    auto selected = [&] {
        std::string s;
        for (int i = 0; i < list->Count(); ++i)
            if (list->Selected(i)) s += list->Items()[std::size_t(i)];
        return s;
    };
    // A single-select list's selection is its current item.
    list->UserSelect(1);
    EXPECT_EQ(selected(), "b");
    list->MultiSelect = true;
    list->UserSelect(2);
    EXPECT_EQ(selected(), "c") << "a plain pick selects that item alone";
    list->UserSetSelection({0, 3, 9});
    EXPECT_EQ(selected(), "ad") << "an index past the items is dropped";
    EXPECT_EQ(list->SelCount(), 2);
    EXPECT_EQ(clicks, 3);
    list->SetSelected(1, true);
    list->SetSelected(0, false);
    EXPECT_EQ(selected(), "bd");
    EXPECT_EQ(clicks, 3) << "selecting from code fires nothing";
    list->DeleteItem(0);
    EXPECT_EQ(selected(), "");
}

TEST(UserActions, AFormThatPreviewsKeysSeesThemBeforeItsControlsAndMayKeepThem) {
    Form form(nullptr);
    auto* edit = OnForm<Edit>(form);
    std::vector<std::string> seen;
    form.OnKeyDown = [&](Component*, int& key, unsigned) {
        seen.push_back("form " + std::to_string(key));
        if (key == KeyReturn) key = KeyNone;
    };
    edit->OnKeyDown = [&](Component*, int& key, unsigned) { seen.push_back("edit " + std::to_string(key)); };
    struct Case {
        bool preview;
        int key;
        std::vector<std::string> seen;
    };
    const Case cases[] = {
        {false, KeyReturn, {"edit 13"}},
        {true, KeyLeft, {"form 37", "edit 37"}},
        {true, KeyReturn, {"form 13"}},  // the form kept it
    };
    for (const Case& c : cases) {
        seen.clear();
        form.KeyPreview = c.preview;
        int key = c.key;
        edit->KeyDown(key, 0);
        EXPECT_EQ(seen, c.seen) << c.preview << " " << c.key;
    }
}

}  // namespace
}  // namespace fv
