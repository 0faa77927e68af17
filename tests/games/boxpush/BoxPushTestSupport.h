// Helpers shared by the box-pushing model tests: shipped maps, hand-made boards, key scripts.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "BoxPushGame.h"

namespace boxpush::testing {

inline std::string ReadShippedMap(const std::string& Name) {
    std::ifstream In(std::string(TEVRA_ASSET_DIR) + "/maps/" + Name + ".txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>());
}

// The board as map text, CR LF between lines and none after the last.
inline std::string MapTextOf(const BoardGrid& Board) {
    std::string Text;
    for (int Row = 0; Row < BoardRows; ++Row) {
        if (Row > 0) {
            Text += "\r\n";
        }
        for (int Col = 0; Col < BoardColumns; ++Col) {
            Text += static_cast<char>('0' + CodeValue(Board[Col][Row]));
        }
    }
    return Text;
}

// A game at the start of a visit on the given board, loaded through the real map reader.
inline TBoxPushGame GameOn(const BoardGrid& Board) {
    TBoxPushGame Game;
    const LoadOutcome Loaded = StartVisit(Game, MapTextOf(Board));
    EXPECT_EQ(Loaded.Error.Fault, LevelMapFault::None) << Loaded.Error.Message << Board;
    return Game;
}

inline TBoxPushGame GameOnShippedMap(const std::string& Name) {
    TBoxPushGame Game;
    const LoadOutcome Loaded = StartVisit(Game, ReadShippedMap(Name));
    EXPECT_EQ(Loaded.Error.Fault, LevelMapFault::None) << Name << ": " << Loaded.Error.Message;
    return Game;
}

// Keys written as letters L, U, R, D.
inline std::vector<Direction> Keys(const std::string& Letters) {
    std::vector<Direction> Result;
    for (char Letter : Letters) {
        switch (Letter) {
            case 'L':
                Result.push_back(Direction::Left);
                break;
            case 'U':
                Result.push_back(Direction::Up);
                break;
            case 'R':
                Result.push_back(Direction::Right);
                break;
            case 'D':
                Result.push_back(Direction::Down);
                break;
            default:
                ADD_FAILURE() << "unknown key letter " << Letter;
        }
    }
    return Result;
}

}  // namespace boxpush::testing
