// The language texts dialog: 27 rows in two columns, the page texts on the left and the texts of the
// search engine on the right.
//
//   Key in an alternative ...                                                      [  OK  ]
//   Folivex setting (pages)       Published text  | Folivex setting (search)      Published text
//   [Please Select:....] [default] [Please Select:] | [Your first Search...] [default] [.............]
//   ...                                                                             [  OK  ]
#include "publish/lang_form.h"

#include <string_view>

#include "publish/publish_helpers.h"

namespace fv {

const std::array<LanguageText, LanguageTextCount> LanguageTexts = {{
    {"pleaseselect", "Please Select:", "default1"},
    {"detailview", "Detail View", "Button1"},
    {"quickview1", "Quick View", "Button2"},
    {"category", "Category", "Button3"},
    {"search", "Search", "Button4"},
    {"clickimage", "Click Image for original", "Button5"},
    {"record", "Record", "Button6"},
    {"of", "of", "Button7"},
    {"changecategory", "Change Category", "Button8"},
    {"quickview2", "QuickView:", "Button9"},
    {"firstrecord", "First record", "Button10"},
    {"previousrecord", "Previous record", "Button11"},
    {"nextrecord", "Next record", "Button12"},
    {"lastrecord", "Last record", "Button13"},
    {"entries", "Entries.", "Button14"},
    {"SrchFirst", "Your first Search will fail on Internet Explorer - when run locally - please select again",
     "Button15"},
    {"SrchGo", "Go !", "Button16"},
    {"SrchResults", "Search: Results", "Button17"},
    {"SrchNoMatch", "No matches Found !", "Button18"},
    {"SrchSearching", "***** SEARCHING *****", "Button19"},
    {"SrchPreparing", "***** PREPARING RESULTS *****", "Button20"},
    {"SrchComplete", "**** SEARCH COMPLETE ****", "Button24"},
    {"SrchFirst100", "Results limited to first 100 matches !", "Button21"},
    {"SrchNoData", "You must enter some search data !", "Button22"},
    {"SrchClose", "Close Search Engine", "Button23"},
    {"SrchAND", "and", "Button25"},
    {"SrchOR", "or", "Button26"},
}};

namespace {

constexpr int PageRows = 15;  // the rows read by the index, quick-view and detail pages; the rest: search
constexpr int ButtonWidth = 56, RowTop = 94, RowPitch = 25;
// The texts of the search engine are longer: their column is wider.
constexpr int PageTextWidth = 170, SearchTextWidth = 240;
constexpr int RightColumn = 8 + 2 * PageTextWidth + ButtonWidth + 12 + 16;
constexpr int SearchColumnWidth = 2 * SearchTextWidth + ButtonWidth + 12;
constexpr int FormWidth = RightColumn + SearchColumnWidth + 8;
// A text longer than this (the note on the first search) would be cut in its column: its row takes two
// lines, the built-in text across the column on the first, the button and the text to publish on the second.
constexpr std::size_t LongTextLength = 45;

std::string RealHint(const std::string& key) {
    if (key == "SrchFirst100")
        return "If you modify the Return Results value from the default of 100 Remember to modify the setting in "
               "the Search Engine Setup Page";
    if (key == "SrchAND") return "The search keyword that joins words that must all match: it MUST BE LOWER CASE";
    if (key == "SrchOR") return "The search keyword that joins words of which one must match: it MUST BE LOWER CASE";
    return "The text published in place of the original Folivex setting";
}

}  // namespace

TLangForm::TLangForm(Component* owner, Program& program) : ProgramForm(owner, program, "LangForm") {
    SetCaption("Multi-Lingual support settings...");
    EscapeCloses = true;  // no cancel button: Escape closes it as the close box does
    Position = FormPosition::ScreenCenter;
    SetClientSize(FormWidth, 508);

    Label1 = Add<Label>(this, "Label1", 8, 8, 400, 13, "Key in an alternative to the default descriptions, or click the ");
    Label2 = Add<Label>(this, "Label2", 8, 22, 400, 13, "'default' button for the original Folivex setting.");
    Label3 = Add<Label>(this, "Label3", 8, 40, 400, 13, "(The settings relate to the published pages and not the");
    Label4 = Add<Label>(this, "Label4", 8, 54, 400, 13, "Folivex Screens themselves)");
    BitBtn1 = AddOkButton(this, "BitBtn1", FormWidth - 8 - 75, 8, 75, 25, {.takesKey = false});

    // A column: the built-in text, the "default" button, the text to publish.
    auto buttonLeft = [](int left, int width) { return left + width + 6; };
    auto realLeft = [](int left, int width) { return left + width + 6 + ButtonWidth + 6; };
    PageTextsHeading = Add<Label>(this, "PageTextsHeading", 8, 76, PageTextWidth, 13, "Folivex setting (pages)");
    PagePublishHeading = Add<Label>(this, "PagePublishHeading", realLeft(8, PageTextWidth), 76, PageTextWidth, 13,
                                    "Published text");
    SearchTextsHeading =
        Add<Label>(this, "SearchTextsHeading", RightColumn, 76, SearchTextWidth, 13, "Folivex setting (search)");
    SearchPublishHeading = Add<Label>(this, "SearchPublishHeading", realLeft(RightColumn, SearchTextWidth), 76,
                                      SearchTextWidth, 13, "Published text");

    int line = 0;
    for (int r = 0; r < LanguageTextCount; ++r) {
        const LanguageText& t = LanguageTexts[std::size_t(r)];
        if (r == PageRows) line = 0;
        const int left = r < PageRows ? 8 : RightColumn;
        const int width = r < PageRows ? PageTextWidth : SearchTextWidth;
        const int top = RowTop + line++ * RowPitch;
        const bool longText = std::string_view(t.BuiltIn).size() > LongTextLength;
        Edit* text = Add<Edit>(this, std::string("Text_") + t.Key, left, top, longText ? SearchColumnWidth : width, 21);
        text->SetText(t.BuiltIn);
        text->SetReadOnly(true);
        text->SetTabStop(false);
        text->SetColor(ClBtnFace);
        text->SetHint("This is the original Folivex setting");
        const int rowTop = longText ? RowTop + line++ * RowPitch : top;
        Button* button = Add<Button>(this, t.Button, longText ? left : buttonLeft(left, width), rowTop - 2,
                                     ButtonWidth, 25, "default");
        button->SetHint("Click here to set the Publish value to the default from the left");
        Edit* real = longText ? Add<Edit>(this, std::string("Real_") + t.Key, left + ButtonWidth + 6, rowTop,
                                          SearchColumnWidth - ButtonWidth - 6, 21)
                              : Add<Edit>(this, std::string("Real_") + t.Key, realLeft(left, width), top, width, 21);
        real->SetText(t.BuiltIn);
        real->SetHint(RealHint(t.Key));
        TextEdits[std::size_t(r)] = text;
        DefaultButtons[std::size_t(r)] = button;
        RealEdits[std::size_t(r)] = real;
        button->OnClick = [this, r](Component*) { RestoreDefault(r); };
        real->OnChange = [this](Component* s) { Real_pleaseselectChange(s); };
    }

    BitBtn2 = AddOkButton(this, "BitBtn2", FormWidth - 8 - 75, 475, 75, 25);
    NumberTabOrder(*this);
    BitBtn1->OnClick = [this](Component* s) { BitBtn1Click(s); };
    BitBtn2->OnClick = [this](Component* s) { BitBtn2Click(s); };
}

Edit* TLangForm::Real(const std::string& key) const { return Find<Edit>("Real_" + key); }

void TLangForm::RestoreDefault(int row) {
    RealEdits[std::size_t(row)]->SetText(TextEdits[std::size_t(row)]->Text());
}

void TLangForm::Real_pleaseselectChange(Component*) {
    // The texts stand on every page: a new one is published everywhere, and the exit offers to save it.
    SettingChanged(P, true);
}

void TLangForm::BitBtn1Click(Component*) {
    // Shown modally the button's result closes the form; shown any other way it is closed here.
    if (!Modal()) Close();
}

}  // namespace fv
