// The frame every series type's own editor shares: a borderless form the series page embeds on its
// "Format" tab (or on a tab of its own), holding the series it edits.
//
// Rules:
// - Updating is true from the form's creation until the end of its first show; the handlers of edits,
//   up-downs and most check boxes do nothing while it is set, so loading the controls writes nothing
//   back into the series.
// - A colour swatch beside a colour button shows the chart's hand; releasing the mouse on it does what
//   the button does.
// - A spin field is an edit with an up-down bound to it: its handler reads the up-down position, which
//   stays within the up-down's range.
// - Every show first puts the screen cursor back to the default.
#pragma once

#include <functional>
#include <string>

#include "chart/chart_series.h"
#include "platform/ui/edit.h"
#include "platform/ui/shape.h"
#include "platform/ui/up_down.h"
#include "program/program_form.h"

namespace fv {

class TSeriesEditorForm : public ProgramForm {
public:
    TSeriesEditorForm(Component* owner, Program& program, std::string name, int clientWidth, int clientHeight);

    bool Updating = true;

protected:
    // A swatch with the hand cursor whose mouse release runs `click`.
    Shape* AddSwatch(Control* parent, const std::string& name, int left, int top, int width, int height,
                     std::function<void()> click);
    // An edit with its up-down: range, step, and the handler run when the position changes.
    UpDown* AddSpin(Control* parent, const std::string& editName, const std::string& upDownName, int left, int top,
                    int editWidth, int min, int max, int step, std::function<void()> changed, Edit** edit = nullptr);
    // The screen cursor back to the default (the start of every show).
    void ResetScreenCursor();
    static void ShowColour(Shape& swatch, Color colour);
};

}  // namespace fv
