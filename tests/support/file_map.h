// The files of a folder with their bytes, for tests that compare what lies in a folder with what must.
#pragma once

#include <map>
#include <string>

#include "platform/fs/files.h"

namespace fv::testing {

// Every file of a folder (not its subfolders) by name, with its bytes.
using FileMap = std::map<std::string, std::string>;

inline FileMap FilesIn(const std::string& folder) {
    FileMap files;
    for (const std::string& name : ListFiles(folder, "*")) files[name] = ReadWholeFile(JoinPath(folder, name)).value();
    return files;
}

}  // namespace fv::testing
