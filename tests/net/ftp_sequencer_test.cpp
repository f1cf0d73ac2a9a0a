// TFtpSequencer on its own: the order of the steps and the steps left out, one row a request.
#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <vector>

#include "net/ftp_sequencer.h"

namespace fv {
namespace {

struct Case {
    const char* why;
    std::vector<FtpStep> given;
    bool hasHostDir;
    // The final reply each step ends with (200 when not named).
    std::map<FtpStep, int> replies;
    std::vector<FtpStep> run;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.why; }

class SequencerOrder : public ::testing::TestWithParam<Case> {};

TEST_P(SequencerOrder, RunsTheStepsInTheFixedOrder) {
    const Case& c = GetParam();
    TFtpSequencer seq;
    std::uint32_t bits = 0;
    for (FtpStep s : c.given) bits |= TFtpSequencer::Set({s});
    seq.Start(bits);
    std::vector<FtpStep> run;
    int reply = 0;
    for (int guard = 0; guard < 40; ++guard) {
        const FtpStep step = seq.Next(reply, c.hasHostDir);
        if (step == ftpStepNone) break;
        EXPECT_EQ(seq.Current(), step);
        run.push_back(step);
        auto it = c.replies.find(step);
        reply = it == c.replies.end() ? 200 : it->second;
    }
    EXPECT_EQ(run, c.run);
    EXPECT_EQ(seq.Pending(), 0u);
    EXPECT_EQ(seq.Next(reply, c.hasHostDir), ftpStepNone);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SequencerOrder,
    ::testing::Values(
        Case{"connect: USER asks for the password", {ftpStepPass, ftpStepOpen, ftpStepUser}, true,
             {{ftpStepUser, 331}}, {ftpStepOpen, ftpStepUser, ftpStepPass}},
        Case{"connect: USER logs in at once, no PASS", {ftpStepOpen, ftpStepUser, ftpStepPass}, true,
             {{ftpStepUser, 230}}, {ftpStepOpen, ftpStepUser}},
        Case{"session put in the fixed order",
             {ftpStepQuit, ftpStepStor, ftpStepPort, ftpStepType, ftpStepCwd, ftpStepPass, ftpStepUser, ftpStepOpen},
             true, {{ftpStepUser, 331}},
             {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepType, ftpStepPort, ftpStepStor, ftpStepQuit}},
        Case{"no host directory: no CWD", {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepSyst, ftpStepQuit},
             false, {{ftpStepUser, 331}}, {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepSyst, ftpStepQuit}},
        Case{"PASS skipped and CWD skipped together", {ftpStepOpen, ftpStepUser, ftpStepPass, ftpStepCwd, ftpStepDele},
             false, {{ftpStepUser, 230}}, {ftpStepOpen, ftpStepUser, ftpStepDele}},
        Case{"PASS alone runs: only a USER just before it decides", {ftpStepPass, ftpStepSize}, true, {},
             {ftpStepPass, ftpStepSize}},
        Case{"resume get: REST before RETR", {ftpStepRetr, ftpStepRest, ftpStepPort}, true, {},
             {ftpStepPort, ftpStepRest, ftpStepRetr}},
        Case{"rename: RNFR before RNTO", {ftpStepRnto, ftpStepRnfr}, true, {}, {ftpStepRnfr, ftpStepRnto}},
        Case{"nothing to run", {}, true, {}, {}}));

TEST(Sequencer, PreviousIsTheStepThatRanBefore) {
    TFtpSequencer seq;
    seq.Start(TFtpSequencer::Set({ftpStepPort, ftpStepRest, ftpStepRetr}));
    EXPECT_EQ(seq.Current(), ftpStepNone);
    EXPECT_EQ(seq.Next(0, true), ftpStepPort);
    EXPECT_EQ(seq.Previous(), ftpStepNone);
    EXPECT_EQ(seq.Next(200, true), ftpStepRest);
    EXPECT_EQ(seq.Previous(), ftpStepPort);
    EXPECT_EQ(seq.Next(350, true), ftpStepRetr);
    EXPECT_EQ(seq.Previous(), ftpStepRest);
}

TEST(Sequencer, ASkippedStepIsNotThePreviousOne) {
    TFtpSequencer seq;
    seq.Start(TFtpSequencer::Set({ftpStepUser, ftpStepPass, ftpStepCwd}));
    EXPECT_EQ(seq.Next(0, true), ftpStepUser);
    EXPECT_EQ(seq.Next(230, true), ftpStepCwd);
    EXPECT_EQ(seq.Previous(), ftpStepUser);
}

TEST(Sequencer, ClearEndsTheRunAndStartBeginsAfresh) {
    TFtpSequencer seq;
    seq.Start(TFtpSequencer::Set({ftpStepOpen, ftpStepUser, ftpStepQuit}));
    EXPECT_EQ(seq.Next(0, true), ftpStepOpen);
    seq.Clear();
    EXPECT_EQ(seq.Next(220, true), ftpStepNone);
    seq.Start(TFtpSequencer::Set({ftpStepSyst}));
    EXPECT_EQ(seq.Current(), ftpStepNone);
    EXPECT_EQ(seq.Next(0, true), ftpStepSyst);
    EXPECT_TRUE(TFtpSequencer::Holds(TFtpSequencer::Set({ftpStepPort, ftpStepQuit}), ftpStepQuit));
    EXPECT_FALSE(TFtpSequencer::Holds(TFtpSequencer::Set({ftpStepPort, ftpStepQuit}), ftpStepRetr));
}

}  // namespace
}  // namespace fv
