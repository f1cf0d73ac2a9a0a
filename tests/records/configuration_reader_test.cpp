// Reading configuration files back: the round trip of the current version, older versions behind their
// gates, imports, files that end early.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>

#include "platform/fs/files.h"
#include "platform/gfx/colour_names.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/image.h"
#include "platform/ui/memo.h"
#include "records/configuration_reader.h"
#include "support/temp_dir.h"
#include "synthetic_windows.h"

namespace fv {
namespace {

class ConfigurationReaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(ChangeDirectory(dir.Path()));
        for (DatabaseState* db : {&written, &read}) db->DatabaseDirectory = dir.Path();
        for (SyntheticWindows* w : {&source, &target})
            for (const char* list : {"DirectoryListBackground", "DirectoryListHeader", "DirectoryListTableBackground",
                                     "PublishDirectory"})
                w->Control<DirectoryListBox>("PublishSetupForm", list).SetDirectory(dir.Path());
    }
    std::string Read(const std::string& text, bool import = false) {
        TextStream s(text);
        return ReadConfiguration(target.app, read, s, import);
    }

    testing::TempDir dir;
    SyntheticWindows source, target;
    DatabaseState written, read;
};

TEST_F(ConfigurationReaderTest, SaveLoadAndSaveAgainGiveTheSameBytes) {
    SyntheticWindows& w = source;
    w.Control<Edit>("FolivexForm", "DBLabel3").SetText("Price");
    w.Control<Edit>("FolivexForm", "Order3").SetText("1");
    w.Control<CheckBox>("FolivexForm", "Search2").SetChecked(true);
    w.Control<Edit>("FTPForm", "FTPPassword").SetText("s3cret");
    w.Control<Memo>("HTMLForm", "HTMLIndexPageHeader").SetText("<H1>Cars</H1>\r\nEND HTML\r\n\r\n(null)");
    w.Control<Memo>("HTMLForm", "HTMLTableFooter").SetText("(null)");
    w.Control<Memo>("DBForm", "SQL").SetText("select *\r\n\r\nfrom cars");
    w.Control<CheckBox>("PublishSetupForm", "ScaleImages").SetChecked(true);
    w.Control<ComboBox>("FolivexForm", "Category").SetItems({"Executive", "4x4", "Sport"});
    w.Control<Edit>("RozizAForm", "WhichRows").SetText("1,2");
    w.Control<Edit>("RozizAForm", "WhichFields").SetText("3");
    written.DatabaseImageDirectory = dir.Path();
    written.FieldFonts[4] = PublishFont{"Navy", "Arial", "+1", "Italic"};
    written.LabelFont = PublishFont{"White", " ", "-1", " "};
    const std::string first = ConfigurationText(w.app, written);

    EXPECT_EQ(Read(first), "v2.4");
    EXPECT_EQ(ConfigurationText(target.app, read), first);
    EXPECT_EQ(target.Control<Memo>("HTMLForm", "HTMLIndexPageHeader").Text(), "<H1>Cars</H1>\r\nEND HTML\r\n\r\n(null)");
    EXPECT_EQ(target.Control<Memo>("HTMLForm", "HTMLTableFooter").Text(), "(null)");
    EXPECT_EQ(target.Control<Memo>("HTMLForm", "HTMLOtherPageHeader").Text(), "");
    EXPECT_EQ(read.FieldFonts[4].Face, "Arial");
    EXPECT_EQ(target.Control<Edit>("FolivexForm", "Colour5").GetColor(), NameToColour("Navy"));
    EXPECT_EQ(target.Control<Edit>("FolivexForm", "Order3").Text(), "1");
    EXPECT_EQ(target.Control<Edit>("FolivexForm", "Order1").Text(), "");
    EXPECT_EQ(read.PublishDirectory, dir.Path());
    EXPECT_EQ(read.ReadingConfig, 0);
    EXPECT_TRUE(target.app.Scripted().Messages().empty());
}

