// Fuzzes the loading of a font file: whatever the file holds, adding it, measuring and drawing
// text in it at several sizes and taking it out again never crashes and never draws off the
// picture.
#include <fontconfig/fontconfig.h>
#include <sys/resource.h>
#include <unistd.h>

#include <fstream>
#include <string>

#include "FuzzTarget.h"
#include "TBitmap.h"
#include "TFontEngine.h"

namespace {

// The family fontconfig reads from the file; empty when it reads none.
std::string FamilyOf(const std::string& path) {
    int count = 0;
    FcPattern* pattern =
        FcFreeTypeQuery(reinterpret_cast<const FcChar8*>(path.c_str()), 0, nullptr, &count);
    if (pattern == nullptr)
        return std::string();
    FcChar8* family = nullptr;
    std::string name;
    if (FcPatternGetString(pattern, FC_FAMILY, 0, &family) == FcResultMatch && family)
        name = reinterpret_cast<const char*>(family);
    FcPatternDestroy(pattern);
    return name;
}

}  // namespace

int FuzzFont(const std::uint8_t* data, std::size_t size) {
    const std::string path = "/tmp/tevra-fuzz-font-" + std::to_string(::getpid()) + ".ttf";
    {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    TFontEngine& engine = TFontEngine::Instance();
    if (engine.AddPrivateFont(path)) {
        TFont font;
        font.Name = FamilyOf(path);
        TBitmap picture(64, 24, 0xFFFFFF);
        for (int height : {0, -1, -13, -40, 30}) {
            font.Height = height;
            for (TFontStyle style : {TFontStyle::None, TFontStyle::Bold | TFontStyle::Italic}) {
                font.Style = style;
                const TSize extent = engine.TextExtent(font, "Ag\xc3\xa9 W\xe2\x82\xac");
                FUZZ_CHECK(extent.Width >= 0 && extent.Height >= 0);
                engine.Metrics(font);
                engine.DrawText(picture, TRect{-5, -5, 70, 30}, -3, 2, font, "Ag\xc3\xa9 W1");
            }
        }
        FUZZ_CHECK(engine.RemovePrivateFont(path));
        // Nor may a damaged file make the engine take memory by the gigabyte (the fuzzer has its
        // own limit; this one holds when an input is replayed).
        struct rusage usage {};
        getrusage(RUSAGE_SELF, &usage);
        FUZZ_CHECK(usage.ru_maxrss < 1024 * 1024);
    }
    ::unlink(path.c_str());
    return 0;
}

TEVRA_FUZZ_TARGET(FuzzFont)
