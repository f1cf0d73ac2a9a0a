// A started program holding a 5000-record database in 100 categories with 2 pictures per record (30% of
// them shared), ready to publish: the site that the publishing and upload benchmarks work on.
#pragma once

#include <ctime>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "app/folivex_form.h"
#include "app/startup.h"
#include "platform/app/application.h"
#include "platform/core/headless_loop.h"
#include "platform/fs/files.h"
#include "program/program.h"
#include "publish/publish_message_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"

namespace fv::bench {

inline std::string RandomText(std::mt19937& rng, std::size_t n) {
    std::string t(n, ' ');
    for (char& c : t) c = char('a' + rng() % 26);
    return t;
}

// The program, started in root/start (which it empties first), kept for the whole run.
struct PublishedShop {
    static constexpr int Categories = 100;

    explicit PublishedShop(const std::filesystem::path& root) {
        namespace fs = std::filesystem;
        fs::remove_all(root);
        fs::create_directories(root / "start" / "pics");
        fv::ChangeDirectory((root / "start").string());
        program.ResourceDirectory = std::string(FOLIVEX_SOURCE_DIR) + "/resources";
        fv::StartProgram(program, {});
        loop.AdvanceBy(5000);
        std::mt19937 rng(11);
        std::vector<std::string> categories;
        for (int c = 0; c < Categories; ++c) categories.push_back("Category " + std::to_string(1000 + c));
        program.FolivexForm->Category->SetItems(categories);
        const std::string picture = fv::ReadWholeFile((root / "start" / "sample.gif").string()).value();
        program.RecordCount = fv::MaxRecords;
        for (int r = 0; r < fv::MaxRecords; ++r) {
            fv::DatabaseRecord& rec = program.RecordTable[std::size_t(r)];
            rec = {};
            rec.Category = categories[std::size_t(r * Categories / fv::MaxRecords)];
            for (int f = 0; f < 8; ++f) rec.Field[std::size_t(f)] = RandomText(rng, 10 + rng() % 40);
            rec.Memo = RandomText(rng, 200) + "\r\n" + RandomText(rng, 100);
            for (int i = 0; i < 2; ++i) {
                // 30% of the pictures come from a pool of 100 shared ones.
                const bool shared = rng() % 10 < 3;
                const std::string name = shared ? "shared" + std::to_string(rng() % 100)
                                                : "own" + std::to_string(r) + "_" + std::to_string(i);
                const fs::path path = root / "start" / "pics" / (name + ".gif");
                if (!fs::exists(path)) fv::WriteWholeFile(path.string(), picture);
                rec.Image[std::size_t(i)] = path.string();
            }
            rec.NeedsPublishing = 1;
        }
        program.FolivexForm->PublishClock = [] { return std::time_t(1796738639); };
        program.PublishSetupForm->ForcePublish->SetChecked(true);
        program.PublishMessageForm->DontShow->SetChecked(true);
        program.SearchSetup->EnableSearchButton->SetChecked(false);
        program.Changes.Clear(fv::Settled::Loaded);  // as if just read from its file: nothing unsaved
    }
    std::string Site() const { return program.PublishDirectory; }

    fv::HeadlessLoop loop{true};
    fv::Application app{loop};
    fv::Program program{app};
};

}  // namespace fv::bench
