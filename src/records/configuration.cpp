// The table of the configuration file's items and its writer.
#include "records/configuration.h"


#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <string_view>

#include "platform/app/application.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/image.h"
#include "platform/ui/memo.h"
#include "records/config_controls.h"

namespace fv {

namespace {

constexpr const char* Main = "FolivexForm";
constexpr const char* Publish = "PublishSetupForm";
constexpr const char* Ftp = "FTPForm";
constexpr const char* Lang = "LangForm";
constexpr const char* Search = "SearchSetup";
constexpr const char* Html = "HTMLForm";
constexpr const char* Wizard = "ImportWizardForm";
constexpr const char* Chart = "RozizAForm";
constexpr const char* Odbc = "DBForm";
constexpr const char* Karvo = "KarvoForm";

// The versions of each old layout, list n holding list n-1 and the names added here.
const std::array<std::vector<const char*>, 8> VersionLists = [] {
    std::array<std::vector<const char*>, 8> lists;
    const std::vector<std::vector<const char*>> added = {
        {"v1.1", "v1.2", "v1.21", "v1.22", "v1.23", "v1.24"},
        {"v1.25", "v1.25k", "v1.26", "v1.27", "v1.27a"},
        {"v1.28"},
        {"v2.0", "v2.01", "v2.02"},
        {"v2.03"},
        {"v2.04"},
        {"v2.1", "v2.12"},
        {"v2.2", "v2.3", "v2.31", "v2.32", "v2.33"},
    };
    std::vector<const char*> running;
    for (std::size_t i = 0; i < added.size(); ++i) {
        running.insert(running.end(), added[i].begin(), added[i].end());
        lists[i] = running;
    }
    return lists;
}();

// The fonts by number: the label, scroll, instruction and header fonts, then the field fonts in order.
int FontNumber(const std::string& name) {
    if (name == "LabelFont") return 0;
    if (name == "ScrollFont") return 1;
    if (name == "InstructionFont") return 2;
    if (name == "HeaderFont") return 3;
    return 3 + std::stoi(name.substr(9));  // "FieldFont" + number
}

// The rows in file order. Rows are added in runs that share their versions: `Since` and `Until` below are
// the versions of the run being added.
class TableBuilder {
public:
    LayoutVersion Since = LayoutVersion::First;
    std::optional<LayoutVersion> Until;

