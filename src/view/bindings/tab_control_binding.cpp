// A tab control as a strip of tabs without pages; the user's pick goes to the model as UserSelectTab.
#include <QTabBar>

#include "platform/ui/tab_control.h"
#include "view/bindings/binding_list.h"
#include "view/control_binding.h"
#include "view/qt_convert.h"
#include "view/widgets.h"

namespace fv {
namespace {

class TabControlBinding : public ControlBinding {
public:
    explicit TabControlBinding(TabControl& tabs) : ControlBinding(tabs), tabs_(tabs) {}

    // The strip has the focus for its bar: keys go to the model first.
    bool TakesFocus() const override { return true; }

    void ShowContent(BindingHost&, bool) override {
        QTabBar* bar = static_cast<TabStrip*>(Widget())->Bar();
        bool same = bar->count() == int(tabs_.Tabs.size());
        for (int i = 0; same && i < bar->count(); ++i) same = bar->tabText(i) == ToQString(tabs_.Tabs[std::size_t(i)]);
        if (!same) {
            while (bar->count() > 0) bar->removeTab(bar->count() - 1);
            for (const std::string& t : tabs_.Tabs) bar->addTab(ToQString(t));
        }
        if (bar->currentIndex() != tabs_.TabIndex()) bar->setCurrentIndex(tabs_.TabIndex());
    }

protected:
    QWidget* Create(BindingHost& host, QWidget* parent) override {
        auto* w = new ModelWidget<TabStrip>(host.Events(), parent);
        QObject::connect(w->Bar(), &QTabBar::currentChanged, w, [&host, w](int index) {
            Input<TabControl>(host, w, [index](TabControl& t) { t.UserSelectTab(index); });
        });
        return w;
    }

private:
    TabControl& tabs_;
};

}  // namespace

std::unique_ptr<ControlBinding> BindTabControl(Control& control) { return BindKind<TabControlBinding, TabControl>(control); }

}  // namespace fv
