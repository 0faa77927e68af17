// The Linux process: glibc's allocator, /proc for the executable, madvise for resident pages.
#include "Platform.h"

#include <fcntl.h>
#include <malloc.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <system_error>

namespace {

bool IsClosed(int fd) {
    return fcntl(fd, F_GETFD) == -1 && errno == EBADF;
}

// Standard streams that were closed when the game was started are opened on the null device, so
// that no later file (the display connection above all) takes their numbers and gets a
// diagnostic line written into it.
void OpenClosedStandardStreams() {
    for (int fd = 0; fd <= 2; ++fd) {
        if (!IsClosed(fd))
            continue;
        // The lowest free number is this one, since the ones below are open by now.
        const int opened = open("/dev/null", fd == 0 ? O_RDONLY : O_WRONLY);
        if (opened >= 0 && opened != fd) {
            dup2(opened, fd);
            close(opened);
        }
    }
}

}  // namespace

void PreparePlatformProcess() {
    OpenClosedStandardStreams();
    // A diagnostic line written to a closed pipe (`tevra 2>&1 | true`) would otherwise end the
    // game with SIGPIPE; the display connection reports its own loss through Xlib all the same.
    std::signal(SIGPIPE, SIG_IGN);
#ifdef __GLIBC__
    // Pictures of a screen are made when it is shown and freed when it is hidden. glibc would
    // raise its threshold for mappings to the largest block freed so far and take later pictures
    // from the heap, where the freed ones stay resident; with a fixed threshold every picture has
    // its own mapping, given back to the system when it is freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
}

std::filesystem::path ExecutablePath() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program;
}

void ReleaseReadOnlyPages(const void* first, const void* last) {
#ifdef MADV_PAGEOUT
    const long pageSize = ::sysconf(_SC_PAGESIZE);
    if (pageSize <= 0)
        return;
    const auto page = static_cast<std::uintptr_t>(pageSize);
    // Only whole pages inside the range; what lies around it stays.
    const std::uintptr_t begin = (reinterpret_cast<std::uintptr_t>(first) + page - 1) / page * page;
    const std::uintptr_t end = reinterpret_cast<std::uintptr_t>(last) / page * page;
    // Advice only: a kernel without it, or pages it keeps, change nothing the game relies on.
    if (end > begin)
        (void)::madvise(reinterpret_cast<void*>(begin), end - begin, MADV_PAGEOUT);
#else
    (void)first;
    (void)last;
#endif
}

void ReportStartFailure(const std::string& message) {
    std::fprintf(stderr, "tevra: %s\n", message.c_str());
}
