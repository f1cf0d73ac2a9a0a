// Uploading a published site of 5000 records (pages and pictures as the publishing benchmark makes them)
// to a local vsftpd (scripts/start-ftp-server.sh, started for the run) by the upload dialog, against lftp's
// "mirror -R" of the same tree to the same server in the same run:
//  - cold: the whole site into an empty folder;
//  - 1% changed: 50 records changed and published again, then the same site brought up to date.
// Each round times both tools; the benchmark's time is the dialog's, and the counters give lftp's time and
// how many times longer lftp took. Goal: faster than lftp on both, since the publisher already knows what
// changed and the dialog sends only that, while lftp compares the whole tree with the site.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "local_ftp_server.h"
#include "published_shop.h"
#include "upload/ftp_form.h"
#include "upload/upload_form.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

const fs::path Root = fs::temp_directory_path() / "folivex-bench-upload";

struct Run {
    Run() {
        fs::remove_all(Root);
        fs::create_directories(Root);
        server = std::make_unique<fv::bench::LocalFtpServer>((Root / "server").string());
        shop = std::make_unique<fv::bench::PublishedShop>(Root / "shop");
        fv::TFTPForm& f = *shop->program.FTPForm;
        f.FTPhost->SetText("127.0.0.1");
        f.FTPPort->SetText(server->Port());
        f.FTPAccountID->SetText("anonymous");
        f.FTPPassword->SetText("bench@example.com");
    }
    ~Run() {
        shop.reset();
        server.reset();
        std::error_code ec;
        fs::remove_all(Root, ec);
    }
    bool Ready() const { return !server->Port().empty() && std::system("command -v lftp >/dev/null 2>&1") == 0; }

    // Publishes (every page, or only the changed records' pages) and copies what waits for the upload
    // into lftp's tree, which then holds the whole site as it is now.
    std::size_t Publish(bool everything) {
        shop->program.PublishSetupForm->ForcePublish->SetChecked(everything);
        shop->program.FolivexForm->PublishSetupButtonClick(nullptr);
        std::size_t files = 0;
        if (everything) fs::remove_all(Tree());
        fs::create_directories(Tree());
        for (const auto& e : fs::directory_iterator(shop->Site())) {
            if (!e.is_regular_file()) continue;
            fs::copy_file(e.path(), Tree() / e.path().filename(), fs::copy_options::overwrite_existing);
            ++files;
        }
        return files;
    }
    // Changes one record in a hundred.
    void ChangeOnePercent() {
        for (int r = round % 100; r < shop->program.RecordCount; r += 100) {
            fv::DatabaseRecord& rec = shop->program.RecordTable[std::size_t(r)];
            rec.Field[0] = fv::bench::RandomText(rng, 12);
            rec.NeedsPublishing = 1;
        }
        shop->program.Changes.Mark(fv::Change::Record);
    }
    // The dialog's upload into a folder of the site: "S E N D" and a yes to the count question.
    bool DialogUpload(const std::string& folder) {
        shop->program.FTPForm->FTPHostDir->SetText(folder);
        fv::TUploadForm& u = *shop->program.UploadForm;
        u.SendButton->SetEnabled(true);
        u.Tick->Hide();
        u.Abort->Hide();
        shop->app.Scripted().Answer(fv::IdYes);
        u.SendButton->Click();
        return u.Tick->Visible() && shop->app.Scripted().UnusedAnswers() == 0;
    }
    bool LftpMirror(const std::string& folder) {
        const std::string cmd = "lftp -u anonymous,bench@example.com -p " + server->Port() +
                                " -e 'set cmd:fail-exit yes; set ftp:passive-mode on; mirror -R --no-perms " +
                                Tree().string() + " " + folder + "; bye' 127.0.0.1 >/dev/null 2>&1";
        return std::system(cmd.c_str()) == 0;
    }
    fs::path Tree() const { return Root / "lftp-tree"; }

    std::unique_ptr<fv::bench::LocalFtpServer> server;
    std::unique_ptr<fv::bench::PublishedShop> shop;
    std::mt19937 rng{5};
    int round = 0;
};

Run& TheRun() {
    static Run run;
    return run;
}

double Seconds(Clock::duration d) { return std::chrono::duration<double>(d).count(); }

// One round: the dialog, then lftp, each into the folder given; the dialog's time is the iteration's.
template <class Prepare>
void Compare(benchmark::State& state, Prepare prepare, const std::string& dialogFolder, const std::string& lftpFolder) {
    Run& run = TheRun();
    if (!run.Ready()) {
        state.SkipWithError("vsftpd or lftp is missing (scripts/install-deps.sh test installs them)");
        return;
    }
    double lftp = 0, dialog = 0, files = 0;
    for (auto _ : state) {
        files += double(prepare(run));
        const auto t0 = Clock::now();
        if (!run.DialogUpload(dialogFolder)) {
            state.SkipWithError("the dialog's upload failed");
            return;
        }
        const auto t1 = Clock::now();
        if (!run.LftpMirror(lftpFolder)) {
            state.SkipWithError("lftp's mirror failed");
            return;
        }
        const auto t2 = Clock::now();
        dialog += Seconds(t1 - t0);
        lftp += Seconds(t2 - t1);
        state.SetIterationTime(Seconds(t1 - t0));
    }
    const double n = double(state.iterations());
    state.counters["files_sent"] = files / n;
    state.counters["lftp_ms"] = lftp * 1000 / n;
    state.counters["lftp_over_dialog"] = lftp / dialog;
}

void BM_UploadColdVsLftpMirror(benchmark::State& state) {
    Run& run = TheRun();
    const std::string round = std::to_string(++run.round);
    Compare(state, [](Run& r) { return r.Publish(true); }, "dialog-" + round, "lftp-" + round);
}

void BM_UploadOnePercentChangedVsLftpMirror(benchmark::State& state) {
    // The folders the cold round filled.
    const std::string round = std::to_string(TheRun().round);
    Compare(
        state,
        [](Run& r) {
            r.ChangeOnePercent();
            return r.Publish(false);
        },
        "dialog-" + round, "lftp-" + round);
}

// The cold round fills the folders that the changed rounds bring up to date.
BENCHMARK(BM_UploadColdVsLftpMirror)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UploadOnePercentChangedVsLftpMirror)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
