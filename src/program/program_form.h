// ProgramForm: the base of every form of the program, with the program it belongs to, and small
// builders that create a control, place it and hang it under its parent in one line, the OK and Cancel
// buttons of a dialog and a labelled number field included.
#pragma once

#include <string>

#include "platform/ui/bit_btn.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/label.h"
#include "platform/ui/up_down.h"
#include "program/program.h"

namespace fv {

// How an OK or Cancel button of a dialog behaves beyond its glyph. Most dialogs take both defaults; a
// dialog whose click handler decides itself whether the form closes turns `closes` off, and a second
// button of the same kind on one form turns `takesKey` off so that only one answers the key.
struct DialogButton {
    bool closes = true;    // a click ends the modal form with MrOk (OK) or MrCancel (Cancel) by itself
    bool takesKey = true;  // Enter presses the OK button, Escape the Cancel button
};

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

    // A dialog's OK button (an OK glyph; see DialogButton for the rest), placed like Add places a control.
    BitBtn* AddOkButton(Control* parent, const std::string& name, int left, int top, int width, int height,
                        DialogButton how = {}, const std::string& caption = "OK") {
        return AddDialogButton(true, parent, name, left, top, width, height, how, caption);
    }

    // A number field: a label showing `caption` (labelWidth wide), then, `gap` pixels right of it, an edit
    // editWidth wide with an up-down bound to it that holds [min, max] and steps by `step`. The three are
    // named "L" + name (the label), editName and upDownName.
    struct NumberField {
        Label* label;
        Edit* edit;
        UpDown* updown;
    };
    NumberField AddNumberField(Control* parent, const std::string& labelName, const std::string& editName,
                               const std::string& upDownName, const std::string& caption, int left, int top,
                               int labelWidth, int gap, int editWidth, int min, int max, int step) {
        NumberField f;
        f.label = Add<Label>(parent, labelName, left, top + 4, labelWidth, 13, caption);
        f.edit = Add<Edit>(parent, editName, left + labelWidth + gap, top, editWidth, 21);
        f.updown = Add<UpDown>(parent, upDownName, left + labelWidth + gap + editWidth, top, 15, 21);
        f.updown->SetRange(min, max);
        f.updown->Increment = step;
        f.updown->SetAssociate(f.edit);
        return f;
    }

    // A dialog's Cancel button, the counterpart of AddOkButton.
    BitBtn* AddCancelButton(Control* parent, const std::string& name, int left, int top, int width, int height,
                            DialogButton how = {}, const std::string& caption = "Cancel") {
        return AddDialogButton(false, parent, name, left, top, width, height, how, caption);
    }

private:
    BitBtn* AddDialogButton(bool ok, Control* parent, const std::string& name, int left, int top, int width,
                            int height, DialogButton how, const std::string& caption) {
        BitBtn* b = Add<BitBtn>(parent, name, left, top, width, height, caption);
        b->ButtonKind = ok ? BitBtn::BtnKind::Ok : BitBtn::BtnKind::Cancel;
        if (how.closes) b->ModalResult = ok ? MrOk : MrCancel;
        (ok ? b->Default : b->Cancel) = how.takesKey;
        return b;
    }
};

}  // namespace fv
