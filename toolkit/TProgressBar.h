// A progress bar: a sunken frame filled from the left in proportion to its position.
#pragma once

#include "TControl.h"

class TProgressBar : public TGraphicControl {
  public:
    explicit TProgressBar(TForm* form);

    int Step() const { return step_; }
    int Position() const { return position_; }
    void SetRange(int min, int max);
    void SetStep(int step);
    void SetPosition(int position);  // kept within Min..Max
    void StepIt();                   // Position + Step, wrapping to Min past Max

    // How many pixels of the inside (the width less the frame) stand for the position.
    int FilledWidth() const;

    void Paint(TCanvas& canvas) override;

  private:
    int min_ = 0;
    int max_ = 100;
    int step_ = 10;
    int position_ = 0;
};
