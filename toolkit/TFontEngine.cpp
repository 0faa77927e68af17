// Glyph rendering through FreeType and text measuring, over the system's face look-up.
#include "TFontEngine.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <strings.h>
#include <sys/stat.h>

#include "SysColors.h"
#include "TFaceFinder.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <map>
#include <tuple>
#include <unordered_map>
#include <vector>

namespace {

constexpr int DefaultEmPixels = 13;
constexpr int MaxEmPixels = 1000;

// FreeType positions are in 1/64 pixel; this rounds one to the nearest whole pixel.
int RoundPos(long v) {
    return static_cast<int>(std::floor((v + 32) / 64.0));
}

bool FileReadable(const std::string& path) {
    struct stat info;
    return !path.empty() && ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

using TResolvedFace = TFoundFace;

// A face's line in em: above and below the baseline.
struct TLineShape {
    double Ascent = 0;
    double Descent = 0;
};

// The line as the layouts were made for it: the alias's metrics when it gives them, else the
// OS/2 table's Windows ascent and descent (FreeType's own size metrics prefer the typographic
// values for faces that flag them, which puts a face's text higher), else the hhea values.
TLineShape LineShapeOf(FT_Face face, const TResolvedFace& r) {
    if (r.AscentEm > 0 && r.DescentEm >= 0)
        return TLineShape{r.AscentEm, r.DescentEm};
    if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0)
        return TLineShape{};
    const double units = face->units_per_EM;
    const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
    if (os2 != nullptr && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0)
        return TLineShape{os2->usWinAscent / units, os2->usWinDescent / units};
    return TLineShape{face->ascender / units, -face->descender / units};
}

struct TGlyph {
    long Advance = 0;  // 1/64 pixel
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
    std::vector<std::uint8_t> Coverage;
};

// One face at one pixel size, with the glyphs rendered so far.
struct TSizedFace {
    FT_Face Face = nullptr;
    FT_Size Size = nullptr;
    bool SyntheticBold = false;
    bool SyntheticItalic = false;
    TFontMetrics Metrics;
    std::unordered_map<FT_UInt, TGlyph> Glyphs;
};

}  // namespace

struct TFontEngine::TImpl {
    FT_Library Library = nullptr;
    std::unique_ptr<TFaceFinder> Finder;
    bool Usable = false;
    bool ReportedNoFace = false;
    bool ReportedFallback = false;
    std::vector<std::string> PrivateFonts;
    std::map<std::tuple<std::string, bool, bool>, TResolvedFace> Resolved;
    std::map<std::pair<std::string, int>, FT_Face> Faces;
    // The bytes of each opened font file, alive as long as a face of it is open.
    std::map<std::string, std::vector<FT_Byte>> FileBytes;
    // By file, face index, em, synthetic bold and italic, and the line in thousandths of an em
    // (one file can stand in for several named faces, each with its own line).
    std::map<std::tuple<std::string, int, int, bool, bool, long, long>, TSizedFace> SizedFaces;

    TImpl() {
        if (FT_Init_FreeType(&Library) != 0) {
            Library = nullptr;
            std::fprintf(stderr, "tevra: text disabled: the FreeType library could not start\n");
            return;
        }
        std::string error;
        Finder = TFaceFinder::Create(&error);
        if (Finder == nullptr) {
            std::fprintf(stderr, "tevra: text disabled: %s\n", error.c_str());
            return;
        }
        Usable = true;
    }

    ~TImpl() {
        SizedFaces.clear();
        for (auto& entry : Faces)
            FT_Done_Face(entry.second);
        if (Library)
            FT_Done_FreeType(Library);
    }

    // The packaged face by its path, reported once; empty File if it is not there either.
    TResolvedFace PackagedFallback() {
        TResolvedFace r = Finder->LastResort();
        if (r.File.empty() || OpenFace(r) == nullptr)
            return TResolvedFace{};
        if (!ReportedFallback) {
            std::fprintf(stderr,
                         "tevra: the font configuration offers no usable face; text is drawn in "
                         "%s\n",
                         r.File.c_str());
            ReportedFallback = true;
        }
        return r;
    }

