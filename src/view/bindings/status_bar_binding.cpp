// A status bar as a row of sunken QLabels: one across the whole width for the simple text, else one per
// panel at the panel's width, the last one taking what is left.
#include <QHBoxLayout>
#include <QLabel>

#include "platform/ui/status_bar.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class StatusBarBinding : public ControlBinding {
public:
    explicit StatusBarBinding(StatusBar& bar) : ControlBinding(bar), bar_(bar) {}

    void ShowText(BindingHost&) override { ShowPanels(); }
    void ShowContent(BindingHost&, bool) override { ShowPanels(); }
    void ShowColours(QPalette& palette, QWidget* target) const override { ShowSurfaceColour(palette, target); }
    bool ClickOnRelease() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QWidget>(host.Events(), parent);
        auto* row = new QHBoxLayout(w);
        row->setContentsMargins(0, 0, 0, 0);
        row->setSpacing(2);
        return w;
    }

private:
    void ShowPanels() {
        auto* row = static_cast<QHBoxLayout*>(Widget()->layout());
        const std::vector<StatusPanel> panels = bar_.ShownPanels();
        while (row->count() > int(panels.size())) {
            QLayoutItem* item = row->takeAt(row->count() - 1);
            delete item->widget();
            delete item;
        }
        while (row->count() < int(panels.size())) {
            auto* label = new QLabel(Widget());
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setTextFormat(Qt::PlainText);
            label->setIndent(2);
            row->addWidget(label);
        }
        for (int i = 0; i < int(panels.size()); ++i) {
            auto* label = static_cast<QLabel*>(row->itemAt(i)->widget());
            const QString text = QString::fromStdString(panels[std::size_t(i)].Text);
            if (label->text() != text) label->setText(text);
            const bool last = i + 1 == int(panels.size());
            if (last) {
                label->setMinimumWidth(0);
                label->setMaximumWidth(QWIDGETSIZE_MAX);
                row->setStretch(i, 1);
            } else {
                label->setFixedWidth(panels[std::size_t(i)].Width);
                row->setStretch(i, 0);
            }
        }
    }

    StatusBar& bar_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindStatusBar(Control& control) { return BindKind<StatusBarBinding, StatusBar>(control); }

}  // namespace fv
