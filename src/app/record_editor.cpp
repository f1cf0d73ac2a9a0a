// The record editor of the main window: showing a record, starting an edit, adding, saving, cancelling
// and deleting records, the record's images, and the republish flags every committed change writes.
#include <string>

#include "app/folivex_form.h"
#include "platform/fs/files.h"
#include "platform/text/utf8.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/radio_button.h"
#include "records/file_warning.h"
#include "records/record_text.h"
#include "records/state_files.h"

namespace fv {

void TFolivexForm::WireRecordEditor() {
    // An edit starts when something changes: typing into a field or the memo, or picking a category.
    for (Edit* e : DBEdit) {
        e->OnChange = [this](Component* s) { FieldChanged(s); };
        e->OnDblClick = [this](Component* s) { DBSearch(s); };
    }
    ScrollBox->OnChange = [this](Component* s) { FieldChanged(s); };
    Category->OnClick = [this](Component* s) { FieldChanged(s); };
    Category->OnChange = [this](Component* s) {
        CategoryChange(s);
        FieldChanged(s);
    };
    Category->OnDblClick = [this](Component* s) { CategoryDblClick(s); };
    Category->OnExit = [this](Component*) { PickTypedCategory(); };
    for (Edit* e : Order) {
        e->OnChange = [this](Component* s) { ChangeofOrder(s); };
        e->OnEnter = [this](Component* s) { OrderEnter(s); };
    }
    AddButton->OnClick = [this](Component* s) { AddButtonClick(s); };
    SaveButton->OnClick = [this](Component* s) { SaveButtonClick(s); };
    CancelButton->OnClick = [this](Component* s) { CancelButtonClick(s); };
    DeleteButton->OnClick = [this](Component* s) { DeleteButtonClick(s); };
    RadioButton1->OnClick = [this](Component* s) { RadioButton1Click(s); };
    RadioButton2->OnClick = [this](Component* s) { RadioButton2Click(s); };
    RadioButton3->OnClick = [this](Component* s) { RadioButton3Click(s); };
    RadioButton4->OnClick = [this](Component* s) { RadioButton4Click(s); };
    RewindButton->OnClick = [this](Component* s) { RewindButtonClick(s); };
    BackButton->OnClick = [this](Component* s) { BackButtonClick(s); };
    ForwardButton->OnClick = [this](Component* s) { ForwardButtonClick(s); };
    FastForwardButton->OnClick = [this](Component* s) { FastForwardButtonClick(s); };
    ForwardButton->OnMouseDown = [this](Component* s, MouseButton, unsigned, int, int) { ForwardButtonMouseDown(s); };
    ForwardButton->OnMouseUp = [this](Component* s, MouseButton, unsigned, int, int) { ForwardButtonMouseUp(s); };
    BackButton->OnMouseDown = [this](Component* s, MouseButton, unsigned, int, int) { BackButtonMouseDown(s); };
    BackButton->OnMouseUp = [this](Component* s, MouseButton, unsigned, int, int) { BackButtonMouseUp(s); };
}

void TFolivexForm::ShowRecordCaption() {
    DBGroup->SetCaption("Record (" + std::to_string(P.CurrentRecord) + ") of (" + std::to_string(P.RecordCount) +
                        ")");
}

void TFolivexForm::SetBrowseState(bool browse) {
    SaveButton->SetEnabled(!browse);
    CancelButton->SetEnabled(!browse);
    for (Button* b : {AddButton, DeleteButton, BackButton, RewindButton, ForwardButton, FastForwardButton})
        b->SetEnabled(browse);
}

void TFolivexForm::FieldChanged(Component* sender) {
    if (fillingScreen_ || P.IsLoading) return;
    DBRecordChange(sender);
}

void TFolivexForm::ShowCategoryText(const std::string& text) {
    const bool filling = fillingScreen_;
    fillingScreen_ = true;
    Category->SetText(text);
    fillingScreen_ = filling;
}

void TFolivexForm::CopyRecordToScreen(Component*, int index) {
    const bool filling = fillingScreen_;
    fillingScreen_ = true;
    const DatabaseRecord& r = P.RecordTable[std::size_t(index)];
    for (int f = 0; f < FieldCount; ++f) DBEdit[std::size_t(f)]->SetText(r.Field[std::size_t(f)]);
    ScrollBox->SetText(r.Memo);
    Category->SetText(r.Category);
    P.EditImagePaths = r.Image;
    RadioButton* radios[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    for (int k = 0; k < ImageCount; ++k) radios[k]->SetVisible(!P.EditImagePaths[std::size_t(k)].empty());
    ShowImage(1);
    ShowRecordCaption();
    fillingScreen_ = filling;
}

void TFolivexForm::ShowImage(int k) {
    // Checking the radio button runs its click handler again; the picture is loaded once.
    if (showingImage_) return;
    showingImage_ = true;
    const std::string& path = P.EditImagePaths[std::size_t(k - 1)];
    if (!path.empty() && FileExistsOrWarn(P.App, path)) {
        TheImage->SetPicture(P.App.Images().LoadImage(path));
        TheImage->Show();
    } else {
        TheImage->Hide();
    }
    RadioButton* radios[] = {RadioButton1, RadioButton2, RadioButton3, RadioButton4};
    radios[k - 1]->SetChecked(true);
    showingImage_ = false;
}

void TFolivexForm::DBRecordChange(Component*) {
    if (P.RecordCount == 0) {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("You must have at least 1 Record to use this option. Click on '+' to add a new record.");
        return;
    }
    if (P.RecordModified || P.Inserting) return;
    P.RecordModified = 1;
    P.Changes.Mark(Change::Record);
    SetBrowseState(false);
}

void TFolivexForm::AddButtonClick(Component*) {
    if (P.RecordCount >= MaxRecords) {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("Maximum Number of Records (" + std::to_string(MaxRecords) + ") reached.");
        return;
    }
    TheImage->Hide();
    P.App.Beep(BeepKind::Default);
    P.RecordCount += 1;
    P.CurrentRecord = P.RecordCount;
    ShowRecordCaption();
    SetBrowseState(false);
    fillingScreen_ = true;
    for (Edit* e : DBEdit) e->SetText("");
    ScrollBox->Clear();
    fillingScreen_ = false;
    P.EditImagePaths = {};
    // The new record has no pictures: the buttons of the record shown before go with its pictures.
    for (RadioButton* r : {RadioButton1, RadioButton2, RadioButton3, RadioButton4}) r->SetVisible(false);
    P.Inserting = 1;
    DBEdit[0]->SetFocus();
}

void TFolivexForm::SaveButtonClick(Component*) {
    PickTypedCategory();
    const std::size_t n = std::size_t(P.CurrentRecord - 1);
    const std::string& category = Category->Text();
    if (category.empty() || category == " ") {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage(
            "You must specify a category. If there are none, Double Click the category box to add one.");
    }
    // Every slot but the memo is one quoted value on one line of the database file: a TAB, a line break
    // or a double quote inside it would break the line, so they are replaced here, once, on the way in.
    DatabaseRecord& r = P.RecordTable[n];
    for (int f = 0; f < FieldCount; ++f) r.Field[std::size_t(f)] = CleanSlotText(DBEdit[std::size_t(f)]->Text());
    for (int k = 0; k < ImageCount; ++k) r.Image[std::size_t(k)] = CleanSlotText(P.EditImagePaths[std::size_t(k)]);
    // The memo spans several pieces of the line: it keeps its line breaks, and is stored as it reads back.
    r.Memo = CleanMemoText(ScrollBox->Text());
    r.Category = CleanSlotText(category);
    SetBrowseState(true);
    r.NeedsPublishing = 1;
    if (P.Inserting) {
        // The category's last earlier record links to the new one on its pages.
        for (int i = P.RecordCount - 2; i >= 0; --i)
            if (P.RecordTable[std::size_t(i)].Category == r.Category) {
                P.RecordTable[std::size_t(i)].NeedsPublishing = 1;
                break;
            }
    }
    WriteRepublishFile(false);
    P.Inserting = 0;
    P.RecordModified = 0;
    P.Changes.Mark(Change::Record);
}

void TFolivexForm::CancelButtonClick(Component* sender) {
    P.App.Beep(BeepKind::Default);
    if (P.Inserting) {
        P.RecordCount -= 1;
        P.Inserting = 0;
        BackButtonClick(sender);
    } else if (P.CurrentRecord >= 1) {
        CopyRecordToScreen(sender, P.CurrentRecord - 1);
    }
    SetBrowseState(true);
    ShowRecordCaption();
    P.RecordModified = 0;
}

void TFolivexForm::DeleteButtonClick(Component* sender) {
    if (P.Inserting) {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("Complete or Cancel this Insert before Sorting.");
        return;
    }
    if (P.RecordModified) {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("Complete or Cancel this record Modification before Sorting.");
        return;
    }
    if (P.RecordCount == 0) return;
    P.App.Beep(BeepKind::Question);
    if (P.App.MessageBox("DELETE this record ?", "Delete", MbYesNo | MbIconQuestion) != IdYes) return;

    const int k = P.CurrentRecord, m = P.RecordCount;
    auto& table = P.RecordTable;
    // The later records of the same category change their neighbours on the published pages.
    for (int i = k; i < m; ++i)
        if (table[std::size_t(i)].Category == table[std::size_t(k - 1)].Category) table[std::size_t(i)].NeedsPublishing = 1;
    for (int i = k - 1; i < m - 1; ++i) table[std::size_t(i)] = std::move(table[std::size_t(i + 1)]);
    table[std::size_t(m - 1)] = DatabaseRecord{};
    P.RecordCount = m - 1;
    if (k == m) {
        P.CurrentRecord = m - 1;
        FastForwardButtonClick(sender);
    } else if (k == 1) {
        RewindButtonClick(sender);
    } else {
        BackButtonClick(sender);
        ForwardButtonClick(sender);
    }
    ShowRecordCaption();
    if (P.RecordCount == 0) {
        fillingScreen_ = true;
        for (Edit* e : DBEdit) e->SetText("");
        ScrollBox->Clear();
        fillingScreen_ = false;
        P.EditImagePaths = {};
    }
    WriteRepublishFile(false);
    // The database file still holds the record: the next exit must offer to save.
    P.Changes.Mark(Change::Record);
}

}  // namespace fv
