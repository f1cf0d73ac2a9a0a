// The configuration reader: every row of the item table that the file's version holds, in file order.
#include "records/configuration_reader.h"

#include <stdexcept>

#include "platform/app/application.h"
#include "platform/fs/files.h"
#include "platform/gfx/colour_names.h"
#include "platform/text/numbers.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/image.h"
#include "platform/ui/memo.h"
#include "records/config_controls.h"
#include "records/file_warning.h"
#include "records/new_database_defaults.h"
#include "records/record_text.h"

namespace fv {

namespace {

// Lines are read whole: a longer line than the old limit would otherwise shift every later item.
constexpr std::size_t AnyLength = std::size_t(1) << 30;

class Reader {
public:
    Reader(Application& app, DatabaseState& db, TextStream& s, bool importSource)
        : app_(app), controls_(app), db_(db), s_(s), import_(importSource) {}

    std::string Run();

private:
    std::string Line() { return ReadTextLine(s_, AnyLength); }
    static std::string Text(const std::string& line) { return line == ConfigNull ? std::string() : line; }
    template <class T> T& Get(const std::string& form, const std::string& name) {
        return controls_.Get<T>(form, name);
    }
    void SetSwatch(const std::string& form, const std::string& name, const std::string& colour) {
        Get<Control>(form, name).SetColor(NameToColour(colour));
    }

    // Puts one line back where the writer took it from. The line is the file's, or for a row the file
    // lacks, the table's line for old files.
    void Apply(const ConfigItem& item, const std::string& line);
    // Rows whose lines are not a single line of the file.
    void ColourNumber(const ConfigItem& item);
    void Block(const ConfigItem& item, const std::string& first, bool apply);
    void Directory(const ConfigItem& item, const std::string& line);
    void Preview(const ConfigItem& directory, const std::string& dir);

