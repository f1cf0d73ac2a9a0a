// The configuration reader with its version gates.
#include "records/configuration_reader.h"

#include <algorithm>
#include <array>
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
#include "records/configuration.h"
#include "records/file_warning.h"
#include "records/new_database_defaults.h"
#include "records/record_text.h"

namespace fv {

namespace {

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

// Lines are read whole: a longer line than the old limit would otherwise shift every later item.
constexpr std::size_t AnyLength = std::size_t(1) << 30;

class Reader {
public:
    Reader(Application& app, DatabaseState& db, TextStream& s, bool importSource)
        : app_(app), db_(db), s_(s), import_(importSource) {}

    std::string Run();

private:
    std::string Line() { return ReadTextLine(s_, AnyLength); }
    std::string TextLine() {
        std::string l = Line();
        return l == ConfigNull ? std::string() : l;
    }
    template <class T> T& Get(const char* form, const std::string& name) {
        Form* f = app_.FindForm(form);
        if (!f) throw std::logic_error(std::string("The configuration names a window that does not exist: ") + form);
        T* c = dynamic_cast<T*>(f->FindComponent(name));
        if (!c) throw std::logic_error(std::string("The configuration names a control that does not exist: ") + form + "." + name);
        return *c;
    }
    void Text(const char* form, const std::string& name, bool apply = true) {
        std::string t = TextLine();
        if (apply) Get<Control>(form, name).SetText(t);
    }
    void Texts(const char* form, std::initializer_list<const char*> names, bool apply = true) {
        for (const char* n : names) Text(form, n, apply);
    }
    void Check(const char* form, const std::string& name, bool apply = true) {
        bool on = LeadingInteger(Line()) == 1;
        if (apply) Get<CheckBox>(form, name).SetChecked(on);
    }
    void Numbered(const char* form, const std::string& stem, int from, int to, bool check, bool apply = true) {
        for (int i = from; i <= to; ++i) {
            if (check) Check(form, stem + std::to_string(i), apply);
            else Text(form, stem + std::to_string(i), apply);
        }
    }
    std::string Directory(const char* name, const char* prefix) {
        std::string dir = DirectoryOrRoot(app_, TextLine(), prefix);
        Get<DirectoryListBox>("PublishSetupForm", name).SetDirectory(dir);
        return Get<DirectoryListBox>("PublishSetupForm", name).Directory();
    }
    void Preview(const std::string& dir, const char* fileControl, const char* previewControl) {
        const std::string& file = Get<Control>("PublishSetupForm", fileControl).Text();
        if (file.empty()) return;
        std::string path = JoinPath(dir, file);
        if (!FileExistsOrWarn(app_, path)) return;
        Image& preview = Get<Image>("PublishSetupForm", previewControl);
        preview.SetPicture(app_.Images().LoadImage(path));
        preview.Show();
    }
    void SetSwatch(const char* form, const std::string& name, const std::string& colour) {
        Get<Control>(form, name).SetColor(NameToColour(colour));
    }
    void FontLines(PublishFont& font, const char* form, const std::string& swatch) {
        font.Colour = TextLine();
        font.Face = TextLine();
        font.Size = TextLine();
        font.Style = TextLine();
        SetSwatch(form, swatch, font.Colour);
    }
    // A memo between "START tag" and "END tag"; the first line decides whether a block is there at all.
    void Block(const char* form, const char* name, const std::string& tag, bool apply) {
        std::string first = Line();
        Memo* memo = apply ? &Get<Memo>(form, name) : nullptr;
        if (first != "START " + tag) return;
        std::vector<std::string> lines;
        while (!s_.Eof()) {
            std::size_t before = s_.Position();
            std::string l = Line();
            if (l == "END " + tag) break;
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
            text += UnescapeBlockLine(lines[i], tag);
        }
        memo->SetText(text);
    }

