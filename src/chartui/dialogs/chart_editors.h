// The entries through which every page of the chart editor edits colours, fonts, brushes and pens: the
// system's colour and font dialogs, and the pen and brush dialogs. Every change goes straight into the
// edited object (so the chart shows it at once); the pen and brush dialogs put the object back as it was
// when they are cancelled.
//
// The dialogs are made for one modal run through the application (so the view shows them) and freed when
// the run ends; the owner is the form (or a control of the form) that asks.
#pragma once

#include <initializer_list>
#include <utility>

#include "chart/chart_pens.h"
#include "platform/gfx/canvas.h"
#include "program/program_form.h"

namespace fv {

// The frame the chart editor's small dialogs share: a centred dialog box in the editor's font (in the
// given colour), with its caption and the size of its inside.
void SetUpChartDialog(Form& dialog, const std::string& caption, int clientWidth, int clientHeight,
                      Color fontColour = ClWindowText);

// The program form that `c` is or belongs to; a component on no program form is a programming error.
ProgramForm& ProgramFormOf(Component& c);

// A dialog made for one modal run and freed when this goes.
template <class T> class TemporaryDialog {
public:
    template <class... Args>
    explicit TemporaryDialog(Program& program, Args&&... args)
        : app_(program.App), form_(program.App.CreateForm<T>(program, std::forward<Args>(args)...)) {}
    ~TemporaryDialog() { app_.FreeComponent(form_); }
    TemporaryDialog(const TemporaryDialog&) = delete;
    TemporaryDialog& operator=(const TemporaryDialog&) = delete;
    T* operator->() const { return form_; }
    T& operator*() const { return *form_; }

private:
    Application& app_;
    T* form_;
};

// The system colour dialog preset to `colour`: the chosen colour, or `colour` when cancelled.
Color EditColor(Control& owner, Color colour);
// The system font dialog preset with `font`: the chosen font, or `font` when cancelled.
Font EditChartFont(Control& owner, const Font& font);
// "Pattern Color Editor" on the brush.
void EditChartBrush(Control& owner, TChartBrush& brush);
// "Border Color Editor" on the pen.
void EditChartPen(Control& owner, TChartPen& pen);
// The same for a pen held as a plain canvas pen, which has no visibility and no small dots; `changed`
// is told after each change, as a chart pen tells its owner.
void EditChartPen(Control& owner, Pen& pen, const TNotifyChange& changed = {});
// Visible of each control := show.
void ShowControls(bool show, std::initializer_list<Control*> controls);

}  // namespace fv
