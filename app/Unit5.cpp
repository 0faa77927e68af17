// The final score screen: lays out its stage and shows the final score.
#include "Unit5.h"

#include "MatchState.h"
#include "ScreenLayout.h"
#include "TApplication.h"

TForm5* Form5 = nullptr;

TForm5::TForm5(TApplication& app, TMatchShell& shell) : TForm(app), Shell(shell) {}

void TForm5::FormCreate() {
    Image1 = AddStageImage(*this, "Form5", RGB(255, 240, 214));
    skor = AddCentredLabel(*this, "9999", MakeFont("Arial Black", -133, clRed), 356, 187);
    skor->Name = "skor";
    EXIT = AddMenuButton(*this, "EXIT", "Keluar", ccBottleGreen, MakeFont("Verdana", -32, clWhite),
                         185, 65);
    EXIT->OnClick = [this](TControl*) { EXITClick(); };
    PlaceOnStage(*skor, *Image1, 424, 224);
    PlaceOnStage(*EXIT, *Image1, 143, 400);
}

void TForm5::FormActivate() {
    skor->SetCaption(ScoreText(Shell.Score()));
}

// Enter, Space and Escape all press the one button, Keluar.
void TForm5::FormKeyDown(int& key, TShiftState shift) {
    (void)shift;
    if (key == VK_RETURN || key == VK_SPACE || key == VK_ESCAPE)
        EXITClick();
}

void TForm5::EXITClick() {
    Application().Terminate();
}
