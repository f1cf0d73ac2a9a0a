// The publishing dialogs on a program without its main window: the hub fixture with every form of the
// publish subsystem made, in the order the start-up makes them.
#pragma once

#include "publish/font_form.h"
#include "publish/html_form.h"
#include "publish/karvo_form.h"
#include "publish/lang_form.h"
#include "publish/publish_message_form.h"
#include "publish/publish_progress_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"
#include "support/hub_fixture.h"

namespace fv::testing {

class PublishFormsFixture : public HubFixture {
protected:
    void SetUp() override {
        HubFixture::SetUp();
        Create(program->KarvoForm);
        Create(program->PublishForm);
        Create(program->PublishSetupForm);
        Create(program->FontForm);
        Create(program->LangForm);
        Create(program->SearchSetup);
        Create(program->HTMLForm);
        Create(program->PublishMessageForm);
    }
};

}  // namespace fv::testing
