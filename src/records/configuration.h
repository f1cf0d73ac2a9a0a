// The configuration file of a database: version "v2.4", then every setting of the main window and of the
// settings windows, one item a line, in a fixed order. The settings live in the windows' controls, so the
// items name a window and a control; the writer reads them through the application's forms by name, and
// the reader writes them back the same way.
#pragma once

#include <string>
#include <vector>

#include "records/database_state.h"

namespace fv {

class Application;

constexpr const char* ConfigVersion = "v2.4";

enum class ConfigKind {
    Version,         // "v2.4"
    Text,            // a control's text; empty as "(null)"
    OrderNumber,     // a sort-order edit: "0" when empty, else its text
    Check,           // a check box: "1" or "0"
    Scale,           // the scale check box: "SCALE" or "NOTSCALE"
    Directory,       // a directory list's current directory
    Block,           // a memo between "START <tag>" and "END <tag>" lines
    ImageDirectory,  // the database's image folder
    Font,            // one of the four texts of a publication font
    Categories,      // the category list on one line
};

struct ConfigItem {
    ConfigKind Kind;
    std::string Form;     // the form's name; empty for items that are not controls
    std::string Control;  // the control's name, or for fonts "LabelFont", "ScrollFont", "InstructionFont",
                          // "HeaderFont", "FieldFont1".."FieldFont20"
    int Part = 0;         // fonts: 0 colour, 1 face, 2 size, 3 style
    std::string Tag;      // blocks: "HTML" or "SQL"
};

// The 356 items in file order.
const std::vector<ConfigItem>& ConfigurationItems();

// The text written for an empty text item, read back as the empty text.
constexpr const char* ConfigNull = "(null)";

// The configuration file's bytes for the program's current settings. Throws std::logic_error naming the
// window and control when one of them is missing (a programming error, never a user's).
std::string ConfigurationText(const Application& app, const DatabaseState& db);

// A memo is written between "START tag" and "END tag" lines. A memo line that would read as the end line
// (or as the empty memo's "(null)") is written with one more "~" in front, and the reader takes one off,
// so every memo comes back exactly. Lines without that shape are written unchanged.
std::string EscapeBlockLine(const std::string& line, const std::string& tag);
std::string UnescapeBlockLine(const std::string& line, const std::string& tag);

// A single-line text item cannot hold a line break without moving every later item: CR and LF become
// spaces.
std::string OneLine(const std::string& text);

}  // namespace fv
