#pragma once
// A skin's chime.wav as the clock takes it. A skin's files come from anyone: the sound is read
// only as far as its own chunks say, and a file the clock refuses leaves the built-in bell.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

// A chime is a short sound: longer or larger ones are refused rather than played for minutes.
constexpr std::size_t kMaxChimeBytes = 1 << 20;
constexpr std::int64_t kMaxChimeMilliseconds = 5000;

struct WaveSound {
    int channels;       // 1 or 2
    int sampleRate;     // 8000 to 48000 a second
    int bitsPerSample;  // 8 or 16
    std::int64_t milliseconds;
};

// The path of the sound in the skin folder `skin`, joined as the skin's other files are.
std::string SkinChimePath(const std::string& skin);

// The sound `bytes` hold, or why the clock refuses them, worded to follow the file's name
// ("is not a WAVE file"). Taken: a RIFF WAVE file of uncompressed PCM, 1 or 2 channels of 8 or
// 16 bits at 8000 to 48000 samples a second, no larger than kMaxChimeBytes and no longer than
// kMaxChimeMilliseconds, whose every chunk lies inside the file.
std::variant<WaveSound, std::string> ParseWave(std::span<const std::uint8_t> bytes);

// A plain PCM WAVE file that sounds the sound of `bytes` `times` times, `gapMilliseconds` of
// silence between one and the next; empty when ParseWave refuses `bytes`. `times` counts from
// 1 to 24 and the gap from 0 to kMaxChimeMilliseconds; values outside are taken as the nearest.
std::vector<std::uint8_t> RepeatedWave(std::span<const std::uint8_t> bytes, int times,
                                       int gapMilliseconds);
