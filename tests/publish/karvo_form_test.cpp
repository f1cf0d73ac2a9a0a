// The shopping-cart setup: controls, Extract with its count message, settings that count as unsaved
// changes, and the help button.
#include <gtest/gtest.h>

#include "platform/fs/files.h"
#include "platform/ui/edit.h"
#include "platform/ui/memo.h"
#include "publish/cart_settings_form.h"
#include "publish/web_sites.h"
#include "publish_forms_fixture.h"

namespace fv::testing {
namespace {

class KarvoFormTest : public PublishFormsFixture {
protected:
    void SetUp() override {
        PublishFormsFixture::SetUp();
        program->RecordCount = 1;
    }
    TKarvoForm& F() { return *program->KarvoForm; }
    std::string Extracted(const std::string& html) {
        F().KarvoHTML->UserSetText(html);
        Messages().ClearLog();
        F().Extract->Click();
        auto messages = Messages().Messages();
        return messages.empty() ? std::string() : messages.back();
    }
};

TEST_F(KarvoFormTest, ControlsAsDesigned) {
    EXPECT_EQ(F().Caption(), "Karvo Shopping Cart");
    EXPECT_EQ(F().SetupGroup->Caption(), "Karvo Shopping Cart Setup");
    EXPECT_EQ(F().UserNumberLabel->Caption(), "Karvo User Number");
    EXPECT_EQ(F().WebSiteNumberLabel->Caption(), "Karvo Web Site Number");
    EXPECT_EQ(F().OrderGifLabel->Caption(), "Karvo Order GIF file:");
    EXPECT_EQ(F().CheckoutGifLabel->Caption(), "Karvo Checkout GIF file:");
    EXPECT_EQ(F().ProductNumberLabel->Caption(), "Karvo Current Product");
    EXPECT_EQ(F().KarvoUserNumber->Text(), "");
    EXPECT_EQ(F().KarvoWebSiteNumber->Text(), "");
    EXPECT_EQ(F().KarvoOrderGif->Text(), CartOrderButtonImage);
    EXPECT_EQ(F().KarvoCheckoutGif->Text(), CartCheckoutButtonImage);
    EXPECT_EQ(F().KarvoOrderGif->Text().rfind(CartServiceWebSite, 0), 0u) << "an image at the cart service";
    EXPECT_FALSE(F().KarvoQuickViewCheckout->Checked());
    EXPECT_EQ(F().KarvoQuickViewCheckout->Caption(), "Automatically add a Checkout Button to the QuickView Page");
    EXPECT_EQ(F().KarvoProductNumber->Hint(),
              "This is an example of a Product code that you would add to your Folivex fields. Please read the Help "
              "file for more details.");
    EXPECT_EQ(F().KarvoHTML->Hint(),
              "Cust & Paste your Karvo HTML here to extract your User and Website numbers automatically.");
    EXPECT_EQ(F().KarvoHTML->ScrollBars, ScrollStyle::Both);
    EXPECT_EQ(F().Extract->Caption(), "Extract");
    EXPECT_EQ(F().HelpButton->Caption(), "Help");
    EXPECT_EQ(F().HelpButton->Hint(), "Click here for a list of Help Topics");
    EXPECT_EQ(F().Instructions[2]->Caption(), "Cut && Paste one of your product  HTML tags into the window");
    EXPECT_EQ(F().Hint(),
              "Please read the Shopping Cart section of the Helpfile for further details on Karvo' Shopping Cart System");
}

TEST_F(KarvoFormTest, ExtractFillsTheNumbersItFindsAndCountsThem) {
    F().KarvoProductNumber->SetText("keep");
    EXPECT_EQ(Extracted("<INPUT name=karvo_usercode value=1234><INPUT name=karvo_websitenr value=56>"),
              "We located 2 entries from your HTML");
    EXPECT_EQ(F().KarvoUserNumber->Text(), "1234");
    EXPECT_EQ(F().KarvoWebSiteNumber->Text(), "56");
    EXPECT_EQ(F().KarvoProductNumber->Text(), "keep");
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Default});

    EXPECT_EQ(Extracted("<INPUT type=hidden name=karvo_usercode value=\"77\" size=3>"
                        "<INPUT name=karvo_productnr value=A17><INPUT name=karvo_websitenr value=9>"
                        "<INPUT name=karvo_usercode value=88>"),
              "We located 3 entries from your HTML");
    EXPECT_EQ(F().KarvoUserNumber->Text(), "\"77\" size=3") << "taken as it stands, first occurrence only";
    EXPECT_EQ(F().KarvoProductNumber->Text(), "A17");
    EXPECT_EQ(F().KarvoWebSiteNumber->Text(), "9");
}

TEST_F(KarvoFormTest, TextWithoutTheKeysChangesNothing) {
    F().KarvoUserNumber->SetText("1");
    EXPECT_EQ(Extracted("<FORM action=x>nothing here</FORM>"), "We located 0 entries from your HTML");
    EXPECT_EQ(F().KarvoUserNumber->Text(), "1");
    EXPECT_EQ(Extracted("karvo_usercode value=5 and no closing bracket"), "We located 0 entries from your HTML");
    EXPECT_EQ(F().KarvoUserNumber->Text(), "1");
    EXPECT_EQ(Extracted("KARVO_USERCODE VALUE=5>"), "We located 0 entries from your HTML");
}

TEST_F(KarvoFormTest, LongTextAndValuesAreNeverCut) {
    const std::string filler(20000, 'x');
    const std::string value(500, '7');
    EXPECT_EQ(Extracted(filler + "karvo_websitenr value=" + value + ">"), "We located 1 entries from your HTML");
    EXPECT_EQ(F().KarvoWebSiteNumber->Text(), value);
}

TEST_F(KarvoFormTest, SettingsCountAsUnsavedAndMarkEveryRecord) {
    for (Edit* e : {F().KarvoUserNumber, F().KarvoWebSiteNumber, F().KarvoOrderGif, F().KarvoCheckoutGif}) {
        SCOPED_TRACE(e->Name());
        program->DatabaseModified = 0;
        program->RecordTable[0].NeedsPublishing = 0;
        e->UserSetText("42");
        EXPECT_EQ(program->DatabaseModified, 1);
        EXPECT_EQ(program->RecordTable[0].NeedsPublishing, 1) << "the cart buttons of the pages change";
    }
    program->DatabaseModified = 0;
    F().KarvoQuickViewCheckout->Click();
    EXPECT_EQ(program->DatabaseModified, 1);
    // The pasted HTML and the sample product code are not settings.
    program->DatabaseModified = 0;
    F().KarvoHTML->UserSetText("<x>");
    F().KarvoProductNumber->UserSetText("9");
    EXPECT_EQ(program->DatabaseModified, 0);
}

TEST_F(KarvoFormTest, OkClosesAndHelpOpensTheHelpPage) {
    F().Show();
    F().BitBtn1->Click();
    EXPECT_FALSE(F().Visible());

    // Help asks the main window for the help page at the cart's section (the opening itself is the
    // browser dialog's, tested with the main window).
    F().HelpButton->Click();
    EXPECT_EQ(main->BrowserPages, std::vector<std::string>{"#shopping"});
}

}  // namespace
}  // namespace fv::testing
