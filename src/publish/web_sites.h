// The two outside web sites the program knows: the maker's, and that of the Karvo shopping-cart service
// whose buttons the published pages can carry (the cart forms post to its paths, the button images come
// from it, and the browser can visit it). One constant each; change them here.
#pragma once

#include <string>

namespace fv {

// Scheme and host, no closing slash.
constexpr const char* MakerWebSite = "https://www.pelmarix.example";
constexpr const char* CartServiceWebSite = "https://www.karvo.example";

// The cart service's standard button images, the initial image addresses of the shopping-cart setup.
inline const std::string CartOrderButtonImage = std::string(CartServiceWebSite) + "/images/order.gif";
inline const std::string CartCheckoutButtonImage = std::string(CartServiceWebSite) + "/images/checkout.gif";

}  // namespace fv
