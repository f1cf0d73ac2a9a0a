// An up-down as a pair of arrow buttons that step the model's Position by its Increment; an arrow is off
// at its end.
#include <QToolButton>

#include "platform/ui/range_control.h"
#include "platform/ui/up_down.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/widgets.h"

namespace fv {
namespace {

class UpDownBinding : public ControlBinding {
public:
    explicit UpDownBinding(UpDown& updown) : ControlBinding(updown), updown_(updown) {}

    void ShowContent(BindingHost&, bool) override {
        auto* q = static_cast<ArrowPair*>(Widget());
        q->Up()->setEnabled(updown_.Position() < updown_.Max());
        q->Down()->setEnabled(updown_.Position() > updown_.Min());
    }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<ArrowPair>(host.Events(), parent);
        QObject::connect(w->Up(), &QToolButton::clicked, w, [&host, w] {
            Input<UpDown>(host, w, [](UpDown& u) { u.StepUp(); });
        });
        QObject::connect(w->Down(), &QToolButton::clicked, w, [&host, w] {
            Input<UpDown>(host, w, [](UpDown& u) { u.StepDown(); });
        });
        return w;
    }

private:
    UpDown& updown_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindUpDown(Control& control) { return BindKind<UpDownBinding, UpDown>(control); }

}  // namespace fv
