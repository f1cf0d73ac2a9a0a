// The publish run: refusals before anything is written (also by the main window's save and sort, stood in
// here), the forced clean-up that removes only the publisher's own files, cancelling at every stage, the
// records of no listed category, picture names that do not depend on earlier runs, the paused main window,
// the time report and the publish notice.
#include <algorithm>
#include <fstream>
#include <regex>
#include <set>

#include "publish/lang_form.h"
#include "publish/publish_progress_form.h"
#include "publish/publisher.h"
#include "program/republish_file.h"
#include "publish_fixture.h"
#include "records/state_files.h"

namespace fv::testing {
namespace {

class PublisherTest : public PublishFixture {
protected:
    std::string RepublishBytes() { return ReadWholeFile(dir.File("folivex.rep")).value_or("<missing>"); }
    std::vector<int> Flags() {
        std::vector<int> flags;
        for (int r = 0; r < program->RecordCount; ++r) flags.push_back(program->RecordTable[std::size_t(r)].NeedsPublishing);
        return flags;
    }
    // Every HREF and SRC of every published page that names a file here must name one that exists.
    std::vector<std::string> BrokenLocalLinks() {
        std::vector<std::string> broken;
        static const std::regex reference("(?:HREF|SRC|src)=\"([^\"]*)\"");
        for (const auto& [name, bytes] : Tree(site)) {
            if (name.size() < 4 || name.substr(name.size() - 4) != ".htm") continue;
            for (std::sregex_iterator m(bytes.begin(), bytes.end(), reference), end; m != end; ++m) {
                const std::string target = (*m)[1];
                if (target.find(':') != std::string::npos) continue;  // another site, mail, the cart service
                if (!PathExistsOnDisk(JoinPath(site, target))) broken.push_back(name + " -> " + target);
            }
        }
        return broken;
    }
};

TEST_F(PublisherTest, NoRecordsRefusesAndWritesNothing) {
    Publish();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{
        "You must have at least 1 Record to use this option. Click on '+' to add a new record."});
    EXPECT_EQ(Messages().Beeps(), std::vector<BeepKind>{BeepKind::Exclamation});
    EXPECT_TRUE(Tree(site).empty());
    EXPECT_FALSE(PathExistsOnDisk(JoinPath(site, "atsite")));
}

TEST_F(PublisherTest, ForcePublishOfAnEmptyDatabaseWritesAnEmptyFlagFileAndRefuses) {
    MarkAllForRepublish(*program);
    Publish();
    EXPECT_EQ(RepublishBytes(), "");
    EXPECT_EQ(Messages().Messages().size(), 1u);
    EXPECT_TRUE(Tree(site).empty());
}

TEST_F(PublisherTest, WithoutAPublishFolderTheRunRefuses) {
    Add("Category A", {"one"});
    for (const std::string& folder : {std::string("none"), std::string(), dir.File("gone")}) {
        SCOPED_TRACE(folder);
        Messages().ClearLog();
        program->PublishDirectory = folder;
        Publish();
        ASSERT_EQ(Messages().Messages().size(), 1u);
        EXPECT_NE(Messages().Messages()[0].find("No Publish folder is set"), std::string::npos);
        EXPECT_EQ(Flags(), std::vector<int>{1});
    }
    EXPECT_TRUE(Tree(site).empty());
    EXPECT_TRUE(Main().Enabled());
}

// The main window's sort refuses (a sort order that is none, a record under edit) with its own message.
TEST_F(PublisherTest, ARefusedSortRefusesThePublish) {
    MakeShopDatabase();
    program->DatabaseModified = 0;
    Main().Sort = [] { return false; };
    Publish();
    EXPECT_EQ(Main().Sorts, 1);
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"The records could not be sorted, so nothing has been published."});
    EXPECT_TRUE(Tree(site).empty());
    EXPECT_EQ(program->App.ScreenCursor(), Cursor::Default);
    EXPECT_EQ(Flags(), std::vector<int>(12, 1));
    EXPECT_FALSE(Main().Publishing);
    EXPECT_TRUE(Main().Enabled());
}

