// Application: owns the forms, the services and the link to the message loop.
//
// Forms are created once through CreateForm and live until the application goes. The first form created is
// the main form. The program ends through Terminate, which runs every form's OnDestroy and then the exit
// hook: the real program leaves the process there, a test records the exit code instead.
// An exception that escapes an event handler or a timer is shown in a message box and the loop goes on.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/app/scripted_output.h"
#include "platform/app/scripted_services.h"
#include "platform/app/services.h"
#include "platform/core/message_loop.h"
#include "platform/ui/form.h"

namespace fv {

// What the view learns about forms as the program makes and shows them.
class ApplicationObserver {
public:
    virtual ~ApplicationObserver() = default;
    virtual void FormCreated(Form& form) = 0;
    virtual void FormShown(Form& form) {}
    virtual void FormHidden(Form& form) {}
    virtual void ModalStarted(Form& form) {}
    virtual void ActiveFormChanged(Form* form) {}
    // The form is being freed (its controls are gone already): the view must let go of it.
    virtual void FormDestroyed(Form& form) {}
};

class Application;
// True when the application at the end of the component's owner chain is ending (false without one):
// a wait in the loop gives up then.
bool ApplicationTerminating(const Component* component);

class Application : public Component, public FormHost {
public:
    explicit Application(MessageLoop& loop);
    ~Application() override;

    std::string Title;

    MessageLoop* Loop() const override { return &loop_; }
    MessageLoop& GetLoop() const { return loop_; }

    // Creates a form owned by the application and tells the view about it.
    template <class T, class... Args> T* CreateForm(Args&&... args) {
        T* form = new T(this, std::forward<Args>(args)...);
        RegisterForm(form);
        return form;
    }
    const std::vector<Form*>& Forms() const { return forms_; }
    Form* MainForm() const { return forms_.empty() ? nullptr : forms_.front(); }
    Form* FindForm(const std::string& name) const;

    // Services. By default the scripted ones; the view installs the real ones.
    MessageService& Messages() const { return *messages_; }
    void SetMessages(MessageService* m) { messages_ = m ? m : &scriptedMessages_; }
    CursorService& Cursors() const { return *cursor_; }
    void SetCursors(CursorService* c) { cursor_ = c ? c : &scriptedCursor_; }
    DialogService& Dialogs() const { return *dialogs_; }
    void SetDialogs(DialogService* d) { dialogs_ = d ? d : &scriptedDialogs_; }
    ScriptedDialogs& ScriptedDialogBoxes() { return scriptedDialogs_; }
    ShellService& Shell() const { return *shell_; }
    void SetShell(ShellService* s) { shell_ = s ? s : &scriptedShell_; }
    ScriptedShell& ScriptedShellOpener() { return scriptedShell_; }
    ImageService& Images() const { return *images_; }
    void SetImages(ImageService* i) { images_ = i ? i : &scriptedImages_; }
    PrinterService& Printer() const { return *printer_; }
    void SetPrinter(PrinterService* p) { printer_ = p ? p : &scriptedPrinter_; }
    ScriptedPrinter& ScriptedPrinterService() { return scriptedPrinter_; }
    ClipboardService& Clipboard() const { return *clipboard_; }
    void SetClipboard(ClipboardService* c) { clipboard_ = c ? c : &scriptedClipboard_; }
    ScriptedClipboard& ScriptedClipboardService() { return scriptedClipboard_; }
    RasterService& Raster() const { return *raster_; }
    void SetRaster(RasterService* r) { raster_ = r ? r : &scriptedRaster_; }
    ScriptedMessages& Scripted() { return scriptedMessages_; }
    ScriptedImages& ScriptedImageLoader() { return scriptedImages_; }
    ScriptedCursor& ScriptedCursors() { return scriptedCursor_; }

    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
        return messages_->MessageBox(text, caption, flags);
    }
    // A plain message with an OK button, captioned with the application title.
    void ShowMessage(const std::string& text) { messages_->MessageBox(text, Title, MbOk); }
    void Beep(BeepKind kind = BeepKind::Default) { messages_->Beep(kind); }
    Cursor ScreenCursor() const { return screenCursor_; }
    void SetScreenCursor(Cursor c);

    // The default display of an exception: its message in a box with the stop icon.
    void ShowException(const std::exception& e);
    // Runs an action as an event handler: an exception is shown and swallowed.
    void Dispatch(const std::function<void()>& action);

    void ProcessMessages() { loop_.ProcessPending(); }
    void Run();

    // Ends the program: OnDestroy of every form, then the exit hook with the code.
    void Terminate(int exitCode);
    bool Terminated() const { return terminated_; }
    int ExitCode() const { return exitCode_; }
    std::function<void(int)> ExitHook;

    // Called (on the loop, inside the modal run) each time a form starts running modally. Tests answer
    // dialogs with it; the view leaves it empty because a person answers.
    std::function<void(Form&)> OnModal;

    void SetObserver(ApplicationObserver* o) { observer_ = o; }
    ApplicationObserver* Observer() const { return observer_; }

    // FormHost
    void FormShown(Form& form) override;
    void FormHidden(Form& form) override;
    void ModalStarted(Form& form) override;
    void ModalEnded(Form& form) override {}
    Form* ActiveForm() const override { return active_; }
    void SetActiveForm(Form* form) override;
    void FormDestroyed(Form& form) override;

private:
    void RegisterForm(Form* form);
    void HandOnActivation(Form& leaving);

    MessageLoop& loop_;
    ScriptedMessages scriptedMessages_;
    ScriptedCursor scriptedCursor_;
    MessageService* messages_ = &scriptedMessages_;
    CursorService* cursor_ = &scriptedCursor_;
    ScriptedImages scriptedImages_;
    ScriptedDialogs scriptedDialogs_;
    DialogService* dialogs_ = &scriptedDialogs_;
    ScriptedShell scriptedShell_;
    ShellService* shell_ = &scriptedShell_;
    ImageService* images_ = &scriptedImages_;
    ScriptedPrinter scriptedPrinter_;
    PrinterService* printer_ = &scriptedPrinter_;
    ScriptedClipboard scriptedClipboard_;
    ClipboardService* clipboard_ = &scriptedClipboard_;
    ScriptedRaster scriptedRaster_;
    RasterService* raster_ = &scriptedRaster_;
    std::vector<Form*> forms_;
    Form* active_ = nullptr;
    ApplicationObserver* observer_ = nullptr;
    Cursor screenCursor_ = Cursor::Default;
    bool terminated_ = false;
    int exitCode_ = 0;
};

}  // namespace fv
