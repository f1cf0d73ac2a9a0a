// The program driven by the keyboard through the Qt view: answers of the questions, and the keys of the
// main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>

#include "app/browser_form.h"
#include "app/db_setup_form.h"
#include "app/folivex_form.h"
#include "app/image_form.h"
#include "app/progress_forms.h"
#include "app/search_form.h"
#include "app/startup.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "publish/cart_settings_form.h"
#include "publish/font_form.h"
#include "publish/html_form.h"
#include "publish/lang_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"
#include "upload/ftp_form.h"
#include "upload/upload_form.h"
#include "platform/fs/files.h"
#include "platform/ui/edit.h"
#include "program/program.h"
#include "next_message_box.h"
#include "view/qt_services.h"
#include "view_program_fixture.h"

namespace fv {
namespace {

class KeyboardJourneysTest : public ViewProgramFixture {
protected:
    void TearDown() override {
        app.SetMessages(nullptr);
        ViewProgramFixture::TearDown();
    }
    void StartWithDatabase() {
        auto small = ReadWholeFile(std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/records/small.db");
        ASSERT_TRUE(small);
        ASSERT_TRUE(WriteWholeFile(dir.File("folivex.db"), *small));
        ASSERT_TRUE(StartProgram(*program));
        ASSERT_TRUE(loop.RunUntil([&] { return program->RecordCount == 3 && !program->IsLoading; }, 30000));
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    QtMessages boxes;
};

// Escape on the exit question "Save Changes?" (Yes and No only) neither quits nor throws the changes
// away: the question stays until Yes saves them.
TEST_F(KeyboardJourneysTest, EscapeOnTheExitQuestionKeepsTheChangesUntilAButtonAnswers) {
    StartWithDatabase();
    app.SetMessages(&boxes);  // the program's own message boxes
    Main().DBLabel[0]->SetText("Make");
    program->DatabaseModified = 1;
    std::string caption;
    bool openAfterEscape = false;
    int exitsWhileAsked = -1;
    OnNextBox([&](QMessageBox* box) {
        caption = box->windowTitle().toStdString();
        QTest::keyClick(box, Qt::Key_Escape);
        QApplication::processEvents();
        openAfterEscape = box->isVisible();
        exitsWhileAsked = int(exitCodes.size());
        box->button(QMessageBox::Yes)->click();
    });
    Main().ExitButtonClick(nullptr);
    EXPECT_EQ(caption, "Save Changes?");
    EXPECT_TRUE(openAfterEscape);
    EXPECT_EQ(exitsWhileAsked, 0);
    EXPECT_EQ(exitCodes, std::vector<int>{0});
    // Yes saved the change: the configuration on disk holds the new label.
    EXPECT_NE(ReadWholeFile(dir.File("folivex.cfg")).value_or("").find("\r\nMake\r\n"), std::string::npos);
}

// After Resort by its key (Ctrl+R) the main window has the keyboard again, with the focus where it was, and
// a Tab moves on from there.
TEST_F(KeyboardJourneysTest, AfterResortTheFocusComesBackToWhereItWas) {
    StartWithDatabase();
    QWidget* window = view->WindowOf(Main());
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    QWidget* order = view->WidgetOf(*Main().Order[0]);
    order->setFocus();
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::focusWidget() == order; }, 30000));
    int sorts = 0;
    program->SortForm->OnShow = [&](Component*) { ++sorts; };
    QTest::keyClick(window, Qt::Key_R, Qt::ControlModifier);
    loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000);
    EXPECT_EQ(sorts, 1);
    EXPECT_FALSE(program->SortForm->Visible());
    EXPECT_EQ(QApplication::activeWindow(), window)
        << (QApplication::activeWindow() ? QApplication::activeWindow()->windowTitle().toStdString() : "none");
    EXPECT_EQ(QApplication::focusWidget(), order);
    // Keys work again: typing goes into the field that has the focus.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_1);
    EXPECT_EQ(Main().Order[0]->Text(), "1");
}

// Tab and Shift+Tab move the focus out of "Further Details" instead of typing a tab into it.
TEST_F(KeyboardJourneysTest, TabAndShiftTabLeaveTheFurtherDetailsMemo) {
    StartWithDatabase();
    QWidget* window = view->WindowOf(Main());
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    QWidget* memo = view->WidgetOf(*Main().ScrollBox);
    const std::string before = Main().ScrollBox->Text();
    for (Qt::KeyboardModifier shift : {Qt::NoModifier, Qt::ShiftModifier}) {
        memo->setFocus();
        ASSERT_TRUE(loop.RunUntil([&] { return QApplication::focusWidget() == memo; }, 30000));
        QTest::keyClick(memo, Qt::Key_Tab, shift);
        EXPECT_NE(QApplication::focusWidget(), memo) << (shift ? "Shift+Tab" : "Tab");
        EXPECT_EQ(Main().ScrollBox->Text(), before);
    }
}

