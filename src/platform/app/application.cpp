// Application: forms, services, exceptions and the end of the program.
#include "platform/app/application.h"

#include <algorithm>
#include <cstdlib>

namespace fv {

Application::Application(MessageLoop& loop) : loop_(loop) {
    loop_.OnTaskException = [this](const std::exception& e) { ShowException(e); };
}

Application::~Application() {
    loop_.OnTaskException = nullptr;
    observer_ = nullptr;
    active_ = nullptr;
    DestroyOwned();
}

void Application::RegisterForm(Form* form) {
    forms_.push_back(form);
    if (observer_) observer_->FormCreated(*form);
}

Form* Application::FindForm(const std::string& name) const {
    auto it = std::find_if(forms_.begin(), forms_.end(), [&](Form* f) { return f->Name() == name; });
    return it == forms_.end() ? nullptr : *it;
}

void Application::SetScreenCursor(Cursor c) {
    screenCursor_ = c;
    cursor_->SetScreenCursor(c);
}

void Application::ShowException(const std::exception& e) {
    messages_->MessageBox(e.what(), Title, MbOk | MbIconHand);
}

void Application::Dispatch(const std::function<void()>& action) {
    try {
        action();
    } catch (const ScriptFailure&) {
        throw;
    } catch (const std::exception& e) {
        ShowException(e);
    }
}

void Application::Run() {
    if (terminated_) return;
    loop_.Run();
}

void Application::Terminate(int exitCode) {
    if (terminated_) return;
    terminated_ = true;
    exitCode_ = exitCode;
    for (Form* f : forms_) f->Destroying();
    loop_.Quit();
    if (ExitHook) ExitHook(exitCode);
    else std::exit(exitCode);
}

void Application::FormShown(Form& form) {
    if (observer_) observer_->FormShown(form);
}

void Application::FormHidden(Form& form) {
    HandOnActivation(form);
    if (observer_) observer_->FormHidden(form);
}

void Application::HandOnActivation(Form& leaving) {
    if (active_ != &leaving) return;
    // Hand the activation to the most recent other visible form, as a window manager would.
    Form* next = nullptr;
    for (Form* f : forms_)
        if (f != &leaving && f->Visible() && !f->Parent()) next = f;
    active_ = next;
    if (observer_) observer_->ActiveFormChanged(active_);
}

void Application::FormDestroyed(Form& form) {
    forms_.erase(std::remove(forms_.begin(), forms_.end(), &form), forms_.end());
    HandOnActivation(form);
    if (observer_) observer_->FormDestroyed(form);
}

void Application::ModalStarted(Form& form) {
    if (observer_) observer_->ModalStarted(form);
    if (OnModal) {
        Form* f = &form;
        loop_.Post([this, f] {
            if (f->Modal() && OnModal) OnModal(*f);
        });
    }
}

void Application::SetActiveForm(Form* form) {
    if (active_ == form) return;
    active_ = form;
    if (observer_) observer_->ActiveFormChanged(form);
}

bool ApplicationTerminating(const Component* component) {
    for (const Component* c = component ? component->Owner() : nullptr; c; c = c->Owner())
        if (auto* app = dynamic_cast<const Application*>(c)) return app->Terminated();
    return false;
}

}  // namespace fv
