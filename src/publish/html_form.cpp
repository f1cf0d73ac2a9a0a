// The HTML headers and footers dialog: seven snippet blocks in two columns, the example templates, and
// OK and Cancel.
//
//   Check an Override box ...                                              [ OK ] [Cancel]
//   [x] Index Page Header HTML ... [Clear][Example]   [x] Table Header HTML ... [Clear][Example]
//   [memo...................................]        [memo....................................]
//   ... index footer, detail/quick-view header and footer on the left; table footer and search box
//   header on the right, then the note on the search box frame and [ OK ] [Cancel].
#include "publish/html_form.h"

#include "platform/ui/bit_btn.h"
#include "platform/ui/check_box.h"
#include "platform/ui/label.h"
#include "platform/ui/memo.h"
#include "program/republish_file.h"
#include "publish/publish_helpers.h"

namespace fv {

namespace {

constexpr int ColumnWidth = 440, LeftColumn = 8, RightColumn = 460;
constexpr int BlockTop = 40, BlockPitch = 133, MemoHeight = 94;

const char* const OverrideHint = "Check this box for your HTML to be used instead of Folivex generated HTML";

struct SnippetDesign {
    const char* Memo;
    const char* Override;
    const char* Caption;
    const char* Clear;
    const char* Example;
};

const std::array<SnippetDesign, THTMLForm::SnippetCount> Design = {{
    {"HTMLIndexPageHeader", "HTMLIndexPageHeaderOverride", "Index Page Header HTML : Override Folivex", "BitBtn2",
     "BitBtn1"},
    {"HTMLIndexPageFooter", "HTMLIndexPageFooterOverride", "Index Page Trailer HTML : Override Folivex", "BitBtn3",
     "BitBtn4"},
    {"HTMLOtherPageHeader", "HTMLOtherPageHeaderOverride", "Detail/QView Page Header HTML :Override", "BitBtn5",
     "BitBtn6"},
    {"HTMLOtherPageFooter", "HTMLOtherPageFooterOverride", "Detail/QuickV Page Footer HTML : Override ", "BitBtn7",
     "BitBtn8"},
    {"HTMLTableHeader", "HTMLTableHeaderOverride", "Table Header HTML : Override Folivex", "BitBtn9", "BitBtn10"},
    {"HTMLTableFooter", "HTMLTableFooterOverride", "Table Footer HTML : Override Folivex", "BitBtn11", "BitBtn12"},
    {"HTMLSearchBoxHeader", "HTMLSearchBoxHeaderOverride", "Search Box Page Header HTML :Override Folivex", "BitBtn13",
     "BitBtn14"},
}};

std::string PageHeaderExample(const char* comment, const char* text) {
    return std::string("<HTML>\r\n<HEAD>\r\n<TITLE>Folivex</TITLE>\r\n</HEAD>\r\n") +
           "<BODY TEXT=\"Silver\" ALINK=\"Silver\" VLINK=\"Silver\" LINK=\"Silver\" BGCOLOR=\"Black\">\r\n" +
           "<CENTER>\r\n" + comment + "\r\n" + text + "\r\n</CENTER>\r\n";
}

std::string PageFooterExample(const char* comment, const char* text) {
    return std::string("<CENTER>\r\n") + comment + "\r\n" + text + "\r\n</CENTER>\r\n</BODY>\r\n</HTML>\r\n";
}

}  // namespace

std::string THTMLForm::ExampleText(int snippet) {
    switch (snippet) {
    case 0: return PageHeaderExample("<! add your Index PAGE header HTML here>", "INDEX PAGE HEADER HTML HERE");
    case 1: return PageFooterExample("<! add your Index PAGE Footer HTML here.>", "INDEX PAGE FOOTER HTML HERE");
    case 2: return PageHeaderExample("<! add HTML here>", " DETAIL or QUICKVIEW PAGE HEADER HTML HERE");
    case 3: return PageFooterExample("<! add your Detail-QuickV PAGE Footer HTML here>", " DETAIL-QUICKV FOOTER HTML HERE");
    case 4:
        return "<TABLE ALIGN=\"CENTER\" WIDTH=\"506\" BORDER=\"0\" CELLSPACING=\"0\" BGCOLOR=\"Black\">\r\n"
               "<TR><TD COLSPAN=4>TABLE HEADER HTML HERE</TD></TR>";
    case 5: return "<TR><TD COLSPAN=4>TABLE FOOTER HTML HERE</TD></TR>";
    case 6: return PageHeaderExample("<! add HTML here>", " SEARCH BOX PAGE HEADER HTML HERE");
    default: return {};
    }
}

THTMLForm::THTMLForm(Component* owner, Program& program) : ProgramForm(owner, program, "HTMLForm") {
    SetCaption("HTML Page & Table Header & Footer options.");
    EscapeCloses = true;  // no cancel button: Escape closes it as the close box does
    Position = FormPosition::ScreenCenter;
    SetClientSize(RightColumn + ColumnWidth + 8, 570);

    IntroLabel = Add<Label>(this, "IntroLabel", 8, 12, 600, 13,
                            "Check an Override box for your own HTML to be published instead of the HTML Folivex writes.");
    // The OK and Cancel pair at the top repeats the one at the bottom; only the bottom Cancel takes Escape.
    BitBtn15 = AddOkButton(this, "BitBtn15", RightColumn + ColumnWidth - 156, 6, 75, 25, {.takesKey = false});
    BitBtn16 = AddCancelButton(this, "BitBtn16", RightColumn + ColumnWidth - 75, 6, 75, 25, {.takesKey = false});

    std::array<Memo*, SnippetCount> memos{};
    std::array<CheckBox*, SnippetCount> overrides{};
    for (int i = 0; i < SnippetCount; ++i) {
        const SnippetDesign& d = Design[std::size_t(i)];
        const int left = i < 4 ? LeftColumn : RightColumn;
        const int top = BlockTop + (i < 4 ? i : i - 4) * BlockPitch;
        CheckBox* box = Add<CheckBox>(this, d.Override, left, top + 4, 292, 17, d.Caption);
        box->SetHint(i == 6 ? std::string(OverrideHint) +
                                  " (the FRAME height of the Search Box is set in the Search Engine Setup)"
                            : OverrideHint);
        BitBtn* clear = Add<BitBtn>(this, d.Clear, left + 296, top, 68, 25, "Clear");
        clear->SetHint("Empty this HTML");
        BitBtn* example = Add<BitBtn>(this, d.Example, left + 368, top, 72, 25, "Example");
        example->SetHint("Replace this HTML with an example to start from");
        Memo* memo = Add<Memo>(this, d.Memo, left, top + 29, ColumnWidth, MemoHeight);
        memo->SetMaxLength(50000);
        memo->WordWrap = false;
        memo->ScrollBars = ScrollStyle::Both;
        memos[std::size_t(i)] = memo;
        overrides[std::size_t(i)] = box;
        ClearButtons[std::size_t(i)] = clear;
        ExampleButtons[std::size_t(i)] = example;
    }
    HTMLIndexPageHeader = memos[0], HTMLIndexPageFooter = memos[1], HTMLOtherPageHeader = memos[2];
    HTMLOtherPageFooter = memos[3], HTMLTableHeader = memos[4], HTMLTableFooter = memos[5];
    HTMLSearchBoxHeader = memos[6];
    HTMLIndexPageHeaderOverride = overrides[0], HTMLIndexPageFooterOverride = overrides[1];
    HTMLOtherPageHeaderOverride = overrides[2], HTMLOtherPageFooterOverride = overrides[3];
    HTMLTableHeaderOverride = overrides[4], HTMLTableFooterOverride = overrides[5];
    HTMLSearchBoxHeaderOverride = overrides[6];
    // Two of the snippets start with one empty line.
    HTMLIndexPageHeader->SetText("\r\n");
    HTMLSearchBoxHeader->SetText("\r\n");

    const int noteTop = BlockTop + 2 * BlockPitch + 123 + 8;
    FrameNote1 = Add<Label>(this, "FrameNote1", RightColumn, noteTop, ColumnWidth, 13,
                            "** If needed, remember to adjust the FRAME height of the Search Box");
    FrameNote2 = Add<Label>(this, "FrameNote2", RightColumn, noteTop + 14, ColumnWidth, 13,
                            "in the Engine Setup screen **");
    const int bottom = BlockTop + 3 * BlockPitch + 123 - 25;
    OKButton = AddOkButton(this, "OKButton", RightColumn + ColumnWidth - 156, bottom, 75, 25, {.takesKey = false});
    CancelButton = AddCancelButton(this, "CancelButton", RightColumn + ColumnWidth - 75, bottom, 75, 25);
    for (BitBtn* ok : {BitBtn15, OKButton}) ok->OnClick = [this](Component* s) { OKButtonClick(s); };
    for (BitBtn* cancel : {BitBtn16, CancelButton})
        cancel->OnClick = [this](Component* s) { CancelButtonClick(s); };

    for (int i = 0; i < SnippetCount; ++i) {
        memos[std::size_t(i)]->OnChange = [this, i](Component*) { SnippetChange(i); };
        overrides[std::size_t(i)]->OnClick = [this](Component* s) { HTMLIndexPageHeaderOverrideClick(s); };
        ClearButtons[std::size_t(i)]->OnClick = [this, i](Component*) { ClearClick(i); };
        ExampleButtons[std::size_t(i)]->OnClick = [this, i](Component*) { ExampleClick(i); };
    }
    NumberTabOrder(*this);
    OnActivate = [this](Component* s) { FormActivate(s); };
}

std::array<Memo*, THTMLForm::SnippetCount> THTMLForm::Snippets() const {
    return {HTMLIndexPageHeader, HTMLIndexPageFooter, HTMLOtherPageHeader, HTMLOtherPageFooter,
            HTMLTableHeader,     HTMLTableFooter,     HTMLSearchBoxHeader};
}

std::array<CheckBox*, THTMLForm::SnippetCount> THTMLForm::Overrides() const {
    return {HTMLIndexPageHeaderOverride, HTMLIndexPageFooterOverride, HTMLOtherPageHeaderOverride,
            HTMLOtherPageFooterOverride, HTMLTableHeaderOverride,     HTMLTableFooterOverride,
            HTMLSearchBoxHeaderOverride};
}

void THTMLForm::FormActivate(Component*) {
    const auto snippets = Snippets();
    const auto overrides = Overrides();
    for (std::size_t i = 0; i < snippets.size(); ++i) {
        HTMLSnippetCopies[i] = snippets[i]->Text();
        overridesAtActivation_[i] = overrides[i]->Checked();
    }
    modifiedAtActivation_ = P.Changes.Remember();
}

void THTMLForm::SnippetChange(int snippet) {
    // The configuration reader fills the snippets while a database loads: that is no edit.
    if (P.IsLoading) return;
    P.Changes.Mark(Change::Settings);
    if (Overrides()[std::size_t(snippet)]->Checked()) HTMLOverrideChanged = 1;
}

void THTMLForm::HTMLIndexPageHeaderOverrideClick(Component*) {
    if (P.IsLoading) return;
    HTMLOverrideChanged = 1;
    // A switch is a setting the configuration file keeps.
    P.Changes.Mark(Change::Settings);
}

void THTMLForm::ClearClick(int snippet) { Snippets()[std::size_t(snippet)]->SetText(""); }

void THTMLForm::ExampleClick(int snippet) { Snippets()[std::size_t(snippet)]->SetText(ExampleText(snippet)); }

void THTMLForm::OKButtonClick(Component*) {
    if (HTMLOverrideChanged) MarkAllForRepublish(P);
    HTMLOverrideChanged = 0;
    if (!Modal()) Close();
}

void THTMLForm::CancelButtonClick(Component*) {
    const auto snippets = Snippets();
    for (Memo* m : snippets) m->SetText("");
    for (std::size_t i = 0; i < snippets.size(); ++i) snippets[i]->SetText(HTMLSnippetCopies[i]);
    HTMLOverrideChanged = 0;
    // Emptying and restoring ran the change handlers: the flags go back to what they were, so the cancelled
    // edits neither count as unsaved nor send the records to the next publish. A switch is not undone by
    // Cancel, so a switch that differs from before is a kept change: it counts, and its pages must be
    // published again.
    const auto overrides = Overrides();
    bool switchChanged = false;
    for (std::size_t i = 0; i < overrides.size(); ++i)
        if (overrides[i]->Checked() != overridesAtActivation_[i]) switchChanged = true;
    P.Changes.Restore(modifiedAtActivation_);
    if (switchChanged) {
        P.Changes.Mark(Change::Settings);
        MarkAllForRepublish(P);
    }
    if (!Modal()) Close();
}

}  // namespace fv
