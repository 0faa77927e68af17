// The program's entry: opens the window, creates the five screens and runs the one match.
#include <cstdio>
#include <memory>
#include <new>
#include <string>

#include "Platform.h"
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
        ReportStartFailure(error);
        return 1;
    }
    InstallTevraResources();
    if (!LoadFontAliases(&error))
        std::fprintf(stderr, "tevra: %s; the system's default faces stand in\n", error.c_str());
    TApplication app(*backend, StageScaleQuarters);
    CreateScreens(app);
    app.Run();
    return 0;
}

}  // namespace

int main() {
    PreparePlatformProcess();
    // Too little memory, at start or in play, ends the game with one line instead of an abort.
    // Every handler runs from the loop inside Play, so this is where any of them lands.
    try {
        return Play();
    } catch (const std::bad_alloc&) {
        std::fputs("tevra: not enough memory to go on; the game ends\n", stderr);
        return 1;
    }
}
