// Message boxes, beeps and the screen cursor on Qt.
#include "view/qt_services.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
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

}  // namespace

int QtMessages::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    const std::vector<ButtonAnswer> buttons = ButtonsFor(flags);
    QMessageBox box(IconFor(flags), ToQString(caption), ToQString(text), QMessageBox::NoButton,
                    QApplication::activeWindow());
    for (const ButtonAnswer& b : buttons) box.addButton(b.button);
    box.setDefaultButton(buttons.front().button);
    // Escape and the close box answer Cancel where there is one and OK on a plain message; for a yes/no
    // question Qt takes No.
    if (box.button(QMessageBox::Cancel)) box.setEscapeButton(QMessageBox::Cancel);
    else if (buttons.size() == 1) box.setEscapeButton(buttons.front().button);
    // The box is answered while the screen cursor may be the hourglass of a long operation.
    bool overridden = QGuiApplication::overrideCursor() != nullptr;
    if (overridden) QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
    box.exec();
    if (overridden) QGuiApplication::restoreOverrideCursor();
    QAbstractButton* clicked = box.clickedButton();
    for (const ButtonAnswer& b : buttons)
        if (clicked && clicked == box.button(b.button)) return b.answer;
    // Closed without a button: the escape answer, as the platform's box gave.
    for (const ButtonAnswer& b : buttons)
        if (b.answer == IdCancel) return IdCancel;
    return buttons.size() == 1 ? buttons.front().answer : IdCancel;
}

void QtMessages::Beep(BeepKind kind) {
    if (Sounds)
        for (const std::string& event : SoundEventsFor(kind))
            if (Sounds->Play(event)) return;
    if (Bell) Bell();
}

BitmapPtr QtImages::LoadImage(const std::string& path) { return ToBitmap(QImage(ToQString(path))); }

void QtCursors::SetScreenCursor(Cursor c) {
    while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
    if (c != Cursor::Default) QGuiApplication::setOverrideCursor(QCursor(ToQtCursor(c)));
}

}  // namespace fv
