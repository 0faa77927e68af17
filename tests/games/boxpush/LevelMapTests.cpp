// Tests of the map reader: the shipped maps, the accepted line ends and every rejection.
#include <gtest/gtest.h>

#include "BoxPushTestSupport.h"
#include "LevelMap.h"

namespace boxpush {
namespace {

using testing::GameOnShippedMap;
using testing::ReadShippedMap;

TEST(ShippedMaps, LoadWithTheirCountsAndPlayer) {
    struct Case {
        const char* Name;
        int TargetCount;
        int BoxesOnTargets;
        int Boxes;
        CellPosition Player;
    };
    const Case Cases[] = {
        {"TES1", 2, 0, 2, {5, 5}},
        {"TES2", 3, 2, 3, {6, 4}},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.Name);
        EXPECT_EQ(ReadShippedMap(C.Name).size(), 202u);
        const TBoxPushGame Game = GameOnShippedMap(C.Name);
        EXPECT_TRUE(Game.BoardReady);
        EXPECT_FALSE(Game.UndoEnabled);
        EXPECT_EQ(Game.TargetCount, C.TargetCount);
        EXPECT_EQ(Game.BoxesOnTargets, C.BoxesOnTargets);
        EXPECT_EQ((CellPosition{Game.PlayerCol, Game.PlayerRow}), C.Player);
        EXPECT_EQ(
            CountCells(Game.Board, CellCode::Box) + CountCells(Game.Board, CellCode::BoxOnTarget),
            C.Boxes);
        EXPECT_EQ(Game.Board, Game.BoardCopy);
    }
}

// Swaps every "\r\n" of the map for another separator.
std::string WithLineEnds(const std::string& Map, const std::string& LineEnd) {
    std::string Result;
    for (std::size_t Index = 0; Index < Map.size(); ++Index) {
        if (Map.compare(Index, 2, "\r\n") == 0) {
            Result += LineEnd;
            ++Index;
        } else {
            Result += Map[Index];
        }
    }
    return Result;
}

TEST(LevelMapReader, AcceptsCrLfOrLfWithOrWithoutAFinalLineEnd) {
    const std::string Map = ReadShippedMap("TES1");
    const LevelMapResult Reference = ParseLevelMap(Map);
    ASSERT_TRUE(Reference.Board);
    EXPECT_EQ((*Reference.Board)[5][5], CellCode::Player);
    EXPECT_EQ((*Reference.Board)[6][3], CellCode::Target);

    std::string Mixed = Map;
    Mixed.erase(Mixed.find("\r\n"), 1);  // the first line ends in a plain LF
    const std::string Variants[] = {
        Map + "\r\n",
        WithLineEnds(Map, "\n"),
        WithLineEnds(Map, "\n") + "\n",
        Mixed,
    };
    for (const std::string& Variant : Variants) {
        const LevelMapResult Result = ParseLevelMap(Variant);
        ASSERT_TRUE(Result.Board) << Result.Error;
        EXPECT_EQ(*Result.Board, *Reference.Board);
    }
}

TEST(LevelMapReader, RejectsMalformedMapsNamingTheFault) {
    const std::string Good = ReadShippedMap("TES1");
    // Line n (1-based) of the good map begins at (n - 1) * 17.
    const auto Replace = [&](int Line, int Character, const std::string& With) {
        std::string Map = Good;
        Map.replace(static_cast<std::size_t>((Line - 1) * 17 + Character - 1), 1, With);
        return Map;
    };
    const std::string FifteenZeros(15, '0');
    struct Case {
        const char* What;
        std::string Map;
        LevelMapFault Fault;
        int Line;
        int Character;
        const char* MessagePart;
    };
    const Case Cases[] = {
        {"empty text", "", LevelMapFault::WrongLineCount, 0, 0, "1 lines; it needs 12"},
        {"eleven lines", Good.substr(0, Good.rfind("\r\n")), LevelMapFault::WrongLineCount, 0, 0,
         "11 lines"},
        {"thirteen lines", Good + "\r\n" + FifteenZeros, LevelMapFault::WrongLineCount, 0, 0,
         "13 lines"},
        {"two final line ends", Good + "\r\n\r\n", LevelMapFault::WrongLineCount, 0, 0, "13 lines"},
        {"a long line", Replace(4, 1, "00"), LevelMapFault::WrongLineLength, 4, 0,
         "line 4 has 16 characters"},
        {"a short last line", Good.substr(0, Good.size() - 1), LevelMapFault::WrongLineLength, 12,
         0, "line 12 has 14"},
        {"CR CR LF", Replace(2, 15, "0\r"), LevelMapFault::WrongLineLength, 2, 0, "line 2"},
        {"a code above 6", Replace(3, 5, "7"), LevelMapFault::BadCharacter, 3, 5,
         "line 3, character 5: '7'"},
        {"a letter", Replace(9, 15, "a"), LevelMapFault::BadCharacter, 9, 15, "'a'"},
        {"a space", Replace(1, 1, " "), LevelMapFault::BadCharacter, 1, 1, "byte 32"},
        {"a lone CR", Replace(7, 8, "\r"), LevelMapFault::BadCharacter, 7, 8, "byte 13"},
        {"a NUL byte", Replace(12, 2, std::string(1, '\0')), LevelMapFault::BadCharacter, 12, 2,
         "byte 0"},
        {"no player", Replace(6, 6, "0"), LevelMapFault::NoPlayer, 0, 0, "no player"},
        {"a second player", Replace(5, 5, "5"), LevelMapFault::SeveralPlayers, 6, 6,
         "line 5, character 5 and line 6, character 6"},
        {"no target", Replace(4, 6, "0").replace(3 * 17 + 6, 1, "0"), LevelMapFault::NoTarget, 0, 0,
         "no target"},
    };
    for (const Case& C : Cases) {
        SCOPED_TRACE(C.What);
        const LevelMapResult Result = ParseLevelMap(C.Map);
        EXPECT_FALSE(Result.Board);
        EXPECT_EQ(Result.Error.Fault, C.Fault);
        EXPECT_EQ(Result.Error.Line, C.Line);
        EXPECT_EQ(Result.Error.Character, C.Character);
        EXPECT_NE(Result.Error.Message.find(C.MessagePart), std::string::npos)
            << Result.Error.Message;
    }
}

TEST(LevelMapReader, AFailedLoadKeepsTheBoardAndLeavesItNotReady) {
    TBoxPushGame Game = GameOnShippedMap("TES2");
    const TBoxPushGame Before = Game;
    const LoadOutcome Outcome = LEVEL(Game, "not a map");
    EXPECT_EQ(Outcome.Error.Fault, LevelMapFault::WrongLineCount);
    EXPECT_EQ(Outcome.Repaint, GridRepaint::None);
    EXPECT_FALSE(Game.BoardReady);
    EXPECT_EQ(Game.Board, Before.Board);
    EXPECT_EQ(Game.BoardCopy, Before.BoardCopy);
}

}  // namespace
}  // namespace boxpush
