// Memo: the text as lines with CR LF between them.
#include "platform/ui/memo.h"

namespace fv {

Memo::Memo(Component* owner, std::string name) : Edit(owner, std::move(name)) {}

std::vector<std::string> Memo::Lines() const {
    std::vector<std::string> lines;
    const std::string& t = Text();
    if (t.empty()) return lines;
    std::size_t start = 0;
    while (start <= t.size()) {
        std::size_t end = t.find('\n', start);
        if (end == std::string::npos) {
            if (start < t.size()) lines.push_back(t.substr(start));
            break;
        }
        std::size_t stop = (end > start && t[end - 1] == '\r') ? end - 1 : end;
        lines.push_back(t.substr(start, stop - start));
        start = end + 1;
    }
    return lines;
}

void Memo::SetLines(const std::vector<std::string>& lines) {
    std::string t;
    for (const std::string& l : lines) t += l + "\r\n";
    SetText(t);
}

void Memo::AddLine(const std::string& line) {
    std::string t = Text();
    if (!t.empty() && t.back() != '\n') t += "\r\n";
    SetText(t + line + "\r\n");
}

}  // namespace fv
