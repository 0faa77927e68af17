// The final score screen: shows the match's score; its button ends the application.
#pragma once

#include "MatchShell.h"
#include "TForm.h"
#include "TFreeButton.h"
#include "TImage.h"
#include "TLabel.h"

class TForm5 : public TForm {
  public:
    TForm5(TApplication& app, TMatchShell& shell);

    void FormCreate() override;
    void FormActivate() override;
    void FormKeyDown(int& key, TShiftState shift) override;
    void EXITClick();

    TImage* Image1 = nullptr;
    TLabel* skor = nullptr;
    TFreeButton* EXIT = nullptr;

  private:
    TMatchShell& Shell;
};

extern TForm5* Form5;
