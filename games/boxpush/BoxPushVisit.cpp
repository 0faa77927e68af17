// Level order, visit ticks, win bonus and box style of the box-pushing screen.
#include "BoxPushVisit.h"

#include <utility>

namespace boxpush {

void acak(LevelOrderList& LevelOrder, std::mt19937& Generator) {
    LevelOrder = {1, 2};
    std::uniform_int_distribution<int> Entry(1, 2);
    for (int Swap = 0; Swap < 4; ++Swap) {
        const int First = Entry(Generator);
        const int Second = Entry(Generator);
        std::swap(LevelOrder[static_cast<std::size_t>(First - 1)],
                  LevelOrder[static_cast<std::size_t>(Second - 1)]);
    }
}

LevelOrderList acak(std::mt19937& Generator) {
    LevelOrderList LevelOrder;
    acak(LevelOrder, Generator);
    return LevelOrder;
}

std::int32_t ToggleLevelSlot(std::int32_t LevelSlot) {
    return LevelSlot == 2 ? 1 : LevelSlot + 1;
}

std::int32_t LevelToPlay(const TBoxPushVisit& Visit) {
    return Visit.LevelOrder[Visit.LevelSlot == 2 ? 1 : 0];
}

std::string LevelMapName(std::int32_t Level) {
    return "TES" + std::to_string(Level);
}

std::int32_t WinBonus(std::int32_t TicksLeft) {
    return 50 + TicksLeft;
}

std::int32_t DrawBoxStyle(std::mt19937& Generator) {
    return std::uniform_int_distribution<std::int32_t>(0, BoxStyleCount - 1)(Generator);
}

std::string BoxTileName(std::int32_t BoxStyle) {
    return "F" + std::to_string(5 + BoxStyle);
}

std::string BoxOnTargetTileName(std::int32_t BoxStyle) {
    return "G" + std::to_string(1 + BoxStyle);
}

VisitClock CountVisitTick(TBoxPushVisit& Visit) {
    --Visit.TicksLeft;
    if (Visit.TicksLeft > 0) {
        return VisitClock::Running;
    }
    Visit.TicksLeft = VisitTicks;
    return VisitClock::Full;
}

void EndVisit(TBoxPushVisit& Visit, std::mt19937& Generator) {
    Visit.LevelSlot = ToggleLevelSlot(Visit.LevelSlot);
    Visit.BoxStyle = DrawBoxStyle(Generator);
}

}  // namespace boxpush
