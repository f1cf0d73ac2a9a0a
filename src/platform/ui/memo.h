// Memo: a text box of several lines, kept as one text with CR LF between the lines.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/edit.h"

namespace fv {

enum class ScrollStyle { None, Horizontal, Vertical, Both };

class Memo : public Edit {
public:
    Memo(Component* owner, std::string name = {});
    const char* Kind() const override { return "Memo"; }
    // Lines are kept as one text with CR LF between them, as the platform's edit control did.
    std::vector<std::string> Lines() const;
    void SetLines(const std::vector<std::string>& lines);
    void AddLine(const std::string& line);
    void Clear() { SetText(""); }
    ScrollStyle ScrollBars = ScrollStyle::None;
    bool WordWrap = true;
};

}  // namespace fv
