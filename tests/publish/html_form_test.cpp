// The HTML headers and footers dialog and the publish notice: the seven snippets with their switches,
// Clear and Example, OK marking every record only for a switch or an overriding snippet, and Cancel
// restoring every snippet without leaving a trace in the flags.
#include <gtest/gtest.h>

#include "platform/ui/bit_btn.h"
#include "platform/ui/check_box.h"
#include "platform/ui/memo.h"
#include "publish/html_form.h"
#include "publish/publish_message_form.h"
#include "publish_forms_fixture.h"

namespace fv::testing {
namespace {

class HTMLFormTest : public PublishFormsFixture {
protected:
    void SetUp() override {
        PublishFormsFixture::SetUp();
        program->DatabaseDirectory = dir.Path();
        program->RecordCount = 2;
    }
    THTMLForm& F() { return *program->HTMLForm; }
    bool AllMarked() {
        return program->RecordTable[0].NeedsPublishing && program->RecordTable[1].NeedsPublishing &&
               program->RepublishAll;
    }
    bool NoneMarked() {
        return !program->RecordTable[0].NeedsPublishing && !program->RecordTable[1].NeedsPublishing &&
               !program->RepublishAll;
    }
    // Shows the dialog modally (its activation takes the copies) and acts in it as the user.
    int Run(const std::function<void()>& act) {
        app->OnModal = [&](Form&) { act(); };
        int result = F().ShowModal();
        app->OnModal = nullptr;
        return result;
    }
};

struct SnippetRow {
    std::string memo, box, caption, clear, example;
};

TEST_F(HTMLFormTest, SevenSnippetsWithTheirSwitchesAndButtons) {
    const std::vector<SnippetRow> rows = {
        {"HTMLIndexPageHeader", "HTMLIndexPageHeaderOverride", "Index Page Header HTML : Override Folivex", "BitBtn2", "BitBtn1"},
        {"HTMLIndexPageFooter", "HTMLIndexPageFooterOverride", "Index Page Trailer HTML : Override Folivex", "BitBtn3", "BitBtn4"},
        {"HTMLOtherPageHeader", "HTMLOtherPageHeaderOverride", "Detail/QView Page Header HTML :Override", "BitBtn5", "BitBtn6"},
        {"HTMLOtherPageFooter", "HTMLOtherPageFooterOverride", "Detail/QuickV Page Footer HTML : Override ", "BitBtn7", "BitBtn8"},
        {"HTMLTableHeader", "HTMLTableHeaderOverride", "Table Header HTML : Override Folivex", "BitBtn9", "BitBtn10"},
        {"HTMLTableFooter", "HTMLTableFooterOverride", "Table Footer HTML : Override Folivex", "BitBtn11", "BitBtn12"},
        {"HTMLSearchBoxHeader", "HTMLSearchBoxHeaderOverride", "Search Box Page Header HTML :Override Folivex", "BitBtn13", "BitBtn14"},
    };
    EXPECT_EQ(F().Caption(), "HTML Page & Table Header & Footer options.");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE(rows[i].memo);
        auto* memo = F().Find<Memo>(rows[i].memo);
        auto* box = F().Find<CheckBox>(rows[i].box);
        ASSERT_NE(memo, nullptr);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(F().Snippets()[i], memo);
        EXPECT_EQ(F().Overrides()[i], box);
        EXPECT_EQ(memo->MaxLength(), 50000);
        EXPECT_FALSE(memo->WordWrap);
        EXPECT_EQ(memo->ScrollBars, ScrollStyle::Both);
        EXPECT_EQ(memo->Text(), i == 0 || i == 6 ? "\r\n" : "");
        EXPECT_EQ(box->Caption(), rows[i].caption);
        EXPECT_FALSE(box->Checked());
        EXPECT_EQ(box->Hint().rfind("Check this box for your HTML to be used instead of Folivex generated HTML", 0), 0u);
        EXPECT_EQ(F().Find<BitBtn>(rows[i].clear)->Caption(), "Clear");
        EXPECT_EQ(F().Find<BitBtn>(rows[i].example)->Caption(), "Example");
    }
    EXPECT_NE(F().HTMLSearchBoxHeaderOverride->Hint().find("Search Engine Setup"), std::string::npos);
    EXPECT_EQ(F().FrameNote1->Caption() + " " + F().FrameNote2->Caption(),
              "** If needed, remember to adjust the FRAME height of the Search Box in the Engine Setup screen **");
    for (const char* name : {"BitBtn15", "OKButton"}) EXPECT_EQ(F().Find<BitBtn>(name)->ModalResult, MrOk) << name;
    for (const char* name : {"BitBtn16", "CancelButton"})
        EXPECT_EQ(F().Find<BitBtn>(name)->ModalResult, MrCancel) << name;
}

TEST_F(HTMLFormTest, ExampleTemplatesLineByLine) {
    const std::string head =
        "<HTML>\r\n<HEAD>\r\n<TITLE>Folivex</TITLE>\r\n</HEAD>\r\n"
        "<BODY TEXT=\"Silver\" ALINK=\"Silver\" VLINK=\"Silver\" LINK=\"Silver\" BGCOLOR=\"Black\">\r\n<CENTER>\r\n";
    const std::vector<std::string> expected = {
        head + "<! add your Index PAGE header HTML here>\r\nINDEX PAGE HEADER HTML HERE\r\n</CENTER>\r\n",
        "<CENTER>\r\n<! add your Index PAGE Footer HTML here.>\r\nINDEX PAGE FOOTER HTML HERE\r\n</CENTER>\r\n"
        "</BODY>\r\n</HTML>\r\n",
        head + "<! add HTML here>\r\n DETAIL or QUICKVIEW PAGE HEADER HTML HERE\r\n</CENTER>\r\n",
        "<CENTER>\r\n<! add your Detail-QuickV PAGE Footer HTML here>\r\n DETAIL-QUICKV FOOTER HTML HERE\r\n"
        "</CENTER>\r\n</BODY>\r\n</HTML>\r\n",
        "<TABLE ALIGN=\"CENTER\" WIDTH=\"506\" BORDER=\"0\" CELLSPACING=\"0\" BGCOLOR=\"Black\">\r\n"
        "<TR><TD COLSPAN=4>TABLE HEADER HTML HERE</TD></TR>",
        "<TR><TD COLSPAN=4>TABLE FOOTER HTML HERE</TD></TR>",
        head + "<! add HTML here>\r\n SEARCH BOX PAGE HEADER HTML HERE\r\n</CENTER>\r\n",
    };
    for (int i = 0; i < THTMLForm::SnippetCount; ++i) {
        SCOPED_TRACE(i);
        F().ExampleButtons[std::size_t(i)]->Click();
        EXPECT_EQ(F().Snippets()[std::size_t(i)]->Text(), expected[std::size_t(i)]);
        F().ClearButtons[std::size_t(i)]->Click();
        EXPECT_EQ(F().Snippets()[std::size_t(i)]->Text(), "");
    }
}

TEST_F(HTMLFormTest, AnEditWithoutItsSwitchCountsAsAChangeButMarksNothing) {
    Run([&] {
        F().HTMLTableFooter->UserSetText("<TR><TD>mine</TD></TR>");
        F().OKButton->Click();
    });
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_TRUE(NoneMarked());
}

TEST_F(HTMLFormTest, TickingASwitchMarksEveryRecordAtOk) {
    for (CheckBox* box : F().Overrides()) {
        SCOPED_TRACE(box->Name());
        program->RecordTable[0].NeedsPublishing = program->RecordTable[1].NeedsPublishing = 0;
        program->RepublishAll = 0;
        Run([&] {
            box->Click();
            EXPECT_TRUE(NoneMarked()) << "only OK marks";
            F().BitBtn15->Click();
        });
        EXPECT_TRUE(AllMarked());
        EXPECT_EQ(F().HTMLOverrideChanged, 0);
    }
}

TEST_F(HTMLFormTest, EditingAnOverridingSnippetMarksEveryRecordAtOk) {
    F().HTMLOtherPageFooterOverride->SetChecked(true);
    F().HTMLOverrideChanged = 0;
    Run([&] {
        F().HTMLOtherPageFooter->UserSetText("</BODY></HTML>");
        F().OKButton->Click();
    });
    EXPECT_TRUE(AllMarked());
}

TEST_F(HTMLFormTest, CancelRestoresAllSevenAndLeavesNoTrace) {
    std::vector<std::string> before;
    for (int i = 0; i < THTMLForm::SnippetCount; ++i) {
        F().Snippets()[std::size_t(i)]->SetText("snippet " + std::to_string(i) + "\r\nline two");
        before.push_back(F().Snippets()[std::size_t(i)]->Text());
    }
    F().HTMLTableFooterOverride->SetChecked(true);
    F().HTMLOverrideChanged = 0;
    program->DatabaseModified = 0;
    int result = Run([&] {
        for (BitBtn* clear : F().ClearButtons) clear->Click();
        F().HTMLIndexPageHeader->UserSetText("half typed");
        EXPECT_EQ(program->DatabaseModified, 1);
        EXPECT_EQ(F().HTMLOverrideChanged, 1) << "the table footer overrides";
        F().CancelButton->Click();
    });
    EXPECT_EQ(result, MrCancel);
    for (int i = 0; i < THTMLForm::SnippetCount; ++i)
        EXPECT_EQ(F().Snippets()[std::size_t(i)]->Text(), before[std::size_t(i)]) << i;
    EXPECT_EQ(F().HTMLTableFooter->Text(), "snippet 5\r\nline two");
    EXPECT_EQ(program->DatabaseModified, 0) << "the cancelled edits are not unsaved changes";
    EXPECT_EQ(F().HTMLOverrideChanged, 0);
    EXPECT_TRUE(NoneMarked());
    // The next OK has nothing to mark either.
    Run([&] { F().OKButton->Click(); });
    EXPECT_TRUE(NoneMarked());
}

TEST_F(HTMLFormTest, CancelKeepsAnEarlierUnsavedChange) {
    program->DatabaseModified = 1;
    Run([&] {
        F().HTMLIndexPageFooter->UserSetText("x");
        F().BitBtn16->Click();
    });
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_EQ(F().HTMLIndexPageFooter->Text(), "");
}

TEST_F(HTMLFormTest, ASwitchIsNotUndoneByCancelAndStillCounts) {
    program->DatabaseModified = 0;
    Run([&] {
        F().HTMLSearchBoxHeaderOverride->Click();
        F().CancelButton->Click();
    });
    EXPECT_TRUE(F().HTMLSearchBoxHeaderOverride->Checked());
    EXPECT_EQ(program->DatabaseModified, 1) << "the kept switch is saved with the database";
    EXPECT_TRUE(AllMarked()) << "and its pages are published again";
    // Ticked and unticked again: nothing was kept.
    program->DatabaseModified = 0;
    program->RecordTable[0].NeedsPublishing = program->RecordTable[1].NeedsPublishing = 0;
    program->RepublishAll = 0;
    Run([&] {
        F().HTMLIndexPageHeaderOverride->Click();
        F().HTMLIndexPageHeaderOverride->Click();
        F().CancelButton->Click();
    });
    EXPECT_EQ(program->DatabaseModified, 0);
    EXPECT_TRUE(NoneMarked());
}

TEST_F(HTMLFormTest, RestoredSnippetsAndSwitchesAreNoEdits) {
    program->IsLoading = 1;
    F().HTMLIndexPageHeaderOverride->SetChecked(true);
    F().HTMLIndexPageHeader->SetText("<HTML>");
    program->IsLoading = 0;
    EXPECT_EQ(F().HTMLOverrideChanged, 0);
    EXPECT_EQ(program->DatabaseModified, 0);
}

using PublishMessageFormLines = PublishFormsFixture;

TEST_F(PublishMessageFormLines, NoticeAsDesigned) {
    TPublishMessageForm& f = *program->PublishMessageForm;
    EXPECT_EQ(f.Caption(), "Publishing - Auto detect NEW Files");
    const std::vector<std::string> lines = {
        "Remember, the Publishing step will only attempt to publish records",
        "that have changed since the last publishing attempt.",
        "This may mean that when you view your files locally - some links",
        "to other pages may be missing.",
        "To guarantee all files are Published, select the \"Force Publish'",
        "option from the Publish main menu.",
        "Alternatively, if you want to guarantee publishing all pages each",
        "time you click 'Publish', check the Box on the Publish Setup page.",
    };
    for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(f.Lines[i]->Caption(), lines[i]);
    EXPECT_FALSE(f.DontShow->Checked());
    EXPECT_EQ(f.DontShow->Caption(), "Don't show me this message again this session");
    app->OnModal = [&](Form&) {
        f.DontShow->Click();
        f.BitBtn1->Click();
    };
    EXPECT_EQ(f.ShowModal(), MrOk);
    EXPECT_TRUE(f.DontShow->Checked());
}

}  // namespace
}  // namespace fv::testing
