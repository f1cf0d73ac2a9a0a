// The desktop services the program asks for: message boxes and beeps, the screen cursor.
// Each is an interface with a scripted implementation for tests (scripted_services.h) and a real one in
// the Qt view.
#pragma once

#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/ui/control.h"

namespace fv {

// Message box buttons and icons, and the answers, with the values the original platform used.
enum MessageBoxFlags : unsigned {
    MbOk = 0x00, MbOkCancel = 0x01, MbAbortRetryIgnore = 0x02, MbYesNoCancel = 0x03, MbYesNo = 0x04,
    MbRetryCancel = 0x05, MbIconHand = 0x10, MbIconQuestion = 0x20, MbIconExclamation = 0x30,
    MbIconAsterisk = 0x40, MbButtonMask = 0x0F, MbIconMask = 0xF0,
};
enum DialogAnswer : int { IdOk = 1, IdCancel = 2, IdAbort = 3, IdRetry = 4, IdIgnore = 5, IdYes = 6, IdNo = 7 };

enum class BeepKind { Default, Exclamation, Question, Asterisk, Hand, Simple };

class MessageService {
public:
    virtual ~MessageService() = default;
    // Shows a modal message box and returns the answer (one of DialogAnswer).
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned flags) = 0;
    virtual void Beep(BeepKind kind) = 0;
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

}  // namespace fv
