// The import wizard: its controls, their checks, the overflow list and the preview of the source rows.
//
//   Delimiter: [Tab......] Code [9 ]   Category column [0 ]  or Category for all records [Category A]
//   Import mode: [New Import (Create a new Folivex database)]   [Refresh Mapping Table]
//   Overflow columns (go to Further Details): [......................................]
//   Source rows (preview) and the Folivex field each source column goes to:
//          1     2     3   ...  24
//   1st [....][....][....] ...
//   2nd [....][....][....]
//   3rd [....][....][....]
//   Field  [1]   [2]   [3] ...
//   Image  [ ]   [ ]   [ ] ...                                     [Import] [Cancel]
#include "import/import_wizard_form.h"

#include "import/db_form.h"

#include <algorithm>
#include <vector>
#include "platform/ui/bevel.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "records/record_text.h"

namespace fv {

namespace {

const char* const NewImport = "New Import (Create a new Folivex database)";
const char* const AppendImport = "Append input to Existing Folivex database";
const char* const OtherDelimiter = "Other(specify value)";

// Column layout: 24 columns 46 pixels apart.
constexpr int ColumnPitch = 46;
constexpr int PreviewLeft = 35, PreviewWidth = 45;
constexpr int MapLeft = 50, MapWidth = 24;
constexpr int CheckLeft = 61;
constexpr int NumberLeft = 54, NumberTop = 224;
constexpr int PreviewTop = 242, PreviewPitch = 22;
constexpr int MapTop = PreviewTop + 3 * PreviewPitch + 6;
constexpr int CheckTop = MapTop + 26;

bool AllDigits(const std::string& text) {
    if (text.empty() || text.size() > 9) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    return true;
}

bool Blank(const std::string& text) { return text.empty() || text == " "; }

}  // namespace

std::optional<int> ParseDelimiterCode(const std::string& text) {
    std::string digits = text;
    while (!digits.empty() && digits.front() == ' ') digits.erase(digits.begin());
    while (!digits.empty() && digits.back() == ' ') digits.pop_back();
    if (!AllDigits(digits)) return std::nullopt;
    int code = std::stoi(digits);
    if (code < 1 || code > 255 || code == 10 || code == 13 || code == 34) return std::nullopt;
    return code;
}

TImportWizardForm::TImportWizardForm(Component* owner, Program& program)
    : ProgramForm(owner, program, "ImportWizardForm") {
    SetCaption("Import Wizard");
    Position = FormPosition::ScreenCenter;
    const int width = PreviewLeft + (Columns - 1) * ColumnPitch + PreviewWidth + 10;
    const int height = CheckTop + 60;
    SetClientSize(width, height);
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, width, height);
    MainPanel->BevelOuter = BevelKind::None;

    DelimiterLabel = Add<Label>(MainPanel, "DelimiterLabel", 8, 14, 60, 13, "Delimiter:");
    ImportCombo = Add<ComboBox>(MainPanel, "ImportCombo", 80, 10, 150, 21);
    ImportCombo->Style = ComboBox::ComboStyle::DropDownList;
    std::vector<std::string> names;
    for (const DelimiterCandidate& c : DelimiterCandidates) names.push_back(c.Name);
    names.push_back(OtherDelimiter);
    ImportCombo->SetItems(names);
    ImportCombo->SetItemIndex(0);
    CodeLabel = Add<Label>(MainPanel, "CodeLabel", 240, 14, 30, 13, "Code");
    Delimiter = Add<Edit>(MainPanel, "Delimiter", 274, 10, 40, 21, "9");
    Delimiter->SetMaxLength(3);

    CategoryFieldLabel = Add<Label>(MainPanel, "CategoryFieldLabel", 340, 14, 96, 13, "Category column");
    ImportCategoryField = Add<Edit>(MainPanel, "ImportCategoryField", 440, 10, 40, 21, "0");
    ImportCategoryField->SetMaxLength(3);
    CategoryLabel = Add<Label>(MainPanel, "CategoryLabel", 496, 14, 170, 13, "or Category for all records");
    ImportCategory = Add<Edit>(MainPanel, "ImportCategory", 670, 10, 200, 21, "Category A");
    ImportCategory->SetMaxLength(60);

