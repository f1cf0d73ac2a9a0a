// Passes 1 and 2: the page images and navigation buttons copied into the publish folder, the records of
// each category counted, and the index page "qlx_index.htm" with one row per category.
#include "platform/fs/files.h"
#include "program/program.h"
#include "publish/lang_form.h"
#include "publish/publish_helpers.h"
#include "publish/publish_progress_form.h"
#include "publish/publish_setup_form.h"
#include "publish/publisher.h"
#include "publish/search_setup_form.h"
#include "records/database_names.h"

namespace fv {

namespace {

std::string Lang(const Program& p, const char* key) { return p.LangForm->Real(key)->Text(); }

std::string ExtensionOf(const std::string& file) { return FileExtension(FileNamePart(file)); }

}  // namespace

Publisher::Outcome Publisher::IndexPass1() {
    BeginStage("Publishing - Pass 1 of 5 (preparing Index page)...");

    // The page images, then the navigation buttons; a failed copy ends the run after its message: a source
    // not found has had its own, a file that could not be written gets the reason.
    auto fail = [this] { return Stop(out_->Failure().empty() ? "" : "Unable to Publish the page images and buttons"); };
    if (setup_.PageBackgroundColour->Text() == "Image") {
        const std::string& file = setup_.PageBackgroundImageFile->Text();
        if (!CopyBeside(JoinPath(setup_.DirectoryListBackground->Directory(), file), "qlxpgbk." + ExtensionOf(file)))
            return fail();
    }
    if (setup_.TableHeader->Text() == "(null)") setup_.TableHeader->SetText("");
    if (setup_.TableHeaderColour->Text() == "Image" && !setup_.TableHeadingImageFile->Text().empty()) {
        const std::string& file = setup_.TableHeadingImageFile->Text();
        if (!CopyBeside(JoinPath(setup_.DirectoryListHeader->Directory(), file), "qlxhdr." + ExtensionOf(file)))
            return fail();
    }
    if (setup_.TableBackgroundColour->Text() == "Image") {
        const std::string& file = setup_.TableBackgroundImageFile->Text();
        if (!CopyBeside(JoinPath(setup_.DirectoryListTableBackground->Directory(), file),
                        "qlxtabbk." + ExtensionOf(file)))
            return fail();
    }
    for (const char* button : {"qlxb.gif", "qlxf.gif", "qlxr.gif", "qlxff.gif", "qlxd.gif", "qlxu.gif"})
        if (!CopyBeside(JoinPath(P.ProgramDirectory, button), button)) return fail();

    // The categories counted are those before the first empty entry of the list. Tables grow with it.
    categories_.clear();
    for (const std::string& item : main_.Categories()) {
        if (item.empty()) break;
        categories_.push_back(item);
    }
    categoryCount_ = int(categories_.size());
    categoryRecords_.assign(categories_.size(), 0);
    categoryChanged_.assign(categories_.size(), 0);
    categoryFirst_.assign(categories_.size(), 1);
    for (std::size_t i = 0; i < categories_.size(); ++i)
        for (std::size_t j = 0; j < i && categoryFirst_[i]; ++j)
            if (categories_[j] == categories_[i]) categoryFirst_[i] = 0;
    recordCategory_.assign(std::size_t(P.RecordCount), -1);
    recordPosition_.assign(std::size_t(P.RecordCount), 0);

    // The top of the page.
    const PublishFont& instruction = P.InstructionFont;
    indexPage_ = CommentLine(now_());
    AppendPageHead(indexPage_, P, PageKind::Index);
    AppendTableOpening(indexPage_, P, setup_.DetailPageTableWidth->Text(), false, false);
    indexPage_ += "<TR>\r\n<TD WIDTH=\"4%\">&nbsp;</TD>\r\n<TD WIDTH=\"34%\">" + FontOpen(instruction) + "<BR>" +
                  StyleOpenTags(instruction.Style) + Lang(P, "pleaseselect") + StyleCloseTags(instruction.Style) +
                  "<BR>&nbsp;</FONT></TD>\r\n<TD WIDTH=\"30%\"><BR>";
    if (P.SearchSetup->EnableSearchButton->Checked() && !P.SearchSetup->SearchPerCategory->Checked())
        indexPage_ += "\r\n<form action=\"qlx_frm.htm\" target=\"" + P.SearchSetup->InitialFrame->Text() +
                      "\"><input type=\"submit\" value=\"" + EscapeForAttribute(Lang(P, "search")) + "\"></form>\r\n";
    else
        indexPage_ += "&nbsp";
    indexPage_ += "</TD>\r\n<TD WIDTH=\"20%\">&nbsp;</TD><TD WIDTH=\"10%\">&nbsp;</TD></TR>\r\n";

    // Runs of records with one category. Each run's count and changed flag go to the first list entry of
    // its name and then start again from 0 - also when no entry matches, so nothing leaks into the next
    // category. A record of no listed category belongs to no page.
    std::int32_t count = 0;
    std::uint8_t changed = 0;
    int runStart = 0;
    const int records = P.RecordCount;
    for (int k = 0; k <= records; ++k) {
        if (k == records || (k > 0 && P.RecordTable[std::size_t(k)].Category != P.RecordTable[std::size_t(k - 1)].Category)) {
            if (k > 0) {
                const std::string& name = P.RecordTable[std::size_t(k - 1)].Category;
                int entry = -1;
                for (int i = 0; i < categoryCount_ && entry < 0; ++i)
                    if (categories_[std::size_t(i)] == name) entry = i;
                if (entry >= 0) {
                    categoryRecords_[std::size_t(entry)] = count;
                    categoryChanged_[std::size_t(entry)] = changed;
                    for (int r = runStart; r < k; ++r) {
                        recordCategory_[std::size_t(r)] = entry;
                        recordPosition_[std::size_t(r)] = r - runStart;
                    }
                }
            }
            count = 0;
            changed = 0;
            runStart = k;
        }
        P.App.ProcessMessages();
        if (P.PublishCancelled) return Outcome::Cancelled;
        if (k < records) {
            ++count;
            MoveBar(int(std::int64_t(k) * 100 / records));
            if (P.RecordTable[std::size_t(k)].NeedsPublishing) changed = 1;
        }
    }
    return Outcome::Done;
}

Publisher::Outcome Publisher::IndexPass2() {
    BeginStage("Publishing - Pass 2 of 5 (writing Index page)...");
    const double step = categoryCount_ > 0 ? 100.0 / categoryCount_ : 100.0;
    const PublishFont& instruction = P.InstructionFont;
    const PublishFont& label = P.LabelFont;
    const std::string open = StyleOpenTags(instruction.Style), close = StyleCloseTags(instruction.Style);
    const bool searchEach = P.SearchSetup->EnableSearchButton->Checked() && P.SearchSetup->SearchPerCategory->Checked();
    const std::string detailText = SpacesToNbsp(Lang(P, "detailview"));
    const std::string quickText = SpacesToNbsp(Lang(P, "quickview1"));
    const std::string entries = Lang(P, "entries");
    const std::string search = Lang(P, "search");
    rows_ = RowColours{};
    for (int i = 0; i < categoryCount_; ++i) {
        if (!Step(i, step)) return Outcome::Cancelled;
        // A name listed twice has its records under its first entry; a repeat would only lead to pages
        // that are never written.
        if (!categoryFirst_[std::size_t(i)]) continue;
        const std::string n = std::to_string(i + 1);
        rows_.NextRow(setup_.Alt1TableBackgroundColour->Text(), setup_.Alt2TableBackgroundColour->Text());
        const std::string& row = rows_.Attribute;
        std::string& page = indexPage_;
        page += "<TR><TD" + row + ">&nbsp;&nbsp;<A HREF=\"qlx_" + n + "_1.htm\"><IMG SRC=\"qlxf.gif\"" +
                attributes_.ButtonSize + "></A></TD><TD" + row + ">" +
                FontElement(label, SpacesToNbsp(categories_[std::size_t(i)])) + "</TD><TD" + row +
                ">&nbsp;&nbsp;<A HREF=\"qlx_" + n + "_1.htm\">" + FontElement(instruction, detailText) +
                "</A>&nbsp;&nbsp;&nbsp;<A HREF=\"qlx_" + n + "_s.htm\">" + FontElement(instruction, quickText) +
                "</A></TD><TD" + row + ">" + FontOpen(instruction) + open + "&nbsp;&nbsp;" +
                std::to_string(categoryRecords_[std::size_t(i)]) + "&nbsp;" + entries + close + "</FONT></TD>\r\n";
        if (searchEach)
            page += "<TD><A HREF=\"qlx_frm" + n + ".htm\">" + FontElement(instruction, search) + "</A></TD></TR>";
        else
            page += "<TD>&nbsp</TD></TR>";
    }

    std::string& page = indexPage_;
    page += "<TR><TD>&nbsp;</TD><TD>&nbsp;</TD><TD>&nbsp;</TD><TD>&nbsp;</TD><TD>&nbsp;</TD></TR>"
            "<TR><TD>&nbsp;</TD><TD>&nbsp;</TD><TD>\r\n";
    // The sample picture: the first image of the first record that has one whose file is there.
    int sample = -1;
    for (int r = 0; r < P.RecordCount && sample < 0; ++r)
        if (const std::string& image = P.RecordTable[std::size_t(r)].Image[0]; !image.empty() && IsReadableFile(image))
            sample = r;
    if (sample >= 0) {
        const std::string& source = P.RecordTable[std::size_t(sample)].Image[0];
        const std::string name = "qlxidx." + ExtensionOf(source);
        page += "<A HREF=\"" + name + "\"><IMG SRC=\"" + name + "\"" +
                (setup_.ScaleImages->Checked() ? attributes_.ImageSize : std::string()) +
                " BORDER=\"1\" ALT=\"\" ALIGN=\"MIDDLE\"></A></TD>\r\n";
        if (!CopyBeside(source, name)) return Stop("Unable to Publish the sample picture of the Index Page");
    } else {
        page += "&nbsp;</TD>\r\n";
    }
    page += "<TD>&nbsp;</TD><TD>&nbsp;</TD></TR><TR>\r\n<TD>&nbsp;</TD>\r\n<TD COLSPAN=\"2\">&nbsp;</TD>\r\n"
            "<TD>&nbsp;</TD><TD>&nbsp;</TD>\r\n</TR>\r\n";
    AppendPageEnd(page, P, PageKind::Index);
    if (!WritePage("qlx_index.htm", page)) return Stop("Unable to Publish Index Page");
    return Outcome::Done;
}

}  // namespace fv
