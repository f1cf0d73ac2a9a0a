// Rows into records: the program's own lines with the image slots, and foreign rows as the wizard maps them.
#include <gtest/gtest.h>

#include "platform/fs/files.h"
#include "records/import_fill.h"
#include "support/temp_dir.h"

namespace fv {
namespace {

std::vector<DatabaseRecord> ReadForeign(const std::string& bytes, const ImportMapping& m,
                                        std::vector<std::string>* missing = nullptr) {
    TextStream s(NormaliseLineEnds(bytes));
    RecordTextReader reader(s, m.Delimiter);
    std::vector<DatabaseRecord> rows;
    const ImportRoutes routes(m);
    DatabaseRecord r;
    while (ReadForeignRow(reader, m, routes, r, missing)) rows.push_back(r);
    return rows;
}

ImportMapping Mapping(std::initializer_list<const char*> mapTo, int delimiter = ',') {
    ImportMapping m;
    m.Delimiter = delimiter;
    std::size_t i = 0;
    for (const char* f : mapTo) m.MapToDB[i++] = f;
    return m;
}

TEST(ImportFill, ACategoryColumnTakesNoMappedNumber) {
    ImportMapping m = Mapping({"1", "2", "3", "4"});
    m.CategoryColumn = 3;
    auto rows = ReadForeign("a,b,Sport,d,e\r\n", m);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Category, "Sport");
    EXPECT_EQ(rows[0].Field[0], "a");
    EXPECT_EQ(rows[0].Field[1], "b");
    EXPECT_EQ(rows[0].Field[2], "d");  // source column 4 is mapped column 3
    EXPECT_EQ(rows[0].Field[3], "e");
}

TEST(ImportFill, OverflowListSendsExactlyTheNumberedColumnsToTheMemo) {
    struct Case {
        const char* overflow;
        std::string memo;
    };
    for (const Case& c : {Case{"2", "two\r\n"}, Case{"12,", ""}, Case{"1,2,", "two\r\n"}, Case{"3,2", "two\r\n"},
                          Case{"", ""}}) {
        ImportMapping m = Mapping({"1"});
        m.OverflowFields = c.overflow;
        auto rows = ReadForeign("one,two\r\n", m);
        ASSERT_EQ(rows.size(), 1u);
        EXPECT_EQ(rows[0].Memo, c.memo) << c.overflow;
        EXPECT_EQ(rows[0].Field[0], "one");
    }
}

TEST(ImportFill, FixedCategoryBudgetAndExtraColumns) {
    std::string line;
    for (int i = 1; i <= 27; ++i) line += (i > 1 ? "," : "") + std::string("v") + std::to_string(i);
    for (const char* overflow : {"", "extra columns"}) {
        ImportMapping m = Mapping({"1"});
        m.FixedCategory = "Vans";
        m.OverflowFields = overflow;
        auto rows = ReadForeign(line + "\r\nnext\r\n", m);
        ASSERT_EQ(rows.size(), 2u) << overflow;
        EXPECT_EQ(rows[0].Category, "Vans");
        // 24 columns are routed; 25 to 27 reach the memo only with "extra columns".
        EXPECT_EQ(rows[0].Memo, std::string(overflow).empty() ? "" : "v25\r\nv26\r\nv27\r\n") << overflow;
        EXPECT_EQ(rows[1].Field[0], "next");
    }
    // With a category column as well, its value replaces the fixed category.
    ImportMapping both = Mapping({"1"});
    both.FixedCategory = "Vans";
    both.CategoryColumn = 2;
    EXPECT_EQ(ReadForeign("x,Cars\r\n", both)[0].Category, "Cars");
}

TEST(ImportFill, ACategoryColumnAtTheEndOfTheLineEndsTheRow) {
    ImportMapping m = Mapping({"1"});
    m.CategoryColumn = 2;
    auto rows = ReadForeign("a,Sport\r\nb,Family\r\n", m);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1].Field[0], "b");
    EXPECT_EQ(rows[1].Category, "Family");
}

TEST(ImportFill, LineEndsOfEveryKindAndAnUnterminatedLastLine) {
    ImportMapping m = Mapping({"1"});
    auto rows = ReadForeign("a\nb\rc\r\nd", m);
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[3].Field[0], "d");
    EXPECT_EQ(NormaliseLineEnds(""), "");
}

