// Any bytes as the last-use file: the reader takes at most 1000 bytes a line and no line end into a text,
// and what it read writes a file that reads back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "records/state_files.h"

namespace {

bool Same(const fv::LastUse& a, const fv::LastUse& b) {
    return a.DatabaseDirectory == b.DatabaseDirectory && a.DatabaseFileName == b.DatabaseFileName &&
           a.BrowserDirectory == b.BrowserDirectory && a.BrowserProgram == b.BrowserProgram && a.Sizes == b.Sizes;
}

bool FitsALine(const std::string& text) { return text.size() <= 1000 && text.find('\r') == std::string::npos; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fv::FuzzCheck;
    const fv::LastUse read = fv::ParseLastUse(std::string(reinterpret_cast<const char*>(data), size));
    for (const std::string* text : {&read.DatabaseDirectory, &read.DatabaseFileName, &read.BrowserDirectory,
                                    &read.BrowserProgram}) {
        FuzzCheck(FitsALine(*text));
        FuzzCheck(*text != fv::NullText);
    }
    const std::string written = fv::LastUseText(read);
    FuzzCheck(Same(fv::ParseLastUse(written), read));
    return 0;
}
