#include "shell/chime_player.h"

#include <gtest/gtest.h>

#include "tests/win/test_files.h"

namespace {

// The built-in bell, whichever way a skin's chime leads to it, starts and the call returns while
// it sounds: three strikes of the one-second bell would hold the clock for over three.
TEST(ChimePlayerTest, PlaysWithoutWaiting) {
    const ScratchFolder folder;
    folder.Write("broken/chime.wav", std::string("RIFF----AVI LIST"));
    ChimePlayer player(GetModuleHandleA(nullptr));
    for (const char* skin : {"", "broken", "none"}) {
        if (*skin)
            player.TakeSkin(folder / skin);
        const ULONGLONG start = GetTickCount64();
        player.Play(3);
        EXPECT_LT(GetTickCount64() - start, 1000u) << skin;
    }
}

}  // namespace
