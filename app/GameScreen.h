// What every game screen is to the match shell: its game, its clock label, its timers, its credit.
#pragma once

#include <cstdint>
#include <string>

#include "MatchShell.h"
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

    TLabel* skor = nullptr;   // the match score
    TLabel* waktu = nullptr;  // the match clock
    TProgressBar* ProgressBar1 = nullptr;

  protected:
    // The screen's visit timer, made by the screen with its other controls.
    virtual TTimer& VisitTimer() = 0;
    // The start of every visit: the shell learns which game is on, and the score is shown.
    void BeginVisit();
    void ShowScore();

    TMatchShell& Shell;

  private:
    TGame game_;
};
