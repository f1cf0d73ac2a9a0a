// MenuBarBinding: a form's main menu shown in its window's menu bar. Captions keep their "&" access keys,
// "-" is a separator, shortcut texts become key sequences, and choosing an item runs MenuItem::Click as
// an event handler. Changes to an item (caption, enabled, visible, checked, new sub-items) update the
// bar in place, because the item that changed may be the one being chosen right now. A key that is the
// shortcut of an item of the menu runs that item even when the box that has the focus would take the key
// for itself (some desktops make Ctrl+E the end of the line in a text box): the menu's keys come first.
#pragma once

#include <QPointer>

#include <unordered_map>

#include "platform/app/application.h"
#include "platform/ui/menu.h"

class QAction;
class QKeySequence;
class QMenu;
class QMenuBar;
class QWidget;

namespace fv {

class MenuBarBinding {
public:
    MenuBarBinding(QMenuBar& bar, Application& app);
    ~MenuBarBinding();
    MenuBarBinding(const MenuBarBinding&) = delete;
    MenuBarBinding& operator=(const MenuBarBinding&) = delete;

    // Shows this menu (null: none), replacing what the bar held.
    void SetMenu(MainMenu* menu);
    MainMenu* Menu() const { return menu_; }
    // The item changed, or items were added under it.
    void ItemChanged(MenuItem& item);

    QAction* ActionOf(const MenuItem& item) const;

private:
    // Gives every item under parent its action, in order, inside `into` (the bar or a submenu).
    void SyncChildren(MenuItem& parent, QWidget* into);
    QAction* MakeAction(MenuItem& item);
    void SyncAction(MenuItem& item, QAction* action);
    void Forget(MenuItem& item);
    void Chosen(MenuItem* item);
    // The key is the shortcut of an enabled item of this menu.
    bool IsMenuKey(const QKeySequence& key) const;

    QMenuBar& bar_;
    Application& app_;
    MainMenu* menu_ = nullptr;
    std::unordered_map<const MenuItem*, QAction*> actions_;
    std::unordered_map<const MenuItem*, QMenu*> submenus_;
    QPointer<QObject> menuKeysFirst_;  // the filter that gives the menu's keys to the menu; owned by the bar
};

}  // namespace fv
