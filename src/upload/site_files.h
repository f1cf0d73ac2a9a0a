// The names the upload works with: what an entry of the publish folder is sent as (a page or picture as
// itself, an image link file as the image it points to, under the image's extension), and what the
// clean-up does with a name the site listing gave.
#pragma once

#include <set>
#include <string>
#include <vector>

namespace fv {

// One entry of the publish folder, as the upload sends it.
struct UploadItem {
    std::string Entry;      // the name in the publish folder
    std::string SiteName;   // the name at the site, which is also its name in the mirror folder
    std::string LocalPath;  // the file whose bytes go to the site
    bool Linked = false;    // the entry is an image link file
    std::string Problem;    // why it cannot be sent; empty when it can
};

// An entry whose extension is "img" is a link file: its first line is the path of the image, taken as it
// stands, and the site name is the entry's name with "img" replaced by the extension of the image's file
// name (a dot in a folder name is no extension). A link file that cannot be read, or that points to an
// image that cannot be read, keeps its own name and gets a Problem.
UploadItem ResolveUploadItem(const std::string& publishDirectory, const std::string& entry);

// Names starting "FILELIST" (letter case counts) are never sent: that is the site listing's own name.
bool SkippedAtUpload(const std::string& name);

// The names of the site listing the server sent, one a line: LF ends a line, a CR before it is dropped,
// and the last line may lack its line end.
std::vector<std::string> SiteListingNames(const std::string& listing);

enum class SiteFileAction {
    Ignore,  // not a file name: a "total " line of a long listing, "." or ".."
    Keep,    // published: the mirror holds it, or this very run sent it
    Delete,  // an old published file ("qlx" prefix) or the probe "dummy": deleted without a question
    Ask,     // someone else's file: deleted only when the user says so
};

SiteFileAction CleanUpAction(const std::string& siteName, const std::set<std::string>& mirrored,
                             const std::set<std::string>& sentThisRun);

}  // namespace fv
