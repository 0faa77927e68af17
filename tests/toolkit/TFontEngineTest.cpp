// Font resolution through the alias configuration, text metrics and text drawing.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>

#include "TCanvas.h"
#include "TFontEngine.h"

namespace {

bool Exists(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

std::string EndOf(const std::string& path) {
    return path.substr(path.find_last_of("/\\") + 1);
}

// Lato comes from the system's fonts on Linux and from inside the executable on Windows.
bool LatoInstalled() {
    TFont font;
    font.Name = "Lato";
    return TFontEngine::Instance().ResolvedFamily(font) == "Lato";
}

class FontEngineTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::ifstream in(TEVRA_FONT_CONF);
        const std::string xml((std::istreambuf_iterator<char>(in)),
                              std::istreambuf_iterator<char>());
        // The in-memory form is the one the game uses; loading the same rules twice is harmless.
        ASSERT_TRUE(TFontEngine::Instance().LoadAliasConfigFromMemory(xml));
    }
    TFontEngine& Engine() { return TFontEngine::Instance(); }
};

TEST_F(FontEngineTest, AliasesPickTheIntendedFiles) {
    TFont font;
    font.Name = "Verdana";
    EXPECT_EQ(EndOf(Engine().ResolveFile(font)), "DejaVuSans.ttf");
    EXPECT_EQ(Engine().ResolvedFamily(font), "DejaVu Sans");
    font.Name = "MS Sans Serif";
    EXPECT_EQ(EndOf(Engine().ResolveFile(font)), "DejaVuSans.ttf");
    font.Name = "Face That Nobody Has";
    EXPECT_FALSE(Engine().ResolveFile(font).empty()) << "an unknown face falls back to some face";
    EXPECT_GT(Engine().TextExtent(font, "abc").Width, 0);

    font.Name = "Arial Black";
    if (!LatoInstalled())
        GTEST_SKIP() << "Lato is not installed";
    EXPECT_EQ(EndOf(Engine().ResolveFile(font)), "Lato-Black.ttf");
}

TEST_F(FontEngineTest, LoadingConfigurationReportsUnreadableInput) {
    EXPECT_FALSE(Engine().LoadAliasConfig("/nonexistent/tevra-fonts.conf"));
    EXPECT_FALSE(Engine().LoadAliasConfigFromMemory(""));
    EXPECT_TRUE(Engine().LoadAliasConfig(TEVRA_FONT_CONF));
}

TEST_F(FontEngineTest, HeightsFollowTheSignConvention) {
    TFont font;
    font.Name = "Verdana";
    for (int cell : {11, 16, 24, 40}) {
        font.Height = cell;
        const TFontMetrics m = Engine().Metrics(font);
        EXPECT_NEAR(m.LineHeight(), cell, 1) << "positive height is the cell height " << cell;
    }
    font.Height = -20;
    const TFontMetrics em20 = Engine().Metrics(font);
    EXPECT_GT(em20.LineHeight(), 20) << "negative height is the em, the cell is taller";
    EXPECT_GT(em20.Ascent, em20.Descent);
    font.Height = -40;
    EXPECT_GT(Engine().Metrics(font).LineHeight(), em20.LineHeight());
}

// The screens' label sizes were made for the named faces' lines; a stand-in takes them over
// from the alias file, and a face without one keeps its own Windows ascent and descent (for
// Lato, whose typographic line is much shorter, FreeType alone would give 39 + 10 at 48 px).
TEST_F(FontEngineTest, LinesFollowTheNamedFacesAndTheWindowsMetrics) {
    if (!LatoInstalled())
        GTEST_SKIP() << "Lato is not installed";
    struct Case {
        const char* face;
        int height;
        int ascent;
        int descent;
    } const cases[] = {
        {"Arial Black", -48, 53, 15},    // the 68 px score labels
        {"Arial Black", -133, 146, 41},  // the 187 px final score
        {"Arial Black", 68, 53, 15},     // a cell height gives the same em back
        {"Verdana", -32, 32, 7},        {"MS Sans Serif", -16, 16, 3},
        {"MS Sans Serif", -11, 11, 2},  {"Lato", -48, 47, 10},
    };
    for (const Case& c : cases) {
        TFont font;
        font.Name = c.face;
        font.Height = c.height;
        const TFontMetrics m = Engine().Metrics(font);
        EXPECT_EQ(m.Ascent, c.ascent) << c.face << " " << c.height;
        EXPECT_EQ(m.Descent, c.descent) << c.face << " " << c.height;
    }
}

TEST_F(FontEngineTest, ExtentGrowsWithTheText) {
    TFont font;
    font.Name = "Verdana";
    font.Height = -16;
    const TSize empty = Engine().TextExtent(font, "");
    EXPECT_EQ(empty.Width, 0);
    EXPECT_EQ(empty.Height, Engine().Metrics(font).LineHeight());
    int last = 0;
    for (const char* text : {"K", "KE", "KEL", "KELUAR"}) {
        const int width = Engine().TextExtent(font, text).Width;
        EXPECT_GT(width, last) << text;
        last = width;
    }
    font.Style = TFontStyle::Bold;
    EXPECT_GT(Engine().TextExtent(font, "KELUAR").Width, last) << "bold is wider";
}

