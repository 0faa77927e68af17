// A grid of equal cells drawn entirely by its owner; it takes the keyboard focus for its keys.
#pragma once

#include <functional>

#include "TControl.h"

class TDrawGrid : public TWinControl {
  public:
    explicit TDrawGrid(TForm* form);

    void SetColCount(int count);
    void SetRowCount(int count);
    void SetDefaultColWidth(int width);
    void SetDefaultRowHeight(int height);

    // The cell's rectangle in the grid's own coordinates.
    TRect CellRect(int col, int row) const;
    // Deferred repaint of one cell.
    void InvalidateCell(int col, int row);

    // Called for every cell that meets the area being painted; the canvas's origin is the grid's
    // top-left corner, so cellRect is where to draw.
    std::function<void(int col, int row, const TRect& cellRect, TCanvas& canvas)> OnDrawCell;

    void Paint(TCanvas& canvas) override;

  private:
    int colCount_ = 5;
    int rowCount_ = 5;
    int colWidth_ = 64;
    int rowHeight_ = 24;
};
