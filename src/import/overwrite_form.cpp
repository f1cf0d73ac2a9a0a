// The overwrite-or-rename dialog of the first save after a text import.
#include "import/overwrite_form.h"

#include "platform/fs/files.h"
#include "platform/text/utf8.h"
#include "platform/ui/bevel.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "records/database_names.h"

namespace fv {

TOverwriteForm::TOverwriteForm(Component* owner, Program& program) : ProgramForm(owner, program, "OverwriteForm") {
    SetCaption("Overwrite Import File");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, 420, 176);
    MainPanel->BevelOuter = BevelKind::None;
    SizeToContainer(*MainPanel);
    Label2 = Add<Label>(MainPanel, "Label2", 12, 10, 400, 13,
                        "Do you wish to overwrite the original file with the new Folivex file, OR,");
    Label3 = Add<Label>(MainPanel, "Label3", 12, 26, 400, 13, "select a new filename for your folivex file ?");
    ImportFileLabel = Add<Label>(MainPanel, "ImportFileLabel", 12, 54, 70, 13, "Import file");
    ImportFileName = Add<Edit>(MainPanel, "ImportFileName", 96, 50, 160, 21);
    ImportFileName->SetReadOnly(true);
    OverwriteButton = Add<Button>(MainPanel, "OverwriteButton", 264, 48, 144, 25, "Overwrite Import File");
    NewFileLabel = Add<Label>(MainPanel, "NewFileLabel", 12, 90, 80, 13, "New file name");
    NewFileName = Add<Edit>(MainPanel, "NewFileName", 96, 86, 160, 21);
    NewFileName->SetMaxLength(20);
    NewFileName->SetHint("Enter the new Folivex file name (without an extension)");
    NewFileNameButton = Add<Button>(MainPanel, "NewFileNameButton", 264, 84, 144, 25, "Save as a New Filename");
    BitBtn1 = AddCancelButton(MainPanel, "BitBtn1", 333, 140, 75, 25);

    OverwriteButton->OnClick = [this](Component* s) { OverwriteButtonClick(s); };
    NewFileNameButton->OnClick = [this](Component* s) { NewFileNameButtonClick(s); };
    OnActivate = [this](Component* s) { FormActivate(s); };
    Hide();
}

void TOverwriteForm::FormActivate(Component*) {
    const std::string name = P.Main ? P.Main->DatabaseName() : P.DatabaseFileName;
    ImportFileName->SetText(name);
    const std::size_t dot = name.find('.');
    NewFileName->SetText(Utf8Truncate(dot == std::string::npos ? name : name.substr(0, dot) + ".db", 20));
}

void TOverwriteForm::OverwriteButtonClick(Component*) { SetModalResult(MrOk); }

void TOverwriteForm::NewFileNameButtonClick(Component*) {
    const std::string typed = NewFileName->Text();
    if (typed.empty() || typed == " ") {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("You must specify a filename !");
        return;
    }
    const std::string name = WithDbSuffix(FileNamePart(typed));
    const std::optional<DatabaseFiles> files = DatabaseFilesFromDb(P.App, name);
    if (!files) return;
    // Saving under the name of another database would destroy it without a word.
    if (PathExistsOnDisk(JoinPath(P.DatabaseDirectory, name))) {
        P.App.Beep(BeepKind::Question);
        if (P.App.MessageBox("A Folivex database named '" + name + "' already exists. Overwrite it ?",
                             "Overwrite DATABASE?", MbYesNo | MbIconQuestion) != IdYes)
            return;
    }
    P.Files() = *files;
    if (P.Main) P.Main->SetDatabaseName(typed);
    SetModalResult(MrOk);
}

}  // namespace fv
