// Defaults of a new database that do not depend on the windows.
#include "records/new_database_defaults.h"

namespace fv {

void InitialiseFontStructure(DatabaseState& db) {
    db.LabelFont = PublishFont{"White", " ", "-1", " "};
    db.ScrollFont = PublishFont{"Silver", " ", "-1", " "};
    for (PublishFont& f : db.FieldFonts) f = PublishFont{"Yellow", " ", "-1", " "};
    db.InstructionFont = PublishFont{"Silver", " ", "-1", "Bold Italic"};
    db.HeaderFont = PublishFont{"Red", " ", "+2", "Bold"};
}

namespace {
bool IsUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool IsLower(char c) { return c >= 'a' && c <= 'z'; }
}  // namespace

std::string ToTitleCase(const std::string& text) {
    std::string out = text;
    bool wordStart = true;
    for (char& c : out) {
        if (!IsUpper(c) && !IsLower(c)) {
            wordStart = true;
            continue;
        }
        if (wordStart && IsLower(c)) c = char(c - 'a' + 'A');
        else if (!wordStart && IsUpper(c)) c = char(c - 'A' + 'a');
        wordStart = false;
    }
    return out;
}

std::string ToUpperCase(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (IsLower(c)) c = char(c - 'a' + 'A');
    return out;
}

std::string ToLowerCase(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (IsUpper(c)) c = char(c - 'A' + 'a');
    return out;
}

}  // namespace fv