TEST_F(PublisherTest, TheRecordsAreSortedBeforeThePagesAreNumbered) {
    Main().CategoryList = {"A", "B"};
    Add("B", {"b1"});
    Add("A", {"a2"});
    Add("A", {"a1"});
    // The main window sorts by the first field.
    Main().Sort = [this] {
        std::sort(program->RecordTable.begin(), program->RecordTable.begin() + program->RecordCount,
                  [](const DatabaseRecord& a, const DatabaseRecord& b) { return a.Field[0] < b.Field[0]; });
        return true;
    };
    Publish();
    EXPECT_NE(Page("qlx_1_1.htm").find(">a1<"), std::string::npos);
    EXPECT_NE(Page("qlx_1_2.htm").find(">a2<"), std::string::npos);
    EXPECT_NE(Page("qlx_2_1.htm").find(">b1<"), std::string::npos);
}

TEST_F(PublisherTest, ForcedCleanUpRemovesOnlyThePublishersOwnFiles) {
    MakeShopDatabase();
    // Publish into the start folder, where the database, the last-use file and the shipped buttons live,
    // under a database whose name looks like a published picture.
    site = dir.Path();
    Settings().PublishDirectory->SetDirectory(site);
    program->DatabaseFileName = "qlxidx.db";
    program->ConfigFileName = "qlxidx.cfg";
    program->RepublishFileName = "qlxidx.rep";
    const auto write = [&](const std::string& name, const std::string& bytes) {
        std::filesystem::create_directories(std::filesystem::path(dir.File(name)).parent_path());
        ASSERT_TRUE(WriteWholeFile(dir.File(name), bytes));
    };
    write("qlxlast.cfg", "last use");
    write("qlxidx.db", "the database");
    write("qlxidx.cfg", "its settings");
    write("qlx_9_9.htm", "an old page");
    write("qlx9_9_1.jpg", "an old picture");
    write("qlx9_9_1.img", "an old link file");
    write("qlx_frm3.htm", "an old search frame");
    write("qlxnotes.txt", "the user's own notes");
    write("atsite/qlx_1_1.htm", "mirrored");
    write("atsite/other.txt", "mirrored");
    const std::string button = ReadWholeFile(dir.File("qlxf.gif")).value();
    Publish();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    for (const char* gone : {"qlx_9_9.htm", "qlx9_9_1.jpg", "qlx9_9_1.img", "qlx_frm3.htm", "atsite/qlx_1_1.htm",
                             "atsite/other.txt"})
        EXPECT_FALSE(PathExistsOnDisk(dir.File(gone))) << gone;
    for (const char* kept : {"qlxidx.db", "qlxidx.cfg", "qlxidx.rep", "qlxlast.cfg", "qlxnotes.txt", "qlxb.gif",
                             "qlxu.gif", "qlx_index.htm", "qlx_3_4.htm"})
        EXPECT_TRUE(PathExistsOnDisk(dir.File(kept))) << kept;
    EXPECT_EQ(ReadWholeFile(dir.File("qlxf.gif")).value(), button);
    EXPECT_EQ(ReadWholeFile(dir.File("qlxlast.cfg")).value(), "last use");
    EXPECT_EQ(ReadWholeFile(dir.File("qlxidx.db")).value(), "the database");
    EXPECT_EQ(ReadWholeFile(dir.File("qlxidx.cfg")).value(), "its settings");
    EXPECT_EQ(Main().Saves, 1) << "the changed database is saved before the run";
    // The hidden file list was read again from the publish folder, with the publisher's mask.
    const FileListBox& list = *Settings().PublishFileList;
    EXPECT_EQ(list.Directory(), site);
    EXPECT_EQ(list.Mask(), "qlx*.*");
    EXPECT_NE(std::find(list.Items().begin(), list.Items().end(), "qlxnotes.txt"), list.Items().end());
}

