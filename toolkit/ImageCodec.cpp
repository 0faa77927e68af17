// BMP and JPEG decoding and PNG encoding, written to reject damaged data with a message.
#include "ImageCodec.h"

// jpeglib.h needs stdio first for FILE.
#include <jerror.h>
#include <jpeglib.h>
#include <png.h>
#include <cstdio>

#include <csetjmp>
#include <cstdio>
#include <cstring>

namespace {

std::uint32_t ReadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::uint16_t ReadU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}
std::int32_t ReadS32(const std::uint8_t* p) {
    const std::uint32_t u = ReadU32(p);
    std::int32_t s;
    std::memcpy(&s, &u, sizeof s);
    return s;
}

bool Fail(std::string* error, const std::string& message) {
    if (error)
        *error = message;
    return false;
}

bool SizeAcceptable(long long width, long long height) {
    return width > 0 && height > 0 && width <= MaxImageSide && height <= MaxImageSide &&
           static_cast<unsigned long long>(width * height) <= MaxImagePixels;
}

constexpr std::uint32_t BiRgb = 0;
constexpr std::uint32_t BiBitfields = 3;

}  // namespace

bool DecodeBmp(const std::uint8_t* data, std::size_t size, TDecodedImage* out, std::string* error) {
    constexpr std::size_t FileHeaderSize = 14;
    if (data == nullptr || size < FileHeaderSize + 40)
        return Fail(error, "BMP: file too short");
    if (data[0] != 'B' || data[1] != 'M')
        return Fail(error, "BMP: missing BM signature");
    const std::uint32_t pixelOffset = ReadU32(data + 10);
    const std::uint32_t infoSize = ReadU32(data + 14);
    if (infoSize < 40 || infoSize > size - FileHeaderSize)
        return Fail(error, "BMP: unsupported or truncated info header");
    const std::int32_t width = ReadS32(data + 18);
    const std::int32_t rawHeight = ReadS32(data + 22);
    const std::uint16_t planes = ReadU16(data + 26);
    const std::uint16_t bitCount = ReadU16(data + 28);
    const std::uint32_t compression = ReadU32(data + 30);
    if (planes != 1)
        return Fail(error, "BMP: plane count is not 1");
    if (bitCount != 24 && bitCount != 32)
        return Fail(error, "BMP: only 24-bit and 32-bit pictures are supported");
    if (rawHeight == INT32_MIN)
        return Fail(error, "BMP: absurd height");
    const bool topDown = rawHeight < 0;
    const long long height = topDown ? -static_cast<long long>(rawHeight) : rawHeight;
    if (!SizeAcceptable(width, height))
        return Fail(error, "BMP: absurd picture size");

    if (compression == BiBitfields) {
        // Only the plain byte order is accepted; anything else would need per-channel shifting
        // and no picture of ours uses it.
        if (bitCount != 32)
            return Fail(error, "BMP: bit fields need 32 bits per pixel");
        std::size_t masksAt = FileHeaderSize + 40;
        if (masksAt + 12 > size)
            return Fail(error, "BMP: truncated colour masks");
        if (ReadU32(data + masksAt) != 0x00FF0000u || ReadU32(data + masksAt + 4) != 0x0000FF00u ||
            ReadU32(data + masksAt + 8) != 0x000000FFu)
            return Fail(error, "BMP: unsupported colour masks");
    } else if (compression != BiRgb) {
        return Fail(error, "BMP: compressed pictures are not supported");
    }

    const std::size_t bytesPerPixel = bitCount / 8;
    const std::size_t stride =
        (static_cast<std::size_t>(width) * bytesPerPixel + 3) & ~std::size_t{3};
    const unsigned long long needed =
        static_cast<unsigned long long>(stride) * static_cast<unsigned long long>(height);
    if (pixelOffset < FileHeaderSize + infoSize || pixelOffset > size)
        return Fail(error, "BMP: pixel data offset out of range");
    // The last row needs no padding to be usable, so accept files that drop it.
    const unsigned long long lastRow = static_cast<unsigned long long>(width) * bytesPerPixel;
    if (needed - stride + lastRow > size - pixelOffset)
        return Fail(error, "BMP: pixel data truncated");

    TDecodedImage image;
    image.Width = width;
    image.Height = static_cast<int>(height);
    image.Pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (long long row = 0; row < height; ++row) {
        const long long sourceRow = topDown ? row : height - 1 - row;
        const std::uint8_t* src = data + pixelOffset + static_cast<std::size_t>(sourceRow) * stride;
        std::uint32_t* dst = image.Pixels.data() + static_cast<std::size_t>(row) * width;
        for (std::int32_t x = 0; x < width; ++x, src += bytesPerPixel) {
            dst[x] = (static_cast<std::uint32_t>(src[2]) << 16) |
                     (static_cast<std::uint32_t>(src[1]) << 8) | src[0];
        }
    }
    *out = std::move(image);
    return true;
}

namespace {

// libjpeg reports fatal errors by calling error_exit, which must not return; we jump back to
// the decoder and turn the message into a returned error instead of letting it end the process.
struct TJpegErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
    bool Truncated;
};

