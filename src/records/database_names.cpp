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

namespace {
std::string Derive(Application& app, const std::string& name, const char* extension) {
    std::string out = CompanionName(name, extension);
    if (out.empty()) {
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage("This file does not have a .db extension.");
    }
    return out;
}
}  // namespace

std::string ConfigNameFromDb(Application& app, const std::string& name) { return Derive(app, name, ".cfg"); }
std::string ChartNameFromDb(Application& app, const std::string& name) { return Derive(app, name, ".cht"); }
std::string RepublishNameFromDb(Application& app, const std::string& name) { return Derive(app, name, ".rep"); }

}  // namespace fv
