// The application: forms, the timers' schedule, the message loop, the filter and the frame.
#include "TApplication.h"

#include <algorithm>
#include <climits>

#include "TScaledPictureCache.h"
#include "TTimer.h"

namespace {

std::uint64_t SplitMix64(std::uint64_t x) {
    x += 0x9E3779B97F4A7C15ull;
    x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
    x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
    return x ^ (x >> 31);
}

std::uint32_t MessageForButton(TMouseButton button, bool down, bool dbl) {
    switch (button) {
        case TMouseButton::Right:
            return down ? (dbl ? WM_RBUTTONDBLCLK : WM_RBUTTONDOWN) : WM_RBUTTONUP;
        case TMouseButton::Middle:
            return down ? (dbl ? WM_MBUTTONDBLCLK : WM_MBUTTONDOWN) : WM_MBUTTONUP;
        case TMouseButton::Left:
            break;
    }
    return down ? (dbl ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) : WM_LBUTTONUP;
}

}  // namespace

std::mt19937& ProcessRandom() {
    static std::mt19937 generator;
    return generator;
}

TApplication::TApplication(TBackend& backend, int scaleQuarters) : backend_(backend) {
    const TSize display = backend_.DisplaySize();
    const int quarters = std::max(scaleQuarters, 1);
    screen_ = TDeviceTransform::LogicalSize(display, quarters);
    FitDisplay(display, quarters);
}

TApplication::TApplication(TBackend& backend, TScaleRule scaleRule)
    : TApplication(backend, scaleRule(backend.DisplaySize().Width, backend.DisplaySize().Height)) {
    scaleRule_ = scaleRule;
}

void TApplication::FitDisplay(TSize display, int quarters) {
    device_ = TDeviceTransform::Centred(display, std::max(quarters, 1), screen_);
    // A new bitmap rather than a resize, so a smaller display gives the larger frame's memory back.
    frame_ = TBitmap(display.Width, display.Height, clBlack);
    // Room for the scaled copy of a whole-screen picture and the small ones drawn with it, so a
    // repaint never has to resample the background again.
    const std::size_t frameBytes = static_cast<std::size_t>(display.Width) * display.Height * 4;
    TScaledPictureCache::Instance().SetLimitBytes(
        std::max<std::size_t>(8u << 20, frameBytes * 5 / 4));
}

void TApplication::DisplayChanged(TSize display) {
    if (display.Width <= 0 || display.Height <= 0)
        return;
    exposed_ = true;
    if (display.Width == frame_.Width() && display.Height == frame_.Height())
        return;
    const int quarters = scaleRule_ ? scaleRule_(display.Width, display.Height) : device_.Quarters;
    // The copies made for the old scale would never be asked for again.
    TScaledPictureCache::Instance().Clear();
    FitDisplay(display, quarters);
}

TApplication::~TApplication() {
    // Every form sees its FormDestroy while all the others still exist, so that a screen's
    // clean-up may still reach the others.
    for (auto& form : forms_)
        form->FormDestroy();
    active_ = nullptr;
    for (auto& form : forms_)
        form.reset();
    forms_.clear();
}

void TApplication::Run() {
    TForm* main = MainForm();
    if (!main)
        return;
    if (!main->Visible())
        main->Show();
    PaintPending();
    while (!terminated_) {
        int timeout = -1;
        if (const std::optional<std::uint64_t> due = NextTimerDue()) {
            const std::uint64_t now = NowMs();
            const std::uint64_t wait = *due > now ? *due - now : 0;
            timeout = static_cast<int>(std::min<std::uint64_t>(wait, INT_MAX));
        }
        TBackendEvent event;
        if (backend_.WaitEvent(event, timeout))
            HandleEvent(event);
        ProcessMessages();
    }
}

void TApplication::Randomize() {
    const std::uint64_t mixed = SplitMix64(backend_.HighResCounter());
    std::seed_seq seed{static_cast<std::uint32_t>(mixed), static_cast<std::uint32_t>(mixed >> 32)};
    ProcessRandom().seed(seed);
}

void TApplication::ProcessMessages() {
    TBackendEvent event;
    while (!terminated_ && backend_.WaitEvent(event, 0))
        HandleEvent(event);
    if (!terminated_)
        FireDueTimers();
    if (!terminated_)
        PaintPending();
}

std::optional<std::uint64_t> TApplication::NextTimerDue() const {
    std::optional<std::uint64_t> earliest;
    for (const TTimer* timer : timers_) {
        if (!timer->Enabled() || timer->Interval() <= 0)
            continue;
        if (!earliest || timer->NextDue() < *earliest)
            earliest = timer->NextDue();
    }
    return earliest;
}

