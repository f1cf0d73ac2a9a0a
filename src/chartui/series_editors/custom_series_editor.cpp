// The line-type series editor.
#include "chartui/series_editors/custom_series_editor.h"

#include "chart/series/line_series.h"
#include "chartui/dialogs/chart_editors.h"

namespace fv {

TCustomSeriesEditor::TCustomSeriesEditor(Component* owner, Program& program, TChartSeries& series)
    : TSeriesEditorForm(owner, program, "CustomSeriesEditor", 241, 172),
      Series(dynamic_cast<TCustomSeries&>(series)) {
    GPLine = Add<GroupBox>(this, "GPLine", 6, 4, 229, 90, "Line:");
    BLineColor = Add<Button>(GPLine, "BLineColor", 10, 18, 80, 25, "&Color...");
    ShColor = AddSwatch(GPLine, "ShColor", 96, 20, [this] { BLineColorClick(ShColor); });
    BLineBorder = Add<Button>(GPLine, "BLineBorder", 130, 18, 88, 25, "&Border...");
    LPattern = Add<Label>(GPLine, "LPattern", 10, 58, 50, 13, "&Pattern:");
    CBLineBrush = AddList(GPLine, "CBLineBrush", 64, 54, 100, BrushStyleNames());
    CBColorEach = Add<CheckBox>(this, "CBColorEach", 12, 102, 90, 17, "Color &Each");
    CBDark3D = Add<CheckBox>(this, "CBDark3D", 12, 126, 90, 17, "&Dark 3D");
    GBStair = Add<GroupBox>(this, "GBStair", 124, 98, 111, 68, "Line Mode:");
    CBStairs = Add<CheckBox>(GBStair, "CBStairs", 10, 18, 90, 17, "&Stairs");
    CBInvStairs = Add<CheckBox>(GBStair, "CBInvStairs", 10, 42, 90, 17, "&Inverted");

    OnShow = [this](Component* s) { FormShow(s); };
    BLineColor->OnClick = [this](Component* s) { BLineColorClick(s); };
    BLineBorder->OnClick = [this](Component* s) { BLineBorderClick(s); };
    CBLineBrush->OnChange = [this](Component* s) { CBLineBrushChange(s); };
    CBStairs->OnClick = [this](Component* s) { CBStairsClick(s); };
    CBInvStairs->OnClick = [this](Component* s) { CBInvStairsClick(s); };
    CBColorEach->OnClick = [this](Component* s) { CBColorEachClick(s); };
    CBDark3D->OnClick = [this](Component* s) { CBDark3DClick(s); };
}

void TCustomSeriesEditor::FormShow(Component*) {
    ResetCursor();
    Updating = true;
    CBColorEach->SetChecked(Series.ColorEachPoint());
    ShColor->SetBrushColor(Series.SeriesColor());
    const bool line = dynamic_cast<TLineSeries*>(&Series) != nullptr;
    if (line) {
        CBLineBrush->SetItemIndex(int(Series.LineBrush()));
        CBStairs->SetChecked(Series.Stairs());
        CBInvStairs->SetChecked(Series.InvertedStairs());
        CBInvStairs->SetEnabled(Series.Stairs());
        CBDark3D->SetChecked(Series.Dark3D());
    } else {
        GPLine->SetCaption("");
        ShowControls(false, {BLineBorder, LPattern, CBLineBrush, GBStair, CBDark3D});
    }
    Updating = false;
    AddPointerPageOnce(Series.Pointer);
}

void TCustomSeriesEditor::BLineColorClick(Component*) {
    Series.SetSeriesColor(EditColor(*this, Series.SeriesColor()));
    ShColor->SetBrushColor(Series.SeriesColor());
}

void TCustomSeriesEditor::BLineBorderClick(Component*) { EditChartPen(*this, Series.LinePen); }

void TCustomSeriesEditor::CBLineBrushChange(Component*) {
    if (CBLineBrush->ItemIndex() >= 0) Series.SetLineBrush(BrushStyle(CBLineBrush->ItemIndex()));
}

void TCustomSeriesEditor::CBStairsClick(Component*) {
    Series.SetStairs(CBStairs->Checked());
    CBInvStairs->SetEnabled(CBStairs->Checked());
}

void TCustomSeriesEditor::CBInvStairsClick(Component*) { Series.SetInvertedStairs(CBInvStairs->Checked()); }

void TCustomSeriesEditor::CBColorEachClick(Component*) { Series.SetColorEachPoint(CBColorEach->Checked()); }

void TCustomSeriesEditor::CBDark3DClick(Component*) { Series.SetDark3D(CBDark3D->Checked()); }

}  // namespace fv
