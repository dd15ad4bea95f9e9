// The window shape of an image: every pixel except those of the key colour.

#include <algorithm>
#include <vector>

#include "image/pixel_image.h"
#include "image/region_runs.h"

namespace {

// Wine makes a region from a rectangle list by uniting the rectangles into it one at a time,
// each union copying the region so far: a long list costs the square of its length. Short
// pieces stay cheap, and the pieces are then united pairwise.
constexpr size_t kRectsPerPiece = 16;

// Unites regions that arrive top to bottom pairwise, like a merge sort, so that no union works on
// the whole region more than a logarithmic number of times. Like a binary counter, it unites two
// regions as soon as they cover equally many pieces, so it never holds more than about log2 of
// the number of pieces: a shape of millions of rectangles stays far below the platform's limit on
// handles.
class PairwiseUnion {
public:
    void Add(UniqueRegion region) {
        size_t pieces = 1;
        while (!stack.empty() && stack.back().pieces == pieces) {
            CombineRgn(stack.back().region.get(), stack.back().region.get(), region.get(), RGN_OR);
            region = std::move(stack.back().region);
            stack.pop_back();
            pieces *= 2;
        }
        stack.push_back({std::move(region), pieces});
    }

    UniqueRegion Finish() {
        if (stack.empty())
            return UniqueRegion(CreateRectRgn(0, 0, 0, 0));
        UniqueRegion result = std::move(stack.back().region);
        stack.pop_back();
        for (; !stack.empty(); stack.pop_back()) {
            UniqueRegion& earlier = stack.back().region;
            CombineRgn(earlier.get(), earlier.get(), result.get(), RGN_OR);
            result = std::move(earlier);
        }
        return result;
    }

private:
    struct Entry {
        UniqueRegion region;
        size_t pieces;  // how many pieces it holds, a power of two
    };
    std::vector<Entry> stack;
};

// Collects the rectangles of the shape, which arrive in the platform's banded order (top to
// bottom, then left to right), into pieces of at most kRectsPerPiece rectangles and hands each
// piece's region on as soon as it is full.
class PieceBuilder {
public:
    explicit PieceBuilder(PairwiseUnion& target) : target(target) {}

    void Add(const RECT& rect) {
        if (count == kRectsPerPiece)
            Flush();
        data.rects[count++] = rect;
    }

    void Flush() {
        if (count == 0)
            return;
        RGNDATAHEADER& header = data.header;
        header.dwSize = sizeof(RGNDATAHEADER);
        header.iType = RDH_RECTANGLES;
        header.nCount = static_cast<DWORD>(count);
        header.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
        const RECT* rects = data.rects;
        header.rcBound = {rects[0].left, rects[0].top, rects[0].right, rects[count - 1].bottom};
        for (size_t i = 1; i < count; ++i) {
            header.rcBound.left = std::min(header.rcBound.left, rects[i].left);
            header.rcBound.right = std::max(header.rcBound.right, rects[i].right);
        }
        const DWORD size = static_cast<DWORD>(sizeof(RGNDATAHEADER) + count * sizeof(RECT));
        target.Add(UniqueRegion(ExtCreateRegion(nullptr, size, reinterpret_cast<RGNDATA*>(&data))));
        count = 0;
    }

private:
    PairwiseUnion& target;
    // RGNDATA laid out with room for a whole piece.
    struct {
        RGNDATAHEADER header;
        RECT rects[kRectsPerPiece];
    } data{};
    size_t count = 0;
};

}  // namespace

UniqueRegion PixelImage::CreateRegion(ColorValue key) const {
    PairwiseUnion shape;
    PieceBuilder pieces(shape);
    for (const RegionBand& band : KeyedRegionBands(Pixels(), key))
        for (const PixelRun& run : band.runs)
            pieces.Add({run.left, band.top, run.right, band.bottom});
    pieces.Flush();
    return shape.Finish();
}
