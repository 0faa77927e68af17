// The menu screen: lays out its stage and starts the one match of the run.
#include "Unit1.h"

#include "ScreenLayout.h"
#include "SysColors.h"
#include "TApplication.h"

TForm1* Form1 = nullptr;

TForm1::TForm1(TApplication& app, TMatchShell& shell) : TForm(app), Shell(shell) {}

void TForm1::FormCreate() {
    Image1 = AddStageImage(*this, "Form1", RGB(255, 240, 214));
    const TFont buttonFont = MakeFont("Verdana", -21, clWhite);
    FreeButton1 = AddMenuButton(*this, "FreeButton1", "START", ccEmerald, buttonFont, 250, 50);
    FreeButton1->OnClick = [this](TControl*) { FreeButton1Click(); };
    FreeButton5 = AddMenuButton(*this, "FreeButton5", "KELUAR", ccRoyal, buttonFont, 250, 50);
    FreeButton5->OnClick = [this](TControl*) { FreeButton5Click(); };
    Label1 = AddLabel(*this, "Tevra Kelas 4",
                      MakeFont("Arial Black", -37, GetSysColor(COLOR_WINDOWTEXT)));
    Label1->Name = "Label1";

    PlaceOnStage(*FreeButton1, *Image1, 480, 150);
    PlaceOnStage(*FreeButton5, *Image1, 480, 390);
    PlaceOnStage(*Label1, *Image1, 40, 392);
}

// Nothing on the menu takes the focus, so its keys come here: Enter or Space is START, Escape
// is KELUAR.
void TForm1::FormKeyDown(int& key, TShiftState shift) {
    (void)shift;
    if (key == VK_RETURN || key == VK_SPACE) {
        FreeButton1Click();
    } else if (key == VK_ESCAPE) {
        FreeButton5Click();
    }
}

void TForm1::FreeButton1Click() {
    Shell.StartMatch();
}

void TForm1::FreeButton5Click() {
    Application().Terminate();
}
