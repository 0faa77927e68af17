// The match shell over the five screens: rotation, clock labels, match end and score.
#pragma once

#include "MatchShell.h"

class TApplication;

// Plays the one match of the run on Form1 to Form5; the screens must exist before any call.
class TMatchRunner final : public TMatchShell {
  public:
    explicit TMatchRunner(TApplication& app);

    void StartMatch() override;
    void VisitStarted(TGame game) override;
    void VisitEnded(TGame game) override;
    void ClockTicked() override;
    std::int32_t Score() const override;
    void AddToScore(std::int32_t change) override;
    TRandomSource& Random() override { return random_; }

  private:
    void ShowClock();
    void EndMatch();

    TGeneratorSource random_;
};
