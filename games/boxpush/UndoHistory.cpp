// The ten-board undo history of the box-pushing game and the UNDO button.
#include "UndoHistory.h"

#include <algorithm>

#include "BoxPushGame.h"

namespace boxpush {
namespace {

void ScanPlayerAndBoxesOnTargets(TBoxPushGame& Game, std::int32_t& BoxesOnTargets) {
    BoxesOnTargets = 0;
    for (int Col = 0; Col < BoardColumns; ++Col) {
        for (int Row = 0; Row < BoardRows; ++Row) {
            const CellCode Code = Game.Board[Col][Row];
            if (IsPlayerCode(Code)) {
                Game.PlayerCol = Col;
                Game.PlayerRow = Row;
            }
            if (Code == CellCode::BoxOnTarget) {
                ++BoxesOnTargets;
            }
        }
    }
}

void NothingLeftToUndo(TBoxPushGame& Game) {
    Game.UndoEnabled = false;
    Game.UndoClicks = 1;
    Game.UndoDepth = 0;
}

}  // namespace

const char* UndoMarkerText(UndoMarkerState Marker) {
    return Marker == UndoMarkerState::Diklikundo ? "diklikundo" : "";
}

UndoHistory EmptyUndoHistory() {
    UndoHistory History{};
    for (BoardGrid& Saved : History) {
        Saved[0][0] = static_cast<CellCode>(EmptyMark);
    }
    return History;
}

BoardGrid& Snapshot(TBoxPushGame& Game, int Number) {
    return Game.UndoSnapshots[static_cast<std::size_t>(Number - 1)];
}

const BoardGrid& Snapshot(const TBoxPushGame& Game, int Number) {
    return Game.UndoSnapshots[static_cast<std::size_t>(Number - 1)];
}

bool SnapshotIsEmpty(const TBoxPushGame& Game, int Number) {
    return CodeValue(Snapshot(Game, Number)[0][0]) == EmptyMark;
}

void MarkSnapshotsEmpty(TBoxPushGame& Game) {
    for (BoardGrid& Saved : Game.UndoSnapshots) {
        Saved[0][0] = static_cast<CellCode>(EmptyMark);
    }
}

void ResetUndoHistory(TBoxPushGame& Game) {
    Game.UndoDepth = 0;
    Game.UndoClicks = 1;
    Game.UndoMarker = UndoMarkerState::Empty;
    MarkSnapshotsEmpty(Game);
}

void masukkanundo(TBoxPushGame& Game) {
    if (Game.UndoDepth < 1) {
        return;
    }
    if (Game.UndoDepth <= UndoSnapshotCount) {
        Snapshot(Game, Game.UndoDepth) = Game.Board;
        return;
    }
    // Full: drop the oldest board and keep the newest in number 10.
    for (int Number = 1; Number < UndoSnapshotCount; ++Number) {
        Snapshot(Game, Number) = Snapshot(Game, Number + 1);
    }
    Snapshot(Game, UndoSnapshotCount) = Game.Board;
}

UndoOutcome PressUndo(TBoxPushGame& Game) {
    if (Game.UndoDepth <= 0 || !Game.UndoEnabled) {
        return UndoOutcome{GridRepaint::None};
    }
    // The tenth UNDO in a row always goes back to snapshot 1, the oldest board kept.
    const bool TenthUndo = Game.UndoClicks >= UndoSnapshotCount;
    const int Restore = TenthUndo ? 1 : std::min(Game.UndoDepth, UndoSnapshotCount);
    if (SnapshotIsEmpty(Game, Restore)) {
        // Copying it would put the empty mark and a stale board on screen.
        NothingLeftToUndo(Game);
        return UndoOutcome{GridRepaint::None};
    }

    Game.UndoMarker = UndoMarkerState::Diklikundo;
    if (TenthUndo) {
        Game.UndoEnabled = false;
        Game.UndoClicks = 1;
    } else {
        ++Game.UndoClicks;
    }
    Game.Board = Snapshot(Game, Restore);
    Game.UndoDepth = Restore - 1;

    std::int32_t BoxesOnTargets = 0;
    ScanPlayerAndBoxesOnTargets(Game, BoxesOnTargets);
    // UndoClicks counts the UNDOs so far plus one; once that snapshot was never filled, every
    // saved board has been given back.
    if (SnapshotIsEmpty(Game, Game.UndoClicks)) {
        NothingLeftToUndo(Game);
    }
    Game.BoxesOnTargets = BoxesOnTargets;
    return UndoOutcome{GridRepaint::Whole};
}

}  // namespace boxpush
