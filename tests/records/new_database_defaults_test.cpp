// The fonts of a new database and the case styles of labels taken from ODBC column names.
#include <gtest/gtest.h>

#include "records/new_database_defaults.h"

namespace fv {
namespace {

TEST(NewDatabaseDefaults, Fonts) {
    DatabaseState db;
    InitialiseFontStructure(db);
    struct Case {
        const PublishFont* font;
        const char *colour, *size, *style;
    };
    for (const Case& c : {Case{&db.LabelFont, "White", "-1", " "}, Case{&db.ScrollFont, "Silver", "-1", " "},
                          Case{&db.InstructionFont, "Silver", "-1", "Bold Italic"},
                          Case{&db.HeaderFont, "Red", "+2", "Bold"}, Case{&db.FieldFonts[0], "Yellow", "-1", " "},
                          Case{&db.FieldFonts[19], "Yellow", "-1", " "}}) {
        EXPECT_EQ(c.font->Colour, c.colour);
        EXPECT_EQ(c.font->Face, " ");
        EXPECT_EQ(c.font->Size, c.size);
        EXPECT_EQ(c.font->Style, c.style);
    }
}

TEST(NewDatabaseDefaults, CaseStyles) {
    struct Case {
        const char *in, *title, *upper, *lower;
    };
    for (const Case& c : {Case{"CUSTOMER_name", "Customer_Name", "CUSTOMER_NAME", "customer_name"},
                          Case{"o'neil", "O'Neil", "O'NEIL", "o'neil"},
                          Case{"item2price", "Item2Price", "ITEM2PRICE", "item2price"},
                          Case{"", "", "", ""}, Case{"ÄBc dé", "ÄBc Dé", "ÄBC Dé", "Äbc dé"}}) {
        EXPECT_EQ(ToTitleCase(c.in), c.title) << c.in;
        EXPECT_EQ(ToUpperCase(c.in), c.upper) << c.in;
        EXPECT_EQ(ToLowerCase(c.in), c.lower) << c.in;
    }
}

}  // namespace
}  // namespace fv
