// The language texts dialog: its 27 rows, the "default" buttons, and every change of a publish text
// marking every record and counting as an unsaved change.
#include <gtest/gtest.h>

#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "publish/lang_form.h"
#include "publish_forms_fixture.h"

namespace fv::testing {
namespace {

class LangFormTest : public PublishFormsFixture {
protected:
    void SetUp() override {
        PublishFormsFixture::SetUp();
        program->DatabaseDirectory = dir.Path();
        program->RecordCount = 2;
    }
    TLangForm& F() { return *program->LangForm; }
    void ClearFlags() {
        for (int i = 0; i < program->RecordCount; ++i) program->RecordTable[std::size_t(i)].NeedsPublishing = 0;
        program->RepublishAll = 0;
        program->DatabaseModified = 0;
    }
    bool AllMarked() {
        return program->RecordTable[0].NeedsPublishing && program->RecordTable[1].NeedsPublishing &&
               program->RepublishAll;
    }
};

struct Row {
    std::string key, builtIn, button;
};

TEST_F(LangFormTest, TwentySevenRowsInScreenOrder) {
    const std::vector<Row> rows = {
        {"pleaseselect", "Please Select:", "default1"},
        {"detailview", "Detail View", "Button1"},
        {"quickview1", "Quick View", "Button2"},
        {"category", "Category", "Button3"},
        {"search", "Search", "Button4"},
        {"clickimage", "Click Image for original", "Button5"},
        {"record", "Record", "Button6"},
        {"of", "of", "Button7"},
        {"changecategory", "Change Category", "Button8"},
        {"quickview2", "QuickView:", "Button9"},
        {"firstrecord", "First record", "Button10"},
        {"previousrecord", "Previous record", "Button11"},
        {"nextrecord", "Next record", "Button12"},
        {"lastrecord", "Last record", "Button13"},
        {"entries", "Entries.", "Button14"},
        {"SrchFirst", "Your first Search will fail on Internet Explorer - when run locally - please select again",
         "Button15"},
        {"SrchGo", "Go !", "Button16"},
        {"SrchResults", "Search: Results", "Button17"},
        {"SrchNoMatch", "No matches Found !", "Button18"},
        {"SrchSearching", "***** SEARCHING *****", "Button19"},
        {"SrchPreparing", "***** PREPARING RESULTS *****", "Button20"},
        {"SrchComplete", "**** SEARCH COMPLETE ****", "Button24"},
        {"SrchFirst100", "Results limited to first 100 matches !", "Button21"},
        {"SrchNoData", "You must enter some search data !", "Button22"},
        {"SrchClose", "Close Search Engine", "Button23"},
        {"SrchAND", "and", "Button25"},
        {"SrchOR", "or", "Button26"},
    };
    ASSERT_EQ(rows.size(), std::size_t(LanguageTextCount));
    EXPECT_EQ(F().Caption(), "Multi-Lingual support settings...");
    for (std::size_t r = 0; r < rows.size(); ++r) {
        SCOPED_TRACE(rows[r].key);
        auto* text = F().Find<Edit>("Text_" + rows[r].key);
        auto* real = F().Find<Edit>("Real_" + rows[r].key);
        auto* button = F().Find<Button>(rows[r].button);
        ASSERT_NE(text, nullptr);
        ASSERT_NE(real, nullptr);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(text->Text(), rows[r].builtIn);
        EXPECT_TRUE(text->ReadOnly());
        EXPECT_EQ(text->Hint(), "This is the original Folivex setting");
        EXPECT_EQ(real->Text(), rows[r].builtIn);
        EXPECT_EQ(F().Real(rows[r].key), real);
        EXPECT_EQ(button->Caption(), "default");
        EXPECT_EQ(button->Hint(), "Click here to set the Publish value to the default from the left");
        EXPECT_EQ(F().TextEdits[r], text);
        EXPECT_EQ(F().RealEdits[r], real);
        // A row reads built-in text, button, publish text: left to right, or (a text too long for its
        // column) the text across the column above the button and the publish text.
        auto before = [](const Control* a, const Control* b) {
            return a->Top() + a->Height() <= b->Top() || (a->Top() < b->Top() + b->Height() && a->Left() < b->Left());
        };
        EXPECT_TRUE(before(text, button));
        EXPECT_TRUE(before(button, real));
        EXPECT_TRUE(before(text, real));
        EXPECT_EQ(text->Top() == button->Top() + 2, r != 15) << "only the first search text takes two lines";
        if (r > 0 && r != 15) {
            EXPECT_GT(text->Top(), F().TextEdits[r - 1]->Top());
        }
    }
    EXPECT_NE(F().Real("SrchFirst100")->Hint().find("Search Engine Setup Page"), std::string::npos);
    EXPECT_NE(F().Real("SrchAND")->Hint().find("MUST BE LOWER CASE"), std::string::npos);
    EXPECT_NE(F().Real("SrchOR")->Hint().find("MUST BE LOWER CASE"), std::string::npos);
    EXPECT_EQ(F().Real("nothing"), nullptr);
    EXPECT_EQ(F().Label1->Caption(), "Key in an alternative to the default descriptions, or click the ");
    EXPECT_EQ(F().Label2->Caption(), "'default' button for the original Folivex setting.");
    EXPECT_EQ(F().Label3->Caption(), "(The settings relate to the published pages and not the");
    EXPECT_EQ(F().Label4->Caption(), "Folivex Screens themselves)");
    EXPECT_LT(F().BitBtn1->Top(), F().TextEdits[0]->Top());
    EXPECT_GT(F().BitBtn2->Top(), F().TextEdits[14]->Top());
}

TEST_F(LangFormTest, EditingAPublishTextMarksEveryRecordAndCountsAsAChange) {
    ClearFlags();
    F().Real("detailview")->UserSetText("Detailansicht");
    EXPECT_TRUE(AllMarked());
    EXPECT_EQ(program->DatabaseModified, 1);
    for (const char* key : {"SrchAND", "SrchOR"}) {
        SCOPED_TRACE(key);
        ClearFlags();
        F().Real(key)->UserSetText("und");
        EXPECT_TRUE(AllMarked());
        EXPECT_EQ(program->DatabaseModified, 1);
    }
}

TEST_F(LangFormTest, DefaultRestoresTheBuiltInTextAndChangesNothingWhenItIsThere) {
    ClearFlags();
    F().FindComponent("Button1");
    F().Find<Button>("Button1")->Click();
    EXPECT_FALSE(program->RepublishAll) << "the text was the built-in one already";
    EXPECT_EQ(program->DatabaseModified, 0);

    F().Real("detailview")->UserSetText("Detailansicht");
    ClearFlags();
    F().Find<Button>("Button1")->Click();
    EXPECT_EQ(F().Real("detailview")->Text(), "Detail View");
    EXPECT_TRUE(AllMarked());
    EXPECT_EQ(program->DatabaseModified, 1);

    F().Real("SrchComplete")->UserSetText("x");
    F().Find<Button>("Button24")->Click();
    EXPECT_EQ(F().Real("SrchComplete")->Text(), "**** SEARCH COMPLETE ****");
    F().Real("pleaseselect")->UserSetText("x");
    F().Find<Button>("default1")->Click();
    EXPECT_EQ(F().Real("pleaseselect")->Text(), "Please Select:");
}

TEST_F(LangFormTest, EitherOkClosesTheForm) {
    for (BitBtn* ok : {F().BitBtn1, F().BitBtn2}) {
        app->OnModal = [ok](Form&) { ok->Click(); };
        EXPECT_EQ(F().ShowModal(), MrOk);
        F().Show();
        ok->Click();
        EXPECT_FALSE(F().Visible());
    }
}

}  // namespace
}  // namespace fv::testing
