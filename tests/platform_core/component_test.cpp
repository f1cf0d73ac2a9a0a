// Ownership of components: an owner frees what it owns, FreeComponent frees one now, and
// InsertComponent moves a component to a new owner, which alone frees it from then on.
#include <gtest/gtest.h>

#include "platform/core/component.h"

namespace fv {
namespace {

// Counts its destructions so that a double free or a leak shows.
struct Counted : Component {
    Counted(Component* owner, std::string name, int& freed) : Component(owner, std::move(name)), freed(freed) {}
    ~Counted() override { ++freed; }
    int& freed;
};

TEST(Component, InsertComponentMovesOwnership) {
    int freed = 0;
    auto form = std::make_unique<Component>();
    Component other;
    auto* a = new Counted(&other, "A", freed);
    auto* b = new Counted(&other, "B", freed);
    form->InsertComponent(a);
    EXPECT_EQ(a->Owner(), form.get());
    EXPECT_EQ(other.FindComponent("A"), nullptr);
    EXPECT_EQ(form->FindComponent("A"), a);
    ASSERT_EQ(other.Components().size(), 1u);
    EXPECT_EQ(other.Components()[0], b);
    form->InsertComponent(a);  // already its own: nothing changes
    EXPECT_EQ(form->Components().size(), 1u);
    auto* loose = new Counted(nullptr, "Loose", freed);
    form->InsertComponent(loose);  // a component without owner is taken over too
    EXPECT_EQ(loose->Owner(), form.get());
    form.reset();
    EXPECT_EQ(freed, 2);  // A and Loose, once each
    other.FreeComponent(b);
    EXPECT_EQ(freed, 3);
    EXPECT_TRUE(other.Components().empty());
}

}  // namespace
}  // namespace fv
