// Cubic resampling of pictures in two passes (rows, then columns) and the cache of the results.
#include "TScaledPictureCache.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "SysColors.h"
#include "TResources.h"

namespace {

// On x86-64 the two hot loops are also built for AVX2, chosen when the processor has it. The
// choice is made by the ELF loader, so Windows builds keep the plain loops.
#if defined(__x86_64__) && defined(__ELF__) && defined(__has_attribute)
#if __has_attribute(target_clones)
#define TEVRA_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#endif
#endif
#ifndef TEVRA_VECTOR_CLONES
#define TEVRA_VECTOR_CLONES
#endif

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

// Four pixels weighted and summed, channel by channel.
inline std::uint32_t BlendFour(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d,
                               int wa, int wb, int wc, int wd) {
    const auto channel = [&](int shift) {
        const int sum = static_cast<int>((a >> shift) & 0xFF) * wa +
                        static_cast<int>((b >> shift) & 0xFF) * wb +
                        static_cast<int>((c >> shift) & 0xFF) * wc +
                        static_cast<int>((d >> shift) & 0xFF) * wd;
        return static_cast<std::uint32_t>(std::clamp((sum + WeightOne / 2) >> WeightBits, 0, 255))
               << shift;
    };
    return channel(16) | channel(8) | channel(0);
}

// The taps of an enlargement, four for every destination pixel, laid out tap by tap so that the
// loop over a row can gather four pixels at a time.
struct TFourTaps {
    std::vector<int> Source[4];
    std::vector<int> Weight[4];
};

bool FourTapsOf(const TTaps& taps, TFourTaps* four) {
    const std::size_t count = taps.Start.size() - 1;
    for (std::size_t x = 0; x < count; ++x)
        if (taps.Start[x + 1] - taps.Start[x] != 4)
            return false;
    for (int k = 0; k < 4; ++k) {
        four->Source[k].resize(count);
        four->Weight[k].resize(count);
        for (std::size_t x = 0; x < count; ++x) {
            four->Source[k][x] = taps.Source[static_cast<std::size_t>(taps.Start[x] + k)];
            four->Weight[k][x] = taps.Weight[static_cast<std::size_t>(taps.Start[x] + k)];
        }
    }
    return true;
}

TEVRA_VECTOR_CLONES
void BlendAlongRowFour(const std::uint32_t* src, const TFourTaps& t, int width,
                       std::uint32_t* dst) {
    const int *s0 = t.Source[0].data(), *s1 = t.Source[1].data(), *s2 = t.Source[2].data(),
              *s3 = t.Source[3].data();
    const int *w0 = t.Weight[0].data(), *w1 = t.Weight[1].data(), *w2 = t.Weight[2].data(),
              *w3 = t.Weight[3].data();
    for (int x = 0; x < width; ++x)
        dst[x] =
            BlendFour(src[s0[x]], src[s1[x]], src[s2[x]], src[s3[x]], w0[x], w1[x], w2[x], w3[x]);
}

void BlendAlongRow(const std::uint32_t* src, const TTaps& across, int width, std::uint32_t* dst) {
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

// One row of the result from the rows of the first pass that the taps of row y name. The loop
// runs along the row with the weights fixed, so the compiler turns it into vector code.
TEVRA_VECTOR_CLONES
void BlendRows(const TBitmap& rows, const TTaps& down, int y, std::vector<int>& sums,
               std::uint32_t* dst) {
    const int width = rows.Width();
    const int first = down.Start[y];
    const int count = down.Start[y + 1] - first;
    if (count == 4) {
        // Every row of an enlargement: four taps.
        const std::uint32_t* a = rows.Row(down.Source[first]);
        const std::uint32_t* b = rows.Row(down.Source[first + 1]);
        const std::uint32_t* c = rows.Row(down.Source[first + 2]);
        const std::uint32_t* d = rows.Row(down.Source[first + 3]);
        const int wa = down.Weight[first], wb = down.Weight[first + 1];
        const int wc = down.Weight[first + 2], wd = down.Weight[first + 3];
        for (int x = 0; x < width; ++x)
            dst[x] = BlendFour(a[x], b[x], c[x], d[x], wa, wb, wc, wd);
        return;
    }
    sums.assign(static_cast<std::size_t>(width) * 3, 0);
    for (int k = first; k < first + count; ++k) {
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
    for (int x = 0; x < width; ++x) {
        const int* s = &sums[static_cast<std::size_t>(x) * 3];
        dst[x] = Pack(s[0], s[1], s[2]);
    }
}

TBitmap ResampleCubic(const TBitmap& picture, int width, int height) {
    const TTaps across = TapsFor(picture.Width(), width);
    const TTaps down = TapsFor(picture.Height(), height);
    // Rows first, into a picture as wide as the result and as tall as the source.
    TBitmap rows(width, picture.Height());
    TFourTaps four;
    const bool enlarging = FourTapsOf(across, &four);
    for (int y = 0; y < picture.Height(); ++y) {
        if (enlarging) {
            BlendAlongRowFour(picture.Row(y), four, width, rows.Row(y));
        } else {
            BlendAlongRow(picture.Row(y), across, width, rows.Row(y));
        }
    }
    TBitmap out(width, height);
    std::vector<int> sums;
    for (int y = 0; y < height; ++y)
        BlendRows(rows, down, y, sums, out.Row(y));
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

TBitmap PictureAtSize(const TBitmap& picture, int width, int height) {
    TResourceBytes render;
    if (picture.ResourceName().empty() || picture.Transparent || picture.Empty() ||
        !FindResource(picture.ResourceName() + "-2x", &render, nullptr))
        return ResamplePicture(picture, width, height);
    // The render is twice the picture's width: eighths of it give the width, rounded up to a
    // whole eighth (the decoder's steps); a size between the steps is resampled the last bit.
    const int eighths = std::clamp((4 * width + picture.Width() - 1) / picture.Width(), 1, 16);
    TBitmap sharp;
    if (!sharp.LoadFromBytes(render.Data, render.Size, nullptr, eighths))
        return ResamplePicture(picture, width, height);
    if (sharp.Width() == width && sharp.Height() == height)
        return sharp;
    return ResamplePicture(sharp, width, height);
}

TScaledPictureCache& TScaledPictureCache::Instance() {
    static TScaledPictureCache cache;
    return cache;
}

const TBitmap& TScaledPictureCache::Get(const TBitmap& picture, int width, int height) {
    const std::string& resource = picture.ResourceName();
    const TKey key{resource,
                   resource.empty() ? picture.ContentStamp() : 0,
                   width,
                   height,
                   picture.Transparent,
                   picture.Transparent ? ResolveColor(picture.TransparentColor) : clBlack};
    auto found = index_.find(key);
    if (found != index_.end()) {
        entries_.splice(entries_.begin(), entries_, found->second);
        return entries_.front().Picture;
    }
    ++resamplings_;
    entries_.push_front(TEntry{key, PictureAtSize(picture, width, height)});
    index_.emplace(key, entries_.begin());
    bytes_ += BytesOf(entries_.front().Picture);
    Trim();
    return entries_.front().Picture;
}

void TScaledPictureCache::Forget(const TBitmap& picture) {
    const std::string& resource = picture.ResourceName();
    const std::uint64_t stamp = resource.empty() ? picture.ContentStamp() : 0;
    for (auto it = entries_.begin(); it != entries_.end();) {
        if (std::get<0>(it->Key) == resource && std::get<1>(it->Key) == stamp) {
            bytes_ -= BytesOf(it->Picture);
            index_.erase(it->Key);
            it = entries_.erase(it);
        } else {
            ++it;
        }
    }
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
