// The match shell: which screen follows which, the clock on every game screen, the end.
#include "MatchRunner.h"

#include <string>

#include "GameScreen.h"
#include "MatchState.h"
#include "TApplication.h"
#include "Unit1.h"
#include "Unit5.h"

TMatchRunner::TMatchRunner(TApplication& app)
    : random_(ProcessRandom(), [&app](std::mt19937&) { app.Randomize(); }) {}

void TMatchRunner::StartMatch() {
    MatchState.ClockMinutes = 5;
    MatchState.ClockSeconds = 0;
    MatchState.MatchScore = 0;
    ShowClock();
    Form1->Hide();
    rotation_.front().Screen->Show();
}

void TMatchRunner::VisitStarted(TGame game) {
    onScreen_ = SeatOf(game);
    MatchState.CurrentGameTag = rotation_[onScreen_].Tag;
}

void TMatchRunner::VisitEnded(TGame game) {
    const std::size_t seat = SeatOf(game);
    rotation_[seat].Screen->Hide();
    rotation_[(seat + 1) % rotation_.size()].Screen->Show();
}

void TMatchRunner::ClockTicked() {
    const TClockOutcome outcome = TickMatchClock(MatchState);
    ShowClock();
    if (outcome == TClockOutcome::MatchOver)
        EndMatch();
}

std::size_t TMatchRunner::SeatOf(TGame game) const {
    std::size_t seat = 0;
    while (seat + 1 < rotation_.size() && rotation_[seat].Screen->WhichGame() != game)
        ++seat;
    return seat;
}

// The clock labels show the same time from START on, not only from the first tick.
void TMatchRunner::ShowClock() {
    const std::string text = ClockText(MatchState.ClockMinutes, MatchState.ClockSeconds);
    for (const TRotationSeat& seat : rotation_)
        seat.Screen->ShowClock(text);
}

std::int32_t TMatchRunner::Score() const {
    return MatchState.MatchScore;
}

void TMatchRunner::AddToScore(std::int32_t change) {
    MatchState.MatchScore += change;
}

// Every timer stops first, so that no screen can credit its visit itself once the match is over;
// then the screen on show credits what its unfinished visit earns.
void TMatchRunner::EndMatch() {
    for (const TRotationSeat& seat : rotation_)
        seat.Screen->StopTimers();
    TGameScreen& last = *rotation_[onScreen_].Screen;
    AddToScore(last.CreditAtMatchEnd());
    last.Hide();
    Form5->Show();
}
