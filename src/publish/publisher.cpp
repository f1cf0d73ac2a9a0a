// The publisher's driver: the checks before a run, the save and the sort, the mirror folder, the forced
// clean-up, the passes in order, the progress form with its cancel, and the end of a run.
#include "publish/publisher.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <set>
#include <utility>

#include "platform/fs/files.h"
#include "platform/fs/folder.h"
#include "program/program.h"
#include "program/republish_file.h"
#include "publish/cart_settings_form.h"
#include "publish/publish_helpers.h"
#include "publish/publish_message_form.h"
#include "publish/publish_progress_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"

namespace fv {

namespace {

constexpr std::int32_t SearchScriptWarningSize = 75000;
constexpr std::time_t TimeReportAfterSeconds = 65;

// While a run is going, the windows that edit records or settings take no input: the end of the run
// clears every republish flag, so an edit made meanwhile would be lost. The progress form stays usable.
class EditingPause {
public:
    EditingPause(Program& p, MainWindow& main) : main_(main) {
        main_.SetPublishing(true);
        for (Control* c : std::initializer_list<Control*>{&main.Window(), p.PublishSetupForm, p.KarvoForm})
            if (c) {
                paused_.emplace_back(c, c->Enabled());
                c->SetEnabled(false);
            }
    }
    ~EditingPause() {
        for (auto& [c, enabled] : paused_) c->SetEnabled(enabled);
        main_.SetPublishing(false);
    }

private:
    MainWindow& main_;
    std::vector<std::pair<Control*, bool>> paused_;
};

}  // namespace

bool IsPublisherOutputName(const std::string& name) {
    static const std::regex outputs(
        "qlx_index\\.htm|qlx_frm\\d*\\.htm|qlx_srch[12e]\\.htm|qlx_srch\\d+_[12]\\.htm|qlx_\\d+_(s|\\d+)\\.htm|"
        "qlx(pgbk|hdr|tabbk|idx)\\..*|qlx(b|f|r|ff|d|u)\\.gif|qlx\\d+_\\d+_[1-4]\\..*",
        std::regex::icase | std::regex::optimize);
    return std::regex_match(name, outputs);
}

Publisher::Publisher(Program& p, Component* sender, std::function<std::time_t()> now)
    : P(p),
      sender_(sender),
      now_(std::move(now)),
      main_(*p.Main),
      setup_(*p.PublishSetupForm),
      progress_(*p.PublishForm) {}

void Publisher::BeginStage(const std::string& caption) {
    progress_.PublishProgressBar->SetPosition(0);
    progress_.PublishGroup->SetCaption(caption);
    progress_.Show();
    progress_.Repaint();
}

bool Publisher::Step(int i, double step) {
    P.App.ProcessMessages();
    if (P.PublishCancelled) return false;
    MoveBar(int(i * step));
    return true;
}

void Publisher::MoveBar(int target) {
    // Repainting only when the bar moves keeps a stage to about a hundred repaints, whatever its size.
    if (target <= progress_.PublishProgressBar->Position()) return;
    progress_.PublishProgressBar->SetPosition(target);
    progress_.PublishProgressBar->Repaint();
    main_.Window().Repaint();
    progress_.Repaint();
}

bool Publisher::CopyBeside(const std::string& source, const std::string& name) {
    if (!IsReadableFile(source)) {
        P.App.ShowMessage("Unable to locate file '" + source + "'");
        return false;
    }
    // A source that already is the destination (the publish folder is the start folder) stays as it is.
    return out_->PutCopy(source, name);
}

Publisher::Outcome Publisher::Stop(const std::string& lead) {
    stopped_ = true;
    if (!lead.empty()) {
        P.App.Beep(BeepKind::Exclamation);
        std::string message = lead;
        if (!out_->Failure().empty()) message += "\n" + out_->Failure();
        message += "\nPublishing stopped. Every file in the publish folder is whole, and the records not yet "
                   "published stay marked for the next publish.";
        P.App.ShowMessage(message);
    }
    progress_.Hide();
    ReturnToDatabaseDirectory(P);
    return Outcome::Stopped;
}

bool Publisher::WritePage(const std::string& name, const std::string& text) { return out_->PutPage(name, text); }

void Publisher::Cancelled() {
    RemoveLeftovers();
    P.App.Beep(BeepKind::Exclamation);
    P.App.ShowMessage("Publishing Cancelled.");
    progress_.Hide();
    ReturnToDatabaseDirectory(P);
}

void Publisher::Run() {
    Application& app = P.App;
    P.PublishCancelled = 0;
    attributes_ = WorkOutRunAttributes(setup_);
    if (P.RecordCount == 0) {
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage("You must have at least 1 Record to use this option. Click on '+' to add a new record.");
        return;
    }
    if (P.PublishDirectory.empty() || P.PublishDirectory == "none" || !IsDirectory(P.PublishDirectory)) {
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage("No Publish folder is set. Choose the folder to publish into on the 'General Publishing "
                        "Rules' page first.");
        return;
    }
    dir_ = P.PublishDirectory;
    EditingPause pause(P, main_);

    // The end of a run counts the database as saved: a save that failed must stop it. The question notes
    // the edits still held outside the records (the chart in its open window), so they are saved too.
    if (P.Changes.SaveNeeded() && !main_.SaveDatabase()) return;

    startTime_ = now_();
    app.Beep(BeepKind::Default);
    app.SetScreenCursor(Cursor::HourGlass);
    // Unsorted records would number their pages differently from page to page.
    if (!main_.SortDatabase(sender_)) {
        app.SetScreenCursor(Cursor::Default);
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage("The records could not be sorted, so nothing has been published.");
        ReturnToDatabaseDirectory(P);
        return;
    }
    out_.emplace(dir_);
    // Whichever way the run ends from here, the earlier output it gave up does not stay behind, and the
    // folder is let go, with the old file it kept for reuse.
    struct RunEnd {
        Publisher& publisher;
        ~RunEnd() {
            publisher.RemoveLeftovers();
            publisher.out_.reset();
        }
    } runEnd{*this};
    MakeDirectory(JoinPath(dir_, "atsite"));

    if (P.RepublishAll || setup_.ForcePublish->Checked()) {
        const Outcome cleanUp = ForcedCleanUp();
        app.SetScreenCursor(Cursor::Default);
        if (cleanUp == Outcome::Cancelled) return Cancelled();
        if (cleanUp == Outcome::Stopped) return;
    }
    app.SetScreenCursor(Cursor::Default);

    for (Outcome (Publisher::*pass)() : {&Publisher::IndexPass1, &Publisher::IndexPass2, &Publisher::QuickViewPass}) {
        const Outcome o = (this->*pass)();
        if (o == Outcome::Cancelled) return Cancelled();
        if (o == Outcome::Stopped) return;
    }
    if (P.SearchSetup->EnableSearchButton->Checked()) {
        searchScriptSize_ = PublishSearchEngine(P, sender_, *out_, categoryCount_, attributes_.ScriptButtonSize,
                                                attributes_.ButtonSize);
        // The search pass says which page failed; the run must not go on as if it had not.
        if (!out_->Failure().empty()) {
            Stop("Unable to Publish the Search Engine pages");
            return;
        }
        if (P.PublishCancelled) {
            ReturnToDatabaseDirectory(P);
            return;
        }
    }
    const Outcome details = DetailPass();
    if (details == Outcome::Cancelled) return Cancelled();
    if (details == Outcome::Stopped) return;
    EndRun();
}

Publisher::Outcome Publisher::ForcedCleanUp() {
    // Flags that cannot be kept would let a stopped run pass for a whole one later: nothing goes then.
    if (!MarkAllForRepublish(P)) return Stop("");
    P.RepublishAll = 0;

    // Clean-up 1: the mirror folder, so that the next upload sends every file.
    const Folder mirror(JoinPath(dir_, "atsite"));
    std::vector<DirEntry> mirrored = mirror.List("*.*");
    std::erase_if(mirrored, [](const DirEntry& e) { return e.Directory; });
    BeginStage("Publishing - (Forced cleanup 1)...");
    double step = 100.0 / double(mirrored.size() + 1);
    for (std::size_t i = 0; i < mirrored.size(); ++i) {
        if (!Step(int(i), step)) return Outcome::Cancelled;
        if (!mirrored[i].Name.empty()) mirror.Remove(mirrored[i].Name);
    }

    // Clean-up 2: the publisher's own output, and nothing else that shares its prefix. Each file goes at
    // the end of the run unless the run writes it again: rewriting a file (or finding its bytes already
    // right) is cheaper than deleting and creating it, and the upload still sends it, since the mirror
    // folder is empty now.
    std::vector<std::string> earlier;
    for (const DirEntry& e : out_->Surveyed())
        if (IsPublisherOutputName(e.Name)) earlier.push_back(e.Name);
    BeginStage("Publishing - (Forced cleanup 2)...");
    step = 100.0 / double(earlier.size() + 1);
    Outcome outcome = Outcome::Done;
    for (std::size_t i = 0; i < earlier.size(); ++i) {
        if (!Step(int(i), step)) {
            outcome = Outcome::Cancelled;
            break;
        }
        out_->RemoveUnlessPutAgain(earlier[i]);
    }
    // The hidden file list shows the published files again.
    setup_.PublishFileList->SetDirectoryAndMask(dir_, "qlx*.*");
    return outcome;
}

std::set<FileIdentity> Publisher::KeptFiles() const {
    // Never a file of the open database, the last-use file or a picture this run copies from, whatever
    // its name.
    std::set<FileIdentity> kept;
    auto keep = [&](const std::string& path) {
        if (auto id = IdentifyFile(path)) kept.insert(*id);
    };
    for (const std::string* name : {&P.DatabaseFileName, &P.ConfigFileName, &P.ChartFileName, &P.RepublishFileName})
        keep(JoinPath(P.DatabaseDirectory, *name));
    keep(JoinPath(P.ProgramDirectory, "qlxlast.cfg"));
    for (const char* button : {"qlxb.gif", "qlxf.gif", "qlxr.gif", "qlxff.gif", "qlxd.gif", "qlxu.gif"})
        keep(JoinPath(P.ProgramDirectory, button));
    keep(JoinPath(setup_.DirectoryListBackground->Directory(), setup_.PageBackgroundImageFile->Text()));
    keep(JoinPath(setup_.DirectoryListHeader->Directory(), setup_.TableHeadingImageFile->Text()));
    keep(JoinPath(setup_.DirectoryListTableBackground->Directory(), setup_.TableBackgroundImageFile->Text()));
    for (int r = 0; r < P.RecordCount; ++r)
        for (const std::string& image : P.RecordTable[std::size_t(r)].Image)
            if (!image.empty()) keep(image);
    return kept;
}

void Publisher::RemoveLeftovers() {
    // A run stopped by a file it could not write keeps the earlier site: its pages still lead somewhere.
    if (!out_ || stopped_) return;
    const std::vector<std::string> leftovers = out_->TakeLeftovers();
    if (leftovers.empty()) return;
    // Looked up only now, and only when something is left to remove: a run that writes all its files
    // again has nothing to compare.
    const std::set<FileIdentity> kept = KeptFiles();
    for (const std::string& name : leftovers)
        if (auto id = out_->Identify(name); !id || !kept.count(*id)) out_->Remove(name);
}

void Publisher::ReportLeftOut() {
    // A long list is cut: the first lines tell what happened and to which records.
    constexpr std::size_t ListedAtMost = 20;
    const auto more = [](std::size_t count) {
        return count > ListedAtMost ? "\n... and " + std::to_string(count - ListedAtMost) + " more." : std::string();
    };
    if (!missingPictures_.empty()) {
        P.App.Beep(BeepKind::Exclamation);
        std::string message;
        for (std::size_t i = 0; i < missingPictures_.size() && i < ListedAtMost; ++i)
            message += (i ? "\n" : "") + ("The File [" + missingPictures_[i] + "] has not been located.");
        P.App.ShowMessage(message + more(missingPictures_.size()));
    }
    std::vector<int> unpublished;
    for (int r = 0; r < P.RecordCount; ++r)
        if (recordCategory_[std::size_t(r)] < 0) unpublished.push_back(r);
    if (unpublished.empty()) return;
    std::string message = std::to_string(unpublished.size()) +
                          " record(s) were not published, because their category is not in the category list "
                          "(or stands after an empty entry of it):";
    for (std::size_t i = 0; i < unpublished.size() && i < ListedAtMost; ++i) {
        const DatabaseRecord& record = P.RecordTable[std::size_t(unpublished[i])];
        message += "\nRecord " + std::to_string(unpublished[i] + 1) + " \"" + record.Field[0] + "\": " +
                   (record.Category.empty() ? std::string("no category") : "category \"" + record.Category + "\"");
    }
    message += more(unpublished.size());
    message += "\nAdd the category to the list of categories and publish again.";
    P.App.Beep(BeepKind::Exclamation);
    P.App.ShowMessage(message);
}

void Publisher::EndRun() {
    Application& app = P.App;
    app.ProcessMessages();
    if (P.PublishCancelled) return Cancelled();
    RemoveLeftovers();
    ReturnToDatabaseDirectory(P);
    std::vector<std::uint8_t> flags(std::size_t(P.RecordCount));
    for (int r = 0; r < P.RecordCount; ++r)
        flags[std::size_t(r)] = std::exchange(P.RecordTable[std::size_t(r)].NeedsPublishing, 0);
    if (!WriteRepublishFile(P)) {
        // The run is not reported as complete, and no flag is cleared here (the pages written have cleared
        // their own): the file keeps its older marks, which only ask for more to be published.
        for (int r = 0; r < P.RecordCount; ++r) P.RecordTable[std::size_t(r)].NeedsPublishing = flags[std::size_t(r)];
        Stop("");
        return;
    }
    progress_.PublishProgressBar->Repaint();
    progress_.Hide();
    P.Changes.Clear(Settled::Published);
    ReportLeftOut();
    if (searchScriptSize_ > SearchScriptWarningSize) {
        app.Beep(BeepKind::Exclamation);
        const std::string limit = std::to_string(SearchScriptWarningSize), size = std::to_string(searchScriptSize_);
        if (P.SearchSetup->SearchPerCategory->Checked())
            app.ShowMessage("Warning: One of the Category Search Engine download files exceeds " + limit + " bytes (=" +
                            size + "). You may want to consider reducing the number of Searchable Fields or the "
                                   "Search View fields displayed. This could download too slowly.");
        else
            app.ShowMessage("Warning: The Search Engine download file exceeds " + limit + " bytes (=" + size +
                            "). You may want to consider reducing the number of Searchable Fields or the Search "
                            "View fields displayed. This could download too slowly.");
    }
    const std::time_t elapsed = now_() - startTime_;
    if (elapsed > TimeReportAfterSeconds)
        app.ShowMessage("Publishing time: " + std::to_string(elapsed / 60) + " minute(s), " +
                        std::to_string(elapsed % 60) + " second(s).");
    if (!setup_.ForcePublish->Checked() && !P.PublishMessageForm->DontShow->Checked()) {
        app.Beep(BeepKind::Exclamation);
        P.PublishMessageForm->ShowModal();
    }
}

}  // namespace fv
