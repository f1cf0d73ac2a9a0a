// GroupBox construction.
#include "platform/ui/group_box.h"

namespace fv {

GroupBox::GroupBox(Component* owner, std::string name) : Control(owner, std::move(name)) {}

}  // namespace fv