    FT_Face OpenFace(const TResolvedFace& r) {
        const auto key = std::make_pair(r.File, r.Index);
        auto it = Faces.find(key);
        if (it != Faces.end())
            return it->second;
        // The file is read into memory rather than mapped: a font file cut short or replaced
        // while the game runs would otherwise end it with a bus error on the next new glyph.
        auto bytes = FileBytes.find(r.File);
        if (bytes == FileBytes.end())
            bytes = FileBytes.emplace(r.File, Finder->ReadFace(r.File)).first;
        FT_Face face = nullptr;
        if (bytes->second.empty() ||
            FT_New_Memory_Face(Library, bytes->second.data(),
                               static_cast<FT_Long>(bytes->second.size()), r.Index, &face) != 0) {
            if (std::none_of(Faces.begin(), Faces.end(),
                             [&](const auto& entry) { return entry.first.first == r.File; }))
                FileBytes.erase(bytes);
            return nullptr;
        }
        Faces.emplace(key, face);
        return face;
    }

    // The face for a font description, falling back to the default sans face; null if there is
    // no usable face at all (reported once).
    const TResolvedFace* Resolve(const TFont& font) {
        if (!Usable)
            return nullptr;
        const bool bold = HasStyle(font.Style, TFontStyle::Bold);
        const bool italic = HasStyle(font.Style, TFontStyle::Italic);
        const auto key = std::make_tuple(font.Name, bold, italic);
        auto it = Resolved.find(key);
        if (it == Resolved.end()) {
            // A private font draws only the text that names it: with no system face at all,
            // the face look-up would otherwise hand it out for every name.
            const auto usable = [&](const TResolvedFace& f) {
                const bool privateStandIn = std::find(PrivateFonts.begin(), PrivateFonts.end(),
                                                      f.File) != PrivateFonts.end() &&
                                            strcasecmp(f.Family.c_str(), font.Name.c_str()) != 0;
                return !f.File.empty() && !privateStandIn && OpenFace(f) != nullptr;
            };
            TResolvedFace r = Finder->Match(font.Name, bold, italic);
            if (!usable(r))
                r = Finder->Match("sans-serif", bold, italic);
            if (!usable(r))
                r = PackagedFallback();
            it = Resolved.emplace(key, r).first;
        }
        if (it->second.File.empty()) {
            // Only text in this face is lost: a face added later (the pattern font) still draws.
            if (!ReportedNoFace) {
                std::fprintf(stderr,
                             "tevra: no font face found for \"%s\"; text in it is not drawn\n",
                             font.Name.c_str());
                ReportedNoFace = true;
            }
            return nullptr;
        }
        return &it->second;
    }

    static int EmPixels(const TLineShape& line, int height) {
        if (height == 0)
            return DefaultEmPixels;
        if (height < 0)
            return std::min(-height, MaxEmPixels);
        // A cell height: scale the em so that ascent plus descent comes out at the height.
        const double cell = line.Ascent + line.Descent;
        if (cell <= 0)
            return std::min(height, MaxEmPixels);
        const long em = std::lround(height / cell);
        return static_cast<int>(std::clamp<long>(em, 1, MaxEmPixels));
    }

