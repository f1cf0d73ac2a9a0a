// StringGrid.
#include "platform/ui/string_grid.h"

#include <algorithm>

namespace fv {

StringGrid::StringGrid(Component* owner, std::string name) : Control(owner, std::move(name)) {
    SetTabStop(true);
    Resize(0, 1);
}

void StringGrid::Resize(int cols, int rows) {
    colCount_ = std::max(0, cols);
    rowCount_ = std::max(0, rows);
    cells_.resize(std::size_t(rowCount_));
    for (auto& row : cells_) row.resize(std::size_t(colCount_));
    fixedRows_ = std::min(fixedRows_, rowCount_);
}

void StringGrid::SetColCount(int n) {
    Resize(n, rowCount_);
    Changed(Property::Items);
}

void StringGrid::SetRowCount(int n) {
    Resize(colCount_, n);
    Changed(Property::Items);
}

void StringGrid::SetFixedRows(int n) {
    fixedRows_ = std::clamp(n, 0, rowCount_);
    Changed(Property::Items);
}

const std::string& StringGrid::Cell(int col, int row) const {
    static const std::string none;
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) return none;
    return cells_[std::size_t(row)][std::size_t(col)];
}

void StringGrid::SetCell(int col, int row, const std::string& text) {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) return;
    cells_[std::size_t(row)][std::size_t(col)] = text;
    Changed(Property::Items);
}

void StringGrid::SetTable(const std::vector<std::string>& titles, const std::vector<std::vector<std::string>>& rows) {
    fixedRows_ = 1;
    Resize(int(titles.size()), int(rows.size()) + 1);
    cells_[0] = titles;
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (std::size_t c = 0; c < titles.size() && c < rows[r].size(); ++c) cells_[r + 1][c] = rows[r][c];
    Changed(Property::Items);
}

void StringGrid::Clear() {
    fixedRows_ = 1;
    cells_.clear();
    Resize(0, 1);
    Changed(Property::Items);
}

}  // namespace fv
