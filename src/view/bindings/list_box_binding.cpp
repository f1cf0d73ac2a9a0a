// A list box as a QListWidget: a new current row is the user's pick, and so is a click on the row that was
// already current, which changes nothing in Qt.
//
// A list that draws its own rows gets rows of its item height, each painted by the list through the raster
// canvas with the model's selection. Its mouse positions reach the model in the list's own coordinates
// (from the first row's top-left, scrolled rows included), the moves of the mouse as well (the cursor over
// its columns follows them), and a row the model drags is dropped where the mouse comes up: while the model
// drags, the widget does not select the rows the mouse passes over.
#include <QAbstractItemView>
#include <QImage>
#include <QListWidget>
#include <QPainter>
#include <QPointer>
#include <QStyledItemDelegate>

#include <functional>

#include "platform/gfx/canvas.h"
#include "platform/ui/list_box.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_canvas.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

// The rows of a list that draws them. The list is looked up at each use: the widget may outlive it.
class DrawnRows : public QStyledItemDelegate {
public:
    using Lookup = std::function<ListBox*()>;
    DrawnRows(QObject* parent, Lookup list) : QStyledItemDelegate(parent), list_(std::move(list)) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        ListBox* list = list_();
        if (!list || option.rect.isEmpty()) return;
        // A row spans the whole visible width, whatever width Qt lays the item out at.
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        const int width = view ? view->viewport()->width() - option.rect.left() : option.rect.width();
        if (width <= 0) return;
        QImage row(width, option.rect.height(), QImage::Format_RGB32);
        row.fill(Qt::white);
        {
            QtCanvas canvas(row);
            list->DrawItem(canvas, index.row(), {0, 0, width, option.rect.height()}, list->Selected(index.row()));
        }
        painter->drawImage(option.rect.topLeft(), row);
    }
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        ListBox* list = list_();
        if (!list) return QStyledItemDelegate::sizeHint(option, index);
        const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
        return {view ? view->viewport()->width() : option.rect.width(), list->ItemHeight()};
    }

private:
    Lookup list_;
};

// The widget of a list that draws its rows: reports the mouse's moves and releases to the binding, and
// keeps Qt's own selecting-by-moving out of a row drag.
class DrawnList : public QListWidget {
public:
    using Mouse = std::function<void(QMouseEvent* e, const QPoint& at)>;
    explicit DrawnList(QWidget* parent) : QListWidget(parent) {
        setUniformItemSizes(true);
        // Rows are as wide as the list: nothing to scroll sideways to.
        setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        viewport()->setMouseTracking(true);
    }

    Mouse Moved, Released;
    std::function<bool()> Dragging;

    // A point of the viewport in the list's own coordinates: from the first row's top-left.
    QPoint ContentPoint(const QPoint& inViewport) const {
        return count() > 0 ? inViewport - visualItemRect(item(0)).topLeft() : inViewport;
    }

protected:
    void mouseMoveEvent(QMouseEvent* e) override {
        QPointer<QWidget> alive(this);
        if (Moved) Moved(e, At(e));
        if (!alive) return;
        if (Dragging && Dragging()) e->accept();
        else QListWidget::mouseMoveEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent* e) override {
        QPointer<QWidget> alive(this);
        if (Released) Released(e, At(e));
        if (alive) QListWidget::mouseReleaseEvent(e);
    }

private:
    QPoint At(const QMouseEvent* e) const { return ContentPoint(viewport()->mapFromGlobal(e->globalPosition().toPoint())); }
};

bool SameItems(const QListWidget* list, const QStringList& items) {
    if (list->count() != items.size()) return false;
    for (int i = 0; i < items.size(); ++i)
        if (list->item(i)->text() != items[i]) return false;
    return true;
}

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
    QPoint ModelPoint(const QPoint& at) const override {
        auto* drawn = dynamic_cast<DrawnList*>(Widget());
        return drawn ? drawn->ContentPoint(drawn->viewport()->mapFrom(drawn, at)) : at;
    }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        QListWidget* w = list_.DrawsItems() ? MakeDrawn(host, parent) : new ModelWidget<QListWidget>(host.Events(), parent);
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
    QListWidget* MakeDrawn(BindingHost& host, QWidget* parent) {
        auto* w = new ModelWidget<DrawnList>(host.Events(), parent);
        BindingHost* h = &host;
        auto list = [h, w]() { return dynamic_cast<ListBox*>(h->ControlOf(w)); };
        w->setItemDelegate(new DrawnRows(w, list));
        w->Dragging = [list] {
            ListBox* l = list();
            return l && l->Dragging();
        };
        w->Moved = [h, w](QMouseEvent* e, const QPoint& at) {
            const unsigned shift = ShiftOf(e);
            h->UserAction(w, [&](Control& c) { c.MouseMove(shift, at.x(), at.y()); });
        };
        // The drop comes before the release reaches the model, as the end of a drag does.
        w->Released = [h, w](QMouseEvent* e, const QPoint& at) {
            if (e->button() != Qt::LeftButton) return;
            Input<ListBox>(*h, w, [&](ListBox& l) {
                if (l.Dragging()) l.DragDrop(&l, at.x(), at.y());
            });
        };
        return w;
    }

    ListBox& list_;
    int rowBeforePress_ = -1;  // the row current when the mouse went down
};

}  // namespace

std::unique_ptr<ControlBinding> BindListBox(Control& control) { return BindKind<ListBoxBinding, ListBox>(control); }

}  // namespace fv
