// Pass 5: the detail page "qlx_<category>_<position>.htm" of each changed record - navigation within its
// category, the field rows, the record's pictures and its memo - and the record pictures placed beside
// the pages, each distinct picture once.
#include <algorithm>
#include <map>

#include "platform/fs/files.h"
#include "program/program.h"
#include "publish/html_form.h"
#include "publish/lang_form.h"
#include "publish/publish_helpers.h"
#include "publish/publish_progress_form.h"
#include "publish/publish_setup_form.h"
#include "publish/publisher.h"
#include "records/database_names.h"

namespace fv {

namespace {

std::string ExtensionOf(const std::string& file) { return FileExtension(FileNamePart(file)); }

}  // namespace

void Publisher::WorkOutImageNames() {
    // One rule over the whole table, every run: a picture takes the name of the last earlier record's
    // picture with the same path, else a name of its own from its record's category and position. So the
    // names never depend on what earlier runs (or none, after a restart) happened to leave behind. A path
    // that names no file (nothing there, or a folder) is a missing picture: no name, no place on a page.
    imageIsNew_.assign(std::size_t(P.RecordCount) * ImageCount, 0);
    std::map<std::string, std::string> earlier;
    std::map<std::string, bool> found;
    const auto isFile = [&](const std::string& path) {
        auto [at, added] = found.try_emplace(path, false);
        if (added) at->second = IsReadableFile(path);
        return at->second;
    };
    for (int r = 0; r < P.RecordCount; ++r) {
        auto& names = P.PublishedImageNames[std::size_t(r)];
        const DatabaseRecord& record = P.RecordTable[std::size_t(r)];
        const int category = recordCategory_[std::size_t(r)];
        for (int i = 0; i < ImageCount; ++i) {
            const std::string& path = record.Image[std::size_t(i)];
            names[std::size_t(i)].clear();
            if (path.empty() || category < 0 || !isFile(path)) continue;
            if (auto same = earlier.find(path); same != earlier.end()) {
                names[std::size_t(i)] = same->second;
            } else {
                names[std::size_t(i)] = "qlx" + std::to_string(category + 1) + "_" +
                                        std::to_string(recordPosition_[std::size_t(r)] + 1) + "_" +
                                        std::to_string(i + 1) + "." + ExtensionOf(path);
                imageIsNew_[std::size_t(r) * ImageCount + std::size_t(i)] = 1;
            }
        }
        for (int i = 0; i < ImageCount; ++i)
            if (!names[std::size_t(i)].empty()) earlier[record.Image[std::size_t(i)]] = names[std::size_t(i)];
    }
}

bool Publisher::PlacePictures(int record, bool onlyAbsent) {
    const DatabaseRecord& rec = P.RecordTable[std::size_t(record)];
    for (int i = 0; i < ImageCount; ++i) {
        const std::string& path = rec.Image[std::size_t(i)];
        const std::string& name = P.PublishedImageNames[std::size_t(record)][std::size_t(i)];
        if (name.empty()) {
            if (!onlyAbsent && !path.empty() &&
                std::find(missingPictures_.begin(), missingPictures_.end(), path) == missingPictures_.end())
                missingPictures_.push_back(path);
            continue;
        }
        const std::string extension = ExtensionOf(path);
        // A picture named after an earlier record is already in place - unless its file has gone. For a
        // page that has not changed, a picture the upload has sent (and taken) is in place too.
        const bool present = out_->Has(name) || out_->Has(ImageLinkFileName(name, extension)) ||
                             (onlyAbsent && out_->Published(name));
        const bool own = imageIsNew_[std::size_t(record) * ImageCount + std::size_t(i)] != 0;
        if (((own && !onlyAbsent) || !present) && !PublishImageFile(P, path, *out_, name, extension)) return false;
    }
    return true;
}

std::string Publisher::DetailPage(int record, int category, int position) {
    const DatabaseRecord& rec = P.RecordTable[std::size_t(record)];
    const PublishFont& instruction = P.InstructionFont;
    const std::string iOpen = StyleOpenTags(instruction.Style), iClose = StyleCloseTags(instruction.Style);
    const std::string c = std::to_string(category + 1);
    const int n = categoryRecords_[std::size_t(category)];
    const std::string& button = attributes_.ButtonSize;
    auto lang = [this](const char* key) { return P.LangForm->Real(key)->Text(); };
    const std::string labelH = HorizontalAttribute(setup_.DETAILLabelHAlign->Text());
    const std::string labelV = VerticalAttribute(setup_.DETAILLabelVAlign->Text());
    const std::string dataH = HorizontalAttribute(setup_.DETAILDataHAlign->Text());
    const std::string dataV = VerticalAttribute(setup_.DETAILDataVAlign->Text());
    const std::string imageH = HorizontalAttribute(setup_.DETAILImageHAlign->Text());
    const std::string imageV = VerticalAttribute(setup_.DETAILImageVAlign->Text());
    const THTMLForm& html = *P.HTMLForm;

    std::string page = CommentLine(now_());
    AppendPageHead(page, P, PageKind::Other);
    AppendTableOpening(page, P, setup_.DetailPageTableWidth->Text(), false, true);
    page += "<TR>\r\n<TD WIDTH=\"1%\">&nbsp;</TD>\r\n<TD WIDTH=\"" + setup_.DetailPageColumnWidthLABEL->Text() +
            "%\">&nbsp;</TD>\r\n<TD WIDTH=\"" + setup_.DetailPageColumnWidthDATA->Text() +
            "%\">&nbsp;</TD>\r\n<TD WIDTH=\"" + setup_.DetailPageColumnWidthIMAGE->Text() + "%\">&nbsp;</TD>\r\n</TR>\r\n";

    // Navigation: back to the index, then first, previous, next and last of the category.
    page += "<TR>\r\n<TD>&nbsp;</TD>\r\n<TD>\r\n";
    if (categoryCount_ > 0) {
        page += FontElement(instruction, lang("category")) + "<BR>";
        page += "<A HREF=\"qlx_index.htm\"><IMG SRC=\"qlxu.gif\" BORDER=\"1\" ALT=\"\"" + button + "></A>\r\n";
        page += FontOpen(P.LabelFont) + "<A HREF=\"qlx_index.htm\"><BR>" + StyleOpenTags(P.LabelFont.Style) +
                categories_[std::size_t(category)] + StyleCloseTags(P.LabelFont.Style) + "</A></FONT>\r\n";
    } else {
        page += "<BR>&nbsp;";
    }
    page += "</TD><TD>" + FontOpen(instruction) + iOpen + lang("search") + iClose + "<BR></FONT>\r\n";
    const int previous = position == 0 ? 1 : position;
    const int next = position < n - 1 ? position + 2 : n;
    auto nav = [&](int target, const char* image, const char* alt) {
        page += "<A HREF=\"qlx_" + c + "_" + std::to_string(target) + ".htm\"><IMG SRC=\"" + image +
                "\" ALIGN=\"LEFT\" BORDER=\"1\" ALT=\"" + EscapeForAttribute(lang(alt)) + "\"" + button + "></A>\r\n";
    };
    nav(1, "qlxr.gif", "firstrecord");
    nav(previous, "qlxb.gif", "previousrecord");
    nav(next, "qlxf.gif", "nextrecord");
    nav(n, "qlxff.gif", "lastrecord");
    page += "<BR>&nbsp;</TD>\r\n";
    if (!P.PublishedImageNames[std::size_t(record)][0].empty())
        page += "<TD" + imageH + imageV + ">" + FontElement(instruction, lang("clickimage")) + "</TD>\r\n";
    else
        page += "<TD>&nbsp;</TD>\r\n";
    page += "</TR>\r\n";

    page += "<TR>\r\n<TD>&nbsp;</TD>\r\n<TD>&nbsp;</TD>\r\n<TD COLSPAN=\"2\"><CENTER>" + FontOpen(instruction) +
            "\r\n" + iOpen + lang("record") + " " + std::to_string(position + 1) + " " + lang("of") + " " +
            std::to_string(n) + iClose + "</FONT></CENTER></TD>\r\n</TR>\r\n";

    rows_.Toggle = false;
    const std::string& alt1 = setup_.Alt1TableBackgroundColour->Text();
    const std::string& alt2 = setup_.Alt2TableBackgroundColour->Text();
    for (int f = 1; f <= FieldCount; ++f) {
        const std::string& value = rec.Field[std::size_t(f - 1)];
        std::string label = main_.FieldLabel(f);
        if (f == 1) {
            if (label.empty() || label == "(null)") label = "&nbsp;";
            rows_.NextRow(alt1, alt2);
            page += "<TR" + rows_.Attribute + ">\r\n<TD>&nbsp;</TD>\r\n<TD" + labelH + labelV + ">" +
                    FontElement(P.LabelFont, label) + "</TD>\r\n";
            AppendDataCell(page, dataH, dataV, P.FieldFonts[0], value, false);
            // The picture cell spans the rows of the fields beside it.
            page += "<TD" + imageH + imageV + " ROWSPAN=\"28\">&nbsp;<BR>\r\n";
            for (int i = 0; i < ImageCount; ++i) {
                const std::string& name = P.PublishedImageNames[std::size_t(record)][std::size_t(i)];
                if (name.empty()) continue;  // no picture, or one not found
                page += "<A HREF=\"" + name + "\"><IMG SRC=\"" + name + "\"" +
                        (setup_.ScaleImages->Checked() ? attributes_.ImageSize : std::string()) +
                        " BORDER=\"1\" ALT=\"\" ALIGN=\"MIDDLE\"></A>\r\n<BR>\r\n";
            }
            if (!rec.Memo.empty()) {
                page += FontOpen(P.ScrollFont) + StyleOpenTags(P.ScrollFont.Style);
                for (std::size_t k = 0; k < rec.Memo.size(); ++k) {
                    const char ch = rec.Memo[k];
                    // A line break of the memo shows as one: before CR, or before a LF that stands alone.
                    if (ch == '\r' || (ch == '\n' && (k == 0 || rec.Memo[k - 1] != '\r'))) page += "<BR>";
                    page += ch;
                }
                page += StyleCloseTags(P.ScrollFont.Style) + "</FONT><BR>&nbsp;";
            }
            page += "</TD>\r\n</TR>\r\n";
            continue;
        }
        if ((label.empty() || label == "....") && value.empty()) continue;
        rows_.NextRow(alt1, alt2);
        page += "<TR" + rows_.Attribute + ">\r\n<TD>&nbsp;</TD>\r\n";
        if (!label.empty()) {
            if (label == "(null)" || label == " ") label = "&nbsp;";
            page += "<TD" + labelH + labelV + ">" + FontElement(P.LabelFont, label) + "</TD>\r\n";
        } else {
            page += "<TD>&nbsp;</TD>\r\n";
        }
        if (value.empty())
            page += "<TD>&nbsp;</TD></TR>\r\n";
        else
            AppendDataCell(page, dataH, dataV, P.FieldFonts[std::size_t(f - 1)], value, true);
    }

    if (html.HTMLTableFooterOverride->Checked())
        page += html.HTMLTableFooter->Text();
    else if (alt1 == "None" && alt2 == "None")
        page += "<TR>\r\n<TD COLSPAN=4>&nbsp;</TD>\r\n</TR>\r\n";
    AppendPageEnd(page, P, PageKind::Other);
    return page;
}

Publisher::Outcome Publisher::DetailPass() {
    BeginStage("Publishing - Pass 5 of 5 (Detail View)...");
    WorkOutImageNames();
    // Only records of a listed category have pages: any other appears on no page and gets none (the end
    // of the run names them).
    int published = 0;
    for (int r = 0; r < P.RecordCount; ++r)
        if (recordCategory_[std::size_t(r)] >= 0) ++published;
    const double step = 100.0 / (published + 1);
    int done = 0;
    for (int r = 0; r < P.RecordCount; ++r) {
        DatabaseRecord& record = P.RecordTable[std::size_t(r)];
        const int category = recordCategory_[std::size_t(r)];
        if (category < 0) continue;
        P.App.ProcessMessages();
        if (P.PublishCancelled) return Outcome::Cancelled;
        MoveBar(int(++done * step));
        const int position = recordPosition_[std::size_t(r)];
        const std::string name = "qlx_" + std::to_string(category + 1) + "_" + std::to_string(position + 1) + ".htm";
        const std::string page = DetailPage(r, category, position);
        // A record not marked gets its page again too when the page has changed: a record that went, came
        // or moved shifts the numbers, neighbours and picture names of the others.
        const bool unchanged = !record.NeedsPublishing && out_->HoldsPageBody(name, page);
        const std::string number = std::to_string(r + 1);
        if (!PlacePictures(r, unchanged)) return Stop("Unable to Publish the pictures of Record (" + number + ")");
        if (unchanged) continue;
        if (!WritePage(name, page)) return Stop("Unable to Publish file for Record (" + number + ")");
        record.NeedsPublishing = 0;
    }
    return Outcome::Done;
}

}  // namespace fv
