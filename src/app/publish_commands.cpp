// The main window's publishing commands: the Publish button, "Publish (only modified records)" and
// "Force Publish of ALL records"; each runs the publisher.
#include "app/folivex_form.h"
#include "publish/publish_setup_form.h"
#include "publish/publisher.h"

namespace fv {

void TFolivexForm::PublishSetupButtonClick(Component* sender) {
    // One run at a time: the window is paused while one goes, but a shortcut could still arrive.
    if (Publishing) return;
    Publisher(P, sender, PublishClock).Run();
}

void TFolivexForm::Publishonlymodifiedrecords1Click(Component* sender) {
    if (Publishing) return;
    if (P.PublishSetupForm->ForcePublish->Checked())
        P.App.ShowMessage("The 'Force Publish' box is checked on the 'General Publishing Rules' page and so ALL "
                          "records will be republished each time. Uncheck the box to publish only newer pages.");
    PublishSetupButtonClick(sender);
}

void TFolivexForm::ForcePublishofALLrecords1Click(Component* sender) {
    if (Publishing) return;
    for (int r = 0; r < P.RecordCount; ++r) P.RecordTable[std::size_t(r)].NeedsPublishing = 1;
    WriteRepublishFile(false);
    P.RepublishAll = 1;
    PublishSetupButtonClick(sender);
}

}  // namespace fv
