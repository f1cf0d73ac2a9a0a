// The items of the configuration file and its writer.
#include "records/configuration.h"

#include <stdexcept>

#include "platform/app/application.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/memo.h"

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

std::vector<ConfigItem> BuildItems() {
    std::vector<ConfigItem> items;
    auto add = [&items](ConfigKind kind, const char* form, const std::string& control) {
        items.push_back(ConfigItem{kind, form, control, 0, {}});
    };
    auto texts = [&add](const char* form, std::initializer_list<const char*> controls) {
        for (const char* c : controls) add(ConfigKind::Text, form, c);
    };
    auto numbered = [&add](ConfigKind kind, const char* form, const std::string& stem, int from, int to) {
        for (int i = from; i <= to; ++i) add(kind, form, stem + std::to_string(i));
    };
    auto font = [&items](const std::string& name) {
        for (int part = 0; part < 4; ++part) items.push_back(ConfigItem{ConfigKind::Font, {}, name, part, {}});
    };
    auto block = [&items](const char* form, const char* control, const char* tag) {
        items.push_back(ConfigItem{ConfigKind::Block, form, control, 0, tag});
    };

    items.push_back(ConfigItem{ConfigKind::Version, {}, {}, 0, {}});
    numbered(ConfigKind::Text, Main, "DBLabel", 1, 20);
    numbered(ConfigKind::OrderNumber, Main, "Order", 1, 20);
    add(ConfigKind::ImageDirectory, "", "DatabaseImageDirectory");
    texts(Publish, {"QuickViewFields", "PageBackgroundImageFile", "TableHeadingImageFile", "TableBackgroundImageFile"});
    texts(Ftp, {"FTPhost", "FTPAccountID", "FTPPassword", "FTPPort", "FTPHostDir"});
    texts(Publish, {"PageBackgroundColour"});
    add(ConfigKind::Directory, Publish, "DirectoryListBackground");
    texts(Publish, {"TableHeaderColour", "TableHeader"});
    add(ConfigKind::Directory, Publish, "DirectoryListHeader");
    texts(Publish, {"TableBackgroundColour", "Alt1TableBackgroundColour", "Alt2TableBackgroundColour"});
    add(ConfigKind::Directory, Publish, "DirectoryListTableBackground");
    add(ConfigKind::Directory, Publish, "PublishDirectory");
    font("LabelFont");
    font("ScrollFont");
    font("InstructionFont");
    font("HeaderFont");
    for (int f = 1; f <= FieldCount; ++f) font("FieldFont" + std::to_string(f));
    add(ConfigKind::Scale, Publish, "ScaleImages");
    texts(Lang, {"Real_pleaseselect", "Real_detailview", "Real_quickview1", "Real_category", "Real_search",
                 "Real_clickimage", "Real_record", "Real_of", "Real_changecategory", "Real_quickview2",
                 "Real_firstrecord", "Real_previousrecord", "Real_nextrecord", "Real_lastrecord", "Real_entries"});
    texts(Lang, {"Real_SrchGo", "Real_SrchFirst", "Real_SrchResults", "Real_SrchNoMatch", "Real_SrchSearching",
                 "Real_SrchPreparing", "Real_SrchComplete", "Real_SrchFirst100", "Real_SrchNoData", "Real_SrchClose"});
    add(ConfigKind::Check, Search, "EnableSearchButton");
    texts(Search, {"SearchViewFields", "InitialFrame", "TargetPage", "TargetFrame", "TopFrameSize"});
    texts(Publish, {"ButtonWidth", "ButtonHeight", "ImageWidth", "ImageHeight"});
    numbered(ConfigKind::Check, Main, "Search", 1, 20);
    texts(Publish, {"DetailPageTableWidth", "DetailPageColumnWidthLABEL", "DetailPageColumnWidthDATA",
                    "DetailPageColumnWidthIMAGE", "QuickViewPageTableWidth"});
    numbered(ConfigKind::Text, Publish, "QuickViewPageColumnWidth", 1, 10);
    add(ConfigKind::Check, Publish, "LinkImagesAtUpload");
    add(ConfigKind::Check, Publish, "ForcePublish");
    texts(Search, {"MaxSearchResults", "SearchViewPageTableWidth"});
    numbered(ConfigKind::Text, Search, "SearchViewPageColumnWidth", 1, 10);
    texts(Lang, {"Real_SrchAND", "Real_SrchOR"});
    for (const char* c : {"HTMLIndexPageHeaderOverride", "HTMLIndexPageFooterOverride", "HTMLOtherPageHeaderOverride",
                          "HTMLOtherPageFooterOverride", "HTMLTableHeaderOverride", "HTMLTableFooterOverride",
                          "HTMLSearchBoxHeaderOverride"})
        add(ConfigKind::Check, Html, c);
    add(ConfigKind::Check, Search, "SearchPerCategory");
    texts(Publish, {"DETAILLabelHAlign", "DETAILLabelVAlign", "DETAILDataHAlign", "DETAILDataVAlign",
                    "DETAILImageHAlign", "DETAILImageVAlign", "QUICKHAlign", "QUICKVAlign"});
    for (const char* c : {"HTMLIndexPageHeader", "HTMLIndexPageFooter", "HTMLOtherPageHeader", "HTMLOtherPageFooter",
                          "HTMLTableHeader", "HTMLTableFooter", "HTMLSearchBoxHeader"})
        block(Html, c, "HTML");
    texts(Wizard, {"ImportMode", "ImportCombo", "Delimiter", "ImportCategoryField", "ImportCategory"});
    numbered(ConfigKind::Text, Wizard, "MapToDB", 1, 24);
    numbered(ConfigKind::Check, Wizard, "CheckImage", 1, 24);
    texts(Wizard, {"OverflowFields"});
    add(ConfigKind::Check, Search, "IntraNetSearches");
    texts(Chart, {"WhichRows", "WhichFields"});
    add(ConfigKind::Check, Chart, "WhichRowsCheckBox");
    texts(Odbc, {"ImportName", "AliasName", "UserName", "Password", "TableName"});
    block(Odbc, "SQL", "SQL");
    add(ConfigKind::Check, Odbc, "UseODBClabels");
    texts(Odbc, {"ODBCfieldConversionType"});
    add(ConfigKind::Check, Odbc, "FastODBCImport");
    texts(Karvo, {"KarvoUserNumber", "KarvoWebSiteNumber", "KarvoOrderGif", "KarvoCheckoutGif"});
    add(ConfigKind::Check, Karvo, "KarvoQuickViewCheckout");
    add(ConfigKind::Categories, Main, "Category");
    return items;
}

