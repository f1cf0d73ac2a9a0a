// The publish folder of one run: the survey at the start, puts that skip equal files, removals held back.
#include "publish/publish_output.h"

#include <algorithm>

namespace fv {

PublishOutput::PublishOutput(const std::string& dir) : folder_(dir), surveyed_(folder_.List()) {
    std::erase_if(surveyed_, [](const DirEntry& e) { return e.Directory; });
    // A file a write of an ended program left half made, or kept for a next write, is no output: it goes
    // before it can be taken for a page and sent to the site.
    std::erase_if(surveyed_, [this](const DirEntry& e) {
        const std::optional<int> owner = WriterTemporaryOwner(e.Name);
        return owner && !ProcessRunning(*owner) && folder_.Remove(e.Name);
    });
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
    std::string reason;
    const Folder::Put put = folder_.PutBytes(name, text, Sync::Regenerable, &reason);
    Settle(name, put);
    if (put == Folder::Put::Failed && failure_.empty()) failure_ = reason;
    return put != Folder::Put::Failed;
}

bool PublishOutput::PutCopy(const std::string& source, const std::string& name, std::string* error) {
    std::string reason;
    const Folder::Put put = folder_.PutCopy(source, name, Sync::Regenerable, &reason);
    Settle(name, put);
    if (put == Folder::Put::Failed) {
        if (failure_.empty()) failure_ = reason;
        if (error) *error = reason;
    }
    return put != Folder::Put::Failed;
}

const Folder& PublishOutput::Mirror() {
    if (!mirror_) mirror_.emplace(JoinPath(Dir(), "atsite"));
    return *mirror_;
}

bool PublishOutput::Published(const std::string& name) { return Has(name) || Mirror().Identify(name).has_value(); }

bool PublishOutput::HoldsPageBody(const std::string& name, std::string_view page) {
    const std::optional<std::string> old = Has(name) ? folder_.Read(name) : Mirror().Read(name);
    if (!old) return false;
    const std::size_t oldEnd = old->find('\n'), newEnd = page.find('\n');
    if (oldEnd == std::string::npos || newEnd == std::string::npos) return *old == page;
    return std::string_view(*old).substr(oldEnd) == page.substr(newEnd);
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
