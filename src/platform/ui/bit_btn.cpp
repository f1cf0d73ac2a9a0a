// BitBtn construction.
#include "platform/ui/bit_btn.h"

namespace fv {

BitBtn::BitBtn(Component* owner, std::string name) : Button(owner, std::move(name)) {}

}  // namespace fv
