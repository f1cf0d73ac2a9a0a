// The search engine settings dialog "Search Engine Setup": whether the published site gets a search engine
// (one for all records or one per category), its frames and return page, the fields and column widths of
// its result table and the largest number of results. The publisher reads the controls; the configuration
// file keeps them.
#pragma once

#include <array>
#include <string>

#include "platform/ui/bit_btn.h"
#include "platform/ui/check_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"

namespace fv {

class TSearchSetup : public ProgramForm {
public:
    TSearchSetup(Component* owner, Program& program);

    Panel* SearchSetupPanel;
    CheckBox* EnableSearchButton;
    CheckBox* SearchPerCategory;
    CheckBox* IntraNetSearches;
    Label* FieldsLabel;
    Edit* SearchViewFields;
    Label* TargetPageLabel;  // "Re-start Page"
    Edit* TargetPage;
    Label* TargetFrameLabel;  // "Target Frame"
    Edit* TargetFrame;
    Label* InitialFrameLabel;  // "Initial Search Engine Target Frame"
    Edit* InitialFrame;
    Label* TopFrameLabel;
    Edit* TopFrameSize;
    Label* TableWidthLabel;
    Edit* SearchViewPageTableWidth;
    Label* ColumnsLabel;
    std::array<Edit*, 10> SearchViewPageColumnWidth;  // [0] is SearchViewPageColumnWidth1
    Label* MaxResultsLabel;
    Edit* MaxSearchResults;
    BitBtn* BitBtn2;  // OK

    void SearchViewFieldsChange(Component* sender);
    void BitBtn2Click(Component* sender);
    // The ten widths read by the leading-integer rule, whole; false after the beep and the message when
    // they do not add up to 100.
    bool ValidateSearchColumnWidths(const std::array<std::string, 10>& widths);
};

}  // namespace fv
