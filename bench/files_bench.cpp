// The whole-file write (temporary file, sync, rename) against a plain write of the same bytes, which is
// the limit it can approach: the difference is what the safety costs per database file.
#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "platform/fs/files.h"

namespace {

std::string Target() { return (std::filesystem::temp_directory_path() / "folivex-bench.db").string(); }

void WholeFileWrite(benchmark::State& state) {
    std::string bytes(std::size_t(state.range(0)), 'x');
    std::string path = Target();
    for (auto _ : state) benchmark::DoNotOptimize(fv::WriteWholeFile(path, bytes));
    state.SetBytesProcessed(state.iterations() * state.range(0));
    fv::RemoveFile(path);
}

void PlainSyncedWrite(benchmark::State& state) {
    std::string bytes(std::size_t(state.range(0)), 'x');
    std::string path = Target();
    for (auto _ : state) {
        int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        benchmark::DoNotOptimize(::write(fd, bytes.data(), bytes.size()));
        ::fsync(fd);
        ::close(fd);
    }
    state.SetBytesProcessed(state.iterations() * state.range(0));
    fv::RemoveFile(path);
}

// A full database of 5000 records is a few megabytes of text.
BENCHMARK(WholeFileWrite)->Arg(64 << 10)->Arg(4 << 20);
BENCHMARK(PlainSyncedWrite)->Arg(64 << 10)->Arg(4 << 20);

}  // namespace
