// QtView: the control model on screen.
//
// Every form the application creates gets a top-level window with its menu bar and a client area, and
// every control one Qt widget placed at the control's geometry inside its parent's client area (a group
// box's children from the group box's own top-left corner, its caption included). A form placed inside a
// control is no window: it is a surface inside that control, with its controls on it, and a form that
// leaves its control gets a window again the next time it is shown. A sizeable window cannot be made
// smaller than its form's minimum size.
//
// Model to screen: the view observes the application (forms made, shown, hidden, made modal, activated)
// and each form (a control changed, was added or removed, a menu item changed) and updates the widget with
// the view's own reactions switched off, so a change never echoes back into the model.
// Screen to model: what a user does goes back only through the model's user actions, which QtInput
// (view/qt_input.h) and the bindings run.
//
// The view must be destroyed before the Application it shows.
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

#include "platform/app/application.h"
#include "platform/ui/menu.h"
#include "view/control_binding.h"
#include "view/qt_input.h"

class QAction;
class QImage;

namespace fv {

class FormBinding;

class QtView : public ApplicationObserver, public ControlObserver, private BindingHost {
public:
    // Shows the forms the application already has and every form it makes from now on.
    explicit QtView(Application& app);
    ~QtView() override;
    QtView(const QtView&) = delete;
    QtView& operator=(const QtView&) = delete;

    // The window of a form, the widget of a control (a form's is its window), a form's client area, the
    // action of a menu item; null when the view does not show it.
    QWidget* WindowOf(const Form& form) const;
    QWidget* WidgetOf(const Control& control) const override;
    QWidget* ClientOf(const Form& form) const;
    QAction* ActionOf(const MenuItem& item) const;

    // Brings the widgets made since the last turn of the loop up to date. Settings the model does not
    // report (a combo box's style, a button's Default...) are usually made just after a control is added;
    // the view reads them again on the next turn, when a window is shown and before a picture is taken.
    void Refresh();

    // Saves a picture of the form's window, menu bar included.
    bool SavePng(Form& form, const std::string& path);

    // ApplicationObserver
    void FormCreated(Form& form) override;
    void FormShown(Form& form) override;
    void FormHidden(Form& form) override;
    void ModalStarted(Form& form) override;
    void ActiveFormChanged(Form* form) override;
    void FormDestroyed(Form& form) override;

    // ControlObserver
    void ControlChanged(Control& control, Property what) override;
    void ControlAdded(Control& child) override;
    void ControlRemoved(Control& child) override;
    void MenuChanged(MenuItem& item) override;

private:
    friend class QtInput;

    // Switches the view's reactions off while it changes widgets itself.
    class Quiet {
    public:
        explicit Quiet(QtView& v) : view_(v) { ++view_.quiet_; }
        ~Quiet() { --view_.quiet_; }
        Quiet(const Quiet&) = delete;
        Quiet& operator=(const Quiet&) = delete;

    private:
        QtView& view_;
    };

    // BindingHost
    WidgetEvents* Events() override { return &input_; }
    void UserAction(QWidget* widget, const std::function<void(Control&)>& action) override {
        input_.UserAction(widget, action);
    }
    void SelectionMoved(QWidget* widget) override { input_.SelectionMoved(widget); }
    Control* ControlOf(const QWidget* widget) const override;
    QImage ResourceImage(const std::string& name) override;
    void PlaceAgain(ControlBinding& binding) override { SyncGeometry(binding); }

    ControlBinding* Find(const Control* control) const;
    FormBinding* FindForm(const Control* control) const;
    static bool IsForm(const ControlBinding& b);
    FormBinding* EnsureForm(Form& form);
    void Build(Control& control);
    // Forgets the control and every control shown inside its widget, and lets the widget go.
    void ForgetTree(const Control& control);
    void Forget(const Control* control);
    void Discard(QWidget* widget);
    void PostRefresh();

    void SyncAll(ControlBinding& b);
    void SyncState(ControlBinding& b);
    void SyncGeometry(ControlBinding& b);
    void SyncVisible(ControlBinding& b);
    void SyncCommon(ControlBinding& b);
    void SyncColors(ControlBinding& b);
    void SyncText(ControlBinding& b);
    void SyncFormProperty(FormBinding& b, Property what);
    void SyncFormFlags(FormBinding& b);
    void SyncFormGeometry(FormBinding& b);
    void SyncFocus(FormBinding& formBinding);
    void ApplyAlign(ControlBinding& parent);
    void Restack(ControlBinding& parent);
    // Tab runs through each parent's controls by TabOrder, into a container's controls where it stands.
    void ApplyTabOrder(ControlBinding& formBinding);
    // A tab sheet on a page control the view shows: the tab widget holds its widget.
    bool IsPage(const Control& control) const;

    Application& app_;
    std::unordered_map<const Control*, std::unique_ptr<ControlBinding>> bindings_;
    std::unordered_map<const QWidget*, Control*> owners_;
    std::unordered_map<std::string, std::shared_ptr<QImage>> resourceImages_;
    std::vector<Control*> fresh_;
    bool refreshPosted_ = false;
    std::vector<QPointer<QWidget>> retired_;
    int quiet_ = 0;  // > 0 while the view itself changes widgets
    QtInput input_{*this};
    // Lets a task the view posted find out whether the view still exists.
    std::shared_ptr<QtView*> self_;
};

// Saves a picture of a form shown by a QtView; false when no view shows it or the file cannot be written.
bool SaveFormPng(Form& form, const std::string& path);

}  // namespace fv
