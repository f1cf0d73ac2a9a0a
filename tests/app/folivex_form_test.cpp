// The main window as built: every control of the record editor with its kind, texts and limits, the
// browse state of the buttons, the menu with its shortcuts and handlers, and a tidy layout.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include "app/folivex_form.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/memo.h"
#include "platform/ui/radio_button.h"
#include "support/layout_check.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

class FolivexFormTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    Control* Find(const std::string& name) { return Main().Find<Control>(name); }
    template <class T> T* FindAs(const std::string& name) { return Main().Find<T>(name); }
    MenuItem* Item(const std::string& name) { return Main().Find<MenuItem>(name); }
};

const std::string FieldHint = "Enter record details here, or Double Click to Search this field";
const std::string OrderHint = "Enter 1,2 or 3 against the 3 columns you wish to Order the Database by.";
const std::string ColourHint = "Double Click to select the Font Settings for Web Publication";

TEST_F(FolivexFormTest, EachOfTheTwentyFieldRowsHasItsFiveControls) {
    for (int n = 1; n <= TFolivexForm::FieldCount; ++n) {
        const std::string num = std::to_string(n);
        SCOPED_TRACE("field " + num);

        auto* order = FindAs<Edit>("Order" + num);
        ASSERT_NE(order, nullptr);
        EXPECT_STREQ(order->Kind(), "Edit");
        EXPECT_EQ(order->MaxLength(), 2);
        EXPECT_EQ(order->Hint(), OrderHint);
        EXPECT_EQ(order->Text(), "");
        EXPECT_EQ(order, Main().Order[n - 1]);

        auto* label = FindAs<Edit>("DBLabel" + num);
        ASSERT_NE(label, nullptr);
        EXPECT_STREQ(label->Kind(), "Edit");
        EXPECT_EQ(label->GetBorderStyle(), BorderStyle::None);
        EXPECT_EQ(label->MaxLength(), 25);
        EXPECT_TRUE(label->TabStop());  // the keyboard reaches the labels too
        EXPECT_EQ(label->Text(), n <= 6 ? "Label " + num : "....");
        EXPECT_EQ(label, Main().DBLabel[n - 1]);

        auto* field = FindAs<Edit>("DBEdit" + num);
        ASSERT_NE(field, nullptr);
        EXPECT_STREQ(field->Kind(), "Edit");
        EXPECT_EQ(field->Hint(), FieldHint);
        // Until a database is loaded the values are held to the form's own limit, below the 300 of a record.
        EXPECT_GT(field->MaxLength(), 0);
        EXPECT_LT(field->MaxLength(), 300);
        EXPECT_EQ(field->MaxLength(), Main().DBEdit[0]->MaxLength());
        EXPECT_TRUE(field->TabStop());
        EXPECT_EQ(field, Main().DBEdit[n - 1]);

        auto* colour = FindAs<Edit>("Colour" + num);
        ASSERT_NE(colour, nullptr);
        EXPECT_STREQ(colour->Kind(), "Edit");
        EXPECT_TRUE(colour->ReadOnly());
        EXPECT_EQ(colour->Hint(), ColourHint);
        EXPECT_EQ(colour, Main().Colour[n - 1]);

        auto* search = FindAs<CheckBox>("Search" + num);
        ASSERT_NE(search, nullptr);
        EXPECT_STREQ(search->Kind(), "CheckBox");
        EXPECT_TRUE(search->Checked());
        EXPECT_EQ(search, Main().Search[n - 1]);

        // The five controls of a row stand side by side, left to right, on one line.
        EXPECT_LT(order->Left() + order->Width(), label->Left());
        EXPECT_LT(label->Left() + label->Width(), field->Left());
        EXPECT_LT(field->Left() + field->Width(), colour->Left());
        EXPECT_LT(colour->Left() + colour->Width(), search->Left());
        EXPECT_EQ(order->Top(), field->Top());
        EXPECT_EQ(colour->Top(), field->Top());
        EXPECT_GE(label->Top(), field->Top());
        EXPECT_LE(label->Top() + label->Height(), field->Top() + field->Height());
        if (n > 1) {
            EXPECT_GT(field->Top(), Main().DBEdit[n - 2]->Top());
        }
    }
    EXPECT_EQ(Find("DBEdit21"), nullptr);
    EXPECT_EQ(Find("Order0"), nullptr);
}

