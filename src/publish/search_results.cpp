// The search result page: the empty page "qlx_srche.htm" that every main frame starts with, and the script
// functions that write the same layout with one row per result after a search.
#include <algorithm>

#include "platform/gfx/colour_names.h"
#include "program/program.h"
#include "publish/html_form.h"
#include "publish/cart_settings_form.h"
#include "publish/lang_form.h"
#include "publish/page_frame.h"
#include "publish/publish_helpers.h"
#include "publish/publish_setup_form.h"
#include "publish/search_pages.h"
#include "publish/script_escape.h"
#include "publish/search_setup_form.h"
#include "publish/web_sites.h"
#include "records/database_names.h"

namespace fv {

namespace {

std::string ImageExtension(const std::string& file) { return FileExtension(FileNamePart(file)); }

// One script line writing a text into the result page; the text is already fit for a script string. The
// result frame runs the search itself and writes into its own document.
std::string Write(const std::string& text) { return " document.write (\"" + text + "\");\r\n"; }

// A text as the value of a double-quoted attribute inside a script string.
std::string Attr(const std::string& text) { return ScriptText(EscapeForAttribute(text)); }

// A font element inside a script string.
std::string ScriptFontElement(const PublishFont& font, const std::string& text) {
    return "<FONT FACE=\\\"" + Attr(font.Face) + "\\\" SIZE=\\\"" + Attr(font.Size) + "\\\" COLOR=\\\"" +
           Attr(ColourToHTML(font.Colour)) + "\\\">" + StyleOpenTags(font.Style) + ScriptText(text) +
           StyleCloseTags(font.Style) + "</FONT>";
}

const std::string& FieldLabel(const Program& p, int n) { return p.Main->FieldLabel(n); }

bool IsField(int n) { return n >= 1 && n <= FieldCount; }

// The cart service's address for a script string: every "/" written "\/".
std::string ScriptCartAddress(const std::string& path) {
    std::string out;
    for (char c : ScriptText(std::string(CartServiceWebSite) + path)) {
        if (c == '/' && !out.empty() && out.back() == '\\') {
            out += c;  // already "\/"
            continue;
        }
        if (c == '/') out += '\\';
        out += c;
    }
    return out;
}

std::string WidthCells(const Program& p, const SearchFieldSets& fields, bool script) {
    std::string cells;
    const int widths = std::min(fields.ViewColumns, 10);
    for (int k = 0; k < widths; ++k) {
        const std::string& width = p.SearchSetup->SearchViewPageColumnWidth[std::size_t(k)]->Text();
        cells += script ? "<TD WIDTH=\\\"" + Attr(width) + "%\\\">&nbsp;</TD>"
                        : "<TD WIDTH=\"" + EscapeForAttribute(width) + "%\">&nbsp;</TD>";
    }
    return cells;
}

}  // namespace

std::string ScriptText(std::string_view text) { return ScriptStringText(text); }

std::string FlattenForScript(std::string_view snippet) {
    std::string flat;
    flat.reserve(snippet.size());
    for (char c : snippet) {
        if (c == '\r' || c == '\n') continue;
        flat += c == '"' ? '\'' : c;
    }
    return ScriptText(flat);
}

std::string EmptyResultPage(Program& p, const SearchFieldSets& fields, const SearchCellAlignment& alignment,
                            std::time_t when) {
    const THTMLForm& html = *p.HTMLForm;
    const TPublishSetupForm& setup = *p.PublishSetupForm;
    std::string page = CommentLine(when);
    if (html.HTMLOtherPageHeaderOverride->Checked()) {
        page += html.HTMLOtherPageHeader->Text();
    } else {
        page += "<HTML><HEAD>";
        page += SearchCharsetLine;
        page += "<TITLE>Folivex</TITLE>\r\n</HEAD>";
        const std::string text = EscapeForAttribute(ColourToHTML(p.InstructionFont.Colour));
        page += "<BODY TEXT=\"" + text + "\" ALINK=\"" + text + "\" VLINK=\"" + text + "\" LINK=\"" + text + "\"";
        if (setup.PageBackgroundColour->Text() == "Image")
            page += " BACKGROUND=\"qlxpgbk." + EscapeForAttribute(ImageExtension(setup.PageBackgroundImageFile->Text())) + "\">";
        else
            page += " BGCOLOR=\"" + EscapeForAttribute(ColourToHTML(setup.PageBackgroundColour->Text())) + "\">";
        page += "<CENTER>";
        if (setup.TableHeaderColour->Text() == "Image") {
            if (!setup.TableHeadingImageFile->Text().empty())
                page += "<IMG SRC=\"qlxhdr." + EscapeForAttribute(ImageExtension(setup.TableHeadingImageFile->Text())) + "\">";
        } else {
            page += FontElement(p.HeaderFont, setup.TableHeader->Text());
        }
        page += "</CENTER>\r\n";
    }
    if (html.HTMLTableHeaderOverride->Checked()) {
        page += html.HTMLTableHeader->Text();
    } else {
        page += "<CENTER><TABLE ALIGN=\"CENTER\" WIDTH=\"" + EscapeForAttribute(p.SearchSetup->SearchViewPageTableWidth->Text()) +
                "\" BORDER=\"0\" CELLPADDING=\"3\" CELLSPACING=\"0\"";
        const std::string& background = setup.TableBackgroundColour->Text();
        if (background == "Image")
            page += " BACKGROUND=\"qlxtabbk." + EscapeForAttribute(ImageExtension(setup.TableBackgroundImageFile->Text())) + "\">";
        else if (background != "None")
            page += " BGCOLOR=\"" + EscapeForAttribute(ColourToHTML(background)) + "\">";
        else
            page += ">\r\n";
    }
    page += "\r\n";

    page += "<TR><TD WIDTH=\"1%\">&nbsp;</TD><TD WIDTH=\"1%\">&nbsp;</TD>" + WidthCells(p, fields, false) + "</TR>\r\n";
    page += "<TR><TD COLSPAN=\"" + std::to_string(fields.ViewColumns + 2) + "\">" +
            FontElement(p.InstructionFont, p.LangForm->Real("SrchResults")->Text()) + "</TD></TR>";
    page += "<TR><TD>&nbsp;</TD><TD>&nbsp;</TD>\r\n";
    for (int n : fields.ViewItems) {
        if (IsField(n) && !FieldLabel(p, n).empty())
            page += "<TD" + alignment.PlainV + alignment.PlainH + ">" + FontElement(p.LabelFont, ContainedHTML(FieldLabel(p, n))) +
                    "</TD>\r\n";
        else
            page += "<TD>&nbsp;</TD>\r\n";
    }
    page += "</TR>\r\n";

    if (html.HTMLTableFooterOverride->Checked()) page += html.HTMLTableFooter->Text();
    page += "</TABLE></CENTER>\r\n";
    if (html.HTMLOtherPageFooterOverride->Checked()) page += html.HTMLOtherPageFooter->Text();
    page += "</BODY>\r\n</HTML>\r\n";
    return page;
}

void AppendResultPageFunctions(std::string& page, Program& p, const SearchFieldSets& fields,
                               const SearchCellAlignment& alignment, const std::string& scriptButtonSize) {
    const TKarvoForm& cart = *p.KarvoForm;
    const THTMLForm& html = *p.HTMLForm;
    const TPublishSetupForm& setup = *p.PublishSetupForm;
    const std::string& h = alignment.ScriptH;
    const std::string& v = alignment.ScriptV;
    const std::string user = Attr(cart.KarvoUserNumber->Text());
    const std::string site = Attr(cart.KarvoWebSiteNumber->Text());
    const std::string font = "<FONT FACE=ARIAL,HELVETICA SIZE=2 COLOR=black>";

    page += "function DisplayKarvoBuy (prod)\r\n{\r\n";
    page += Write("<FORM action=\\\"" + ScriptCartAddress("/cgi-bin/addproduct.karvo") + "\\\" method=POST>");
    page += Write("<INPUT type=hidden name=karvo_usercode value=\\\"" + user + "\\\">");
    page += Write("<INPUT type=hidden name=karvo_productnr value=\\\"\"+ AttrText(prod) +\"\\\">");
    page += Write("<INPUT type=hidden name=karvo_websitenr value=\\\"" + site + "\\\">");
    page += Write(font);
    page += Write("<TABLE><TR><TD valign=top><INPUT type=text size=3 maxlength=3 name=karvo_quantity value=1>");
    page += Write("</TD><TD valign=top><INPUT type=image src=\\\"" + Attr(cart.KarvoOrderGif->Text()) +
                  "\\\" border=0 width=120 height=18 name=submit>");
    page += Write("</TD></TR></TABLE></FONT></FORM>");
    page += "}\r\n\r\n";

    page += "function DisplayKarvoCheckout ()\r\n{\r\n";
    page += Write("<FORM action=\\\"" + ScriptCartAddress("/cgi-bin/checkout.karvo") + "\\\" method=POST>");
    page += Write("<INPUT type=hidden name=karvo_usercode value=\\\"" + user + "\\\">");
    page += Write("<INPUT type=hidden name=karvo_websitenr value=\\\"" + site + "\\\">");
    page += Write(font);
    page += Write("<TABLE><TR><TD valign=top><INPUT type=image src=\\\"" + Attr(cart.KarvoCheckoutGif->Text()) +
                  "\\\" border=0 width=120 height=18 name=submit>");
    page += Write("</TD></TR></TABLE></FONT></FORM>");
    page += "}\r\n\r\n";

    page += "function DisplayVector (e)\r\n{\r\n";
    page += " document.write (\"<TR><TD" + v + h +
            "><FONT FACE=\\\"\"+infa+\"\\\" SIZE=\\\"\"+insi+\"\\\" COLOR=\\\"\"+inco+\"\\\">\"+(e+1)\r\n";
    page += "+\"</FONT></TD><TD" + v + h + "><A HREF=\\\"qlx_\"+f[e]+\".htm\\\"><IMG SRC=\\\"qlxf.gif\\\"" +
            scriptButtonSize + "></A></TD>\\r\");\r\n";
    page += "  var s;\r\n  var idx;\r\n";
    for (int n : fields.ViewItems) {
        if (!IsField(n)) {
            // Not a field: an empty cell keeps the row in step with the heading row.
            page += Write("<TD" + v + h + ">&nbsp;</TD>\\r");
            continue;
        }
        const std::string c = "c" + std::to_string(n);
        const std::string cell = "<TD" + v + h + "><FONT FACE=\\\"\"+" + c + "fa+\"\\\" SIZE=\\\"\"+" + c +
                                 "si+\"\\\" COLOR=\\\"\"+" + c + "co+\"\\\">";
        page += "  s=" + c + "[e]; if (s.length==0) s=\"&nbsp;\";\r\n";
        page += "  idx = s.indexOf('karvo:');\r\n";
        page += "  if (idx!=-1) {\r\n";
        page += Write(cell);
        page += "    DisplayKarvoBuy(s.substring(idx+6,s.length));\r\n";
        page += "    document.write (\"</FONT></TD>\\r\");\r\n";
        page += "  } else\r\n";
        page += Write(cell + "\"+ContainedHTML(s)+\"</FONT></TD>\\r");
    }
    page += "  document.write (\"</TR>\\r\");\r\n";
    page += "}\r\n\r\n";

    page += "function ShowEntries (vector)\r\n{\r\n  var i=0;\r\n  n=vector.length;\r\n  while (i<n) {\r\n"
            "      DisplayVector(vector[i]);\r\n      i++;\r\n  }\r\n}\r\n\r\n";

    page += "function WriteHeaderOfPage()\r\n{\r\n";
    if (html.HTMLOtherPageHeaderOverride->Checked()) {
        page += Write(FlattenForScript(html.HTMLOtherPageHeader->Text()));
    } else {
        page += Write("<HTML>\\r") + Write("<HEAD>\\r") + Write("<TITLE>Folivex</TITLE>\\r") + Write("</HEAD>\\r");
        const std::string text = Attr(ColourToHTML(p.InstructionFont.Colour));
        std::string body = "<BODY TEXT=\\\"" + text + "\\\" ALINK=\\\"" + text + "\\\" VLINK=\\\"" + text +
                           "\\\" LINK=\\\"" + text + "\\\"";
        if (setup.PageBackgroundColour->Text() == "Image")
            body += " BACKGROUND=\\\"qlxpgbk." + Attr(ImageExtension(setup.PageBackgroundImageFile->Text())) +
                    "\\\">\\r";
        else
            body += " BGCOLOR=\\\"" + Attr(ColourToHTML(setup.PageBackgroundColour->Text())) + "\\\">\\r";
        page += Write(body);
        page += Write("<CENTER>\\r");
        if (setup.TableHeaderColour->Text() == "Image") {
            if (!setup.TableHeadingImageFile->Text().empty())
                page += Write("<IMG SRC=\\\"qlxhdr." + Attr(ImageExtension(setup.TableHeadingImageFile->Text())) +
                              "\\\">\\r");
        } else {
            page += Write(ScriptFontElement(p.HeaderFont, setup.TableHeader->Text()) + "\\r");
        }
        page += Write("</CENTER>\\r");
    }
    if (html.HTMLTableHeaderOverride->Checked()) {
        page += Write(FlattenForScript(html.HTMLTableHeader->Text()));
    } else {
        std::string table = "\\r<CENTER><TABLE ALIGN=\\\"CENTER\\\" WIDTH=\\\"" +
                            Attr(p.SearchSetup->SearchViewPageTableWidth->Text()) +
                            "\\\" BORDER=\\\"0\\\" CELLPADDING=\\\"3\\\" CELLSPACING=\\\"0\\\"";
        const std::string& background = setup.TableBackgroundColour->Text();
        if (background == "Image")
            table += " BACKGROUND=\\\"qlxtabbk." + Attr(ImageExtension(setup.TableBackgroundImageFile->Text())) +
                     "\\\">\\r";
        else if (background != "None")
            table += " BGCOLOR=\\\"" + Attr(ColourToHTML(background)) + "\\\">\\r";
        else
            table += ">\\r";
        page += Write(table);
    }
    page += "\r\n" + Write("<TR><TD WIDTH=\\\"1%\\\">&nbsp;</TD><TD WIDTH=\\\"1%\\\">&nbsp;</TD>" +
                           WidthCells(p, fields, true) + "</TR>\\r") +
            "\r\n";
    page += Write("<TR><TD COLSPAN=\\\"" + std::to_string(fields.ViewColumns + 2) + "\\\">" +
                  ScriptFontElement(p.InstructionFont, p.LangForm->Real("SrchResults")->Text()) + "</TD></TR>\\r");
    page += Write("<TR><TD>&nbsp;</TD><TD>&nbsp;</TD>");
    for (int n : fields.ViewItems) {
        if (IsField(n) && !FieldLabel(p, n).empty())
            page += Write("<TD" + h + v + ">" + ScriptFontElement(p.LabelFont, ContainedHTML(FieldLabel(p, n))) + "</TD>");
        else
            page += Write("<TD>&nbsp;</TD>");
    }
    page += Write("</TR>\\r");
    page += "}\r\n\r\n";

    page += "function WriteTrailer()\r\n{\r\n";
    page += Write("<TR><TD>&nbsp;</TD><TD COLSPAN=\\\"" + std::to_string(fields.ViewColumns + 2) + "\\\">&nbsp;</TD>\\r");
    page += Write("</TR>\\r");
    if (html.HTMLTableFooterOverride->Checked()) page += Write(FlattenForScript(html.HTMLTableFooter->Text()));
    if (cart.KarvoQuickViewCheckout->Checked())
        page += "document.write (\"<CENTER><TABLE><TR><TD>\");\r\nDisplayKarvoCheckout();\r\n"
                "document.write (\"</TD></TR></TABLE></CENTER>\");\r\n";
    page += Write("</TABLE>\\r") + Write("</CENTER>\\r");
    if (html.HTMLOtherPageFooterOverride->Checked()) page += Write(FlattenForScript(html.HTMLOtherPageFooter->Text()));
    page += Write("</BODY>\\r") + Write("</HTML>\\r");
    page += "}\r\n\r\n";
}

}  // namespace fv
