// The published search engine: its pages for the shop database compared byte for byte with golden copies
// (one engine and one per category, with and without the intranet start), the texts that must not break
// the generated script (and the check that finds them), the result limit, view items that name no field,
// no searched field and the per-category data.
// FOLIVEX_UPDATE_GOLDEN=1 rewrites the golden copies from what the program writes now.
#include <cstdlib>

#include "platform/ui/check_box.h"
#include "publish/lang_form.h"
#include "publish/publish_progress_form.h"
#include "publish/search_pages.h"
#include "publish_fixture.h"
#include "platform/ui/edit.h"

namespace fv::testing {
namespace {

const std::string GoldenRoot = std::string(FOLIVEX_SOURCE_DIR) + "/tests/fixtures/publish_search/";

bool IsSearchPage(const std::string& name) {
    return name.rfind("qlx_frm", 0) == 0 || name.rfind("qlx_srch", 0) == 0;
}

// The script element of a search script page.
std::string ScriptOf(const std::string& page) {
    const std::size_t start = page.find("<script LANGUAGE=\"JavaScript\">");
    const std::size_t end = page.find("</script>");
    if (start == std::string::npos || end == std::string::npos) return "<no script>";
    return page.substr(start, end - start);
}

// Problems that would stop the script: a line whose string literal does not close on it, a text that ends
// or re-states the script element. Strings are "..." or '...' with backslash escapes; a // comment ends
// the scan of its line; /.../ regular expressions in the script hold no quote.
std::vector<std::string> ScriptBreakers(const std::string& script) {
    std::vector<std::string> problems;
    std::size_t lineStart = script.find('\n') + 1;  // after the opening tag
    const std::string body = script.substr(lineStart);
    for (const std::string& bad : {std::string("</script"), std::string("</SCRIPT"), std::string("<!--"),
                                    std::string("<script"), std::string("<SCRIPT")})
        if (body.find(bad) != std::string::npos) problems.push_back("holds " + bad);
    std::size_t pos = 0;
    while (pos < body.size()) {
        std::size_t end = body.find("\r\n", pos);
        if (end == std::string::npos) end = body.size();
        const std::string line = body.substr(pos, end - pos);
        char quote = 0;
        for (std::size_t i = 0; i < line.size(); ++i) {
            const char c = line[i];
            if (quote) {
                if (c == '\\') ++i;
                else if (c == quote) quote = 0;
            } else if (c == '"' || c == '\'') {
                quote = c;
            } else if (c == '/' && i + 1 < line.size() && line[i + 1] == '/') {
                break;
            }
            if (c == '\r' || c == '\n') problems.push_back("bare line break in: " + line.substr(0, 60));
        }
        if (quote) problems.push_back("open string: " + line.substr(0, 80));
        pos = end + 2;
    }
    return problems;
}

class SearchPagesTest : public PublishFixture {
protected:
    void SetUp() override {
        PublishFixture::SetUp();
        program->SearchSetup->EnableSearchButton->SetChecked(true);
        Settings().ForcePublish->SetChecked(true);
    }

    void Searched(std::initializer_list<int> fields) {
        Main().Searched.fill(false);
        for (int n : fields) Main().Searched[std::size_t(n - 1)] = true;
    }

    std::map<std::string, std::string> SearchTree() {
        std::map<std::string, std::string> pages;
        for (auto& [name, bytes] : Tree(site))
            if (IsSearchPage(name)) pages[name] = bytes;
        return pages;
    }

