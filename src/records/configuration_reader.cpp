// The configuration reader: every row of the item table that the file's version holds, in file order.
#include "records/configuration_reader.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <stdexcept>
#include <string_view>

#include "platform/app/application.h"
#include "platform/fs/files.h"
#include "platform/gfx/colour_names.h"
#include "platform/text/numbers.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/form.h"
#include "platform/ui/image.h"
#include "platform/ui/memo.h"
#include "records/config_controls.h"
#include "records/file_warning.h"
#include "records/new_database_defaults.h"
#include "records/record_text.h"

namespace fv {

namespace {

void SetListDirectory(DirectoryListBox& list, const std::string& dir);

class Reader {
public:
    // Without an application the reader only walks the file to find where it ends (nothing is applied).
    // The items the file's version holds that the file does not hold whole go to missing, in file order,
    // when it is given.
    Reader(Application* app, DatabaseState* db, TextStream& s, bool importSource,
           std::vector<const ConfigItem*>* missing)
        : app_(app), db_(db), s_(s), import_(importSource), missing_(missing) {
        if (app) controls_.emplace(*app);
        if (missing_) missing_->clear();
    }

    std::string Run();

private:
    bool Applying() const { return app_ != nullptr; }
    void Missed(const ConfigItem& item) {
        if (missing_) missing_->push_back(&item);
    }
    // One line, read whole however long (a longer line than the old limit would otherwise shift every
    // later item); false when the file ends before the line's CR, so the line is cut or not there at all.
    // The run up to the CR is taken in one step, as a view of the stream's bytes (copied only where a
    // value keeps it); the stream then stands as a read byte by byte leaves it.
    bool WholeLine(std::string_view& line) {
        const std::string& bytes = s_.Bytes();
        const std::size_t start = std::min(s_.Position(), bytes.size());
        const void* cr = std::memchr(bytes.data() + start, '\r', bytes.size() - start);
        if (!cr) {
            line = std::string_view(bytes).substr(start);
            s_.SetPosition(bytes.size());
            s_.Get();  // the read that runs into the end
            return false;
        }
        const std::size_t end = std::size_t(static_cast<const char*>(cr) - bytes.data());
        line = std::string_view(bytes).substr(start, end - start);
        s_.SetPosition(end + 1);
        s_.Get();  // the byte after the CR, whatever it is
        return true;
    }
    static std::string Text(std::string_view line) { return line == ConfigNull ? std::string() : std::string(line); }
    // True when the line is the word, a space and the block's tag ("START HTML", "END SQL").
    static bool TagLine(std::string_view line, std::string_view word, const std::string& tag) {
        return line.size() == word.size() + 1 + tag.size() && line.starts_with(word) && line[word.size()] == ' ' &&
               line.substr(word.size() + 1) == tag;
    }
    template <class T> T& Get(const std::string& form, const std::string& name) {
        return controls_->Get<T>(form, name);
    }
    template <class T> T& Get(const ConfigItem& item, ConfigPart part = ConfigPart::Setting) {
        return controls_->Get<T>(item, part);
    }
    void SetSwatch(const std::string& form, const std::string& name, const std::string& colour) {
        Get<Control>(form, name).SetColor(NameToColour(colour));
    }
    void SetSwatch(const ConfigItem& item, const std::string& colour) {
        Get<Control>(item, ConfigPart::Swatch).SetColor(NameToColour(colour));
    }

    // Puts one line back where the writer took it from. The line is the file's, or for a row the file
    // lacks, the table's line for old files.
    void Apply(const ConfigItem& item, std::string_view line);
    // Rows whose lines are not a single line of the file.
    // Each false when the file ended before the item was read whole (then nothing is applied).
    bool ColourNumber(const ConfigItem& item);
    bool Block(const ConfigItem& item, std::string_view first, bool apply);
    void Directory(const ConfigItem& item, const std::string& line);
    void Preview(const ConfigItem& directory, const std::string& dir);

