// The small helpers: existence tests for files, colour numbers and names, HTML colour texts, the
// leading-integer rule, and numbers read from the digits of a field.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "platform/app/application.h"
#include "platform/app/headless_loop.h"
#include "platform/fs/files.h"
#include "records/helpers.h"
#include "support/temp_dir.h"

namespace fv {
namespace {

using fv::testing::TempDir;

struct NamedColour {
    const char* name;
    std::int32_t number;
};

// The sixteen standard colours, red in the lowest byte.
const std::vector<NamedColour> StandardColours = {
    {"Black", 0},          {"Maroon", 0x80},       {"Green", 0x8000},       {"Olive", 0x8080},
    {"Navy", 0x800000},    {"Purple", 0x800080},   {"Teal", 0x808000},      {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},  {"Red", 0xFF},          {"Lime", 0xFF00},        {"Yellow", 0xFFFF},
    {"Blue", 0xFF0000},    {"Fuchsia", 0xFF00FF},  {"Aqua", 0xFFFF00},      {"White", 0xFFFFFF},
};

TEST(Colours, EveryStandardNameConvertsBothWays) {
    EXPECT_EQ(NameToColour("Blue"), 16711680);
    for (const NamedColour& c : StandardColours) {
        EXPECT_EQ(NameToColour(c.name), c.number) << c.name;
        EXPECT_EQ(ColourToName(c.number), c.name) << c.number;
        EXPECT_EQ(ColourToName(NameToColour(c.name)), c.name);
        EXPECT_EQ(NameToColour(ColourToName(c.number)), c.number);
    }
}

TEST(Colours, OtherNamesReadAsTheirLeadingNumber) {
    struct Case {
        std::string text;
        std::int32_t colour;
    };
    const std::vector<Case> cases = {
        {"blue", 0}, {"BLUE", 0}, {"Blue ", 0}, {" Blue", 0}, {"Crimson", 0}, {"", 0},
        {"1234567", 1234567}, {"  255", 255}, {"65280abc", 65280}, {"-1", -1}, {"+128", 128},
    };
    for (const Case& c : cases) EXPECT_EQ(NameToColour(c.text), c.colour) << '"' << c.text << '"';

    EXPECT_EQ(ColourToName(1234567), "1234567");
    EXPECT_EQ(ColourToName(1), "1");
    EXPECT_EQ(ColourToName(16777214), "16777214");
}

TEST(Colours, ColourToHtmlGivesRedGreenBlueInLowerCaseHexOrTheTextItself) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"0", "0"},
        {"Navy", "Navy"},        // a name reads as 0 and passes through
        {"White", "White"},
        {"", ""},
        {"128", "#800000"},
        {"255", "#ff0000"},
        {"65280", "#00ff00"},
        {"16711680", "#0000ff"},
        {"8421504", "#808080"},
        {"16777215", "#ffffff"},
        {"1", "#010000"},
        {"1193046", "#563412"},  // 0x123456: red 0x56, green 0x34, blue 0x12
        {" 12632256", "#c0c0c0"},
    };
    for (const auto& [text, html] : cases) EXPECT_EQ(ColourToHTML(text), html) << '"' << text << '"';
}

TEST(LeadingInteger, BlanksSignThenDigitsUpToTheFirstOtherCharacter) {
    constexpr std::int32_t Max = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t Min = std::numeric_limits<std::int32_t>::min();
    struct Case {
        std::string text;
        std::int32_t value;
    };
    const std::vector<Case> cases = {
        {" -12ab", -12},
        {"", 0},
        {"abc", 0},
        {"-", 0},
        {"  +42", 42},
        {"007", 7},
        {"12 34", 12},
        {"3.9", 3},
        {"- 5", 0},
        {"2147483647", Max},
        {"-2147483648", Min},
        {"2147483648", Max},
        {"99999999999999999999999", Max},
        {"-99999999999999999999999", Min},
    };
    for (const Case& c : cases) EXPECT_EQ(LeadingInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(DigitsToNumber, ReadsTheDigitsAndPointsOfTheTextInOrder) {
    struct Case {
        std::string text;
        double number, sortNumber;
    };
    const std::vector<Case> cases = {
        {"12.5 kg", 12.5, 12.5},
        {"1.2.3", 1.2, 1.2},
        {"-7", 7, 7},
        {"1,250", 1250, 1250},
        {"ab12cd34", 1234, 1234},
        {".", 0, 0},
        {"..5", 0, 0},
        {".5", 0.5, 0.5},
        {"$ 3.", 3, 3},
        {"", 0, -99999},
        {"n/a", 0, -99999},
        {"  - , ", 0, -99999},
        {"0", 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(DigitsToNumber(c.text), c.number) << '"' << c.text << '"';
        EXPECT_DOUBLE_EQ(DigitsToSortNumber(c.text), c.sortNumber) << '"' << c.text << '"';
    }
    // A very long run of digits is read from its first 300 characters and stays finite.
    double big = DigitsToNumber(std::string(400, '9'));
    EXPECT_TRUE(std::isfinite(big));
    EXPECT_GT(big, 1e298);
    EXPECT_LT(big, 1e301);
}

class FileTests : public ::testing::Test {
protected:
    void SetUp() override {
        app.Title = "Folivex";
        app.ExitHook = [](int) {};
        ASSERT_TRUE(WriteWholeFile(dir.File("image.jpg"), "jpeg"));
        ASSERT_TRUE(WriteWholeFile(dir.File("empty.txt"), ""));
        ASSERT_TRUE(MakeDirectory(dir.File("images")));
    }
    TempDir dir;
    HeadlessLoop loop{true};
    Application app{loop};
};

TEST_F(FileTests, TheQuietTestsNeverTalk) {
    struct Case {
        std::string path;
        bool pathExists, fileExists;
    };
    const std::vector<Case> cases = {
        {dir.File("image.jpg"), true, true},
        {dir.File("empty.txt"), true, true},
        {dir.File("images"), true, false},  // a directory exists but is not a file
        {dir.Path(), true, false},
        {dir.File("missing.jpg"), false, false},
        {dir.File("image.jpg/inside"), false, false},
        {"", false, false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PathExists(c.path), c.pathExists) << c.path;
        EXPECT_EQ(FileExistsQuiet(c.path), c.fileExists) << c.path;
    }
    EXPECT_TRUE(app.Scripted().Log().empty());
}

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