    void CompareWithGolden(const std::string& name) { ExpectGoldenTree(SearchTree(), GoldenRoot + name); }
};

TEST_F(SearchPagesTest, OneEngineForTheSiteMatchesTheGoldenPages) {
    MakeShopDatabase();
    Searched({1, 2, 4});
    Publish();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    CompareWithGolden("single");
    EXPECT_NE(Page("qlx_frm.htm").find("<FRAMESET ROWS=\"100,*\""), std::string::npos);
    EXPECT_NE(Page("qlx_frm.htm").find("<FRAME SRC=\"qlx_srch1.htm\" NAME=\"top\">"), std::string::npos);
    EXPECT_NE(Page("qlx_srch2.htm").find("\r\nFirstSearch();\r\n"), std::string::npos);
    EXPECT_NE(Page("qlx_srch2.htm").find("\talert(\"Your first Search"), std::string::npos);
    // The frames hand over the query in the address of the page the result frame loads; no frame reads or
    // writes another frame's document (refused between pages opened from disk).
    EXPECT_EQ(Page("qlx_srch2.htm").find("parent.main"), std::string::npos);
    EXPECT_NE(Page("qlx_srch2.htm").find("+\"?srchname=\"+q+\"&frame=main\";"), std::string::npos);
}

TEST_F(SearchPagesTest, OneEnginePerCategoryWithTheIntranetStartMatchesTheGoldenPages) {
    MakeShopDatabase();
    Searched({1, 3});
    program->SearchSetup->SearchPerCategory->SetChecked(true);
    program->SearchSetup->IntraNetSearches->SetChecked(true);
    program->SearchSetup->SearchViewFields->SetText("1,2,25,4");
    Settings().QUICKHAlign->SetText("none");
    Settings().QUICKVAlign->SetText("top");
    Publish();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    CompareWithGolden("per_category");
    EXPECT_NE(Page("qlx_frm2.htm").find("<FRAME SRC=\"qlx_srch2_2.htm\" NAME=\"top\">"), std::string::npos);
    EXPECT_NE(Page("qlx_srch2_1.htm").find("<form type=get action='qlx_srch2_2.htm'>"), std::string::npos);
    const std::string garden = Page("qlx_srch2_2.htm");
    EXPECT_NE(garden.find("//FirstSearch();"), std::string::npos);
    EXPECT_EQ(garden.find("\talert(\"Your first Search"), std::string::npos);
    // Only its own category, numbered as on the detail pages.
    EXPECT_NE(garden.find("f[0]=\"2_1\"; c1[0]=\"Rake\";"), std::string::npos);
    EXPECT_NE(garden.find("f[3]=\"2_4\"; c1[3]=\"Hose 20 m\";"), std::string::npos);
    EXPECT_EQ(garden.find("f[4]="), std::string::npos);
    EXPECT_EQ(garden.find("Trees of Europe"), std::string::npos);
}

TEST_F(SearchPagesTest, HostileTextsLeaveTheScriptWhole) {
    const std::vector<std::string> hostile = {
        "She said \"hi\"", "back\\slash\\", "two\r\nlines", "end</script><script>alert(1)</script>",
        "<!--<script>", "ctl\x01\x07\x1f\x7f", "it's", "mailto:a\"b::x\\y", "file:c:\\doc.pdf"};
    Main().CategoryList = {"Cat"};
    for (std::size_t i = 0; i < hostile.size(); ++i) {
        std::vector<std::string> fields(FieldCount, hostile[i]);
        Add("Cat", fields);
        Main().Labels[i] = hostile[i];
        program->FieldFonts[i].Face = hostile[i];
    }
    Main().Searched.fill(true);
    program->InstructionFont.Face = "Ar\"ial";
    program->InstructionFont.Size = "2\\";
    for (const LanguageText& t : LanguageTexts) program->LangForm->Real(t.Key)->SetText(hostile[3] + hostile[0]);
    program->KarvoForm->KarvoUserNumber->SetText("4\"7");
    program->KarvoForm->KarvoOrderGif->SetText("a\\b.gif\r\n");
    program->KarvoForm->KarvoCheckoutGif->SetText("</script>");
    program->KarvoForm->KarvoQuickViewCheckout->SetChecked(true);
    program->SearchSetup->MaxSearchResults->SetText("");
    program->SearchSetup->SearchViewFields->SetText("1,2,3,4,5,6,7,8,9");
    // Widths, alignments and colours are typed texts too, and the script writes them into its strings.
    program->SearchSetup->SearchViewPageTableWidth->SetText("9\"0</script>");
    for (Edit* width : program->SearchSetup->SearchViewPageColumnWidth) width->SetText("1\"0\\");
    Settings().QUICKHAlign->SetText("le\"ft</script>");
    Settings().QUICKVAlign->SetText("to\\p\"");
    Settings().PageBackgroundColour->SetText("wh\"ite\\");
    Settings().TableBackgroundColour->SetText("na\"vy</script>");
    program->InstructionFont.Colour = "bl\"ack\\";
    program->HeaderFont.Colour = "re\"d</script>";
    program->LabelFont.Colour = "gr\"een\\";
    for (PublishFont& font : program->FieldFonts) font.Colour = "te\"al</script>";
    for (bool overrideOn : {false, true}) {
        SCOPED_TRACE(overrideOn);
        program->HTMLForm->HTMLOtherPageHeaderOverride->SetChecked(overrideOn);
        program->HTMLForm->HTMLOtherPageHeader->SetText("<BODY class=\"x\">\r\n<p>a\\b</script><!--");
        program->HTMLForm->HTMLTableFooterOverride->SetChecked(overrideOn);
        program->HTMLForm->HTMLTableFooter->SetText("</table>\"\\");
        Messages().ClearLog();
        Publish();
        const std::string page = Page("qlx_srch2.htm");
        EXPECT_EQ(ScriptBreakers(ScriptOf(page)), std::vector<std::string>{});
        EXPECT_NE(page.find("if (j==0)"), std::string::npos);
        if (!overrideOn) {
            EXPECT_NE(page.find("BGCOLOR=\\\"wh&quot;ite\\\\\\\""), std::string::npos);
            EXPECT_NE(page.find("WIDTH=\\\"9&quot;0&lt;/script&gt;\\\""), std::string::npos);
            EXPECT_NE(page.find("<TD WIDTH=\\\"1&quot;0\\\\%\\\">"), std::string::npos);
        }
        // Texts in attributes of the written HTML are escaped for the attribute, then for the string.
        EXPECT_NE(page.find("var c1co=\"te&quot;al&lt;/script&gt;\";"), std::string::npos);
        EXPECT_NE(page.find(" ALIGN=\\\"le&quot;ft&lt;/script&gt;\\\""), std::string::npos);
        // The texts are in the script, escaped, once per record.
        EXPECT_NE(page.find("c1[0]=\"She said \\\"hi\\\"\";"), std::string::npos);
        EXPECT_NE(page.find("c1[2]=\"two\\r\\nlines\";"), std::string::npos);
        EXPECT_NE(page.find("c1[7]=\"<A HREF=mailto:a\\\"b>x\\\\y</A>\";"), std::string::npos);
        EXPECT_NE(page.find("c1[8]=\"<A HREF=c:\\\\doc.pdf>file:c:\\\\doc.pdf</A>\";"), std::string::npos);
        // A label is the user's HTML on the result pages, but cannot run a script or hide what follows it.
        const std::string empty = Page("qlx_srche.htm");
        EXPECT_NE(empty.find(">end&lt;/script>&lt;script>alert(1)&lt;/script></FONT>"), std::string::npos);
        EXPECT_NE(empty.find("><!--<script>--></FONT>"), std::string::npos);
        EXPECT_NE(page.find("\\x3C!--\\x3Cscript\\x3E--\\x3E</FONT>"), std::string::npos);
        // The empty result page is HTML: the snippet stays as the user wrote it.
        if (overrideOn) {
            EXPECT_NE(Page("qlx_srche.htm").find("<BODY class=\"x\">\r\n<p>a\\b</script><!--"), std::string::npos);
        }
    }
}

TEST_F(SearchPagesTest, TheResultLimitIsTheLeadingInteger) {
    Main().CategoryList = {"Cat"};
    Add("Cat", {"one"});
    Searched({1});
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"100", "if (j==100)"}, {"", "if (j==0)"}, {" 25 results", "if (j==25)"}, {"x9", "if (j==0)"}};
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text);
        program->SearchSetup->MaxSearchResults->SetText(text);
        Publish();
        const std::string page = Page("qlx_srch2.htm");
        std::size_t count = 0;
        for (std::size_t at = page.find(expected); at != std::string::npos; at = page.find(expected, at + 1)) ++count;
        EXPECT_EQ(count, 2u);
    }
}