// A directory row whose folder its list already shows enters it and selects its item without reading its
// subfolders again (a configuration is read on every load); a list moved to another folder reads it.
TEST_F(ConfigurationReaderTest, AFolderItsListAlreadyShowsIsEnteredWithoutReadingItAgain) {
    ASSERT_TRUE(MakeDirectory(dir.File("pictures")));
    ASSERT_TRUE(MakeDirectory(dir.File("site")));
    source.Control<DirectoryListBox>("PublishSetupForm", "DirectoryListBackground").SetDirectory(dir.File("pictures"));
    source.Control<DirectoryListBox>("PublishSetupForm", "PublishDirectory").SetDirectory(dir.File("site"));
    const std::string file = ConfigurationText(source.app, written);
    ASSERT_EQ(Read(file), "v2.4");

    auto list = [&](const char* name) -> DirectoryListBox& {
        return target.Control<DirectoryListBox>("PublishSetupForm", name);
    };
    ASSERT_TRUE(MakeDirectory(dir.File("later")));
    ASSERT_TRUE(MakeDirectory(dir.File("pictures/later")));
    ASSERT_TRUE(MakeDirectory(dir.File("site/later")));
    list("DirectoryListHeader").SetItemIndex(0);  // moved to the root's item
    ASSERT_TRUE(list("DirectoryListTableBackground").SetDirectory("/"));
    ASSERT_TRUE(ChangeDirectory("/"));
    ASSERT_EQ(Read(file), "v2.4");

    for (const char* name : {"DirectoryListBackground", "DirectoryListHeader", "PublishDirectory"}) {
        SCOPED_TRACE(name);
        DirectoryListBox& l = list(name);
        EXPECT_EQ(l.IndexOf("later"), -1);
        EXPECT_EQ(l.DirectoryOfItem(l.ItemIndex()), l.Directory());
    }
    EXPECT_EQ(list("DirectoryListHeader").Directory(), dir.Path());
    EXPECT_EQ(list("DirectoryListBackground").Directory(), dir.File("pictures"));
    EXPECT_EQ(read.PublishDirectory, dir.File("site"));
    EXPECT_EQ(CurrentDirectory(), dir.Path());
    // Moved from the root back to the folder: read afresh.
    EXPECT_EQ(list("DirectoryListTableBackground").Directory(), dir.Path());
    EXPECT_GE(list("DirectoryListTableBackground").IndexOf("later"), 0);
    // Setting the folder on the list itself reads it again.
    ASSERT_TRUE(list("DirectoryListHeader").SetDirectory(dir.Path()));
    EXPECT_GE(list("DirectoryListHeader").IndexOf("later"), 0);
    EXPECT_TRUE(target.app.Scripted().Messages().empty());
}

// Lines longer than a fixed buffer (301 bytes, and 5001 for the category line) come back whole: a cut
// line would hand its rest to the next item and shift every later one.
TEST_F(ConfigurationReaderTest, LongLinesComeBackWholeAndShiftNothing) {
    SyntheticWindows& w = source;
    std::string rows;
    for (int i = 1; i <= 400; ++i) rows += std::to_string(i) + ",";
    ASSERT_GT(rows.size(), 301u);
    const std::string header = "<META NAME=\"keywords\" CONTENT=\"" + std::string(700, 'k') + "\">";
    std::vector<std::string> categories;
    for (int i = 0; i < 300; ++i) categories.push_back("Category number " + std::to_string(i));
    w.Control<Edit>("RozizAForm", "WhichRows").SetText(rows);
    w.Control<Edit>("RozizAForm", "WhichFields").SetText("3");
    w.Control<Edit>("FolivexForm", "DBLabel3").SetText(std::string(400, 'L'));
    w.Control<Edit>("FolivexForm", "DBLabel4").SetText("Price");
    w.Control<Memo>("HTMLForm", "HTMLIndexPageHeader").SetText(header + "\r\n<H1>Cars</H1>");
    w.Control<ComboBox>("FolivexForm", "Category").SetItems(categories);
    const std::string first = ConfigurationText(w.app, written);
    ASSERT_GT(first.size() - first.rfind("\r\n", first.size() - 3), 5001u);

    EXPECT_EQ(Read(first), "v2.4");
    EXPECT_EQ(target.Control<Edit>("RozizAForm", "WhichRows").Text(), rows);
    EXPECT_EQ(target.Control<Edit>("RozizAForm", "WhichFields").Text(), "3");
    EXPECT_EQ(target.Control<Edit>("FolivexForm", "DBLabel3").Text(), std::string(400, 'L'));
    EXPECT_EQ(target.Control<Edit>("FolivexForm", "DBLabel4").Text(), "Price");
    EXPECT_EQ(target.Control<Memo>("HTMLForm", "HTMLIndexPageHeader").Text(), header + "\r\n<H1>Cars</H1>");
    EXPECT_EQ(target.Control<ComboBox>("FolivexForm", "Category").Items(), categories);
    EXPECT_EQ(ConfigurationText(target.app, read), first);
    EXPECT_TRUE(target.app.Scripted().Messages().empty());
}

TEST_F(ConfigurationReaderTest, CategoryLineGivesOneItemPerPieceIncludingAnEmptyLastOne) {
    std::string text = ConfigurationText(source.app, written);
    text.resize(text.size() - 2);                      // drop the empty category line's end
    text = text.substr(0, text.rfind("\r\n") + 2) + "A\tB\t\r\n";
    Read(text);
    EXPECT_EQ(target.Control<ComboBox>("FolivexForm", "Category").Items(), (std::vector<std::string>{"A", "B", ""}));
}

