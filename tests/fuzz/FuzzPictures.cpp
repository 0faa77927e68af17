// Fuzzes the picture decoders: damaged BMP and JPEG data is refused with a reason or gives a
// picture of exactly its stated size; PNG pictures the game writes read back pixel for pixel.
#include <png.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "FuzzTarget.h"
#include "ImageCodec.h"
#include "TBitmap.h"

namespace {

void CheckDecoded(bool ok, const TDecodedImage& image, const std::string& error) {
    if (!ok) {
        FUZZ_CHECK(!error.empty());
        return;
    }
    FUZZ_CHECK(image.Width > 0 && image.Height > 0);
    FUZZ_CHECK(image.Width <= MaxImageSide && image.Height <= MaxImageSide);
    FUZZ_CHECK(image.Pixels.size() == static_cast<std::size_t>(image.Width) * image.Height);
    for (std::uint32_t pixel : image.Pixels)
        FUZZ_CHECK((pixel & 0xFF000000u) == 0);
}

}  // namespace

int FuzzBmp(const std::uint8_t* data, std::size_t size) {
    TDecodedImage image;
    std::string error;
    CheckDecoded(DecodeBmp(data, size, &image, &error), image, error);
    TBitmap bitmap;
    bitmap.LoadFromBytes(data, size, &error);
    return 0;
}

int FuzzJpeg(const std::uint8_t* data, std::size_t size) {
    TDecodedImage image;
    std::string error;
    CheckDecoded(DecodeJpeg(data, size, &image, &error), image, error);
    return 0;
}

// The first two bytes give the size (1 to 64 a side), the rest the pixels, repeated as needed.
int FuzzPng(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const int width = 1 + data[0] % 64, height = 1 + data[1] % 64;
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint8_t* p = data + 2 + (i * 3) % (size - 2);
        const std::uint8_t g = p + 1 < data + size ? p[1] : 0, b = p + 2 < data + size ? p[2] : 0;
        pixels[i] = (std::uint32_t{p[0]} << 16) | (std::uint32_t{g} << 8) | b;
    }
    const std::string path = "/tmp/tevra-fuzz-" + std::to_string(::getpid()) + ".png";
    std::string error;
    FUZZ_CHECK(EncodePngFile(path, width, height, pixels.data(), &error));
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    FUZZ_CHECK(png_image_begin_read_from_file(&image, path.c_str()) != 0);
    image.format = PNG_FORMAT_RGB;
    FUZZ_CHECK(static_cast<int>(image.width) == width && static_cast<int>(image.height) == height);
    std::vector<png_byte> rgb(PNG_IMAGE_SIZE(image));
    FUZZ_CHECK(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr) != 0);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t read = (std::uint32_t{rgb[i * 3]} << 16) |
                                   (std::uint32_t{rgb[i * 3 + 1]} << 8) | rgb[i * 3 + 2];
        FUZZ_CHECK(read == pixels[i]);
    }
    ::unlink(path.c_str());
    return 0;
}

#if defined(TEVRA_FUZZ_BMP)
TEVRA_FUZZ_TARGET(FuzzBmp)
#elif defined(TEVRA_FUZZ_JPEG)
TEVRA_FUZZ_TARGET(FuzzJpeg)
#elif defined(TEVRA_FUZZ_PNG)
TEVRA_FUZZ_TARGET(FuzzPng)
#endif
