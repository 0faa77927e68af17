// The process-wide table of named resources and its look-up.
#include "TResources.h"

#include "Platform.h"

#include <algorithm>
#include <cstdint>

namespace {

struct TResourceTable {
    const TResourceEntry* Entries = nullptr;
    std::size_t Count = 0;
};

TResourceTable& Table() {
    static TResourceTable table;
    return table;
}

}  // namespace

void InstallResourceTable(const TResourceEntry* entries, std::size_t count) {
    Table().Entries = entries;
    Table().Count = entries ? count : 0;
}

bool FindResource(const std::string& name, TResourceBytes* out, std::string* error) {
    const TResourceTable& table = Table();
    for (std::size_t i = 0; i < table.Count; ++i) {
        const TResourceEntry& e = table.Entries[i];
        if (e.Name == nullptr || name != e.Name)
            continue;
        if (out) {
            out->Data = e.Begin;
            out->Size =
                (e.Begin && e.End > e.Begin) ? static_cast<std::size_t>(e.End - e.Begin) : 0;
        }
        return true;
    }
    if (error)
        *error = "resource \"" + name + "\" not found";
    return false;
}

std::vector<std::string> ResourceNames() {
    std::vector<std::string> names;
    const TResourceTable& table = Table();
    for (std::size_t i = 0; i < table.Count; ++i) {
        if (table.Entries[i].Name)
            names.emplace_back(table.Entries[i].Name);
    }
    return names;
}

void ReleaseResourcePages() {
    const TResourceTable& table = Table();
    if (table.Count == 0)
        return;
    std::uintptr_t begin = UINTPTR_MAX;
    std::uintptr_t end = 0;
    for (std::size_t i = 0; i < table.Count; ++i) {
        begin = std::min(begin, reinterpret_cast<std::uintptr_t>(table.Entries[i].Begin));
        end = std::max(end, reinterpret_cast<std::uintptr_t>(table.Entries[i].End));
    }
    ReleaseReadOnlyPages(reinterpret_cast<const void*>(begin), reinterpret_cast<const void*>(end));
}
