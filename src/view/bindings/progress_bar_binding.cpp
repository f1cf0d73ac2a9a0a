// A progress bar as a QProgressBar without the percentage text.
#include <QProgressBar>

#include "platform/ui/progress_bar.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/widgets.h"

namespace fv {
namespace {

class ProgressBarBinding : public ControlBinding {
public:
    explicit ProgressBarBinding(ProgressBar& bar) : ControlBinding(bar), bar_(bar) {}

    void ShowContent(BindingHost&, bool) override {
        auto* q = static_cast<QProgressBar*>(Widget());
        q->setRange(bar_.Min(), bar_.Max());
        q->setValue(bar_.Position());
    }
    bool ClickOnRelease() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QProgressBar>(host.Events(), parent);
        w->setTextVisible(false);
        return w;
    }

private:
    ProgressBar& bar_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindProgressBar(Control& control) {
    return BindKind<ProgressBarBinding, ProgressBar>(control);
}

}  // namespace fv
