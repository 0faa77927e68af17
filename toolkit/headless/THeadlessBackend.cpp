// The headless backend: virtual time, a queue of injected events and the presented screen.
#include "headless/THeadlessBackend.h"

#include <algorithm>

THeadlessBackend::THeadlessBackend(TSize display)
    : display_(display), screen_(display.Width, display.Height, clBlack) {}

std::uint64_t THeadlessBackend::HighResCounter() {
    return now_ * 1000000ull + ++counterReads_;
}

bool THeadlessBackend::WaitEvent(TBackendEvent& event, int timeoutMs) {
    if (!events_.empty()) {
        event = events_.front();
        events_.pop_front();
        return true;
    }
    if (timeoutMs == 0)
        return false;
    idleWaits_.push_back(timeoutMs);
    if (timeoutMs > 0) {
        now_ += static_cast<std::uint64_t>(timeoutMs);
        return false;
    }
    event = TBackendEvent{};
    event.Kind = TBackendEventKind::Close;
    return true;
}

void THeadlessBackend::Present(const TBitmap& frame, const std::vector<TRect>& changed) {
    if (screen_.Width() != frame.Width() || screen_.Height() != frame.Height()) {
        screen_.SetSize(frame.Width(), frame.Height(), clBlack);
    }
    const TRect bounds{0, 0, frame.Width(), frame.Height()};
    ++presents_;
    lastRects_ = changed;
    for (const TRect& rect : changed) {
        const TRect area = rect.Intersect(bounds);
        if (area.IsEmpty())
            continue;
        for (int y = area.Top; y < area.Bottom; ++y) {
            std::copy(frame.Row(y) + area.Left, frame.Row(y) + area.Right,
                      screen_.Row(y) + area.Left);
        }
        pixelsPushed_ += static_cast<std::uint64_t>(area.Width()) * area.Height();
    }
}

void THeadlessBackend::SetDisplaySize(TSize display) {
    display_ = display;
    TBackendEvent event;
    event.Kind = TBackendEventKind::DisplayChanged;
    event.Size = display;
    events_.push_back(event);
}

void THeadlessBackend::SetNow(std::uint64_t ms) {
    now_ = std::max(now_, ms);
}