// Tabbing into a field starts no edit; typing does, and Escape cancels it, putting the record back.
TEST_F(KeyboardJourneysTest, TypingStartsAnEditAndEscapeCancelsIt) {
    StartWithDatabase();
    QWidget* window = view->WindowOf(Main());
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    QWidget* field = view->WidgetOf(*Main().DBEdit[0]);
    field->setFocus();
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::focusWidget() == field; }, 30000));
    EXPECT_FALSE(Main().SaveButton->Enabled());
    EXPECT_EQ(program->RecordModified, 0);
    QTest::keyClicks(field, "X");
    EXPECT_EQ(program->RecordModified, 1);
    EXPECT_TRUE(Main().CancelButton->Enabled());
    QTest::keyClick(field, Qt::Key_Escape);
    EXPECT_EQ(program->RecordModified, 0);
    EXPECT_FALSE(Main().SaveButton->Enabled());
    EXPECT_EQ(Main().DBEdit[0]->Text(), "Jaguar XJ");
    EXPECT_EQ(program->RecordTable[0].Field[0], "Jaguar XJ");
}

// Typing in the category box keeps every letter a category continues, with no message, and Tab out of it
// picks that category.
TEST_F(KeyboardJourneysTest, TypingInTheCategoryBoxPicksACategoryWithoutLosingKeys) {
    StartWithDatabase();
    Main().Category->SetItems({"Executive", "4x4", "Family"});
    QWidget* window = view->WindowOf(Main());
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    auto* box = static_cast<QComboBox*>(view->WidgetOf(*Main().Category));
    ASSERT_TRUE(box->isEditable());
    box->setFocus();
    ASSERT_TRUE(loop.RunUntil([&] { return box->hasFocus(); }, 30000));
    box->lineEdit()->selectAll();
    app.Scripted().ClearLog();
    QTest::keyClicks(box, "faz");
    EXPECT_EQ(Main().Category->Text(), "fa");  // "z" continues no category
    EXPECT_TRUE(app.Scripted().Messages().empty());
    QTest::keyClick(box, Qt::Key_Tab);
    EXPECT_EQ(Main().Category->Text(), "Family");
    EXPECT_EQ(box->currentText().toStdString(), "Family");
    EXPECT_EQ(program->RecordModified, 1);
}

// Return in the picture picker's folder list opens the folder, as a double click does; it is not the
// picker's OK.
TEST_F(KeyboardJourneysTest, ReturnInThePickersFolderListOpensTheFolder) {
    ASSERT_TRUE(StartProgram(*program));
    ASSERT_TRUE(loop.RunUntil([&] { return program->FolivexForm->Visible() && !program->IsLoading; }, 30000));
    ASSERT_TRUE(MakeDirectory(dir.File("pics")));
    TImageForm& picker = *program->ImageForm;
    ASSERT_TRUE(picker.DirList->SetDirectory(dir.Path()));
    int row = -1;
    for (int i = 0; i < picker.DirList->Count(); ++i)
        if (picker.DirList->DirectoryOfItem(i) == dir.File("pics")) row = i;
    ASSERT_GE(row, 0);

    bool openAfterReturn = false;
    std::string folderAfterReturn;
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [&, poll] {
        QWidget* list = view->WidgetOf(*picker.DirList);
        if (!picker.Visible() || !list || !list->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        list->setFocus();
        static_cast<QListWidget*>(list)->setCurrentRow(row);
        QTest::keyClick(list, Qt::Key_Return);
        openAfterReturn = picker.Visible() && picker.ModalResult() == MrNone;
        folderAfterReturn = picker.DirList->Directory();
        picker.CancelButton->Click();
    });
    poll->start();
    EXPECT_EQ(picker.ShowModal(), MrCancel);
    EXPECT_TRUE(openAfterReturn);
    EXPECT_EQ(folderAfterReturn, dir.File("pics"));
}

// Runs act once the form is on screen with its window active (a modal form runs its own loop by then).
void WhenShown(QtView& view, Form& form, std::function<void()> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [&view, &form, poll, act] {
        QWidget* w = view.WindowOf(form);
        if (!form.Visible() || !w || QApplication::activeWindow() != w) return;
        poll->stop();
        poll->deleteLater();
        act();
    });
    poll->start();
}

