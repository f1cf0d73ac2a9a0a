// The search engine settings: controls and initial values, the fallback of the result fields, the check
// of the column widths at OK, and changes that count as unsaved.
#include <gtest/gtest.h>

#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "publish/search_setup_form.h"
#include "publish_forms_fixture.h"

namespace fv::testing {
namespace {

class SearchSetupTest : public PublishFormsFixture {
protected:
    void SetUp() override {
        PublishFormsFixture::SetUp();
        program->RecordCount = 1;
    }
    TSearchSetup& F() { return *program->SearchSetup; }
    void SetWidths(const std::vector<std::string>& widths) {
        for (std::size_t k = 0; k < 10; ++k) F().SearchViewPageColumnWidth[k]->UserSetText(k < widths.size() ? widths[k] : "");
    }
};

TEST_F(SearchSetupTest, ControlsAndInitialValues) {
    EXPECT_EQ(F().Caption(), "Search Engine Setup");
    EXPECT_TRUE(F().EnableSearchButton->Checked());
    EXPECT_EQ(F().EnableSearchButton->Caption(), "Enable the Search Engine && add a button to the published Main page.");
    EXPECT_FALSE(F().SearchPerCategory->Checked());
    EXPECT_EQ(F().SearchPerCategory->Caption(), "Create a Search engine per Category rather than a Single Engine");
    EXPECT_FALSE(F().IntraNetSearches->Checked());
    EXPECT_EQ(F().IntraNetSearches->Caption(),
              "Force Search Engine to load before first search entered (for Intranets)");
    EXPECT_EQ(F().SearchViewFields->Text(), "1,2,3,4,5,6,7,8");
    EXPECT_EQ(F().SearchViewFields->MaxLength(), 60);
    EXPECT_EQ(F().TargetPage->Text(), "qlx_index.htm");
    EXPECT_EQ(F().TargetPageLabel->Caption(), "Re-start Page");
    EXPECT_EQ(F().TargetFrame->Text(), "_top");
    EXPECT_EQ(F().TargetFrameLabel->Caption(), "Target Frame");
    EXPECT_EQ(F().TopFrameSize->Text(), "100");
    EXPECT_EQ(F().InitialFrame->Text(), "_top");
    EXPECT_EQ(F().InitialFrameLabel->Caption(), "Initial Search Engine Target Frame");
    EXPECT_EQ(F().SearchViewPageTableWidth->Text(), "500");
    EXPECT_EQ(F().SearchViewPageTableWidth->MaxLength(), 4);
    for (int k = 1; k <= 10; ++k) {
        auto* e = F().Find<Edit>("SearchViewPageColumnWidth" + std::to_string(k));
        ASSERT_NE(e, nullptr);
        EXPECT_EQ(e->Text(), k <= 5 ? "20" : "0");
        EXPECT_EQ(e->MaxLength(), 2);
    }
    EXPECT_EQ(F().MaxSearchResults->Text(), "100");
    EXPECT_EQ(F().MaxSearchResults->MaxLength(), 4);
    EXPECT_TRUE(F().BitBtn2->Default);
    EXPECT_EQ(F().BitBtn2->Caption(), "OK");
}

TEST_F(SearchSetupTest, EmptyFieldsBecomeTheFirstFive) {
    F().SearchViewFields->UserSetText("");
    EXPECT_EQ(F().SearchViewFields->Text(), "1,2,3,4,5");
    F().SearchViewFields->UserSetText("2,4");
    EXPECT_EQ(F().SearchViewFields->Text(), "2,4");
}

TEST_F(SearchSetupTest, TheInitialWidthsAndFiftyFiftyAreAccepted) {
    app->OnModal = [&](Form&) { F().BitBtn2->Click(); };
    EXPECT_EQ(F().ShowModal(), MrOk);
    SetWidths({"50", "50"});
    EXPECT_EQ(F().ShowModal(), MrOk);
    EXPECT_TRUE(Messages().Messages().empty());
}

TEST_F(SearchSetupTest, WidthsOfNinetyNineKeepTheDialogOpenAfterTheMessage) {
    SetWidths({"20", "20", "20", "20", "19"});
    int clicks = 0;
    app->OnModal = [&](Form&) {
        F().BitBtn2->Click();
        ++clicks;
        EXPECT_TRUE(F().Visible());
        EXPECT_EQ(F().ModalResult(), MrNone);
        F().SearchViewPageColumnWidth[4]->UserSetText("20");
        F().BitBtn2->Click();
    };
    EXPECT_EQ(F().ShowModal(), MrOk);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"The SearchView Page column precentages must all add up to 100%"});
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Exclamation});
}

TEST_F(SearchSetupTest, WidthsAreReadWhole) {
    std::array<std::string, 10> widths{"100", "", "", "", "", "", "", "", "", ""};
    EXPECT_TRUE(F().ValidateSearchColumnWidths(widths));
    widths[1] = "1x";
    EXPECT_FALSE(F().ValidateSearchColumnWidths(widths));
    widths[1] = "x1";
    EXPECT_TRUE(F().ValidateSearchColumnWidths(widths)) << "no digits first: 0";
}

TEST_F(SearchSetupTest, ChangesCountAsUnsavedButMarkNoRecord) {
    for (Control* c : std::initializer_list<Control*>{F().TargetPage, F().TargetFrame, F().InitialFrame,
                                                      F().TopFrameSize, F().SearchViewPageTableWidth,
                                                      F().MaxSearchResults, F().SearchViewFields,
                                                      F().SearchViewPageColumnWidth[3]}) {
        SCOPED_TRACE(c->Name());
        program->DatabaseModified = 0;
        static_cast<Edit*>(c)->UserSetText("7");
        EXPECT_EQ(program->DatabaseModified, 1);
    }
    for (CheckBox* b : {F().EnableSearchButton, F().SearchPerCategory, F().IntraNetSearches}) {
        SCOPED_TRACE(b->Name());
        program->DatabaseModified = 0;
        b->Click();
        EXPECT_EQ(program->DatabaseModified, 1);
    }
    EXPECT_EQ(program->RecordTable[0].NeedsPublishing, 0);
    EXPECT_EQ(program->RepublishAll, 0);
}

}  // namespace
}  // namespace fv::testing
