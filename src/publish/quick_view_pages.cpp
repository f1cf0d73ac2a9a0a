// Pass 3: the quick-view page "qlx_<category>_s.htm" of each category with changed records - one row per
// record with its number, a link to its detail page and the listed fields - and the data cells that the
// quick-view and detail pages share (plain values, links and cart buttons).
#include <cstdlib>

#include "program/program.h"
#include "publish/publish_progress_form.h"
#include "publish/cart_forms.h"
#include "publish/html_form.h"
#include "publish/cart_settings_form.h"
#include "publish/lang_form.h"
#include "publish/publish_helpers.h"
#include "publish/publish_progress_form.h"
#include "publish/publish_setup_form.h"
#include "publish/publisher.h"

namespace fv {

namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

// The field numbers of the quick-view list "1,2,3": each entry (at most three characters) read as a
// decimal number; entries that do not name field 1 to 20 are skipped.
std::vector<int> QuickViewFieldList(const std::string& text) {
    std::vector<int> fields;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t comma = text.find(',', start);
        if (comma == std::string::npos) comma = text.size();
        const std::string entry = text.substr(start, std::min<std::size_t>(comma - start, 3));
        const int n = std::atoi(entry.c_str());
        if (n >= 1 && n <= FieldCount) fields.push_back(n);
        start = comma + 1;
    }
    return fields;
}

}  // namespace

void Publisher::AppendDataCell(std::string& page, const std::string& hAttr, const std::string& vAttr,
                               const PublishFont& font, const std::string& value, bool endsRow) {
    const std::string v = (value.empty() || value == " ") ? std::string("&nbsp;") : value;
    const std::string open = StyleOpenTags(font.Style), close = StyleCloseTags(font.Style);
    page += "<TD" + hAttr + vAttr + ">" + FontOpen(font);
    const bool mail = StartsWith(v, "mailto:"), file = StartsWith(v, "file:");
    const bool web = StartsWith(v, "ftp") || StartsWith(v, "www") || StartsWith(v, "http");
    if (mail || file || web) {
        const std::string target = file ? LinkTarget(v.substr(5)) : LinkTarget(v);
        page += "\r\n<A HREF=\"" + target + "\">\r\n" + open + LinkDisplayText(v) + close + "</A></FONT></TD>\r\n";
    } else if (StartsWith(v, "karvo:")) {
        page += "\r\n" + open + KarvoFormHTML(P, v) + close + "</FONT></TD>\r\n";
    } else {
        page += open + v + close + (endsRow ? "</FONT></TD></TR>\r\n" : "</FONT></TD>\r\n");
    }
}

std::string Publisher::QuickViewPage(int category) {
    const PublishFont& instruction = P.InstructionFont;
    const std::string iOpen = StyleOpenTags(instruction.Style), iClose = StyleCloseTags(instruction.Style);
    const std::string h = HorizontalAttribute(setup_.QUICKHAlign->Text());
    const std::string v = VerticalAttribute(setup_.QUICKVAlign->Text());
    const std::vector<int> fields = QuickViewFieldList(setup_.QuickViewFields->Text());
    const std::string columns = std::to_string(fields.size() + 2);
    const std::string number = std::to_string(category + 1);
    const THTMLForm& html = *P.HTMLForm;

    std::string page = CommentLine(now_());
    AppendPageHead(page, P, PageKind::Other);
    AppendTableOpening(page, P, setup_.QuickViewPageTableWidth->Text(), true, true);

    page += "<TR><TD WIDTH=\"1%\">&nbsp;</TD><TD WIDTH=\"1%\">&nbsp;</TD>";
    for (std::size_t i = 0; i < fields.size(); ++i) {
        // Ten width boxes: a further column gets a cell without a width.
        if (i < setup_.QuickViewPageColumnWidth.size())
            page += "<TD WIDTH=\"" + setup_.QuickViewPageColumnWidth[i]->Text() + "%\">&nbsp;</TD>";
        else
            page += "<TD>&nbsp;</TD>";
    }
    page += "</TR>\r\n";

    page += "<TR><TD COLSPAN=\"" + columns + "\">" + FontOpen(instruction) + iOpen + P.LangForm->Real("quickview2")->Text() +
            "&nbsp;&nbsp;&nbsp;" + categories_[std::size_t(category)] + iClose +
            "</FONT>&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;<A HREF=\"qlx_index.htm\"><IMG SRC=\"qlxu.gif\"" +
            attributes_.ButtonSize + "></A>" + FontOpen(instruction) + iOpen + "&nbsp;- " +
            P.LangForm->Real("changecategory")->Text() + iClose + "</FONT></TD></TR>\r\n";

    page += "<TR><TD>&nbsp;</TD><TD>&nbsp;</TD>\r\n";
    for (int n : fields) {
        const std::string& label = main_.FieldLabel(n);
        if (label.empty())
            page += "<TD>&nbsp;</TD>";
        else
            page += "<TD" + h + v + ">" + FontElement(P.LabelFont, label) + "</TD>";
    }
    page += "</TR>\r\n";

    rows_.Toggle = false;
    int row = 0;
    for (int r = 0; r < P.RecordCount; ++r) {
        MoveBar(int(std::int64_t(r) * 100 / P.RecordCount));
        if (recordCategory_[std::size_t(r)] != category) continue;
        const DatabaseRecord& record = P.RecordTable[std::size_t(r)];
        const std::string rowNumber = std::to_string(++row);
        rows_.NextRow(setup_.Alt1TableBackgroundColour->Text(), setup_.Alt2TableBackgroundColour->Text());
        page += "<TR" + rows_.Attribute + "><TD" + v + h + ">" + FontOpen(instruction) + iOpen + rowNumber + iClose +
                "</FONT></TD><TD" + v + h + "><A HREF=\"qlx_" + number + "_" + rowNumber +
                ".htm\"><IMG SRC=\"qlxf.gif\"" + attributes_.ButtonSize + "></A></TD>\r\n";
        for (int n : fields)
            AppendDataCell(page, h, v, P.FieldFonts[std::size_t(n - 1)], record.Field[std::size_t(n - 1)], false);
        page += "</TR>";
    }

    if (P.KarvoForm->KarvoQuickViewCheckout->Checked())
        page += "<TR><TD COLSPAN=\"" + columns + "\"><CENTER>" + KarvoFormHTML(P, "karvo:checkout") +
                "</CENTER></TD></TR>";
    if (html.HTMLTableFooterOverride->Checked())
        page += html.HTMLTableFooter->Text();
    else
        page += "<TR><TD COLSPAN=\"" + columns + "\">&nbsp;</TD></TR>";
    AppendPageEnd(page, P, PageKind::Other);
    return page;
}

Publisher::Outcome Publisher::QuickViewPass() {
    P.App.Beep(BeepKind::Default);
    BeginStage("Publishing - Pass 3 of 5 (Quick View)...");
    for (int i = 0; i < categoryCount_; ++i) {
        P.App.ProcessMessages();
        if (P.PublishCancelled) return Outcome::Cancelled;
        if (!categoryFirst_[std::size_t(i)]) continue;
        // A category without changed records still gets its page again when the page has changed (a record
        // that went or moved elsewhere in the table renumbers the rows).
        const std::string name = "qlx_" + std::to_string(i + 1) + "_s.htm", page = QuickViewPage(i);
        if (!categoryChanged_[std::size_t(i)] && out_->HoldsPageBody(name, page)) continue;
        if (!WritePage(name, page)) return Stop("Unable to Publish QuickView Page");
    }
    return Outcome::Done;
}

}  // namespace fv
