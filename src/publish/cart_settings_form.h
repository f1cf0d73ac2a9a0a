// The shopping-cart setup "Karvo Shopping Cart": the seller's user and web-site numbers at the Karvo cart
// service, the images of its order and checkout buttons and the switch for a checkout button on the
// quick-view pages; Extract takes the numbers out of a piece of the service's HTML pasted into the form.
#pragma once

#include <array>

#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/memo.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

// TKarvoForm is the shopping-cart settings form; its name ("KarvoForm") is the one the configuration file keeps.
class TKarvoForm : public ProgramForm {
public:
    TKarvoForm(Component* owner, Program& program);

    Panel* MainPanel;
    GroupBox* SetupGroup;  // "Karvo Shopping Cart Setup"
    Label* UserNumberLabel;
    Edit* KarvoUserNumber;
    Label* WebSiteNumberLabel;
    Edit* KarvoWebSiteNumber;
    Label* OrderGifLabel;
    Edit* KarvoOrderGif;
    Label* CheckoutGifLabel;
    Edit* KarvoCheckoutGif;
    CheckBox* KarvoQuickViewCheckout;
    Label* ProductNumberLabel;
    Edit* KarvoProductNumber;
    std::array<Label*, 4> Instructions;
    Memo* KarvoHTML;
    Button* Extract;
    BitBtn* HelpButton;
    BitBtn* BitBtn1;  // OK

    // Fills the user, web-site and product numbers from the first "karvo_usercode value=",
    // "karvo_websitenr value=" and "karvo_productnr value=" of the pasted HTML (each value: what stands
    // between the key and the next ">"), then says how many it found. Any length of text is examined.
    void ExtractClick(Component* sender);
    // The help page, chosen by "#shopping".
    void HelpButtonClick(Component* sender);
    void BitBtn1Click(Component* sender);
};

}  // namespace fv
