// The whole program on Qt's loop: the splash for four seconds, then the main window, with pictures of
// both saved in the build folder to be looked at; every control of every form has its widget where the
// model puts it.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QLabel>
#include <QSet>
#include <QTabWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "app/category_form.h"
#include "app/db_setup_form.h"
#include "app/folivex_form.h"
#include "app/intro_form.h"
#include "app/progress_forms.h"
#include "app/startup.h"
#include "platform/app/application.h"
#include "platform/fs/files.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/tab_sheet.h"
#include "program/program.h"
#include "publish/lang_form.h"
#include "support/temp_dir.h"
#include "view/qt_loop.h"
#include "view/qt_view.h"
#include "view_program_fixture.h"

namespace fv {
namespace {

int DistinctColours(const QImage& image) {
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 2)
        for (int x = 0; x < image.width(); x += 2) colours.insert(image.pixel(x, y));
    return int(colours.size());
}

using ProgramWindowsTest = ViewProgramFixture;

TEST_F(ProgramWindowsTest, SplashForFourSecondsThenTheMainWindowWithPictures) {
    Millis start = loop.Now();
    ASSERT_TRUE(StartProgram(*program));
    QWidget* splash = view->WindowOf(*program->IntroForm);
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->size(), QSize(222, 86));
    EXPECT_FALSE(loop.RunUntil([] { return false; }, 200));
    EXPECT_FALSE(program->FolivexForm->Visible());

    SavePicture(*program->IntroForm, "splash.png");
    QImage splashPicture(QString::fromStdString(PicturePath("splash.png")));
    EXPECT_GT(DistinctColours(splashPicture), 50) << "the shipped splash picture is shown, not a plain window";

    ASSERT_TRUE(loop.RunUntil([&] { return program->FolivexForm->Visible(); }, 8000));
    EXPECT_GE(loop.Now() - start, TIntroForm::SplashMillis - 50);
    EXPECT_FALSE(splash->isVisible());
    QWidget* main = view->WindowOf(*program->FolivexForm);
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), QString("Folivex: [v2.4]"));
    EXPECT_EQ(view->ClientOf(*program->FolivexForm)->size(),
              QSize(program->FolivexForm->ClientWidth(), program->FolivexForm->ClientHeight()));
    EXPECT_TRUE(view->WindowOf(*program->LoadForm)->isVisible());

    // Let the main window's own start-up timer run before the picture is taken.
    loop.RunUntil([] { return false; }, 1200);
    SavePicture(*program->FolivexForm, "main_window.png");
    SavePicture(*program->LoadForm, "load_form.png");
    EXPECT_TRUE(exitCodes.empty());
    EXPECT_TRUE(app.Scripted().Messages().empty()) << app.Scripted().Messages().front();
}

