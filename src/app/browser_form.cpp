// The browser dialog and the launches of the browser.
//
//   Select your Browser and Click View..
//   [drive.............v] [files of the folder......]
//   [folders...........] [.........................]
//   [x] Don't ask me again this session
//                                    [ View ] [Cancel]
#include "app/browser_form.h"

#include "platform/fs/files.h"
#include "publish/publish_helpers.h"
#include "publish/publish_setup_form.h"
#include "publish/web_sites.h"

namespace fv {

std::string HelpPagePath(const Program& p) {
    const std::string inStart = JoinPath(JoinPath(p.ProgramDirectory, "help"), "folivex.htm");
    if (IsRegularFile(inStart)) return inStart;
    // The page ships with the program in its resources folder (beside the program once built or installed).
    if (!p.ResourceDirectory.empty()) {
        const std::string shipped = JoinPath(JoinPath(p.ResourceDirectory, "help"), "folivex.htm");
        if (IsRegularFile(shipped)) return shipped;
    }
    return inStart;
}

TBrowserForm::TBrowserForm(Component* owner, Program& program) : ProgramForm(owner, program, "BrowserForm") {
    SetCaption("Browser Selection");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    SetHint("Enter your Browser program and click View to see your published results....");
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, 380, 282);
    SizeToContainer(*MainPanel);

    Label1 = Add<Label>(MainPanel, "Label1", 8, 8, 250, 13, "Select your Browser and Click View..");
    DriveComboBox1 = Add<DriveComboBox>(MainPanel, "DriveComboBox1", 8, 28, 170, 21);
    DirectoryListBox1 = Add<DirectoryListBox>(MainPanel, "DirectoryListBox1", 8, 54, 170, 160);
    FileListBox1 = Add<FileListBox>(MainPanel, "FileListBox1", 186, 28, 186, 186);
    FileListBox1->SetHint("Double Click your browser program to view");
    DriveComboBox1->DirList = DirectoryListBox1;
    DirectoryListBox1->FileList = FileListBox1;
    FileListBox1->SetDirectory(DirectoryListBox1->Directory());
    CheckBox = Add<fv::CheckBox>(MainPanel, "CheckBox", 8, 224, 250, 17, "Don't ask me again this session");
    View2 = AddOkButton(MainPanel, "View2", 216, 248, 75, 25, {}, "View");
    CancelButton = AddCancelButton(MainPanel, "CancelButton", 297, 248, 75, 25);

    NumberTabOrder(*this);
    View2->OnClick = [this](Component* s) { LoadBrowser(s); };
    FileListBox1->OnDblClick = [this](Component* s) { LoadBrowser(s); };
    FileListBox1->OnClick = [this](Component*) { RememberBrowser(); };
    DirectoryListBox1->OnChange = [this](Component*) { RememberBrowser(); };
    DriveComboBox1->OnChange = [this](Component*) { DirectoryListBox1->SetDirectory(DriveComboBox1->Drive()); };
    OnActivate = [this](Component* s) { FormActivate(s); };
}

std::string TBrowserForm::SelectedBrowser() const {
    if (FileListBox1->ItemIndex() < 0) return {};
    return JoinPath(DirectoryListBox1->Directory(), BaseName(FileListBox1->FileName()));
}

void TBrowserForm::SetBrowser(const std::string& directory, const std::string& program) {
    if (!directory.empty()) DirectoryListBox1->SetDirectory(directory);
    if (!program.empty()) FileListBox1->SelectFile(program);
    RememberBrowser();
}

void TBrowserForm::RememberBrowser() {
    P.BrowserDirectory = DirectoryListBox1->Directory();
    P.BrowserProgram = SelectedBrowser();
}

std::string TBrowserForm::ResultsDocument() const {
    const std::string dir = P.PublishSetupForm ? P.PublishSetupForm->PublishDirectory->Directory() : std::string();
    return JoinPath(dir, "qlx_index.htm");
}

std::string TBrowserForm::SiteDocument() const {
    return P.BrowserMode == 3 ? CartServiceWebSite : MakerWebSite;
}

std::string TBrowserForm::HelpDocument() const { return HelpPagePath(P); }

void TBrowserForm::Launch(LaunchDescription& launch, std::string (TBrowserForm::*document)() const) {
    for (;;) {
        if (launch.Rebuild) {
            launch = LaunchDescription{};
            launch.Browser = SelectedBrowser();
            launch.Document = (this->*document)();
        }
        // A fresh description starts the chosen browser with the document; a stored one opens the document
        // by its association. Without a chosen browser the association opens it in any case.
        const std::string program = launch.Rebuild ? launch.Browser : std::string();
        const bool started = P.App.Shell().Open(program, launch.Document);
        if (started) {
            launch.Rebuild = false;
            break;
        }
        // The association failed and no browser is chosen: launching again would fail the same way, and
        // the user would see nothing at all. Say what did not happen.
        if (program.empty() && SelectedBrowser().empty()) {
            P.App.Beep(BeepKind::Exclamation);
            P.App.ShowMessage("The page [" + launch.Document +
                              "] could not be opened. Select your Browser and Click View.");
            launch.Rebuild = true;
            break;
        }
        P.App.Beep(BeepKind::Question);
        if (P.App.MessageBox("Browser not Found - Launch again ?", "Launch Browser? ", MbYesNo | MbIconQuestion) !=
            IdYes)
            break;
        launch.Rebuild = true;
    }
    SetModalResult(MrOk);
}

void TBrowserForm::View2Click(Component*) {
    if (P.BrowserMode != LastBrowserMode) SiteLaunch.Rebuild = true;
    LastBrowserMode = P.BrowserMode;
    if (P.BrowserMode == 2 || P.BrowserMode == 3) Launch(SiteLaunch, &TBrowserForm::SiteDocument);
    else Launch(ResultsLaunch, &TBrowserForm::ResultsDocument);
}

void TBrowserForm::ViewHelp(Component*) { Launch(HelpLaunch, &TBrowserForm::HelpDocument); }

void TBrowserForm::LoadBrowser(Component* sender) {
    RememberBrowser();
    if (P.BrowserMode == 2 || P.BrowserMode == 3 || P.ViewTarget == "RESULTS") View2Click(sender);
    else ViewHelp(sender);
}

void TBrowserForm::FormActivate(Component*) { View2->SetCaption(P.BrowserMode == 2 ? "VisitSite" : "View"); }

}  // namespace fv
