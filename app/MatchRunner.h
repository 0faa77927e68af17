// The match shell over the five screens: rotation, clock labels, match end and score.
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

#include "MatchShell.h"

class TApplication;
class TGameScreen;

// A game's place in the rotation: its screen and its tag in the match state.
struct TRotationSeat {
    TGameScreen* Screen;
    const char* Tag;
};

// Plays the one match of the run on the menu, the game screens of the rotation and the final
// screen; the screens must exist before any call.
class TMatchRunner final : public TMatchShell {
  public:
    explicit TMatchRunner(TApplication& app);

    // The game screens in the order they follow one another, each game once; the first one
    // opens the match.
    void SeatScreens(std::vector<TRotationSeat> rotation) { rotation_ = std::move(rotation); }

    void StartMatch() override;
    void VisitStarted(TGame game) override;
    void VisitEnded(TGame game) override;
    void ClockTicked() override;
    std::int32_t Score() const override;
    void AddToScore(std::int32_t change) override;
    TRandomSource& Random() override { return random_; }

  private:
    std::size_t SeatOf(TGame game) const;
    void ShowClock();
    void EndMatch();

    TGeneratorSource random_;
    std::vector<TRotationSeat> rotation_;
    std::size_t onScreen_ = 0;  // the seat whose visit started last
};
