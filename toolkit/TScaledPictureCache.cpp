// Cubic resampling of pictures in two passes (rows, then columns) and the cache of the results.
#include "TScaledPictureCache.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "SysColors.h"

namespace {

constexpr int WeightBits = 14;
constexpr int WeightOne = 1 << WeightBits;

// The Catmull-Rom cubic: sharp enough for enlarged text and outlines in pictures, and it passes
// through every source pixel, so a picture drawn at its own size comes out unchanged.
double Cubic(double x) {
    x = std::fabs(x);
    if (x < 1)
        return (1.5 * x - 2.5) * x * x + 1;
    if (x < 2)
        return ((-0.5 * x + 2.5) * x - 4) * x + 2;
    return 0;
}

// For each destination pixel along one axis: the source pixels that contribute and their weights
// in fixed point, summing to WeightOne.
struct TTaps {
    std::vector<int> Start;   // index into Source and Weight, one per destination pixel, plus end
    std::vector<int> Source;  // already clamped to the picture
    std::vector<int> Weight;
};

TTaps TapsFor(int sourceLength, int destLength) {
    TTaps taps;
    const double ratio = static_cast<double>(destLength) / sourceLength;
    // When shrinking, the filter is widened so every source pixel is averaged in.
    const double widen = ratio < 1 ? 1 / ratio : 1;
    const double radius = 2 * widen;
    std::vector<double> weights;
    for (int i = 0; i < destLength; ++i) {
        taps.Start.push_back(static_cast<int>(taps.Source.size()));
        const double centre = (i + 0.5) / ratio - 0.5;
        const int first = static_cast<int>(std::floor(centre - radius)) + 1;
        const int last = static_cast<int>(std::floor(centre + radius));
        weights.clear();
        double sum = 0;
        for (int j = first; j <= last; ++j) {
            weights.push_back(Cubic((j - centre) / widen));
            sum += weights.back();
        }
        int fixedSum = 0;
        std::size_t largest = 0;
        const std::size_t begin = taps.Weight.size();
        for (int j = first; j <= last; ++j) {
            const std::size_t k = static_cast<std::size_t>(j - first);
            const int w = static_cast<int>(std::lround(weights[k] / sum * WeightOne));
            taps.Source.push_back(std::clamp(j, 0, sourceLength - 1));
            taps.Weight.push_back(w);
            fixedSum += w;
            if (weights[k] > weights[largest])
                largest = k;
        }
        // Rounding leftovers go to the strongest tap, so flat areas keep their exact colour.
        taps.Weight[begin + largest] += WeightOne - fixedSum;
    }
    taps.Start.push_back(static_cast<int>(taps.Source.size()));
    return taps;
}

std::uint32_t Pack(int r, int g, int b) {
    const auto channel = [](int v) {
        return static_cast<std::uint32_t>(std::clamp((v + WeightOne / 2) >> WeightBits, 0, 255));
    };
    return (channel(r) << 16) | (channel(g) << 8) | channel(b);
}

TBitmap ResampleNearest(const TBitmap& picture, int width, int height) {
    TBitmap out(width, height);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* src =
            picture.Row(static_cast<int>(static_cast<long long>(y) * picture.Height() / height));
        std::uint32_t* dst = out.Row(y);
        for (int x = 0; x < width; ++x)
            dst[x] = src[static_cast<long long>(x) * picture.Width() / width];
    }
    return out;
}

TBitmap ResampleCubic(const TBitmap& picture, int width, int height) {
    const TTaps across = TapsFor(picture.Width(), width);
    const TTaps down = TapsFor(picture.Height(), height);
    // Rows first, into a picture as wide as the result and as tall as the source.
    TBitmap rows(width, picture.Height());
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint32_t* src = picture.Row(y);
        std::uint32_t* dst = rows.Row(y);
        for (int x = 0; x < width; ++x) {
            int r = 0, g = 0, b = 0;
            for (int k = across.Start[x]; k < across.Start[x + 1]; ++k) {
                const std::uint32_t p = src[across.Source[k]];
                const int w = across.Weight[k];
                r += static_cast<int>((p >> 16) & 0xFF) * w;
                g += static_cast<int>((p >> 8) & 0xFF) * w;
                b += static_cast<int>(p & 0xFF) * w;
            }
            dst[x] = Pack(r, g, b);
        }
    }
    TBitmap out(width, height);
    std::vector<int> sums(static_cast<std::size_t>(width) * 3);
    for (int y = 0; y < height; ++y) {
        std::fill(sums.begin(), sums.end(), 0);
        for (int k = down.Start[y]; k < down.Start[y + 1]; ++k) {
            const std::uint32_t* src = rows.Row(down.Source[k]);
            const int w = down.Weight[k];
            for (int x = 0; x < width; ++x) {
                const std::uint32_t p = src[x];
                int* s = &sums[static_cast<std::size_t>(x) * 3];
                s[0] += static_cast<int>((p >> 16) & 0xFF) * w;
                s[1] += static_cast<int>((p >> 8) & 0xFF) * w;
                s[2] += static_cast<int>(p & 0xFF) * w;
            }
        }
        std::uint32_t* dst = out.Row(y);
        for (int x = 0; x < width; ++x) {
            const int* s = &sums[static_cast<std::size_t>(x) * 3];
            dst[x] = Pack(s[0], s[1], s[2]);
        }
    }
    return out;
}

std::size_t BytesOf(const TBitmap& picture) {
    return static_cast<std::size_t>(picture.Width()) * static_cast<std::size_t>(picture.Height()) *
           4;
}

}  // namespace

TBitmap ResamplePicture(const TBitmap& picture, int width, int height) {
    if (picture.Empty() || width <= 0 || height <= 0)
        return TBitmap();
    TBitmap out = picture.Transparent ? ResampleNearest(picture, width, height)
                                      : ResampleCubic(picture, width, height);
    out.Transparent = picture.Transparent;
    out.TransparentColor = picture.TransparentColor;
    return out;
}

TScaledPictureCache& TScaledPictureCache::Instance() {
    static TScaledPictureCache cache;
    return cache;
}

const TBitmap& TScaledPictureCache::Get(const TBitmap& picture, int width, int height) {
    const TKey key{picture.ContentStamp(), width, height, picture.Transparent,
                   picture.Transparent ? ResolveColor(picture.TransparentColor) : clBlack};
    auto found = index_.find(key);
    if (found != index_.end()) {
        entries_.splice(entries_.begin(), entries_, found->second);
        return entries_.front().Picture;
    }
    ++resamplings_;
    entries_.push_front(TEntry{key, ResamplePicture(picture, width, height)});
    index_.emplace(key, entries_.begin());
    bytes_ += BytesOf(entries_.front().Picture);
    Trim();
    return entries_.front().Picture;
}

void TScaledPictureCache::SetLimitBytes(std::size_t bytes) {
    limit_ = bytes;
    Trim();
}

void TScaledPictureCache::Clear() {
    index_.clear();
    entries_.clear();
    bytes_ = 0;
}

void TScaledPictureCache::Trim() {
    while (bytes_ > limit_ && entries_.size() > 1) {
        const TEntry& oldest = entries_.back();
        bytes_ -= BytesOf(oldest.Picture);
        index_.erase(oldest.Key);
        entries_.pop_back();
    }
}
