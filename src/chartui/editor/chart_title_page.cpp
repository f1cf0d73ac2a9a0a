// The titles page of the chart editor.
#include "chartui/editor/chart_title_page.h"

#include "chartui/dialogs/chart_editors.h"

namespace fv {

namespace {
// RGAlign's items in order, and the title alignment each stands for.
constexpr TAlignment AlignOfItem[] = {TAlignment::taLeftJustify, TAlignment::taCenter, TAlignment::taRightJustify};
}  // namespace

TFormChartTitle::TFormChartTitle(Component* owner, Program& program, TCustomChart& chart, TChartTitle& title)
    : TChartPageForm(owner, program, "FormChartTitle", 420, 262), chart_(chart), title_(&title) {
    CBTitles = Add<ComboBox>(this, "CBTitles", 8, 8, 120, 21);
    CBTitles->Style = ComboBox::ComboStyle::DropDownList;
    CBTitles->SetItems({"Title", "Foot"});
    MText = Add<Memo>(this, "MText", 8, 36, 284, 218);
    MText->ScrollBars = ScrollStyle::Both;
    MText->WordWrap = false;
    CBVisible = Add<CheckBox>(this, "CBVisible", 140, 10, 76, 17, "&Visible");
    CBAdjust = Add<CheckBox>(this, "CBAdjust", 220, 10, 100, 17, "&Adjust Frame");
    RGAlign = Add<RadioGroup>(this, "RGAlign", 302, 36, 110, 82, "Alignment:");
    RGAlign->SetItems({"&Left", "&Center", "&Right"});
    BFont = Add<Button>(this, "BFont", 302, 128, 110, 25, "F&ont...");
    BFrame = Add<Button>(this, "BFrame", 302, 160, 110, 25, "&Border...");
    BBrush = Add<Button>(this, "BBrush", 302, 192, 110, 25, "&Pattern...");
    BColor = Add<Button>(this, "BColor", 302, 224, 110, 25, "Bac&k Color...");

    OnShow = [this](Component* s) { FormShow(s); };
    CBTitles->OnChange = [this](Component* s) { CBTitlesChange(s); };
    MText->OnChange = [this](Component* s) { MTextChange(s); };
    CBVisible->OnClick = [this](Component*) { title_->SetVisible(CBVisible->Checked()); };
    CBAdjust->OnClick = [this](Component*) { title_->SetAdjustFrame(CBAdjust->Checked()); };
    RGAlign->OnClick = [this](Component* s) { RGAlignClick(s); };
    BFont->OnClick = [this](Component* s) { BFontClick(s); };
    BFrame->OnClick = [this](Component*) { EditChartPen(*this, title_->Frame()); };
    BBrush->OnClick = [this](Component*) { EditChartBrush(*this, title_->Brush()); };
    BColor->OnClick = [this](Component* s) { BColorClick(s); };
}

void TFormChartTitle::FormShow(Component*) {
    CBTitles->SetItemIndex(title_ == &chart_.Foot() ? 1 : 0);
    LoadTitle();
}

void TFormChartTitle::CBTitlesChange(Component*) {
    title_ = CBTitles->ItemIndex() == 1 ? &chart_.Foot() : &chart_.Title();
    LoadTitle();
}

void TFormChartTitle::LoadTitle() {
    // The boxes show what the title already holds, so what they write back changes nothing.
    for (int item = 0; item < 3; ++item)
        if (AlignOfItem[item] == title_->Alignment()) RGAlign->SetItemIndex(item);
    CBVisible->SetChecked(title_->Visible());
    CBAdjust->SetChecked(title_->AdjustFrame());
    ShowMemoLook();
    filling_ = true;
    MText->SetLines(title_->Text());
    filling_ = false;
}

void TFormChartTitle::ShowMemoLook() {
    MText->SetFont(title_->GetFont());
    Color back = title_->GetColor();
    if (back == AutomaticColour) back = title_->GetFont().FontColor == ClWhite ? ClGray : ClWhite;
    MText->SetColor(back);
}

void TFormChartTitle::MTextChange(Component*) {
    if (filling_) return;
    const std::vector<std::string> lines = MText->Lines();
    if (lines != title_->Text()) title_->SetText(lines);
}

void TFormChartTitle::RGAlignClick(Component*) {
    const int item = RGAlign->ItemIndex();
    if (item >= 0 && item < 3) title_->SetAlignment(AlignOfItem[item]);
}

void TFormChartTitle::BFontClick(Component*) {
    title_->SetFont(EditChartFont(*this, title_->GetFont()));
    ShowMemoLook();
}

void TFormChartTitle::BColorClick(Component*) {
    title_->SetColor(EditColor(*this, title_->GetColor()));
    ShowMemoLook();
}

}  // namespace fv