    Application& app_;
    ConfigControls controls_;
    DatabaseState& db_;
    TextStream& s_;
    bool import_;
    std::string version_;
    int firstList_ = 0;  // of version_, see FirstListOf
};

std::string Reader::Run() {
    db_.ReadingConfig = 1;
    InitialiseFontStructure(db_);
    SetSwatch("FolivexForm", "LabelColour", "White");
    SetSwatch("FolivexForm", "ScrollColour", "Silver");
    SetSwatch("PublishSetupForm", "InstructionColour", "Silver");

    for (const ConfigItem& item : ConfigurationTable()) {
        if (item.Kind == ConfigKind::Version) {
            version_ = Text(Line());
            firstList_ = FirstListOf(version_);
            continue;
        }
        if (!FileHasItem(item, firstList_)) {
            if (item.OldLine) Apply(item, *item.OldLine);
            continue;
        }
        if (item.Kind == ConfigKind::ColourNumber) {
            ColourNumber(item);
            continue;
        }
        if (item.Kind == ConfigKind::Categories) Get<Control>(item.Form, item.Control).Repaint();
        if (item.Kind == ConfigKind::Block && item.ClearedFirst && !import_) Get<Memo>(item.Form, item.Control).SetText("");
        std::string line = Line();
        if (item.KeptOnImport && import_) {
            if (item.Kind == ConfigKind::Block) Block(item, line, false);
            continue;
        }
        Apply(item, line);
    }
    ReturnToDatabaseDirectory(db_);
    db_.ReadingConfig = 0;
    return version_;
}

void Reader::Apply(const ConfigItem& item, const std::string& line) {
    switch (item.Kind) {
    case ConfigKind::Version:
    case ConfigKind::ColourNumber:
        break;
    case ConfigKind::Text:
        if (!item.Unset.empty() && (line == ConfigNull || line.rfind("notused", 0) == 0))
            Get<Control>(item.Form, item.Control).SetText(item.Unset);
        else
            Get<Control>(item.Form, item.Control).SetText(Text(line));
        break;
    case ConfigKind::OrderNumber: {
        std::int32_t order = LeadingInteger(line);
        Get<Control>(item.Form, item.Control).SetText(order != 0 ? std::to_string(order) : std::string());
        break;
    }
    case ConfigKind::Check:
        Get<CheckBox>(item.Form, item.Control).SetChecked(LeadingInteger(line) == 1);
        break;
    case ConfigKind::Scale:
        Get<CheckBox>(item.Form, item.Control).SetChecked(line.rfind("SCALE", 0) == 0);
        break;
    case ConfigKind::Directory:
        Directory(item, Text(line));
        break;
    case ConfigKind::ImageDirectory: {
        std::string imageDir = Text(line);
        db_.DatabaseImageDirectory = imageDir;
        db_.LastImageDirectory = imageDir;
        if (Form* setup = app_.FindForm("DBSetupForm"))
            if (auto* list = dynamic_cast<DirectoryListBox*>(setup->FindComponent("ImageDirListBox")))
                list->SetDirectory(DirectoryOrRoot(app_, imageDir, "The default 'Images' Directory is Invalid :"));
        break;
    }
    case ConfigKind::Font: {
        PublishFont& font = FontNamed(db_, item.Control);
        std::string* parts[] = {&font.Colour, &font.Face, &font.Size, &font.Style};
        *parts[item.Part] = Text(line);
        if (item.Part == 0) SetSwatch(item.SwatchForm, item.Swatch, font.Colour);
        break;
    }
    case ConfigKind::Block:
        Block(item, line, true);
        break;
    case ConfigKind::Categories: {
        std::vector<std::string> items;
        std::size_t start = 0;
        for (;;) {
            std::size_t tab = line.find('\t', start);
            items.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        Get<ComboBox>(item.Form, item.Control).SetItems(items);
        break;
    }
    }
}

// Four bytes straight after the previous line's end, least significant first.
void Reader::ColourNumber(const ConfigItem& item) {
    std::uint32_t value = 0;
    for (int b = 0; b < 4; ++b) {
        int c = s_.Get();
        if (c >= 0) value |= std::uint32_t(c) << (8 * b);
    }
    std::string name = ColourToName(std::int32_t(value));
    FontNamed(db_, item.Control).Colour = name;
    SetSwatch(item.SwatchForm, item.Swatch, name);
}

// A memo between "START tag" and "END tag"; the first line decides whether a block is there at all.
void Reader::Block(const ConfigItem& item, const std::string& first, bool apply) {
    Memo* memo = apply ? &Get<Memo>(item.Form, item.Control) : nullptr;
    if (first != "START " + item.Tag) return;
    std::vector<std::string> lines;
    while (!s_.Eof()) {
        std::size_t before = s_.Position();
        std::string l = Line();
        if (l == "END " + item.Tag) break;
        if (s_.Eof() && s_.Position() == before) break;  // nothing more to read
        lines.push_back(l);
    }
    if (!memo) return;
    if (lines.size() == 1 && lines[0] == ConfigNull) {
        memo->SetText("");
        return;
    }
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i) text += "\r\n";
        text += UnescapeBlockLine(lines[i], item.Tag);
    }
    memo->SetText(text);
}

void Reader::Directory(const ConfigItem& item, const std::string& dir) {
    DirectoryListBox& list = Get<DirectoryListBox>(item.Form, item.Control);
    if (item.PublishFolder) {
        // A publish folder that no longer exists is left unset rather than replaced by the root: the
        // publisher empties its folder, and refuses to publish until one is chosen.
        if (!dir.empty() && PathExistsOnDisk(dir)) {
            list.SetDirectory(dir);
            db_.PublishDirectory = list.Directory();
        } else {
            app_.Beep(BeepKind::Exclamation);
            app_.ShowMessage(item.Missing + "'" + dir + "'. Please choose one before Publishing.");
            db_.PublishDirectory = "none";
        }
        // Choosing a folder in a directory list moves the current directory.
        ReturnToDatabaseDirectory(db_);
        return;
    }
    list.SetDirectory(DirectoryOrRoot(app_, dir, item.Missing));
    if (!item.PreviewFile.empty()) Preview(item, list.Directory());
}

// The picture a directory row's file control names, shown in its preview when the file is there.
void Reader::Preview(const ConfigItem& directory, const std::string& dir) {
    const std::string& file = Get<Control>(directory.Form, directory.PreviewFile).Text();
    if (file.empty()) return;
    std::string path = JoinPath(dir, file);
    if (!FileExistsOrWarn(app_, path)) return;
    Image& preview = Get<Image>(directory.Form, directory.PreviewImage);
    preview.SetPicture(app_.Images().LoadImage(path));
    preview.Show();
}

}  // namespace

std::string DirectoryOrRoot(Application& app, const std::string& dir, const std::string& prefix) {
    if (!dir.empty() && PathExistsOnDisk(dir)) return dir;
    app.Beep(BeepKind::Exclamation);
    app.ShowMessage(prefix + "'" + dir + "'. Defaulting to '/'. Please modify before Publishing or Saving.");
    return "/";
}

std::string ReadConfiguration(Application& app, DatabaseState& db, TextStream& s, bool importSource) {
    return Reader(app, db, s, importSource).Run();
}

}  // namespace fv
