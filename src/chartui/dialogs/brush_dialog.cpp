// The brush dialog: style and colour of a chart brush.
#include "chartui/dialogs/brush_dialog.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

TBrushDialog::TBrushDialog(Component* owner, Program& program, TChartBrush& brush)
    : ProgramForm(owner, program, "BrushDialog"), brush_(brush) {
    SetUpChartDialog(*this, "Pattern Color Editor", 250, 196);

    // Item index = brush style number.
    RGStyle = Add<RadioGroup>(this, "RGStyle", 8, 8, 121, 180, "Style:");
    RGStyle->SetItems({"&Solid", "&None", "&Horizontal", "&Vertical", "&Diagonal", "&Back.Diagonal", "C&ross",
                       "D&iagonal Cross"});
    GroupBox1 = Add<GroupBox>(this, "GroupBox1", 136, 8, 110, 60);
    SHColor = Add<Shape>(GroupBox1, "SHColor", 10, 18, 26, 26);
    BColor = Add<Button>(GroupBox1, "BColor", 42, 19, 62, 25, "&Color...");
    Button2 = AddOkButton(this, "Button2", 150, 128, 80, 25);
    Button3 = AddCancelButton(this, "Button3", 150, 160, 80, 25, {.closes = false});

    OnShow = [this](Component* s) { FormShow(s); };
    OnClose = [this](Component* s, CloseAction& a) { FormClose(s, a); };
    RGStyle->OnClick = [this](Component* s) { RGStyleClick(s); };
    BColor->OnClick = [this](Component* s) { BColorClick(s); };
    SHColor->OnMouseUp = [this](Component* s, MouseButton, unsigned, int, int) { BColorClick(s); };
    Button3->OnClick = [this](Component* s) { Button3Click(s); };
}

void TBrushDialog::FormShow(Component*) {
    loading_ = true;
    P.App.SetScreenCursor(Cursor::Default);
    backup_ = std::make_unique<TChartBrush>();
    backup_->Assign(brush_);
    RGStyle->SetItemIndex(int(brush_.Style()));
    SHColor->SetCursor(Cursor::HandPoint);  // the chart's hand over clickable swatches
    loading_ = false;
    Refresh();
}

void TBrushDialog::Refresh() {
    BColor->SetEnabled(brush_.Style() != BrushStyle::Clear);
    SHColor->SetBrushColor(brush_.GetColor());
    SHColor->SetVisible(BColor->Enabled());
}

void TBrushDialog::RGStyleClick(Component*) {
    if (loading_ || RGStyle->ItemIndex() < 0) return;
    brush_.SetStyle(BrushStyle(RGStyle->ItemIndex()));
    Refresh();
}

void TBrushDialog::BColorClick(Component*) {
    brush_.SetColor(EditColor(*this, brush_.GetColor()));
    Refresh();
}

void TBrushDialog::Button3Click(Component*) {
    Restore();
    SetModalResult(MrCancel);
}

void TBrushDialog::FormClose(Component*, CloseAction&) {
    if (ModalResult() != MrOk) Restore();
    backup_.reset();
}

void TBrushDialog::Restore() {
    if (!backup_) return;
    brush_.Assign(*backup_);
    backup_.reset();
}

}  // namespace fv
