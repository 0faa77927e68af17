// The word-guessing screen on the headless backend: guesses, rewards, next question, visit end.
#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "MatchState.h"
#include "Screens.h"
#include "TApplication.h"
#include "TFontEngine.h"
#include "TevraResources.h"
#include "Unit1.h"
#include "Unit3.h"
#include "Unit4.h"
#include "WordGuessModel.h"
#include "headless/THeadlessBackend.h"
#include "headless/THeadlessDriver.h"

namespace {

constexpr int StageLeft = (1920 - 800) / 2;
constexpr int StageTop = (1080 - 600) / 2;

// One run of the game on a 1920 x 1080 headless display, with the menu shown.
struct TWordGuessRun {
    TWordGuessRun() : backend(TSize{1920, 1080}), app(backend), drive(app, backend) {
        MatchState = TMatchState{};
        InstallTevraResources();
        CreateScreens(app);
        Form1->Show();
        drive.Pump();
    }
    void Click(const TControl& control) {
        drive.Click(control.Left() + control.Width() / 2, control.Top() + control.Height() / 2);
    }
    // START, then the box-pushing visit runs out untouched.
    void ReachWordGuess() {
        Click(*Form1->FreeButton1);
        drive.Advance(60000);
        ASSERT_TRUE(Form3->Visible());
    }
    // A letter as a keyboard gives it: the key code, then the typed character.
    void Type(char letter, TShiftState shift = TShiftState::None) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(letter)));
        drive.KeyDown(upper, shift);
        drive.Text(std::string(1, letter));
        drive.KeyUp(upper, shift);
    }
    void TypeAll(const std::string& letters) {
        for (char letter : letters)
            Type(letter);
    }
    void Space() {
        drive.KeyDown(VK_SPACE);
        drive.Text(" ");
        drive.KeyUp(VK_SPACE);
    }

    THeadlessBackend backend;
    TApplication app;
    THeadlessDriver drive;
};

const std::string& Answer() {
    return Form3->Game.CurrentAnswer;
}
int Entry() {
    return wordguess::CurrentEntry(Form3->Game);
}

// Each letter of the answer once, in the order they first appear.
std::string RightLetters(const std::string& answer) {
    std::string letters;
    for (char c : answer) {
        if (c != ' ' && letters.find(c) == std::string::npos)
            letters += c;
    }
    return letters;
}

std::string WrongLetters(const std::string& answer, std::size_t count) {
    std::string letters;
    for (char c = 'A'; c <= 'Z' && letters.size() < count; ++c) {
        if (answer.find(c) == std::string::npos)
            letters += c;
    }
    return letters;
}

int VisibleMarks() {
    return static_cast<int>(std::count_if(Form3->salah.begin(), Form3->salah.end(),
                                          [](const TLabel* mark) { return mark->Visible(); }));
}

int VisibleLetters() {
    return static_cast<int>(std::count_if(Form3->Letters.begin(), Form3->Letters.end(),
                                          [](const TLabel* letter) { return letter->Visible(); }));
}

TBitmap Resource(const std::string& name) {
    TBitmap picture;
    EXPECT_TRUE(picture.LoadFromResource(name, nullptr)) << name;
    return picture;
}

void ExpectFreshQuestion(const char* when) {
    SCOPED_TRACE(when);
    EXPECT_EQ(VisibleLetters(), 26);
    EXPECT_EQ(VisibleMarks(), 0);
    EXPECT_EQ(Form3->Label3->Caption(), "");
    EXPECT_TRUE(Form3->Image2->Picture() == Resource("Question"));
    EXPECT_FALSE(Form3->FreeButton1->Visible());
    EXPECT_TRUE(Form3->Edit1->Focused());
    EXPECT_FALSE(Form3->Edit2->Enabled());
    EXPECT_EQ(Form3->Label1->Caption(), wordguess::MakePattern(Answer()));
    const wordguess::QuestionEntry& entry = Form3->Game.Bank[static_cast<std::size_t>(Entry() - 1)];
    EXPECT_EQ(Form3->Label2->Caption(), entry.Category);
    EXPECT_EQ(Answer(), entry.Answer);
}

void ExpectEndedQuestion(const char* when) {
    SCOPED_TRACE(when);
    EXPECT_EQ(Form3->Label1->Caption(), Answer());
    EXPECT_EQ(VisibleLetters(), 0);
    EXPECT_EQ(Form3->Label3->Caption(),
              Form3->ListBox3->Items[static_cast<std::size_t>(Entry() - 1)]);
    EXPECT_TRUE(Form3->Image2->Picture() == Resource("H" + std::to_string(Entry())));
    EXPECT_TRUE(Form3->FreeButton1->Visible());
    EXPECT_TRUE(Form3->Edit2->Focused());
    EXPECT_FALSE(Form3->Edit1->Enabled());
}