TEST_F(ProgramWindowsTest, TheMainWindowShowingARecord) {
    // A database with a few records in the start folder: the first load shows record 1.
    auto small = ReadWholeFile(std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/records/small.db");
    ASSERT_TRUE(small);
    ASSERT_TRUE(WriteWholeFile(dir.File("folivex.db"), *small));
    ASSERT_TRUE(StartProgram(*program));
    ASSERT_TRUE(loop.RunUntil([&] { return program->RecordCount == 3 && !program->IsLoading; }, 10000));
    TFolivexForm& main = *program->FolivexForm;
    EXPECT_EQ(main.DBGroup->Caption(), "Record (1) of (3)");
    EXPECT_EQ(main.DBEdit[0]->Text(), "Jaguar XJ");
    main.DBLabel[0]->SetText("Model");
    main.DBLabel[3]->SetText("Engine (litres)");
    loop.RunUntil([] { return false; }, 100);
    SavePicture(main, "main_window_record.png");
}

TEST_F(ProgramWindowsTest, TheMainWindowsCloseBoxEndsTheProgram) {
    ASSERT_TRUE(StartProgram(*program));
    ASSERT_TRUE(loop.RunUntil([&] { return program->FolivexForm->Visible(); }, 8000));
    int destroyed = 0;
    program->LoadForm->OnDestroy = [&](Component*) { ++destroyed; };
    view->WindowOf(*program->FolivexForm)->close();
    EXPECT_EQ(exitCodes, (std::vector<int>{0}));
    EXPECT_EQ(destroyed, 1) << "every form's OnDestroy runs before the exit";
}

TEST_F(ProgramWindowsTest, EveryControlOfEveryFormHasItsWidgetWhereTheModelPutsIt) {
    ASSERT_TRUE(StartProgram(*program));
    view->Refresh();
    int checked = 0;
    std::function<void(Control&)> visit = [&](Control& parent) {
        for (Control* c : parent.Controls()) {
            QWidget* w = view->WidgetOf(*c);
            ASSERT_NE(w, nullptr) << parent.Name() << "." << c->Name();
            auto* label = dynamic_cast<Label*>(c);
            bool placedByQt = dynamic_cast<TabSheet*>(c) || c->GetAlign() != Align::None ||
                              (label && label->AutoSize && !label->WordWrap);
            if (!placedByQt) {
                EXPECT_EQ(w->geometry(), QRect(c->Left(), c->Top(), c->Width(), c->Height()))
                    << parent.Name() << "." << c->Name();
                ++checked;
            } else if (label) {
                EXPECT_EQ(w->pos(), QPoint(c->Left(), c->Top())) << parent.Name() << "." << c->Name();
            }
            if (!dynamic_cast<TabSheet*>(c)) {
                EXPECT_EQ(w->isHidden(), !c->Visible()) << c->Name();
            }
            visit(*c);
        }
    };
    for (Form* f : app.Forms()) {
        ASSERT_NE(view->WindowOf(*f), nullptr) << f->Name();
        EXPECT_EQ(view->ClientOf(*f)->size(), QSize(f->ClientWidth(), f->ClientHeight())) << f->Name();
        visit(*f);
    }
    EXPECT_GT(checked, 10);
}

TEST_F(ProgramWindowsTest, DoubleClickingTheCategoryBoxOpensTheCategoryDialog) {
    // The help page tells users to add categories this way: anywhere on the box, not only on its edge.
    ASSERT_TRUE(StartProgram(*program));
    ASSERT_TRUE(loop.RunUntil([&] { return program->FolivexForm->Visible() && !program->IsLoading; }, 8000));
    Form* shown = nullptr;
    app.OnModal = [&](Form& f) {
        shown = &f;
        f.SetModalResult(MrCancel);
    };
    auto* box = qobject_cast<QComboBox*>(view->WidgetOf(*program->FolivexForm->Category));
    ASSERT_NE(box, nullptr);
    ASSERT_NE(box->lineEdit(), nullptr);
    QTest::mouseDClick(box->lineEdit(), Qt::LeftButton, {}, box->lineEdit()->rect().center());
    EXPECT_EQ(shown, static_cast<Form*>(program->CategoryForm));
}

TEST_F(ProgramWindowsTest, CaptionsAndBuiltInTextsShowWhole) {
    ASSERT_TRUE(StartProgram(*program));
    view->Refresh();
    std::vector<std::string> clipped;
    // The text's width on screen and the room the widget keeps beside it (frame and padding).
    auto check = [&](Control& c, const std::string& text, int padding) {
        QWidget* w = view->WidgetOf(c);
        ASSERT_NE(w, nullptr) << c.Name();
        const int needed = w->fontMetrics().horizontalAdvance(QString::fromStdString(text)) + padding;
        if (needed > w->width())
            clipped.push_back(c.Name() + ": " + std::to_string(needed) + " > " + std::to_string(w->width()));
    };
    constexpr int ButtonPadding = 12, EditPadding = 8;
    TCategoryForm& categories = *program->CategoryForm;
    check(*categories.Button1, categories.Button1->Caption(), ButtonPadding);
    for (Label* label : {categories.Label1, categories.Label2}) check(*label, label->Caption(), 0);
    TLangForm& lang = *program->LangForm;
    for (Label* label : {lang.Label1, lang.Label2, lang.Label3, lang.Label4, lang.PageTextsHeading,
                         lang.PagePublishHeading, lang.SearchTextsHeading, lang.SearchPublishHeading})
        check(*label, label->Caption(), 0);
    for (Edit* text : lang.TextEdits) check(*text, text->Text(), EditPadding);
    for (Edit* real : lang.RealEdits) check(*real, real->Text(), EditPadding);
    EXPECT_EQ(clipped, std::vector<std::string>{});

    categories.CatList->SetText("Executive\r\n4x4\r\nSport");
    categories.NewName->SetText("Off-road");
    categories.Show();
    view->Refresh();
    SavePicture(categories, "category_form.png");
    categories.Hide();
}

TEST_F(ProgramWindowsTest, OnANewDatabaseTheFirstClickOnPlusAfterRenamingALabelAddsARecord) {
    ASSERT_TRUE(StartProgram(*program));
    ASSERT_TRUE(loop.RunUntil([&] { return program->FolivexForm->Visible() && !program->IsLoading; }, 8000));
    TFolivexForm& main = *program->FolivexForm;
    app.OnModal = [&](Form& f) {
        ASSERT_EQ(&f, static_cast<Form*>(program->DBSetupForm));
        program->DBSetupForm->SelectedDatabase->SetText("stock");
        program->DBSetupForm->NewButton->Click();
    };
    main.OpenButton->Click();
    app.OnModal = nullptr;
    ASSERT_TRUE(loop.RunUntil([&] { return !program->IsLoading && program->DatabaseFileName == "stock.db"; }, 8000));
    ASSERT_EQ(program->RecordCount, 0);
    QWidget* window = view->WindowOf(main);
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    app.Scripted().ClearLog();

    // The user renames the first label and tabs on (to the next label), then goes into the category box.
    QWidget* label = view->WidgetOf(*main.DBLabel[0]);
    QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::keyClick(label, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(label, "Make");
    QTest::keyClick(label, Qt::Key_Tab);
    EXPECT_EQ(main.DBLabel[0]->Text(), "Make");
    view->WidgetOf(*main.Category)->setFocus();
    ASSERT_TRUE(loop.RunUntil([&] { return main.Category->Focused(); }, 3000));

    QTest::mouseClick(view->WidgetOf(*main.AddButton), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(app.Scripted().Messages(), std::vector<std::string>{}) << "leaving the box chooses nothing";
    EXPECT_EQ(program->RecordCount, 1);
    EXPECT_EQ(program->Inserting, 1);
    EXPECT_EQ(main.Category->Text(), "Category A");
}

}  // namespace
}  // namespace fv
