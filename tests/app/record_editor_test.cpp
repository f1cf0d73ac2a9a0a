// The record editor driven as a user drives it: add, save, cancel, delete, navigate, fast scroll, sort,
// search and categories. Each checks the table, the flags, the caption, the messages and the bytes of the
// republish-flag file.
#include <gtest/gtest.h>

#include <functional>

#include "app/category_form.h"
#include "app/folivex_form.h"
#include "app/progress_forms.h"
#include "app/search_form.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

class RecordEditorTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        loop.AdvanceBy(5000);  // past the splash and the first load
        // The categories of the database these tests work on.
        Main().Category->SetItems({"Executive", "4x4", "Sport", "Family", "Bargain Basement"});
        Messages().ClearLog();
    }

    TFolivexForm& Main() { return *program->FolivexForm; }

    // Puts records into the table as a load would, and shows record 1.
    void Load(const std::vector<std::pair<std::string, std::string>>& categoryAndField1) {
        program->RecordCount = int(categoryAndField1.size());
        for (std::size_t i = 0; i < categoryAndField1.size(); ++i) {
            DatabaseRecord r;
            r.Category = categoryAndField1[i].first;
            r.Field[0] = categoryAndField1[i].second;
            program->RecordTable[i] = r;
        }
        program->CurrentRecord = 1;
        if (program->RecordCount > 0) Main().CopyRecordToScreen(nullptr, 0);
        Messages().ClearLog();
    }

    std::string RepublishFile() { return ReadWholeFile(dir.File("folivex.rep")).value_or("<missing>"); }
    std::string Flags() {
        std::string out;
        for (int i = 0; i < program->RecordCount; ++i) out += char('0' + program->RecordTable[std::size_t(i)].NeedsPublishing);
        return out;
    }
    std::vector<std::string> Field1s() {
        std::vector<std::string> out;
        for (int i = 0; i < program->RecordCount; ++i) out.push_back(program->RecordTable[std::size_t(i)].Field[0]);
        return out;
    }
    std::string Caption() { return Main().DBGroup->Caption(); }
    void ClearFlags() {
        for (auto& r : program->RecordTable) r.NeedsPublishing = 0;
    }
};

TEST_F(RecordEditorTest, AddTypeAndSaveAFirstRecord) {
    TFolivexForm& m = Main();
    m.AddButton->Click();
    EXPECT_EQ(Caption(), "Record (1) of (1)");
    EXPECT_EQ(program->Inserting, 1);
    EXPECT_FALSE(m.AddButton->Enabled());
    EXPECT_TRUE(m.SaveButton->Enabled());
    EXPECT_TRUE(m.DBEdit[0]->Focused());

    m.Category->UserSelect(1);  // "4x4"
    m.DBEdit[0]->UserSetText("Defender\t110");
    m.DBEdit[1]->UserSetText("say \"hi\"");
    m.ScrollBox->UserSetText("line one\r\nline two");
    m.SaveButton->Click();

    const DatabaseRecord& r = program->RecordTable[0];
    EXPECT_EQ(r.Category, "4x4");
    EXPECT_EQ(r.Field[0], "Defender 110");  // a TAB would break the line of the database file
    EXPECT_EQ(r.Field[1], "say ''hi''");
    EXPECT_EQ(r.Memo, "line one\r\nline two");
    EXPECT_EQ(program->Inserting, 0);
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_TRUE(m.AddButton->Enabled());
    EXPECT_FALSE(m.SaveButton->Enabled());
    EXPECT_EQ(RepublishFile(), std::string("\x01", 1));
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Default});  // only the add's beep
}

TEST_F(RecordEditorTest, CancellingTheInsertOfTheFirstRecordLeavesNone) {
    Main().AddButton->Click();
    Main().DBEdit[0]->UserSetText("typed");
    Main().CancelButton->Click();
    EXPECT_EQ(program->RecordCount, 0);
    EXPECT_EQ(program->Inserting, 0);
    EXPECT_EQ(Caption(), "Record (1) of (0)");
    EXPECT_TRUE(Main().AddButton->Enabled());
    EXPECT_EQ(RepublishFile(), "<missing>");  // nothing committed, nothing written
}

