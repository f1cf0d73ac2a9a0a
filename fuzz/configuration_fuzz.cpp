// Any bytes as a configuration file, read into windows made from the item table: no crash, no hang,
// whatever the version line, the blocks or the length of the lines; and the settings read write a file
// that reads back to the same settings, but for the texts the table gives a value when unset (an emptied
// row list is written "(null)" and comes back as that value).
//
// The windows and the database state (a table of 5000 records) are built once: building the state alone
// cost ten times more than a read, and the reader sets every value it touches.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "fuzz_check.h"
#include "platform/fs/files.h"
#include "records/configuration.h"
#include "records/configuration_reader.h"
#include "records/record_text.h"
#include "synthetic_windows.h"

namespace {

// What a read depends on besides the file and the windows, as a fresh database has it.
void Reset(fv::DatabaseState& db, const std::string& home) {
    db.DatabaseDirectory = home;
    db.PublishDirectory = "none";
    db.DatabaseImageDirectory.clear();
    db.LastImageDirectory.clear();
    db.ReadingConfig = 1;
}

// The values unset texts read as.
const std::set<std::string>& UnsetValues() {
    static const std::set<std::string> values = [] {
        std::set<std::string> v;
        for (const fv::ConfigItem& item : fv::ConfigurationTable())
            if (!item.Unset.empty()) v.insert(item.Unset);
        return v;
    }();
    return values;
}

// Line by line the same, or "(null)" read back as an unset text's value.
bool SameSettings(const std::string& written, const std::string& again) {
    fv::TextStream a(written), b(again);
    while (!a.Eof() || !b.Eof()) {
        const std::string x = fv::ReadTextLine(a, written.size() + 1), y = fv::ReadTextLine(b, again.size() + 1);
        if (x != y && !(x == fv::ConfigNull && UnsetValues().count(y))) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fv::SyntheticWindows* windows = new fv::SyntheticWindows();
    static fv::DatabaseState* db = new fv::DatabaseState();
    static const std::string home = fv::CurrentDirectory();
    fv::Application& app = windows->app;
    Reset(*db, home);
    const bool importSource = size % 3 == 0;
    fv::TextStream s(std::string(reinterpret_cast<const char*>(data), size));
    fv::ReadConfiguration(app, *db, s, importSource);

    // A written file holds every item of the current version, so what it reads back to depends on the
    // file alone: a file already found to read back the same (by its hash, in a table of fixed size so that
    // no input allocates for good, which the fuzzer's leak check would take for a leak) is not read again.
    static std::vector<std::size_t>* checked = new std::vector<std::size_t>(std::size_t(1) << 16, 0);
    const std::string written = fv::ConfigurationText(app, *db);
    const std::size_t key = std::hash<std::string>()(written) | 1;
    std::size_t& slot = (*checked)[(key >> 1) & (checked->size() - 1)];
    if (slot != key) {
        fv::TextStream file(written);
        fv::FuzzCheck(fv::ReadConfiguration(app, *db, file, false) == fv::ConfigVersion);
        fv::FuzzCheck(SameSettings(written, fv::ConfigurationText(app, *db)));
        slot = key;
    }

    app.Scripted().ClearLog();
    fv::ChangeDirectory(home);
    return 0;
}
