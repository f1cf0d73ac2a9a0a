// The names of a database's files: the database text file ends ".db", and its configuration, chart
// settings and republish flags live beside it under the same name with ".cfg", ".cht" and ".rep".
#pragma once

#include <optional>
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

// The names of one database's files. They change together, as one value, so that the configuration,
// chart settings and republish flags in use always belong to the database in use.
struct DatabaseFiles {
    std::string DatabaseFileName = "folivex.db";
    std::string ConfigFileName = "folivex.cfg";
    std::string ChartFileName = "folivex.cht";
    std::string RepublishFileName = "folivex.rep";

    bool operator==(const DatabaseFiles&) const = default;
};

// The files of the database `name` (a file name or a path): the companions are CompanionName with ".cfg",
// ".cht" and ".rep". Nothing when the name cannot make them.
std::optional<DatabaseFiles> CompanionFiles(const std::string& name);
// CompanionFiles for a name the user chose or the program remembered: one that cannot make companions
// gives an exclamation beep and "This file does not have a .db extension." (once), and nothing, so that
// the caller refuses the name.
std::optional<DatabaseFiles> DatabaseFilesFromDb(Application& app, const std::string& name);

}  // namespace fv