TEST_F(RecordEditorTest, SavingWithoutACategoryWarnsAndSaves) {
    Load({{"Sport", "a"}});
    Main().DBEdit[0]->UserSetText("b");  // a change starts the edit
    EXPECT_EQ(program->RecordModified, 1);
    Main().Category->SetText(" ");
    Main().SaveButton->Click();
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{
                  "You must specify a category. If there are none, Double Click the category box to add one."});
    EXPECT_EQ(program->RecordTable[0].Category, " ");
}

TEST_F(RecordEditorTest, AppendingMarksTheNewRecordAndTheLastEarlierOneOfItsCategory) {
    Load({{"Sport", "a"}, {"Family", "b"}, {"Sport", "c"}, {"Family", "d"}});
    ClearFlags();
    Main().AddButton->Click();
    Main().Category->UserSelect(2);  // "Sport"
    Main().SaveButton->Click();
    EXPECT_EQ(Flags(), "00101");
    EXPECT_EQ(RepublishFile(), std::string("\0\0\1\0\1", 5));
}

TEST_F(RecordEditorTest, EditingAnEmptyDatabaseIsRefused) {
    Main().DBEdit[3]->UserSetText("x");
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{
                  "You must have at least 1 Record to use this option. Click on '+' to add a new record."});
    EXPECT_EQ(program->RecordModified, 0);
}

TEST_F(RecordEditorTest, TheFiveThousandAndFirstRecordIsRefused) {
    program->RecordCount = MaxRecords;
    program->CurrentRecord = 1;
    Main().AddButton->Click();
    EXPECT_EQ(program->RecordCount, MaxRecords);
    EXPECT_EQ(program->Inserting, 0);
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Maximum Number of Records (5000) reached."});
}

TEST_F(RecordEditorTest, DeletingInTheMiddleOfACategoryMarksItsLaterRecords) {
    Load({{"Car", "1"}, {"Car", "2"}, {"Car", "3"}, {"Car", "4"}, {"Van", "5"}});
    ClearFlags();
    Main().ForwardButton->Click();
    Main().ForwardButton->Click();
    Messages().Answer(IdYes);
    Main().DeleteButton->Click();
    EXPECT_EQ(Field1s(), (std::vector<std::string>{"1", "2", "4", "5"}));
    EXPECT_EQ(Caption(), "Record (3) of (4)");
    EXPECT_EQ(Main().DBEdit[0]->Text(), "4");
    EXPECT_EQ(Flags(), "0010");
    EXPECT_EQ(RepublishFile(), std::string("\0\0\1\0", 4));
    EXPECT_EQ(program->DatabaseModified, 1);
    ASSERT_EQ(Messages().Log().size(), 2u);
    EXPECT_EQ(Messages().Log()[1].Text, "DELETE this record ?");
    EXPECT_EQ(Messages().Log()[1].Caption, "Delete");
}

TEST_F(RecordEditorTest, DeletingTheOnlyRecordLeavesAnEmptyDatabase) {
    Load({{"Car", "only"}});
    Messages().Answer(IdYes);
    Main().DeleteButton->Click();
    EXPECT_EQ(program->RecordCount, 0);
    EXPECT_EQ(Caption(), "Record (0) of (0)");
    EXPECT_EQ(Main().DBEdit[0]->Text(), "");
    EXPECT_EQ(RepublishFile(), "");
}

TEST_F(RecordEditorTest, DeleteIsRefusedDuringAnEditAndKeptOnNo) {
    Load({{"Car", "1"}, {"Car", "2"}});
    Main().DBEdit[0]->UserSetText("3");
    Main().DeleteButton->Click();
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"Complete or Cancel this record Modification before Sorting."});
    Main().CancelButton->Click();
    Messages().Answer(IdNo);
    Main().DeleteButton->Click();
    EXPECT_EQ(program->RecordCount, 2);
}

