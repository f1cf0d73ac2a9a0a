// The page writers' pieces against the templates, on the publishing forms without the main window: the
// cart forms, the run's size attributes, the row colours, the standard head, the names of the publisher's
// own files, and the texts made fit for the search script.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "publish/cart_forms.h"
#include "publish/page_frame.h"
#include "publish/publisher.h"
#include "publish/search_pages.h"
#include "publish_forms_fixture.h"

namespace fv::testing {
namespace {

class PageWritersTest : public PublishFormsFixture {};

TEST_F(PageWritersTest, CartFormsForCheckoutAndProducts) {
    program->KarvoForm->KarvoUserNumber->SetText("4711");
    program->KarvoForm->KarvoWebSiteNumber->SetText("12");
    program->KarvoForm->KarvoCheckoutGif->SetText("check\"out.gif");
    program->KarvoForm->KarvoOrderGif->SetText("order.gif");
    const std::string checkout = "<FORM action=\"https://www.karvo.example/cgi-bin/checkout.karvo\" method=POST>"
                                 "<INPUT type=hidden name=karvo_usercode value=\"4711\"><INPUT type=hidden "
                                 "name=karvo_websitenr value=\"12\"><INPUT type=image src=\"check&quot;out.gif\" "
                                 "border=0 width=120 height=18 name=submit></FORM>";
    for (const char* value : {"karvo:checkout", "karvo:Checkout", "karvo:CHECKOUT", "karvo:checkout2"})
        EXPECT_EQ(KarvoFormHTML(*program, value), checkout) << value;
    EXPECT_EQ(KarvoFormHTML(*program, "karvo:A17"),
              "<FORM action=\"https://www.karvo.example/cgi-bin/addproduct.karvo\" method=POST><INPUT type=hidden "
              "name=karvo_usercode value=\"4711\"><INPUT type=hidden name=karvo_productnr value=\"A17\"><INPUT "
              "type=hidden name=karvo_websitenr value=\"12\"><FONT FACE=ARIAL,HELVETICA SIZE=2 COLOR=black><TABLE>"
              "<TR><TD valign=top><INPUT type=text size=3 maxlength=3 name=karvo_quantity value=1></TD><TD "
              "valign=top><INPUT type=image src=\"order.gif\" border=0 width=120 height=18 name=submit></TD></TR>"
              "</TABLE></FONT></FORM>");
    EXPECT_NE(KarvoFormHTML(*program, "karvo:A:1").find("karvo_productnr value=\"A:1\""), std::string::npos);
}

TEST_F(PageWritersTest, CartFormValuesAreEscapedForTheirAttributes) {
    struct Case {
        std::string user, site, value, expected, why;
    };
    const std::vector<Case> cases = {
        {"47\"11", "12", "karvo:A17", "name=karvo_usercode value=\"47&quot;11\">", "a quote would end the user number"},
        {"4711", "1<2>", "karvo:A17", "name=karvo_websitenr value=\"1&lt;2&gt;\">", "angle brackets in the site number"},
        {"4711", "12", "karvo:A\"><script>x", "name=karvo_productnr value=\"A&quot;&gt;&lt;script&gt;x\">",
         "a product number from a field cannot open an element"},
        {"a&b", "12", "karvo:checkout", "name=karvo_usercode value=\"a&amp;b\">", "an ampersand, on the checkout form"},
    };
    for (const Case& c : cases) {
        program->KarvoForm->KarvoUserNumber->SetText(c.user);
        program->KarvoForm->KarvoWebSiteNumber->SetText(c.site);
        const std::string form = KarvoFormHTML(*program, c.value);
        EXPECT_NE(form.find(c.expected), std::string::npos) << c.why << ": " << form;
        EXPECT_EQ(form.find("<script"), std::string::npos) << c.why;
    }
}

struct SizeCase {
    std::string width, height, button, image;
};

TEST_F(PageWritersTest, SizeAttributesHeightFirstAndOffForNull) {
    const std::vector<SizeCase> cases = {
        {"20", "16", " HEIGHT=\"16\" WIDTH=\"20\"", " HEIGHT=\"16\" WIDTH=\"20\" "},
        {"(null)", "16", "", ""},
        {"20", "(null)", "", ""},
        {"", "", " HEIGHT=\"\" WIDTH=\"\"", " HEIGHT=\"\" WIDTH=\"\" "},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.width + "x" + c.height);
        Settings().ButtonWidth->SetText(c.width);
        Settings().ButtonHeight->SetText(c.height);
        Settings().ImageWidth->SetText(c.width);
        Settings().ImageHeight->SetText(c.height);
        const PublishRunAttributes a = WorkOutRunAttributes(Settings());
        EXPECT_EQ(a.ButtonSize, c.button);
        EXPECT_EQ(a.ImageSize, c.image);
        std::string script = c.button;
        for (std::size_t i = script.find('"'); i != std::string::npos; i = script.find('"', i + 2)) script.insert(i, "\\");
        EXPECT_EQ(a.ScriptButtonSize, script);
    }
}

struct RowCase {
    std::string alt1, alt2;
    std::vector<std::string> rows;
};

TEST_F(PageWritersTest, RowColoursAlternateFromTheFirst) {
    const std::string red = " BACKGROUND=\"\" BGCOLOR=Red", blue = " BACKGROUND=\"\" BGCOLOR=Blue";
    const std::vector<RowCase> cases = {
        {"Red", "Blue", {red, blue, red}},
        {"Red", "None", {red, red, red}},
        {"None", "Blue", {" ", " ", " "}},
        {"None", "None", {" ", " ", " "}},
    };
    for (const RowCase& c : cases) {
        SCOPED_TRACE(c.alt1 + "/" + c.alt2);
        RowColours rows;
        std::vector<std::string> seen;
        for (int i = 0; i < 3; ++i) {
            rows.NextRow(c.alt1, c.alt2);
            seen.push_back(rows.Attribute);
        }
        EXPECT_EQ(seen, c.rows);
    }
}

TEST_F(PageWritersTest, StandardHeadAndItsReplacements) {
    Settings().PageBackgroundColour->SetText("Navy");
    Settings().TableHeaderColour->SetText("Image");
    Settings().TableHeadingImageFile->SetText("");
    std::string head;
    AppendPageHead(head, *program, PageKind::Other);
    EXPECT_NE(head.find(" BGCOLOR=\"Navy\">\r\n<CENTER>\r\n</CENTER>\r\n"), std::string::npos) << head;
    Settings().PageBackgroundColour->SetText("Image");
    Settings().PageBackgroundImageFile->SetText("paper.tile.jpeg");
    head.clear();
    AppendPageHead(head, *program, PageKind::Index);
    EXPECT_NE(head.find(" BACKGROUND=\"qlxpgbk.tile.jpeg\">\r\n"), std::string::npos) << head;
    program->HTMLForm->HTMLIndexPageHeaderOverride->SetChecked(true);
    program->HTMLForm->HTMLIndexPageHeader->SetText("<HTML><BODY>mine");
    head.clear();
    AppendPageHead(head, *program, PageKind::Index);
    EXPECT_EQ(head, "<HTML><BODY>mine");
    Settings().TableBackgroundColour->SetText("None");
    std::string table;
    AppendTableOpening(table, *program, "77", true, true);
    EXPECT_EQ(table, "<CENTER><TABLE ALIGN=\"CENTER\" WIDTH=\"77\" BORDER=\"0\" CELLPADDING=\"3\" CELLSPACING=\"0\">\r\n");
    EXPECT_EQ(CommentLine(PublishDay), "<!Folivex from www.pelmarix.example v2.4 (Dec/08/2026 14:03:59)>\r\n");
}

TEST(PublisherTest, OutputNamesAreRecognisedExactly) {
    for (const char* name : {"qlx_index.htm", "qlx_12_s.htm", "qlx_3_40.htm", "qlx_frm.htm", "qlx_frm7.htm",
                             "qlx_srch1.htm", "qlx_srche.htm", "qlx_srch4_2.htm", "qlxpgbk.jpeg", "qlxhdr.",
                             "qlxtabbk.gif", "qlxidx.png", "qlxff.gif", "qlx3_7_1.gif", "qlx3_7_4.img", "QLX_INDEX.HTM"})
        EXPECT_TRUE(IsPublisherOutputName(name)) << name;
    for (const char* name : {"qlxlast.cfg", "qlx.db", "qlx_index.html", "qlx_a_1.htm", "qlx3_7_5.gif", "qlxnotes.txt",
                             "qlxff.png", "qlx_srch3.htm", "xqlx_index.htm"})
        EXPECT_FALSE(IsPublisherOutputName(name)) << name;
}

TEST(SearchScriptText, FlattenForScript) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"plain <b>text</b>", "plain \\x3Cb\\x3Etext\\x3C/b\\x3E"},
        {"<BODY class=\"x\">\r\n<P>", "\\x3CBODY class=\\'x\\'\\x3E\\x3CP\\x3E"},
        {"a\\b", "a\\\\b"},
        {"x</script>y", "x\\x3C/script\\x3Ey"},
        {"<!-- c -->", "\\x3C!-- c --\\x3E"},
        {"", ""}};
    for (const auto& [in, out] : cases) EXPECT_EQ(FlattenForScript(in), out) << in;
}

TEST(SearchScriptText, EntryValues) {
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Plain Text", "Plain Text"},
        {"(null)", ""},
        {"mailto:sales::Write to us", "<A HREF=mailto:sales>Write to us</A>"},
        {"file:doc.pdf", "<A HREF=doc.pdf>file:doc.pdf</A>"},
        {"http://x.example/a", "<A HREF=http://x.example/a>http://x.example/a</A>"},
        {"Http://x", "Http://x"},
        {"She said \"hi\"", "She said \\\"hi\\\""},
        {"a</script>", "a\\x3C/script\\x3E"},
        {"<!--x", "\\x3C!--x"},
        {"caf\xc3\xa9", "caf\xc3\xa9"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(SearchEntryValue(in), out) << in;
}

}  // namespace
}  // namespace fv::testing
