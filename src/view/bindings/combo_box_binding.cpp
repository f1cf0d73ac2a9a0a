// A combo box as a QComboBox: editable unless it is a drop-down list, the user's pick and typing go to the
// model, which never completes what is typed nor adds it to the list.
#include <QComboBox>
#include <QLineEdit>

#include "platform/ui/combo_box.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

bool SameItems(const QComboBox* combo, const QStringList& items) {
    if (combo->count() != items.size()) return false;
    for (int i = 0; i < items.size(); ++i)
        if (combo->itemText(i) != items[i]) return false;
    return true;
}

class ComboBoxBinding : public ControlBinding {
public:
    explicit ComboBoxBinding(ComboBox& combo) : ControlBinding(combo), combo_(combo) {}

    void ShowText(BindingHost&) override {
        auto* q = static_cast<QComboBox*>(Widget());
        const QString text = ToQString(combo_.Text());
        if (q->isEditable() && q->currentText() != text) q->setEditText(text);
    }
    void ShowContent(BindingHost& host, bool items) override {
        auto* q = static_cast<QComboBox*>(Widget());
        bool editable = combo_.Style != ComboBox::ComboStyle::DropDownList;
        if (q->isEditable() != editable) {
            q->setEditable(editable);
            if (editable) {
                q->setCompleter(nullptr);
                // The text part covers the box but for its edge and arrow: its double clicks are the box's.
                new DoubleClickRelay(*host.Events(), q, q->lineEdit());
                QObject::connect(q->lineEdit(), &QLineEdit::textEdited, q, [&host, q](const QString& text) {
                    Input<ComboBox>(host, q, [&](ComboBox& cb) { cb.UserSetText(FromQString(text)); });
                });
            }
        }
        if (items) {
            QStringList list = ToQStringList(combo_.Items());
            if (!SameItems(q, list)) {
                q->clear();
                q->addItems(list);
            }
        }
        if (q->currentIndex() != combo_.ItemIndex()) q->setCurrentIndex(combo_.ItemIndex());
    }
    void ShowColours(QPalette& palette, QWidget*) const override { ShowRoleColour(palette, QPalette::Base, ClWindow); }
    bool TakesFocus() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QComboBox>(host.Events(), parent);
        w->setInsertPolicy(QComboBox::NoInsert);
        QObject::connect(w, &QComboBox::activated, w, [&host, w](int index) {
            Input<ComboBox>(host, w, [index](ComboBox& c) { c.UserSelect(index); });
        });
        return w;
    }

private:
    ComboBox& combo_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindComboBox(Control& control) { return BindKind<ComboBoxBinding, ComboBox>(control); }

}  // namespace fv
