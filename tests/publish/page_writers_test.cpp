// The page writers' pieces in published pages: the quick-view columns (also past ten) and the data cells of
// every kind.
#include "publish/cart_forms.h"
#include "publish_fixture.h"

namespace fv::testing {
namespace {

class PageWritersTest : public PublishFixture {};

TEST_F(PageWritersTest, QuickViewColumnsSkipBadEntriesAndGoPastTen) {
    Main().CategoryList = {"A"};
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
    Main().CategoryList = {"A"};
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