    TSizedFace* Sized(const TFont& font) {
        const TResolvedFace* r = Resolve(font);
        if (r == nullptr)
            return nullptr;
        FT_Face face = OpenFace(*r);
        if (face == nullptr)
            return nullptr;
        const TLineShape line = LineShapeOf(face, *r);
        const int em = EmPixels(line, font.Height);
        const bool synthBold = HasStyle(font.Style, TFontStyle::Bold) && !r->FaceIsBold;
        const bool synthItalic = HasStyle(font.Style, TFontStyle::Italic) && !r->FaceIsItalic;
        const auto key =
            std::make_tuple(r->File, r->Index, em, synthBold, synthItalic,
                            std::lround(line.Ascent * 1000), std::lround(line.Descent * 1000));
        auto it = SizedFaces.find(key);
        if (it != SizedFaces.end()) {
            FT_Activate_Size(it->second.Size);
            return &it->second;
        }
        TSizedFace sized;
        sized.Face = face;
        sized.SyntheticBold = synthBold;
        sized.SyntheticItalic = synthItalic;
        if (FT_New_Size(face, &sized.Size) != 0)
            return nullptr;
        FT_Activate_Size(sized.Size);
        if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(em)) != 0) {
            if (!FT_HAS_FIXED_SIZES(face) || FT_Select_Size(face, 0) != 0) {
                FT_Done_Size(sized.Size);
                return nullptr;
            }
        }
        if (line.Ascent > 0) {
            sized.Metrics.Ascent = static_cast<int>(std::lround(line.Ascent * em));
            sized.Metrics.Descent = static_cast<int>(std::lround(line.Descent * em));
        } else {
            sized.Metrics.Ascent = RoundPos(face->size->metrics.ascender);
            sized.Metrics.Descent = RoundPos(-face->size->metrics.descender);
        }
        // A damaged face can claim a line of negative height, which every layout would take on.
        sized.Metrics.Ascent = std::max(sized.Metrics.Ascent, 0);
        sized.Metrics.Descent = std::max(sized.Metrics.Descent, 0);
        return &SizedFaces.emplace(key, std::move(sized)).first->second;
    }

    // The glyph for a character, rendered on first use. The sized face must be active.
    const TGlyph& Glyph(TSizedFace& sized, FT_UInt index) {
        auto it = sized.Glyphs.find(index);
        if (it != sized.Glyphs.end())
            return it->second;
        TGlyph glyph;
        FT_Face face = sized.Face;
        if (FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) == 0) {
            FT_GlyphSlot slot = face->glyph;
            if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
                if (sized.SyntheticItalic)
                    FT_GlyphSlot_Oblique(slot);
                if (sized.SyntheticBold)
                    FT_GlyphSlot_Embolden(slot);
            }
            glyph.Advance = slot->advance.x;
            if (FitsRendering(face, slot) && FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) == 0)
                CopyCoverage(slot, &glyph);
        }
        return sized.Glyphs.emplace(index, std::move(glyph)).first->second;
    }

    // A damaged face can hold an outline thousands of ems across, whose bitmap would take
    // gigabytes; such a glyph is drawn as nothing. Real glyphs stay within a few ems.
    static bool FitsRendering(FT_Face face, FT_GlyphSlot slot) {
        if (slot->format != FT_GLYPH_FORMAT_OUTLINE)
            return true;
        FT_BBox box;
        FT_Outline_Get_CBox(&slot->outline, &box);
        const long limit = (4L * std::max<long>(face->size->metrics.y_ppem, 1) + 64) * 64;
        return box.xMax - box.xMin <= limit && box.yMax - box.yMin <= limit;
    }

    static void CopyCoverage(FT_GlyphSlot slot, TGlyph* glyph) {
        const FT_Bitmap& bitmap = slot->bitmap;
        const bool gray = bitmap.pixel_mode == FT_PIXEL_MODE_GRAY;
        const bool mono = bitmap.pixel_mode == FT_PIXEL_MODE_MONO;
        if ((!gray && !mono) || bitmap.buffer == nullptr)
            return;
        glyph->Left = slot->bitmap_left;
        glyph->Top = slot->bitmap_top;
        glyph->Width = static_cast<int>(bitmap.width);
        glyph->Height = static_cast<int>(bitmap.rows);
        glyph->Coverage.resize(static_cast<std::size_t>(glyph->Width) * glyph->Height);
        const int levels = gray && bitmap.num_grays > 1 ? bitmap.num_grays - 1 : 255;
        for (int y = 0; y < glyph->Height; ++y) {
            const unsigned char* row = bitmap.buffer + static_cast<long>(y) * bitmap.pitch;
            for (int x = 0; x < glyph->Width; ++x) {
                int value;
                if (gray) {
                    value = row[x] * 255 / levels;
                } else {
                    value = (row[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
                }
                glyph->Coverage[static_cast<std::size_t>(y) * glyph->Width + x] =
                    static_cast<std::uint8_t>(value);
            }
        }
    }

    // Walks the text, calling visit(glyph, pen x in 1/64 pixel, glyph index) per character;
    // returns the total advance.
    template <typename Visit>
    long Layout(TSizedFace& sized, const std::string& utf8, Visit visit) {
        FT_Face face = sized.Face;
        const bool kerning = FT_HAS_KERNING(face);
        long pen = 0;
        FT_UInt previous = 0;
        for (char32_t c : DecodeUtf8(utf8)) {
            const FT_UInt index = FT_Get_Char_Index(face, c);
            if (kerning && previous != 0 && index != 0) {
                FT_Vector delta{0, 0};
                if (FT_Get_Kerning(face, previous, index, FT_KERNING_DEFAULT, &delta) == 0)
                    pen += delta.x;
            }
            const TGlyph& glyph = Glyph(sized, index);
            visit(glyph, pen, index);
            pen += glyph.Advance;
            previous = index;
        }
        return pen;
    }

    void ForgetCaches() { Resolved.clear(); }

    void DropFacesOf(const std::string& file) {
        for (auto it = SizedFaces.begin(); it != SizedFaces.end();) {
            if (std::get<0>(it->first) == file) {
                FT_Done_Size(it->second.Size);
                it = SizedFaces.erase(it);
            } else {
                ++it;
            }
        }
        for (auto it = Faces.begin(); it != Faces.end();) {
            if (it->first.first == file) {
                FT_Done_Face(it->second);
                it = Faces.erase(it);
            } else {
                ++it;
            }
        }
        FileBytes.erase(file);
    }
};

std::vector<std::uint8_t> ReadFontFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return {};
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)),
                                    std::istreambuf_iterator<char>());
    return in.bad() ? std::vector<std::uint8_t>() : bytes;
}

