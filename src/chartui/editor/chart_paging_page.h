// "Paging": the chart editor's page of points per page and the page buttons. The label shows the
// current page and the page count ("2/5"); First and Previous are enabled above page 1, Next and Last
// below the last page. An empty points-per-page field turns paging off (0).
#pragma once

#include "chart/chart.h"
#include "chartui/editor/chart_page_form.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/up_down.h"

namespace fv {

class TFormChartPage : public TChartPageForm {
public:
    TFormChartPage(Component* owner, Program& program, TCustomChart& chart);

    Label* LPointsPerPage;
    Edit* SEPointsPerPage;
    UpDown* UDPointsPerPage;
    CheckBox* CBScaleLast;
    Label* LabelPages;
    BitBtn* BFirstPage;
    BitBtn* ButtonPrevious;
    BitBtn* ButtonNext;
    BitBtn* BLastPage;

    TCustomChart& TheChart;

    void FormShow(Component* sender);
    void SEPointsPerPageChange(Component* sender);
    void CBScaleLastClick(Component* sender);
    void BFirstPageClick(Component* sender);
    void ButtonPreviousClick(Component* sender);
    void ButtonNextClick(Component* sender);
    void BLastPageClick(Component* sender);

private:
    void ShowPages();
    bool loading = true;
};

}  // namespace fv
