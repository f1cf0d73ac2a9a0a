// The shopping-cart setup: controls, the extraction of the numbers from pasted HTML, and help.
#include "publish/cart_settings_form.h"

#include <cstring>

#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/memo.h"
#include "platform/ui/panel.h"
#include "publish/publish_helpers.h"
#include "publish/web_sites.h"

namespace fv {

namespace {
constexpr int LabelWidth = 146, FieldLeft = 158;
}  // namespace

TKarvoForm::TKarvoForm(Component* owner, Program& program) : ProgramForm(owner, program, "KarvoForm") {
    SetCaption("Karvo Shopping Cart");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    SetHint("Please read the Shopping Cart section of the Helpfile for further details on Karvo' Shopping Cart System");
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, 452, 438);
    SizeToContainer(*MainPanel);
    SetupGroup = Add<GroupBox>(MainPanel, "SetupGroup", 8, 8, 436, 388, "Karvo Shopping Cart Setup");

    auto row = [&](const std::string& labelName, const std::string& caption, const std::string& editName, int top,
                   int width, Label*& label) {
        label = Add<Label>(SetupGroup, labelName, 8, top + 4, LabelWidth, 13, caption);
        return Add<Edit>(SetupGroup, editName, FieldLeft, top, width, 21);
    };
    KarvoUserNumber = row("UserNumberLabel", "Karvo User Number", "KarvoUserNumber", 20, 120, UserNumberLabel);
    KarvoWebSiteNumber =
        row("WebSiteNumberLabel", "Karvo Web Site Number", "KarvoWebSiteNumber", 46, 120, WebSiteNumberLabel);
    KarvoOrderGif = row("OrderGifLabel", "Karvo Order GIF file:", "KarvoOrderGif", 72, 270, OrderGifLabel);
    KarvoOrderGif->SetText(CartOrderButtonImage);
    KarvoCheckoutGif = row("CheckoutGifLabel", "Karvo Checkout GIF file:", "KarvoCheckoutGif", 98, 270,
                           CheckoutGifLabel);
    KarvoCheckoutGif->SetText(CartCheckoutButtonImage);
    KarvoQuickViewCheckout = Add<CheckBox>(SetupGroup, "KarvoQuickViewCheckout", 8, 126, 420, 17,
                                           "Automatically add a Checkout Button to the QuickView Page");
    KarvoProductNumber =
        row("ProductNumberLabel", "Karvo Current Product", "KarvoProductNumber", 150, 120, ProductNumberLabel);
    KarvoProductNumber->SetHint(
        "This is an example of a Product code that you would add to your Folivex fields. Please read the Help "
        "file for more details.");
    const char* const lines[4] = {
        "Your Karvo User Number and WebSite number are contained",
        "in the HTML tags for each of your registered products.",
        "Cut && Paste one of your product  HTML tags into the window",
        "below and click 'Extract' for Folivex to retrieve them for you.",
    };
    for (int i = 0; i < 4; ++i)
        Instructions[std::size_t(i)] =
            Add<Label>(SetupGroup, "Instruction" + std::to_string(i + 1), 8, 182 + i * 14, 420, 13, lines[i]);
    KarvoHTML = Add<Memo>(SetupGroup, "KarvoHTML", 8, 244, 420, 104);
    KarvoHTML->ScrollBars = ScrollStyle::Both;
    KarvoHTML->WordWrap = false;
    KarvoHTML->SetHint("Cust & Paste your Karvo HTML here to extract your User and Website numbers automatically.");
    Extract = Add<Button>(SetupGroup, "Extract", 8, 354, 75, 25, "Extract");
    Extract->SetHint("Take the User and Website numbers out of the HTML above");

    HelpButton = Add<BitBtn>(MainPanel, "HelpButton", 8, 404, 75, 25, "Help");
    HelpButton->ButtonKind = BitBtn::BtnKind::Help;
    HelpButton->SetHint("Click here for a list of Help Topics");
    BitBtn1 = AddOkButton(MainPanel, "BitBtn1", 369, 404, 75, 25, {.closes = false});

    NumberTabOrder(*this);
    Extract->OnClick = [this](Component* s) { ExtractClick(s); };
    HelpButton->OnClick = [this](Component* s) { HelpButtonClick(s); };
    BitBtn1->OnClick = [this](Component* s) { BitBtn1Click(s); };
    // The numbers and images go into the cart buttons of the published pages.
    auto changed = [this](Component*) { SettingChanged(P, true); };
    for (Edit* e : {KarvoUserNumber, KarvoWebSiteNumber, KarvoOrderGif, KarvoCheckoutGif}) e->OnChange = changed;
    KarvoQuickViewCheckout->OnClick = changed;
}

void TKarvoForm::ExtractClick(Component*) {
    struct Key {
        const char* Text;
        Edit* Target;
    };
    const Key keys[] = {
        {"karvo_usercode value=", KarvoUserNumber},
        {"karvo_websitenr value=", KarvoWebSiteNumber},
        {"karvo_productnr value=", KarvoProductNumber},
    };
    const std::string html = KarvoHTML->Text();
    int found = 0;
    try {
        for (const Key& key : keys) {
            const std::size_t at = html.find(key.Text);
            if (at == std::string::npos) continue;
            const std::size_t end = html.find('>', at);
            if (end == std::string::npos) continue;
            const std::size_t from = at + std::strlen(key.Text);
            key.Target->SetText(html.substr(from, end - from));
            key.Target->Repaint();
            ++found;
        }
    } catch (const std::exception& e) {
        P.App.ShowException(e);
        P.App.ShowMessage("An Error occurred Extracting the data. Aborted.");
    }
    P.App.Beep(BeepKind::Default);
    P.App.ShowMessage("We located " + std::to_string(found) + " entries from your HTML");
}

void TKarvoForm::HelpButtonClick(Component* sender) {
    P.ViewTarget = "#shopping";
    P.Main->ShowInBrowser(sender);
}

void TKarvoForm::BitBtn1Click(Component*) {
    if (Modal()) SetModalResult(MrOk);
    else Close();
}

}  // namespace fv