TEST_F(SearchPagesTest, ViewItemsThatNameNoFieldGiveEmptyCells) {
    Main().CategoryList = {"Cat"};
    Add("Cat", {"one", "two"});
    Main().Labels[0] = "First";
    Searched({2});
    Settings().QUICKHAlign->SetText("left");
    Settings().QUICKVAlign->SetText("top");
    program->SearchSetup->SearchViewFields->SetText("1,25,0,x");
    Publish();
    const std::string page = Page("qlx_srch2.htm");
    for (const char* missing : {"c25", "c0[", "c0fa"}) EXPECT_EQ(page.find(missing), std::string::npos) << missing;
    const std::string emptyCell = " document.write (\"<TD VALIGN=\\\"top\\\" ALIGN=\\\"left\\\">&nbsp;</TD>\\r\");";
    std::size_t count = 0;
    for (std::size_t at = page.find(emptyCell); at != std::string::npos; at = page.find(emptyCell, at + 1)) ++count;
    EXPECT_EQ(count, 3u);
    // One view column (field 1) although four items are listed; the heading row still has four cells.
    EXPECT_NE(Page("qlx_srche.htm").find("<TR><TD COLSPAN=\"3\">"), std::string::npos);
    EXPECT_EQ(ScriptBreakers(ScriptOf(page)), std::vector<std::string>{});
}

