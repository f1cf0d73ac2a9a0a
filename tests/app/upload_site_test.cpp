// A published site uploaded to a real vsftpd on 127.0.0.1 the way the user does it: records published by
// the publisher, "Go !", "S E N D", scripted answers, "Ok". After each upload the site folder, the
// "atsite" mirror and the publish folder are compared byte for byte with what they must hold. The server
// comes from the fixture ftp_servers of tests/net; each test uploads into a folder of its own.
#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <map>

#include "app/folivex_form.h"
#include "net/server_settings.h"
#include "platform/fs/files.h"
#include "publish/publish_message_form.h"
#include "publish/publish_setup_form.h"
#include "support/file_map.h"
#include "support/program_fixture.h"
#include "upload/ftp_form.h"
#include "upload/upload_form.h"

namespace fv::testing {
namespace {

class UploadSiteTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        if (settings.Get("FOLIVEX_FTP_PORT").empty())
            GTEST_SKIP() << "FOLIVEX_FTP_PORT is not set: no vsftpd for this test (run it through ctest, which starts it)";
        ASSERT_TRUE(Start());
        loop.AdvanceBy(5000);  // past the splash and the first load
        folder = std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + "-" +
                 std::to_string(::getpid());
        TFTPForm& f = *program->FTPForm;
        f.FTPhost->SetText("127.0.0.1");
        f.FTPPort->SetText(settings.Get("FOLIVEX_FTP_PORT"));
        f.FTPAccountID->SetText(settings.Get("FOLIVEX_FTP_USER"));
        f.FTPPassword->SetText(settings.Get("FOLIVEX_FTP_PASSWORD"));
        f.FTPHostDir->SetText(folder);
        Main().PublishClock = [] { return std::time_t(1796738639); };
        program->PublishMessageForm->DontShow->SetChecked(true);
        // Only the pages of changed records are published again.
        program->PublishSetupForm->ForcePublish->SetChecked(false);
        Main().Category->SetItems({"Cars", "Boats"});
        const char* names[] = {"Defender", "Mini", "Elise", "Dinghy"};
        for (int r = 0; r < 4; ++r) {
            DatabaseRecord& rec = program->RecordTable[std::size_t(r)];
            rec = DatabaseRecord{};
            rec.Category = r < 3 ? "Cars" : "Boats";
            rec.Field[0] = names[r];
            rec.Field[1] = std::to_string(10000 + r * 2500);
            rec.NeedsPublishing = 1;
        }
        program->RecordCount = 4;
        program->CurrentRecord = 1;
        program->DatabaseModified = 1;
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    TUploadForm& Upload() { return *program->UploadForm; }
    std::string Publish() const { return program->PublishDirectory; }
    std::string Mirror() const { return JoinPath(program->PublishDirectory, "atsite"); }
    std::string Site() const { return settings.Get("FOLIVEX_FTP_ROOT") + "/" + folder; }

    // Publishes what changed and returns the files that wait for the upload.
    FileMap PublishChanges() {
        Messages().ClearLog();
        Main().PublishSetupButtonClick(nullptr);
        EXPECT_TRUE(Messages().Messages().empty()) << Messages().Messages().front();
        Messages().ClearLog();
        return FilesIn(Publish());
    }
    // Changes a field of the record whose first field is given, as an edit does.
    void Change(const std::string& first, const std::string& value) {
        for (int r = 0; r < program->RecordCount; ++r) {
            DatabaseRecord& rec = program->RecordTable[std::size_t(r)];
            if (rec.Field[0] != first) continue;
            rec.Field[1] = value;
            rec.NeedsPublishing = 1;
            program->DatabaseModified = 1;
            return;
        }
        FAIL() << first;
    }
    // The detail pages ("qlx_<category>_<position>.htm") among the files.
    static std::vector<std::string> DetailPages(const FileMap& files) {
        std::vector<std::string> pages;
        for (const auto& [name, bytes] : files) {
            int c = 0, p = 0;
            char tail[8] = {};
            if (std::sscanf(name.c_str(), "qlx_%d_%d.%7s", &c, &p, tail) == 3 && std::string(tail) == "htm")
                pages.push_back(name);
        }
        return pages;
    }
    // "Go !", then "S E N D" with a yes to the count question, then "Ok".
    void UploadWithGo() {
        app->OnModal = [this](Form& f) {
            ASSERT_EQ(&f, &Upload());
            Upload().SendButton->Click();
            Upload().FlushLog();
            log = Upload().DisplayMemo->Text();
            ASSERT_TRUE(Upload().Tick->Visible()) << log;
            Upload().Tick->Click();
        };
        Messages().Answer(IdYes);
        Main().GO2->Click();
        app->OnModal = nullptr;
        EXPECT_EQ(Messages().UnusedAnswers(), 0u);
    }
    // The site as an upload of these files leaves it: each file under its site name (an image link file
    // as the image it points to).
    static FileMap AtSite(const FileMap& published) {
        FileMap site;
        for (const auto& [name, bytes] : published) {
            if (name.size() > 4 && name.substr(name.size() - 4) == ".img") {
                const std::string image = bytes.substr(0, bytes.find('\r'));
                site[name.substr(0, name.size() - 3) + "jpg"] = ReadWholeFile(image).value();
            } else {
                site[name] = bytes;
            }
        }
        return site;
    }

