// The database text file, byte for byte, and the record text reader's edge cases.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

#include "platform/fs/files.h"
#include "records/import_fill.h"
#include "records/record_text.h"

namespace fv {
namespace {

std::string Fixture(const std::string& name) {
    auto bytes = ReadWholeFile(std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/records/" + name);
    EXPECT_TRUE(bytes.has_value()) << name;
    return bytes.value_or("");
}

// The fixture's records: every kind of slot, an empty one, a single blank, a two-line memo, and a record
// with nothing at all.
void FillSmall(DatabaseState& db) {
    db.RecordCount = 3;
    DatabaseRecord& a = db.RecordTable[0];
    a.Category = "Executive";
    a.Field[0] = "Jaguar XJ";
    a.Field[1] = " ";
    a.Field[3] = "12.5";
    a.Field[19] = "end";
    a.Image[0] = "/pics/jag.jpg";
    a.Memo = "First line\r\nSecond line\r\n";
    DatabaseRecord& b = db.RecordTable[1];
    b.Category = "4x4";
    b.Field[0] = "Land Rover";
}

std::vector<DatabaseRecord> ReadAll(const std::string& bytes, std::int32_t& count) {
    TextStream s(bytes);
    std::vector<DatabaseRecord> out;
    if (!ReadCountLine(s, count)) return out;
    RecordTextReader reader(s, TabDelimiter);
    // The load's own reader; the fixtures name no image file that exists, and such paths keep their slots.
    DatabaseRecord r;
    for (int i = 0; i < count && ReadOwnRecord(reader, r, nullptr); ++i) out.push_back(r);
    return out;
}

// The load keeps the path of a picture that is not there in a slot left free (the fixtures' pictures are
// not there), so the images are compared as a set.
bool SameTexts(const DatabaseRecord& a, const DatabaseRecord& b) {
    auto images = [](const DatabaseRecord& r) {
        auto list = r.Image;
        std::sort(list.begin(), list.end());
        return list;
    };
    return a.Category == b.Category && a.Field == b.Field && images(a) == images(b) && a.Memo == b.Memo;
}

TEST(DatabaseTextFile, WritesTheGoldenFileAndReadsItBackToTheSameRecords) {
    DatabaseState db;
    FillSmall(db);
    const std::string golden = Fixture("small.db");
    EXPECT_EQ(DatabaseText(db), golden);

    std::int32_t count = 0;
    std::vector<DatabaseRecord> back = ReadAll(golden, count);
    ASSERT_EQ(count, 3);
    ASSERT_EQ(back.size(), 3u);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(SameTexts(back[std::size_t(i)], db.RecordTable[std::size_t(i)])) << i;
}

TEST(DatabaseTextFile, SlotAndMemoRules) {
    struct Case {
        const char* what;
        std::string memo;
        std::string field1;
        std::string writtenTail;  // the record line from field 1's slot to the end
        std::string memoBack;
        std::string field1Back;
    };
    const std::string tabs24(24, '\t');  // the rest of the fields and the images
    const Case cases[] = {
        {"all empty", "", "", std::string(25, '\t').substr(1) + "\r\n", "", ""},
        {"single blank is quoted", "", " ", "\" \"\t" + std::string(23, '\t') + "\r\n", "", " "},
        {"quote inside a field is dropped on reading", "", "7\"", "\"7\"\"\t" + std::string(23, '\t') + "\r\n", "", "7"},
        {"memo tab becomes a space", "a\tb", "", tabs24 + "\"a b\"\r\n", "a b", ""},
        {"memo lines come back as typed", "a\r\nb", "", tabs24 + "\"a\tb\"\r\n", "a\r\nb", ""},
        {"a last line break stays", "a\r\nb\r\n", "", tabs24 + "\"a\tb\t\"\r\n", "a\r\nb\r\n", ""},
        {"empty memo lines are kept", "a\r\n\r\nb", "", tabs24 + "\"a\t\tb\"\r\n", "a\r\n\r\nb", ""},
        {"a lone LF or CR is a line break", "a\nb\rc", "", tabs24 + "\"a\tb\tc\"\r\n", "a\r\nb\r\nc", ""},
        {"quote in the memo becomes two single quotes", "say \"hi\"", "", tabs24 + "\"say ''hi''\"\r\n",
         "say ''hi''", ""},
        {"a memo of one line break", "\r\n", "", tabs24 + "\"\t\"\r\n", "\r\n", ""},
    };
    for (const Case& c : cases) {
        DatabaseState db;
        db.RecordCount = 1;
        db.RecordTable[0].Field[0] = c.field1;
        db.RecordTable[0].Memo = c.memo;
        std::string text = DatabaseText(db);
        // "1\r\n", then the category slot (empty: a TAB), then the rest.
        EXPECT_EQ(text, "1\r\n\t" + c.writtenTail) << c.what;
        std::int32_t count = 0;
        std::vector<DatabaseRecord> back = ReadAll(text, count);
        ASSERT_EQ(back.size(), 1u) << c.what;
        EXPECT_EQ(back[0].Memo, c.memoBack) << c.what;
        EXPECT_EQ(back[0].Field[0], c.field1Back) << c.what;
    }
}

// Memo pieces are not fields: each may be far longer than a field's 300 characters.
TEST(DatabaseTextFile, LongMemoLinesComeBackWhole) {
    DatabaseState db;
    db.RecordCount = 2;
    db.RecordTable[0].Memo = std::string(1200, 'm') + "\r\n" + std::string(400, 'n') + "\r\n";
    db.RecordTable[1].Memo = std::string(301, 'x') + "\r\n" + std::string(4000, 'y');
    db.RecordTable[1].Field[0] = "after";
    std::int32_t count = 0;
    std::vector<DatabaseRecord> back = ReadAll(DatabaseText(db), count);
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[0].Memo, db.RecordTable[0].Memo);
    EXPECT_EQ(back[1].Memo, db.RecordTable[1].Memo);
    EXPECT_EQ(back[1].Field[0], "after");
}

// What the load reads, the save writes back byte for byte: a memo read from a file gains no TAB.
TEST(DatabaseTextFile, AFileReadAndWrittenAgainKeepsItsBytes) {
    const std::string tabs24(24, '\t');
    const std::string file = "4\r\n"
                             "\"Car\"\t" + tabs24 + "\"one line\"\r\n"
                             "\"Car\"\t" + tabs24 + "\"two\tlines\"\r\n"
                             "\"Car\"\t" + tabs24 + "\"ends\twith a break\t\"\r\n"
                             "\"Van\"\t" + tabs24 + "\r\n";
    std::int32_t count = 0;
    std::vector<DatabaseRecord> back = ReadAll(file, count);
    ASSERT_EQ(back.size(), 4u);
    EXPECT_EQ(back[1].Memo, "two\r\nlines");
    DatabaseState db;
    db.RecordCount = 4;
    for (std::size_t i = 0; i < back.size(); ++i) db.RecordTable[i] = back[i];
    EXPECT_EQ(DatabaseText(db), file);
}

TEST(DatabaseTextFile, TypedMemoTextIsStoredAsItReadsBack) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"plain", "plain"},
        {"say \"hi\"", "say ''hi''"},
        {"a\tb", "a b"},
        {"a\nb\rc\r\nd\r\n", "a\r\nb\r\nc\r\nd\r\n"},
        {std::string(5000, 'x'), std::string(4999, 'x')},
    };
    for (const auto& [typed, stored] : cases) {
        EXPECT_EQ(CleanMemoText(typed), stored) << typed.substr(0, 20);
        DatabaseState db;
        db.RecordCount = 1;
        db.RecordTable[0].Memo = CleanMemoText(typed);
        std::int32_t count = 0;
        std::vector<DatabaseRecord> back = ReadAll(DatabaseText(db), count);
        ASSERT_EQ(back.size(), 1u);
        EXPECT_EQ(back[0].Memo, stored) << typed.substr(0, 20);
    }
}

