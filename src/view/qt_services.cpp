// Message boxes, beeps and the screen cursor on Qt.
#include "view/qt_services.h"

#include <QApplication>
#include <QCursor>
#include <QCloseEvent>
#include <QImage>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>

#include "view/desktop_sounds.h"
#include "view/qt_convert.h"

namespace fv {

namespace {

struct ButtonAnswer {
    QMessageBox::StandardButton button;
    DialogAnswer answer;
};

std::vector<ButtonAnswer> ButtonsFor(unsigned flags) {
    using B = QMessageBox;
    switch (flags & MbButtonMask) {
    case MbOkCancel: return {{B::Ok, IdOk}, {B::Cancel, IdCancel}};
    case MbAbortRetryIgnore: return {{B::Abort, IdAbort}, {B::Retry, IdRetry}, {B::Ignore, IdIgnore}};
    case MbYesNoCancel: return {{B::Yes, IdYes}, {B::No, IdNo}, {B::Cancel, IdCancel}};
    case MbYesNo: return {{B::Yes, IdYes}, {B::No, IdNo}};
    case MbRetryCancel: return {{B::Retry, IdRetry}, {B::Cancel, IdCancel}};
    default: return {{B::Ok, IdOk}};
    }
}

QMessageBox::Icon IconFor(unsigned flags) {
    switch (flags & MbIconMask) {
    case MbIconHand: return QMessageBox::Critical;
    case MbIconQuestion: return QMessageBox::Question;
    case MbIconExclamation: return QMessageBox::Warning;
    case MbIconAsterisk: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

// A box that Escape and the close box leave open when the question has no answer for them.
class QuestionBox : public QMessageBox {
public:
    QuestionBox(Icon icon, const QString& caption, const QString& text, bool escapeAnswers)
        : QMessageBox(icon, caption, text, QMessageBox::NoButton, QApplication::activeWindow()),
          escapeAnswers_(escapeAnswers) {}

protected:
    void keyPressEvent(QKeyEvent* e) override {
        // Qt would take No (the one button of the "no" role) for Escape.
        if (!escapeAnswers_ && e->matches(QKeySequence::Cancel)) {
            e->accept();
            return;
        }
        QMessageBox::keyPressEvent(e);
    }
    void closeEvent(QCloseEvent* e) override {
        if (!escapeAnswers_) {
            e->ignore();
            return;
        }
        QMessageBox::closeEvent(e);
    }

private:
    bool escapeAnswers_;
};

}  // namespace

int QtMessages::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    const std::vector<ButtonAnswer> buttons = ButtonsFor(flags);
    const std::optional<int> escape = EscapeAnswer(flags);
    QuestionBox box(IconFor(flags), ToQString(caption), ToQString(text), escape.has_value());
    for (const ButtonAnswer& b : buttons) box.addButton(b.button);
    box.setDefaultButton(buttons.front().button);
    // Escape and the close box answer as EscapeAnswer says; a question without that answer stays open.
    for (const ButtonAnswer& b : buttons)
        if (escape && b.answer == *escape) box.setEscapeButton(b.button);
    // The box is answered while the screen cursor may be the hourglass of a long operation.
    bool overridden = QGuiApplication::overrideCursor() != nullptr;
    if (overridden) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    // A question without an escape answer is asked again if anything but a button ended the box.
    QAbstractButton* clicked = nullptr;
    do {
        box.exec();
        clicked = box.clickedButton();
    } while (!clicked && !escape && !QCoreApplication::closingDown());
    if (overridden) QGuiApplication::restoreOverrideCursor();
    for (const ButtonAnswer& b : buttons)
        if (clicked && clicked == box.button(b.button)) return b.answer;
    // Closed without a button: the escape answer (the program is going down otherwise).
    return escape.value_or(IdCancel);
}

void QtMessages::Beep(BeepKind kind) {
    if (Sounds)
        for (const std::string& event : SoundEventsFor(kind))
            if (Sounds->Play(event)) return;
    if (Bell) Bell();
}

void QtMessages::PlaySound(EventSound sound) {
    if (Sounds) Sounds->Play(SoundEventFor(sound));
}

BitmapPtr QtImages::LoadImage(const std::string& path) { return ToBitmap(QImage(ToQString(path))); }

void QtCursors::SetScreenCursor(Cursor c) {
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    if (c != Cursor::Default) QGuiApplication::setOverrideCursor(QCursor(ToQtCursor(c)));
}

}  // namespace fv
