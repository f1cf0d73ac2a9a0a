// A list box as a QListWidget: a new current row is the user's pick, and so is a click on the row that was
// already current, which changes nothing in Qt. The rows of an owner-drawn list are drawn by the list
// itself, each through a canvas on a picture of the row, at the list's row height.
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>

#include "platform/gfx/canvas.h"
#include "platform/ui/list_box.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_canvas.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

bool SameItems(const QListWidget* list, const QStringList& items) {
    if (list->count() != items.size()) return false;
    for (int i = 0; i < items.size(); ++i)
        if (list->item(i)->text() != items[i]) return false;
    return true;
}

// Draws the rows of an owner-drawn list. A widget may outlive its control for a moment (until the loop
// deletes it): only while the view still shows this control on the widget does it draw through it.
class OwnerDrawnRows : public QStyledItemDelegate {
public:
    OwnerDrawnRows(BindingHost& host, QListWidget* widget, ListBox& list)
        : QStyledItemDelegate(widget), host_(host), widget_(widget), list_(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (!Shown() || option.rect.isEmpty()) return QStyledItemDelegate::paint(painter, option, index);
        QImage row(option.rect.size(), QImage::Format_RGB32);
        row.fill(Qt::white);
        {
            QtCanvas canvas(row);
            list_.DrawItem(canvas, index.row(), {0, 0, row.width(), row.height()}, list_.Selected(index.row()));
        }
        painter->drawImage(option.rect.topLeft(), row);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        if (!Shown()) return QStyledItemDelegate::sizeHint(option, index);
        return {option.rect.width(), list_.ItemHeight()};
    }

private:
    bool Shown() const { return host_.ControlOf(widget_) == &list_; }
    BindingHost& host_;
    QListWidget* widget_;
    ListBox& list_;
};

class ListBoxBinding : public ControlBinding {
public:
    explicit ListBoxBinding(ListBox& list) : ControlBinding(list), list_(list) {}

    void ShowContent(BindingHost&, bool items) override {
        auto* q = static_cast<QListWidget*>(Widget());
        q->setSelectionMode(list_.MultiSelect ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
        if (items) {
            QStringList entries = ToQStringList(list_.Items());
            if (!SameItems(q, entries)) {
                q->clear();
                q->addItems(entries);
            }
        }
        if (q->currentRow() != list_.ItemIndex()) {
            q->setCurrentRow(list_.ItemIndex());
            if (list_.ItemIndex() < 0) q->clearSelection();
        }
        ShowSelection();
    }
    // Several rows of a multi-select list show the model's selection.
    void ShowSelection() override {
        if (!list_.MultiSelect) return;
        auto* q = static_cast<QListWidget*>(Widget());
        for (int i = 0; i < q->count(); ++i)
            if (q->item(i)->isSelected() != list_.Selected(i)) q->item(i)->setSelected(list_.Selected(i));
    }
    void ShowColours(QPalette& palette, QWidget*) const override { ShowRoleColour(palette, QPalette::Base, ClWindow); }
    bool TakesFocus() const override { return true; }
    void Pressed() override { rowBeforePress_ = static_cast<QListWidget*>(Widget())->currentRow(); }
    void DoubleClicked() override { rowBeforePress_ = -1; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QListWidget>(host.Events(), parent);
        if (list_.ItemHeight() > 0) {
            w->setItemDelegate(new OwnerDrawnRows(host, w, list_));
            w->setUniformItemSizes(true);
        }
        QObject::connect(w, &QListWidget::currentRowChanged, w, [&host, w](int row) {
            if (row >= 0) Input<ListBox>(host, w, [row](ListBox& l) { l.UserSelect(row); });
        });
        QObject::connect(w, &QListWidget::itemSelectionChanged, w, [&host, w] {
            auto* list = dynamic_cast<ListBox*>(host.ControlOf(w));
            if (!list || !list->MultiSelect) return;
            std::vector<int> rows;
            for (int i = 0; i < w->count(); ++i)
                if (w->item(i)->isSelected()) rows.push_back(i);
            Input<ListBox>(host, w, [rows](ListBox& l) { l.UserSetSelection(rows); });
        });
        // The binding is gone when the view has let go of the control (the widget lingers until the loop
        // deletes it): only a widget still shown for this control may read the binding.
        QObject::connect(w, &QListWidget::itemClicked, w, [this, control = &GetControl(), &host, w](QListWidgetItem* item) {
            if (host.ControlOf(w) != control) return;
            int row = w->row(item);
            if (row >= 0 && row == rowBeforePress_) Input<ListBox>(host, w, [row](ListBox& l) { l.UserSelect(row); });
        });
        return w;
    }

private:
    ListBox& list_;
    int rowBeforePress_ = -1;  // the row current when the mouse went down
};

}  // namespace

std::unique_ptr<ControlBinding> BindListBox(Control& control) { return BindKind<ListBoxBinding, ListBox>(control); }

}  // namespace fv
