// Benchmarks of the box-pushing model alone: one arrow key and one UNDO on the first map.
#include <benchmark/benchmark.h>

#include "BoxPushGame.h"

namespace {

// The first shipped map, as its resource holds it.
constexpr char FirstMap[] =
    "000000000000000\r\n000000000000000\r\n000111110000000\r\n000104410000000\r\n"
    "000100011110000\r\n000102000110000\r\n000103300110000\r\n000100111110000\r\n"
    "000111100000000\r\n000000000000000\r\n000000000000000\r\n000000000000000";

boxpush::TBoxPushGame FirstMapGame() {
    boxpush::TBoxPushGame Game;
    boxpush::StartVisit(Game, FirstMap);
    return Game;
}

// Left then right, over and over: the level is never solved, and after ten keys every key also
// shifts the full history, which is the slow path of a key.
void BM_BoxPushArrowKey(benchmark::State& State) {
    boxpush::TBoxPushGame Game = FirstMapGame();
    bool Left = true;
    for (auto _ : State) {
        const boxpush::StepOutcome Outcome =
            boxpush::PressArrow(Game, Left ? boxpush::Direction::Left : boxpush::Direction::Right);
        benchmark::DoNotOptimize(Outcome);
        Left = !Left;
    }
}
BENCHMARK(BM_BoxPushArrowKey);

// One UNDO putting back the board before one key. Only the three counters the UNDO changes are
// set back between rounds; the snapshot it copies stays in place.
void BM_BoxPushUndo(benchmark::State& State) {
    boxpush::TBoxPushGame Game = FirstMapGame();
    boxpush::PressArrow(Game, boxpush::Direction::Up);
    const boxpush::TBoxPushGame AfterKey = Game;
    for (auto _ : State) {
        Game.UndoDepth = AfterKey.UndoDepth;
        Game.UndoClicks = AfterKey.UndoClicks;
        Game.UndoEnabled = true;
        const boxpush::UndoOutcome Outcome = boxpush::PressUndo(Game);
        benchmark::DoNotOptimize(Outcome);
        benchmark::DoNotOptimize(Game.Board);
    }
}
BENCHMARK(BM_BoxPushUndo);

}  // namespace