TEST_F(RecordEditorTest, NavigationStopsAtBothEndsWithoutAMessage) {
    Load({{"A", "1"}, {"A", "2"}, {"A", "3"}});
    Main().BackButton->Click();
    EXPECT_EQ(program->CurrentRecord, 1);
    Main().FastForwardButton->Click();
    EXPECT_EQ(Caption(), "Record (3) of (3)");
    Main().ForwardButton->Click();
    EXPECT_EQ(program->CurrentRecord, 3);
    Main().RewindButton->Click();
    EXPECT_EQ(Main().DBEdit[0]->Text(), "1");
    EXPECT_TRUE(Messages().Log().empty());
}

TEST_F(RecordEditorTest, FastScroll) {
    std::vector<std::pair<std::string, std::string>> many;
    for (int i = 1; i <= 40; ++i) many.push_back({"A", std::to_string(i)});
    struct Case {
        const char* what;
        int holdMs;       // time between press and release
        int expected;     // record shown after the release's click
    };
    const Case cases[] = {
        {"short press: the click only", 50, 2},
        {"released between the first and second tick: one record", 200, 2},
        {"held past the second tick: one step, then the click", 310, 3},
        // 150 ms ticks: steps on ticks 2..8 (7 steps, the 8th tick switches to 1 ms), then one per ms.
        {"held long: fast from the eighth tick", 1200 + 10, 1 + 7 + 10 + 1},
    };
    for (const Case& c : cases) {
        Load(many);
        TFolivexForm& m = Main();
        m.ForwardButton->MouseDown(MouseButton::Left, 0, 5, 5);
        loop.AdvanceBy(c.holdMs);
        m.ForwardButton->MouseUp(MouseButton::Left, 0, 5, 5);
        m.ForwardButton->Click();
        loop.AdvanceBy(500);  // the next tick stops the timer
        EXPECT_EQ(program->CurrentRecord, c.expected) << c.what;
        EXPECT_FALSE(m.MouseyTimer->Enabled()) << c.what;
        EXPECT_EQ(m.MouseyTimer->Interval(), 150) << c.what;
    }
}

TEST_F(RecordEditorTest, HoldingForwardOnTheLastRecordKeepsTheTimerUntilRelease) {
    Load({{"A", "1"}, {"A", "2"}});
    Main().FastForwardButton->Click();
    Main().ForwardButton->MouseDown(MouseButton::Left, 0, 1, 1);
    loop.AdvanceBy(2000);
    EXPECT_TRUE(Main().MouseyTimer->Enabled());
    EXPECT_EQ(program->CurrentRecord, 2);
    Main().ForwardButton->MouseUp(MouseButton::Left, 0, 1, 1);
    loop.AdvanceBy(200);
    EXPECT_FALSE(Main().MouseyTimer->Enabled());
}

TEST_F(RecordEditorTest, SortByNumbersInsideTextAndMarkTheMovedRecords) {
    Load({{"Car", "Item 10"}, {"Car", "Item 9"}, {"Bus", "Item 1"}});
    ClearFlags();
    Main().Order[0]->SetText("1");
    Main().SortButtonClick(nullptr);
    EXPECT_EQ(Field1s(), (std::vector<std::string>{"Item 1", "Item 9", "Item 10"}));
    EXPECT_EQ(Flags(), "101");  // "Item 9" kept its place
    EXPECT_EQ(RepublishFile(), std::string("\1\0\1", 3));
    EXPECT_EQ(Caption(), "Record (1) of (3)");
    EXPECT_EQ(program->SortKey1, 0);
    EXPECT_EQ(program->SortKey2, -1);
    EXPECT_FALSE(program->SortForm->Visible());
    EXPECT_EQ(program->SortForm->SortGroup->Caption(), "Sorting Records...");
    EXPECT_EQ(program->DatabaseModified, 1);

    // Sorted already: nothing moves, nothing is marked.
    ClearFlags();
    program->DatabaseModified = 0;
    Main().SortButtonClick(nullptr);
    EXPECT_EQ(Flags(), "000");
    EXPECT_EQ(program->DatabaseModified, 0);
}

