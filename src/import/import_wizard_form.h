// The import wizard "Import Wizard": how the rows of a delimited text file or of an ODBC query become
// records (delimiter, category column or fixed category, the field of each source column, image columns,
// overflow columns, new database or append), with a preview of the first three source rows. It reads
// and writes no records: the load reads these controls and fills the table.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "program/program_form.h"
#include "records/text_stream.h"

namespace fv {

class TImportWizardForm : public ProgramForm {
public:
    static constexpr int Columns = 24;
    static constexpr int PreviewRows = 3;

    TImportWizardForm(Component* owner, Program& program);

    Panel* MainPanel;
    Label* DelimiterLabel;
    ComboBox* ImportCombo;
    Label* CodeLabel;
    Edit* Delimiter;
    Label* CategoryFieldLabel;
    Edit* ImportCategoryField;
    Label* CategoryLabel;
    Edit* ImportCategory;
    Label* ModeLabel;
    ComboBox* ImportMode;
    Label* OverflowLabel;
    Edit* OverflowFields;
    Button* Button1;
    BitBtn* GoImportButton;
    BitBtn* BitBtn2;
    Label* PreviewLabel;
    Label* FieldRowLabel;
    Label* ImageRowLabel;
    // Element 0 is column 1: MapToDB[0] is "MapToDB1"; MapFrom[0][n] is "MapFrom<n+1>", MapFrom[1][n]
    // "MapFrom2_<n+1>", MapFrom[2][n] "MapFrom3_<n+1>".
    std::array<Label*, Columns> ColumnNumber;
    std::array<std::array<Edit*, Columns>, PreviewRows> MapFrom;
    std::array<Edit*, Columns> MapToDB;
    std::array<CheckBox*, Columns> CheckImage;

    // The text file being imported; the load opens it, sets this before it shows the wizard and closes
    // it afterwards. Null for an ODBC import.
    TextStream* ImportFile = nullptr;

    // Image columns checked, and whether the limit warning is still to be shown in this run.
    int ImageColumnCount = 0;
    bool ImageLimitWarning = true;

    void FormShow(Component* sender);
    void FormActivate(Component* sender);
    void ImportComboChange(Component* sender);
    void DelimiterChange(Component* sender);
    void ImportCategoryFieldChange(Component* sender);
    void ImportCategoryChange(Component* sender);
    void MapToDBChange(int column);
    void ImageClick(int column);
    void CalcScrollFieldsClick(Component* sender);
    void RefreshMapTable(Component* sender);
    void GoImportButtonClick(Component* sender);
    void BitBtn2Click(Component* sender);

    // What the user chooses in the wizard (and what the load's delimiter guess sets in it). A cancelled
    // import puts it back as it was before, so that a cancelled wizard changes nothing, not even the
    // choices the next save writes into the configuration.
    struct Choices {
        int Combo = 0;
        std::string Delimiter, CategoryField, Category, Overflow;
        int Mode = 0;
        std::array<std::string, Columns> MapToDB;
        std::array<bool, Columns> Image{};
        bool ComboEnabled = true, DelimiterEnabled = true;
        int ImageColumns = 0;
        bool ImageWarning = true;
    };
    Choices TakeChoices() const;
    void PutBackChoices(const Choices& choices);

    // The number of columns of the source: the query's, or the most that a row of the text file has; 0
    // with neither.
    int SourceColumns() const;
    // Why the mapping cannot be imported: a field that two columns of the source would fill, the later
    // one overwriting the earlier; nullopt when there is none. Columns the source does not have fill nothing.
    std::optional<std::string> FieldClash() const;

    // The delimiter code in force: the Delimiter text when it is a usable code, else the last one that was.
    int DelimiterCode() const { return delimiterCode_; }

private:
    void RefreshFromQuery(int categoryColumn, bool skipCategory);
    void RefreshFromFile(int categoryColumn, bool skipCategory);
    int delimiterCode_ = 9;
    int busy_ = 0;  // the category handlers set each other's text: only the outermost one refreshes
    bool restoring_ = false;  // choices being put back: the handlers leave them as they are
};

// A usable field delimiter code: 1 to 255, not a line end (10, 13) nor the double quote (34) that the
// reader drops. nullopt for anything else, a non-number included.
std::optional<int> ParseDelimiterCode(const std::string& text);

}  // namespace fv
