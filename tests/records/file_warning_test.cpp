// The warning for a file the program needs and cannot find.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/app/application.h"
#include "platform/core/headless_loop.h"
#include "platform/fs/files.h"
#include "records/file_warning.h"
#include "support/temp_dir.h"

namespace fv {
namespace {

using fv::testing::TempDir;

class FileTests : public ::testing::Test {
protected:
    void SetUp() override {
        app.Title = "Folivex";
        app.ExitHook = [](int) {};
        ASSERT_TRUE(WriteWholeFile(dir.File("image.jpg"), "jpeg"));
        ASSERT_TRUE(MakeDirectory(dir.File("images")));
    }
    TempDir dir;
    HeadlessLoop loop{true};
    Application app{loop};
};

TEST_F(FileTests, FileExistsOrWarnBeepsThenSaysTheFileHasNotBeenLocated) {
    EXPECT_TRUE(FileExistsOrWarn(app, dir.File("image.jpg")));
    EXPECT_TRUE(app.Scripted().Log().empty()) << "a file that is there needs no word";

    for (const std::string& path : {dir.File("images"), dir.File("missing.jpg")}) {
        SCOPED_TRACE(path);
        app.Scripted().ClearLog();
        EXPECT_FALSE(FileExistsOrWarn(app, path));
        const std::vector<ServiceEvent>& log = app.Scripted().Log();
        ASSERT_EQ(log.size(), 2u);
        EXPECT_EQ(log[0].What, ServiceEvent::Kind::Beep);
        EXPECT_EQ(log[0].Beep, BeepKind::Exclamation);
        EXPECT_EQ(log[1].What, ServiceEvent::Kind::Message);
        EXPECT_EQ(log[1].Text, "The File [" + path + "] has not been located.");
        EXPECT_EQ(log[1].Flags & MbButtonMask, unsigned(MbOk)) << "a message, not a question";
    }
}

}  // namespace
}  // namespace fv
