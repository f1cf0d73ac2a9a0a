// The configuration's controls, each window walked once.
#include "records/config_controls.h"

#include "platform/app/application.h"

namespace fv {

Component* ConfigControls::Find(const std::string& form, const std::string& control) {
    auto window = windows_.find(form);
    if (window == windows_.end()) {
        const Form* f = app_.FindForm(form);
        if (!f) throw std::logic_error("The configuration names a window that does not exist: " + form);
        std::unordered_map<std::string_view, Component*> byName;
        byName.reserve(f->Components().size());
        for (Component* c : f->Components()) byName.emplace(c->Name(), c);  // the first of a name stays
        window = windows_.emplace(form, std::move(byName)).first;
    }
    auto found = window->second.find(std::string_view(control));
    return found == window->second.end() ? nullptr : found->second;
}

}  // namespace fv