// Cancel when the progress form shows a stage, after so many turns of the loop within it.
struct CancelCase {
    std::string stage;
    int turns;
    std::vector<int> flags;  // the records' flags afterwards
    std::set<std::string> pages;
};

TEST_F(PublisherTest, CancellingAtEachStageLeavesTheFlagsAsTheyWere) {
    const std::vector<CancelCase> cases = {
        {"Publishing - (Forced cleanup 1)...", 1, std::vector<int>(12, 1), {}},
        {"Publishing - (Forced cleanup 2)...", 1, std::vector<int>(12, 1), {}},
        {"Publishing - Pass 1 of 5 (preparing Index page)...", 3, std::vector<int>(12, 1), {}},
        {"Publishing - Pass 2 of 5 (writing Index page)...", 2, std::vector<int>(12, 1), {}},
        {"Publishing - Pass 3 of 5 (Quick View)...", 2, std::vector<int>(12, 1), {"qlx_1_s.htm", "qlx_index.htm"}},
        {"Publishing - Pass 5 of 5 (Detail View)...", 3, {0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1},
         {"qlx_1_1.htm", "qlx_1_2.htm", "qlx_1_s.htm", "qlx_2_s.htm", "qlx_3_s.htm", "qlx_index.htm"}},
    };
    MakeShopDatabase();
    for (const CancelCase& c : cases) {
        SCOPED_TRACE(c.stage);
        std::filesystem::remove_all(site);
        std::filesystem::create_directories(JoinPath(site, "atsite"));
        ASSERT_TRUE(WriteWholeFile(JoinPath(site, "atsite/a.htm"), "x"));
        ASSERT_TRUE(WriteWholeFile(JoinPath(site, "atsite/b.htm"), "x"));
        ASSERT_TRUE(WriteWholeFile(JoinPath(site, "qlx_7_7.htm"), "x"));
        ASSERT_TRUE(WriteWholeFile(JoinPath(site, "qlx_8_8.htm"), "x"));
        for (int r = 0; r < program->RecordCount; ++r) program->RecordTable[std::size_t(r)].NeedsPublishing = 0;
        Settings().ForcePublish->SetChecked(true);
        Messages().ClearLog();
        int turns = 0;
        Watch([&] {
            if (program->PublishForm->PublishGroup->Caption() != c.stage || ++turns < c.turns) return false;
            program->PublishForm->BitBtn1->Click();
            return true;
        });
        Publish();
        EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Publishing Cancelled."});
        EXPECT_EQ(Messages().Beeps().back(), BeepKind::Exclamation);
        EXPECT_EQ(Flags(), c.flags);
        // The flag file holds what the forced clean-up marked; the run's end never came to write it.
        EXPECT_EQ(RepublishBytes(), std::string(12, '\1'));
        EXPECT_EQ(program->RepublishAll, 0);
        EXPECT_FALSE(program->PublishForm->Visible());
        EXPECT_EQ(CurrentDirectory(), program->DatabaseDirectory);
        EXPECT_EQ(program->App.ScreenCursor(), Cursor::Default);
        EXPECT_TRUE(Main().Enabled());
        std::set<std::string> pages;
        for (const auto& [name, bytes] : Tree(site))
            if (name.find(".htm") != std::string::npos && name.find("atsite") == std::string::npos &&
                name != "qlx_7_7.htm" && name != "qlx_8_8.htm")
                pages.insert(name);
        EXPECT_EQ(pages, c.pages);
        const bool pastCleanUp1 = c.stage != cases[0].stage;
        EXPECT_EQ(Tree(JoinPath(site, "atsite")).empty(), pastCleanUp1);
        EXPECT_EQ(PathExistsOnDisk(JoinPath(site, "qlx_8_8.htm")), !pastCleanUp1 || c.stage == cases[1].stage);
    }
}