TEST_F(RecordEditorTest, ABadSortOrderIsRefusedWithAMessageAndNothingMoves) {
    Load({{"Car", "b"}, {"Car", "a"}});
    Main().Order[3]->SetText("x");  // typing reports it at once
    Main().SortButtonClick(nullptr);  // and the sort refuses it again
    EXPECT_EQ(Messages().Messages(), (std::vector<std::string>{"The Sort order can be 1,2 or 3 only.",
                                                               "The Sort order can be 1,2 or 3 only."}));
    EXPECT_EQ(Field1s(), (std::vector<std::string>{"b", "a"}));
    EXPECT_EQ(Main().Order[3]->Text(), "x");  // the box keeps what was typed
}

TEST_F(RecordEditorTest, SearchFindsAPartialCaseSensitiveMatchInTheFollowingRecords) {
    Load({{"A", "Ford Escort"}, {"A", "Vauxhall"}, {"A", "ford ka"}, {"A", "Ford Focus"}, {"A", "Mini"}});
    struct Case {
        const char* text;
        int from;
        int expectedRecord;
        bool notFound;
    };
    const Case cases[] = {
        {"Ford", 1, 4, false},     // not the record on screen, and "ford" is not "Ford"
        {"Escort", 1, 5, true},    // only the record on screen holds it
        {"", 2, 3, false},         // an empty text takes the next record
        {"Mini", 5, 5, true},      // from the last record: not found at once
    };
    for (const Case& c : cases) {
        program->CurrentRecord = c.from;
        Main().CopyRecordToScreen(nullptr, c.from - 1);
        Messages().ClearLog();
        app->OnModal = [&](Form& f) {
            ASSERT_EQ(&f, program->SearchForm);
            program->SearchForm->SearchEdit->UserSetText(c.text);
            program->SearchForm->SearchButton->Click();
        };
        Main().DBEdit[0]->DblClick();
        // The double click also focused nothing here: the field clicked is the one searched.
        EXPECT_EQ(program->CurrentRecord, c.expectedRecord) << c.text;
        EXPECT_EQ(Caption(), "Record (" + std::to_string(c.expectedRecord) + ") of (5)") << c.text;
        bool reported = !Messages().Messages().empty() && Messages().Messages().back() == "Not Found.";
        EXPECT_EQ(reported, c.notFound) << c.text;
    }
}

TEST_F(RecordEditorTest, SearchWithNoRecordsIsRefused) {
    app->OnModal = [](Form&) { FAIL() << "no dialog expected"; };
    Main().DBSearch(Main().DBEdit[0]);
    EXPECT_EQ(program->CurrentRecord, 0);
    EXPECT_EQ(Messages().Messages().size(), 1u);
}

