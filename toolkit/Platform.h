// What the game needs from the operating system besides SDL and FreeType; one implementation per
// system (platform/linux, platform/windows), chosen by the build.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

// Sets the process up before anything else runs.
void PreparePlatformProcess();
// The running executable's path; empty when the system cannot tell.
std::filesystem::path ExecutablePath();
// Lets the system take back the memory pages of [begin, end), which are only read, until they
// are read again. Advice only: the contents never change.
void ReleaseReadOnlyPages(const void* begin, const void* end);
// A failure before the window opens, reported where the user sees it.
void ReportStartFailure(const std::string& message);
