// DriveComboBox: the drive box of the file dialogs. This system has no drive letters: it offers the root.
#pragma once

#include <string>

#include "platform/ui/combo_box.h"
#include "platform/ui/directory_list_box.h"

namespace fv {

class DriveComboBox : public ComboBox {
public:
    DriveComboBox(Component* owner, std::string name = {});
    const char* Kind() const override { return "DriveComboBox"; }
    std::string Drive() const { return "/"; }
    DirectoryListBox* DirList = nullptr;
};

}  // namespace fv
