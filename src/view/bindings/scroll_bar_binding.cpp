// A scroll bar as a QScrollBar; the user's moves set the model's Position.
#include <QScrollBar>

#include <algorithm>

#include "platform/ui/range_control.h"
#include "platform/ui/scroll_bar.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/widgets.h"

namespace fv {
namespace {

class ScrollBarBinding : public ControlBinding {
public:
    explicit ScrollBarBinding(ScrollBar& bar) : ControlBinding(bar), bar_(bar) {}

    void ShowContent(BindingHost&, bool) override {
        auto* q = static_cast<QScrollBar*>(Widget());
        q->setOrientation(bar_.Vertical ? Qt::Vertical : Qt::Horizontal);
        // A page size, when the program gives one, is the thumb's length out of Max - Min + 1, and the
        // thumb's start then goes no further than Max - PageSize + 1; Qt counts its range without the page,
        // so the range shrinks by it. Without one the thumb keeps Qt's length for a large step.
        const int page = bar_.PageSize();
        q->setRange(bar_.Min(), page > 0 ? std::max(bar_.Min(), bar_.Max() - page + 1) : bar_.Max());
        q->setSingleStep(std::max(1, bar_.SmallChange));
        q->setPageStep(std::max(1, page > 0 ? page : bar_.LargeChange));
        q->setValue(std::clamp(bar_.Position(), q->minimum(), q->maximum()));
    }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QScrollBar>(host.Events(), parent);
        QObject::connect(w, &QScrollBar::valueChanged, w, [&host, w](int value) {
            Input<RangeControl>(host, w, [value](RangeControl& r) { r.SetPosition(value); });
        });
        return w;
    }

private:
    ScrollBar& bar_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindScrollBar(Control& control) { return BindKind<ScrollBarBinding, ScrollBar>(control); }

}  // namespace fv
