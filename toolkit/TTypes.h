// Basic value types of the GUI layer: colours, points, sizes and rectangles.
#pragma once

#include <algorithm>
#include <cstdint>
#include <ostream>

// A colour value: red in the low byte, then green, then blue. A high byte of 0xFF with an index
// 0..24 below it refers to a system colour (see SysColors.h).
using TColor = std::uint32_t;

constexpr TColor RGB(int r, int g, int b) {
    return static_cast<TColor>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int GetRValue(TColor c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int GetGValue(TColor c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int GetBValue(TColor c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

constexpr TColor clBlack = RGB(0, 0, 0);
constexpr TColor clWhite = RGB(255, 255, 255);
constexpr TColor clRed = RGB(255, 0, 0);
constexpr TColor clGreen = RGB(0, 128, 0);

struct TPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(TPoint a, TPoint b) { return a.X == b.X && a.Y == b.Y; }
    friend bool operator!=(TPoint a, TPoint b) { return !(a == b); }
};

struct TSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(TSize a, TSize b) { return a.Width == b.Width && a.Height == b.Height; }
    friend bool operator!=(TSize a, TSize b) { return !(a == b); }
};

// A rectangle that covers Left..Right-1 and Top..Bottom-1, as the drawing conventions want.
struct TRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    static TRect FromSize(int left, int top, int width, int height) {
        return TRect{left, top, left + width, top + height};
    }
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(TPoint p) const {
        return p.X >= Left && p.X < Right && p.Y >= Top && p.Y < Bottom;
    }
    TRect Offset(int dx, int dy) const {
        return TRect{Left + dx, Top + dy, Right + dx, Bottom + dy};
    }
    TRect Intersect(const TRect& o) const {
        TRect r{std::max(Left, o.Left), std::max(Top, o.Top), std::min(Right, o.Right),
                std::min(Bottom, o.Bottom)};
        if (r.IsEmpty())
            return TRect{};
        return r;
    }
    bool Intersects(const TRect& o) const { return !Intersect(o).IsEmpty(); }
    TRect Union(const TRect& o) const {
        if (IsEmpty())
            return o;
        if (o.IsEmpty())
            return *this;
        return TRect{std::min(Left, o.Left), std::min(Top, o.Top), std::max(Right, o.Right),
                     std::max(Bottom, o.Bottom)};
    }
    friend bool operator==(const TRect& a, const TRect& b) {
        return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
    }
    friend bool operator!=(const TRect& a, const TRect& b) { return !(a == b); }
    friend std::ostream& operator<<(std::ostream& os, const TRect& r) {
        return os << "(" << r.Left << "," << r.Top << ")-(" << r.Right << "," << r.Bottom << ")";
    }
};
