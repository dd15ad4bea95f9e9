#include "skin/skin_sound.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(SkinSoundTest, TakesPcmWavesWithinTheLimits) {
    const struct {
        Bytes file;
        int channels, rate, bits;
        std::int64_t milliseconds;
    } cases[] = {
        // An odd-sized chunk before the sound, and its pad byte, are stepped over.
        {Wave({Fmt({}), Chunk("LIST", Samples(3)), Chunk("data", Samples(4000))}), 1, 8000, 8, 500},
        {Wave({Chunk("data", Samples(88200)), Fmt({1, 2, 22050, 16})}), 2, 22050, 16, 1000},
        {Wave({Fmt({1, 1, 8000, 8}), Chunk("data", Samples(40000))}), 1, 8000, 8, 5000},
        {Wave({Fmt({1, 1, 48000, 16}), Chunk("data", Samples(2))}), 1, 48000, 16, 0},
    };
    for (const auto& c : cases) {
        const auto parsed = ParseWave(c.file);
        ASSERT_TRUE(std::holds_alternative<WaveSound>(parsed)) << std::get<std::string>(parsed);
        const WaveSound& sound = std::get<WaveSound>(parsed);
        EXPECT_EQ(sound.channels, c.channels);
        EXPECT_EQ(sound.sampleRate, c.rate);
        EXPECT_EQ(sound.bitsPerSample, c.bits);
        EXPECT_EQ(sound.milliseconds, c.milliseconds);
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

TEST(SkinSoundTest, RepeatsTheSoundWithSilenceBetween) {
    const struct {
        Format format;
        int times, gapMilliseconds;
        std::size_t gapBytes;
        std::uint8_t silence;
    } cases[] = {
        {{1, 1, 8000, 8}, 3, 100, 800, 128},
        {{1, 2, 16000, 16}, 2, 10, 640, 0},
        {{1, 1, 8000, 8}, 1, 100, 0, 0},
        {{1, 1, 8000, 8}, 0, -5, 0, 0},  // taken as once, without a gap
    };
    const Bytes samples = Samples(400);
    for (const auto& c : cases) {
        // Bytes beyond the last whole frame are not sounded.
        const int frame = c.format.channels * c.format.bits / 8;
        const Bytes file = Wave({Fmt(c.format), Chunk("data", Samples(400 + frame - 1))});
        const Bytes repeated = RepeatedWave(file, c.times, c.gapMilliseconds);
        const int times = std::max(c.times, 1);
        const std::size_t header = 44;
        ASSERT_EQ(repeated.size(), header + times * samples.size() + (times - 1) * c.gapBytes);
        const auto parsed = ParseWave(repeated);
        ASSERT_TRUE(std::holds_alternative<WaveSound>(parsed));
        EXPECT_EQ(std::get<WaveSound>(parsed).sampleRate, c.format.rate);
        for (int strike = 0; strike < times; ++strike) {
            const auto start = repeated.begin() + header + strike * (samples.size() + c.gapBytes);
            EXPECT_TRUE(std::equal(samples.begin(), samples.end(), start)) << strike;
            if (strike + 1 < times) {
                EXPECT_EQ(std::count(start + samples.size(), start + samples.size() + c.gapBytes,
                                     c.silence),
                          static_cast<std::ptrdiff_t>(c.gapBytes));
            }
        }
    }
}

}  // namespace
