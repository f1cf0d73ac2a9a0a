// The names the FTP client shares with its users: requests, states, options, connection types, the
// client's exception and the signatures of its events.
#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <stdexcept>
#include <string>

namespace fv {

class Component;

// The requests reported by OnRequestDone (19 and 20 are not used).
enum TFtpRequest : int {
    ftpRqNone = 0,
    ftpRqOpen = 1,
    ftpRqUser = 2,
    ftpRqPass = 3,
    ftpRqCwd = 4,
    ftpRqConnect = 5,
    ftpRqSessionGet = 6,
    ftpRqDir = 7,
    ftpRqLs = 8,
    ftpRqPort = 9,
    ftpRqGet = 10,
    ftpRqSessionDir = 11,
    ftpRqSessionLs = 12,
    ftpRqSessionSyst = 13,
    ftpRqSyst = 14,
    ftpRqQuit = 15,
    ftpRqSize = 16,
    ftpRqPut = 17,
    ftpRqAppend = 18,
    ftpRqMkd = 21,
    ftpRqRmd = 22,
    ftpRqSessionRename = 23,
    ftpRqDele = 24,
    ftpRqRename = 25,
    ftpRqRnto = 26,
    ftpRqRnfr = 27,
    ftpRqSessionDele = 28,
    ftpRqSessionMkd = 29,
    ftpRqSessionRmd = 30,
    ftpRqPwd = 31,
    ftpRqQuote = 32,
    ftpRqCdup = 33,
    ftpRqSessionQuote = 34,
    ftpRqSessionPut = 35,
    ftpRqType = 36,
    ftpRqRest = 37,
    ftpRqResumeGet = 38,
    ftpRqSessionResumeGet = 39,
    ftpRqResumePut = 40,
    ftpRqSessionResumePut = 41,
};

enum FtpState : int {
    ftpStateClosed = 0,
    ftpStateReady = 1,
    ftpStateStepDone = 2,
    ftpStateDnsLookup = 3,
    ftpStateConnected = 4,
    ftpStateAborting = 5,
    ftpStateWaitBanner = 7,
    ftpStateWaitReply = 8,
};

enum TFtpShareMode { ftpShareCompat, ftpShareExclusive, ftpShareDenyWrite, ftpShareDenyRead, ftpShareDenyNone };

// A set of TFtpOption bits.
enum TFtpOption : unsigned { ftpAcceptLF = 1, ftpNoAutoResumeAt = 2 };
using TFtpOptions = unsigned;

enum TFtpConnectionType { ftpDirect = 0, ftpProxy = 1, ftpSocks4 = 2, ftpSocks4A = 3, ftpSocks5 = 4 };

// The client's exception: a usage error when no OnFtpError handler takes it.
class FtpException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using FtpTextEvent = std::function<void(Component* sender, std::string& msg)>;
using FtpErrorEvent = std::function<void(Component* sender, int error)>;
using FtpProgressEvent = std::function<void(Component* sender, std::int64_t count, bool& abort)>;
using FtpRequestDoneEvent = std::function<void(Component* sender, TFtpRequest rqType, int error)>;
using FtpReadyToTransmitEvent = std::function<void(Component* sender, bool& cancel)>;
using FtpBgExceptionEvent = std::function<void(Component* sender, const std::exception& e, bool& canClose)>;

}  // namespace fv
