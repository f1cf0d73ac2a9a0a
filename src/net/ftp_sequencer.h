// TFtpSequencer: which step of a multi-step FTP request runs next.
//
// A high-level request (connect, session get, put...) names a set of steps; they run one after the other
// in one fixed order, whatever order the request named them in, each once. Two steps are left out when
// what came before makes them needless: PASS after a USER that the server answered with anything but 331
// (230 logs in without a password), and CWD when no host directory is set. The sequencer only chooses:
// the client starts each step and calls Next again when the step ended well.
#pragma once

#include <cstdint>
#include <initializer_list>

namespace fv {

// The steps of the sequencer.
enum FtpStep : int {
    ftpStepNone = 0,
    ftpStepOpen = 1,
    ftpStepUser = 2,
    ftpStepPass = 3,
    ftpStepCwd = 4,
    ftpStepSize = 5,
    ftpStepMkd = 6,
    ftpStepRmd = 7,
    ftpStepRnfr = 8,
    ftpStepRnto = 9,
    ftpStepRetr = 10,
    ftpStepList = 11,
    ftpStepQuit = 12,
    ftpStepSyst = 13,
    ftpStepDele = 14,
    ftpStepPwd = 15,
    ftpStepQuote = 16,
    ftpStepStor = 17,
    ftpStepType = 18,
    ftpStepRest = 19,
    ftpStepCdup = 20,
    ftpStepNlst = 21,
    ftpStepAppe = 22,
    ftpStepPort = 23,
};

class TFtpSequencer {
public:
    // A set of steps to run, as bits.
    using StepSet = std::uint32_t;
    static StepSet Set(std::initializer_list<FtpStep> steps);
    static bool Holds(StepSet set, FtpStep step) { return (set >> unsigned(step)) & 1u; }

    // Starts a new run over the given steps; none has run yet.
    void Start(StepSet steps);
    // Forgets the steps still pending (the request ends after the current step).
    void Clear() { pending_ = 0; }
    StepSet Pending() const { return pending_; }

    // The step that runs now (ftpStepNone before the first), and the one that ran before it.
    FtpStep Current() const { return current_; }
    FtpStep Previous() const { return previous_; }

    // Takes the next pending step in the fixed order and makes it the current one, leaving out the steps
    // the situation makes needless (lastReplyCode: the final reply of the step that just ended).
    // ftpStepNone when no step is left.
    FtpStep Next(int lastReplyCode, bool hasHostDir);

private:
    StepSet pending_ = 0;
    FtpStep current_ = ftpStepNone;
    FtpStep previous_ = ftpStepNone;
};

}  // namespace fv
