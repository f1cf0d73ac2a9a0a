// Publishing a 5000-record database in 100 categories with 2 pictures per record (30% of them shared),
// forced, measured on the disk and on tmpfs in one run against two limits:
//  - copying its own published tree with cp -r (goal: a forced publish within 1.5x of it), and
//  - hugo building the same site - the 5000 detail pages from the same text as ours (the template is made
//    from one of our own pages, so each page has the same fields, memo and navigation and about the same
//    bytes), the index page and one page per category, and the same pictures (goal: below 0.3x hugo).
// Each side publishes into a fresh folder and again over its own earlier output. Ten forced publishes in a
// row in one program show whether a run leaves the next one slower (goal: the tenth no slower than the
// first). Every publish runs at a new time, as a user's would, so its pages differ from the last run's.
//
// A fresh folder is a new one each time. On the disk the fresh outputs are removed only when the program
// ends: ext4 without a journal does not hand out an inode freed in the last minute again, so creating
// 12 000 files just after removing 12 000 searches past every freed one, and the time measured would be
// that of the benchmark's own clean-up rather than of the side measured (every side slowed two to four
// times). tmpfs has no such rule, and there the earlier outputs go before each new folder is made: kept,
// they would fill memory with a hundred megabytes a run and slow every later side by up to half.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <map>
#include <random>
#include <regex>
#include <string>

#include "platform/fs/files.h"
#include "published_shop.h"

namespace {

namespace fs = std::filesystem;

constexpr int Categories = 100;
constexpr int PerCategory = fv::MaxRecords / Categories;

// Where a benchmark works: the disk (FOLIVEX_BENCH_DISK, else /var/tmp) or memory (/dev/shm).
enum class Place { Disk, Tmpfs };
fs::path RootOf(Place place) {
    const char* disk = std::getenv("FOLIVEX_BENCH_DISK");
    return (place == Place::Disk ? fs::path(disk ? disk : "/var/tmp") : fs::path("/dev/shm")) / "folivex-bench-publish";
}

bool Run(const std::string& command) { return std::system(command.c_str()) == 0; }

// A folder of the place never used before in this run (kind-1, kind-2, ...). All of them are removed when
// the program ends (on tmpfs, the earlier ones as soon as the next is made); those of a broken earlier run
// are removed before the first is made.
fs::path NewFolder(Place place, const std::string& kind) {
    struct Made {
        std::map<std::string, int> count;  // per place and kind
        std::vector<fs::path> folders;
        void Remove(const fs::path& under) {
            std::error_code ec;
            std::erase_if(folders, [&](const fs::path& f) {
                if (f.string().rfind(under.string(), 0) != 0) return false;
                fs::remove_all(f, ec);
                return true;
            });
        }
        ~Made() { Remove("/"); }
    };
    static Made made;
    const fs::path root = RootOf(place);
    if (place == Place::Tmpfs) made.Remove(root);
    int& n = made.count[(root / kind).string()];
    if (n == 0 && fs::exists(root))
        for (const auto& e : fs::directory_iterator(root))
            if (e.path().filename().string().rfind(kind + "-", 0) == 0) fs::remove_all(e.path());
    const fs::path folder = root / (kind + "-" + std::to_string(++n));
    fs::create_directories(folder);
    made.folders.push_back(folder);
    return folder;
}

std::string Quote(const fs::path& p) { return "'" + p.string() + "'"; }

// The published shop, kept for the whole run; its pictures and its publish folder are moved under the root
// of the place being measured, and its clock moves on a second with every publish.
struct Shop : fv::bench::PublishedShop {
    std::vector<std::string> imageNames;  // per record and image: the picture's file name
    std::time_t clock = 1796738639;

    static fs::path Start() { return fs::temp_directory_path() / "folivex-bench-publish-start"; }

    Shop() : PublishedShop(Start()) {
        static_assert(Categories == PublishedShop::Categories);
        for (int r = 0; r < fv::MaxRecords; ++r)
            for (int i = 0; i < 2; ++i)
                imageNames.push_back(fs::path(program.RecordTable[std::size_t(r)].Image[std::size_t(i)]).filename().string());
        program.FolivexForm->PublishClock = [this] { return clock; };
    }

