// Panel construction.
#include "platform/ui/panel.h"

namespace fv {

Panel::Panel(Component* owner, std::string name) : Control(owner, std::move(name)) {}

}  // namespace fv
