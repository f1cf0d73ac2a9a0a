// QtInput: mouse, keys, focus and window events of the widgets, as the model's user actions.
#include "view/qt_input.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextCursor>

#include <vector>

#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/memo.h"
#include "view/control_binding.h"
#include "view/form_binding.h"
#include "view/qt_convert.h"
#include "view/qt_view.h"

namespace fv {

namespace {

// The model's code of a Qt key; KeyNone for keys it has no code for.
int ToKeyCode(int q) {
    if ((q >= Qt::Key_A && q <= Qt::Key_Z) || (q >= Qt::Key_0 && q <= Qt::Key_9)) return q;
    if (q >= Qt::Key_F1 && q <= Qt::Key_F12) return KeyF1 + (q - Qt::Key_F1);
    switch (q) {
    case Qt::Key_Backspace: return KeyBack;
    case Qt::Key_Tab: return KeyTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return KeyReturn;
    case Qt::Key_Shift: return KeyShift;
    case Qt::Key_Control: return KeyControl;
    case Qt::Key_Alt: return KeyAlt;
    case Qt::Key_Escape: return KeyEscape;
    case Qt::Key_Space: return KeySpace;
    case Qt::Key_PageUp: return KeyPageUp;
    case Qt::Key_PageDown: return KeyPageDown;
    case Qt::Key_End: return KeyEnd;
    case Qt::Key_Home: return KeyHome;
    case Qt::Key_Left: return KeyLeft;
    case Qt::Key_Up: return KeyUp;
    case Qt::Key_Right: return KeyRight;
    case Qt::Key_Down: return KeyDown;
    case Qt::Key_Insert: return KeyInsert;
    case Qt::Key_Delete: return KeyDelete;
    default: return KeyNone;
    }
}

bool ToMouseButton(Qt::MouseButton q, MouseButton& out) {
    switch (q) {
    case Qt::LeftButton: out = MouseButton::Left; return true;
    case Qt::RightButton: out = MouseButton::Right; return true;
    case Qt::MiddleButton: out = MouseButton::Middle; return true;
    default: return false;
    }
}

}  // namespace

bool QtInput::Silenced() const { return view_.quiet_ > 0; }

template <class T, class Action>
void QtInput::UserInput(QWidget* widget, Action&& action) {
    if (Silenced() || !widget) return;
    T* control = dynamic_cast<T*>(view_.ControlOf(widget));
    if (!control) return;
    QPointer<QWidget> guard(widget);
    ++depth_;
    view_.app_.Dispatch([&] { action(*control); });
    --depth_;
    // The model may have refused or changed what the user did: show what it holds now.
    if (guard && view_.ControlOf(guard) == control)
        if (ControlBinding* b = view_.Find(control)) {
            QtView::Quiet quiet(view_);
            view_.SyncState(*b);
        }
}

void QtInput::UserAction(QWidget* widget, const std::function<void(Control&)>& action) {
    UserInput<Control>(widget, action);
}

void QtInput::SelectionMoved(QWidget* widget) {
    int start = 0, end = 0;
    bool memo = false;
    if (auto* line = qobject_cast<QLineEdit*>(widget)) {
        start = line->hasSelectedText() ? line->selectionStart() : line->cursorPosition();
        end = line->hasSelectedText() ? line->selectionEnd() : start;
        start = ModelOffset(line->text(), start, false);
        end = ModelOffset(line->text(), end, false);
    } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget)) {
        memo = true;
        const QString shown = text->toPlainText();
        const QTextCursor cursor = text->textCursor();
        start = ModelOffset(shown, cursor.selectionStart(), true);
        end = ModelOffset(shown, cursor.selectionEnd(), true);
    } else {
        return;
    }
    // Only the model's own record of where the user is: no event fires, so there is nothing to show back.
    if (Silenced()) return;
    auto* edit = dynamic_cast<Edit*>(view_.ControlOf(widget));
    if (!edit || (memo != (dynamic_cast<Memo*>(edit) != nullptr))) return;
    QtView::Quiet quiet(view_);
    view_.app_.Dispatch([&] { edit->SetSelection(start, end - start); });
}

void QtInput::MousePressed(QWidget* widget, QMouseEvent* e) {
    MouseButton button;
    if (Silenced() || !ToMouseButton(e->button(), button)) return;
    ControlBinding* b = view_.Find(view_.ControlOf(widget));
    if (!b) return;
    b->Pressed();
    pressed_ = widget;
    const QPoint at = b->ModelPoint(widget->mapFromGlobal(e->globalPosition().toPoint()));
    const unsigned shift = ShiftOf(e);
    UserInput<Control>(widget, [&](Control& c) { c.MouseDown(button, shift, at.x(), at.y()); });
}