    // Makes the place ready (pictures written once) and points the records and the publisher at it.
    void UsePlace(Place place) {
        const fs::path root = RootOf(place), pics = root / "pics";
        if (!fs::exists(pics / imageNames.back())) {
            fs::remove_all(root);
            fs::create_directories(pics);
            const std::string picture = fv::ReadWholeFile((Start() / "start" / "sample.gif").string()).value();
            for (const std::string& name : imageNames)
                if (!fs::exists(pics / name)) fv::WriteWholeFile((pics / name).string(), picture);
        }
        fs::create_directories(root / "site");
        for (int r = 0; r < fv::MaxRecords; ++r)
            for (int i = 0; i < 2; ++i)
                program.RecordTable[std::size_t(r)].Image[std::size_t(i)] = (pics / imageNames[std::size_t(r * 2 + i)]).string();
        program.PublishDirectory = (root / "site").string();
    }

    // One forced publish, one second after the last.
    bool Publish() {
        ++clock;
        program.FolivexForm->PublishSetupButtonClick(nullptr);
        return app.Scripted().Messages().empty();
    }
};

Shop& TheShop() {
    static Shop shop;
    return shop;
}

void Fail(benchmark::State& state, Shop& shop) {
    const auto& messages = shop.app.Scripted().Messages();
    state.SkipWithError(messages.empty() ? "the publish failed" : messages.back().c_str());
}

// Files and megabytes of the published site, and the average size of a detail page.
void CountSite(benchmark::State& state, const fs::path& site, const std::regex& detailPage) {
    double files = 0, bytes = 0, pages = 0, pageBytes = 0;
    for (const auto& e : fs::recursive_directory_iterator(site)) {
        if (!e.is_regular_file()) continue;
        files += 1;
        bytes += double(e.file_size());
        if (std::regex_match(e.path().filename().string(), detailPage)) pages += 1, pageBytes += double(e.file_size());
    }
    state.counters["files"] = files;
    state.counters["MB"] = bytes / 1e6;
    state.counters["page_bytes"] = pages > 0 ? pageBytes / pages : 0;
}

const std::regex OurDetailPage("qlx_\\d+_\\d+\\.htm");

void BM_PublishFresh(benchmark::State& state, Place place) {
    Shop& shop = TheShop();
    shop.UsePlace(place);
    for (auto _ : state) {
        state.PauseTiming();
        shop.program.PublishDirectory = NewFolder(place, "fresh").string();
        Run("sync");
        state.ResumeTiming();
        if (!shop.Publish()) return Fail(state, shop);
    }
    CountSite(state, shop.program.PublishDirectory, OurDetailPage);
    shop.UsePlace(place);
}

void BM_PublishAgain(benchmark::State& state, Place place) {
    Shop& shop = TheShop();
    shop.UsePlace(place);
    if (!fs::exists(fs::path(shop.program.PublishDirectory) / "qlx_index.htm") && !shop.Publish()) return Fail(state, shop);
    for (auto _ : state)
        if (!shop.Publish()) return Fail(state, shop);
    CountSite(state, shop.program.PublishDirectory, OurDetailPage);
}

void BM_CopyPublishedTree(benchmark::State& state, Place place) {
    Shop& shop = TheShop();
    shop.UsePlace(place);
    if (!fs::exists(fs::path(shop.program.PublishDirectory) / "qlx_index.htm") && !shop.Publish()) return Fail(state, shop);
    for (auto _ : state) {
        state.PauseTiming();
        const fs::path copy = NewFolder(place, "copy") / "site";
        Run("sync");
        state.ResumeTiming();
        if (!Run("cp -r " + Quote(shop.program.PublishDirectory) + " " + Quote(copy))) return state.SkipWithError("cp failed");
    }
}

void BM_TenPublishesInARow(benchmark::State& state, Place place) {
    Shop& shop = TheShop();
    shop.UsePlace(place);
    for (auto _ : state) {
        std::vector<double> seconds;
        for (int run = 0; run < 10; ++run) {
            const auto start = std::chrono::steady_clock::now();
            if (!shop.Publish()) return Fail(state, shop);
            seconds.push_back(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        }
        state.counters["first_ms"] = seconds.front() * 1000;
        state.counters["tenth_ms"] = seconds.back() * 1000;
        state.counters["tenth_per_first"] = seconds.back() / seconds.front();
        // The same trend less at the mercy of one slow run: the last three against the first three.
        const double first3 = seconds[0] + seconds[1] + seconds[2], last3 = seconds[7] + seconds[8] + seconds[9];
        state.counters["last3_per_first3"] = last3 / first3;
    }
}

// The hugo site: its template made from our published detail page of record 1 with each of that record's
// values replaced by the parameter that holds it, the index and category pages built the same way from a
// row of ours, and one content file per record.
std::string ReplaceFirst(std::string text, const std::string& what, const std::string& with, bool& ok) {
    const std::size_t at = text.find(what);
    if (at == std::string::npos) {
        std::fprintf(stderr, "not in the page: %s\n", what.c_str());
        ok = false;
    }
    else text.replace(at, what.size(), with);
    return text;
}

std::string ReplaceAll(std::string text, const std::string& what, const std::string& with) {
    if (what.empty()) return text;
    for (std::size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + with.size()))
        text.replace(at, what.size(), with);
    return text;
}

// The page's repeated row: from the "<TR" before the first link to the "<TR" before the second; the
// page before it, and after the row of the last link.
struct Rows {
    std::string head, row, tail;
};
bool SplitRows(const std::string& page, const std::string& first, const std::string& second, const std::string& last,
               Rows& rows) {
    const std::size_t a = page.find(first), b = page.find(second), c = page.rfind(last);
    if (a == std::string::npos || b == std::string::npos || c == std::string::npos) return false;
    const std::size_t rowStart = page.rfind("<TR", a), nextStart = page.rfind("<TR", b), end = page.find("</TR>", c);
    if (rowStart == std::string::npos || nextStart <= rowStart || end == std::string::npos) return false;
    rows = {page.substr(0, rowStart), page.substr(rowStart, nextStart - rowStart), page.substr(end + 5)};
    return true;
}

bool MakeHugoSite(Shop& shop, const fs::path& hugo) {
    const fs::path site = shop.program.PublishDirectory;
    if (!shop.Publish()) return false;  // also gives the published picture names of this program
    const fv::Program& p = shop.program;
    const fv::DatabaseRecord& rec = p.RecordTable[0];
    bool ok = true;

    std::string detail = fv::ReadWholeFile((site / "qlx_1_1.htm").string()).value_or("");
    const std::string now = "{{ now.Format \"Jan/02/2006 15:04:05\" }}";
    detail = std::regex_replace(detail, std::regex("\\([A-Z][a-z][a-z]/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d\\)"),
                                "(" + now + ")", std::regex_constants::format_first_only);
    for (int k = 0; k < 4; ++k)
        detail = std::regex_replace(detail, std::regex("qlx_1_\\d+\\.htm\""), "{{ index .Params.nav " + std::to_string(k) + " }}\"",
                                    std::regex_constants::format_first_only);
    for (int i = 0; i < 2; ++i)
        detail = ReplaceAll(detail, p.PublishedImageNames[0][std::size_t(i)], "{{ index .Params.images " + std::to_string(i) + " }}");
    detail = ReplaceFirst(detail, ">" + rec.Category + "<", ">{{ .Params.category }}<", ok);
    detail = ReplaceFirst(detail, " 1 of " + std::to_string(PerCategory), " {{ .Params.position }} of {{ .Params.count }}", ok);
    for (int f = 0; f < 8; ++f)
        detail = ReplaceFirst(detail, rec.Field[std::size_t(f)], "{{ index .Params.fields " + std::to_string(f) + " }}", ok);
    const std::size_t cr = rec.Memo.find('\r');
    detail = ReplaceFirst(detail, rec.Memo.substr(0, cr), "{{ .Params.memo1 }}", ok);
    detail = ReplaceFirst(detail, rec.Memo.substr(cr + 2), "{{ .Params.memo2 }}", ok);

    // A category page: a row per record with its number, its link and its listed fields.
    Rows list, index;
    ok = ok && SplitRows(fv::ReadWholeFile((site / "qlx_1_s.htm").string()).value_or(""), "\"qlx_1_1.htm\"",
                         "\"qlx_1_2.htm\"", "\"qlx_1_" + std::to_string(PerCategory) + ".htm\"", list);
    if (!ok) std::fprintf(stderr, "no rows in the category page\n");
    list.row = ReplaceFirst(list.row, ">1<", ">{{ .Params.position }}<", ok);
    list.row = ReplaceFirst(list.row, "qlx_1_1.htm", "{{ .RelPermalink }}", ok);
    for (int f = 0; f < 8; ++f)
        list.row = ReplaceAll(list.row, rec.Field[std::size_t(f)], "{{ index .Params.fields " + std::to_string(f) + " }}");
    list.head = ReplaceFirst(list.head, rec.Category, "{{ .Title }}", ok);
    // The index page: a row per category with its link, name and count.
    ok = ok && SplitRows(fv::ReadWholeFile((site / "qlx_index.htm").string()).value_or(""), "\"qlx_1_1.htm\"",
                         "\"qlx_2_1.htm\"", "\"qlx_" + std::to_string(Categories) + "_s.htm\"", index);
    index.row = ReplaceAll(ReplaceAll(index.row, "qlx_1_s.htm", "{{ .RelPermalink }}"), "qlx_1_1.htm", "{{ .RelPermalink }}");
    index.row = ReplaceFirst(index.row, ">" + ReplaceAll(rec.Category, " ", "&nbsp;") + "<", ">{{ .Title }}<", ok);
    index.row = ReplaceFirst(index.row, std::to_string(PerCategory) + "&nbsp;", "{{ len .Pages }}&nbsp;", ok);
    if (!ok) return false;
    for (std::string* part : {&list.head, &index.head})
        *part = std::regex_replace(*part, std::regex("\\([A-Z][a-z][a-z]/\\d\\d/\\d{4} \\d\\d:\\d\\d:\\d\\d\\)"),
                                   "(" + now + ")", std::regex_constants::format_first_only);

    fs::remove_all(hugo);
    fs::create_directories(hugo / "layouts" / "_default");
    fs::create_directories(hugo / "static");
    fs::create_directories(hugo / "content");
    fv::WriteWholeFile((hugo / "hugo.toml").string(),
                       "baseURL = 'http://127.0.0.1/'\nrelativeURLs = true\nuglyURLs = true\n"
                       "disableKinds = ['taxonomy', 'term', 'RSS', 'sitemap', '404', 'robotsTXT']\n");
    fv::WriteWholeFile((hugo / "layouts" / "_default" / "single.html").string(), detail);
    fv::WriteWholeFile((hugo / "layouts" / "_default" / "list.html").string(),
                       list.head + "{{ range .Pages.ByWeight }}" + list.row + "{{ end }}" + list.tail);
    fv::WriteWholeFile((hugo / "layouts" / "index.html").string(),
                       index.head + "{{ range .Sections.ByWeight }}" + index.row + "{{ end }}" + index.tail);
    for (int c = 1; c <= Categories; ++c) {
        const fs::path dir = hugo / "content" / ("c" + std::to_string(c));
        fs::create_directories(dir);
        fv::WriteWholeFile((dir / "_index.md").string(), "---\ntitle: \"" + p.RecordTable[std::size_t((c - 1) * PerCategory)].Category +
                                                             "\"\nweight: " + std::to_string(c) + "\n---\n");
    }
    for (int r = 0; r < p.RecordCount; ++r) {
        const fv::DatabaseRecord& record = p.RecordTable[std::size_t(r)];
        const int c = r / PerCategory + 1, n = r % PerCategory + 1;
        auto page = [&](int k) { return "\"qlx_" + std::to_string(c) + "_" + std::to_string(k) + ".htm\""; };
        std::string data = "---\ncategory: \"" + record.Category + "\"\nposition: " + std::to_string(n) +
                           "\nweight: " + std::to_string(n) + "\ncount: " + std::to_string(PerCategory) + "\nnav: [" +
                           page(1) + ", " + page(n > 1 ? n - 1 : 1) + ", " + page(n < PerCategory ? n + 1 : n) + ", " +
                           page(PerCategory) + "]\nfields:\n";
        for (int f = 0; f < 8; ++f) data += "  - \"" + record.Field[std::size_t(f)] + "\"\n";
        data += "images:\n";
        for (int i = 0; i < 2; ++i) {
            const fs::path source = record.Image[std::size_t(i)];
            data += "  - \"" + source.filename().string() + "\"\n";
            if (!fs::exists(hugo / "static" / source.filename())) fs::copy_file(source, hugo / "static" / source.filename());
        }
        const std::size_t split = record.Memo.find('\r');
        data += "memo1: \"" + record.Memo.substr(0, split) + "\"\nmemo2: \"" + record.Memo.substr(split + 2) + "\"\n---\n";
        fv::WriteWholeFile((hugo / "content" / ("c" + std::to_string(c)) / ("qlx_" + std::to_string(c) + "_" +
                                                                            std::to_string(n) + ".md")).string(), data);
    }
    return true;
}

void Hugo(benchmark::State& state, Place place, bool fresh) {
    if (!Run("command -v hugo >/dev/null 2>&1")) return state.SkipWithError("hugo is not installed (Debian's package hugo)");
    Shop& shop = TheShop();
    shop.UsePlace(place);
    const fs::path hugo = RootOf(place) / "hugo";
    fs::path out = RootOf(place) / "hugo-out";
    if (!fs::exists(hugo / "hugo.toml") && !MakeHugoSite(shop, hugo))
        return state.SkipWithError("the hugo templates could not be made from the published pages");
    auto command = [&] {
        return "hugo --quiet --cleanDestinationDir -s " + Quote(hugo) + " -d " + Quote(out) + " >/dev/null 2>&1";
    };
    if (!fresh && !fs::exists(out) && !Run(command())) return state.SkipWithError("hugo failed");
    for (auto _ : state) {
        if (fresh) {
            state.PauseTiming();
            out = NewFolder(place, "hugo-fresh") / "out";
            Run("sync");
            state.ResumeTiming();
        }
        if (!Run(command())) return state.SkipWithError("hugo failed");
    }
    CountSite(state, out, std::regex("qlx_\\d+_\\d+\\.html"));
}

void BM_HugoFresh(benchmark::State& state, Place place) { Hugo(state, place, true); }
void BM_HugoAgain(benchmark::State& state, Place place) { Hugo(state, place, false); }

}  // namespace

#define FOLIVEX_PUBLISH_BENCH(name, limit)                                                   \
    BENCHMARK_CAPTURE(name, disk, Place::Disk)->Unit(benchmark::kMillisecond)->UseRealTime()->limit;   \
    BENCHMARK_CAPTURE(name, tmpfs, Place::Tmpfs)->Unit(benchmark::kMillisecond)->UseRealTime()->limit

FOLIVEX_PUBLISH_BENCH(BM_PublishFresh, MinTime(3));
FOLIVEX_PUBLISH_BENCH(BM_PublishAgain, MinTime(3));
FOLIVEX_PUBLISH_BENCH(BM_CopyPublishedTree, MinTime(3));
FOLIVEX_PUBLISH_BENCH(BM_HugoFresh, MinTime(3));
FOLIVEX_PUBLISH_BENCH(BM_HugoAgain, MinTime(3));
FOLIVEX_PUBLISH_BENCH(BM_TenPublishesInARow, Iterations(1));
