// Control: tree, geometry, common properties and user actions.
#include "platform/ui/control.h"

#include <algorithm>

#include "platform/ui/form.h"

namespace fv {

Control::Control(Component* owner, std::string name) : Component(owner, std::move(name)) {}

Control::~Control() {
    // Owned components go first, while this control is still whole for them to leave.
    DestroyOwned();
    for (Control* c : children_) c->parent_ = nullptr;
    children_.clear();
    if (parent_) parent_->RemoveChild(this);
    // A form whose active control goes away forgets it.
    if (Form* f = dynamic_cast<Form*>(parent_ ? parent_->ParentForm() : nullptr); f && f->ActiveControl() == this)
        f->ForgetActiveControl();
}

void Control::RemoveChild(Control* c) {
    if (ControlObserver* o = Observer()) o->ControlRemoved(*c);
    children_.erase(std::remove(children_.begin(), children_.end(), c), children_.end());
}

void Control::SetParent(Control* parent) {
    if (parent == parent_) return;
    if (parent_) parent_->RemoveChild(this);
    parent_ = parent;
    if (parent_) {
        parent_->children_.push_back(this);
        if (ControlObserver* o = Observer()) o->ControlAdded(*this);
    }
}

Form* Control::ParentForm() const {
    const Control* c = this;
    while (c->parent_) c = c->parent_;
    return dynamic_cast<Form*>(const_cast<Control*>(c));
}

ControlObserver* Control::Observer() const {
    Form* f = ParentForm();
    return f ? f->observer_ : nullptr;
}

void Control::Changed(Property what) {
    if (ControlObserver* o = Observer()) o->ControlChanged(*this, what);
}

void Control::SetBounds(int left, int top, int width, int height) {
    Rect r{left, top, std::max(0, width), std::max(0, height)};
    if (r == bounds_) return;
    bounds_ = r;
    Changed(Property::Bounds);
}

void Control::SetVisible(bool v) {
    if (v == visible_) return;
    visible_ = v;
    Changed(Property::Visible);
}

bool Control::Showing() const {
    for (const Control* c = this; c; c = c->parent_)
        if (!c->visible_) return false;
    return true;
}

void Control::SetEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    Changed(Property::Enabled);
}

void Control::SetText(const std::string& v) {
    if (v == text_) return;
    text_ = v;
    Changed(Property::Text);
}

void Control::SetHint(const std::string& v) {
    if (v == hint_) return;
    hint_ = v;
    Changed(Property::Hint);
}

void Control::SetFont(const Font& f) {
    if (f == font_) return;
    font_ = f;
    Changed(Property::Font);
}

void Control::SetColor(Color c) {
    if (c == color_) return;
    color_ = c;
    Changed(Property::Color);
}

void Control::SetCursor(Cursor c) {
    if (c == cursor_) return;
    cursor_ = c;
    Changed(Property::Cursor);
}

void Control::SetTabStop(bool v) {
    if (v == tabStop_) return;
    tabStop_ = v;
    Changed(Property::TabStop);
}

void Control::SetAlign(Align a) {
    if (a == align_) return;
    align_ = a;
    Changed(Property::Bounds);
}

bool Control::Focused() const {
    Form* f = ParentForm();
    return f && f->ActiveControl() == this;
}

void Control::SetFocus() {
    if (Form* f = ParentForm()) f->SetActiveControl(this);
}

void Control::Click() {
    if (OnClick) OnClick(this);
}

void Control::DblClick() {
    if (OnDblClick) OnDblClick(this);
}

void Control::MouseDown(MouseButton b, unsigned shift, int x, int y) {
    if (OnMouseDown) OnMouseDown(this, b, shift, x, y);
}

void Control::MouseUp(MouseButton b, unsigned shift, int x, int y) {
    if (OnMouseUp) OnMouseUp(this, b, shift, x, y);
}

void Control::MouseMove(unsigned shift, int x, int y) {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
}

void Control::KeyDown(int& key, unsigned shift) {
    // A form that previews the keys sees each one before the control it is meant for.
    if (Form* f = ParentForm(); f && f != this && f->KeyPreview && f->OnKeyDown) {
        f->OnKeyDown(f, key, shift);
        if (key == KeyNone) return;
    }
    if (OnKeyDown) OnKeyDown(this, key, shift);
    if (key != KeyNone) KeyAction(key, shift);
    if (key == KeyEscape && shift == 0)
        if (Form* f = ParentForm(); f && f->EscapeCloses) {
            key = KeyNone;
            f->Close();
        }
}

void Control::KeyPress(char& key) {
    if (OnKeyPress) OnKeyPress(this, key);
}

void Control::KeyUp(int& key, unsigned shift) {
    if (OnKeyUp) OnKeyUp(this, key, shift);
}

}  // namespace fv
