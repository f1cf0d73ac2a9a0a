// Scripted message boxes and beeps.
#include "platform/app/scripted_services.h"

#include <sys/stat.h>

namespace fv {

int ScriptedMessages::MessageBox(const std::string& text, const std::string& caption, unsigned flags) {
    int answer = IdOk;
    const bool question = (flags & MbButtonMask) != MbOk;
    // A plain message needs no answer, but takes an Escape queued for it.
    while (question || (!answers_.empty() && answers_.front() == EscapePressed)) {
        if (answers_.empty()) throw UnansweredQuestion("No answer queued for the question: " + text);
        answer = answers_.front();
        answers_.pop_front();
        if (answer != EscapePressed) break;
        if (const std::optional<int> escape = EscapeAnswer(flags)) {
            answer = *escape;
            break;
        }
        ++ignoredEscapes_;  // the box stays until a button answers it
    }
    log_.push_back(ServiceEvent{ServiceEvent::Kind::Message, text, caption, flags, BeepKind::Default, answer});
    return answer;
}

void ScriptedMessages::Beep(BeepKind kind) {
    log_.push_back(ServiceEvent{ServiceEvent::Kind::Beep, {}, {}, 0, kind, 0});
}

void ScriptedMessages::PlaySound(EventSound sound) {
    log_.push_back(ServiceEvent{ServiceEvent::Kind::Sound, {}, {}, 0, BeepKind::Default, 0, sound});
}

std::vector<std::string> ScriptedMessages::Messages() const {
    std::vector<std::string> out;
    for (const ServiceEvent& e : log_)
        if (e.What == ServiceEvent::Kind::Message) out.push_back(e.Text);
    return out;
}

std::vector<BeepKind> ScriptedMessages::Beeps() const {
    std::vector<BeepKind> out;
    for (const ServiceEvent& e : log_)
        if (e.What == ServiceEvent::Kind::Beep) out.push_back(e.Beep);
    return out;
}

std::vector<EventSound> ScriptedMessages::Sounds() const {
    std::vector<EventSound> out;
    for (const ServiceEvent& e : log_)
        if (e.What == ServiceEvent::Kind::Sound) out.push_back(e.Sound);
    return out;
}

BitmapPtr ScriptedImages::LoadImage(const std::string& path) {
    loaded.push_back(path);
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || S_ISDIR(st.st_mode)) return nullptr;
    return std::make_shared<Bitmap>(4, 3, 0xFF808080u);
}

namespace {
template <class T> std::optional<T> Next(std::deque<std::optional<T>>& queue) {
    if (queue.empty()) return std::nullopt;
    std::optional<T> answer = queue.front();
    queue.pop_front();
    return answer;
}
}  // namespace

std::optional<Color> ScriptedDialogs::ChooseColor(Color initial) {
    requests.push_back("color");
    lastColor = initial;
    return Next(colors);
}

std::optional<Font> ScriptedDialogs::ChooseFont(const Font& initial) {
    requests.push_back("font");
    lastFont = initial;
    return Next(fonts);
}

std::optional<std::string> ScriptedDialogs::OpenFile(const FileDialogOptions& options) {
    requests.push_back("open");
    lastFileOptions = options;
    return Next(files);
}

std::optional<std::string> ScriptedDialogs::SaveFile(const FileDialogOptions& options) {
    requests.push_back("save");
    lastFileOptions = options;
    return Next(files);
}

}  // namespace fv