bool IsMarkerLine(const std::string& line, const std::string& tag) {
    std::size_t tildes = line.find_first_not_of('~');
    if (tildes == std::string::npos) return false;
    std::string rest = line.substr(tildes);
    return rest == "END " + tag || rest == ConfigNull;
}

template <class T> T& Lookup(const Application& app, const ConfigItem& item) {
    Form* form = app.FindForm(item.Form);
    if (!form) throw std::logic_error("The configuration names a window that does not exist: " + item.Form);
    T* control = dynamic_cast<T*>(form->FindComponent(item.Control));
    if (!control)
        throw std::logic_error("The configuration names a control that does not exist: " + item.Form + "." + item.Control);
    return *control;
}

const PublishFont& FontOf(const DatabaseState& db, const std::string& name) {
    if (name == "LabelFont") return db.LabelFont;
    if (name == "ScrollFont") return db.ScrollFont;
    if (name == "InstructionFont") return db.InstructionFont;
    if (name == "HeaderFont") return db.HeaderFont;
    return db.FieldFonts[std::size_t(std::stoi(name.substr(9)) - 1)];  // "FieldFont" + number
}

std::string TextLine(const std::string& text) { return text.empty() ? std::string(ConfigNull) : OneLine(text); }

}  // namespace

const std::vector<ConfigItem>& ConfigurationItems() {
    static const std::vector<ConfigItem> items = BuildItems();
    return items;
}

std::string OneLine(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c == '\r' || c == '\n') c = ' ';
    return out;
}

std::string EscapeBlockLine(const std::string& line, const std::string& tag) {
    return IsMarkerLine(line, tag) ? "~" + line : line;
}

std::string UnescapeBlockLine(const std::string& line, const std::string& tag) {
    return (IsMarkerLine(line, tag) && line[0] == '~') ? line.substr(1) : line;
}

std::string ConfigurationText(const Application& app, const DatabaseState& db) {
    std::string out;
    auto line = [&out](const std::string& text) {
        out += text;
        out += "\r\n";
    };
    for (const ConfigItem& item : ConfigurationItems()) {
        switch (item.Kind) {
        case ConfigKind::Version:
            line(ConfigVersion);
            break;
        case ConfigKind::Text:
            line(TextLine(Lookup<Control>(app, item).Text()));
            break;
        case ConfigKind::OrderNumber: {
            const std::string& t = Lookup<Control>(app, item).Text();
            line(t.empty() ? "0" : OneLine(t));
            break;
        }
        case ConfigKind::Check:
            line(Lookup<CheckBox>(app, item).Checked() ? "1" : "0");
            break;
        case ConfigKind::Scale:
            line(Lookup<CheckBox>(app, item).Checked() ? "SCALE" : "NOTSCALE");
            break;
        case ConfigKind::Directory:
            line(TextLine(Lookup<DirectoryListBox>(app, item).Directory()));
            break;
        case ConfigKind::ImageDirectory:
            line(TextLine(db.DatabaseImageDirectory));
            break;
        case ConfigKind::Font: {
            const PublishFont& f = FontOf(db, item.Control);
            const std::string* parts[] = {&f.Colour, &f.Face, &f.Size, &f.Style};
            line(TextLine(*parts[item.Part]));
            break;
        }
        case ConfigKind::Block: {
            line("START " + item.Tag);
            const std::string& text = Lookup<Memo>(app, item).Text();
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
            for (const std::string& name : Lookup<ComboBox>(app, item).Items()) {
                if (name.empty() || name == " ") break;
                if (!first) names += '\t';
                names += OneLine(name);
                first = false;
            }
            line(names);
            break;
        }
        }
    }
    return out;
}

}  // namespace fv
