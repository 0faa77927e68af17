// The typing screen: the scrambled sentence in red, the answer box, scoring and the input guards.
#pragma once

#include "GameScreen.h"
#include "Messages.h"
#include "TForm.h"
#include "TImage.h"
#include "TLabel.h"
#include "TListBox.h"
#include "TMemo.h"
#include "TRichEdit.h"
#include "TTimer.h"
#include "TypingModel.h"

class TForm4 : public TGameScreen {
  public:
    TForm4(TApplication& app, TMatchShell& shell);

    void FormCreate() override;
    void FormActivate() override;
    void FormClick() override;
    void Memo1KeyDown(int& key, TShiftState shift);
    // One point for each position at which the typed answer matches the sentence. The visit's end
    // adds it to the score, and so does the shell when the match ends on this screen.
    std::int32_t CreditAtMatchEnd() const override;
    // The application-wide filter: discards every right-button press, for every screen.
    void ApplicationEvents1Message(TMessage& message, bool& handled);

    TImage* Image1 = nullptr;
    TRichEdit* RichEdit1 = nullptr;
    TMemo* Memo1 = nullptr;
    TLabel* Label2 = nullptr;      // the hint line
    TLabel* Label1 = nullptr;      // hidden: the line under construction
    TListBox* ListBox1 = nullptr;  // hidden: the sentence bank
    TTimer* Timer1 = nullptr;      // the visit timer, 3000 ms

    typing::TTypingGame Game;

    static constexpr TColor Red = 255;  // the scrambled words
    static constexpr TColor Black = 0;  // everything else in the puzzle line

  private:
    void VisitOver() override;
    // Puts the puzzle in Game on screen: the hidden line, the text box, the red words.
    void ShowPuzzle();
};

extern TForm4* Form4;
