// The typing screen on the headless backend: answers, hint, visit end, match end, input guards.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "MatchState.h"
#include "Screens.h"
#include "TApplication.h"
#include "TevraResources.h"
#include "TypingModel.h"
#include "Unit1.h"
#include "Unit2.h"
#include "Unit3.h"
#include "Unit4.h"
#include "Unit5.h"
#include "headless/THeadlessBackend.h"
#include "headless/THeadlessDriver.h"

namespace {

const std::string Hint = "Masih ada yang salah perhatikan penulisan setiap huruf.";

// One run of the game with its five screens created and the menu shown. Every message that the
// screens' filter lets through is recorded by a filter installed before the screens exist.
struct TTypingRun {
    TTypingRun() : backend(TSize{1920, 1080}), app(backend), drive(app, backend) {
        MatchState = TMatchState{};
        app.OnMessage = [this](TMessage& message, bool&) { passed.push_back(message.Msg); };
        InstallTevraResources();
        CreateScreens(app);
        Form1->Show();
        drive.Pump();
    }
    void Start() {
        const TControl& start = *Form1->FreeButton1;
        drive.Click(start.Left() + start.Width() / 2, start.Top() + start.Height() / 2);
    }
    // START, then the box-pushing and word-guessing visits, 60 seconds each.
    void ReachTyping() {
        Start();
        drive.Advance(120000);
        ASSERT_TRUE(Form4->Visible());
    }
    const std::string& Sentence() const { return Form4->Game.Puzzle.CurrentSentence; }
    void Answer(const std::string& text) {
        drive.Text(text);
        drive.Key(VK_RETURN);
    }

