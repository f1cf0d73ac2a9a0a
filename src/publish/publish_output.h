// The publish folder as one run of the publisher sees it. The folder is held open and looked at once, at
// the start, so that a pass can ask whether a file is there without going to the disk again. Pages and
// pictures are put in through it, each left alone when its file already holds the same bytes. The forced
// clean-up's removals of earlier output wait for the end of the run and then take only the files the run
// has not put in again: a file that is written anew is replaced in place of being deleted and created,
// which on a disk leaves a trail of freed inodes that every later run has to search past.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "platform/fs/folder.h"

namespace fv {

class PublishOutput {
public:
    explicit PublishOutput(const std::string& dir);

    const std::string& Dir() const { return folder_.Path(); }

    // The files of the folder when the run began, as ListDirectory gives them (sorted, with types).
    const std::vector<DirEntry>& Surveyed() const { return surveyed_; }
    // The file is there: found at the start and not due to go, or put in by this run.
    bool Has(const std::string& name) const { return there_.count(name) != 0; }

    // A page (or any text) as the whole content of the file; false when it cannot be written.
    bool PutPage(const std::string& name, std::string_view text);
    // A copy of the file at source; false (with the reason in *error) when it cannot be made.
    bool PutCopy(const std::string& source, const std::string& name, std::string* error = nullptr);
    // The page is published already, apart from its first line (the line with the publishing date): the
    // folder's file holds it, or, when the folder has none (an upload takes the files it has sent), the
    // copy of the site's file in the mirror folder "atsite" does.
    bool HoldsPageBody(const std::string& name, std::string_view page);
    // The file is in the folder, or was sent to the site and is in the mirror folder.
    bool Published(const std::string& name);

    // The first put of the run that failed, as the file's path and the system's reason ("" while none has):
    // a run that meets one must stop and say so, whichever writer met it.
    const std::string& Failure() const { return failure_; }

    // The file goes at the end of the run, unless the run puts it in again before then.
    void RemoveUnlessPutAgain(const std::string& name);
    // The files due to go that the run has not put in again, sorted; they are no longer due afterwards.
    std::vector<std::string> TakeLeftovers();
    std::optional<FileIdentity> Identify(const std::string& name) const { return folder_.Identify(name); }
    void Remove(const std::string& name);

private:
    void Settle(const std::string& name, Folder::Put put);

    const Folder& Mirror();

    Folder folder_;
    std::optional<Folder> mirror_;  // opened on first use: a forced run empties it first
    std::vector<DirEntry> surveyed_;
    std::unordered_set<std::string> there_;
    std::unordered_set<std::string> due_;
    std::string failure_;
};

}  // namespace fv
