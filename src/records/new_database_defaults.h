// What a database without a configuration file starts from: the publication fonts, and the case styles
// that turn the column names of an ODBC source into field labels.
#pragma once

#include <string>

#include "records/database_state.h"

namespace fv {

// White labels, silver memo and instructions, yellow fields, a red "+2" bold header; the face a blank and
// the size "-1" (the browser's own) elsewhere.
void InitialiseFontStructure(DatabaseState& db);

// ASCII letters only. Title case starts a word after any character that is not a letter.
std::string ToTitleCase(const std::string& text);
std::string ToUpperCase(const std::string& text);
std::string ToLowerCase(const std::string& text);

}  // namespace fv