TEST_F(PublisherTest, RecordsOfNoListedCategoryAppearNowhereAndCountNowhere) {
    Main().CategoryList = {"A", "B", "A", "", "C"};
    Add("", {"no category"});
    Add("A", {"a1"});
    Add("A", {"a2"});
    Add("B", {"b1"});
    Add("C", {"after the empty entry"});
    Add("Z", {"not listed"});
    Add("B", {"b2"});
    // The main window's sort groups the records by their category's place in the list (the unlisted last),
    // keeping their order within it.
    Main().Sort = [this] {
        const auto& list = Main().CategoryList;
        const auto place = [&](const DatabaseRecord& r) { return std::find(list.begin(), list.end(), r.Category) - list.begin(); };
        std::stable_sort(program->RecordTable.begin(), program->RecordTable.begin() + program->RecordCount,
                         [&](const DatabaseRecord& a, const DatabaseRecord& b) { return place(a) < place(b); });
        return true;
    };
    Publish();
    // The records left out are named, each with the reason, once the run is over.
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"3 record(s) were not published, because their category is not in the category "
                                       "list (or stands after an empty entry of it):\n"
                                       "Record 5 \"no category\": no category\n"
                                       "Record 6 \"after the empty entry\": category \"C\"\n"
                                       "Record 7 \"not listed\": category \"Z\"\n"
                                       "Add the category to the list of categories and publish again."});
    std::set<std::string> pages;
    for (const auto& [name, bytes] : Tree(site))
        if (name.find(".htm") != std::string::npos) pages.insert(name);
    EXPECT_EQ(pages, (std::set<std::string>{"qlx_index.htm", "qlx_1_s.htm", "qlx_2_s.htm", "qlx_1_1.htm",
                                            "qlx_1_2.htm", "qlx_2_1.htm", "qlx_2_2.htm"}));
    EXPECT_NE(Page("qlx_2_2.htm").find("Record 2 of 2"), std::string::npos);
    EXPECT_NE(Page("qlx_1_1.htm").find("Record 1 of 2"), std::string::npos);
    const std::string index = Page("qlx_index.htm");
    EXPECT_NE(index.find("&nbsp;&nbsp;2&nbsp;Entries."), std::string::npos);
    EXPECT_EQ(index.find("qlx_3_1.htm"), std::string::npos);  // the repeated "A" gets no row
    EXPECT_EQ(index.find("qlx_5_"), std::string::npos);
    EXPECT_EQ(BrokenLocalLinks(), std::vector<std::string>{});
    EXPECT_EQ(Flags(), std::vector<int>(7, 0));
}

TEST_F(PublisherTest, PictureNamesFollowOneRuleWhateverEarlierRunsLeft) {
    MakeShopDatabase();
    Publish();
    const auto forced = Tree(site);
    // As after a restart: no names are remembered. Record 3 (unchanged before) shares record 1's picture.
    for (auto& names : program->PublishedImageNames) names = {};
    Settings().ForcePublish->SetChecked(false);
    program->RecordTable[2].NeedsPublishing = 1;
    Publish();
    EXPECT_NE(Page("qlx_1_3.htm").find("<IMG SRC=\"qlx1_1_1.gif\""), std::string::npos);
    // A forced publish after the names were lost is byte for byte the first one.
    for (auto& names : program->PublishedImageNames) names = {};
    Settings().ForcePublish->SetChecked(true);
    Publish();
    EXPECT_EQ(Tree(site), forced);
    EXPECT_EQ(BrokenLocalLinks(), std::vector<std::string>{});
}

