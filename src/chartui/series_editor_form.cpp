// The frame of the series editors.
#include "chartui/series_editor_form.h"

#include <utility>

namespace fv {

TSeriesEditorForm::TSeriesEditorForm(Component* owner, Program& program, std::string name, int clientWidth,
                                     int clientHeight)
    : ProgramForm(owner, program, std::move(name)) {
    SetBorder(FormBorder::None);
    SetFont(Font{"MS Sans Serif", 8, ClWindowText});
    SetClientSize(clientWidth, clientHeight);
}

Shape* TSeriesEditorForm::AddSwatch(Control* parent, const std::string& name, int left, int top, int width,
                                    int height, std::function<void()> click) {
    Shape* swatch = Add<Shape>(parent, name, left, top, width, height);
    swatch->SetCursor(Cursor::HandPoint);  // the chart's hand over a clickable swatch
    swatch->OnMouseUp = [swatch, click = std::move(click)](Component*, MouseButton, unsigned, int, int) {
        if (swatch->Visible() && swatch->Enabled()) click();
    };
    return swatch;
}

UpDown* TSeriesEditorForm::AddSpin(Control* parent, const std::string& editName, const std::string& upDownName,
                                   int left, int top, int editWidth, int min, int max, int step,
                                   std::function<void()> changed, Edit** edit) {
    Edit* e = Add<Edit>(parent, editName, left, top, editWidth, 21);
    UpDown* ud = Add<UpDown>(parent, upDownName, left + editWidth, top, 15, 21);
    ud->SetRange(min, max);
    ud->Increment = step;
    ud->SetAssociate(e);
    e->OnChange = [changed = std::move(changed)](Component*) { changed(); };
    if (edit) *edit = e;
    return ud;
}

void TSeriesEditorForm::ResetScreenCursor() { P.App.SetScreenCursor(Cursor::Default); }

void TSeriesEditorForm::ShowColour(Shape& swatch, Color colour) {
    swatch.SetPenColor(ClBlack);
    swatch.SetBrushColor(colour);
}

}  // namespace fv
