// A bevel as a drawn box or line; it takes no input and keeps its parent's colour.
#include "platform/ui/bevel.h"
#include "view/bindings/binding_list.h"
#include "view/bindings/edges.h"
#include "view/control_binding.h"
#include "view/widgets.h"

namespace fv {
namespace {

class BevelBinding : public ControlBinding {
public:
    explicit BevelBinding(Bevel& bevel) : ControlBinding(bevel), bevel_(bevel) {}

    void ShowContent(BindingHost&, bool) override {
        static_cast<BevelShape*>(Widget())->SetShape(BevelShape::Shape(int(bevel_.BevelShape)), ToEdge(bevel_.Style));
    }
    void ShowColours(QPalette&, QWidget*) const override {}
    bool Graphic() const override { return true; }

protected:
    QWidget* Create(BindingHost&, QWidget* parent) override { return new BevelShape(parent); }

private:
    Bevel& bevel_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindBevel(Control& control) { return BindKind<BevelBinding, Bevel>(control); }

}  // namespace fv