// The keyed settings dialogs of the publishing setup open by their keys and close on Escape.
TEST_F(KeyboardJourneysTest, TheKeyedSetupDialogsOpenByTheirKeysAndCloseOnEscape) {
    StartWithDatabase();
    QWidget* window = view->WindowOf(Main());
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    struct Case {
        Qt::Key key;
        Form* form;
    };
    for (const Case& c : {Case{Qt::Key_F, program->FTPForm}, Case{Qt::Key_H, program->HTMLForm},
                          Case{Qt::Key_E, program->SearchSetup}, Case{Qt::Key_L, program->LangForm}}) {
        bool shown = false, closedByEscape = false;
        WhenShown(*view, *c.form, [&] {
            shown = true;
            QWidget* focus = QApplication::focusWidget();
            QTest::keyClick(focus ? focus : view->WindowOf(*c.form), Qt::Key_Escape);
            closedByEscape = c.form->ModalResult() == MrCancel;
            if (!closedByEscape) c.form->SetModalResult(MrOk);
        });
        QTest::keyClick(window, c.key, Qt::ControlModifier);
        EXPECT_TRUE(shown) << c.form->Name();
        EXPECT_TRUE(closedByEscape) << c.form->Name();
        EXPECT_FALSE(c.form->Visible()) << c.form->Name();
        ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    }
}

// A text box as some desktops make it: it keeps Ctrl+E (the end of the line) for itself.
class KeepsCtrlE : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride &&
            static_cast<QKeyEvent*>(event)->keyCombination() == QKeyCombination(Qt::ControlModifier, Qt::Key_E))
            event->accept();
        return false;
    }
};

// The menu's keys reach their dialogs while the focus is in a field, also those a text box would take
// for moving its cursor (Ctrl+E, end of line, on some desktops): the menu's key comes first.
TEST_F(KeyboardJourneysTest, TheMenuKeysWorkWhileTheFocusIsInAField) {
    StartWithDatabase();
    QWidget* window = view->WindowOf(Main());
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    QWidget* field = view->WidgetOf(*Main().DBEdit[1]);
    KeepsCtrlE desktopKeys;
    field->installEventFilter(&desktopKeys);
    struct Case {
        Qt::Key key;
        Form* form;
    };
    for (const Case& c : {Case{Qt::Key_E, program->SearchSetup}, Case{Qt::Key_H, program->HTMLForm},
                          Case{Qt::Key_L, program->LangForm}, Case{Qt::Key_F, program->FTPForm}}) {
        field->setFocus();
        ASSERT_TRUE(loop.RunUntil([&] { return QApplication::focusWidget() == field; }, 30000));
        bool shown = false;
        WhenShown(*view, *c.form, [&] {
            shown = true;
            c.form->SetModalResult(MrCancel);
        });
        QTest::keyClick(field, c.key, Qt::ControlModifier);
        EXPECT_TRUE(shown) << c.form->Name();
        ASSERT_TRUE(loop.RunUntil([&] { return !c.form->Visible(); }, 30000)) << c.form->Name();
        ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    }
    EXPECT_EQ(Main().DBEdit[1]->Text(), program->RecordTable[0].Field[1]);
    EXPECT_EQ(program->RecordModified, 0);
}

// The other keys of the menu reach their commands: Ctrl+O the database dialog, Ctrl+W the browser question
// of View, Ctrl+G the upload window, Ctrl+S the save and Ctrl+P the publish (with its notice while every page
// is published each time).
TEST_F(KeyboardJourneysTest, TheOtherMenuKeysReachTheirCommands) {
    StartWithDatabase();
    QWidget* window = view->WindowOf(Main());
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    struct Case {
        Qt::Key key;
        Form* form;
    };
    for (const Case& c : {Case{Qt::Key_O, program->DBSetupForm}, Case{Qt::Key_W, program->BrowserForm},
                          Case{Qt::Key_G, program->UploadForm}}) {
        bool shown = false;
        WhenShown(*view, *c.form, [&] {
            shown = true;
            c.form->SetModalResult(MrCancel);
        });
        QTest::keyClick(window, c.key, Qt::ControlModifier);
        EXPECT_TRUE(shown) << c.form->Name();
        EXPECT_FALSE(c.form->Visible()) << c.form->Name();
        ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    }

    RemoveFile(dir.File("folivex.db"));
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(loop.RunUntil([&] { return IsRegularFile(dir.File("folivex.db")); }, 30000));
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));

    ASSERT_TRUE(program->PublishSetupForm->ForcePublish->Checked());
    app.Scripted().ClearLog();
    QTest::keyClick(window, Qt::Key_P, Qt::ControlModifier);
    EXPECT_TRUE(loop.RunUntil([&] { return IsRegularFile(JoinPath(program->PublishDirectory, "qlx_index.htm")); },
                              30000));
    ASSERT_FALSE(app.Scripted().Messages().empty());
    EXPECT_EQ(app.Scripted().Messages().front().rfind("The 'Force Publish' box is checked", 0), 0u)
        << app.Scripted().Messages().front();
}

