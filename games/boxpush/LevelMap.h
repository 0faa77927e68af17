// Reading a level map: 12 text lines of 15 digits into a board, or a clear reason why not.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Board.h"

namespace boxpush {

enum class LevelMapFault {
    None,
    WrongLineCount,
    WrongLineLength,
    BadCharacter,
    NoPlayer,
    SeveralPlayers,
    NoTarget,
};

struct LevelMapError {
    LevelMapFault Fault = LevelMapFault::None;
    int Line = 0;       // 1-based line of the map text, 0 when the fault is not in one line
    int Character = 0;  // 1-based position in that line, 0 when not about one character
    std::string Message;

    bool operator==(const LevelMapError& Other) const {
        return Fault == Other.Fault && Line == Other.Line && Character == Other.Character &&
               Message == Other.Message;
    }
};

struct LevelMapResult {
    std::optional<BoardGrid> Board;  // set exactly when Error.Fault is None
    LevelMapError Error;
};

// Lines end in CR LF or in a plain LF; the last line may or may not have one. Any other byte
// that is not a digit "0" to "6" is rejected, a lone CR included. A map must hold exactly one
// player (2 or 5) and at least one target (4, 5 or 6).
LevelMapResult ParseLevelMap(std::string_view MapText);

std::ostream& operator<<(std::ostream& Out, const LevelMapError& Error);
std::ostream& operator<<(std::ostream& Out, LevelMapFault Fault);

}  // namespace boxpush
