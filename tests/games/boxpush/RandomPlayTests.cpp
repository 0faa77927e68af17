// Random key, UNDO and RESET storms on both shipped maps, checking the board's invariants.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <random>

#include "BoxPushTestSupport.h"

namespace boxpush {
namespace {

using testing::ReadShippedMap;

int CountBoxes(const BoardGrid& Board) {
    return CountCells(Board, CellCode::Box) + CountCells(Board, CellCode::BoxOnTarget);
}

int CountPlayers(const BoardGrid& Board) {
    return CountCells(Board, CellCode::Player) + CountCells(Board, CellCode::PlayerOnTarget);
}

// Walls are exactly the walls of the loaded map.
bool WallsUnchanged(const TBoxPushGame& Game) {
    for (int Col = 0; Col < BoardColumns; ++Col) {
        for (int Row = 0; Row < BoardRows; ++Row) {
            if ((Game.Board[Col][Row] == CellCode::Wall) !=
                (Game.BoardCopy[Col][Row] == CellCode::Wall)) {
                return false;
            }
        }
    }
    return true;
}

struct RandomPlayCase {
    const char* Map;
    int Boxes;
    unsigned Seed;
    const char* Opening;  // keys some sequences start with, to bring a win within reach
};

void PrintTo(const RandomPlayCase& Case, std::ostream* Out) {
    *Out << Case.Map << " seed " << Case.Seed;
}

class RandomPlay : public ::testing::TestWithParam<RandomPlayCase> {};

TEST_P(RandomPlay, KeepsTheBoardSoundAndUndoesExactlyTheLastKeys) {
    constexpr int Sequences = 1000;
    constexpr int ActionsPerSequence = 150;
    const RandomPlayCase Case = GetParam();
    const std::string MapText = ReadShippedMap(Case.Map);
    std::mt19937 Generator(Case.Seed);
    std::uniform_int_distribution<int> ActionDraw(0, 99);
    std::uniform_int_distribution<int> DirectionDraw(0, 3);
    std::uniform_int_distribution<int> BurstDraw(1, UndoSnapshotCount + 2);
    int Solved = 0;
    int LongestUndoRun = 0;

    for (int Sequence = 0; Sequence < Sequences; ++Sequence) {
        TBoxPushGame Game;
        ASSERT_EQ(StartVisit(Game, MapText).Error.Fault, LevelMapFault::None);
        std::deque<BoardGrid> History;  // boards before the keys the model may still undo
        bool LastWasUndo = false;
        int UndoRun = 0;
        int PendingUndos = 0;  // undos still to press in this burst; -1 for a RESET
        const std::vector<Direction> Opening =
            Sequence % 10 == 0 ? testing::Keys(Case.Opening) : std::vector<Direction>{};

        for (int Action = 0; Action < ActionsPerSequence; ++Action) {
            // Undos come in bursts of 1 to 12, so that the whole history and more gets used.
            if (PendingUndos == 0 && static_cast<std::size_t>(Action) >= Opening.size()) {
                const int Draw = ActionDraw(Generator);
                if (Draw < 60) {
                    PendingUndos = 0;
                } else if (Draw < 96) {
                    PendingUndos = BurstDraw(Generator);
                } else {
                    PendingUndos = -1;
                }
            }
            if (PendingUndos == 0) {
                const Direction Towards = static_cast<std::size_t>(Action) < Opening.size()
                                              ? Opening[static_cast<std::size_t>(Action)]
                                              : static_cast<Direction>(DirectionDraw(Generator));
                if (LastWasUndo) {
                    History.clear();
                }
                History.push_back(Game.Board);
                if (History.size() > static_cast<std::size_t>(UndoSnapshotCount)) {
                    History.pop_front();
                }
                LastWasUndo = false;
                UndoRun = 0;
                const StepOutcome Outcome = PressArrow(Game, Towards);
                ASSERT_EQ(Outcome.Effect, KeyEffect::Played);
                ASSERT_TRUE(Game.UndoEnabled);
                if (Outcome.Level == LevelState::Solved) {
                    ++Solved;
                    ASSERT_EQ(StartVisit(Game, MapText).Error.Fault, LevelMapFault::None);
                    History.clear();
                }
            } else if (PendingUndos > 0) {
                --PendingUndos;
                const BoardGrid Before = Game.Board;
                const UndoOutcome Outcome = PressUndo(Game);
                if (History.empty()) {
                    ASSERT_EQ(Outcome.Repaint, GridRepaint::None);
                    ASSERT_EQ(Game.Board, Before);
                } else {
                    ASSERT_EQ(Outcome.Repaint, GridRepaint::Whole);
                    ASSERT_EQ(Game.Board, History.back()) << "undo " << UndoRun + 1;
                    History.pop_back();
                    LastWasUndo = true;
                    LongestUndoRun = std::max(LongestUndoRun, ++UndoRun);
                }
            } else {
                PendingUndos = 0;
                ASSERT_EQ(PressReset(Game, MapText).Error.Fault, LevelMapFault::None);
                History.clear();
                LastWasUndo = false;
                UndoRun = 0;
            }

            ASSERT_EQ(CountPlayers(Game.Board), 1) << Game;
            ASSERT_TRUE(IsPlayerCode(Game.Board[Game.PlayerCol][Game.PlayerRow])) << Game;
            ASSERT_EQ(CountBoxes(Game.Board), Case.Boxes) << Game;
            ASSERT_TRUE(WallsUnchanged(Game)) << Game;
            ASSERT_EQ(Game.BoxesOnTargets, CountCells(Game.Board, CellCode::BoxOnTarget)) << Game;
            ASSERT_EQ(Game.UndoEnabled, !History.empty()) << Game;
            ASSERT_GE(Game.UndoDepth, 0);
            ASSERT_LE(Game.UndoDepth, UndoSnapshotCount + 1);
            ASSERT_GE(Game.UndoClicks, 1);
            ASSERT_LE(Game.UndoClicks, UndoSnapshotCount);
        }
    }
    // The storm has to reach the full history, or it proves little about the shifting.
    EXPECT_EQ(LongestUndoRun, UndoSnapshotCount);
    if (*Case.Opening != '\0') {
        EXPECT_GT(Solved, 0) << "no sequence reached a win and its reload";
    }
}

INSTANTIATE_TEST_SUITE_P(BothMaps, RandomPlay,
                         ::testing::Values(RandomPlayCase{"TES1", 2, 1u,
                                                          "LDDRUUURDRDLULLDDRUULURDR"},
                                           RandomPlayCase{"TES2", 3, 2u, ""}),
                         [](const ::testing::TestParamInfo<RandomPlayCase>& Info) {
                             return std::string(Info.param.Map);
                         });

}  // namespace
}  // namespace boxpush
