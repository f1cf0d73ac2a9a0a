// A panel as a framed surface: always painted in its own colour, its caption in the middle, its children
// inside the edges.
#include "platform/ui/panel.h"
#include "view/bindings/binding_list.h"
#include "view/bindings/edges.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class PanelBinding : public ControlBinding {
public:
    explicit PanelBinding(Panel& panel) : ControlBinding(panel), panel_(panel) {}

    void ShowText(BindingHost&) override { Frame()->SetCaption(StripAccessKeys(panel_.Text())); }
    void ShowContent(BindingHost&, bool) override {
        Frame()->SetEdges(ToEdge(panel_.BevelOuter), ToEdge(panel_.BevelInner), panel_.BorderWidth);
    }
    void ShowColours(QPalette& palette, QWidget* target) const override { ShowSurfaceColour(palette, target); }
    bool ClickOnRelease() const override { return true; }
    QRect AlignArea() const override { return Frame()->Inside(); }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override { return new ModelWidget<PanelFrame>(host.Events(), parent); }

private:
    PanelFrame* Frame() const { return static_cast<PanelFrame*>(Widget()); }
    Panel& panel_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindPanel(Control& control) { return BindKind<PanelBinding, Panel>(control); }

}  // namespace fv
