// TFtpSequencer: the fixed order of the steps and the steps left out.
#include "net/ftp_sequencer.h"

namespace fv {

namespace {

constexpr FtpStep SequenceOrder[] = {
    ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd,  ftpStepCdup, ftpStepType, ftpStepPort, ftpStepRest,
    ftpStepRetr, ftpStepStor, ftpStepAppe, ftpStepList, ftpStepNlst, ftpStepSyst, ftpStepMkd,  ftpStepRmd,
    ftpStepRnfr, ftpStepRnto, ftpStepSize, ftpStepDele, ftpStepPwd,  ftpStepQuote, ftpStepQuit,
};

}  // namespace

TFtpSequencer::StepSet TFtpSequencer::Set(std::initializer_list<FtpStep> steps) {
    StepSet bits = 0;
    for (FtpStep s : steps) bits |= 1u << unsigned(s);
    return bits;
}

void TFtpSequencer::Start(StepSet steps) {
    pending_ = steps;
    current_ = ftpStepNone;
    previous_ = ftpStepNone;
}

FtpStep TFtpSequencer::Next(int lastReplyCode, bool hasHostDir) {
    for (FtpStep step : SequenceOrder) {
        if (!Holds(pending_, step)) continue;
        pending_ &= ~(1u << unsigned(step));
        // USER answered with 230 needs no password.
        if (step == ftpStepPass && current_ == ftpStepUser && lastReplyCode != 331) continue;
        if (step == ftpStepCwd && !hasHostDir) continue;
        previous_ = current_;
        current_ = step;
        return step;
    }
    pending_ = 0;
    return ftpStepNone;
}

}  // namespace fv
