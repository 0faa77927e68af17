// Finds font faces by name (fontconfig on Linux, the font folder on Windows) and renders text
// with FreeType.
#pragma once

#include <memory>
#include <string>

#include "TBitmap.h"
#include "TFont.h"
#include "TTypes.h"
#include "Utf8.h"

struct TFontMetrics {
    int Ascent = 0;   // pixels above the baseline
    int Descent = 0;  // pixels below the baseline (positive)
    int LineHeight() const { return Ascent + Descent; }
};

// The process-wide font engine. It is created on first use; a font that cannot be found falls
// back to a default face, and if no face at all can be loaded text is measured as zero and drawn
// as nothing, with one line on stderr: text never crashes the game.
class TFontEngine {
  public:
    static TFontEngine& Instance();

    // Loads the game's alias configuration (a fontconfig XML file) on top of the system's; call
    // once at start-up, before the first text is measured. Returns false when it cannot be read.
    bool LoadAliasConfig(const std::string& path);
    // The same for a configuration held in memory (the game embeds its own as a resource).
    bool LoadAliasConfigFromMemory(const std::string& xml);

    // Adds a font file to this process's private font set / takes it out again. Only this process
    // sees the face; nothing is installed on the system. Adding a missing or unreadable file, or
    // removing one that was never added, returns false.
    bool AddPrivateFont(const std::string& path);
    bool RemovePrivateFont(const std::string& path);

    // The file that the face name resolves to (after aliases and fallback); empty if none.
    std::string ResolveFile(const TFont& font);
    // The family name found for the face ("DejaVu Sans" for "Verdana", ...).
    std::string ResolvedFamily(const TFont& font);

    // A font Height of 0 means the default size (-13, 10 points).
    TFontMetrics Metrics(const TFont& font);
    TSize TextExtent(const TFont& font, const std::string& utf8);
    // Draws the text with the top-left of its text box at (x, y) in bitmap coordinates, blending
    // the anti-aliased glyphs in font.Color, clipped to clip.
    void DrawText(TBitmap& target, const TRect& clip, int x, int y, const TFont& font,
                  const std::string& utf8);
    // The same text on a display drawn at the scale: laid out as DrawText lays it out (every
    // position times the scale, (x, y) already scaled), rendered from glyphs at the scaled size.
    void DrawTextScaled(TBitmap& target, const TRect& clip, int x, int y, const TFont& font,
                        const std::string& utf8, double scale);

    ~TFontEngine();
    TFontEngine(const TFontEngine&) = delete;
    TFontEngine& operator=(const TFontEngine&) = delete;

  private:
    TFontEngine();
    struct TImpl;
    std::unique_ptr<TImpl> impl_;
};
