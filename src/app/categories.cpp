// The category box of the main window: typing picks a category from the list and the editing of the list, which
// refuses to drop a category that records still use.
#include "app/category_form.h"
#include "app/folivex_form.h"

namespace fv {

namespace {

// The valid categories: the items before the first one that is empty or a single blank.
bool IsEnd(const std::string& item) { return item.empty() || item == " "; }

}  // namespace

namespace {

// The first valid category that begins with text, letters compared without regard to case; empty for none.
std::string CategoryStartingWith(const std::vector<std::string>& items, const std::string& text) {
    auto lower = [](std::string t) {
        for (char& c : t)
            if (c >= 'A' && c <= 'Z') c = char(c - 'A' + 'a');
        return t;
    };
    const std::string start = lower(text);
    for (const std::string& item : items) {
        if (IsEnd(item)) break;
        if (lower(item).rfind(start, 0) == 0) return item;
    }
    return {};
}

}  // namespace

// Typing in the category box works as in a drop-down list: what is typed so far stays while a category
// begins with it (no message, no keystroke lost), a letter that no category continues is not taken, and
// leaving the box (or saving the record) picks the category the typed text begins.
void TFolivexForm::CategoryChange(Component*) {
    const std::string text = Category->Text();
    if (text.empty() || !CategoryStartingWith(Category->Items(), text).empty()) return;
    std::string kept = text;
    while (!kept.empty() && CategoryStartingWith(Category->Items(), kept).empty()) kept.pop_back();
    P.App.Beep(BeepKind::Exclamation);
    Category->SetText(kept);
}

void TFolivexForm::PickTypedCategory() {
    const std::string& text = Category->Text();
    if (text.empty()) return;
    const std::string item = CategoryStartingWith(Category->Items(), text);
    if (!item.empty() && item != text) ShowCategoryText(item);
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
            P.Changes.Mark(Change::Categories);
            app.SetScreenCursor(Cursor::Default);
            return;
        }
        form.CatList->SetLines(Category->Items());
    }
}

}  // namespace fv
