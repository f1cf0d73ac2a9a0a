// TSocketHostLookup: a socket's own name and address look-ups and their last answer.
//
// One look-up runs at a time; starting another forgets the one before. The answer arrives on the loop,
// on a later turn, through the `arrived` callback given to the start; the socket then takes it with
// Finish, which keeps the results of a successful answer. A cancelled look-up has no answer to take: a
// late arrival finds nothing running and Finish says so. A dotted address needs no look-up and is its
// own one result at once.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/core/message_loop.h"
#include "platform/sockets/host_lookup.h"

namespace fv {

class TSocketHostLookup {
public:
    using Arrived = std::function<void(int error)>;

    explicit TSocketHostLookup(MessageLoop& loop) : lookup_(loop) {}

    // Look-ups use this resolver instead of the system's.
    void SetResolver(HostLookup::Resolver resolver) { lookup_.SetResolver(std::move(resolver)); }

    // Forgets a running look-up and the last results.
    void Restart();
    // Takes a dotted address as the one result, without looking anything up.
    void AnswerDotted(const std::string& dotted);
    // Starts looking up the addresses of a host name, or the name of a dotted address. Returns 0, or the
    // error that kept the look-up from starting (then nothing runs and arrived is never called).
    int StartByName(const std::string& name, Arrived arrived);
    int StartByAddress(const std::string& dotted, Arrived arrived);
    // Ends a running look-up without an answer; false when none was running.
    bool Cancel();
    // Takes the answer that arrived: false when no look-up is running any more. The answer's error goes to
    // error; on success its results replace the last ones.
    bool Finish(int& error);

    bool Running() const { return running_; }
    // The first result, and all of them.
    const std::string& Result() const { return result_; }
    const std::vector<std::string>& ResultList() const { return resultList_; }

private:
    int Start(bool reverse, const std::string& what, Arrived arrived);

    HostLookup lookup_;
    bool running_ = false;
    LookupResult answer_;
    std::string result_;
    std::vector<std::string> resultList_;
};

}  // namespace fv
