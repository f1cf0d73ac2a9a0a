// ODBC connections and queries over unixODBC.
#include "platform/db/odbc.h"

#include "platform/db/odbc_statement.h"

#include <sql.h>
#include <sqlext.h>

#include <cctype>

namespace fv {

struct OdbcConnection::Handles {
    SQLHENV env = SQL_NULL_HENV;
    SQLHDBC dbc = SQL_NULL_HDBC;
    bool connected = false;
    bool reading = false;
};

namespace {

// Every diagnostic record of a handle, joined: the driver's own words for what went wrong.
std::string Diagnostics(SQLSMALLINT type, SQLHANDLE handle) {
    std::string out;
    for (SQLSMALLINT i = 1;; ++i) {
        SQLCHAR state[6] = {};
        SQLINTEGER native = 0;
        SQLCHAR text[1024] = {};
        SQLSMALLINT length = 0;
        SQLRETURN r = SQLGetDiagRec(type, handle, i, state, &native, text, sizeof text, &length);
        if (!SQL_SUCCEEDED(r)) break;
        if (!out.empty()) out += "\n";
        out += "[" + std::string(reinterpret_cast<char*>(state)) + "] " + reinterpret_cast<char*>(text);
    }
    return out.empty() ? "The ODBC driver gave no reason." : out;
}

void SetError(std::string* error, const std::string& text) {
    if (error) *error = text;
}

ColumnType TypeOf(SQLSMALLINT sqlType) {
    switch (sqlType) {
    case SQL_CHAR: case SQL_VARCHAR: case SQL_LONGVARCHAR:
    case SQL_WCHAR: case SQL_WVARCHAR: case SQL_WLONGVARCHAR:
        return ColumnType::Text;
    case SQL_INTEGER: case SQL_SMALLINT: case SQL_TINYINT: case SQL_BIGINT: case SQL_BIT:
        return ColumnType::Integer;
    case SQL_REAL: case SQL_FLOAT: case SQL_DOUBLE: case SQL_NUMERIC: case SQL_DECIMAL:
        return ColumnType::Real;
    case SQL_BINARY: case SQL_VARBINARY: case SQL_LONGVARBINARY:
        return ColumnType::Blob;
    default:
        return ColumnType::Other;
    }
}

// Reads one column of the fetched row whole, in pieces, as text or as raw bytes.
bool ReadColumn(SQLHSTMT stmt, SQLUSMALLINT column, bool binary, std::optional<std::string>& value) {
    std::string data;
    char buffer[4096];
    const SQLSMALLINT target = binary ? SQL_C_BINARY : SQL_C_CHAR;
    for (;;) {
        SQLLEN indicator = 0;
        SQLRETURN r = SQLGetData(stmt, column, target, buffer, sizeof buffer, &indicator);
        if (r == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(r)) return false;
        if (indicator == SQL_NULL_DATA) {
            value.reset();
            return true;
        }
        // A text piece ends with a terminating zero that is not part of the value.
        const std::size_t room = binary ? sizeof buffer : sizeof buffer - 1;
        std::size_t got = (indicator == SQL_NO_TOTAL || std::size_t(indicator) > room) ? room : std::size_t(indicator);
        data.append(buffer, got);
        if (r == SQL_SUCCESS) break;
    }
    value = std::move(data);
    return true;
}

bool SameName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i])))
            return false;
    return true;
}

}  // namespace

OdbcConnection::OdbcConnection() : h_(std::make_unique<Handles>()) {}

OdbcConnection::~OdbcConnection() { Disconnect(); }

bool OdbcConnection::Connect(const std::string& dataSource, const std::string& user, const std::string& password,
                             std::string* error, OdbcAccess access) {
    Disconnect();
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_ENV, SQL_NULL_HANDLE, &h_->env))) {
        SetError(error, "The ODBC driver manager could not be started.");
        h_->env = SQL_NULL_HENV;
        return false;
    }
    SQLSetEnvAttr(h_->env, SQL_ATTR_ODBC_VERSION, reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_DBC, h_->env, &h_->dbc))) {
        SetError(error, Diagnostics(SQL_HANDLE_ENV, h_->env));
        h_->dbc = SQL_NULL_HDBC;
        Disconnect();
        return false;
    }
    const bool reading = access == OdbcAccess::Reading;
    // Asked before the connection too: some drivers take the access mode only when they open the source.
    auto readOnly = [this] {
        SQLSetConnectAttr(h_->dbc, SQL_ATTR_ACCESS_MODE, reinterpret_cast<SQLPOINTER>(SQL_MODE_READ_ONLY), 0);
    };
    if (reading) readOnly();
    auto text = [](const std::string& s) { return reinterpret_cast<SQLCHAR*>(const_cast<char*>(s.c_str())); };
    SQLRETURN r = SQLConnect(h_->dbc, text(dataSource), SQL_NTS, text(user), SQL_NTS, text(password), SQL_NTS);
    if (!SQL_SUCCEEDED(r)) {
        SetError(error, Diagnostics(SQL_HANDLE_DBC, h_->dbc));
        Disconnect();
        return false;
    }
    h_->connected = true;
    if (reading) {
        readOnly();
        // Every statement then opens a transaction that only a commit would keep; none is ever made.
        SQLSetConnectAttr(h_->dbc, SQL_ATTR_AUTOCOMMIT, reinterpret_cast<SQLPOINTER>(SQL_AUTOCOMMIT_OFF), 0);
        h_->reading = true;
    }
    return true;
}

