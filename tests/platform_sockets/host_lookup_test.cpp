// HostLookup: answers come on the loop, never inside the call; a cancelled look-up says nothing.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/core/headless_loop.h"
#include "platform/sockets/host_lookup.h"
#include "platform/sockets/socket_errors.h"

namespace fv {
namespace {

TEST(HostLookupTest, LocalhostResolvesThroughTheLoop) {
    HeadlessLoop loop{true};
    HostLookup lookup(loop);
    bool done = false;
    LookupResult got;
    ASSERT_EQ(lookup.StartByName("localhost", [&](const LookupResult& r) {
        done = true;
        got = r;
    }), 0);
    EXPECT_FALSE(done);
    EXPECT_TRUE(lookup.Running());
    ASSERT_TRUE(loop.RunUntil([&] { return done; }, 5000));
    EXPECT_EQ(got.Error, 0);
    ASSERT_FALSE(got.Results.empty());
    EXPECT_EQ(got.Results.front(), "127.0.0.1");
    EXPECT_FALSE(lookup.Running());
}

TEST(HostLookupTest, CancelledLookupNeverAnswers) {
    HeadlessLoop loop{true};
    HostLookup lookup(loop);
    std::atomic<bool> resolverRan{false};
    lookup.SetResolver([&](bool, const std::string&) {
        resolverRan = true;
        return LookupResult{0, {"10.0.0.1"}};
    });
    bool done = false;
    ASSERT_EQ(lookup.StartByName("example", [&](const LookupResult&) { done = true; }), 0);
    lookup.Cancel();
    EXPECT_FALSE(lookup.Running());
    // Give the helper time to finish (a busy machine may start its thread late) and the loop a few turns
    // to (not) deliver it.
    auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!resolverRan && std::chrono::steady_clock::now() < giveUp)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    loop.ProcessPending();
    loop.ProcessPending();
    EXPECT_TRUE(resolverRan);
    EXPECT_FALSE(done);
}

TEST(HostLookupTest, ScriptedFailureAndReverseLookup) {
    HeadlessLoop loop{true};
    HostLookup lookup(loop);
    lookup.SetResolver([](bool reverse, const std::string& what) {
        if (reverse) return LookupResult{0, {"host-of-" + what}};
        return LookupResult{SockHOST_NOT_FOUND, {}};
    });
    int error = -1;
    ASSERT_EQ(lookup.StartByName("nowhere", [&](const LookupResult& r) { error = r.Error; }), 0);
    ASSERT_TRUE(loop.RunUntil([&] { return error != -1; }, 5000));
    EXPECT_EQ(error, SockHOST_NOT_FOUND);

    std::string name;
    ASSERT_EQ(lookup.StartByAddress("127.0.0.1", [&](const LookupResult& r) { name = r.Results.at(0); }), 0);
    ASSERT_TRUE(loop.RunUntil([&] { return !name.empty(); }, 5000));
    EXPECT_EQ(name, "host-of-127.0.0.1");
}

TEST(HostLookupTest, ANewLookupReplacesTheRunningOne) {
    HeadlessLoop loop{true};
    HostLookup lookup(loop);
    lookup.SetResolver([](bool, const std::string& what) { return LookupResult{0, {what}}; });
    std::vector<std::string> answers;
    lookup.StartByName("1.1.1.1", [&](const LookupResult& r) { answers.push_back(r.Results.at(0)); });
    lookup.StartByName("2.2.2.2", [&](const LookupResult& r) { answers.push_back(r.Results.at(0)); });
    ASSERT_TRUE(loop.RunUntil([&] { return !answers.empty(); }, 5000));
    for (int i = 0; i < 5; ++i) loop.RunUntil([] { return false; }, 10);
    ASSERT_EQ(answers.size(), 1u);
    EXPECT_EQ(answers[0], "2.2.2.2");
}

TEST(HostLookupTest, SystemResolverKnowsLocalhostAndRefusesGarbage) {
    LookupResult r = HostLookup::ResolveName("localhost");
    EXPECT_EQ(r.Error, 0);
    EXPECT_EQ(HostLookup::ResolveAddress("not an address").Error, SockEINVAL);
}

}  // namespace
}  // namespace fv
