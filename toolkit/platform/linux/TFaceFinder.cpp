// Faces found through fontconfig: the system's setup with the game's alias file on top.
#include "TFaceFinder.h"

#include <fontconfig/fontconfig.h>

namespace {

// The face of the game's own font package, opened by its path when the font configuration offers
// no face at all (an empty or broken setup), so that text in the system's faces still shows.
constexpr const char* PackagedFallbackFile = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

// The fontconfig properties through which the alias file gives a stand-in face the ascent and
// descent (in em) of the face it stands in for, so that its text sits on the same baseline.
constexpr const char* AscentProperty = "tevraascent";
constexpr const char* DescentProperty = "tevradescent";

}  // namespace

struct TFaceFinder::TImpl {
    FcConfig* Config = nullptr;
    ~TImpl() {
        if (Config)
            FcConfigDestroy(Config);
    }
};

TFaceFinder::TFaceFinder() : impl_(std::make_unique<TImpl>()) {}
TFaceFinder::~TFaceFinder() = default;

std::unique_ptr<TFaceFinder> TFaceFinder::Create(std::string* error) {
    std::unique_ptr<TFaceFinder> finder(new TFaceFinder());
    finder->impl_->Config = FcInitLoadConfigAndFonts();
    if (finder->impl_->Config == nullptr) {
        if (error)
            *error = "fontconfig could not load its setup";
        return nullptr;
    }
    return finder;
}

bool TFaceFinder::LoadAliases(const std::string& path) {
    return FcConfigParseAndLoad(impl_->Config, reinterpret_cast<const FcChar8*>(path.c_str()),
                                FcTrue);
}

bool TFaceFinder::LoadAliasesFromMemory(const std::string& xml) {
    return FcConfigParseAndLoadFromMemory(impl_->Config,
                                          reinterpret_cast<const FcChar8*>(xml.c_str()), FcTrue);
}

bool TFaceFinder::AddPrivateFont(const std::string& path, const std::string&) {
    return FcConfigAppFontAddFile(impl_->Config, reinterpret_cast<const FcChar8*>(path.c_str()));
}

void TFaceFinder::RemovePrivateFont(const std::string&, const std::vector<std::string>& remaining) {
    // fontconfig can only forget all application fonts at once, so the others are added again.
    FcConfigAppFontClear(impl_->Config);
    for (const std::string& other : remaining)
        FcConfigAppFontAddFile(impl_->Config, reinterpret_cast<const FcChar8*>(other.c_str()));
}

TFoundFace TFaceFinder::Match(const std::string& family, bool bold, bool italic) {
    TFoundFace found;
    FcPattern* pattern = FcPatternCreate();
    if (pattern == nullptr)
        return found;
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(impl_->Config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(impl_->Config, pattern, &result);
    FcPatternDestroy(pattern);
    if (match == nullptr)
        return found;
    FcChar8* file = nullptr;
    FcChar8* name = nullptr;
    int index = 0, weight = FC_WEIGHT_REGULAR, slant = FC_SLANT_ROMAN;
    if (FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file) {
        found.File = reinterpret_cast<const char*>(file);
    }
    if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch)
        found.Index = index;
    if (FcPatternGetString(match, FC_FAMILY, 0, &name) == FcResultMatch && name) {
        found.Family = reinterpret_cast<const char*>(name);
    }
    if (FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch)
        found.FaceIsBold = weight >= FC_WEIGHT_DEMIBOLD;
    if (FcPatternGetInteger(match, FC_SLANT, 0, &slant) == FcResultMatch)
        found.FaceIsItalic = slant != FC_SLANT_ROMAN;
    double ascent = 0, descent = 0;
    if (FcPatternGetDouble(match, AscentProperty, 0, &ascent) == FcResultMatch &&
        FcPatternGetDouble(match, DescentProperty, 0, &descent) == FcResultMatch && ascent > 0 &&
        ascent < 4 && descent >= 0 && descent < 4) {
        found.AscentEm = ascent;
        found.DescentEm = descent;
    }
    FcPatternDestroy(match);
    return found;
}

TFoundFace TFaceFinder::LastResort() {
    TFoundFace face;
    face.File = PackagedFallbackFile;
    face.Family = "DejaVu Sans";
    return face;
}

std::vector<std::uint8_t> TFaceFinder::ReadFace(const std::string& file) {
    return ReadFontFile(file);
}
