// Benchmark of one full paint of the menu's START button into a 250 x 50 canvas.
#include <benchmark/benchmark.h>

#include "TApplication.h"
#include "TCanvas.h"
#include "TForm.h"
#include "TFreeButton.h"
#include "headless/THeadlessBackend.h"

namespace {

void BM_FreeButtonPaint(benchmark::State& state) {
    THeadlessBackend backend;
    TApplication app(backend);
    TForm* form = app.CreateForm<TForm>();
    TFreeButton* button = form->Add<TFreeButton>();
    button->SetBounds(0, 0, 250, 50);
    button->SetCaption("START");
    button->SetCustomColor(ccEmerald);
    button->SetBackColor(RGB(236, 233, 216));
    TFont font = button->Font();
    font.Height = -21;
    button->SetFont(font);
    // 0 rest, 1 under the pointer, 2 pressed: the looks the mouse handlers paint at once.
    if (state.range(0) >= 1)
        button->MouseEnter();
    if (state.range(0) == 2)
        button->MouseDown(TMouseButton::Left, TShiftState::None, 5, 5, TClickKind::Single);

    TBitmap target(250, 50);
    TCanvas canvas(target);
    button->Paint(canvas);  // the first paint loads the font face
    for (auto _ : state) {
        button->Paint(canvas);
        benchmark::DoNotOptimize(target.Row(0));
    }
}
BENCHMARK(BM_FreeButtonPaint)->Arg(0)->Arg(1)->Arg(2);

}  // namespace
