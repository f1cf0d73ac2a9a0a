// The configuration file reads and writes the publishing settings through the dialogs' controls by name:
// every item of the publishing dialogs names a control of the right kind, and a new program's values are
// what the file then holds.
#include <gtest/gtest.h>

#include <set>

#include "platform/ui/check_box.h"
#include "platform/ui/directory_list_box.h"
#include "platform/ui/memo.h"
#include "records/configuration.h"
#include "publish_forms_fixture.h"

namespace fv::testing {
namespace {

using ConfigurationControlsTest = PublishFormsFixture;

TEST_F(ConfigurationControlsTest, EveryItemOfThePublishingDialogsNamesAControlOfItsKind) {
    const std::set<std::string> ours = {"PublishSetupForm", "LangForm", "SearchSetup", "HTMLForm", "KarvoForm"};
    int found = 0;
    for (const ConfigItem& item : ConfigurationItems()) {
        if (!ours.count(item.Form)) continue;
        SCOPED_TRACE(item.Form + "." + item.Control);
        Form* form = app->FindForm(item.Form);
        ASSERT_NE(form, nullptr);
        Component* c = form->FindComponent(item.Control);
        ASSERT_NE(c, nullptr);
        switch (item.Kind) {
        case ConfigKind::Text: EXPECT_NE(dynamic_cast<Control*>(c), nullptr); break;
        case ConfigKind::Check:
        case ConfigKind::Scale: EXPECT_NE(dynamic_cast<CheckBox*>(c), nullptr); break;
        case ConfigKind::Directory: EXPECT_NE(dynamic_cast<DirectoryListBox*>(c), nullptr); break;
        case ConfigKind::Block: EXPECT_NE(dynamic_cast<Memo*>(c), nullptr); break;
        default: ADD_FAILURE() << "unexpected kind";
        }
        ++found;
    }
    // 44 publishing settings, 27 language texts, 20 search settings, 14 HTML items and 5 cart settings.
    EXPECT_EQ(found, 44 + 27 + 20 + 14 + 5);
}

}  // namespace
}  // namespace fv::testing
