#include "skin/skin_sound.h"

#include <algorithm>
#include <optional>

namespace {

constexpr std::size_t kRiffHeaderBytes = 12;
constexpr std::size_t kChunkHeaderBytes = 8;
constexpr std::size_t kPcmFormatBytes = 16;
constexpr int kPcmFormat = 1;
constexpr int kMostStrikes = 24;

std::uint32_t Read16(std::span<const std::uint8_t> bytes, std::size_t at) {
    return bytes[at] | bytes[at + 1] << 8;
}

std::uint32_t Read32(std::span<const std::uint8_t> bytes, std::size_t at) {
    return Read16(bytes, at) | Read16(bytes, at + 2) << 16;
}

bool HasTag(std::span<const std::uint8_t> bytes, std::size_t at, std::string_view tag) {
    return std::equal(tag.begin(), tag.end(), bytes.begin() + at);
}

// A chunk's name as the author's tools show it; bytes that are no letters cannot be shown.
std::string ChunkName(std::span<const std::uint8_t> tag) {
    std::string name;
    for (const std::uint8_t byte : tag)
        name += byte >= 0x20 && byte < 0x7F ? static_cast<char>(byte) : '?';
    return name;
}

// The facts of the sound and where its samples lie in the file.
struct WaveParts {
    WaveSound sound;
    std::span<const std::uint8_t> samples;
};

std::variant<WaveSound, std::string> CheckFormat(std::span<const std::uint8_t> format) {
    if (format.size() < kPcmFormatBytes || Read16(format, 0) != kPcmFormat)
        return "is not uncompressed PCM sound";
    const int channels = static_cast<int>(Read16(format, 2));
    const std::uint32_t rate = Read32(format, 4);
    const int bits = static_cast<int>(Read16(format, 14));
    if (channels != 1 && channels != 2)
        return "has " + std::to_string(channels) + " channels; the clock plays 1 or 2";
    if (bits != 8 && bits != 16)
        return "has " + std::to_string(bits) + " bits a sample; the clock plays 8 or 16";
    if (rate < 8000 || rate > 48000)
        return "has " + std::to_string(rate) + " samples a second; the clock plays 8000 to 48000";
    return WaveSound{channels, static_cast<int>(rate), bits, 0};
}

std::variant<WaveParts, std::string> SplitWave(std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxChimeBytes)
        return std::string("is larger than 1 MiB");
    if (bytes.size() < kRiffHeaderBytes || !HasTag(bytes, 0, "RIFF") || !HasTag(bytes, 8, "WAVE"))
        return std::string("is not a WAVE file");

    // The chunks are walked to the end of the file rather than to the end RIFF declares, which
    // some writers leave wrong; a chunk's odd size is followed by a byte of padding.
    std::optional<std::span<const std::uint8_t>> format, samples;
    for (std::size_t at = kRiffHeaderBytes; bytes.size() - at >= kChunkHeaderBytes;) {
        const std::size_t size = Read32(bytes, at + 4);
        const std::size_t body = at + kChunkHeaderBytes;
        if (size > bytes.size() - body)
            return "is cut off inside its \"" + ChunkName(bytes.subspan(at, 4)) + "\" chunk";
        if (HasTag(bytes, at, "fmt ") && !format)
            format = bytes.subspan(body, size);
        else if (HasTag(bytes, at, "data") && !samples)
            samples = bytes.subspan(body, size);
        at = std::min(bytes.size(), body + size + (size & 1));
    }
    if (!format)
        return std::string("has no \"fmt \" chunk to tell how its sound is stored");
    if (!samples)
        return std::string("has no \"data\" chunk holding its sound");

    std::variant<WaveSound, std::string> checked = CheckFormat(*format);
    if (const std::string* refusal = std::get_if<std::string>(&checked))
        return *refusal;
    WaveSound sound = std::get<WaveSound>(checked);
    const std::size_t frameBytes =
        static_cast<std::size_t>(sound.channels * sound.bitsPerSample / 8);
    const std::int64_t frames = static_cast<std::int64_t>(samples->size() / frameBytes);
    if (frames == 0)
        return std::string("holds no sound");
    if (frames * 1000 > kMaxChimeMilliseconds * sound.sampleRate)
        return "lasts longer than " + std::to_string(kMaxChimeMilliseconds / 1000) + " seconds";
    sound.milliseconds = frames * 1000 / sound.sampleRate;
    return WaveParts{sound, samples->first(static_cast<std::size_t>(frames) * frameBytes)};
}

void Append16(std::vector<std::uint8_t>& out, std::uint32_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void Append32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    Append16(out, value & 0xFFFF);
    Append16(out, value >> 16);
}

// Byte by byte: GCC 12 warns falsely of an overflow when a range goes in at once.
void AppendTag(std::vector<std::uint8_t>& out, std::string_view tag) {
    for (const char letter : tag)
        out.push_back(static_cast<std::uint8_t>(letter));
}

}  // namespace

std::string SkinChimePath(const std::string& skin) {
    return skin + "\\chime.wav";
}

std::variant<WaveSound, std::string> ParseWave(std::span<const std::uint8_t> bytes) {
    std::variant<WaveParts, std::string> parts = SplitWave(bytes);
    if (const WaveParts* wave = std::get_if<WaveParts>(&parts))
        return wave->sound;
    return std::get<std::string>(std::move(parts));
}

std::vector<std::uint8_t> RepeatedWave(std::span<const std::uint8_t> bytes, int times,
                                       int gapMilliseconds) {
    const std::variant<WaveParts, std::string> parts = SplitWave(bytes);
    const WaveParts* wave = std::get_if<WaveParts>(&parts);
    if (!wave)
        return {};
    const WaveSound& sound = wave->sound;
    times = std::clamp(times, 1, kMostStrikes);
    const std::int64_t gap = std::clamp<std::int64_t>(gapMilliseconds, 0, kMaxChimeMilliseconds);
    const std::uint32_t frameBytes =
        static_cast<std::uint32_t>(sound.channels * sound.bitsPerSample / 8);
    const std::size_t gapBytes =
        static_cast<std::size_t>(gap * sound.sampleRate / 1000) * frameBytes;
    const std::size_t dataBytes = times * wave->samples.size() + (times - 1) * gapBytes;

    std::vector<std::uint8_t> out;
    out.reserve(kRiffHeaderBytes + 2 * kChunkHeaderBytes + kPcmFormatBytes + dataBytes);
    AppendTag(out, "RIFF");
    Append32(out,
             static_cast<std::uint32_t>(4 + 2 * kChunkHeaderBytes + kPcmFormatBytes + dataBytes));
    AppendTag(out, "WAVE");
    AppendTag(out, "fmt ");
    Append32(out, kPcmFormatBytes);
    Append16(out, kPcmFormat);
    Append16(out, static_cast<std::uint32_t>(sound.channels));
    Append32(out, static_cast<std::uint32_t>(sound.sampleRate));
    Append32(out, static_cast<std::uint32_t>(sound.sampleRate) * frameBytes);
    Append16(out, frameBytes);
    Append16(out, static_cast<std::uint32_t>(sound.bitsPerSample));
    AppendTag(out, "data");
    Append32(out, static_cast<std::uint32_t>(dataBytes));
    // Silence is the middle of the range: 8-bit samples are unsigned, 16-bit ones signed.
    const std::uint8_t silence = sound.bitsPerSample == 8 ? 128 : 0;
    for (int strike = 0; strike < times; ++strike) {
        if (strike > 0)
            out.insert(out.end(), gapBytes, silence);
        out.insert(out.end(), wave->samples.begin(), wave->samples.end());
    }
    return out;
}
