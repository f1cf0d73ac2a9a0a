// The search dialog.
#include "app/search_form.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"

namespace fv {

TSearchForm::TSearchForm(Component* owner, Program& program) : ProgramForm(owner, program, "SearchForm") {
    SetCaption("SearchForm");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, 297, 89);
    SizeToContainer(*MainPanel);
    Label1 = Add<Label>(MainPanel, "Label1", 12, 12, 90, 13, "Enter a Search:");
    SearchEdit = Add<Edit>(MainPanel, "SearchEdit", 12, 28, 273, 21);
    SearchEdit->SetMaxLength(50);
    SearchEdit->SetHint("Enter your search here. Any partial match will be located.");
    SearchButton = Add<Button>(MainPanel, "SearchButton", 130, 58, 75, 25, "Search");
    SearchButton->ModalResult = MrOk;
    SearchButton->Default = true;
    CancelButton = Add<BitBtn>(MainPanel, "CancelButton", 210, 58, 75, 25, "Cancel");
    CancelButton->ButtonKind = BitBtn::BtnKind::Cancel;
    CancelButton->ModalResult = MrCancel;
    CancelButton->Cancel = true;
    OnShow = [this](Component* s) { FormShow(s); };
}

void TSearchForm::FormShow(Component*) { SearchEdit->SetFocus(); }

}  // namespace fv
