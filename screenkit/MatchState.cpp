// The match clock's rules and the texts of clock and score.
#include "MatchState.h"

TMatchState MatchState;

TVisitTick TVisitClock::Step() {
    if (ticks_ < VisitTicks)
        ++ticks_;
    return ticks_ == VisitTicks ? TVisitTick::Full : TVisitTick::Running;
}

TClockOutcome TickMatchClock(TMatchState& state) {
    if (state.ClockSeconds > 0) {
        --state.ClockSeconds;
    } else if (state.ClockSeconds == 0 && state.ClockMinutes > 0) {
        state.ClockSeconds = 59;
        --state.ClockMinutes;
    }
    return state.ClockMinutes == 0 && state.ClockSeconds == 0 ? TClockOutcome::MatchOver
                                                              : TClockOutcome::Running;
}

std::string ClockText(std::int32_t minutes, std::int32_t seconds) {
    std::string text = std::to_string(minutes) + ":";
    if (seconds <= 9)
        text += "0";
    return text + std::to_string(seconds);
}

std::string ScoreText(std::int32_t score) {
    return std::to_string(score);
}
