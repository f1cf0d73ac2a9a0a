// Publishing a 5000-record database in 100 categories with 2 pictures per record (30% of them shared),
// forced, against hugo building the same 5000 detail pages from equivalent data files in the same run,
// and against copying the published tree. Goals: faster than hugo, within 3x of the copy.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "platform/fs/files.h"
#include "published_shop.h"

namespace {

namespace fs = std::filesystem;

const fs::path Root = fs::temp_directory_path() / "folivex-bench-publish";
constexpr int Categories = 100;

// One started program with the database loaded, kept for the whole run.
struct Shop : fv::bench::PublishedShop {
    Shop() : PublishedShop(Root) {}
};

Shop& TheShop() {
    static Shop shop;
    return shop;
}

void BM_PublishForced(benchmark::State& state) {
    Shop& shop = TheShop();
    for (auto _ : state) shop.program.FolivexForm->PublishSetupButtonClick(nullptr);
    std::size_t files = 0, bytes = 0;
    for (const auto& e : fs::directory_iterator(shop.Site()))
        if (e.is_regular_file()) ++files, bytes += e.file_size();
    state.counters["files"] = double(files);
    state.counters["MB"] = double(bytes) / 1e6;
    if (!shop.app.Scripted().Messages().empty()) state.SkipWithError(shop.app.Scripted().Messages().back().c_str());
}

void BM_CopyPublishedTree(benchmark::State& state) {
    Shop& shop = TheShop();
    if (!fs::exists(fs::path(shop.Site()) / "qlx_index.htm")) shop.program.FolivexForm->PublishSetupButtonClick(nullptr);
    const fs::path copy = Root / "copy";
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove_all(copy);
        state.ResumeTiming();
        fs::copy(shop.Site(), copy, fs::copy_options::recursive);
    }
}

// The same 5000 detail pages from one data file each and one template, built by hugo.
void BM_HugoDetailPages(benchmark::State& state) {
    if (std::system("command -v hugo >/dev/null 2>&1") != 0) {
        state.SkipWithError("hugo is not installed (Debian's package hugo)");
        return;
    }
    Shop& shop = TheShop();
    const fs::path site = Root / "hugo";
    if (!fs::exists(site / "hugo.toml")) {
        fs::create_directories(site / "layouts" / "_default");
        fs::create_directories(site / "static");
        fv::WriteWholeFile((site / "hugo.toml").string(),
                           "baseURL = 'http://127.0.0.1/'\ndisableKinds = ['taxonomy', 'term', 'RSS', 'sitemap', "
                           "'home', 'section', '404', 'robotsTXT']\nuglyURLs = true\n");
        fv::WriteWholeFile((site / "layouts" / "_default" / "single.html").string(),
                           "<HTML><HEAD><META charset=\"utf-8\"><TITLE>Folivex</TITLE></HEAD><BODY><CENTER>"
                           "<TABLE WIDTH=\"500\">\n<TR><TD>{{ .Params.category }}</TD><TD>Record {{ .Params.position }}"
                           " of {{ .Params.count }}</TD></TR>\n{{ range .Params.fields }}<TR><TD>Label</TD><TD>{{ . }}"
                           "</TD></TR>\n{{ end }}{{ range .Params.images }}<A HREF=\"{{ . }}\"><IMG SRC=\"{{ . }}\"></A>"
                           "<BR>\n{{ end }}{{ .Params.memo }}</TABLE></CENTER></BODY></HTML>\n");
        for (int r = 0; r < shop.program.RecordCount; ++r) {
            const fv::DatabaseRecord& rec = shop.program.RecordTable[std::size_t(r)];
            const int c = r * Categories / fv::MaxRecords + 1, p = r % (fv::MaxRecords / Categories) + 1;
            std::string data = "---\ncategory: \"" + rec.Category + "\"\nposition: " + std::to_string(p) +
                               "\ncount: 50\nfields:\n";
            for (int f = 0; f < 8; ++f) data += "  - \"" + rec.Field[std::size_t(f)] + "\"\n";
            data += "images:\n";
            for (int i = 0; i < 2; ++i) {
                const std::string name = fs::path(rec.Image[std::size_t(i)]).filename().string();
                data += "  - \"" + name + "\"\n";
                if (!fs::exists(site / "static" / name)) fs::copy_file(rec.Image[std::size_t(i)], site / "static" / name);
            }
            data += "memo: \"" + rec.Memo.substr(0, rec.Memo.find('\r')) + "\"\n---\n";
            fs::create_directories(site / "content");
            fv::WriteWholeFile((site / "content" / ("qlx_" + std::to_string(c) + "_" + std::to_string(p) + ".md")).string(),
                               data);
        }
    }
    const std::string command = "hugo --quiet --cleanDestinationDir -s '" + site.string() + "' -d '" +
                                (Root / "hugo-out").string() + "' >/dev/null 2>&1";
    for (auto _ : state)
        if (std::system(command.c_str()) != 0) {
            state.SkipWithError("hugo failed");
            return;
        }
}

}  // namespace

BENCHMARK(BM_PublishForced)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_HugoDetailPages)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_CopyPublishedTree)->Unit(benchmark::kMillisecond)->MinTime(3);