TEST_F(ConfigurationReaderTest, DuringAnImportTheWizardOdbcAndCartLinesAreReadButNotApplied) {
    source.Control<Edit>("ImportWizardForm", "MapToDB1").SetText("7");
    source.Control<Edit>("DBForm", "TableName").SetText("cars");
    source.Control<Memo>("DBForm", "SQL").SetText("select 1");
    source.Control<Edit>("KarvoForm", "KarvoUserNumber").SetText("42");
    source.Control<ComboBox>("FolivexForm", "Category").SetItems({"Vans"});
    target.Control<Edit>("ImportWizardForm", "MapToDB1").SetText("3");
    target.Control<Memo>("DBForm", "SQL").SetText("kept");
    Read(ConfigurationText(source.app, written), true);
    EXPECT_EQ(target.Control<Edit>("ImportWizardForm", "MapToDB1").Text(), "3");
    EXPECT_EQ(target.Control<Edit>("DBForm", "TableName").Text(), "");
    EXPECT_EQ(target.Control<Memo>("DBForm", "SQL").Text(), "kept");
    EXPECT_EQ(target.Control<Edit>("KarvoForm", "KarvoUserNumber").Text(), "");
    // Everything after them still lands on its item.
    EXPECT_EQ(target.Control<ComboBox>("FolivexForm", "Category").Items(), std::vector<std::string>{"Vans"});
}

// An old file, written line by line as that version did.
std::string OldFile(const std::string& version, const std::string& dir, bool binaryColours, bool altColours,
                    bool instructionLine, bool fonts, bool pageTexts, bool searchRun, bool widthsRun,
                    bool alignments) {
    std::string f = version + "\r\n";
    for (int i = 1; i <= 20; ++i) f += "Label " + std::to_string(i) + "\r\n";
    for (int i = 1; i <= 20; ++i) f += (i == 2 ? "1" : "0") + std::string("\r\n");
    if (binaryColours)
        for (int k = 0; k < 22; ++k) {
            std::uint32_t c = k == 0 ? 0x0000FFu : 0x00FFFFu;  // labels red, the rest yellow
            for (int b = 0; b < 4; ++b) f += char((c >> (8 * b)) & 0xFF);
        }
    f += dir + "\r\n";                                          // image directory
    f += "1,2,3\r\nbg.gif\r\n(null)\r\n(null)\r\n";             // quick view fields, images
    f += "ftp.example.org\r\nann\r\npw\r\n21\r\n/www\r\n";       // FTP
    f += "White\r\n" + dir + "\r\n";                            // page colour and directory
    f += "Red\r\n== Cars ==\r\n" + dir + "\r\n";                // table header
    f += "Image\r\n";                                           // table background colour
    if (altColours) f += "Silver\r\nGray\r\n" + dir + "\r\n";
    if (instructionLine) f += "Lime\r\n";
    f += dir + "\r\n";                                          // publish directory
    if (fonts) {
        for (int k = 0; k < 24; ++k) f += "Navy\r\n \r\n-1\r\n \r\n";
        f += "NOTSCALE\r\n";
    }
    if (pageTexts)
        for (int k = 0; k < 15; ++k) f += "text" + std::to_string(k) + "\r\n";
    if (searchRun) {
        for (int k = 0; k < 10; ++k) f += "srch" + std::to_string(k) + "\r\n";
        f += "0\r\n1,2\r\n_top\r\nqlx_frm.htm\r\nmain\r\n100\r\n18\r\n18\r\n120\r\n80\r\n";
        for (int i = 1; i <= 20; ++i) f += (i == 20 ? "1" : "0") + std::string("\r\n");
    }
    if (widthsRun) {
        f += "500\r\n20\r\n45\r\n35\r\n500\r\n";
        for (int i = 0; i < 10; ++i) f += "10\r\n";
        f += "0\r\n1\r\n100\r\n500\r\n";
        for (int i = 0; i < 10; ++i) f += "10\r\n";
        f += "AND\r\nOR\r\n";
        for (int i = 0; i < 8; ++i) f += "0\r\n";
        if (alignments) f += "left\r\nmiddle\r\nleft\r\nmiddle\r\ncenter\r\nmiddle\r\nleft\r\ntop\r\n";
        for (int i = 0; i < 7; ++i) f += "START HTML\r\n<B>" + std::to_string(i) + "</B>\r\nEND HTML\r\n";
    }
    f += "Sport\tFamily\r\n";
    return f;
}

