// The word-guessing screen: category, pattern, letters, wrong marks, reward picture and the visit.
#pragma once

#include <array>
#include <string>

#include "GameScreen.h"
#include "TEdit.h"
#include "TForm.h"
#include "TFreeButton.h"
#include "TImage.h"
#include "TLabel.h"
#include "TListBox.h"
#include "TTimer.h"
#include "WordGuessModel.h"

class TForm3 : public TGameScreen {
  public:
    TForm3(TApplication& app, TMatchShell& shell);

    void FormCreate() override;
    void FormActivate() override;
    void FormDestroy() override;
    void Edit1KeyDown(int& key, TShiftState shift);
    void Edit2KeyDown(int& key, TShiftState shift);
    void FreeButton1Click();

    // The file registered for the pattern face: the working directory plus /int/Model.TTF,
    // else Model.TTF in the installed game's data folder.
    static std::string PatternFontPath();

    TImage* Image1 = nullptr;
    TFreeButton* FreeButton1 = nullptr;  // the next-question button
    TImage* Image2 = nullptr;            // placeholder or reward picture
    TImage* Image3 = nullptr;            // hidden: holds the placeholder
    TLabel* Label1 = nullptr;            // the pattern
    TLabel* Label2 = nullptr;            // the category
    TLabel* Label3 = nullptr;            // the description, once a question has ended
    std::array<TLabel*, wordguess::WrongGuessesAllowed> salah{};  // salah1 .. salah7
    std::array<TLabel*, 26> Letters{};  // A .. Z, named A ... Z with Ia, Ja and Sa
    TEdit* Edit1 = nullptr;             // takes the letter keys while guessing
    TEdit* Edit2 = nullptr;             // takes Space once a question has ended
    TListBox* ListBox1 = nullptr;       // hidden: answers
    TListBox* ListBox2 = nullptr;       // hidden: categories
    TListBox* ListBox3 = nullptr;       // hidden: descriptions
    TTimer* Timer1 = nullptr;           // the visit timer, 3000 ms

    wordguess::TWordGuessGame Game;

    static constexpr TColor Red = 255;  // the wrong marks

  private:
    void VisitOver() override;
    void ShowQuestion(const wordguess::QuestionView& view);
    void ShowOutcome(const wordguess::GuessOutcome& outcome);
    // The letters on screen, the wrong marks and the pictures, for a fresh question.
    void ClearQuestionArea();
    void MoveInputTo(TEdit* active, TEdit* inactive);
    void ShowAllLetters();  // the labels' half of awal
    void hapushuruf();

    std::string patternFont_;  // the file registered for the pattern face
};

extern TForm3* Form3;
