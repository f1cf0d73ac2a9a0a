// A whole program shown through the Qt view on Qt's loop, started in a temporary folder of its own, and
// pictures of its windows saved into the build folder to be looked at.
#pragma once

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QWidget>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/startup.h"
#include "platform/app/application.h"
#include "platform/fs/files.h"
#include "program/program.h"
#include "support/temp_dir.h"
#include "view/qt_loop.h"
#include "view/qt_view.h"

namespace fv {

class ViewProgramFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ChangeDirectory(dir.Path()));
        app.ExitHook = [this](int code) { exitCodes.push_back(code); };
        view = std::make_unique<QtView>(app);
        program = std::make_unique<Program>(app);
        program->ResourceDirectory = std::string(FOLIVEX_SOURCE_DIR) + "/resources";
    }
    void TearDown() override {
        program.reset();
        view.reset();
    }

    static std::string PicturePath(const std::string& name) { return std::string(FOLIVEX_BINARY_DIR) + "/" + name; }

    // Saves a picture of a form's window and checks it has the window's size.
    void SavePicture(Form& form, const std::string& name) {
        const std::string path = PicturePath(name);
        std::filesystem::remove(path);
        ASSERT_TRUE(SaveFormPng(form, path)) << path;
        QImage picture(QString::fromStdString(path));
        ASSERT_FALSE(picture.isNull()) << path;
        EXPECT_EQ(picture.size(), view->WindowOf(form)->size()) << name;
    }

    // A label, button or check box whose caption Qt would draw wider than the control is clipped.
    void ExpectCaptionsFit(const Control& parent) {
        for (const Control* c : parent.Controls()) {
            const std::string kind = c->Kind();
            if (c->Showing() && !c->Caption().empty() &&
                (kind == "Label" || kind == "Button" || kind == "CheckBox" || kind == "RadioButton")) {
                QWidget* w = view->WidgetOf(*c);
                EXPECT_NE(w, nullptr) << c->Name();
                if (w) {
                    QString text = QString::fromStdString(c->Caption()).remove('&');
                    const int needed = QFontMetrics(w->font()).horizontalAdvance(text) + (kind == "Label" ? 0 : 16);
                    EXPECT_LE(needed, w->width()) << c->Name() << " \"" << c->Caption() << "\" is clipped";
                }
            }
            ExpectCaptionsFit(*c);
        }
    }

    testing::TempDir dir;
    QtLoop loop;
    Application app{loop};
    std::unique_ptr<QtView> view;
    std::unique_ptr<Program> program;
    std::vector<int> exitCodes;
};

}  // namespace fv
