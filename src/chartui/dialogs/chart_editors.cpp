// The colour, font, brush and pen entries of the chart editor.
#include "chartui/dialogs/chart_editors.h"

#include <stdexcept>

#include "chartui/dialogs/brush_dialog.h"
#include "chartui/dialogs/pen_dialog.h"

namespace fv {

void SetUpChartDialog(Form& dialog, const std::string& caption, int clientWidth, int clientHeight,
                      Color fontColour) {
    dialog.SetCaption(caption);
    dialog.SetBorder(FormBorder::Dialog);
    dialog.Position = FormPosition::ScreenCenter;
    dialog.SetFont(Font{"MS Sans Serif", 8, fontColour});
    dialog.SetClientSize(clientWidth, clientHeight);
}

ProgramForm& ProgramFormOf(Component& c) {
    for (Component* at = &c; at; at = at->Owner())
        if (auto* form = dynamic_cast<ProgramForm*>(at)) return *form;
    throw std::logic_error("A chart editor dialog needs an owner on a program form");
}

Color EditColor(Control& owner, Color colour) {
    return ProgramFormOf(owner).P.App.Dialogs().ChooseColor(colour).value_or(colour);
}

Font EditChartFont(Control& owner, const Font& font) {
    return ProgramFormOf(owner).P.App.Dialogs().ChooseFont(font).value_or(font);
}

void EditChartBrush(Control& owner, TChartBrush& brush) {
    TemporaryDialog<TBrushDialog> dialog(ProgramFormOf(owner).P, brush);
    dialog->ShowModal();
}

void EditChartPen(Control& owner, TChartPen& pen) {
    TemporaryDialog<TPenDialog> dialog(ProgramFormOf(owner).P, pen, false);
    dialog->ShowModal();
}

void EditChartPen(Control& owner, Pen& pen, const TNotifyChange& changed) {
    // The dialog edits a chart pen standing in for the plain one, which follows every change.
    TChartPen standIn;
    standIn.SetColor(pen.PenColor);
    standIn.SetWidth(pen.Width);
    standIn.SetStyle(pen.Style);
    standIn.SetMode(pen.Mode);
    standIn.OnChange = [&] {
        pen = standIn.CanvasPen();
        if (changed) changed();
    };
    TemporaryDialog<TPenDialog> dialog(ProgramFormOf(owner).P, standIn, true);
    dialog->ShowModal();
}

void ShowControls(bool show, std::initializer_list<Control*> controls) {
    for (Control* c : controls)
        if (c) c->SetVisible(show);
}

}  // namespace fv
