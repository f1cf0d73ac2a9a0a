// Control: a component with a place on screen. Controls form a tree by Parent; the top of each tree is
// a Form. Every change that the screen shows is reported to the form's observer (the view), never through
// the program's own events, so the program and the view never see each other's handlers.
#pragma once

#include <string>
#include <vector>

#include "platform/core/component.h"
#include "platform/gfx/color.h"
#include "platform/gfx/font.h"

namespace fv {

class Canvas;
class Control;
class Form;
class MenuItem;

// What changed, for the observer.
enum class Property {
    Bounds, Visible, Enabled, Text, Hint, Font, Color, Cursor, TabStop, ReadOnly, MaxLength, Items,
    ItemIndex, Checked, Position, Range, Picture, Down, Style, Menu, Focus, Repaint, Lines, Alignment,
    Selection,
};

class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void ControlChanged(Control& control, Property what) = 0;
    virtual void ControlAdded(Control& child) = 0;     // child's parent is already set
    virtual void ControlRemoved(Control& child) = 0;   // before the child leaves its parent
    virtual void MenuChanged(MenuItem& item) {}
};

// SizeNWSE and SizeNESW size along a diagonal (top-left to bottom-right, top-right to bottom-left).
// NoDrop: what is under the mouse takes no click.
enum class Cursor { Default, Arrow, HourGlass, IBeam, Cross, HandPoint, SizeWE, SizeNS, Drag, SizeNWSE, SizeNESW, NoDrop };
enum class Align { None, Top, Bottom, Left, Right, Client };
enum class MouseButton { Left, Right, Middle };

struct Rect {
    int Left = 0, Top = 0, Width = 0, Height = 0;
    bool operator==(const Rect&) const = default;
};

using MouseEvent = std::function<void(Component* sender, MouseButton button, unsigned shift, int x, int y)>;
using KeyEvent = std::function<void(Component* sender, int& key, unsigned shift)>;
using KeyPressEvent = std::function<void(Component* sender, char& key)>;

// Shift state bits of mouse and key events.
enum ShiftState : unsigned { SsShift = 1, SsAlt = 2, SsCtrl = 4, SsLeft = 8, SsRight = 16, SsMiddle = 32, SsDouble = 64 };

// Key codes of key-down and key-up events: letters as their capitals, digits as themselves, and these.
enum KeyCode : int {
    KeyNone = 0, KeyBack = 8, KeyTab = 9, KeyReturn = 13, KeyShift = 16, KeyControl = 17, KeyAlt = 18,
    KeyEscape = 27, KeySpace = 32, KeyPageUp = 33, KeyPageDown = 34, KeyEnd = 35, KeyHome = 36, KeyLeft = 37,
    KeyUp = 38, KeyRight = 39, KeyDown = 40, KeyInsert = 45, KeyDelete = 46, KeyF1 = 112
};

class Control : public Component {
public:
    Control(Component* owner, std::string name = {});
    ~Control() override;

    // Kind name used by the view and by debugging output ("Edit", "Button"...).
    virtual const char* Kind() const { return "Control"; }

    Control* Parent() const { return parent_; }
    void SetParent(Control* parent);
    const std::vector<Control*>& Controls() const { return children_; }
    Form* ParentForm() const;  // the form at the top of the tree (this, when this is a form)

    int Left() const { return bounds_.Left; }
    int Top() const { return bounds_.Top; }
    int Width() const { return bounds_.Width; }
    int Height() const { return bounds_.Height; }
    const Rect& Bounds() const { return bounds_; }
    void SetLeft(int v) { SetBounds(v, bounds_.Top, bounds_.Width, bounds_.Height); }
    void SetTop(int v) { SetBounds(bounds_.Left, v, bounds_.Width, bounds_.Height); }
    void SetWidth(int v) { SetBounds(bounds_.Left, bounds_.Top, v, bounds_.Height); }
    void SetHeight(int v) { SetBounds(bounds_.Left, bounds_.Top, bounds_.Width, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    // Size of the inside of the control, where its children lie.
    virtual int ClientWidth() const { return bounds_.Width; }
    virtual int ClientHeight() const { return bounds_.Height; }

    bool Visible() const { return visible_; }
    virtual void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible and all parents visible.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);

    // Caption and Text are one value.
    const std::string& Caption() const { return text_; }
    const std::string& Text() const { return text_; }
    void SetCaption(const std::string& v) { SetText(v); }
    virtual void SetText(const std::string& v);

    const std::string& Hint() const { return hint_; }
    void SetHint(const std::string& v);
    bool ShowHint() const { return showHint_; }
    void SetShowHint(bool v) { showHint_ = v; }
    const Font& GetFont() const { return font_; }
    void SetFont(const Font& f);
    Color GetColor() const { return color_; }
    void SetColor(Color c);
    Cursor GetCursor() const { return cursor_; }
    void SetCursor(Cursor c);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v);
    Align GetAlign() const { return align_; }
    void SetAlign(Align a);
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int v) { tabOrder_ = v; }

    // Keyboard focus: the form's active control.
    bool Focused() const;
    virtual bool CanFocus() const { return false; }
    void SetFocus();
    void Repaint() { Changed(Property::Repaint); }

    NotifyEvent OnClick, OnDblClick, OnEnter, OnExit;
    MouseEvent OnMouseDown, OnMouseUp;
    std::function<void(Component* sender, unsigned shift, int x, int y)> OnMouseMove;
    KeyEvent OnKeyDown, OnKeyUp;
    KeyPressEvent OnKeyPress;

    // A control that draws its own face (a chart, the print preview's paper) answers true; the view then
    // keeps a canvas of the control's size and has the control draw on it at every repaint.
    virtual bool DrawsItself() const { return false; }
    virtual void DrawFace(Canvas& canvas) {}

    // What a user does. The view calls these; tests call them to act as the user.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(MouseButton b, unsigned shift, int x, int y);
    virtual void MouseUp(MouseButton b, unsigned shift, int x, int y);
    virtual void MouseMove(unsigned shift, int x, int y);
    // A key goes down (and, held, again), gives a character, comes up. A handler that sets the key or
    // character to 0 keeps it from the control. A form with KeyPreview sees every key going down on its
    // controls first.
    void KeyDown(int& key, unsigned shift);
    void KeyPress(char& key);
    void KeyUp(int& key, unsigned shift);

protected:
    // What the control itself does with a key going down that its handlers left it; a key it uses is set
    // to 0, so that it goes no further (a Return used here never reaches the form's default button).
    virtual void KeyAction(int& key, unsigned shift) {}
    // Reports a change to the observer of the form this control is on.
    void Changed(Property what);
    ControlObserver* Observer() const;

    std::string text_;

private:
    friend class Form;
    void RemoveChild(Control* c);

    Control* parent_ = nullptr;
    std::vector<Control*> children_;
    Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    bool showHint_ = true;
    std::string hint_;
    Font font_;
    Color color_ = ClBtnFace;
    Cursor cursor_ = Cursor::Default;
    bool tabStop_ = false;
    Align align_ = Align::None;
    int tabOrder_ = 0;
};

}  // namespace fv
