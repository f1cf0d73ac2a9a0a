// Free notifications: a component hears when one it watches is freed, never after either is gone.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "platform/core/component.h"

namespace fv {
namespace {

struct Watcher : Component {
    using Component::Component;
    void Notification(Component* gone) override { heard.push_back(gone); }
    std::vector<Component*> heard;
};

TEST(FreeNotification, TheWatcherHearsOnceWhenTheWatchedIsFreed) {
    Watcher watcher;
    auto watched = std::make_unique<Component>();
    Component* address = watched.get();
    watcher.FreeNotification(address);
    watcher.FreeNotification(address);  // asking twice is one link
    watched.reset();
    EXPECT_EQ(watcher.heard, std::vector<Component*>{address});
}

TEST(FreeNotification, ALinkEndsWithEitherSide) {
    // The watcher goes first: freeing the watched one later tells nobody (and touches no freed memory).
    auto watched = std::make_unique<Watcher>();
    {
        Watcher watcher;
        watcher.FreeNotification(watched.get());
    }
    watched.reset();

    // Removed: not told.
    Watcher watcher;
    auto other = std::make_unique<Component>();
    watcher.FreeNotification(other.get());
    watcher.RemoveFreeNotification(other.get());
    other.reset();
    EXPECT_TRUE(watcher.heard.empty());
}

TEST(FreeNotification, OwnedComponentsFreedWithTheirOwnerAreReported) {
    Watcher watcher;
    auto owner = std::make_unique<Component>();
    Component* child = owner->Make<Component>("child");
    watcher.FreeNotification(child);
    owner.reset();
    EXPECT_EQ(watcher.heard, std::vector<Component*>{child});
}

}  // namespace
}  // namespace fv
