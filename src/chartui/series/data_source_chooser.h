// The "Data Source" tab of the series page: where the points of the page's series come from (no data,
// random values, a function over other series, or a data-source extension's data set), the lists of
// sources and fields moved between, and applying what was chosen.
//
// Rules:
// - The style shown follows the series: a series among its sources, or a function, is "Function"; another
//   source is the style the extension names for it; points alone are "Random Values"; else "No Data".
// - "No Data" and "Random Values" act at once (the sources, the function and the points go, random values
//   are drawn anew) and drop pending changes. The other styles show their page and wait for an apply.
// - Moving entries between the lists marks the function changed for "Function", the data set changed for
//   the extension styles.
//
// The controls and the change flags stay the page's own (the page and its callers name them); this class
// builds the controls and holds what the tab does with them.
#pragma once

#include <string>
#include <vector>

namespace fv {

class Component;
class ListBox;
class TChartSeries;
class TFormChartSeries;

class TDataSourceChooser {
public:
    explicit TDataSourceChooser(TFormChartSeries& page) : page_(page) {}
    TDataSourceChooser(const TDataSourceChooser&) = delete;
    TDataSourceChooser& operator=(const TDataSourceChooser&) = delete;

    // Makes the tab's controls on the page's "Data Source" sheet and ties them to the page's handlers.
    void Build();

    // The style that stands for where the series' points come from now (a TDataSourceStyle).
    int StyleOf(TChartSeries& series) const;
    // Chooses the style of the page's series and shows that style's page.
    void SetUp();
    // The user chose `style` in the style drop-down.
    void ChooseStyle(int style);

    // "Function": another entry of the function drop-down, the period dialog, and the apply.
    void ChooseFunction();
    void EditFunction();
    void ApplyFunction();

    // Moves the chosen (or all) entries of the pair of lists on show: to the selected list, or back.
    void MoveEntries(bool toTarget, bool all);

    // The extension styles: a data set or the labels field chosen, and the apply.
    void ChooseDataSet();
    void ChooseLabelsField();
    void ApplyDataSet();

    // The entries a list of sources may offer for the style, with their texts.
    void CandidateSources(int style, bool includeInUse, std::vector<std::string>& texts,
                          std::vector<Component*>& objects) const;

private:
    void ShowStylePage(int style);
    void FillFunctionPage();
    void FillDataSetPage(int style);
    void BuildFieldRows();
    void ShowFieldRows();
    void ChooseField(int row);
    void EnableMoveButtons();
    void MarkChanged();
    std::vector<Component*>& ObjectsOf(ListBox* list);

    TFormChartSeries& page_;
    std::vector<std::string> fields_;  // the chosen data set's fields
    std::vector<Component*> availFieldObjects_, selFieldObjects_;
};

// The text a component stands under in the page's lists: a series' title (its name when the title is
// empty), any other component's name.
std::string SourceDisplayName(const Component& c);

}  // namespace fv
