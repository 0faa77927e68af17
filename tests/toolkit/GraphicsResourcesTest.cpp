// Resource look-up, pictures loaded from resources, the embedded assets and system colours.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "SysColors.h"
#include "TBitmap.h"
#include "TResources.h"
#include "TevraResources.h"

namespace {

// The smallest valid BMP: one white pixel, 24 bits, its row padded to 4 bytes.
const std::uint8_t OnePixelBmp[58] = {
    'B', 'M', 58,  0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0,         // file header
    40,  0,   0,   0, 1, 0, 0, 0, 1, 0, 0,  0, 1, 0, 24, 0,  // size, width, height, bits
    0,   0,   0,   0, 4, 0, 0, 0, 0, 0, 0,  0, 0, 0, 0,  0,
    0,   0,   0,   0, 0, 0, 0, 0,  // rest of header
    255, 255, 255, 0};
const std::uint8_t Text[] = "112\n";

const TResourceEntry TestTable[] = {
    {"DOT", OnePixelBmp, OnePixelBmp + sizeof OnePixelBmp},
    {"MAP", Text, Text + 4},
};

TEST(Resources, FindsByNameAndNamesWhatIsMissing) {
    InstallResourceTable(TestTable, 2);
    TResourceBytes bytes;
    std::string error;
    ASSERT_TRUE(FindResource("MAP", &bytes, &error));
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.Data), bytes.Size), "112\n");
    EXPECT_FALSE(FindResource("map", &bytes, &error)) << "names are case-sensitive";
    EXPECT_FALSE(FindResource("TES9", &bytes, &error));
    EXPECT_NE(error.find("TES9"), std::string::npos) << error;
    EXPECT_EQ(ResourceNames(), (std::vector<std::string>{"DOT", "MAP"}));

    TBitmap dot;
    ASSERT_TRUE(dot.LoadFromResource("DOT", &error)) << error;
    EXPECT_EQ(dot.Pixel(0, 0), clWhite);
    EXPECT_FALSE(dot.LoadFromResource("MAP", &error));
    EXPECT_NE(error.find("MAP"), std::string::npos) << error;
    InstallResourceTable(nullptr, 0);
}

// The embedded files must come out byte for byte, whatever art is present at build time.
TEST(Resources, EmbeddedAssetsDecodeWithTheirNames) {
    InstallTevraResources();
    std::string error;
    TResourceBytes bytes;
    ASSERT_TRUE(FindResource("FONTCONF", &bytes, &error)) << error;
    EXPECT_NE(
        std::string(reinterpret_cast<const char*>(bytes.Data), bytes.Size).find("<fontconfig>"),
        std::string::npos);
    for (const std::string& name : ResourceNames()) {
        ASSERT_TRUE(FindResource(name, &bytes, &error));
        EXPECT_EQ(bytes.Data[bytes.Size], 0) << name << " is followed by a terminating zero";
        const bool picture =
            name[0] == 'F' || name[0] == 'G' || name[0] == 'H' || name == "Question";
        if (!picture || name == "FONTCONF")
            continue;
        TBitmap b;
        EXPECT_TRUE(b.LoadFromResource(name, &error)) << name << ": " << error;
    }
    InstallResourceTable(nullptr, 0);
}

TEST(SysColors, ReferencesResolveOnlyForTheTwentyFiveIndices) {
    EXPECT_EQ(GetSysColor(COLOR_BTNFACE), RGB(236, 233, 216));
    EXPECT_EQ(GetSysColor(COLOR_WINDOWTEXT), clBlack);
    EXPECT_EQ(GetSysColor(COLOR_WINDOW), clWhite);
    EXPECT_EQ(GetSysColor(25), clBlack);
    EXPECT_EQ(GetSysColor(-1), clBlack);
    struct TCase {
        TColor In, Out;
    };
    const TCase cases[] = {
        {SysColorRef(COLOR_BTNFACE), RGB(236, 233, 216)},
        {SysColorRef(0), GetSysColor(0)},
        {SysColorRef(24), GetSysColor(24)},
        {SysColorRef(25), SysColorRef(25)},        // past the table: unchanged
        {0xFF010000u | 15u, 0xFF010000u | 15u},    // not a plain index: unchanged
        {0x80000000u | 15u, 0x80000000u | 15u},    // other high byte: unchanged
        {RGB(236, 233, 216), RGB(236, 233, 216)},  // ordinary colours pass through
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ResolveColor(c.In), c.Out) << std::hex << c.In;
}

}  // namespace
