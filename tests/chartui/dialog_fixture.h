// Chart editor dialogs under test: a program with the chart window as the form that asks (a program form),
// and a way to act inside a modal run as a user does, after which the test ends the run itself.
#pragma once

#include <deque>
#include <functional>

#include "chartui/window/chart_window.h"
#include "support/hub_fixture.h"

namespace fv::testing {

class DialogFixture : public HubFixture {
protected:
    void SetUp() override {
        HubFixture::SetUp();
        Create(program->RozizAForm);
        app->OnModal = [this](Form& f) {
            ASSERT_FALSE(acts_.empty()) << "no act for the dialog " << f.Name();
            std::function<void(Form&)> act = std::move(acts_.front());
            acts_.pop_front();
            act(f);
            // A test that forgot to end the run ends it as a cancel rather than hanging.
            if (f.Modal() && f.ModalResult() == MrNone) f.SetModalResult(MrCancel);
        };
    }
    Control& Owner() { return *program->RozizAForm->ReDrawButton; }

    // The next modal run (in the order they start) is handed to `act` as a T; the test fails when it is
    // another form.
    template <class T> void WhenShown(std::function<void(T&)> act) {
        acts_.push_back([act](Form& f) {
            auto* dialog = dynamic_cast<T*>(&f);
            ASSERT_NE(dialog, nullptr) << f.Name();
            act(*dialog);
        });
    }
    ScriptedDialogs& Dialogs() { return app->ScriptedDialogBoxes(); }

private:
    std::deque<std::function<void(Form&)>> acts_;
};

}  // namespace fv::testing
