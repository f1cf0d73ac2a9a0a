// StringGrid: a grid of text cells with a fixed row of column titles on top, as the data grid of the
// ODBC dialog shows a query's result. Every change of the cells or of the counts is reported to the view.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace fv {

class StringGrid : public Control {
public:
    StringGrid(Component* owner, std::string name = {});
    const char* Kind() const override { return "StringGrid"; }
    bool CanFocus() const override { return true; }

    int ColCount() const { return colCount_; }
    int RowCount() const { return rowCount_; }
    // Rows counted from the top, the fixed rows included. Cells outside keep nothing and read empty.
    void SetColCount(int n);
    void SetRowCount(int n);
    int FixedRows() const { return fixedRows_; }
    void SetFixedRows(int n);

    const std::string& Cell(int col, int row) const;
    void SetCell(int col, int row, const std::string& text);
    // Replaces every cell at once: the column titles as the fixed row, then the rows.
    void SetTable(const std::vector<std::string>& titles, const std::vector<std::vector<std::string>>& rows);
    // No columns and no rows but the fixed one.
    void Clear();
    bool ReadOnly = true;
    int DefaultColWidth = 80;

private:
    void Resize(int cols, int rows);
    int colCount_ = 0;
    int rowCount_ = 1;
    int fixedRows_ = 1;
    std::vector<std::vector<std::string>> cells_;  // [row][col]
};

}  // namespace fv