    ServerSettings settings{"FOLIVEX_FTP_ENV_FILE"};
    std::string folder;
    std::string log;
};

TEST_F(UploadSiteTest, AFirstUploadSendsTheSiteAndASecondOnlyThePagesOfTheChangedRecord) {
    const FileMap first = PublishChanges();
    ASSERT_GT(first.size(), 8u);
    ASSERT_TRUE(first.count("qlx_index.htm"));
    ASSERT_TRUE(first.count("qlx_1_2.htm"));
    UploadWithGo();
    EXPECT_EQ(Messages().Messages().front(), "[ " + std::to_string(first.size()) + " ] Files to Upload. Continue ?");
    EXPECT_EQ(FilesIn(Site()), first) << log;
    EXPECT_EQ(FilesIn(Mirror()), first);
    EXPECT_TRUE(FilesIn(Publish()).empty()) << "every published file has the prefix and went";

    // One record changes: its page waits for the next upload, the other records' pages do not.
    ASSERT_EQ(DetailPages(first).size(), 4u);
    Change("Mini", "9999");
    const FileMap second = PublishChanges();
    const std::vector<std::string> changed = DetailPages(second);
    ASSERT_EQ(changed.size(), 1u);
    EXPECT_NE(second.at(changed[0]).find("Mini"), std::string::npos);
    EXPECT_NE(second.at(changed[0]).find("9999"), std::string::npos);
    EXPECT_LT(second.size(), first.size());
    UploadWithGo();
    FileMap site = first;
    for (const auto& [name, bytes] : second) site[name] = bytes;
    EXPECT_EQ(FilesIn(Site()), site) << log;
    EXPECT_EQ(FilesIn(Mirror()), site);
    EXPECT_TRUE(FilesIn(Publish()).empty());
    EXPECT_EQ(program->DatabaseModified, 0) << "the publish saved the database; the upload changed nothing";
}

TEST_F(UploadSiteTest, ALinkedImageInAFolderWithADotSurvivesTheNextCleanUp) {
    const std::string pictures = dir.File("pics.v2");
    ASSERT_TRUE(MakeDirectory(pictures));
    const std::string photo = ReadWholeFile(std::string(FOLIVEX_SOURCE_DIR) + "/resources/sample.gif").value();
    ASSERT_TRUE(WriteWholeFile(JoinPath(pictures, "photo.jpg"), photo));
    program->RecordTable[0].Image[0] = JoinPath(pictures, "photo.jpg");  // the Defender
    program->PublishSetupForm->LinkImagesAtUpload->SetChecked(true);
    const FileMap first = PublishChanges();
    std::string link;
    for (const auto& [name, bytes] : first)
        if (name.size() > 4 && name.substr(name.size() - 4) == ".img") link = name;
    ASSERT_NE(link, "") << "the publisher links the image";
    const std::string image = link.substr(0, link.size() - 3) + "jpg";
    UploadWithGo();
    const FileMap site = AtSite(first);
    ASSERT_EQ(site.at(image), photo);
    EXPECT_EQ(FilesIn(Site()), site) << log;
    EXPECT_EQ(FilesIn(Mirror()), site);
    EXPECT_TRUE(FilesIn(Publish()).empty());

    Change("Dinghy", "1");
    const FileMap second = PublishChanges();
    EXPECT_EQ(second.count(link), 0u) << "the image's record did not change";
    UploadWithGo();
    EXPECT_EQ(Messages().Messages().size(), 1u) << "no question about the image";
    const FileMap after = FilesIn(Site());
    ASSERT_TRUE(after.count(image)) << log;
    EXPECT_EQ(after.at(image), photo);
    FileMap expected = site;
    for (const auto& [name, bytes] : AtSite(second)) expected[name] = bytes;
    EXPECT_EQ(after, expected);
}

}  // namespace
}  // namespace fv::testing
