// Scripted services for tests: message boxes answered from a queue, and a log of every message, beep and
// sound in the order they happened.
#pragma once

#include <deque>
#include <vector>

#include "platform/app/services.h"
#include "platform/core/message_loop.h"

namespace fv {

struct ServiceEvent {
    enum class Kind { Message, Beep, Sound } What;
    std::string Text;      // message text; empty for a beep
    std::string Caption;
    unsigned Flags = 0;
    BeepKind Beep = BeepKind::Default;
    int Answer = 0;
    EventSound Sound = EventSound::Complete;
};

class UnansweredQuestion : public ScriptFailure {
public:
    using ScriptFailure::ScriptFailure;
};

class ScriptedMessages : public MessageService {
public:
    int MessageBox(const std::string& text, const std::string& caption, unsigned flags) override;
    void Beep(BeepKind kind) override;
    void PlaySound(EventSound sound) override;

    // The next questions are answered with these, in order. A box with only an OK button needs no answer;
    // a question with none queued throws UnansweredQuestion.
    void Answer(int answer) { answers_.push_back(answer); }
    // The user presses Escape on the next box: it answers what Escape gives (EscapeAnswer); a question
    // that Escape does not answer stays and takes the next queued answer. Each ignored Escape is counted.
    void PressEscape() { answers_.push_back(EscapePressed); }
    int IgnoredEscapes() const { return ignoredEscapes_; }
    const std::vector<ServiceEvent>& Log() const { return log_; }
    std::vector<std::string> Messages() const;  // texts of the message boxes only
    std::vector<BeepKind> Beeps() const;
    std::vector<EventSound> Sounds() const;
    void ClearLog() { log_.clear(); }
    std::size_t UnusedAnswers() const { return answers_.size(); }

private:
    static constexpr int EscapePressed = -27;
    std::deque<int> answers_;
    std::vector<ServiceEvent> log_;
    int ignoredEscapes_ = 0;
};

class ScriptedCursor : public CursorService {
public:
    void SetScreenCursor(Cursor c) override { history.push_back(c); current = c; }
    Cursor current = Cursor::Default;
    std::vector<Cursor> history;
};

// Reads no picture format: any file that exists becomes a small grey bitmap, and every path asked for is
// remembered, so tests see which pictures the program loaded.
class ScriptedImages : public ImageService {
public:
    BitmapPtr LoadImage(const std::string& path) override;
    std::vector<std::string> loaded;
};

// Common dialogs answered from queues: each call takes the next queued answer (nullopt = the user
// cancelled); with nothing queued the dialog counts as cancelled. Every request is logged.
class ScriptedDialogs : public DialogService {
public:
    std::optional<Color> ChooseColor(Color initial) override;
    std::optional<Font> ChooseFont(const Font& initial) override;
    std::optional<std::string> OpenFile(const FileDialogOptions& options) override;
    std::optional<std::string> SaveFile(const FileDialogOptions& options) override;

    std::deque<std::optional<Color>> colors;
    std::deque<std::optional<Font>> fonts;
    std::deque<std::optional<std::string>> files;
    std::vector<std::string> requests;  // "color", "font", "open", "save", in order
    // What the last dialog of each kind was opened with.
    Color lastColor = 0;
    Font lastFont;
    FileDialogOptions lastFileOptions;
};

// Starts nothing; remembers what it was asked to open.
class ScriptedShell : public ShellService {
public:
    bool Open(const std::string& program, const std::string& document) override {
        opened.emplace_back(program, document);
        return succeed;
    }
    std::vector<std::pair<std::string, std::string>> opened;
    bool succeed = true;
};

}  // namespace fv
