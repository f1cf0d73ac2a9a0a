// The page writers' pieces against the templates: the cart forms, the run's size attributes, the row
// colours, the standard head, the quick-view columns (also past ten) and the data cells of every kind.
#include "publish/cart_forms.h"
#include "publish/page_frame.h"
#include "publish_fixture.h"

namespace fv::testing {
namespace {

class PageWritersTest : public PublishFixture {};

TEST_F(PageWritersTest, CartFormsForCheckoutAndProducts) {
    program->KarvoForm->KarvoUserNumber->SetText("4711");
    program->KarvoForm->KarvoWebSiteNumber->SetText("12");
    program->KarvoForm->KarvoCheckoutGif->SetText("check\"out.gif");
    program->KarvoForm->KarvoOrderGif->SetText("order.gif");
    const std::string checkout = "<FORM action=\"https://www.karvo.example/cgi-bin/checkout.karvo\" method=POST>"
                                 "<INPUT type=hidden name=karvo_usercode value=\"4711\"><INPUT type=hidden "
                                 "name=karvo_websitenr value=\"12\"><INPUT type=image src=\"check\\\"out.gif\" "
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

TEST_F(PageWritersTest, QuickViewColumnsSkipBadEntriesAndGoPastTen) {
    Main().Category->SetItems({"A"});
    Add("A", {"one", "two", "three"});
    struct Case {
        std::string list;
        int columns;
        int widthCells;  // cells of the width row after the two narrow ones
    };
    for (const Case& c : std::vector<Case>{{"3,,25,3", 4, 2}, {"1,2,3,4,5,6,7,8,9,10,11,12", 14, 12}, {"0, 2,abc", 3, 1}}) {
        SCOPED_TRACE(c.list);
        Settings().QuickViewFields->SetText(c.list);
        Publish();
        const std::string page = Page("qlx_1_s.htm");
        EXPECT_NE(page.find("<TD COLSPAN=\"" + std::to_string(c.columns) + "\">"), std::string::npos);
        const std::size_t start = page.find("<TR><TD WIDTH=\"1%\">&nbsp;</TD><TD WIDTH=\"1%\">&nbsp;</TD>");
        const std::size_t end = page.find("</TR>\r\n", start);
        ASSERT_NE(start, std::string::npos);
        const std::string widthRow = page.substr(start, end - start);
        int cells = -2;
        for (std::size_t i = widthRow.find("<TD"); i != std::string::npos; i = widthRow.find("<TD", i + 1)) ++cells;
        EXPECT_EQ(cells, c.widthCells);
        EXPECT_EQ(widthRow.find("<TD WIDTH=<"), std::string::npos);
        // Past the ten width boxes a column's cell has no width.
        const bool pastTen = c.widthCells > 10;
        EXPECT_EQ(widthRow.size() >= 30 && widthRow.substr(widthRow.size() - 30) == "<TD>&nbsp;</TD><TD>&nbsp;</TD>", pastTen);
    }
}

struct CellCase {
    std::string value, cell;
};

TEST_F(PageWritersTest, DataCellsOfEveryKind) {
    Settings().QUICKHAlign->SetText("none");
    Settings().QUICKVAlign->SetText("none");
    Settings().QuickViewFields->SetText("1");
    program->FieldFonts[0] = PublishFont{"Red", "Arial", "2", "Bold"};
    const std::string font = "<TD  ><FONT FACE=\"Arial\" SIZE=\"2\" COLOR=\"Red\">";
    const std::vector<CellCase> cases = {
        {"plain", font + "<B>plain</B></FONT></TD>\r\n"},
        {"", font + "<B>&nbsp;</B></FONT></TD>\r\n"},
        {" ", font + "<B>&nbsp;</B></FONT></TD>\r\n"},
        {"mailto:sales", font + "\r\n<A HREF=\"mailto:sales\">\r\n<B>mailto:sales</B></A></FONT></TD>\r\n"},
        {"file:qlxdoc.htm::Our brochure", font + "\r\n<A HREF=\"qlxdoc.htm\">\r\n<B>Our brochure</B></A></FONT></TD>\r\n"},
        {"file:qlxdoc.htm", font + "\r\n<A HREF=\"qlxdoc.htm\">\r\n<B>file:qlxdoc.htm</B></A></FONT></TD>\r\n"},
        {"www.example.com", font + "\r\n<A HREF=\"www.example.com\">\r\n<B>www.example.com</B></A></FONT></TD>\r\n"},
        {"ftp.example.com::Files", font + "\r\n<A HREF=\"ftp.example.com\">\r\n<B>Files</B></A></FONT></TD>\r\n"},
        {"karvo:9", font + "\r\n<B>" + KarvoFormHTML(*program, "karvo:9") + "</B></FONT></TD>\r\n"},
        {"Mailto:x", font + "<B>Mailto:x</B></FONT></TD>\r\n"},
    };
    Main().Category->SetItems({"A"});
    Add("A", {""});
    for (const CellCase& c : cases) {
        SCOPED_TRACE(c.value);
        program->RecordTable[0].Field[0] = c.value;
        program->RecordTable[0].NeedsPublishing = 1;
        Publish();
        const std::string page = Page("qlx_1_s.htm");
        const std::size_t row = page.find("<IMG SRC=\"qlxf.gif\"");
        ASSERT_NE(row, std::string::npos);
        const std::size_t cell = page.find("\r\n", row) + 2;
        EXPECT_EQ(page.substr(cell, c.cell.size()), c.cell);
        EXPECT_EQ(page.substr(cell + c.cell.size(), 5), "</TR>");
    }
}

}  // namespace
}  // namespace fv::testing