TEST(WordGuessScreen, ScriptedPupilSolvesQuestionAfterQuestionUntilTheVisitEnds) {
    TWordGuessRun run;
    run.ReachWordGuess();
    std::vector<int> asked;
    int solved = 0;
    while (Form3->Visible()) {
        asked.push_back(Entry());
        const int before = MatchState.MatchScore;
        run.TypeAll(RightLetters(Answer()));
        if (!Form3->Visible())
            break;
        ASSERT_TRUE(Form3->Game.QuestionFinished);
        ++solved;
        EXPECT_EQ(MatchState.MatchScore, before + 50);
        EXPECT_EQ(Form3->skor->Caption(), std::to_string(MatchState.MatchScore));
        run.drive.Advance(2500);  // reading the description
        if (Form3->Visible())
            run.Space();
    }
    EXPECT_TRUE(Form4->Visible());
    EXPECT_GE(solved, 20);  // 60 seconds at 2.5 seconds a question
    EXPECT_EQ(MatchState.MatchScore, 50 * solved);
    for (std::size_t i = 0; i < asked.size(); ++i) {
        EXPECT_EQ(asked[i], Form3->Game.Order[i % 5]) << "question " << i;
        EXPECT_NE(asked[i], 6);
    }
}

TEST(WordGuessScreen, EveryVisitStartsWithAFreshQuestion) {
    TWordGuessRun run;
    run.ReachWordGuess();
    EXPECT_EQ(MatchState.CurrentGameTag, "hangman");
    EXPECT_EQ(Form3->ProgressBar1->Position(), 0);
    EXPECT_EQ(Form3->Game.QuestionPointer, 1);
    ExpectFreshQuestion("first visit");
    // Leave the question lost, with the button, marks and reward on screen.
    run.TypeAll(WrongLetters(Answer(), 7));
    run.drive.Advance(180000);  // the rest of this visit, typing, box pushing
    ASSERT_TRUE(Form3->Visible());
    EXPECT_EQ(Form3->ProgressBar1->Position(), 0);
    EXPECT_EQ(Form3->Game.QuestionPointer, 2);
    EXPECT_EQ(Form3->skor->Caption(), "-21");
    ExpectFreshQuestion("second visit");
}

TEST(WordGuessScreen, EndedQuestionShowsAnswerDescriptionRewardAndButton) {
    struct Case {
        const char* name;
        int wrongGuesses;
        bool solve;
        int scoreChange;
    };
    const Case cases[] = {
        {"solved at once", 0, true, 50},
        {"solved after six wrong", 6, true, 44 - 18},
        {"lost at the seventh wrong", 7, false, -21},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TWordGuessRun run;
        run.ReachWordGuess();
        run.TypeAll(WrongLetters(Answer(), static_cast<std::size_t>(c.wrongGuesses)));
        EXPECT_EQ(VisibleMarks(), c.wrongGuesses);
        if (c.solve) {
            EXPECT_FALSE(Form3->FreeButton1->Visible());
            run.TypeAll(RightLetters(Answer()));
        }
        EXPECT_EQ(MatchState.MatchScore, c.scoreChange);
        EXPECT_EQ(Form3->skor->Caption(), std::to_string(c.scoreChange));
        ExpectEndedQuestion(c.name);
        // Letters typed now change nothing.
        run.TypeAll("EAZ");
        EXPECT_EQ(MatchState.MatchScore, c.scoreChange);
        EXPECT_EQ(VisibleMarks(), c.wrongGuesses);
    }
}

TEST(WordGuessScreen, NextQuestionBySpaceOrByTheButton) {
    const char* const ways[] = {"space", "button"};
    for (const char* way : ways) {
        SCOPED_TRACE(way);
        TWordGuessRun run;
        run.ReachWordGuess();
        const int first = Entry();
        run.Type(WrongLetters(Answer(), 1)[0]);
        run.Space();  // not yet: the question is still open
        EXPECT_EQ(Entry(), first);
        EXPECT_EQ(VisibleMarks(), 1);
        run.TypeAll(RightLetters(Answer()));
        ASSERT_TRUE(Form3->FreeButton1->Visible());
        run.drive.Advance(3000);
        if (std::string(way) == "space") {
            run.Space();
        } else {
            run.Click(*Form3->FreeButton1);
        }
        EXPECT_EQ(Form3->Game.QuestionPointer, 2);
        EXPECT_EQ(Entry(), Form3->Game.Order[1]);
        ExpectFreshQuestion(way);
        EXPECT_EQ(Form3->ProgressBar1->Position(), 1) << "the visit's time goes on";
        EXPECT_EQ(MatchState.MatchScore, 49 - 3);
        // The new question takes letters at once.
        run.Type(Answer()[0]);
        EXPECT_EQ(VisibleLetters(), 25);
    }
}

