// The names the upload works with.
#include "upload/site_files.h"

#include "platform/fs/files.h"
#include "records/database_names.h"

namespace fv {

namespace {
bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }
}  // namespace

UploadItem ResolveUploadItem(const std::string& publishDirectory, const std::string& entry) {
    UploadItem item;
    item.Entry = item.SiteName = entry;
    item.LocalPath = JoinPath(publishDirectory, entry);
    if (FileExtension(entry) != "img") return item;
    item.Linked = true;
    std::optional<std::string> link = ReadWholeFile(item.LocalPath);
    if (!link) {
        item.Problem = "The image link file [" + item.LocalPath + "] cannot be read.";
        return item;
    }
    const std::string source = link->substr(0, link->find_first_of("\r\n"));
    if (source.empty()) {
        item.Problem = "The image link file [" + item.LocalPath + "] names no image.";
        return item;
    }
    if (!IsReadableFile(source)) {
        item.Problem = "The image [" + source + "] of the link file [" + entry + "] has not been located.";
        return item;
    }
    item.LocalPath = source;
    item.SiteName = entry.substr(0, entry.size() - 3) + FileExtension(FileNamePart(source));
    return item;
}

std::vector<std::string> SiteListingNames(const std::string& text) {
    std::vector<std::string> names;
    for (std::size_t start = 0; start < text.size();) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
        names.push_back(text.substr(start, stop - start));
        start = end + 1;
    }
    return names;
}

bool SkippedAtUpload(const std::string& name) { return StartsWith(name, "FILELIST"); }

SiteFileAction CleanUpAction(const std::string& siteName, const std::set<std::string>& mirrored,
                             const std::set<std::string>& sentThisRun) {
    if (StartsWith(siteName, "total ") || siteName == "." || siteName == ".." || siteName.empty())
        return SiteFileAction::Ignore;
    if (mirrored.count(siteName) || sentThisRun.count(siteName)) return SiteFileAction::Keep;
    if (StartsWith(siteName, "qlx") || siteName == "dummy") return SiteFileAction::Delete;
    return SiteFileAction::Ask;
}

}  // namespace fv
