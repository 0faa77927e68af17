// The program's entry: opens the window, creates the five screens and runs the one match.
#include <malloc.h>

#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "ProcessSetup.h"
#include "Screens.h"
#include "Stage.h"
#include "TApplication.h"
#include "TevraResources.h"
#include "sdl/TSdlBackend.h"

namespace {

int Play() {
    std::string error;
    std::unique_ptr<TSdlBackend> backend = TSdlBackend::Create(&error);
    if (!backend) {
        std::fprintf(stderr, "tevra: %s\n", error.c_str());
        return 1;
    }
    InstallTevraResources();
    if (!LoadFontAliases(&error))
        std::fprintf(stderr, "tevra: %s; the system's default faces stand in\n", error.c_str());
    int exitCode = 0;
    {
        TApplication app(*backend, StageScaleQuarters);
        CreateScreens(app);
        app.Run();
    }
    return exitCode;
}

}  // namespace

int main() {
    PrepareProcess();
#ifdef __GLIBC__
    // Pictures of a screen are made when it is shown and freed when it is hidden. glibc would
    // raise its threshold for mappings to the largest block freed so far and take later pictures
    // from the heap, where the freed ones stay resident; with a fixed threshold every picture has
    // its own mapping, given back to the system when it is freed.
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
#endif
    // Too little memory, at start or in play, ends the game with one line instead of an abort.
    // Every handler runs from the loop inside Play, so this is where any of them lands.
    try {
        return Play();
    } catch (const std::bad_alloc&) {
        std::fputs("tevra: not enough memory to go on; the game ends\n", stderr);
        return 1;
    }
}