TEST_F(ConfigurationReaderTest, VersionOneTwentyFourHasBinaryColoursAndNoFontLines) {
    target.Control<Memo>("HTMLForm", "HTMLIndexPageHeader").SetText("kept header");
    target.Control<CheckBox>("FolivexForm", "Search20").SetChecked(true);
    ASSERT_TRUE(WriteWholeFile(dir.File("bg.gif"), "GIF89a"));
    Read(OldFile("v1.24", dir.Path(), true, false, true, false, false, false, false, false));
    EXPECT_EQ(read.LabelFont.Colour, "Red");
    EXPECT_EQ(read.FieldFonts[19].Colour, "Yellow");
    EXPECT_EQ(target.Control<Edit>("FolivexForm", "LabelColour").GetColor(), ClRed);
    EXPECT_EQ(read.InstructionFont.Colour, "Lime");
    EXPECT_EQ(read.InstructionFont.Style, "Bold Italic");
    EXPECT_EQ(read.HeaderFont.Colour, "Red");
    EXPECT_TRUE(target.Control<CheckBox>("PublishSetupForm", "ScaleImages").Checked());
    EXPECT_EQ(target.Control<Edit>("PublishSetupForm", "Alt1TableBackgroundColour").Text(), "None");
    // Before searching existed: the first six fields are searched.
    EXPECT_TRUE(target.Control<CheckBox>("FolivexForm", "Search6").Checked());
    EXPECT_FALSE(target.Control<CheckBox>("FolivexForm", "Search20").Checked());
    EXPECT_TRUE(target.Control<CheckBox>("SearchSetup", "EnableSearchButton").Checked());
    EXPECT_EQ(target.Control<Memo>("HTMLForm", "HTMLIndexPageHeader").Text(), "kept header");
    EXPECT_EQ(target.Control<Edit>("FolivexForm", "Order2").Text(), "1");
    EXPECT_EQ(target.Control<ComboBox>("FolivexForm", "Category").Items(), (std::vector<std::string>{"Sport", "Family"}));
    EXPECT_EQ(target.Control<Edit>("FTPForm", "FTPHostDir").Text(), "/www");
    EXPECT_TRUE(target.app.Scripted().Messages().empty()) << target.app.Scripted().Messages().front();
}

TEST_F(ConfigurationReaderTest, VersionGatesOfTheLaterRuns) {
    struct Case {
        const char* version;
        bool alignments, blocks;
    };
    for (const Case& c : {Case{"v2.03", false, true}, Case{"v2.02", false, false}, Case{"v2.04", true, true}}) {
        SyntheticWindows fresh;
        for (const char* list : {"DirectoryListBackground", "DirectoryListHeader", "DirectoryListTableBackground",
                                 "PublishDirectory"})
            fresh.Control<DirectoryListBox>("PublishSetupForm", list).SetDirectory(dir.Path());
        fresh.Control<Memo>("HTMLForm", "HTMLTableHeader").SetText("before");
        fresh.Control<Edit>("PublishSetupForm", "QUICKVAlign").SetText("bottom");
        bool widths = std::string(c.version) != "v2.02";
        TextStream s(OldFile(c.version, dir.Path(), false, true, false, true, true, true, widths, c.alignments));
        DatabaseState db;
        db.DatabaseDirectory = dir.Path();
        ReadConfiguration(fresh.app, db, s, false);
        EXPECT_EQ(fresh.Control<Edit>("PublishSetupForm", "QUICKVAlign").Text(), c.alignments ? "top" : "bottom")
            << c.version;
        EXPECT_EQ(fresh.Control<Memo>("HTMLForm", "HTMLTableHeader").Text(), c.blocks ? "<B>4</B>" : "before")
            << c.version;
        EXPECT_TRUE(fresh.Control<CheckBox>("FolivexForm", "Search20").Checked()) << c.version;
        EXPECT_EQ(fresh.Control<ComboBox>("FolivexForm", "Category").Items(),
                  (std::vector<std::string>{"Sport", "Family"}))
            << c.version;
    }
    EXPECT_TRUE(VersionInList("v2.33", 8));
    EXPECT_FALSE(VersionInList("v2.33", 7));
    EXPECT_FALSE(VersionInList("v2.4", 8));
    EXPECT_FALSE(VersionInList("V1.1", 1));  // exact comparison
}

