// The candle series editor.
#include "chartui/series_editors/candle_editor.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

TCandleEditor::TCandleEditor(Component* owner, Program& program, TCandleSeries& series)
    : TSeriesEditorForm(owner, program, "CandleEditor", 270, 164), Candle(series) {
    RGStyle = Add<RadioGroup>(this, "RGStyle", 8, 4, 100, 60, "Candle Style:");
    RGStyle->SetItems({"&Stick", "&Bar"});
    LWidth = Add<Label>(this, "LWidth", 8, 76, 86, 13, "Candle &Width:");
    UDWidth = AddSpin(this, "SEWidth", "UDWidth", 96, 72, 32, 0, 100, 1, [this] { SEWidthChange(SEWidth); },
                      &SEWidth);
    BitBtn1 = Add<Button>(this, "BitBtn1", 112, 8, 128, 25, "&Up Close Color...");
    ShapeUp = AddSwatch(this, "ShapeUp", 244, 8, 20, 25, [this] { BitBtn1Click(ShapeUp); });
    BitBtn2 = Add<Button>(this, "BitBtn2", 112, 38, 128, 25, "&Down Close Color...");
    ShapeDown = AddSwatch(this, "ShapeDown", 244, 38, 20, 25, [this] { BitBtn2Click(ShapeDown); });
    CBShowOpen = Add<CheckBox>(this, "CBShowOpen", 150, 72, 100, 17, "Show &Open");
    CBShowClose = Add<CheckBox>(this, "CBShowClose", 150, 92, 100, 17, "Show &Close");
    CBDraw3D = Add<CheckBox>(this, "CBDraw3D", 8, 104, 90, 17, "Draw &3D");
    CBDark3D = Add<CheckBox>(this, "CBDark3D", 8, 124, 90, 17, "Dar&k 3D");
    Button1 = Add<Button>(this, "Button1", 150, 124, 90, 25, "Bo&rder...");

    OnShow = [this](Component* s) { FormShow(s); };
    RGStyle->OnClick = [this](Component* s) { RGStyleClick(s); };
    BitBtn1->OnClick = [this](Component* s) { BitBtn1Click(s); };
    BitBtn2->OnClick = [this](Component* s) { BitBtn2Click(s); };
    CBShowOpen->OnClick = [this](Component*) {
        Candle.SetShowOpenTick(CBShowOpen->Checked());
    };
    CBShowClose->OnClick = [this](Component*) {
        Candle.SetShowCloseTick(CBShowClose->Checked());
    };
    CBDraw3D->OnClick = [this](Component*) { Candle.SetDraw3D(CBDraw3D->Checked()); };
    CBDark3D->OnClick = [this](Component*) {
        Candle.SetDark3D(CBDark3D->Checked());
    };
    Button1->OnClick = [this](Component* s) { Button1Click(s); };
}

void TCandleEditor::FormShow(Component*) {
    ResetCursor();
    RGStyle->SetItemIndex(Candle.CandleStyle() == csCandleStick ? 0 : 1);
    UDWidth->SetPosition(Candle.CandleWidth());
    ShowColour(*ShapeUp, Candle.UpCloseColor());
    ShowColour(*ShapeDown, Candle.DownCloseColor());
    CBShowOpen->SetChecked(Candle.ShowOpenTick());
    CBShowClose->SetChecked(Candle.ShowCloseTick());
    CBDraw3D->SetChecked(Candle.Draw3D());
    CBDark3D->SetChecked(Candle.Dark3D());
    CheckControls();
    Updating = false;
}

void TCandleEditor::CheckControls() {
    const bool bars = RGStyle->ItemIndex() == 1;
    CBShowOpen->SetEnabled(bars);
    CBShowClose->SetEnabled(bars);
    CBDraw3D->SetEnabled(!bars);
    CBDark3D->SetEnabled(CBDraw3D->Enabled());
}

void TCandleEditor::RGStyleClick(Component*) {
    Candle.SetCandleStyle(RGStyle->ItemIndex() == 0 ? csCandleStick : csCandleBar);
    CheckControls();
}

void TCandleEditor::SEWidthChange(Component*) {
    if (!Updating) Candle.SetCandleWidth(UDWidth->Position());
}

void TCandleEditor::BitBtn1Click(Component*) {
    Candle.SetUpCloseColor(EditColor(*this, Candle.UpCloseColor()));
    ShowColour(*ShapeUp, Candle.UpCloseColor());
}

void TCandleEditor::BitBtn2Click(Component*) {
    Candle.SetDownCloseColor(EditColor(*this, Candle.DownCloseColor()));
    ShowColour(*ShapeDown, Candle.DownCloseColor());
}

void TCandleEditor::Button1Click(Component*) { EditChartPen(*this, Candle.Pen()); }

}  // namespace fv
