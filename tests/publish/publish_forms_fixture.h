// The publishing dialogs on a program without its main window: the hub fixture with every form of the
// publish subsystem made, in the order the start-up makes them, and the day the pages of the tests are
// published on.
#pragma once

#include <ctime>

#include "publish/font_form.h"
#include "publish/html_form.h"
#include "publish/cart_settings_form.h"
#include "publish/lang_form.h"
#include "publish/publish_message_form.h"
#include "publish/publish_progress_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"
#include "support/hub_fixture.h"

namespace fv::testing {

// 2026-12-08 14:03:59 UTC, and the same day 15:30:00 for a later run.
constexpr std::time_t PublishDay = 1796738639;
constexpr std::time_t LaterThatDay = 1796743800;

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

    TPublishSetupForm& Settings() { return *program->PublishSetupForm; }
};

}  // namespace fv::testing
