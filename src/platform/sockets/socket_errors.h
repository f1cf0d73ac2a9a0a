// Socket error numbers as the program reports them, and their texts.
//
// The program was written against a socket library whose errors were numbered from 10004 to 11004 and the
// upper layers, the FTP client and the upload dialog, show those numbers. Every failure of the system
// calls below is therefore turned into that numbering once, here.
#pragma once

#include <string>

namespace fv {

enum SocketError : int {
    SockNoError = 0,
    SockEINTR = 10004,
    SockEBADF = 10009,
    SockEACCES = 10013,
    SockEFAULT = 10014,
    SockEINVAL = 10022,
    SockEMFILE = 10024,
    SockEWOULDBLOCK = 10035,
    SockEINPROGRESS = 10036,
    SockEALREADY = 10037,
    SockENOTSOCK = 10038,
    SockEDESTADDRREQ = 10039,
    SockEMSGSIZE = 10040,
    SockEPROTOTYPE = 10041,
    SockENOPROTOOPT = 10042,
    SockEPROTONOSUPPORT = 10043,
    SockESOCKTNOSUPPORT = 10044,
    SockEOPNOTSUPP = 10045,
    SockEPFNOSUPPORT = 10046,
    SockEAFNOSUPPORT = 10047,
    SockEADDRINUSE = 10048,
    SockEADDRNOTAVAIL = 10049,
    SockENETDOWN = 10050,
    SockENETUNREACH = 10051,
    SockENETRESET = 10052,
    SockECONNABORTED = 10053,
    SockECONNRESET = 10054,
    SockENOBUFS = 10055,
    SockEISCONN = 10056,
    SockENOTCONN = 10057,
    SockESHUTDOWN = 10058,
    SockETOOMANYREFS = 10059,
    SockETIMEDOUT = 10060,
    SockECONNREFUSED = 10061,
    SockELOOP = 10062,
    SockENAMETOOLONG = 10063,
    SockEHOSTDOWN = 10064,
    SockEHOSTUNREACH = 10065,
    SockENOTEMPTY = 10066,
    SockEPROCLIM = 10067,
    SockEUSERS = 10068,
    SockEDQUOT = 10069,
    SockESTALE = 10070,
    SockEREMOTE = 10071,
    SockSYSNOTREADY = 10091,
    SockVERNOTSUPPORTED = 10092,
    SockNOTINITIALISED = 10093,
    SockHOST_NOT_FOUND = 11001,
    SockTRY_AGAIN = 11002,
    SockNO_RECOVERY = 11003,
    SockNO_DATA = 11004,
};

// The text of a socket error number; "Not a WinSock error" for a number outside the table.
std::string SocketErrorText(int code);

// The socket error number of a system errno value. A value without a counterpart gives SockENETDOWN
// ("Network is down"): the call failed for a reason the program cannot act on.
int SocketErrorFromErrno(int err);

// The socket error number of a getaddrinfo/getnameinfo result (EAI_* codes).
int SocketErrorFromLookup(int eai, int savedErrno);

// errno of the calling thread, mapped.
int LastSocketError();

}  // namespace fv
