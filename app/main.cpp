// The program's entry: opens the window, creates the five screens and runs the one match.
#include <cstdio>
#include <memory>
#include <string>

#include "Platform.h"
#include "Screens.h"
#include "Stage.h"
#include "TApplication.h"
#include "TevraResources.h"
#include "sdl/TSdlBackend.h"

int main() {
    PreparePlatformProcess();
    std::string error;
    std::unique_ptr<TSdlBackend> backend = TSdlBackend::Create(&error);
    if (!backend) {
        ReportStartFailure(error);
        return 1;
    }
    InstallTevraResources();
    if (!LoadFontAliases(&error))
        std::fprintf(stderr, "tevra: %s; the system's default faces stand in\n", error.c_str());
    int exitCode = 0;
    {
        const TSize display = backend->DisplaySize();
        TApplication app(*backend, StageScaleQuarters(display.Width, display.Height));
        CreateScreens(app);
        app.Run();
    }
    return exitCode;
}
