// The box-pushing undo history: ten saved boards, the UNDO button and the history's resets.
#pragma once

#include <array>
#include <cstdint>

#include "Board.h"

namespace boxpush {

struct TBoxPushGame;

constexpr int UndoSnapshotCount = 10;

// Written into cell [0][0] of a snapshot to mark it empty; no cell code is ever 100.
constexpr std::int32_t EmptyMark = 100;

// Diklikundo after an UNDO: the next arrow key starts a fresh history.
enum class UndoMarkerState { Empty, Diklikundo };
const char* UndoMarkerText(UndoMarkerState Marker);  // "" or "diklikundo"

using UndoHistory = std::array<BoardGrid, UndoSnapshotCount>;

// Snapshots 1 to 10, all marked empty: the state at creation and after every history reset.
UndoHistory EmptyUndoHistory();

struct UndoOutcome {
    GridRepaint Repaint = GridRepaint::None;  // Whole when a snapshot was put back
};

// History reset: depth 0, clicks 1, no marker, all ten snapshots marked empty.
void ResetUndoHistory(TBoxPushGame& Game);
void MarkSnapshotsEmpty(TBoxPushGame& Game);
bool SnapshotIsEmpty(const TBoxPushGame& Game, int Number);  // Number 1..10
BoardGrid& Snapshot(TBoxPushGame& Game, int Number);
const BoardGrid& Snapshot(const TBoxPushGame& Game, int Number);

// Saves the board as the newest snapshot (number UndoDepth, or shifting when full). Does nothing
// while UndoDepth is below 1, since no key has been counted to store it for.
void masukkanundo(TBoxPushGame& Game);

// The UNDO button. Puts back the newest snapshot and asks for a whole repaint. When the snapshot
// it would put back is marked empty, nothing is restored: UNDO is disabled, UndoClicks := 1,
// UndoDepth := 0, and the board, player and counts stay as they are.
UndoOutcome PressUndo(TBoxPushGame& Game);

}  // namespace boxpush
