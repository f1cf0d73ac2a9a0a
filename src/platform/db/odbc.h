// ODBC connections and queries over unixODBC: the database layer the import dialogs use. A connection is
// opened by data source name, user and password; a query runs one SQL statement and holds every row of
// its result in memory as texts, so that a grid, a preview and an import can walk the rows in any order.
// Values are looked up by column position: a result may carry the same column name twice (a join).
// A connection opened for reading never changes its data source: it asks the driver for read-only access,
// turns automatic commits off and rolls back after every statement, and its queries refuse any statement
// that is not one query before it is sent.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fv {

enum class ColumnType { Text, Integer, Real, Blob, Other };

// Reading: read-only access where the driver offers it, and every statement in a transaction that is
// rolled back. Writing: the driver's defaults (tests build their fixture databases that way).
enum class OdbcAccess { Reading, Writing };

struct QueryColumn {
    std::string Name;
    ColumnType Type = ColumnType::Other;
    int SqlType = 0;  // the driver's SQL type code
};

class OdbcConnection {
public:
    OdbcConnection();
    ~OdbcConnection();
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    // Connects to a data source; false with the driver's message in *error when it fails. An open
    // connection is closed first. A driver without read-only access or without transactions still
    // connects for reading; the query's own check then stands alone.
    bool Connect(const std::string& dataSource, const std::string& user, const std::string& password,
                 std::string* error, OdbcAccess access = OdbcAccess::Writing);
    void Disconnect();
    bool Connected() const;
    bool ForReading() const;
    // Runs a statement that returns no rows (tests build their fixture databases with it). On a
    // connection for reading its effect is rolled back.
    bool Execute(const std::string& sql, std::string* error);

private:
    friend class OdbcQuery;
    // Ends the transaction of a connection for reading: nothing it did stays.
    void RollBack();
    struct Handles;
    std::unique_ptr<Handles> h_;
};

class OdbcQuery {
public:
    // Runs sql on the connection and reads the whole result; false with the driver's message when the
    // statement fails, leaving the query closed. A statement that is not one query is refused with the
    // reason, and nothing is sent.
    bool Open(OdbcConnection& connection, const std::string& sql, std::string* error);
    void Close();
    bool Active() const { return active_; }

    int RecordCount() const { return int(rows_.size()); }
    int ColumnCount() const { return int(columns_.size()); }
    const std::vector<QueryColumn>& Columns() const { return columns_; }

    // The current row: First moves to row 0, Next one further; Eof once past the last row.
    void First() { row_ = 0; }
    void Next() {
        if (row_ < RecordCount()) ++row_;
    }
    bool Eof() const { return row_ >= RecordCount(); }
    int RecNo() const { return row_; }
    void MoveTo(int row) { row_ = row < 0 ? 0 : row; }

    // The value of a column of the current row; nullopt for NULL, for a column out of range, or past the end.
    std::optional<std::string> Value(int column) const;
    // The value of the first column of that name (names compared without regard to case).
    std::optional<std::string> ValueByName(const std::string& name) const;

private:
    bool active_ = false;
    int row_ = 0;
    std::vector<QueryColumn> columns_;
    std::vector<std::vector<std::optional<std::string>>> rows_;
};

}  // namespace fv
