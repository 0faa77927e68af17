// What the box-pushing screen keeps between visits: level order and slot, box style.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "RandomSource.h"

namespace boxpush {

constexpr std::int32_t BoxStyleCount = 8;

// Level numbers 1 and 2 in playing order; entry n (1 or 2) is element n - 1.
using LevelOrderList = std::array<std::int32_t, 2>;

struct TBoxPushVisit {
    LevelOrderList LevelOrder{1, 2};
    std::int32_t LevelSlot = 1;  // 1 or 2: the entry of LevelOrder played next and by RESET
    std::int32_t BoxStyle = 0;   // 0..7

    bool operator==(const TBoxPushVisit& Other) const {
        return LevelOrder == Other.LevelOrder && LevelSlot == Other.LevelSlot &&
               BoxStyle == Other.BoxStyle;
    }
};

// A re-seed, then LevelOrder := 1, 2 and four swaps of two entries drawn from 1..2 each.
LevelOrderList acak(TRandomSource& Random);
// The slot after this one: 2 becomes 1, anything else goes up by one.
std::int32_t ToggleLevelSlot(std::int32_t LevelSlot);
std::int32_t LevelToPlay(const TBoxPushVisit& Visit);  // LevelOrder[LevelSlot]
std::string LevelMapName(std::int32_t Level);          // "TES1", "TES2"

// A solved level: 50 and the ticks left of the visit's clock.
std::int32_t WinBonus(std::int32_t TicksLeft);
// A re-seed, then one of the eight styles.
std::int32_t DrawBoxStyle(TRandomSource& Random);
std::string BoxTileName(std::int32_t BoxStyle);          // "F5" .. "F12"
std::string BoxOnTargetTileName(std::int32_t BoxStyle);  // "G1" .. "G8"

// The end of a visit, won or timed out: the other level next time, and a new box style.
void EndVisit(TBoxPushVisit& Visit, TRandomSource& Random);

}  // namespace boxpush