    THeadlessBackend backend;
    TApplication app;
    THeadlessDriver drive;
    std::vector<std::uint32_t> passed;
};

int Length(const std::string& sentence) {
    return static_cast<int>(CharacterCount(sentence));
}

TEST(TypingScreen, VisitStartsWithTheFirstSentenceScrambledAndTheAnswerBoxFocused) {
    TTypingRun run;
    run.ReachTyping();
    EXPECT_EQ(MatchState.CurrentGameTag, "ketik");
    const typing::TTypingGame& game = Form4->Game;
    EXPECT_EQ(run.Sentence(), game.Bank[static_cast<std::size_t>(game.SentenceOrder[0] - 1)]);
    EXPECT_EQ(Form4->RichEdit1->Text(), game.Puzzle.DisplayLine);
    EXPECT_EQ(Form4->Label1->Caption(), game.Puzzle.DisplayLine);
    EXPECT_TRUE(Form4->Memo1->Focused());
    EXPECT_EQ(Form4->Memo1->MaxLength(), 100u);
    EXPECT_EQ(Form4->Label2->Caption(), "");
    EXPECT_FALSE(Form4->Label1->Visible());
    EXPECT_FALSE(Form4->ListBox1->Visible());
    EXPECT_FALSE(Form4->RichEdit1->Enabled());
    EXPECT_TRUE(run.backend.TextInputEnabled());
}

TEST(TypingScreen, ControlsSitAtTheirStagePositionsAndTheHintIsPaintedOverTheBar) {
    TTypingRun run;
    const TControl& image = *Form4->Image1;
    struct Place {
        const TControl* control;
        int left, top, width, height;
    };
    const Place places[] = {{Form4->RichEdit1, 44, 95, 700, 105},
                            {Form4->Memo1, 44, 320, 710, 113},
                            {Form4->skor, 584, 3, 153, 68},
                            {Form4->ProgressBar1, 350, 50, 205, 17}};
    for (const Place& p : places) {
        EXPECT_EQ(p.control->Left() - image.Left(), p.left) << p.control->Name;
        EXPECT_EQ(p.control->Top() - image.Top(), p.top) << p.control->Name;
        EXPECT_EQ(p.control->Width(), p.width) << p.control->Name;
        EXPECT_EQ(p.control->Height(), p.height) << p.control->Name;
    }
    EXPECT_EQ(Form4->waktu->Left() - image.Left(), 160);
    EXPECT_EQ(Form4->Label2->Left() - image.Left(), 115);
    EXPECT_EQ(Form4->Label2->Top() - image.Top(), 57);
    const auto& controls = Form4->Controls();
    auto indexOf = [&](const TControl* c) {
        return std::find_if(controls.begin(), controls.end(),
                            [c](const auto& owned) { return owned.get() == c; }) -
               controls.begin();
    };
    EXPECT_GT(indexOf(Form4->Label2), indexOf(Form4->ProgressBar1));
}

TEST(TypingScreen, EnterJudgesTheTrimmedAnswerExactly) {
    struct Case {
        const char* name;
        std::string (*typed)(const std::string& sentence);
        bool correct;
    };
    const Case cases[] = {
        {"exact", [](const std::string& s) { return s; }, true},
        {"spaces around", [](const std::string& s) { return "  " + s + "   "; }, true},
        {"first letter in lower case",
         [](const std::string& s) {
             return std::string(1, static_cast<char>(s[0] + 32)) + s.substr(1);
         },
         false},
        {"two spaces inside",
         [](const std::string& s) { return s.substr(0, 5) + " " + s.substr(5); }, false},
        {"a letter missing", [](const std::string& s) { return s.substr(0, s.size() - 1); }, false},
    };
    for (const Case& c : cases) {
        TTypingRun run;
        run.ReachTyping();
        const std::string sentence = run.Sentence();
        const std::string display = Form4->RichEdit1->Text();
        run.Answer(c.typed(sentence));
        if (c.correct) {
            EXPECT_EQ(MatchState.MatchScore, Length(sentence)) << c.name;
            EXPECT_EQ(Form4->skor->Caption(), std::to_string(Length(sentence))) << c.name;
            EXPECT_EQ(Form4->Memo1->Text(), "") << c.name;
            EXPECT_EQ(Form4->Label2->Caption(), "") << c.name;
            EXPECT_NE(run.Sentence(), sentence) << c.name << ": the other sentence comes next";
            EXPECT_EQ(Form4->RichEdit1->Text(), Form4->Game.Puzzle.DisplayLine) << c.name;
            EXPECT_TRUE(Form4->Visible()) << c.name << ": the visit goes on";
        } else {
            EXPECT_EQ(MatchState.MatchScore, 0) << c.name;
            EXPECT_EQ(Form4->Label2->Caption(), Hint) << c.name;
            EXPECT_EQ(Form4->Memo1->Text(), c.typed(sentence)) << c.name << ": kept for correcting";
            EXPECT_EQ(run.Sentence(), sentence) << c.name;
            EXPECT_EQ(Form4->RichEdit1->Text(), display) << c.name;
        }
    }
}

TEST(TypingScreen, SentencesAlternateAndEachCorrectAnswerScoresItsLength) {
    TTypingRun run;
    run.ReachTyping();
    const std::string first = run.Sentence();
    int expected = 0;
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(run.Sentence() == first, i % 2 == 0) << "puzzle " << i;
        expected += Length(run.Sentence());
        run.Answer(run.Sentence());
        EXPECT_EQ(MatchState.MatchScore, expected);
    }
    EXPECT_EQ(Form4->skor->Caption(), std::to_string(expected));
}

TEST(TypingScreen, HintStaysUntilTheNextKeyOfAnyKind) {
    const int nextKeys[] = {VK_LEFT, VK_SHIFT, 'A', VK_BACK};
    for (int key : nextKeys) {
        TTypingRun run;
        run.ReachTyping();
        run.Answer("salah");
        EXPECT_EQ(Form4->Label2->Caption(), Hint);
        run.drive.Advance(6000);  // time alone does not clear it
        EXPECT_EQ(Form4->Label2->Caption(), Hint);
        run.drive.Key(key);
        EXPECT_EQ(Form4->Label2->Caption(), "") << "key " << key;
        run.drive.Key(VK_RETURN);
        EXPECT_EQ(Form4->Label2->Caption(), Hint) << "Enter checks again";
    }
}

