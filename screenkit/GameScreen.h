// What every game screen is to the match shell: its game, its clock label, its timers, its credit.
#pragma once

#include <cstdint>
#include <string>

#include "MatchShell.h"
#include "MatchState.h"
#include "TForm.h"
#include "TLabel.h"
#include "TProgressBar.h"

class TTimer;

// The shell plays a game screen only through this class: it never reaches a screen's widgets or
// timers by name, so a new game needs no change in the shell beyond its seat in the rotation.
class TGameScreen : public TForm {
  public:
    TGameScreen(TApplication& app, TMatchShell& shell, TGame game);

    TGame WhichGame() const { return game_; }
    // The match clock's text, shown on every game screen from START on.
    void ShowClock(const std::string& text);
    // The match is over: every timer of the screen stops.
    virtual void StopTimers();
    // What the unfinished visit earns when the match ends on this screen.
    virtual std::int32_t CreditAtMatchEnd() const { return 0; }

    TLabel* skor = nullptr;                // the match score
    TLabel* waktu = nullptr;               // the match clock
    TProgressBar* ProgressBar1 = nullptr;  // the visit clock
    TVisitClock VisitClock;

  protected:
    // The visit timer, 3000 ms, made by the screen among its other controls; its every tick
    // steps the visit clock, and the twentieth ends the visit.
    TTimer* AddVisitTimer();
    // The start of every visit: the clock back to no ticks, the shell told which game is on, the
    // score shown. The screen starts the visit timer once its own part is ready.
    void BeginVisit();
    // Won or timed out: the visit timer stops, the game closes its visit, the next screen shows.
    void EndVisit();
    // The game's own end of a visit, before the next screen is shown.
    virtual void VisitOver() {}
    void ShowScore();

    TMatchShell& Shell;

  private:
    void VisitTimerTimer();
    void MirrorVisitClock();

    TGame game_;
    TTimer* visitTimer_ = nullptr;
};
