// The "Grid 3D" page.
#include "chartui/series_editors/grid_3d_page.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

TGrid3DSeriesEditor::TGrid3DSeriesEditor(Component* owner, Program& program, TChartSeries& series)
    : TSeriesEditorForm(owner, program, "Grid3DSeriesEditor", 363, 115),
      Series(dynamic_cast<TCustom3DGridSeries&>(series)) {
    GBColor = Add<GroupBox>(this, "GBColor", 4, 4, 238, 106, "Color Mode:");
    RGColor = Add<RadioButton>(GBColor, "RGColor", 8, 18, 112, 17, "&Series Color:");
    Shape1 = AddSwatch(GBColor, "Shape1", 124, 16, [this] { Shape1MouseUp(); });
    RGRange = Add<RadioButton>(GBColor, "RGRange", 8, 44, 112, 17, "&Color Range:");
    Add<Label>(GBColor, "LFrom", 8, 68, 32, 13, "From:");
    Shape2 = AddSwatch(GBColor, "Shape2", 42, 64, [this] { Shape2MouseUp(); });
    Add<Label>(GBColor, "LTo", 74, 68, 20, 13, "To:");
    Shape3 = AddSwatch(GBColor, "Shape3", 96, 64, [this] { Shape3MouseUp(); });
    RGPalette = Add<RadioButton>(GBColor, "RGPalette", 134, 44, 98, 17, "&Use Palette:");
    UDPalette = AddSpin(GBColor, "Palette", "S&teps:", 134, 64, 42, 1, 100, 1, SEPalette);
    GBGrid = Add<GroupBox>(this, "GBGrid", 246, 4, 113, 106, "Grid size:");
    UDXGrid = AddSpin(GBGrid, "XGrid", "&X:", 8, 18, 42, 1, 100, 1, SEXGrid);
    UDZGrid = AddSpin(GBGrid, "ZGrid", "&Z:", 8, 46, 42, 1, 100, 1, SEZGrid);
    UDDepth = AddSpin(GBGrid, "Depth", "&Depth:", 8, 74, 42, 1, 100, 1, EDepth);
    EDepth->SetName("EDepth");

    OnShow = [this](Component* s) { FormShow(s); };
    SEXGrid->OnChange = [this](Component* s) { SEZGridChange(s); };
    SEZGrid->OnChange = [this](Component* s) { SEZGridChange(s); };
    EDepth->OnChange = [this](Component* s) { EDepthChange(s); };
    SEPalette->OnChange = [this](Component* s) { SEPaletteChange(s); };
    RGColor->OnClick = [this](Component* s) { RGColorClick(s); };
    RGRange->OnClick = [this](Component* s) { RGRangeClick(s); };
    RGPalette->OnClick = [this](Component* s) { RGPaletteClick(s); };
}

void TGrid3DSeriesEditor::FormShow(Component*) {
    ResetCursor();
    Updating = true;
    UDXGrid->SetPosition(Series.NumXValues());
    UDZGrid->SetPosition(Series.NumZValues());
    // A series filled from data keeps the size its points give it.
    EnableControls(Series.CanFillGrid(), {UDXGrid, UDZGrid, SEXGrid, SEZGrid});
    UDDepth->SetPosition(Series.TimesZOrder());
    UDPalette->SetPosition(Series.PaletteSteps());
    RGRange->SetChecked(Series.UseColorRange());
    RGPalette->SetChecked(Series.UsePalette());
    if (!Series.UseColorRange() && !Series.UsePalette()) RGColor->SetChecked(true);
    RefreshSwatches();
    Updating = false;
}

void TGrid3DSeriesEditor::RefreshSwatches() {
    ShowColour(*Shape1, Series.SeriesColor());
    ShowColour(*Shape2, Series.StartColor());
    ShowColour(*Shape3, Series.EndColor());
}

void TGrid3DSeriesEditor::SEZGridChange(Component*) {
    if (!Updating) Series.FillGridValues(UDXGrid->Position(), UDZGrid->Position());
}

void TGrid3DSeriesEditor::EDepthChange(Component*) {
    if (!Updating) Series.SetTimesZOrder(UDDepth->Position());
}

void TGrid3DSeriesEditor::SEPaletteChange(Component*) {
    if (Updating || SEPalette->Text().empty()) return;
    Series.SetPaletteSteps(UDPalette->Position());
    Series.Repaint();
}

void TGrid3DSeriesEditor::RGColorClick(Component*) {
    if (Updating || !RGColor->Checked()) return;
    // Switching the colour of each point on and off again drops the colours the points were given.
    Series.SetColorEachPoint(true);
    Series.SetColorEachPoint(false);
    Series.SetUseColorRange(false);
    Series.SetUsePalette(false);
}

void TGrid3DSeriesEditor::RGRangeClick(Component*) {
    if (Updating || !RGRange->Checked()) return;
    Series.SetUseColorRange(true);
    Series.SetUsePalette(false);
}

void TGrid3DSeriesEditor::RGPaletteClick(Component*) {
    if (Updating || !RGPalette->Checked()) return;
    Series.SetUseColorRange(false);
    Series.SetUsePalette(true);
}

void TGrid3DSeriesEditor::Shape1MouseUp() {
    Series.SetSeriesColor(EditColor(*this, Series.SeriesColor()));
    RefreshSwatches();
}

void TGrid3DSeriesEditor::Shape2MouseUp() {
    Series.SetStartColor(EditColor(*this, Series.StartColor()));
    RefreshSwatches();
}

void TGrid3DSeriesEditor::Shape3MouseUp() {
    Series.SetEndColor(EditColor(*this, Series.EndColor()));
    RefreshSwatches();
}

void AddGrid3DPage(Form& editor, TCustom3DGridSeries& series) {
    auto* page = dynamic_cast<TFormChartSeries*>(editor.Owner());
    if (!page || !editor.Parent()) return;
    page->AddEditorTab(
        [](TFormChartSeries& owner, TChartSeries& s) -> Form* { return owner.Make<TGrid3DSeriesEditor>(owner.P, s); },
        series, "Grid 3D");
}

}  // namespace fv
