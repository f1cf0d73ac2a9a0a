// Loading a 5000-record database and importing a 5000-row CSV file, each against reading the same bytes
// in the same run, and the CSV import against the sqlite3 shell's ".import" of the same file.
// Goals: within twice the time of reading the bytes, and faster than sqlite3.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "platform/fs/files.h"
#include "records/import_fill.h"
#include "records/record_text.h"

namespace {

std::string Dir() { return std::filesystem::temp_directory_path().string(); }
std::string DatabasePath() { return Dir() + "/folivex-bench-load.db"; }
std::string CsvPath() { return Dir() + "/folivex-bench-import.csv"; }

std::string Text(std::mt19937& rng, std::size_t n) {
    std::string t(n, ' ');
    for (char& c : t) c = char('a' + rng() % 26);
    return t;
}

void MakeFiles() {
    static bool made = false;
    if (made) return;
    made = true;
    std::mt19937 rng(7);
    static fv::DatabaseState db;
    db.RecordCount = fv::MaxRecords;
    for (auto& r : db.RecordTable) {
        r.Category = "Category " + std::to_string(rng() % 12);
        for (auto& f : r.Field) f = Text(rng, 40 + rng() % 261);
        r.Memo = Text(rng, 500) + "\r\n" + Text(rng, 522) + "\r\n";
    }
    fv::WriteDatabaseFile(db, DatabasePath());
    std::string csv;
    for (int i = 0; i < fv::MaxRecords; ++i) {
        for (int f = 0; f < 20; ++f) csv += (f ? "," : "") + Text(rng, 10 + rng() % 60);
        csv += "\r\n";
    }
    fv::WriteWholeFile(CsvPath(), csv);
}

// As the program loads: the rows go straight into the table's places, whose texts keep their storage
// from the last load.
fv::DatabaseState& Table() {
    static fv::DatabaseState db;
    return db;
}

void LoadInto(fv::DatabaseState& db) {
    auto s = fv::TextStream::Open(DatabasePath());
    std::int32_t count = 0;
    fv::ReadCountLine(*s, count);
    fv::RecordTextReader reader(*s, fv::TabDelimiter);
    db.RecordCount = 0;
    while (db.RecordCount < fv::MaxRecords &&
           fv::ReadOwnRecord(reader, db.RecordTable[std::size_t(db.RecordCount)], nullptr))
        ++db.RecordCount;
    benchmark::DoNotOptimize(db.RecordCount);
}

void LoadDatabaseFile(benchmark::State& state) {
    MakeFiles();
    for (auto _ : state) LoadInto(Table());
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(std::filesystem::file_size(DatabasePath())));
}

// The first load after the start, into a table whose texts have no storage yet.
void FirstLoadDatabaseFile(benchmark::State& state) {
    MakeFiles();
    for (auto _ : state) {
        state.PauseTiming();
        auto db = std::make_unique<fv::DatabaseState>();
        state.ResumeTiming();
        LoadInto(*db);
        state.PauseTiming();
        db.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(std::filesystem::file_size(DatabasePath())));
}

void ImportCsvFile(benchmark::State& state) {
    MakeFiles();
    fv::ImportMapping mapping;
    mapping.Delimiter = ',';
    for (int f = 0; f < 20; ++f) mapping.MapToDB[std::size_t(f)] = std::to_string(f + 1);
    fv::DatabaseState& db = Table();
    for (auto _ : state) {
        auto raw = fv::ReadWholeFile(CsvPath());
        fv::TextStream s(fv::NormaliseLineEnds(*raw));
        fv::RecordTextReader reader(s, ',');
        const fv::ImportRoutes routes(mapping);
        db.RecordCount = 0;
        while (db.RecordCount < fv::MaxRecords &&
               fv::ReadForeignRow(reader, mapping, routes, db.RecordTable[std::size_t(db.RecordCount)], nullptr))
            ++db.RecordCount;
        benchmark::DoNotOptimize(db.RecordCount);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(std::filesystem::file_size(CsvPath())));
}

// The least any reader of the database file can do: read the bytes and copy each field's text into its
// place in the table, with the places of the fields already known. Loading cannot come nearer to the
// read than this.
void CopyFieldsIntoTable(benchmark::State& state) {
    MakeFiles();
    const std::string bytes = *fv::ReadWholeFile(DatabasePath());
    struct Span {
        std::size_t From, Length;
    };
    std::vector<Span> spans;  // category, 20 fields, 4 images, memo of every record in turn
    std::size_t p = bytes.find('\n') + 1;
    while (p < bytes.size() && spans.size() < std::size_t(fv::MaxRecords) * 26) {
        std::size_t end = bytes.find_first_of(spans.size() % 26 == 25 ? "\r" : "\t\r", p);
        std::size_t from = p < end && bytes[p] == '"' ? p + 1 : p;
        std::size_t to = end > from && bytes[end - 1] == '"' ? end - 1 : end;
        spans.push_back({from, to - from});
        p = end + (bytes[end] == '\r' ? 2 : 1);
    }
    fv::DatabaseState& db = Table();
    for (auto _ : state) {
        auto s = fv::ReadWholeFile(DatabasePath());
        const char* d = s->data();
        for (std::size_t k = 0; k < spans.size(); ++k) {
            fv::DatabaseRecord& r = db.RecordTable[k / 26];
            const std::size_t slot = k % 26;
            std::string& into = slot == 0 ? r.Category : slot <= 20 ? r.Field[slot - 1] : slot <= 24 ? r.Image[slot - 21] : r.Memo;
            into.assign(d + spans[k].From, spans[k].Length);
        }
        benchmark::DoNotOptimize(db.RecordTable);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes.size()));
}

void ReadSameBytes(benchmark::State& state, const std::string& path) {
    MakeFiles();
    for (auto _ : state) benchmark::DoNotOptimize(fv::ReadWholeFile(path));
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(std::filesystem::file_size(path)));
}

void SqliteImportCsv(benchmark::State& state) {
    MakeFiles();
    if (std::system("command -v sqlite3 >/dev/null 2>&1") != 0) {
        state.SkipWithError("the sqlite3 shell (Debian package sqlite3) is not installed");
        return;
    }
    const std::string command = "sqlite3 :memory: '.mode csv' '.import " + CsvPath() + " cars' >/dev/null";
    for (auto _ : state) benchmark::DoNotOptimize(std::system(command.c_str()));
}

BENCHMARK(LoadDatabaseFile)->Unit(benchmark::kMillisecond);
BENCHMARK(FirstLoadDatabaseFile)->Unit(benchmark::kMillisecond);
BENCHMARK(CopyFieldsIntoTable)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadSameBytes, database, DatabasePath())->Unit(benchmark::kMillisecond);
BENCHMARK(ImportCsvFile)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ReadSameBytes, csv, CsvPath())->Unit(benchmark::kMillisecond);
BENCHMARK(SqliteImportCsv)->Unit(benchmark::kMillisecond);

}  // namespace
