// The menu screen: START begins the match, KELUAR ends the application.
#pragma once

#include "MatchShell.h"
#include "TForm.h"
#include "TFreeButton.h"
#include "TImage.h"
#include "TLabel.h"

class TForm1 : public TForm {
  public:
    TForm1(TApplication& app, TMatchShell& shell);

    void FormCreate() override;
    void FormKeyDown(int& key, TShiftState shift) override;
    void FreeButton1Click();  // START
    void FreeButton5Click();  // KELUAR

    TImage* Image1 = nullptr;
    TFreeButton* FreeButton1 = nullptr;
    TFreeButton* FreeButton5 = nullptr;
    TLabel* Label1 = nullptr;

  private:
    TMatchShell& Shell;
};

extern TForm1* Form1;
