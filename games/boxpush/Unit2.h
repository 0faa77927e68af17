// The box-pushing screen: its board, tiles, RESET and UNDO, the visit timer and the match clock.
#pragma once

#include <array>
#include <string>

#include "BoxPushGame.h"
#include "GameScreen.h"
#include "TBitmap.h"
#include "TButton.h"
#include "TDrawGrid.h"
#include "TForm.h"
#include "TImage.h"
#include "TTimer.h"

class TForm2 : public TGameScreen {
  public:
    TForm2(TApplication& app, TMatchShell& shell);

    void FormCreate() override;
    void FormActivate() override;
    void FormClose() override;
    void StopTimers() override;

    // Handlers, named after their control and event.
    void dgDrawCell(int col, int row, const TRect& rect, TCanvas& canvas);
    void dgKeyDown(int& key, TShiftState shift);
    void Timer1Timer();
    void Button1Click();
    void Button3Click();

    void acak();

    TImage* Image1 = nullptr;
    TDrawGrid* dg = nullptr;
    TButton* Button1 = nullptr;  // RESET
    TButton* Button3 = nullptr;  // UNDO
    TTimer* Timer1 = nullptr;    // the match clock, 1000 ms; it ticks the shell
    TTimer* Timer2 = nullptr;    // the visit timer, 3000 ms

    boxpush::TBoxPushGame Game;
    boxpush::TBoxPushVisit Visit;    // level order and slot, box style
    std::array<TBitmap, 7> TileSet;  // one picture per cell code 0..6

  private:
    void VisitOver() override;
    void LoadBoxTiles();
    void RedrawCells(const boxpush::ChangedCells& cells);
    void MirrorUndoButton();
    void GiveGridFocus();
    void LevelSolved();
    void DrawNewBoxStyle();
    void ReportLoad(int levelNumber, const boxpush::LoadOutcome& outcome);
    std::string LevelMapText(int levelNumber);
};

extern TForm2* Form2;