    Application* app_;
    std::optional<ConfigControls> controls_;
    DatabaseState* db_;
    TextStream& s_;
    bool import_;
    std::string version_;
    int firstList_ = 0;  // of version_, see FirstListOf
    std::vector<const ConfigItem*>* missing_;
};

std::string Reader::Run() {
    if (Applying()) {
        db_->ReadingConfig = 1;
        InitialiseFontStructure(*db_);
        SetSwatch("FolivexForm", "LabelColour", "White");
        SetSwatch("FolivexForm", "ScrollColour", "Silver");
        SetSwatch("PublishSetupForm", "InstructionColour", "Silver");
    }

    // A file that ends early: the item it cuts and every later one are not applied, so that each keeps
    // the value it had (the load puts the defaults of a database without configuration there first); a
    // cut line or block is never taken for a whole value.
    bool ended = false;
    for (const ConfigItem& item : ConfigurationTable()) {
        if (item.Kind == ConfigKind::Version) {
            std::string_view line;
            ended = !WholeLine(line);
            version_ = ended ? std::string() : Text(line);
            firstList_ = FirstListOf(version_);
            if (ended) Missed(item);
            continue;
        }
        if (!FileHasItem(item, firstList_)) {
            if (item.OldLine && Applying()) Apply(item, *item.OldLine);
            continue;
        }
        if (ended) {
            Missed(item);
            continue;
        }
        if (item.Kind == ConfigKind::ColourNumber) {
            ended = !ColourNumber(item);
            if (ended) Missed(item);
            continue;
        }
        std::string_view line;
        ended = !WholeLine(line);
        if (!ended && item.Kind == ConfigKind::Block) {
            const bool apply = Applying() && !(item.KeptOnImport && import_);
            // The memo is emptied only when its block is there whole.
            if (apply && item.ClearedFirst) Get<Memo>(item).SetText("");
            ended = !Block(item, line, apply);
            if (!ended) continue;
        }
        if (ended) {
            Missed(item);
            continue;
        }
        if (!Applying() || (item.KeptOnImport && import_)) continue;
        if (item.Kind == ConfigKind::Categories) Get<Control>(item).Repaint();
        Apply(item, line);
    }
    if (Applying()) {
        ReturnToDatabaseDirectory(*db_);
        db_->ReadingConfig = 0;
    }
    return version_;
}

void Reader::Apply(const ConfigItem& item, std::string_view line) {
    switch (item.Kind) {
    case ConfigKind::Version:
    case ConfigKind::ColourNumber:
        break;
    case ConfigKind::Text:
        if (!item.Unset.empty() && (line == ConfigNull || line.starts_with("notused")))
            Get<Control>(item).SetText(item.Unset);
        else
            Get<Control>(item).SetText(Text(line));
        break;
    case ConfigKind::OrderNumber: {
        std::int32_t order = LeadingInteger(line);
        Get<Control>(item).SetText(order != 0 ? std::to_string(order) : std::string());
        break;
    }
    case ConfigKind::Check:
        Get<CheckBox>(item).SetChecked(LeadingInteger(line) == 1);
        break;
    case ConfigKind::Scale:
        Get<CheckBox>(item).SetChecked(line.starts_with("SCALE"));
        break;
    case ConfigKind::Directory:
        Directory(item, Text(line));
        break;
    case ConfigKind::ImageDirectory: {
        std::string imageDir = Text(line);
        db_->DatabaseImageDirectory = imageDir;
        db_->LastImageDirectory = imageDir;
        if (Form* setup = app_->FindForm("DBSetupForm"))
            if (auto* list = dynamic_cast<DirectoryListBox*>(setup->FindComponent("ImageDirListBox")))
                SetListDirectory(*list, DirectoryOrRoot(*app_, imageDir, "The default 'Images' Directory is Invalid :"));
        break;
    }
    case ConfigKind::Font: {
        PublishFont& font = FontOfRow(*db_, item);
        std::string* parts[] = {&font.Colour, &font.Face, &font.Size, &font.Style};
        *parts[item.Part] = Text(line);
        if (item.Part == 0) SetSwatch(item, font.Colour);
        break;
    }
    case ConfigKind::Block:
        break;  // read by Run, never given by the table
    case ConfigKind::Categories: {
        std::vector<std::string> items;
        std::size_t start = 0;
        for (;;) {
            std::size_t tab = line.find('\t', start);
            items.emplace_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
            if (tab == std::string_view::npos) break;
            start = tab + 1;
        }
        Get<ComboBox>(item).SetItems(items);
        break;
    }
    }
}

// Four bytes straight after the previous line's end, least significant first.
bool Reader::ColourNumber(const ConfigItem& item) {
    std::uint32_t value = 0;
    for (int b = 0; b < 4; ++b) {
        int c = s_.Get();
        if (c < 0) return false;
        value |= std::uint32_t(c) << (8 * b);
    }
    if (!Applying()) return true;
    std::string name = ColourToName(std::int32_t(value));
    FontOfRow(*db_, item).Colour = name;
    SetSwatch(item, name);
    return true;
}

// A memo between "START tag" and "END tag"; the first line decides whether a block is there at all. A
// block the file ends in before its end line is cut: false, and the memo is left as it was.
bool Reader::Block(const ConfigItem& item, std::string_view first, bool apply) {
    if (!TagLine(first, "START", item.Tag)) return true;
    std::vector<std::string_view> lines;
    for (;;) {
        std::string_view l;
        if (!WholeLine(l)) return false;
        if (TagLine(l, "END", item.Tag)) break;
        lines.push_back(l);
    }
    if (!apply) return true;
    Memo& memo = Get<Memo>(item);
    if (lines.size() == 1 && lines[0] == ConfigNull) {
        memo.SetText("");
        return true;
    }
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\r\n";
        text += UnescapeBlockLine(lines[i], item.Tag);
    }
    memo.SetText(text);
    return true;
}

// Sets a directory list of a row to dir. A list that already shows that folder is entered and its item
// selected without reading its subfolders again: a configuration is read on every load, and reading the
// same folders each time cost more than the rest of the read. Its linked file list is read again, as
// setting the folder does.
void SetListDirectory(DirectoryListBox& list, const std::string& dir) {
    if (!dir.empty() && IsDirectory(dir) && ChangeDirectory(dir)) {
        const std::string now = CurrentDirectory();
        if (now != list.Directory()) {
            list.SetDirectory(now);
            return;
        }
        for (int i = 0; i < list.Count(); ++i)
            if (list.DirectoryOfItem(i) == now) {
                list.SetItemIndex(i);
                break;
            }
        if (list.FileList) list.FileList->SetDirectory(now);
        return;
    }
    list.SetDirectory(dir);
}

void Reader::Directory(const ConfigItem& item, const std::string& dir) {
    DirectoryListBox& list = Get<DirectoryListBox>(item);
    if (item.PublishFolder) {
        // A publish folder that no longer exists is left unset rather than replaced by the root: the
        // publisher empties its folder, and refuses to publish until one is chosen.
        if (!dir.empty() && PathExistsOnDisk(dir)) {
            SetListDirectory(list, dir);
            db_->PublishDirectory = list.Directory();
        } else {
            app_->Beep(BeepKind::Exclamation);
            app_->ShowMessage(item.Missing + "'" + dir + "'. Please choose one before Publishing.");
            db_->PublishDirectory = "none";
        }
        // Choosing a folder in a directory list moves the current directory.
        ReturnToDatabaseDirectory(*db_);
        return;
    }
    SetListDirectory(list, DirectoryOrRoot(*app_, dir, item.Missing));
    if (!item.PreviewFile.empty()) Preview(item, list.Directory());
}

// The picture a directory row's file control names, shown in its preview when the file is there.
void Reader::Preview(const ConfigItem& directory, const std::string& dir) {
    const std::string& file = Get<Control>(directory, ConfigPart::PreviewFile).Text();
    if (file.empty()) return;
    std::string path = JoinPath(dir, file);
    if (!FileExistsOrWarn(*app_, path)) return;
    Image& preview = Get<Image>(directory, ConfigPart::PreviewImage);
    preview.SetPicture(app_->Images().LoadImage(path));
    preview.Show();
}

}  // namespace

