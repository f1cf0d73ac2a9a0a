// The search engine settings dialog: controls, the fields' fallback and the check of the column widths.
#include "publish/search_setup_form.h"

#include "platform/text/numbers.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "publish/publish_helpers.h"

namespace fv {

namespace {
constexpr int LabelWidth = 206, FieldLeft = 220;
}  // namespace

TSearchSetup::TSearchSetup(Component* owner, Program& program) : ProgramForm(owner, program, "SearchSetup") {
    SetCaption("Search Engine Setup");
    EscapeCloses = true;  // no cancel button: Escape closes it as the close box does
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    SearchSetupPanel = Add<Panel>(this, "SearchSetupPanel", 0, 0, 460, 316);
    SizeToContainer(*SearchSetupPanel);
    Panel* panel = SearchSetupPanel;

    EnableSearchButton = Add<CheckBox>(panel, "EnableSearchButton", 8, 8, 444, 17,
                                       "Enable the Search Engine && add a button to the published Main page.");
    EnableSearchButton->SetChecked(true);
    SearchPerCategory = Add<CheckBox>(panel, "SearchPerCategory", 8, 30, 444, 17,
                                      "Create a Search engine per Category rather than a Single Engine");
    SearchPerCategory->SetHint(
        "One search engine per category keeps each engine's file small: a file that is too large may not load in "
        "some browsers");
    IntraNetSearches = Add<CheckBox>(panel, "IntraNetSearches", 8, 52, 444, 17,
                                     "Force Search Engine to load before first search entered (for Intranets)");

    auto row = [&](const std::string& labelName, const std::string& caption, const std::string& editName, int top,
                   int width, int maxLength, const std::string& text, Label*& label) {
        label = Add<Label>(panel, labelName, 8, top + 4, LabelWidth, 13, caption);
        Edit* e = Add<Edit>(panel, editName, FieldLeft, top, width, 21);
        if (maxLength > 0) e->SetMaxLength(maxLength);
        e->SetText(text);
        return e;
    };
    SearchViewFields = row("FieldsLabel", "Search View Fields", "SearchViewFields", 80, 232, 60, "1,2,3,4,5,6,7,8",
                           FieldsLabel);
    SearchViewFields->SetHint("The field numbers shown in the search results, separated by commas");
    TargetPage = row("TargetPageLabel", "Re-start Page", "TargetPage", 106, 120, 0, "qlx_index.htm", TargetPageLabel);
    TargetPage->SetHint("The page loaded when the search engine is closed");
    TargetFrame = row("TargetFrameLabel", "Target Frame", "TargetFrame", 132, 120, 0, "_top", TargetFrameLabel);
    TargetFrame->SetHint("The frame the Re-start Page is loaded into");
    InitialFrame = row("InitialFrameLabel", "Initial Search Engine Target Frame", "InitialFrame", 158, 120, 0, "_top",
                       InitialFrameLabel);
    InitialFrame->SetHint("The frame the search engine is loaded into");
    TopFrameSize = row("TopFrameLabel", "Search Box Frame height (pixels)", "TopFrameSize", 184, 44, 0, "100",
                       TopFrameLabel);
    TopFrameSize->SetHint("Height in pixels of the top frame that holds the search box");
    SearchViewPageTableWidth = row("TableWidthLabel", "Search View Table Width (pixels)", "SearchViewPageTableWidth",
                                   210, 44, 4, "500", TableWidthLabel);
    ColumnsLabel = Add<Label>(panel, "ColumnsLabel", 8, 240, 300, 13, "Column widths % (leave unused columns as 0)");
    for (int k = 0; k < 10; ++k) {
        Edit* e = Add<Edit>(panel, "SearchViewPageColumnWidth" + std::to_string(k + 1), 8 + k * 30, 256, 28, 21);
        e->SetMaxLength(2);
        e->SetText(k < 5 ? "20" : "0");
        e->SetHint("Percentage of the result table taken by column " + std::to_string(k + 1) +
                   " (all ten must add up to 100)");
        SearchViewPageColumnWidth[std::size_t(k)] = e;
    }
    MaxSearchResults = row("MaxResultsLabel", "Maximum Search Results", "MaxSearchResults", 284, 44, 4, "100",
                           MaxResultsLabel);
    MaxSearchResults->SetHint(
        "The most results one search returns: keep the language text 'Results limited to first 100 matches !' in "
        "step with it");
    BitBtn2 = AddOkButton(panel, "BitBtn2", 377, 282, 75, 25, {.closes = false});

    NumberTabOrder(*this);
    SearchViewFields->OnChange = [this](Component* s) { SearchViewFieldsChange(s); };
    BitBtn2->OnClick = [this](Component* s) { BitBtn2Click(s); };
    // The settings shape the search pages and the index page, which every publish writes again; they are
    // kept in the configuration file, so a change must be offered for saving.
    auto changed = [this](Component*) { SettingChanged(P, false); };
    for (CheckBox* c : {EnableSearchButton, SearchPerCategory, IntraNetSearches}) c->OnClick = changed;
    for (Edit* e : {TargetPage, TargetFrame, InitialFrame, TopFrameSize, SearchViewPageTableWidth, MaxSearchResults})
        e->OnChange = changed;
    for (Edit* e : SearchViewPageColumnWidth) e->OnChange = changed;
}

void TSearchSetup::SearchViewFieldsChange(Component*) {
    if (SearchViewFields->Text().empty()) SearchViewFields->SetText("1,2,3,4,5");
    SettingChanged(P, false);
}

bool TSearchSetup::ValidateSearchColumnWidths(const std::array<std::string, 10>& widths) {
    std::int64_t sum = 0;
    for (const std::string& w : widths) sum += LeadingInteger(w);
    if (sum == 100) return true;
    P.App.Beep(BeepKind::Exclamation);
    P.App.ShowMessage("The SearchView Page column precentages must all add up to 100%");
    return false;
}

void TSearchSetup::BitBtn2Click(Component*) {
    std::array<std::string, 10> widths;
    for (std::size_t k = 0; k < widths.size(); ++k) widths[k] = SearchViewPageColumnWidth[k]->Text();
    if (!ValidateSearchColumnWidths(widths)) return;
    if (Modal()) SetModalResult(MrOk);
    else Close();
}

}  // namespace fv