TEST_F(FontEngineTest, BrokenUtf8NeverOverreads) {
    const std::string cases[] = {"\xC3",     "\xE2\x82",     "\xF0\x9F\x98",     "a\x80z",
                                 "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF\xFE"};
    for (const std::string& text : cases) {
        const std::u32string decoded = DecodeUtf8(text);
        ASSERT_FALSE(decoded.empty());
        for (char32_t c : decoded)
            EXPECT_TRUE(c == 0xFFFD || c < 0x80) << std::hex << unsigned(c);
    }
    EXPECT_EQ(DecodeUtf8("a\xC3\xA9\xE2\x82\xAC"), (std::u32string{U'a', 0xE9, 0x20AC}));
    EXPECT_EQ(DecodeUtf8("\xE2\x82z"), (std::u32string{0xFFFD, 0xFFFD, U'z'}));

    TBitmap bitmap(40, 20, clWhite);
    TCanvas canvas(bitmap);
    canvas.Brush.Style = TBrushStyle::Clear;
    for (const std::string& text : cases)
        canvas.TextOut(2, 2, text);
}

TEST_F(FontEngineTest, TextOutPaintsOnlyInsideItsBox) {
    TBitmap bitmap(120, 40, clWhite);
    TCanvas canvas(bitmap);
    canvas.Font.Name = "Verdana";
    canvas.Font.Height = -16;
    canvas.Font.Color = clBlack;
    canvas.Brush.Style = TBrushStyle::Clear;
    const TSize extent = canvas.TextExtent("Mangga");
    const TRect box = TRect::FromSize(10, 8, extent.Width, extent.Height);
    canvas.TextOut(10, 8, "Mangga");
    int inked = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 120; ++x) {
            if (bitmap.Pixel(x, y) == clWhite)
                continue;
            ++inked;
            EXPECT_TRUE(box.Contains(TPoint{x, y})) << "ink outside the box at " << x << "," << y;
        }
    }
    EXPECT_GT(inked, 20);

    // A solid brush fills the whole box first.
    bitmap.SetSize(120, 40, clWhite);
    canvas.Brush.Style = TBrushStyle::Solid;
    canvas.Brush.Color = clRed;
    canvas.TextOut(10, 8, "Mangga");
    EXPECT_EQ(bitmap.Pixel(box.Left, box.Top), clRed);
    EXPECT_EQ(bitmap.Pixel(box.Right - 1, box.Bottom - 1), clRed);
    EXPECT_EQ(bitmap.Pixel(box.Right, box.Top), clWhite);
}

TEST_F(FontEngineTest, TextIsClippedToTheCanvasClip) {
    TBitmap bitmap(60, 30, clWhite);
    TCanvas canvas(bitmap);
    canvas.Font.Height = -24;
    canvas.Brush.Style = TBrushStyle::Clear;
    canvas.SetClipRect(TRect{10, 0, 30, 30});
    canvas.TextOut(-5, -6, "WWWWWW");  // starts off the bitmap and runs past the clip
    int inked = 0;
    for (int y = 0; y < 30; ++y) {
        for (int x = 0; x < 60; ++x) {
            if (bitmap.Pixel(x, y) == clWhite)
                continue;
            ++inked;
            ASSERT_TRUE(x >= 10 && x < 30) << x << "," << y;
        }
    }
    EXPECT_GT(inked, 0);
}

TEST_F(FontEngineTest, PrivateFontsComeAndGo) {
    EXPECT_FALSE(Engine().AddPrivateFont("/nonexistent/Model.TTF"));
    EXPECT_FALSE(Engine().AddPrivateFont(TEVRA_FONT_CONF)) << "not a font file";
    EXPECT_FALSE(Engine().RemovePrivateFont("/nonexistent/Model.TTF"));

    const std::string path = std::string(TEVRA_SOURCE_DIR) + "/int/Model.TTF";
    if (!Exists(path))
        GTEST_SKIP() << "the pattern font is not in the tree";
    TFont font;
    font.Name = "abjad";
    ASSERT_TRUE(Engine().AddPrivateFont(path));
    EXPECT_EQ(Engine().ResolvedFamily(font), "abjad");
    EXPECT_GT(Engine().TextExtent(font, "A").Width, 0);
    ASSERT_TRUE(Engine().RemovePrivateFont(path));
    EXPECT_NE(Engine().ResolveFile(font), path);
    EXPECT_GT(Engine().TextExtent(font, "A").Width, 0) << "falls back to another face";
}

TEST_F(FontEngineTest, AFontFileCutShortWhileInUseKeepsDrawing) {
    const std::string source = std::string(TEVRA_SOURCE_DIR) + "/int/Model.TTF";
    if (!Exists(source))
        GTEST_SKIP() << "the pattern font is not in the tree";
    const std::string copy = ::testing::TempDir() + "tevra-cut-font.ttf";
    {
        std::ifstream in(source, std::ios::binary);
        std::ofstream out(copy, std::ios::binary | std::ios::trunc);
        out << in.rdbuf();
    }
    TFont font;
    font.Name = "abjad";
    ASSERT_TRUE(Engine().AddPrivateFont(copy));
    ASSERT_GT(Engine().TextExtent(font, "A").Width, 0);
    { std::ofstream cut(copy, std::ios::binary | std::ios::trunc); }
    // Glyphs not drawn before and a new size: both read parts of the file not touched yet.
    font.Height = -40;
    TBitmap bitmap(400, 60);
    Engine().DrawText(bitmap, TRect{0, 0, 400, 60}, 0, 0, font, "QWERTYUIOPasdfghjkl0123456789");
    EXPECT_GT(Engine().TextExtent(font, "QWERTY").Width, 0);
    EXPECT_TRUE(Engine().RemovePrivateFont(copy));
    std::remove(copy.c_str());
}

}  // namespace