// Every layout the file has had, read from a file of that layout: the current file with the runs that
// layout did not have taken out (and, for the oldest, its own lines put in). A run a file holds comes back
// as written; one it lacks leaves the control as it was or gives the value old files stand for. Versions
// of one layout read alike, and a version newer than any reads as the current one.
TEST_F(ConfigurationReaderTest, EachLayoutReadsTheRunsItHoldsAndLeavesTheOthers) {
    // The layouts in order; a run is held by a file of its first layout and of every later one.
    const std::vector<std::string> layouts = {"v1.1", "v1.25", "v1.28", "v2.0", "v2.03", "v2.04", "v2.1", "v2.2", "v2.4"};
    auto layoutIndex = [&layouts](const std::string& v) {
        return std::size_t(std::find(layouts.begin(), layouts.end(), v) - layouts.begin());
    };
    struct Run {
        const char* first;     // the first layout holding the run
        int from, to;          // its items (each on one line while every memo has one line)
    };
    const std::map<std::string, Run> runs = {
        {"alternate colours", {"v1.28", 58, 60}}, {"fonts", {"v1.25", 62, 158}},
        {"page texts", {"v1.28", 159, 173}},      {"search", {"v2.0", 174, 213}},
        {"widths", {"v2.03", 214, 252}},          {"alignments", {"v2.04", 253, 260}},
        {"HTML blocks", {"v2.03", 261, 281}},     {"import wizard", {"v2.1", 282, 335}},
        {"chart and ODBC", {"v2.2", 336, 350}},   {"cart", {"v2.4", 351, 355}},
    };

    source.Control<Edit>("FolivexForm", "DBLabel3").SetText("Price");
    source.Control<Edit>("FTPForm", "FTPHostDir").SetText("/www");
    source.Control<Edit>("PublishSetupForm", "Alt1TableBackgroundColour").SetText("Silver");
    source.Control<Edit>("LangForm", "Real_record").SetText("Rec");
    source.Control<Edit>("LangForm", "Real_SrchGo").SetText("Go!");
    source.Control<CheckBox>("FolivexForm", "Search20").SetChecked(true);
    source.Control<Edit>("PublishSetupForm", "DetailPageTableWidth").SetText("640");
    source.Control<Edit>("PublishSetupForm", "QUICKVAlign").SetText("top");
    source.Control<Memo>("HTMLForm", "HTMLTableHeader").SetText("<B>x</B>");
    source.Control<Edit>("ImportWizardForm", "MapToDB1").SetText("7");
    source.Control<Edit>("DBForm", "TableName").SetText("cars");
    source.Control<Memo>("DBForm", "SQL").SetText("select 1");
    source.Control<Edit>("KarvoForm", "KarvoUserNumber").SetText("42");
    source.Control<ComboBox>("FolivexForm", "Category").SetItems({"Sport", "Family"});
    written.LabelFont.Colour = "Navy";
    written.InstructionFont.Colour = "Teal";
    written.HeaderFont = PublishFont{"Blue", "Arial", "+3", "Italic"};
    written.FieldFonts[4] = PublishFont{"Olive", "Arial", "-1", " "};
    std::vector<std::string> current;
    {
        const std::string text = ConfigurationText(source.app, written);
        for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
            current.push_back(text.substr(start, end - start));
        ASSERT_EQ(current.size(), 356u);
    }
    auto fileOfLayout = [&](const std::string& version, std::size_t layout) {
        std::string f = version + "\r\n";
        for (int item = 2; item <= 356; ++item) {
            if (layout == 0 && item == 61) f += "Lime\r\n";  // the oldest files' instruction colour
            bool held = true;
            for (const auto& [name, run] : runs)
                if (item >= run.from && item <= run.to && layoutIndex(run.first) > layout) held = false;
            if (held) f += current[std::size_t(item - 1)] + "\r\n";
            if (layout == 0 && item == 41)  // 22 binary font colours: the label red, the others yellow
                for (int k = 0; k < 22; ++k)
                    for (int b = 0; b < 4; ++b) f += char(((k == 0 ? 0x0000FFu : 0x00FFFFu) >> (8 * b)) & 0xFF);
        }
        return f;
    };

    struct Probe {
        const char* run;
        std::function<std::string(SyntheticWindows&, const DatabaseState&)> value;
        std::string written, lacking;  // as written, and what a file without the run gives
    };
    auto text = [](const char* form, const char* control) {
        return [=](SyntheticWindows& w, const DatabaseState&) { return w.Control<Control>(form, control).Text(); };
    };
    auto check = [](const char* form, const char* control) {
        return [=](SyntheticWindows& w, const DatabaseState&) {
            return std::string(w.Control<CheckBox>(form, control).Checked() ? "1" : "0");
        };
    };
    const std::vector<Probe> probes = {
        {"alternate colours", text("PublishSetupForm", "Alt1TableBackgroundColour"), "Silver", "None"},
        // Without font lines the label and field colours come from the binary numbers, the instruction
        // colour from its own line, and the header is red and bold.
        {"fonts", [](auto&, const DatabaseState& d) { return d.LabelFont.Colour; }, "Navy", "Red"},
        {"fonts", [](auto&, const DatabaseState& d) { return d.FieldFonts[4].Colour; }, "Olive", "Yellow"},
        {"fonts", [](auto&, const DatabaseState& d) { return d.FieldFonts[4].Face; }, "Arial", " "},
        {"fonts", [](auto&, const DatabaseState& d) { return d.InstructionFont.Colour; }, "Teal", "Lime"},
        {"fonts", [](auto&, const DatabaseState& d) { return d.HeaderFont.Colour + " " + d.HeaderFont.Style; },
         "Blue Italic", "Red Bold"},
        {"fonts", check("PublishSetupForm", "ScaleImages"), "0", "1"},
        {"page texts", text("LangForm", "Real_record"), "Rec", "before"},
        {"search", text("LangForm", "Real_SrchGo"), "Go!", "before"},
        // Files from before searching search the first six fields.
        {"search", check("FolivexForm", "Search1"), "0", "1"},
        {"search", check("FolivexForm", "Search20"), "1", "0"},
        {"search", check("SearchSetup", "EnableSearchButton"), "0", "1"},
        {"widths", text("PublishSetupForm", "DetailPageTableWidth"), "640", "before"},
        {"alignments", text("PublishSetupForm", "QUICKVAlign"), "top", "before"},
        {"HTML blocks", text("HTMLForm", "HTMLTableHeader"), "<B>x</B>", "before"},
        {"import wizard", text("ImportWizardForm", "MapToDB1"), "7", "before"},
        {"chart and ODBC", text("DBForm", "TableName"), "cars", "before"},
        {"chart and ODBC", text("DBForm", "SQL"), "select 1", "before"},
        {"cart", text("KarvoForm", "KarvoUserNumber"), "42", "before"},
    };

    struct Case {
        const char* version;
        const char* layout;  // the layout that version wrote
    };
    for (const Case& c : {Case{"v1.1", "v1.1"}, Case{"v1.24", "v1.1"}, Case{"v1.25", "v1.25"}, Case{"v1.25k", "v1.25"},
                          Case{"v1.27a", "v1.25"}, Case{"v1.28", "v1.28"}, Case{"v2.0", "v2.0"}, Case{"v2.02", "v2.0"},
                          Case{"v2.03", "v2.03"}, Case{"v2.04", "v2.04"}, Case{"v2.1", "v2.1"}, Case{"v2.12", "v2.1"},
                          Case{"v2.2", "v2.2"}, Case{"v2.33", "v2.2"}, Case{"v2.4", "v2.4"}, Case{"v3.0", "v2.4"}}) {
        SCOPED_TRACE(c.version);
        const std::size_t layout = layoutIndex(c.layout);
        SyntheticWindows fresh;
        for (const char* list : {"DirectoryListBackground", "DirectoryListHeader", "DirectoryListTableBackground",
                                 "PublishDirectory"})
            fresh.Control<DirectoryListBox>("PublishSetupForm", list).SetDirectory(dir.Path());
        // What the probes expect a file without their run to leave in place.
        for (const auto& [form, control] :
             std::vector<std::pair<const char*, const char*>>{{"LangForm", "Real_record"}, {"LangForm", "Real_SrchGo"},
                                                             {"PublishSetupForm", "DetailPageTableWidth"},
                                                             {"PublishSetupForm", "QUICKVAlign"},
                                                             {"HTMLForm", "HTMLTableHeader"},
                                                             {"ImportWizardForm", "MapToDB1"}, {"DBForm", "TableName"},
                                                             {"KarvoForm", "KarvoUserNumber"}})
            fresh.Control<Control>(form, control).SetText("before");
        fresh.Control<Memo>("DBForm", "SQL").SetText("before");
        fresh.Control<CheckBox>("FolivexForm", "Search20").SetChecked(true);
        fresh.Control<CheckBox>("PublishSetupForm", "ScaleImages").SetChecked(false);

        DatabaseState db;
        db.DatabaseDirectory = dir.Path();
        TextStream s(fileOfLayout(c.version, layout));
        EXPECT_EQ(ReadConfiguration(fresh.app, db, s, false), c.version);
        for (const Probe& p : probes) {
            const bool held = layoutIndex(runs.at(p.run).first) <= layout;
            EXPECT_EQ(p.value(fresh, db), held ? p.written : p.lacking) << p.run;
        }
        // What every layout holds lands on its item, however many runs came between.
        EXPECT_EQ(fresh.Control<Edit>("FolivexForm", "DBLabel3").Text(), "Price");
        EXPECT_EQ(fresh.Control<Edit>("FTPForm", "FTPHostDir").Text(), "/www");
        EXPECT_EQ(db.PublishDirectory, dir.Path());
        EXPECT_EQ(fresh.Control<ComboBox>("FolivexForm", "Category").Items(),
                  (std::vector<std::string>{"Sport", "Family"}));
        EXPECT_TRUE(fresh.app.Scripted().Messages().empty());
        EXPECT_EQ(db.ReadingConfig, 0);
    }
}

