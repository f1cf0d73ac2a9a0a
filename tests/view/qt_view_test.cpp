// The view of the control model: a widget per control at the model's geometry, model changes shown
// without echoing back, the user's input reaching the model's events exactly once through its user
// actions, windows, menus, closing and modal forms.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTextCursor>
#include <QTest>
#include <QWindow>
#include <QToolButton>

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/app/application.h"
#include "platform/ui/bevel.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/group_box.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/list_box.h"
#include "platform/ui/memo.h"
#include "platform/ui/menu.h"
#include "platform/ui/page_control.h"
#include "platform/ui/panel.h"
#include "platform/ui/progress_bar.h"
#include "platform/ui/radio_button.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/scroll_bar.h"
#include "platform/ui/speed_button.h"
#include "platform/ui/tab_control.h"
#include "platform/ui/tab_sheet.h"
#include "platform/ui/up_down.h"
#include "view/qt_loop.h"
#include "view/qt_view.h"

namespace fv {
namespace {

class ViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = app.CreateForm<Form>("TestForm");
        form->SetCaption("Test window");
        form->SetBounds(30, 40, 408, 327);  // a client area of 400 x 300
    }

    template <class T>
    T* Add(Control* parent, const std::string& name, int left, int top, int width, int height,
           const std::string& caption = {}) {
        T* c = form->Make<T>(name);
        c->SetBounds(left, top, width, height);
        if (!caption.empty()) c->SetCaption(caption);
        c->SetParent(parent ? parent : form);
        return c;
    }

    // The widget of a control, once the view has read what the model set without reporting it.
    template <class W = QWidget>
    W* WidgetOf(const Control& c) {
        loop.ProcessPending();
        return qobject_cast<W*>(view->WidgetOf(c));
    }
    QWidget* Window() { return view->WindowOf(*form); }
    QWidget* Client() { return view->ClientOf(*form); }

    void ShowForm() {
        form->Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Window()));
    }
    void ShowFormActive() {
        ShowForm();
        Window()->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(Window()));
    }

    QtLoop loop;
    Application app{loop};
    std::unique_ptr<QtView> view = std::make_unique<QtView>(app);
    Form* form = nullptr;
};

QRect BoundsOf(const Control& c) { return QRect(c.Left(), c.Top(), c.Width(), c.Height()); }

// Types text key by key as a keyboard does, accented letters included (QTest's typing knows ASCII only).
void Type(QWidget* w, const QString& text) {
    for (QChar ch : text) {
        const int key = ch.toUpper().unicode();
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &press);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(w, &release);
    }
}

// ---- widgets and places

TEST_F(ViewTest, EveryKindGetsItsWidgetAtTheControlsPlaceInTheClientArea) {
    auto* label = Add<Label>(nullptr, "Label1", 8, 280, 120, 13, "&Name:");
    label->AutoSize = false;  // set after the control is placed, as forms do: the view reads it on the next turn
    struct Case {
        Control* control;
        const char* qtClass;
    };
    const std::vector<Case> cases = {
        {label, "QLabel"},
        {Add<Edit>(nullptr, "Edit1", 8, 8, 121, 21), "QLineEdit"},
        {Add<Memo>(nullptr, "Memo1", 8, 36, 185, 89), "QPlainTextEdit"},
        {Add<Button>(nullptr, "Button1", 200, 8, 75, 25, "&OK"), "QPushButton"},
        {Add<BitBtn>(nullptr, "BitBtn1", 200, 40, 75, 25, "Cancel"), "QPushButton"},
        {Add<SpeedButton>(nullptr, "Speed1", 280, 8, 23, 22, ">"), "QToolButton"},
        {Add<CheckBox>(nullptr, "Check1", 8, 130, 97, 17, "Active"), "QCheckBox"},
        {Add<RadioButton>(nullptr, "Radio1", 8, 150, 97, 17, "One"), "QRadioButton"},
        {Add<GroupBox>(nullptr, "Group1", 200, 70, 185, 60, "Group"), "QGroupBox"},
        {Add<RadioGroup>(nullptr, "RadioGroup1", 200, 135, 185, 60, "Choice"), "QGroupBox"},
        {Add<Panel>(nullptr, "Panel1", 8, 170, 90, 30, "Panel"), "QWidget"},
        {Add<ComboBox>(nullptr, "Combo1", 8, 205, 145, 21), "QComboBox"},
        {Add<ListBox>(nullptr, "List1", 160, 200, 120, 60), "QListWidget"},
        {Add<Image>(nullptr, "Image1", 290, 200, 32, 32), "QLabel"},
        {Add<ProgressBar>(nullptr, "Progress1", 8, 232, 145, 16), "QProgressBar"},
        {Add<ScrollBar>(nullptr, "Scroll1", 8, 252, 145, 16), "QScrollBar"},
        {Add<UpDown>(nullptr, "UpDown1", 330, 200, 16, 24), "QWidget"},
        {Add<PageControl>(nullptr, "Pages1", 290, 240, 100, 55), "QTabWidget"},
        {Add<TabControl>(nullptr, "Tabs1", 160, 265, 120, 30), "QWidget"},
        {Add<Bevel>(nullptr, "Bevel1", 0, 296, 400, 2), "QWidget"},
    };
    ShowForm();
    for (const Case& c : cases) {
        QWidget* w = WidgetOf(*c.control);
        ASSERT_NE(w, nullptr) << c.control->Name();
        EXPECT_TRUE(w->inherits(c.qtClass)) << c.control->Name() << " is a " << w->metaObject()->className();
        EXPECT_EQ(w->parentWidget(), Client()) << c.control->Name();
        EXPECT_EQ(w->geometry(), BoundsOf(*c.control)) << c.control->Name();
        EXPECT_TRUE(w->isVisible()) << c.control->Name();
    }
    EXPECT_EQ(WidgetOf<QLabel>(*label)->text(), QString("Name:")) << "a label shows its caption without the access key";
}

TEST_F(ViewTest, GroupBoxChildrenArePlacedFromTheGroupBoxsOwnCorner) {
    auto* group = Add<GroupBox>(nullptr, "Group1", 20, 30, 200, 120, "Address");
    auto* edit = Add<Edit>(group, "Street", 10, 15, 150, 21);
    auto* panel = Add<Panel>(nullptr, "Panel1", 230, 30, 150, 100);
    auto* button = Add<Button>(panel, "Go", 5, 5, 60, 25, "Go");
    ShowForm();
    QWidget* e = WidgetOf(*edit);
    EXPECT_EQ(e->parentWidget(), WidgetOf(*group));
    EXPECT_EQ(e->geometry(), QRect(10, 15, 150, 21));
    EXPECT_EQ(e->mapTo(Client(), QPoint(0, 0)), QPoint(30, 45));
    EXPECT_EQ(WidgetOf(*button)->mapTo(Client(), QPoint(0, 0)), QPoint(235, 35));
    edit->SetLeft(40);
    EXPECT_EQ(e->mapTo(Client(), QPoint(0, 0)), QPoint(60, 45));
}

