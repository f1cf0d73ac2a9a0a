// Any bytes as the last-use file: the reader takes at most 1000 bytes a line and no line end into a text,
// and what it read writes a file that reads back the same, but for a text of the whole 1000 bytes, which
// the writer leaves out (the reader could not tell it from a longer one) and which reads back empty.
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

bool FitsALine(const std::string& text) {
    return text.size() <= fv::LastUseLineLimit && text.find('\r') == std::string::npos;
}

// What the writer keeps of a text it read.
std::string Kept(const std::string& text) { return text.size() < fv::LastUseLineLimit ? text : std::string(); }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fv::FuzzCheck;
    const fv::LastUse read = fv::ParseLastUse(std::string(reinterpret_cast<const char*>(data), size));
    for (const std::string* text : {&read.DatabaseDirectory, &read.DatabaseFileName, &read.BrowserDirectory,
                                    &read.BrowserProgram}) {
        FuzzCheck(FitsALine(*text));
        FuzzCheck(*text != fv::NullText);
    }
    fv::LastUse kept = read;
    for (std::string* text : {&kept.DatabaseDirectory, &kept.DatabaseFileName, &kept.BrowserDirectory,
                              &kept.BrowserProgram})
        *text = Kept(*text);
    const std::string written = fv::LastUseText(read);
    FuzzCheck(Same(fv::ParseLastUse(written), kept));
    return 0;
}
