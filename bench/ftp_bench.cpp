// Storing and retrieving over FTP on a local vsftpd (started for the run by scripts/start-ftp-server.sh):
// one 50 MB file and 500 files of 20 KB, by the FTP client (passive, one login, as the upload works) and
// by lftp doing the same in the same run. Wall time gives the throughput, the CPU time of the client
// (this process) and of lftp (a child) the cost per byte. The goals: at least 0.8x lftp's throughput, and
// no more CPU per byte.
#include <benchmark/benchmark.h>

#include <sys/resource.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>

#include "local_ftp_server.h"
#include "net/ftp_client.h"
#include "platform/core/headless_loop.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t BigSize = 50u << 20;
constexpr int SmallCount = 500;
constexpr std::size_t SmallSize = 20u << 10;

double CpuSeconds(int who) {
    rusage u{};
    ::getrusage(who, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

void WriteBytes(const std::string& path, std::size_t n, unsigned seed) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = char((i * 131 + seed * 7 + i / 4093) & 0xFF);
    std::ofstream(path, std::ios::binary) << s;
}

// The server and the local files, made once for the whole run.
class Setup {
public:
    Setup() : work_(MakeWorkFolder()) {
        if (work_.empty()) return;
        server_ = std::make_unique<fv::bench::LocalFtpServer>(work_ + "/server");
        if (server_->Port().empty()) return;
        fs::create_directories(work_ + "/small");
        WriteBytes(work_ + "/big.bin", BigSize, 1);
        for (int i = 0; i < SmallCount; ++i)
            WriteBytes(work_ + "/small/f" + std::to_string(i) + ".dat", SmallSize, unsigned(i));
        fs::create_directories(Site() + "/client");
        fs::create_directories(Site() + "/lftp");
        fs::create_directories(work_ + "/back-client");
        fs::create_directories(work_ + "/back-lftp");
    }
    ~Setup() {
        if (work_.empty()) return;
        server_.reset();  // stopped before its folder goes
        std::error_code ec;
        fs::remove_all(work_, ec);
    }
    bool Ready() const { return !Port().empty() && ::access("/usr/bin/lftp", X_OK) == 0; }
    std::string Port() const { return server_ ? server_->Port() : std::string(); }
    std::string Site() const { return server_ ? server_->Site() : std::string(); }
    const std::string& Work() const { return work_; }

private:
    static std::string MakeWorkFolder() {
        char tmpl[] = "/tmp/folivex-ftp-bench-XXXXXX";
        return ::mkdtemp(tmpl) ? tmpl : "";
    }
    std::string work_;
    std::unique_ptr<fv::bench::LocalFtpServer> server_;
};

Setup& TheSetup() {
    static Setup setup;
    return setup;
}

// One logged-in client in the given folder of the site.
struct Client {
    explicit Client(const std::string& folder) : ftp(nullptr, &loop) {
        ftp.SetHostName("127.0.0.1");
        ftp.SetPort(TheSetup().Port());
        ftp.SetUserName("anonymous");
        ftp.SetPassWord("bench@example.com");
        ftp.SetPassive(true);
        ftp.SetTimeout(120);
        ok = ftp.Connect();
        ftp.SetHostDirName(folder);
        ok = ok && ftp.Cwd() && ftp.TypeBinary();
    }
    ~Client() { ftp.Quit(); }
    bool Put(const std::string& local, const std::string& remote) {
        ftp.SetLocalFileName(local);
        ftp.SetHostFileName(remote);
        return ftp.Put();
    }
    bool Get(const std::string& remote, const std::string& local) {
        ftp.SetLocalFileName(local);
        ftp.SetHostFileName(remote);
        return ftp.Get();
    }
    fv::HeadlessLoop loop{false};
    fv::TFtpClient ftp;
    bool ok = false;
};

bool Lftp(const std::string& commands) {
    std::string cmd = "lftp -u anonymous,bench@example.com -p " + TheSetup().Port() +
                      " -e 'set cmd:fail-exit yes; set ftp:passive-mode on; set xfer:clobber on; " + commands +
                      "; bye' 127.0.0.1 >/dev/null 2>&1";
    return std::system(cmd.c_str()) == 0;
}

// Runs one measured round; `child` says whether the work runs in a child process (lftp).
template <class Work>
void Measure(benchmark::State& state, std::size_t bytes, bool child, Work work) {
    if (!TheSetup().Ready()) {
        state.SkipWithError("vsftpd or lftp is missing (scripts/install-deps.sh test installs them)");
        return;
    }
    double cpu = 0;
    for (auto _ : state) {
        double before = CpuSeconds(child ? RUSAGE_CHILDREN : RUSAGE_SELF);
        if (!work()) {
            state.SkipWithError("the transfer failed");
            return;
        }
        cpu += CpuSeconds(child ? RUSAGE_CHILDREN : RUSAGE_SELF) - before;
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(bytes));
    state.counters["cpu_ms_per_MB"] = cpu * 1000.0 / (double(state.iterations()) * double(bytes) / (1 << 20));
}

void BM_ClientStore50MB(benchmark::State& state) {
    Client c("client");
    Measure(state, BigSize, false, [&] { return c.ok && c.Put(TheSetup().Work() + "/big.bin", "big.bin"); });
}

void BM_LftpStore50MB(benchmark::State& state) {
    Measure(state, BigSize, true, [&] { return Lftp("cd lftp; put " + TheSetup().Work() + "/big.bin"); });
}

void BM_ClientRetrieve50MB(benchmark::State& state) {
    Client c("client");
    Measure(state, BigSize, false, [&] {
        return c.ok && c.Get("big.bin", TheSetup().Work() + "/back-client/big.bin");
    });
}

void BM_LftpRetrieve50MB(benchmark::State& state) {
    Measure(state, BigSize, true, [&] {
        return Lftp("cd lftp; lcd " + TheSetup().Work() + "/back-lftp; get big.bin");
    });
}

void BM_ClientStore500Files(benchmark::State& state) {
    Client c("client");
    Measure(state, SmallCount * SmallSize, false, [&] {
        for (int i = 0; i < SmallCount; ++i) {
            std::string name = "f" + std::to_string(i) + ".dat";
            if (!c.ok || !c.Put(TheSetup().Work() + "/small/" + name, name)) return false;
        }
        return true;
    });
}

void BM_LftpStore500Files(benchmark::State& state) {
    Measure(state, SmallCount * SmallSize, true,
            [&] { return Lftp("cd lftp; lcd " + TheSetup().Work() + "/small; mput *.dat"); });
}

void BM_ClientRetrieve500Files(benchmark::State& state) {
    Client c("client");
    Measure(state, SmallCount * SmallSize, false, [&] {
        for (int i = 0; i < SmallCount; ++i) {
            std::string name = "f" + std::to_string(i) + ".dat";
            if (!c.ok || !c.Get(name, TheSetup().Work() + "/back-client/" + name)) return false;
        }
        return true;
    });
}

void BM_LftpRetrieve500Files(benchmark::State& state) {
    Measure(state, SmallCount * SmallSize, true,
            [&] { return Lftp("cd lftp; lcd " + TheSetup().Work() + "/back-lftp; mget *.dat"); });
}

// The stores run first: the retrieves read what they left on the server.
BENCHMARK(BM_ClientStore50MB)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LftpStore50MB)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClientStore500Files)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LftpStore500Files)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClientRetrieve50MB)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LftpRetrieve50MB)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ClientRetrieve500Files)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LftpRetrieve500Files)->Iterations(2)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
