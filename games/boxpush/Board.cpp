// Counting and printing of box-pushing boards.
#include "Board.h"

namespace boxpush {

int CountCells(const BoardGrid& Board, CellCode Code) {
    int Count = 0;
    for (const auto& Column : Board.Cells) {
        for (CellCode Cell : Column) {
            if (Cell == Code) {
                ++Count;
            }
        }
    }
    return Count;
}

std::ostream& operator<<(std::ostream& Out, const BoardGrid& Board) {
    for (int Row = 0; Row < BoardRows; ++Row) {
        for (int Col = 0; Col < BoardColumns; ++Col) {
            const std::int32_t Value = CodeValue(Board[Col][Row]);
            Out << (Value >= 0 && Value <= 9 ? static_cast<char>('0' + Value) : '#');
        }
        Out << '\n';
    }
    return Out;
}

std::ostream& operator<<(std::ostream& Out, CellPosition Cell) {
    return Out << '(' << Cell.Col << ',' << Cell.Row << ')';
}

std::ostream& operator<<(std::ostream& Out, GridRepaint Repaint) {
    return Out << (Repaint == GridRepaint::Whole ? "repaint the whole grid" : "no repaint");
}

}  // namespace boxpush
