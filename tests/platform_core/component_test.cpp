// Ownership of components: an owner frees what it owns, FreeComponent frees one now, and
// InsertComponent moves a component to a new owner, which alone frees it from then on.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

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

// FindComponent answers the first owned component of a name in the creation order, whatever has been
// made, renamed, exchanged, moved or freed since: each step below changes what the name finds.
TEST(Component, FindComponentFollowsEveryChangeOfNameAndOwner) {
    int freed = 0;
    Component form, other;
    auto* a = new Counted(&form, "Edit", freed);
    auto* b = new Counted(&form, "Edit", freed);  // a second of the name: the first still answers
    auto* c = new Counted(&form, "Label", freed);
    auto* unnamed = new Counted(&form, "", freed);
    EXPECT_EQ(form.FindComponent("Edit"), a);
    EXPECT_EQ(form.FindComponent(""), unnamed);  // the first without a name
    EXPECT_EQ(form.FindComponent("Missing"), nullptr);

    form.ExchangeComponents(a, b);  // b now comes first in the creation order
    EXPECT_EQ(form.FindComponent("Edit"), b);
    form.ExchangeComponents(a, b);

    a->SetName("Old");  // renamed: the old name finds the next one, the new name finds it
    EXPECT_EQ(form.FindComponent("Edit"), b);
    EXPECT_EQ(form.FindComponent("Old"), a);
    c->SetName("Edit");  // a later one of the name does not displace the first
    EXPECT_EQ(form.FindComponent("Edit"), b);
    b->SetName("");  // unnamed now: found as the first without a name, no more by its old name
    EXPECT_EQ(form.FindComponent("Edit"), c);
    EXPECT_EQ(form.FindComponent(""), b);

    other.InsertComponent(c);  // moved: found by its new owner only
    EXPECT_EQ(form.FindComponent("Edit"), nullptr);
    EXPECT_EQ(other.FindComponent("Edit"), c);
    c->SetName("Moved");  // a rename after the move reaches the new owner's index
    EXPECT_EQ(other.FindComponent("Moved"), c);
    EXPECT_EQ(other.FindComponent("Edit"), nullptr);

    form.FreeComponent(a);  // freed: its name finds nothing, and a new one of the name is found
    EXPECT_EQ(freed, 1);
    EXPECT_EQ(form.FindComponent("Old"), nullptr);
    auto* again = new Counted(&form, "Old", freed);
    EXPECT_EQ(form.FindComponent("Old"), again);

    Component* loose = new Component(nullptr, "Loose");
    loose->SetName("StillLoose");  // a rename without an owner touches no index
    form.InsertComponent(loose);
    EXPECT_EQ(form.FindComponent("StillLoose"), loose);
}

// Every change that can change what a name finds moves the count of ownership changes; looking up,
// making a component without an owner and renaming one without an owner do not.
TEST(Component, OwnershipChangesCountEveryChangeALookUpCanSee) {
    int freed = 0;
    Component form, other;
    auto* a = new Counted(&form, "A", freed);
    auto* b = new Counted(&form, "B", freed);
    Component* loose = nullptr;
    struct Step {
        const char* what;
        std::function<void()> run;
        bool counts;
    };
    const std::vector<Step> steps = {
        {"make with an owner", [&] { new Counted(&form, "C", freed); }, true},
        {"rename while owned", [&] { a->SetName("A2"); }, true},
        {"rename to the same name", [&] { a->SetName("A2"); }, false},
        {"exchange in the order", [&] { form.ExchangeComponents(a, b); }, true},
        {"move to another owner", [&] { other.InsertComponent(b); }, true},
        {"free one now", [&] { other.FreeComponent(b); }, true},
        {"make without an owner", [&] { loose = new Component(nullptr, "Loose"); }, false},
        {"rename without an owner", [&] { loose->SetName("StillLoose"); }, false},
        {"take over one without an owner", [&] { form.InsertComponent(loose); }, true},
        {"look up", [&] { (void)form.FindComponent("A2"); (void)form.FindComponent("Missing"); }, false},
    };
    for (const Step& step : steps) {
        const std::uint64_t before = Component::OwnershipChanges();
        step.run();
        EXPECT_EQ(Component::OwnershipChanges() != before, step.counts) << step.what;
    }
    // Freeing an owner frees what it owns, each one a change.
    auto* owner = new Component(&form, "Owner");
    new Counted(owner, "Inner", freed);
    const std::uint64_t before = Component::OwnershipChanges();
    form.FreeComponent(owner);
    EXPECT_EQ(Component::OwnershipChanges() - before, 2u);
}

}  // namespace
}  // namespace fv
