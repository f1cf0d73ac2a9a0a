// The names of a database's files: the database text file ends ".db", and its configuration, chart
// settings and republish flags live beside it under the same name with ".cfg", ".cht" and ".rep".
#pragma once

#include <string>

namespace fv {

class Application;

// The part of a path after its last separator; the whole text when there is none.
std::string FileNamePart(const std::string& path);
// The text after the first dot of a name; empty when there is no dot or the dot is the last character.
std::string FileExtension(const std::string& name);
// True when the name ends ".db" (any letter case).
bool HasDbSuffix(const std::string& name);
// The name with ".db" appended unless it already ends so.
std::string WithDbSuffix(const std::string& name);
// The name with its last extension replaced ("stock.db" -> "stock.cfg", "a.b.db" -> "a.b.cfg",
// "list.txt" -> "list.cfg"); empty when the file name has no extension to replace (no dot, or only a
// leading one), so that two databases can never share a companion file.
std::string CompanionName(const std::string& name, const std::string& extension);

// CompanionName with ".cfg", ".cht" and ".rep". A name that cannot make one gives an exclamation beep,
// "This file does not have a .db extension." and the empty text; callers refuse the name then.
std::string ConfigNameFromDb(Application& app, const std::string& name);
std::string ChartNameFromDb(Application& app, const std::string& name);
std::string RepublishNameFromDb(Application& app, const std::string& name);

}  // namespace fv
