// Menus: a main menu of a form and its items. Items are components owned by the form.
#pragma once

#include <string>
#include <vector>

#include "platform/core/component.h"

namespace fv {

class Form;

class MenuItem : public Component {
public:
    MenuItem(Component* owner, std::string name = {}, std::string caption = {}, std::string shortCut = {});

    const std::string& Caption() const { return caption_; }
    void SetCaption(const std::string& c);
    // Shortcut as text: "Ctrl+O", "Ctrl+Shift+X", "F1"; empty for none.
    const std::string& ShortCut() const { return shortCut_; }
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    bool Checked() const { return checked_; }
    void SetChecked(bool v);
    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& h) { hint_ = h; }

    MenuItem* Parent() const { return parent_; }
    const std::vector<MenuItem*>& Items() const { return items_; }
    MenuItem* Add(MenuItem* item);
    // The caption without the access-key ampersands ("&&" stays one "&").
    std::string PlainCaption() const;
    bool IsSeparator() const { return caption_ == "-"; }

    // Runs OnClick when the item is enabled.
    void Click();
    NotifyEvent OnClick;

    // Depth-first search of the items below this one.
    MenuItem* FindByShortCut(const std::string& shortCut);
    MenuItem* FindByCaption(const std::string& plainCaption);

private:
    void Changed();
    std::string caption_, shortCut_, hint_;
    bool enabled_ = true, visible_ = true, checked_ = false;
    MenuItem* parent_ = nullptr;
    std::vector<MenuItem*> items_;
};

class MainMenu : public MenuItem {
public:
    MainMenu(Component* owner, std::string name = {}) : MenuItem(owner, std::move(name)) {}
};

// Normalises a shortcut text for comparison ("ctrl+o" and "Ctrl+O" are the same key).
std::string NormaliseShortCut(const std::string& s);

}  // namespace fv
