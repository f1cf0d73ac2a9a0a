// The configuration file's items and how each kind is written, on windows made just for the test from
// the item table itself (the program's real windows have their own test).
#include <gtest/gtest.h>

#include <map>

#include "platform/app/application.h"
#include "platform/core/headless_loop.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/memo.h"
#include "records/configuration.h"
#include "synthetic_windows.h"

namespace fv {
namespace {

class ConfigurationTest : public ::testing::Test, public SyntheticWindows {
protected:
    // The lines of the file, and the first line of each item (blocks span several lines).
    std::vector<std::string> Lines(const std::string& text) {
        std::vector<std::string> lines;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find("\r\n", start);
            EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
            if (end == std::string::npos) break;
            lines.push_back(text.substr(start, end - start));
            start = end + 2;
        }
        return lines;
    }
    // The line of item number n (counted from 1, a block counting as its three items) while every block
    // before it holds a one-line memo.
    static std::size_t LineOfItem(int n) { return std::size_t(n - 1); }

    DatabaseState db;
};

TEST_F(ConfigurationTest, HoldsTheItemsInTheirOrder) {
    const auto& items = ConfigurationItems();
    // Numbered as the file's items are: a block counts as its three lines (start, memo, end).
    int numbered = 0;
    for (const ConfigItem& it : items) numbered += it.Kind == ConfigKind::Block ? 3 : 1;
    ASSERT_EQ(numbered, 356);
    struct Probe {
        int number;
        ConfigKind kind;
        const char* form;
        const char* control;
    };
    const Probe probes[] = {
        {2, ConfigKind::Text, "FolivexForm", "DBLabel1"},
        {41, ConfigKind::OrderNumber, "FolivexForm", "Order20"},
        {42, ConfigKind::ImageDirectory, "", "DatabaseImageDirectory"},
        {51, ConfigKind::Text, "FTPForm", "FTPHostDir"},
        {61, ConfigKind::Directory, "PublishSetupForm", "PublishDirectory"},
        {157, ConfigKind::Font, "", "FieldFont20"},
        {158, ConfigKind::Scale, "PublishSetupForm", "ScaleImages"},
        {184, ConfigKind::Check, "SearchSetup", "EnableSearchButton"},
        {213, ConfigKind::Check, "FolivexForm", "Search20"},
        {244, ConfigKind::Text, "LangForm", "Real_SrchOR"},
        {261, ConfigKind::Block, "HTMLForm", "HTMLIndexPageHeader"},
        {281, ConfigKind::Block, "HTMLForm", "HTMLSearchBoxHeader"},
        {282, ConfigKind::Text, "ImportWizardForm", "ImportMode"},
        {334, ConfigKind::Check, "ImportWizardForm", "CheckImage24"},
        {339, ConfigKind::Check, "RozizAForm", "WhichRowsCheckBox"},
        {345, ConfigKind::Block, "DBForm", "SQL"},
        {355, ConfigKind::Check, "KarvoForm", "KarvoQuickViewCheckout"},
        {356, ConfigKind::Categories, "FolivexForm", "Category"},
    };
    std::vector<const ConfigItem*> byNumber;
    for (const ConfigItem& it : items) {
        byNumber.push_back(&it);
        if (it.Kind == ConfigKind::Block) {
            byNumber.push_back(&it);
            byNumber.push_back(&it);
        }
    }
    for (const Probe& p : probes) {
        ASSERT_LE(std::size_t(p.number), byNumber.size());
        const ConfigItem& it = *byNumber[std::size_t(p.number - 1)];
        EXPECT_EQ(it.Kind, p.kind) << p.number;
        EXPECT_EQ(it.Form, p.form) << p.number;
        EXPECT_EQ(it.Control, p.control) << p.number;
    }
}

TEST_F(ConfigurationTest, WritesEachKindOfItem) {
    Control<Edit>("FolivexForm", "DBLabel1").SetText("Make");
    Control<Edit>("FolivexForm", "Order2").SetText("2");
    Control<Edit>("FTPForm", "FTPhost").SetText("ftp.example.org");
    Control<CheckBox>("SearchSetup", "EnableSearchButton").SetChecked(true);
    Control<Memo>("HTMLForm", "HTMLIndexPageHeader").SetText("<H1>Cars</H1>\r\n<HR>");
    Control<ComboBox>("FolivexForm", "Category").SetItems({"Executive", "4x4", "Sport"});
    db.DatabaseImageDirectory = "/pics";
    db.HeaderFont = PublishFont{"Red", " ", "+2", "Bold"};

    std::vector<std::string> lines = Lines(ConfigurationText(app, db));
    EXPECT_EQ(lines.front(), "v2.4");
    EXPECT_EQ(lines[1], "Make");
    EXPECT_EQ(lines[2], "(null)");        // an empty label
    EXPECT_EQ(lines[21], "0");            // Order1 empty
    EXPECT_EQ(lines[22], "2");
    EXPECT_EQ(lines[41], "/pics");
    EXPECT_EQ(lines[46], "ftp.example.org");
    EXPECT_EQ(lines[50], "(null)");       // FTPHostDir
    EXPECT_EQ(lines[73], "Red");          // HeaderFont colour, face, size, style
    EXPECT_EQ(lines[74], " ");
    EXPECT_EQ(lines[75], "+2");
    EXPECT_EQ(lines[76], "Bold");
    EXPECT_EQ(lines[157], "NOTSCALE");
    EXPECT_EQ(lines[183], "1");
    EXPECT_EQ(lines[193], "0");           // Search1 unchecked
    // The first HTML block spans four lines: its memo has two.
    std::size_t block = LineOfItem(261);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + long(block), lines.begin() + long(block) + 5),
              (std::vector<std::string>{"START HTML", "<H1>Cars</H1>", "<HR>", "END HTML", "START HTML"}));
    EXPECT_EQ(lines[block + 5], "(null)");  // an empty memo
    EXPECT_EQ(lines[block + 6], "END HTML");
    EXPECT_EQ(lines.back(), "Executive\t4x4\tSport");
    // 356 items, one block of them one line longer.
    EXPECT_EQ(lines.size(), 357u);
}

