// Tests of the undo history: key and UNDO sequences, the full history, RESET and bad states.
#include <gtest/gtest.h>

#include <algorithm>

#include "BoxPushTestSupport.h"

namespace boxpush {
namespace {

using testing::GameOnShippedMap;
using testing::Keys;
using testing::ReadShippedMap;

// Plays the keys and returns the board before each key and, at the end, the board after the last.
std::vector<BoardGrid> Play(TBoxPushGame& Game, const std::string& Letters) {
    std::vector<BoardGrid> Boards{Game.Board};
    for (Direction Towards : Keys(Letters)) {
        EXPECT_EQ(PressArrow(Game, Towards).Effect, KeyEffect::Played);
        Boards.push_back(Game.Board);
    }
    return Boards;
}

void ExpectPlayerAndCountsMatchBoard(const TBoxPushGame& Game) {
    EXPECT_TRUE(IsPlayerCode(Game.Board[Game.PlayerCol][Game.PlayerRow])) << Game;
    EXPECT_EQ(Game.BoxesOnTargets, CountCells(Game.Board, CellCode::BoxOnTarget)) << Game;
}

TEST(UndoHistory, EachUndoStepsBackOneKeyUntilTheHistoryIsEmpty) {
    struct Case {
        const char* What;
        const char* Keys;
        int Undos;
        int ExpectedBoard;  // index into the boards Play returned
    };
    // The second key of each walk runs into a wall: blocked keys take a place too.
    const Case Cases[] = {
        {"three keys, three undos", "LLU", 3, 0},
        {"a blocked key takes a place", "RRRR", 2, 2},
        {"ten keys, ten undos", "LLDDRRUUUU", 10, 0},
        {"twelve keys, ten undos", "RRRRDLULULUD", 10, 2},
        {"eleven keys, ten undos", "RRRRDLULULU", 10, 1},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        TBoxPushGame Game = GameOnShippedMap("TES1");
        const std::vector<BoardGrid> Boards = Play(Game, C.Keys);
        EXPECT_TRUE(Game.UndoEnabled);
        for (int Undo = 1; Undo <= C.Undos; ++Undo) {
            ASSERT_TRUE(Game.UndoEnabled) << "undo " << Undo;
            EXPECT_EQ(PressUndo(Game).Repaint, GridRepaint::Whole);
            EXPECT_EQ(Game.Board, Boards[Boards.size() - 1 - static_cast<std::size_t>(Undo)]);
            ExpectPlayerAndCountsMatchBoard(Game);
        }
        EXPECT_EQ(Game.Board, Boards[static_cast<std::size_t>(C.ExpectedBoard)]);
        const int KeyCount = static_cast<int>(std::string(C.Keys).size());
        if (C.Undos == std::min(KeyCount, UndoSnapshotCount)) {
            EXPECT_FALSE(Game.UndoEnabled);
            const TBoxPushGame Before = Game;
            EXPECT_EQ(PressUndo(Game).Repaint, GridRepaint::None);
            EXPECT_EQ(Game, Before) << "no undo past the history";
        } else {
            EXPECT_TRUE(Game.UndoEnabled);
        }
    }
}

TEST(UndoHistory, AKeyAfterUndoStartsAFreshHistory) {
    TBoxPushGame Game = GameOnShippedMap("TES1");
    Play(Game, "RRRDL");
    PressUndo(Game);
    PressUndo(Game);
    const BoardGrid BeforeLastKey = Game.Board;
    PressArrow(Game, Direction::Up);
    EXPECT_TRUE(Game.UndoEnabled);
    EXPECT_EQ(PressUndo(Game).Repaint, GridRepaint::Whole);
    EXPECT_EQ(Game.Board, BeforeLastKey);
    EXPECT_FALSE(Game.UndoEnabled);
    const BoardGrid Now = Game.Board;
    EXPECT_EQ(PressUndo(Game).Repaint, GridRepaint::None);
    EXPECT_EQ(Game.Board, Now);
}

TEST(UndoHistory, UndoingAPushOntoATargetLowersTheCount) {
    TBoxPushGame Game = GameOnShippedMap("TES1");
    Play(Game, "LDDRUUU");
    ASSERT_EQ(Game.BoxesOnTargets, 1);
    PressUndo(Game);
    EXPECT_EQ(Game.BoxesOnTargets, 0);
    EXPECT_EQ(Game.Board[5][4], CellCode::Box);
    EXPECT_EQ((CellPosition{Game.PlayerCol, Game.PlayerRow}), (CellPosition{5, 5}));
}

TEST(UndoHistory, UndoLeavesTheLoadedMapAndTargetCountAlone) {
    TBoxPushGame Game = GameOnShippedMap("TES2");
    const TBoxPushGame Start = Game;
    Play(Game, "RDDLU");
    for (int Undo = 0; Undo < 5; ++Undo) {
        PressUndo(Game);
    }
    EXPECT_EQ(Game.Board, Start.Board);
    EXPECT_EQ(Game.BoardCopy, Start.BoardCopy);
    EXPECT_EQ(Game.TargetCount, Start.TargetCount);
    EXPECT_EQ(Game.BoxesOnTargets, Start.BoxesOnTargets);
}

TEST(UndoHistory, AnEmptySnapshotIsNeverPutOnTheBoard) {
    // A history that claims boards it never saved: the UNDO must not show the empty mark.
    struct Case {
        const char* What;
        int UndoDepth;
        int UndoClicks;
    };
    const Case Cases[] = {
        {"depth without snapshots", 3, 1},
        {"past a full history", 11, 4},
        {"tenth undo with snapshot 1 empty", 5, 10},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        TBoxPushGame Game = GameOnShippedMap("TES1");
        PressArrow(Game, Direction::Right);
        MarkSnapshotsEmpty(Game);
        Game.UndoDepth = C.UndoDepth;
        Game.UndoClicks = C.UndoClicks;
        const TBoxPushGame Before = Game;

        EXPECT_EQ(PressUndo(Game).Repaint, GridRepaint::None);
        EXPECT_EQ(Game.Board, Before.Board);
        EXPECT_EQ(Game.PlayerCol, Before.PlayerCol);
        EXPECT_EQ(Game.BoxesOnTargets, Before.BoxesOnTargets);
        EXPECT_FALSE(Game.UndoEnabled);
        EXPECT_EQ(Game.UndoDepth, 0);
        EXPECT_EQ(Game.UndoClicks, 1);
    }
}

TEST(Reset, BringsBackTheStartingBoardWithAnEmptyHistory) {
    TBoxPushGame Game = GameOnShippedMap("TES1");
    const TBoxPushGame Start = Game;
    Play(Game, "LDDRUUU");
    PressUndo(Game);
    const LoadOutcome Outcome = PressReset(Game, ReadShippedMap("TES1"));
    EXPECT_EQ(Outcome.Error.Fault, LevelMapFault::None);
    EXPECT_EQ(Outcome.Repaint, GridRepaint::Whole);
    EXPECT_EQ(Game, Start) << "the same state as at the start of the visit";
    // Keys work straight away.
    EXPECT_EQ(PressArrow(Game, Direction::Up).Status, MoveStatus::Kosong);
}

TEST(Reset, WithAMapThatDoesNotReadLeavesKeysAndUndoWithoutEffect) {
    TBoxPushGame Game = GameOnShippedMap("TES1");
    Play(Game, "UUR");
    const LoadOutcome Outcome = PressReset(Game, ReadShippedMap("TES1").substr(1));
    EXPECT_EQ(Outcome.Error.Fault, LevelMapFault::WrongLineLength);
    EXPECT_FALSE(Game.BoardReady);
    EXPECT_FALSE(Game.UndoEnabled);
    const TBoxPushGame Before = Game;
    PressArrow(Game, Direction::Down);
    PressUndo(Game);
    EXPECT_EQ(Game, Before);
}

}  // namespace
}  // namespace boxpush