TEST_F(ConfigurationReaderTest, ALaterVersionReadsLikeTheCurrentOne) {
    source.Control<Edit>("KarvoForm", "KarvoUserNumber").SetText("42");
    std::string text = ConfigurationText(source.app, written);
    text.replace(0, 4, "v9.9");
    EXPECT_EQ(Read(text), "v9.9");
    EXPECT_EQ(target.Control<Edit>("KarvoForm", "KarvoUserNumber").Text(), "42");
}

// A file that ends early is never read as empty settings: every item it holds whole is applied, the item
// it cuts (a line without its end, a block without its end line) and every later one keep what the
// controls held, and the reader lists them; the walk without applying finds the same list.
TEST_F(ConfigurationReaderTest, AFileThatEndsEarlyAppliesWhatItHoldsWholeAndListsTheRest) {
    source.Control<Edit>("FolivexForm", "DBLabel1").SetText("Make");
    source.Control<Edit>("FolivexForm", "DBLabel2").SetText("Model");
    source.Control<Memo>("HTMLForm", "HTMLIndexPageHeader").SetText("<H1>Cars</H1>\r\n<P>Used</P>");
    source.Control<ComboBox>("FolivexForm", "Category").SetItems({"Executive", "4x4"});
    const std::string whole = ConfigurationText(source.app, written);
    const std::vector<ConfigItem>& items = ConfigurationItems();
    auto indexOf = [&items](const std::string& control) {
        return std::size_t(std::find_if(items.begin(), items.end(), [&](const ConfigItem& i) { return i.Control == control; }) -
                           items.begin());
    };
    const std::size_t header = whole.find("<H1>Cars</H1>");
    struct Case {
        const char* reason;
        std::size_t length;
        std::size_t firstMissing;  // index in the file's items; items.size() for none
    } cases[] = {
        {"an empty file holds nothing", 0, 0},
        {"a cut version line is no version", 3, 0},
        {"the version and the first label whole", std::string("v2.4\r\nMake\r\n").size(), 2},
        {"a label line without its end is cut", std::string("v2.4\r\nMake\r\nMo").size(), 2},
        {"a label line cut between CR and LF is whole", std::string("v2.4\r\nMake\r\nModel\r").size(), 3},
        {"a block without its end line is cut", header + 20, indexOf("HTMLIndexPageHeader")},
        {"a category line without its end is cut", whole.size() - 4, indexOf("Category")},
        {"only the last LF missing: whole", whole.size() - 1, items.size()},
        {"the whole file", whole.size(), items.size()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.reason);
        SyntheticWindows t;
        for (const char* list : {"DirectoryListBackground", "DirectoryListHeader", "DirectoryListTableBackground", "PublishDirectory"})
            t.Control<DirectoryListBox>("PublishSetupForm", list).SetDirectory(dir.Path());
        t.Control<Edit>("FolivexForm", "DBLabel2").SetText("kept label");
        t.Control<Memo>("HTMLForm", "HTMLIndexPageHeader").SetText("kept header");
        t.Control<ComboBox>("FolivexForm", "Category").SetItems({"Kept"});
        t.Control<Edit>("FTPForm", "FTPHostDir").SetText("/kept");
        DatabaseState db;
        db.DatabaseDirectory = dir.Path();
        const std::string cut = whole.substr(0, c.length);
        TextStream s(cut);
        std::vector<const ConfigItem*> missing;
        ReadConfiguration(t.app, db, s, false, &missing);

        const std::size_t expected = items.size() - std::min(c.firstMissing, items.size());
        ASSERT_EQ(missing.size(), expected);
        if (expected > 0) {
            EXPECT_EQ(missing.front()->Control, items[c.firstMissing].Control);
        }
        EXPECT_EQ(MissingConfigurationItems(cut), missing);
        auto reached = [&](const std::string& control) { return indexOf(control) < c.firstMissing; };
        EXPECT_EQ(t.Control<Edit>("FolivexForm", "DBLabel2").Text(), reached("DBLabel2") ? "Model" : "kept label");
        EXPECT_EQ(t.Control<Memo>("HTMLForm", "HTMLIndexPageHeader").Text(),
                  reached("HTMLIndexPageHeader") ? "<H1>Cars</H1>\r\n<P>Used</P>" : "kept header");
        EXPECT_EQ(t.Control<ComboBox>("FolivexForm", "Category").Items(),
                  reached("Category") ? (std::vector<std::string>{"Executive", "4x4"}) : std::vector<std::string>{"Kept"});
        EXPECT_EQ(t.Control<Edit>("FTPForm", "FTPHostDir").Text(), reached("FTPHostDir") ? "" : "/kept");
        // Nothing unread is reported as a missing folder, and the publish folder is never the root.
        for (const std::string& m : t.app.Scripted().Messages()) EXPECT_EQ(m.find("Directory is Invalid"), std::string::npos) << m;
        EXPECT_NE(db.PublishDirectory, "/");
        EXPECT_EQ(db.ReadingConfig, 0);
    }
}