TEST(ImportFill, ARowOverwritesEverythingOfAnEarlierRecordAtItsPlace) {
    TextStream s("new\r\n");
    RecordTextReader reader(s, ',');
    DatabaseRecord r;
    r.Field[5] = "stale";
    r.Image[2] = "stale.jpg";
    const ImportMapping m = Mapping({"1"});
    ASSERT_TRUE(ReadForeignRow(reader, m, ImportRoutes(m), r, nullptr));
    EXPECT_EQ(r.Field[0], "new");
    EXPECT_EQ(r.Field[5], "");
    EXPECT_EQ(r.Image[2], "");
}

TEST(ImportFill, AMissingImageLetsTheNextMoveUpAndIsKept) {
    testing::TempDir dir;
    ASSERT_TRUE(WriteWholeFile(dir.File("b.jpg"), "x"));
    const std::string missingPath = dir.File("a.jpg"), present = dir.File("b.jpg");
    // The program's own line: images are columns 22 to 25.
    std::string line = "\"Cat\"";
    for (int i = 0; i < 20; ++i) line += "\t";
    line += "\t\"" + missingPath + "\"\t\"" + present + "\"\t\t\r\n";
    TextStream s(line);
    RecordTextReader reader(s, TabDelimiter);
    DatabaseRecord r;
    std::vector<std::string> missing;
    ASSERT_TRUE(ReadOwnRecord(reader, r, &missing));
    EXPECT_EQ(r.Image[0], present);
    EXPECT_EQ(r.Image[1], "");
    EXPECT_EQ(r.Image[2], "");
    EXPECT_EQ(r.Image[3], missingPath);  // kept, in the slot left free
    EXPECT_EQ(missing, std::vector<std::string>{missingPath});

    // Four images that exist and a fifth image column: the fifth is dropped.
    ImportMapping m = Mapping({});
    for (std::size_t i = 0; i < 5; ++i) m.CheckImage[i] = true;
    std::string row;
    for (int i = 0; i < 5; ++i) row += (i ? "," : "") + present;
    auto rows = ReadForeign(row + "\r\n", m);
    ASSERT_EQ(rows.size(), 1u);
    for (const std::string& img : rows[0].Image) EXPECT_EQ(img, present);
    EXPECT_EQ(rows[0].Memo, "");

    // Four images that exist and a missing one: no free slot, so it is kept in the memo.
    std::vector<std::string> reported;
    auto withMissing = ReadForeign(row.substr(0, row.rfind(',')) + "," + missingPath + "\r\n", m, &reported);
    EXPECT_EQ(withMissing[0].Memo, "Bad Image File:" + missingPath + "\r\n");
    EXPECT_EQ(reported, std::vector<std::string>{missingPath});
}

// An imported value holding a TAB, a line break or a double quote is stored as the record editor stores a
// typed one; raw, it would break the line of the database file and shift every later column of the reload.
TEST(ImportFill, ImportedValuesAreCleanedAsTypedOnesAre) {
    testing::TempDir dir;
    ImportMapping m = Mapping({"1", "2", "", "3"});
    m.CategoryColumn = 1;
    m.CheckImage[2] = true;
    const std::string picture = dir.File("pic\tture.jpg");
    auto rows = ReadForeign("Sp\tort,Ford\tKa,2\tdoors," + picture + ",last\r\n", m);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Category, "Sp ort");
    EXPECT_EQ(rows[0].Field[0], "Ford Ka");
    EXPECT_EQ(rows[0].Field[1], "2 doors");
    EXPECT_EQ(rows[0].Field[2], "last");
    EXPECT_EQ(rows[0].Image[0], dir.File("pic ture.jpg"));

    // ODBC values come with any characters at all.
    DatabaseRecord r;
    ImportMapping odbc = Mapping({"1", "2", "3"});
    odbc.OverflowFields = "4";
    FillFromValues({"two\r\nlines", "a\tb", "say \"hi\"\n", "to the memo\tas it is"}, odbc, ImportRoutes(odbc), r,
                   nullptr);
    EXPECT_EQ(r.Field[0], "two  lines");
    EXPECT_EQ(r.Field[1], "a b");
    EXPECT_EQ(r.Field[2], "say ''hi'' ");
    EXPECT_EQ(r.Memo, "to the memo\tas it is\r\n");  // the file stores the memo's lines and TABs itself

    // The same row saved and read back keeps every column in its place.
    DatabaseState db;
    db.RecordCount = 1;
    db.RecordTable[0] = r;
    TextStream saved(DatabaseText(db));
    std::int32_t count = 0;
    ASSERT_TRUE(ReadCountLine(saved, count));
    RecordTextReader reader(saved, TabDelimiter);
    DatabaseRecord back;
    ASSERT_TRUE(ReadOwnRecord(reader, back, nullptr));
    EXPECT_EQ(back.Field, r.Field);
}