TEST_F(ViewTest, AnAutoSizedLabelTakesTheSizeOfItsText) {
    auto* label = Add<Label>(nullptr, "Label1", 10, 10, 5, 5, "A");
    ShowForm();
    int narrow = WidgetOf(*label)->width();
    label->SetCaption("A much longer caption");
    QWidget* w = WidgetOf(*label);
    EXPECT_GT(w->width(), narrow + 50);
    EXPECT_EQ(w->pos(), QPoint(10, 10));
    EXPECT_EQ(w->size(), w->sizeHint());
}

TEST_F(ViewTest, TheWindowHasTheFormsTitlePlaceAndClientSize) {
    ShowForm();
    QWidget* w = Window();
    EXPECT_EQ(w->windowTitle(), QString("Test window"));
    EXPECT_EQ(Client()->size(), QSize(400, 300));
    EXPECT_EQ(w->size(), QSize(400, 300)) << "no menu bar: the window is all client area";
    EXPECT_EQ(w->pos(), QPoint(30, 40));

    form->SetCaption("Renamed");
    EXPECT_EQ(w->windowTitle(), QString("Renamed"));
    form->SetClientSize(300, 200);
    EXPECT_EQ(Client()->size(), QSize(300, 200));
    EXPECT_NE(w->minimumSize(), w->maximumSize()) << "a sizeable form can be resized";
    form->SetBorder(FormBorder::Dialog);
    EXPECT_EQ(w->minimumSize(), w->maximumSize());
    EXPECT_TRUE(w->isVisible()) << "changing the border keeps the window shown";
    form->SetBorder(FormBorder::None);
    EXPECT_TRUE(w->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(Client()->size(), QSize(form->Width(), form->Height()));
}

TEST_F(ViewTest, ShowingAndHidingFollowTheForm) {
    EXPECT_FALSE(Window()->isVisible());
    form->Show();
    EXPECT_TRUE(Window()->isVisible());
    form->Hide();
    EXPECT_FALSE(Window()->isVisible());
}

TEST_F(ViewTest, AFormMadeBeforeTheViewIsShownToo) {
    view.reset();
    auto* early = app.CreateForm<Form>("Early");
    early->SetClientSize(120, 80);
    early->Show();
    view = std::make_unique<QtView>(app);
    QWidget* w = view->WindowOf(*early);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(view->ClientOf(*early)->size(), QSize(120, 80));
    ASSERT_NE(view->WindowOf(*form), nullptr);
}

// ---- model to screen

TEST_F(ViewTest, ModelChangesShowInTheWidgetsAndNeverEchoBack) {
    auto* edit = Add<Edit>(nullptr, "Edit1", 8, 8, 121, 21);
    auto* check = Add<CheckBox>(nullptr, "Check1", 8, 40, 97, 17, "Active");
    auto* r1 = Add<RadioButton>(nullptr, "R1", 8, 60, 97, 17, "One");
    auto* r2 = Add<RadioButton>(nullptr, "R2", 8, 80, 97, 17, "Two");
    auto* combo = Add<ComboBox>(nullptr, "Combo1", 8, 100, 145, 21);
    auto* list = Add<ListBox>(nullptr, "List1", 160, 8, 120, 80);
    auto* progress = Add<ProgressBar>(nullptr, "Progress1", 8, 130, 145, 16);
    auto* scroll = Add<ScrollBar>(nullptr, "Scroll1", 8, 150, 145, 16);
    int editChanges = 0, checkClicks = 0, r1Clicks = 0, r2Clicks = 0, comboEvents = 0, scrollChanges = 0;
    edit->OnChange = [&](Component*) { ++editChanges; };
    check->OnClick = [&](Component*) { ++checkClicks; };
    r1->OnClick = [&](Component*) { ++r1Clicks; };
    r2->OnClick = [&](Component*) { ++r2Clicks; };
    combo->OnChange = combo->OnClick = [&](Component*) { ++comboEvents; };
    scroll->OnChange = [&](Component*) { ++scrollChanges; };
    r1->SetChecked(true);
    ShowForm();

    edit->SetText("Hello");
    EXPECT_EQ(WidgetOf<QLineEdit>(*edit)->text(), QString("Hello"));
    EXPECT_EQ(editChanges, 1) << "the model's own change only";
    edit->Hide();
    EXPECT_TRUE(WidgetOf(*edit)->isHidden());
    edit->Show();
    EXPECT_TRUE(WidgetOf(*edit)->isVisible());
    edit->SetEnabled(false);
    EXPECT_FALSE(WidgetOf(*edit)->isEnabled());
    edit->SetHint("Type the name");
    EXPECT_EQ(WidgetOf(*edit)->toolTip(), QString("Type the name"));
    edit->SetReadOnly(true);
    EXPECT_TRUE(WidgetOf<QLineEdit>(*edit)->isReadOnly());
    edit->SetPasswordChar('*');
    EXPECT_EQ(WidgetOf<QLineEdit>(*edit)->echoMode(), QLineEdit::Password);
    Font big;
    big.Size = 12;
    big.Style = FsBold | FsItalic;
    edit->SetFont(big);
    EXPECT_TRUE(WidgetOf(*edit)->font().bold());
    EXPECT_TRUE(WidgetOf(*edit)->font().italic());
    EXPECT_EQ(WidgetOf(*edit)->font().pixelSize(), 16) << "12 points at 96 dots per inch";
    edit->SetColor(ClYellow);
    EXPECT_EQ(WidgetOf(*edit)->palette().color(QPalette::Base), QColor(255, 255, 0));
    edit->SetCursor(Cursor::HandPoint);
    EXPECT_EQ(WidgetOf(*edit)->cursor().shape(), Qt::PointingHandCursor);

    check->SetChecked(true);
    EXPECT_TRUE(WidgetOf<QCheckBox>(*check)->isChecked());
    EXPECT_EQ(checkClicks, 1);

    EXPECT_TRUE(WidgetOf<QRadioButton>(*r1)->isChecked());
    r2->SetChecked(true);
    EXPECT_FALSE(WidgetOf<QRadioButton>(*r1)->isChecked());
    EXPECT_TRUE(WidgetOf<QRadioButton>(*r2)->isChecked());
    EXPECT_EQ(r1Clicks, 1);
    EXPECT_EQ(r2Clicks, 1);

    combo->SetItems({"red", "green", "blue"});
    combo->SetItemIndex(2);
    auto* qcombo = WidgetOf<QComboBox>(*combo);
    EXPECT_EQ(qcombo->count(), 3);
    EXPECT_EQ(qcombo->currentIndex(), 2);
    EXPECT_EQ(qcombo->currentText(), QString("blue"));
    EXPECT_EQ(comboEvents, 0) << "setting a combo box's index from code fires nothing";

    list->SetItems({"alpha", "beta", "gamma"});
    list->SetItemIndex(1);
    auto* qlist = WidgetOf<QListWidget>(*list);
    EXPECT_EQ(qlist->count(), 3);
    EXPECT_EQ(qlist->currentRow(), 1);
    list->DeleteItem(0);
    EXPECT_EQ(qlist->count(), 2);
    EXPECT_EQ(qlist->item(0)->text(), QString("beta"));
    EXPECT_EQ(qlist->currentRow(), 0);
    list->ClearItems();
    EXPECT_EQ(qlist->count(), 0);
    EXPECT_EQ(list->ItemIndex(), -1);

    progress->SetRange(0, 200);
    progress->SetPosition(50);
    EXPECT_EQ(WidgetOf<QProgressBar>(*progress)->maximum(), 200);
    EXPECT_EQ(WidgetOf<QProgressBar>(*progress)->value(), 50);

    scroll->SetRange(0, 10);
    scroll->SetPosition(7);
    EXPECT_EQ(WidgetOf<QScrollBar>(*scroll)->maximum(), 10);
    EXPECT_EQ(WidgetOf<QScrollBar>(*scroll)->value(), 7);
    EXPECT_EQ(scrollChanges, 1);
}

TEST_F(ViewTest, PagesOfAPageControlAreTabsAndTheActivePageIsShown) {
    auto* pages = Add<PageControl>(nullptr, "Pages", 8, 8, 300, 200);
    auto* first = Add<TabSheet>(pages, "First", 0, 0, 0, 0, "&General");
    auto* second = Add<TabSheet>(pages, "Second", 0, 0, 0, 0, "&Advanced");
    auto* inside = Add<Edit>(second, "Inside", 10, 12, 100, 21);
    pages->SetActivePage(first);
    ShowForm();
    auto* tabs = WidgetOf<QTabWidget>(*pages);
    ASSERT_EQ(tabs->count(), 2);
    EXPECT_EQ(tabs->tabText(0), QString("&General"));
    EXPECT_EQ(tabs->widget(1), WidgetOf(*second));
    EXPECT_EQ(tabs->currentWidget(), WidgetOf(*first));
    EXPECT_EQ(WidgetOf(*inside)->parentWidget(), WidgetOf(*second));
    EXPECT_EQ(WidgetOf(*inside)->geometry(), QRect(10, 12, 100, 21));
    pages->SetActivePage(second);
    EXPECT_EQ(tabs->currentWidget(), WidgetOf(*second));
    second->SetCaption("Expert");
    EXPECT_EQ(tabs->tabText(1), QString("Expert"));
}

TEST_F(ViewTest, AnImageShowsItsBitmapOrItsShippedPicture) {
    auto* image = Add<Image>(nullptr, "Image1", 10, 10, 40, 30);
    auto bitmap = std::make_shared<Bitmap>(4, 3, 0xFFFF0000u);
    image->SetPicture(bitmap);
    ShowForm();
    auto* label = WidgetOf<QLabel>(*image);
    QImage shown = label->pixmap().toImage();
    EXPECT_EQ(shown.size(), QSize(4, 3));
    EXPECT_EQ(QColor(shown.pixel(1, 1)), QColor(255, 0, 0));
    EXPECT_FALSE(label->hasScaledContents());
    image->SetStretch(true);
    EXPECT_TRUE(label->hasScaledContents());

    auto* splash = Add<Image>(nullptr, "Splash", 60, 10, 222, 88);
    splash->ResourceName = "splash.png";
    EXPECT_EQ(WidgetOf<QLabel>(*splash)->pixmap().size(), QSize(222, 88)) << "found in the resources folder";
}

TEST_F(ViewTest, AProportionalPictureKeepsItsShapeInsideTheBox) {
    // A red picture four times as wide as high in a square box on a white form.
    form->SetColor(ClWhite);
    auto* image = Add<Image>(nullptr, "Image1", 10, 10, 80, 80);
    image->SetPicture(std::make_shared<Bitmap>(40, 10, 0xFFFF0000u));
    ShowForm();
    struct Case {
        bool stretch, proportional;
        QSize red;  // the red area's size on screen
        const char* why;
    } cases[] = {
        {true, true, QSize(80, 20), "fitted to the box's width, a quarter as high, centred"},
        {true, false, QSize(80, 80), "stretched to the box's own shape"},
        {false, true, QSize(40, 10), "unscaled: proportional alone scales nothing"},
    };
    for (const Case& c : cases) {
        image->SetStretch(c.stretch);
        image->Proportional = c.proportional;
        image->SetPicture(std::make_shared<Bitmap>(40, 10, 0xFFFF0000u));  // the view reads the flags again
        loop.ProcessPending();
        const QImage shown = WidgetOf(*image)->grab().toImage();
        QRect red;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (qRed(shown.pixel(x, y)) > 200 && qGreen(shown.pixel(x, y)) < 80) red |= QRect(x, y, 1, 1);
        EXPECT_EQ(red.size(), c.red) << c.why;
        if (c.stretch && c.proportional) {
            EXPECT_EQ(red.center().y(), 39) << "in the middle of the box";
        }
    }
}

// ---- screen to model

TEST_F(ViewTest, TypingReachesTheModelOnceAKeyAndMaxLengthNeverCutsACharacter) {
    auto* edit = Add<Edit>(nullptr, "Edit1", 8, 8, 121, 21);
    edit->SetMaxLength(5);  // bytes
    std::vector<std::string> changes;
    edit->OnChange = [&](Component*) { changes.push_back(edit->Text()); };
    ShowForm();
    auto* w = WidgetOf<QLineEdit>(*edit);
    Type(w, QString::fromUtf8("héllo!"));
    EXPECT_EQ(edit->Text(), "h\xC3\xA9ll");
    EXPECT_EQ(w->text(), QString::fromUtf8("héll")) << "the box shows what the model kept";
    EXPECT_EQ(changes, (std::vector<std::string>{"h", "h\xC3\xA9", "h\xC3\xA9l", "h\xC3\xA9ll"}));
}

TEST_F(ViewTest, WhatTheModelDoesWithTypedTextIsWhatTheBoxShows) {
    auto* edit = Add<Edit>(nullptr, "Edit1", 8, 8, 121, 21);
    edit->OnChange = [&](Component*) {
        std::string upper = edit->Text();
        for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
        edit->SetText(upper);
    };
    ShowForm();
    QTest::keyClicks(WidgetOf(*edit), "abc");
    EXPECT_EQ(edit->Text(), "ABC");
    EXPECT_EQ(WidgetOf<QLineEdit>(*edit)->text(), QString("ABC"));
}

TEST_F(ViewTest, AMemoKeepsCrLfBetweenLines) {
    auto* memo = Add<Memo>(nullptr, "Memo1", 8, 8, 200, 100);
    int changes = 0;
    memo->OnChange = [&](Component*) { ++changes; };
    ShowForm();
    auto* w = WidgetOf<QPlainTextEdit>(*memo);
    QTest::keyClicks(w, "ab");
    QTest::keyClick(w, Qt::Key_Return);
    QTest::keyClicks(w, "cd");
    EXPECT_EQ(memo->Text(), "ab\r\ncd");
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(memo->Lines(), (std::vector<std::string>{"ab", "cd"}));
    memo->SetLines({"x", "y"});
    EXPECT_EQ(w->toPlainText(), QString("x\ny\n"));
}

TEST_F(ViewTest, TheUsersSelectionReachesTheModelInBytesAndTheModelsShowsOnScreen) {
    auto* edit = Add<Edit>(nullptr, "Edit1", 8, 8, 150, 21);
    auto* memo = Add<Memo>(nullptr, "Memo1", 8, 40, 200, 100);
    edit->SetText("d\xC3\xA9j\xC3\xA0 vu");  // "déjà vu"
    memo->SetLines({"Books", "Caf\xC3\xA9s", "Toys"});
    ShowForm();
    auto* line = WidgetOf<QLineEdit>(*edit);
    line->setSelection(1, 3);  // "éjà"
    EXPECT_EQ(edit->SelText(), "\xC3\xA9j\xC3\xA0");
    EXPECT_EQ(edit->SelStart(), 1);
    EXPECT_EQ(edit->SelLength(), 5);
    edit->SetSelection(6, 3);  // " vu"
    EXPECT_EQ(line->selectedText(), QString(" vu"));

    // The category list selects a whole line with the mouse; the model counts CR LF.
    auto* text = WidgetOf<QPlainTextEdit>(*memo);
    QTextCursor cursor = text->textCursor();
    cursor.setPosition(6);
    cursor.setPosition(11, QTextCursor::KeepAnchor);
    text->setTextCursor(cursor);
    EXPECT_EQ(memo->SelText(), "Caf\xC3\xA9s");
    EXPECT_EQ(memo->SelStart(), 7);
    memo->SetSelection(15, 4);
    EXPECT_EQ(text->textCursor().selectedText(), QString("Toys"));

    line->setCursorPosition(0);
    Type(line, "x");
    EXPECT_EQ(edit->Text(), "xd\xC3\xA9j\xC3\xA0 vu");
    EXPECT_EQ(edit->SelStart(), 1) << "after typing, the model's caret is where the typing left it";
    EXPECT_EQ(edit->SelLength(), 0);
}

TEST_F(ViewTest, AButtonClickIsMouseDownThenClickThenMouseUpEachOnce) {
    auto* button = Add<Button>(nullptr, "Button1", 8, 8, 75, 25, "&Save");
    std::vector<std::string> log;
    button->OnMouseDown = [&](Component*, MouseButton b, unsigned shift, int x, int y) {
        log.push_back("down " + std::to_string(int(b)) + " " + std::to_string(x) + "," + std::to_string(y) +
                      ((shift & SsLeft) ? " left" : ""));
    };
    button->OnClick = [&](Component*) { log.push_back("click"); };
    button->OnMouseUp = [&](Component*, MouseButton, unsigned, int x, int y) {
        log.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };
    button->ModalResult = MrOk;
    ShowForm();
    QTest::mouseClick(WidgetOf(*button), Qt::LeftButton, {}, QPoint(10, 12));
    EXPECT_EQ(log, (std::vector<std::string>{"down 0 10,12 left", "click", "up 10,12"}));
    EXPECT_EQ(form->ModalResult(), MrOk);
}

TEST_F(ViewTest, PressAndReleaseOfASpeedButtonReachTheModelSeparately) {
    // The main window's fast scroll runs a timer between the press and the release.
    auto* speed = Add<SpeedButton>(nullptr, "Next", 8, 8, 23, 22, ">");
    int downs = 0, ups = 0, clicks = 0;
    speed->OnMouseDown = [&](Component*, MouseButton, unsigned, int, int) { ++downs; };
    speed->OnMouseUp = [&](Component*, MouseButton, unsigned, int, int) { ++ups; };
    speed->OnClick = [&](Component*) { ++clicks; };
    ShowForm();
    QWidget* w = WidgetOf(*speed);
    QTest::mousePress(w, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 0);
    QTest::mouseRelease(w, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(downs, 1);
    EXPECT_EQ(ups, 1);
    EXPECT_EQ(clicks, 1);
}

TEST_F(ViewTest, SpeedButtonsOfAGroupStayDownOneAtATime) {
    auto* a = Add<SpeedButton>(nullptr, "A", 8, 8, 23, 22, "A");
    auto* b = Add<SpeedButton>(nullptr, "B", 32, 8, 23, 22, "B");
    a->GroupIndex = b->GroupIndex = 1;
    ShowForm();
    WidgetOf<QToolButton>(*a)->click();
    EXPECT_TRUE(a->Down());
    EXPECT_TRUE(WidgetOf<QToolButton>(*a)->isChecked());
    WidgetOf<QToolButton>(*b)->click();
    EXPECT_FALSE(a->Down());
    EXPECT_TRUE(b->Down());
    EXPECT_FALSE(WidgetOf<QToolButton>(*a)->isChecked());
    WidgetOf<QToolButton>(*b)->click();
    EXPECT_TRUE(WidgetOf<QToolButton>(*b)->isChecked()) << "without AllowAllUp the last one stays down";
}

TEST_F(ViewTest, CheckBoxAndRadioButtonClicksGoThroughTheModel) {
    auto* check = Add<CheckBox>(nullptr, "Check1", 8, 8, 97, 17, "Active");
    auto* r1 = Add<RadioButton>(nullptr, "R1", 8, 30, 97, 17, "One");
    auto* r2 = Add<RadioButton>(nullptr, "R2", 8, 50, 97, 17, "Two");
    int checkClicks = 0, r2Clicks = 0;
    check->OnClick = [&](Component*) { ++checkClicks; };
    r2->OnClick = [&](Component*) { ++r2Clicks; };
    r1->SetChecked(true);
    ShowForm();
    QTest::mouseClick(WidgetOf(*check), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(check->Checked());
    EXPECT_EQ(checkClicks, 1);
    QTest::mouseClick(WidgetOf(*check), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_FALSE(check->Checked());
    EXPECT_FALSE(WidgetOf<QCheckBox>(*check)->isChecked());
    EXPECT_EQ(checkClicks, 2);

    QTest::mouseClick(WidgetOf(*r2), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(r2->Checked());
    EXPECT_FALSE(r1->Checked());
    EXPECT_FALSE(WidgetOf<QRadioButton>(*r1)->isChecked());
    EXPECT_EQ(r2Clicks, 1);
    QTest::mouseClick(WidgetOf(*r2), Qt::LeftButton, {}, QPoint(5, 8));
    EXPECT_TRUE(WidgetOf<QRadioButton>(*r2)->isChecked()) << "a second click leaves a radio button checked";
    EXPECT_TRUE(r2->Checked());
}

TEST_F(ViewTest, ChoosingFromAComboBoxOrTypingInItReachesTheModel) {
    auto* combo = Add<ComboBox>(nullptr, "Combo1", 8, 8, 145, 21);
    combo->SetItems({"red", "green", "blue"});
    std::vector<std::string> log;
    combo->OnClick = [&](Component*) { log.push_back("click " + combo->Text()); };
    combo->OnChange = [&](Component*) { log.push_back("change " + combo->Text()); };
    ShowForm();
    auto* w = WidgetOf<QComboBox>(*combo);
    ASSERT_TRUE(w->isEditable());
    w->setCurrentIndex(1);  // what the list does before it reports the choice
    emit w->activated(1);
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(log, (std::vector<std::string>{"click green", "change green"}));
    log.clear();
    w->lineEdit()->clear();
    QTest::keyClicks(w->lineEdit(), "bl");
    EXPECT_EQ(combo->Text(), "bl");
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(log, (std::vector<std::string>{"change b", "change bl"}));
    EXPECT_EQ(w->count(), 3) << "typing adds nothing to the list";

    combo->Style = ComboBox::ComboStyle::DropDownList;
    combo->SetItemIndex(0);
    EXPECT_FALSE(WidgetOf<QComboBox>(*combo)->isEditable());
}

TEST_F(ViewTest, ADoubleClickAnywhereOnAnEditableComboBoxIsTheBoxs) {
    // The text part of an editable box covers all of it but the edge and the arrow.
    auto* combo = Add<ComboBox>(nullptr, "Combo1", 8, 8, 145, 21);
    combo->SetItems({"red", "green"});
    combo->SetText("red");
    int doubles = 0;
    combo->OnDblClick = [&](Component*) { ++doubles; };
    ShowForm();
    auto* w = WidgetOf<QComboBox>(*combo);
    ASSERT_TRUE(w->isEditable());
    QTest::mouseDClick(w->lineEdit(), Qt::LeftButton, {}, w->lineEdit()->rect().center());
    EXPECT_EQ(doubles, 1);
    EXPECT_EQ(combo->Text(), "red") << "the double click selects in the text and changes nothing";
}

TEST_F(ViewTest, LeavingAComboBoxWhoseTextNamesAnItemChoosesNothing) {
    // Qt picks the item an edited text names when the box loses the focus; the user chose nothing.
    auto* combo = Add<ComboBox>(nullptr, "Combo1", 8, 8, 145, 21);
    auto* button = Add<Button>(nullptr, "Button1", 8, 40, 75, 25, "Next");
    combo->SetItems({"red", "green"});
    combo->SetText("green");
    std::vector<std::string> log;
    combo->OnClick = [&](Component*) { log.push_back("click"); };
    combo->OnChange = [&](Component*) { log.push_back("change"); };
    button->OnClick = [&](Component*) { log.push_back("button"); };
    ShowFormActive();
    QTest::mouseClick(WidgetOf<QComboBox>(*combo)->lineEdit(), Qt::LeftButton, {}, QPoint(5, 5));
    ASSERT_TRUE(combo->Focused());
    QTest::mouseClick(WidgetOf(*button), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(log, std::vector<std::string>{"button"});
    EXPECT_EQ(combo->Text(), "green");
    EXPECT_EQ(combo->ItemIndex(), -1);
}

TEST_F(ViewTest, ClickingARowOfAListBoxSelectsItAndClicksOnce) {
    auto* list = Add<ListBox>(nullptr, "List1", 8, 8, 150, 100);
    list->SetItems({"alpha", "beta", "gamma"});
    int clicks = 0, doubles = 0;
    list->OnClick = [&](Component*) { ++clicks; };
    list->OnDblClick = [&](Component*) { ++doubles; };
    ShowForm();
    auto* w = WidgetOf<QListWidget>(*list);
    QPoint row2 = w->visualItemRect(w->item(2)).center();
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, row2);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(clicks, 1);
    QTest::mouseClick(w->viewport(), Qt::LeftButton, {}, row2);
    EXPECT_EQ(clicks, 2) << "a click on the current row is still a click";
    QTest::mouseDClick(w->viewport(), Qt::LeftButton, {}, row2);
    EXPECT_EQ(doubles, 1);
}

TEST_F(ViewTest, KeysReachTheModelDownBeforeAndUpAfterTheControlActs) {
    auto* list = Add<ListBox>(nullptr, "List1", 8, 8, 150, 100);
    list->SetItems({"alpha", "beta", "gamma"});
    list->SetItemIndex(0);
    std::vector<std::string> seen;
    list->OnKeyDown = [&](Component*, int& key, unsigned shift) {
        seen.push_back("down " + std::to_string(key) + " shift " + std::to_string(shift) + " at " +
                       std::to_string(list->ItemIndex()));
    };
    list->OnKeyUp = [&](Component*, int& key, unsigned) {
        seen.push_back("up " + std::to_string(key) + " at " + std::to_string(list->ItemIndex()));
    };
    ShowForm();
    auto* w = WidgetOf<QListWidget>(*list);
    w->setFocus();
    QTest::keyClick(w, Qt::Key_Down);
    QTest::keyClick(w, Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(list->ItemIndex(), 2);
    EXPECT_EQ(seen, (std::vector<std::string>{"down 40 shift 0 at 0", "up 40 at 1", "down 16 shift 1 at 1",
                                              "down 40 shift 1 at 1", "up 40 at 2", "up 16 at 2"}));
}

TEST_F(ViewTest, AKeyHandlerThatClearsTheKeyKeepsItFromTheControl) {
    auto* edit = Add<Edit>(nullptr, "Edit1", 8, 8, 121, 21);
    // Digits only, and Delete refused.
    edit->OnKeyPress = [](Component*, char& c) {
        if (c >= 'a' && c <= 'z') c = 0;
    };
    edit->OnKeyDown = [](Component*, int& key, unsigned) {
        if (key == KeyDelete) key = KeyNone;
    };
    ShowForm();
    auto* w = WidgetOf<QLineEdit>(*edit);
    QTest::keyClicks(w, "1a2b3");
    EXPECT_EQ(edit->Text(), "123");
    QTest::keyClick(w, Qt::Key_Home);
    QTest::keyClick(w, Qt::Key_Delete);
    EXPECT_EQ(edit->Text(), "123");
    QTest::keyClick(w, Qt::Key_End);
    QTest::keyClick(w, Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "12");
    EXPECT_EQ(w->text(), QString("12"));
}

// A scroll bar's page size is its thumb's length out of the whole range; the thumb's start goes no
// further than the last full page, and showing that changes nothing in the model.
TEST_F(ViewTest, AScrollBarsPageSizeIsItsThumbsShare) {
    struct Case {
        int page, position;
        int qtMaximum, qtValue;
        const char* why;
    } cases[] = {
        {30000, 15000, 1, 1, "a page of the whole range: the thumb fills the bar wherever the position is"},
        {15000, 7500, 15001, 7500, "half the range: a thumb half the bar long, at its place"},
        {15000, 29000, 15001, 15001, "a start past the last full page shows the thumb at the end"},
        {0, 29000, 30000, 29000, "no page size: the whole range, a large step's thumb"},
    };
    auto* scroll = Add<ScrollBar>(nullptr, "Scroll", 8, 140, 150, 16);
    scroll->SetRange(0, 30000);
    int changes = 0;
    scroll->OnChange = [&](Component*) { ++changes; };
    ShowForm();
    for (const Case& k : cases) {
        SCOPED_TRACE(k.why);
        scroll->SetPageSize(k.page);
        scroll->SetPosition(k.position);
        auto* q = WidgetOf<QScrollBar>(*scroll);
        EXPECT_EQ(q->minimum(), 0);
        EXPECT_EQ(q->maximum(), k.qtMaximum);
        EXPECT_EQ(q->pageStep(), k.page > 0 ? k.page : scroll->LargeChange);
        EXPECT_EQ(q->value(), k.qtValue);
        EXPECT_EQ(scroll->Position(), k.position) << "the model keeps its own position";
    }
    const int before = changes;
    scroll->SetPageSize(15000);
    WidgetOf<QScrollBar>(*scroll)->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(scroll->Position(), 0) << "the user's move reaches the model";
    EXPECT_GT(changes, before);
}

TEST_F(ViewTest, TabsScrollBarsUpDownsAndRadioGroupsMoveTheModel) {
    auto* pages = Add<PageControl>(nullptr, "Pages", 8, 8, 200, 120);
    auto* first = Add<TabSheet>(pages, "First", 0, 0, 0, 0, "One");
    auto* second = Add<TabSheet>(pages, "Second", 0, 0, 0, 0, "Two");
    pages->SetActivePage(first);
    auto* scroll = Add<ScrollBar>(nullptr, "Scroll", 8, 140, 150, 16);
    auto* updown = Add<UpDown>(nullptr, "Spin", 220, 8, 16, 24);
    auto* group = Add<RadioGroup>(nullptr, "Group", 220, 40, 150, 90, "Size");
    group->SetItems({"Small", "Medium", "Large"});
    auto* tabs = Add<TabControl>(nullptr, "Tabs", 8, 170, 200, 60);
    tabs->Tabs = {"A", "B", "C"};
    tabs->SetTabIndex(0);
    int pageChanges = 0, scrollChanges = 0, spinChanges = 0, groupClicks = 0, tabChanges = 0;
    pages->OnChange = [&](Component*) { ++pageChanges; };
    scroll->OnChange = [&](Component*) { ++scrollChanges; };
    updown->OnChange = [&](Component*) { ++spinChanges; };
    group->OnClick = [&](Component*) { ++groupClicks; };
    tabs->OnChange = [&](Component*) { ++tabChanges; };
    ShowForm();

    QTabBar* bar = WidgetOf<QTabWidget>(*pages)->tabBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(1).center());
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_EQ(pageChanges, 1);

    WidgetOf<QScrollBar>(*scroll)->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(scroll->Position(), 1);
    EXPECT_EQ(scrollChanges, 1);

    auto arrows = WidgetOf(*updown)->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QToolButton* up = arrows[0]->arrowType() == Qt::UpArrow ? arrows[0] : arrows[1];
    up->click();
    EXPECT_EQ(updown->Position(), 1);
    EXPECT_EQ(spinChanges, 1);

    auto radios = WidgetOf(*group)->findChildren<QRadioButton*>();
    ASSERT_EQ(radios.size(), 3);
    EXPECT_EQ(radios[1]->text(), QString("Medium"));
    radios[1]->click();
    EXPECT_EQ(group->ItemIndex(), 1);
    EXPECT_EQ(groupClicks, 1);
    EXPECT_TRUE(radios[1]->isChecked());
    radios[2]->click();
    EXPECT_FALSE(radios[1]->isChecked()) << "the model keeps one item checked";

    auto* tabBar = WidgetOf(*tabs)->findChild<QTabBar*>();
    ASSERT_NE(tabBar, nullptr);
    ASSERT_EQ(tabBar->count(), 3);
    QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(2).center());
    EXPECT_EQ(tabs->TabIndex(), 2);
    EXPECT_EQ(tabChanges, 1);
}

TEST_F(ViewTest, ClicksOnALabelAndOnTheFormAreTheirs) {
    auto* panel = Add<Panel>(nullptr, "Panel1", 8, 8, 200, 100);
    auto* label = Add<Label>(panel, "Label1", 10, 10, 60, 13, "Caption");
    int labelClicks = 0, labelDoubles = 0, panelClicks = 0, formClicks = 0;
    label->OnClick = [&](Component*) { ++labelClicks; };
    label->OnDblClick = [&](Component*) { ++labelDoubles; };
    panel->OnClick = [&](Component*) { ++panelClicks; };
    form->OnClick = [&](Component*) { ++formClicks; };
    ShowForm();
    QTest::mouseClick(WidgetOf(*label), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(panelClicks, 0);
    QTest::mouseDClick(WidgetOf(*label), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(labelDoubles, 1);
    QTest::mouseClick(Client(), Qt::LeftButton, {}, QPoint(300, 250));
    EXPECT_EQ(formClicks, 1);
    EXPECT_EQ(panelClicks, 0);
}

TEST_F(ViewTest, FocusMovesThroughTheModelSoEnterAndExitFire) {
    auto* first = Add<Edit>(nullptr, "First", 8, 8, 100, 21);
    auto* second = Add<Edit>(nullptr, "Second", 8, 40, 100, 21);
    std::vector<std::string> log;
    first->OnEnter = [&](Component*) { log.push_back("enter first"); };
    first->OnExit = [&](Component*) { log.push_back("exit first"); };
    second->OnEnter = [&](Component*) { log.push_back("enter second"); };
    form->SetActiveControl(first);
    ShowFormActive();
    EXPECT_TRUE(WidgetOf(*first)->hasFocus()) << "the form's active control has the focus";
    log.clear();
    QTest::mouseClick(WidgetOf(*second), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(form->ActiveControl(), second);
    EXPECT_EQ(log, (std::vector<std::string>{"exit first", "enter second"}));
    form->SetActiveControl(first);
    EXPECT_TRUE(WidgetOf(*first)->hasFocus()) << "the model moves the focus too";
}

TEST_F(ViewTest, TabRunsByTabOrderIntoContainersAndPastControlsWithoutATabStop) {
    auto* a = Add<Edit>(nullptr, "A", 8, 8, 100, 21);
    auto* group = Add<GroupBox>(nullptr, "Group", 8, 40, 200, 80, "Group");
    Add<Edit>(group, "Inner", 10, 20, 100, 21);
    auto* b = Add<Edit>(nullptr, "B", 8, 130, 100, 21);
    auto* skipped = Add<Edit>(nullptr, "Skipped", 8, 160, 100, 21);
    skipped->SetTabStop(false);
    b->SetTabOrder(0);
    group->SetTabOrder(1);
    skipped->SetTabOrder(2);
    a->SetTabOrder(3);
    ShowFormActive();
    std::vector<std::string> visited;
    WidgetOf(*b)->setFocus();
    for (int i = 0; i < 4; ++i) {
        visited.push_back(form->ActiveControl() ? form->ActiveControl()->Name() : "?");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    EXPECT_EQ(visited, (std::vector<std::string>{"B", "Inner", "A", "B"}));
}

TEST_F(ViewTest, ReturnPressesTheDefaultButtonAndEscapeTheCancelButton) {
    auto* ok = Add<Button>(nullptr, "OK", 8, 8, 75, 25, "OK");
    auto* cancel = Add<Button>(nullptr, "Cancel", 90, 8, 75, 25, "Cancel");
    ok->Default = true;
    cancel->Cancel = true;
    std::vector<std::string> log;
    ok->OnClick = [&](Component*) { log.push_back("ok"); };
    cancel->OnClick = [&](Component*) { log.push_back("cancel"); };
    ShowForm();
    EXPECT_TRUE(WidgetOf<QPushButton>(*ok)->isDefault());
    QTest::keyClick(Window(), Qt::Key_Return);
    QTest::keyClick(Window(), Qt::Key_Escape);
    EXPECT_EQ(log, (std::vector<std::string>{"ok", "cancel"}));
}

TEST_F(ViewTest, AnExceptionInAnEventHandlerIsShownAndTheProgramGoesOn) {
    auto* button = Add<Button>(nullptr, "Button1", 8, 8, 75, 25, "Fail");
    int clicks = 0;
    button->OnClick = [&](Component*) {
        ++clicks;
        throw std::runtime_error("The database file is damaged");
    };
    ShowForm();
    WidgetOf<QPushButton>(*button)->click();
    WidgetOf<QPushButton>(*button)->click();
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(app.Scripted().Messages(),
              (std::vector<std::string>{"The database file is damaged", "The database file is damaged"}));
}

TEST_F(ViewTest, ControlsAddedAndRemovedLaterAppearAndDisappear) {
    ShowForm();
    auto* label = Add<Label>(nullptr, "Late", 20, 30, 80, 13, "Added later");
    QPointer<QWidget> w = WidgetOf(*label);
    ASSERT_FALSE(w.isNull());
    EXPECT_EQ(w->parentWidget(), Client());
    EXPECT_TRUE(w->isVisible());
    auto* group = Add<GroupBox>(nullptr, "Group", 120, 30, 150, 100, "Group");
    auto* inner = Add<Edit>(group, "Inner", 10, 20, 100, 21);
    QPointer<QWidget> groupWidget = WidgetOf(*group);
    QPointer<QWidget> innerWidget = WidgetOf(*inner);
    ASSERT_FALSE(innerWidget.isNull());

    form->FreeComponent(label);
    EXPECT_TRUE(w.isNull());
    inner->SetParent(nullptr);
    EXPECT_TRUE(innerWidget.isNull());
    EXPECT_EQ(view->WidgetOf(*inner), nullptr);
    inner->SetParent(form);
    ASSERT_NE(WidgetOf(*inner), nullptr) << "a control put back gets a widget again";
    EXPECT_EQ(WidgetOf(*inner)->parentWidget(), Client());
    EXPECT_FALSE(groupWidget.isNull());
}

TEST_F(ViewTest, AFreedFormTakesItsWindowWithIt) {
    auto* other = app.CreateForm<Form>("Other");
    other->SetClientSize(100, 60);
    Add<Edit>(nullptr, "Edit1", 8, 8, 80, 21);
    auto* button = other->Make<Button>("Button1");
    button->SetBounds(8, 8, 60, 25);
    button->SetParent(other);
    other->Show();
    QPointer<QWidget> window = view->WindowOf(*other);
    QPointer<QWidget> buttonWidget = view->WidgetOf(*button);
    ASSERT_FALSE(window.isNull());
    app.FreeComponent(other);
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(buttonWidget.isNull());
    EXPECT_EQ(app.Forms().size(), 1u);
    ShowForm();  // the view goes on with the forms that are left
    EXPECT_TRUE(Window()->isVisible());
}

TEST_F(ViewTest, TheCloseBoxAsksTheFormWhichDecides) {
    int asked = 0;
    CloseAction answer = CloseAction::None;
    form->OnClose = [&](Component*, CloseAction& a) {
        ++asked;
        a = answer;
    };
    ShowForm();
    Window()->close();
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(Window()->isVisible());
    answer = CloseAction::Hide;
    Window()->close();
    EXPECT_EQ(asked, 2);
    EXPECT_FALSE(form->Visible());
    EXPECT_FALSE(Window()->isVisible());
}

TEST_F(ViewTest, AModalFormIsApplicationModalWhileItRunsAndItsOkButtonEndsIt) {
    auto* dialog = app.CreateForm<Form>("Dialog");
    dialog->SetBorder(FormBorder::Dialog);
    dialog->SetClientSize(200, 100);
    auto* ok = dialog->Make<Button>("OK");
    ok->SetBounds(60, 60, 75, 25);
    ok->SetCaption("OK");
    ok->ModalResult = MrOk;
    ok->SetParent(dialog);
    ShowForm();
    Qt::WindowModality during = Qt::NonModal;
    bool shownDuring = false;
    loop.Post([&] {  // runs in the modal loop
        QWidget* w = view->WindowOf(*dialog);
        during = w->windowModality();
        shownDuring = w->isVisible();
        static_cast<QPushButton*>(view->WidgetOf(*ok))->click();
    });
    EXPECT_EQ(dialog->ShowModal(), MrOk);
    EXPECT_EQ(during, Qt::ApplicationModal);
    EXPECT_TRUE(shownDuring);
    EXPECT_FALSE(view->WindowOf(*dialog)->isVisible());
    EXPECT_EQ(view->WindowOf(*dialog)->windowModality(), Qt::NonModal);
}

TEST_F(ViewTest, TheMainMenuIsTheMenuBarAndChoosingAnItemClicksItOnce) {
    auto* menu = form->Make<MainMenu>("MainMenu1");
    MenuItem* file = menu->Add(form->Make<MenuItem>("File1", "&File"));
    MenuItem* open = file->Add(form->Make<MenuItem>("Open1", "&Open...", "Ctrl+O"));
    file->Add(form->Make<MenuItem>("N1", "-"));
    MenuItem* exit = file->Add(form->Make<MenuItem>("Exit1", "E&xit", "Alt+F4"));
    menu->Add(form->Make<MenuItem>("Help1", "&Help && About"));
    form->SetMenu(menu);
    int opened = 0;
    open->OnClick = [&](Component*) { ++opened; };
    ShowFormActive();

    auto* bar = Window()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    QList<QAction*> top = bar->actions();
    ASSERT_EQ(top.size(), 2);
    EXPECT_EQ(top[0]->text(), QString("&File"));
    EXPECT_EQ(top[1]->text(), QString("&Help && About"));
    QMenu* fileMenu = top[0]->menu();
    ASSERT_NE(fileMenu, nullptr);
    QList<QAction*> items = fileMenu->actions();
    ASSERT_EQ(items.size(), 3);
    EXPECT_TRUE(items[1]->isSeparator());
    EXPECT_EQ(items[0]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_O));
    EXPECT_EQ(items[2]->shortcut(), QKeySequence(Qt::ALT | Qt::Key_F4));

    items[0]->trigger();
    EXPECT_EQ(opened, 1);
    QTest::keyClick(Window(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(opened, 2) << "the shortcut chooses the item";
    open->SetEnabled(false);
    EXPECT_FALSE(items[0]->isEnabled());
    items[0]->trigger();
    EXPECT_EQ(opened, 2);
    exit->SetCaption("&Quit");
    EXPECT_EQ(items[2]->text(), QString("&Quit"));
    exit->SetChecked(true);
    EXPECT_TRUE(items[2]->isChecked());
    file->Add(form->Make<MenuItem>("Save1", "&Save", "Ctrl+S"));
    ASSERT_EQ(fileMenu->actions().size(), 4);
    EXPECT_EQ(fileMenu->actions()[3]->text(), QString("&Save"));

    // The model's client area lies under the bar, whatever height Qt gives the bar.
    EXPECT_EQ(Client()->size(), QSize(form->ClientWidth(), form->ClientHeight()));
    EXPECT_EQ(Client()->y(), bar->height());
    EXPECT_EQ(Window()->height(), bar->height() + form->ClientHeight());
}

// ---- forms inside controls and the smallest window

// The windows on screen.
std::vector<QWidget*> ShownWindows() {
    std::vector<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible()) shown.push_back(w);
    return shown;
}

TEST_F(ViewTest, AFormPlacedInsideAControlIsASurfaceOfItsWindowAndNoWindowOfItsOwn) {
    auto* pages = Add<PageControl>(nullptr, "Pages", 8, 8, 300, 200);
    auto* sheet = Add<TabSheet>(pages, "Sheet", 0, 0, 0, 0, "Sheet");
    pages->SetActivePage(sheet);
    auto* inner = app.CreateForm<Form>("Inner");
    inner->SetBorder(FormBorder::None);
    inner->SetClientSize(200, 100);
    auto* button = inner->Make<Button>("InnerButton");
    button->SetBounds(10, 20, 80, 25);
    button->SetParent(inner);
    int clicks = 0, shows = 0;
    button->OnClick = [&](Component*) { ++clicks; };
    inner->OnShow = [&](Component*) { ++shows; };
    ShowFormActive();
    inner->SetParent(sheet);
    inner->SetBounds(5, 6, 200, 100);
    inner->Show();
    EXPECT_EQ(shows, 1);
    EXPECT_EQ(app.ActiveForm(), form) << "the form inside stays part of the active one";

    EXPECT_EQ(ShownWindows(), std::vector<QWidget*>{Window()});
    QWidget* surface = WidgetOf(*inner);
    ASSERT_NE(surface, nullptr);
    EXPECT_EQ(surface->parentWidget(), WidgetOf(*sheet));
    EXPECT_EQ(surface->geometry(), QRect(5, 6, 200, 100));
    QWidget* b = WidgetOf(*button);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->parentWidget(), surface) << "its controls stay its own";
    EXPECT_EQ(b->geometry(), QRect(10, 20, 80, 25));
    EXPECT_TRUE(b->isVisibleTo(Window()));
    QTest::mouseClick(b, Qt::LeftButton);
    EXPECT_EQ(clicks, 1) << "its controls take the user's clicks";
    inner->Hide();
    EXPECT_FALSE(surface->isVisibleTo(Window()));
    EXPECT_EQ(ShownWindows(), std::vector<QWidget*>{Window()});

    // Taken out of the control, it is a window of its own again the next time it is shown.
    inner->SetParent(nullptr);
    EXPECT_EQ(view->WidgetOf(*button), nullptr);
    inner->Show();
    ASSERT_NE(view->WindowOf(*inner), nullptr);
    EXPECT_TRUE(view->WindowOf(*inner)->isVisible());
    EXPECT_EQ(WidgetOf(*button)->window(), view->WindowOf(*inner));
}

TEST_F(ViewTest, AWindowCannotBeMadeSmallerThanItsFormsMinimumSize) {
    form->SetMinimumSize(208, 127);  // a client area of at least 200 x 100
    ShowForm();
    QWidget* w = Window();
    EXPECT_EQ(w->minimumSize(), QSize(200, 100));
    EXPECT_EQ(w->windowHandle()->minimumSize(), QSize(200, 100)) << "what the window system is told";
    w->resize(120, 60);
    EXPECT_EQ(w->size(), QSize(200, 100));
    // A user dragging the window's edge: the window system reports the new size, and the model follows.
    w->windowHandle()->resize(320, 140);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->ClientWidth() == 320 && form->ClientHeight() == 140; }, 30000))
        << form->ClientWidth() << " x " << form->ClientHeight();
    // A window system that lets the window get smaller than its form allows: the window is put back.
    w->windowHandle()->resize(120, 60);
    EXPECT_TRUE(QTest::qWaitFor([&] { return form->ClientWidth() == 200 && w->size() == QSize(200, 100); }, 30000))
        << form->ClientWidth() << " x " << form->ClientHeight();
    // The program cannot make it smaller either.
    form->SetClientSize(50, 40);
    EXPECT_EQ(form->Width(), 208);
    EXPECT_EQ(form->Height(), 127);
    EXPECT_EQ(w->size(), QSize(200, 100));
    // A larger minimum enlarges the form at once.
    form->SetMinimumSize(308, 227);
    EXPECT_EQ(form->Width(), 308);
    EXPECT_EQ(w->size(), QSize(300, 200));
}

}  // namespace
}  // namespace fv