TEST(TypingScreen, EnterOnAnEmptyBoxAndARepeatedEnterAfterACorrectAnswerShowTheHint) {
    TTypingRun run;
    run.ReachTyping();
    run.drive.Key(VK_RETURN);
    EXPECT_EQ(Form4->Label2->Caption(), Hint);
    EXPECT_EQ(MatchState.MatchScore, 0);

    run.drive.Key(VK_BACK);
    const int earned = Length(run.Sentence());
    run.drive.Text(run.Sentence());
    run.drive.KeyDown(VK_RETURN);
    EXPECT_EQ(Form4->Label2->Caption(), "");
    run.drive.KeyDown(VK_RETURN, TShiftState::None, true);  // the key held down repeats
    EXPECT_EQ(Form4->Label2->Caption(), Hint);
    EXPECT_EQ(MatchState.MatchScore, earned);
    EXPECT_EQ(Form4->Memo1->Text(), "");
}

TEST(TypingScreen, AnswerBoxTakesAtMostOneHundredCharacters) {
    TTypingRun run;
    run.ReachTyping();
    run.drive.Text(std::string(60, 'a'));
    run.drive.Text(std::string(30, 'e') + "ééééééééééééééééééééé");  // 21 two-byte letters
    EXPECT_EQ(Form4->Memo1->Length(), 100u);
    EXPECT_EQ(CharacterCount(Form4->Memo1->Text()), 100u);
}

TEST(TypingScreen, VisitEndsOnTheTwentiethTickWithThePartialCredit) {
    struct Case {
        const char* name;
        std::string (*typed)(const std::string& sentence);
        int (*credit)(const std::string& sentence);
    };
    const Case cases[] = {
        {"first five letters", [](const std::string& s) { return s.substr(0, 5); },
         [](const std::string&) { return 5; }},
        {"first letter wrong",
         [](const std::string& s) {
             return std::string(1, static_cast<char>(s[0] + 32)) + s.substr(1, 4);
         },
         [](const std::string&) { return 4; }},
        {"nothing typed", [](const std::string&) { return std::string(); },
         [](const std::string&) { return 0; }},
        {"whole sentence, not confirmed", [](const std::string& s) { return s; },
         [](const std::string& s) { return Length(s); }},
        {"sentence and more up to the limit",
         [](const std::string& s) { return s + std::string(100, 'x'); },
         [](const std::string& s) { return Length(s); }},
    };
    for (const Case& c : cases) {
        TTypingRun run;
        run.ReachTyping();
        const std::string sentence = run.Sentence();
        run.drive.Text(c.typed(sentence));
        run.drive.Advance(19 * 3000);
        EXPECT_TRUE(Form4->Visible()) << c.name;
        EXPECT_EQ(Form4->ProgressBar1->Position(), 19) << c.name;
        EXPECT_EQ(MatchState.MatchScore, 0) << c.name;
        run.drive.Advance(3000);
        EXPECT_TRUE(Form2->Visible()) << c.name;
        EXPECT_FALSE(Form4->Visible()) << c.name;
        EXPECT_EQ(MatchState.MatchScore, c.credit(sentence)) << c.name;
        EXPECT_EQ(Form4->ProgressBar1->Position(), 0) << c.name;
    }
}

TEST(TypingScreen, NextVisitStartsEmptyWithTheOtherSentence) {
    TTypingRun run;
    run.ReachTyping();
    const std::string first = run.Sentence();
    run.Answer("belum selesai");
    // One match has room for one typing visit only; give the clock time for a second one.
    MatchState.ClockMinutes = 4;
    run.drive.Advance(180000);
    ASSERT_TRUE(Form4->Visible());
    EXPECT_EQ(Form4->Memo1->Text(), "");
    EXPECT_EQ(Form4->Label2->Caption(), "");
    EXPECT_NE(run.Sentence(), first);
}

TEST(TypingScreen, MatchEndingOnTheTypingScreenCreditsOnce) {
    const int typedLengths[] = {0, 5};
    for (int typedLength : typedLengths) {
        TTypingRun run;
        run.ReachTyping();
        // Let the match clock run out ten seconds into this visit.
        MatchState.ClockMinutes = 0;
        MatchState.ClockSeconds = 10;
        run.drive.Text(run.Sentence().substr(0, static_cast<std::size_t>(typedLength)));
        run.drive.Advance(10000);
        EXPECT_TRUE(Form5->Visible());
        EXPECT_FALSE(Form4->Visible());
        EXPECT_EQ(MatchState.MatchScore, typedLength);
        EXPECT_EQ(Form5->skor->Caption(), std::to_string(typedLength));
        run.drive.Advance(120000);
        EXPECT_EQ(MatchState.MatchScore, typedLength) << "credited twice";
        EXPECT_FALSE(run.app.NextTimerDue().has_value()) << "a timer still runs after the match";
    }
}

