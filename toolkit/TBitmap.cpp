// Pixel storage of TBitmap and its load and save entry points.
#include "TBitmap.h"

#include "ImageCodec.h"
#include "TResources.h"

std::uint64_t TBitmap::ContentStamp() const {
    // One counter for every picture, so two pictures never share a stamp unless one is a copy.
    static std::uint64_t last = 0;
    if (stamp_ == 0)
        stamp_ = ++last;
    return stamp_;
}

TBitmap::TBitmap(int width, int height, TColor fill) {
    SetSize(width, height, fill);
}

void TBitmap::SetSize(int width, int height, TColor fill) {
    Changed();
    if (width <= 0 || height <= 0) {
        width_ = 0;
        height_ = 0;
        pixels_.clear();
        return;
    }
    width_ = width;
    height_ = height;
    pixels_.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height),
                   ToNative(fill));
}

TColor TBitmap::Pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return clBlack;
    return FromNative(pixels_[static_cast<std::size_t>(y) * width_ + x]);
}

void TBitmap::SetPixel(int x, int y, TColor color) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_)
        return;
    Changed();
    pixels_[static_cast<std::size_t>(y) * width_ + x] = ToNative(color);
}

bool TBitmap::LoadFromBytes(const std::uint8_t* data, std::size_t size, std::string* error,
                            int jpegEighths) {
    TDecodedImage image;
    bool ok = false;
    if (data != nullptr && size >= 2 && data[0] == 'B' && data[1] == 'M') {
        ok = DecodeBmp(data, size, &image, error);
    } else if (data != nullptr && size >= 3 && data[0] == 0xFF && data[1] == 0xD8 &&
               data[2] == 0xFF) {
        ok = DecodeJpeg(data, size, &image, error, jpegEighths);
    } else {
        if (error)
            *error = "picture data is neither BMP nor JPEG";
    }
    if (!ok)
        return false;
    width_ = image.Width;
    height_ = image.Height;
    pixels_ = std::move(image.Pixels);
    Changed();
    return true;
}

bool TBitmap::LoadFromResource(const std::string& name, std::string* error) {
    TResourceBytes bytes;
    if (!FindResource(name, &bytes, error))
        return false;
    std::string reason;
    if (LoadFromBytes(bytes.Data, bytes.Size, &reason)) {
        resource_ = name;
        return true;
    }
    if (error)
        *error = "resource \"" + name + "\": " + reason;
    return false;
}

bool TBitmap::SaveToPng(const std::string& path, std::string* error) const {
    return EncodePngFile(path, width_, height_, pixels_.data(), error);
}
