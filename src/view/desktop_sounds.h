// The desktop's sounds: events of the freedesktop sound theme ("dialog-warning", "complete"...) played
// through libcanberra, which finds the theme's file for an event and plays it on the sound server.
//
// Rules:
// - Play returns false when the event could not be played (no such event in the theme, no sound server, no
//   sound library in this build); the caller then rings the bell instead.
// - Each beep kind has its event, then the events to try where the theme has no sound for it
//   (SoundEventsFor): a question sounds as information in a theme without a question sound.
// - Every player shares the process's one sound context, which lives until the process ends: a sound may
//   still be playing in the background when its player is gone.
#pragma once

#include <string>
#include <vector>

#include "platform/app/services.h"

struct ca_context;

namespace fv {

class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    virtual bool Play(const std::string& eventId) = 0;
};

// The theme's events for a beep kind, its own first.
std::vector<std::string> SoundEventsFor(BeepKind kind);
// The theme's event for an event sound.
std::string SoundEventFor(EventSound sound);

class DesktopSounds : public SoundPlayer {
public:
    DesktopSounds();
    ~DesktopSounds() override;
    DesktopSounds(const DesktopSounds&) = delete;
    DesktopSounds& operator=(const DesktopSounds&) = delete;

    bool Play(const std::string& eventId) override;
    // The library's answer to the last Play (0 for success; its error text for the rest).
    int LastError() const { return lastError; }
    std::string LastErrorText() const;

private:
    ca_context* context = nullptr;
    int lastError = 0;
};

}  // namespace fv
