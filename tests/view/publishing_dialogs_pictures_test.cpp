// The publishing dialogs and the browser dialog drawn off screen, with pictures saved in the build folder
// to be looked at; the real shell service starting a stand-in browser (a small shell script) with the
// document as its one argument, and the desktop's association through a stand-in xdg-open; the real
// colour and font dialogs answered as a user answers them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>
#include <QImage>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>

#include <sys/stat.h>

#include "app/browser_form.h"
#include "app/folivex_form.h"
#include "app/progress_forms.h"
#include "app/startup.h"
#include "platform/app/application.h"
#include "platform/fs/files.h"
#include "platform/gfx/colour_names.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/label.h"
#include "program/program.h"
#include "publish/font_form.h"
#include "publish/html_form.h"
#include "publish/cart_settings_form.h"
#include "publish/lang_form.h"
#include "publish/publish_message_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"
#include "records/new_database_defaults.h"
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

TEST_F(PublishingDialogsTest, ABrowserThatEndsAtOnceWithAnErrorIsToldLikeOneThatCannotStart) {
    QtShell shell;
    app.SetShell(&shell);
    ASSERT_TRUE(MakeDirectory(dir.File("bin")));
    struct Case {
        const char* script;
        bool told;
        const char* why;
    } cases[] = {
        {"exit 1", true, "refuses to run (as a browser started by root without its sandbox does)"},
        {"kill -9 $$", true, "killed at once"},
        {"exit 0", false, "handed the page to a browser already running"},
        {"sleep 3", false, "still running when the watch ends: a browser showing the page"},
    };
    TBrowserForm& b = *program->BrowserForm;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        Executable(dir.File("bin/browser"), std::string("#!/bin/sh\n") + c.script + "\n");
        // Every launch is a first one: a failed one leaves its description to be built again, a successful
        // one is made to start the browser again.
        b.ResultsLaunch.Rebuild = true;
        app.Scripted().ClearLog();
        if (c.told) app.Scripted().Answer(IdNo);
        app.OnModal = [&](Form&) {
            ASSERT_TRUE(b.DirectoryListBox1->SetDirectory(dir.File("bin")));
            b.FileListBox1->UserSelect(b.FileListBox1->IndexOf("browser"));
            b.View2->Click();
        };
        program->FolivexForm->ViewItButton->Click();
        EXPECT_EQ(app.Scripted().Messages(),
                  c.told ? std::vector<std::string>{"Browser not Found - Launch again ?"} : std::vector<std::string>{});
        EXPECT_EQ(app.Scripted().UnusedAnswers(), 0u);
    }
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

TEST_F(PublishingDialogsTest, TheOpenersAnswerSaysWhetherThePageWasOpened) {
    QtShell shell;
    ASSERT_TRUE(MakeDirectory(dir.File("path")));
    const QByteArray oldPath = qgetenv("PATH");
    qputenv("PATH", QByteArray::fromStdString(dir.File("path")) + ":" + oldPath);
    struct Case {
        const char* script;
        bool opened;
        const char* why;
    } cases[] = {
        {"exit 0", true, "the desktop's program has the page"},
        {"exit 3", false, "no program for the page: the desktop has none"},
        {"exit 4", false, "the program for the page failed"},
        {"kill -9 $$", false, "the opener died"},
        // Without a desktop the opener runs the browser itself until the user closes it.
        {"sleep 4; echo done > \"$(dirname \"$0\")/ended\"", true, "a running opener runs the browser"},
    };
    for (const Case& c : cases) {
        Executable(dir.File("path/xdg-open"), std::string("#!/bin/sh\n") + c.script + "\n");
        EXPECT_EQ(shell.Open("", dir.File("site/qlx_index.htm")), c.opened) << c.why;
    }
    // The running opener was left to end by itself.
    EXPECT_EQ(WaitForFile(dir.File("path/ended")), "done\n");
    loop.RunUntil([] { return false; }, 200);
    qputenv("PATH", oldPath);
}

// The relative luminance of a colour, from which the contrast ratio of a text and its background is
// worked out: (lighter + 0.05) / (darker + 0.05), 4.5 being the least for ordinary text to be read.
double Luminance(int red, int green, int blue) {
    auto linear = [](int c) {
        const double v = c / 255.0;
        return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
}

TEST(ShippedFilesTest, TheStoneBackgroundLeavesTheDefaultTextsReadable) {
    // A new database publishes its table on the shipped stone with these texts on it.
    QImage stone(QString::fromStdString(std::string(FOLIVEX_SOURCE_DIR) + "/resources/stone.gif"));
    ASSERT_FALSE(stone.isNull());
    double lightest = 0;
    for (int y = 0; y < stone.height(); ++y)
        for (int x = 0; x < stone.width(); ++x) {
            const QRgb p = stone.pixel(x, y);
            lightest = std::max(lightest, Luminance(qRed(p), qGreen(p), qBlue(p)));
        }
    DatabaseState db;
    InitialiseFontStructure(db);
    const std::pair<const char*, std::string> texts[] = {{"labels", db.LabelFont.Colour},
                                                         {"values", db.FieldFonts[0].Colour},
                                                         {"memo", db.ScrollFont.Colour},
                                                         {"instructions", db.InstructionFont.Colour}};
    QImage sample(420, 40 * int(std::size(texts)), QImage::Format_RGB32);
    QPainter painter(&sample);
    painter.fillRect(sample.rect(), QBrush(stone));
    int top = 0;
    for (const auto& [what, colour] : texts) {
        const std::int32_t c = NameToColour(colour);
        const int red = c & 0xFF, green = (c >> 8) & 0xFF, blue = (c >> 16) & 0xFF;
        const double ratio = (Luminance(red, green, blue) + 0.05) / (lightest + 0.05);
        EXPECT_GE(ratio, 4.5) << what << " in " << colour << " on the lightest of the stone";
        painter.setPen(QColor(red, green, blue));
        painter.drawText(QRect(10, top, 400, 40), Qt::AlignVCenter,
                         QString::fromStdString(std::string(what) + " in " + colour + ": Trees of Europe 12.50"));
        top += 40;
    }
    painter.end();
    // A picture of the texts on the stone, to be looked at.
    EXPECT_TRUE(sample.save(QString::fromStdString(std::string(FOLIVEX_BINARY_DIR) + "/stone_with_default_texts.png")));
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
