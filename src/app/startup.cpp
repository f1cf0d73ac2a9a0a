// Creation of the forms in start-up order.
#include "app/startup.h"

#include <cstdio>

#include "app/browser_form.h"
#include "app/chart_types.h"
#include "app/category_form.h"
#include "app/db_setup_form.h"
#include "app/folivex_form.h"
#include "app/full_image_form.h"
#include "app/image_form.h"
#include "app/intro_form.h"
#include "app/progress_forms.h"
#include "app/search_form.h"
#include "chart/series_pictures.h"
#include "chartui/window/chart_window.h"
#include "import/db_form.h"
#include "import/import_wizard_form.h"
#include "import/overwrite_form.h"
#include "platform/fs/files.h"
#include "publish/font_form.h"
#include "publish/html_form.h"
#include "publish/cart_settings_form.h"
#include "publish/lang_form.h"
#include "publish/publish_message_form.h"
#include "publish/publish_progress_form.h"
#include "publish/publish_setup_form.h"
#include "publish/search_setup_form.h"
#include "upload/ftp_form.h"
#include "upload/upload_form.h"

namespace fv {

bool StartProgram(Program& p, const StartOptions& options) {
    Application& app = p.App;
    int startStep = 1;
    auto step = [&](int n) {
        startStep = n;
        if (options.BeforeStep) options.BeforeStep(n);
    };
    try {
        app.Title = ProductName;
        // Before any form: the chart window may read a chart file naming any of the classes.
        RegisterChartTypes();
        // The series type pictures ship in their own folder of the resources.
        if (!p.ResourceDirectory.empty()) SetSeriesPictureFolder(JoinPath(p.ResourceDirectory, "series"));
        step(1);
        p.IntroForm = app.CreateForm<TIntroForm>(p);
        step(1);
        p.KarvoForm = app.CreateForm<TKarvoForm>(p);
        step(2);
        p.FolivexForm = app.CreateForm<TFolivexForm>(p);
        step(3);
        p.ImageForm = app.CreateForm<TImageForm>(p);
        step(4);
        p.SaveForm = app.CreateForm<TSaveForm>(p);
        step(5);
        p.LoadForm = app.CreateForm<TLoadForm>(p);
        step(6);
        p.SortForm = app.CreateForm<TSortForm>(p);
        step(7);
        p.PublishForm = app.CreateForm<TPublishForm>(p);
        step(8);
        p.DBSetupForm = app.CreateForm<TDBSetupForm>(p);
        step(9);
        p.CategoryForm = app.CreateForm<TCategoryForm>(p);
        step(10);
        p.PublishSetupForm = app.CreateForm<TPublishSetupForm>(p);
        step(11);
        p.UploadForm = app.CreateForm<TUploadForm>(p);
        step(12);
        p.SearchForm = app.CreateForm<TSearchForm>(p);
        step(13);
        p.BrowserForm = app.CreateForm<TBrowserForm>(p);
        step(14);
        p.FullImageForm = app.CreateForm<TFullImageForm>(p);
        step(15);
        p.FontForm = app.CreateForm<TFontForm>(p);
        step(16);
        p.ImportWizardForm = app.CreateForm<TImportWizardForm>(p);
        step(17);
        p.OverwriteForm = app.CreateForm<TOverwriteForm>(p);
        step(18);
        p.LangForm = app.CreateForm<TLangForm>(p);
        step(19);
        p.SearchSetup = app.CreateForm<TSearchSetup>(p);
        step(20);
        p.FTPForm = app.CreateForm<TFTPForm>(p);
        step(21);
        p.HTMLForm = app.CreateForm<THTMLForm>(p);
        step(22);
        p.PublishMessageForm = app.CreateForm<TPublishMessageForm>(p);
        step(23);
        p.DBForm = app.CreateForm<TDBForm>(p);
        step(24);
        p.RozizAForm = app.CreateForm<TRozizAForm>(p);
        step(MessageLoopStep);
        return true;
    } catch (const std::exception& e) {
        app.SetScreenCursor(Cursor::Default);
        char text[64];
        std::snprintf(text, sizeof text, "Start Error Number %d", startStep);
        app.MessageBox(text, app.Title, MbOk);
        app.ShowException(e);
        return false;
    }
}

}  // namespace fv
