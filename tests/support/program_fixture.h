// A whole program on the headless loop with a hand-driven clock and scripted services, started in a
// temporary directory of its own.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/program.h"
#include "app/startup.h"
#include "platform/app/application.h"
#include "platform/core/headless_loop.h"
#include "platform/fs/files.h"
#include "support/temp_dir.h"

namespace fv::testing {

class ProgramFixture : public ::testing::Test {
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

    // Starts the program as the entry point does, without running the loop.
    bool Start(const StartOptions& options = {}) { return StartProgram(*program, options); }
    ScriptedMessages& Messages() { return app->Scripted(); }

    TempDir dir;
    HeadlessLoop loop{true};
    std::unique_ptr<Application> app;
    std::unique_ptr<Program> program;
    std::vector<int> exitCodes;
};

}  // namespace fv::testing
