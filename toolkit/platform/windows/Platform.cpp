// The Windows process: a GUI program that still writes its messages to the console it was
// started from, finds its own path through the system, and shows start-up failures in a box.
#include "Platform.h"

#include <windows.h>

#include <cstdio>

namespace {

std::wstring Wide(const std::string& utf8) {
    const int length =
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length > 0 ? length : 0), L'\0');
    if (length > 0)
        MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(),
                            length);
    return wide;
}

}  // namespace

void PreparePlatformProcess() {
    // A GUI program gets no console: started from a command prompt its messages would be lost.
    // Output sent to a file or a pipe already arrives; otherwise the prompt's console is borrowed.
    const HANDLE handle = GetStdHandle(STD_ERROR_HANDLE);
    if ((handle == nullptr || handle == INVALID_HANDLE_VALUE) &&
        AttachConsole(ATTACH_PARENT_PROCESS)) {
        (void)std::freopen("CONOUT$", "w", stderr);
        (void)std::freopen("CONOUT$", "w", stdout);
    }
}

std::filesystem::path ExecutablePath() {
    std::wstring buffer(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0)
            return {};
        if (length < buffer.size()) {
            buffer.resize(length);
            return std::filesystem::path(buffer);
        }
        // Cut short: a path longer than MAX_PATH (allowed with long path support).
        if (buffer.size() >= 32768)
            return {};
        buffer.resize(buffer.size() * 2);
    }
}

// The resources are part of the executable's image, whose pages the system already drops from the
// working set when memory runs short and reads back from the file on demand.
void ReleaseReadOnlyPages(const void*, const void*) {}

void ReportStartFailure(const std::string& message) {
    std::fprintf(stderr, "tevra: %s\n", message.c_str());
    std::fflush(stderr);
    MessageBoxW(nullptr,
                Wide("Tevra Kelas 4 tidak dapat dimulai / cannot start:\n\n" + message).c_str(),
                L"Tevra Kelas 4", MB_OK | MB_ICONERROR | MB_SETFOREGROUND);
}
