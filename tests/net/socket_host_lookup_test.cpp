// TSocketHostLookup on its own, on the headless loop with a scripted resolver: answers, failures,
// cancelling, and dotted addresses that need no look-up.
#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "net/socket_host_lookup.h"
#include "platform/core/headless_loop.h"
#include "platform/sockets/socket_errors.h"

namespace fv {
namespace {

class SocketHostLookupTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The resolver runs on the look-up's own thread, which a cancelled look-up leaves running: what it
        // records lives as long as the thread needs it, and is guarded.
        lookup.SetResolver([record = record](bool reverse, const std::string& what) {
            {
                std::lock_guard<std::mutex> hold(record->guard);
                record->asked.push_back((reverse ? "address " : "name ") + what);
            }
            if (what == "nowhere.test") return LookupResult{11001, {}};
            if (reverse) return LookupResult{0, {"host.test"}};
            return LookupResult{0, {"10.0.0.1", "10.0.0.2"}};
        });
    }
    // Runs the loop until the answer arrived; the error it came with.
    int WaitForAnswer() {
        EXPECT_TRUE(loop.RunUntil([this] { return arrived; }, 10000));
        return arrivedError;
    }
    TSocketHostLookup::Arrived Note() {
        return [this](int error) {
            arrived = true;
            arrivedError = error;
        };
    }

    std::vector<std::string> Asked() const {
        std::lock_guard<std::mutex> hold(record->guard);
        return record->asked;
    }

    struct Record {
        std::mutex guard;
        std::vector<std::string> asked;
    };
    std::shared_ptr<Record> record = std::make_shared<Record>();
    HeadlessLoop loop;
    TSocketHostLookup lookup{loop};
    bool arrived = false;
    int arrivedError = -1;
};

TEST_F(SocketHostLookupTest, ANameAnswersWithAllItsAddressesOnALaterTurn) {
    ASSERT_EQ(lookup.StartByName("two.test", Note()), 0);
    EXPECT_TRUE(lookup.Running());
    EXPECT_FALSE(arrived) << "the answer never comes inside the start";
    EXPECT_EQ(WaitForAnswer(), 0);
    int error = -1;
    ASSERT_TRUE(lookup.Finish(error));
    EXPECT_EQ(error, 0);
    EXPECT_FALSE(lookup.Running());
    EXPECT_EQ(lookup.Result(), "10.0.0.1");
    EXPECT_EQ(lookup.ResultList(), (std::vector<std::string>{"10.0.0.1", "10.0.0.2"}));
    EXPECT_EQ(Asked(), (std::vector<std::string>{"name two.test"}));
}

TEST_F(SocketHostLookupTest, AReverseLookupAnswersWithTheName) {
    ASSERT_EQ(lookup.StartByAddress("10.0.0.1", Note()), 0);
    EXPECT_EQ(WaitForAnswer(), 0);
    int error = -1;
    ASSERT_TRUE(lookup.Finish(error));
    EXPECT_EQ(lookup.Result(), "host.test");
    EXPECT_EQ(Asked(), (std::vector<std::string>{"address 10.0.0.1"}));
}

TEST_F(SocketHostLookupTest, AFailedAnswerKeepsItsErrorAndLeavesNoResults) {
    ASSERT_EQ(lookup.StartByName("nowhere.test", Note()), 0);
    EXPECT_EQ(WaitForAnswer(), 11001);
    int error = 0;
    ASSERT_TRUE(lookup.Finish(error));
    EXPECT_EQ(error, 11001);
    EXPECT_TRUE(lookup.Result().empty());
    EXPECT_TRUE(lookup.ResultList().empty());
}

TEST_F(SocketHostLookupTest, ACancelledLookupHasNoAnswerToTake) {
    ASSERT_EQ(lookup.StartByName("two.test", Note()), 0);
    EXPECT_TRUE(lookup.Cancel());
    EXPECT_FALSE(lookup.Running());
    EXPECT_FALSE(lookup.Cancel()) << "nothing runs any more";
    int error = -1;
    EXPECT_FALSE(lookup.Finish(error));
    EXPECT_EQ(error, -1);
    EXPECT_TRUE(lookup.ResultList().empty());
}

TEST_F(SocketHostLookupTest, ADottedAddressIsItsOwnResultAndRestartForgetsIt) {
    lookup.AnswerDotted("192.168.1.2");
    EXPECT_FALSE(lookup.Running());
    EXPECT_EQ(lookup.Result(), "192.168.1.2");
    EXPECT_EQ(lookup.ResultList(), (std::vector<std::string>{"192.168.1.2"}));
    EXPECT_TRUE(Asked().empty());
    lookup.Restart();
    EXPECT_TRUE(lookup.Result().empty());
    EXPECT_TRUE(lookup.ResultList().empty());
}

}  // namespace
}  // namespace fv