// Typing in the category box works as in a drop-down list: no message at the first letter, every letter
// that a category continues is kept, one that none continues is not taken (a beep), and saving picks the
// category the text begins.
TEST_F(RecordEditorTest, TypingInTheCategoryBoxPicksTheMatchingCategory) {
    const struct {
        const char* reason;
        std::vector<std::string> typed;  // the box's text after each keystroke
        const char* shown;               // the box's text after the last one
        const char* saved;               // the record's category after Save
        int beeps;
    } cases[] = {
        {"the first letter of a category", {"F"}, "F", "Family", 0},
        {"letters in another case", {"b", "ba", "bar"}, "bar", "Bargain Basement", 0},
        {"a whole category", {"S", "Sp", "Spo", "Spor", "Sport"}, "Sport", "Sport", 0},
        {"a letter no category continues is not taken", {"E", "Ex", "Exz"}, "Ex", "Executive", 1},
        {"digits", {"4", "4x"}, "4x", "4x4", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        Load({{"Sport", "a"}});
        Messages().ClearLog();
        for (const std::string& t : c.typed) Main().Category->UserSetText(t);
        EXPECT_EQ(Main().Category->Text(), c.shown);
        EXPECT_TRUE(Messages().Messages().empty());
        EXPECT_EQ(int(Messages().Beeps().size()), c.beeps);
        EXPECT_EQ(program->RecordModified, 1);
        Main().SaveButton->Click();
        EXPECT_EQ(program->RecordTable[0].Category, c.saved);
        EXPECT_EQ(Main().Category->Text(), c.saved);
    }
    // Leaving the box picks the category too.
    Load({{"Sport", "a"}});
    Main().Category->SetFocus();
    Main().Category->UserSetText("fa");
    Main().DBEdit[0]->SetFocus();
    EXPECT_EQ(Main().Category->Text(), "Family");
    Main().Category->UserSelect(2);
    EXPECT_TRUE(Messages().Messages().empty());
}

TEST_F(RecordEditorTest, RemovingCategoriesInUseIsRefusedAtMostFourMessagesAShowing) {
    std::vector<std::pair<std::string, std::string>> records;
    for (int i = 0; i < 6; ++i) records.push_back({"Sport", std::to_string(i)});
    records.push_back({"", "no category"});
    Load(records);
    TCategoryForm& form = *program->CategoryForm;
    int showings = 0;
    app->OnModal = [&](Form&) {
        ++showings;
        if (showings == 1) {
            EXPECT_EQ(form.CatList->Lines(),
                      (std::vector<std::string>{"Executive", "4x4", "Sport", "Family", "Bargain Basement"}));
            form.CatList->UserSetText("Executive\r\n4x4\r\nFamily\r\n");  // Sport removed
            form.BitBtn2->Click();
        } else {
            // Shown again with the old list.
            EXPECT_EQ(form.CatList->Lines().size(), 5u);
            form.CatList->UserSetText("Executive\r\nSport\r\nVans\r\n");
            form.BitBtn2->Click();
        }
    };
    Main().CategoryDblClick(nullptr);
    EXPECT_EQ(showings, 2);
    std::vector<std::string> expected;
    for (int i = 1; i <= 4; ++i) expected.push_back("Record " + std::to_string(i) + " is in Category 'Sport' - Cannot remove.");
    EXPECT_EQ(Messages().Messages(), expected);
    EXPECT_EQ(Main().Category->Items(), (std::vector<std::string>{"Executive", "Sport", "Vans"}));
}

TEST_F(RecordEditorTest, RenamingACategoryRenamesItsRecordsAndMarksThem) {
    Load({{"Sport", "a"}, {"Family", "b"}, {"Sport", "c"}});
    ClearFlags();
    TCategoryForm& form = *program->CategoryForm;
    app->OnModal = [&](Form&) {
        std::string text = form.CatList->Text();
        form.CatList->SetSelection(int(text.find("Sport")), 5);
        form.NewName->UserSetText("Racing");
        Messages().Answer(IdYes);
        form.Button1->Click();
    };
    Main().CategoryDblClick(nullptr);
    EXPECT_EQ(program->RecordTable[0].Category, "Racing");
    EXPECT_EQ(program->RecordTable[1].Category, "Family");
    EXPECT_EQ(program->RecordTable[2].Category, "Racing");
    EXPECT_EQ(Flags(), "101");
    EXPECT_EQ(RepublishFile(), std::string("\1\0\1", 3));
    EXPECT_EQ(Main().Category->Items()[2], "Racing");
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_EQ(Messages().Messages().back(), "Category Renamed and records updated.");
    EXPECT_FALSE(form.Visible());
}

// The record on screen that was in the renamed category shows the new name at once, and a save of an edit
// that was under way keeps the new name instead of writing the old one back.
TEST_F(RecordEditorTest, AfterARenameTheCategoryBoxShowsTheNewNameAndASaveKeepsIt) {
    const struct {
        const char* reason;
        int shown;          // record on screen (1-based)
        bool editing;       // an edit of it is under way
        const char* box;    // the box's text after the rename
    } cases[] = {
        {"browsing a renamed record", 1, false, "Racing"},
        {"editing a renamed record", 3, true, "Racing"},
        {"a record of another category keeps its own", 2, true, "Family"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        Main().Category->SetItems({"Executive", "4x4", "Sport", "Family", "Bargain Basement"});
        Load({{"Sport", "a"}, {"Family", "b"}, {"Sport", "c"}});
        program->CurrentRecord = c.shown;
        Main().CopyRecordToScreen(nullptr, c.shown - 1);
        if (c.editing) Main().DBRecordChange(nullptr);
        TCategoryForm& form = *program->CategoryForm;
        app->OnModal = [&](Form&) {
            std::string text = form.CatList->Text();
            form.CatList->SetSelection(int(text.find("Sport")), 5);
            form.NewName->UserSetText("Racing");
            Messages().Answer(IdYes);
            form.Button1->Click();
        };
        Main().CategoryDblClick(nullptr);
        EXPECT_EQ(Main().Category->Text(), c.box);
        if (c.editing) Main().SaveButtonClick(nullptr);
        EXPECT_EQ(program->RecordTable[std::size_t(c.shown - 1)].Category, c.box);
        EXPECT_EQ(program->RecordTable[0].Category, "Racing");
        EXPECT_EQ(program->RecordTable[2].Category, "Racing");
        EXPECT_EQ(Messages().Messages().back(), "Category Renamed and records updated.");
    }
}

// The sort shows its progress window and hides it again: the main window is the active window afterwards,
// with the control that had the focus, so the keyboard goes on where it was (Ctrl+R and the menu alike).
TEST_F(RecordEditorTest, AfterResortTheMainWindowIsActiveWithItsFocusWhereItWas) {
    Load({{"Sport", "b"}, {"Family", "a"}});
    Main().Show();
    Main().Order[0]->SetFocus();
    ASSERT_EQ(app->ActiveForm(), &Main());
    for (auto sort : {&TFolivexForm::SortButtonClick, &TFolivexForm::ReSort1Click}) {
        // Saved just before (Ctrl+S, Ctrl+R): the save's window is still up for its second.
        ASSERT_TRUE(Main().SaveDatabase());
        ASSERT_TRUE(program->SaveForm->Visible());
        Main().Show();
        (Main().*sort)(nullptr);
        EXPECT_FALSE(program->SortForm->Visible());
        EXPECT_EQ(app->ActiveForm(), &Main());
        EXPECT_EQ(Main().ActiveControl(), Main().Order[0]);
        EXPECT_EQ(program->RecordModified, 0);  // coming back starts no edit
    }
}

// An edit starts when something changes: entering or clicking a field, the memo or the category box
// leaves Save and Cancel off and the navigation on; typing or picking starts the edit.
TEST_F(RecordEditorTest, AnEditStartsWhenSomethingChangesNotWhenAFieldIsEntered) {
    const struct {
        const char* reason;
        std::function<void(TFolivexForm&)> act;
        bool edits;
    } cases[] = {
        {"tabbing into a field", [](TFolivexForm& m) { m.DBEdit[2]->SetFocus(); }, false},
        {"clicking a field", [](TFolivexForm& m) { m.DBEdit[0]->Click(); }, false},
        {"entering the memo", [](TFolivexForm& m) { m.ScrollBox->SetFocus(); }, false},
        {"moving to the next record", [](TFolivexForm& m) { m.ForwardButton->Click(); }, false},
        {"typing into a field", [](TFolivexForm& m) { m.DBEdit[0]->UserSetText("ab"); }, true},
        {"typing into the memo", [](TFolivexForm& m) { m.ScrollBox->UserSetText("more"); }, true},
        {"picking a category", [](TFolivexForm& m) { m.Category->UserSelect(3); }, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.reason);
        Load({{"Sport", "a"}, {"Family", "b"}});
        Main().CancelButton->SetEnabled(false);
        program->DatabaseModified = 0;
        c.act(Main());
        EXPECT_EQ(program->RecordModified, c.edits ? 1 : 0);
        EXPECT_EQ(Main().SaveButton->Enabled(), c.edits);
        EXPECT_EQ(Main().CancelButton->Enabled(), c.edits);
        EXPECT_EQ(Main().ForwardButton->Enabled(), !c.edits);
        EXPECT_EQ(program->DatabaseModified, c.edits ? 1 : 0);
        if (c.edits) Main().CancelButton->Click();
    }
}

// A new record has no pictures: the picture buttons of the record shown before it go; a cancelled insert
// shows that record again with its buttons.
TEST_F(RecordEditorTest, ANewRecordAfterOneWithTwoPicturesShowsNoPictureButtons) {
    ASSERT_TRUE(WriteWholeFile(dir.File("front.jpg"), "picture"));
    ASSERT_TRUE(WriteWholeFile(dir.File("back.jpg"), "picture"));
    Load({{"Sport", "a"}});
    program->RecordTable[0].Image[0] = dir.File("front.jpg");
    program->RecordTable[0].Image[1] = dir.File("back.jpg");
    Main().CopyRecordToScreen(nullptr, 0);
    RadioButton* buttons[] = {Main().RadioButton1, Main().RadioButton2, Main().RadioButton3, Main().RadioButton4};
    ASSERT_TRUE(buttons[0]->Visible() && buttons[1]->Visible());

    Main().AddButtonClick(nullptr);
    for (RadioButton* b : buttons) EXPECT_FALSE(b->Visible()) << b->Name();
    EXPECT_FALSE(Main().TheImage->Visible());
    Main().CancelButtonClick(nullptr);
    EXPECT_TRUE(buttons[0]->Visible());
    EXPECT_TRUE(buttons[1]->Visible());
    EXPECT_FALSE(buttons[2]->Visible());
}

TEST_F(RecordEditorTest, RenamingWithoutASelectionOrANewNameExplainsHow) {
    TCategoryForm& form = *program->CategoryForm;
    form.CatList->SetText("Sport\r\n");
    form.Button1->Click();
    form.CatList->SetSelection(0, 5);
    form.Button1->Click();
    ASSERT_EQ(Messages().Messages().size(), 2u);
    EXPECT_EQ(Messages().Messages()[0].rfind("No Selected Category. To Modify a Category", 0), 0u);
    EXPECT_EQ(Messages().Messages()[1].rfind("No NewName. To Modify a Category", 0), 0u);
}

TEST_F(RecordEditorTest, ARecordsImagesShowOneAtATime) {
    ASSERT_TRUE(WriteWholeFile(dir.File("car.jpg"), "picture"));
    Load({{"A", "1"}});
    program->RecordTable[0].Image[1] = dir.File("car.jpg");
    program->RecordTable[0].Image[2] = dir.File("gone.jpg");
    app->ScriptedImageLoader().loaded.clear();
    Main().CopyRecordToScreen(nullptr, 0);
    EXPECT_FALSE(Main().RadioButton1->Visible());
    EXPECT_TRUE(Main().RadioButton2->Visible());
    EXPECT_TRUE(Main().RadioButton3->Visible());
    EXPECT_FALSE(Main().TheImage->Visible());  // image 1 is empty
    Main().RadioButton2->Click();
    EXPECT_TRUE(Main().TheImage->Visible());
    EXPECT_NE(Main().TheImage->Picture(), nullptr);
    EXPECT_EQ(app->ScriptedImageLoader().loaded, std::vector<std::string>{dir.File("car.jpg")});
    Main().RadioButton3->Click();
    EXPECT_FALSE(Main().TheImage->Visible());
    EXPECT_TRUE(Main().RadioButton3->Checked());
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"The File [" + dir.File("gone.jpg") + "] has not been located."});
}

TEST_F(RecordEditorTest, TheEndOfTheProgramWritesTheRepublishFlags) {
    Load({{"A", "1"}, {"A", "2"}});
    program->RecordTable[1].NeedsPublishing = 1;
    program->FolivexForm->Close();
    EXPECT_EQ(RepublishFile(), std::string("\0\1", 2));
}

}  // namespace
}  // namespace fv::testing
