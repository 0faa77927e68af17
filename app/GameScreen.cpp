// The part every game screen shares: the clock and score labels, the start of a visit, the timers.
#include "GameScreen.h"

#include "MatchState.h"
#include "TTimer.h"

TGameScreen::TGameScreen(TApplication& app, TMatchShell& shell, TGame game)
    : TForm(app), Shell(shell), game_(game) {}

void TGameScreen::ShowClock(const std::string& text) {
    waktu->SetCaption(text);
}

void TGameScreen::StopTimers() {
    VisitTimer().SetEnabled(false);
}

void TGameScreen::BeginVisit() {
    Shell.VisitStarted(game_);
    ShowScore();
}

void TGameScreen::ShowScore() {
    skor->SetCaption(ScoreText(Shell.Score()));
}
