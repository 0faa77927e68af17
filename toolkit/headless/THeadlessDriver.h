// Drives an application on the headless backend the way a pupil would: keys, mouse and time.
#pragma once

#include <cstdint>
#include <string>

#include "Messages.h"
#include "TBackend.h"
#include "TBitmap.h"

class TApplication;
class THeadlessBackend;

// Owns nothing. Every step queues its events and then runs one pass of the loop, so after a call
// returns the handlers have run and the screen shows the result.
class THeadlessDriver {
  public:
    THeadlessDriver(TApplication& app, THeadlessBackend& backend) : app_(app), backend_(backend) {}

    // Shows the main form as Run() would, then pumps.
    void Start();
    void Pump();
    // Moves the virtual clock on by ms, stopping at every due tick on the way so that each timer
    // fires at its own time and in order.
    void Advance(std::uint64_t ms);

    void Key(int vk, TShiftState shift = TShiftState::None, bool repeat = false);
    void KeyDown(int vk, TShiftState shift = TShiftState::None, bool repeat = false);
    void KeyUp(int vk, TShiftState shift = TShiftState::None);
    void Text(const std::string& utf8);

    void MoveMouse(int x, int y);
    void Press(int x, int y, TMouseButton button = TMouseButton::Left, int clicks = 1);
    void Release(int x, int y, TMouseButton button = TMouseButton::Left);
    void Click(int x, int y, TMouseButton button = TMouseButton::Left);
    void DoubleClick(int x, int y);
    void LeaveWindow();
    void Close();

    const TBitmap& Screen() const;
    bool SaveScreenPng(const std::string& path, std::string* error = nullptr) const;

  private:
    void Queue(const TBackendEvent& event);

    TApplication& app_;
    THeadlessBackend& backend_;
};
