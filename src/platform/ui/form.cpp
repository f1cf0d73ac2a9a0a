// Form: showing, hiding, modal runs, focus and menus.
#include "platform/ui/form.h"

#include <algorithm>
#include <stdexcept>

#include "platform/core/message_loop.h"
#include "platform/ui/menu.h"

namespace fv {

Form::Form(Component* owner, std::string name) : Control(owner, std::move(name)) {
    host_ = Host();
    // A form is created hidden; the program shows it.
    SetVisible(false);
}

Form::~Form() {
    // Free the controls now, while this is still a form they can report to.
    observer_ = nullptr;
    DestroyOwned();
    if (host_) host_->FormDestroyed(*this);
}

FormHost* Form::Host() const {
    for (Component* c = Owner(); c; c = c->Owner())
        if (auto* h = dynamic_cast<FormHost*>(c)) return h;
    return nullptr;
}

int Form::ClientWidth() const {
    return border_ == FormBorder::None ? Width() : std::max(0, Width() - FrameWidth);
}

int Form::ClientHeight() const {
    int menuBar = menu_ ? 19 : 0;
    return border_ == FormBorder::None ? Height() : std::max(0, Height() - FrameHeight - menuBar);
}

void Form::SetClientSize(int width, int height) {
    int menuBar = menu_ ? 19 : 0;
    if (border_ == FormBorder::None) SetBounds(Left(), Top(), width, height);
    else SetBounds(Left(), Top(), width + FrameWidth, height + FrameHeight + menuBar);
}

void Form::SetBounds(int left, int top, int width, int height) {
    Control::SetBounds(left, top, std::max(width, minWidth_), std::max(height, minHeight_));
}

void Form::SetMinimumSize(int width, int height) {
    if (width == minWidth_ && height == minHeight_) return;
    minWidth_ = std::max(0, width);
    minHeight_ = std::max(0, height);
    if (Width() < minWidth_ || Height() < minHeight_) SetBounds(Left(), Top(), Width(), Height());
    else Changed(Property::Bounds);
}

int Form::MinimumClientWidth() const {
    return border_ == FormBorder::None ? minWidth_ : std::max(0, minWidth_ - FrameWidth);
}

int Form::MinimumClientHeight() const {
    int menuBar = menu_ ? 19 : 0;
    return border_ == FormBorder::None ? minHeight_ : std::max(0, minHeight_ - FrameHeight - menuBar);
}

void Form::SetBorder(FormBorder b) {
    if (b == border_) return;
    border_ = b;
    Changed(Property::Style);
}

void Form::SetVisible(bool v) {
    if (Parent()) {
        // Inside another control: shown and hidden as a control is, with the form's own events.
        if (v == Visible()) return;
        Control::SetVisible(v);
        if (v && OnShow) OnShow(this);
        if (!v && OnHide) OnHide(this);
        return;
    }
    if (v == Visible()) {
        if (v) if (FormHost* h = Host(); h && h->ActiveForm() != this) {
            h->SetActiveForm(this);
            if (OnActivate) OnActivate(this);
        }
        return;
    }
    Control::SetVisible(v);
    FormHost* h = Host();
    if (v) {
        if (h) h->FormShown(*this);
        if (OnShow) OnShow(this);
        if (h && h->ActiveForm() != this) {
            h->SetActiveForm(this);
            if (OnActivate) OnActivate(this);
        }
    } else {
        if (OnHide) OnHide(this);
        if (h) h->FormHidden(*this);
    }
}

int Form::ShowModal() {
    if (modal_) throw std::logic_error("Cannot make a visible window modal");
    MessageLoop* loop = Loop();
    if (!loop) throw std::logic_error("ShowModal needs an application with a message loop");
    modalResult_ = MrNone;
    modal_ = true;
    FormHost* h = Host();
    Form* previous = h ? h->ActiveForm() : nullptr;
    SetVisible(true);
    if (h) h->ModalStarted(*this);
    try {
        loop->RunUntil([this] { return modalResult_ != MrNone || !Visible(); });
    } catch (...) {
        modal_ = false;
        SetVisible(false);
        if (h) h->ModalEnded(*this);
        throw;
    }
    if (modalResult_ == MrNone) modalResult_ = MrCancel;
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(this, action);
    modal_ = false;
    SetVisible(false);
    if (h) {
        h->ModalEnded(*this);
        if (previous && previous != this && previous->Visible()) h->SetActiveForm(previous);
    }
    return modalResult_;
}

void Form::Close() {
    if (modal_) {
        modalResult_ = MrCancel;
        return;
    }
    CloseAction action = CloseAction::Hide;
    if (OnClose) OnClose(this, action);
    if (action == CloseAction::Hide || action == CloseAction::Free) SetVisible(false);
}

void Form::SetActiveControl(Control* c) {
    if (c == active_) return;
    Control* old = active_;
    active_ = c;
    if (old && old->OnExit) old->OnExit(old);
    Changed(Property::Focus);
    if (c && c == active_ && c->OnEnter) c->OnEnter(c);
}

void Form::SetMenu(MainMenu* menu) {
    menu_ = menu;
    Changed(Property::Menu);
}

bool Form::PressShortCut(const std::string& shortcut) {
    if (!menu_) return false;
    MenuItem* item = menu_->FindByShortCut(shortcut);
    if (!item || !item->Enabled()) return false;
    item->Click();
    return true;
}

void Form::Destroying() {
    if (destroyed_) return;
    destroyed_ = true;
    if (OnDestroy) OnDestroy(this);
}

}  // namespace fv
