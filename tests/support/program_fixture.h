// A whole program on the headless loop with a hand-driven clock and scripted services, started in a
// temporary directory of its own: for the tests of the main window and of what starts with it.
#pragma once

#include "app/startup.h"
#include "support/hub_fixture.h"

namespace fv::testing {

class ProgramFixture : public ProgramBase {
protected:
    // Starts the program as the entry point does, without running the loop.
    bool Start(const StartOptions& options = {}) { return StartProgram(*program, options); }
};

}  // namespace fv::testing