void QtInput::MouseReleased(QWidget* widget, QMouseEvent* e) {
    MouseButton button;
    if (Silenced() || !ToMouseButton(e->button(), button)) return;
    ControlBinding* b = view_.Find(view_.ControlOf(widget));
    if (!b) return;
    const bool clickable = b->ClickOnRelease();
    const QPoint inside = widget->mapFromGlobal(e->globalPosition().toPoint());
    const bool clicked = pressed_ == widget && button == MouseButton::Left && widget->rect().contains(inside);
    const QPoint at = b->ModelPoint(inside);
    pressed_ = nullptr;
    QPointer<QWidget> guard(widget);
    UserInput<Control>(widget, [&](Control& c) { c.MouseUp(button, ShiftOf(e), at.x(), at.y()); });
    // Controls without a click of their own in Qt (labels, images, panels and edit boxes): a press and
    // release on them is a click.
    if (clicked && clickable && guard) UserInput<Control>(widget, [](Control& c) { c.Click(); });
}

void QtInput::MouseDoubleClicked(QWidget* widget, QMouseEvent* e) {
    MouseButton button;
    if (Silenced() || !ToMouseButton(e->button(), button)) return;
    QPoint at = widget->mapFromGlobal(e->globalPosition().toPoint());
    if (const ControlBinding* b = view_.Find(view_.ControlOf(widget))) at = b->ModelPoint(at);
    const unsigned shift = ShiftOf(e) | SsDouble;
    QPointer<QWidget> guard(widget);
    if (button == MouseButton::Left) UserInput<Control>(widget, [](Control& c) { c.DblClick(); });
    if (guard) UserInput<Control>(widget, [&](Control& c) { c.MouseDown(button, shift, at.x(), at.y()); });
    // The release that ends a double click is no click of its own.
    pressed_ = nullptr;
    if (ControlBinding* b = view_.Find(view_.ControlOf(widget))) b->DoubleClicked();
}

bool QtInput::KeyPressed(QWidget* widget, QKeyEvent* e) {
    if (Silenced() || !view_.Find(view_.ControlOf(widget))) return false;
    QPointer<QWidget> guard(widget);
    int key = ToKeyCode(e->key());
    if (key != KeyNone) {
        UserInput<Control>(widget, [&](Control& c) { c.KeyDown(key, ShiftOf(e->modifiers())); });
        if (key == KeyNone) return true;
    }
    // The character the key gives, when it is one byte; handlers see no part of a longer UTF-8 one.
    const QString text = e->text();
    if (guard && text.size() == 1 && text[0].unicode() < 128) {
        char c = char(text[0].unicode());
        UserInput<Control>(widget, [&](Control& control) { control.KeyPress(c); });
        if (c == 0) return true;
    }
    return false;
}

void QtInput::KeyReleased(QWidget* widget, QKeyEvent* e) {
    if (Silenced() || !view_.Find(view_.ControlOf(widget))) return;
    int key = ToKeyCode(e->key());
    if (key != KeyNone) UserInput<Control>(widget, [&](Control& c) { c.KeyUp(key, ShiftOf(e->modifiers())); });
}

void QtInput::FocusEntered(QWidget* widget) {
    UserInput<Control>(widget, [](Control& c) { c.SetFocus(); });
}

void QtInput::ActsAlone(QWidget*, bool begins) {
    if (begins) ++view_.quiet_;
    else --view_.quiet_;
}

void QtInput::CloseRequested(QWidget* window) {
    UserInput<Form>(window, [](Form& f) { f.Close(); });
}

void QtInput::WindowActivated(QWidget* window) {
    FormBinding* b = view_.FindForm(view_.ControlOf(window));
    if (!b) return;
    if (b->activationRequested) {
        b->activationRequested = false;
        return;
    }
    // The user brought the window forward: the form is activated as when the program shows it again.
    UserInput<Form>(window, [](Form& f) {
        FormHost* host = f.Host();
        if (f.Visible() && host && host->ActiveForm() != &f) f.Show();
    });
}

void QtInput::WindowResized(QWidget* window) {
    FormBinding* b = view_.FindForm(view_.ControlOf(window));
    if (!b) return;
    Form& form = b->GetForm();
    if (form.Border() != FormBorder::Sizeable) return;
    auto* w = static_cast<FormWindow*>(window);
    const int clientWidth = w->width();
    const int clientHeight = w->height() - w->MenuBarHeight(clientWidth);
    UserInput<Form>(window, [&](Form& f) { f.SetClientSize(clientWidth, clientHeight); });
    QtView::Quiet quiet(view_);
    view_.ApplyAlign(*b);
}

bool QtInput::DialogKey(QWidget* window, int key) {
    FormBinding* b = view_.FindForm(view_.ControlOf(window));
    if (!b) return false;
    // The default button takes Return, the cancel button Escape, wherever they lie on the form.
    std::vector<Control*> stack(b->GetControl().Controls().begin(), b->GetControl().Controls().end());
    while (!stack.empty()) {
        Control* c = stack.back();
        stack.pop_back();
        if (auto* button = dynamic_cast<Button*>(c); button && button->Showing() && button->Enabled() &&
                                                     (key == Qt::Key_Escape ? button->Cancel : button->Default)) {
            QWidget* w = view_.WidgetOf(*button);
            if (!w) return false;
            UserInput<Button>(w, [](Button& bt) { bt.Click(); });
            return true;
        }
        stack.insert(stack.end(), c->Controls().begin(), c->Controls().end());
    }
    return false;
}

}  // namespace fv
