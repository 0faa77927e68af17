// The headless test driver: queues input events and steps the virtual clock tick by tick.
#include "headless/THeadlessDriver.h"

#include <optional>

#include "TApplication.h"
#include "headless/THeadlessBackend.h"

void THeadlessDriver::Queue(const TBackendEvent& event) {
    backend_.Push(event);
}

void THeadlessDriver::Start() {
    if (TForm* main = app_.MainForm()) {
        if (!main->Visible())
            main->Show();
    }
    Pump();
}

void THeadlessDriver::Pump() {
    app_.ProcessMessages();
}

void THeadlessDriver::Advance(std::uint64_t ms) {
    const std::uint64_t end = backend_.NowMs() + ms;
    Pump();
    for (std::optional<std::uint64_t> due = app_.NextTimerDue();
         due && *due <= end && !app_.Terminated(); due = app_.NextTimerDue()) {
        backend_.SetNow(*due);
        Pump();
    }
    backend_.SetNow(end);
    Pump();
}

void THeadlessDriver::KeyDown(int vk, TShiftState shift, bool repeat) {
    TBackendEvent event;
    event.Kind = TBackendEventKind::KeyDown;
    event.Key = vk;
    event.Shift = shift;
    event.Repeat = repeat;
    Queue(event);
    Pump();
}

void THeadlessDriver::KeyUp(int vk, TShiftState shift) {
    TBackendEvent event;
    event.Kind = TBackendEventKind::KeyUp;
    event.Key = vk;
    event.Shift = shift;
    Queue(event);
    Pump();
}

void THeadlessDriver::Key(int vk, TShiftState shift, bool repeat) {
    KeyDown(vk, shift, repeat);
    KeyUp(vk, shift);
}

void THeadlessDriver::Text(const std::string& utf8) {
    TBackendEvent event;
    event.Kind = TBackendEventKind::Text;
    event.Text = utf8;
    Queue(event);
    Pump();
}

void THeadlessDriver::MoveMouse(int x, int y) {
    TBackendEvent event;
    event.Kind = TBackendEventKind::MouseMove;
    event.Pos = TPoint{x, y};
    Queue(event);
    Pump();
}

void THeadlessDriver::Press(int x, int y, TMouseButton button, int clicks) {
    TBackendEvent event;
    event.Kind = TBackendEventKind::MouseDown;
    event.Pos = TPoint{x, y};
    event.Button = button;
    event.Clicks = clicks;
    Queue(event);
    Pump();
}

void THeadlessDriver::Release(int x, int y, TMouseButton button) {
    TBackendEvent event;
    event.Kind = TBackendEventKind::MouseUp;
    event.Pos = TPoint{x, y};
    event.Button = button;
    Queue(event);
    Pump();
}

void THeadlessDriver::Click(int x, int y, TMouseButton button) {
    MoveMouse(x, y);
    Press(x, y, button);
    Release(x, y, button);
}

void THeadlessDriver::DoubleClick(int x, int y) {
    MoveMouse(x, y);
    Press(x, y, TMouseButton::Left, 1);
    Release(x, y);
    Press(x, y, TMouseButton::Left, 2);
    Release(x, y);
}

void THeadlessDriver::LeaveWindow() {
    TBackendEvent event;
    event.Kind = TBackendEventKind::MouseLeftWindow;
    Queue(event);
    Pump();
}

void THeadlessDriver::Close() {
    TBackendEvent event;
    event.Kind = TBackendEventKind::Close;
    Queue(event);
    Pump();
}

const TBitmap& THeadlessDriver::Screen() const {
    return backend_.Screen();
}

bool THeadlessDriver::SaveScreenPng(const std::string& path, std::string* error) const {
    return backend_.Screen().SaveToPng(path, error);
}