TEST_F(SearchPagesTest, WithNoSearchedFieldTheSearchRunsOverTheEntriesAndFindsNothing) {
    Main().CategoryList = {"Cat"};
    Add("Cat", {"one"});
    Searched({});
    program->SearchSetup->SearchViewFields->SetText("1");
    Publish();
    const std::string page = Page("qlx_srch2.htm");
    EXPECT_NE(page.find("  while (i<(f.length)) {"), std::string::npos);
    EXPECT_NE(page.find("\tfor (var z=0;z<0;z++) {"), std::string::npos);
    EXPECT_EQ(page.find("var cArray"), std::string::npos);
}

TEST_F(SearchPagesTest, PerCategoryWithNoCategoriesWritesOnlyTheEmptyResultPage) {
    Main().CategoryList = {};
    Add("Lost", {"one"});
    program->SearchSetup->SearchPerCategory->SetChecked(true);
    Publish();
    std::vector<std::string> names;
    for (const auto& entry : SearchTree()) names.push_back(entry.first);
    EXPECT_EQ(names, std::vector<std::string>{"qlx_srche.htm"});
}

TEST_F(SearchPagesTest, CancelDuringTheSearchPassStopsTheRun) {
    MakeShopDatabase();
    Watch([this] {
        if (program->PublishForm->PublishGroup->Caption() != "Publishing - Pass 4 of 5 (Search Engine)...") return false;
        program->PublishCancelled = 1;
        return true;
    });
    Publish();
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{"Publishing Cancelled."});
    EXPECT_EQ(Page("qlx_srche.htm"), "<missing>");
    EXPECT_EQ(Page("qlx_1_1.htm"), "<missing>");  // pass 5 did not run
    EXPECT_EQ(program->RecordTable[0].NeedsPublishing, 1);
}

TEST(SearchScriptText, TheScriptCheckFindsBreakers) {
    const std::vector<std::pair<std::string, std::size_t>> cases = {
        {"<script>\r\nvar a=\"x\\\"y\";\r\n", 0},
        {"<script>\r\nvar a=\"x\"y\";\r\n", 1},
        {"<script>\r\nvar a='it's';\r\n", 1},
        {"<script>\r\nvar a=\"<\\/script>\";\r\n", 0},
        {"<script>\r\nvar a=\"</script>\";\r\n", 1},
        {"<script>\r\nvar a=\"<!--\";\r\n", 1},
        {"<script>\r\n//FirstSearch(\");\r\n", 0}};
    for (const auto& [script, problems] : cases) EXPECT_EQ(ScriptBreakers(script).size(), problems) << script;
}

}  // namespace
}  // namespace fv::testing

