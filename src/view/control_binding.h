// ControlBinding: one control shown as one Qt widget. Each control kind has a binding of its own (in
// view/bindings/) that makes its widget, shows the control's values on it and turns what the user does with
// it back into the model's user actions. QtView keeps one binding per control and does what is the same for
// every kind (geometry, alignment, stacking, fonts, cursors, focus, forms). A new kind is one binding file
// in view/bindings/, its Bind function in binding_list.h and its place in MakeBinding's list. The raster
// canvas of the chart windows (view/qt_canvas.*) sits beside these and is not a binding.
#pragma once

#include <QPalette>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include "platform/ui/control.h"

class QImage;

namespace fv {

class ControlBinding;
class WidgetEvents;

// What a binding needs of the view that holds it.
class BindingHost {
public:
    // Where the widgets report mouse, key and focus input.
    virtual WidgetEvents* Events() = 0;
    // Runs a user action on the control of a widget as an event handler, then shows the model's state.
    virtual void UserAction(QWidget* widget, const std::function<void(Control&)>& action) = 0;
    // The user moved the caret or the selection of a text widget.
    virtual void SelectionMoved(QWidget* widget) = 0;
    // The widget of a control the view shows; null when it shows none.
    virtual QWidget* WidgetOf(const Control& control) const = 0;
    virtual Control* ControlOf(const QWidget* widget) const = 0;
    // A picture shipped with the program, by file name.
    virtual QImage ResourceImage(const std::string& name) = 0;
    // Places the widget of a binding again (a label that sizes itself to its text).
    virtual void PlaceAgain(ControlBinding& binding) = 0;

protected:
    ~BindingHost() = default;
};

class ControlBinding {
public:
    explicit ControlBinding(Control& control) : control_(control) {}
    virtual ~ControlBinding() = default;
    ControlBinding(const ControlBinding&) = delete;
    ControlBinding& operator=(const ControlBinding&) = delete;

    Control& GetControl() const { return control_; }
    QWidget* Widget() const { return widget_; }
    // Where the widgets of the children go; the widget itself unless the kind says otherwise.
    QWidget* Container() const { return container_ ? container_.data() : widget_.data(); }

    // Makes the widget inside parent (null for a page of a page control, which the tab widget takes).
    void Make(BindingHost& host, QWidget* parent) { widget_ = Create(host, parent); }

    // The control's text (caption, edit text, title) on the widget.
    virtual void ShowText(BindingHost& host) {}
    // Every other value of the control; items also the lists of items, which are slower to compare.
    virtual void ShowContent(BindingHost& host, bool items) {}
    // The selected part of the text, for the kinds that have one.
    virtual void ShowSelection() {}
    // The colours of the control in the palette of the widget.
    virtual void ShowColours(QPalette& palette, QWidget* target) const;

    // The widget takes the keyboard focus (by Tab when the control is a tab stop).
    virtual bool TakesFocus() const { return false; }
    // A press and release on the widget is a click: Qt has no click of its own for it.
    virtual bool ClickOnRelease() const { return false; }
    // Drawn on the parent's surface rather than as a window: lies under every windowed sibling.
    virtual bool Graphic() const { return false; }
    // The children's widgets are stacked by the view (a page control stacks its pages itself).
    virtual bool StacksChildren() const { return true; }
    // A change of font changes the widget's size (a label sized to its text).
    virtual bool SizesWithFont() const { return false; }
    // The area inside, where aligned children are laid out.
    virtual QRect AlignArea() const { return Container() ? Container()->rect() : QRect(); }
    // The geometry the widget takes for the control's; most take the control's as it is.
    virtual QRect Placed(const QRect& bounds) const { return bounds; }
    // Where a point of the widget lies in the control's own coordinates; the same point for most kinds.
    virtual QPoint ModelPoint(const QPoint& at) const { return at; }
    // The mouse went down on the widget, and it was a double click.
    virtual void Pressed() {}
    virtual void DoubleClicked() {}

protected:
    virtual QWidget* Create(BindingHost& host, QWidget* parent) = 0;
    void SetContainer(QWidget* container) { container_ = container; }

    // The control's own colour as the window colour, unless it has none or is transparent.
    void ShowOwnColour(QPalette& palette, QWidget* target, bool transparent) const;
    // A surface: always painted, in the control's colour.
    void ShowSurfaceColour(QPalette& palette, QWidget* target) const;
    // The control's colour in one role, unless it is the standard one for that role.
    void ShowRoleColour(QPalette& palette, QPalette::ColorRole role, Color standard) const;

    // Runs a user action on the control as T when it is one.
    template <class T, class Action> static void Input(BindingHost& host, QWidget* widget, Action action) {
        host.UserAction(widget, [&](Control& c) {
            if (auto* t = dynamic_cast<T*>(&c)) action(*t);
        });
    }

private:
    Control& control_;
    QPointer<QWidget> widget_;
    QPointer<QWidget> container_;
};

// The binding for a control, chosen by its most derived kind; a plain widget for a kind without one.
std::unique_ptr<ControlBinding> MakeBinding(Control& control);

}  // namespace fv
