// The windows' controls by window and control name, for one read or one write of the configuration file.
//
// Rules:
// - A control is found through its window's index of names (Component::FindComponent), and the window of
//   the previous look-up is kept: the item table names one window for many rows in a run, and building a
//   table of names per pass cost more than the whole rest of a read.
// - The answers are those of Application::FindForm and Component::FindComponent: the first window and
//   the first control of the name.
// - Valid while no window is made or freed: one object serves one pass over the item table.
#pragma once

#include <stdexcept>
#include <string>

namespace fv {

class Application;
class Component;
class Form;

class ConfigControls {
public:
    explicit ConfigControls(const Application& app) : app_(app) {}

    // The control, of the kind the caller needs. Throws std::logic_error naming the window and the control
    // when either is missing (a programming error, never a user's).
    template <class T> T& Get(const std::string& form, const std::string& control) {
        T* c = dynamic_cast<T*>(Find(form, control));
        if (!c) throw std::logic_error("The configuration names a control that does not exist: " + form + "." + control);
        return *c;
    }

private:
    // The control of the name, or nullptr; throws when the window is missing.
    Component* Find(const std::string& form, const std::string& control);

    const Application& app_;
    std::string lastName_;      // the window of the previous look-up
    const Form* last_ = nullptr;
};

}  // namespace fv
