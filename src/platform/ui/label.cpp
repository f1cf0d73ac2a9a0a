// Label construction.
#include "platform/ui/label.h"

namespace fv {

Label::Label(Component* owner, std::string name) : Control(owner, std::move(name)) {}

}  // namespace fv
