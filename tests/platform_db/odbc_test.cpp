// The ODBC layer against the real SQLite ODBC driver: connecting, the driver's messages on failure, the
// rows and columns of a result with their types, NULLs, BLOB bytes, and values by position when a join
// repeats a column name.
#include <gtest/gtest.h>

#include "platform/db/odbc.h"
#include "platform/fs/files.h"
#include "support/test_odbc.h"

namespace fv::testing {
namespace {

class OdbcTest : public ::testing::Test {
protected:
    void SetUp() override {
        FOLIVEX_REQUIRE_ODBC(odbc);
        odbc.Run(FixtureSql());
        std::string error;
        ASSERT_TRUE(db.Connect(TestDataSource, "", "", &error)) << error;
    }
    TestOdbc odbc;
    OdbcConnection db;
};

TEST_F(OdbcTest, ATableGivesItsRowsColumnsAndTypes) {
    OdbcQuery q;
    std::string error;
    ASSERT_TRUE(q.Open(db, "select * from cars", &error)) << error;
    EXPECT_TRUE(q.Active());
    EXPECT_EQ(q.RecordCount(), 4);
    ASSERT_EQ(q.ColumnCount(), 4);
    const ColumnType types[] = {ColumnType::Text, ColumnType::Integer, ColumnType::Real, ColumnType::Blob};
    const char* names[] = {"name", "doors", "price", "photo"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(q.Columns()[std::size_t(c)].Name, names[c]);
        EXPECT_EQ(q.Columns()[std::size_t(c)].Type, types[c]) << names[c];
    }
    q.First();
    EXPECT_EQ(q.Value(0), "Defender");
    EXPECT_EQ(q.Value(1), "3");
    EXPECT_EQ(std::stod(q.Value(2).value()), 32000.5);
    EXPECT_EQ(q.Value(3), std::string("\x89PNG"));
    q.Next();
    EXPECT_EQ(q.Value(0), "Golf \"GTI\"");
    EXPECT_EQ(q.Value(3), std::nullopt);
    q.Next();
    EXPECT_EQ(q.Value(1), std::nullopt);
    EXPECT_EQ(q.Value(3), std::string(1, '\0'));
    q.Next();
    EXPECT_EQ(q.Value(0), std::nullopt);
    EXPECT_FALSE(q.Eof());
    q.Next();
    EXPECT_TRUE(q.Eof());
    EXPECT_EQ(q.Value(0), std::nullopt);
    EXPECT_EQ(q.Value(99), std::nullopt);
    q.First();
    EXPECT_EQ(q.RecNo(), 0);
    EXPECT_EQ(q.Value(0), "Defender");
}

TEST_F(OdbcTest, ARepeatedColumnNameKeepsEachColumnsOwnValueByPosition) {
    OdbcQuery q;
    std::string error;
    ASSERT_TRUE(q.Open(db, "select cars.name, makers.name from cars join makers on makers.car = cars.name "
                           "order by cars.name", &error)) << error;
    ASSERT_EQ(q.ColumnCount(), 2);
    EXPECT_EQ(q.Columns()[0].Name, q.Columns()[1].Name);
    q.First();
    EXPECT_EQ(q.Value(0), "Defender");
    EXPECT_EQ(q.Value(1), "Land Rover");
    // By name only the first of the two is reachable, which is why the program reads by position.
    EXPECT_EQ(q.ValueByName("NAME"), "Defender");
    q.Next();
    EXPECT_EQ(q.Value(1), "BMC");
}

TEST_F(OdbcTest, FailuresGiveTheDriversMessageAndLeaveNothingOpen) {
    OdbcQuery q;
    std::string error;
    EXPECT_FALSE(q.Open(db, "select * from nosuchtable", &error));
    EXPECT_NE(error.find("nosuchtable"), std::string::npos) << error;
    EXPECT_FALSE(q.Active());
    EXPECT_EQ(q.RecordCount(), 0);
    error.clear();
    EXPECT_FALSE(q.Open(db, "selec garbage", &error));
    EXPECT_FALSE(error.empty());

    OdbcConnection other;
    error.clear();
    EXPECT_FALSE(other.Connect("NoSuchDataSource", "", "", &error));
    EXPECT_FALSE(other.Connected());
    EXPECT_NE(error.find("IM002"), std::string::npos) << error;  // data source not found
    EXPECT_FALSE(q.Open(other, "select 1", &error));
    EXPECT_EQ(error, "Not connected to a data source.");
}

TEST_F(OdbcTest, AnEmptyResultIsActiveWithNoRows) {
    OdbcQuery q;
    std::string error;
    ASSERT_TRUE(q.Open(db, "select * from cars where doors > 100", &error)) << error;
    EXPECT_TRUE(q.Active());
    EXPECT_EQ(q.RecordCount(), 0);
    EXPECT_EQ(q.ColumnCount(), 4);
    EXPECT_TRUE(q.Eof());
    q.Close();
    EXPECT_FALSE(q.Active());
    EXPECT_EQ(q.ColumnCount(), 0);
}

// A connection for reading keeps its data source as it was even when a statement that writes reaches the
// driver: the query refuses it unsent, and what the raw statement did is rolled back.
TEST_F(OdbcTest, AConnectionForReadingNeverChangesItsDataSource) {
    db.Disconnect();
    const std::string before = ReadWholeFile(odbc.Database()).value();
    OdbcConnection reader;
    std::string error;
    ASSERT_TRUE(reader.Connect(TestDataSource, "", "", &error, OdbcAccess::Reading)) << error;
    EXPECT_TRUE(reader.ForReading());
    OdbcQuery q;
    EXPECT_FALSE(q.Open(reader, "delete from cars", &error));
    EXPECT_NE(error.find("must begin with SELECT or WITH"), std::string::npos) << error;
    EXPECT_FALSE(q.Active());
    // Below the check: the statement reaches the driver, and its effect does not outlive it.
    reader.Execute("delete from cars", &error);
    reader.Execute("drop table makers", &error);
    ASSERT_TRUE(q.Open(reader, "select count(*) from cars", &error)) << error;
    EXPECT_EQ(q.Value(0), "4");
    ASSERT_TRUE(q.Open(reader, "select count(*) from makers", &error)) << error;
    EXPECT_EQ(q.Value(0), "2");
    reader.Disconnect();
    EXPECT_EQ(ReadWholeFile(odbc.Database()).value(), before);

    // A connection for writing (the fixtures') still writes.
    ASSERT_TRUE(db.Connect(TestDataSource, "", "", &error)) << error;
    EXPECT_FALSE(db.ForReading());
    ASSERT_TRUE(db.Execute("delete from makers", &error)) << error;
    ASSERT_TRUE(q.Open(db, "select count(*) from makers", &error)) << error;
    EXPECT_EQ(q.Value(0), "0");
}

}  // namespace
}  // namespace fv::testing
