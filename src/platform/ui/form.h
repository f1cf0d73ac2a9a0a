// Form: a top-level window of the control model. A form owns its controls, is shown and hidden (closing
// hides it), and can run modally: ShowModal spins the message loop until ModalResult is set.
// A form placed inside another control (its Parent set: a page on a dialog's tab) is part of that
// control's window instead: showing and hiding it fire OnShow and OnHide, but it is no window of the
// application's and never becomes the active form.
#pragma once

#include "platform/ui/control.h"

namespace fv {

class Form;
class MainMenu;
class MenuItem;

// What a form needs of the application that owns it; the Application implements it.
class FormHost {
public:
    virtual ~FormHost() = default;
    virtual void FormShown(Form& form) = 0;
    virtual void FormHidden(Form& form) = 0;
    virtual void ModalStarted(Form& form) = 0;
    virtual void ModalEnded(Form& form) = 0;
    virtual Form* ActiveForm() const = 0;
    virtual void SetActiveForm(Form* form) = 0;
    // The form is being freed: the host must not keep it.
    virtual void FormDestroyed(Form& form) {}
};

// Modal results.
constexpr int MrNone = 0, MrOk = 1, MrCancel = 2, MrAbort = 3, MrRetry = 4, MrIgnore = 5, MrYes = 6, MrNo = 7;

enum class FormBorder { Sizeable, Dialog, Single, None, ToolWindow };
enum class FormPosition { Designed, ScreenCenter, DefaultPos };
enum class CloseAction { None, Hide, Free, Minimize };

using CloseEvent = std::function<void(Component* sender, CloseAction& action)>;

class Form : public Control {
public:
    Form(Component* owner, std::string name = {});
    ~Form() override;
    const char* Kind() const override { return "Form"; }

    // The outer size includes the frame; the client area is what lies inside it.
    int ClientWidth() const override;
    int ClientHeight() const override;
    void SetClientSize(int width, int height);
    void SetBounds(int left, int top, int width, int height) override;
    // The smallest outer size, frame included (0: no limit). A smaller size, set by the program or by a
    // user dragging the window's edge, is taken as the smallest; the window does not shrink below it.
    void SetMinimumSize(int width, int height);
    int MinimumWidth() const { return minWidth_; }
    int MinimumHeight() const { return minHeight_; }
    // The client area at the smallest size.
    int MinimumClientWidth() const;
    int MinimumClientHeight() const;
    static constexpr int FrameWidth = 8;     // left and right border together
    static constexpr int FrameHeight = 27;   // caption bar and top and bottom border together

    FormBorder Border() const { return border_; }
    void SetBorder(FormBorder b);
    FormPosition Position = FormPosition::Designed;
    bool KeyPreview = false;
    // A dialog without a cancel button closes on Escape, as its close box closes it.
    bool EscapeCloses = false;

    void SetVisible(bool v) override;  // showing fires OnShow and activates the form
    int ShowModal();
    bool Modal() const { return modal_; }
    void Close();
    int ModalResult() const { return modalResult_; }
    void SetModalResult(int r) { modalResult_ = r; }

    Control* ActiveControl() const { return active_; }
    void SetActiveControl(Control* c);  // fires OnExit of the old one and OnEnter of the new one

    MainMenu* Menu() const { return menu_; }
    void SetMenu(MainMenu* menu);
    // Runs the menu entry with this shortcut text ("Ctrl+H"); false when there is none or it is disabled.
    bool PressShortCut(const std::string& shortcut);

    void SetObserver(ControlObserver* o) { observer_ = o; }
    ControlObserver* GetObserver() const { return observer_; }
    FormHost* Host() const;

    NotifyEvent OnCreate, OnShow, OnHide, OnActivate, OnDestroy, OnResize;
    CloseEvent OnClose;

    // Run by the application when the process ends, before the forms are freed.
    void Destroying();

    void ForgetActiveControl() { active_ = nullptr; }

private:
    friend class Control;
    ControlObserver* observer_ = nullptr;
    FormHost* host_ = nullptr;  // kept for the destructor, when the owner chain is already cut
    FormBorder border_ = FormBorder::Sizeable;
    int minWidth_ = 0, minHeight_ = 0;
    bool modal_ = false;
    int modalResult_ = MrNone;
    Control* active_ = nullptr;
    MainMenu* menu_ = nullptr;
    bool destroyed_ = false;
};

}  // namespace fv
