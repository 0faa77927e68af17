// The box-pushing board: cell codes and the 15 x 12 grid of them, indexed [column][row].
#pragma once

#include <array>
#include <cstdint>
#include <ostream>

namespace boxpush {

constexpr int BoardColumns = 15;
constexpr int BoardRows = 12;

// The code stored in a cell. Snapshots of the undo history may also hold EmptyMark (100) in
// cell [0][0], which is why the underlying type is a plain 32-bit integer.
enum class CellCode : std::int32_t {
    Floor = 0,
    Wall = 1,
    Player = 2,
    Box = 3,
    Target = 4,
    PlayerOnTarget = 5,
    BoxOnTarget = 6,
};

constexpr std::int32_t CodeValue(CellCode Code) {
    return static_cast<std::int32_t>(Code);
}
constexpr bool IsPlayerCode(CellCode Code) {
    return Code == CellCode::Player || Code == CellCode::PlayerOnTarget;
}
// A cell that was a target when the map was loaded holds 4, 5 or 6.
constexpr bool IsTargetCode(CellCode Code) {
    return Code == CellCode::Target || Code == CellCode::PlayerOnTarget ||
           Code == CellCode::BoxOnTarget;
}

struct CellPosition {
    std::int32_t Col = 0;
    std::int32_t Row = 0;

    bool operator==(const CellPosition& Other) const {
        return Col == Other.Col && Row == Other.Row;
    }
    bool operator!=(const CellPosition& Other) const { return !(*this == Other); }
};

// Column-major like the game's own board: all 12 rows of column 0 first, then column 1.
struct BoardGrid {
    using Column = std::array<CellCode, BoardRows>;
    std::array<Column, BoardColumns> Cells{};  // every cell Floor

    Column& operator[](int Col) { return Cells[Col]; }
    const Column& operator[](int Col) const { return Cells[Col]; }
    CellCode& At(CellPosition Cell) { return (*this)[Cell.Col][Cell.Row]; }
    CellCode At(CellPosition Cell) const { return (*this)[Cell.Col][Cell.Row]; }

    bool operator==(const BoardGrid& Other) const { return Cells == Other.Cells; }
    bool operator!=(const BoardGrid& Other) const { return !(*this == Other); }
};

// What a load or an UNDO asks of the grid on screen.
enum class GridRepaint { None, Whole };
std::ostream& operator<<(std::ostream& Out, GridRepaint Repaint);

// How many cells hold the given code.
int CountCells(const BoardGrid& Board, CellCode Code);

// Twelve lines of fifteen digits, row 0 first, each line ended by '\n'. A code outside 0..9
// (the empty mark of a snapshot) prints as '#'.
std::ostream& operator<<(std::ostream& Out, const BoardGrid& Board);
std::ostream& operator<<(std::ostream& Out, CellPosition Cell);

}  // namespace boxpush
