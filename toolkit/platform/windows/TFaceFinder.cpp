// Faces on Windows: the named faces from the system font folder when it has them, else the free
// stand-ins built into the executable with the named faces' line, as the game's alias file gives
// it. The alias file is the same fontconfig XML that Linux reads; only the few rules it uses are
// read here.
#include "TFaceFinder.h"

#include <windows.h>

#include <strings.h>
#include <sys/stat.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

// The embedded faces (EmbeddedFaces.S).
extern "C" const std::uint8_t tevra_face_lato_begin[], tevra_face_lato_end[];
extern "C" const std::uint8_t tevra_face_dejavu_begin[], tevra_face_dejavu_end[];
extern "C" const std::uint8_t tevra_face_pattern_begin[], tevra_face_pattern_end[];

namespace {

// Names no file can have ('<' is not allowed in Windows paths), so an embedded face is never taken
// for a file of the same name.
constexpr const char* EmbeddedPrefix = "<embedded>/";

struct TSystemFace {
    const char* Family;
    const char* File;
    bool Bold;
};
// The named faces as Windows installs them. "MS Sans Serif" is a bitmap face on Windows, drawn at
// a few fixed sizes only; its TrueType successor with the same letter shapes and widths,
// Microsoft Sans Serif (micross.ttf), stands for it.
constexpr TSystemFace SystemFaces[] = {
    {"Arial Black", "ariblk.ttf", true},
    {"Verdana", "verdana.ttf", false},
    {"MS Sans Serif", "micross.ttf", false},
    {"Microsoft Sans Serif", "micross.ttf", false},
};

struct TEmbeddedFace {
    const char* Family;
    const char* File;  // the name of the file it came from
    bool Bold;
    const std::uint8_t* Begin;
    const std::uint8_t* End;
};
// The faces built into the executable: the stand-ins and the copy of the pattern face.
const TEmbeddedFace EmbeddedFaces[] = {
    {"Lato", "Lato-Black.ttf", true, tevra_face_lato_begin, tevra_face_lato_end},
    {"DejaVu Sans", "DejaVuSans.ttf", false, tevra_face_dejavu_begin, tevra_face_dejavu_end},
    {"abjad", "Model.TTF", false, tevra_face_pattern_begin, tevra_face_pattern_end},
};
constexpr const char* DefaultFamily = "DejaVu Sans";

bool SameName(const std::string& a, const char* b) {
    return strcasecmp(a.c_str(), b) == 0;
}

bool IsFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

std::string FontFolder() {
    char windows[MAX_PATH];
    const UINT length = GetWindowsDirectoryA(windows, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return {};
    return std::string(windows, length) + "\\Fonts\\";
}

TFoundFace Embedded(const std::string& family) {
    for (const TEmbeddedFace& face : EmbeddedFaces) {
        if (!SameName(family, face.Family))
            continue;
        TFoundFace found;
        found.File = std::string(EmbeddedPrefix) + face.File;
        found.Family = face.Family;
        found.FaceIsBold = face.Bold;
        return found;
    }
    return {};
}

// One rule of the alias file: a named face, its stand-ins in order, and their line.
struct TAlias {
    std::string Family;
    std::vector<std::string> StandIns;
    double AscentEm = 0;
    double DescentEm = 0;
};

// The text between the first open and the next close inside [from, to); npos-safe.
std::string Inner(const std::string& text, std::size_t from, std::size_t to,
                  const std::string& open, const std::string& close, std::size_t* after = nullptr) {
    const std::size_t begin = text.find(open, from);
    if (begin == std::string::npos || begin >= to)
        return {};
    const std::size_t start = begin + open.size();
    const std::size_t end = text.find(close, start);
    if (end == std::string::npos || end > to)
        return {};
    if (after)
        *after = end + close.size();
    return text.substr(start, end - start);
}

// The element <tag ... name="property" ...> ... </tag> inside [from, to); empty if none.
std::string Element(const std::string& text, std::size_t from, std::size_t to,
                    const std::string& tag, const std::string& property) {
    for (std::size_t begin = text.find("<" + tag + " ", from);
         begin != std::string::npos && begin < to; begin = text.find("<" + tag + " ", begin + 1)) {
        const std::size_t opened = text.find('>', begin);
        if (opened == std::string::npos || opened > to)
            return {};
        if (text.substr(begin, opened - begin).find(" name=\"" + property + "\"") ==
            std::string::npos)
            continue;
        const std::size_t end = text.find("</" + tag + ">", opened);
        if (end == std::string::npos || end > to)
            return {};
        return text.substr(begin, end - begin);
    }
    return {};
}

double Number(const std::string& element) {
    const std::string value = Inner(element, 0, element.size(), "<double>", "</double>");
    return value.empty() ? 0 : std::strtod(value.c_str(), nullptr);
}

// Reads the alias rules; false when the text is no font configuration.
bool ParseAliases(std::string xml, std::vector<TAlias>* aliases) {
    for (std::size_t c = xml.find("<!--"); c != std::string::npos; c = xml.find("<!--", c)) {
        const std::size_t end = xml.find("-->", c);
        xml.erase(c, end == std::string::npos ? std::string::npos : end + 3 - c);
    }
    if (xml.find("<fontconfig>") == std::string::npos)
        return false;
    std::vector<TAlias> found;
    for (std::size_t at = xml.find("<match"); at != std::string::npos;
         at = xml.find("<match", at)) {
        const std::size_t end = xml.find("</match>", at);
        if (end == std::string::npos)
            return false;
        TAlias alias;
        const std::string test = Element(xml, at, end, "test", "family");
        alias.Family = Inner(test, 0, test.size(), "<string>", "</string>");
        const std::string edit = Element(xml, at, end, "edit", "family");
        std::size_t next = 0;
        for (std::string name;
             !(name = Inner(edit, next, edit.size(), "<string>", "</string>", &next)).empty();)
            alias.StandIns.push_back(name);
        const double ascent = Number(Element(xml, at, end, "edit", "tevraascent"));
        const double descent = Number(Element(xml, at, end, "edit", "tevradescent"));
        if (ascent > 0 && ascent < 4 && descent >= 0 && descent < 4) {
            alias.AscentEm = ascent;
            alias.DescentEm = descent;
        }
        if (!alias.Family.empty() && !alias.StandIns.empty())
            found.push_back(alias);
        at = end;
    }
    aliases->insert(aliases->end(), found.begin(), found.end());
    return true;
}

}  // namespace

struct TFaceFinder::TImpl {
    std::string Fonts;  // the system font folder
    std::vector<TAlias> Aliases;
    // Each private font file with its family, read when it is added.
    std::vector<std::pair<std::string, std::string>> Private;
};

TFaceFinder::TFaceFinder() : impl_(std::make_unique<TImpl>()) {}
TFaceFinder::~TFaceFinder() = default;

std::unique_ptr<TFaceFinder> TFaceFinder::Create(std::string*) {
    std::unique_ptr<TFaceFinder> finder(new TFaceFinder());
    finder->impl_->Fonts = FontFolder();
    return finder;
}

bool TFaceFinder::LoadAliases(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    const std::string xml((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return in.good() && ParseAliases(xml, &impl_->Aliases);
}

bool TFaceFinder::LoadAliasesFromMemory(const std::string& xml) {
    return ParseAliases(xml, &impl_->Aliases);
}

bool TFaceFinder::AddPrivateFont(const std::string& path, const std::string& family) {
    impl_->Private.emplace_back(path, family);
    return true;
}

void TFaceFinder::RemovePrivateFont(const std::string& path, const std::vector<std::string>&) {
    auto& fonts = impl_->Private;
    for (auto it = fonts.begin(); it != fonts.end();)
        it = it->first == path ? fonts.erase(it) : it + 1;
}

TFoundFace TFaceFinder::Match(const std::string& family, bool, bool) {
    for (const auto& [path, name] : impl_->Private) {
        if (SameName(family, name.c_str())) {
            TFoundFace found;
            found.File = path;
            found.Family = name;
            return found;
        }
    }
    for (const TSystemFace& face : SystemFaces) {
        const std::string file = impl_->Fonts + face.File;
        if (SameName(family, face.Family) && !impl_->Fonts.empty() && IsFile(file)) {
            TFoundFace found;
            found.File = file;
            found.Family = face.Family;
            found.FaceIsBold = face.Bold;
            return found;
        }
    }
    // The last rule loaded for a name wins, as with fontconfig's strong bindings.
    for (auto alias = impl_->Aliases.rbegin(); alias != impl_->Aliases.rend(); ++alias) {
        if (!SameName(family, alias->Family.c_str()))
            continue;
        for (const std::string& standIn : alias->StandIns) {
            TFoundFace found = Embedded(standIn);
            if (found.File.empty())
                continue;
            found.AscentEm = alias->AscentEm;
            found.DescentEm = alias->DescentEm;
            return found;
        }
    }
    if (SameName(family, "sans-serif"))
        return Embedded(DefaultFamily);
    return Embedded(family);
}

TFoundFace TFaceFinder::LastResort() {
    return Embedded(DefaultFamily);
}

std::vector<std::uint8_t> TFaceFinder::ReadFace(const std::string& file) {
    const std::string prefix = EmbeddedPrefix;
    if (file.compare(0, prefix.size(), prefix) != 0)
        return ReadFontFile(file);
    for (const TEmbeddedFace& face : EmbeddedFaces) {
        if (file.compare(prefix.size(), std::string::npos, face.File) == 0)
            return std::vector<std::uint8_t>(face.Begin, face.End);
    }
    return {};
}
