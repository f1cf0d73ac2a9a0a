// The configuration file of a database: version "v2.4", then every setting of the main window and of the
// settings windows, one item a line, in a fixed order. The settings live in the windows' controls, so the
// items name a window and a control; the writer reads them through the application's forms by name, and
// the reader writes them back the same way.
//
// One table drives both sides. Each row says which setting it is (kind, window, control), which versions
// of the file hold it (older files lack the runs of items that later versions added, and a few rows are
// lines that only the oldest files hold), and what the reader does beyond putting the line back: the value
// an older file stands for, the colour swatch of a font, the message for a missing folder. A new setting
// is one row here plus its control in its dialog.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
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
    ColourNumber,    // the oldest files only: a font colour as four binary bytes, least significant first
};

// The versions that changed the layout of the file. The value n stands for the first version outside the
// nth list of older versions (see VersionInList): a file whose version is in that list was written before
// the change.
enum class LayoutVersion { First, V1_25, V1_28, V2_0, V2_03, V2_04, V2_1, V2_2, V2_4 };

struct ConfigItem {
    // The row's place in ConfigurationTable (kept by the copies ConfigurationItems gives).
    std::size_t Row = 0;
    ConfigKind Kind = ConfigKind::Text;
    std::string Form;     // the form's name; empty for items that are not controls
    std::string Control;  // the control's name, or for fonts "LabelFont", "ScrollFont", "InstructionFont",
                          // "HeaderFont", "FieldFont1".."FieldFont20"
    int Part = 0;         // fonts: 0 colour, 1 face, 2 size, 3 style
    int Font = -1;        // fonts and colour numbers: the font Control names, as FontOfRow finds it
    std::string Tag;      // blocks: "HTML" or "SQL"

    // The version that first wrote the item, and the one that stopped writing it (none: still written).
    LayoutVersion Since = LayoutVersion::First;
    std::optional<LayoutVersion> Until;
    // The line a file that lacks the item stands for; none: the control keeps the value it had.
    std::optional<std::string> OldLine;

    // Fonts and colour numbers: the control that shows the font's colour.
    std::string SwatchForm, Swatch;
    // Directories: the start of the message for a folder that does not exist, and the picture whose
    // preview the folder holds (the file name's control and the preview's control).
    std::string Missing, PreviewFile, PreviewImage;
    // The publish folder: one that does not exist is left unset ("none") instead of becoming the root,
    // because the publisher empties its folder.
    bool PublishFolder = false;
    // Texts: the value a line "(null)" or one beginning with "notused" gives.
    std::string Unset;
    // The import's own settings: while another database is imported from, its lines are read and skipped.
    bool KeptOnImport = false;
    // The memo is emptied before its block is read, so a file without the block leaves it empty.
    bool ClearedFirst = false;
};

// True when the version line names one of the versions of old list n (1 to 8); each list holds the one
// before it. Any other text, the current version included, is newer than every list.
bool VersionInList(const std::string& version, int list);

// The first old list (1 to 8) that names the version, or 0 when none does (the current version included).
// The lists nest, so a version is in list n exactly when its first list is not 0 and at most n.
int FirstListOf(const std::string& version);

// True when a file of this version holds the item; the second form takes the version's first list, worked
// out once for a whole file.
bool FileHasItem(const ConfigItem& item, const std::string& version);
bool FileHasItem(const ConfigItem& item, int firstList);

// Every row any version wrote, in the order of the file.
const std::vector<ConfigItem>& ConfigurationTable();

// The 356 items the current version writes, in file order.
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
std::string UnescapeBlockLine(std::string_view line, const std::string& tag);

// A single-line text item cannot hold a line break without moving every later item: CR and LF become
// spaces.
std::string OneLine(const std::string& text);

// The font a font or colour-number row names ("LabelFont", ..., "FieldFont1".."FieldFont20").
PublishFont& FontNamed(DatabaseState& db, const std::string& name);
const PublishFont& FontNamed(const DatabaseState& db, const std::string& name);
// The same font through the number the table gave the row when it was built, without reading the name.
PublishFont& FontOfRow(DatabaseState& db, const ConfigItem& item);
const PublishFont& FontOfRow(const DatabaseState& db, const ConfigItem& item);

// The window and control by name, of the kind the caller needs. Throws std::logic_error naming them when
// either is missing.
template <class T> T& ConfigControl(const Application& app, const std::string& form, const std::string& control);

}  // namespace fv