void OdbcConnection::RollBack() {
    if (h_->connected && h_->reading) SQLEndTran(SQL_HANDLE_DBC, h_->dbc, SQL_ROLLBACK);
}

bool OdbcConnection::ForReading() const { return h_->reading; }

void OdbcConnection::Disconnect() {
    RollBack();
    if (h_->connected) SQLDisconnect(h_->dbc);
    h_->connected = false;
    h_->reading = false;
    if (h_->dbc != SQL_NULL_HDBC) SQLFreeHandle(SQL_HANDLE_DBC, h_->dbc);
    h_->dbc = SQL_NULL_HDBC;
    if (h_->env != SQL_NULL_HENV) SQLFreeHandle(SQL_HANDLE_ENV, h_->env);
    h_->env = SQL_NULL_HENV;
}

bool OdbcConnection::Connected() const { return h_->connected; }

bool OdbcConnection::Execute(const std::string& sql, std::string* error) {
    if (!Connected()) {
        SetError(error, "Not connected to a data source.");
        return false;
    }
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, h_->dbc, &stmt))) {
        SetError(error, Diagnostics(SQL_HANDLE_DBC, h_->dbc));
        return false;
    }
    SQLRETURN r = SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS);
    bool ok = SQL_SUCCEEDED(r) || r == SQL_NO_DATA;
    if (!ok) SetError(error, Diagnostics(SQL_HANDLE_STMT, stmt));
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    RollBack();
    return ok;
}

bool OdbcQuery::Open(OdbcConnection& connection, const std::string& sql, std::string* error) {
    Close();
    if (!connection.Connected()) {
        SetError(error, "Not connected to a data source.");
        return false;
    }
    if (std::optional<std::string> refusal = QueryRefusal(sql)) {
        SetError(error, *refusal);
        return false;
    }
    SQLHSTMT stmt = SQL_NULL_HSTMT;
    if (!SQL_SUCCEEDED(SQLAllocHandle(SQL_HANDLE_STMT, connection.h_->dbc, &stmt))) {
        SetError(error, Diagnostics(SQL_HANDLE_DBC, connection.h_->dbc));
        return false;
    }
    auto fail = [&] {
        SetError(error, Diagnostics(SQL_HANDLE_STMT, stmt));
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        connection.RollBack();
        columns_.clear();
        rows_.clear();
        return false;
    };
    if (!SQL_SUCCEEDED(SQLExecDirect(stmt, reinterpret_cast<SQLCHAR*>(const_cast<char*>(sql.c_str())), SQL_NTS)))
        return fail();
    SQLSMALLINT count = 0;
    if (!SQL_SUCCEEDED(SQLNumResultCols(stmt, &count))) return fail();
    if (count <= 0) {
        SQLFreeHandle(SQL_HANDLE_STMT, stmt);
        connection.RollBack();
        SetError(error, "The statement returns no rows to show.");
        return false;
    }
    for (SQLUSMALLINT c = 1; c <= SQLUSMALLINT(count); ++c) {
        SQLCHAR name[512] = {};
        SQLSMALLINT nameLength = 0, type = 0, digits = 0, nullable = 0;
        SQLULEN size = 0;
        if (!SQL_SUCCEEDED(SQLDescribeCol(stmt, c, name, sizeof name, &nameLength, &type, &size, &digits, &nullable)))
            return fail();
        columns_.push_back({reinterpret_cast<char*>(name), TypeOf(type), type});
    }
    for (;;) {
        SQLRETURN r = SQLFetch(stmt);
        if (r == SQL_NO_DATA) break;
        if (!SQL_SUCCEEDED(r)) return fail();
        std::vector<std::optional<std::string>> row(columns_.size());
        for (std::size_t c = 0; c < columns_.size(); ++c)
            if (!ReadColumn(stmt, SQLUSMALLINT(c + 1), columns_[c].Type == ColumnType::Blob, row[c])) return fail();
        rows_.push_back(std::move(row));
    }
    SQLFreeHandle(SQL_HANDLE_STMT, stmt);
    // The rows are in memory: the transaction ends at once, and nothing the statement did stays.
    connection.RollBack();
    active_ = true;
    row_ = 0;
    return true;
}

void OdbcQuery::Close() {
    active_ = false;
    row_ = 0;
    columns_.clear();
    rows_.clear();
}

std::optional<std::string> OdbcQuery::Value(int column) const {
    if (Eof() || column < 0 || column >= ColumnCount()) return std::nullopt;
    return rows_[std::size_t(row_)][std::size_t(column)];
}

std::optional<std::string> OdbcQuery::ValueByName(const std::string& name) const {
    for (int c = 0; c < ColumnCount(); ++c)
        if (SameName(columns_[std::size_t(c)].Name, name)) return Value(c);
    return std::nullopt;
}

}  // namespace fv
