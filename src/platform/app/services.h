// The desktop services the program asks for: message boxes and beeps, the screen cursor.
// Each is an interface with a scripted implementation for tests (scripted_services.h) and a real one in
// the Qt view.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/color.h"
#include "platform/gfx/font.h"
#include "platform/ui/control.h"

namespace fv {

// Message box buttons and icons, and the answers. The numbers are part of what the program stores and
// compares (a button set and an icon in one flags word, answers 1 to 7): keep them.
enum MessageBoxFlags : unsigned {
    MbOk = 0x00, MbOkCancel = 0x01, MbAbortRetryIgnore = 0x02, MbYesNoCancel = 0x03, MbYesNo = 0x04,
    MbRetryCancel = 0x05, MbIconHand = 0x10, MbIconQuestion = 0x20, MbIconExclamation = 0x30,
    MbIconAsterisk = 0x40, MbButtonMask = 0x0F, MbIconMask = 0xF0,
};
enum DialogAnswer : int { IdOk = 1, IdCancel = 2, IdAbort = 3, IdRetry = 4, IdIgnore = 5, IdYes = 6, IdNo = 7 };

enum class BeepKind { Default, Exclamation, Question, Asterisk, Hand, Simple };
// Sounds that tell of an event rather than ask for attention: Complete when a piece of work is done (a
// file sent). Where no sound can be played they are silent: unlike a beep, no bell stands in.
enum class EventSound { Complete };

// The answer Escape (or the close box) gives a message box: Cancel where the box has one, OK on a plain
// message. A question without a cancel answer (Yes/No, Abort/Retry/Ignore) is never answered by Escape:
// both its answers act (No to "Save Changes?" throws the changes away), so only a button answers it.
inline std::optional<int> EscapeAnswer(unsigned flags) {
    switch (flags & MbButtonMask) {
    case MbOk: return IdOk;
    case MbOkCancel:
    case MbYesNoCancel:
    case MbRetryCancel: return IdCancel;
    default: return std::nullopt;
    }
}

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows a modal message box and returns the answer (one of DialogAnswer).
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    virtual void Beep(BeepKind kind) = 0;
    virtual void PlaySound(EventSound sound) = 0;
};

class CursorService {
public:
    virtual ~CursorService() = default;
    virtual void SetScreenCursor(Cursor c) = 0;
};

// Turns a picture file (JPEG, PNG, GIF, BMP) into a bitmap; null when the file is not a picture it reads.
class ImageService {
public:
    virtual ~ImageService() = default;
    virtual BitmapPtr LoadImage(const std::string& path) = 0;
};

// The system's common dialogs. Each answers nothing (nullopt) when the user cancels.
struct FileDialogOptions {
    std::string Title;
    std::string InitialDirectory;
    std::string FileName;
    // Pairs of description and masks, as "Pictures (*.jpg;*.gif)" and "*.jpg;*.gif".
    std::vector<std::pair<std::string, std::string>> Filters;
    std::string DefaultExtension;
    // The filter shown first, counted from 1.
    int FilterIndex = 1;
};

class DialogService {
public:
    virtual ~DialogService() = default;
    virtual std::optional<Color> ChooseColor(Color initial) = 0;
    virtual std::optional<Font> ChooseFont(const Font& initial) = 0;
    virtual std::optional<std::string> OpenFile(const FileDialogOptions& options) = 0;
    virtual std::optional<std::string> SaveFile(const FileDialogOptions& options) = 0;
};

// Opens a document with the program the system associates with it, or starts a program with a document.
class ShellService {
public:
    virtual ~ShellService() = default;
    // program empty: open the document through its association. False when nothing could be started.
    virtual bool Open(const std::string& program, const std::string& document) = 0;
};

}  // namespace fv
