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
    // A program is started detached: the browser outlives nothing of ours and is never waited for. False
    // when it cannot be started. Without a program the opener's answer is awaited: false when it cannot be
    // started or reports that it could not open the document.
    bool Open(const std::string& program, const std::string& document) override;

    // The program that opens a document by its association, and how long its answer is waited for.
    static constexpr const char* AssociationOpener = "xdg-open";
    static constexpr int OpenerWaitMillis = 3000;
};

}  // namespace fv
