// The main window: the record editor with its twenty rows of field controls, the record and navigation
// buttons, the record's images and memo, the command buttons and the menu.
#pragma once

#include <array>
#include <ctime>
#include <functional>
#include <memory>

#include "app/fast_scroll.h"
#include "platform/core/timer.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/memo.h"
#include "platform/ui/menu.h"
#include "platform/ui/panel.h"
#include "platform/ui/radio_button.h"
#include "program/program_form.h"
#include "program/republish_file.h"
#include "records/import_fill.h"
#include "records/state_files.h"

namespace fv {

class TextStream;

class TFolivexForm : public ProgramForm, public MainWindow {
public:
    static constexpr int FieldCount = 20;

    TFolivexForm(Component* owner, Program& program);

    // The hooks through which the subsystems reach this window (program/main_window.h).
    Form& Window() override { return *this; }
    const std::string& FieldLabel(int field) const override { return DBLabel[std::size_t(field - 1)]->Text(); }
    bool FieldSearched(int field) const override { return Search[std::size_t(field - 1)]->Checked(); }
    const std::vector<std::string>& Categories() const override { return Category->Items(); }
    std::string DatabaseName() const override { return CurrentDatabase->Text(); }
    void SetDatabaseName(const std::string& name) override { CurrentDatabase->SetText(name); }
    std::time_t PublishTime() const override { return PublishClock(); }
    void SetPublishing(bool publishing) override { Publishing = publishing; }
    void ShowInBrowser(Component* sender) override { ViewButtonClick(sender); }

    // Command buttons along the top, and the name of the open database.
    Button* OpenButton;
    Button* SaveIt;
    Button* PublishItButton;
    Button* ViewItButton;
    Button* UploadItButton;
    Button* RozizAButton;
    Button* HelpButton;
    Label* DatabaseLabel;
    Edit* CurrentDatabase;

    // The record's category.
    Label* CategoryLabel;
    ComboBox* Category;

    // One row per field: sort rank, label, value, publication colour, searched on the published pages.
    // Element 0 is field 1 (Order[0] is "Order1").
    Label* SortHeading;
    Label* LabelHeading;
    Edit* LabelColour;
    Label* FieldHeading;
    Label* FontHeading;
    Label* SearchHeading;
    std::array<Edit*, FieldCount> Order;
    std::array<Edit*, FieldCount> DBLabel;
    std::array<Edit*, FieldCount> DBEdit;
    std::array<Edit*, FieldCount> Colour;
    std::array<CheckBox*, FieldCount> Search;

    // Navigation and the record buttons; the group's caption counts the records.
    GroupBox* DBGroup;
    Button* RewindButton;
    Button* BackButton;
    Button* ForwardButton;
    Button* FastForwardButton;
    Button* AddButton;
    Button* DeleteButton;
    Button* SaveButton;
    Button* CancelButton;

    // The record's four images, shown one at a time.
    Panel* ImagePanel;
    Image* TheImage;
    RadioButton* RadioButton1;
    RadioButton* RadioButton2;
    RadioButton* RadioButton3;
    RadioButton* RadioButton4;
    BitBtn* Image1Button;
    BitBtn* Image2Button;
    BitBtn* Image3Button;
    BitBtn* Image4Button;
    Button* ScaleButton;

    // The record's memo.
    Label* FurtherDetailsLabel;
    Edit* ScrollColour;
    Memo* ScrollBox;

    Timer* InitialLoadTimer;
    Timer* MouseyTimer;

    MainMenu* MainMenu1;
    MenuItem* Mainmenu2;
    MenuItem* Open1;
    MenuItem* Sort1;
    MenuItem* Exit1;
    MenuItem* Database1;
    MenuItem* ReSort1;
    MenuItem* Publish1;
    MenuItem* Publishonlymodifiedrecords1;
    MenuItem* General1;
    MenuItem* G1;
    MenuItem* FTPWebServersettings1;
    MenuItem* HTMLHeadersFooters1;
    MenuItem* SearchEnginesettings1;
    MenuItem* InternationalLanguageSettings1;
    MenuItem* ForcePublishofALLrecords1;
    MenuItem* ViewResults1;
    MenuItem* Upload2;
    MenuItem* GO2;
    MenuItem* Exit3;
    MenuItem* About1;
    MenuItem* Pelmarix1;
    MenuItem* VisitourWebSite1;
    MenuItem* ShoppingCart1;
    MenuItem* KarvoSetup1;
    MenuItem* VisitKarvoWebSite1;
    MenuItem* Exit4;
    MenuItem* ExitFolivex1;

