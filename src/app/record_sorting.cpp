// Sorting the records by category and the fields carrying sort order 1, 2 and 3.
#include "app/folivex_form.h"
#include "app/progress_forms.h"
#include "records/record_sort.h"

namespace fv {

namespace {
const char* const SortOrderMessage = "The Sort order can be 1,2 or 3 only.";
}  // namespace

bool TFolivexForm::ReadSortOrder(std::array<int, 3>& keys, bool quiet) {
    keys = {-1, -1, -1};
    for (int j = 0; j < FieldCount; ++j) {
        const std::string& t = Order[std::size_t(j)]->Text();
        if (t.empty()) continue;
        int rank = (t == "1") ? 1 : (t == "2") ? 2 : (t == "3") ? 3 : 0;
        if (rank == 0) {
            if (!quiet) {
                P.App.Beep(BeepKind::Exclamation);
                P.App.ShowMessage(SortOrderMessage);
            }
            return false;
        }
        // When several fields carry one rank, the last of them is the key.
        keys[std::size_t(rank - 1)] = j;
    }
    return true;
}

void TFolivexForm::ChangeofOrder(Component*) {
    std::array<int, 3> keys;
    ReadSortOrder(keys, false);
}

void TFolivexForm::OrderEnter(Component*) { P.Changes.Mark(Change::RecordOrder); }

void TFolivexForm::SortButtonClick(Component* sender) { SortDatabase(sender); }

bool TFolivexForm::SortDatabase(Component* sender) {
    if (P.RecordCount <= 1) return true;
    if (P.Inserting) {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("Complete or Cancel this Insert before Sorting.");
        return false;
    }
    if (P.RecordModified) {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("Complete or Cancel this record Modification before Sorting.");
        return false;
    }
    // A box holding anything but 1, 2 or 3 stops the sort before a record moves.
    SortKeys keys;
    if (!ReadSortOrder(keys.Key, false)) return false;
    P.SortKey1 = keys.Key[0];
    P.SortKey2 = keys.Key[1];
    P.SortKey3 = keys.Key[2];

    P.SortForm->SortGroup->SetCaption("Sorting Records...");
    P.SortForm->Show();
    P.SortForm->Repaint();
    int moved = SortRecords(P, keys);
    if (keys.Any()) WriteRepublishFile(false);
    P.SortForm->Hide();
    // The main window takes the keyboard back, with the focus where it was before the sort form showed.
    Show();
    P.App.Beep(BeepKind::Default);
    RewindButtonClick(sender);
    WriteRepublishFile(false);
    // The order is only kept in the database file: a changed order must be offered for saving.
    if (moved > 0) P.Changes.Mark(Change::RecordOrder);
    return true;
}

}  // namespace fv
