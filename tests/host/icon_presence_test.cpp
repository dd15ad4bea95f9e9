#include "model/icon_presence.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using enum IconRequest;

// At sign-in the shell refuses the first add; each later try asks whether the icon came after
// all before adding it again, until it is there or the tries run out; hiding always asks the
// shell to take the icon, whatever it answered before.
TEST(IconPresenceTest, ARefusedIconIsAskedForAgainAndHidingAlwaysDeletes) {
    int refusals = 3;
    std::vector<IconRequest> asked;
    IconPresence icon([&](IconRequest request) {
        asked.push_back(request);
        return request == Delete || refusals-- <= 0;
    });
    icon.Show(true);
    EXPECT_TRUE(icon.Retrying());
    icon.Retry();
    icon.Retry();
    icon.Retry();  // there: no more tries
    EXPECT_EQ(asked, (std::vector{Add, Modify, Add, Modify}));
    EXPECT_TRUE(icon.Shown());

    icon.Show(false);
    icon.Show(false);
    EXPECT_EQ(asked.size(), 6u);
    EXPECT_EQ(asked.back(), Delete);

    refusals = 1000;
    icon.Show(true);
    for (int i = 0; i < IconPresence::kRetries; ++i)
        icon.Retry();
    EXPECT_FALSE(icon.Retrying());
}

}  // namespace
