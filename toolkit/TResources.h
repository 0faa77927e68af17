// Named resources compiled into the executable: maps, tiles, pictures and backgrounds.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct TResourceBytes {
    const std::uint8_t* Data = nullptr;
    std::size_t Size = 0;
};

// Looks a resource up by its name ("TES1", "F0", "H3", "Form2", ...). Returns false and writes a
// message naming the resource into *error when there is none.
bool FindResource(const std::string& name, TResourceBytes* out, std::string* error);
std::vector<std::string> ResourceNames();

// The table of resources is provided by the assets library (generated at build time). Tests can
// install a table of their own. Installing replaces the previous table; the entries are not
// copied, so they must outlive their use (static arrays in practice).
struct TResourceEntry {
    const char* Name;
    const std::uint8_t* Begin;
    const std::uint8_t* End;
};
void InstallResourceTable(const TResourceEntry* entries, std::size_t count);

// Lets the system take back the memory pages holding the resources until they are read again:
// a picture is decoded from them once a visit, and until then they only add to the game's
// resident memory (about 1 MB). Never changes their contents.
void ReleaseResourcePages();
