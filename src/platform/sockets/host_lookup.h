// HostLookup: name and address look-ups that never block the message loop.
//
// getaddrinfo and getnameinfo may wait for a name server for seconds, which on the program's one thread
// would freeze every window. Each look-up therefore runs on a short-lived helper thread inside this layer;
// the helper only computes the answer and wakes the loop through an eventfd that the loop watches. The
// answer is handed to the caller on the loop, on a later turn, never inside Start. The rest of the
// program stays single-threaded.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/core/message_loop.h"

namespace fv {

struct LookupResult {
    int Error = 0;                      // socket error number (11001 host not found...)
    std::vector<std::string> Results;   // dotted IPv4 addresses, or the one host name of a reverse look-up
};

class HostLookup {
public:
    using Done = std::function<void(const LookupResult&)>;
    // Does the work on the helper thread; replaceable so that tests can script slow or failing servers.
    using Resolver = std::function<LookupResult(bool reverse, const std::string& what)>;

    explicit HostLookup(MessageLoop& loop);
    ~HostLookup();
    HostLookup(const HostLookup&) = delete;
    HostLookup& operator=(const HostLookup&) = delete;

    // Starts looking up the IPv4 addresses of a host name; a running look-up is cancelled first.
    // Returns a socket error number when the helper could not be started (then done is never called).
    int StartByName(const std::string& name, Done done);
    // Starts looking up the host name of a dotted IPv4 address.
    int StartByAddress(const std::string& dotted, Done done);
    // Forgets the running look-up: its done callback will not be called.
    void Cancel();
    bool Running() const { return static_cast<bool>(current_); }

    void SetResolver(Resolver resolver) { resolver_ = std::move(resolver); }

    // The system look-ups the helper runs by default.
    static LookupResult ResolveName(const std::string& name);
    static LookupResult ResolveAddress(const std::string& dotted);

private:
    struct Request;
    int Start(bool reverse, const std::string& what, Done done);
    void Finish();

    MessageLoop& loop_;
    Resolver resolver_;
    std::shared_ptr<Request> current_;
    Done done_;
    MessageLoop::WatchId watch_ = 0;
};

}  // namespace fv
