// The part every game screen shares: the clock and score labels, the start of a visit, the timers.
#include "GameScreen.h"

#include "TTimer.h"

TGameScreen::TGameScreen(TApplication& app, TMatchShell& shell, TGame game)
    : TForm(app), Shell(shell), game_(game) {}

void TGameScreen::ShowClock(const std::string& text) {
    waktu->SetCaption(text);
}

void TGameScreen::StopTimers() {
    visitTimer_->SetEnabled(false);
}

TTimer* TGameScreen::AddVisitTimer() {
    visitTimer_ = AddTimer(3000);
    visitTimer_->OnTimer = [this] { VisitTimerTimer(); };
    return visitTimer_;
}

void TGameScreen::BeginVisit() {
    VisitClock.Reset();
    MirrorVisitClock();
    Shell.VisitStarted(game_);
    ShowScore();
}

void TGameScreen::VisitTimerTimer() {
    const TVisitTick tick = VisitClock.Step();
    if (tick == TVisitTick::Full)
        VisitClock.Reset();
    MirrorVisitClock();
    if (tick == TVisitTick::Full)
        EndVisit();
}

void TGameScreen::EndVisit() {
    visitTimer_->SetEnabled(false);
    VisitOver();
    Shell.VisitEnded(game_);
}

void TGameScreen::MirrorVisitClock() {
    ProgressBar1->SetPosition(VisitClock.Ticks());
}

void TGameScreen::ShowScore() {
    skor->SetCaption(ScoreText(Shell.Score()));
}
