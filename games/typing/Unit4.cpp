// The typing screen: lays out its stage and runs its visit.
#include "Unit4.h"

#include "MatchState.h"
#include "ScreenLayout.h"
#include "Unit2.h"

TForm4* Form4 = nullptr;

TForm4::TForm4(TApplication& app) : TForm(app) {}

void TForm4::FormCreate() {
    Image1 = AddStageImage(*this, "Form4", RGB(214, 236, 255));
    skor = AddCentredLabel(*this, "0", MakeFont("Arial Black", -48), 153, 68);
    skor->Name = "skor";
    waktu = AddLabel(*this, "0:00", MakeFont("Arial Black", -48));
    waktu->Name = "waktu";
    ProgressBar1 = AddVisitBar(*this, 205, 17);
    PlaceOnStage(*skor, *Image1, 584, 3);
    PlaceOnStage(*waktu, *Image1, 160, 3);
    PlaceOnStage(*ProgressBar1, *Image1, 350, 50);
    Timer1 = AddTimer(3000);
    Timer1->OnTimer = [this] { Timer1Timer(); };
}

void TForm4::FormActivate() {
    MatchState.CurrentGameTag = GameTagTyping;
    skor->SetCaption(ScoreText(MatchState.MatchScore));
    ProgressBar1->SetPosition(ProgressBar1->Min());
    Timer1->SetEnabled(true);
}

void TForm4::Timer1Timer() {
    ProgressBar1->StepIt();
    if (ProgressBar1->Position() != ProgressBar1->Max()) return;
    ProgressBar1->SetPosition(ProgressBar1->Min());
    Timer1->SetEnabled(false);
    PartialCredit();
    Hide();
    Form2->Show();
}

// FIXME: the answer box comes with the typing game; until then there is nothing to credit.
void TForm4::PartialCredit() {}
