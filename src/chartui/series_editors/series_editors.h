// The series type editors shown on the "Format" tab of the series page, and what they share.
//
// Rules every editor keeps:
// - The editor changes the series as each control changes; there is no apply or cancel.
// - `Updating` is set from creation to the end of the show; the spin fields (an edit with an up-down
//   bound to it) and the other handlers that say so do nothing while it is set, so loading the series
//   into the controls writes nothing back.
// - A colour swatch (hand cursor) beside a colour button does on a mouse release what the button does.
// - A number edit for a real value ignores an empty text; any other text must be a number.
// - Extra tabs ("Point") are made through the page that owns the editor, once per editor; an editor made
//   without a page (a test, a dialog of its own) makes none.
#pragma once

#include <functional>
#include <string>

#include "chart/chart_series.h"
#include "chartui/editor/chart_page_form.h"
#include "chartui/series/series_page.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/radio_group.h"
#include "platform/ui/shape.h"
#include "platform/ui/up_down.h"

namespace fv {

class TSeriesPointer;

// Registers every series type editor with the series page's lookup, by the class name the series gives.
void RegisterSeriesEditors();
// Takes them out again (the series page then shows no editor).
void UnregisterSeriesEditors();

// The base of the series editors: the edited series, the loading guard and the shared builders.
class TSeriesEditorForm : public TChartPageForm {
public:
    TSeriesEditorForm(Component* owner, Program& program, std::string name, int clientWidth, int clientHeight);

    bool Updating = true;

    // Loads the series into the controls again, writing nothing back: the page does this when the user
    // brings the editor's tab to the front, since another tab may have changed the same setting.
    void Reload();

protected:
    // Label, edit and up-down in a row; the up-down holds [min, max] and steps by `step`.
    UpDown* AddSpin(Control* parent, const std::string& name, const std::string& caption, int left, int top,
                    int labelWidth, int min, int max, int step, Edit*& edit, Label** label = nullptr);
    // An edit with its up-down and no label: range, step, and the handler run when the position changes.
    UpDown* AddSpin(Control* parent, const std::string& editName, const std::string& upDownName, int left, int top,
                    int editWidth, int min, int max, int step, std::function<void()> changed, Edit** edit = nullptr);
    // A colour swatch with the hand cursor whose mouse release runs `click` while it is shown and enabled.
    Shape* AddSwatch(Control* parent, const std::string& name, int left, int top, std::function<void()> click);
    Shape* AddSwatch(Control* parent, const std::string& name, int left, int top, int width, int height,
                     std::function<void()> click);
    // A swatch showing a colour in a black frame.
    static void ShowColour(Shape& swatch, Color colour);
    // A drop-down list of fixed items.
    ComboBox* AddList(Control* parent, const std::string& name, int left, int top, int width,
                      std::initializer_list<std::string> items);
    // The page that owns this editor, when there is one.
    TFormChartSeries* Page() const;
    // Puts the screen cursor back to the default, as every show starts.
    void ResetCursor();
    // Adds the editor's extra tab through `add`, the first time the editor is shown inside a page.
    void AddTabOnce(const std::function<void()>& add);
    // The pointer page as tab "Point" of the owning page, once.
    void AddPointerPageOnce(TSeriesPointer& pointer);

private:
    bool tabAdded_ = false;
};

// The eight brush styles a series' line or area can be filled with, in BrushStyle order.
std::initializer_list<std::string> BrushStyleNames();

// The real number of an edit; false (nothing read) for an empty text. A text that is no number throws.
bool NumberOfEdit(const Edit& edit, double& value);

// The pointer page as tab "Point" (after "Format") of the page that owns `editor`; nothing without a page.
void AddPointerPage(Form& editor, TSeriesPointer& pointer);

}  // namespace fv
