// The word-guessing screen: its stage, clock and score labels, and the visit timer.
#pragma once

#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TProgressBar.h"
#include "TTimer.h"

class TForm3 : public TForm {
public:
    explicit TForm3(TApplication& app);

    void FormCreate() override;
    void FormActivate() override;
    void Timer1Timer();

    TImage* Image1 = nullptr;
    TLabel* waktu = nullptr;
    TLabel* skor = nullptr;
    TProgressBar* ProgressBar1 = nullptr;
    TTimer* Timer1 = nullptr;  // the visit timer, 3000 ms
};

extern TForm3* Form3;
