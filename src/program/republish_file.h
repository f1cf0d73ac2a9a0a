// The republish-flag file of the open database: one byte per record saying whether its pages must be
// published again. Every change that affects published pages writes it at once, so that the flags
// survive a program that ends without saving.
#pragma once

namespace fv {

struct Program;

// Writes the file, in the database folder unless told to stay in the current one; false (after the
// message, which names the file and the system's reason) when it could not be written. The old file then
// stays as it was.
bool WriteRepublishFile(Program& p, bool stayInCurrentDirectory = false);

// Sends every record in use to the next publish: each is flagged, the file is written (in the database
// folder) and RepublishAll is set. Does nothing while a database is loading: the load reads the flags from
// the file itself, and a setting applied on the way must not overwrite them. False (after the message) when
// the file could not be written.
bool MarkAllForRepublish(Program& p);

}  // namespace fv
