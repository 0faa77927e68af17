// The word-guessing screen: lays out its stage and runs its visit.
#include "Unit3.h"

#include "MatchState.h"
#include "ScreenLayout.h"
#include "Unit4.h"

TForm3* Form3 = nullptr;

TForm3::TForm3(TApplication& app) : TForm(app) {}

void TForm3::FormCreate() {
    Image1 = AddStageImage(*this, "Form3", RGB(255, 246, 196));
    ProgressBar1 = AddVisitBar(*this, 205, 17);
    PlaceOnStage(*ProgressBar1, *Image1, 350, 50);
    skor = AddCentredLabel(*this, "0", MakeFont("Arial Black", -48), 145, 68);
    skor->Name = "skor";
    waktu = AddLabel(*this, "0:00", MakeFont("Arial Black", -48));
    waktu->Name = "waktu";
    PlaceOnStage(*skor, *Image1, 640, -5);
    PlaceOnStage(*waktu, *Image1, 400, -5);
    Timer1 = AddTimer(3000);
    Timer1->OnTimer = [this] { Timer1Timer(); };
}

void TForm3::FormActivate() {
    MatchState.CurrentGameTag = GameTagWordGuess;
    skor->SetCaption(ScoreText(MatchState.MatchScore));
    ProgressBar1->SetPosition(ProgressBar1->Min());
    Timer1->SetEnabled(true);
}

void TForm3::Timer1Timer() {
    ProgressBar1->StepIt();
    if (ProgressBar1->Position() < ProgressBar1->Max()) return;
    ProgressBar1->SetPosition(ProgressBar1->Min());
    Timer1->SetEnabled(false);
    Hide();
    Form4->Show();
}