TEST(WordGuessScreen, TheTwentiethTickHandsOverToTheTypingScreen) {
    TWordGuessRun run;
    run.ReachWordGuess();
    run.drive.Advance(57000);
    EXPECT_TRUE(Form3->Visible());
    EXPECT_EQ(Form3->ProgressBar1->Position(), 19);
    run.TypeAll(WrongLetters(Answer(), 2));
    run.drive.Advance(3000);
    EXPECT_FALSE(Form3->Visible());
    EXPECT_TRUE(Form4->Visible());
    EXPECT_EQ(MatchState.CurrentGameTag, "ketik");
    EXPECT_FALSE(Form3->Timer1->Enabled());
    EXPECT_FALSE(Form3->Edit1->Enabled());
    EXPECT_FALSE(Form3->Edit2->Enabled());
    EXPECT_EQ(Form3->ProgressBar1->Position(), 0);
    EXPECT_EQ(Form3->Game.QuestionPointer, 2) << "an unfinished question still moves the pointer";
    EXPECT_EQ(MatchState.MatchScore, -6);
}

TEST(WordGuessScreen, PatternSitsLowerForShorterAnswers) {
    TWordGuessRun run;
    run.ReachWordGuess();
    // Losing each question brings the next: all five come up in one visit.
    for (int question = 0; question < 5; ++question) {
        SCOPED_TRACE(Answer());
        const std::size_t length = Answer().size();
        const int expected = length > 20 ? 285 : length > 13 ? 315 : 345;
        EXPECT_EQ(Form3->Label1->Top(), StageTop + expected);
        EXPECT_EQ(Form3->Label1->Left(), StageLeft + 16);
        EXPECT_EQ(Form3->Label1->Lines().size(), 1u) << "the pattern wraps";
        run.TypeAll(WrongLetters(Answer(), 7));
        run.Space();
    }
    EXPECT_EQ(MatchState.MatchScore, -105);
    EXPECT_EQ(Form3->skor->Caption(), "-105");
}

TEST(WordGuessScreen, LettersCountInEitherCaseOnceAndOtherKeysDoNothing) {
    TWordGuessRun run;
    run.ReachWordGuess();
    const char right = Answer()[0];
    const char wrong = WrongLetters(Answer(), 1)[0];
    const char lowerRight = static_cast<char>(std::tolower(static_cast<unsigned char>(right)));
    run.Type(lowerRight);
    EXPECT_NE(Form3->Label1->Caption().find(right), std::string::npos);
    EXPECT_FALSE(Form3->Letters[static_cast<std::size_t>(right - 'A')]->Visible());
    run.Type(right, TShiftState::Shift);
    run.Type(wrong);
    run.Type(static_cast<char>(std::tolower(static_cast<unsigned char>(wrong))));
    // 97 and 122 are keys of the numeric pad and F11, not lower-case letters.
    for (int key : {int{VK_SPACE}, int{VK_RETURN}, int{'5'}, int{VK_BACK}, 97, 122})
        run.drive.Key(key);
    EXPECT_EQ(VisibleMarks(), 1);
    EXPECT_EQ(MatchState.MatchScore, -3);
    EXPECT_EQ(VisibleLetters(), 24);
    EXPECT_EQ(Form3->Edit1->Text(), "") << "the letter box collects typed text";
    EXPECT_TRUE(Form3->Edit1->Focused());
}

