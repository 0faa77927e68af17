// Pictures resampled to the size they are drawn at when scaled, and the cache that keeps them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <list>
#include <map>
#include <string>
#include <tuple>

#include "TBitmap.h"

// Resamples with a cubic filter (a wider one when shrinking), so an enlarged picture stays smooth
// instead of blocky. A keyed picture is resampled pixel by pixel (nearest), so its key colour stays
// exact and no blend of key and picture shows up as a fringe. The result keeps the picture's key.
TBitmap ResamplePicture(const TBitmap& picture, int width, int height);

// The picture made for drawing at another size (a display's scale): a picture loaded from a
// resource that has a render twice its size (named "<name>-2x", a JPEG) is decoded from that
// render straight to the size, sharp at every quarter step from 0.5 to 4; any other picture, and
// a keyed one (whose key colour must stay exact), is resampled.
TBitmap PictureAtSize(const TBitmap& picture, int width, int height);

// Resampling an 800 x 600 background takes milliseconds; painting it must not. The cache keeps the
// copies drawn most recently up to a byte limit, so the screen on show is repainted from memory.
class TScaledPictureCache {
  public:
    static TScaledPictureCache& Instance();

    // The picture at the given size, resampled on first use. The reference stays valid until the
    // next call.
    const TBitmap& Get(const TBitmap& picture, int width, int height);

    // Older copies are dropped once the total passes the limit; the copy asked for last is always
    // kept, however large.
    void SetLimitBytes(std::size_t bytes);
    // Drops the copies of a picture at every size: for a picture that is no longer shown, such
    // as the one a picture control has just replaced.
    void Forget(const TBitmap& picture);
    std::size_t Bytes() const { return bytes_; }
    std::size_t Count() const { return entries_.size(); }
    std::uint64_t Resamplings() const { return resamplings_; }
    void Clear();

  private:
    TScaledPictureCache() = default;
    void Trim();

    // The resource it was loaded from (so every load of one picture shares one copy) or else its
    // content stamp, size, whether keyed and the key: everything the copy depends on.
    using TKey = std::tuple<std::string, std::uint64_t, int, int, bool, TColor>;
    struct TEntry {
        TKey Key;
        TBitmap Picture;
    };
    std::list<TEntry> entries_;  // most recently used first
    std::map<TKey, std::list<TEntry>::iterator> index_;
    std::size_t bytes_ = 0;
    std::size_t limit_ = 16u << 20;
    std::uint64_t resamplings_ = 0;
};
