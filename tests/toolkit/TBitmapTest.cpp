// Picture loading and saving: BMP and JPEG decoding, rejection of damaged data, PNG output.
#include <gtest/gtest.h>

#include <jpeglib.h>
#include <png.h>
#include <cstdio>
#include <cstring>

#include <string>
#include <vector>

#include "TBitmap.h"

namespace {

void Put32(std::vector<std::uint8_t>& v, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        v[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A test picture whose every pixel differs, so a flipped or shifted row shows.
TColor Sample(int x, int y) {
    return RGB(10 + x * 40, 20 + y * 50, 200 - x * 7 - y * 3);
}

std::vector<std::uint8_t> MakeBmp(int width, int height, int bits, bool topDown) {
    const std::size_t bpp = static_cast<std::size_t>(bits / 8);
    const std::size_t stride = (width * bpp + 3) & ~std::size_t{3};
    std::vector<std::uint8_t> v(54 + stride * height, 0);
    v[0] = 'B';
    v[1] = 'M';
    Put32(v, 2, static_cast<std::uint32_t>(v.size()));
    Put32(v, 10, 54);
    Put32(v, 14, 40);
    Put32(v, 18, static_cast<std::uint32_t>(width));
    Put32(v, 22, static_cast<std::uint32_t>(topDown ? -height : height));
    v[26] = 1;
    v[28] = static_cast<std::uint8_t>(bits);
    for (int y = 0; y < height; ++y) {
        const int fileRow = topDown ? y : height - 1 - y;
        for (int x = 0; x < width; ++x) {
            std::uint8_t* p = v.data() + 54 + fileRow * stride + x * bpp;
            p[0] = static_cast<std::uint8_t>(GetBValue(Sample(x, y)));
            p[1] = static_cast<std::uint8_t>(GetGValue(Sample(x, y)));
            p[2] = static_cast<std::uint8_t>(GetRValue(Sample(x, y)));
        }
    }
    return v;
}

std::vector<std::uint8_t> MakeJpeg(int width, int height, TColor color) {
    jpeg_compress_struct info;
    jpeg_error_mgr err;
    info.err = jpeg_std_error(&err);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<JSAMPLE> row(static_cast<std::size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[x * 3] = static_cast<JSAMPLE>(GetRValue(color));
        row[x * 3 + 1] = static_cast<JSAMPLE>(GetGValue(color));
        row[x * 3 + 2] = static_cast<JSAMPLE>(GetBValue(color));
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    std::vector<std::uint8_t> out(buffer, buffer + size);
    std::free(buffer);
    return out;
}

bool Load(TBitmap& b, const std::vector<std::uint8_t>& data, std::string* error) {
    return b.LoadFromBytes(data.data(), data.size(), error);
}

TEST(BitmapBmp, DecodesEveryLayoutToTheSamePixels) {
    struct TCase {
        int Width, Height, Bits;
        bool TopDown;
    };
    // Widths 1, 2, 3 and 5 exercise every amount of row padding for 24-bit rows.
    const TCase cases[] = {{1, 1, 24, false}, {2, 3, 24, false}, {3, 2, 24, true},
                           {5, 4, 24, false}, {3, 3, 32, false}, {4, 2, 32, true}};
    for (const TCase& c : cases) {
        TBitmap b;
        std::string error;
        ASSERT_TRUE(Load(b, MakeBmp(c.Width, c.Height, c.Bits, c.TopDown), &error)) << error;
        ASSERT_EQ(b.Width(), c.Width);
        ASSERT_EQ(b.Height(), c.Height);
        for (int y = 0; y < c.Height; ++y)
            for (int x = 0; x < c.Width; ++x)
                EXPECT_EQ(b.Pixel(x, y), Sample(x, y))
                    << c.Width << "x" << c.Height << "x" << c.Bits << " at " << x << "," << y;
    }
}

TEST(BitmapBmp, EveryTruncationIsRejectedAndLeavesThePictureAlone) {
    const std::vector<std::uint8_t> full = MakeBmp(3, 3, 24, false);
    // The 3 padding bytes of the last row may be missing; anything shorter is damaged.
    for (std::size_t length = 0; length + 3 < full.size(); ++length) {
        TBitmap b(2, 2, clRed);
        std::string error;
        std::vector<std::uint8_t> cut(full.begin(), full.begin() + length);
        EXPECT_FALSE(b.LoadFromBytes(cut.data(), cut.size(), &error)) << "length " << length;
        EXPECT_FALSE(error.empty());
        EXPECT_EQ(b.Width(), 2);
        EXPECT_EQ(b.Pixel(1, 1), clRed);
    }
    TBitmap b;
    std::string error;
    std::vector<std::uint8_t> withoutPadding(full.begin(), full.end() - 3);
    EXPECT_TRUE(Load(b, withoutPadding, &error)) << error;
}

TEST(BitmapBmp, RejectsDamagedHeaders) {
    struct TCase {
        const char* Name;
        std::size_t At;
        std::uint32_t Value;
    };
    const TCase cases[] = {
        {"huge width", 18, 0x7FFFFFFF},
        {"zero width", 18, 0},
        {"negative width", 18, 0xFFFFFFFE},
        {"most negative height", 22, 0x80000000},
        {"huge height", 22, 100000},
        {"offset past the end", 10, 100000},
        {"offset inside header", 10, 20},
        {"8 bits per pixel", 28, 8},
        {"run-length compressed", 30, 1},
        {"two planes", 26, 2},
        {"info header past the end", 14, 5000},
        {"tiny info header", 14, 12},
    };
    for (const TCase& c : cases) {
        std::vector<std::uint8_t> data = MakeBmp(4, 4, 24, false);
        if (c.At == 26 || c.At == 28) {
            data[c.At] = static_cast<std::uint8_t>(c.Value);
            data[c.At + 1] = 0;
        } else {
            Put32(data, c.At, c.Value);
        }
        TBitmap b;
        std::string error;
        EXPECT_FALSE(Load(b, data, &error)) << c.Name;
        EXPECT_FALSE(error.empty()) << c.Name;
        EXPECT_TRUE(b.Empty()) << c.Name;
    }
}

TEST(BitmapBmp, RejectsDataOfNoKnownFormat) {
    TBitmap b;
    std::string error;
    EXPECT_FALSE(b.LoadFromBytes(nullptr, 0, &error));
    const std::uint8_t png[] = {0x89, 'P', 'N', 'G', 13, 10, 26, 10};
    EXPECT_FALSE(b.LoadFromBytes(png, sizeof png, &error));
    EXPECT_NE(error.find("neither"), std::string::npos);
}

TEST(BitmapJpeg, DecodesAndRejectsDamage) {
    const TColor colour = RGB(40, 160, 90);
    const std::vector<std::uint8_t> jpeg = MakeJpeg(24, 16, colour);
    TBitmap b;
    std::string error;
    ASSERT_TRUE(Load(b, jpeg, &error)) << error;
    ASSERT_EQ(b.Width(), 24);
    ASSERT_EQ(b.Height(), 16);
    EXPECT_NEAR(GetRValue(b.Pixel(12, 8)), 40, 4);
    EXPECT_NEAR(GetGValue(b.Pixel(12, 8)), 160, 4);
    EXPECT_NEAR(GetBValue(b.Pixel(12, 8)), 90, 4);

    std::vector<std::vector<std::uint8_t>> damaged;
    for (std::size_t length : {std::size_t{3}, std::size_t{20}, jpeg.size() / 2, jpeg.size() - 40})
        damaged.emplace_back(jpeg.begin(), jpeg.begin() + length);
    std::vector<std::uint8_t> garbage = {0xFF, 0xD8, 0xFF, 0x12, 0x34, 0x56, 0x00, 0x00};
    damaged.push_back(garbage);
    std::vector<std::uint8_t> badHeader = jpeg;
    for (std::size_t i = 0; i + 4 < badHeader.size(); ++i) {
        if (badHeader[i] == 0xFF && badHeader[i + 1] == 0xC0) {
            badHeader[i + 4] = 7;  // a sample precision no decoder supports
            break;
        }
    }
    damaged.push_back(badHeader);
    for (const auto& data : damaged) {
        TBitmap keep(1, 1, clRed);
        error.clear();
        EXPECT_FALSE(Load(keep, data, &error)) << "length " << data.size();
        EXPECT_NE(error.find("JPEG"), std::string::npos) << error;
        EXPECT_EQ(keep.Pixel(0, 0), clRed);
    }
}

TEST(BitmapPng, SavedFileDecodesToTheSamePixels) {
    TBitmap b(5, 3);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x)
            b.SetPixel(x, y, Sample(x, y));
    const std::string path = ::testing::TempDir() + "tevra_bitmap_test.png";
    std::string error;
    ASSERT_TRUE(b.SaveToPng(path, &error)) << error;

    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    image.format = PNG_FORMAT_RGB;
    std::vector<std::uint8_t> rgb(PNG_IMAGE_SIZE(image));
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr));
    ASSERT_EQ(image.width, 5u);
    ASSERT_EQ(image.height, 3u);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            const std::uint8_t* p = rgb.data() + (y * 5 + x) * 3;
            EXPECT_EQ(RGB(p[0], p[1], p[2]), Sample(x, y)) << x << "," << y;
        }
    std::remove(path.c_str());

    EXPECT_FALSE(TBitmap().SaveToPng(path, &error));
    EXPECT_FALSE(b.SaveToPng("/nonexistent-dir/x.png", &error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
