// The box-pushing screen: translates keys, clicks and ticks into the board model and repaints.
#include "Unit2.h"

#include <cstdio>

#include "ScreenLayout.h"
#include "TCanvas.h"
#include "TResources.h"

TForm2* Form2 = nullptr;

namespace {

const TColor BoxPushGround = RGB(255, 236, 200);

boxpush::CellCode CellAt(const boxpush::TBoxPushGame& game, int col, int row) {
    return game.Board[col][row];
}

}  // namespace

TForm2::TForm2(TApplication& app, TMatchShell& shell) : TGameScreen(app, shell, TGame::BoxPush) {}

void TForm2::FormCreate() {
    // Layout on the stage, in the design's order.
    Image1 = AddStageImage(*this, "Form2", BoxPushGround);
    dg = Add<TDrawGrid>();
    dg->Name = "dg";
    dg->SetColCount(boxpush::BoardColumns);
    dg->SetRowCount(boxpush::BoardRows);
    dg->SetDefaultColWidth(40);
    dg->SetDefaultRowHeight(40);
    dg->SetBounds(0, 0, 600, 480);
    dg->OnDrawCell = [this](int col, int row, const TRect& rect, TCanvas& canvas) {
        dgDrawCell(col, row, rect, canvas);
    };
    dg->OnKeyDown = [this](TControl*, int& key, TShiftState shift) { dgKeyDown(key, shift); };

    const TFont buttonFont = MakeFont("Arial Black", -21);
    Button1 = Add<TButton>();
    Button1->Name = "Button1";
    Button1->SetCaption("RESET");
    Button1->SetFont(buttonFont);
    Button1->SetBounds(0, 0, 100, 40);
    Button1->OnClick = [this](TControl*) { Button1Click(); };
    Button3 = Add<TButton>();
    Button3->Name = "Button3";
    Button3->SetCaption("UNDO");
    Button3->SetFont(buttonFont);
    Button3->SetBounds(0, 0, 100, 40);
    Button3->SetEnabled(false);
    Button3->OnClick = [this](TControl*) { Button3Click(); };

    ProgressBar1 = AddVisitBar(*this, 205, 17);
    skor = AddCentredLabel(*this, "0", MakeFont("Arial Black", -48), 153, 68);
    skor->Name = "skor";
    waktu = AddLabel(*this, "5:00", MakeFont("Arial Black", -48));
    waktu->Name = "waktu";

    PlaceOnStage(*dg, *Image1, 100, 100);
    PlaceOnStage(*Button1, *Image1, 309, 25);
    PlaceOnStage(*Button3, *Image1, 421, 25);
    PlaceOnStage(*ProgressBar1, *Image1, 307, 72);
    PlaceOnStage(*skor, *Image1, 616, 3);
    PlaceOnStage(*waktu, *Image1, 144, 3);

    Timer1 = AddTimer(1000);
    Timer1->OnTimer = [this] { Timer1Timer(); };
    Timer2 = AddVisitTimer();

    // The five fixed tiles, then the box pair of a freshly drawn style.
    const char* const fixedTiles[] = {"F0", "F1", "F2", nullptr, "F4", "F100", nullptr};
    for (std::size_t code = 0; code < TileSet.size(); ++code) {
        if (fixedTiles[code] != nullptr)
            LoadPictureResource(TileSet[code], fixedTiles[code]);
    }
    DrawNewBoxStyle();

    acak();
    Visit.LevelSlot = 1;
    Game.BoardReady = false;
    boxpush::MarkSnapshotsEmpty(Game);
}

void TForm2::FormActivate() {
    BeginVisit();
    const int levelNumber = boxpush::LevelToPlay(Visit);
    ReportLoad(levelNumber, boxpush::StartVisit(Game, LevelMapText(levelNumber)));
    MirrorUndoButton();
    dg->Invalidate();
    GiveGridFocus();
    Timer1->SetEnabled(true);
    Timer2->SetEnabled(true);
}

// The match clock runs on this screen too.
void TForm2::StopTimers() {
    Timer1->SetEnabled(false);
    TGameScreen::StopTimers();
}

