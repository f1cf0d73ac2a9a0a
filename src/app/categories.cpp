// The category box of the main window: the check of a typed category and the editing of the list, which
// refuses to drop a category that records still use.
#include "app/category_form.h"
#include "app/folivex_form.h"

namespace fv {

namespace {

// The valid categories: the items before the first one that is empty or a single blank.
bool IsEnd(const std::string& item) { return item.empty() || item == " "; }

}  // namespace

void TFolivexForm::CategoryChange(Component*) {
    const std::string& text = Category->Text();
    for (const std::string& item : Category->Items()) {
        if (IsEnd(item)) break;
        if (text == item) return;
    }
    P.App.Beep(BeepKind::Exclamation);
    P.App.ShowMessage("This is not one of the valid Categories. Please select from the pulldown list.");
    Category->SetText(Category->Items().empty() ? std::string() : Category->Items().front());
}

void TFolivexForm::CategoryDblClick(Component*) {
    Application& app = P.App;
    TCategoryForm& form = *P.CategoryForm;
    form.CatList->SetLines(Category->Items());
    int refusals = 0;
    for (;;) {
        app.Beep(BeepKind::Default);
        app.SetScreenCursor(Cursor::Default);
        if (form.ShowModal() != MrOk) return;
        Repaint();
        app.SetScreenCursor(Cursor::HourGlass);
        const std::vector<std::string> lines = form.CatList->Lines();
        bool refused = false;
        for (int i = 0; i < P.RecordCount; ++i) {
            const std::string& category = P.RecordTable[std::size_t(i)].Category;
            if (category.empty()) continue;
            bool listed = false;
            for (const std::string& line : lines) {
                if (line.empty()) break;
                if (line == category) {
                    listed = true;
                    break;
                }
            }
            if (listed) continue;
            refused = true;
            // Four messages are enough to make the point; the walk ends at the fifth refusal.
            if (++refusals >= 5) break;
            app.SetScreenCursor(Cursor::Default);
            app.Beep(BeepKind::Exclamation);
            app.ShowMessage("Record " + std::to_string(i + 1) + " is in Category '" + category +
                            "' - Cannot remove.");
            app.SetScreenCursor(Cursor::HourGlass);
        }
        if (!refused) {
            std::string text = Category->Text();
            Category->SetItems(lines);
            Category->SetText(text);
            P.DatabaseModified = 1;
            app.SetScreenCursor(Cursor::Default);
            return;
        }
        form.CatList->SetLines(Category->Items());
    }
}

}  // namespace fv
