// Searching one field of the records after the one on screen for a text.
#include "app/folivex_form.h"
#include "app/search_form.h"

namespace fv {

void TFolivexForm::DBSearch(Component* sender) {
    if (P.Inserting || P.RecordModified) SaveButtonClick(sender);
    if (P.RecordCount == 0) {
        // Nothing to search, and no record to fall back on.
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("You must have at least 1 Record to use this option. Click on '+' to add a new record.");
        return;
    }
    // The field searched is the one whose edit has the focus: the one double-clicked.
    int field = -1;
    for (int f = 0; f < FieldCount; ++f)
        if (DBEdit[std::size_t(f)]->Focused() || (field < 0 && sender == DBEdit[std::size_t(f)])) field = f;
    if (field < 0) return;

    P.App.Beep(BeepKind::Default);
    if (P.SearchForm->ShowModal() == MrCancel) return;
    const std::string s = P.SearchForm->SearchEdit->Text();

    int taken = -1;
    for (int i = P.CurrentRecord; i < P.RecordCount; ++i) {
        // The caption counts through the records as they are looked at.
        DBGroup->SetCaption("Record (" + std::to_string(i + 1) + ") of (" + std::to_string(P.RecordCount) + ")");
        if (P.RecordTable[std::size_t(i)].Field[std::size_t(field)].find(s) != std::string::npos) {
            P.App.Beep(BeepKind::Default);
            taken = i;
            break;
        }
    }
    if (taken < 0) {
        P.App.Beep(BeepKind::Default);
        P.App.ShowMessage("Not Found.");
        taken = P.RecordCount - 1;
    }
    P.CurrentRecord = taken + 1;
    CopyRecordToScreen(sender, taken);
}

}  // namespace fv