TEST_F(PublisherTest, APictureChangedOnDiskAtTheSameSizeIsCopiedAgain) {
    MakeShopDatabase();
    Publish();
    const std::string leaf = dir.File("pics/leaf.gif");
    std::string edited = ReadWholeFile(leaf).value();
    ASSERT_GT(edited.size(), 20u);
    edited[edited.size() / 2] = char(edited[edited.size() / 2] ^ 0x55);
    ASSERT_TRUE(WriteWholeFile(leaf, edited));
    // Record 1's picture, published under its own name and as the index page's sample. The forced run
    // sees the same size in both places and still compares the bytes.
    Settings().ForcePublish->SetChecked(true);
    Publish();
    EXPECT_TRUE(ReadWholeFile(JoinPath(site, "qlx1_1_1.gif")) == edited);
    EXPECT_TRUE(ReadWholeFile(JoinPath(site, "qlxidx.gif")) == edited);
    // An incremental run of record 1 does the same after the next edit.
    edited[3] = char(edited[3] ^ 0x11);
    ASSERT_TRUE(WriteWholeFile(leaf, edited));
    Settings().ForcePublish->SetChecked(false);
    program->RecordTable[0].NeedsPublishing = 1;
    Publish();
    EXPECT_TRUE(ReadWholeFile(JoinPath(site, "qlx1_1_1.gif")) == edited);
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
}

TEST_F(PublisherTest, ACancelledForcedRunLeavesEveryPageWhole) {
    MakeShopDatabase();
    Publish();
    ASSERT_TRUE(WriteWholeFile(JoinPath(site, "qlx_9_9.htm"), "a page of a record that is gone"));
    const auto before = Tree(site);
    Settings().ForcePublish->SetChecked(true);
    clock = LaterThatDay;
    int turns = 0;
    Watch([&] {
        if (program->PublishForm->PublishGroup->Caption() != "Publishing - Pass 5 of 5 (Detail View)..." || ++turns < 5)
            return false;
        program->PublishForm->BitBtn1->Click();
        return true;
    });
    Publish();
    ASSERT_EQ(Messages().Messages(), std::vector<std::string>{"Publishing Cancelled."});
    const auto after = Tree(site);
    std::set<std::string> newer;
    for (const auto& [name, bytes] : after) {
        EXPECT_EQ(name.find(".tmp"), std::string::npos) << name << ": a temporary file stayed";
        if (name.size() < 4 || name.substr(name.size() - 4) != ".htm") continue;
        // Each page is one complete page: the earlier run's or this run's, never a mixture or a part.
        EXPECT_EQ(bytes.rfind("<!Folivex from ", 0), 0u) << name;
        EXPECT_EQ(bytes.substr(bytes.size() - 9), "</HTML>\r\n") << name;
        if (bytes.find("(Dec/08/2026 15:30:00)") != std::string::npos) newer.insert(name);
        else EXPECT_EQ(bytes, before.at(name)) << name;
    }
    // The pages written before the cancel are the new ones; the earlier output that the run gave up and had
    // not written again is gone, as the forced clean-up has always left it.
    EXPECT_EQ(newer, (std::set<std::string>{"qlx_index.htm", "qlx_1_s.htm", "qlx_2_s.htm", "qlx_3_s.htm",
                                            "qlx_1_1.htm", "qlx_1_2.htm", "qlx_1_3.htm", "qlx_1_4.htm"}));
    EXPECT_EQ(after.count("qlx_9_9.htm"), 0u);
    EXPECT_EQ(after.count("qlx_3_4.htm"), 0u);
    EXPECT_EQ(after.at("qlx1_1_1.gif"), before.at("qlx1_1_1.gif"));
}

TEST_F(PublisherTest, APictureInAFolderWithADotKeepsItsOwnExtension) {
    Main().CategoryList = {"A"};
    Add("A", {"fern"}, {Picture("my.pics/fern.gif")});
    Add("A", {"no extension"}, {Picture("my.pics/plain")});
    Publish();
    EXPECT_TRUE(PathExistsOnDisk(JoinPath(site, "qlx1_1_1.gif")));
    EXPECT_TRUE(PathExistsOnDisk(JoinPath(site, "qlxidx.gif")));
    EXPECT_TRUE(PathExistsOnDisk(JoinPath(site, "qlx1_2_1.")));
    EXPECT_EQ(BrokenLocalLinks(), std::vector<std::string>{});
}

