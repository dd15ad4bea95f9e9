#include "app/icon_presence.h"

#include <gtest/gtest.h>

#include <deque>
#include <utility>
#include <vector>

namespace {

// A shell that answers from a script (true once the script runs out) and keeps the requests.
struct ScriptedShell {
    explicit ScriptedShell(std::deque<bool> answers) : answers(std::move(answers)) {}

    std::deque<bool> answers;
    std::vector<IconRequest> asked;

    IconPresence::Shell Function() {
        return [this](IconRequest request) {
            asked.push_back(request);
            const bool answer = answers.empty() || answers.front();
            if (!answers.empty())
                answers.pop_front();
            return answer;
        };
    }
};

using enum IconRequest;

// At sign-in the shell refuses the first add; a later try asks whether the icon came after all
// before adding it again, and the tries stop once the icon is there.
TEST(IconPresenceTest, ARefusedIconIsAskedForAgainUntilItIsThere) {
    ScriptedShell shell({false, false, false});
    IconPresence icon(shell.Function());
    icon.Show(true);
    EXPECT_FALSE(icon.Shown());
    EXPECT_TRUE(icon.Retrying());
    icon.Retry();
    icon.Retry();
    EXPECT_EQ(shell.asked, (std::vector{Add, Modify, Add, Modify}));
    EXPECT_TRUE(icon.Shown());
    EXPECT_FALSE(icon.Retrying());
    icon.Retry();
    EXPECT_EQ(shell.asked.size(), 4u);
}

TEST(IconPresenceTest, TriesEndAfterAWhileAndAfterTheIconIsTurnedOff) {
    ScriptedShell shell(std::deque<bool>(2 * IconPresence::kRetries + 2, false));
    IconPresence icon(shell.Function());
    icon.Show(true);
    for (int i = 0; i < IconPresence::kRetries; ++i)
        icon.Retry();
    EXPECT_FALSE(icon.Retrying());
    EXPECT_EQ(shell.asked.size(), 2u * IconPresence::kRetries + 1);

    icon.Restore();  // the notification area was made anew: tries start again
    EXPECT_TRUE(icon.Retrying());
    icon.Show(false);
    EXPECT_FALSE(icon.Retrying());
}

// Whatever the shell answered before, an icon turned off is asked to go: one whose add timed
// out may be there all the same.
TEST(IconPresenceTest, HidingAlwaysAsksTheShellToTakeTheIcon) {
    ScriptedShell shell({false});
    IconPresence icon(shell.Function());
    icon.Show(true);
    icon.Show(false);
    icon.Show(false);
    EXPECT_EQ(shell.asked, (std::vector{Add, Delete, Delete}));
    icon.Show(true);
    icon.Show(true);  // shown already: nothing more to ask
    EXPECT_EQ(shell.asked.back(), Add);
    EXPECT_EQ(shell.asked.size(), 4u);
}

}  // namespace