TEST(RecordTextReader, CountLineDecidesTheFormat) {
    struct Case {
        std::string firstLine;
        bool own;
        std::int32_t count;
    };
    for (const Case& c : {Case{"12", true, 12}, Case{"0", true, 0}, Case{"", false, 0}, Case{"12a", false, 0},
                          Case{" 3", false, 0}, Case{"-3", false, 0}}) {
        TextStream s(c.firstLine + "\r\nrest\r\n");
        std::int32_t count = 0;
        EXPECT_EQ(ReadCountLine(s, count), c.own) << c.firstLine;
        if (c.own) {
            EXPECT_EQ(count, c.count);
        }
    }
}

TEST(RecordTextReader, OverLongLineComesInPieces) {
    TextStream s("abcdefgh\r\nxy");
    EXPECT_EQ(ReadTextLine(s, 5), "abcde");
    EXPECT_EQ(ReadTextLine(s, 5), "fgh");
    EXPECT_EQ(ReadTextLine(s, 5), "xy");
    EXPECT_TRUE(s.Eof());
    // LF alone does not end a line.
    TextStream lf("a\nb\r\n");
    EXPECT_EQ(ReadTextLine(lf, 100), "a\nb");
}

TEST(RecordTextReader, TheThreeHundredAndFirstCharacterIsDroppedAndTheRecordStillEnds) {
    std::string line = std::string(305, 'x') + "\t\"next\"\r\nmore";
    TextStream s(line);
    RecordTextReader reader(s, TabDelimiter);
    EXPECT_EQ(reader.ReadSlot(), std::string(300, 'x'));
    EXPECT_FALSE(reader.EndOfRecord);
    EXPECT_EQ(reader.ReadSlot(), "next");
    EXPECT_TRUE(reader.EndOfRecord);

    TextStream crEnds(std::string(301, 'y') + "\r\n");
    RecordTextReader r2(crEnds, TabDelimiter);
    EXPECT_EQ(r2.ReadSlot(), std::string(300, 'y'));
    EXPECT_TRUE(r2.EndOfRecord);
}

