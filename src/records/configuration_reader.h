// Reading a configuration file back into the windows' controls, for the current version and every older
// one back to "v1.1": the reader walks the item table of the file and takes the rows a file of its version
// holds; a row an older file lacks keeps its control's value, or takes the value the table gives for old
// files.
#pragma once

#include <string>
#include <vector>

#include "records/configuration.h"
#include "records/database_state.h"
#include "records/text_stream.h"

namespace fv {

class Application;

// A directory that exists, or the root after an exclamation beep and the message
// prefix + "'" + dir + "'. Defaulting to '/'. Please modify before Publishing or Saving.".
std::string DirectoryOrRoot(Application& app, const std::string& dir, const std::string& prefix);

// Restores every setting the file holds. During an import (importSource) the import wizard, ODBC and
// shopping-cart items are read but not applied. Lines are read whole, however long. A file that ends
// early restores the items it holds whole; the item it cuts and every later one are not applied (each
// control keeps its value) and are listed in missing. Returns the version line. Throws std::logic_error
// when a window or control it names does not exist.
std::string ReadConfiguration(Application& app, DatabaseState& db, TextStream& s, bool importSource,
                              std::vector<const ConfigItem*>* missing = nullptr);

// The items a configuration file of these bytes does not hold whole because it ends early (its version's
// items, in file order); empty for a whole file. Nothing is applied.
std::vector<const ConfigItem*> MissingConfigurationItems(const std::string& bytes);

// The message for a configuration file that ended early: which settings took their defaults (by window),
// and the name under which the file as it is will be kept before it is written again.
std::string EndedEarlyMessage(const Application& app, const std::string& configFile,
                              const std::vector<const ConfigItem*>& missing, const std::string& keptName);

// The name beside the configuration file under which it is kept before it is overwritten: "<name>.bak",
// or "<name>.bak2", "<name>.bak3"... when that is taken, so an earlier kept file is never overwritten.
std::string KeptConfigurationName(const std::string& configFile);

}  // namespace fv
