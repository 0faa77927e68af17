// One arrow key on the box-pushing screen, from the key message to the pixels pushed.
#include <benchmark/benchmark.h>

#include "MatchState.h"
#include "Screens.h"
#include "Stage.h"
#include "TApplication.h"
#include "TevraResources.h"
#include "Unit1.h"
#include "Unit2.h"
#include "headless/THeadlessBackend.h"
#include "headless/THeadlessDriver.h"

namespace {

// The argument is the scale in quarters: 7 is how the game draws on 1920 x 1080, 4 is 1:1.
void BM_ArrowKeyToPushedPixels(benchmark::State& state) {
    MatchState = TMatchState{};
    InstallTevraResources();
    THeadlessBackend backend(TSize{1920, 1080});
    TApplication app(backend, static_cast<int>(state.range(0)));
    THeadlessDriver drive(app, backend);
    CreateScreens(app);
    drive.Start();
    const TRect start = app.Device().Map(Form1->FreeButton1->BoundsRect());
    drive.Click((start.Left + start.Right) / 2, (start.Top + start.Bottom) / 2);
    // Walking left and right from the start cell never solves either level, so every key moves.
    int key = VK_LEFT;
    const std::uint64_t pixelsBefore = backend.PixelsPushed();
    const std::uint64_t presentsBefore = backend.PresentCount();
    for (auto _ : state) {
        drive.Key(key);
        key = key == VK_LEFT ? VK_RIGHT : VK_LEFT;
    }
    const auto keys = static_cast<double>(state.iterations());
    state.counters["pixels_per_key"] =
        static_cast<double>(backend.PixelsPushed() - pixelsBefore) / keys;
    state.counters["presents_per_key"] =
        static_cast<double>(backend.PresentCount() - presentsBefore) / keys;
}
BENCHMARK(BM_ArrowKeyToPushedPixels)->Arg(StageScaleQuarters(1920, 1080))->Arg(4);

}  // namespace
