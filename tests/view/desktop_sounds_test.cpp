// The beeps on Qt: each kind plays its event of the desktop's sound theme, falls back along its list, and
// rings the bell only where no sound can be played. The real sound library is tried with a sound device
// that takes the sound and plays it nowhere.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "view/desktop_sounds.h"
#include "view/qt_services.h"

namespace fv {
namespace {

// Plays the events it knows and records every event asked for.
struct RecordingPlayer : SoundPlayer {
    std::vector<std::string> known;
    std::vector<std::string> asked;
    bool Play(const std::string& event) override {
        asked.push_back(event);
        return std::find(known.begin(), known.end(), event) != known.end();
    }
};

TEST(DesktopSounds, EachBeepKindPlaysItsOwnEventOrFallsBackToTheBell) {
    struct Case {
        BeepKind kind;
        std::vector<std::string> known;  // what the theme can play
        std::vector<std::string> asked;
        int bells;
        const char* why;
    };
    const std::vector<std::string> full{"dialog-warning", "dialog-question", "dialog-information", "dialog-error", "bell"};
    const Case cases[] = {
        {BeepKind::Default, full, {"dialog-information"}, 0, "the default beep is the information sound"},
        {BeepKind::Exclamation, full, {"dialog-warning"}, 0, "an exclamation warns"},
        {BeepKind::Question, full, {"dialog-question"}, 0, "a question has its own sound"},
        {BeepKind::Hand, full, {"dialog-error"}, 0, "a stop is an error"},
        {BeepKind::Simple, full, {"bell"}, 0, "the simple beep is the theme's bell"},
        {BeepKind::Question, {"dialog-information"}, {"dialog-question", "dialog-information"}, 0,
         "a theme without a question sound plays information"},
        {BeepKind::Exclamation, {}, {"dialog-warning"}, 1, "nothing playable: the bell rings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        RecordingPlayer player;
        player.known = c.known;
        int bells = 0;
        QtMessages messages;
        messages.Sounds = &player;
        messages.Bell = [&] { ++bells; };
        messages.Beep(c.kind);
        EXPECT_EQ(player.asked, c.asked);
        EXPECT_EQ(bells, c.bells);
    }
}

// A file sent sounds as the theme's "complete"; where it cannot be played nothing stands in for it.
TEST(DesktopSounds, AnEventSoundPlaysItsThemeEventAndNeverTheBell) {
    for (bool playable : {true, false}) {
        RecordingPlayer player;
        if (playable) player.known = {"complete"};
        int bells = 0;
        QtMessages messages;
        messages.Sounds = &player;
        messages.Bell = [&] { ++bells; };
        messages.PlaySound(EventSound::Complete);
        EXPECT_EQ(player.asked, std::vector<std::string>{"complete"});
        EXPECT_EQ(bells, 0);
    }
}

TEST(DesktopSounds, WithoutAPlayerEveryBeepIsTheBell) {
    int bells = 0;
    QtMessages messages;
    messages.Bell = [&] { ++bells; };
    messages.Beep(BeepKind::Question);
    messages.Beep(BeepKind::Default);
    EXPECT_EQ(bells, 2);
}

// The sound library itself, on a sound device that swallows what it is given: the theme's events play,
// an event the theme lacks does not.
TEST(DesktopSounds, TheSoundLibraryFindsTheThemesEvents) {
    if (!std::filesystem::exists("/usr/share/sounds/freedesktop/index.theme"))
        GTEST_SKIP() << "the freedesktop sound theme is not installed (package sound-theme-freedesktop)";
    const std::filesystem::path conf = std::filesystem::temp_directory_path() / ("folivex-null-sound-" + std::to_string(getpid()) + ".conf");
    std::ofstream(conf) << "pcm.!default { type null }\n";
    setenv("ALSA_CONFIG_PATH", conf.c_str(), 1);
    DesktopSounds sounds;
    if (!sounds.Play("dialog-warning") && sounds.LastErrorText() == "built without a sound library")
        GTEST_SKIP() << "this build has no sound library (libcanberra-dev)";
    EXPECT_TRUE(sounds.Play("dialog-warning")) << sounds.LastErrorText();
    EXPECT_TRUE(sounds.Play("dialog-information")) << sounds.LastErrorText();
    EXPECT_TRUE(sounds.Play("complete")) << sounds.LastErrorText();
    EXPECT_FALSE(sounds.Play("folivex-no-such-sound"));
    EXPECT_NE(sounds.LastErrorText(), "");

    QtMessages messages;
    messages.Sounds = &sounds;
    int bells = 0;
    messages.Bell = [&] { ++bells; };
    messages.Beep(BeepKind::Question);  // the theme has no question sound: information plays
    messages.Beep(BeepKind::Exclamation);
    EXPECT_EQ(bells, 0);
    std::filesystem::remove(conf);
}

}  // namespace
}  // namespace fv
