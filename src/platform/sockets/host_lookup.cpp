// HostLookup: look-ups on helper threads, answers delivered on the loop through an eventfd.
#include "platform/sockets/host_lookup.h"

#include <netdb.h>
#include <netinet/in.h>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <mutex>
#include <thread>

#include "platform/sockets/socket_calls.h"
#include "platform/sockets/socket_errors.h"

namespace fv {

// Shared by the loop side and the helper thread; whichever lets go last closes the eventfd, so the
// descriptor number cannot be reused while the other side may still touch it.
struct HostLookup::Request {
    std::mutex mutex;
    LookupResult result;
    bool finished = false;
    int wakeFd = -1;
    ~Request() {
        if (wakeFd >= 0) ::close(wakeFd);
    }
};

HostLookup::HostLookup(MessageLoop& loop) : loop_(loop) {}

HostLookup::~HostLookup() { Cancel(); }

LookupResult HostLookup::ResolveName(const std::string& name) {
    LookupResult out;
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_STREAM;
    addrinfo* list = nullptr;
    int rc = ::getaddrinfo(name.c_str(), nullptr, &hints, &list);
    if (rc != 0) {
        out.Error = SocketErrorFromLookup(rc, errno);
        return out;
    }
    for (addrinfo* a = list; a; a = a->ai_next) {
        if (a->ai_family != AF_INET) continue;
        const auto* sa = reinterpret_cast<const sockaddr_in*>(a->ai_addr);
        std::string text = sock::DottedText(sa->sin_addr.s_addr);
        bool seen = false;
        for (const auto& r : out.Results) seen |= r == text;
        if (!seen) out.Results.push_back(text);
    }
    ::freeaddrinfo(list);
    if (out.Results.empty()) out.Error = SockNO_DATA;
    return out;
}

LookupResult HostLookup::ResolveAddress(const std::string& dotted) {
    LookupResult out;
    std::uint32_t ip = 0;
    if (!sock::ParseDotted(dotted, ip)) {
        out.Error = SockEINVAL;
        return out;
    }
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = ip;
    char host[NI_MAXHOST];
    int rc = ::getnameinfo(reinterpret_cast<sockaddr*>(&sa), sizeof sa, host, sizeof host, nullptr, 0, NI_NAMEREQD);
    if (rc != 0) {
        out.Error = SocketErrorFromLookup(rc, errno);
        return out;
    }
    out.Results.emplace_back(host);
    return out;
}

int HostLookup::StartByName(const std::string& name, Done done) { return Start(false, name, std::move(done)); }

int HostLookup::StartByAddress(const std::string& dotted, Done done) { return Start(true, dotted, std::move(done)); }

int HostLookup::Start(bool reverse, const std::string& what, Done done) {
    Cancel();
    auto request = std::make_shared<Request>();
    request->wakeFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (request->wakeFd < 0) return LastSocketError();
    Resolver resolver = resolver_;
    try {
        std::thread([request, reverse, what, resolver] {
            LookupResult r;
            if (resolver) r = resolver(reverse, what);
            else r = reverse ? ResolveAddress(what) : ResolveName(what);
            std::lock_guard<std::mutex> lock(request->mutex);
            request->result = std::move(r);
            request->finished = true;
            std::uint64_t one = 1;
            // The loop may have stopped listening (cancelled); the write is harmless then.
            [[maybe_unused]] auto written = ::write(request->wakeFd, &one, sizeof one);
        }).detach();
    } catch (const std::system_error&) {
        return SockENOBUFS;
    }
    current_ = request;
    done_ = std::move(done);
    watch_ = loop_.WatchFd(request->wakeFd, FdReadable, [this](unsigned) { Finish(); });
    return SockNoError;
}

void HostLookup::Finish() {
    if (!current_) return;
    std::shared_ptr<Request> request = current_;
    LookupResult result;
    {
        std::lock_guard<std::mutex> lock(request->mutex);
        if (!request->finished) return;  // a spurious wake-up
        result = request->result;
    }
    loop_.StopWatch(watch_);
    watch_ = 0;
    current_.reset();
    Done done = std::move(done_);
    done_ = nullptr;
    // This runs as the loop's handler of the wake-up descriptor: a later turn, never inside Start.
    if (done) done(result);
}

void HostLookup::Cancel() {
    if (watch_) loop_.StopWatch(watch_);
    watch_ = 0;
    current_.reset();
    done_ = nullptr;
}

}  // namespace fv
