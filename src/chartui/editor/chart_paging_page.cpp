// The paging page of the chart editor.
#include "chartui/editor/chart_paging_page.h"

#include <string>

namespace fv {

TFormChartPage::TFormChartPage(Component* owner, Program& program, TCustomChart& chart)
    : TChartPageForm(owner, program, "FormChartPage", 400, 230), TheChart(chart) {
    const NumberField perPage = AddNumberField(this, "LPointsPerPage", "SEPointsPerPage", "UDPointsPerPage",
                                               "P&oints per Page:", 16, 16, 104, 4, 50, 0, 32000, 1);
    LPointsPerPage = perPage.label;
    SEPointsPerPage = perPage.edit;
    UDPointsPerPage = perPage.updown;
    CBScaleLast = Add<CheckBox>(this, "CBScaleLast", 16, 48, 150, 17, "&Scale Last Page");
    LabelPages = Add<Label>(this, "LabelPages", 16, 84, 120, 13);
    BFirstPage = Add<BitBtn>(this, "BFirstPage", 16, 108, 80, 25, "&First");
    ButtonPrevious = Add<BitBtn>(this, "ButtonPrevious", 100, 108, 80, 25, "&Previous");
    ButtonNext = Add<BitBtn>(this, "ButtonNext", 184, 108, 80, 25, "&Next");
    BLastPage = Add<BitBtn>(this, "BLastPage", 268, 108, 80, 25, "&Last");

    OnShow = [this](Component* s) { FormShow(s); };
    SEPointsPerPage->OnChange = [this](Component* s) { SEPointsPerPageChange(s); };
    CBScaleLast->OnClick = [this](Component* s) { CBScaleLastClick(s); };
    BFirstPage->OnClick = [this](Component* s) { BFirstPageClick(s); };
    ButtonPrevious->OnClick = [this](Component* s) { ButtonPreviousClick(s); };
    ButtonNext->OnClick = [this](Component* s) { ButtonNextClick(s); };
    BLastPage->OnClick = [this](Component* s) { BLastPageClick(s); };
}

void TFormChartPage::FormShow(Component*) {
    loading = true;
    UDPointsPerPage->SetPosition(TheChart.MaxPointsPerPage());
    CBScaleLast->SetChecked(TheChart.ScaleLastPage());
    ShowPages();
    loading = false;
}

void TFormChartPage::ShowPages() {
    const int page = TheChart.Page(), count = TheChart.PageCount();
    LabelPages->SetCaption(std::to_string(page) + "/" + std::to_string(count));
    ButtonPrevious->SetEnabled(page > 1);
    ButtonNext->SetEnabled(page < count);
    BFirstPage->SetEnabled(ButtonPrevious->Enabled());
    BLastPage->SetEnabled(ButtonNext->Enabled());
}

void TFormChartPage::SEPointsPerPageChange(Component*) {
    if (loading) return;
    TheChart.SetMaxPointsPerPage(SEPointsPerPage->Text().empty() ? 0 : UDPointsPerPage->Position());
    ShowPages();
}

void TFormChartPage::CBScaleLastClick(Component*) {
    if (!loading) TheChart.SetScaleLastPage(CBScaleLast->Checked());
}

void TFormChartPage::BFirstPageClick(Component*) {
    TheChart.SetPage(1);
    ShowPages();
}

void TFormChartPage::ButtonPreviousClick(Component*) {
    TheChart.PreviousPage();
    ShowPages();
}

void TFormChartPage::ButtonNextClick(Component*) {
    TheChart.NextPage();
    ShowPages();
}

void TFormChartPage::BLastPageClick(Component*) {
    TheChart.SetPage(TheChart.PageCount());
    ShowPages();
}

}  // namespace fv
