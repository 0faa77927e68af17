// The owner-drawn grid: finds the cells that meet the area being painted and asks for each.
#include "TDrawGrid.h"

#include <algorithm>

#include "TCanvas.h"

TDrawGrid::TDrawGrid(TForm* form) : TWinControl(form) {
    SetBounds(0, 0, 320, 120);
}

void TDrawGrid::SetColCount(int count) {
    count = std::max(count, 0);
    if (count == colCount_)
        return;
    colCount_ = count;
    Invalidate();
}

void TDrawGrid::SetRowCount(int count) {
    count = std::max(count, 0);
    if (count == rowCount_)
        return;
    rowCount_ = count;
    Invalidate();
}

void TDrawGrid::SetDefaultColWidth(int width) {
    width = std::max(width, 1);
    if (width == colWidth_)
        return;
    colWidth_ = width;
    Invalidate();
}

void TDrawGrid::SetDefaultRowHeight(int height) {
    height = std::max(height, 1);
    if (height == rowHeight_)
        return;
    rowHeight_ = height;
    Invalidate();
}

TRect TDrawGrid::CellRect(int col, int row) const {
    if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_)
        return TRect{};
    return TRect::FromSize(col * colWidth_, row * rowHeight_, colWidth_, rowHeight_);
}

void TDrawGrid::InvalidateCell(int col, int row) {
    const TRect cell = CellRect(col, row);
    if (!cell.IsEmpty())
        InvalidateRect(cell);
}

void TDrawGrid::Paint(TCanvas& canvas) {
    if (!OnDrawCell)
        return;
    // The part being painted, in the grid's own coordinates, tells which cells to ask for.
    const TRect clip = canvas.VisibleRect().Intersect(TRect{0, 0, Width(), Height()});
    if (clip.IsEmpty())
        return;
    const int firstCol = clip.Left / colWidth_;
    const int lastCol = std::min(colCount_ - 1, (clip.Right - 1) / colWidth_);
    const int firstRow = clip.Top / rowHeight_;
    const int lastRow = std::min(rowCount_ - 1, (clip.Bottom - 1) / rowHeight_);
    for (int row = firstRow; row <= lastRow; ++row) {
        for (int col = firstCol; col <= lastCol; ++col) {
            const TRect cell = CellRect(col, row);
            // Each cell gets the painter to itself: what it draws stays inside the cell.
            TCanvasStateGuard guard(canvas);
            canvas.IntersectClipRect(cell);
            OnDrawCell(col, row, cell, canvas);
        }
    }
}
