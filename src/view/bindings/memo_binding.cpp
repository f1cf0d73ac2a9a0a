// A memo as a QPlainTextEdit: the model's CR LF line ends become Qt's line breaks and back, and the caret
// and the selection are kept in step both ways.
#include <QPlainTextEdit>
#include <QTextCursor>

#include <algorithm>

#include "platform/ui/edit.h"
#include "platform/ui/memo.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class MemoBinding : public ControlBinding {
public:
    explicit MemoBinding(Memo& memo) : ControlBinding(memo), memo_(memo) {}

    void ShowText(BindingHost&) override {
        auto* q = static_cast<QPlainTextEdit*>(Widget());
        QString shown = MemoTextToQt(memo_.Text());
        if (q->toPlainText() == shown) return;
        int cursor = q->textCursor().position();
        q->setPlainText(shown);
        QTextCursor tc = q->textCursor();
        tc.setPosition(std::min(cursor, int(shown.size())));
        q->setTextCursor(tc);
    }
    void ShowContent(BindingHost&, bool) override {
        auto* q = static_cast<QPlainTextEdit*>(Widget());
        q->setReadOnly(memo_.ReadOnly());
        q->setFrameShape(memo_.GetBorderStyle() == BorderStyle::None ? QFrame::NoFrame : QFrame::StyledPanel);
        q->setLineWrapMode(memo_.WordWrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
        bool h = memo_.ScrollBars == ScrollStyle::Horizontal || memo_.ScrollBars == ScrollStyle::Both;
        bool v = memo_.ScrollBars == ScrollStyle::Vertical || memo_.ScrollBars == ScrollStyle::Both;
        q->setHorizontalScrollBarPolicy(h ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
        q->setVerticalScrollBarPolicy(v ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    }
    void ShowSelection() override {
        auto* q = static_cast<QPlainTextEdit*>(Widget());
        const int start = ShownOffset(memo_.Text(), memo_.SelStart(), true);
        const int end = ShownOffset(memo_.Text(), memo_.SelStart() + memo_.SelLength(), true);
        QTextCursor cursor = q->textCursor();
        if (cursor.selectionStart() == start && cursor.selectionEnd() == end) return;
        cursor.setPosition(start);
        cursor.setPosition(end, QTextCursor::KeepAnchor);
        q->setTextCursor(cursor);
    }
    void ShowColours(QPalette& palette, QWidget*) const override { ShowRoleColour(palette, QPalette::Base, ClWindow); }
    bool TakesFocus() const override { return true; }
    bool ClickOnRelease() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QPlainTextEdit>(host.Events(), parent);
        // Tab and Shift+Tab move the focus on to the next control and back, as in every other control; a
        // memo takes no tab characters from the keyboard.
        w->setTabChangesFocus(true);
        QObject::connect(w, &QPlainTextEdit::textChanged, w, [&host, w] {
            Input<Memo>(host, w, [&](Memo& m) { m.UserSetText(MemoTextFromQt(w->toPlainText())); });
            host.SelectionMoved(w);
        });
        QObject::connect(w, &QPlainTextEdit::selectionChanged, w, [&host, w] { host.SelectionMoved(w); });
        QObject::connect(w, &QPlainTextEdit::cursorPositionChanged, w, [&host, w] { host.SelectionMoved(w); });
        return w;
    }

private:
    Memo& memo_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindMemo(Control& control) { return BindKind<MemoBinding, Memo>(control); }

}  // namespace fv