// The message names the file, the settings by window and the name the file will be kept under; a kept
// file already there is never the name of the next one.
TEST_F(ConfigurationReaderTest, TheEndedEarlyMessageNamesTheSettingsAndTheKeptFile) {
    const std::vector<const ConfigItem*> missing = MissingConfigurationItems("v2.4\r\nMake\r\n");
    source.FormNamed("FTPForm")->SetCaption("FTP Web Server Settings");
    const std::string text = EndedEarlyMessage(source.app, "cars.cfg", missing, "cars.cfg.bak");
    EXPECT_EQ(text.rfind("The configuration file 'cars.cfg' ended early: " + std::to_string(missing.size()) +
                             " of its settings were not in it whole and took their defaults:\r\nMain window: DBLabel2, ",
                         0),
              0u)
        << text;
    EXPECT_NE(text.find("\r\nFTP Web Server Settings: FTPhost, FTPAccountID, FTPPassword, FTPPort, FTPHostDir\r\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("\r\nPublication fonts: LabelFont, ScrollFont,"), std::string::npos) << text;
    EXPECT_EQ(text.substr(text.rfind("\r\n") + 2), "The file as it is now will be kept as 'cars.cfg.bak' before the database is saved.");

    const std::string cfg = dir.File("cars.cfg");
    EXPECT_EQ(KeptConfigurationName(cfg), cfg + ".bak");
    ASSERT_TRUE(WriteWholeFile(cfg + ".bak", "earlier"));
    EXPECT_EQ(KeptConfigurationName(cfg), cfg + ".bak2");
}

TEST_F(ConfigurationReaderTest, APreviewShowsANamedBackgroundPictureOrReportsItMissing) {
    ASSERT_TRUE(WriteWholeFile(dir.File("bg.gif"), "GIF89a"));
    source.Control<Edit>("PublishSetupForm", "PageBackgroundImageFile").SetText("bg.gif");
    source.Control<Edit>("PublishSetupForm", "TableHeadingImageFile").SetText("gone.gif");
    Read(ConfigurationText(source.app, written));
    EXPECT_TRUE(target.Control<Image>("PublishSetupForm", "OlePageBackground").Visible());
    EXPECT_FALSE(target.Control<Image>("PublishSetupForm", "OleTableHeading").Visible());
    EXPECT_EQ(target.app.Scripted().Messages(),
              std::vector<std::string>{"The File [" + dir.File("gone.gif") + "] has not been located."});
}

// A read and a write reach the controls the windows hold at that moment, whatever was made, freed,
// renamed, moved or reordered since the last one; a control of the wrong kind is still an error.
TEST_F(ConfigurationReaderTest, EachReadAndWriteReachesTheControlsTheWindowsHoldNow) {
    source.Control<Edit>("FTPForm", "FTPhost").SetText("host-0");
    const std::string file = ConfigurationText(source.app, written);
    Form& ftp = *target.forms.at("FTPForm");
    Edit* spare = ftp.Make<Edit>("Spare");
    Edit* incoming = target.forms.at("KarvoForm")->Make<Edit>("FTPhost");
    struct Step {
        const char* what;
        std::function<Edit*()> change;  // the control the name finds afterwards
    };
    const std::vector<Step> steps = {
        {"as made", [&] { return ftp.Find<Edit>("FTPhost"); }},
        {"freed and made again", [&] {
             ftp.FreeComponent(ftp.FindComponent("FTPhost"));
             return ftp.Make<Edit>("FTPhost");
         }},
        {"renamed away, another renamed to it", [&] {
             ftp.FindComponent("FTPhost")->SetName("Gone");
             spare->SetName("FTPhost");
             return spare;
         }},
        {"moved in from another window and put first", [&] {
             ftp.InsertComponent(incoming);
             ftp.ExchangeComponents(spare, incoming);
             return incoming;
         }},
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        Edit* now = step.change();
        const std::string host = "host-" + std::to_string(++n);
        std::string text = file;
        text.replace(text.find("host-0"), 6, host);
        EXPECT_EQ(Read(text), "v2.4");
        EXPECT_EQ(now->Text(), host);
        EXPECT_NE(ConfigurationText(target.app, read).find("\r\n" + host + "\r\n"), std::string::npos);
    }
    Form& publish = *target.forms.at("PublishSetupForm");
    publish.FreeComponent(publish.FindComponent("ForcePublish"));
    publish.Make<Edit>("ForcePublish");
    try {
        Read(file);
        FAIL() << "no error";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("PublishSetupForm.ForcePublish"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace fv
