// Tests of the visit state: level order, slot, ticks, win bonus and box style.
#include <gtest/gtest.h>

#include <set>

#include "BoxPushVisit.h"
#include "ScriptedSource.h"

namespace boxpush {
namespace {

TEST(LevelOrder, AcakKeepsBothLevelsAndReachesBothOrders) {
    std::set<LevelOrderList> Seen;
    for (unsigned Seed = 0; Seed < 50; ++Seed) {
        std::mt19937 Generator(Seed);
        TGeneratorSource Random(Generator);
        const LevelOrderList Order = acak(Random);
        EXPECT_TRUE((Order == LevelOrderList{1, 2} || Order == LevelOrderList{2, 1}));
        Seen.insert(Order);
    }
    EXPECT_EQ(Seen.size(), 2u);
}

TEST(LevelOrder, TheSlotAlternatesSoVisitsAlternateLevels) {
    TBoxPushVisit Visit;
    Visit.LevelOrder = {2, 1};
    std::mt19937 Generator(7);
    TGeneratorSource Random(Generator);
    std::vector<int> Played;
    for (int VisitNumber = 0; VisitNumber < 4; ++VisitNumber) {
        Played.push_back(LevelToPlay(Visit));
        EndVisit(Visit, Random);
    }
    EXPECT_EQ(Played, (std::vector<int>{2, 1, 2, 1}));
    EXPECT_EQ(ToggleLevelSlot(1), 2);
    EXPECT_EQ(ToggleLevelSlot(2), 1);
    EXPECT_EQ(LevelMapName(2), "TES2");
}

TEST(WinBonus, FallsWithTheTicksOfTheVisit) {
    EXPECT_EQ(WinBonus(20), 70);
    EXPECT_EQ(WinBonus(1), 51);
}

TEST(BoxStyle, DrawsEveryStyleAndPairsTheTilesOfOneItem) {
    std::mt19937 Generator(3);
    TGeneratorSource Random(Generator);
    std::set<int> Styles;
    for (int Draw = 0; Draw < 400; ++Draw) {
        const int Style = DrawBoxStyle(Random);
        ASSERT_GE(Style, 0);
        ASSERT_LT(Style, BoxStyleCount);
        Styles.insert(Style);
    }
    EXPECT_EQ(Styles.size(), 8u);
    const std::pair<const char*, const char*> Pairs[] = {{"F5", "G1"}, {"F7", "G3"}, {"F12", "G8"}};
    const int PairStyles[] = {0, 2, 7};
    for (std::size_t Index = 0; Index < 3; ++Index) {
        EXPECT_EQ(BoxTileName(PairStyles[Index]), Pairs[Index].first);
        EXPECT_EQ(BoxOnTargetTileName(PairStyles[Index]), Pairs[Index].second);
    }
}

TEST(Draws, EachSeriesStartsWithAReseed) {
    struct Case {
        const char* Name;
        void (*Draw)(TRandomSource&);
    };
    const Case Cases[] = {
        {"level order", [](TRandomSource& Random) { acak(Random); }},
        {"box style", [](TRandomSource& Random) { DrawBoxStyle(Random); }},
    };
    for (const Case& Each : Cases) {
        TScriptedSource Random;
        Each.Draw(Random);
        EXPECT_EQ(Random.Reseeds, 1) << Each.Name;
        EXPECT_FALSE(Random.DrewBeforeReseed) << Each.Name;
    }
}

}  // namespace
}  // namespace boxpush
