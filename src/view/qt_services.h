// The desktop services on Qt: message boxes and beeps, and the screen cursor.
#pragma once

#include "platform/app/services.h"

namespace fv {

// Message boxes with the buttons and icon the flags ask for; the answer is the button pressed.
class QtMessages : public MessageService {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    void Beep(BeepKind kind) override;
};

// Pictures read by Qt's image readers (PNG, JPEG, GIF, BMP and whatever plugins are installed).
class QtImages : public ImageService {
public:
    BitmapPtr LoadImage(const std::string& path) override;
};

// The screen cursor is Qt's override cursor: any cursor but Default replaces the one of every widget,
// Default gives the widgets theirs back.
class QtCursors : public CursorService {
public:
    void SetScreenCursor(Cursor c) override;
};

}  // namespace fv
