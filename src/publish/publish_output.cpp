// The publish folder of one run: the survey at the start, puts that skip equal files, removals held back.
#include "publish/publish_output.h"

#include <algorithm>

namespace fv {

PublishOutput::PublishOutput(const std::string& dir) : folder_(dir), surveyed_(folder_.List()) {
    std::erase_if(surveyed_, [](const DirEntry& e) { return e.Directory; });
    there_.reserve(surveyed_.size() * 2);
    for (const DirEntry& e : surveyed_) there_.insert(e.Name);
}

void PublishOutput::Settle(const std::string& name, Folder::Put put) {
    // A put that failed leaves the old file as it was: still there, and still due to go when it was.
    if (put == Folder::Put::Failed) return;
    there_.insert(name);
    due_.erase(name);
}

bool PublishOutput::PutPage(const std::string& name, std::string_view text) {
    // A page is made again by the next publish: it is replaced whole, without waiting for the disk.
    const Folder::Put put = folder_.PutBytes(name, text, Sync::Regenerable);
    Settle(name, put);
    return put != Folder::Put::Failed;
}

bool PublishOutput::PutCopy(const std::string& source, const std::string& name, std::string* error) {
    const Folder::Put put = folder_.PutCopy(source, name, Sync::Regenerable, error);
    Settle(name, put);
    return put != Folder::Put::Failed;
}

void PublishOutput::RemoveUnlessPutAgain(const std::string& name) {
    there_.erase(name);
    due_.insert(name);
}

std::vector<std::string> PublishOutput::TakeLeftovers() {
    std::vector<std::string> names(due_.begin(), due_.end());
    std::sort(names.begin(), names.end());
    due_.clear();
    return names;
}

void PublishOutput::Remove(const std::string& name) {
    folder_.Remove(name);
    there_.erase(name);
}

}  // namespace fv
