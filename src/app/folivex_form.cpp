// The main window: its controls, their places, the menu and the wiring of the commands.
//
// Layout of the 780 x 560 client area (8 pt text, edits 21 high, buttons 25):
//
//   [Open...][Save DB][Publish][View][Upload][Chart][Help]  Database: [CurrentDatabase......]
//        Category   [Category combo...........]             +- Record (0) of (?) ----------+
//   Sort Field Labels [L] Field Details      Font Search    | [|<]  [<]   [>]   [>|]       |
//   [  ] Label 1        [DBEdit1...........] [ ] [x]        | [+]   [-]   [Save][Cancel]   |
//   [  ] Label 2        [DBEdit2...........] [ ] [x]        +------------------------------+
//    ...  twenty rows, 23 pixels apart                      | ImagePanel: TheImage 140x105 |
//                                                           | (1) (2) (3) (4) radio buttons|
//                                                           | [Image 1]..[Image 4]         |
//                                                           | [Scale / Original Size]      |
//                                                           Further Details          [S]
//                                                           [ScrollBox memo............]
//   [  ] ....           [DBEdit20..........] [ ] [x]        [..........................]
#include "app/folivex_form.h"

#include "chartui/window/chart_window.h"
#include "import/import_wizard_form.h"
#include "platform/fs/files.h"
#include "platform/ui/bevel.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/memo.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_button.h"
#include "publish/html_form.h"
#include "publish/lang_form.h"

#include <map>
#include <vector>