void TApplication::FireDueTimers() {
    const std::uint64_t now = NowMs();
    std::vector<TTimer*> due;
    for (TTimer* timer : timers_) {
        if (timer->Enabled() && timer->Interval() > 0 && timer->NextDue() <= now) {
            due.push_back(timer);
        }
    }
    std::sort(due.begin(), due.end(), [](const TTimer* a, const TTimer* b) {
        if (a->NextDue() != b->NextDue())
            return a->NextDue() < b->NextDue();
        return a->Sequence() < b->Sequence();
    });
    for (TTimer* timer : due) {
        if (terminated_)
            break;
        // An earlier tick of this pass may have stopped or restarted this timer.
        if (std::find(timers_.begin(), timers_.end(), timer) == timers_.end())
            continue;
        if (!timer->Enabled() || timer->Interval() <= 0 || timer->NextDue() > now)
            continue;
        timer->Advance(now);
        TMessage message;
        message.Msg = WM_TIMER;
        message.Timer = timer;
        message.Form = active_;
        Deliver(message);
    }
}

void TApplication::PaintPending() {
    if (!active_)
        return;
    std::vector<TRect> rects = active_->TakePendingRects();
    const TRect wholeFrame{0, 0, frame_.Width(), frame_.Height()};
    const bool exposed = exposed_;
    if (exposed) {
        exposed_ = false;
        rects.assign(1, device_.Cover(wholeFrame));
    }
    if (rects.empty())
        return;
    active_->PaintRects(frame_, rects);
    std::vector<TRect> changed;
    if (exposed) {
        // The black border beyond the logical screen is pushed too.
        changed.push_back(wholeFrame);
    } else {
        changed.reserve(rects.size());
        for (const TRect& rect : rects)
            changed.push_back(device_.Map(rect).Intersect(wholeFrame));
    }
    backend_.Present(frame_, changed);
}

void TApplication::FormShown(TForm* form) {
    active_ = form;
}

void TApplication::FormHidden(TForm* form) {
    if (active_ != form)
        return;
    // Messages go to the form shown most recently among those still visible; the screens hand
    // over by hiding one and showing the next, so usually none is left in between.
    active_ = nullptr;
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) {
        if ((*it)->Visible() && it->get() != form) {
            active_ = it->get();
            active_->Invalidate();
            break;
        }
    }
}

void TApplication::RegisterTimer(TTimer* timer) {
    timers_.push_back(timer);
}

void TApplication::UnregisterTimer(TTimer* timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void TApplication::SyncTextInput() {
    const TControl* focused = active_ ? active_->ActiveControl() : nullptr;
    const bool wanted = focused && focused->WantsTextInput();
    if (wanted == textInput_)
        return;
    textInput_ = wanted;
    backend_.SetTextInput(wanted);
}

void TApplication::Deliver(TMessage& message) {
    if (OnMessage) {
        bool handled = false;
        OnMessage(message, handled);
        if (handled)
            return;
    }
    switch (message.Msg) {
        case WM_TIMER:
            if (message.Timer && message.Timer->OnTimer)
                message.Timer->OnTimer();
            break;
        case WM_CLOSE:
            if (message.Form) {
                message.Form->FormClose();
            } else {
                Terminate();
            }
            break;
        default:
            if (message.Form)
                message.Form->Dispatch(message);
            break;
    }
}

void TApplication::HandleEvent(const TBackendEvent& event) {
    TMessage message;
    message.Form = active_;
    message.Shift = event.Shift;
    // The pointer is over a device pixel; forms hear of the logical pixel it belongs to.
    message.Pos = device_.Unmap(event.Pos);
    switch (event.Kind) {
        case TBackendEventKind::KeyDown:
            message.Msg = WM_KEYDOWN;
            message.Key = event.Key;
            message.Repeat = event.Repeat;
            break;
        case TBackendEventKind::KeyUp:
            message.Msg = WM_KEYUP;
            message.Key = event.Key;
            break;
        case TBackendEventKind::Text:
            message.Msg = WM_CHAR;
            message.Text = event.Text;
            break;
        case TBackendEventKind::MouseMove:
            message.Msg = WM_MOUSEMOVE;
            break;
        case TBackendEventKind::MouseDown:
            // The window system counts presses in a row; every second one is a double click.
            message.Msg =
                MessageForButton(event.Button, true, event.Clicks >= 2 && event.Clicks % 2 == 0);
            break;
        case TBackendEventKind::MouseUp:
            message.Msg = MessageForButton(event.Button, false, false);
            break;
        case TBackendEventKind::MouseLeftWindow:
            message.Msg = WM_MOUSELEAVE;
            break;
        case TBackendEventKind::Close:
            message.Msg = WM_CLOSE;
            break;
        case TBackendEventKind::Expose:
            exposed_ = true;
            return;
        case TBackendEventKind::DisplayChanged:
            DisplayChanged(event.Size);
            return;
    }
    Deliver(message);
}
