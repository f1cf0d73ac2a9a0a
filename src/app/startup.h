// The program's start: every form is created once, in a fixed order, and the number of the step reached
// is shown if anything fails on the way.
#pragma once

#include <functional>

#include "program/program.h"

namespace fv {

struct StartOptions {
    // Called with the step number just before each form is created (tests use it to fail a step).
    std::function<void(int step)> BeforeStep;
};

// The number of the step after the last form: the message loop.
constexpr int MessageLoopStep = 25;

// Creates all 25 forms. On an exception: default cursor, "Start Error Number %d" with the step reached,
// then the exception's own message; returns false and the program should end.
bool StartProgram(Program& program, const StartOptions& options = {});

}  // namespace fv
