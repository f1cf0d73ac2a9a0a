// The common blocks of the published pages.
#include "publish/page_frame.h"

#include "platform/gfx/colour_names.h"
#include "platform/ui/check_box.h"
#include "program/program.h"
#include "publish/html_form.h"
#include "publish/publish_helpers.h"
#include "publish/publish_setup_form.h"
#include "publish/web_sites.h"
#include "records/database_names.h"

namespace fv {

namespace {

// The host of the maker's web site, for the comment line.
std::string MakerHost() {
    std::string host = MakerWebSite;
    if (auto scheme = host.find("://"); scheme != std::string::npos) host.erase(0, scheme + 3);
    return host;
}

// The extension of a chosen image file: taken from its file-name part, so a dotted folder cannot spoil it.
std::string ImageExtension(const std::string& file) { return FileExtension(FileNamePart(file)); }

}  // namespace

PublishRunAttributes WorkOutRunAttributes(const TPublishSetupForm& setup) {
    PublishRunAttributes a;
    const std::string& bw = setup.ButtonWidth->Text();
    const std::string& bh = setup.ButtonHeight->Text();
    if (bw != "(null)" && bh != "(null)") {
        a.ButtonSize = " HEIGHT=\"" + bh + "\" WIDTH=\"" + bw + "\"";
        a.ScriptButtonSize = " HEIGHT=\\\"" + bh + "\\\" WIDTH=\\\"" + bw + "\\\"";
    }
    const std::string& iw = setup.ImageWidth->Text();
    const std::string& ih = setup.ImageHeight->Text();
    if (iw != "(null)" && ih != "(null)") a.ImageSize = " HEIGHT=\"" + ih + "\" WIDTH=\"" + iw + "\" ";
    return a;
}

std::string CommentLine(std::time_t when) {
    static const char* const months[] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                         "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    std::tm t{};
    localtime_r(&when, &t);
    char date[100];
    std::snprintf(date, sizeof date, "%s/%02d/%04d %02d:%02d:%02d", months[t.tm_mon % 12], t.tm_mday,
                  t.tm_year + 1900, t.tm_hour, t.tm_min, t.tm_sec);
    return "<!Folivex from " + MakerHost() + " v2.4 (" + date + ")>\r\n";
}

std::string FontOpen(const PublishFont& font) {
    return "<FONT FACE=\"" + font.Face + "\" SIZE=\"" + font.Size + "\" COLOR=\"" + ColourToHTML(font.Colour) + "\">";
}

std::string FontElement(const PublishFont& font, std::string_view text) {
    std::string out = FontOpen(font);
    out += StyleOpenTags(font.Style);
    out += text;
    out += StyleCloseTags(font.Style);
    out += "</FONT>";
    return out;
}

void AppendPageHead(std::string& page, Program& p, PageKind kind) {
    const THTMLForm& html = *p.HTMLForm;
    const bool index = kind == PageKind::Index;
    const CheckBox* override = index ? html.HTMLIndexPageHeaderOverride : html.HTMLOtherPageHeaderOverride;
    if (override->Checked()) {
        page += (index ? html.HTMLIndexPageHeader : html.HTMLOtherPageHeader)->Text();
        return;
    }
    const TPublishSetupForm& setup = *p.PublishSetupForm;
    // The charset line lets every browser show the UTF-8 text of the records as it was typed.
    page += "<HTML>\r\n \r\n<HEAD>\r\n<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=utf-8\">\r\n"
            "<TITLE>Folivex</TITLE>\r\n</HEAD>\r\n";
    const std::string text = ColourToHTML(p.InstructionFont.Colour);
    page += "<BODY TEXT=\"" + text + "\" ALINK=\"" + text + "\" VLINK=\"" + text + "\" LINK=\"" + text + "\"";
    if (setup.PageBackgroundColour->Text() == "Image")
        page += " BACKGROUND=\"qlxpgbk." + ImageExtension(setup.PageBackgroundImageFile->Text()) + "\">\r\n";
    else
        page += " BGCOLOR=\"" + ColourToHTML(setup.PageBackgroundColour->Text()) + "\">\r\n";
    page += "<CENTER>\r\n";
    const std::string& header = setup.TableHeaderColour->Text();
    if (header == "Image") {
        if (!setup.TableHeadingImageFile->Text().empty())
            page += "<IMG SRC=\"qlxhdr." + ImageExtension(setup.TableHeadingImageFile->Text()) + "\">\r\n";
    } else {
        page += FontElement(p.HeaderFont, setup.TableHeader->Text());
    }
    page += "</CENTER>\r\n";
}

void AppendTableOpening(std::string& page, Program& p, const std::string& width, bool cellPadding,
                        bool tableSnippets) {
    const THTMLForm& html = *p.HTMLForm;
    if (tableSnippets && html.HTMLTableHeaderOverride->Checked()) {
        page += html.HTMLTableHeader->Text();
        return;
    }
    const TPublishSetupForm& setup = *p.PublishSetupForm;
    page += "<CENTER><TABLE ALIGN=\"CENTER\" WIDTH=\"" + width + "\" BORDER=\"0\"";
    page += cellPadding ? " CELLPADDING=\"3\" CELLSPACING=\"0\"" : " CELLSPACING=\"0\"";
    const std::string& background = setup.TableBackgroundColour->Text();
    if (background == "Image")
        page += " BACKGROUND=\"qlxtabbk." + ImageExtension(setup.TableBackgroundImageFile->Text()) + "\">\r\n";
    else if (background != "None")
        page += " BGCOLOR=\"" + ColourToHTML(background) + "\">\r\n";
    else
        page += ">\r\n";
}

void AppendPageEnd(std::string& page, Program& p, PageKind kind) {
    const THTMLForm& html = *p.HTMLForm;
    const bool index = kind == PageKind::Index;
    page += "</TABLE></CENTER>\r\n";
    if ((index ? html.HTMLIndexPageFooterOverride : html.HTMLOtherPageFooterOverride)->Checked())
        page += (index ? html.HTMLIndexPageFooter : html.HTMLOtherPageFooter)->Text();
    page += "</BODY>\r\n</HTML>\r\n";
}

void RowColours::NextRow(const std::string& alt1, const std::string& alt2) {
    if (alt1 != "None") Attribute = " BACKGROUND=\"\" BGCOLOR=" + ColourToHTML(alt1);
    if (alt1 != "None" && alt2 != "None") {
        if (Toggle) {
            Attribute = " BACKGROUND=\"\" BGCOLOR=" + ColourToHTML(alt2);
            Toggle = false;
        } else {
            Toggle = true;
        }
    }
}

std::string HorizontalAttribute(const std::string& boxText) {
    return boxText == "none" ? std::string(" ") : " ALIGN=\"" + boxText + "\"";
}

std::string VerticalAttribute(const std::string& boxText) {
    return boxText == "none" ? std::string(" ") : " VALIGN=\"" + boxText + "\"";
}

}  // namespace fv
