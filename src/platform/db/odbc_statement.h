// What may be sent to a data source that the user only reads from: one query, and table names that are
// names. The checks read the SQL text as SQL does (comments, string literals and quoted names are skipped),
// so that a word or a ';' inside a literal is no reason to refuse, and a statement behind a comment is no
// way around the check. They are the first of three guards: the connection is also opened read-only where
// the driver supports it, and every statement runs in a transaction that is rolled back.
#pragma once

#include <optional>
#include <string>

namespace fv {

// Why sql is not one statement that only reads (one SELECT, or a WITH whose statements are SELECTs, with
// nothing that writes in it); nullopt when it is. The reason is a whole message for the user.
std::optional<std::string> QueryRefusal(const std::string& sql);

// Why a table name is not the name of one table: letters, digits, '_' and '$', or a name in double quotes,
// square brackets or back quotes, optionally behind a schema name and a '.'; nullopt when it is.
std::optional<std::string> TableNameRefusal(const std::string& name);

}  // namespace fv
