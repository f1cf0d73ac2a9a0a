// TFtpDataConnection: the local file of a transfer, the blocks between it and the data socket, and the
// judgement of a put's end.
#include "net/ftp_data_connection.h"

#include <fcntl.h>
#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "net/custom_async_socket.h"

namespace fv {

namespace {

// The bytes sent on a connection that its peer has not acknowledged, a FIN of this side counting one;
// -1 when the system cannot tell.
int UnacknowledgedBytes(int fd) {
    int n = 0;
    if (fd < 0 || ::ioctl(fd, SIOCOUTQ, &n) != 0) return -1;
    return n;
}

// Opens the local file of a get from its start. A file of this user's that has one name and may be written
// is replaced by a new file with the same permissions rather than emptied in place: the file system
// writes a file emptied in place out to disk at its close and makes the next emptying wait for that, a
// disk wait per file when the same files are fetched again. Anything else (a symbolic link, a file with
// more names, another user's file, one that may not be written) is opened as it is and emptied, so a
// get writes through a link and never replaces what it could not write.
std::FILE* OpenLocalFileAfresh(const std::string& name) {
    struct stat st {};
    if (::lstat(name.c_str(), &st) == 0 && S_ISREG(st.st_mode) && st.st_nlink == 1 && st.st_uid == ::geteuid() &&
        ::access(name.c_str(), W_OK) == 0 && ::unlink(name.c_str()) == 0) {
        const mode_t mode = st.st_mode & 07777;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
        if (fd >= 0) {
            // The permissions are the old file's, whatever the process's mask says.
            if (::fchmod(fd, mode) == 0)
                if (std::FILE* f = ::fdopen(fd, "wb")) return f;
            ::close(fd);
        }
        // Something else took the name meanwhile: written through like any other file.
    }
    return std::fopen(name.c_str(), "wb");
}

}  // namespace

TFtpDataConnection::TFtpDataConnection(TCustomAsyncSocket& socket) : socket_(socket) {}

TFtpDataConnection::~TFtpDataConnection() { CloseFile(); }

bool TFtpDataConnection::CloseFile() {
    if (!file_) return true;
    bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
}

bool TFtpDataConnection::OpenForReceive(const std::string& name, std::int64_t resumeAt) {
    CloseFile();
    byteCount_ = 0;
    endOfFile_ = false;
    file_ = resumeAt <= 0 ? OpenLocalFileAfresh(name) : std::fopen(name.c_str(), "r+b");
    if (file_ && resumeAt > 0 && ::fseeko(file_, off_t(resumeAt), SEEK_SET) != 0) CloseFile();
    if (!file_) return false;
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return true;
}

bool TFtpDataConnection::OpenForSend(const std::string& name, std::int64_t resumeAt) {
    CloseFile();
    byteCount_ = 0;
    endOfFile_ = false;
    file_ = std::fopen(name.c_str(), "rb");
    if (file_ && resumeAt > 0 && ::fseeko(file_, off_t(resumeAt), SEEK_SET) != 0) CloseFile();
    if (!file_) return false;
    offset_ = std::max<std::int64_t>(resumeAt, 0);
    std::setvbuf(file_, nullptr, _IONBF, 0);
    return true;
}

TFtpDataConnection::Outcome TFtpDataConnection::ReceiveBlock(const char*& data, int& len) {
    receiveBuffer_.resize(ReceiveBlockSize);
    char* buf = receiveBuffer_.data();
    const int n = socket_.Receive(buf, ReceiveBlockSize);
    if (n > 0) {
        byteCount_ += n;
        data = buf;
        len = n;
        if (file_ && std::fwrite(buf, 1, std::size_t(n), file_) != std::size_t(n)) return Outcome::WriteFailed;
        return Outcome::Moved;
    }
    data = nullptr;
    len = 0;
    if (n < 0 && socket_.State() == wsConnected && socket_.LastError() != SockEWOULDBLOCK)
        return Outcome::ReceiveFailed;
    return Outcome::Waiting;
}

TFtpDataConnection::Outcome TFtpDataConnection::SendBlocks(const std::function<bool()>& mayGoOn) {
    for (int block = 0; block < BlocksPerTurn; ++block) {
        if (block > 0 && !mayGoOn()) return Outcome::Stopped;
        if (!file_) return Outcome::Stopped;
        Outcome outcome = Outcome::Moved;
        if (!SendBlockDirect(outcome)) outcome = SendBlockBuffered();
        if (outcome != Outcome::Moved) return outcome;
    }
    return Outcome::Waiting;
}

bool TFtpDataConnection::SendBlockDirect(Outcome& outcome) {
    int sent = 0;
    outcome = Outcome::Moved;
    while (sent < SendBlockSize) {
        const int n = socket_.SendFile(::fileno(file_), offset_, SendBlockSize - sent);
        if (n > 0) {
            byteCount_ += n;
            sent += n;
            if (!file_ || socket_.State() != wsConnected) {
                outcome = Outcome::Waiting;
                return true;
            }
            continue;
        }
        if (n == TCustomAsyncSocket::SendFileLater) {
            outcome = Outcome::Waiting;
            return true;
        }
        if (n == 0) {
            // The end of the file: what went of this block is a block of its own.
            if (sent == 0) outcome = EndOfFileReached();
            return true;
        }
        // Refused: the rest of the file takes the road through the buffer.
        return sent > 0;
    }
    return true;
}

TFtpDataConnection::Outcome TFtpDataConnection::SendBlockBuffered() {
    sendBuffer_.resize(SendBlockSize);
    if (::fseeko(file_, off_t(offset_), SEEK_SET) != 0) return Outcome::ReadFailed;
    const std::size_t n = std::fread(sendBuffer_.data(), 1, SendBlockSize, file_);
    if (n == 0) return std::ferror(file_) ? Outcome::ReadFailed : EndOfFileReached();
    if (socket_.State() != wsConnected) return Outcome::Stopped;
    byteCount_ += std::int64_t(n);
    offset_ += std::int64_t(n);
    socket_.Send(sendBuffer_.data(), int(n));
    // Wait for the data-sent event unless the system took the block at once.
    if (!file_ || !socket_.AllSent() || socket_.State() != wsConnected) return Outcome::Waiting;
    return Outcome::Moved;
}

TFtpDataConnection::Outcome TFtpDataConnection::EndOfFileReached() {
    // The whole file went: the half-close tells the server so, and the server's end of the connection
    // tells whether it took all of it (StoreEndProblem).
    endOfFile_ = true;
    CloseFile();
    if (socket_.State() == wsConnected) socket_.Shutdown(1);
    return Outcome::EndOfFile;
}

std::string TFtpDataConnection::StoreEndProblem(int error) const {
    const int unacknowledged = endOfFile_ && error == 0 ? UnacknowledgedBytes(socket_.HSocket()) : -1;
    return StoreEndProblem(endOfFile_, error, unacknowledged);
}

std::string TFtpDataConnection::StoreEndProblem(bool endOfFile, int error, int unacknowledged) {
    // A server that read everything acknowledged every byte and the FIN before its own end came (at most
    // the FIN may still be on its way when it closed right after the last byte). A 226 after any of these
    // would hide a truncated file.
    if (!endOfFile) return "426 Data connection closed before the whole file was sent";
    if (error != 0) return "426 Data connection broken after the last byte, error #" + std::to_string(error);
    if (unacknowledged < 0 || unacknowledged > 1) return "426 Data connection closed before the server took the whole file";
    return {};
}

void TFtpDataConnection::SplitLines(const char* data, int len, const std::function<void(std::string)>& line) {
    int i = 0;
    while (i < len) {
        int j = i;
        while (j < len && data[j] != '\r' && data[j] != '\n') ++j;
        line(std::string(data + i, std::size_t(j - i)));
        while (j < len && (data[j] == '\r' || data[j] == '\n')) ++j;
        i = j;
    }
}

std::string TFtpDataConnection::StatsLine(std::int64_t bytes, Millis ms) {
    std::string line = "! " + std::to_string(bytes) + " bytes received/sent in " + std::to_string(ms / 1000) + " seconds";
    if (ms != 0) {
        std::int64_t rate = bytes < 32768 ? bytes * 1000 / ms : bytes / ms * 1000;
        line += " (" + std::to_string(rate) + " Bytes/sec)";
    }
    return line;
}

std::int64_t TFtpDataConnection::LocalFileSize(const std::string& name) {
    struct stat st {};
    if (name.empty() || ::stat(name.c_str(), &st) != 0) return -1;
    return std::int64_t(st.st_size);
}

}  // namespace fv