void TForm2::FormClose() {
    for (TBitmap& tile : TileSet)
        tile = TBitmap();
    TForm::FormClose();
}

void TForm2::acak() {
    Visit.LevelOrder = boxpush::acak(Shell.Random());
}

std::string TForm2::LevelMapText(int levelNumber) {
    TResourceBytes bytes;
    std::string error;
    if (!FindResource(boxpush::LevelMapName(levelNumber), &bytes, &error)) {
        std::fprintf(stderr, "tevra: %s\n", error.c_str());
        return std::string();
    }
    return std::string(reinterpret_cast<const char*>(bytes.Data), bytes.Size);
}

void TForm2::ReportLoad(int levelNumber, const boxpush::LoadOutcome& outcome) {
    if (outcome.Error.Fault == boxpush::LevelMapFault::None)
        return;
    std::fprintf(stderr, "tevra: level map %s: %s\n", boxpush::LevelMapName(levelNumber).c_str(),
                 outcome.Error.Message.c_str());
}

void TForm2::dgDrawCell(int col, int row, const TRect& rect, TCanvas& canvas) {
    const auto code = static_cast<std::int32_t>(CellAt(Game, col, row));
    if (code < 0 || code >= static_cast<std::int32_t>(TileSet.size()))
        return;
    canvas.Draw(rect.Left, rect.Top, TileSet[static_cast<std::size_t>(code)]);
}

void TForm2::dgKeyDown(int& key, TShiftState) {
    boxpush::Direction direction;
    switch (key) {
        case VK_LEFT:
            direction = boxpush::Direction::Left;
            break;
        case VK_UP:
            direction = boxpush::Direction::Up;
            break;
        case VK_RIGHT:
            direction = boxpush::Direction::Right;
            break;
        case VK_DOWN:
            direction = boxpush::Direction::Down;
            break;
        default:
            return;
    }
    const boxpush::StepOutcome outcome = boxpush::PressArrow(Game, direction);
    if (outcome.Effect == boxpush::KeyEffect::Ignored)
        return;
    MirrorUndoButton();
    RedrawCells(outcome.Changed);
    if (outcome.Level == boxpush::LevelState::Solved)
        LevelSolved();
}

void TForm2::RedrawCells(const boxpush::ChangedCells& cells) {
    for (const boxpush::CellPosition& cell : cells)
        dg->InvalidateCell(cell.Col, cell.Row);
}

void TForm2::LevelSolved() {
    Shell.AddToScore(boxpush::WinBonus(VisitClock.TicksLeft()));
    ShowScore();
    EndVisit();
}

// Won or timed out: the other level and a new box style next time.
void TForm2::VisitOver() {
    boxpush::EndVisit(Visit, Shell.Random());
    LoadBoxTiles();
}

void TForm2::Button1Click() {
    const int levelNumber = boxpush::LevelToPlay(Visit);
    ReportLoad(levelNumber, boxpush::PressReset(Game, LevelMapText(levelNumber)));
    MirrorUndoButton();
    dg->Invalidate();
    GiveGridFocus();
}

void TForm2::Button3Click() {
    const boxpush::UndoOutcome outcome = boxpush::PressUndo(Game);
    if (outcome.Repaint == boxpush::GridRepaint::Whole)
        dg->Invalidate();
    MirrorUndoButton();
    GiveGridFocus();
}

// The match clock lives on this screen, but the match is the shell's.
void TForm2::Timer1Timer() {
    Shell.ClockTicked();
}

void TForm2::DrawNewBoxStyle() {
    Visit.BoxStyle = boxpush::DrawBoxStyle(Shell.Random());
    LoadBoxTiles();
}

void TForm2::LoadBoxTiles() {
    LoadPictureResource(TileSet[3], boxpush::BoxTileName(Visit.BoxStyle));
    LoadPictureResource(TileSet[6], boxpush::BoxOnTargetTileName(Visit.BoxStyle));
    dg->Invalidate();
}

void TForm2::MirrorUndoButton() {
    Button3->SetEnabled(Game.UndoEnabled);
}

void TForm2::GiveGridFocus() {
    if (dg->CanFocus())
        dg->SetFocus();
}
