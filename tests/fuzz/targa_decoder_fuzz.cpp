// The Targa decoder over arbitrary file bytes, in the order the Targa reader uses it: header,
// checks, size limit, then the pixel data widened into an image sized from the header.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "image/image_limits.h"
#include "image/targa_decoder.h"
#include "tests/fuzz/fuzz_expect.h"

namespace {

// Pixels a decoded image may have here. Every size runs the same index arithmetic, and a side of
// 16384 still fits (as a strip), but images of millions of pixels would only slow the search.
constexpr std::uint64_t kMaxDecodedPixels = std::uint64_t{1} << 16;

// No 24-bit pixel can come out as this: the decoder sets their fourth byte to 0.
constexpr std::uint32_t kUnwritten = 0xFFFFFFFFu;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const TargaHeader header = ParseTargaHeader(file);
    if (CheckTargaHeader(header) != TargaError::None)
        return 0;
    if (!IsAcceptableImageSize(header.width, header.height))
        return 0;
    const std::uint64_t pixelCount = std::uint64_t{header.width} * header.height;
    FuzzExpect(TargaImageBytes(header) == pixelCount * sizeof(std::uint32_t));
    if (pixelCount > kMaxDecodedPixels)
        return 0;

    // As the reader does: the pixel data start past the header's extras and are cut to the size
    // the header declares; a file that ends early gives fewer.
    const std::uint64_t offset = std::min<std::uint64_t>(TargaPixelOffset(header), size);
    const std::span<const std::uint8_t> rest = file.subspan(static_cast<std::size_t>(offset));
    const std::span<const std::uint8_t> pixelData = rest.first(
        static_cast<std::size_t>(std::min<std::uint64_t>(rest.size(), TargaPixelBytes(header))));

    std::vector<std::uint32_t> image(static_cast<std::size_t>(pixelCount), kUnwritten);
    DecodeTargaPixels(header, pixelData, image.data());
    if (header.pixelDepth == 24) {
        // Every pixel was written, whatever the origin bits and however short the data.
        FuzzExpect(std::none_of(image.begin(), image.end(),
                                [](std::uint32_t pixel) { return pixel >> 24 != 0; }));
    }
    return 0;
}
