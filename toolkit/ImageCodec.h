// Decoders for BMP and JPEG data and the PNG encoder behind TBitmap's load and save.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// A decoded picture: Width * Height pixels in TBitmap's native 0x00RRGGBB layout, top row first.
struct TDecodedImage {
    int Width = 0;
    int Height = 0;
    std::vector<std::uint32_t> Pixels;
};

// The largest picture any decoder accepts; a header claiming more is treated as damaged, so a
// corrupt file can never make us allocate gigabytes.
constexpr int MaxImageSide = 16384;
constexpr std::size_t MaxImagePixels = std::size_t{64} * 1024 * 1024;

bool DecodeBmp(const std::uint8_t* data, std::size_t size, TDecodedImage* out, std::string* error);
// scaleEighths (1 to 16) decodes the JPEG straight to that many eighths of its size, each side
// rounded up: the decoder's own scaling, sharper and cheaper than resampling the whole picture.
bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TDecodedImage* out, std::string* error,
                int scaleEighths = 8);
// Writes 8-bit RGB; pixels are in native layout, top row first.
bool EncodePngFile(const std::string& path, int width, int height, const std::uint32_t* pixels,
                   std::string* error);