TEST(RecordTextReader, QuotesProtectNothingAndHighDelimitersWork) {
    TextStream s("\"a,b\",c\r\n");
    RecordTextReader reader(s, ',');
    EXPECT_EQ(reader.ReadSlot(), "a");
    EXPECT_EQ(reader.ReadSlot(), "b");
    EXPECT_EQ(reader.ReadSlot(), "c");
    EXPECT_TRUE(reader.EndOfRecord);

    // A delimiter code above 127 is a byte like any other.
    TextStream high("one\xA7two\r\n");
    RecordTextReader r2(high, 0xA7);
    EXPECT_EQ(r2.ReadSlot(), "one");
    EXPECT_EQ(r2.ReadSlot(), "two");
    EXPECT_EQ(CountColumns(high, 0xA7, false), 2);
}

// Foreign files: a value in double quotes is one value, delimiter and all, and "" inside it is one quote.
// Our own file keeps its rule (above).
TEST(RecordTextReader, QuotedValuesOfForeignFiles) {
    struct Case {
        const char* what;
        std::string line;
        std::vector<std::string> values;
    };
    const Case cases[] = {
        {"delimiter inside quotes", "\"Floor lamp, tall\",Lamp,10\r\n", {"Floor lamp, tall", "Lamp", "10"}},
        {"doubled quotes", "\"He said \"\"hi\"\"\",x\r\n", {"He said \"hi\"", "x"}},
        {"a lone doubled quote", "\"\"\"\",a\r\n", {"\"", "a"}},
        {"empty quoted value", "\"\",,b\r\n", {"", "", "b"}},
        {"text after the closing quote", "\"a, b\"c,d\r\n", {"a, bc", "d"}},
        {"a quote inside an unquoted value is kept", "5\" screen,x\r\n", {"5\" screen", "x"}},
        {"quotes after the first byte are the value's", "See \"claims\",x\r\n", {"See \"claims\"", "x"}},
        {"the line end ends an open quote", "\"open, never closed\r\n", {"open, never closed"}},
        {"the last value quoted", "a,\"b,c\"\r\n", {"a", "b,c"}},
    };
    for (const Case& c : cases) {
        TextStream s(c.line + "next\r\n");
        RecordTextReader reader(s, ',', QuotedValues::Protected);
        std::vector<std::string> got;
        do got.push_back(reader.ReadSlot());
        while (!reader.EndOfRecord && !s.Eof());
        EXPECT_EQ(got, c.values) << c.what;
        s.Get();  // the LF after the CR, as the callers skip it
        EXPECT_EQ(reader.ReadSlot(), "next") << c.what;
    }
}

// The field rule read a byte at a time, as it is stated: quotes dropped, other bytes kept up to maxChars,
// then skipped, up to the delimiter or CR, which ends the field and is kept.
std::string FieldByBytes(TextStream& s, unsigned char delimiter, std::size_t maxChars) {
    std::string field;
    for (int c = s.Get(); c >= 0; c = s.Get()) {
        if (c == delimiter || c == '\r') return field + char(c);
        if (c != '"' && field.size() < maxChars) field += char(c);
    }
    return field;
}

// The same with protected quotes: a field that begins with a quote keeps everything up to the closing
// quote ("" giving one quote, a CR still ending the field), then goes on keeping every byte, quotes too.
std::string ProtectedFieldByBytes(TextStream& s, unsigned char delimiter, std::size_t maxChars) {
    std::string field;
    auto keep = [&](int c) {
        if (field.size() < maxChars) field += char(c);
    };
    auto peek = [&s] { return s.Position() < s.Size() ? int(static_cast<unsigned char>(s.Bytes()[s.Position()])) : -1; };
    if (peek() == '"') {
        s.Get();
        for (int c = s.Get();; c = s.Get()) {
            if (c < 0) return field;
            if (c == '\r') return field + char(c);
            if (c != '"') {
                keep(c);
                continue;
            }
            if (peek() != '"') break;
            keep(s.Get());
        }
    }
    for (int c = s.Get(); c >= 0; c = s.Get()) {
        if (c == delimiter || c == '\r') return field + char(c);
        keep(c);
    }
    return field;
}

