// ScrollBar construction.
#include "platform/ui/scroll_bar.h"

namespace fv {

ScrollBar::ScrollBar(Component* owner, std::string name) : RangeControl(owner, std::move(name)) {}

}  // namespace fv
