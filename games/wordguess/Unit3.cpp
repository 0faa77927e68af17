// The word-guessing screen: lays out its stage, turns keys and clicks into guesses, runs its visit.
#include "Unit3.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "Platform.h"
#include "ScreenLayout.h"
#include "SysColors.h"
#include "TApplication.h"
#include "TFontEngine.h"

TForm3* Form3 = nullptr;

namespace {

constexpr const char* PatternFace = "abjad";
constexpr const char* PlaceholderPicture = "Question";
constexpr const char* NextQuestionCaption = "Klik Soal Berikutnya/ tekan Spasi";

// Stage lefts of the letter labels. The upper row has the "I" at 500 instead of 490, so the row
// is written out; the lower row keeps its 55-pixel step.
constexpr int UpperRowLefts[13] = {50, 105, 160, 215, 270, 325, 380, 435, 500, 545, 600, 655, 710};
constexpr int UpperRowTop = 475;
constexpr int LowerRowTop = 517;
constexpr int WrongMarkTop = 140;
constexpr int PatternLeft = 16;
// The pattern's rows on the stage: the top of the highest one, and the step down to the next.
constexpr int PatternRowTop = 285;
constexpr int PatternRowStep = 30;

std::string LetterLabelName(char letter) {
    // I, J and S would clash with other names in the design, so they carry an "a".
    if (letter == 'I' || letter == 'J' || letter == 'S')
        return std::string(1, letter) + "a";
    return std::string(1, letter);
}

// The letter keys send their upper-case code whatever the shift state; no other key is a guess.
bool IsLetterKey(int key) {
    return key >= 'A' && key <= 'Z';
}

// The input boxes only pass keys on: typed text is thrown away as soon as it arrives.
void KeepEmpty(TControl* sender) {
    auto* box = static_cast<TEdit*>(sender);
    if (!box->Text().empty())
        box->Clear();
}

// Why a pattern font file could not be registered, for the one line that says so.
const char* PatternFontProblem(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status))
        return "is missing";
    if (!std::filesystem::is_regular_file(status))
        return "is not a file";
    if (std::filesystem::file_size(path, error) == 0)
        return "is empty";
    return "is not a font the game can read";
}

}  // namespace

TForm3::TForm3(TApplication& app, TMatchShell& shell) : TGameScreen(app, shell, TGame::WordGuess) {}

std::string TForm3::PatternFontPath() {
    std::error_code error;
    const std::filesystem::path directory = std::filesystem::current_path(error);
    // Without a working directory the path names no file, and the pattern falls back to
    // another face.
    const std::string local = (error ? std::string() : directory.string()) + "/int/Model.TTF";
    if (std::filesystem::exists(local, error))
        return local;
    // An installed game keeps its font in its data folder, found from the executable's own
    // place so that any install prefix works.
    const std::filesystem::path program = ExecutablePath();
    if (program.empty())
        return local;
    const std::filesystem::path installed =
        (program.parent_path() / TEVRA_DATA_FROM_EXECUTABLE / "Model.TTF").lexically_normal();
    return std::filesystem::exists(installed, error) ? installed.string() : local;
}

