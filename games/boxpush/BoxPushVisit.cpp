// Level order, visit ticks, win bonus and box style of the box-pushing screen.
#include "BoxPushVisit.h"

#include <algorithm>
#include <utility>

namespace boxpush {

LevelOrderList acak(TRandomSource& Random) {
    LevelOrderList LevelOrder{1, 2};
    Random.Reseed();
    for (int Swap = 0; Swap < 4; ++Swap) {
        const int First = Random.DrawFromOneTo(2);
        const int Second = Random.DrawFromOneTo(2);
        std::swap(LevelOrder[static_cast<std::size_t>(First == 2 ? 1 : 0)],
                  LevelOrder[static_cast<std::size_t>(Second == 2 ? 1 : 0)]);
    }
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

std::int32_t DrawBoxStyle(TRandomSource& Random) {
    Random.Reseed();
    return std::clamp(Random.DrawFromOneTo(BoxStyleCount), 1, BoxStyleCount) - 1;
}

std::string BoxTileName(std::int32_t BoxStyle) {
    return "F" + std::to_string(5 + BoxStyle);
}

std::string BoxOnTargetTileName(std::int32_t BoxStyle) {
    return "G" + std::to_string(1 + BoxStyle);
}

void EndVisit(TBoxPushVisit& Visit, TRandomSource& Random) {
    Visit.LevelSlot = ToggleLevelSlot(Visit.LevelSlot);
    Visit.BoxStyle = DrawBoxStyle(Random);
}

}  // namespace boxpush