namespace fv {

namespace {

constexpr int FormClientWidth = 780;
constexpr int FormClientHeight = 560;
constexpr int Margin = 8;

// The command bar.
constexpr int CommandTop = 6;
constexpr int CommandWidth = 64;
constexpr int ButtonHeight = 25;
constexpr int ButtonGap = 4;

// Columns of the field rows, left to right.
constexpr int OrderLeft = 8, OrderWidth = 22;
constexpr int LabelLeft = 34, LabelWidth = 130;
constexpr int FieldLeft = 168, FieldWidth = 300;
constexpr int ColourLeft = 472, SwatchWidth = 22;
constexpr int SearchLeft = 500, CheckWidth = 17;
constexpr int EditHeight = 21;
constexpr int CategoryTop = 40;
constexpr int HeadingTop = 72;
constexpr int RowTop = 92;
constexpr int RowPitch = 23;

// The column on the right: record group, images, memo.
constexpr int SideLeft = 540;
constexpr int SideWidth = FormClientWidth - Margin - SideLeft;
constexpr int GroupTop = 36, GroupHeight = 84;
constexpr int PanelTop = GroupTop + GroupHeight + Margin, PanelHeight = 193;
constexpr int MemoLabelTop = PanelTop + PanelHeight + 10;
constexpr int MemoTop = MemoLabelTop + 21;

// Four buttons in a row inside the record group or the image panel.
constexpr int CellLeft = 8, CellWidth = 51, CellPitch = 55;

// The edits of the field values take at most this many bytes until a database is loaded, which allows 300.
constexpr int DesignFieldLength = 100;

const char* const FieldHint = "Enter record details here, or Double Click to Search this field";
const char* const OrderHint = "Enter 1,2 or 3 against the 3 columns you wish to Order the Database by.";
const char* const ColourHint = "Double Click to select the Font Settings for Web Publication";
const char* const ImageHint = "Double Click the Image for a full View";

}  // namespace

TFolivexForm::TFolivexForm(Component* owner, Program& program) : ProgramForm(owner, program, "FolivexForm") {
    SetCaption("Folivex Database Web Publishing Tools");
    MainMenu1 = Make<MainMenu>("MainMenu1");
    SetMenu(MainMenu1);
    // The menu bar is outside the client area, so the size is set once the menu is in place.
    SetClientSize(FormClientWidth, FormClientHeight);

    BuildCommandBar();
    BuildFieldRows();
    BuildRecordGroup();
    BuildImagePanel();
    BuildMemo();
    BuildMenu();
    NumberTabStops();
    EnableBuiltCommands();
    WireRecordEditor();
    WireDatabaseCommands();
    WirePublishingCommands();

    InitialLoadTimer = Make<Timer>("InitialLoadTimer", 1000, false);
    InitialLoadTimer->SetOnTimer([this](Component* s) { InitialLoadTimerHit(s); });
    MouseyTimer = Make<Timer>("MouseyTimer", 150, false);
    MouseyTimer->SetOnTimer([this](Component* s) { MouseyTimerHit(s); });
    OnShow = [this](Component* s) { FormShow(s); };
    OnClose = [this](Component* s, CloseAction& a) { FormClose(s, a); };
    OnDestroy = [this](Component* s) { FormDestroy(s); };
    P.Main = this;
    // The window opens with the focus on a command, not in a field: entering a field starts an edit.
    SetActiveControl(OpenButton);
}

void TFolivexForm::BuildCommandBar() {
    int left = Margin;
    auto command = [&](const std::string& name, const std::string& caption, const std::string& hint,
                       Handler handler) {
        Button* b = Add<Button>(this, name, left, CommandTop, CommandWidth, ButtonHeight, caption);
        b->SetHint(hint);
        OnClickRuns(b, handler);
        left += CommandWidth + ButtonGap;
        return b;
    };
    OpenButton = command("OpenButton", "Open...", "Click here to Open or Import a Database",
                         &TFolivexForm::DBSetupButtonClick);
    SaveIt = command("SaveIt", "Save DB", "Click here to Save the current database",
                     &TFolivexForm::SaveDBButtonClick);
    PublishItButton = command("PublishItButton", "Publish",
                              "Click here to Publish the current database ready for Upload",
                              &TFolivexForm::PublishSetupButtonClick);
    ViewItButton = command("ViewItButton", "View", "Click here to view your results", &TFolivexForm::ViewItButtonClick);
    UploadItButton = command("UploadItButton", "Upload", "Click here to Upload your Web pages to your site",
                             &TFolivexForm::UploadButton);
    RozizAButton = command("RozizAButton", "Chart", "", &TFolivexForm::RozizAButtonClick);
    HelpButton = command("HelpButton", "Help", "Click here for a list of Help Topics",
                         &TFolivexForm::HelpButtonClicked);

    DatabaseLabel = Add<Label>(this, "DatabaseLabel", SideLeft - 56, CommandTop + 6, 54, 13, "Database:");
    CurrentDatabase = Add<Edit>(this, "CurrentDatabase", SideLeft, CommandTop + 2, SideWidth, EditHeight);
    CurrentDatabase->SetReadOnly(true);
}

void TFolivexForm::BuildFieldRows() {
    CategoryLabel = Add<Label>(this, "CategoryLabel", LabelLeft, CategoryTop + 4, 60, 13, "Category");
    Category = Add<ComboBox>(this, "Category", FieldLeft, CategoryTop, FieldWidth, EditHeight);
    Category->SetItems({"Executive", "4x4", "Sport", "Family", "Bargain Basement"});
    Category->SetText("Category");
    Category->SetHint("Select the Category for each Record (Double Click to Edit them)");

    SortHeading = Add<Label>(this, "SortHeading", OrderLeft, HeadingTop, 24, 13, "Sort");
    LabelHeading = Add<Label>(this, "LabelHeading", LabelLeft, HeadingTop, 100, 13, "Field Labels");
    // The swatch of the labels' colour heads the label column.
    LabelColour = Add<Edit>(this, "LabelColour", LabelLeft + LabelWidth - SwatchWidth, HeadingTop - 4, SwatchWidth,
                            EditHeight);
    LabelColour->SetHint("Double Click to select the Label Colour for Web Publication");
    FieldHeading = Add<Label>(this, "FieldHeading", FieldLeft, HeadingTop, 120, 13, "Field Details");
    FontHeading = Add<Label>(this, "FontHeading", ColourLeft - 2, HeadingTop, 26, 13, "Font");
    SearchHeading = Add<Label>(this, "SearchHeading", SearchLeft - 4, HeadingTop, 36, 13, "Search");

    for (int i = 0; i < FieldCount; ++i) {
        const std::string n = std::to_string(i + 1);
        const int top = RowTop + i * RowPitch;

        Order[i] = Add<Edit>(this, "Order" + n, OrderLeft, top, OrderWidth, EditHeight);
        Order[i]->SetMaxLength(2);
        Order[i]->SetHint(OrderHint);

        // The labels are settings that look like captions (no border); Tab reaches them after the record.
        DBLabel[i] = Add<Edit>(this, "DBLabel" + n, LabelLeft, top + 3, LabelWidth, EditHeight - 5,
                               i < 6 ? "Label " + n : "....");
        DBLabel[i]->SetBorderStyle(BorderStyle::None);
        DBLabel[i]->SetMaxLength(25);
        DBLabel[i]->SetColor(ClBtnFace);

        DBEdit[i] = Add<Edit>(this, "DBEdit" + n, FieldLeft, top, FieldWidth, EditHeight);
        DBEdit[i]->SetMaxLength(DesignFieldLength);
        DBEdit[i]->SetHint(FieldHint);

        Colour[i] = Add<Edit>(this, "Colour" + n, ColourLeft, top, SwatchWidth, EditHeight);
        Colour[i]->SetHint(ColourHint);

        Search[i] = Add<CheckBox>(this, "Search" + n, SearchLeft, top + 2, CheckWidth, CheckWidth);
        Search[i]->SetChecked(true);
    }

    // The swatches show a colour and are changed only through the font dialog, which a double click or
    // Return opens; the colours here are those of a new database.
    for (Edit* swatch : Colour) {
        swatch->SetReadOnly(true);
        swatch->SetColor(ClYellow);
    }
    LabelColour->SetReadOnly(true);
    LabelColour->SetColor(ClWhite);
}

void TFolivexForm::BuildRecordGroup() {
    DBGroup = Add<GroupBox>(this, "DBGroup", SideLeft, GroupTop, SideWidth, GroupHeight, "Record (0) of (?)");
    auto button = [&](const std::string& name, int cell, int top, const std::string& caption, const std::string& hint) {
        Button* b = Add<Button>(DBGroup, name, CellLeft + cell * CellPitch, top, CellWidth, ButtonHeight, caption);
        b->SetHint(hint);
        return b;
    };
    RewindButton = button("RewindButton", 0, 18, "|<", "Rewind to 1st record");
    BackButton = button("BackButton", 1, 18, "<", "Move back 1 record (keep down for fast scroll)");
    ForwardButton = button("ForwardButton", 2, 18, ">", "Move forward 1 record (keep down for fast scroll)");
    FastForwardButton = button("FastForwardButton", 3, 18, ">|", "Fast Forward to last record");
    AddButton = button("AddButton", 0, 50, "+", "Add a NEW record");
    DeleteButton = button("DeleteButton", 1, 50, "-", "Delete the current record");
    SaveButton = button("SaveButton", 2, 50, "Save", "Save changes to current record");
    CancelButton = button("CancelButton", 3, 50, "Cancel", "Cancel Changes to current record");

    // Escape cancels the edit or insert under way; in the browse state the button is off and Escape does
    // nothing.
    CancelButton->Cancel = true;
    // Browse state: nothing is being edited, so there is nothing to save or cancel.
    SaveButton->SetEnabled(false);
    CancelButton->SetEnabled(false);
}

void TFolivexForm::BuildImagePanel() {
    ImagePanel = Add<Panel>(this, "ImagePanel", SideLeft, PanelTop, SideWidth, PanelHeight);
    ImagePanel->BevelOuter = BevelKind::Lowered;
    ImagePanel->SetHint("Add Images to each record");

    TheImage = Add<Image>(ImagePanel, "TheImage", (SideWidth - 140) / 2, 6, 140, 105);
    TheImage->SetStretch(true);
    TheImage->Proportional = true;  // scaled to the box, a picture keeps its shape
    TheImage->SetHint(ImageHint);

    std::array<RadioButton*, 4> radios{};
    std::array<BitBtn*, 4> pickers{};
    for (int k = 0; k < 4; ++k) {
        const std::string n = std::to_string(k + 1);
        const int left = CellLeft + k * CellPitch;
        radios[k] = Add<RadioButton>(ImagePanel, "RadioButton" + n, left, 115, CellWidth, 17, n);
        radios[k]->SetHint("View Image " + n);
        pickers[k] = Add<BitBtn>(ImagePanel, "Image" + n + "Button", left, 136, CellWidth, 23, "Image " + n);
    }
    RadioButton1 = radios[0], RadioButton2 = radios[1], RadioButton3 = radios[2], RadioButton4 = radios[3];
    Image1Button = pickers[0], Image2Button = pickers[1], Image3Button = pickers[2], Image4Button = pickers[3];
    RadioButton1->SetChecked(true);
    // A slot's radio button shows only when the record on screen has an image there; no record is shown yet.
    for (RadioButton* r : radios) r->Hide();

    ScaleButton = Add<Button>(ImagePanel, "ScaleButton", CellLeft, 164, SideWidth - 2 * CellLeft, 23,
                              "Scale / Original Size");
    ScaleButton->SetHint(
        "Click here to display Images in original size or scaled to fit. Double Click the Image for a full view.");
}

void TFolivexForm::BuildMemo() {
    FurtherDetailsLabel = Add<Label>(this, "FurtherDetailsLabel", SideLeft, MemoLabelTop, 120, 13, "Further Details");
    ScrollColour = Add<Edit>(this, "ScrollColour", SideLeft + SideWidth - SwatchWidth, MemoLabelTop - 4, SwatchWidth,
                             EditHeight);
    ScrollColour->SetHint("Double Click to select the Colour for Web Publication");
    ScrollColour->SetReadOnly(true);
    ScrollColour->SetColor(ClSilver);

    ScrollBox = Add<Memo>(this, "ScrollBox", SideLeft, MemoTop, SideWidth, FormClientHeight - 10 - MemoTop);
    ScrollBox->SetMaxLength(4999);
    ScrollBox->ScrollBars = ScrollStyle::Vertical;
    ScrollBox->SetHint("Add additional text about each record in here.");
}

void TFolivexForm::BuildMenu() {
    Mainmenu2 = AddMenuItem(MainMenu1, "Mainmenu2", "&File");
    Open1 = AddMenuItem(Mainmenu2, "Open1", "&Open/Import", "Ctrl+O", &TFolivexForm::DBSetupButtonClick);
    Sort1 = AddMenuItem(Mainmenu2, "Sort1", "&Save", "Ctrl+S", &TFolivexForm::Sort1Click);
    Exit1 = AddMenuItem(Mainmenu2, "Exit1", "&Exit Folivex", {}, &TFolivexForm::Exit1Click);

    Database1 = AddMenuItem(MainMenu1, "Database1", "&Tools");
    ReSort1 = AddMenuItem(Database1, "ReSort1", "&Resort", "Ctrl+R", &TFolivexForm::ReSort1Click);

    Publish1 = AddMenuItem(MainMenu1, "Publish1", "&Publish");
    Publishonlymodifiedrecords1 =
        AddMenuItem(Publish1, "Publishonlymodifiedrecords1", "&Publish (only modified records)", "Ctrl+P",
                    &TFolivexForm::Publishonlymodifiedrecords1Click);
    General1 = AddMenuItem(Publish1, "General1", "Publishing Setup Options");
    G1 = AddMenuItem(General1, "G1", "General Publishing Rules", {}, &TFolivexForm::G1Click);
    FTPWebServersettings1 = AddMenuItem(General1, "FTPWebServersettings1", "&FTP Web Server settings", "Ctrl+F",
                                        &TFolivexForm::FTPWebServersettings1Click);
    HTMLHeadersFooters1 = AddMenuItem(General1, "HTMLHeadersFooters1", "&HTML Headers && Footers", "Ctrl+H",
                                      &TFolivexForm::HTMLHeadersFooters1Click);
    SearchEnginesettings1 = AddMenuItem(General1, "SearchEnginesettings1", "Search &Engine settings", "Ctrl+E",
                                        &TFolivexForm::SearchEnginesettings1Click);
    InternationalLanguageSettings1 =
        AddMenuItem(General1, "InternationalLanguageSettings1", "International &Language Settings", "Ctrl+L",
                    &TFolivexForm::InternationalLanguageSettings1Click);
    ForcePublishofALLrecords1 = AddMenuItem(Publish1, "ForcePublishofALLrecords1", "Force Publish of ALL records", {},
                                            &TFolivexForm::ForcePublishofALLrecords1Click);
    ViewResults1 = AddMenuItem(Publish1, "ViewResults1", "Vie&w Results", "Ctrl+W", &TFolivexForm::ViewResults1Click);

    Upload2 = AddMenuItem(MainMenu1, "Upload2", "&Upload");
    GO2 = AddMenuItem(Upload2, "GO2", "Go !", "Ctrl+G", &TFolivexForm::GO2Click);

    Exit3 = AddMenuItem(MainMenu1, "Exit3", "&Help");
    About1 = AddMenuItem(Exit3, "About1", "Launch Browser &Help", {}, &TFolivexForm::HelpButtonClicked);
    Pelmarix1 = AddMenuItem(MainMenu1, "Pelmarix1", "Pelmarix");
    VisitourWebSite1 = AddMenuItem(Pelmarix1, "VisitourWebSite1", "Visit our WebSite", {},
                                   &TFolivexForm::VisitourWebSite1Click);
    ShoppingCart1 = AddMenuItem(MainMenu1, "ShoppingCart1", "Shopping &Cart");
    KarvoSetup1 = AddMenuItem(ShoppingCart1, "KarvoSetup1", "Karvo Setup", {}, &TFolivexForm::KarvoSetup1Click);
    VisitKarvoWebSite1 = AddMenuItem(ShoppingCart1, "VisitKarvoWebSite1", "Visit Karvo' Web Site", {},
                                     &TFolivexForm::VisitKarvoWebSite1Click);

    Exit4 = AddMenuItem(MainMenu1, "Exit4", "&Exit");
    ExitFolivex1 = AddMenuItem(Exit4, "ExitFolivex1", "&Exit Folivex", {}, &TFolivexForm::ExitFolivex1Click);
}

MenuItem* TFolivexForm::AddMenuItem(MenuItem* parent, const std::string& name, const std::string& caption,
                                    const std::string& shortCut, Handler handler) {
    MenuItem* item = parent->Add(Make<MenuItem>(name, caption, shortCut));
    if (handler) item->OnClick = [this, handler](Component* s) { (this->*handler)(s); };
    return item;
}

void TFolivexForm::OnClickRuns(Control* control, Handler handler) {
    control->OnClick = [this, handler](Component* s) { (this->*handler)(s); };
}

void TFolivexForm::NumberTabStops() {
    // Tab runs through the record first (category, the twenty values, the memo), then its buttons and
    // images, the sort and search settings of the rows, the labels and the font swatches, and the commands
    // last.
    std::vector<Control*> order{Category};
    order.insert(order.end(), DBEdit.begin(), DBEdit.end());
    order.insert(order.end(), {ScrollBox, DBGroup, RewindButton, BackButton, ForwardButton, FastForwardButton,
                               AddButton, DeleteButton, SaveButton, CancelButton, ImagePanel, RadioButton1,
                               RadioButton2, RadioButton3, RadioButton4, Image1Button, Image2Button, Image3Button,
                               Image4Button, ScaleButton});
    order.insert(order.end(), Order.begin(), Order.end());
    order.insert(order.end(), Search.begin(), Search.end());
    order.push_back(LabelColour);
    order.insert(order.end(), DBLabel.begin(), DBLabel.end());
    order.insert(order.end(), Colour.begin(), Colour.end());
    order.push_back(ScrollColour);
    order.insert(order.end(), {OpenButton, SaveIt, PublishItButton, ViewItButton, UploadItButton, RozizAButton,
                               HelpButton, CurrentDatabase});
    std::map<Control*, int> next;
    for (Control* c : order) c->SetTabOrder(next[c->Parent()]++);
}

void TFolivexForm::EnableBuiltCommands() {
    // A command whose work is not built yet is disabled rather than left to do nothing; set Built as the
    // work lands. Built now: leaving the program from either "Exit Folivex" entry, saving the database, the
    // resort, the database setup dialog, the FTP settings and the record images, the publishing settings
    // dialogs, the shopping-cart setup, the browser (published pages, help and the two web sites),
    // publishing, the upload and the chart window.
    struct MenuCommand {
        MenuItem* Item;
        bool Built;
    };
    const MenuCommand menu[] = {
        {Open1, true},
        {Sort1, true},
        {Exit1, true},
        {ReSort1, true},
        {Publishonlymodifiedrecords1, true},
        {G1, true},
        {FTPWebServersettings1, true},
        {HTMLHeadersFooters1, true},
        {SearchEnginesettings1, true},
        {InternationalLanguageSettings1, true},
        {ForcePublishofALLrecords1, true},
        {ViewResults1, true},
        {GO2, true},
        {About1, true},
        {VisitourWebSite1, true},
        {KarvoSetup1, true},
        {VisitKarvoWebSite1, true},
        {ExitFolivex1, true},
    };
    for (const MenuCommand& c : menu) c.Item->SetEnabled(c.Built);

    struct ButtonCommand {
        Control* Target;
        bool Built;
    };
    const ButtonCommand buttons[] = {
        {OpenButton, true},
        {SaveIt, true},
        {PublishItButton, true},
        {ViewItButton, true},
        {UploadItButton, true},
        {RozizAButton, true},
        {HelpButton, true},
        // The image picker and the scaling of the picture.
        {Image1Button, true},
        {Image2Button, true},
        {Image3Button, true},
        {Image4Button, true},
        {ScaleButton, true},
    };
    for (const ButtonCommand& c : buttons) c.Target->SetEnabled(c.Built);
}

void TFolivexForm::FormShow(Component*) { Repaint(); }

void TFolivexForm::FormClose(Component* sender, CloseAction& action) {
    // Every way of closing the main window goes through the exit command, which offers to save: the
    // window stays open when the user's save fails.
    action = CloseAction::None;
    ExitButtonClick(sender);
}

void TFolivexForm::FormDestroy(Component*) {
    // The flags of the last changes survive the end of the program, beside the database they belong to.
    WriteRepublishFile(false);
}


void TFolivexForm::ExitButtonClick(Component* sender) {
    Application& app = P.App;
    // A chart edited in the open chart window is an unsaved change like any other: the question notes it.
    if (const ExitQuestion question = P.Changes.AskOnExit(); question != ExitQuestion::None) {
        app.Beep(BeepKind::Question);
        int answer = question == ExitQuestion::SaveImported
                         ? app.MessageBox("Do you want to Save your Imported file ?", "Save Imported File ?",
                                          MbYesNo | MbIconQuestion)
                         : app.MessageBox("Do you want to Save your recent changes ?", "Save Changes?",
                                          MbYesNo | MbIconQuestion);
        // A save that fails keeps the program open, so nothing is lost.
        if (answer == IdYes && !SaveDatabase()) return;
    }
    app.SetScreenCursor(Cursor::HourGlass);
    bool written = WriteWholeFile(JoinPath(P.ProgramDirectory, LastUseFileName), LastUseText(CurrentLastUse()));
    app.SetScreenCursor(Cursor::Default);
    if (!written) {
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage("Unable to record the last accessed database for next time, in:" + P.ProgramDirectory);
    }
    app.Terminate(0);
}

LastUse TFolivexForm::CurrentLastUse() const {
    LastUse last;
    last.DatabaseDirectory = P.DatabaseDirectory;
    last.DatabaseFileName = P.DatabaseFileName;
    last.BrowserDirectory = P.BrowserDirectory;
    last.BrowserProgram = P.BrowserProgram;
    // The resizable windows, then the parts of the chart window; a part not there yet counts as 0, which
    // the reader leaves alone.
    auto size = [](const Component* c) -> std::pair<int, int> {
        auto* control = dynamic_cast<const Control*>(c);
        return control ? std::pair{control->Width(), control->Height()} : std::pair{0, 0};
    };
    const Component* chart = P.RozizAForm;
    const Component* windows[] = {P.HTMLForm, P.ImportWizardForm, P.LangForm, this, chart};
    std::size_t k = 0;
    for (const Component* w : windows) {
        auto [width, height] = size(w);
        last.Sizes[k++] = width;
        last.Sizes[k++] = height;
    }
    for (const char* part : {"ChartVue", "MainPanel", "RozizAView", "Panel1", "Panel2", "ChartScrollBar1"}) {
        auto [width, height] = size(chart ? chart->FindComponent(part) : nullptr);
        last.Sizes[k++] = width;
        last.Sizes[k++] = height;
    }
    return last;
}

// The menu entries that only pass the work on.
void TFolivexForm::Sort1Click(Component* sender) { SaveDBButtonClick(sender); }
void TFolivexForm::Exit1Click(Component* sender) { ExitButtonClick(sender); }
void TFolivexForm::ExitFolivex1Click(Component* sender) { ExitButtonClick(sender); }
void TFolivexForm::ReSort1Click(Component* sender) { SortButtonClick(sender); }
void TFolivexForm::GO2Click(Component* sender) { UploadButton(sender); }
void TFolivexForm::ViewResults1Click(Component* sender) { ViewItButtonClick(sender); }

// The chart window opens beside the main window, not modal.
void TFolivexForm::RozizAButtonClick(Component*) {
    if (P.RozizAForm) P.RozizAForm->Show();
}

}  // namespace fv
