// The BMP size check over arbitrary file bytes: it runs on every BMP a skin names, before the
// platform's loader is allowed near the file.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "image/bmp_header.h"
#include "tests/fuzz/fuzz_expect.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> file(data, size);
    const std::optional<BmpDimensions> dimensions = ReadBmpDimensions(file);

    // The loader reads only kBmpHeaderBytes from the file; more bytes must not change the answer.
    const std::optional<BmpDimensions> fromStart =
        ReadBmpDimensions(file.first(std::min(size, kBmpHeaderBytes)));
    FuzzExpect(dimensions.has_value() == fromStart.has_value());
    if (!dimensions)
        return 0;
    FuzzExpect(dimensions->width == fromStart->width && dimensions->height == fromStart->height);

    FuzzExpect(size >= kBmpHeaderBytes && data[0] == 'B' && data[1] == 'M');
    FuzzExpect(dimensions->height >= 0);

    // The completeness check sees the first kBmpLayoutBytes and the file's size. A file it
    // passes holds its headers, and a shorter file of the same start never passes.
    const auto start = file.first(std::min(size, kBmpLayoutBytes));
    if (IsCompleteBmp(start, size)) {
        FuzzExpect(size >= 26);
        FuzzExpect(!IsCompleteBmp(start, 0));
    }
    return 0;
}
