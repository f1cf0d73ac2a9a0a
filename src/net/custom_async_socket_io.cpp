// TCustomAsyncSocket: sending through the send chain (gathered for a stream, a block a datagram) and
// receiving, on demand and in the receive loop of a read notification.
#include <algorithm>

#include "net/custom_async_socket.h"

namespace fv {

// --- sending ----------------------------------------------------------------------------------------

int TCustomAsyncSocket::SendBlock(const void* data, int len, int& error) {
    long n;
    bool urgent = sendFlags_ == wsSendUrgent;
    if (socketType_ == sock::DatagramSocket) n = notifier_.SendTo(data, std::size_t(len), remote_, urgent, error);
    else n = notifier_.Send(data, std::size_t(len), urgent, error);
    if (n > 0 && OnSendData) OnSendData(this, int(n));
    return int(n);
}

void TCustomAsyncSocket::TryToSend() {
    if (hSocket_ == sock::NoSocket) return;
    std::weak_ptr<int> alive = alive_;
    for (;;) {
        int len = 0;
        const unsigned char* p = sendChain_.Front(len);
        if (len <= 0) break;
        int error = 0;
        int count;
        if (socketType_ == sock::DatagramSocket) {
            // Each block is one datagram.
            count = SendBlock(p, len, error);
            if (alive.expired() || hSocket_ == sock::NoSocket) return;
            if (count > 0) sendChain_.RemoveFront(count);
        } else {
            // The blocks waiting in the chain go to the system in one gathered call; the owner still hears
            // of each block (OnSendData) as it went out.
            SocketNotifier::Piece pieces[64];
            std::size_t n = sendChain_.Gather(pieces, 64);
            long sent = notifier_.SendPieces(pieces, n, sendFlags_ == wsSendUrgent, error);
            count = int(sent);
            bool goOn = sendChain_.Consume(sent, [&](int taken) {
                if (!OnSendData) return true;
                OnSendData(this, taken);
                return !alive.expired() && hSocket_ != sock::NoSocket;
            });
            if (!goOn) return;
        }
        if (count > 0) {
            // Round again: a partial send then meets "would block", which re-arms the write notification.
            continue;
        }
        if (count == 0) return;
        lastError_ = error;
        if (error == SockEINVAL || error == SockENOTSOCK || error == SockECONNABORTED || error == SockECONNRESET ||
            error == SockENOTCONN) {
            closeSignalled_ = true;
            InternalClose(false, error);
            if (!alive.expired()) FireSessionClosed(error);
            return;
        }
        if (error == SockEWOULDBLOCK) return;
        SocketError("TryToSend failed", error);
        return;
    }
    allSent_ = true;
}

int TCustomAsyncSocket::Send(const void* data, int len) {
    if (state_ != wsConnected) {
        lastError_ = SockENOTCONN;
        SocketError("Send", SockENOTCONN);
        return -1;
    }
    if (len <= 0 || !data) return 0;
    allSent_ = false;
    const auto* p = static_cast<const unsigned char*>(data);
    sendChain_.Append(p, len);
    TryToSend();
    if (allSent_ && hSocket_ != sock::NoSocket) notifier_.Post(SockWrite, 0);
    return len;
}

int TCustomAsyncSocket::SendFile(int fileFd, std::int64_t& offset, int len) {
    int waiting = 0;
    if (hSocket_ == sock::NoSocket || state_ != wsConnected || socketType_ != sock::StreamSocket ||
        sendFlags_ == wsSendUrgent || len <= 0 || (sendChain_.Front(waiting), waiting > 0))
        return SendFileRefused;
    int error = 0;
    const long n = notifier_.SendFile(fileFd, offset, std::size_t(len), error);
    if (n > 0) {
        // As after a Send the system took whole: a data-sent event follows.
        notifier_.Post(SockWrite, 0);
        if (OnSendData) OnSendData(this, int(n));
    }
    if (n >= 0) return int(n);
    if (error == SockEWOULDBLOCK) {
        // The write notification is armed: its data-sent event says when more may go.
        allSent_ = false;
        return SendFileLater;
    }
    return SendFileRefused;
}

int TCustomAsyncSocket::SendStr(const std::string& text) { return Send(text.data(), int(text.size())); }

int TCustomAsyncSocket::SendTo(const sock::Address& to, const void* data, int len) {
    if (hSocket_ == sock::NoSocket) {
        lastError_ = SockENOTSOCK;
        return -1;
    }
    int error = 0;
    long n = notifier_.SendTo(data, std::size_t(std::max(len, 0)), to, sendFlags_ == wsSendUrgent, error);
    if (n < 0) lastError_ = error;
    return int(n);
}

// --- receiving --------------------------------------------------------------------------------------

int TCustomAsyncSocket::ReceiveRaw(void* buffer, int len, int& error) {
    if (hSocket_ == sock::NoSocket) {
        error = SockENOTSOCK;
        return -1;
    }
    long n = notifier_.Receive(buffer, std::size_t(std::max(len, 0)), error);
    return int(n);
}

int TCustomAsyncSocket::ReceiveRawFrom(void* buffer, int len, sock::Address& from, int& error) {
    if (hSocket_ == sock::NoSocket) {
        error = SockENOTSOCK;
        return -1;
    }
    return int(notifier_.ReceiveFrom(buffer, std::size_t(std::max(len, 0)), from, error));
}

int TCustomAsyncSocket::CountReceived(int n, int error) {
    if (n >= 0) {
        readCount_ += n;
        if (n > 0) NoteConsumed();
    } else {
        lastError_ = error;
    }
    return n;
}

int TCustomAsyncSocket::Receive(void* buffer, int len) {
    int error = 0;
    int n = ReceiveRaw(buffer, len, error);
    return CountReceived(n, error);
}

int TCustomAsyncSocket::ReceiveFrom(void* buffer, int len, sock::Address& from) {
    int error = 0;
    int n = ReceiveRawFrom(buffer, len, from, error);
    return CountReceived(n, error);
}

std::string TCustomAsyncSocket::ReceiveStr() {
    int n = GetRcvdCount();
    if (n <= 0) return {};
    std::string out(std::size_t(n), '\0');
    int r = Receive(out.data(), n);
    if (r <= 0) return {};
    out.resize(std::size_t(r));
    return out;
}

int TCustomAsyncSocket::GetRcvdCount() {
    if (hSocket_ == sock::NoSocket) return 0;
    int count = 0;
    int err = sock::BytesWaiting(hSocket_, count);
    if (err != 0) {
        SocketError("ioctlSocket", err);
        return -1;
    }
    return count;
}

void TCustomAsyncSocket::ReceiveLoop(int error) {
    // The loop's view of this socket; a local class may use what the member function may use.
    struct Source final : TSocketReceiveLoop::Source {
        TCustomAsyncSocket& s;
        std::weak_ptr<int> alive;
        explicit Source(TCustomAsyncSocket& socket) : s(socket), alive(socket.alive_) {}
        void BeginRound() override { s.lastError_ = 0; }
        bool Deliver(int err) override { return s.FireDataAvailable(err); }
        bool Gone() override { return alive.expired() || s.hSocket_ == sock::NoSocket; }
        int Discard(void* buffer, int len, int& err) override { return s.ReceiveRaw(buffer, len, err); }
        bool MayRepeat() override { return !(s.componentOptions_ & wsoNoReceiveLoop) && s.lastError_ == 0; }
        int Waiting() override {
            try {
                return s.GetRcvdCount();
            } catch (const ESocketException&) {
                return 0;
            }
        }
    } source(*this);
    receiveLoop_.Run(source, error);
}

}  // namespace fv
