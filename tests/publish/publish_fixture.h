// A program on the hub, with the publishing dialogs and a stand-in main window, set up as the start-up
// sets up a new database (the shipped pictures, the fonts, the labels "Label 1".."Label 6", every field
// searched, one category, the publishing dialog's defaults), and a small database made for publishing:
// three categories, twelve records with links of every kind, cart values, pictures shared between records
// (one in a folder with a dot in its name), empty values and a two-line memo; a fixed clock for the pages'
// date; and helpers that read the published folder and watch a run from inside the message loop.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "platform/fs/files.h"
#include "program/shipped_files.h"
#include "publish/publisher.h"
#include "publish_forms_fixture.h"
#include "records/new_database_defaults.h"

namespace fv::testing {

class PublishFixture : public PublishFormsFixture {
protected:
    void SetUp() override {
        ::setenv("TZ", "UTC", 1);
        ::tzset();
        PublishFormsFixture::SetUp();
        // The start folder is the database's folder, and a new database has no configuration yet.
        program->ProgramDirectory = CurrentDirectory();
        program->DatabaseDirectory = CurrentDirectory();
        InstallShippedFiles(*program);
        InitialiseFontStructure(*program);
        for (int i = 0; i < 20; ++i)
            Main().Labels[std::size_t(i)] = i < 6 ? "Label " + std::to_string(i + 1) : std::string("....");
        Main().Searched.fill(true);
        Main().CategoryList = {"Category A"};
        Settings().SetNewDatabaseDefaults(nullptr);
        Main().Clock = [this] { return publishClock(); };
        program->PublishMessageForm->DontShow->SetChecked(true);
        program->SearchSetup->EnableSearchButton->SetChecked(false);
        site = dir.File("publish");
        Messages().ClearLog();
    }

    StandInMainWindow& Main() { return *main; }

    DatabaseRecord& Add(const std::string& category, std::vector<std::string> fields,
                        std::vector<std::string> images = {}, const std::string& memo = {}) {
        DatabaseRecord& r = program->RecordTable[std::size_t(program->RecordCount)];
        r = DatabaseRecord{};
        r.Category = category;
        for (std::size_t i = 0; i < fields.size(); ++i) r.Field[i] = fields[i];
        for (std::size_t i = 0; i < images.size(); ++i) r.Image[i] = images[i];
        r.Memo = memo;
        r.NeedsPublishing = 1;
        program->RecordCount += 1;
        program->CurrentRecord = 1;
        return r;
    }

    // Pictures in the start folder's "pics" and in a folder whose name has a dot.
    std::string Picture(const std::string& relative) {
        const std::string path = dir.File(relative);
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        if (!std::filesystem::exists(path))
            std::filesystem::copy_file(dir.File("sample.gif"), path);
        return path;
    }

