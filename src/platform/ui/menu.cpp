// Menu items: captions, shortcuts and clicks.
#include "platform/ui/menu.h"

#include <cctype>

#include "platform/ui/form.h"

namespace fv {

MenuItem::MenuItem(Component* owner, std::string name, std::string caption, std::string shortCut)
    : Component(owner, std::move(name)), caption_(std::move(caption)), shortCut_(std::move(shortCut)) {}

MenuItem* MenuItem::Add(MenuItem* item) {
    item->parent_ = this;
    items_.push_back(item);
    Changed();
    return item;
}

void MenuItem::Changed() {
    for (Component* c = Owner(); c; c = c->Owner())
        if (auto* f = dynamic_cast<Form*>(c)) {
            if (ControlObserver* o = f->GetObserver()) o->MenuChanged(*this);
            return;
        }
}

void MenuItem::SetCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    Changed();
}

void MenuItem::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed();
}

void MenuItem::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed();
}

void MenuItem::SetChecked(bool v) {
    if (v == checked_) return;
    checked_ = v;
    Changed();
}

std::string MenuItem::PlainCaption() const {
    std::string out;
    for (std::size_t i = 0; i < caption_.size(); ++i) {
        if (caption_[i] == '&') {
            if (i + 1 < caption_.size() && caption_[i + 1] == '&') out += '&', ++i;
            continue;
        }
        out += caption_[i];
    }
    return out;
}

void MenuItem::Click() {
    if (!enabled_) return;
    if (OnClick) OnClick(this);
}

std::string NormaliseShortCut(const std::string& s) {
    std::string out;
    for (char c : s)
        if (c != ' ') out += char(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

MenuItem* MenuItem::FindByShortCut(const std::string& shortCut) {
    std::string key = NormaliseShortCut(shortCut);
    for (MenuItem* i : items_) {
        if (!i->shortCut_.empty() && NormaliseShortCut(i->shortCut_) == key) return i;
        if (MenuItem* found = i->FindByShortCut(shortCut)) return found;
    }
    return nullptr;
}

MenuItem* MenuItem::FindByCaption(const std::string& plainCaption) {
    for (MenuItem* i : items_) {
        if (i->PlainCaption() == plainCaption) return i;
        if (MenuItem* found = i->FindByCaption(plainCaption)) return found;
    }
    return nullptr;
}

}  // namespace fv
