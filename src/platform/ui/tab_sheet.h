// TabSheet: one page of a page control.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace fv {

class PageControl;

class TabSheet : public Control {
public:
    TabSheet(Component* owner, std::string name = {});
    const char* Kind() const override { return "TabSheet"; }
    PageControl* PageControlOf() const;
};

}  // namespace fv