TEST_F(ConfigurationTest, CategoryLineStopsAtABlankItem) {
    Control<ComboBox>("FolivexForm", "Category").SetItems({"Executive", "4x4", " ", "Sport"});
    EXPECT_EQ(Lines(ConfigurationText(app, db)).back(), "Executive\t4x4");
    Control<ComboBox>("FolivexForm", "Category").SetItems({"", "Sport"});
    EXPECT_EQ(Lines(ConfigurationText(app, db)).back(), "");
    // A line break alone would be written as the blank " " and end the list when read back: it ends it here.
    Control<ComboBox>("FolivexForm", "Category").SetItems({"Executive", "\n", "Sport"});
    EXPECT_EQ(Lines(ConfigurationText(app, db)).back(), "Executive");
}

TEST_F(ConfigurationTest, TextsThatCouldShiftLaterItemsAreKeptOnTheirLine) {
    Control<Edit>("FTPForm", "FTPhost").SetText("two\r\nlines");
    Control<Memo>("DBForm", "SQL").SetText("select *\r\nEND SQL\r\n~END SQL\r\n(null)");
    std::vector<std::string> lines = Lines(ConfigurationText(app, db));
    EXPECT_EQ(lines[46], "two  lines");
    std::size_t block = LineOfItem(345);
    EXPECT_EQ(std::vector<std::string>(lines.begin() + long(block), lines.begin() + long(block) + 6),
              (std::vector<std::string>{"START SQL", "select *", "~END SQL", "~~END SQL", "~(null)", "END SQL"}));
}

TEST(ConfigurationBlockLines, EscapingIsUndoneExactlyAndLeavesOrdinaryLinesAlone) {
    struct Case {
        std::string line, written;
    };
    for (const Case& c : {Case{"END HTML", "~END HTML"}, Case{"~~END HTML", "~~~END HTML"}, Case{"(null)", "~(null)"},
                          Case{"END SQL", "END SQL"}, Case{"<P>END HTML</P>", "<P>END HTML</P>"},
                          Case{"~", "~"}, Case{"", ""}, Case{" END HTML", " END HTML"}}) {
        EXPECT_EQ(EscapeBlockLine(c.line, "HTML"), c.written) << c.line;
        EXPECT_EQ(UnescapeBlockLine(c.written, "HTML"), c.line) << c.line;
    }
}

TEST_F(ConfigurationTest, AMissingControlIsAProgrammingErrorThatNamesIt) {
    forms.at("KarvoForm")->FreeComponent(forms.at("KarvoForm")->FindComponent("KarvoOrderGif"));
    try {
        ConfigurationText(app, db);
        FAIL() << "no error";
    } catch (const std::logic_error& e) {
        EXPECT_NE(std::string(e.what()).find("KarvoForm.KarvoOrderGif"), std::string::npos) << e.what();
    }
}

}  // namespace
}  // namespace fv