    Application& app_;
    DatabaseState& db_;
    TextStream& s_;
    bool import_;
};

std::string Reader::Run() {
    constexpr const char* Main = "FolivexForm";
    constexpr const char* Publish = "PublishSetupForm";
    db_.ReadingConfig = 1;
    InitialiseFontStructure(db_);
    SetSwatch(Main, "LabelColour", "White");
    SetSwatch(Main, "ScrollColour", "Silver");
    SetSwatch(Publish, "InstructionColour", "Silver");

    const std::string version = TextLine();
    auto in = [&version](int list) { return VersionInList(version, list); };

    Numbered(Main, "DBLabel", 1, 20, false);
    for (int i = 1; i <= FieldCount; ++i) {
        std::int32_t order = LeadingInteger(Line());
        Get<Control>(Main, "Order" + std::to_string(i)).SetText(order != 0 ? std::to_string(order) : std::string());
    }
    if (in(1)) {
        // 22 colour numbers straight after the line end, four bytes each, least significant first.
        for (int k = 0; k < 22; ++k) {
            std::uint32_t value = 0;
            for (int b = 0; b < 4; ++b) {
                int c = s_.Get();
                if (c >= 0) value |= std::uint32_t(c) << (8 * b);
            }
            std::string name = ColourToName(std::int32_t(value));
            PublishFont& font = k == 0 ? db_.LabelFont : k == 1 ? db_.ScrollFont : db_.FieldFonts[std::size_t(k - 2)];
            font.Colour = name;
            SetSwatch(Main, k == 0 ? "LabelColour" : k == 1 ? "ScrollColour" : "Colour" + std::to_string(k - 1), name);
        }
    }
    std::string imageDir = TextLine();
    db_.DatabaseImageDirectory = imageDir;
    db_.LastImageDirectory = imageDir;
    if (Form* setup = app_.FindForm("DBSetupForm"))
        if (auto* list = dynamic_cast<DirectoryListBox*>(setup->FindComponent("ImageDirListBox")))
            list->SetDirectory(DirectoryOrRoot(app_, imageDir, "The default 'Images' Directory is Invalid :"));

    Texts(Publish, {"QuickViewFields", "PageBackgroundImageFile", "TableHeadingImageFile", "TableBackgroundImageFile"});
    Texts("FTPForm", {"FTPhost", "FTPAccountID", "FTPPassword", "FTPPort", "FTPHostDir"});
    Text(Publish, "PageBackgroundColour");
    std::string dir = Directory("DirectoryListBackground", "The default 'Page Background' Directory is Invalid :");
    Preview(dir, "PageBackgroundImageFile", "OlePageBackground");
    Texts(Publish, {"TableHeaderColour", "TableHeader"});
    dir = Directory("DirectoryListHeader", "The default 'Table Heading Image' Directory is Invalid :");
    Preview(dir, "TableHeadingImageFile", "OleTableHeading");
    Text(Publish, "TableBackgroundColour");
    Get<Control>(Publish, "Alt1TableBackgroundColour").SetText("None");
    Get<Control>(Publish, "Alt2TableBackgroundColour").SetText("None");
    if (!in(2)) {
        Texts(Publish, {"Alt1TableBackgroundColour", "Alt2TableBackgroundColour"});
        dir = Directory("DirectoryListTableBackground", "The default 'Table Background Image' Directory is Invalid :");
        Preview(dir, "TableBackgroundImageFile", "OleTableBackground");
    }
    if (in(1)) {
        db_.InstructionFont.Colour = TextLine();
        SetSwatch(Publish, "InstructionColour", db_.InstructionFont.Colour);
        db_.InstructionFont.Style = "Bold Italic";
        Get<CheckBox>(Publish, "ScaleImages").SetChecked(true);
        db_.HeaderFont.Colour = "Red";
        SetSwatch(Publish, "HeaderColour", "Red");
        db_.HeaderFont.Style = "Bold";
    }
    {
        // A publish folder that no longer exists is left unset rather than replaced by the root: the
        // publisher empties its folder, and refuses to publish until one is chosen.
        std::string publish = TextLine();
        if (!publish.empty() && PathExistsOnDisk(publish)) {
            Get<DirectoryListBox>(Publish, "PublishDirectory").SetDirectory(publish);
            db_.PublishDirectory = Get<DirectoryListBox>(Publish, "PublishDirectory").Directory();
        } else {
            app_.Beep(BeepKind::Exclamation);
            app_.ShowMessage("The default 'Publishing' Directory is Invalid :'" + publish +
                             "'. Please choose one before Publishing.");
            db_.PublishDirectory = "none";
        }
    }
    ReturnToDatabaseDirectory(db_);

    if (!in(1)) {
        FontLines(db_.LabelFont, Main, "LabelColour");
        FontLines(db_.ScrollFont, Main, "ScrollColour");
        FontLines(db_.InstructionFont, Publish, "InstructionColour");
        FontLines(db_.HeaderFont, Publish, "HeaderColour");
        for (int f = 0; f < FieldCount; ++f)
            FontLines(db_.FieldFonts[std::size_t(f)], Main, "Colour" + std::to_string(f + 1));
        Get<CheckBox>(Publish, "ScaleImages").SetChecked(Line().rfind("SCALE", 0) == 0);
    }
    constexpr const char* Lang = "LangForm";
    constexpr const char* Search = "SearchSetup";
    if (!in(2))
        Texts(Lang, {"Real_pleaseselect", "Real_detailview", "Real_quickview1", "Real_category", "Real_search",
                     "Real_clickimage", "Real_record", "Real_of", "Real_changecategory", "Real_quickview2",
                     "Real_firstrecord", "Real_previousrecord", "Real_nextrecord", "Real_lastrecord", "Real_entries"});
    if (!in(3)) {
        Texts(Lang, {"Real_SrchGo", "Real_SrchFirst", "Real_SrchResults", "Real_SrchNoMatch", "Real_SrchSearching",
                     "Real_SrchPreparing", "Real_SrchComplete", "Real_SrchFirst100", "Real_SrchNoData",
                     "Real_SrchClose"});
        Check(Search, "EnableSearchButton");
        Texts(Search, {"SearchViewFields", "InitialFrame", "TargetPage", "TargetFrame", "TopFrameSize"});
        Texts(Publish, {"ButtonWidth", "ButtonHeight", "ImageWidth", "ImageHeight"});
        Numbered(Main, "Search", 1, 20, true);
    } else {
        // Files before searching existed search the first six fields.
        Get<CheckBox>(Search, "EnableSearchButton").SetChecked(true);
        for (int i = 1; i <= FieldCount; ++i) Get<CheckBox>(Main, "Search" + std::to_string(i)).SetChecked(i <= 6);
    }
    if (!in(4)) {
        Texts(Publish, {"DetailPageTableWidth", "DetailPageColumnWidthLABEL", "DetailPageColumnWidthDATA",
                        "DetailPageColumnWidthIMAGE", "QuickViewPageTableWidth"});
        Numbered(Publish, "QuickViewPageColumnWidth", 1, 10, false);
        Check(Publish, "LinkImagesAtUpload");
        Check(Publish, "ForcePublish");
        Texts(Search, {"MaxSearchResults", "SearchViewPageTableWidth"});
        Numbered(Search, "SearchViewPageColumnWidth", 1, 10, false);
        Texts(Lang, {"Real_SrchAND", "Real_SrchOR"});
        for (const char* c : {"HTMLIndexPageHeaderOverride", "HTMLIndexPageFooterOverride",
                              "HTMLOtherPageHeaderOverride", "HTMLOtherPageFooterOverride", "HTMLTableHeaderOverride",
                              "HTMLTableFooterOverride", "HTMLSearchBoxHeaderOverride"})
            Check("HTMLForm", c);
        Check(Search, "SearchPerCategory");
        if (!in(5))
            Texts(Publish, {"DETAILLabelHAlign", "DETAILLabelVAlign", "DETAILDataHAlign", "DETAILDataVAlign",
                            "DETAILImageHAlign", "DETAILImageVAlign", "QUICKHAlign", "QUICKVAlign"});
        for (const char* c : {"HTMLIndexPageHeader", "HTMLIndexPageFooter", "HTMLOtherPageHeader",
                              "HTMLOtherPageFooter", "HTMLTableHeader", "HTMLTableFooter", "HTMLSearchBoxHeader"})
            Block("HTMLForm", c, "HTML", true);
    }
    const bool apply = !import_;
    constexpr const char* Wizard = "ImportWizardForm";
    if (!in(6)) {
        Texts(Wizard, {"ImportMode", "ImportCombo", "Delimiter", "ImportCategoryField", "ImportCategory"}, apply);
        Numbered(Wizard, "MapToDB", 1, 24, false, apply);
        Numbered(Wizard, "CheckImage", 1, 24, true, apply);
        Text(Wizard, "OverflowFields", apply);
    }
    if (!in(7)) {
        Check(Search, "IntraNetSearches");
        for (const auto& [name, fallback] : {std::pair{"WhichRows", "1,2,3,4,5,6"}, std::pair{"WhichFields", "4,5"}}) {
            std::string l = Line();
            bool unset = l == ConfigNull || l.rfind("notused", 0) == 0;
            Get<Control>("RozizAForm", name).SetText(unset ? std::string(fallback) : l);
        }
        Check("RozizAForm", "WhichRowsCheckBox");
        Texts("DBForm", {"ImportName", "AliasName", "UserName", "Password", "TableName"}, apply);
        if (apply) Get<Memo>("DBForm", "SQL").SetText("");
        Block("DBForm", "SQL", "SQL", apply);
        Check("DBForm", "UseODBClabels", apply);
        Text("DBForm", "ODBCfieldConversionType", apply);
        Check("DBForm", "FastODBCImport", apply);
    }
    if (!in(8)) {
        Texts("KarvoForm", {"KarvoUserNumber", "KarvoWebSiteNumber", "KarvoOrderGif", "KarvoCheckoutGif"}, apply);
        Check("KarvoForm", "KarvoQuickViewCheckout", apply);
    }
    Get<Control>(Main, "Category").Repaint();
    std::string categories = Line();
    std::vector<std::string> items;
    std::size_t start = 0;
    for (;;) {
        std::size_t tab = categories.find('\t', start);
        items.push_back(categories.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
        if (tab == std::string::npos) break;
        start = tab + 1;
    }
    Get<ComboBox>(Main, "Category").SetItems(items);
    ReturnToDatabaseDirectory(db_);
    db_.ReadingConfig = 0;
    return version;
}

}  // namespace

bool VersionInList(const std::string& version, int list) {
    if (list < 1 || list > 8) return false;
    const auto& names = VersionLists[std::size_t(list - 1)];
    return std::find(names.begin(), names.end(), version) != names.end();
}

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
