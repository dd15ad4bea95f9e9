#include "shell/chime_player.h"

#include <mmsystem.h>

#include <variant>

#include "image/file_bytes.h"
#include "res/resource.h"
#include "skin/skin_sound.h"

namespace {

// Between two strikes, long enough to count them, short enough that twelve stay one chime.
constexpr int kStrikeGapMilliseconds = 250;

std::span<const std::uint8_t> ResourceBytes(HINSTANCE instance, int id) {
    HRSRC found = FindResourceA(instance, MAKEINTRESOURCEA(id), RT_RCDATA);
    HGLOBAL loaded = found ? LoadResource(instance, found) : nullptr;  // not owned: module's
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes)
        return {};
    return {static_cast<const std::uint8_t*>(bytes), SizeofResource(instance, found)};
}

void StopSound() {
    PlaySoundW(nullptr, nullptr, 0);
}

}  // namespace

ChimePlayer::ChimePlayer(HINSTANCE instance) : builtIn(ResourceBytes(instance, IDR_CHIME)) {}

ChimePlayer::~ChimePlayer() {
    StopSound();
}

void ChimePlayer::TakeSkin(const std::string& skinFolder) {
    // One byte past the limit tells a file at the limit from a larger one. No folder, no
    // sound: an empty one would name a file at the root of the drive.
    std::vector<std::uint8_t> bytes =
        skinFolder.empty()
            ? std::vector<std::uint8_t>()
            : ReadUpTo(OpenForReading(SkinChimePath(skinFolder)).get(), kMaxChimeBytes + 1);
    if (std::holds_alternative<WaveSound>(ParseWave(bytes)))
        skinSound = std::move(bytes);
    else
        skinSound.clear();
}

void ChimePlayer::Play(int times) {
    std::vector<std::uint8_t> next =
        RepeatedWave(skinSound.empty() ? builtIn : skinSound, times, kStrikeGapMilliseconds);
    if (next.empty())
        return;
    // The sound playing reads `playing`: it ends before its bytes are replaced.
    StopSound();
    playing = std::move(next);
    PlaySoundW(reinterpret_cast<LPCWSTR>(playing.data()), nullptr,
               SND_MEMORY | SND_ASYNC | SND_NODEFAULT);
}
