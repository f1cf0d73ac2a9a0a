// TCustomLineSocket: delivers received data one line at a time, with optional echo and simple line
// editing (backspace, tab) for terminal-like peers.
//
// In line mode the bytes are gathered in LineBuffer; each complete line (LineEnd included) is offered to
// the owner's data event, where Receive hands out at most that line. A line the owner leaves unread stays
// pending and is offered again with the next data, so a handler that does not read cannot make the socket
// spin. When the connection closes, an unfinished last line is delivered without a line end.
#pragma once

#include <string>

#include "net/socks_socket.h"

namespace fv {

class TCustomLineSocket : public TCustomSocksSocket {
public:
    using TCustomSocksSocket::TCustomSocksSocket;

    bool LineMode() const { return lineMode_; }
    virtual void SetLineMode(bool value);
    const std::string& LineEnd() const { return lineEnd_; }
    void SetLineEnd(const std::string& value) { lineEnd_ = value; }
    bool LineEcho() const { return lineEcho_; }
    void SetLineEcho(bool value) { lineEcho_ = value; }
    bool LineEdit() const { return lineEdit_; }
    void SetLineEdit(bool value) { lineEdit_ = value; }

    // Bytes held in the line buffer, and of them the bytes of the current line still to be read.
    int LineBufferLength() const { return int(lineBuffer_.size()); }
    int LineLength() const { return lineLength_; }
    bool LineReceived() const { return lineReceived_; }

    void WndProc(const TSocketMessage& msg) override;

protected:
    // Edits the bytes from `from` on in place; returns the first position the editing changed.
    virtual std::size_t EditLine(std::size_t from);
    int GetRcvdCount() override;
    bool FireDataAvailable(int error) override;
    void FireSessionClosed(int error) override;
    int ReceiveRaw(void* buffer, int len, int& error) override;

private:
    // Offers the lines in the buffer, searching for line ends from `from`.
    void DeliverLines(std::size_t from);
    // Offers the current line to the owner until it is read, the owner stops reading or line mode ends.
    // Returns true when the line was read (or dropped for want of a handler).
    bool OfferLine();
    void Echo(const std::string& bytes);

    bool lineMode_ = false;
    std::string lineEnd_ = "\r\n";
    bool lineEcho_ = false;
    bool lineEdit_ = false;
    std::string lineBuffer_;
    int lineLength_ = 0;
    bool lineReceived_ = false;
};

}  // namespace fv
