// Message boxes with the buttons and icons the flags ask for, the answers of each button, and the screen
// cursor.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

#include "next_message_box.h"
#include "view/qt_services.h"

namespace fv {
namespace {

struct BoxCase {
    unsigned flags;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    QMessageBox::StandardButton press;
    int answer;
};

TEST(QtMessagesTest, EachBoxHasTheButtonsAndIconOfItsFlagsAndAnswersWithThePressedButton) {
    using B = QMessageBox;
    const BoxCase cases[] = {
        {MbOk, B::Ok, B::NoIcon, B::Ok, IdOk},
        {MbOkCancel | MbIconQuestion, B::Ok | B::Cancel, B::Question, B::Cancel, IdCancel},
        {MbOkCancel | MbIconExclamation, B::Ok | B::Cancel, B::Warning, B::Ok, IdOk},
        {MbAbortRetryIgnore | MbIconHand, B::Abort | B::Retry | B::Ignore, B::Critical, B::Retry, IdRetry},
        {MbAbortRetryIgnore, B::Abort | B::Retry | B::Ignore, B::NoIcon, B::Abort, IdAbort},
        {MbAbortRetryIgnore, B::Abort | B::Retry | B::Ignore, B::NoIcon, B::Ignore, IdIgnore},
        {MbYesNoCancel | MbIconQuestion, B::Yes | B::No | B::Cancel, B::Question, B::No, IdNo},
        {MbYesNoCancel, B::Yes | B::No | B::Cancel, B::NoIcon, B::Yes, IdYes},
        {MbYesNo | MbIconAsterisk, B::Yes | B::No, B::Information, B::No, IdNo},
        {MbRetryCancel, B::Retry | B::Cancel, B::NoIcon, B::Retry, IdRetry},
    };
    QtMessages messages;
    for (const BoxCase& c : cases) {
        QMessageBox::StandardButtons shown;
        QMessageBox::Icon icon = B::NoIcon;
        QString title, text;
        OnNextBox([&](QMessageBox* box) {
            shown = box->standardButtons();
            icon = box->icon();
            title = box->windowTitle();
            text = box->text();
            box->button(c.press)->click();
        });
        int answer = messages.MessageBox("Save the changes to «ma base»?", "Folivex", c.flags);
        EXPECT_EQ(answer, c.answer) << std::hex << c.flags;
        EXPECT_EQ(shown, c.buttons) << std::hex << c.flags;
        EXPECT_EQ(icon, c.icon) << std::hex << c.flags;
        EXPECT_EQ(title, QString("Folivex"));
        EXPECT_EQ(text, QString::fromUtf8("Save the changes to «ma base»?"));
    }
}

TEST(QtMessagesTest, EscapeAnswersCancelWhereThereIsOneAndOkOnAPlainMessage) {
    QtMessages messages;
    for (auto [flags, expected] : {std::pair{unsigned(MbOkCancel), int(IdCancel)}, std::pair{unsigned(MbYesNoCancel), int(IdCancel)},
                                   std::pair{unsigned(MbOk), int(IdOk)}}) {
        OnNextBox([](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
        EXPECT_EQ(messages.MessageBox("Question", "Folivex", flags), expected) << flags;
    }
}

// A question without a cancel answer is never answered by Escape nor by its close box (No to "Save
// Changes?" would throw the changes away): the box stays until a button is pressed.
TEST(QtMessagesTest, EscapeAndTheCloseBoxLeaveAQuestionWithoutCancelOpen) {
    using B = QMessageBox;
    const struct {
        const char* reason;
        unsigned flags;
        B::StandardButton press;
        int answer;
    } cases[] = {
        {"yes/no: Qt would take No", MbYesNo | MbIconQuestion, B::Yes, IdYes},
        {"yes/no, then No pressed on purpose", MbYesNo, B::No, IdNo},
        {"abort/retry/ignore has no cancel either", MbAbortRetryIgnore, B::Retry, IdRetry},
    };
    QtMessages messages;
    for (const auto& c : cases) {
        bool openAfterEscape = false, openAfterClose = false;
        OnNextBox([&](QMessageBox* box) {
            QTest::keyClick(box, Qt::Key_Escape);
            openAfterEscape = box->isVisible();
            box->close();
            openAfterClose = box->isVisible();
            box->button(c.press)->click();
        });
        EXPECT_EQ(messages.MessageBox("Do you want to Save your recent changes ?", "Save Changes?", c.flags), c.answer)
            << c.reason;
        EXPECT_TRUE(openAfterEscape) << c.reason;
        EXPECT_TRUE(openAfterClose) << c.reason;
    }
}

TEST(QtImagesTest, APictureFileBecomesABitmapAndAnythingElseNothing) {
    QtImages images;
    const std::string splash = std::string(FOLIVEX_SOURCE_DIR) + "/resources/splash.png";
    BitmapPtr bitmap = images.LoadImage(splash);
    ASSERT_NE(bitmap, nullptr);
    EXPECT_EQ(bitmap->Width, 222);
    EXPECT_EQ(bitmap->Height, 88);
    QImage reference(QString::fromStdString(splash));
    for (QPoint p : {QPoint(0, 0), QPoint(30, 40), QPoint(120, 30), QPoint(221, 87)})
        EXPECT_EQ(bitmap->Pixels[std::size_t(p.y() * 222 + p.x())], reference.convertToFormat(QImage::Format_ARGB32).pixel(p))
            << p.x() << "," << p.y();
    EXPECT_EQ(images.LoadImage(std::string(FOLIVEX_SOURCE_DIR) + "/CMakeLists.txt"), nullptr);
    EXPECT_EQ(images.LoadImage("/nonexistent/picture.jpg"), nullptr);
}

TEST(QtCursorsTest, TheScreenCursorIsTheOverrideCursorAndDefaultGivesTheWidgetsTheirsBack) {
    QtCursors cursors;
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    const std::pair<Cursor, Qt::CursorShape> cases[] = {
        {Cursor::HourGlass, Qt::WaitCursor}, {Cursor::IBeam, Qt::IBeamCursor}, {Cursor::HandPoint, Qt::PointingHandCursor},
        {Cursor::Arrow, Qt::ArrowCursor},    {Cursor::SizeWE, Qt::SizeHorCursor},
    };
    for (auto [cursor, shape] : cases) {
        cursors.SetScreenCursor(cursor);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), shape);
    }
    cursors.SetScreenCursor(Cursor::Default);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "no cursor is left stacked";
}

}  // namespace
}  // namespace fv
