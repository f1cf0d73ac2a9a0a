// FormBinding: a form shown as a top-level window, with its menu bar over the client area where its
// controls go. A form placed inside another control is no window: the embedded form binding in
// view/bindings/ shows it.
#pragma once

#include <memory>

#include "platform/ui/form.h"
#include "view/control_binding.h"
#include "view/menu_bar.h"
#include "view/widgets.h"

namespace fv {

class FormBinding : public ControlBinding {
public:
    explicit FormBinding(Form& form) : ControlBinding(form) {}
    Form& GetForm() const { return static_cast<Form&>(GetControl()); }
    FormWindow* Window() const { return static_cast<FormWindow*>(Widget()); }
    void ShowColours(QPalette& palette, QWidget* target) const override { ShowSurfaceColour(palette, target); }
    bool ClickOnRelease() const override { return true; }
    QRect AlignArea() const override { return QRect(0, 0, GetForm().ClientWidth(), GetForm().ClientHeight()); }

    // The window's flags for the form's border; a window without a sizeable border has a fixed size.
    Qt::WindowFlags Flags() const;
    bool FixedSize() const { return GetForm().Border() != FormBorder::Sizeable; }

    std::unique_ptr<MenuBarBinding> menu;
    bool positioned = false;
    bool activationRequested = false;  // the next activation of the window is the view's own doing

protected:
    QWidget* Create(BindingHost& host, QWidget*) override;
};

}  // namespace fv
