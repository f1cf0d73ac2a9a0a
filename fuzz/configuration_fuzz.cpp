// Any bytes as a configuration file, read into windows made from the item table: no crash, no hang,
// whatever the version line, the blocks or the length of the lines; and the settings read write a file
// that reads back whole (no item missing) to the same settings, but for the texts the table gives a value
// when unset (an emptied row list is written "(null)" and comes back as that value).
//
// The windows and the database state (a table of 5000 records) are built once: building the state alone
// cost ten times more than a read, and the reader sets every value it touches.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <utility>
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

// The lines of a file as the configuration's line reader takes them: up to a CR, which is dropped with
// the byte after it; a read at the end gives an empty line and ends the file.
class Lines {
public:
    explicit Lines(std::string_view bytes) : bytes_(bytes) {}
    bool Ended() const { return ended_; }
    std::string_view Next() {
        if (pos_ >= bytes_.size()) {
            ended_ = true;
            return {};
        }
        const std::size_t cr = bytes_.find('\r', pos_);
        if (cr == std::string_view::npos) {
            const std::string_view line = bytes_.substr(pos_);
            pos_ = bytes_.size();
            ended_ = true;
            return line;
        }
        const std::string_view line = bytes_.substr(pos_, cr - pos_);
        pos_ = cr + 1;
        if (pos_ < bytes_.size())
            ++pos_;
        else
            ended_ = true;
        return line;
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    bool ended_ = false;
};

// Line by line the same, or "(null)" read back as an unset text's value.
bool SameSettings(const std::string& written, const std::string& again) {
    if (written == again) return true;
    Lines a(written), b(again);
    while (!a.Ended() || !b.Ended()) {
        const std::string_view x = a.Next(), y = b.Next();
        if (x != y && !(x == fv::ConfigNull && UnsetValues().count(std::string(y)))) return false;
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
    // The items a file does not hold whole are listed as the load lists them, into room made once.
    static std::vector<const fv::ConfigItem*>* missing = [] {
        auto* list = new std::vector<const fv::ConfigItem*>();
        list->reserve(fv::ConfigurationTable().size());
        return list;
    }();
    fv::TextStream s(std::string(reinterpret_cast<const char*>(data), size));
    fv::ReadConfiguration(app, *db, s, importSource, missing);

    // A written file holds every item of the current version, so what it reads back to depends on the
    // file alone: a file already found to read back the same (by its hash, in a table of fixed size so that
    // no input allocates for good, which the fuzzer's leak check would take for a leak) is not read again.
    static std::vector<std::size_t>* checked = new std::vector<std::size_t>(std::size_t(1) << 16, 0);
    std::string written = fv::ConfigurationText(app, *db);
    const std::size_t key = std::hash<std::string>()(written) | 1;
    std::size_t& slot = (*checked)[(key >> 1) & (checked->size() - 1)];
    if (slot != key) {
        fv::TextStream file(std::move(written));
        fv::FuzzCheck(fv::ReadConfiguration(app, *db, file, false, missing) == fv::ConfigVersion);
        fv::FuzzCheck(missing->empty());
        fv::FuzzCheck(SameSettings(file.Bytes(), fv::ConfigurationText(app, *db)));
        slot = key;
    }

    app.Scripted().ClearLog();
    fv::ChangeDirectory(home);
    return 0;
}