TEST(WordGuessScreen, ControlsSitAtTheirStagePositions) {
    TWordGuessRun run;
    run.ReachWordGuess();
    struct Place {
        const TControl* control;
        int left, top, width, height;  // width and height 0: not checked
    };
    const Place places[] = {
        {Form3->Image1, 0, 0, 800, 600},      {Form3->waktu, 400, -5, 0, 0},
        {Form3->skor, 640, -5, 145, 68},      {Form3->ProgressBar1, 350, 50, 205, 17},
        {Form3->FreeButton1, 24, 8, 241, 31}, {Form3->Image2, 48, 64, 200, 200},
        {Form3->Label3, 264, 64, 521, 97},    {Form3->Label2, 280, 225, 409, 30},
        {Form3->salah[0], 400, 140, 0, 0},    {Form3->salah[6], 700, 140, 0, 0},
        {Form3->Letters[0], 50, 475, 0, 0},   {Form3->Letters[7], 435, 475, 0, 0},
        {Form3->Letters[8], 500, 475, 0, 0},  {Form3->Letters[9], 545, 475, 0, 0},
        {Form3->Letters[12], 710, 475, 0, 0}, {Form3->Letters[13], 50, 517, 0, 0},
        {Form3->Letters[25], 710, 517, 0, 0}, {Form3->Edit1, 1, 1, 0, 21},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.control->Name);
        EXPECT_EQ(place.control->Left(), StageLeft + place.left);
        EXPECT_EQ(place.control->Top(), StageTop + place.top);
        if (place.height == 0)
            continue;
        EXPECT_EQ(place.control->Width(), place.width);
        EXPECT_EQ(place.control->Height(), place.height);
    }
    EXPECT_EQ(Form3->Letters[8]->Name, "Ia");
    EXPECT_EQ(Form3->Letters[18]->Name, "Sa");
    EXPECT_EQ(Form3->Label1->Width(), 769);
    EXPECT_EQ(Form3->Label1->Height(), 177);
    for (const TListBox* list : {Form3->ListBox1, Form3->ListBox2, Form3->ListBox3}) {
        EXPECT_FALSE(list->Visible());
        EXPECT_EQ(list->Items.size(), 6u);
    }
    EXPECT_EQ(Form3->ListBox1->Items[5], "BIBIR");
}

TEST(WordGuessScreen, WrongMarksAppearInRedOnTheScreen) {
    TWordGuessRun run;
    run.ReachWordGuess();
    auto redPixelsIn = [&run](const TControl& control) {
        int count = 0;
        for (int y = control.Top(); y < control.Top() + control.Height(); ++y) {
            for (int x = control.Left(); x < control.Left() + control.Width(); ++x) {
                if (run.drive.Screen().Pixel(x, y) == clRed)
                    ++count;
            }
        }
        return count;
    };
    EXPECT_EQ(redPixelsIn(*Form3->salah[0]), 0);
    run.TypeAll(WrongLetters(Answer(), 2));
    EXPECT_GT(redPixelsIn(*Form3->salah[0]), 50);
    EXPECT_GT(redPixelsIn(*Form3->salah[1]), 50);
    EXPECT_EQ(redPixelsIn(*Form3->salah[2]), 0);
}

// The repository root, from this file's place in it.
std::filesystem::path RepositoryRoot() {
    return std::filesystem::path(__FILE__).parent_path().parent_path().parent_path();
}

// Runs the game from the given working directory and puts the old one back afterwards.
struct TWorkingDirectory {
    explicit TWorkingDirectory(const std::filesystem::path& directory)
        : previous(std::filesystem::current_path()) {
        std::filesystem::current_path(directory);
    }
    ~TWorkingDirectory() { std::filesystem::current_path(previous); }
    std::filesystem::path previous;
};

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() >= end.size() &&
           text.compare(text.size() - end.size(), end.size(), end) == 0;
}

TEST(WordGuessScreen, PatternFontIsRegisteredForTheScreensLifeOnly) {
    const std::filesystem::path root = RepositoryRoot();
    if (!std::filesystem::exists(root / "int" / "Model.TTF"))
        GTEST_SKIP() << "no pattern font";
    TFont pattern;
    pattern.Name = "abjad";
    {
        TWorkingDirectory inRoot(root);
        auto run = std::make_unique<TWordGuessRun>();
        const std::string registered = TFontEngine::Instance().ResolveFile(pattern);
        EXPECT_TRUE(EndsWith(registered, "int/Model.TTF"));
        EXPECT_EQ(Form3->Label1->Font().Name, "abjad");
        run.reset();
        // (The Windows game still has its own copy of the face.)
        EXPECT_NE(TFontEngine::Instance().ResolveFile(pattern), registered);
    }
}

TEST(WordGuessScreen, WithoutTheFontFileTheScreenStillPlays) {
    const std::filesystem::path empty =
        std::filesystem::temp_directory_path() / ("wordguess-nofont-" + std::to_string(getpid()));
    std::filesystem::create_directories(empty);
    {
        TWorkingDirectory elsewhere(empty);
        TWordGuessRun run;
        run.ReachWordGuess();
        run.TypeAll(RightLetters(Answer()));
        EXPECT_EQ(MatchState.MatchScore, 50);
        ExpectEndedQuestion("no font");
    }
    std::filesystem::remove_all(empty);
}

}  // namespace