std::string DirectoryOrRoot(Application& app, const std::string& dir, const std::string& prefix) {
    if (!dir.empty() && PathExistsOnDisk(dir)) return dir;
    app.Beep(BeepKind::Exclamation);
    app.ShowMessage(prefix + "'" + dir + "'. Defaulting to '/'. Please modify before Publishing or Saving.");
    return "/";
}

std::string ReadConfiguration(Application& app, DatabaseState& db, TextStream& s, bool importSource,
                              std::vector<const ConfigItem*>* missing) {
    Reader reader(&app, &db, s, importSource, missing);
    return reader.Run();
}

std::string EndedEarlyMessage(const Application& app, const std::string& configFile,
                              const std::vector<const ConfigItem*>& missing, const std::string& keptName) {
    // The missing settings by window, in file order, each window with the names of its controls.
    std::vector<std::pair<std::string, std::vector<std::string>>> groups;
    for (const ConfigItem* item : missing) {
        std::string window, name = item->Control;
        if (item->Kind == ConfigKind::Version) {
            window = "Database";
            name = "version line";
        } else if (item->Kind == ConfigKind::ImageDirectory) {
            window = "Database";
            name = "image folder";
        } else if (item->Form.empty()) {
            window = "Publication fonts";
        } else if (item->Form == "FolivexForm") {
            window = "Main window";  // its caption is the program's name
        } else {
            const Form* form = app.FindForm(item->Form);
            window = form && !form->Caption().empty() ? form->Caption() : item->Form;
        }
        auto group = std::find_if(groups.begin(), groups.end(), [&](const auto& g) { return g.first == window; });
        if (group == groups.end()) group = groups.insert(groups.end(), {window, {}});
        std::vector<std::string>& names = group->second;
        if (names.empty() || names.back() != name) names.push_back(name);  // a font's four lines are one font
    }
    std::string text = "The configuration file '" + configFile + "' ended early: " + std::to_string(missing.size()) +
                       " of its settings were not in it whole and took their defaults:";
    constexpr std::size_t Shown = 6;
    for (const auto& [window, names] : groups) {
        text += "\r\n" + window + ": ";
        for (std::size_t i = 0; i < names.size() && i < Shown; ++i) text += (i ? ", " : "") + names[i];
        if (names.size() > Shown) text += " and " + std::to_string(names.size() - Shown) + " more";
    }
    text += "\r\nThe file as it is now will be kept as '" + keptName + "' before the database is saved.";
    return text;
}

std::string KeptConfigurationName(const std::string& configFile) {
    std::string name = configFile + ".bak";
    for (int n = 2; PathExistsOnDisk(name); ++n) name = configFile + ".bak" + std::to_string(n);
    return name;
}

std::vector<const ConfigItem*> MissingConfigurationItems(const std::string& bytes) {
    TextStream s(bytes);
    std::vector<const ConfigItem*> missing;
    Reader reader(nullptr, nullptr, s, false, &missing);
    reader.Run();
    return missing;
}

}  // namespace fv
