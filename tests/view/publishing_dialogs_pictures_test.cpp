// The publishing dialogs and the browser dialog drawn off screen, with pictures saved in the build folder
// to be looked at; the real shell service starting a stand-in browser (a small shell script) with the
// document as its one argument, and the desktop's association through a stand-in xdg-open; the real
// colour and font dialogs answered as a user answers them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QImage>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include <sys/stat.h>

#include "app/browser_form.h"
#include "app/folivex_form.h"
#include "app/progress_forms.h"
#include "app/startup.h"
#include "platform/app/application.h"
#include "platform/fs/files.h"
#include "program/program.h"
#include "publish/font_form.h"
#include "publish/html_form.h"
#include "publish/karvo_form.h"
#include "publish/lang_form.h"
#include "publish/publish_message_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"
#include "support/temp_dir.h"
#include "view/qt_dialogs.h"
#include "view/qt_loop.h"
#include "view/qt_view.h"
#include "view_program_fixture.h"

namespace fv {
namespace {

class PublishingDialogsTest : public ViewProgramFixture {
protected:
    void SetUp() override {
        ViewProgramFixture::SetUp();
        ASSERT_TRUE(StartProgram(*program));
        program->DatabaseDirectory = dir.Path();
        program->ProgramDirectory = dir.Path();
        // The load form's activation gives the small dialogs their sizes, as at start.
        program->LoadForm->Show();
        program->LoadForm->Hide();
    }
    void Picture(Form& form, const std::string& name) {
        form.Show();
        view->Refresh();
        SavePicture(form, name);
        // Every control has its widget where the model put it.
        std::function<void(Control&)> visit = [&](Control& parent) {
            for (Control* c : parent.Controls()) {
                QWidget* w = view->WidgetOf(*c);
                ASSERT_NE(w, nullptr) << c->Name();
                auto* label = dynamic_cast<Label*>(c);
                if (!(label && label->AutoSize)) {
                    EXPECT_EQ(w->geometry(), QRect(c->Left(), c->Top(), c->Width(), c->Height())) << c->Name();
                }
                visit(*c);
            }
        };
        visit(form);
        form.Hide();
    }
    static BitmapPtr Gradient(int width, int height) {
        auto bitmap = std::make_shared<Bitmap>(width, height);
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                bitmap->Pixels[std::size_t(y * width + x)] =
                    0xFF000000u | (std::uint32_t(x * 255 / width) << 16) | (std::uint32_t(y * 255 / height) << 8) | 0x60u;
        return bitmap;
    }
    static void Executable(const std::string& path, const std::string& text) {
        ASSERT_TRUE(WriteWholeFile(path, text));
        ASSERT_EQ(::chmod(path.c_str(), 0755), 0);
    }
    // Waits (on the loop, in real time) for a file to appear with a complete last line.
    std::string WaitForFile(const std::string& path) {
        std::string text;
        loop.RunUntil(
            [&] {
                text = ReadWholeFile(path).value_or("");
                return !text.empty() && text.back() == '\n';
            },
            10000);
        return text;
    }
};

TEST_F(PublishingDialogsTest, EachDialogDrawsAtItsSize) {
    TPublishSetupForm& setup = *program->PublishSetupForm;
    setup.PageBackgroundColour->UserSelect(setup.PageBackgroundColour->IndexOf("Navy"));
    setup.Alt1TableBackgroundColour->UserSelect(setup.Alt1TableBackgroundColour->IndexOf("Silver"));
    setup.Alt2TableBackgroundColour->UserSelect(setup.Alt2TableBackgroundColour->IndexOf("White"));
    setup.TableBackgroundImageFile->SetText("stone.gif");
    setup.OleTableBackground->SetPicture(Gradient(76, 48));
    setup.OleTableBackground->Show();
    setup.TableHeadingImageFile->SetText("heading.jpg");
    setup.OleTableHeading->SetPicture(Gradient(120, 40));
    setup.OleTableHeading->Show();
    Picture(setup, "publish_setup_form.png");

    program->FontForm->LoadFont({"Red", "DejaVu Sans", "+2", "Bold"});
    Picture(*program->FontForm, "font_form.png");
    program->LangForm->Real("pleaseselect")->SetText("Bitte wählen:");
    Picture(*program->LangForm, "lang_form.png");
    Picture(*program->SearchSetup, "search_setup_form.png");
    for (BitBtn* example : program->HTMLForm->ExampleButtons) example->Click();
    program->HTMLForm->HTMLIndexPageHeaderOverride->SetChecked(true);
    Picture(*program->HTMLForm, "html_form.png");
    Picture(*program->PublishMessageForm, "publish_message_form.png");
    program->KarvoForm->KarvoHTML->SetText(
        "<FORM action=\"https://www.karvo.example/cgi-bin/addproduct.karvo\" method=POST>\r\n"
        "<INPUT type=hidden name=karvo_usercode value=1234>\r\n<INPUT type=hidden name=karvo_productnr value=A17>\r\n"
        "<INPUT type=hidden name=karvo_websitenr value=56>\r\n</FORM>");
    app.Scripted().ClearLog();
    program->KarvoForm->Extract->Click();
    Picture(*program->KarvoForm, "karvo_form.png");
    Picture(*program->BrowserForm, "browser_form.png");
}

TEST_F(PublishingDialogsTest, TheRealShellStartsTheChosenBrowserWithTheDocumentAsOneArgument) {
    QtShell shell;
    app.SetShell(&shell);
    ASSERT_TRUE(MakeDirectory(dir.File("bin")));
    // The stand-in browser writes the number of its arguments, then each argument on a line.
    const std::string browser = dir.File("bin/stand-in browser");
    Executable(browser, "#!/bin/sh\n{ printf '%s\\n' \"$#\"; for a in \"$@\"; do printf '%s\\n' \"$a\"; done; } "
                        "> \"$0.tmp\" && mv \"$0.tmp\" \"$0.args\"\n");
    // A publish folder whose name a shell would take apart.
    const std::string site = dir.File("site with 'quotes' \"and\" $HOME; `x` & more");
    ASSERT_TRUE(MakeDirectory(site));
    ASSERT_TRUE(program->PublishSetupForm->PublishDirectory->SetDirectory(site));

    TBrowserForm& b = *program->BrowserForm;
    app.OnModal = [&](Form&) {
        ASSERT_TRUE(b.DirectoryListBox1->SetDirectory(dir.File("bin")));
        b.FileListBox1->UserSelect(b.FileListBox1->IndexOf("stand-in browser"));
        b.View2->Click();
    };
    program->FolivexForm->ViewItButton->Click();
    EXPECT_EQ(WaitForFile(browser + ".args"), "1\n" + site + "/qlx_index.htm\n");
    EXPECT_TRUE(app.Scripted().Messages().empty());
    app.SetShell(nullptr);
}

TEST_F(PublishingDialogsTest, WithoutAProgramTheDocumentOpensThroughXdgOpen) {
    QtShell shell;
    ASSERT_TRUE(MakeDirectory(dir.File("path")));
    Executable(dir.File("path/xdg-open"),
               "#!/bin/sh\n{ printf '%s\\n' \"$#\" \"$1\"; } > \"$(dirname \"$0\")/opened.tmp\" && "
               "mv \"$(dirname \"$0\")/opened.tmp\" \"$(dirname \"$0\")/opened\"\n");
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(dir.File("path")) + ":" + oldPath);
    const std::string page = dir.File("help dir/folivex.htm");
    EXPECT_TRUE(shell.Open("", page));
    EXPECT_EQ(WaitForFile(dir.File("path/opened")), "1\n" + page + "\n");
    qputenv("PATH", oldPath);
}

TEST(ShippedFilesTest, TheHelpPageIsCopiedBesideTheProgramWithItsFolder) {
    const std::string page = std::string(FOLIVEX_PROGRAM_DIR) + "/resources/help/folivex.htm";
    ASSERT_TRUE(IsRegularFile(page));
    EXPECT_EQ(ReadWholeFile(page), ReadWholeFile(std::string(FOLIVEX_SOURCE_DIR) + "/resources/help/folivex.htm"));
}

TEST_F(PublishingDialogsTest, AProgramThatCannotBeStartedIsAFailure) {
    QtShell shell;
    EXPECT_FALSE(shell.Open(dir.File("no such browser"), "page.htm"));
    ASSERT_TRUE(WriteWholeFile(dir.File("not-executable"), "text"));
    EXPECT_FALSE(shell.Open(dir.File("not-executable"), "page.htm"));
}

// Acts on the next dialog of type D once it is on screen (its own loop is running by then).
template <class D> void OnNextDialog(std::function<void(D*)> act) {
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<D*>(w); d && d->isVisible()) {
                poll->stop();
                poll->deleteLater();
                act(d);
                return;
            }
    });
    poll->start();
}

