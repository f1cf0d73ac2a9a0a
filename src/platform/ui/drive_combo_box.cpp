// DriveComboBox construction.
#include "platform/ui/drive_combo_box.h"

namespace fv {

DriveComboBox::DriveComboBox(Component* owner, std::string name) : ComboBox(owner, std::move(name)) {
    Style = ComboStyle::DropDownList;
    SetItems({"/"});
    SetItemIndex(0);
}

}  // namespace fv