void JpegErrorExit(j_common_ptr info) {
    auto* manager = reinterpret_cast<TJpegErrorManager*>(info->err);
    manager->Base.format_message(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

void JpegOutputMessage(j_common_ptr info) {
    // Warnings stay quiet, except that premature end of data marks the picture as damaged:
    // libjpeg would otherwise fill the missing part with grey and call it a success.
    auto* manager = reinterpret_cast<TJpegErrorManager*>(info->err);
    const int code = manager->Base.msg_code;
    if (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)
        manager->Truncated = true;
}

void JpegEmitMessage(j_common_ptr info, int level) {
    if (level < 0)
        JpegOutputMessage(info);
}

}  // namespace

namespace {

// The part of JPEG decoding that can be left by longjmp. It holds no objects with destructors
// and changes no locals of its own after setjmp: everything it fills lives in the caller.
bool DecodeJpegGuarded(const std::uint8_t* data, std::size_t size, int scaleEighths,
                       jpeg_decompress_struct* info, TJpegErrorManager* manager,
                       TDecodedImage* image, std::vector<JSAMPLE>* row, std::string* error) {
    info->err = jpeg_std_error(&manager->Base);
    manager->Base.error_exit = JpegErrorExit;
    manager->Base.output_message = JpegOutputMessage;
    manager->Base.emit_message = JpegEmitMessage;
    manager->Message[0] = '\0';
    manager->Truncated = false;
    if (setjmp(manager->Jump)) {
        jpeg_destroy_decompress(info);
        return Fail(error, std::string("JPEG: ") + manager->Message);
    }
    jpeg_create_decompress(info);
    jpeg_mem_src(info, data, static_cast<unsigned long>(size));
    jpeg_read_header(info, TRUE);
    if (!SizeAcceptable(info->image_width, info->image_height)) {
        jpeg_destroy_decompress(info);
        return Fail(error, "JPEG: absurd picture size");
    }
    info->out_color_space = JCS_RGB;
    info->scale_num = static_cast<unsigned int>(scaleEighths);
    info->scale_denom = 8;
    jpeg_calc_output_dimensions(info);
    if (!SizeAcceptable(info->output_width, info->output_height)) {
        jpeg_destroy_decompress(info);
        return Fail(error, "JPEG: absurd picture size");
    }
    jpeg_start_decompress(info);
    if (info->output_components != 3) {
        jpeg_destroy_decompress(info);
        return Fail(error, "JPEG: unexpected colour layout");
    }
    image->Width = static_cast<int>(info->output_width);
    image->Height = static_cast<int>(info->output_height);
    image->Pixels.resize(static_cast<std::size_t>(image->Width) * image->Height);
    row->resize(static_cast<std::size_t>(image->Width) * 3);
    while (info->output_scanline < info->output_height && !manager->Truncated) {
        const std::size_t y = info->output_scanline;
        JSAMPROW rows[1] = {row->data()};
        if (jpeg_read_scanlines(info, rows, 1) != 1)
            break;
        std::uint32_t* dst = image->Pixels.data() + y * static_cast<std::size_t>(image->Width);
        for (int x = 0; x < image->Width; ++x) {
            const JSAMPLE* p = row->data() + static_cast<std::size_t>(x) * 3;
            dst[x] = (static_cast<std::uint32_t>(p[0]) << 16) |
                     (static_cast<std::uint32_t>(p[1]) << 8) | p[2];
        }
    }
    if (manager->Truncated || info->output_scanline < info->output_height) {
        jpeg_destroy_decompress(info);
        return Fail(error, "JPEG: data truncated");
    }
    // The end of the data is only looked for here; a missing end is damage too.
    jpeg_finish_decompress(info);
    jpeg_destroy_decompress(info);
    if (manager->Truncated)
        return Fail(error, "JPEG: data truncated");
    return true;
}

}  // namespace

bool DecodeJpeg(const std::uint8_t* data, std::size_t size, TDecodedImage* out, std::string* error,
                int scaleEighths) {
    if (data == nullptr || size < 4)
        return Fail(error, "JPEG: file too short");
    if (scaleEighths < 1 || scaleEighths > 16)
        return Fail(error, "JPEG: scale out of range");
    TDecodedImage image;
    std::vector<JSAMPLE> row;
    jpeg_decompress_struct info;
    TJpegErrorManager manager;
    std::memset(&info, 0, sizeof info);
    if (!DecodeJpegGuarded(data, size, scaleEighths, &info, &manager, &image, &row, error))
        return false;
    *out = std::move(image);
    return true;
}

bool EncodePngFile(const std::string& path, int width, int height, const std::uint32_t* pixels,
                   std::string* error) {
    if (width <= 0 || height <= 0 || pixels == nullptr)
        return Fail(error, "PNG: nothing to save in an empty picture");
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(width) * height * 3);
    for (std::size_t i = 0, n = static_cast<std::size_t>(width) * height; i < n; ++i) {
        rgb[i * 3] = static_cast<std::uint8_t>(pixels[i] >> 16);
        rgb[i * 3 + 1] = static_cast<std::uint8_t>(pixels[i] >> 8);
        rgb[i * 3 + 2] = static_cast<std::uint8_t>(pixels[i]);
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_RGB;
    if (!png_image_write_to_file(&image, path.c_str(), 0, rgb.data(), 0, nullptr)) {
        const std::string reason = image.message;
        png_image_free(&image);
        return Fail(error, "PNG: cannot write " + path + ": " + reason);
    }
    return true;
}