// The menu entries without a key of their own are reached through the menu by keys: "General Publishing
// Rules" under "Publishing Setup Options", and the cart setup; each window closes by its OK button.
TEST_F(KeyboardJourneysTest, TheSetupEntriesWithoutAKeyOpenThroughTheMenuByKeys) {
    StartWithDatabase();
    QWidget* window = view->WindowOf(Main());
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    auto popupKey = [&](Qt::Key key) {
        QWidget* popup = QApplication::activePopupWidget();
        ASSERT_NE(popup, nullptr);
        QTest::keyClick(popup, key);
    };
    // Alt+P opens "Publish" on its first entry; one down is "Publishing Setup Options", Right opens it on
    // "General Publishing Rules".
    QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activePopupWidget() != nullptr; }, 30000));
    popupKey(Qt::Key_Down);
    popupKey(Qt::Key_Right);
    ASSERT_TRUE(loop.RunUntil(
        [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            return menu && menu->activeAction() && menu->activeAction()->text() == "General Publishing Rules";
        },
        3000));
    popupKey(Qt::Key_Return);
    TPublishSetupForm& rules = *program->PublishSetupForm;
    QWidget* rulesWindow = view->WindowOf(rules);
    ASSERT_TRUE(loop.RunUntil([&] { return rules.Visible() && QApplication::activeWindow() == rulesWindow; }, 30000));
    QWidget* ok = view->WidgetOf(*rules.OKButton);
    ok->setFocus();
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::focusWidget() == ok; }, 30000));
    QTest::keyClick(ok, Qt::Key_Space);
    EXPECT_TRUE(loop.RunUntil([&] { return !rules.Visible(); }, 30000));

    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    QTest::keyClick(window, Qt::Key_C, Qt::AltModifier);
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activePopupWidget() != nullptr; }, 30000));
    popupKey(Qt::Key_Return);
    TKarvoForm& cart = *program->KarvoForm;
    ASSERT_TRUE(loop.RunUntil(
        [&] { return cart.Visible() && QApplication::activeWindow() == view->WindowOf(cart); }, 30000));
    // The cart setup closes by its OK button, focused and pressed with Return.
    QWidget* cartOk = view->WidgetOf(*cart.BitBtn1);
    cartOk->setFocus();
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::focusWidget() == cartOk; }, 30000));
    QTest::keyClick(cartOk, Qt::Key_Return);
    EXPECT_TRUE(loop.RunUntil([&] { return !cart.Visible(); }, 30000));
}

// Tab reaches the font swatches and the labels after the rows' settings, and Return on a swatch opens the
// font dialog a double click opens.
TEST_F(KeyboardJourneysTest, TabThenReturnOpensTheFontOfASwatch) {
    StartWithDatabase();
    QWidget* window = view->WindowOf(Main());
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    QWidget* lastSearch = view->WidgetOf(*Main().Search[19]);
    lastSearch->setFocus();
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::focusWidget() == lastSearch; }, 30000));
    QTest::keyClick(lastSearch, Qt::Key_Tab);
    QWidget* swatch = view->WidgetOf(*Main().LabelColour);
    EXPECT_EQ(QApplication::focusWidget(), swatch);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), view->WidgetOf(*Main().DBLabel[0]));
    bool fontShown = false;
    WhenShown(*view, *program->FontForm, [&] {
        fontShown = true;
        program->FontForm->CancelButton->Click();
    });
    QTest::keyClick(swatch, Qt::Key_Return);
    EXPECT_TRUE(fontShown);
    EXPECT_FALSE(program->FontForm->Visible());
}

// Tab reaches a field and Return there searches it, as a double click does.
TEST_F(KeyboardJourneysTest, ReturnInAFieldOpensItsSearch) {
    StartWithDatabase();
    QWidget* window = view->WindowOf(Main());
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::activeWindow() == window; }, 30000));
    QWidget* field = view->WidgetOf(*Main().DBEdit[1]);
    field->setFocus();
    ASSERT_TRUE(loop.RunUntil([&] { return QApplication::focusWidget() == field; }, 30000));
    bool searchShown = false;
    WhenShown(*view, *program->SearchForm, [&] {
        searchShown = true;
        program->SearchForm->SetModalResult(MrCancel);
    });
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(searchShown);
    EXPECT_EQ(program->RecordModified, 0);
}

}  // namespace
}  // namespace fv
