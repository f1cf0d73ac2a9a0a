// The browser dialog "Browser Selection" and the browser launch: the published index page, the help page
// and the two outside web sites are shown in the browser program the user picks here once, started with
// the document as its one argument, or the document is opened through the desktop's association.
//
// Each of the three kinds of launch keeps a description (browser program and document) with a rebuild
// flag: the first launch of a kind after start, after a failure or (web sites) after a change of site
// starts the chosen browser with the document; later launches open the stored document by association.
#pragma once

#include <string>

#include "platform/ui/bit_btn.h"
#include "platform/ui/check_box.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/drive_combo_box.h"
#include "platform/ui/file_list_box.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

class TBrowserForm : public ProgramForm {
public:
    TBrowserForm(Component* owner, Program& program);

    Panel* MainPanel;
    Label* Label1;  // "Select your Browser and Click View.."
    DriveComboBox* DriveComboBox1;
    DirectoryListBox* DirectoryListBox1;
    FileListBox* FileListBox1;
    fv::CheckBox* CheckBox;  // "Don't ask me again this session"
    BitBtn* View2;       // "View" (OK)
    BitBtn* CancelButton;

    struct LaunchDescription {
        bool Rebuild = true;
        std::string Browser;   // the browser program; empty: none was chosen
        std::string Document;  // the page or web address
    };
    LaunchDescription ResultsLaunch;  // the published index page
    LaunchDescription SiteLaunch;     // the maker's or the cart service's web site
    LaunchDescription HelpLaunch;     // the help page
    int LastBrowserMode = 0;

    // The launch for BrowserMode: the index page (1) or a web site (2, 3).
    void View2Click(Component* sender);
    // The help launch.
    void ViewHelp(Component* sender);
    // The View button and a double click on a file: the launch the request asked for.
    void LoadBrowser(Component* sender);
    void FormActivate(Component* sender);

    // The browser program chosen in the lists: folder and file name; empty when no file is selected.
    std::string SelectedBrowser() const;
    // Shows a browser choice (as the last-use file keeps it) in the lists.
    void SetBrowser(const std::string& directory, const std::string& program);

    // The documents of the launches.
    std::string ResultsDocument() const;
    std::string SiteDocument() const;
    std::string HelpDocument() const;

private:
    void Launch(LaunchDescription& launch, std::string (TBrowserForm::*document)() const);
    // The program-wide browser choice follows the lists, for the last-use file.
    void RememberBrowser();
};

// The help page: "help/folivex.htm" in the start directory, else the one shipped in the program's resources
// folder.
std::string HelpPagePath(const Program& p);

}  // namespace fv
