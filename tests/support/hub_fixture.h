// Programs for tests on the headless loop with a hand-driven clock and scripted services, started in a
// temporary directory of their own. ProgramBase holds what every such test needs; HubFixture adds a
// stand-in for the main window, so that the tests of one subsystem build only the forms they test and
// link nothing above that subsystem.
#pragma once

#include <gtest/gtest.h>

#include <array>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/app/application.h"
#include "platform/core/headless_loop.h"
#include "platform/fs/files.h"
#include "platform/ui/form.h"
#include "program/program.h"
#include "support/temp_dir.h"

namespace fv::testing {

class ProgramBase : public ::testing::Test {
protected:
    void SetUp() override {
        app = std::make_unique<Application>(loop);
        app->ExitHook = [this](int code) { exitCodes.push_back(code); };
        program = std::make_unique<Program>(*app);
        program->ResourceDirectory = std::string(FOLIVEX_SOURCE_DIR) + "/resources";
        ASSERT_TRUE(ChangeDirectory(dir.Path()));
    }
    void TearDown() override {
        program.reset();
        app.reset();
    }

    ScriptedMessages& Messages() { return app->Scripted(); }

    TempDir dir;
    HeadlessLoop loop{true};
    std::unique_ptr<Application> app;
    std::unique_ptr<Program> program;
    std::vector<int> exitCodes;
};

// The main window as the subsystems see it: the values its controls would hold, and a record of what it
// was asked to do.
class StandInMainWindow : public Form, public MainWindow {
public:
    explicit StandInMainWindow(Component* owner) : Form(owner, "FolivexForm") {}

    Form& Window() override { return *this; }
    const std::string& FieldLabel(int field) const override { return Labels.at(std::size_t(field - 1)); }
    bool FieldSearched(int field) const override { return Searched.at(std::size_t(field - 1)); }
    const std::vector<std::string>& Categories() const override { return CategoryList; }
    std::string DatabaseName() const override { return Database; }
    void SetDatabaseName(const std::string& name) override { Database = name; }
    std::time_t PublishTime() const override { return Clock(); }
    void SetPublishing(bool publishing) override { Publishing = publishing; }
    void ShowInBrowser(Component*) override { BrowserPages.push_back(program_ ? program_->ViewTarget : ""); }
    // The save and the sort are the main window's and tested with it: here they answer what a test asks
    // (success by default, the records left as they are) and are counted.
    bool SaveDatabase() override {
        ++Saves;
        return Save ? Save() : true;
    }
    bool SortDatabase(Component*) override {
        ++Sorts;
        return Sort ? Sort() : true;
    }

    void Attach(Program& program) {
        program_ = &program;
        program.Main = this;
    }

    std::array<std::string, 20> Labels{};
    std::array<bool, 20> Searched{};
    std::vector<std::string> CategoryList;
    std::string Database;
    std::function<std::time_t()> Clock = [] { return std::time_t(0); };
    std::function<bool()> Save, Sort;
    int Saves = 0, Sorts = 0;
    bool Publishing = false;
    std::vector<std::string> BrowserPages;  // the program's ViewTarget at each call

private:
    Program* program_ = nullptr;
};

class HubFixture : public ProgramBase {
protected:
    void SetUp() override {
        ProgramBase::SetUp();
        main = app->CreateForm<StandInMainWindow>();
        main->Attach(*program);
    }

    // Creates a form of the program and sets its place in the program, as the start-up does.
    template <class T> T& Create(T*& slot) {
        slot = app->CreateForm<T>(*program);
        return *slot;
    }

    StandInMainWindow* main = nullptr;
};

}  // namespace fv::testing
