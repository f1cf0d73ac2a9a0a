// The configuration's controls, through the windows' indexes of names.
#include "records/config_controls.h"

#include "platform/app/application.h"

namespace fv {

Component* ConfigControls::Find(const std::string& form, const std::string& control) {
    if (!last_ || form != lastName_) {
        const Form* f = app_.FindForm(form);
        if (!f) throw std::logic_error("The configuration names a window that does not exist: " + form);
        last_ = f;
        lastName_ = form;
    }
    return last_->FindComponent(control);
}

}  // namespace fv
