// The settings of a database that has no configuration file: labels (from the ODBC columns when asked),
// colours, sort orders, the category list from the records, and the publishing settings (the publishing
// settings dialog's own defaults).
#include "app/folivex_form.h"
#include "import/db_form.h"
#include "import/import_wizard_form.h"
#include "platform/text/numbers.h"
#include "platform/ui/edit.h"
#include "publish/publish_setup_form.h"
#include "records/new_database_defaults.h"

namespace fv {

namespace {
constexpr const char* NoLabel = "....";
}  // namespace

void TFolivexForm::InitialiseForEmptyConfig(Component* sender) {
    LabelColour->SetColor(ClWhite);
    ScrollColour->SetColor(ClSilver);

    const TDBForm& odbc = *P.DBForm;
    if (P.OdbcImport && odbc.UseODBClabels->Checked()) {
        const std::string style = odbc.ODBCfieldConversionType->Text();
        for (int i = 0; i < FieldCount; ++i) {
            const std::string& map = P.ImportWizardForm->MapToDB[std::size_t(i)]->Text();
            if (map.empty()) continue;  // the label keeps its text
            std::string label = NoLabel;
            int n = LeadingInteger(map);
            if (n >= 1 && n <= odbc.DBGrid->ColCount()) label = odbc.DBGrid->Cell(n - 1, 0);
            if (style == "Convert Database Field Names to this Style") label = ToTitleCase(label);
            else if (style == "CONVERT DATABASE FIELD NAMES TO THIS STYLE") label = ToUpperCase(label);
            else if (style == "convert database field names to this style") label = ToLowerCase(label);
            DBLabel[std::size_t(i)]->SetText(label);
        }
    } else {
        for (int i = 0; i < FieldCount; ++i)
            DBLabel[std::size_t(i)]->SetText(i < 6 ? "Label " + std::to_string(i + 1) : std::string(NoLabel));
    }
    for (Edit* c : Colour) c->SetColor(ClYellow);
    for (Edit* o : Order) o->SetText("");
    Repaint();

    if (P.RecordCount == 0) {
        Category->SetItems({"Category A"});
        Category->SetText("Category A");
    } else {
        std::vector<std::string> list;
        for (int i = 0; i < P.RecordCount; ++i) {
            std::string& c = P.RecordTable[std::size_t(i)].Category;
            if (c.empty()) c = "Category unknown";
            if (std::find(list.begin(), list.end(), c) == list.end()) list.push_back(c);
        }
        Category->SetItems(list);
    }

    P.PublishSetupForm->SetNewDatabaseDefaults(sender);
}

}  // namespace fv