    // The record editor: shows one record, and adds, changes, saves, cancels and deletes records.
    void CopyRecordToScreen(Component* sender, int index);
    void DBRecordChange(Component* sender);
    // Shows a category in the category box as the record's own, starting no edit.
    void ShowCategoryText(const std::string& text);
    void AddButtonClick(Component* sender);
    void SaveButtonClick(Component* sender);
    void CancelButtonClick(Component* sender);
    void DeleteButtonClick(Component* sender);
    void RadioButton1Click(Component* sender) { ShowImage(1); }
    void RadioButton2Click(Component* sender) { ShowImage(2); }
    void RadioButton3Click(Component* sender) { ShowImage(3); }
    void RadioButton4Click(Component* sender) { ShowImage(4); }
    // "Record (n) of (m)".
    void ShowRecordCaption();
    // Writes the republish-flag file (program/republish_file.h).
    bool WriteRepublishFile(bool stayInCurrentDirectory) { return fv::WriteRepublishFile(P, stayInCurrentDirectory); }
    // Saves the database's files; true only when every one of them was written.
    bool SaveDatabase() override;

    // Navigation, and the fast scroll while the forward or back button is held down.
    void RewindButtonClick(Component* sender);
    void BackButtonClick(Component* sender);
    void ForwardButtonClick(Component* sender);
    void FastForwardButtonClick(Component* sender);
    void ForwardButtonMouseDown(Component* sender);
    void ForwardButtonMouseUp(Component* sender);
    void BackButtonMouseDown(Component* sender);
    void BackButtonMouseUp(Component* sender);
    void MouseyTimerHit(Component* sender);
    // The held-button scroll over MouseyTimer, with its state (held, direction, ticks, steps).
    FastScroll& Scroll() { return *scroll_; }

    // Sorting by category and up to three fields.
    void ChangeofOrder(Component* sender);
    void OrderEnter(Component* sender);

    // Searching a field of the following records.
    void DBSearch(Component* sender);

    // The category box and the category list.
    void CategoryChange(Component* sender);
    // The category the typed text of the category box begins, put in the box.
    void PickTypedCategory();
    void CategoryDblClick(Component* sender);

    void FormShow(Component* sender);
    void FormClose(Component* sender, CloseAction& action);
    void FormDestroy(Component* sender);
    void InitialLoadTimerHit(Component* sender);
    // Reads the database named by the file names (or runs the import the dialogs set up) into memory.
    void LoadDatabase(Component* sender);
    // The defaults of a database without a configuration file.
    void InitialiseForEmptyConfig(Component* sender);
    void ExitButtonClick(Component* sender);
    // What the last-use file records now: the open database, the browser and the window sizes.
    LastUse CurrentLastUse() const;

    // Record images: the picker for slot n, the scale toggle and the full view; the database setup
    // dialog's reload; the help page (main_window_dialogs.cpp).
    void Image1ButtonClick(Component* sender) { PickRecordImage(1); }
    void Image2ButtonClick(Component* sender) { PickRecordImage(2); }
    void ImageButton3Click(Component* sender) { PickRecordImage(3); }
    void ImageButton4Click(Component* sender) { PickRecordImage(4); }
    void ScaleButtonClick(Component* sender);
    void TheImageDblClick(Component* sender);
    // Loads the database the setup dialog chose (DatabaseFileName in DatabaseDirectory, an import, or an
    // empty new database); the one place the setup dialog's OK result leads to.
    void ReloadDatabase();
    // Makes the folder the open database had before the database setup dialog the database folder again.
    void RestoreDatabaseDirectory();