    ModeLabel = Add<Label>(MainPanel, "ModeLabel", 8, 46, 72, 13, "Import mode:");
    ImportMode = Add<ComboBox>(MainPanel, "ImportMode", 86, 42, 300, 21);
    ImportMode->Style = ComboBox::ComboStyle::DropDownList;
    ImportMode->SetItems({NewImport, AppendImport});
    ImportMode->SetItemIndex(0);
    Button1 = Add<Button>(MainPanel, "Button1", 404, 40, 150, 25, "Refresh Mapping Table");

    OverflowLabel = Add<Label>(MainPanel, "OverflowLabel", 8, 80, 240, 13, "Overflow columns (go to Further Details):");
    OverflowFields = Add<Edit>(MainPanel, "OverflowFields", 252, 76, 618, 21);

    PreviewLabel = Add<Label>(MainPanel, "PreviewLabel", 8, 200, 420, 13,
                              "Source rows (preview) and the Folivex field each source column goes to:");
    Font small = GetFont();
    small.Size = 7;
    const char* rowNames[] = {"1st", "2nd", "3rd"};
    for (int r = 0; r < PreviewRows; ++r)
        Add<Label>(MainPanel, std::string("RowLabel") + char('1' + r), 4, PreviewTop + r * PreviewPitch + 4, 28, 13,
                   rowNames[r]);
    FieldRowLabel = Add<Label>(MainPanel, "FieldRowLabel", 4, MapTop + 4, 40, 13, "Field");
    ImageRowLabel = Add<Label>(MainPanel, "ImageRowLabel", 4, CheckTop, 40, 13, "Image");
    for (int i = 0; i < Columns; ++i) {
        const std::string n = std::to_string(i + 1);
        const int offset = i * ColumnPitch;
        ColumnNumber[i] = Add<Label>(MainPanel, "ColumnNumber" + n, NumberLeft + offset, NumberTop, 16, 13, n);
        for (int r = 0; r < PreviewRows; ++r) {
            const std::string name = r == 0 ? "MapFrom" + n : "MapFrom" + std::to_string(r + 1) + "_" + n;
            Edit* cell = Add<Edit>(MainPanel, name, PreviewLeft + offset, PreviewTop + r * PreviewPitch, PreviewWidth, 20);
            cell->SetReadOnly(true);
            cell->SetEnabled(false);
            cell->SetFont(small);
            cell->SetTabStop(false);
            MapFrom[std::size_t(r)][std::size_t(i)] = cell;
        }
        MapToDB[i] = Add<Edit>(MainPanel, "MapToDB" + n, MapLeft + offset, MapTop, MapWidth, 21, n);
        MapToDB[i]->SetMaxLength(2);
        CheckImage[i] = Add<CheckBox>(MainPanel, "CheckImage" + n, CheckLeft + offset, CheckTop, 17, 17);
    }
    // There are 20 fields: columns 21 to 24 start without one (they go to the overflow list).
    for (int i = 20; i < Columns; ++i) MapToDB[std::size_t(i)]->SetText("");

    GoImportButton =
        AddOkButton(MainPanel, "GoImportButton", width - 176, height - 32, 80, 25, {.closes = false}, "Import");
    BitBtn2 = AddCancelButton(MainPanel, "BitBtn2", width - 90, height - 32, 80, 25, {.closes = false});

    ImportCombo->OnChange = [this](Component* s) { ImportComboChange(s); };
    Delimiter->OnChange = [this](Component* s) { DelimiterChange(s); };
    ImportCategoryField->OnChange = [this](Component* s) { ImportCategoryFieldChange(s); };
    ImportCategoryField->OnExit = [this](Component* s) { ImportCategoryFieldChange(s); };
    ImportCategory->OnChange = [this](Component* s) { ImportCategoryChange(s); };
    for (int i = 0; i < Columns; ++i) {
        MapToDB[std::size_t(i)]->OnChange = [this, i](Component*) { MapToDBChange(i + 1); };
        CheckImage[std::size_t(i)]->OnClick = [this, i](Component*) { ImageClick(i + 1); };
    }
    Button1->OnClick = [this](Component* s) { RefreshMapTable(s); };
    GoImportButton->OnClick = [this](Component* s) { GoImportButtonClick(s); };
    BitBtn2->OnClick = [this](Component* s) { BitBtn2Click(s); };
    OnShow = [this](Component* s) { FormShow(s); };
    OnActivate = [this](Component* s) { FormActivate(s); };
    CalcScrollFieldsClick(this);
    Hide();
}

