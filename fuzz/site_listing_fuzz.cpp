// Any bytes as the site listing the upload asks the server for: every line is one name, none holds a line
// end, the names written back one a line read again the same; and the clean-up never deletes or asks
// about a name the site should keep (one in the mirror or sent by this run), deletes without a question
// only old published files and the probe, and passes over what is no file name.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "upload/site_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fv::FuzzCheck;
    const std::string listing(reinterpret_cast<const char*>(data), size);
    const std::vector<std::string> names = fv::SiteListingNames(listing);

    std::size_t lines = 0;
    for (char c : listing) lines += c == '\n';
    if (!listing.empty() && listing.back() != '\n') ++lines;
    FuzzCheck(names.size() == lines);
    std::string again;
    for (const std::string& name : names) {
        FuzzCheck(name.find('\n') == std::string::npos);
        again += name + "\r\n";
    }
    FuzzCheck(fv::SiteListingNames(again) == names);

    // Every other name is in the mirror, every third was sent by this run.
    std::set<std::string> mirrored, sent;
    for (std::size_t k = 0; k < names.size(); ++k) {
        if (k % 2 == 0) mirrored.insert(names[k]);
        if (k % 3 == 0) sent.insert(names[k]);
    }
    for (const std::string& name : names) {
        const fv::SiteFileAction action = fv::CleanUpAction(name, mirrored, sent);
        const bool notAFile = name.empty() || name == "." || name == ".." || name.rfind("total ", 0) == 0;
        FuzzCheck((action == fv::SiteFileAction::Ignore) == notAFile);
        if (notAFile) continue;
        const bool kept = mirrored.count(name) || sent.count(name);
        FuzzCheck((action == fv::SiteFileAction::Keep) == kept);
        if (action == fv::SiteFileAction::Delete) FuzzCheck(name.rfind("qlx", 0) == 0 || name == "dummy");
    }
    return 0;
}
