// A 32-bit picture in memory: the pixels every control paints into and every image loads into.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "TTypes.h"

// Pixels are stored as 0x00RRGGBB (the layout SDL's XRGB8888 surfaces use), row by row from the
// top; the accessors speak TColor so callers never see the storage order.
class TBitmap {
  public:
    TBitmap() = default;
    TBitmap(int width, int height, TColor fill = clBlack);

    int Width() const { return width_; }
    int Height() const { return height_; }
    bool Empty() const { return width_ <= 0 || height_ <= 0; }
    void SetSize(int width, int height, TColor fill = clBlack);

    TColor Pixel(int x, int y) const;           // clBlack outside the picture
    void SetPixel(int x, int y, TColor color);  // ignored outside the picture
    std::uint32_t* Row(int y) {
        Changed();
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }
    const std::uint32_t* Row(int y) const {
        return pixels_.data() + static_cast<std::size_t>(y) * width_;
    }

    // Colour keying for Draw: with Transparent set, pixels equal to TransparentColor are skipped.
    bool Transparent = false;
    TColor TransparentColor = clBlack;

    // Decodes a 24-bit (or 32-bit) BMP or a JPEG, chosen by the data's signature; a JPEG is
    // decoded at jpegEighths / 8 of its size (1 to 16). On failure the picture is left as it was
    // and the reason is written into *error.
    bool LoadFromBytes(const std::uint8_t* data, std::size_t size, std::string* error,
                       int jpegEighths = 8);
    // Loads a named resource compiled into the executable (see TResources.h).
    bool LoadFromResource(const std::string& name, std::string* error);
    // The resource the pixels were loaded from, until they are changed; copies share it. A
    // picture drawn larger or smaller is made from the resource's larger render when there is one.
    const std::string& ResourceName() const { return resource_; }
    bool SaveToPng(const std::string& path, std::string* error) const;

    // A number that names the pixels as they are now: copies share it, and any change through
    // SetSize, SetPixel, Row or a load gives the picture a new one. Scaled copies are cached by it.
    std::uint64_t ContentStamp() const;

    friend bool operator==(const TBitmap& a, const TBitmap& b) {
        return a.width_ == b.width_ && a.height_ == b.height_ && a.pixels_ == b.pixels_;
    }

    static std::uint32_t ToNative(TColor c) {
        return (static_cast<std::uint32_t>(GetRValue(c)) << 16) |
               (static_cast<std::uint32_t>(GetGValue(c)) << 8) |
               static_cast<std::uint32_t>(GetBValue(c));
    }
    static TColor FromNative(std::uint32_t p) {
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }

  private:
    void Changed() {
        stamp_ = 0;
        if (!resource_.empty())
            resource_.clear();
    }

    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint32_t> pixels_;
    mutable std::uint64_t stamp_ = 0;  // 0: changed since the last stamp was handed out
    std::string resource_;
};
