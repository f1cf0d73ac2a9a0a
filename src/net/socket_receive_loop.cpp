// TSocketReceiveLoop: the rounds of one read notification.
#include "net/socket_receive_loop.h"

#include "platform/sockets/socket_errors.h"

namespace fv {

void TSocketReceiveLoop::Run(Source& source, int error) {
    for (int round = 0; round < 1 << 20; ++round) {
        source.BeginRound();
        std::uint64_t consumedBefore = consumed_;
        if (!source.Deliver(error)) {
            if (source.Gone()) return;
            char sink[1024];
            int err = 0;
            int n = source.Discard(sink, sizeof sink, err);
            if (n < 0 && err == SockEWOULDBLOCK) return;
            if (n > 0) NoteConsumed();
        }
        if (source.Gone()) return;
        if (!source.MayRepeat()) return;
        if (source.Waiting() <= 0) return;
        if (consumed_ == consumedBefore) return;
    }
}

}  // namespace fv
