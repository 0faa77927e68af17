// Loading a level, RESET, and playing one arrow key on the box-pushing board.
#include "BoxPushGame.h"

namespace boxpush {
namespace {

struct Offset {
    int Col;
    int Row;
};

Offset StepOf(Direction Towards) {
    switch (Towards) {
        case Direction::Left:
            return {-1, 0};
        case Direction::Up:
            return {0, -1};
        case Direction::Right:
            return {1, 0};
        case Direction::Down:
            return {0, 1};
    }
    return {0, 0};
}

// How many cells lie between the player and the board's edge in the key's direction.
int CellsToEdge(CellPosition Player, Direction Towards) {
    switch (Towards) {
        case Direction::Left:
            return Player.Col;
        case Direction::Up:
            return Player.Row;
        case Direction::Right:
            return BoardColumns - 1 - Player.Col;
        case Direction::Down:
            return BoardRows - 1 - Player.Row;
    }
    return 0;
}

CellPosition Beside(CellPosition Cell, Offset Step, int Times) {
    return {Cell.Col + Step.Col * Times, Cell.Row + Step.Row * Times};
}

// Every board write of a key goes through here, so the screen learns of each one in order.
void Write(TBoxPushGame& Game, ChangedCells& Changed, CellPosition Cell, CellCode Code) {
    Game.Board.At(Cell) = Code;
    Changed.Add(Cell);
}

void MovePlayerTo(TBoxPushGame& Game, CellPosition Cell) {
    Game.PlayerCol = Cell.Col;
    Game.PlayerRow = Cell.Row;
}

// The step routine, one for all four directions. The player's cell has already been lifted to
// Floor or Target. Returns what is still to be written into the player's (possibly new) cell.
MoveStatus Step(TBoxPushGame& Game, Direction Towards, CellCode StartingCode,
                ChangedCells& Changed) {
    const CellPosition P{Game.PlayerCol, Game.PlayerRow};
    const Offset Delta = StepOf(Towards);
    const CellPosition N = Beside(P, Delta, 1);
    const CellPosition B = Beside(P, Delta, 2);
    const auto StayPut = [&](CellCode Code) {
        Write(Game, Changed, P, Code);
        return MoveStatus::Tembok;
    };

    const int ToEdge = CellsToEdge(P, Towards);
    if (ToEdge == 0) {
        return StayPut(StartingCode);
    }
    if (ToEdge == 1) {
        // Next to the edge only bare floor can be entered: no push, no target.
        if (Game.Board.At(N) == CellCode::Floor) {
            MovePlayerTo(Game, N);
            return MoveStatus::None;
        }
        return StayPut(StartingCode);
    }

    switch (Game.Board.At(N)) {
        case CellCode::Floor:
            MovePlayerTo(Game, N);
            return MoveStatus::Kosong;
        case CellCode::Target:
            MovePlayerTo(Game, N);
            return MoveStatus::Tabrak;
        case CellCode::Wall:
            if (IsTargetCode(Game.BoardCopy.At(P))) {
                return StayPut(CellCode::PlayerOnTarget);
            }
            return MoveStatus::None;
        case CellCode::Box:
            if (Game.Board.At(B) == CellCode::Floor) {
                Write(Game, Changed, B, CellCode::Box);
                MovePlayerTo(Game, N);
                return MoveStatus::Kosong;
            }
            if (Game.Board.At(B) == CellCode::Target) {
                Write(Game, Changed, B, CellCode::BoxOnTarget);
                ++Game.BoxesOnTargets;
                MovePlayerTo(Game, N);
                return MoveStatus::Kosong;
            }
            return StayPut(StartingCode);
        case CellCode::BoxOnTarget:
            if (Game.Board.At(B) == CellCode::Floor) {
                Write(Game, Changed, N, CellCode::PlayerOnTarget);
                Write(Game, Changed, B, CellCode::Box);
                --Game.BoxesOnTargets;
                MovePlayerTo(Game, N);
                return MoveStatus::Tabrak;
            }
            if (Game.Board.At(B) == CellCode::Target) {
                // The player is already written into N here, so nothing more is to be written.
                Write(Game, Changed, N, CellCode::PlayerOnTarget);
                Write(Game, Changed, B, CellCode::BoxOnTarget);
                MovePlayerTo(Game, N);
                return MoveStatus::Tembok;
            }
            return StayPut(Game.Board.At(P) == CellCode::Target ? CellCode::PlayerOnTarget
                                                                : CellCode::Player);
        default:
            // A player code cannot lie next to the one player; anything else is not a cell the
            // player can enter. Either way the player stays as it was.
            return StayPut(StartingCode);
    }
}

}  // namespace

const char* MoveStatusText(MoveStatus Status) {
    switch (Status) {
        case MoveStatus::None:
            return "";
        case MoveStatus::Kosong:
            return "kosong";
        case MoveStatus::Tabrak:
            return "tabrak";
        case MoveStatus::Tembok:
            return "tembok";
    }
    return "";
}

// Snapshots marked empty are equal whatever stale cells they still hold.
static bool SameHistory(const TBoxPushGame& One, const TBoxPushGame& Other) {
    for (int Number = 1; Number <= UndoSnapshotCount; ++Number) {
        const bool Empty = SnapshotIsEmpty(One, Number);
        if (Empty != SnapshotIsEmpty(Other, Number)) {
            return false;
        }
        if (!Empty && Snapshot(One, Number) != Snapshot(Other, Number)) {
            return false;
        }
    }
    return true;
}

bool TBoxPushGame::operator==(const TBoxPushGame& Other) const {
    return Board == Other.Board && BoardCopy == Other.BoardCopy && PlayerCol == Other.PlayerCol &&
           PlayerRow == Other.PlayerRow && TargetCount == Other.TargetCount &&
           BoxesOnTargets == Other.BoxesOnTargets && BoardReady == Other.BoardReady &&
           SameHistory(*this, Other) && UndoDepth == Other.UndoDepth &&
           UndoClicks == Other.UndoClicks && UndoMarker == Other.UndoMarker &&
           UndoEnabled == Other.UndoEnabled;
}

bool ChangedCells::operator==(const ChangedCells& Other) const {
    if (Count != Other.Count) {
        return false;
    }
    for (int Index = 0; Index < Count; ++Index) {
        if (Cells[static_cast<std::size_t>(Index)] !=
            Other.Cells[static_cast<std::size_t>(Index)]) {
            return false;
        }
    }
    return true;
}

LoadOutcome LEVEL(TBoxPushGame& Game, std::string_view MapText) {
    Game.BoardReady = false;
    LevelMapResult Map = ParseLevelMap(MapText);
    if (!Map.Board) {
        return LoadOutcome{Map.Error, GridRepaint::None};
    }
    Game.Board = *Map.Board;
    Game.BoardCopy = *Map.Board;

    Game.PlayerCol = 0;
    Game.PlayerRow = 0;
    Game.TargetCount = 0;
    Game.BoxesOnTargets = 0;
    for (int Col = 0; Col < BoardColumns; ++Col) {
        for (int Row = 0; Row < BoardRows; ++Row) {
            const CellCode Code = Game.Board[Col][Row];
            if (IsPlayerCode(Code)) {
                MovePlayerTo(Game, {Col, Row});
            }
            if (IsTargetCode(Code)) {
                ++Game.TargetCount;
            }
            if (Code == CellCode::BoxOnTarget) {
                ++Game.BoxesOnTargets;
            }
        }
    }
    return LoadOutcome{LevelMapError{}, GridRepaint::Whole};
}

LoadOutcome StartVisit(TBoxPushGame& Game, std::string_view MapText) {
    ResetUndoHistory(Game);
    Game.UndoEnabled = false;
    LoadOutcome Outcome = LEVEL(Game, MapText);
    if (Outcome.Error.Fault == LevelMapFault::None) {
        Game.BoardReady = true;
    }
    return Outcome;
}

LoadOutcome PressReset(TBoxPushGame& Game, std::string_view MapText) {
    Game.UndoDepth = 0;
    Game.UndoClicks = 1;
    Game.UndoMarker = UndoMarkerState::Empty;
    LoadOutcome Outcome = LEVEL(Game, MapText);
    if (Outcome.Error.Fault == LevelMapFault::None) {
        Game.BoardReady = true;
    }
    Game.UndoEnabled = false;
    MarkSnapshotsEmpty(Game);
    return Outcome;
}

StepOutcome PressArrow(TBoxPushGame& Game, Direction Towards) {
    StepOutcome Outcome;
    const CellPosition P{Game.PlayerCol, Game.PlayerRow};
    // Counting the key before this test would make room in the history for a board that is
    // never saved, and a later UNDO would put that empty snapshot on screen.
    if (!Game.BoardReady || !IsPlayerCode(Game.Board.At(P))) {
        return Outcome;
    }
    Outcome.Effect = KeyEffect::Played;

    Game.UndoEnabled = true;
    if (Game.UndoMarker == UndoMarkerState::Diklikundo) {
        ResetUndoHistory(Game);
    }
    Game.UndoDepth =
        Game.UndoDepth <= UndoSnapshotCount ? Game.UndoDepth + 1 : UndoSnapshotCount + 1;

    const CellCode StartingCode = Game.Board.At(P);
    masukkanundo(Game);
    Write(Game, Outcome.Changed, P,
          StartingCode == CellCode::Player ? CellCode::Floor : CellCode::Target);

    Outcome.Status = Step(Game, Towards, StartingCode, Outcome.Changed);

    const CellPosition Now{Game.PlayerCol, Game.PlayerRow};
    if (Outcome.Status == MoveStatus::Tabrak) {
        Write(Game, Outcome.Changed, Now, CellCode::PlayerOnTarget);
    } else if (Outcome.Status != MoveStatus::Tembok) {
        Write(Game, Outcome.Changed, Now, CellCode::Player);
    }

    if (Game.BoxesOnTargets == Game.TargetCount) {
        Outcome.Level = LevelState::Solved;
    }
    return Outcome;
}

std::ostream& operator<<(std::ostream& Out, const TBoxPushGame& Game) {
    Out << "\n"
        << Game.Board << "player " << CellPosition{Game.PlayerCol, Game.PlayerRow} << ", targets "
        << Game.TargetCount << ", boxes on targets " << Game.BoxesOnTargets << ", ready "
        << Game.BoardReady << ", undo depth " << Game.UndoDepth << ", clicks " << Game.UndoClicks
        << ", marker \"" << UndoMarkerText(Game.UndoMarker) << "\", undo enabled "
        << Game.UndoEnabled << '\n';
    return Out;
}

std::ostream& operator<<(std::ostream& Out, MoveStatus Status) {
    return Out << '"' << MoveStatusText(Status) << '"';
}

std::ostream& operator<<(std::ostream& Out, KeyEffect Effect) {
    return Out << (Effect == KeyEffect::Played ? "played" : "ignored");
}

std::ostream& operator<<(std::ostream& Out, LevelState Level) {
    return Out << (Level == LevelState::Solved ? "solved" : "unsolved");
}

std::ostream& operator<<(std::ostream& Out, const StepOutcome& Outcome) {
    Out << "StepOutcome{" << (Outcome.Effect == KeyEffect::Played ? "played" : "ignored")
        << ", changed";
    for (CellPosition Cell : Outcome.Changed) {
        Out << ' ' << Cell;
    }
    return Out << ", status " << Outcome.Status << ", "
               << (Outcome.Level == LevelState::Solved ? "solved" : "unsolved") << '}';
}

}  // namespace boxpush