    ConfigItem& Add(ConfigKind kind, const char* form, const std::string& control) {
        ConfigItem item;
        item.Row = rows_.size();
        item.Kind = kind;
        item.Form = form;
        item.Control = control;
        item.Since = Since;
        item.Until = Until;
        // The import's own settings belong to the database being imported into, not the one imported from.
        const std::string f = form;
        item.KeptOnImport = f == Wizard || f == Odbc || f == Karvo;
        rows_.push_back(item);
        return rows_.back();
    }
    void Texts(const char* form, std::initializer_list<const char*> controls) {
        for (const char* c : controls) Add(ConfigKind::Text, form, c);
    }
    void Checks(const char* form, std::initializer_list<const char*> controls) {
        for (const char* c : controls) Add(ConfigKind::Check, form, c);
    }
    void Numbered(ConfigKind kind, const char* form, const std::string& stem, int from, int to) {
        for (int i = from; i <= to; ++i) Add(kind, form, stem + std::to_string(i));
    }
    ConfigItem& Directory(const char* control, const char* missing) {
        ConfigItem& item = Add(ConfigKind::Directory, Publish, control);
        item.Missing = missing;
        return item;
    }
    void Preview(ConfigItem& directory, const char* fileControl, const char* imageControl) {
        directory.PreviewFile = fileControl;
        directory.PreviewImage = imageControl;
    }
    // The four lines of a publication font; its colour is also shown by the swatch control.
    // oldLines: what a file without font lines stands for, part by part.
    void Font(const std::string& name, const char* swatchForm, const std::string& swatch,
              const std::array<std::optional<std::string>, 4>& oldLines = {}) {
        for (int part = 0; part < 4; ++part)
            FontPart(name, part, swatchForm, swatch).OldLine = oldLines[std::size_t(part)];
    }
    ConfigItem& FontPart(const std::string& name, int part, const char* swatchForm, const std::string& swatch) {
        ConfigItem& item = Add(ConfigKind::Font, "", name);
        item.Font = FontNumber(name);
        item.Part = part;
        item.SwatchForm = swatchForm;
        item.Swatch = swatch;
        return item;
    }
    void ColourNumber(const std::string& font, const char* swatchForm, const std::string& swatch) {
        ConfigItem& item = Add(ConfigKind::ColourNumber, "", font);
        item.Font = FontNumber(font);
        item.SwatchForm = swatchForm;
        item.Swatch = swatch;
    }
    ConfigItem& Block(const char* form, const char* control, const char* tag) {
        ConfigItem& item = Add(ConfigKind::Block, form, control);
        item.Tag = tag;
        return item;
    }
    std::vector<ConfigItem> Rows() { return std::move(rows_); }

private:
    std::vector<ConfigItem> rows_;
};

std::vector<ConfigItem> BuildTable() {
    using V = LayoutVersion;
    TableBuilder t;
    t.Add(ConfigKind::Version, "", "");
    t.Numbered(ConfigKind::Text, Main, "DBLabel", 1, 20);
    t.Numbered(ConfigKind::OrderNumber, Main, "Order", 1, 20);

    // The oldest files keep the colours of the label, scroll and field fonts as binary numbers here.
    t.Until = V::V1_25;
    t.ColourNumber("LabelFont", Main, "LabelColour");
    t.ColourNumber("ScrollFont", Main, "ScrollColour");
    for (int f = 1; f <= FieldCount; ++f) t.ColourNumber("FieldFont" + std::to_string(f), Main, "Colour" + std::to_string(f));
    t.Until.reset();

    t.Add(ConfigKind::ImageDirectory, "", "DatabaseImageDirectory");
    t.Texts(Publish, {"QuickViewFields", "PageBackgroundImageFile", "TableHeadingImageFile", "TableBackgroundImageFile"});
    t.Texts(Ftp, {"FTPhost", "FTPAccountID", "FTPPassword", "FTPPort", "FTPHostDir"});
    t.Texts(Publish, {"PageBackgroundColour"});
    t.Preview(t.Directory("DirectoryListBackground", "The default 'Page Background' Directory is Invalid :"),
              "PageBackgroundImageFile", "OlePageBackground");
    t.Texts(Publish, {"TableHeaderColour", "TableHeader"});
    t.Preview(t.Directory("DirectoryListHeader", "The default 'Table Heading Image' Directory is Invalid :"),
              "TableHeadingImageFile", "OleTableHeading");
    t.Texts(Publish, {"TableBackgroundColour"});

    t.Since = V::V1_28;
    // Older files had no alternate table colours.
    t.Add(ConfigKind::Text, Publish, "Alt1TableBackgroundColour").OldLine = "None";
    t.Add(ConfigKind::Text, Publish, "Alt2TableBackgroundColour").OldLine = "None";
    t.Preview(t.Directory("DirectoryListTableBackground", "The default 'Table Background Image' Directory is Invalid :"),
              "TableBackgroundImageFile", "OleTableBackground");
    t.Since = V::First;

    // The oldest files hold only the colour of the instruction font, here.
    t.Until = V::V1_25;
    t.FontPart("InstructionFont", 0, Publish, "InstructionColour");
    t.Until.reset();

    t.Directory("PublishDirectory", "The default 'Publishing' Directory is Invalid :").PublishFolder = true;

    t.Since = V::V1_25;
    t.Font("LabelFont", Main, "LabelColour");
    t.Font("ScrollFont", Main, "ScrollColour");
    // The oldest files had an italic bold instruction font, a red bold header and scaled images.
    t.Font("InstructionFont", Publish, "InstructionColour", {std::nullopt, std::nullopt, std::nullopt, "Bold Italic"});
    t.Font("HeaderFont", Publish, "HeaderColour", {"Red", std::nullopt, std::nullopt, "Bold"});
    for (int f = 1; f <= FieldCount; ++f)
        t.Font("FieldFont" + std::to_string(f), Main, "Colour" + std::to_string(f));
    t.Add(ConfigKind::Scale, Publish, "ScaleImages").OldLine = "SCALE";

    t.Since = V::V1_28;
    t.Texts(Lang, {"Real_pleaseselect", "Real_detailview", "Real_quickview1", "Real_category", "Real_search",
                   "Real_clickimage", "Real_record", "Real_of", "Real_changecategory", "Real_quickview2",
                   "Real_firstrecord", "Real_previousrecord", "Real_nextrecord", "Real_lastrecord", "Real_entries"});

    t.Since = V::V2_0;
    t.Texts(Lang, {"Real_SrchGo", "Real_SrchFirst", "Real_SrchResults", "Real_SrchNoMatch", "Real_SrchSearching",
                   "Real_SrchPreparing", "Real_SrchComplete", "Real_SrchFirst100", "Real_SrchNoData", "Real_SrchClose"});
    // Files from before searching existed search the first six fields.
    t.Add(ConfigKind::Check, Search, "EnableSearchButton").OldLine = "1";
    t.Texts(Search, {"SearchViewFields", "InitialFrame", "TargetPage", "TargetFrame", "TopFrameSize"});
    t.Texts(Publish, {"ButtonWidth", "ButtonHeight", "ImageWidth", "ImageHeight"});
    for (int i = 1; i <= FieldCount; ++i)
        t.Add(ConfigKind::Check, Main, "Search" + std::to_string(i)).OldLine = i <= 6 ? "1" : "0";

    t.Since = V::V2_03;
    t.Texts(Publish, {"DetailPageTableWidth", "DetailPageColumnWidthLABEL", "DetailPageColumnWidthDATA",
                      "DetailPageColumnWidthIMAGE", "QuickViewPageTableWidth"});
    t.Numbered(ConfigKind::Text, Publish, "QuickViewPageColumnWidth", 1, 10);
    t.Checks(Publish, {"LinkImagesAtUpload", "ForcePublish"});
    t.Texts(Search, {"MaxSearchResults", "SearchViewPageTableWidth"});
    t.Numbered(ConfigKind::Text, Search, "SearchViewPageColumnWidth", 1, 10);
    t.Texts(Lang, {"Real_SrchAND", "Real_SrchOR"});
    t.Checks(Html, {"HTMLIndexPageHeaderOverride", "HTMLIndexPageFooterOverride", "HTMLOtherPageHeaderOverride",
                    "HTMLOtherPageFooterOverride", "HTMLTableHeaderOverride", "HTMLTableFooterOverride",
                    "HTMLSearchBoxHeaderOverride"});
    t.Checks(Search, {"SearchPerCategory"});

    t.Since = V::V2_04;
    t.Texts(Publish, {"DETAILLabelHAlign", "DETAILLabelVAlign", "DETAILDataHAlign", "DETAILDataVAlign",
                      "DETAILImageHAlign", "DETAILImageVAlign", "QUICKHAlign", "QUICKVAlign"});

    t.Since = V::V2_03;
    for (const char* c : {"HTMLIndexPageHeader", "HTMLIndexPageFooter", "HTMLOtherPageHeader", "HTMLOtherPageFooter",
                          "HTMLTableHeader", "HTMLTableFooter", "HTMLSearchBoxHeader"})
        t.Block(Html, c, "HTML");

    t.Since = V::V2_1;
    t.Texts(Wizard, {"ImportMode", "ImportCombo", "Delimiter", "ImportCategoryField", "ImportCategory"});
    t.Numbered(ConfigKind::Text, Wizard, "MapToDB", 1, 24);
    t.Numbered(ConfigKind::Check, Wizard, "CheckImage", 1, 24);
    t.Texts(Wizard, {"OverflowFields"});

    t.Since = V::V2_2;
    t.Checks(Search, {"IntraNetSearches"});
    // A chart selection that was never made reads as the default rows and fields.
    t.Add(ConfigKind::Text, Chart, "WhichRows").Unset = "1,2,3,4,5,6";
    t.Add(ConfigKind::Text, Chart, "WhichFields").Unset = "4,5";
    t.Checks(Chart, {"WhichRowsCheckBox"});
    t.Texts(Odbc, {"ImportName", "AliasName", "UserName", "Password", "TableName"});
    t.Block(Odbc, "SQL", "SQL").ClearedFirst = true;
    t.Checks(Odbc, {"UseODBClabels"});
    t.Texts(Odbc, {"ODBCfieldConversionType"});
    t.Checks(Odbc, {"FastODBCImport"});

    t.Since = V::V2_4;
    t.Texts(Karvo, {"KarvoUserNumber", "KarvoWebSiteNumber", "KarvoOrderGif", "KarvoCheckoutGif"});
    t.Checks(Karvo, {"KarvoQuickViewCheckout"});

    t.Since = V::First;
    t.Add(ConfigKind::Categories, Main, "Category");
    return t.Rows();
}

bool IsMarkerLine(std::string_view line, const std::string& tag) {
    std::size_t tildes = line.find_first_not_of('~');
    if (tildes == std::string_view::npos) return false;
    const std::string_view rest = line.substr(tildes);
    return (rest.size() == 4 + tag.size() && rest.starts_with("END ") && rest.substr(4) == tag) || rest == ConfigNull;
}

// The font of a number (FontNumber), for the writer (const) and the reader alike.
template <class State> auto& FontIn(State& db, int number) {
    switch (number) {
    case 0: return db.LabelFont;
    case 1: return db.ScrollFont;
    case 2: return db.InstructionFont;
    case 3: return db.HeaderFont;
    default: return db.FieldFonts.at(std::size_t(number - 4));
    }
}

}  // namespace

bool VersionInList(const std::string& version, int list) {
    if (list < 1 || list > 8) return false;
    const auto& names = VersionLists[std::size_t(list - 1)];
    return std::find(names.begin(), names.end(), version) != names.end();
}

int FirstListOf(const std::string& version) {
    // Every old version is in the last list: a version outside it (the current one) is in none.
    if (!VersionInList(version, 8)) return 0;
    for (int list = 1; list <= 8; ++list)
        if (VersionInList(version, list)) return list;
    return 0;
}

bool FileHasItem(const ConfigItem& item, int firstList) {
    auto inList = [firstList](int list) { return list >= 1 && list <= 8 && firstList != 0 && firstList <= list; };
    if (inList(int(item.Since))) return false;
    return !item.Until || inList(int(*item.Until));
}

bool FileHasItem(const ConfigItem& item, const std::string& version) { return FileHasItem(item, FirstListOf(version)); }

const std::vector<ConfigItem>& ConfigurationTable() {
    static const std::vector<ConfigItem> rows = BuildTable();
    return rows;
}

const std::vector<ConfigItem>& ConfigurationItems() {
    static const std::vector<ConfigItem> items = [] {
        std::vector<ConfigItem> written;
        for (const ConfigItem& item : ConfigurationTable())
            if (FileHasItem(item, ConfigVersion)) written.push_back(item);
        return written;
    }();
    return items;
}

template <class T> T& ConfigControl(const Application& app, const std::string& form, const std::string& control) {
    Form* f = app.FindForm(form);
    if (!f) throw std::logic_error("The configuration names a window that does not exist: " + form);
    T* c = dynamic_cast<T*>(f->FindComponent(control));
    if (!c) throw std::logic_error("The configuration names a control that does not exist: " + form + "." + control);
    return *c;
}
template Control& ConfigControl<Control>(const Application&, const std::string&, const std::string&);
template CheckBox& ConfigControl<CheckBox>(const Application&, const std::string&, const std::string&);
template DirectoryListBox& ConfigControl<DirectoryListBox>(const Application&, const std::string&, const std::string&);
template Memo& ConfigControl<Memo>(const Application&, const std::string&, const std::string&);
template ComboBox& ConfigControl<ComboBox>(const Application&, const std::string&, const std::string&);
template Image& ConfigControl<Image>(const Application&, const std::string&, const std::string&);

PublishFont& FontNamed(DatabaseState& db, const std::string& name) { return FontIn(db, FontNumber(name)); }
const PublishFont& FontNamed(const DatabaseState& db, const std::string& name) { return FontIn(db, FontNumber(name)); }
PublishFont& FontOfRow(DatabaseState& db, const ConfigItem& item) { return FontIn(db, item.Font); }
const PublishFont& FontOfRow(const DatabaseState& db, const ConfigItem& item) { return FontIn(db, item.Font); }

std::string OneLine(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

std::string EscapeBlockLine(const std::string& line, const std::string& tag) {
    return IsMarkerLine(line, tag) ? "~" + line : line;
}

std::string UnescapeBlockLine(std::string_view line, const std::string& tag) {
    return std::string((IsMarkerLine(line, tag) && line[0] == '~') ? line.substr(1) : line);
}

std::string ConfigurationText(const Application& app, const DatabaseState& db) {
    ConfigControls controls(app);
    // Room for a file of the usual size at once, and each line put straight into it.
    std::string out;
    out.reserve(8192);
    auto line = [&out](std::string_view text) {
        out += text;
        out += "\r\n";
    };
    auto oneLine = [&out](const std::string& text) {
        const std::size_t start = out.size();
        out += text;
        // Most texts hold no line break: two scans of the text find that at once.
        if (std::memchr(text.data(), '\r', text.size()) || std::memchr(text.data(), '\n', text.size()))
            for (std::size_t i = start; i < out.size(); ++i)
                if (out[i] == '\r' || out[i] == '\n') out[i] = ' ';
        out += "\r\n";
    };
    auto textLine = [&](const std::string& text) {
        if (text.empty())
            line(ConfigNull);
        else
            oneLine(text);
    };
    for (const ConfigItem& item : ConfigurationItems()) {
        switch (item.Kind) {
        case ConfigKind::Version:
            line(ConfigVersion);
            break;
        case ConfigKind::Text:
            textLine(controls.Get<Control>(item, ConfigPart::Setting).Text());
            break;
        case ConfigKind::OrderNumber: {
            const std::string& t = controls.Get<Control>(item, ConfigPart::Setting).Text();
            if (t.empty())
                line("0");
            else
                oneLine(t);
            break;
        }
        case ConfigKind::Check:
            line(controls.Get<CheckBox>(item, ConfigPart::Setting).Checked() ? "1" : "0");
            break;
        case ConfigKind::Scale:
            line(controls.Get<CheckBox>(item, ConfigPart::Setting).Checked() ? "SCALE" : "NOTSCALE");
            break;
        case ConfigKind::Directory:
            textLine(controls.Get<DirectoryListBox>(item, ConfigPart::Setting).Directory());
            break;
        case ConfigKind::ImageDirectory:
            textLine(db.DatabaseImageDirectory);
            break;
        case ConfigKind::Font: {
            const PublishFont& f = FontOfRow(db, item);
            const std::string* parts[] = {&f.Colour, &f.Face, &f.Size, &f.Style};
            textLine(*parts[item.Part]);
            break;
        }
        case ConfigKind::Block: {
            line("START " + item.Tag);
            const std::string& text = controls.Get<Memo>(item, ConfigPart::Setting).Text();
            if (text.empty()) {
                line(ConfigNull);
            } else {
                // Line by line so that a line that looks like the end of the block can be told apart.
                std::string escaped;
                std::size_t start = 0;
                for (;;) {
                    std::size_t end = text.find("\r\n", start);
                    std::string piece = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
                    escaped += EscapeBlockLine(piece, item.Tag);
                    if (end == std::string::npos) break;
                    escaped += "\r\n";
                    start = end + 2;
                }
                line(escaped);
            }
            line("END " + item.Tag);
            break;
        }
        case ConfigKind::Categories: {
            std::string names;
            bool first = true;
            for (const std::string& name : controls.Get<ComboBox>(item, ConfigPart::Setting).Items()) {
                // A name that is blank on its line (a line break alone) ends the list as a blank one does,
                // so the line reads back as the list it stands for.
                const std::string onItsLine = OneLine(name);
                if (onItsLine.empty() || onItsLine == " ") break;
                if (!first) names += '\t';
                names += onItsLine;
                first = false;
            }
            line(names);
            break;
        }
        case ConfigKind::ColourNumber:
            // Only files older than any this program writes hold these.
            throw std::logic_error("The current configuration layout holds no binary colour numbers");
        }
    }
    return out;
}

}  // namespace fv
