// TAsyncSocket: the socket component the program uses (the FTP client's control and data connections).
// Everything it does comes from the layers below it; this is the class that owners create.
#pragma once

#include "net/sync_socket.h"

namespace fv {

class TAsyncSocket : public TCustomSyncSocket {
public:
    using TCustomSyncSocket::TCustomSyncSocket;
};

}  // namespace fv