void TForm3::FormCreate() {
    Image1 = AddStageImage(*this, "Form3", RGB(255, 246, 196));
    ProgressBar1 = AddVisitBar(*this, 205, 17);
    PlaceOnStage(*ProgressBar1, *Image1, 350, 50);

    // Without the file the pattern is drawn in a fallback face; the game plays on, and says so.
    patternFont_ = PatternFontPath();
    if (!TFontEngine::Instance().AddPrivateFont(patternFont_)) {
        std::fprintf(stderr,
                     "tevra: the pattern font %s %s; the pattern is drawn in another face\n",
                     patternFont_.c_str(), PatternFontProblem(patternFont_));
    }

    const TColor text = GetSysColor(COLOR_WINDOWTEXT);
    Label1 = AddCentredLabel(*this, "", MakeFont(PatternFace, -48, text), 769, 177);
    Label1->Name = "Label1";
    Label1->SetWordWrap(true);
    Label2 = AddCentredLabel(*this, "", MakeFont("Arial Black", -27, text), 409, 30);
    Label2->Name = "Label2";
    Label3 = AddCentredLabel(*this, "", MakeFont("MS Sans Serif", -16, text), 521, 97);
    Label3->Name = "Label3";
    Label3->SetAlignment(TAlignment::LeftJustify);
    Label3->SetWordWrap(true);
    // Its box keeps clear of the bar above it, so the line is set in the middle of the label.
    Label3->SetLayout(TTextLayout::Center);
    const TFont clockFont = MakeFont("Arial Black", -48, text);
    skor = AddCentredLabel(*this, "0", clockFont, 145, 68);
    skor->Name = "skor";
    waktu = AddLabel(*this, "0:00", clockFont);
    waktu->Name = "waktu";
    Image2 = Add<TImage>();
    Image2->Name = "Image2";
    Image2->SetBounds(0, 0, 200, 200);
    Image3 = Add<TImage>();
    Image3->Name = "Image3";
    Image3->SetBounds(0, 0, 200, 200);
    Image3->Hide();
    TBitmap placeholder;
    LoadPictureResource(placeholder, PlaceholderPicture);
    Image3->SetPicture(placeholder);

    PlaceOnStage(*Label1, *Image1, PatternLeft, 304);
    PlaceOnStage(*Label2, *Image1, 280, 225);
    PlaceOnStage(*Label3, *Image1, 264, 64);
    PlaceOnStage(*skor, *Image1, 640, -5);
    PlaceOnStage(*waktu, *Image1, 400, -5);
    PlaceOnStage(*Image2, *Image1, 48, 64);

    const TFont letterFont = MakeFont("Arial Black", -48, text);
    for (int index = 0; index < 26; ++index) {
        const char letter = static_cast<char>('A' + index);
        TLabel* label = AddLabel(*this, std::string(1, letter), letterFont);
        label->Name = LetterLabelName(letter);
        if (index < 13) {
            PlaceOnStage(*label, *Image1, UpperRowLefts[index], UpperRowTop);
        } else {
            PlaceOnStage(*label, *Image1, 50 + 55 * (index - 13), LowerRowTop);
        }
        Letters[static_cast<std::size_t>(index)] = label;
    }
    const TFont markFont = MakeFont("Arial Black", -64, Red);
    for (std::size_t mark = 0; mark < salah.size(); ++mark) {
        salah[mark] = AddLabel(*this, "X", markFont);
        salah[mark]->Name = "salah" + std::to_string(mark + 1);
        salah[mark]->Hide();
        PlaceOnStage(*salah[mark], *Image1, 400 + 50 * static_cast<int>(mark), WrongMarkTop);
    }

    Edit1 = Add<TEdit>();
    Edit1->Name = "Edit1";
    Edit1->SetBounds(0, 0, 0, 21);
    Edit1->OnKeyDown = [this](TControl*, int& key, TShiftState shift) { Edit1KeyDown(key, shift); };
    Edit1->OnChange = KeepEmpty;
    PlaceOnStage(*Edit1, *Image1, 1, 1);
    Edit2 = Add<TEdit>();
    Edit2->Name = "Edit2";
    Edit2->SetBounds(0, 0, 0, 21);
    Edit2->SetEnabled(false);
    Edit2->OnKeyDown = [this](TControl*, int& key, TShiftState shift) { Edit2KeyDown(key, shift); };
    Edit2->OnChange = KeepEmpty;

    FreeButton1 = Add<TFreeButton>();
    FreeButton1->Name = "FreeButton1";
    FreeButton1->SetCustomColor(ccNone);
    FreeButton1->SetBackColor(clBlack);
    FreeButton1->SetFont(MakeFont("Verdana", -13, clWhite));
    FreeButton1->SetCaption(NextQuestionCaption);
    // The caption fills the button's width: the corner light would sit on its last letter.
    FreeButton1->SetDrawLight(false);
    FreeButton1->SetBounds(0, 0, 241, 31);
    FreeButton1->OnClick = [this](TControl*) { FreeButton1Click(); };
    FreeButton1->Hide();
    PlaceOnStage(*FreeButton1, *Image1, 24, 8);

    ListBox1 = Add<TListBox>();
    ListBox1->Name = "ListBox1";
    ListBox2 = Add<TListBox>();
    ListBox2->Name = "ListBox2";
    ListBox3 = Add<TListBox>();
    ListBox3->Name = "ListBox3";
    for (const wordguess::QuestionEntry& entry : wordguess::ShippedQuestionBank()) {
        ListBox1->Items.push_back(entry.Answer);
        ListBox2->Items.push_back(entry.Category);
        ListBox3->Items.push_back(entry.Description);
    }

    Timer1 = AddVisitTimer();

    // acak; the pointer starts at 1.
    Game = wordguess::CreateWordGuess(Shell.Random());
}

