// ProgramForm: the base of every form of the program, with the program it belongs to, and small
// builders that create a control, place it and hang it under its parent in one line.
#pragma once

#include <string>

#include "platform/ui/form.h"
#include "program/program.h"

namespace fv {

class ProgramForm : public Form {
public:
    ProgramForm(Component* owner, Program& program, std::string name)
        : Form(owner, std::move(name)), P(program) {}

    Program& P;

    // The form takes the size of its outer container plus its frame (width + 13, height + 35), as the
    // small dialogs are sized when the load form is first activated.
    void SizeToContainer(const Control& container) {
        SetWidth(container.Width() + 13);
        SetHeight(container.Height() + 35);
    }

protected:
    // Creates a control owned by this form, under parent (the form itself when null), at the given place.
    template <class T>
    T* Add(Control* parent, const std::string& name, int left, int top, int width, int height,
           const std::string& caption = {}) {
        T* c = Make<T>(name);
        c->SetBounds(left, top, width, height);
        if (!caption.empty()) c->SetCaption(caption);
        c->SetParent(parent ? parent : this);
        return c;
    }
};

}  // namespace fv
