// Pass 4: the search engines - one for the whole site or one per category, each a frameset, a search form
// page and a search script page - and the empty result page that every main frame starts with.
#include <unordered_map>

#include "platform/fs/files.h"
#include "platform/gfx/colour_names.h"
#include "program/program.h"
#include "publish/html_form.h"
#include "publish/lang_form.h"
#include "publish/page_frame.h"
#include "publish/publish_helpers.h"
#include "publish/publish_progress_form.h"
#include "publish/publish_setup_form.h"
#include "publish/publisher.h"
#include "publish/search_pages.h"
#include "publish/search_setup_form.h"
#include "records/database_names.h"

namespace fv {

namespace {

std::string FramesetPage(Program& p, const std::string& number, bool perCategory, std::time_t when) {
    const TSearchSetup& search = *p.SearchSetup;
    std::string page = CommentLine(when);
    page += "<HTML>\r\n<HEAD>\r\n<TITLE>Folivex</TITLE>\r\n</HEAD>\r\n";
    page += "<FRAMESET ROWS=\"" + EscapeForAttribute(search.TopFrameSize->Text()) + ",*\" FRAMESPACING=\"0\" FRAMEBORDER=\"0\" BORDER=\"0\">\r\n";
    const std::string top = search.IntraNetSearches->Checked() ? "2" : "1";
    page += "<FRAME SRC=\"qlx_srch" + (perCategory ? number + "_" : std::string()) + top + ".htm\" NAME=\"top\">\r\n";
    page += "<FRAME SRC=\"qlx_srche.htm\" NAME=\"main\">\r\n";
    page += "</FRAMESET>\r\n<NOFRAMES>\r\n<BODY BGCOLOR=\"#FFFFFF\">\r\n"
            "<P><I>Sorry -  the Search feature on this database requires a browser that can view frames.</I></P>\r\n"
            "</BODY>\r\n</NOFRAMES>\r\n</HTML>\r\n";
    return page;
}

std::string SearchFormPage(Program& p, const std::string& scriptPage, const std::string& buttonSize, std::time_t when) {
    const TSearchSetup& search = *p.SearchSetup;
    const THTMLForm& html = *p.HTMLForm;
    std::string page = CommentLine(when);
    page += "<HTML>\r\n \r\n<HEAD>\r\n";
    page += SearchCharsetLine;
    page += "<TITLE>Folivex</TITLE>\r\n</HEAD>\r\n";
    page += html.HTMLSearchBoxHeaderOverride->Checked() ? html.HTMLSearchBoxHeader->Text() : SearchBodyTag(p);
    AppendTableOpening(page, p, search.SearchViewPageTableWidth->Text(), false, false);
    page += "<TR><TD>\r\n";
    page += "<form type=get action='" + scriptPage + "'><br>\r\n";
    page += "&nbsp;&nbsp;&nbsp;<input type=text size=20 name=srchname value=\"\">\r\n";
    page += "&nbsp;&nbsp;&nbsp;<input type=submit value=\"" + EscapeForAttribute(p.LangForm->Real("SrchGo")->Text()) + "\">\r\n";
    page += "&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;&nbsp;\r\n";
    page += "<A HREF=\"" + EscapeForAttribute(search.TargetPage->Text()) + "\" target=\"" +
            EscapeForAttribute(search.TargetFrame->Text()) + "\">\r\n";
    page += FontElement(p.InstructionFont, p.LangForm->Real("SrchClose")->Text());
    page += "\r\n<img src=\"qlxu.gif\"" + buttonSize + "></A>\r\n";
    page += "</form>\r\n</td>\r\n</TR>\r\n</TABLE>\r\n</CENTER>\r\n</BODY>\r\n</HTML>\r\n";
    return page;
}

}  // namespace

std::string SearchBodyTag(const Program& p) {
    const TPublishSetupForm& setup = *p.PublishSetupForm;
    const std::string text = ColourToHTML(p.InstructionFont.Colour);
    std::string body = "<BODY TEXT=\"" + text + "\" ALINK=\"" + text + "\" VLINK=\"" + text + "\" LINK=\"" + text + "\"";
    if (setup.PageBackgroundColour->Text() == "Image")
        body += " BACKGROUND=\"qlxpgbk." + FileExtension(FileNamePart(setup.PageBackgroundImageFile->Text())) + "\">\r\n";
    else
        body += " BGCOLOR=\"" + ColourToHTML(setup.PageBackgroundColour->Text()) + "\">\r\n";
    return body;
}

std::int32_t PublishSearchEngine(Program& p, Component*, PublishOutput& out, int categoryCount,
                                 const std::string& scriptButtonSize, const std::string& buttonSize) {
    Application& app = p.App;
    TPublishForm& progress = *p.PublishForm;
    const TSearchSetup& search = *p.SearchSetup;
    const std::time_t when = p.Main->PublishTime();

    const SearchCellAlignment alignment = WorkOutSearchCellAlignment(p);
    const SearchFieldSets fields = WorkOutSearchFieldSets(p);
    const bool perCategory = search.EnableSearchButton->Checked() && search.SearchPerCategory->Checked();
    const int engines = perCategory ? categoryCount : 1;

    progress.PublishProgressBar->SetPosition(0);
    progress.PublishGroup->SetCaption("Publishing - Pass 4 of 5 (Search Engine)...");
    progress.Show();
    progress.Repaint();
    app.Beep(BeepKind::Default);

    // A page the output could not write is reported once, by the publisher that stops the run (with the
    // file and the reason); only other failures are said here.
    auto fail = [&](const std::string& message) {
        if (out.Failure().empty()) {
            app.Beep(BeepKind::Exclamation);
            app.ShowMessage(message);
        }
        return 0;
    };
    auto write = [&](const std::string& name, const std::string& text) { return out.PutPage(name, text); };
    auto cancelled = [&] {
        app.ProcessMessages();
        return p.PublishCancelled != 0;
    };
    auto cancel = [&] {
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage("Publishing Cancelled.");
        progress.Hide();
        ReturnToDatabaseDirectory(p);
        return 0;
    };

    // The records of each counted category, in table order, found in one sweep of the table. A name listed
    // twice gets the same records at both of its positions.
    const std::vector<std::string>& items = p.Main->Categories();
    std::unordered_map<std::string, std::vector<int>> byName;
    for (int j = 0; j < categoryCount && j < int(items.size()); ++j) byName.emplace(items[std::size_t(j)], std::vector<int>{});
    for (int r = 0; r < p.RecordCount; ++r)
        if (auto it = byName.find(p.RecordTable[std::size_t(r)].Category); it != byName.end()) it->second.push_back(r);

    const float step = p.RecordCount > 0 ? 100.0f / float(p.RecordCount) : 0.0f;
    std::int32_t largest = 0;
    for (int engine = 1; engine <= engines; ++engine) {
        const std::string number = std::to_string(engine);
        const std::string prefix = perCategory ? "qlx_srch" + number + "_" : std::string("qlx_srch");
        if (!write(perCategory ? "qlx_frm" + number + ".htm" : std::string("qlx_frm.htm"),
                   FramesetPage(p, number, perCategory, when)))
            return fail("Unable to Publish Search Frame Page");
        if (!write(prefix + "1.htm", SearchFormPage(p, prefix + "2.htm", buttonSize, when)))
            return fail("Unable to Publish Search Page 1 for Category " + number);

        std::vector<SearchEntry> entries;
        for (int j = 1; j <= categoryCount && j <= int(items.size()); ++j) {
            if (perCategory && j != engine) continue;
            if (cancelled()) return cancel();
            const std::vector<int>& records = byName.at(items[std::size_t(j - 1)]);
            for (std::size_t m = 0; m < records.size(); ++m) entries.push_back({records[m], j, int(m) + 1});
        }
        std::string page;
        const bool complete = BuildSearchScriptPage(
            page, p, SearchScriptInput{fields, alignment, scriptButtonSize, buttonSize, when}, entries,
            [&](int written) {
                if (cancelled()) return false;
                const int target = int(float(written + 1) * step);
                if (target > progress.PublishProgressBar->Position()) {
                    progress.PublishProgressBar->SetPosition(target);
                    progress.PublishProgressBar->Repaint();
                    p.Main->Window().Repaint();
                    progress.Repaint();
                }
                return true;
            });
        if (!write(prefix + "2.htm", page)) return fail("Unable to Publish Search Page 2 for Category " + number);
        if (!complete) return cancel();
        largest = std::max(largest, std::int32_t(page.size()));
    }
    if (!write("qlx_srche.htm", EmptyResultPage(p, fields, alignment, when)))
        return fail("Unable to Publish Empty Search Page");
    return largest;
}

}  // namespace fv
