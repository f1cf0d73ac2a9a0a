// The error series editor.
#include "chartui/series_editors/error_series_editor.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

TErrorSeriesEditor::TErrorSeriesEditor(Component* owner, Program& program, TCustomErrorSeries& series)
    : TSeriesEditorForm(owner, program, "ErrorSeriesEditor", 237, 167), Errors(series) {
    LBarWidth = Add<Label>(this, "LBarWidth", 8, 12, 104, 13, "Error Bar &Width:");
    UDBarWidth = AddSpin(this, "SEBarwidth", "UDBarWidth", 114, 8, 36, 0, 100, 1,
                         [this] { SEBarwidthChange(SEBarwidth); }, &SEBarwidth);
    RGWidthUnit = Add<RadioGroup>(this, "RGWidthUnit", 8, 38, 110, 56, "Width Units:");
    RGWidthUnit->SetItems({"P&ercent", "P&ixels"});
    BPen = Add<Button>(this, "BPen", 128, 48, 100, 25, "Error &Pen...");
    RGStyle = Add<RadioGroup>(this, "RGStyle", 8, 98, 220, 64, "Style:");
    RGStyle->Columns = 2;
    RGStyle->SetItems({"&Left", "&Right", "Left &and Right", "&Top", "&Bottom", "T&op and Bottom"});

    OnShow = [this](Component* s) { FormShow(s); };
    RGWidthUnit->OnClick = [this](Component* s) { RGWidthUnitClick(s); };
    RGStyle->OnClick = [this](Component* s) { RGStyleClick(s); };
    BPen->OnClick = [this](Component* s) { BPenClick(s); };
}

void TErrorSeriesEditor::FormShow(Component*) {
    ResetCursor();
    UDBarWidth->SetPosition(Errors.ErrorWidth());
    RGWidthUnit->SetItemIndex(Errors.ErrorWidthUnits() == ewuPixels ? 1 : 0);
    // The whisker style belongs to the error series; an error bar draws its whisker beyond the bar.
    const bool styled = dynamic_cast<TErrorSeries*>(&Errors) != nullptr;
    RGStyle->SetVisible(styled);
    if (styled) RGStyle->SetItemIndex(int(Errors.ErrorStyle()));
    Updating = false;
    // An error bar's bars are edited on a "Bar" tab of their own, by the bar editor.
    if (dynamic_cast<TErrorBarSeries*>(&Errors))
        AddTabOnce([&] {
            TFormChartSeries* page = Page();
            if (const SeriesEditorFactory* bar = FindSeriesEditor("TBarSeriesEditor"); page && bar)
                page->AddEditorTab(*bar, Errors, "Bar");
        });
}

void TErrorSeriesEditor::SEBarwidthChange(Component*) {
    if (!Updating) Errors.SetErrorWidth(UDBarWidth->Position());
}

void TErrorSeriesEditor::RGWidthUnitClick(Component*) {
    if (RGWidthUnit->ItemIndex() >= 0) Errors.SetErrorWidthUnits(TErrorWidthUnits(RGWidthUnit->ItemIndex()));
}

void TErrorSeriesEditor::RGStyleClick(Component*) {
    if (!Updating && RGStyle->ItemIndex() >= 0) Errors.SetErrorStyle(TErrorSeriesStyle(RGStyle->ItemIndex()));
}

void TErrorSeriesEditor::BPenClick(Component*) { EditChartPen(*this, Errors.ErrorPen); }

}  // namespace fv
