// TCustomLineSocket: line splitting, echo and editing of received bytes.
#include "net/line_socket.h"

#include <algorithm>
#include <cstring>

namespace fv {

void TCustomLineSocket::SetLineMode(bool value) {
    if (value == lineMode_) return;
    lineMode_ = value;
    if (!lineBuffer_.empty() || lineLength_ > 0) PostSocketMessage(WmLineModeData);
}

void TCustomLineSocket::WndProc(const TSocketMessage& msg) {
    if (msg.Msg != WmLineModeData) {
        TCustomSocksSocket::WndProc(msg);
        return;
    }
    std::weak_ptr<int> alive = AliveToken();
    if (lineMode_ && !lineEnd_.empty()) {
        DeliverLines(0);
        return;
    }
    // Line mode went off: the buffered bytes go out through ordinary data events, as long as they are read.
    while (!lineBuffer_.empty() && hSocket_ != sock::NoSocket) {
        std::size_t before = lineBuffer_.size();
        if (!TCustomAsyncSocket::FireDataAvailable(0)) break;
        if (alive.expired() || lineBuffer_.size() == before) return;
    }
}

int TCustomLineSocket::GetRcvdCount() {
    if (lineMode_) return lineLength_;
    if (!lineBuffer_.empty()) return int(lineBuffer_.size());
    return TCustomSocksSocket::GetRcvdCount();
}

int TCustomLineSocket::ReceiveRaw(void* buffer, int len, int& error) {
    if (len <= 0) return TCustomSocksSocket::ReceiveRaw(buffer, len, error);
    if (lineMode_) {
        if (lineLength_ <= 0) {
            // Nothing complete to hand out; taking bytes from the system here would jump the line buffer.
            error = SockEWOULDBLOCK;
            return -1;
        }
        int n = std::min(len, lineLength_);
        std::memcpy(buffer, lineBuffer_.data(), std::size_t(n));
        lineBuffer_.erase(0, std::size_t(n));
        lineLength_ -= n;
        error = 0;
        return n;
    }
    if (!lineBuffer_.empty()) {
        int n = std::min(len, int(lineBuffer_.size()));
        std::memcpy(buffer, lineBuffer_.data(), std::size_t(n));
        lineBuffer_.erase(0, std::size_t(n));
        lineLength_ = std::max(0, lineLength_ - n);
        error = 0;
        return n;
    }
    return TCustomSocksSocket::ReceiveRaw(buffer, len, error);
}

void TCustomLineSocket::Echo(const std::string& bytes) {
    if (bytes.empty() || state_ != wsConnected) return;
    try {
        Send(bytes.data(), int(bytes.size()));
    } catch (const ESocketException&) {
    }
}

std::size_t TCustomLineSocket::EditLine(std::size_t from) {
    std::string out = lineBuffer_.substr(0, from);
    std::size_t firstChanged = lineBuffer_.size();
    std::string echo;
    for (std::size_t i = from; i < lineBuffer_.size(); ++i) {
        char c = lineBuffer_[i];
        if (c == '\b') {
            if (!out.empty()) {
                out.pop_back();
                if (lineEcho_) echo += "\b \b";
            }
            firstChanged = std::min(firstChanged, out.size());
        } else if (c == '\t') {
            // The column counts from the start of the current line.
            std::size_t lineStart = 0;
            if (!lineEnd_.empty()) {
                std::size_t p = out.rfind(lineEnd_);
                if (p != std::string::npos) lineStart = p + lineEnd_.size();
            }
            std::size_t column = out.size() - lineStart;
            std::size_t blanks = 8 - column % 8;
            firstChanged = std::min(firstChanged, out.size());
            out.append(blanks, ' ');
            if (lineEcho_) echo.append(blanks, ' ');
        } else {
            out.push_back(c);
            if (lineEcho_) echo.push_back(c);
        }
    }
    lineBuffer_ = std::move(out);
    Echo(echo);
    return std::min(firstChanged, from);
}

bool TCustomLineSocket::OfferLine() {
    std::weak_ptr<int> alive = AliveToken();
    while (lineMode_ && lineLength_ > 0) {
        int before = lineLength_;
        if (!TCustomAsyncSocket::FireDataAvailable(0)) {
            // Nobody to read it: the line is dropped.
            lineBuffer_.erase(0, std::size_t(lineLength_));
            lineLength_ = 0;
            return true;
        }
        if (alive.expired()) return false;
        if (lineLength_ == before) return false;  // left unread: it stays pending
    }
    return lineLength_ == 0;
}

void TCustomLineSocket::DeliverLines(std::size_t from) {
    std::weak_ptr<int> alive = AliveToken();
    // A line left unread earlier is offered first.
    if (lineLength_ > 0) {
        if (!OfferLine() || alive.expired()) return;
        from = 0;
    }
    while (lineMode_ && !lineEnd_.empty()) {
        std::size_t at = lineBuffer_.find(lineEnd_, from);
        if (at == std::string::npos) return;
        lineLength_ = int(at + lineEnd_.size());
        lineReceived_ = true;
        if (!OfferLine() || alive.expired()) return;
        from = 0;
    }
}

bool TCustomLineSocket::FireDataAvailable(int error) {
    if (!lineMode_ || lineEnd_.empty() || SocksState() != 0 || error != 0)
        return TCustomSocksSocket::FireDataAvailable(error);
    int waiting = TCustomSocksSocket::GetRcvdCount();
    if (waiting <= 0) return true;
    std::size_t oldEnd = lineBuffer_.size();
    lineBuffer_.resize(oldEnd + std::size_t(waiting));
    int err = 0;
    int n = TCustomSocksSocket::ReceiveRaw(lineBuffer_.data() + oldEnd, waiting, err);
    lineBuffer_.resize(oldEnd + std::size_t(std::max(n, 0)));
    if (n <= 0) return true;
    NoteConsumed();
    std::size_t from;
    if (lineEdit_) {
        from = EditLine(oldEnd);
    } else {
        if (lineEcho_) Echo(lineBuffer_.substr(oldEnd));
        from = oldEnd;
    }
    // A line end split over two receives is found by starting a line end's length before the new bytes.
    from = from > lineEnd_.size() ? from - lineEnd_.size() : 0;
    DeliverLines(from);
    return true;
}

void TCustomLineSocket::FireSessionClosed(int error) {
    std::weak_ptr<int> alive = AliveToken();
    lineReceived_ = true;
    if (lineMode_ && !lineBuffer_.empty()) {
        // The last bytes, without a line end, as a last line.
        lineLength_ = int(lineBuffer_.size());
        OfferLine();
        if (alive.expired()) return;
    }
    lineBuffer_.clear();
    lineBuffer_.shrink_to_fit();
    lineLength_ = 0;
    TCustomSocksSocket::FireSessionClosed(error);
}

}  // namespace fv
