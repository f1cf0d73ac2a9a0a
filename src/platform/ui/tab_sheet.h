// TabSheet: one page of a page control, with or without a tab of its own.
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
    // Whether the sheet has a tab on its page control; a sheet without one is never on show by a pick.
    bool TabVisible() const { return tabVisible_; }
    void SetTabVisible(bool v);

private:
    bool tabVisible_ = true;
};

}  // namespace fv
