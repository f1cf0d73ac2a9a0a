// Program: the one object that holds the open database and every form of the program. Each form reaches
// the others through it, so no state is global and each test can build a fresh program. It sits below the
// subsystems and above the records: the forms are only named here, and what a subsystem needs from the
// main window comes through the MainWindow hooks, never through the main window's class.
#pragma once

#include "platform/app/application.h"
#include "program/main_window.h"
#include "records/database_state.h"

namespace fv {

class TIntroForm;
class TKarvoForm;
class TFolivexForm;
class TImageForm;
class TSaveForm;
class TLoadForm;
class TSortForm;
class TPublishForm;
class TDBSetupForm;
class TCategoryForm;
class TPublishSetupForm;
class TUploadForm;
class TSearchForm;
class TBrowserForm;
class TFullImageForm;
class TFontForm;
class TImportWizardForm;
class TOverwriteForm;
class TLangForm;
class TSearchSetup;
class TFTPForm;
class THTMLForm;
class TPublishMessageForm;
class TDBForm;
class TRozizAForm;

constexpr const char* ProductName = "Folivex";
constexpr const char* VersionText = "v2.4";

struct Program : DatabaseState {
    explicit Program(Application& app) : App(app) {}
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    Application& App;

    // The main window's hooks, set when the main window is made; null in programs built without it.
    MainWindow* Main = nullptr;

    // The forms, set as the start-up creates them and never changed afterwards.
    TIntroForm* IntroForm = nullptr;
    TKarvoForm* KarvoForm = nullptr;
    TFolivexForm* FolivexForm = nullptr;
    TImageForm* ImageForm = nullptr;
    TSaveForm* SaveForm = nullptr;
    TLoadForm* LoadForm = nullptr;
    TSortForm* SortForm = nullptr;
    TPublishForm* PublishForm = nullptr;
    TDBSetupForm* DBSetupForm = nullptr;
    TCategoryForm* CategoryForm = nullptr;
    TPublishSetupForm* PublishSetupForm = nullptr;
    TUploadForm* UploadForm = nullptr;
    TSearchForm* SearchForm = nullptr;
    TBrowserForm* BrowserForm = nullptr;
    TFullImageForm* FullImageForm = nullptr;
    TFontForm* FontForm = nullptr;
    TImportWizardForm* ImportWizardForm = nullptr;
    TOverwriteForm* OverwriteForm = nullptr;
    TLangForm* LangForm = nullptr;
    TSearchSetup* SearchSetup = nullptr;
    TFTPForm* FTPForm = nullptr;
    THTMLForm* HTMLForm = nullptr;
    TPublishMessageForm* PublishMessageForm = nullptr;
    TDBForm* DBForm = nullptr;
    TRozizAForm* RozizAForm = nullptr;
};

}  // namespace fv
