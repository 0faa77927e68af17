// The level map reader: splits the text into lines and checks shape, digits, player and targets.
#include "LevelMap.h"

#include <utility>
#include <vector>

namespace boxpush {
namespace {

LevelMapResult Fail(LevelMapFault Fault, int Line, int Character, std::string Message) {
    LevelMapResult Result;
    Result.Error = LevelMapError{Fault, Line, Character, std::move(Message)};
    return Result;
}

// Splits at LF, dropping the CR of a CR LF. A line end after the last line ends it and does not
// start a thirteenth line; two line ends in a row do give an empty line.
std::vector<std::string_view> SplitLines(std::string_view Text) {
    std::vector<std::string_view> Lines;
    std::size_t Start = 0;
    while (Start <= Text.size()) {
        const std::size_t End = Text.find('\n', Start);
        if (End == std::string_view::npos) {
            if (Start < Text.size() || Lines.empty()) {
                Lines.push_back(Text.substr(Start));
            }
            break;
        }
        std::string_view Line = Text.substr(Start, End - Start);
        if (!Line.empty() && Line.back() == '\r') {
            Line.remove_suffix(1);
        }
        Lines.push_back(Line);
        Start = End + 1;
    }
    return Lines;
}

std::string DescribeByte(char Byte) {
    const auto Value = static_cast<unsigned char>(Byte);
    if (Value >= 0x21 && Value <= 0x7E) {
        return std::string("'") + Byte + "'";
    }
    return "byte " + std::to_string(Value);
}

std::string PlaceText(CellPosition Cell) {
    return "line " + std::to_string(Cell.Row + 1) + ", character " + std::to_string(Cell.Col + 1);
}

}  // namespace

LevelMapResult ParseLevelMap(std::string_view MapText) {
    const std::vector<std::string_view> Lines = SplitLines(MapText);
    if (Lines.size() != static_cast<std::size_t>(BoardRows)) {
        return Fail(LevelMapFault::WrongLineCount, 0, 0,
                    "the map has " + std::to_string(Lines.size()) + " lines; it needs " +
                        std::to_string(BoardRows));
    }

    BoardGrid Board;
    for (int Row = 0; Row < BoardRows; ++Row) {
        const std::string_view Line = Lines[static_cast<std::size_t>(Row)];
        if (Line.size() != static_cast<std::size_t>(BoardColumns)) {
            return Fail(LevelMapFault::WrongLineLength, Row + 1, 0,
                        "line " + std::to_string(Row + 1) + " has " + std::to_string(Line.size()) +
                            " characters; every line needs " + std::to_string(BoardColumns));
        }
        for (int Col = 0; Col < BoardColumns; ++Col) {
            const char Byte = Line[static_cast<std::size_t>(Col)];
            if (Byte < '0' || Byte > '6') {
                return Fail(LevelMapFault::BadCharacter, Row + 1, Col + 1,
                            PlaceText({Col, Row}) + ": " + DescribeByte(Byte) +
                                " is not a cell code 0 to 6");
            }
            Board[Col][Row] = static_cast<CellCode>(Byte - '0');
        }
    }

    // Scan in the game's own order, column by column, so "first" means what the game means.
    int Players = 0;
    int Targets = 0;
    CellPosition FirstPlayer;
    for (int Col = 0; Col < BoardColumns; ++Col) {
        for (int Row = 0; Row < BoardRows; ++Row) {
            const CellCode Code = Board[Col][Row];
            if (IsPlayerCode(Code)) {
                if (Players == 0) {
                    FirstPlayer = {Col, Row};
                } else if (Players == 1) {
                    // Report the second one right away: that is where the map goes wrong.
                    return Fail(LevelMapFault::SeveralPlayers, Row + 1, Col + 1,
                                "the map has more than one player: " + PlaceText(FirstPlayer) +
                                    " and " + PlaceText({Col, Row}));
                }
                ++Players;
            }
            if (IsTargetCode(Code)) {
                ++Targets;
            }
        }
    }
    if (Players == 0) {
        return Fail(LevelMapFault::NoPlayer, 0, 0, "the map has no player (code 2 or 5)");
    }
    if (Targets == 0) {
        return Fail(LevelMapFault::NoTarget, 0, 0, "the map has no target (code 4, 5 or 6)");
    }

    LevelMapResult Result;
    Result.Board = Board;
    return Result;
}

std::ostream& operator<<(std::ostream& Out, LevelMapFault Fault) {
    const char* const Names[] = {"None",     "WrongLineCount", "WrongLineLength", "BadCharacter",
                                 "NoPlayer", "SeveralPlayers", "NoTarget"};
    return Out << Names[static_cast<int>(Fault)];
}

std::ostream& operator<<(std::ostream& Out, const LevelMapError& Error) {
    return Out << "LevelMapError{" << Error.Fault << ", line " << Error.Line << ", character "
               << Error.Character << ": " << Error.Message << '}';
}

}  // namespace boxpush
