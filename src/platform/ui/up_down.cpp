// UpDown construction.
#include "platform/ui/up_down.h"

namespace fv {

UpDown::UpDown(Component* owner, std::string name) : RangeControl(owner, std::move(name)) {}

}  // namespace fv
