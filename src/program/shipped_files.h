// The pictures that a new database's pages and settings use by name from the start folder: the table
// background "stone.gif", the navigation buttons of the published pages and the sample picture.
#pragma once

namespace fv {

struct Program;

// Copies each shipped picture from the program's resources into the start folder when it is not there
// yet; a picture already there (perhaps the user's own) is left as it is. Nothing without resources.
void InstallShippedFiles(Program& program);

}  // namespace fv
