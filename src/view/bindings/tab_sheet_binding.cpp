// A tab sheet as a surface; on a page control its caption is the caption of its tab.
#include <QTabWidget>

#include "platform/ui/page_control.h"
#include "platform/ui/tab_sheet.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class TabSheetBinding : public ControlBinding {
public:
    explicit TabSheetBinding(TabSheet& sheet) : ControlBinding(sheet), sheet_(sheet) {}

    void ShowText(BindingHost& host) override {
        PageControl* pages = sheet_.PageControlOf();
        auto* tabs = pages ? qobject_cast<QTabWidget*>(host.WidgetOf(*pages)) : nullptr;
        if (!tabs) return;
        if (int i = tabs->indexOf(Widget()); i >= 0) tabs->setTabText(i, ToQString(sheet_.Text()));
    }
    void ShowColours(QPalette& palette, QWidget* target) const override { ShowSurfaceColour(palette, target); }
    bool ClickOnRelease() const override { return true; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override { return new ModelWidget<QWidget>(host.Events(), parent); }

private:
    TabSheet& sheet_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindTabSheet(Control& control) { return BindKind<TabSheetBinding, TabSheet>(control); }

}  // namespace fv