    // The publication fonts of the fields, the labels and the memo: the swatches' double clicks.
    void Colour1DblClick(Component* sender);
    void LabelColourDblClick(Component* sender);
    void ScrollColourDblClick(Component* sender);
    // Shows the published index page or the help page (by ViewTarget) in the chosen browser.
    void ViewButtonClick(Component* sender);

    // Menu and command handlers. Those whose work is not built yet are empty, and their entries and
    // buttons are disabled (see EnableBuiltCommands).
    void DBSetupButtonClick(Component* sender);
    void Sort1Click(Component* sender);
    void Exit1Click(Component* sender);
    void ReSort1Click(Component* sender);
    void Publishonlymodifiedrecords1Click(Component* sender);
    void G1Click(Component* sender);
    void FTPWebServersettings1Click(Component* sender);
    void HTMLHeadersFooters1Click(Component* sender);
    void SearchEnginesettings1Click(Component* sender);
    void InternationalLanguageSettings1Click(Component* sender);
    void ForcePublishofALLrecords1Click(Component* sender);
    void ViewResults1Click(Component* sender);
    void GO2Click(Component* sender);
    void HelpButtonClicked(Component* sender);
    void VisitourWebSite1Click(Component* sender);
    void KarvoSetup1Click(Component* sender);
    void VisitKarvoWebSite1Click(Component* sender);
    void ExitFolivex1Click(Component* sender);
    void SaveDBButtonClick(Component* sender);
    void SortButtonClick(Component* sender);
    // The sort of SortButtonClick; false when it refused (a record under edit, a wrong sort order box).
    bool SortDatabase(Component* sender) override;
    void PublishSetupButtonClick(Component* sender);
    // The calendar clock of the publisher: the date in the pages and the publishing time. Tests set it.
    std::function<std::time_t()> PublishClock = [] { return std::time(nullptr); };
    // A publish run is going: the window takes no edits and a second run does not start.
    bool Publishing = false;
    void ViewItButtonClick(Component* sender);
    void UploadButton(Component* sender);
    void RozizAButtonClick(Component* sender);

private:
    using Handler = void (TFolivexForm::*)(Component*);

    void WireRecordEditor();
    void ApplyLastUse();
    ImportMapping WizardMapping() const;
    void EndLoad();
    // Reads the database's configuration file. One that ends early is read over the defaults of a database
    // without configuration, reported, and remembered, so that the save keeps it before writing it again.
    void ReadConfigurationFile(Component* sender, TextStream& config, bool importSource);
    // Before the configuration file is written: the file that did not read whole is copied beside it
    // (once). False, after the message, when that copy cannot be made.
    bool KeepUnreadConfiguration();
    // The configuration file that did not read whole at the last load (empty: none), and its kept name.
    std::string unreadConfigFile_, keptConfigFile_;
    void WirePublishingCommands();
    // Browser launch of a web site: 2 the maker's, 3 the cart service's.
    void VisitWebSite(Component* sender, int mode);
    void WireDatabaseCommands();
    void PickRecordImage(int slot);
    void SetBrowseState(bool browse);
    // The user changed a field, the memo or the category: the edit of the record starts (entering a field
    // or filling the screen from the table starts none).
    void FieldChanged(Component* sender);
    bool fillingScreen_ = false;
    void ShowImage(int k);
    // Reads the sort-order boxes; false (after the message) when one holds anything but 1, 2 or 3.
    bool ReadSortOrder(std::array<int, 3>& keys, bool quiet);
    bool showingImage_ = false;
    std::unique_ptr<FastScroll> scroll_;

    void BuildCommandBar();
    void BuildFieldRows();
    void BuildRecordGroup();
    void BuildImagePanel();
    void BuildMemo();
    void BuildMenu();
    void NumberTabStops();
    void EnableBuiltCommands();

    MenuItem* AddMenuItem(MenuItem* parent, const std::string& name, const std::string& caption,
                          const std::string& shortCut = {}, Handler handler = nullptr);
    void OnClickRuns(Control* control, Handler handler);
};

}  // namespace fv
