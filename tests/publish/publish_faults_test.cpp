// A publish that meets a full or failing disk: every kind of file the run writes (pages, pictures, image
// link files, the republish flags, the search pages) made to fail at each step of its writing, and each
// time the run stops, says which file and why, shows no success, and leaves every earlier file whole.
#include <sched.h>
#include <sys/mount.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <set>

#include "program/republish_file.h"
#include "publish/publisher.h"
#include "publish_fixture.h"

namespace fv::testing {
namespace {

class PublishFaultsTest : public PublishFixture {
protected:
    void TearDown() override {
        ClearWriteFaults();
        PublishFixture::TearDown();
    }
    std::string RepublishBytes() { return ReadWholeFile(dir.File("folivex.rep")).value_or("<missing>"); }
    bool AnyFlagSet() {
        for (int r = 0; r < program->RecordCount; ++r)
            if (program->RecordTable[std::size_t(r)].NeedsPublishing) return true;
        return false;
    }
};

TEST_F(PublishFaultsTest, AFileThatCannotBeWrittenStopsTheRunWithItsReasonAndTheEarlierSiteStays) {
    struct Case {
        WriteStep step;
        int nth;
        const char* file;  // the file (part of its name) whose writing fails
        bool linkImages;
        bool search;
        const char* why;
    };
    const std::vector<Case> cases = {
        {WriteStep::Write, 1, "qlx_index.htm", false, false, "the index page finds the disk full"},
        {WriteStep::Open, 1, "qlx_2_s.htm", false, false, "a quick-view page cannot be made"},
        {WriteStep::Finish, 1, "qlx_3_2.htm", false, false, "a detail page cannot be put in place"},
        {WriteStep::Copy, 1, "qlxb.gif", false, false, "a navigation button cannot be copied"},
        {WriteStep::Copy, 1, "qlx1_1_1.gif", false, false, "a record's picture cannot be copied"},
        {WriteStep::Copy, 1, "qlxidx.gif", false, false, "the index page's sample picture cannot be copied"},
        {WriteStep::Write, 2, ".img", true, false, "the second image link file cannot be written"},
        {WriteStep::Write, 2, "qlx_srch", false, true, "a search page cannot be written"},
        {WriteStep::Write, 1, "folivex.rep", false, false, "the flags cannot be marked before the run"},
        {WriteStep::Finish, 2, "folivex.rep", false, false, "the flags cannot be cleared after the run"},
    };
    const std::string button = dir.File("qlxb.gif"), buttonBytes = ReadWholeFile(button).value();
    for (const Case& c : cases)
        for (int error : {ENOSPC, EIO}) {
            SCOPED_TRACE(std::string(c.why) + ", " + std::strerror(error));
            // An earlier site, then a later run that has every page and the record pictures to write again.
            std::filesystem::remove_all(site);
            ASSERT_TRUE(MakeDirectory(site));
            const std::string leaf = Picture("pics/leaf.gif");
            ASSERT_TRUE(WriteWholeFile(leaf, ReadWholeFile(dir.File("sample.gif")).value()));
            ASSERT_TRUE(WriteWholeFile(button, buttonBytes));
            program->RecordCount = 0;
            Settings().LinkImagesAtUpload->SetChecked(false);
            program->SearchSetup->EnableSearchButton->SetChecked(c.search);
            Settings().ForcePublish->SetChecked(false);
            program->PublishMessageForm->DontShow->SetChecked(true);
            clock = PublishDay;
            MakeShopDatabase();
            Messages().ClearLog();
            Publish();
            ASSERT_EQ(Messages().Messages(), std::vector<std::string>{});
            const auto before = Tree(site);

            std::string edited = ReadWholeFile(leaf).value() + "a later picture";
            ASSERT_TRUE(WriteWholeFile(leaf, edited));
            ASSERT_TRUE(WriteWholeFile(button, buttonBytes + "a later button"));
            Settings().LinkImagesAtUpload->SetChecked(c.linkImages);
            program->PublishMessageForm->DontShow->SetChecked(false);
            program->DatabaseModified = 0;
            MarkAllForRepublish(*program);
            const std::string flags = RepublishBytes();
            ASSERT_EQ(flags, std::string(std::size_t(program->RecordCount), '\1'));
            clock = LaterThatDay;
            Messages().ClearLog();
            int notices = 0;
            app->OnModal = [&](Form& form) {
                if (&form == program->PublishMessageForm) ++notices;
                form.SetModalResult(1);
            };
            InjectWriteFault(c.step, c.nth, error, c.file);
            Publish();
            ClearWriteFaults();
            app->OnModal = nullptr;

            // Said: the file and the system's reason; no success shown, and the marks kept.
            bool named = false;
            for (const std::string& m : Messages().Messages())
                named = named || (m.find(c.file) != std::string::npos && m.find(std::strerror(error)) != std::string::npos);
            EXPECT_TRUE(named) << ::testing::PrintToString(Messages().Messages());
            if (c.search) EXPECT_EQ(Messages().Messages().size(), 1u) << "one message for one failed page";
            EXPECT_EQ(notices, 0);
            // The records not yet published stay marked; when only the flags' file failed at the very end,
            // every page is written and the file keeps the old marks (more to publish, never less).
            const bool atTheEnd = std::string(c.file) == "folivex.rep" && c.nth == 2;
            EXPECT_EQ(AnyFlagSet(), !atTheEnd);
            EXPECT_EQ(RepublishBytes(), flags);
            // Every earlier file is still there, whole: as it was, or (a page) one complete new page, or (a
            // picture) the new picture; nothing half-written, no temporary file.
            const auto after = Tree(site);
            for (const auto& [name, bytes] : before) {
                ASSERT_TRUE(after.count(name)) << name << " went";
                const std::string& now = after.at(name);
                if (now == bytes) continue;
                if (name.size() > 4 && name.substr(name.size() - 4) == ".htm") {
                    EXPECT_EQ(now.rfind("<!Folivex from ", 0), 0u) << name;
                    EXPECT_EQ(now.substr(now.size() - 9), "</HTML>\r\n") << name;
                } else {
                    EXPECT_TRUE(now == edited || now == ReadWholeFile(button)) << name << " is neither old nor new";
                }
            }
            for (const auto& [name, bytes] : after) EXPECT_EQ(name.find(".tmp"), std::string::npos) << name;
        }
}

// Writes text into a file of /proc; false when that cannot be done.
bool WriteProcFile(const std::string& path, const std::string& text) {
    std::ofstream out(path);
    out << text;
    out.close();
    return bool(out);
}

// The same on a real disk that fills up: the publish folder is a small tmpfs of its own (mounted in a
// child process's own user and mount namespaces, so no privilege is needed and nothing outside sees it),
// and the pictures of the second run no longer fit.
TEST_F(PublishFaultsTest, ARealDiskThatFillsUpStopsTheRunAndKeepsTheEarlierSite) {
    std::filesystem::create_directories(site);
    Main().CategoryList = {"A"};
    std::vector<std::string> pictures;
    for (int i = 0; i < 4; ++i) {
        pictures.push_back(dir.File("pics/p" + std::to_string(i) + ".gif"));
        std::filesystem::create_directories(dir.File("pics"));
        ASSERT_TRUE(WriteWholeFile(pictures.back(), "small picture " + std::to_string(i)));
        Add("A", {"record " + std::to_string(i)}, {pictures.back()});
    }
    const std::string result = dir.File("result.txt");
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        // In the child: its own namespaces, the tmpfs over the publish folder, two runs; the outcome goes
        // into the result file and the exit status (77: no tmpfs could be mounted here).
        const uid_t uid = ::geteuid();
        const gid_t gid = ::getegid();
        if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) ::_exit(77);
        WriteProcFile("/proc/self/setgroups", "deny");
        if (!WriteProcFile("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1") ||
            !WriteProcFile("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1"))
            ::_exit(77);
        ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr);
        if (::mount("folivex-test", site.c_str(), "tmpfs", 0, "size=256k") != 0) ::_exit(77);
        std::string report;
        Publish();
        if (!Messages().Messages().empty()) report += "first run: " + Messages().Messages()[0] + "\n";
        const auto before = Tree(site);
        for (const std::string& picture : pictures)
            if (!WriteWholeFile(picture, std::string(100000, 'x') + picture)) report += "cannot grow " + picture + "\n";
        for (int r = 0; r < program->RecordCount; ++r) program->RecordTable[std::size_t(r)].NeedsPublishing = 1;
        WriteRepublishFile(*program);
        program->PublishMessageForm->DontShow->SetChecked(false);
        Settings().ForcePublish->SetChecked(false);
        Messages().ClearLog();
        int notices = 0;
        app->OnModal = [&](Form& form) {
            if (&form == program->PublishMessageForm) ++notices;
            form.SetModalResult(1);
        };
        clock = LaterThatDay;
        Publish();
        bool full = false;
        for (const std::string& m : Messages().Messages())
            full = full || (m.find(std::strerror(ENOSPC)) != std::string::npos && m.find(site) != std::string::npos);
        if (!full) report += "no message of the full disk: " + ::testing::PrintToString(Messages().Messages()) + "\n";
        if (notices != 0) report += "the publish notice was shown\n";
        if (RepublishBytes() != std::string(4, '\1')) report += "the flags on disk were cleared\n";
        const auto after = Tree(site);
        for (const auto& [name, bytes] : before) {
            if (!after.count(name)) {
                report += name + " went\n";
                continue;
            }
            const std::string& now = after.at(name);
            const bool page = name.size() > 4 && name.substr(name.size() - 4) == ".htm";
            bool whole = page && now.rfind("<!Folivex from ", 0) == 0 && now.substr(now.size() - 9) == "</HTML>\r\n";
            for (const std::string& picture : pictures) whole = whole || now == ReadWholeFile(picture);
            if (now != bytes && !whole) report += name + " is not whole\n";
        }
        WriteWholeFile(result, report);
        ::_exit(report.empty() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    if (WEXITSTATUS(status) == 77) GTEST_SKIP() << "no tmpfs can be mounted in a namespace of this process here";
    EXPECT_EQ(WEXITSTATUS(status), 0) << ReadWholeFile(result).value_or("<no result>");
}

}  // namespace
}  // namespace fv::testing
