// TextStream: a byte stream for reading the program's text files and foreign delimited files. It holds
// the whole file (a database is a few megabytes at most) and keeps an end-of-file state that is set by
// the read that runs into the end, as buffered C streams do, which the readers' rules depend on.
#pragma once

#include <optional>
#include <string>

namespace fv {

class TextStream {
public:
    explicit TextStream(std::string bytes) : bytes_(std::move(bytes)) {}
    // The whole file; nullopt when it cannot be opened for reading (or is a directory).
    static std::optional<TextStream> Open(const std::string& path);

    // The next byte (0..255), or -1 at the end, which sets the end-of-file state.
    int Get() {
        if (pos_ >= bytes_.size()) {
            eof_ = true;
            return -1;
        }
        return static_cast<unsigned char>(bytes_[pos_++]);
    }
    bool Eof() const { return eof_; }
    void Rewind() {
        pos_ = 0;
        eof_ = false;
    }
    std::size_t Position() const { return pos_; }
    // For readers that scan the bytes themselves: move to pos; reaching the end by a scan counts as a
    // read that ran into it.
    void SetPosition(std::size_t pos) { pos_ = pos < bytes_.size() ? pos : bytes_.size(); }
    void MarkEof() { eof_ = true; }
    std::size_t Size() const { return bytes_.size(); }
    const std::string& Bytes() const { return bytes_; }

private:
    std::string bytes_;
    std::size_t pos_ = 0;
    bool eof_ = false;
};

}  // namespace fv
