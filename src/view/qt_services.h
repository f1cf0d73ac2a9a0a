// The desktop services on Qt: message boxes and beeps, and the screen cursor.
#pragma once

#include <QApplication>

#include <functional>

#include "platform/app/services.h"

namespace fv {

class SoundPlayer;

// Message boxes with the buttons and icon the flags ask for; the answer is the button pressed. A beep plays
// its kind's desktop sound through Sounds, and rings the Bell where there is no player or no sound of the
// kind can be played.
class QtMessages : public MessageService {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    void Beep(BeepKind kind) override;
    // The theme's sound of the event, or nothing.
    void PlaySound(EventSound sound) override;
    SoundPlayer* Sounds = nullptr;
    std::function<void()> Bell = [] { QApplication::beep(); };
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