void TImportWizardForm::FormShow(Component* sender) { RefreshMapTable(sender); }

void TImportWizardForm::FormActivate(Component*) {
    if (ImportMode->Text() != AppendImport) ImportMode->SetItemIndex(0);
}

void TImportWizardForm::ImportComboChange(Component* sender) {
    if (restoring_) return;
    const int index = ImportCombo->ItemIndex();
    if (index < 0) return;
    if (index < 8) {
        Delimiter->SetText(std::to_string(DelimiterCandidates[index].Code));
    } else {
        P.App.Beep(BeepKind::Default);
        Delimiter->SetFocus();
    }
    RefreshMapTable(sender);
}

void TImportWizardForm::DelimiterChange(Component* sender) {
    if (restoring_) return;
    const std::string text = Delimiter->Text();
    if (Blank(text)) return;
    std::optional<int> code = ParseDelimiterCode(text);
    if (!code) {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("Error: The Delimiter must be a character code between 1 and 255 (not 10, 13 or 34)");
        // Back to the code in force; its own change runs the preview.
        Delimiter->SetText(std::to_string(delimiterCode_));
        return;
    }
    delimiterCode_ = *code;
    RefreshMapTable(sender);
}

void TImportWizardForm::ImportCategoryFieldChange(Component* sender) {
    if (restoring_) return;
    ++busy_;
    if (Blank(ImportCategoryField->Text())) ImportCategoryField->SetText("0");
    const std::string text = ImportCategoryField->Text();
    const bool number = AllDigits(text);
    const int n = number ? std::stoi(text) : -1;
    if (!number || n > 21) {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("Error: Category field must be between 0 and 21");
        ImportCategoryField->SetText("1");
    }
    if (n != 0) ImportCategory->SetText("");
    --busy_;
    if (busy_ == 0) RefreshMapTable(sender);
}

void TImportWizardForm::ImportCategoryChange(Component* sender) {
    if (restoring_) return;
    ++busy_;
    const std::string text = ImportCategory->Text();
    if (!Blank(text)) {
        if (ImportCategoryField->Text() != "0") ImportCategoryField->SetText("0");
    } else if (ImportCategoryField->Text() == "0") {
        ImportCategory->SetText("");
        ImportCategoryField->SetText("1");
    }
    --busy_;
    if (busy_ == 0) RefreshMapTable(sender);
}

void TImportWizardForm::MapToDBChange(int column) {
    if (restoring_) return;
    Edit* edit = MapToDB[std::size_t(column - 1)];
    if (edit->Text() == " ") {
        edit->SetText("");
        return;  // the change of the text ran this handler again
    }
    const std::string text = edit->Text();
    if (!text.empty()) {
        const bool number = AllDigits(text);
        const int n = number ? std::stoi(text) : 0;
        if (n < 1 || n > 20) {
            P.App.Beep(BeepKind::Default);
            P.App.ShowMessage("Error: A Folivex Field can only be in the range 1-20 (or blank)");
            edit->SetText("");
            return;
        }
        CheckBox* image = CheckImage[std::size_t(column - 1)];
        if (image->Checked()) image->SetChecked(false);
    }
    CalcScrollFieldsClick(edit);
}

void TImportWizardForm::ImageClick(int column) {
    if (restoring_) return;
    ImageColumnCount = 0;
    for (CheckBox* box : CheckImage) ImageColumnCount += box->Checked() ? 1 : 0;
    CheckBox* box = CheckImage[std::size_t(column - 1)];
    if (box->Checked() && ImageColumnCount > 4 && ImageLimitWarning) {
        P.App.Beep(BeepKind::Default);
        P.App.ShowMessage("Error: Only 4 Import fields may be nominated as Images, Others are ignored.");
        ImageLimitWarning = false;
    }
    if (box->Checked()) MapToDB[std::size_t(column - 1)]->SetText("");
    CalcScrollFieldsClick(box);
}

