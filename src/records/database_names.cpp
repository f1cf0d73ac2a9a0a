// The names of a database's files.
#include "records/database_names.h"

#include <cctype>
#include <filesystem>

#include "platform/app/application.h"

namespace fv {

std::string FileNamePart(const std::string& path) {
    std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string FileExtension(const std::string& name) {
    std::size_t dot = name.find('.');
    if (dot == std::string::npos || dot + 1 >= name.size()) return {};
    return name.substr(dot + 1);
}

bool HasDbSuffix(const std::string& name) {
    if (name.size() < 3) return false;
    std::string tail = name.substr(name.size() - 3);
    for (char& c : tail) c = char(std::tolower(static_cast<unsigned char>(c)));
    return tail == ".db";
}

std::string WithDbSuffix(const std::string& name) { return HasDbSuffix(name) ? name : name + ".db"; }

std::string CompanionName(const std::string& name, const std::string& extension) {
    std::filesystem::path path(name);
    // "x" has no extension and ".db" is a hidden file's whole name, not an extension.
    if (!path.has_extension() || !path.has_stem()) return {};
    return path.replace_extension(extension).string();
}

std::optional<DatabaseFiles> CompanionFiles(const std::string& name) {
    DatabaseFiles files{name, CompanionName(name, ".cfg"), CompanionName(name, ".cht"), CompanionName(name, ".rep")};
    if (files.ConfigFileName.empty()) return std::nullopt;
    return files;
}

std::optional<DatabaseFiles> DatabaseFilesFromDb(Application& app, const std::string& name) {
    std::optional<DatabaseFiles> files = CompanionFiles(name);
    if (!files) {
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage("This file does not have a .db extension.");
    }
    return files;
}

}  // namespace fv