namespace fv::testing {
namespace {

// The sites that search_walk.js searches in Chromium: written into FOLIVEX_SEARCH_SITES (the browser test's
// set-up), or into the test's own folder when run alone.
class SearchBrowserSite : public PublishFixture {
protected:
    std::string Out(const std::string& name) {
        const char* root = std::getenv("FOLIVEX_SEARCH_SITES");
        const std::string folder = (root ? std::string(root) : dir.File("sites")) + "/" + name;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        return folder;
    }
    void PublishInto(const std::string& folder) {
        program->PublishDirectory = folder;
        site = folder;
        program->SearchSetup->EnableSearchButton->SetChecked(true);
        Settings().ForcePublish->SetChecked(true);
        for (int n = 1; n <= 4; ++n) Main().Searched[std::size_t(n - 1)] = true;
        program->SearchSetup->SearchViewFields->SetText("1,2,3,4");
        Publish();
    }
};

TEST_F(SearchBrowserSite, QueriesSite) {
    Main().CategoryList = {"Colours", "Bulk", "Odd"};
    // Hostile labels: a comment left open, a script start tag and quotes in the heading row.
    const char* labels[] = {"Name", "Colour \"c\" \\", "Note <!-- open", "Link <script>x"};
    for (int i = 0; i < 4; ++i) Main().Labels[std::size_t(i)] = labels[i];
    Add("Colours", {"both", "Red", "and Blue"});
    Add("Colours", {"red only", "RED"});
    Add("Colours", {"blue only", "blue"});
    Add("Colours", {"green only", "Green"});
    Add("Colours", {"literal", "red", "blue or green"});
    for (int i = 0; i < 150; ++i) Add("Bulk", {"bulkitem " + std::to_string(i + 1)});
    Add("Odd", {"quoted", "say \"cheese\""});
    Add("Odd", {"slashed", "C:\\temp\\x"});
    Add("Odd", {"scripted", "before</script>after"});
    Add("Odd", {"mailing", "", "", "mailto:shop@example.com::Mail the shop"});
    Add("Odd", {"filed", "", "", "file:manual.pdf"});
    Add("Odd", {"accented", "Cr\xc3\xa8me br\xc3\xbbl\xc3\xa9" "e"});
    // The hostile corpus, in every field: search_walk.js finds each record by its own word, and all of them
    // at once by "hostile" (so a record whose text swallowed what follows would hide the next ones).
    const std::vector<std::string> hostile = {"q\"uote", "back\\slash", "line\r\nbreak", "</script>", "<!--", "ctl\x01\x02\x1b",
                                              "-->", "<script>", "<SCRIPT>alert(1)//", "sep\xe2\x80\xa8" "ara\xe2\x80\xa9" "tor", "\\",
                                              "it's", "<textarea>", std::string(3000, 'k')};
    for (std::size_t i = 0; i < hostile.size(); ++i) {
        std::vector<std::string> fields(4, hostile[i] + " hostile" + std::to_string(i) + "z");  // the listed fields
        Add("Odd", fields);
    }
    program->HTMLForm->HTMLOtherPageFooterOverride->SetChecked(true);
    program->HTMLForm->HTMLOtherPageFooter->SetText("<P class=\"foot\">foot\\note</script><!--</P>\r\n");
    program->FieldFonts[0].Face = "Ver\"dana\\";
    program->FieldFonts[1].Size = "2\"><script>";
    program->SearchSetup->TargetPage->SetText("qlx_index.htm?a=\"1\"&b=<2>");
    program->LangForm->Real("SrchResults")->SetText("Results \"all\" \\ </script>");
    program->SearchSetup->MaxSearchResults->SetText("100");
    PublishInto(Out("queries"));
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
    EXPECT_NE(Page("qlx_srch2.htm").find("bulkitem 150"), std::string::npos);
}

TEST_F(SearchBrowserSite, IntranetSite) {
    // One engine per category whose top frame is the search script page itself (no first search on
    // loading): each engine searches its own category only.
    Main().CategoryList = {"Fruit", "Veg"};
    Add("Fruit", {"apple"});
    Add("Fruit", {"pear"});
    Add("Veg", {"leek"});
    Add("Veg", {"pear-shaped squash"});
    program->SearchSetup->SearchPerCategory->SetChecked(true);
    program->SearchSetup->IntraNetSearches->SetChecked(true);
    PublishInto(Out("intranet"));
    EXPECT_EQ(Messages().Messages(), std::vector<std::string>{});
}

TEST_F(SearchBrowserSite, LargeSite) {
    Main().CategoryList = {"Large"};
    for (int i = 0; i < MaxRecords; ++i)
        Add("Large", {"Record number " + std::to_string(i + 1), "Maker " + std::to_string(i % 97),
                      "Description of item " + std::to_string(i) + " with a few words of text",
                      "http://www.example.com/item" + std::to_string(i) + "::Item page"});
    program->SearchSetup->MaxSearchResults->SetText("100");
    const std::string folder = Out("large");
    // Text before the size: the size itself is what the browser test reports.
    PublishInto(folder);
    const auto size = std::filesystem::file_size(JoinPath(folder, "qlx_srch2.htm"));
    EXPECT_EQ(Messages().Messages(),
              std::vector<std::string>{"Warning: The Search Engine download file exceeds 75000 bytes (=" +
                                       std::to_string(size) + "). You may want to consider reducing the number of "
                                       "Searchable Fields or the Search View fields displayed. This could download "
                                       "too slowly."});
}

}  // namespace
}  // namespace fv::testing
