// The shopping-cart forms, posting to the cart service's two endpoints. Every setting and the product
// number stand in double-quoted attribute values, escaped for them.
#include "publish/cart_forms.h"

#include "program/program.h"
#include "publish/cart_settings_form.h"
#include "publish/publish_helpers.h"
#include "publish/web_sites.h"

namespace fv {

std::string KarvoFormHTML(Program& p, const std::string& value) {
    const TKarvoForm& cart = *p.KarvoForm;
    const std::string service = CartServiceWebSite;
    const bool checkout = value.find("CHECKOUT") != std::string::npos ||
                          value.find("Checkout") != std::string::npos ||
                          value.find("checkout") != std::string::npos;
    if (checkout)
        return "<FORM action=\"" + service +
               "/cgi-bin/checkout.karvo\" method=POST><INPUT type=hidden name=karvo_usercode value=\"" +
               EscapeForAttribute(cart.KarvoUserNumber->Text()) + "\"><INPUT type=hidden name=karvo_websitenr value=\"" +
               EscapeForAttribute(cart.KarvoWebSiteNumber->Text()) + "\"><INPUT type=image src=\"" +
               EscapeForAttribute(cart.KarvoCheckoutGif->Text()) +
               "\" border=0 width=120 height=18 name=submit></FORM>";
    const std::size_t colon = value.find(':');
    const std::string product = colon == std::string::npos ? std::string() : value.substr(colon + 1);
    return "<FORM action=\"" + service +
           "/cgi-bin/addproduct.karvo\" method=POST><INPUT type=hidden name=karvo_usercode value=\"" +
           EscapeForAttribute(cart.KarvoUserNumber->Text()) + "\"><INPUT type=hidden name=karvo_productnr value=\"" + EscapeForAttribute(product) +
           "\"><INPUT type=hidden name=karvo_websitenr value=\"" + EscapeForAttribute(cart.KarvoWebSiteNumber->Text()) +
           "\"><FONT FACE=ARIAL,HELVETICA SIZE=2 COLOR=black><TABLE><TR><TD valign=top><INPUT type=text size=3 "
           "maxlength=3 name=karvo_quantity value=1></TD><TD valign=top><INPUT type=image src=\"" +
           EscapeForAttribute(cart.KarvoOrderGif->Text()) +
           "\" border=0 width=120 height=18 name=submit></TD></TR></TABLE></FONT></FORM>";
}

}  // namespace fv
