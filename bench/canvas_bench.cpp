// Benchmarks of the painter: a button-sized face, a full-screen background copy, text, resampling.
#include <benchmark/benchmark.h>

#include "TCanvas.h"
#include "TScaledPictureCache.h"

namespace {

void BM_ButtonFace(benchmark::State& state) {
    TBitmap face(246, 46);
    TCanvas canvas(face);
    for (auto _ : state) {
        canvas.Brush.Color = RGB(48, 152, 96);
        canvas.Pen.Color = RGB(88, 192, 136);
        canvas.RoundRect(0, 0, 246, 46, 4, 4);
        canvas.Pen.Color = RGB(8, 112, 56);
        canvas.RoundRect(1, 1, 245, 45, 4, 4);
        canvas.Pen.Width = 2;
        canvas.MoveTo(3, 3);
        canvas.LineTo(243, 3);
        canvas.MoveTo(3, 3);
        canvas.LineTo(3, 43);
        canvas.Pen.Width = 1;
        canvas.Polygon({{238, 38}, {238, 30}, {230, 38}});
        benchmark::DoNotOptimize(face.Row(0));
    }
}
BENCHMARK(BM_ButtonFace);

void BM_DrawBackground(benchmark::State& state) {
    TBitmap screen(1024, 768);
    TBitmap picture(800, 600, RGB(10, 20, 30));
    picture.Transparent = state.range(0) != 0;
    TCanvas canvas(screen);
    for (auto _ : state) {
        canvas.Draw(112, 84, picture);
        benchmark::DoNotOptimize(screen.Row(100));
    }
}
BENCHMARK(BM_DrawBackground)->Arg(0)->Arg(1);

void BM_TextOut(benchmark::State& state) {
    TBitmap target(400, 40, clWhite);
    TCanvas canvas(target);
    canvas.Font.Name = "Arial Black";
    canvas.Font.Height = -16;
    canvas.Brush.Style = TBrushStyle::Clear;
    for (auto _ : state) {
        canvas.TextOut(4, 4, "Masih ada yang salah perhatikan penulisan");
        benchmark::DoNotOptimize(target.Row(10));
    }
}
BENCHMARK(BM_TextOut);

// The one-time cost of a background on a scaled display: its cubic resample to the device size
// (the argument is the scale in quarters: 7 on 1920 x 1080, 14 on 3840 x 2160).
void BM_ResampleBackground(benchmark::State& state) {
    TBitmap picture(800, 600);
    for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x)
            picture.SetPixel(x, y, RGB(x & 0xFF, y & 0xFF, (x ^ y) & 0xFF));
    const int quarters = static_cast<int>(state.range(0));
    for (auto _ : state) {
        TBitmap scaled = ResamplePicture(picture, 200 * quarters, 150 * quarters);
        benchmark::DoNotOptimize(scaled.Row(0));
    }
}
BENCHMARK(BM_ResampleBackground)->Arg(7)->Arg(14)->Unit(benchmark::kMillisecond);

}  // namespace
