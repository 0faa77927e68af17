// Which font file holds the face a name asks for. The system's own way of finding faces lives
// behind this: fontconfig on Linux, the system font folder and the faces inside the executable on
// Windows (platform/linux, platform/windows).
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

struct TFoundFace {
    std::string File;  // what ReadFace opens; empty when nothing was found
    int Index = 0;
    std::string Family;
    bool FaceIsBold = false;
    bool FaceIsItalic = false;
    double AscentEm = 0;  // from the alias; 0 when the face's own metrics hold
    double DescentEm = 0;
};

class TFaceFinder {
  public:
    // Nothing, with the reason in *error, when the system's font setup cannot be loaded.
    static std::unique_ptr<TFaceFinder> Create(std::string* error);
    ~TFaceFinder();
    TFaceFinder(const TFaceFinder&) = delete;
    TFaceFinder& operator=(const TFaceFinder&) = delete;

    // The game's alias file (fontconfig's XML form), from a file or from memory.
    bool LoadAliases(const std::string& path);
    bool LoadAliasesFromMemory(const std::string& xml);
    // A font file only this process sees, already checked to be readable by FreeType, with the
    // family FreeType read from it; and its removal, with the private fonts that stay.
    bool AddPrivateFont(const std::string& path, const std::string& family);
    void RemovePrivateFont(const std::string& path, const std::vector<std::string>& remaining);

    TFoundFace Match(const std::string& family, bool bold, bool italic);
    // The face drawn when the setup offers none at all; File is empty if it is missing too.
    TFoundFace LastResort();
    // The bytes of a found face's file; empty when it cannot be read.
    std::vector<std::uint8_t> ReadFace(const std::string& file);

  private:
    TFaceFinder();
    struct TImpl;
    std::unique_ptr<TImpl> impl_;
};

// The whole file's bytes; empty when it cannot be read.
std::vector<std::uint8_t> ReadFontFile(const std::string& path);