TEST(RecordTextReader, FieldsReadInRunsMatchTheRuleReadByteByByte) {
    // Runs long and short around the bytes that matter, so that every way through the reader is taken.
    std::mt19937 rng(11);
    const std::string alphabet = "ab\"\t\r\n,";
    for (int round = 0; round < 3000; ++round) {
        std::string bytes;
        const int pieces = int(rng() % 12);
        for (int k = 0; k < pieces; ++k) {
            const char c = alphabet[rng() % alphabet.size()];
            bytes.append(c == 'a' ? 1 + rng() % 40 : 1, c);
        }
        const unsigned char delimiter = round % 2 ? '\t' : ',';
        const std::size_t maxChars = round % 3 ? MaxSlotLength : 1 + rng() % 20;
        for (QuotedValues quoted : {QuotedValues::Dropped, QuotedValues::Protected}) {
            TextStream fast(bytes), slow(bytes);
            RecordTextReader reader(fast, delimiter, quoted);
            while (!slow.Eof()) {
                std::string field = "stale";
                reader.ReadQuotedField(field, maxChars);
                const std::string expected = quoted == QuotedValues::Dropped
                                                 ? FieldByBytes(slow, delimiter, maxChars)
                                                 : ProtectedFieldByBytes(slow, delimiter, maxChars);
                ASSERT_EQ(field, expected) << "in " << ::testing::PrintToString(bytes);
                ASSERT_EQ(fast.Position(), slow.Position());
                ASSERT_EQ(fast.Eof(), slow.Eof());
            }
        }
    }
}

TEST(RecordTextReader, AtTheEndOfTheStreamAFieldIsLeftAsItWas) {
    TextStream s("x");
    RecordTextReader reader(s, TabDelimiter);
    std::string field;
    reader.ReadQuotedField(field);
    EXPECT_EQ(field, "x");
    EXPECT_TRUE(s.Eof());
    field = "kept";
    reader.ReadQuotedField(field);
    EXPECT_EQ(field, "kept");
}

TEST(RecordTextReader, CountsLinesAndColumnsAndLeavesTheStreamAtItsStart) {
    struct Case {
        std::string bytes;
        int delimiter;
        bool skip;
        int lines, columns;
    };
    const Case cases[] = {
        {"a,b,c\r\nd\r\n", 44, false, 2, 3},
        {"\r\na,b\r\n", 44, false, 2, 1},
        {"3\r\na,b\r\n", 44, true, 2, 2},
        {"a,b\nc,d\n", 44, false, 0, 3},  // LF alone: no line ends, and the first "line" runs on
        {"", 9, false, 0, 1},
    };
    for (const Case& c : cases) {
        TextStream s(c.bytes);
        s.Get();
        EXPECT_EQ(CountLines(s), c.lines) << c.bytes;
        EXPECT_EQ(s.Position(), 0u);
        EXPECT_EQ(CountColumns(s, c.delimiter, c.skip), c.columns) << c.bytes;
        EXPECT_EQ(s.Position(), 0u);
    }
}

TEST(RecordTextReader, DelimiterGuess) {
    struct Case {
        std::string bytes;
        int code, index;
    };
    const Case cases[] = {
        {"a,b\tc,d\te", 9, 0},                 // as many commas as tabs: tab
        {"a;b;c,d", 59, 6},
        {"\"big red car\"|x|y", 124, 2},      // spaces inside quotes do not count
        {"\"a b c d\" e", 32, 4},
        {"no candidates", 32, 4},
        {"plain", 9, 0},
        {"", 9, 0},
        {"a!b!c/d", 33, 7},
    };
    for (const Case& c : cases) {
        TextStream s(c.bytes);
        DelimiterChoice d = DelimiterGuess(s);
        EXPECT_EQ(d.Code, c.code) << c.bytes;
        EXPECT_EQ(d.ComboIndex, c.index) << c.bytes;
        EXPECT_EQ(s.Position(), 0u);
    }
}

TEST(RecordTextReader, SmallTextHelpers) {
    EXPECT_FALSE(HasNonDigit(""));
    EXPECT_FALSE(HasNonDigit("0123"));
    EXPECT_TRUE(HasNonDigit("12 "));
    EXPECT_EQ(StripQuotes("\"a\"b\""), "ab");
}

TEST(RecordTextReader, CleanSlotTextKeepsTheLineIntact) {
    EXPECT_EQ(CleanSlotText("a\tb\r\nc\"d\""), "a b  c''d''");
    EXPECT_EQ(CleanSlotText(std::string(299, 'x') + "é"), std::string(299, 'x'));  // no half character
    DatabaseState db;
    db.RecordCount = 1;
    db.RecordTable[0].Field[4] = CleanSlotText("He said \"go\"\tnow");
    std::int32_t count = 0;
    std::vector<DatabaseRecord> back = ReadAll(DatabaseText(db), count);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(back[0].Field[4], "He said ''go'' now");
    EXPECT_EQ(back[0].Field[5], "");
}

}  // namespace
}  // namespace fv
