// A one-line edit as a QLineEdit: what is typed goes to the model as the user's text, and the caret and the
// selection are kept in step both ways.
#include <QLineEdit>

#include <algorithm>

#include "platform/ui/edit.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class EditBinding : public ControlBinding {
public:
    explicit EditBinding(Edit& edit) : ControlBinding(edit), edit_(edit) {}

    void ShowText(BindingHost&) override {
        auto* q = static_cast<QLineEdit*>(Widget());
        const QString text = ToQString(edit_.Text());
        if (q->text() == text) return;
        int cursor = q->cursorPosition();
        q->setText(text);
        q->setCursorPosition(std::min(cursor, int(text.size())));
    }
    void ShowContent(BindingHost&, bool) override {
        auto* q = static_cast<QLineEdit*>(Widget());
        q->setReadOnly(edit_.ReadOnly());
        q->setEchoMode(edit_.PasswordChar() ? QLineEdit::Password : QLineEdit::Normal);
        q->setFrame(edit_.GetBorderStyle() != BorderStyle::None);
    }
    void ShowSelection() override {
        auto* q = static_cast<QLineEdit*>(Widget());
        const int start = ShownOffset(edit_.Text(), edit_.SelStart(), false);
        const int end = ShownOffset(edit_.Text(), edit_.SelStart() + edit_.SelLength(), false);
        // A selection that is already shown stays untouched, so the side the user extends it from stays his.
        const int shownStart = q->hasSelectedText() ? q->selectionStart() : q->cursorPosition();
        const int shownEnd = q->hasSelectedText() ? q->selectionEnd() : shownStart;
        if (shownStart == start && shownEnd == end) return;
        if (end > start) q->setSelection(start, end - start);
        else q->setCursorPosition(start);
    }
    void ShowColours(QPalette& palette, QWidget*) const override { ShowRoleColour(palette, QPalette::Base, ClWindow); }
    bool TakesFocus() const override { return true; }
    bool ClickOnRelease() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QLineEdit>(host.Events(), parent);
        QObject::connect(w, &QLineEdit::textEdited, w, [&host, w](const QString& text) {
            Input<Edit>(host, w, [&](Edit& e) { e.UserSetText(FromQString(text)); });
            // A new text clears the model's selection: the caret is where the typing left it.
            host.SelectionMoved(w);
        });
        QObject::connect(w, &QLineEdit::selectionChanged, w, [&host, w] { host.SelectionMoved(w); });
        QObject::connect(w, &QLineEdit::cursorPositionChanged, w, [&host, w] { host.SelectionMoved(w); });
        return w;
    }

private:
    Edit& edit_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindEdit(Control& control) { return BindKind<EditBinding, Edit>(control); }

}  // namespace fv
