// The republish-flag file and the last-use file.
#include <gtest/gtest.h>

#include "platform/fs/files.h"
#include "records/state_files.h"

namespace fv {
namespace {

TEST(RepublishFile, OneBytePerRecord) {
    DatabaseState db;
    EXPECT_EQ(RepublishBytes(db), "");
    db.RecordCount = 3;
    db.RecordTable[0].NeedsPublishing = 1;
    db.RecordTable[2].NeedsPublishing = 1;
    auto golden = ReadWholeFile(std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/records/small.rep");
    ASSERT_TRUE(golden);
    EXPECT_EQ(RepublishBytes(db), *golden);
    EXPECT_EQ(RepublishBytes(db), std::string("\x01\x00\x01", 3));
}

TEST(RepublishFile, ReadingMarksWhatTheFileDoesNotCover) {
    struct Case {
        const char* what;
        std::optional<std::string> bytes;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {"no file: everything", std::nullopt, {1, 1, 1, 1}},
        {"whole file", std::string("\x00\x05\x00\x01", 4), {0, 1, 0, 1}},
        {"short file: the rest must be published", std::string("\x00\x00", 2), {0, 0, 1, 1}},
        {"longer file: the extra bytes are ignored", std::string("\x00\x00\x00\x00\x01\x01", 6), {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        DatabaseState db;
        db.RecordCount = 4;
        db.RecordTable[4].NeedsPublishing = 7;  // beyond the records: untouched
        ApplyRepublishBytes(db, c.bytes);
        std::vector<int> got;
        for (int i = 0; i < 4; ++i) got.push_back(db.RecordTable[std::size_t(i)].NeedsPublishing);
        EXPECT_EQ(got, c.expected) << c.what;
        EXPECT_EQ(db.RecordTable[4].NeedsPublishing, 7) << c.what;
    }
}

TEST(LastUseFile, TwentySixLinesWithNullForEmptyTexts) {
    LastUse last;
    last.DatabaseDirectory = "/home/ann/cars";
    last.DatabaseFileName = "cars.db";
    last.BrowserDirectory = "/usr/bin";
    for (std::size_t i = 0; i < last.Sizes.size(); ++i) last.Sizes[i] = int(100 + i);
    std::string text = LastUseText(last);
    std::string expected = "/home/ann/cars\r\ncars.db\r\n/usr/bin\r\n(null)\r\n";
    for (int i = 0; i < 22; ++i) expected += std::to_string(100 + i) + "\r\n";
    EXPECT_EQ(text, expected);

    LastUse back = ParseLastUse(text);
    EXPECT_EQ(back.DatabaseDirectory, last.DatabaseDirectory);
    EXPECT_EQ(back.DatabaseFileName, last.DatabaseFileName);
    EXPECT_EQ(back.BrowserDirectory, last.BrowserDirectory);
    EXPECT_EQ(back.BrowserProgram, "");
    EXPECT_EQ(back.Sizes, last.Sizes);
}

TEST(LastUseFile, ATextTooLongForItsLineIsForgottenAndTheLinesAfterItKeepTheirPlaces) {
    for (std::size_t length : {LastUseLineLimit - 1, LastUseLineLimit, LastUseLineLimit + 1, std::size_t(4095)}) {
        SCOPED_TRACE(length);
        LastUse last;
        last.DatabaseDirectory = "/home/ann/" + std::string(length - 10, 'd');
        last.DatabaseFileName = "cars.db";
        last.BrowserProgram = "/usr/bin/firefox";
        for (std::size_t i = 0; i < last.Sizes.size(); ++i) last.Sizes[i] = int(100 + i);
        LastUse back = ParseLastUse(LastUseText(last));
        const bool fits = length < LastUseLineLimit;
        EXPECT_EQ(back.DatabaseDirectory, fits ? last.DatabaseDirectory : "");
        EXPECT_EQ(back.DatabaseFileName, "cars.db");
        EXPECT_EQ(back.BrowserProgram, "/usr/bin/firefox");
        EXPECT_EQ(back.Sizes, last.Sizes);
    }
}

TEST(LastUseFile, ShortOrForeignFilesReadAsEmptyTextsAndZeroSizes) {
    LastUse a = ParseLastUse("/data\r\n");
    EXPECT_EQ(a.DatabaseDirectory, "/data");
    EXPECT_EQ(a.DatabaseFileName, "");
    for (int v : a.Sizes) EXPECT_EQ(v, 0);

    LastUse b = ParseLastUse("d\r\nn\r\nb\r\np\r\nwide\r\n300\r\n");
    EXPECT_EQ(b.Sizes[0], 0);
    EXPECT_EQ(b.Sizes[1], 300);
}

}  // namespace
}  // namespace fv