TEST(QtDialogsTest, TheColourDialogAnswersTheColourOrNothing) {
    QtDialogs dialogs;
    OnNextDialog<QColorDialog>([](QColorDialog* d) {
        d->setCurrentColor(QColor(10, 20, 30));
        d->accept();
    });
    EXPECT_EQ(dialogs.ChooseColor(ClRed), std::optional<Color>(RGB(10, 20, 30)));
    OnNextDialog<QColorDialog>([](QColorDialog* d) {
        EXPECT_EQ(d->currentColor(), QColor(0, 0, 255)) << "starts from the colour given";
        d->reject();
    });
    EXPECT_EQ(dialogs.ChooseColor(ClBlue), std::nullopt);
}

TEST(QtDialogsTest, TheFontDialogAnswersFaceSizeInPointsAndStyle) {
    QtDialogs dialogs;
    OnNextDialog<QFontDialog>([](QFontDialog* d) {
        EXPECT_EQ(d->currentFont().pointSize(), 12);
        QFont f = d->currentFont();
        f.setPointSize(10);
        f.setBold(true);
        f.setUnderline(true);
        f.setItalic(false);
        f.setStyleName(QString());  // the style follows the weight and slant set here
        d->setCurrentFont(f);
        d->accept();
    });
    Font initial;
    initial.Name = "DejaVu Sans";
    initial.Size = 12;
    initial.Style = FsItalic;
    std::optional<Font> chosen = dialogs.ChooseFont(initial);
    ASSERT_TRUE(chosen.has_value());
    EXPECT_FALSE(chosen->Name.empty());
    EXPECT_EQ(chosen->Size, 10);
    EXPECT_EQ(chosen->Style & (FsBold | FsItalic), unsigned(FsBold));
    OnNextDialog<QFontDialog>([](QFontDialog* d) { d->reject(); });
    EXPECT_EQ(dialogs.ChooseFont(initial), std::nullopt);
}

}  // namespace
}  // namespace fv
