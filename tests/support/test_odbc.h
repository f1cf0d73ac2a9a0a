// A test-local ODBC set-up: an odbcinst.ini naming Debian's SQLite ODBC driver and an odbc.ini with one
// data source, written into the build folder (one folder per test process, because CTest runs the cases
// of a binary side by side) and named to unixODBC through ODBCSYSINI and ODBCINI. The data source's
// database file starts empty; each test builds its fixture from SQL text.
#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/db/odbc.h"

namespace fv::testing {

constexpr const char* TestDataSource = "FolivexTest";

// The installed SQLite ODBC driver, or empty when the package is missing.
inline std::string SqliteOdbcDriver() {
    namespace fs = std::filesystem;
    std::vector<fs::path> places = {"/usr/lib/odbc"};
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator("/usr/lib", ec))
        if (entry.is_directory(ec)) places.push_back(entry.path() / "odbc");
    for (const fs::path& dir : places)
        if (fs::exists(dir / "libsqlite3odbc.so", ec)) return (dir / "libsqlite3odbc.so").string();
    return {};
}

class TestOdbc {
public:
    TestOdbc() {
        namespace fs = std::filesystem;
        driver_ = SqliteOdbcDriver();
        if (driver_.empty()) return;
        dir_ = std::string(FOLIVEX_BINARY_DIR) + "/odbc-test/" + std::to_string(::getpid());
        fs::create_directories(dir_);
        database_ = dir_ + "/fixture.sqlite";
        fs::remove(database_);
        std::ofstream(dir_ + "/odbcinst.ini") << "[SQLite3]\nDescription=SQLite3 ODBC Driver\nDontDLClose=1\nDriver=" << driver_
                                              << "\n";
        std::ofstream(dir_ + "/odbc.ini") << "[" << TestDataSource << "]\nDriver=SQLite3\nDatabase=" << database_
                                          << "\nTimeout=2000\n";
        ::setenv("ODBCSYSINI", dir_.c_str(), 1);
        ::setenv("ODBCINI", (dir_ + "/odbc.ini").c_str(), 1);
    }
    ~TestOdbc() {
        std::error_code ec;
        if (!dir_.empty()) std::filesystem::remove_all(dir_, ec);
    }
    TestOdbc(const TestOdbc&) = delete;
    TestOdbc& operator=(const TestOdbc&) = delete;

    bool Available() const { return !driver_.empty(); }
    const std::string& Database() const { return database_; }

    // Runs SQL statements separated by ';' on the test data source.
    void Run(const std::string& script) {
        OdbcConnection c;
        std::string error;
        ASSERT_TRUE(c.Connect(TestDataSource, "", "", &error)) << error;
        std::size_t start = 0;
        while (start < script.size()) {
            std::size_t end = script.find(';', start);
            if (end == std::string::npos) end = script.size();
            std::string statement = script.substr(start, end - start);
            if (statement.find_first_not_of(" \r\n\t") != std::string::npos) {
                ASSERT_TRUE(c.Execute(statement, &error)) << statement << ": " << error;
            }
            start = end + 1;
        }
    }

private:
    std::string driver_, dir_, database_;
};

// The fixture of the ODBC tests: a TEXT, an INTEGER, a REAL and a BLOB column, and a second table whose
// join repeats the column name "name".
inline const char* FixtureSql() {
    return "CREATE TABLE cars (name TEXT, doors INTEGER, price REAL, photo BLOB);"
           "INSERT INTO cars VALUES ('Defender', 3, 32000.5, X'89504E47');"
           "INSERT INTO cars VALUES ('Golf \"GTI\"', 5, 21999.0, NULL);"
           "INSERT INTO cars VALUES ('Mini', NULL, 15000.25, X'00');"
           "INSERT INTO cars VALUES (NULL, 2, 0.5, NULL);"
           "CREATE TABLE makers (car TEXT, name TEXT);"
           "INSERT INTO makers VALUES ('Defender', 'Land Rover');"
           "INSERT INTO makers VALUES ('Mini', 'BMC');";
}

}  // namespace fv::testing

// Skips the test when the SQLite ODBC driver is not installed.
#define FOLIVEX_REQUIRE_ODBC(odbc)                                                                             \
    do {                                                                                                        \
        if (!(odbc).Available())                                                                                \
            GTEST_SKIP() << "The SQLite ODBC driver (Debian package libsqliteodbc) is not installed.";        \
    } while (0)