void TImportWizardForm::CalcScrollFieldsClick(Component*) {
    std::string list;
    for (int i = 0; i < Columns; ++i) {
        if (!MapToDB[std::size_t(i)]->Text().empty() || CheckImage[std::size_t(i)]->Checked()) continue;
        if (!list.empty()) list += ",";
        list += std::to_string(i + 1);
    }
    OverflowFields->SetText(list + ", + All extra columns");
}

void TImportWizardForm::RefreshMapTable(Component* sender) {
    if (restoring_) return;
    if (P.ReadingConfig) return;
    P.App.SetScreenCursor(Cursor::HourGlass);
    for (auto& row : MapFrom)
        for (Edit* cell : row) cell->SetText(" ");
    const std::string& field = ImportCategoryField->Text();
    const int categoryColumn = AllDigits(field) ? std::stoi(field) : 0;
    const bool skipCategory = ImportCategory->Text().empty();
    if (P.OdbcImport) RefreshFromQuery(categoryColumn, skipCategory);
    else RefreshFromFile(categoryColumn, skipCategory);
    CalcScrollFieldsClick(sender);
    P.App.SetScreenCursor(Cursor::Default);
}

void TImportWizardForm::RefreshFromQuery(int categoryColumn, bool skipCategory) {
    OdbcQuery& query = P.DBForm->Query;
    if (!query.Active()) return;
    query.First();
    for (int r = 0; r < PreviewRows && !query.Eof(); ++r) {
        int cell = 0;
        for (int column = 1; column <= Columns; ++column) {
            if (skipCategory && column == categoryColumn) continue;
            std::string text;
            // By position: a join may repeat a column name, and each column keeps its own value.
            if (column <= query.ColumnCount() && query.Columns()[std::size_t(column - 1)].Type != ColumnType::Blob) {
                text = query.Value(column - 1).value_or("");
                if (text == "(null)") text.clear();
            }
            MapFrom[std::size_t(r)][std::size_t(cell++)]->SetText(text);
        }
        query.Next();
    }
    query.First();
}

void TImportWizardForm::RefreshFromFile(int categoryColumn, bool skipCategory) {
    P.ImportDelimiter = delimiterCode_;
    if (!ImportFile) return;
    TextStream& file = *ImportFile;
    file.Rewind();
    // The file is foreign: its quoted values are read as the import will read them.
    RecordTextReader reader(file, delimiterCode_, QuotedValues::Protected);
    for (int r = 0; r < PreviewRows && !file.Eof() && file.Position() < file.Size(); ++r) {
        int cell = 0;
        bool lineEnded = false;
        for (int column = 1; column <= Columns; ++column) {
            std::string value = reader.ReadSlot();
            if (!(skipCategory && column == categoryColumn)) MapFrom[std::size_t(r)][std::size_t(cell++)]->SetText(value);
            if (reader.EndOfRecord || file.Eof()) {
                lineEnded = true;
                break;
            }
        }
        if (lineEnded) {
            if (!file.Eof()) file.Get();  // the LF after the CR
        } else {
            ReadTextLine(file, 5001);
        }
    }
}

TImportWizardForm::Choices TImportWizardForm::TakeChoices() const {
    Choices c;
    c.Combo = ImportCombo->ItemIndex();
    c.Delimiter = Delimiter->Text();
    c.CategoryField = ImportCategoryField->Text();
    c.Category = ImportCategory->Text();
    c.Overflow = OverflowFields->Text();
    c.Mode = ImportMode->ItemIndex();
    for (std::size_t i = 0; i < std::size_t(Columns); ++i) {
        c.MapToDB[i] = MapToDB[i]->Text();
        c.Image[i] = CheckImage[i]->Checked();
    }
    c.ComboEnabled = ImportCombo->Enabled();
    c.DelimiterEnabled = Delimiter->Enabled();
    c.ImageColumns = ImageColumnCount;
    c.ImageWarning = ImageLimitWarning;
    return c;
}