TFontEngine& TFontEngine::Instance() {
    static TFontEngine engine;
    return engine;
}

TFontEngine::TFontEngine() : impl_(std::make_unique<TImpl>()) {}
TFontEngine::~TFontEngine() = default;

bool TFontEngine::LoadAliasConfig(const std::string& path) {
    if (!impl_->Usable || !FileReadable(path))
        return false;
    const bool ok = impl_->Finder->LoadAliases(path);
    impl_->ForgetCaches();
    return ok;
}

bool TFontEngine::LoadAliasConfigFromMemory(const std::string& xml) {
    if (!impl_->Usable || xml.empty())
        return false;
    const bool ok = impl_->Finder->LoadAliasesFromMemory(xml);
    impl_->ForgetCaches();
    return ok;
}

bool TFontEngine::AddPrivateFont(const std::string& path) {
    if (!impl_->Usable || !FileReadable(path))
        return false;
    auto& fonts = impl_->PrivateFonts;
    if (std::find(fonts.begin(), fonts.end(), path) != fonts.end())
        return true;
    // Make sure FreeType can read it at all before the face look-up is told about it.
    FT_Face probe = nullptr;
    if (FT_New_Face(impl_->Library, path.c_str(), 0, &probe) != 0)
        return false;
    const std::string family = probe->family_name ? probe->family_name : "";
    FT_Done_Face(probe);
    if (!impl_->Finder->AddPrivateFont(path, family))
        return false;
    fonts.push_back(path);
    impl_->ForgetCaches();
    return true;
}

bool TFontEngine::RemovePrivateFont(const std::string& path) {
    auto& fonts = impl_->PrivateFonts;
    auto it = std::find(fonts.begin(), fonts.end(), path);
    if (!impl_->Usable || it == fonts.end())
        return false;
    fonts.erase(it);
    impl_->Finder->RemovePrivateFont(path, fonts);
    impl_->DropFacesOf(path);
    impl_->ForgetCaches();
    return true;
}

