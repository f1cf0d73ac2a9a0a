// Socket error numbers: the mapping from the system's errno and lookup codes, and the texts.
#include "platform/sockets/socket_errors.h"

#include <netdb.h>

#include <cerrno>
#include <utility>

namespace fv {

namespace {

struct ErrorText {
    int code;
    const char* text;
};

constexpr ErrorText Texts[] = {
    {SockNoError, "No Error"},
    {SockEINTR, "Interrupted system call"},
    {SockEBADF, "Bad file number"},
    {SockEACCES, "Permission denied"},
    {SockEFAULT, "Bad address"},
    {SockEINVAL, "Invalid argument"},
    {SockEMFILE, "Too many open files"},
    {SockEWOULDBLOCK, "Operation would block"},
    {SockEINPROGRESS, "Operation now in progress"},
    {SockEALREADY, "Operation already in progress"},
    {SockENOTSOCK, "Socket operation on non-socket"},
    {SockEDESTADDRREQ, "Destination address required"},
    {SockEMSGSIZE, "Message too long"},
    {SockEPROTOTYPE, "Protocol wrong type for socket"},
    {SockENOPROTOOPT, "Protocol not available"},
    {SockEPROTONOSUPPORT, "Protocol not supported"},
    {SockESOCKTNOSUPPORT, "Socket type not supported"},
    {SockEOPNOTSUPP, "Operation not supported on socket"},
    {SockEPFNOSUPPORT, "Protocol family not supported"},
    {SockEAFNOSUPPORT, "Address family not supported by protocol family"},
    {SockEADDRINUSE, "Address already in use"},
    {SockEADDRNOTAVAIL, "Address not available"},
    {SockENETDOWN, "Network is down"},
    {SockENETUNREACH, "Network is unreachable"},
    {SockENETRESET, "Network dropped connection on reset"},
    {SockECONNABORTED, "Connection aborted"},
    {SockECONNRESET, "Connection reset by peer"},
    {SockENOBUFS, "No buffer space available"},
    {SockEISCONN, "Socket is already connected"},
    {SockENOTCONN, "Socket is not connected"},
    {SockESHUTDOWN, "Can't send after socket shutdown"},
    {SockETOOMANYREFS, "Too many references: can't splice"},
    {SockETIMEDOUT, "Connection timed out"},
    {SockECONNREFUSED, "Connection refused"},
    {SockELOOP, "Too many levels of symbolic links"},
    {SockENAMETOOLONG, "File name too long"},
    {SockEHOSTDOWN, "Host is down"},
    {SockEHOSTUNREACH, "No route to host"},
    {SockENOTEMPTY, "Directory not empty"},
    {SockEPROCLIM, "Too many processes"},
    {SockEUSERS, "Too many users"},
    {SockEDQUOT, "Disc quota exceeded"},
    {SockESTALE, "Stale NFS file handle"},
    {SockEREMOTE, "Too many levels of remote in path"},
    {SockSYSNOTREADY, "Network sub-system is unusable"},
    {SockVERNOTSUPPORTED, "WinSock DLL cannot support this application"},
    {SockNOTINITIALISED, "WinSock not initialized"},
    {SockHOST_NOT_FOUND, "Host not found"},
    {SockTRY_AGAIN, "Non-authoritative host not found"},
    {SockNO_RECOVERY, "Non-recoverable error"},
    {SockNO_DATA, "No Data"},
};

constexpr std::pair<int, int> Errnos[] = {
    {EINTR, SockEINTR},
    {EBADF, SockEBADF},
    {EACCES, SockEACCES},
    {EPERM, SockEACCES},
    {EFAULT, SockEFAULT},
    {EINVAL, SockEINVAL},
    {EMFILE, SockEMFILE},
    {ENFILE, SockEMFILE},
    {EWOULDBLOCK, SockEWOULDBLOCK},
    {EAGAIN, SockEWOULDBLOCK},
    {EINPROGRESS, SockEINPROGRESS},
    {EALREADY, SockEALREADY},
    {ENOTSOCK, SockENOTSOCK},
    {EDESTADDRREQ, SockEDESTADDRREQ},
    {EMSGSIZE, SockEMSGSIZE},
    {EPROTOTYPE, SockEPROTOTYPE},
    {ENOPROTOOPT, SockENOPROTOOPT},
    {EPROTONOSUPPORT, SockEPROTONOSUPPORT},
    {ESOCKTNOSUPPORT, SockESOCKTNOSUPPORT},
    {EOPNOTSUPP, SockEOPNOTSUPP},
    {EPFNOSUPPORT, SockEPFNOSUPPORT},
    {EAFNOSUPPORT, SockEAFNOSUPPORT},
    {EADDRINUSE, SockEADDRINUSE},
    {EADDRNOTAVAIL, SockEADDRNOTAVAIL},
    {ENETDOWN, SockENETDOWN},
    {ENETUNREACH, SockENETUNREACH},
    {ENETRESET, SockENETRESET},
    {ECONNABORTED, SockECONNABORTED},
    // A send after the peer reset the connection: the old platform called that an aborted connection.
    {EPIPE, SockECONNABORTED},
    {ECONNRESET, SockECONNRESET},
    {ENOBUFS, SockENOBUFS},
    {ENOMEM, SockENOBUFS},
    {EISCONN, SockEISCONN},
    {ENOTCONN, SockENOTCONN},
    {ESHUTDOWN, SockESHUTDOWN},
    {ETOOMANYREFS, SockETOOMANYREFS},
    {ETIMEDOUT, SockETIMEDOUT},
    {ECONNREFUSED, SockECONNREFUSED},
    {ELOOP, SockELOOP},
    {ENAMETOOLONG, SockENAMETOOLONG},
    {EHOSTDOWN, SockEHOSTDOWN},
    {EHOSTUNREACH, SockEHOSTUNREACH},
    {ENOTEMPTY, SockENOTEMPTY},
    {EUSERS, SockEUSERS},
    {EDQUOT, SockEDQUOT},
    {ESTALE, SockESTALE},
    {EREMOTE, SockEREMOTE},
};

}  // namespace

std::string SocketErrorText(int code) {
    for (const auto& t : Texts)
        if (t.code == code) return t.text;
    return "Not a WinSock error";
}

int SocketErrorFromErrno(int err) {
    if (err == 0) return SockNoError;
    for (const auto& [from, to] : Errnos)
        if (from == err) return to;
    return SockENETDOWN;
}

int SocketErrorFromLookup(int eai, int savedErrno) {
    switch (eai) {
        case 0: return SockNoError;
        case EAI_NONAME: return SockHOST_NOT_FOUND;
#ifdef EAI_NODATA
        case EAI_NODATA: return SockNO_DATA;
#endif
#ifdef EAI_ADDRFAMILY
        case EAI_ADDRFAMILY: return SockNO_DATA;
#endif
        case EAI_AGAIN: return SockTRY_AGAIN;
        case EAI_FAIL: return SockNO_RECOVERY;
        case EAI_MEMORY: return SockENOBUFS;
        case EAI_FAMILY: return SockEAFNOSUPPORT;
        case EAI_SERVICE: return SockNO_DATA;
        case EAI_SYSTEM: return savedErrno ? SocketErrorFromErrno(savedErrno) : SockNO_RECOVERY;
#ifdef EAI_CANCELED
        case EAI_CANCELED: return SockEINTR;
#endif
        default: return SockNO_RECOVERY;
    }
}

int LastSocketError() { return SocketErrorFromErrno(errno); }

}  // namespace fv
