// Reading a configuration file back into the windows' controls, for the current version and every older
// one back to "v1.1": the reader walks the item table of the file and takes the rows a file of its version
// holds; a row an older file lacks keeps its control's value, or takes the value the table gives for old
// files.
#pragma once

#include <string>

#include "records/configuration.h"
#include "records/database_state.h"
#include "records/text_stream.h"

namespace fv {

class Application;

// A directory that exists, or the root after an exclamation beep and the message
// prefix + "'" + dir + "'. Defaulting to '/'. Please modify before Publishing or Saving.".
std::string DirectoryOrRoot(Application& app, const std::string& dir, const std::string& prefix);

// Restores every setting the file holds. During an import (importSource) the import wizard, ODBC and
// shopping-cart items are read but not applied. Lines are read whole, however long. Returns the version
// line. Throws std::logic_error when a window or control it names does not exist.
std::string ReadConfiguration(Application& app, DatabaseState& db, TextStream& s, bool importSource);

}  // namespace fv
