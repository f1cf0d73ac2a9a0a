// An up-down with an associated edit: the edit shows every position set, and a number typed into the
// edit is the position read, as a user sees it on the screen.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/ui/edit.h"
#include "platform/ui/form.h"
#include "platform/ui/up_down.h"

namespace fv {
namespace {

struct Pair {
    Form form{nullptr};
    Edit* edit = form.Make<Edit>("Edit");
    UpDown* updown = form.Make<UpDown>("UpDown");
    std::vector<std::string> edits;  // the edit's text at each OnChange
    Pair() {
        updown->SetRange(1, 10);
        edit->OnChange = [this](Component*) { edits.push_back(edit->Text() + "=" + std::to_string(updown->Position())); };
        updown->SetAssociate(edit);
    }
};

TEST(UpDownAssociate, TheEditShowsThePositionAndTellsItsOwner) {
    Pair p;
    EXPECT_EQ(p.edit->Text(), "1");
    p.updown->SetPosition(p.updown->Position() + 1);  // the up arrow
    p.updown->SetPosition(99);                        // kept within the range
    EXPECT_EQ(p.edits, (std::vector<std::string>{"1=1", "2=2", "10=10"}));
}

TEST(UpDownAssociate, TheArrowsStepByTheIncrementWithinTheRange) {
    Pair p;
    p.updown->SetRange(0, 100);
    p.updown->Increment = 5;
    p.edit->UserSetText("3");
    p.updown->StepUp();
    EXPECT_EQ(p.edit->Text(), "8");
    p.updown->StepDown();
    p.updown->StepDown();
    EXPECT_EQ(p.edit->Text(), "0");
    p.updown->SetPosition(98);
    p.updown->StepUp();
    EXPECT_EQ(p.updown->Position(), 100);

    // Steps of 90 over 0..360, as the angle arrows step: from a typed value, and stopped at each end.
    Pair q;
    q.updown->SetRange(0, 360);
    q.updown->Increment = 90;
    q.edit->UserSetText("100");
    q.updown->StepUp();
    EXPECT_EQ(q.edit->Text(), "190");
    for (int i = 0; i < 3; ++i) q.updown->StepUp();
    EXPECT_EQ(q.updown->Position(), 360) << "the last press stops at the end";
    q.edit->UserSetText("30");
    q.updown->StepDown();
    EXPECT_EQ(q.updown->Position(), 0);
}

TEST(UpDownAssociate, AWrappingUpDownGoesOnFromTheOtherEnd) {
    struct Case {
        const char* why;
        int from;
        bool up;
        int position;
    };
    // A rotation of 0..360 in steps of 5.
    const Case cases[] = {
        {"past the top: the bottom", 360, true, 0},
        {"past the bottom: the top", 0, false, 360},
        {"a step that lands inside stays a step", 355, true, 360},
        {"a step from the middle", 180, false, 175},
        {"a step over the top from below it", 358, true, 0},
    };
    for (const Case& c : cases) {
        Pair p;
        p.updown->SetRange(0, 360);
        p.updown->Increment = 5;
        p.updown->Wrap = true;
        p.edit->UserSetText(std::to_string(c.from));
        c.up ? p.updown->StepUp() : p.updown->StepDown();
        EXPECT_EQ(p.updown->Position(), c.position) << c.why;
        EXPECT_EQ(p.edit->Text(), std::to_string(c.position)) << c.why;
    }
}

TEST(UpDownAssociate, ATypedNumberIsThePosition) {
    struct Case {
        const char* typed;
        int position;
    };
    // A text that is no whole number leaves the last position set (here 4).
    for (const Case& c : {Case{"7", 7}, Case{" 3 ", 3}, Case{"+5", 5}, Case{"25", 10}, Case{"0", 1},
                          Case{"2.5", 4}, Case{"abc", 4}, Case{"", 4}}) {
        Pair p;
        p.updown->SetPosition(4);
        p.edit->UserSetText(c.typed);
        EXPECT_EQ(p.updown->Position(), c.position) << c.typed;
    }
    // A number typed and then spoilt keeps the number typed, not the one set before it.
    {
        Pair p;
        p.updown->SetPosition(4);
        p.edit->UserSetText("8");
        EXPECT_EQ(p.updown->Position(), 8);
        p.edit->UserSetText("8x");
        EXPECT_EQ(p.updown->Position(), 8);
        p.updown->SetPosition(2);
        p.edit->UserSetText("");
        EXPECT_EQ(p.updown->Position(), 2) << "a position set later counts again";
    }
    // The arrows step from what was typed.
    Pair p;
    p.edit->UserSetText("6");
    p.updown->SetPosition(p.updown->Position() + 1);
    EXPECT_EQ(p.edit->Text(), "7");
}

}  // namespace
}  // namespace fv
