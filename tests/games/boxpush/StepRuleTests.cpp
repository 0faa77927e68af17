// Tests of one arrow key: every row of the step rule, the edge rules and the win test.
#include <gtest/gtest.h>

#include "BoxPushTestSupport.h"

namespace boxpush {
namespace {

using testing::GameOn;
using testing::GameOnShippedMap;
using testing::Keys;

constexpr Direction AllDirections[] = {Direction::Left, Direction::Up, Direction::Right,
                                       Direction::Down};

CellPosition Toward(CellPosition From, Direction Towards, int Times) {
    switch (Towards) {
        case Direction::Left:
            return {From.Col - Times, From.Row};
        case Direction::Up:
            return {From.Col, From.Row - Times};
        case Direction::Right:
            return {From.Col + Times, From.Row};
        case Direction::Down:
            return {From.Col, From.Row + Times};
    }
    return From;
}

const char* NameOf(Direction Towards) {
    switch (Towards) {
        case Direction::Left:
            return "left";
        case Direction::Up:
            return "up";
        case Direction::Right:
            return "right";
        case Direction::Down:
            return "down";
    }
    return "?";
}

constexpr CellCode F = CellCode::Floor;
constexpr CellCode W = CellCode::Wall;
constexpr CellCode Pl = CellCode::Player;
constexpr CellCode X = CellCode::Box;
constexpr CellCode T = CellCode::Target;
constexpr CellCode PT = CellCode::PlayerOnTarget;
constexpr CellCode XT = CellCode::BoxOnTarget;

// Away from the edges. "Writes" lists the written cells in order: P the player's cell, N the
// next cell, B the cell beyond.
TEST(StepRule, EveryRowAwayFromTheEdges) {
    struct Case {
        const char* What;
        CellCode P, N, B;                 // before the key
        CellCode AfterP, AfterN, AfterB;  // after it
        bool Moves;
        MoveStatus Status;
        int BoxesOnTargetsChange;
        const char* Writes;
    };
    const Case Cases[] = {
        {"onto floor", Pl, F, W, F, Pl, W, true, MoveStatus::Kosong, 0, "PN"},
        {"off a target onto floor", PT, F, F, T, Pl, F, true, MoveStatus::Kosong, 0, "PN"},
        {"onto a target", Pl, T, X, F, PT, X, true, MoveStatus::Tabrak, 0, "PN"},
        {"into a wall", Pl, W, F, Pl, W, F, false, MoveStatus::None, 0, "PP"},
        {"into a wall from a target", PT, W, F, PT, W, F, false, MoveStatus::Tembok, 0, "PP"},
        {"box onto floor", Pl, X, F, F, Pl, X, true, MoveStatus::Kosong, 0, "PBN"},
        {"box onto a target", Pl, X, T, F, Pl, XT, true, MoveStatus::Kosong, 1, "PBN"},
        {"box against a wall", Pl, X, W, Pl, X, W, false, MoveStatus::Tembok, 0, "PP"},
        {"box against a box", PT, X, X, PT, X, X, false, MoveStatus::Tembok, 0, "PP"},
        {"box against a box on target", Pl, X, XT, Pl, X, XT, false, MoveStatus::Tembok, 0, "PP"},
        {"box off a target onto floor", Pl, XT, F, F, PT, X, true, MoveStatus::Tabrak, -1, "PNBN"},
        {"box from target to target", PT, XT, T, T, PT, XT, true, MoveStatus::Tembok, 0, "PNB"},
        {"box on target against a wall", Pl, XT, W, Pl, XT, W, false, MoveStatus::Tembok, 0, "PP"},
        {"box on target against a box", PT, XT, X, PT, XT, X, false, MoveStatus::Tembok, 0, "PP"},
        {"box on target against another", Pl, XT, XT, Pl, XT, XT, false, MoveStatus::Tembok, 0,
         "PP"},
    };
    const CellPosition P{7, 6};
    for (Direction Towards : AllDirections) {
        const CellPosition N = Toward(P, Towards, 1);
        const CellPosition B = Toward(P, Towards, 2);
        for (const Case& C : Cases) {
            SCOPED_TRACE(std::string(NameOf(Towards)) + ": " + C.What);
            BoardGrid Board;
            Board.At(P) = C.P;
            Board.At(N) = C.N;
            Board.At(B) = C.B;
            Board[14][11] = T;  // a spare target, so that no row solves the board
            TBoxPushGame Game = GameOn(Board);
            const int BoxesBefore = Game.BoxesOnTargets;

            const StepOutcome Outcome = PressArrow(Game, Towards);

            EXPECT_EQ(Outcome.Effect, KeyEffect::Played);
            EXPECT_EQ(Game.Board.At(P), C.AfterP);
            EXPECT_EQ(Game.Board.At(N), C.AfterN);
            EXPECT_EQ(Game.Board.At(B), C.AfterB);
            EXPECT_EQ((CellPosition{Game.PlayerCol, Game.PlayerRow}), C.Moves ? N : P);
            EXPECT_EQ(Outcome.Status, C.Status);
            EXPECT_EQ(Game.BoxesOnTargets - BoxesBefore, C.BoxesOnTargetsChange);
            EXPECT_EQ(Game.BoxesOnTargets, CountCells(Game.Board, XT));
            EXPECT_EQ(Outcome.Level, LevelState::Unsolved);
            std::string Writes;
            for (CellPosition Cell : Outcome.Changed) {
                Writes += Cell == P ? 'P' : Cell == N ? 'N' : Cell == B ? 'B' : '?';
            }
            EXPECT_EQ(Writes, C.Writes);
            EXPECT_EQ(Game.BoardCopy, Board) << "moves never touch the loaded map";
        }
    }
}

CellPosition EdgeCellOf(Direction Towards) {
    switch (Towards) {
        case Direction::Left:
            return {0, 6};
        case Direction::Up:
            return {7, 0};
        case Direction::Right:
            return {14, 6};
        case Direction::Down:
            return {7, 11};
    }
    return {0, 0};
}

Direction Opposite(Direction Towards) {
    switch (Towards) {
        case Direction::Left:
            return Direction::Right;
        case Direction::Up:
            return Direction::Down;
        case Direction::Right:
            return Direction::Left;
        case Direction::Down:
            return Direction::Up;
    }
    return Towards;
}

// Next to the edge only bare floor can be entered; on the edge nothing moves.
TEST(StepRule, EdgesLetThePlayerOnlyOntoBareFloor) {
    struct Case {
        const char* What;
        int CellsFromEdge;
        CellCode P, Ahead;
        bool Moves;
        MoveStatus Status;
    };
    const Case Cases[] = {
        {"floor at the edge", 1, Pl, F, true, MoveStatus::None},
        {"floor at the edge, from a target", 1, PT, F, true, MoveStatus::None},
        {"wall at the edge", 1, Pl, W, false, MoveStatus::Tembok},
        {"box at the edge is not pushed", 1, Pl, X, false, MoveStatus::Tembok},
        {"target at the edge is not entered", 1, PT, T, false, MoveStatus::Tembok},
        {"box on target at the edge", 1, Pl, XT, false, MoveStatus::Tembok},
        {"on the edge itself", 0, Pl, F, false, MoveStatus::Tembok},
        {"on the edge itself, on a target", 0, PT, F, false, MoveStatus::Tembok},
    };
    for (Direction Towards : AllDirections) {
        for (const Case& C : Cases) {
            SCOPED_TRACE(std::string(NameOf(Towards)) + ": " + C.What);
            const CellPosition P = Toward(EdgeCellOf(Towards), Opposite(Towards), C.CellsFromEdge);
            BoardGrid Board;
            Board.At(P) = C.P;
            if (C.CellsFromEdge == 1) {
                Board.At(EdgeCellOf(Towards)) = C.Ahead;
            }
            Board[7][6] = T;  // keeps a target on the board and away from the edges
            TBoxPushGame Game = GameOn(Board);
            const BoardGrid Before = Game.Board;

            const StepOutcome Outcome = PressArrow(Game, Towards);

            EXPECT_EQ(Outcome.Status, C.Status);
            if (C.Moves) {
                EXPECT_EQ((CellPosition{Game.PlayerCol, Game.PlayerRow}), EdgeCellOf(Towards));
                EXPECT_EQ(Game.Board.At(EdgeCellOf(Towards)), Pl);
                EXPECT_EQ(Game.Board.At(P), C.P == PT ? T : F);
            } else {
                EXPECT_EQ((CellPosition{Game.PlayerCol, Game.PlayerRow}), P);
                EXPECT_EQ(Game.Board, Before);
            }
        }
    }
}

TEST(StepRule, ABoxNextToTheEdgeIsPushedOntoIt) {
    BoardGrid Board;
    Board[2][6] = Pl;
    Board[1][6] = X;
    Board[7][6] = T;
    TBoxPushGame Game = GameOn(Board);
    PressArrow(Game, Direction::Left);
    EXPECT_EQ(Game.Board[0][6], X);
    EXPECT_EQ(Game.Board[1][6], Pl);
}

TEST(StepRule, TheFirstStepsOfTheFirstMap) {
    TBoxPushGame Game = GameOnShippedMap("TES1");
    StepOutcome Outcome = PressArrow(Game, Direction::Up);
    EXPECT_EQ(Outcome.Status, MoveStatus::Kosong);
    EXPECT_EQ(Game.PlayerRow, 4);
    Outcome = PressArrow(Game, Direction::Up);
    EXPECT_EQ(Outcome.Status, MoveStatus::Tabrak);
    EXPECT_EQ(Game.Board[5][3], PT);
    // A wall above the target keeps the player in the basket.
    Outcome = PressArrow(Game, Direction::Up);
    EXPECT_EQ(Outcome.Status, MoveStatus::Tembok);
    EXPECT_EQ(Game.Board[5][3], PT);
    EXPECT_EQ(Game.PlayerRow, 3);
}

TEST(WinTest, SolvedExactlyWhenTheLastTargetGetsItsBox) {
    TBoxPushGame Game = GameOnShippedMap("TES1");
    const std::vector<Direction> Solution = Keys("LDDRUUURDRDLULLDDRUULURDRU");
    for (std::size_t Index = 0; Index < Solution.size(); ++Index) {
        const StepOutcome Outcome = PressArrow(Game, Solution[Index]);
        const bool Last = Index + 1 == Solution.size();
        ASSERT_EQ(Outcome.Level, Last ? LevelState::Solved : LevelState::Unsolved)
            << "key " << Index << Game;
    }
    EXPECT_EQ(Game.BoxesOnTargets, 2);
    EXPECT_EQ(Game.Board[5][3], XT);
    EXPECT_EQ(Game.Board[6][3], XT);
}

TEST(WinTest, RunsAfterEveryKeyAndFollowsTheCount) {
    // One target already holding its box: any key that leaves it there wins, pushing it off does
    // not.
    BoardGrid Board;
    Board[5][5] = Pl;
    Board[6][5] = XT;
    const auto Press = [&](Direction Towards) {
        TBoxPushGame Game = GameOn(Board);
        return PressArrow(Game, Towards).Level;
    };
    EXPECT_EQ(Press(Direction::Up), LevelState::Solved);
    EXPECT_EQ(Press(Direction::Right), LevelState::Unsolved);
}

TEST(PressArrow, IsIgnoredEntirelyWhileTheBoardIsNotReady) {
    TBoxPushGame Game = GameOnShippedMap("TES1");
    PressArrow(Game, Direction::Up);
    LEVEL(Game, "broken");
    const TBoxPushGame Before = Game;
    for (Direction Towards : AllDirections) {
        const StepOutcome Outcome = PressArrow(Game, Towards);
        EXPECT_EQ(Outcome.Effect, KeyEffect::Ignored);
        EXPECT_EQ(Outcome.Changed.size(), 0);
    }
    EXPECT_EQ(Game, Before);
}

}  // namespace
}  // namespace boxpush
