// The ODBC connection dialog "ODBC Database Connection": connects to a data source, runs a table's
// "select *" or an SQL statement, shows the result in a grid, and names the local database that the
// imported rows become. The load reads the query and the grid through this form.
#pragma once

#include "platform/db/odbc.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/button.h"
#include "platform/ui/check_box.h"
#include "platform/ui/combo_box.h"
#include "platform/ui/edit.h"
#include "platform/ui/image.h"
#include "platform/ui/label.h"
#include "platform/ui/memo.h"
#include "platform/ui/panel.h"
#include "platform/ui/string_grid.h"
#include "program/program_form.h"

namespace fv {

class TDBForm : public ProgramForm {
public:
    TDBForm(Component* owner, Program& program);

    Panel* MainPanel;
    Label* AliasLabel;
    Edit* AliasName;
    Label* UserLabel;
    Edit* UserName;
    Label* PasswordLabel;
    Edit* Password;
    Label* TableLabel;
    Edit* TableName;
    Label* SQLLabel;
    Memo* SQL;
    Label* ImportNameLabel;
    Edit* ImportName;
    CheckBox* UseODBClabels;
    ComboBox* ODBCfieldConversionType;
    CheckBox* FastODBCImport;
    Button* ConnectButton;
    Button* GoButton;
    BitBtn* ExitButton;
    BitBtn* HelpButton;
    Label* ResultsLabel;
    StringGrid* DBGrid;
    Image* TheImage;

    // The connection and the query's result (all rows, in memory).
    OdbcConnection DB;
    OdbcQuery Query;

    void FormShow(Component* sender);
    // Connects and runs the query; false (after the message) when either fails.
    bool ConnectButtonClick(Component* sender);
    void GoButtonClick(Component* sender);
    void ExitButtonClick(Component* sender);
    void HelpButtonClick(Component* sender);

private:
    void FillGrid();
    void Fail(const std::string& message);
};

}  // namespace fv
