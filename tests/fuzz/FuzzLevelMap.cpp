// Fuzzes the level map reader and the board it loads: any text either becomes a board with one
// player and a target, or is refused with a reason; arrow keys on a loaded board keep it whole.
#include <string_view>

#include "BoxPushGame.h"
#include "FuzzTarget.h"
#include "LevelMap.h"
#include "UndoHistory.h"

int FuzzLevelMap(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const boxpush::LevelMapResult result = boxpush::ParseLevelMap(text);
    FUZZ_CHECK(result.Board.has_value() == (result.Error.Fault == boxpush::LevelMapFault::None));
    if (!result.Board)
        return 0;
    using boxpush::CellCode;
    const boxpush::BoardGrid& board = *result.Board;
    FUZZ_CHECK(boxpush::CountCells(board, CellCode::Player) +
                   boxpush::CountCells(board, CellCode::PlayerOnTarget) ==
               1);
    boxpush::TBoxPushGame game;
    boxpush::StartVisit(game, text);
    const int boxes = boxpush::CountCells(game.Board, CellCode::Box) +
                      boxpush::CountCells(game.Board, CellCode::BoxOnTarget);
    // The map's own bytes, read again, as a walk: each one an arrow key, an UNDO or a RESET.
    for (std::size_t i = 0; i < size && i < 400; ++i) {
        const unsigned roll = data[i] % 6;
        if (roll < 4) {
            boxpush::PressArrow(game, static_cast<boxpush::Direction>(roll));
        } else if (roll == 4) {
            boxpush::PressUndo(game);
        } else {
            boxpush::PressReset(game, text);
        }
        FUZZ_CHECK(boxpush::CountCells(game.Board, CellCode::Player) +
                       boxpush::CountCells(game.Board, CellCode::PlayerOnTarget) ==
                   1);
        FUZZ_CHECK(boxpush::CountCells(game.Board, CellCode::Box) +
                       boxpush::CountCells(game.Board, CellCode::BoxOnTarget) ==
                   boxes);
    }
    return 0;
}

TEVRA_FUZZ_TARGET(FuzzLevelMap)