    // The database of the golden trees.
    void MakeShopDatabase() {
        const std::string leaf = Picture("pics/leaf.gif");
        const std::string fern = Picture("my.pics/fern.gif");
        const std::string rake = Picture("pics/rake.gif");
        Main().CategoryList = {"Books", "Garden Tools", "Music"};
        const char* labels[] = {"Title", "Maker", "Price", "Web site", "Contact", "Order", "....", ""};
        for (int i = 0; i < 8; ++i) Main().Labels[std::size_t(i)] = labels[i];
        Add("Books", {"Trees of Europe", "Ana Kov\xc3\xa1\xc4\x8d", "12.50", "http://www.example.com/trees::Publisher",
                      "mailto:books@example.com::Write to us", "karvo:1001"},
            {leaf}, "Hardback, 320 pages.\r\nSigned by the author.");
        Add("Books", {"Moss and Lichen", "B. Ferro", "9.00", "", "mailto:books@example.com", "karvo:1002"}, {fern});
        Add("Books", {"Caf\xc3\xa9 Gardens", " ", "15", "ftp://ftp.example.com/list.txt::Price list"}, {leaf});
        Add("Books", {"Seed Saving", "", "7.25", "file:qlx_index.htm::Home page", "", "karvo:checkout"});
        Add("Garden Tools", {"Rake", "Forgeworks", "24.00", "http://www.example.com/rake"}, {rake, "", fern});
        Add("Garden Tools", {"Spade", "Forgeworks", "31.00"}, {rake});
        Add("Garden Tools", {"Trowel", "", "6.40", "", "", "karvo:A17"});
        Add("Garden Tools", {"Hose 20 m", "Aqua & Co", "18.99"}, {}, "Green.\r\nKink-free.");
        Add("Music", {"Birdsong", "Field Recordings", "11.00", "http://www.example.com/birds::Listen"}, {leaf, leaf});
        Add("Music", {"Rain on Leaves", "Field Recordings", "11.00"});
        Add("Music", {"Wind", "", ""}, {}, "");
        program->RecordTable[10].Field[7] = "unlabelled value";
        Add("Music", {"Thunder", "Storm Ltd", "13.00"}, {fern});
        program->KarvoForm->KarvoUserNumber->SetText("4711");
        program->KarvoForm->KarvoWebSiteNumber->SetText("12");
        program->KarvoForm->KarvoOrderGif->SetText("qlxidx.gif");
        program->KarvoForm->KarvoCheckoutGif->SetText("qlxidx.gif");
        program->KarvoForm->KarvoQuickViewCheckout->SetChecked(true);
        Settings().Alt1TableBackgroundColour->SetText("Teal");
        Settings().Alt2TableBackgroundColour->SetText("Navy");
        program->DatabaseModified = 1;
    }

    // A run as the main window's Publish button starts it.
    void Publish() { Publisher(*program, nullptr, publishClock).Run(); }

public:
    // Every file below a folder, by its path relative to it, with its bytes.
    // Compares a published tree (relative path -> bytes) with the golden copy in the folder `golden`, byte
    // for byte; FOLIVEX_UPDATE_GOLDEN=1 rewrites the golden copy from the tree first.
    static void ExpectGoldenTree(const std::map<std::string, std::string>& tree, const std::string& golden) {
        if (std::getenv("FOLIVEX_UPDATE_GOLDEN")) {
            std::filesystem::remove_all(golden);
            for (const auto& [path, bytes] : tree) {
                std::filesystem::create_directories(std::filesystem::path(golden + "/" + path).parent_path());
                ASSERT_TRUE(WriteWholeFile(golden + "/" + path, bytes));
            }
        }
        const auto expected = Tree(golden);
        ASSERT_FALSE(expected.empty()) << "no golden tree at " << golden;
        std::vector<std::string> names, expectedNames;
        for (const auto& entry : tree) names.push_back(entry.first);
        for (const auto& entry : expected) expectedNames.push_back(entry.first);
        ASSERT_EQ(names, expectedNames);
        for (const auto& [path, bytes] : expected) EXPECT_TRUE(tree.at(path) == bytes) << path << " differs";
    }

    static std::map<std::string, std::string> Tree(const std::string& root) {
        std::map<std::string, std::string> files;
        if (!std::filesystem::exists(root)) return files;
        for (const auto& e : std::filesystem::recursive_directory_iterator(root))
            if (e.is_regular_file())
                files[std::filesystem::relative(e.path(), root).string()] = ReadWholeFile(e.path().string()).value_or("");
        return files;
    }
protected:
    std::string Page(const std::string& name) { return ReadWholeFile(JoinPath(site, name)).value_or("<missing>"); }

    // Runs check on every turn of the loop (the publisher turns it between items) until it returns true.
    void Watch(std::function<bool()> check) {
        // The watch ends with the run, so that no task is left behind for a later turn of the loop. It
        // re-posts itself through the fixture, which outlives it (a task owning itself would never be freed).
        watch_ = [this, check] {
            if (Main().Publishing && !check()) loop.Post(watch_);
        };
        loop.Post(watch_);
    }
    std::function<void()> watch_;

    std::time_t clock = PublishDay;
    // The calendar clock of the runs (the main window's publish clock).
    std::function<std::time_t()> publishClock = [this] { return clock; };
    std::string site;
};

}  // namespace fv::testing
