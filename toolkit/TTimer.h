// A periodic timer owned by a form; ticks come from the application's loop in due order.
#pragma once

#include <cstdint>
#include <functional>

class TApplication;

class TTimer {
  public:
    explicit TTimer(TApplication& app);
    ~TTimer();
    TTimer(const TTimer&) = delete;
    TTimer& operator=(const TTimer&) = delete;

    int Interval() const { return interval_; }
    // Changing the interval of a running timer restarts its period.
    void SetInterval(int ms);
    bool Enabled() const { return enabled_; }
    // Enabling a timer that already runs leaves its period undisturbed.
    void SetEnabled(bool enabled);

    std::function<void()> OnTimer;

    // For the application's loop: when the next tick is due (valid while enabled).
    std::uint64_t NextDue() const { return nextDue_; }
    // Called by the application when the tick is delivered: schedules the next one.
    void Advance(std::uint64_t now);
    std::uint64_t Sequence() const { return sequence_; }

  private:
    TApplication& app_;
    int interval_ = 1000;
    bool enabled_ = false;
    std::uint64_t nextDue_ = 0;
    std::uint64_t sequence_ = 0;  // creation order, to break ties between timers due together
};
