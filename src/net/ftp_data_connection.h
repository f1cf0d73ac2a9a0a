// TFtpDataConnection: the bytes of one FTP transfer between the local file and the data socket.
//
// It opens the local file of a get or a put (at the resume position when there is one), moves one block
// at a time between the file and the socket, counts the bytes, half-closes the socket after the last
// byte of a put, and judges the end of a put's data connection. The commands and replies of the
// transfer belong to the client (TCustomFtpClient); so do the socket's events, which call in here.
//
// Data moves in blocks of up to 256 KB when receiving and of 64 socket buffers (64 x 1514 bytes) when
// sending, with one progress event per block. A put's blocks go from the file to the socket in the
// system, without a copy through this process, whenever the socket takes them that way (a connected
// stream with nothing waiting in its send chain); else each block is read into a buffer and sent. A get's
// blocks are written with one call each. The file is unbuffered: a buffer of the stream would only split
// a large block in two calls.
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "platform/core/message_loop.h"

namespace fv {

class TCustomAsyncSocket;

class TFtpDataConnection {
public:
    static constexpr int ReceiveBlockSize = 256 * 1024;
    static constexpr int SendBlockSize = 64 * 1514;
    // Blocks handed to the socket in one go while it takes each of them whole: the socket never holds
    // more than one block beyond what the system's send buffer holds, and the loop stays responsive.
    static constexpr int BlocksPerTurn = 8;

    // What a receive or a send turn came to.
    enum class Outcome {
        Moved,          // a block was received (and written to the file, when one is open)
        Waiting,        // the socket has nothing more now, or will say when it takes more
        Stopped,        // the caller's check, or the socket's state, ended the turn
        EndOfFile,      // the whole file went and the sending side is shut
        WriteFailed,    // the local file refused a block
        ReadFailed,     // the local file could not be read
        ReceiveFailed,  // the socket reported an error of its own
    };

    explicit TFtpDataConnection(TCustomAsyncSocket& socket);
    ~TFtpDataConnection();
    TFtpDataConnection(const TFtpDataConnection&) = delete;
    TFtpDataConnection& operator=(const TFtpDataConnection&) = delete;

    // Opens the local file of a get: from its start (replacing a plain file of this user's, see the .cpp),
    // or at resumeAt. False when it cannot be opened or positioned.
    bool OpenForReceive(const std::string& name, std::int64_t resumeAt);
    // Opens the local file of a put, positioned at resumeAt. False when it cannot be opened or positioned.
    bool OpenForSend(const std::string& name, std::int64_t resumeAt);
    bool FileOpen() const { return file_ != nullptr; }
    // False when the close failed (the last bytes did not reach the disk).
    bool CloseFile();

    std::int64_t ByteCount() const { return byteCount_; }
    void ResetCount() { byteCount_ = 0; }
    // The last block of a put was read and the sending side shut.
    bool EndOfFile() const { return endOfFile_; }

    // Receives one block from the socket into the file; data and len give the block on Moved.
    Outcome ReceiveBlock(const char*& data, int& len);
    // Reads blocks from the file and sends them, up to BlocksPerTurn, while the socket takes each whole;
    // mayGoOn is asked before every block after the first. At the end of the file the file is closed and
    // the sending side of the socket shut.
    Outcome SendBlocks(const std::function<bool()>& mayGoOn);

    // Why the end of a put's data connection leaves the file unconfirmed, or empty when the server took
    // all of it. Read while the connection is still open.
    std::string StoreEndProblem(int error) const;
    // The same from its facts: whether the last byte went, the error of the close, and the bytes the
    // server did not acknowledge (-1 unknown; a FIN of this side counts one).
    static std::string StoreEndProblem(bool endOfFile, int error, int unacknowledged);

    // Each run of CR and LF ends one line; a line cut by the end of the block comes as two.
    static void SplitLines(const char* data, int len, const std::function<void(std::string)>& line);
    // "! N bytes received/sent in S seconds (R Bytes/sec)"; no rate for a time of 0.
    static std::string StatsLine(std::int64_t bytes, Millis ms);
    // The size of a local file, -1 when it has none.
    static std::int64_t LocalFileSize(const std::string& name);

private:
    // One block of a put straight from the file to the socket; false when the socket would not take it
    // that way and none of it went.
    bool SendBlockDirect(Outcome& outcome);
    // One block of a put read into a buffer of ours and handed to the socket's send chain.
    Outcome SendBlockBuffered();
    // Closes the file and shuts the sending side after the last byte.
    Outcome EndOfFileReached();

    TCustomAsyncSocket& socket_;
    std::FILE* file_ = nullptr;
    std::int64_t byteCount_ = 0;
    // Where the next byte of a put comes from in the file.
    std::int64_t offset_ = 0;
    bool endOfFile_ = false;
    std::vector<char> sendBuffer_;
    std::vector<char> receiveBuffer_;
};

}  // namespace fv
