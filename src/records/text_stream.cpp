// Opening a file as a TextStream.
#include "records/text_stream.h"

#include "platform/fs/files.h"

namespace fv {

std::optional<TextStream> TextStream::Open(const std::string& path) {
    std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) return std::nullopt;
    return TextStream(std::move(*bytes));
}

}  // namespace fv
