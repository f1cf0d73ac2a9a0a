// The republish-flag file of the open database: one byte per record saying whether its pages must be
// published again. Every change that affects published pages writes it at once, so that the flags
// survive a program that ends without saving.
#pragma once

namespace fv {

struct Program;

// Writes the file, in the database folder unless told to stay in the current one; false (after the
// message) when it could not be written.
bool WriteRepublishFile(Program& p, bool stayInCurrentDirectory = false);

}  // namespace fv
