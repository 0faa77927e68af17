// The box-pushing game's state and rules: loading a level, one arrow key, UNDO and RESET.
#pragma once

#include <array>
#include <cstdint>
#include <ostream>
#include <string_view>

#include "Board.h"
#include "BoxPushVisit.h"
#include "LevelMap.h"
#include "UndoHistory.h"

namespace boxpush {

enum class Direction { Left, Up, Right, Down };

// What the step routine leaves for the player's cell: None and Kosong mean "write Player",
// Tabrak "write PlayerOnTarget", Tembok "already written, write nothing more".
enum class MoveStatus { None, Kosong, Tabrak, Tembok };
const char* MoveStatusText(MoveStatus Status);  // "", "kosong", "tabrak", "tembok"

// Everything the box-pushing screen keeps about the board. A plain value: copy it to try a move.
struct TBoxPushGame {
    BoardGrid Board;      // the live board
    BoardGrid BoardCopy;  // the map as loaded; only a load writes it
    std::int32_t PlayerCol = 0;
    std::int32_t PlayerRow = 0;
    std::int32_t TargetCount = 0;
    std::int32_t BoxesOnTargets = 0;
    bool BoardReady = false;

    UndoHistory UndoSnapshots = EmptyUndoHistory();  // number n is element n - 1
    std::int32_t UndoDepth = 0;                      // 0..11: snapshot the next UNDO restores
    std::int32_t UndoClicks = 1;                     // 1..10: one more than UNDOs since a reset
    UndoMarkerState UndoMarker = UndoMarkerState::Empty;
    bool UndoEnabled = false;  // the screen mirrors this onto the UNDO button

    // Snapshots marked empty compare equal whatever stale cells they still hold.
    bool operator==(const TBoxPushGame& Other) const;
    bool operator!=(const TBoxPushGame& Other) const { return !(*this == Other); }
};

// The cells written during one arrow key, in the order they were written. A cell written twice
// (lifted and put back when the player cannot move) appears twice: redraw each entry as it comes.
struct ChangedCells {
    static constexpr int Capacity = 4;  // lift, the next cell, the cell beyond, the player again
    std::array<CellPosition, Capacity> Cells{};
    int Count = 0;

    void Add(CellPosition Cell) {
        if (Count < Capacity) {  // a key writes at most four cells; never run past the array
            Cells[static_cast<std::size_t>(Count++)] = Cell;
        }
    }
    const CellPosition* begin() const { return Cells.data(); }
    const CellPosition* end() const { return Cells.data() + Count; }
    int size() const { return Count; }
    bool operator==(const ChangedCells& Other) const;
};

enum class KeyEffect { Ignored, Played };
enum class LevelState { Unsolved, Solved };

struct StepOutcome {
    KeyEffect Effect = KeyEffect::Ignored;
    ChangedCells Changed;
    MoveStatus Status = MoveStatus::None;
    LevelState Level = LevelState::Unsolved;  // Solved: score, hand over (the screen's part)
};

struct LoadOutcome {
    LevelMapError Error;  // Fault None when the map was loaded
    GridRepaint Repaint = GridRepaint::None;
};

// LEVEL: BoardReady := false, then read the map into Board and BoardCopy and recount the player,
// the targets and the boxes on targets. A map that does not read leaves the board untouched and
// BoardReady false; callers set BoardReady themselves after a good load.
LoadOutcome LEVEL(TBoxPushGame& Game, std::string_view MapText);

// The model's share of the start of a visit: history reset, UNDO disabled, LEVEL, BoardReady.
LoadOutcome StartVisit(TBoxPushGame& Game, std::string_view MapText);

// One arrow key, the whole key handler: undo bookkeeping, snapshot, lift the player, the step
// routine, complete the move, win test. Ignored while BoardReady is false, and also when the
// player's cell holds no player code, so such a key changes nothing, the history included.
StepOutcome PressArrow(TBoxPushGame& Game, Direction Towards);

// The RESET button: the same level's map, read afresh, history emptied and UNDO disabled. When
// the map does not read, BoardReady stays false and the history is emptied all the same.
LoadOutcome PressReset(TBoxPushGame& Game, std::string_view MapText);

std::ostream& operator<<(std::ostream& Out, const TBoxPushGame& Game);
std::ostream& operator<<(std::ostream& Out, MoveStatus Status);
std::ostream& operator<<(std::ostream& Out, KeyEffect Effect);
std::ostream& operator<<(std::ostream& Out, LevelState Level);
std::ostream& operator<<(std::ostream& Out, const StepOutcome& Outcome);

}  // namespace boxpush
