// The typing screen: its stage, clock and score labels, the visit timer and the partial credit.
#pragma once

#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TProgressBar.h"
#include "TTimer.h"

class TForm4 : public TForm {
public:
    explicit TForm4(TApplication& app);

    void FormCreate() override;
    void FormActivate() override;
    void Timer1Timer();
    // One point for each position at which the typed answer matches the sentence.
    void PartialCredit();

    TImage* Image1 = nullptr;
    TLabel* waktu = nullptr;
    TLabel* skor = nullptr;
    TProgressBar* ProgressBar1 = nullptr;
    TTimer* Timer1 = nullptr;  // the visit timer, 3000 ms
};

extern TForm4* Form4;
