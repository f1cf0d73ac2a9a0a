// The small helpers every page writer of the publisher shares: the two halves of a link value
// ("target::shown text"), text made safe inside a double-quoted script string, the style words of a
// publication font as HTML tags, spaces as non-breaking spaces, files copied (or linked) into the publish
// folder. (The mark that sends every record to the next publish is the hub's MarkAllForRepublish.)
//
// Every text result is an owned string of whatever length the input needs: nothing is cut.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fv {

struct Program;
class Control;
class PublishOutput;

// "a::b::c" gives "a"; a value without "::" is returned unchanged.
std::string LinkTarget(std::string_view value);
// "a::b::c" gives "b::c"; a value without "::" is returned unchanged.
std::string LinkDisplayText(std::string_view value);

// The text as it may stand between the double quotes of a JavaScript string inside a script element:
// a backslash is doubled and a double quote gets a backslash before it (the two rules every published
// script string has always followed; ordinary text comes out byte for byte), and further CR becomes \r,
// LF becomes \n and "</" becomes "<\/", so that no text can end the string, the line or the script element.
std::string EscapeForScript(std::string_view text);
// The same for a text string.
inline std::string EscapeTextForScript(const std::string& text) { return EscapeForScript(text); }

// "<B>", "<I>", "<U>" for the case-sensitive words "Bold", "Italic", "Underline" found anywhere in the
// style text, in that order; StyleCloseTags gives the closing tags in the reverse order.
std::string StyleOpenTags(std::string_view style);
std::string StyleCloseTags(std::string_view style);

// Every space character as "&nbsp;".
std::string SpacesToNbsp(std::string_view text);

// A plain text (words the user typed, such as a language text, not HTML) as the value of a double-quoted
// HTML attribute: "&", the double quote, "<" and ">" become character references, so that a quote in the
// text cannot end the attribute and the browser shows the text exactly as typed.
std::string EscapeForAttribute(std::string_view text);

// The name of the image link file that stands for a published image: the last as many characters as the
// extension has are replaced by "img" ("qlx3_7_1.gif" with "gif" gives "qlx3_7_1.img").
std::string ImageLinkFileName(const std::string& publishedPath, const std::string& extension);

// Copies a file over any existing destination. On failure: the message "Unable to locate file '" + source
// + "'" (no beep) and false.
bool CopyPublishFile(Program& p, const std::string& source, const std::string& destination);

// Places a record image in the publish folder under `name`: with LinkImagesAtUpload of the publishing
// settings checked, writes the image link file (one line: the source path, CR LF) instead of a copy;
// otherwise copies the image. Nothing is written when the folder's file is the image itself. False,
// without a message, when the file cannot be written.
bool PublishImageFile(Program& p, const std::string& source, PublishOutput& out, const std::string& name,
                      const std::string& extension);

// A change of a setting that the configuration file keeps: the database counts as modified (unless it is
// being loaded, which sets the flag itself at its end), and when the setting shapes every published page,
// every record is marked for republishing.
void SettingChanged(Program& p, bool affectsEveryPage);


// Tab runs through the controls of each parent in the order they were made.
void NumberTabOrder(Control& parent);

}  // namespace fv
