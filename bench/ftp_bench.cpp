// Storing and retrieving over FTP on a local vsftpd (started for the run by scripts/start-ftp-server.sh):
// one 50 MB file and 500 files of 20 KB, by the FTP client (passive, one login, as the upload works) and
// by lftp doing the same.
//
// Both sides are measured alike: each run is a whole process started for it (this program started again
// with --client, or lftp), from its start through login, the transfers and QUIT to its exit. Wall time
// gives the throughput, the process's own CPU time (from wait4) the cost per byte. The sides take turns,
// the first side changing from run to run, so that a slower or busier moment of the machine falls on
// both; after one warm-up run of each side, every workload runs --runs times (7 by default) per side and
// the report gives the median with the spread (lowest to highest) and the ratio of the medians. The
// goals: at least 1.0x lftp's throughput, and no more CPU per byte.
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "local_ftp_server.h"
#include "net/ftp_client.h"
#include "platform/core/headless_loop.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr std::size_t BigSize = 50u << 20;
constexpr int SmallCount = 500;
constexpr std::size_t SmallSize = 20u << 10;
constexpr const char* Password = "bench@example.com";

enum class Work { StoreBig, RetrieveBig, StoreSmall, RetrieveSmall };

struct Workload {
    Work work;
    const char* key;   // the workload's name on the client's command line
    const char* name;  // as the report shows it
    std::size_t bytes;
};

// The stores come first: the retrieves read what they left on the server.
const Workload Workloads[] = {
    {Work::StoreBig, "store-big", "store 1 x 50 MB", BigSize},
    {Work::StoreSmall, "store-small", "store 500 x 20 KB", SmallCount * SmallSize},
    {Work::RetrieveBig, "retrieve-big", "retrieve 1 x 50 MB", BigSize},
    {Work::RetrieveSmall, "retrieve-small", "retrieve 500 x 20 KB", SmallCount * SmallSize},
};

std::string SmallName(int i) { return "f" + std::to_string(i) + ".dat"; }

void WriteBytes(const std::string& path, std::size_t n, unsigned seed) {
    std::string s(n, '\0');
    for (std::size_t i = 0; i < n; ++i) s[i] = char((i * 131 + seed * 7 + i / 4093) & 0xFF);
    std::ofstream(path, std::ios::binary) << s;
}

// --- the client's side: one whole process per run --------------------------------------------------

// Logs in, works in the folder "client" of the site, quits; the exit status says whether all went well.
int RunClient(const std::string& port, const std::string& key, const std::string& work) {
    fv::HeadlessLoop loop{false};
    fv::TFtpClient ftp(nullptr, &loop);
    ftp.SetHostName("127.0.0.1");
    ftp.SetPort(port);
    ftp.SetUserName("anonymous");
    ftp.SetPassWord(Password);
    ftp.SetPassive(true);
    ftp.SetTimeout(120);
    ftp.SetHostDirName("client");
    if (!ftp.Connect() || !ftp.Cwd() || !ftp.TypeBinary()) return 2;
    auto put = [&](const std::string& local, const std::string& remote) {
        ftp.SetLocalFileName(local);
        ftp.SetHostFileName(remote);
        return ftp.Put();
    };
    auto get = [&](const std::string& remote, const std::string& local) {
        ftp.SetLocalFileName(local);
        ftp.SetHostFileName(remote);
        return ftp.Get();
    };
    bool ok = true;
    if (key == "store-big") ok = put(work + "/big.bin", "big.bin");
    else if (key == "retrieve-big") ok = get("big.bin", work + "/back-client/big.bin");
    else if (key == "store-small")
        for (int i = 0; i < SmallCount && ok; ++i) ok = put(work + "/small/" + SmallName(i), SmallName(i));
    else if (key == "retrieve-small")
        for (int i = 0; i < SmallCount && ok; ++i) ok = get(SmallName(i), work + "/back-client/" + SmallName(i));
    else ok = false;
    if (!ftp.Quit()) ok = false;
    return ok ? 0 : 1;
}

// --- the driver ------------------------------------------------------------------------------------

// The server and the local files, made once for the whole run.
class Setup {
public:
    Setup() : work_(MakeWorkFolder()) {
        if (work_.empty()) return;
        server_ = std::make_unique<fv::bench::LocalFtpServer>(work_ + "/server");
        if (server_->Port().empty()) return;
        fs::create_directories(work_ + "/small");
        WriteBytes(work_ + "/big.bin", BigSize, 1);
        for (int i = 0; i < SmallCount; ++i) WriteBytes(work_ + "/small/" + SmallName(i), SmallSize, unsigned(i));
        fs::create_directories(server_->Site() + "/client");
        fs::create_directories(server_->Site() + "/lftp");
        fs::create_directories(work_ + "/back-client");
        fs::create_directories(work_ + "/back-lftp");
    }
    ~Setup() {
        if (work_.empty()) return;
        server_.reset();  // stopped before its folder goes
        std::error_code ec;
        fs::remove_all(work_, ec);
    }
    std::string Port() const { return server_ ? server_->Port() : std::string(); }
    const std::string& Work() const { return work_; }

private:
    static std::string MakeWorkFolder() {
        char tmpl[] = "/tmp/folivex-ftp-bench-XXXXXX";
        return ::mkdtemp(tmpl) ? tmpl : "";
    }
    std::string work_;
    std::unique_ptr<fv::bench::LocalFtpServer> server_;
};