TEST(TypingScreen, RightButtonPressesAreDiscardedOnEveryScreenFromStartUp) {
    TTypingRun run;
    auto rightClicks = [&](const char* where) {
        run.passed.clear();
        run.drive.Press(960, 540, TMouseButton::Right);
        run.drive.Release(960, 540, TMouseButton::Right);
        run.drive.Press(960, 540, TMouseButton::Right, 2);
        EXPECT_EQ(std::count(run.passed.begin(), run.passed.end(), WM_RBUTTONDOWN), 0) << where;
        EXPECT_EQ(std::count(run.passed.begin(), run.passed.end(), WM_RBUTTONUP), 1) << where;
        EXPECT_EQ(std::count(run.passed.begin(), run.passed.end(), WM_RBUTTONDBLCLK), 1) << where;
    };
    rightClicks("menu, before the typing screen was ever shown");
    run.Start();
    rightClicks("box pushing");
    run.drive.Advance(60000);
    rightClicks("word guessing");
    run.drive.Advance(60000);
    ASSERT_TRUE(Form4->Visible());
    rightClicks("typing");
    const TControl& memo = *Form4->Memo1;
    run.passed.clear();
    run.drive.Click(memo.Left() + 10, memo.Top() + 10, TMouseButton::Right);
    EXPECT_EQ(std::count(run.passed.begin(), run.passed.end(), WM_RBUTTONDOWN), 0);
    run.drive.Advance(60000);
    rightClicks("box pushing, after the typing screen");
    run.drive.Advance(180000);
    ASSERT_TRUE(Form5->Visible());
    rightClicks("final score");
    // Left presses and keys pass.
    run.passed.clear();
    run.drive.Click(10, 10);
    EXPECT_EQ(std::count(run.passed.begin(), run.passed.end(), WM_LBUTTONDOWN), 1);
}

TEST(TypingScreen, ClickOnTheScreenSurfaceFocusesTheAnswerBox) {
    TTypingRun run;
    run.ReachTyping();
    Form4->FocusControl(nullptr);
    run.drive.Click(10, 10);  // outside the stage: the screen's own surface
    EXPECT_TRUE(Form4->Memo1->Focused());
    run.drive.Text("ok");
    EXPECT_EQ(Form4->Memo1->Text(), "ok");
}

TEST(TypingScreen, ExactlyTheFourScrambledWordsAreRed) {
    TTypingRun run;
    run.ReachTyping();
    for (int puzzle = 0; puzzle < 12; ++puzzle) {
        const typing::SentencePuzzle& shown = Form4->Game.Puzzle;
        const std::string& line = shown.DisplayLine;
        ASSERT_EQ(Form4->RichEdit1->Text(), line);
        std::vector<TColorRun> red;
        for (const TColorRun& run : Form4->RichEdit1->ColorRuns()) {
            if (run.Color == TForm4::Red) {
                red.push_back(run);
            } else {
                EXPECT_EQ(run.Color, TForm4::Black);
            }
        }
        ASSERT_EQ(red.size(), 4u) << line;
        std::vector<std::size_t> starts = shown.WordStarts;
        std::sort(starts.begin(), starts.end());
        for (std::size_t i = 0; i < red.size(); ++i) {
            const TColorRun& r = red[i];
            EXPECT_EQ(r.Start, starts[i]) << line;
            // A whole word: a space or the line's start before it, a space after it.
            EXPECT_TRUE(r.Start == 0 || line[r.Start - 1] == ' ') << line;
            EXPECT_EQ(line[r.Start + r.Length], ' ') << line;
            EXPECT_EQ(line.substr(r.Start, r.Length).find(' '), std::string::npos) << line;
        }
        run.Answer(shown.CurrentSentence);
    }
}

}  // namespace
