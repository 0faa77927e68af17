// The typing screen: lays out its stage, shows each puzzle, judges the answer and runs its visit.
#include "Unit4.h"

#include <utility>

#include "ScreenLayout.h"
#include "SysColors.h"
#include "TApplication.h"

TForm4* Form4 = nullptr;

namespace {

constexpr TColor HintGreen = RGB(0, 128, 0);

}  // namespace

TForm4::TForm4(TApplication& app, TMatchShell& shell) : TGameScreen(app, shell, TGame::Typing) {}

void TForm4::FormCreate() {
    Image1 = AddStageImage(*this, "Form4", RGB(214, 236, 255));
    const TFont boxFont = MakeFont("Arial Black", -24, clBlack);

    RichEdit1 = Add<TRichEdit>();
    RichEdit1->Name = "RichEdit1";
    RichEdit1->SetFont(boxFont);
    RichEdit1->SetBounds(0, 0, 700, 105);
    RichEdit1->SetEnabled(false);

    Memo1 = Add<TMemo>();
    Memo1->Name = "Memo1";
    Memo1->SetFont(boxFont);
    Memo1->SetBounds(0, 0, 710, 113);
    Memo1->OnKeyDown = [this](TControl*, int& key, TShiftState shift) { Memo1KeyDown(key, shift); };

    const TFont clockFont = MakeFont("Arial Black", -48, GetSysColor(COLOR_WINDOWTEXT));
    skor = AddCentredLabel(*this, "0", clockFont, 153, 68);
    skor->Name = "skor";
    waktu = AddLabel(*this, "0:00", clockFont);
    waktu->Name = "waktu";
    ProgressBar1 = AddVisitBar(*this, 205, 17);
    // The hint line fills the gap between the bar's foot and the puzzle box: its label reaches
    // down to the box and sets the line at its foot, clear of the bar. Made after the bar, it is
    // painted on top of it all the same.
    Label2 = AddLabel(*this, "", MakeFont("Arial Black", -19, HintGreen));
    Label2->Name = "Label2";
    Label2->SetAutoSize(false);
    Label2->SetLayout(TTextLayout::Bottom);
    Label2->SetBounds(0, 0, 640, 31);

    Label1 = Add<TLabel>();
    Label1->Name = "Label1";
    Label1->Hide();
    ListBox1 = Add<TListBox>();
    ListBox1->Name = "ListBox1";
    ListBox1->Items = typing::ShippedSentenceBank();

    PlaceOnStage(*RichEdit1, *Image1, 44, 95);
    PlaceOnStage(*Memo1, *Image1, 44, 320);
    PlaceOnStage(*skor, *Image1, 584, 3);
    PlaceOnStage(*waktu, *Image1, 160, 3);
    PlaceOnStage(*Label2, *Image1, 115, 57);
    PlaceOnStage(*ProgressBar1, *Image1, 350, 50);

    Timer1 = AddVisitTimer();

    // The filter serves the whole application from now on, the menu included; one installed
    // before it keeps getting what this one lets through.
    auto previous = std::move(Application().OnMessage);
    Application().OnMessage = [this, previous](TMessage& message, bool& handled) {
        ApplicationEvents1Message(message, handled);
        if (!handled && previous)
            previous(message, handled);
    };

    // acak; the pointer starts at 0.
    Game = typing::CreateTyping(Shell.Random(), ListBox1->Items);
}

void TForm4::FormActivate() {
    BeginVisit();
    Label1->SetCaption("");
    Label2->SetCaption("");
    RichEdit1->Clear();
    typing::BuildNextPuzzle(Game, Shell.Random());
    ShowPuzzle();
    Memo1->Clear();
    Memo1->SetFocus();
    Memo1->SetMaxLength(typing::AnswerCharacterLimit);
    Timer1->SetEnabled(true);
}

void TForm4::FormClick() {
    Memo1->SetFocus();
}

void TForm4::Memo1KeyDown(int& key, TShiftState shift) {
    (void)shift;  // the modifiers are not looked at
    // Every key takes the hint away; Enter gives the answer, the other keys edit it as usual.
    if (key != VK_RETURN) {
        Label2->SetCaption("");
        return;
    }
    const typing::AnswerOutcome outcome = typing::SubmitAnswer(Game, Memo1->Text(), Shell.Random());
    Label2->SetCaption(outcome.Hint);
    if (outcome.Verdict != typing::AnswerVerdict::Correct)
        return;
    Shell.AddToScore(outcome.ScoreDelta);
    ShowScore();
    Label1->SetCaption("");
    Memo1->Clear();
    RichEdit1->Clear();
    ShowPuzzle();
}

// The answer as far as it is typed earns its partial credit.
void TForm4::VisitOver() {
    Shell.AddToScore(CreditAtMatchEnd());
}

std::int32_t TForm4::CreditAtMatchEnd() const {
    return typing::PartialCredit(Memo1->Text(), Game.Puzzle.CurrentSentence);
}

void TForm4::ApplicationEvents1Message(TMessage& message, bool& handled) {
    if (message.Msg == WM_RBUTTONDOWN)
        handled = true;
}

void TForm4::ShowPuzzle() {
    const typing::SentencePuzzle& puzzle = Game.Puzzle;
    Label1->SetCaption(puzzle.DisplayLine);
    RichEdit1->SetText(Label1->Caption());
    RichEdit1->SetSelStart(0);
    RichEdit1->SetSelLength(RichEdit1->Length());
    RichEdit1->SetSelColor(Black);
    for (const typing::RedRange& range : puzzle.RedRanges) {
        RichEdit1->SetSelStart(range.Start);
        RichEdit1->SetSelLength(range.Length);
        RichEdit1->SetSelColor(Red);
    }
}
