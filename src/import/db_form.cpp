// The ODBC connection dialog.
//
//   Data Source [........]   Local Folivex database [odbcbox.db]
//   User Name   [........]   [Test Connection] [GO]
//   Password    [********]   [Exit]            [Help]
//   Table Name  [........]   [x] Use last Import Settings
//   SQL SELECT statement     [field name conversion......]
//   [memo...............]
//   [x] Check this box to use your ODBC Database field names as Folivex labels on Import.
//   Database Results:
//   [grid.......................................................]
#include "import/db_form.h"

#include "platform/db/odbc_statement.h"
#include "platform/fs/files.h"
#include "platform/ui/bevel.h"
#include "records/database_names.h"

namespace fv {

TDBForm::TDBForm(Component* owner, Program& program) : ProgramForm(owner, program, "DBForm") {
    SetCaption("ODBC Database Connection");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    MainPanel = Add<Panel>(this, "MainPanel", 0, 0, 560, 440);
    MainPanel->BevelOuter = BevelKind::None;
    SizeToContainer(*MainPanel);

    auto row = [&](Label*& label, Edit*& edit, const std::string& name, const std::string& caption, int top) {
        label = Add<Label>(MainPanel, name + "Label", 8, top + 4, 90, 13, caption);
        edit = Add<Edit>(MainPanel, name, 100, top, 170, 21);
    };
    row(AliasLabel, AliasName, "AliasName", "Data Source", 8);
    row(UserLabel, UserName, "UserName", "User Name", 34);
    row(PasswordLabel, Password, "Password", "Password", 60);
    Password->SetPasswordChar('*');
    row(TableLabel, TableName, "TableName", "Table Name", 86);
    SQLLabel = Add<Label>(MainPanel, "SQLLabel", 8, 114, 160, 13, "SQL SELECT statement");
    SQL = Add<Memo>(MainPanel, "SQL", 8, 130, 262, 70);
    SQL->ScrollBars = ScrollStyle::Vertical;

    ImportNameLabel = Add<Label>(MainPanel, "ImportNameLabel", 290, 12, 126, 13, "Local Folivex database");
    ImportName = Add<Edit>(MainPanel, "ImportName", 420, 8, 132, 21, "odbcbox.db");
    ConnectButton = Add<Button>(MainPanel, "ConnectButton", 290, 34, 126, 25, "Test Connection");
    GoButton = Add<Button>(MainPanel, "GoButton", 426, 34, 126, 25, "GO");
    ExitButton = AddCancelButton(MainPanel, "ExitButton", 290, 64, 126, 25, {.closes = false}, "Exit");
    HelpButton = Add<BitBtn>(MainPanel, "HelpButton", 426, 64, 126, 25, "Help");
    HelpButton->ButtonKind = BitBtn::BtnKind::Help;
    FastODBCImport = Add<CheckBox>(MainPanel, "FastODBCImport", 290, 98, 262, 17, "Use last Import Settings");
    ODBCfieldConversionType = Add<ComboBox>(MainPanel, "ODBCfieldConversionType", 290, 130, 262, 21);
    ODBCfieldConversionType->Style = ComboBox::ComboStyle::DropDownList;
    ODBCfieldConversionType->SetItems({"Import field names without any conversion",
                                       "Convert Database Field Names to this Style",
                                       "CONVERT DATABASE FIELD NAMES TO THIS STYLE",
                                       "convert database field names to this style"});
    ODBCfieldConversionType->SetItemIndex(0);
    UseODBClabels = Add<CheckBox>(MainPanel, "UseODBClabels", 8, 208, 544, 17,
                                  "Check this box to use your ODBC Database field names as Folivex labels on Import.");
    UseODBClabels->SetChecked(true);
    ResultsLabel = Add<Label>(MainPanel, "ResultsLabel", 8, 232, 120, 13, "Database Results:");
    DBGrid = Add<StringGrid>(MainPanel, "DBGrid", 8, 248, 544, 184);
    TheImage = Add<Image>(MainPanel, "TheImage", 500, 208, 32, 32);
    TheImage->Hide();

    ConnectButton->OnClick = [this](Component* s) { ConnectButtonClick(s); };
    GoButton->OnClick = [this](Component* s) { GoButtonClick(s); };
    ExitButton->OnClick = [this](Component* s) { ExitButtonClick(s); };
    HelpButton->OnClick = [this](Component* s) { HelpButtonClick(s); };
    OnShow = [this](Component* s) { FormShow(s); };
    Hide();
}

void TDBForm::FormShow(Component*) { ImportName->SetFocus(); }

void TDBForm::Fail(const std::string& message) {
    Query.Close();
    DB.Disconnect();
    DBGrid->Clear();
    P.OdbcImport = 0;
    P.App.SetScreenCursor(Cursor::Default);
    P.App.MessageBox(message, P.App.Title, MbOk | MbIconHand);
}

bool TDBForm::ConnectButtonClick(Component*) {
    P.OdbcImport = 0;
    P.App.SetScreenCursor(Cursor::HourGlass);
    Query.Close();
    DB.Disconnect();

    std::string sql;
    const std::string& table = TableName->Text();
    if (!table.empty() && table != " ") {
        // The name goes into the statement as it is: it must be a name and nothing more.
        if (std::optional<std::string> refusal = TableNameRefusal(table)) {
            Fail(*refusal);
            return false;
        }
        sql = "select * from " + table;
    } else if (SQL->Text().empty()) {
        P.App.SetScreenCursor(Cursor::Default);
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("You must specify a Database Table to View or an SQL SELECT statement.");
        return false;
    } else {
        sql = SQL->Text();
    }

    // The data source is only read: a statement that could change it is refused before anything is sent,
    // and the connection is read-only and rolls back whatever a statement did.
    if (std::optional<std::string> refusal = QueryRefusal(sql)) {
        Fail(*refusal);
        return false;
    }
    std::string error;
    if (!DB.Connect(AliasName->Text(), UserName->Text(), Password->Text(), &error, OdbcAccess::Reading) ||
        !Query.Open(DB, sql, &error)) {
        Fail(error);
        return false;
    }
    P.App.SetScreenCursor(Cursor::Default);
    P.OdbcImport = 1;
    FillGrid();
    for (const QueryColumn& column : Query.Columns()) {
        if (column.Type != ColumnType::Blob) continue;
        P.App.Beep(BeepKind::Exclamation);
        P.App.ShowMessage("BLOB objects such as images are not currently supported [" + column.Name + "]");
    }
    return true;
}

void TDBForm::FillGrid() {
    std::vector<std::string> titles;
    for (const QueryColumn& column : Query.Columns()) titles.push_back(column.Name);
    std::vector<std::vector<std::string>> rows;
    for (Query.First(); !Query.Eof(); Query.Next()) {
        std::vector<std::string> row;
        for (int c = 0; c < Query.ColumnCount(); ++c) {
            std::optional<std::string> v = Query.Value(c);
            if (!v) row.emplace_back();
            else if (Query.Columns()[std::size_t(c)].Type == ColumnType::Blob) row.emplace_back("(BLOB)");
            else row.push_back(*v);
        }
        rows.push_back(std::move(row));
    }
    Query.First();
    DBGrid->SetTable(titles, rows);
}

void TDBForm::GoButtonClick(Component* sender) {
    ReturnToDatabaseDirectory(P);
    std::string name = ImportName->Text();
    if (name.empty() || name == " " || name == "(null)" || name == "(null).db") name = "odbc.db";
    name = WithDbSuffix(FileNamePart(name));
    ImportName->SetText(name);
    if (!FastODBCImport->Checked() && PathExistsOnDisk(JoinPath(P.DatabaseDirectory, name))) {
        P.App.Beep(BeepKind::Question);
        if (P.App.MessageBox("A local Folivex database of the same name already exists. Replace ?",
                             "Replace local DATABASE?", MbYesNo | MbIconQuestion) != IdYes) {
            ImportName->SetText("");
            return;
        }
    }
    const std::optional<DatabaseFiles> files = DatabaseFilesFromDb(P.App, name);
    if (!files) return;
    // The names change only once the query is known to work; a failure leaves the dialog open to correct.
    if (!ConnectButtonClick(sender)) return;
    P.Files() = *files;
    Query.First();
    P.OdbcImport = 1;
    SetModalResult(MrOk);
}

void TDBForm::ExitButtonClick(Component*) {
    P.OdbcImport = 0;
    SetModalResult(MrCancel);
}

void TDBForm::HelpButtonClick(Component*) {
    P.ViewTarget = "#odbc";
    P.Main->ShowInBrowser(this);
}

}  // namespace fv
