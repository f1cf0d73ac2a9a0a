// What a connection for reading lets through to its data source: one query that only reads, and table
// names that are names. Each case gives its reason; the texts are read as SQL reads them, so literals,
// quoted names and comments neither hide a statement nor cause a refusal.
#include <gtest/gtest.h>

#include "platform/db/odbc_statement.h"

namespace fv::testing {
namespace {

const char* const NotAQuery =
    "Only a query that reads can be run: the SQL SELECT statement must begin with SELECT or WITH. Nothing was "
    "sent to the data source.";
const char* const TwoStatements =
    "Only one statement can be run: the SQL SELECT statement holds a second statement after a ';'. Nothing was "
    "sent to the data source.";
std::string Holds(const std::string& word) {
    return "Only a query that reads can be run: the SQL SELECT statement holds the word \"" + word +
           "\", which changes a data source. Nothing was sent to the data source. A column of that name can be "
           "written in double quotes.";
}

TEST(OdbcStatementTest, OnlyOneQueryThatReadsIsLetThrough) {
    struct Case {
        const char* sql;
        std::optional<std::string> refusal;
        const char* reason;
    };
    const Case cases[] = {
        {"select * from items", std::nullopt, "a query"},
        {"  SeLeCt name FROM items WHERE id > 10;  \r\n", std::nullopt, "any case; a ';' that ends the only statement"},
        {"-- the lamps\r\nselect * from items", std::nullopt, "a line comment before a query"},
        {"/* lamps; all */ select * from items", std::nullopt, "a block comment with a ';' before a query"},
        {"with t as (select * from items) select * from t", std::nullopt, "WITH and a SELECT"},
        {"(select 1) union (select 2)", std::nullopt, "a bracket first"},
        {"select 'drop; delete' as x, \"update\" from items", std::nullopt,
         "words and ';' inside a literal or a quoted name"},
        {"select replace(name, 'a', 'b') from items", std::nullopt, "REPLACE the text function"},
        {"select * from items -- ; delete from items", std::nullopt, "a statement inside a comment is none"},
        {"update items set name = 'x'", NotAQuery, "an update"},
        {"delete from items where id > 10", NotAQuery, "a delete"},
        {"drop table items", NotAQuery, "a drop"},
        {"insert into items values (1)", NotAQuery, "an insert"},
        {"-- select\r\ndelete from items", NotAQuery, "a comment that reads 'select' before a delete"},
        {"/* select */ delete from items", NotAQuery, "the same with a block comment"},
        {"select 1; delete from items", TwoStatements, "two statements"},
        {"select 1;; select 2", TwoStatements, "two statements after an empty one"},
        {"select 1 /* x */ ; /* y */ drop table items", TwoStatements, "comments around the ';'"},
        {"select 'a\\'' ; delete from items; -- '", TwoStatements,
         "a backslash that some data sources read as an escape: their literal ends later"},
        {"with d as (delete from items returning *) select * from d", Holds("DELETE"), "a delete inside WITH"},
        {"select * into copy from items", Holds("INTO"), "SELECT INTO makes a table"},
        {"select * from items for update", Holds("UPDATE"), "a lock is a write too"},
        {"with t as (select 1) replace into items values (1)", Holds("REPLACE"), "REPLACE the statement"},
        {"", "You must specify a Database Table to View or an SQL SELECT statement.", "nothing"},
        {" -- only a comment\r\n;", "You must specify a Database Table to View or an SQL SELECT statement.",
         "only a comment"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        EXPECT_EQ(QueryRefusal(c.sql), c.refusal) << c.sql;
    }
}

TEST(OdbcStatementTest, ATableNameIsANameAndNothingMore) {
    struct Case {
        const char* name;
        bool accepted;
        const char* reason;
    };
    const Case cases[] = {
        {"items", true, "a plain name"},
        {" Items_2024$ ", true, "digits, '_', '$' and blanks around"},
        {"main.items", true, "a schema before it"},
        {"\"my items\"", true, "a name with a blank, in double quotes"},
        {"[my items]", true, "in square brackets"},
        {"\"main\".\"my items\"", true, "both parts quoted"},
        {"items; drop table items", false, "a second statement"},
        {"items where 1 = 1", false, "more than a name"},
        {"items -- comment", false, "a comment"},
        {"\"my\"items\"", false, "a quote inside a quoted name"},
        {"\"items", false, "an unclosed quote"},
        {"main.", false, "a '.' with nothing after it"},
        {"\"\"", false, "an empty quoted name"},
        {"(select * from items)", false, "a query in brackets"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        EXPECT_EQ(!TableNameRefusal(c.name).has_value(), c.accepted) << c.name;
    }
    EXPECT_EQ(TableNameRefusal("a b"),
              "The Table Name must be the name of one table: letters, digits, '_' and '$', or a name in double "
              "quotes or square brackets, with a schema name and a '.' before it if need be. Nothing was sent to "
              "the data source.");
}

}  // namespace
}  // namespace fv::testing
