#include "skin/skin_sound.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// A chunk as a writer lays it out; `declared` overstates its size for a file cut short.
Bytes Chunk(std::string_view tag, const Bytes& body, std::uint32_t declared = 0) {
    Bytes out(tag.begin(), tag.end());
    Put(out, declared ? declared : static_cast<std::uint32_t>(body.size()), 4);
    out.insert(out.end(), body.begin(), body.end());
    if (body.size() % 2 && !declared)
        out.push_back(0);
    return out;
}

struct Format {
    int tag = 1;
    int channels = 1;
    int rate = 8000;
    int bits = 8;
};

Bytes Fmt(const Format& format) {
    const int frame = format.channels * format.bits / 8;
    Bytes body;
    for (const auto& [value, bytes] : {std::pair{format.tag, 2},
                                       {format.channels, 2},
                                       {format.rate, 4},
                                       {format.rate * frame, 4},
                                       {frame, 2},
                                       {format.bits, 2}})
        Put(body, static_cast<std::uint32_t>(value), bytes);
    return Chunk("fmt ", body);
}

Bytes Wave(const std::vector<Bytes>& chunks, std::string_view riff = "RIFF") {
    Bytes body{'W', 'A', 'V', 'E'};
    for (const Bytes& chunk : chunks)
        body.insert(body.end(), chunk.begin(), chunk.end());
    return Chunk(riff, body);
}

Bytes Samples(std::size_t count) {
    Bytes samples(count);
    for (std::size_t i = 0; i < count; ++i)
        samples[i] = static_cast<std::uint8_t>(i * 7 + 1);
    return samples;
}

// An odd-sized chunk before the sound (and its pad byte) is stepped over, the sound may come
// before its format, and five seconds is not too long.
TEST(SkinSoundTest, TakesPcmWavesWithinTheLimits) {
    const std::pair<Bytes, WaveSound> cases[] = {
        {Wave({Fmt({}), Chunk("LIST", Samples(3)), Chunk("data", Samples(4000))}),
         {1, 8000, 8, 500}},
        {Wave({Chunk("data", Samples(88200)), Fmt({1, 2, 22050, 16})}), {2, 22050, 16, 1000}},
        {Wave({Fmt({}), Chunk("data", Samples(40000))}), {1, 8000, 8, 5000}},
    };
    for (const auto& [file, expected] : cases) {
        const auto parsed = ParseWave(file);
        ASSERT_TRUE(std::holds_alternative<WaveSound>(parsed)) << std::get<std::string>(parsed);
        const WaveSound& sound = std::get<WaveSound>(parsed);
        EXPECT_EQ(
            std::tuple(sound.channels, sound.sampleRate, sound.bitsPerSample, sound.milliseconds),
            std::tuple(expected.channels, expected.sampleRate, expected.bitsPerSample,
                       expected.milliseconds));
    }
}

TEST(SkinSoundTest, RefusesWhatItCannotPlaySafely) {
    const Bytes data = Chunk("data", Samples(100));
    const Bytes cutShort = Wave({Fmt({}), Chunk("data", Samples(100), 101)});
    const struct {
        Bytes file;
        std::string words;
    } cases[] = {
        {Wave({Fmt({}), data}, "RIFX"), "is not a WAVE file"},
        {Bytes{'R', 'I', 'F', 'F'}, "is not a WAVE file"},
        {Wave({Fmt({3, 1, 8000, 8}), data}), "is not uncompressed PCM"},
        {Wave({Chunk("fmt ", Samples(14)), data}), "is not uncompressed PCM"},
        {Wave({Fmt({1, 3, 8000, 8}), data}), "has 3 channels"},
        {Wave({Fmt({1, 1, 8000, 24}), data}), "has 24 bits a sample"},
        {Wave({Fmt({1, 1, 96000, 16}), data}), "has 96000 samples a second"},
        {Wave({Fmt({}), Chunk("data", Samples(40001))}), "lasts longer than 5 seconds"},
        {Wave({Fmt({}), Chunk("data", Samples(kMaxChimeBytes))}), "is larger than 1 MiB"},
        {cutShort, "is cut off inside its \"data\" chunk"},
        {Wave({Fmt({}), Chunk("L\x01ST", Samples(4), 0xFFFFFFFF)}), "inside its \"L?ST\" chunk"},
        {Wave({data}), "has no \"fmt \" chunk"},
        {Wave({Fmt({})}), "has no \"data\" chunk"},
        {Wave({Fmt({1, 2, 8000, 16}), Chunk("data", Samples(3))}), "holds no sound"},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseWave(c.file);
        ASSERT_TRUE(std::holds_alternative<std::string>(parsed)) << c.words;
        EXPECT_NE(std::get<std::string>(parsed).find(c.words), std::string::npos)
            << std::get<std::string>(parsed);
        EXPECT_TRUE(RepeatedWave(c.file, 2, 100).empty()) << c.words;
    }
}

// The strikes of an hour: the sound's whole frames once a strike, silence between; a count
// below one is taken as once.
TEST(SkinSoundTest, RepeatsTheSoundWithSilenceBetween) {
    const Bytes samples = Samples(400);
    for (const auto& [format, times, gapBytes, silence] :
         {std::tuple{Format{1, 1, 8000, 8}, 3, 800, 128},
          {Format{1, 2, 16000, 16}, 2, 6400, 0},
          {Format{}, 0, 0, 0}}) {
        // A byte beyond the last whole frame is not sounded.
        const Bytes file = Wave({Fmt(format), Chunk("data", Samples(400 + format.bits / 8 - 1))});
        const Bytes repeated = RepeatedWave(file, times, 100);
        const int strikes = std::max(times, 1);
        ASSERT_EQ(repeated.size(), 44 + strikes * 400 + (strikes - 1) * gapBytes);
        for (int strike = 0; strike < strikes; ++strike) {
            const auto start = repeated.begin() + 44 + strike * (400 + gapBytes);
            EXPECT_TRUE(std::equal(samples.begin(), samples.end(), start)) << strike;
            if (strike + 1 < strikes) {
                EXPECT_EQ(std::count(start + 400, start + 400 + gapBytes, silence), gapBytes);
            }
        }
    }
}

}  // namespace