// A picture path that names no file - a folder, with or without a dot in its name, or nothing at all - is
// a missing picture: the page shows no picture for it (never one without an extension), the index page
// takes its sample from the next record with a picture, and the end of the run names each path once.
TEST_F(PublisherTest, APicturePathThatIsNoFileIsAMissingPictureOnThePages) {
    struct Case {
        std::string path;
        const char* why;
    };
    const std::vector<Case> cases = {
        {"pics/album", "a folder without a dot"},
        {"pics/album.v2", "a folder with a dot, which would give an extension"},
        {"pics/gone.gif", "a file that is not there"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        std::filesystem::remove_all(site);
        ASSERT_TRUE(MakeDirectory(site));
        std::filesystem::create_directories(dir.File("pics/album"));
        std::filesystem::create_directories(dir.File("pics/album.v2"));
        program->RecordCount = 0;
        Messages().ClearLog();
        Main().CategoryList = {"A", "B"};
        const std::string missing = dir.File(c.path), fern = Picture("pics/fern.gif");
        Add("A", {"missing first"}, {missing, fern});
        Add("A", {"fern"}, {fern});
        Add("B", {"missing only"}, {"", "", "", missing});
        Publish();
        EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"The File [" + missing + "] has not been located."});
        const std::string first = Page("qlx_1_1.htm"), only = Page("qlx_2_1.htm");
        EXPECT_NE(first.find("<IMG SRC=\"qlx1_1_2.gif\""), std::string::npos);
        EXPECT_EQ(first.find("qlx1_1_1"), std::string::npos);
        EXPECT_EQ(only.find("<IMG SRC=\"qlx2_"), std::string::npos) << "no picture on the page";
        EXPECT_EQ(only.find("qlx2_1_4"), std::string::npos);
        EXPECT_NE(Page("qlx_index.htm").find("<IMG SRC=\"qlxidx.gif\""), std::string::npos);
        EXPECT_EQ(ReadWholeFile(JoinPath(site, "qlxidx.gif")), ReadWholeFile(fern));
        EXPECT_EQ(BrokenLocalLinks(), std::vector<std::string>{});
        EXPECT_EQ(Flags(), std::vector<int>(3, 0));
    }
}

// The window's publish commands start no second run while the flag is set (tested with the window).
TEST_F(PublisherTest, TheMainWindowTakesNoEditsWhileARunGoes) {
    MakeShopDatabase();
    bool pausedDuringRun = false, settingsPaused = false, flagged = false;
    Watch([&] {
        pausedDuringRun = !Main().Enabled();
        settingsPaused = !Settings().Enabled();
        flagged = Main().Publishing;
        return true;
    });
    Publish();
    EXPECT_TRUE(pausedDuringRun);
    EXPECT_TRUE(settingsPaused);
    EXPECT_TRUE(flagged);
    EXPECT_TRUE(Main().Enabled());
    EXPECT_TRUE(Settings().Enabled());
    EXPECT_FALSE(Main().Publishing);
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    EXPECT_EQ(Flags(), std::vector<int>(12, 0));
}

TEST_F(PublisherTest, ATimeReportOnlyAfterSixtyFiveSeconds) {
    MakeShopDatabase();
    for (auto [seconds, report] : std::vector<std::pair<int, std::string>>{
             {65, ""}, {66, "Publishing time: 1 minute(s), 6 second(s)."}, {126, "Publishing time: 2 minute(s), 6 second(s)."}}) {
        SCOPED_TRACE(seconds);
        Messages().ClearLog();
        int calls = 0;
        publishClock = [&, seconds = seconds] { return PublishDay + (calls++ == 0 ? 0 : seconds); };
        Publish();
        EXPECT_EQ(Messages().Messages(), report.empty() ? std::vector<std::string>{} : std::vector<std::string>{report});
    }
}

