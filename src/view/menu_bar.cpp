// A form's main menu in a Qt menu bar.
#include "view/menu_bar.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <functional>

#include "view/qt_convert.h"

namespace fv {

namespace {

// Sees every key a widget of the bar's window is asked to keep for itself before shortcuts are looked at,
// and refuses it for the menu's keys, so that the menu item runs instead.
class MenuKeysFirst : public QObject {
public:
    MenuKeysFirst(QMenuBar& bar, std::function<bool(const QKeySequence&)> isMenuKey)
        : QObject(&bar), bar_(bar), isMenuKey_(std::move(isMenuKey)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::ShortcutOverride) return false;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget || widget->window() != bar_.window()) return false;
        auto* key = static_cast<QKeyEvent*>(event);
        if (!(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) return false;
        if (!isMenuKey_(QKeySequence(key->keyCombination()))) return false;
        event->ignore();  // not the widget's: the shortcut map goes on to the menu's action
        return true;
    }

private:
    QMenuBar& bar_;
    std::function<bool(const QKeySequence&)> isMenuKey_;
};

}  // namespace

MenuBarBinding::MenuBarBinding(QMenuBar& bar, Application& app) : bar_(bar), app_(app) {
    menuKeysFirst_ = new MenuKeysFirst(bar, [this](const QKeySequence& key) { return IsMenuKey(key); });
    qApp->installEventFilter(menuKeysFirst_);
}

bool MenuBarBinding::IsMenuKey(const QKeySequence& key) const {
    if (!menu_ || key.isEmpty()) return false;
    for (const auto& [item, action] : actions_)
        if (action->isEnabled() && !action->shortcut().isEmpty() && action->shortcut() == key) return true;
    return false;
}

MenuBarBinding::~MenuBarBinding() { delete menuKeysFirst_.data(); }

QAction* MenuBarBinding::ActionOf(const MenuItem& item) const {
    auto it = actions_.find(&item);
    return it == actions_.end() ? nullptr : it->second;
}

void MenuBarBinding::SetMenu(MainMenu* menu) {
    // The old actions may be in the middle of being chosen: they go once control is back in the loop.
    for (QAction* a : bar_.actions()) {
        bar_.removeAction(a);
        if (QMenu* m = a->menu()) m->deleteLater();
        else a->deleteLater();
    }
    actions_.clear();
    submenus_.clear();
    menu_ = menu;
    if (menu_) SyncChildren(*menu_, &bar_);
}

void MenuBarBinding::ItemChanged(MenuItem& item) {
    if (!menu_) return;
    if (&item == menu_) {
        SyncChildren(item, &bar_);
        return;
    }
    QAction* action = ActionOf(item);
    if (!action) return;  // not under this bar's menu
    bool wantsMenu = !item.Items().empty();
    if (wantsMenu && !submenus_.count(&item)) {
        // A plain item that now has items of its own becomes a submenu in the same place.
        QWidget* into = action->associatedObjects().isEmpty()
                            ? static_cast<QWidget*>(&bar_)
                            : qobject_cast<QWidget*>(action->associatedObjects().front());
        if (!into) into = &bar_;
        Forget(item);
        QAction* replacement = MakeAction(item);
        into->insertAction(action, replacement);
        into->removeAction(action);
        action->deleteLater();
        action = replacement;
    }
    SyncAction(item, action);
    if (QMenu* sub = submenus_.count(&item) ? submenus_[&item] : nullptr) SyncChildren(item, sub);
}

void MenuBarBinding::Forget(MenuItem& item) {
    actions_.erase(&item);
    submenus_.erase(&item);
}

void MenuBarBinding::SyncChildren(MenuItem& parent, QWidget* into) {
    QAction* before = nullptr;
    // Walk backwards so each new action can be put before the one of the item that follows it.
    const auto& items = parent.Items();
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        MenuItem& item = **it;
        QAction* action = ActionOf(item);
        if (!action) {
            action = MakeAction(item);
            into->insertAction(before, action);
        }
        before = action;
    }
}

QAction* MenuBarBinding::MakeAction(MenuItem& item) {
    QAction* action;
    if (!item.Items().empty()) {
        auto* sub = new QMenu(&bar_);
        submenus_[&item] = sub;
        action = sub->menuAction();
        SyncChildren(item, sub);
    } else {
        action = new QAction(&bar_);
        if (item.IsSeparator()) action->setSeparator(true);
        QObject::connect(action, &QAction::triggered, &bar_, [this, i = &item] { Chosen(i); });
    }
    actions_[&item] = action;
    SyncAction(item, action);
    return action;
}

void MenuBarBinding::SyncAction(MenuItem& item, QAction* action) {
    if (!item.IsSeparator()) action->setText(ToQString(item.Caption()));
    action->setEnabled(item.Enabled());
    action->setVisible(item.Visible());
    if (item.Checked()) action->setCheckable(true);
    if (action->isCheckable()) action->setChecked(item.Checked());
    if (item.Items().empty()) action->setShortcut(ToKeySequence(item.ShortCut()));
    action->setStatusTip(ToQString(item.Hint()));
}

void MenuBarBinding::Chosen(MenuItem* item) {
    MainMenu* menu = menu_;
    app_.Dispatch([item] { item->Click(); });
    // A checkable action toggled itself; the model says what it is. The click may have replaced the menu.
    if (menu_ == menu)
        if (QAction* a = ActionOf(*item)) SyncAction(*item, a);
}

}  // namespace fv
