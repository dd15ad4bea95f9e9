// The chime check over arbitrary file bytes: it runs on every chime.wav a skin brings, before
// the sound is handed to the system to play.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

#include "skin/skin_sound.h"
#include "tests/fuzz/fuzz_expect.h"

namespace {

constexpr std::size_t kCanonicalHeaderBytes = 44;

bool SameSound(const WaveSound& a, const WaveSound& b) {
    return a.channels == b.channels && a.sampleRate == b.sampleRate &&
           a.bitsPerSample == b.bitsPerSample && a.milliseconds == b.milliseconds;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const std::variant<WaveSound, std::string> parsed = ParseWave(file);
    const std::vector<std::uint8_t> once = RepeatedWave(file, 1, 0);
    const WaveSound* sound = std::get_if<WaveSound>(&parsed);
    FuzzExpect(once.empty() == !sound);
    if (!sound) {
        FuzzExpect(!std::get<std::string>(parsed).empty());
        return 0;
    }
    FuzzExpect(size <= kMaxChimeBytes);
    FuzzExpect(sound->channels == 1 || sound->channels == 2);
    FuzzExpect(sound->bitsPerSample == 8 || sound->bitsPerSample == 16);
    FuzzExpect(sound->sampleRate >= 8000 && sound->sampleRate <= 48000);
    FuzzExpect(sound->milliseconds >= 0 && sound->milliseconds <= kMaxChimeMilliseconds);

    // The file written anew tells the same sound, and is its own form written anew.
    const std::variant<WaveSound, std::string> again = ParseWave(once);
    FuzzExpect(std::holds_alternative<WaveSound>(again) &&
               SameSound(std::get<WaveSound>(again), *sound));
    FuzzExpect(RepeatedWave(once, 1, 0) == once);

    // Two strikes are the sound twice with the gap's whole frames of silence between.
    const int gapMilliseconds = size % 50;
    const std::size_t gapBytes = static_cast<std::size_t>(
        gapMilliseconds * sound->sampleRate / 1000 * sound->channels * sound->bitsPerSample / 8);
    FuzzExpect(RepeatedWave(file, 2, gapMilliseconds).size() ==
               2 * once.size() - kCanonicalHeaderBytes + gapBytes);
    return 0;
}
