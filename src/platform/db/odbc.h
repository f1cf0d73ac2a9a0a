// ODBC connections and queries over unixODBC: the database layer the import dialogs use. A connection is
// opened by data source name, user and password; a query runs one SQL statement and holds every row of
// its result in memory as texts, so that a grid, a preview and an import can walk the rows in any order.
// Values are looked up by column position: a result may carry the same column name twice (a join).
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace fv {

enum class ColumnType { Text, Integer, Real, Blob, Other };

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
    // connection is closed first.
    bool Connect(const std::string& dataSource, const std::string& user, const std::string& password,
                 std::string* error);
    void Disconnect();
    bool Connected() const;
    // Runs a statement that returns no rows (tests build their fixture databases with it).
    bool Execute(const std::string& sql, std::string* error);

private:
    friend class OdbcQuery;
    struct Handles;
    std::unique_ptr<Handles> h_;
};

class OdbcQuery {
public:
    // Runs sql on the connection and reads the whole result; false with the driver's message when the
    // statement fails, leaving the query closed.
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
