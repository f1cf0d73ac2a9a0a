// The desktop's sounds through libcanberra; without the library every Play fails and the bell rings.
#include "view/desktop_sounds.h"

#ifdef FOLIVEX_HAVE_CANBERRA
#include <canberra.h>
#endif

namespace fv {

std::vector<std::string> SoundEventsFor(BeepKind kind) {
    switch (kind) {
    case BeepKind::Exclamation: return {"dialog-warning"};
    case BeepKind::Question: return {"dialog-question", "dialog-information"};
    case BeepKind::Hand: return {"dialog-error", "dialog-warning"};
    case BeepKind::Simple: return {"bell"};
    case BeepKind::Default:
    case BeepKind::Asterisk: break;
    }
    return {"dialog-information"};
}

std::string SoundEventFor(EventSound sound) {
    switch (sound) {
    case EventSound::Complete: break;
    }
    return "complete";
}

#ifdef FOLIVEX_HAVE_CANBERRA

namespace {

// One context for the whole process, made on first use and never destroyed: destroying a context unloads
// its output driver while the thread of a sound that still plays may be running in the driver's code,
// which ends the process with a crash (seen at exit right after a sound).
ca_context* ProcessContext() {
    static ca_context* const context = [] {
        ca_context* made = nullptr;
        if (ca_context_create(&made) != CA_SUCCESS) return static_cast<ca_context*>(nullptr);
        ca_context_change_props(made, CA_PROP_APPLICATION_NAME, "Folivex", CA_PROP_APPLICATION_ID,
                                "org.folivex.Folivex", nullptr);
        return made;
    }();
    return context;
}

}  // namespace

DesktopSounds::DesktopSounds() : context(ProcessContext()) {}

DesktopSounds::~DesktopSounds() = default;

bool DesktopSounds::Play(const std::string& eventId) {
    if (!context) {
        lastError = CA_ERROR_NOTAVAILABLE;
        return false;
    }
    // The theme's file is looked up and opened before this returns; the sound plays on in the background.
    lastError = ca_context_play(context, 0, CA_PROP_EVENT_ID, eventId.c_str(), CA_PROP_CANBERRA_CACHE_CONTROL,
                                "permanent", nullptr);
    return lastError == CA_SUCCESS;
}

std::string DesktopSounds::LastErrorText() const { return lastError == 0 ? "" : ca_strerror(lastError); }

#else

DesktopSounds::DesktopSounds() = default;
DesktopSounds::~DesktopSounds() = default;

bool DesktopSounds::Play(const std::string&) {
    lastError = -1;
    return false;
}

std::string DesktopSounds::LastErrorText() const { return lastError == 0 ? "" : "built without a sound library"; }

#endif

}  // namespace fv
