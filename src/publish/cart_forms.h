// The shopping-cart buttons of the published pages: a field value "karvo:<product>" becomes a form that
// adds the product to the visitor's cart at the Karvo service, and "karvo:checkout" a checkout button.
#pragma once

#include <string>

namespace fv {

struct Program;

// The cart form for a value beginning "karvo:": the checkout form when the value holds "CHECKOUT",
// "Checkout" or "checkout", else the add-product form for the text after the first colon. No line end.
std::string KarvoFormHTML(Program& p, const std::string& value);

}  // namespace fv
