// The category list dialog and the renaming of a category.
#include "app/category_form.h"

#include "app/folivex_form.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/memo.h"
#include "platform/ui/panel.h"

namespace fv {

namespace {
const char* const RenameHint = "Highlight the old Category, enter a new one & click 'Rename Category'";
const char* const HowToRename =
    ". To Modify a Category and set all affected records to the new Category - highlight the old Category in "
    "the list above (hold down mouse button and drag across the Category name) - then enter the New Name and "
    "Click the Rename Button.";
}  // namespace

TCategoryForm::TCategoryForm(Component* owner, Program& program) : ProgramForm(owner, program, "CategoryForm") {
    SetCaption("Modify Categories");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, 297, 313);
    SizeToContainer(*MainPanel);
    Label1 = Add<Label>(MainPanel, "Label1", 12, 10, 120, 13, "Modify Categories");
    CatList = Add<Memo>(MainPanel, "CatList", 12, 28, 273, 180);
    CatList->ScrollBars = ScrollStyle::Vertical;
    CatList->WordWrap = false;
    Label2 = Add<Label>(MainPanel, "Label2", 12, 218, 60, 13, "New Name");
    NewName = Add<Edit>(MainPanel, "NewName", 12, 234, 150, 21);
    NewName->SetHint(RenameHint);
    Button1 = Add<Button>(MainPanel, "Button1", 168, 232, 117, 25, "Rename Category");
    Button1->SetHint(RenameHint);
    Button1->OnClick = [this](Component* s) { Button1Click(s); };
    BitBtn2 = AddOkButton(MainPanel, "BitBtn2", 130, 276, 75, 25);
    BitBtn1 = AddCancelButton(MainPanel, "BitBtn1", 210, 276, 75, 25);
}

void TCategoryForm::Button1Click(Component*) {
    Application& app = P.App;
    const std::string oldName = CatList->SelText();
    const std::string newName = NewName->Text();
    if (oldName.empty()) {
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage(std::string("No Selected Category") + HowToRename);
        return;
    }
    if (newName.empty()) {
        app.Beep(BeepKind::Exclamation);
        app.ShowMessage(std::string("No NewName") + HowToRename);
        return;
    }
    std::string question = "Are you sure you want to rename all Records in Category \"" + oldName + "\" to \"" +
                           newName + "\" ?";
    if (app.MessageBox(question, "Rename Category ?", MbYesNo | MbIconQuestion) != IdYes) {
        app.Beep(BeepKind::Default);
        app.ShowMessage("Category Not Renamed.");
        return;
    }
    int renamed = 0;
    for (int i = 0; i < P.RecordCount; ++i) {
        DatabaseRecord& r = P.RecordTable[std::size_t(i)];
        if (r.Category != oldName) continue;
        r.Category = newName;
        // Its pages name the category: they must be written again.
        r.NeedsPublishing = 1;
        ++renamed;
    }
    ComboBox* box = P.FolivexForm->Category;
    std::vector<std::string> items = box->Items();
    int keep = box->ItemIndex();
    std::string text = box->Text();
    int listed = 0;
    for (std::string& item : items)
        if (item == oldName) item = newName, ++listed;
    box->SetItems(items);
    box->SetItemIndex(keep);
    // The record on screen (shown or being edited) that was in the old category is in the new one now.
    P.FolivexForm->ShowCategoryText(text == oldName ? newName : text);
    if (renamed > 0) P.FolivexForm->WriteRepublishFile(false);
    // The records and the list are saved with the database: the next exit must offer to save them.
    if (renamed > 0 || listed > 0) P.Changes.Mark(Change::Categories);
    app.Beep(BeepKind::Default);
    if (renamed > 0)
        app.ShowMessage("Category Renamed and records updated.");
    else if (listed > 0)
        app.ShowMessage("Category Renamed. No record was in Category \"" + oldName + "\".");
    else
        app.ShowMessage("No Category \"" + oldName + "\" was found. Nothing was renamed.");
    // Lines typed into the list before the rename are dropped, as on cancel.
    SetModalResult(MrCancel);
}

}  // namespace fv