void TForm3::FormActivate() {
    BeginVisit();
    ClearQuestionArea();
    ShowQuestion(wordguess::StartVisit(Game));
    MoveInputTo(Edit1, Edit2);
    Timer1->SetEnabled(true);
}

// The file registered at creation, even if the working directory has changed since.
void TForm3::FormDestroy() {
    TFontEngine::Instance().RemovePrivateFont(patternFont_);
}

void TForm3::Edit1KeyDown(int& key, TShiftState shift) {
    (void)shift;  // either case is the same key
    if (IsLetterKey(key))
        ShowOutcome(wordguess::GuessLetter(Game, static_cast<char>(key)));
    Edit1->Clear();
}

void TForm3::Edit2KeyDown(int& key, TShiftState shift) {
    (void)shift;
    const auto view = key == VK_SPACE ? wordguess::AskNextQuestion(Game) : std::nullopt;
    Edit2->Clear();
    if (!view)
        return;
    ClearQuestionArea();
    MoveInputTo(Edit1, Edit2);
    ShowQuestion(*view);
}

void TForm3::FreeButton1Click() {
    // The button is only visible once a question has ended, so nothing else is checked.
    ClearQuestionArea();
    MoveInputTo(Edit1, Edit2);
    ShowQuestion(wordguess::NextQuestion(Game));
}

// No more input; the next visit opens with the following question.
void TForm3::VisitOver() {
    Edit1->SetEnabled(false);
    Edit2->SetEnabled(false);
    wordguess::EndVisit(Game);
}

void TForm3::ShowQuestion(const wordguess::QuestionView& view) {
    Label2->SetCaption(view.Category);
    Label1->SetCaption(view.Pattern);
    Label1->SetBounds(Image1->Left() + PatternLeft,
                      Image1->Top() + PatternRowTop + PatternRowStep * view.PatternRow,
                      Label1->Width(), Label1->Height());
}

void TForm3::ShowOutcome(const wordguess::GuessOutcome& outcome) {
    if (outcome.Result == wordguess::GuessResult::Ignored)
        return;
    Label1->SetCaption(outcome.Pattern);
    if (outcome.ScoreDelta != 0) {
        Shell.AddToScore(outcome.ScoreDelta);
        ShowScore();
    }
    if (outcome.WrongMarkShown > 0)
        salah[static_cast<std::size_t>(outcome.WrongMarkShown - 1)]->Show();
    if (outcome.QuestionEnded()) {
        hapushuruf();
        Label3->SetCaption(outcome.Description);
        TBitmap reward;
        if (!outcome.RewardPicture.empty() && LoadPictureResource(reward, outcome.RewardPicture)) {
            Image2->SetPicture(reward);
        }
        FreeButton1->Show();
        MoveInputTo(Edit2, Edit1);
    }
    Letters[static_cast<std::size_t>(outcome.Letter - 'A')]->Hide();
}

void TForm3::ClearQuestionArea() {
    for (TLabel* mark : salah)
        mark->Hide();
    FreeButton1->Hide();
    ShowAllLetters();
    Label3->SetCaption("");
    Image2->SetPicture(Image3->Picture());
}

void TForm3::MoveInputTo(TEdit* active, TEdit* inactive) {
    inactive->SetEnabled(false);
    active->SetEnabled(true);
    active->SetFocus();
}

void TForm3::ShowAllLetters() {
    for (TLabel* letter : Letters)
        letter->Show();
}

void TForm3::hapushuruf() {
    for (TLabel* letter : Letters)
        letter->Hide();
}
