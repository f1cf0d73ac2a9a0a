// TSocketHostLookup: starting, cancelling and finishing a socket's look-ups.
#include "net/socket_host_lookup.h"

namespace fv {

void TSocketHostLookup::Restart() {
    lookup_.Cancel();
    running_ = false;
    result_.clear();
    resultList_.clear();
}

void TSocketHostLookup::AnswerDotted(const std::string& dotted) {
    result_ = dotted;
    resultList_.push_back(result_);
}

int TSocketHostLookup::StartByName(const std::string& name, Arrived arrived) {
    return Start(false, name, std::move(arrived));
}

int TSocketHostLookup::StartByAddress(const std::string& dotted, Arrived arrived) {
    return Start(true, dotted, std::move(arrived));
}

int TSocketHostLookup::Start(bool reverse, const std::string& what, Arrived arrived) {
    auto done = [this, arrived = std::move(arrived)](const LookupResult& r) {
        answer_ = r;
        arrived(r.Error);
    };
    int err = reverse ? lookup_.StartByAddress(what, std::move(done)) : lookup_.StartByName(what, std::move(done));
    if (err == 0) running_ = true;
    return err;
}

bool TSocketHostLookup::Cancel() {
    if (!running_) return false;
    lookup_.Cancel();
    running_ = false;
    return true;
}

bool TSocketHostLookup::Finish(int& error) {
    if (!running_) return false;
    running_ = false;
    error = answer_.Error;
    if (answer_.Error == 0) {
        resultList_ = answer_.Results;
        result_ = resultList_.empty() ? std::string() : resultList_.front();
    }
    return true;
}

}  // namespace fv