std::string TFontEngine::ResolveFile(const TFont& font) {
    const TResolvedFace* r = impl_->Resolve(font);
    return r ? r->File : std::string();
}

std::string TFontEngine::ResolvedFamily(const TFont& font) {
    const TResolvedFace* r = impl_->Resolve(font);
    return r ? r->Family : std::string();
}

TFontMetrics TFontEngine::Metrics(const TFont& font) {
    TSizedFace* sized = impl_->Sized(font);
    return sized ? sized->Metrics : TFontMetrics{};
}

TSize TFontEngine::TextExtent(const TFont& font, const std::string& utf8) {
    TSizedFace* sized = impl_->Sized(font);
    if (sized == nullptr)
        return TSize{};
    const long advance = impl_->Layout(*sized, utf8, [](const TGlyph&, long, FT_UInt) {});
    return TSize{RoundPos(advance), sized->Metrics.LineHeight()};
}

namespace {

// Blends one glyph's coverage in the colour into the target, with its top-left at (gx, gy).
void BlendGlyph(TBitmap& target, const TRect& area, int gx, int gy, const TGlyph& glyph,
                TColor color) {
    const int red = GetRValue(color), green = GetGValue(color), blue = GetBValue(color);
    const TRect box = TRect::FromSize(gx, gy, glyph.Width, glyph.Height).Intersect(area);
    for (int py = box.Top; py < box.Bottom; ++py) {
        const std::uint8_t* coverage =
            glyph.Coverage.data() + static_cast<std::size_t>(py - gy) * glyph.Width;
        std::uint32_t* row = target.Row(py);
        for (int px = box.Left; px < box.Right; ++px) {
            const int a = coverage[px - gx];
            if (a == 0)
                continue;
            const TColor under = TBitmap::FromNative(row[px]);
            const auto mix = [a](int d, int c) { return (d * (255 - a) + c * a + 127) / 255; };
            row[px] =
                TBitmap::ToNative(RGB(mix(GetRValue(under), red), mix(GetGValue(under), green),
                                      mix(GetBValue(under), blue)));
        }
    }
}

}  // namespace

void TFontEngine::DrawText(TBitmap& target, const TRect& clip, int x, int y, const TFont& font,
                           const std::string& utf8) {
    DrawTextScaled(target, clip, x, y, font, utf8, 1.0);
}

// Scaled text keeps the layout of the font's own size: the pen positions and the baseline are the
// logical ones times the scale, so a caption still fits the box it was measured for, while each
// glyph is rendered at the scaled size and so stays sharp.
void TFontEngine::DrawTextScaled(TBitmap& target, const TRect& clip, int x, int y,
                                 const TFont& font, const std::string& utf8, double scale) {
    const TRect area = clip.Intersect(TRect{0, 0, target.Width(), target.Height()});
    if (area.IsEmpty() || utf8.empty())
        return;
    TSizedFace* logical = impl_->Sized(font);
    if (logical == nullptr)
        return;
    std::vector<std::pair<FT_UInt, long>> placed;
    impl_->Layout(*logical, utf8,
                  [&](const TGlyph&, long pen, FT_UInt index) { placed.emplace_back(index, pen); });
    const int baseline = y + static_cast<int>(std::lround(logical->Metrics.Ascent * scale));
    TSizedFace* device = logical;
    if (scale != 1.0) {
        TFont big = font;
        const int height = font.Height == 0 ? -DefaultEmPixels : font.Height;
        big.Height = static_cast<int>(std::lround(height * scale));
        if (big.Height == 0)
            big.Height = height;
        // Looking the scaled face up makes its size the active one for the glyphs rendered below.
        device = impl_->Sized(big);
        if (device == nullptr)
            return;
    }
    const TColor color = ResolveColor(font.Color);
    for (const auto& [index, pen] : placed) {
        const TGlyph& glyph = impl_->Glyph(*device, index);
        const int penX = RoundPos(std::lround(pen * scale));
        BlendGlyph(target, area, x + penX + glyph.Left, baseline - glyph.Top, glyph, color);
    }
}
