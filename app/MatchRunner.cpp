// The match shell: which screen follows which, the clock on all three game screens, the end.
#include "MatchRunner.h"

#include <string>

#include "MatchState.h"
#include "TApplication.h"
#include "TForm.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"

namespace {

// A game's place in the rotation: its screen, its tag in the match state, the game after it.
struct TRotationSeat {
    TForm* Screen;
    const char* Tag;
    TGame Next;
};

TRotationSeat SeatOf(TGame game) {
    switch (game) {
        case TGame::BoxPush:
            return {Form2, GameTagBoxPush, TGame::WordGuess};
        case TGame::WordGuess:
            return {Form3, GameTagWordGuess, TGame::Typing};
        case TGame::Typing:
            break;
    }
    return {Form4, GameTagTyping, TGame::BoxPush};
}

}  // namespace

TMatchRunner::TMatchRunner(TApplication& app)
    : random_(ProcessRandom(), [&app](std::mt19937&) { app.Randomize(); }) {}

void TMatchRunner::StartMatch() {
    MatchState.ClockMinutes = 5;
    MatchState.ClockSeconds = 0;
    MatchState.MatchScore = 0;
    ShowClock();
    Form1->Hide();
    Form2->Show();
}

void TMatchRunner::VisitStarted(TGame game) {
    MatchState.CurrentGameTag = SeatOf(game).Tag;
}

void TMatchRunner::VisitEnded(TGame game) {
    const TRotationSeat seat = SeatOf(game);
    seat.Screen->Hide();
    SeatOf(seat.Next).Screen->Show();
}

void TMatchRunner::ClockTicked() {
    const TClockOutcome outcome = TickMatchClock(MatchState);
    ShowClock();
    if (outcome == TClockOutcome::MatchOver)
        EndMatch();
}

// The three clock labels show the same time from START on, not only from the first tick.
void TMatchRunner::ShowClock() {
    const std::string text = ClockText(MatchState.ClockMinutes, MatchState.ClockSeconds);
    Form2->waktu->SetCaption(text);
    Form3->waktu->SetCaption(text);
    Form4->waktu->SetCaption(text);
}

std::int32_t TMatchRunner::Score() const {
    return MatchState.MatchScore;
}

void TMatchRunner::AddToScore(std::int32_t change) {
    MatchState.MatchScore += change;
}

// Every timer stops first, the typing one before its screen can credit the answer itself; the
// unfinished level or word earns nothing.
void TMatchRunner::EndMatch() {
    Form2->Timer1->SetEnabled(false);
    Form2->Timer2->SetEnabled(false);
    Form4->Timer1->SetEnabled(false);
    Form3->Timer1->SetEnabled(false);
    if (MatchState.CurrentGameTag == GameTagBoxPush) {
        Form2->Hide();
    } else if (MatchState.CurrentGameTag == GameTagWordGuess) {
        Form3->Hide();
    } else {
        AddToScore(Form4->PartialCredit());
        Form4->Hide();
    }
    Form5->Show();
}
