// Progress forms and the sizing of the small dialogs.
#include "app/progress_forms.h"

#include "app/browser_form.h"
#include "app/category_form.h"
#include "app/db_setup_form.h"
#include "app/full_image_form.h"
#include "app/image_form.h"
#include "app/search_form.h"
#include "import/db_form.h"
#include "import/overwrite_form.h"
#include "platform/ui/bevel.h"
#include "platform/ui/bit_btn.h"
#include "platform/ui/group_box.h"
#include "platform/ui/label.h"
#include "platform/ui/panel.h"
#include "platform/ui/progress_bar.h"
#include "publish/font_form.h"
#include "publish/cart_settings_form.h"
#include "publish/publish_message_form.h"
#include "publish/publish_progress_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"
#include "upload/ftp_form.h"
#include "upload/upload_form.h"

namespace fv {

void SizeFormToContainer(ProgramForm* form, const std::string& container) {
    if (!form) return;
    auto* c = dynamic_cast<Control*>(form->FindComponent(container));
    if (c) form->SizeToContainer(*c);  // a form without its container keeps the size it has
}

TSaveForm::TSaveForm(Component* owner, Program& program) : ProgramForm(owner, program, "SaveForm") {
    SetCaption("Saving Database");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    SetBounds(0, 0, 254, 84);
    MainPanel = Add<GroupBox>(this, "MainPanel", 2, 2, 241, 49, "Saving...");
    SaveProgressBar = Add<ProgressBar>(MainPanel, "SaveProgressBar", 10, 20, 221, 17);
    HideTimer = Make<Timer>("HideTimer", 1000, false);
    HideTimer->SetOnTimer([this](Component*) {
        HideTimer->SetEnabled(false);
        Hide();
    });
    Hide();
}

void TSaveForm::HideAfter(int ms) {
    HideTimer->SetEnabled(false);
    HideTimer->SetInterval(ms);
    HideTimer->SetEnabled(true);
}

TLoadForm::TLoadForm(Component* owner, Program& program) : ProgramForm(owner, program, "LoadForm") {
    SetCaption("Loading Database");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::Designed;
    SetBounds(36, 269, 254, 84);
    MainPanel = Add<GroupBox>(this, "MainPanel", 2, 2, 241, 49, "Loading...");
    LoadProgressBar = Add<ProgressBar>(MainPanel, "LoadProgressBar", 10, 20, 221, 17);
    OnActivate = [this](Component* s) { FormActivate(s); };
    Hide();
}

void TLoadForm::FormActivate(Component*) {
    // Every activation gives the small dialogs the size of their outer container plus the frame.
    SizeFormToContainer(this);
    Repaint();
    SizeFormToContainer(P.SearchSetup, "SearchSetupPanel");
    SizeFormToContainer(P.BrowserForm);
    SizeFormToContainer(P.CategoryForm);
    SizeFormToContainer(P.DBSetupForm);
    SizeFormToContainer(P.FontForm);
    SizeFormToContainer(P.FTPForm);
    SizeFormToContainer(P.FullImageForm);
    SizeFormToContainer(P.ImageForm, "ImageGroup");
    SizeFormToContainer(this);
    SizeFormToContainer(P.DBForm);
    SizeFormToContainer(P.PublishForm);
    SizeFormToContainer(P.PublishMessageForm);
    SizeFormToContainer(P.PublishSetupForm);
    SizeFormToContainer(P.SaveForm);
    SizeFormToContainer(P.OverwriteForm);
    SizeFormToContainer(P.SearchForm);
    SizeFormToContainer(P.SortForm, "SortGroup");
    SizeFormToContainer(P.UploadForm);
    SizeFormToContainer(P.KarvoForm);
}

TSortForm::TSortForm(Component* owner, Program& program) : ProgramForm(owner, program, "SortForm") {
    SetCaption("Sorting Database");
    SetBorder(FormBorder::Dialog);
    Position = FormPosition::ScreenCenter;
    SetBounds(0, 0, 254, 84);
    SortGroup = Add<GroupBox>(this, "SortGroup", 2, 2, 241, 49, "Sorting...");
    Label1 = Add<Label>(SortGroup, "Label1", 80, 22, 90, 13, "Please Wait.......");
}

}  // namespace fv
