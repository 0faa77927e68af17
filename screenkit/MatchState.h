// The match's process-wide record and the match clock's rules (no toolkit needed).
#pragma once

#include <cstdint>
#include <string>

struct TMatchState {
    std::int32_t ClockMinutes = 0;
    std::int32_t ClockSeconds = 0;
    std::int32_t MatchScore = 0;
    std::string CurrentGameTag;  // "sokoban", "hangman" or "ketik": the game activated last
};

// Created zeroed at start-up. The match shell (TMatchRunner) writes it; the screens read and
// change the score only through the shell.
extern TMatchState MatchState;

inline const char* const GameTagBoxPush = "sokoban";
inline const char* const GameTagWordGuess = "hangman";
inline const char* const GameTagTyping = "ketik";

// A visit lasts twenty ticks of its screen's three-second visit timer.
constexpr std::int32_t VisitTicks = 20;

enum class TVisitTick { Running, Full };

// The ticks of the visit on screen, counted by its screen's visit timer and mirrored on its bar.
class TVisitClock {
  public:
    // One tick more; Full on the twentieth (the clock stays full until it is reset).
    TVisitTick Step();
    void Reset() { ticks_ = 0; }
    std::int32_t Ticks() const { return ticks_; }
    std::int32_t TicksLeft() const { return VisitTicks - ticks_; }

  private:
    std::int32_t ticks_ = 0;
};

enum class TClockOutcome { Running, MatchOver };

// One second of the match clock: counts down, never below 0:00; MatchOver on the tick that
// reaches 0:00.
TClockOutcome TickMatchClock(TMatchState& state);

// "4:59", "4:05", "0:00": minutes without a leading zero, seconds always with two digits.
std::string ClockText(std::int32_t minutes, std::int32_t seconds);
// The score as shown: plain decimal, a minus sign when negative.
std::string ScoreText(std::int32_t score);