TEST_F(PublisherTest, ThePublishNoticeAfterARunThatWasNotForced) {
    MakeShopDatabase();
    int notices = 0;
    app->OnModal = [&](Form& form) {
        if (&form == program->PublishMessageForm) ++notices;
        form.SetModalResult(1);
    };
    program->PublishMessageForm->DontShow->SetChecked(false);
    Settings().ForcePublish->SetChecked(true);
    Publish();
    EXPECT_EQ(notices, 0);
    Settings().ForcePublish->SetChecked(false);
    Publish();
    EXPECT_EQ(notices, 1);
    program->PublishMessageForm->DontShow->SetChecked(true);
    Publish();
    EXPECT_EQ(notices, 1);
}

// What "Force Publish of ALL records" does: every record marked, then a run.
TEST_F(PublisherTest, RepublishAllRepublishesEveryRecordWithoutTheForceBox) {
    MakeShopDatabase();
    Settings().ForcePublish->SetChecked(false);
    Publish();
    std::filesystem::remove(JoinPath(site, "qlx_1_1.htm"));
    ASSERT_TRUE(WriteWholeFile(JoinPath(site, "qlx_9_9.htm"), "stale"));
    MarkAllForRepublish(*program);
    Publish();
    EXPECT_TRUE(PathExistsOnDisk(JoinPath(site, "qlx_1_1.htm")));
    EXPECT_FALSE(PathExistsOnDisk(JoinPath(site, "qlx_9_9.htm")));
    EXPECT_EQ(program->RepublishAll, 0);
    EXPECT_EQ(RepublishBytes(), std::string(12, '\0'));
}

TEST_F(PublisherTest, AFailedSaveStopsTheRunBeforeAnythingIsWritten) {
    MakeShopDatabase();
    Main().Save = [] { return false; };  // the window reports why
    Publish();
    EXPECT_EQ(Main().Saves, 1);
    EXPECT_EQ(Main().Sorts, 0);
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});  // the window has said why
    EXPECT_TRUE(Tree(site).empty());
    EXPECT_EQ(program->DatabaseModified, 1);
    EXPECT_EQ(Flags(), std::vector<int>(12, 1));
}

TEST_F(PublisherTest, ThePagesCarryTheTextAsTypedWithItsCharset) {
    MakeShopDatabase();
    Publish();
    const std::string page = Page("qlx_1_1.htm");
    EXPECT_NE(page.find("<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n"), std::string::npos);
    EXPECT_NE(page.find("Ana Kov\xc3\xa1\xc4\x8d"), std::string::npos);
}

TEST_F(PublisherTest, LanguageTextsInAttributesKeepTheirQuotesInside) {
    // Every language text that a page writes into an attribute: the search buttons' values and the
    // navigation buttons' alternative texts.
    MakeShopDatabase();
    program->SearchSetup->EnableSearchButton->SetChecked(true);
    const std::string typed = "He said \"hi\" & <left>";
    const std::string shown = "He said &quot;hi&quot; &amp; &lt;left&gt;";
    for (const char* key : {"search", "SrchGo", "firstrecord", "previousrecord", "nextrecord", "lastrecord"})
        program->LangForm->Real(key)->SetText(typed);
    Publish();
    struct Where {
        std::string page, attribute;
    } places[] = {
        {"qlx_index.htm", "<input type=\"submit\" value=\"" + shown + "\">"},
        {"qlx_srch1.htm", "<input type=submit value=\"" + shown + "\">"},
        {"qlx_srch2.htm", "<input type=button value=\"" + shown + "\" onClick="},
        {"qlx_1_2.htm", "ALT=\"" + shown + "\""},
    };
    for (const Where& w : places) {
        const std::string page = Page(w.page);
        EXPECT_NE(page.find(w.attribute), std::string::npos) << w.page;
        EXPECT_EQ(page.find("=\"He said \"hi"), std::string::npos) << w.page << ": a quote ends an attribute";
    }
    // Between tags the texts stay as typed: there the user may write markup on purpose.
    EXPECT_NE(Page("qlx_1_1.htm").find(">" + typed + "<"), std::string::npos);
}

}  // namespace
}  // namespace fv::testing
