// Writing and reading a full database of 5000 records (20 fields of 40 to 300 bytes, 1 KB memos) against
// copying the same bytes through the same whole-file read and write, measured in the same run.
// Goal: the database round trip within twice the copy.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>
#include <random>
#include <string>

#include "platform/fs/files.h"
#include "records/import_fill.h"
#include "records/record_text.h"

namespace {

std::string Dir() { return std::filesystem::temp_directory_path().string(); }

const fv::DatabaseState& FullDatabase() {
    // Built in place: the state is neither copied nor moved (its change marks refer to it).
    static const std::unique_ptr<fv::DatabaseState> db = [] {
        auto state = std::make_unique<fv::DatabaseState>();
        fv::DatabaseState& d = *state;
        std::mt19937 rng(42);
        auto text = [&rng](std::size_t n) {
            std::string t(n, ' ');
            for (char& c : t) c = char('a' + rng() % 26);
            return t;
        };
        d.RecordCount = fv::MaxRecords;
        for (auto& r : d.RecordTable) {
            r.Category = "Category " + std::to_string(rng() % 12);
            for (auto& f : r.Field) f = text(40 + rng() % 261);
            r.Memo = text(500) + "\r\n" + text(522) + "\r\n";
        }
        return state;
    }();
    return *db;
}

void DatabaseWriteAndRead(benchmark::State& state) {
    const fv::DatabaseState& db = FullDatabase();
    const std::string path = Dir() + "/folivex-bench-records.db";
    std::size_t bytes = 0;
    for (auto _ : state) {
        fv::WriteDatabaseFile(db, path);
        auto stream = fv::TextStream::Open(path);
        bytes = stream->Size();
        std::int32_t count = 0;
        fv::ReadCountLine(*stream, count);
        fv::RecordTextReader reader(*stream, fv::TabDelimiter);
        fv::DatabaseRecord r;
        for (int i = 0; i < count; ++i) fv::ReadOwnRecord(reader, r, nullptr);
        benchmark::DoNotOptimize(r);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    fv::RemoveFile(path);
}

void CopySameBytes(benchmark::State& state) {
    const std::string from = Dir() + "/folivex-bench-copy-from.db";
    const std::string to = Dir() + "/folivex-bench-copy-to.db";
    std::string text = fv::DatabaseText(FullDatabase());
    fv::WriteWholeFile(from, text);
    for (auto _ : state) {
        // Written through the same buffer as the database, in pieces of the buffer's size, and read back
        // whole as the database is.
        fv::WholeFileWriter writer(to);
        for (std::size_t at = 0; at < text.size(); at += fv::WholeFileWriter::BufferSize)
            writer.Write(std::string_view(text).substr(at, fv::WholeFileWriter::BufferSize));
        writer.Commit();
        benchmark::DoNotOptimize(fv::ReadWholeFile(to));
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(text.size()));
    fv::RemoveFile(from);
    fv::RemoveFile(to);
}

BENCHMARK(DatabaseWriteAndRead)->Unit(benchmark::kMillisecond);
BENCHMARK(CopySameBytes)->Unit(benchmark::kMillisecond);

}  // namespace
