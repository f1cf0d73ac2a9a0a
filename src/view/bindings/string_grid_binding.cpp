// A string grid as a read-only QTableWidget: the fixed row shows as the column titles, the rows below it
// as the table's rows.
#include <QHeaderView>
#include <QTableWidget>

#include <algorithm>

#include "platform/ui/string_grid.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class StringGridBinding : public ControlBinding {
public:
    explicit StringGridBinding(StringGrid& grid) : ControlBinding(grid), grid_(grid) {}

    void ShowContent(BindingHost&, bool) override {
        auto* q = static_cast<QTableWidget*>(Widget());
        const int fixed = std::min(1, grid_.FixedRows());
        q->setColumnCount(grid_.ColCount());
        q->setRowCount(std::max(0, grid_.RowCount() - fixed));
        q->horizontalHeader()->setVisible(fixed > 0);
        for (int col = 0; col < grid_.ColCount(); ++col) {
            if (fixed) q->setHorizontalHeaderItem(col, new QTableWidgetItem(ToQString(grid_.Cell(col, 0))));
            q->setColumnWidth(col, grid_.DefaultColWidth);
            for (int row = fixed; row < grid_.RowCount(); ++row)
                q->setItem(row - fixed, col, new QTableWidgetItem(ToQString(grid_.Cell(col, row))));
        }
    }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QTableWidget>(host.Events(), parent);
        w->setEditTriggers(QAbstractItemView::NoEditTriggers);
        w->verticalHeader()->hide();
        return w;
    }

private:
    StringGrid& grid_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindStringGrid(Control& control) { return BindKind<StringGridBinding, StringGrid>(control); }

}  // namespace fv
