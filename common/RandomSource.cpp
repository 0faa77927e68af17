// A generator behind the games' draws.
#include "RandomSource.h"

#include <utility>

TGeneratorSource::TGeneratorSource(std::mt19937& Generator,
                                   std::function<void(std::mt19937&)> ReseedFromClock)
    : Generator(Generator), ReseedFromClock(std::move(ReseedFromClock)) {}

void TGeneratorSource::Reseed() {
    if (ReseedFromClock) {
        ReseedFromClock(Generator);
    }
}

int TGeneratorSource::DrawFromOneTo(int K) {
    return std::uniform_int_distribution<int>(1, K < 1 ? 1 : K)(Generator);
}