// A double quote inside a value is the value's, whichever import brings it: it is stored as two single
// quotes, as a typed one is. The text file's cell is written as a program exporting the value writes it.
TEST(ImportFill, ADoubleQuoteIsKeptAsTwoSingleQuotesByBothImports) {
    struct Case {
        std::string fileCell;
        std::optional<std::string> odbcValue;
        std::string stored;
        const char* reason;
    };
    const Case cases[] = {
        {"See \"territorial claims\"", "See \"territorial claims\"", "See ''territorial claims''",
         "quotes inside a value that is not in quotes"},
        {"\"Lamp, \"\"tall\"\" model\"", "Lamp, \"tall\" model", "Lamp, ''tall'' model",
         "doubled quotes inside a quoted value that holds the delimiter"},
        {"5\" screen", "5\" screen", "5'' screen", "a lone quote"},
        {"\"\"\"all\"\"\"", "\"all\"", "''all''", "a value that is all in quotes"},
        {"\"plain\"", "plain", "plain", "quotes that only enclose a value are not part of it"},
        {"", std::nullopt, "", "NULL is the empty text"},
        {"(null)", "(null)", "", "the text of nothing is the empty text"},
    };
    const ImportMapping m = Mapping({"1", "2"});
    const ImportRoutes routes(m);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        // The text file as the load reads it: a foreign file's quoted values are protected.
        TextStream s(NormaliseLineEnds(c.fileCell + ",next\r\n"));
        RecordTextReader reader(s, m.Delimiter, QuotedValues::Protected);
        DatabaseRecord fromFile;
        ASSERT_TRUE(ReadForeignRow(reader, m, routes, fromFile, nullptr));
        DatabaseRecord fromOdbc;
        FillFromValues({OdbcImportText(c.odbcValue), "next"}, m, routes, fromOdbc, nullptr);
        if (c.fileCell != "(null)") EXPECT_EQ(fromFile.Field[0], c.stored) << c.fileCell;
        EXPECT_EQ(fromOdbc.Field[0], c.stored);
        EXPECT_EQ(fromFile.Field[1], "next");
        EXPECT_EQ(fromOdbc.Field[1], "next");
    }
    // The ODBC value is held to the slot's 300 bytes before its quotes are stored.
    EXPECT_EQ(OdbcImportText(std::string(299, 'a') + "\"b"), std::string(299, 'a') + "\"");
}

// Pages are made per listed category: after an import the list holds every category its records carry.
TEST(ImportFill, TheCategoryListTakesEveryCategoryOfTheImportedRecords) {
    struct Case {
        std::vector<std::string> list, imported, expected;
        const char* reason;
    };
    const Case cases[] = {
        {{"Sport", "Family"}, {"Lamps", "Lamps"}, {"Sport", "Family", "Lamps"}, "a new category once"},
        {{"Sport"}, {"Sport"}, {"Sport"}, "a listed one changes nothing"},
        {{"Sport", "", "Old"}, {"Lamps", "Desk"}, {"Sport", "Lamps", "Desk", "", "Old"},
         "before the entry that ends the valid part, in the order of first use"},
        {{"Sport", " "}, {"Old"}, {"Sport", "Old", " "}, "a single blank ends it too"},
        {{}, {"", " "}, {"Category unknown"}, "a record without a category gets one"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        DatabaseState db;
        db.RecordTable[0].Category = "Before";  // not imported: not looked at
        for (std::size_t i = 0; i < c.imported.size(); ++i) db.RecordTable[i + 1].Category = c.imported[i];
        db.RecordCount = int(c.imported.size()) + 1;
        EXPECT_EQ(ListWithImportedCategories(c.list, db, 1, db.RecordCount), c.expected);
        for (std::size_t i = 0; i < c.imported.size(); ++i)
            EXPECT_FALSE(db.RecordTable[i + 1].Category.empty() || db.RecordTable[i + 1].Category == " ");
    }
}

// The wizard maps column n to field n by default, also for columns the query does not have: those fill
// nothing, so a field that a column of the query fills keeps its value.
TEST(ImportFill, AColumnTheQueryDoesNotHaveBlanksNoField) {
    ImportMapping m = Mapping({"20", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12", "13", "14", "15", "16",
                               "17", "18", "19", "20"});
    m.CheckImage[21] = true;
    DatabaseRecord r;
    FillFromValues({"Lamp", "40", "tall"}, m, ImportRoutes(m), r, nullptr);
    EXPECT_EQ(r.Field[19], "Lamp");
    EXPECT_EQ(r.Field[1], "40");
    EXPECT_EQ(r.Field[2], "tall");
    EXPECT_EQ(r.Image, (std::array<std::string, 4>{}));
    // The same row from a text file, where the line's end ends the row.
    auto rows = ReadForeign("Lamp,40,tall\r\n", m);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].Field, r.Field);
}

