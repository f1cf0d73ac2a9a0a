// The web site publisher: one run turns the open database into pages in the publish folder. The driver
// checks and prepares (save, sort, the "atsite" mirror folder, the forced clean-up), then runs the passes
// over the record table - the index page (passes 1 and 2), the quick-view page of each category (pass 3),
// the search pages (pass 4) and the detail page of each changed record (pass 5) - with the progress form,
// a cancel between items, and the flags, the republish-flag file and the reports at the end.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/fs/files.h"
#include "publish/page_frame.h"
#include "publish/publish_output.h"

namespace fv {

struct Program;
class Component;
class MainWindow;
class TPublishSetupForm;
class TPublishForm;

// Pass 4, the search engine pages: writes them into out and returns the size in bytes of the largest search script
// (0 when nothing was written or the pass stopped early). In search_engine.cpp.
std::int32_t PublishSearchEngine(Program& p, Component* sender, PublishOutput& out, int categoryCount,
                                 const std::string& scriptButtonSize, const std::string& buttonSize);

// True when the name is one the publisher writes into a publish folder (pages, page images, navigation
// buttons, record images and their link files); the forced clean-up deletes only these.
bool IsPublisherOutputName(const std::string& name);

class Publisher {
public:
    // now: the calendar clock of the run (the pages' comment line and the publishing time).
    Publisher(Program& p, Component* sender, std::function<std::time_t()> now);

    // One whole run, from the checks to the reports.
    void Run();

private:
    enum class Outcome { Done, Cancelled, Stopped };

    // Progress: a stage shows its caption with the bar at 0; Step moves the bar before item i and
    // returns false when the run has been cancelled.
    void BeginStage(const std::string& caption);
    bool Step(int i, double step);
    void MoveBar(int target);

    // A file that could not be written ends the run: the message names what was being published, the file
    // and the system's reason (an empty lead: the message has been shown already). The earlier output is
    // kept, every file of it whole, and the records not yet published stay marked.
    Outcome Stop(const std::string& lead);

    Outcome ForcedCleanUp();
    // The earlier output that the forced clean-up gave up and this run has not written again goes now,
    // except any file that is also one the run reads from (KeptFiles). Every end of a run passes here.
    void RemoveLeftovers();
    std::set<FileIdentity> KeptFiles() const;
    Outcome IndexPass1();
    Outcome IndexPass2();
    Outcome QuickViewPass();
    Outcome DetailPass();
    void EndRun();
    void Cancelled();

    // The published names of every record's images, by one rule for the whole table. A picture whose file
    // is not there (or is a folder) gets no name and shows on no page.
    void WorkOutImageNames();
    // Copies a file the pages need into the folder: false after "Unable to locate file" when the source is
    // not there, or false with the folder's failure when it cannot be written.
    bool CopyBeside(const std::string& source, const std::string& name);
    // Places the record's pictures beside its page: every picture named after this record, and any other
    // whose file is not in the folder (only those when onlyAbsent). False when one cannot be written.
    bool PlacePictures(int record, bool onlyAbsent);
    // What the run left out, said at its end: pictures that were not found, records of no listed category.
    void ReportLeftOut();

    std::string QuickViewPage(int category);
    std::string DetailPage(int record, int category, int position);
    void AppendDataCell(std::string& page, const std::string& hAttr, const std::string& vAttr,
                        const PublishFont& font, const std::string& value, bool endsRow);
    bool WritePage(const std::string& name, const std::string& text);

    Program& P;
    Component* sender_;
    std::function<std::time_t()> now_;
    MainWindow& main_;
    TPublishSetupForm& setup_;
    TPublishForm& progress_;

    std::string dir_;  // the run's publish folder
    std::optional<PublishOutput> out_;  // the same, held open for the run
    PublishRunAttributes attributes_;
    std::time_t startTime_ = 0;
    int categoryCount_ = 0;
    std::vector<std::string> categories_;      // the counted categories (before the first empty entry)
    std::vector<std::int32_t> categoryRecords_;  // records per counted category
    std::vector<std::uint8_t> categoryChanged_;  // a record of the category needs publishing
    std::vector<std::uint8_t> categoryFirst_;    // the first entry of its name (a later one is a repeat)
    std::vector<int> recordCategory_;            // per record: its category entry, or -1 (published nowhere)
    std::vector<int> recordPosition_;            // per record: its position within its category, from 0
    std::vector<std::uint8_t> imageIsNew_;       // per record and image: the name is the image's own
    RowColours rows_;
    std::string indexPage_;  // the index page, built by passes 1 and 2 and written whole
    std::int32_t searchScriptSize_ = 0;
    bool stopped_ = false;                       // a file could not be written: the earlier output stays
    std::vector<std::string> missingPictures_;   // pictures of the pages written whose files were not found
};

}  // namespace fv
