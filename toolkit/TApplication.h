// The application object: owns the forms, the timers' schedule, the message loop and the frame.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <random>
#include <utility>
#include <vector>

#include "Messages.h"
#include "TBackend.h"
#include "TBitmap.h"
#include "TDeviceTransform.h"
#include "TForm.h"

class TTimer;

class TApplication {
  public:
    // The scale, in quarters (4 is 1:1), is the one at which the whole picture is drawn on the
    // display; forms and controls work in logical units and never see it.
    explicit TApplication(TBackend& backend, int scaleQuarters = 4);
    // The scale in quarters for a display of the given size in pixels.
    using TScaleRule = int (*)(int displayWidth, int displayHeight);
    // The scale follows the display: the rule gives it at start and again at every change.
    TApplication(TBackend& backend, TScaleRule scaleRule);
    // Destroys the forms in creation order, running each one's FormDestroy first.
    ~TApplication();
    TApplication(const TApplication&) = delete;
    TApplication& operator=(const TApplication&) = delete;

    // Creates a form and runs its FormCreate at once; the first form created is the main form.
    template <class F, class... Args>
    F* CreateForm(Args&&... args) {
        auto form = std::make_unique<F>(*this, std::forward<Args>(args)...);
        F* raw = form.get();
        forms_.push_back(std::move(form));
        raw->FormCreate();
        return raw;
    }
    TForm* MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }
    const std::vector<std::unique_ptr<TForm>>& Forms() const { return forms_; }

    // Shows the main form and runs the message loop until Terminate. The loop sleeps in the
    // backend until the next event or the next due timer.
    void Run();
    void Terminate() { terminated_ = true; }
    bool Terminated() const { return terminated_; }

    // The application-wide message filter: it sees every message before any form or control;
    // setting handled discards the message.
    std::function<void(TMessage& message, bool& handled)> OnMessage;

    // The display's size in logical units at start-up (the device size divided by the scale): the
    // area every form fills and lays its controls out in. It stays when the display changes.
    TSize ScreenSize() const { return screen_; }
    // The display now has another size (a resolution change, a projector, another DPI): the frame
    // takes it, the scale is worked out again by the rule (kept without one) and the logical
    // area is centred on it. Forms, controls, timers and focus stay as they are; only the whole
    // picture is drawn again, pictures resampled at the new scale and the pointer mapped anew.
    void DisplayChanged(TSize display);
    // How logical units land on the display's pixels (the frame and the backend's events).
    const TDeviceTransform& Device() const { return device_; }
    std::uint64_t NowMs() const { return backend_.NowMs(); }
    TBackend& Backend() { return backend_; }

    // Re-seeds the process-wide random generator from the backend's high-resolution counter.
    void Randomize();

    // One pass of the loop without waiting: takes every queued event, delivers the timers that are
    // due, paints what is pending. The headless test driver calls this after every step.
    void ProcessMessages();
    // The earliest due time among enabled timers.
    std::optional<std::uint64_t> NextTimerDue() const;

    // The form shown last and not hidden since; messages go to it.
    TForm* ActiveForm() const { return active_; }
    const TBitmap& Frame() const { return frame_; }  // in device pixels
    // Paints the active form's pending rectangles and pushes them to the backend.
    void PaintPending();

    // Bookkeeping for forms and timers.
    void FormShown(TForm* form);
    void FormHidden(TForm* form);
    void RegisterTimer(TTimer* timer);
    void UnregisterTimer(TTimer* timer);
    std::uint64_t NextTimerSequence() { return ++timerSequence_; }

    // Delivers a message through the filter to the active form (used for every event).
    void Deliver(TMessage& message);
    // Switches the backend's text input on or off to match the active form's focused control.
    void SyncTextInput();

  private:
    void HandleEvent(const TBackendEvent& event);
    void FitDisplay(TSize display, int quarters);
    void FireDueTimers();

    TBackend& backend_;
    TScaleRule scaleRule_ = nullptr;
    TDeviceTransform device_;
    TSize screen_;
    std::vector<std::unique_ptr<TForm>> forms_;
    std::vector<TTimer*> timers_;
    TForm* active_ = nullptr;
    TBitmap frame_;
    bool terminated_ = false;
    bool exposed_ = false;  // the backend lost the window's contents: push the whole frame
    bool textInput_ = false;
    std::uint64_t timerSequence_ = 0;
};

// The process-wide random generator; the match shell re-seeds it where a game re-seeds and hands
// it to the models.
std::mt19937& ProcessRandom();