TEST(ImportFill, OdbcValuesAreRoutedByPosition) {
    ImportMapping m = Mapping({"2", "1"});
    m.CategoryColumn = 3;
    DatabaseRecord r;
    FillFromValues({"a", "b", "Sport", "", "e"}, m, ImportRoutes(m), r, nullptr);
    EXPECT_EQ(r.Field[1], "a");
    EXPECT_EQ(r.Field[0], "b");
    EXPECT_EQ(r.Category, "Sport");
    // Columns beyond the budget go to the memo when not empty.
    std::vector<std::string> many(27, "");
    many[26] = "last";
    const ImportMapping none = Mapping({});
    FillFromValues(many, none, ImportRoutes(none), r, nullptr);
    EXPECT_EQ(r.Memo, "last\r\n");
}

// However many memo pieces or extra columns a line holds, the memo keeps the data model's 4999 bytes, and
// the cut does not split a character; a memo within the limit is untouched.
TEST(ImportFill, TheMemoIsHeldToItsLimit) {
    const std::string piece = "\xC3\xA9" + std::string(398, 'y');  // 400 bytes, a two-byte character first
    std::string pieces;
    for (int i = 0; i < 15; ++i) pieces += "\t" + piece;
    struct Case {
        const char* why;
        std::string own;  // a line of the program's own file
        std::size_t memo;
    };
    const Case cases[] = {
        {"15 pieces of 400 bytes and their line breaks", std::string(25, '\t') + pieces.substr(1) + "\r\n", 4999},
        {"a two-byte character across the limit", std::string(25, '\t') + std::string(4998, 'z') + "\xC3\xA9\r\n",
         4998},
        {"one piece of 4999 bytes, within the limit", std::string(25, '\t') + std::string(4999, 'z') + "\r\n", 4999},
    };
    for (const Case& c : cases) {
        TextStream s(c.own);
        RecordTextReader reader(s, TabDelimiter);
        DatabaseRecord r;
        ASSERT_TRUE(ReadOwnRecord(reader, r, nullptr)) << c.why;
        EXPECT_EQ(r.Memo.size(), c.memo) << c.why;
    }

    ImportMapping m = Mapping({"1"});
    m.OverflowFields = "extra columns";
    std::string row = "a";
    for (int i = 0; i < 40; ++i) row += "," + piece;  // 24 go to no field, 16 are extra columns
    auto rows = ReadForeign(row + "\r\n", m);
    ASSERT_EQ(rows.size(), 1u);
    // Pieces of 400 bytes and CR LF: 12 whole ones (4824 bytes), then 175 bytes of the next, whose first
    // character is whole.
    EXPECT_EQ(rows[0].Memo.size(), 4999u);
    EXPECT_EQ(rows[0].Memo.substr(4824, 2), "\xC3\xA9");

    DatabaseRecord fromValues;
    std::vector<std::string> values(25, "v");
    for (int i = 0; i < 30; ++i) values.push_back(piece);
    FillFromValues(values, m, ImportRoutes(m), fromValues, nullptr);
    EXPECT_EQ(fromValues.Memo.size(), 4999u);
}

}  // namespace
}  // namespace fv
