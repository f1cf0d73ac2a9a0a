// The system's common dialogs and the shell on Qt: QColorDialog, QFontDialog and QFileDialog for the
// dialog service, and for the shell service a program started with the document as its one argument (an
// argument vector, no shell in between), or the document opened by the desktop's association through
// xdg-open.
#pragma once

#include "platform/app/services.h"

namespace fv {

class QtDialogs : public DialogService {
public:
    std::optional<Color> ChooseColor(Color initial) override;
    std::optional<Font> ChooseFont(const Font& initial) override;
    std::optional<std::string> OpenFile(const FileDialogOptions& options) override;
    std::optional<std::string> SaveFile(const FileDialogOptions& options) override;
};

class QtShell : public ShellService {
public:
    // A program is started and watched for its first seconds: false when it cannot be started or ends in
    // that time with an error status or by a signal (a browser that refuses to run, such as one started by
    // root without its sandbox, ends at once); one still running then goes on unwatched and outlives
    // nothing of ours. Without a program the opener's answer is awaited: false when it cannot be started or
    // reports that it could not open the document.
    bool Open(const std::string& program, const std::string& document) override;

    // The program that opens a document by its association, and how long its answer is waited for.
    static constexpr const char* AssociationOpener = "xdg-open";
    static constexpr int OpenerWaitMillis = 3000;
    // How long a started browser is watched for an end with an error.
    static constexpr int BrowserWatchMillis = 2000;
};

}  // namespace fv
