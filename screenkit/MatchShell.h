// What a screen asks of the match: the hand-over to the next screen, the clock tick, the score
// and the random source.
#pragma once

#include <cstdint>

#include "RandomSource.h"

// The three games of the rotation, in the order they follow one another.
enum class TGame { BoxPush, WordGuess, Typing };

// The screens reach the match, and through it one another, only by this interface, so that no
// screen needs another screen's header.
class TMatchShell {
  public:
    virtual ~TMatchShell() = default;

    // START on the menu: the clock at 5:00, the score at 0, the box-pushing screen shown.
    virtual void StartMatch() = 0;
    // A game screen's activation: that game is on screen from now on.
    virtual void VisitStarted(TGame game) = 0;
    // A game screen's visit is over (solved or its visit timer full): it is hidden and the next
    // game of the rotation is shown.
    virtual void VisitEnded(TGame game) = 0;
    // One tick of the match clock: the three clock labels, and the end of the match at 0:00.
    virtual void ClockTicked() = 0;

    // The running score of the match; a change may be negative.
    virtual std::int32_t Score() const = 0;
    virtual void AddToScore(std::int32_t change) = 0;

    // The process-wide generator as the models take it, re-seeded from the clock wherever a game
    // re-seeds.
    virtual TRandomSource& Random() = 0;
};
