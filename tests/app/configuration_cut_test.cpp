// A configuration file that ends early, met by a user: the load says so and which settings took their
// defaults, and the next save keeps the file as it was beside the new one, byte for byte.
#include <gtest/gtest.h>

#include "app/folivex_form.h"
#include "records/configuration_reader.h"
#include "records/record_text.h"
#include "support/program_fixture.h"

namespace fv::testing {
namespace {

class ConfigurationCutTest : public ProgramFixture {
protected:
    void SetUp() override {
        ProgramFixture::SetUp();
        ASSERT_TRUE(Start());
        loop.AdvanceBy(5000);  // past the splash and the first load (of nothing)
        ASSERT_TRUE(WriteWholeFile(dir.File("cars.db"),
                                   *ReadWholeFile(std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/records/small.db")));
        Messages().ClearLog();
    }
    TFolivexForm& Main() { return *program->FolivexForm; }
    std::string File(const std::string& name) { return ReadWholeFile(dir.File(name)).value_or("<missing>"); }
    // The messages about the configuration (the fixture's records also name a picture that is not there).
    std::vector<std::string> ConfigurationMessages() {
        std::vector<std::string> found;
        for (const std::string& m : Messages().Messages())
            if (m.find("configuration") != std::string::npos) found.push_back(m);
        return found;
    }
    void Open() {
        program->SavedFiles = program->Files();
        program->Files() = CompanionFiles("cars.db").value();
        Main().LoadDatabase(nullptr);
    }
};

TEST_F(ConfigurationCutTest, ACutFileIsReportedAndKeptBesideTheNewOneAtTheSave) {
    // A whole configuration with settings of the user's own.
    Open();
    Main().DBLabel[0]->SetText("Make");
    Main().DBLabel[1]->SetText("Model");
    Main().Category->SetItems({"Executive", "4x4", "Vans"});
    ASSERT_TRUE(Main().SaveDatabase());
    const std::string whole = File("cars.cfg");
    ASSERT_TRUE(MissingConfigurationItems(whole).empty());

    const std::size_t afterLabel1 = whole.find("Make\r\n") + 6;
    struct Case {
        const char* reason;
        std::size_t length;
        bool earlierKeptFile;  // a "cars.cfg.bak" from before is there
        const char* label2;    // what the second label shows after the load
    } cases[] = {
        {"an empty file", 0, false, "Label 2"},
        {"cut inside the version line", 2, false, "Label 2"},
        {"cut after the first label", afterLabel1, false, "Label 2"},
        {"cut inside the second label", afterLabel1 + 3, false, "Label 2"},
        {"cut in the middle", whole.size() / 2, false, "Model"},
        {"cut inside the category line", whole.size() - 5, false, "Model"},
        {"an earlier kept file stays as it is", whole.size() / 2, true, "Model"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        for (const char* name : {"cars.cfg.bak", "cars.cfg.bak2"}) RemoveFile(dir.File(name));
        if (c.earlierKeptFile) {
            ASSERT_TRUE(WriteWholeFile(dir.File("cars.cfg.bak"), "kept before"));
        }
        const std::string kept = c.earlierKeptFile ? "cars.cfg.bak2" : "cars.cfg.bak";
        const std::string cut = whole.substr(0, c.length);
        ASSERT_TRUE(WriteWholeFile(dir.File("cars.cfg"), cut));
        Messages().ClearLog();

        Open();
        ASSERT_EQ(program->RecordCount, 3);
        const std::vector<std::string> messages = ConfigurationMessages();
        ASSERT_EQ(messages.size(), 1u);
        EXPECT_EQ(messages[0].rfind("The configuration file 'cars.cfg' ended early: ", 0), 0u) << messages[0];
        EXPECT_NE(messages[0].find("kept as '" + kept + "'"), std::string::npos) << messages[0];
        EXPECT_EQ(Main().DBLabel[1]->Text(), c.label2);
        // The category list is never left empty: what the file did not hold comes from the records.
        EXPECT_FALSE(Main().Category->Items().empty());
        EXPECT_EQ(File(kept), "<missing>");  // nothing is written by the load

        ASSERT_TRUE(Main().SaveDatabase());
        EXPECT_EQ(File(kept), cut);
        const std::string written = File("cars.cfg");
        EXPECT_TRUE(MissingConfigurationItems(written).empty());
        if (c.earlierKeptFile) {
            EXPECT_EQ(File("cars.cfg.bak"), "kept before");
        }

        // A second save writes over the new, whole file and keeps nothing more.
        Main().DBLabel[2]->SetText("Price");
        ASSERT_TRUE(Main().SaveDatabase());
        EXPECT_EQ(File(kept), cut);
        EXPECT_EQ(File(c.earlierKeptFile ? "cars.cfg.bak3" : "cars.cfg.bak2"), "<missing>");
        Messages().ClearLog();
        Open();
        EXPECT_TRUE(ConfigurationMessages().empty());
        EXPECT_EQ(Main().DBLabel[2]->Text(), "Price");
    }
}

}  // namespace
}  // namespace fv::testing