void TImportWizardForm::PutBackChoices(const Choices& c) {
    // The controls' own handlers would refresh the preview and correct one text by another on the way:
    // the texts are put back as they were, together, and the handlers kept quiet meanwhile.
    restoring_ = true;
    ImportCombo->SetItemIndex(c.Combo);
    Delimiter->SetText(c.Delimiter);
    if (std::optional<int> code = ParseDelimiterCode(c.Delimiter)) delimiterCode_ = *code;
    ImportCategoryField->SetText(c.CategoryField);
    ImportCategory->SetText(c.Category);
    ImportMode->SetItemIndex(c.Mode);
    for (std::size_t i = 0; i < std::size_t(Columns); ++i) {
        MapToDB[i]->SetText(c.MapToDB[i]);
        CheckImage[i]->SetChecked(c.Image[i]);
    }
    OverflowFields->SetText(c.Overflow);
    ImportCombo->SetEnabled(c.ComboEnabled);
    Delimiter->SetEnabled(c.DelimiterEnabled);
    ImageColumnCount = c.ImageColumns;
    ImageLimitWarning = c.ImageWarning;
    restoring_ = false;
}

int TImportWizardForm::SourceColumns() const {
    if (P.OdbcImport) {
        const OdbcQuery& query = P.DBForm->Query;
        return query.Active() ? query.ColumnCount() : 0;
    }
    if (!ImportFile) return 0;
    // A copy of the bytes: the wizard's file keeps its place. Rows are read as the import reads them.
    TextStream file(ImportFile->Bytes());
    RecordTextReader reader(file, delimiterCode_, QuotedValues::Protected);
    int most = 0;
    while (!file.Eof() && file.Position() < file.Size()) {
        int columns = 0;
        for (;;) {
            std::string value;
            ++columns;
            if (reader.ReadField(value)) break;
        }
        most = std::max(most, columns);
        if (reader.EndOfRecord && !file.Eof()) file.Get();  // the LF after the CR
    }
    return most;
}

std::optional<std::string> TImportWizardForm::FieldClash() const {
    const std::string& field = ImportCategoryField->Text();
    const int categoryColumn = AllDigits(field) ? std::stoi(field) : 0;
    const int sources = SourceColumns();
    // The category column takes no column number of the wizard's.
    const int mapped = std::min(Columns, sources - (categoryColumn >= 1 && categoryColumn <= sources ? 1 : 0));
    std::array<std::vector<int>, 20> fillers;
    for (int column = 1; column <= mapped; ++column) {
        const std::string& text = MapToDB[std::size_t(column - 1)]->Text();
        if (!AllDigits(text)) continue;
        const int n = std::stoi(text);
        if (n >= 1 && n <= 20) fillers[std::size_t(n - 1)].push_back(column);
    }
    std::string clashes;
    for (int f = 1; f <= 20; ++f) {
        const std::vector<int>& columns = fillers[std::size_t(f - 1)];
        if (columns.size() < 2) continue;
        std::string list;
        for (std::size_t k = 0; k < columns.size(); ++k)
            list += (k == 0 ? "" : k + 1 == columns.size() ? " and " : ", ") + std::to_string(columns[k]);
        if (!clashes.empty()) clashes += "\r\n";
        clashes += "Field " + std::to_string(f) + " would be filled by columns " + list + ".";
    }
    if (clashes.empty()) return std::nullopt;
    return "A Folivex Field takes the value of one column only: the later column would overwrite the earlier.\r\n" +
           clashes + "\r\nChange or clear the Field box of all but one of them.";
}

void TImportWizardForm::GoImportButtonClick(Component*) {
    if (std::optional<std::string> clash = FieldClash()) {
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage(*clash);
        return;
    }
    P.Changes.Mark(Change::Import);
    P.ImportPending = 1;
    P.ReadingConfig = 0;
    SetModalResult(MrOk);
}

void TImportWizardForm::BitBtn2Click(Component*) {
    P.Changes.Clear(Settled::ImportCancelled);
    P.ImportPending = 0;
    P.ReadingConfig = 0;
    SetModalResult(MrCancel);
}

}  // namespace fv