struct Sample {
    double wallMs = 0;
    double cpuMs = 0;
    bool ok = false;
};

// Starts the program with its arguments (output to /dev/null) and waits for it: its wall time from the
// start to its end, and its own CPU time.
Sample RunProcess(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& a : args) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    Sample s;
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int rc = ::posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) return s;
    int status = 0;
    rusage use{};
    if (::wait4(pid, &status, 0, &use) != pid) return s;
    s.wallMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
    s.cpuMs = double(use.ru_utime.tv_sec + use.ru_stime.tv_sec) * 1000.0 +
              double(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1000.0;
    s.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return s;
}

std::vector<std::string> ClientCommand(const std::string& self, const Setup& setup, const Workload& w) {
    return {self, "--client", setup.Port(), w.key, setup.Work()};
}

std::vector<std::string> LftpCommand(const Setup& setup, const Workload& w) {
    const std::string work = setup.Work();
    std::string job;
    switch (w.work) {
        case Work::StoreBig: job = "put " + work + "/big.bin"; break;
        case Work::RetrieveBig: job = "lcd " + work + "/back-lftp; get big.bin"; break;
        case Work::StoreSmall: job = "lcd " + work + "/small; mput *.dat"; break;
        case Work::RetrieveSmall: job = "lcd " + work + "/back-lftp; mget *.dat"; break;
    }
    return {"lftp", "-u", std::string("anonymous,") + Password, "-p", setup.Port(), "-e",
            "set cmd:fail-exit yes; set ftp:passive-mode on; set xfer:clobber on; cd lftp; " + job + "; bye",
            "127.0.0.1"};
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

struct Side {
    std::vector<double> wall, cpu;
    double MedianWall() const { return Median(wall); }
    double MedianCpu() const { return Median(cpu); }
};

void Report(const char* side, const Side& s, std::size_t bytes) {
    const double mb = double(bytes) / (1 << 20);
    const double wall = s.MedianWall();
    std::printf("  %-6s  %9.1f ms  (%.1f - %.1f)  %8.1f MB/s  %7.2f cpu ms/MB\n", side, wall,
                *std::min_element(s.wall.begin(), s.wall.end()), *std::max_element(s.wall.begin(), s.wall.end()),
                mb / (wall / 1000.0), s.MedianCpu() / mb);
}

int RunDriver(const std::string& self, int runs) {
    if (::system("command -v lftp >/dev/null 2>&1") != 0) {
        std::fprintf(stderr, "lftp is missing (scripts/install-deps.sh test installs it)\n");
        return 1;
    }
    Setup setup;
    if (setup.Port().empty()) {
        std::fprintf(stderr, "vsftpd did not start (scripts/install-deps.sh test installs it)\n");
        return 1;
    }
    std::printf("FTP client against lftp on a local vsftpd: whole processes with login and QUIT, sides taking\n"
                "turns, %d runs each after a warm-up; median wall time (lowest - highest).\n\n", runs);
    bool allOk = true;
    for (const Workload& w : Workloads) {
        Side client, lftp;
        auto once = [&](bool clientSide, bool keep) {
            Sample s = RunProcess(clientSide ? ClientCommand(self, setup, w) : LftpCommand(setup, w));
            if (!s.ok) {
                std::fprintf(stderr, "%s: the %s run failed\n", w.name, clientSide ? "client's" : "lftp");
                allOk = false;
                return;
            }
            if (!keep) return;
            Side& side = clientSide ? client : lftp;
            side.wall.push_back(s.wallMs);
            side.cpu.push_back(s.cpuMs);
        };
        once(true, false);
        once(false, false);
        for (int i = 0; i < runs; ++i) {
            const bool clientFirst = i % 2 == 0;
            once(clientFirst, true);
            once(!clientFirst, true);
        }
        std::printf("%s\n", w.name);
        if (client.wall.empty() || lftp.wall.empty()) {
            std::printf("  (no result)\n\n");
            continue;
        }
        Report("client", client, w.bytes);
        Report("lftp", lftp, w.bytes);
        std::printf("  ratio: throughput %.2fx lftp, CPU per byte %.2fx lftp\n\n",
                    lftp.MedianWall() / client.MedianWall(), client.MedianCpu() / lftp.MedianCpu());
    }
    return allOk ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && std::strcmp(argv[1], "--client") == 0) return RunClient(argv[2], argv[3], argv[4]);
    int runs = 7;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--runs") == 0) runs = std::max(1, std::atoi(argv[i + 1]));
    // This very program runs the client's side, started again.
    std::error_code ec;
    const std::string self = fs::read_symlink("/proc/self/exe", ec).string();
    if (ec) {
        std::fprintf(stderr, "cannot find this program's own file\n");
        return 1;
    }
    return RunDriver(self, runs);
}
