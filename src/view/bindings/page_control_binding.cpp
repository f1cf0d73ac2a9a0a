// A page control as a QTabWidget whose pages are the widgets of its tab sheets. The tab widget shows and
// stacks the pages itself; the user's pick of a tab goes to the model as UserSelectPage.
#include <QTabWidget>

#include "platform/ui/page_control.h"
#include "platform/ui/tab_sheet.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/widgets.h"

namespace fv {
namespace {

class PageControlBinding : public ControlBinding {
public:
    explicit PageControlBinding(PageControl& pages) : ControlBinding(pages), pages_(pages) {}

    void ShowContent(BindingHost& host, bool) override {
        auto* q = static_cast<QTabWidget*>(Widget());
        // The tabs first: hiding the current tab would move Qt's current page away from the model's.
        for (TabSheet* sheet : pages_.Pages())
            if (QWidget* page = host.WidgetOf(*sheet))
                if (int i = q->indexOf(page); i >= 0) {
                    q->setTabEnabled(i, sheet->Enabled());
                    q->setTabVisible(i, sheet->TabVisible());
                }
        if (TabSheet* active = pages_.ActivePage())
            if (QWidget* page = host.WidgetOf(*active)) {
                if (q->currentWidget() != page) q->setCurrentWidget(page);
                // Hiding a tab hides its page as well, also the current one: a page control whose tabs are
                // all hidden still shows its active page.
                if (page->isHidden()) page->setVisible(true);
            }
    }
    void ShowColours(QPalette&, QWidget*) const override {}
    bool StacksChildren() const override { return false; }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<QTabWidget>(host.Events(), parent);
        QObject::connect(w, &QTabWidget::currentChanged, w, [&host, w](int index) {
            auto* sheet = dynamic_cast<TabSheet*>(host.ControlOf(w->widget(index)));
            if (sheet) Input<PageControl>(host, w, [sheet](PageControl& p) { p.UserSelectPage(sheet); });
        });
        return w;
    }

private:
    PageControl& pages_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindPageControl(Control& control) {
    return BindKind<PageControlBinding, PageControl>(control);
}

}  // namespace fv