TEST_F(FolivexFormTest, NamedControlsHaveTheirKindsTextsAndHints) {
    struct Case {
        std::string name, kind, text, hint;  // an empty text is not checked: the caption is ours to choose
    };
    const std::vector<Case> cases = {
        {"DBGroup", "GroupBox", "Record (0) of (?)", ""},
        {"Category", "ComboBox", "Category", "Select the Category for each Record (Double Click to Edit them)"},
        {"ScrollBox", "Memo", "", "Add additional text about each record in here."},
        {"TheImage", "Image", "", "Double Click the Image for a full View"},
        {"ImagePanel", "Panel", "", "Add Images to each record"},
        {"RadioButton1", "RadioButton", "", "View Image 1"},
        {"RadioButton2", "RadioButton", "", "View Image 2"},
        {"RadioButton3", "RadioButton", "", "View Image 3"},
        {"RadioButton4", "RadioButton", "", "View Image 4"},
        {"Image1Button", "BitBtn", "", ""},
        {"Image2Button", "BitBtn", "", ""},
        {"Image3Button", "BitBtn", "", ""},
        {"Image4Button", "BitBtn", "", ""},
        {"ScaleButton", "Button", "Scale / Original Size",
         "Click here to display Images in original size or scaled to fit. Double Click the Image for a full view."},
        {"CurrentDatabase", "Edit", "", ""},
        {"LabelColour", "Edit", "", "Double Click to select the Label Colour for Web Publication"},
        {"ScrollColour", "Edit", "", "Double Click to select the Colour for Web Publication"},
        {"SaveButton", "Button", "", "Save changes to current record"},
        {"CancelButton", "Button", "", "Cancel Changes to current record"},
        {"AddButton", "Button", "", "Add a NEW record"},
        {"DeleteButton", "Button", "", "Delete the current record"},
        {"RewindButton", "Button", "", "Rewind to 1st record"},
        {"BackButton", "Button", "", "Move back 1 record (keep down for fast scroll)"},
        {"ForwardButton", "Button", "", "Move forward 1 record (keep down for fast scroll)"},
        {"FastForwardButton", "Button", "", "Fast Forward to last record"},
        {"OpenButton", "Button", "", "Click here to Open or Import a Database"},
        {"SaveIt", "Button", "", "Click here to Save the current database"},
        {"PublishItButton", "Button", "", "Click here to Publish the current database ready for Upload"},
        {"ViewItButton", "Button", "", "Click here to view your results"},
        {"UploadItButton", "Button", "", "Click here to Upload your Web pages to your site"},
        {"HelpButton", "Button", "", "Click here for a list of Help Topics"},
        {"RozizAButton", "Button", "Chart", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Control* control = Find(c.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(control->Name(), c.name);
        EXPECT_EQ(control->Kind(), c.kind);
        EXPECT_EQ(control->Hint(), c.hint);
        if (!c.text.empty()) {
            EXPECT_EQ(control->Text(), c.text);
        }
        // Buttons carry a caption even where the exact words are ours.
        if (c.kind == "Button" || c.kind == "BitBtn" || c.kind == "RadioButton") {
            EXPECT_FALSE(control->Text().empty());
        }
    }
}

TEST_F(FolivexFormTest, DesignValuesOfTheCategoryMemoPictureAndSwatches) {
    EXPECT_EQ(Main().Category->Items(),
              (std::vector<std::string>{"Executive", "4x4", "Sport", "Family", "Bargain Basement"}));
    EXPECT_EQ(Main().Category->Style, ComboBox::ComboStyle::DropDown);  // typing a category is allowed
    EXPECT_EQ(Main().Category->ItemIndex(), -1);

    EXPECT_EQ(Main().ScrollBox->MaxLength(), 4999);
    EXPECT_EQ(Main().ScrollBox->ScrollBars, ScrollStyle::Vertical);
    EXPECT_EQ(Main().ScrollBox->Text(), "");

    EXPECT_EQ(Main().TheImage->Width(), 140);
    EXPECT_EQ(Main().TheImage->Height(), 105);
    EXPECT_TRUE(Main().TheImage->Stretch());

    EXPECT_TRUE(Main().CurrentDatabase->ReadOnly());
    std::vector<Edit*> swatches(Main().Colour.begin(), Main().Colour.end());
    swatches.push_back(Main().LabelColour);
    swatches.push_back(Main().ScrollColour);
    for (Edit* s : swatches) {
        SCOPED_TRACE(s->Name());
        EXPECT_TRUE(s->ReadOnly());
        EXPECT_LE(s->Width(), 30);  // small
    }
    // The colours of a new database until one is loaded: yellow values, white labels, silver memo.
    EXPECT_EQ(Main().Colour[0]->GetColor(), ClYellow);
    EXPECT_EQ(Main().LabelColour->GetColor(), ClWhite);
    EXPECT_EQ(Main().ScrollColour->GetColor(), ClSilver);
}

TEST_F(FolivexFormTest, StartsInTheBrowseStateWithTheImageButtonsHidden) {
    for (Button* b : {Main().SaveButton, Main().CancelButton}) EXPECT_FALSE(b->Enabled()) << b->Name();
    for (Button* b : {Main().AddButton, Main().DeleteButton, Main().BackButton, Main().RewindButton,
                      Main().ForwardButton, Main().FastForwardButton})
        EXPECT_TRUE(b->Enabled()) << b->Name();
    for (RadioButton* r : {Main().RadioButton1, Main().RadioButton2, Main().RadioButton3, Main().RadioButton4})
        EXPECT_FALSE(r->Visible()) << r->Name();
    EXPECT_TRUE(Main().RadioButton1->Checked());
    EXPECT_FALSE(Main().RadioButton2->Checked());
    // The record buttons and the images sit in their own containers.
    for (Button* b : {Main().SaveButton, Main().AddButton, Main().RewindButton, Main().FastForwardButton})
        EXPECT_EQ(b->Parent(), Main().DBGroup) << b->Name();
    for (Control* c : std::initializer_list<Control*>{Main().TheImage, Main().RadioButton3, Main().Image3Button,
                                                      Main().ScaleButton})
        EXPECT_EQ(c->Parent(), Main().ImagePanel) << c->Name();
}

TEST_F(FolivexFormTest, TimersAsDesigned) {
    EXPECT_FALSE(Main().MouseyTimer->Enabled());
    EXPECT_EQ(Main().MouseyTimer->Interval(), 150);
    EXPECT_FALSE(Main().InitialLoadTimer->Enabled());
    EXPECT_EQ(Main().InitialLoadTimer->Interval(), 1000);
}

// The menu, top to bottom: item, the item it hangs under, caption, shortcut, whether it runs a handler, and
// whether its work is built (enabled) yet.
struct MenuRow {
    std::string name, parent, caption, shortCut;
    bool handler, enabled;
};
const std::vector<MenuRow> MenuTable = {
    {"Mainmenu2", "MainMenu1", "&File", "", false, true},
    {"Open1", "Mainmenu2", "&Open/Import", "Ctrl+O", true, true},
    {"Sort1", "Mainmenu2", "&Save", "Ctrl+S", true, true},
    {"Exit1", "Mainmenu2", "&Exit Folivex", "", true, true},
    {"Database1", "MainMenu1", "&Tools", "", false, true},
    {"ReSort1", "Database1", "&Resort", "Ctrl+R", true, true},
    {"Publish1", "MainMenu1", "&Publish", "", false, true},
    {"Publishonlymodifiedrecords1", "Publish1", "&Publish (only modified records)", "Ctrl+P", true, true},
    {"General1", "Publish1", "Publishing Setup Options", "", false, true},
    {"G1", "General1", "General Publishing Rules", "", true, true},
    {"FTPWebServersettings1", "General1", "&FTP Web Server settings", "Ctrl+F", true, true},
    {"HTMLHeadersFooters1", "General1", "&HTML Headers && Footers", "Ctrl+H", true, true},
    {"SearchEnginesettings1", "General1", "Search &Engine settings", "Ctrl+E", true, true},
    {"InternationalLanguageSettings1", "General1", "International &Language Settings", "Ctrl+L", true, true},
    {"ForcePublishofALLrecords1", "Publish1", "Force Publish of ALL records", "", true, true},
    {"ViewResults1", "Publish1", "Vie&w Results", "Ctrl+W", true, true},
    {"Upload2", "MainMenu1", "&Upload", "", false, true},
    {"GO2", "Upload2", "Go !", "Ctrl+G", true, true},
    {"Exit3", "MainMenu1", "&Help", "", false, true},
    {"About1", "Exit3", "Launch Browser &Help", "", true, true},
    {"Pelmarix1", "MainMenu1", "Pelmarix", "", false, true},
    {"VisitourWebSite1", "Pelmarix1", "Visit our WebSite", "", true, true},
    {"ShoppingCart1", "MainMenu1", "Shopping &Cart", "", false, true},
    {"KarvoSetup1", "ShoppingCart1", "Karvo Setup", "", true, true},
    {"VisitKarvoWebSite1", "ShoppingCart1", "Visit Karvo' Web Site", "", true, true},
    {"Exit4", "MainMenu1", "&Exit", "", false, true},
    {"ExitFolivex1", "Exit4", "&Exit Folivex", "", true, true},
};

// Every item under a menu, depth first, in menu order.
void Walk(MenuItem* item, std::vector<MenuItem*>& out) {
    for (MenuItem* child : item->Items()) {
        out.push_back(child);
        Walk(child, out);
    }
}

TEST_F(FolivexFormTest, MenuFollowsTheTableInOrderWithCaptionsShortcutsAndHandlers) {
    ASSERT_EQ(Main().Menu(), Main().MainMenu1);
    std::vector<MenuItem*> items;
    Walk(Main().MainMenu1, items);
    ASSERT_EQ(items.size(), MenuTable.size());
    for (std::size_t i = 0; i < items.size(); ++i) {
        const MenuRow& row = MenuTable[i];
        SCOPED_TRACE(row.name);
        MenuItem* item = items[i];
        EXPECT_EQ(item->Name(), row.name);
        EXPECT_EQ(item, Item(row.name));
        ASSERT_NE(item->Parent(), nullptr);
        EXPECT_EQ(item->Parent()->Name(), row.parent);
        EXPECT_EQ(item->Caption(), row.caption);
        EXPECT_EQ(item->ShortCut(), row.shortCut);
        EXPECT_EQ(bool(item->OnClick), row.handler);
        EXPECT_EQ(item->Enabled(), row.enabled);
        EXPECT_FALSE(item->IsSeparator());
        // An entry either opens a submenu or runs a command.
        if (!item->Items().empty()) {
            EXPECT_FALSE(row.handler);
        }
    }
    EXPECT_EQ(Item("HTMLHeadersFooters1")->PlainCaption(), "HTML Headers & Footers");
}

TEST_F(FolivexFormTest, ShortcutsResolveToTheirEntries) {
    // The enabled entries run for real; the dialogs they open are cancelled.
    app->OnModal = [](Form& f) { f.SetModalResult(MrCancel); };
    // The entries that open a dialog: it is closed again at once.
    app->OnModal = [](Form& f) { f.SetModalResult(MrCancel); };
    int withShortCut = 0;
    for (const MenuRow& row : MenuTable) {
        if (row.shortCut.empty()) continue;
        ++withShortCut;
        SCOPED_TRACE(row.shortCut);
        EXPECT_EQ(Main().MainMenu1->FindByShortCut(row.shortCut), Item(row.name));
        std::string lower;
        for (char c : row.shortCut) lower += char(std::tolower(static_cast<unsigned char>(c)));
        EXPECT_EQ(Main().MainMenu1->FindByShortCut(lower), Item(row.name));
        // A key runs its entry only while the entry is enabled.
        EXPECT_EQ(Main().PressShortCut(row.shortCut), Item(row.name)->Enabled());
    }
    EXPECT_EQ(withShortCut, 10);
    EXPECT_EQ(Main().MainMenu1->FindByShortCut("Ctrl+H"), Main().HTMLHeadersFooters1);
    EXPECT_EQ(Main().MainMenu1->FindByShortCut("Ctrl+Q"), nullptr);
    EXPECT_FALSE(Main().PressShortCut("Ctrl+Q"));
}

TEST_F(FolivexFormTest, DisabledEntriesDoNothingAndTheExitEntriesLeave) {
    for (const MenuRow& row : MenuTable) {
        if (!row.handler) continue;
        SCOPED_TRACE(row.name);
        MenuItem* item = Item(row.name);
        // Count the runs of the entry's handler without running the real one, which may end the program.
        int runs = 0;
        item->OnClick = [&runs](Component*) { ++runs; };
        item->Click();
        EXPECT_EQ(runs, row.enabled ? 1 : 0);
        if (!row.shortCut.empty()) {
            Main().PressShortCut(row.shortCut);
            EXPECT_EQ(runs, row.enabled ? 2 : 0);
        }
    }
    EXPECT_TRUE(Messages().Log().empty());
    EXPECT_TRUE(exitCodes.empty());
}

TEST_F(FolivexFormTest, ExitFolivexUnderFileEndsTheProgram) {
    EXPECT_TRUE(exitCodes.empty());
    Main().Exit1->Click();
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_TRUE(app->Terminated());
}

TEST_F(FolivexFormTest, ExitFolivexUnderExitEndsTheProgram) {
    EXPECT_TRUE(exitCodes.empty());
    Main().ExitFolivex1->Click();
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    EXPECT_TRUE(app->Terminated());
}

TEST_F(FolivexFormTest, CommandButtonsAreWiredAndEnabled) {
    // Built: the database setup dialog, the save, the image pickers and the scaling of the picture, the view
    // of the published pages and help, publishing, the upload, the chart window.
    for (Button* b : {Main().OpenButton, Main().SaveIt, Main().PublishItButton, Main().ViewItButton, Main().HelpButton,
                      Main().UploadItButton, Main().RozizAButton, static_cast<Button*>(Main().Image1Button),
                      static_cast<Button*>(Main().Image2Button), static_cast<Button*>(Main().Image3Button),
                      static_cast<Button*>(Main().Image4Button), Main().ScaleButton}) {
        EXPECT_TRUE(bool(b->OnClick)) << b->Name();
        EXPECT_TRUE(b->Enabled()) << b->Name();
    }
}

// Geometry. No design places are given for the window, so the layout is checked for tidiness:
// nothing overlaps a sibling, nothing leaves its parent, and every caption has room.
TEST_F(FolivexFormTest, NoControlOverlapsAnotherOrLeavesItsParent) {
    int checked = 0;
    CheckLayout(Main(), checked);
    // Every control of the window was visited: 20 rows of five, and the rest.
    int controls = 0;
    for (Component* c : Main().Components())
        if (dynamic_cast<Control*>(c)) ++controls;
    EXPECT_EQ(checked, controls);
    EXPECT_GT(controls, 5 * TFolivexForm::FieldCount);
}

TEST_F(FolivexFormTest, TabRunsDownTheRecordFirstAndReachesTheLabelsAndSwatchesAfterTheSettings) {
    for (int i = 1; i < TFolivexForm::FieldCount; ++i)
        EXPECT_LT(Main().DBEdit[i - 1]->TabOrder(), Main().DBEdit[i]->TabOrder()) << i;
    EXPECT_LT(Main().Category->TabOrder(), Main().DBEdit[0]->TabOrder());
    EXPECT_LT(Main().DBEdit[19]->TabOrder(), Main().ScrollBox->TabOrder());
    EXPECT_LT(Main().ScrollBox->TabOrder(), Main().Order[0]->TabOrder());
    // The labels and the font swatches, which a mouse changes by a double click, are tab stops after the
    // rows' settings and before the commands.
    for (Edit* e : {Main().DBLabel[0], Main().DBLabel[19], Main().Colour[0], Main().Colour[19], Main().LabelColour,
                    Main().ScrollColour}) {
        EXPECT_TRUE(e->TabStop()) << e->Name();
        EXPECT_GT(e->TabOrder(), Main().Search[19]->TabOrder()) << e->Name();
        EXPECT_LT(e->TabOrder(), Main().OpenButton->TabOrder()) << e->Name();
    }
    // Within one parent no two tab stops share a place.
    std::function<void(const Control&)> distinct = [&](const Control& parent) {
        std::vector<int> seen;
        for (const Control* c : parent.Controls()) {
            if (c->TabStop()) {
                EXPECT_EQ(std::count(seen.begin(), seen.end(), c->TabOrder()), 0) << c->Name();
                seen.push_back(c->TabOrder());
            }
            distinct(*c);
        }
    };
    distinct(Main());
}

}  // namespace
}  // namespace fv::testing
