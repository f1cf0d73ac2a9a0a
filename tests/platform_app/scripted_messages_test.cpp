// The scripted message boxes answer Escape as the real ones do: Cancel where there is one, OK on a plain
// message, and nothing on a question without a cancel answer, which waits for a button.
#include <gtest/gtest.h>

#include "platform/app/scripted_services.h"

namespace fv {
namespace {

TEST(ScriptedMessagesTest, EscapeAnswersOnlyWhereTheBoxHasAnAnswerForIt) {
    const struct {
        const char* reason;
        unsigned flags;
        int answer;  // after Escape and then Yes, Retry or OK queued
        int ignored;
    } cases[] = {
        {"a plain message: Escape is OK", MbOk | MbIconExclamation, IdOk, 0},
        {"OK/Cancel: Escape is Cancel", MbOkCancel, IdCancel, 0},
        {"Yes/No/Cancel: Escape is Cancel", MbYesNoCancel | MbIconQuestion, IdCancel, 0},
        {"Retry/Cancel: Escape is Cancel", MbRetryCancel, IdCancel, 0},
        {"Yes/No: Escape does not answer, Yes does", MbYesNo | MbIconQuestion, IdYes, 1},
        {"Abort/Retry/Ignore: Escape does not answer, Retry does", MbAbortRetryIgnore, IdRetry, 1},
    };
    for (const auto& c : cases) {
        ScriptedMessages messages;
        messages.PressEscape();
        messages.Answer((c.flags & MbButtonMask) == MbAbortRetryIgnore ? IdRetry : IdYes);
        EXPECT_EQ(messages.MessageBox("Save Changes?", "Folivex", c.flags), c.answer) << c.reason;
        EXPECT_EQ(messages.IgnoredEscapes(), c.ignored) << c.reason;
        EXPECT_EQ(messages.Log().back().Answer, c.answer) << c.reason;
    }
    // Escape alone never answers a yes/no question: the box still waits.
    ScriptedMessages messages;
    messages.PressEscape();
    EXPECT_THROW(messages.MessageBox("Save Changes?", "Folivex", MbYesNo), UnansweredQuestion);
}

}  // namespace
}  // namespace fv
