// Bevel construction.
#include "platform/ui/bevel.h"

namespace fv {

Bevel::Bevel(Component* owner, std::string name) : Control(owner, std::move(name)) {}

}  // namespace fv
