// QtInput: what a user does on the widgets of a QtView, turned into the model's user actions.
//
// Every mouse press, release and double click, key, focus change, close box, activation and resize a
// widget reports goes back only through the model's user actions (MouseDown, Click, KeyDown, SetFocus,
// Close, SetClientSize...), each run through Application::Dispatch so an exception is shown and the
// program goes on; afterwards the widget is set to what the model holds, since the model may have refused
// or changed what was typed or clicked. Nothing is passed on while the view itself changes widgets.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

#include "view/widgets.h"

namespace fv {

class Control;
class QtView;

class QtInput : public WidgetEvents {
public:
    explicit QtInput(QtView& view) : view_(view) {}
    QtInput(const QtInput&) = delete;
    QtInput& operator=(const QtInput&) = delete;

    // A user action is running: a widget the model lets go of now may be the one whose signal runs.
    bool Running() const { return depth_ > 0; }

    // Runs a user action on the control of a widget as an event handler, then shows the model's state.
    void UserAction(QWidget* widget, const std::function<void(Control&)>& action);
    // The user moved the caret or the selection of a text widget.
    void SelectionMoved(QWidget* widget);

    // WidgetEvents
    void MousePressed(QWidget* widget, QMouseEvent* e) override;
    void MouseReleased(QWidget* widget, QMouseEvent* e) override;
    void MouseDoubleClicked(QWidget* widget, QMouseEvent* e) override;
    void FocusEntered(QWidget* widget) override;
    bool KeyPressed(QWidget* widget, QKeyEvent* e) override;
    void KeyReleased(QWidget* widget, QKeyEvent* e) override;
    void ActsAlone(QWidget* widget, bool begins) override;
    void CloseRequested(QWidget* window) override;
    void WindowActivated(QWidget* window) override;
    void WindowResized(QWidget* window) override;
    bool DialogKey(QWidget* window, int key) override;

private:
    template <class T, class Action> void UserInput(QWidget* widget, Action&& action);
    bool Silenced() const;

    QtView& view_;
    QPointer<QWidget> pressed_;
    int depth_ = 0;  // > 0 while a user action runs
};

}  // namespace fv
