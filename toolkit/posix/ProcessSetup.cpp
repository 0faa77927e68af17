// Standard streams and signals of a POSIX process, set up before anything else.
#include "ProcessSetup.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace {

bool IsClosed(int fd) {
    return fcntl(fd, F_GETFD) == -1 && errno == EBADF;
}

}  // namespace

void PrepareProcess() {
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
    // A diagnostic line written to a closed pipe (`tevra 2>&1 | true`) would otherwise end the
    // game with SIGPIPE; the display connection reports its own loss through Xlib all the same.
    std::signal(SIGPIPE, SIG_IGN);
}
