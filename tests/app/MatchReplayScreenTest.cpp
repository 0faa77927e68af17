// Whole matches replayed through the headless driver, one ending on each game screen, with the
// final score worked out from the pupil's moves.
#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

#include "GameRun.h"
#include "TFontEngine.h"

namespace {

// Key sequences that solve the two shipped levels from their start.
const char* const SolutionOf[] = {"", "LDDRUUURDRDLULLDDRUULURDRU", "RDDLRUULDUULLDDR"};

// The pupil's side of a match: keys, typed text and waiting, with the virtual time kept.
struct TPupil {
    TGameRun run;
    std::uint64_t elapsedMs = 0;

    void Wait(std::uint64_t ms) {
        run.drive.Advance(ms);
        elapsedMs += ms;
    }
    // Waits, half a second at a time, until the visible screen hands over to the next.
    void UntilHandOver() {
        TForm* const before = VisibleForm();
        for (int i = 0; i < 130 && VisibleForm() == before; ++i)
            Wait(500);
        ASSERT_NE(VisibleForm(), before) << "the visit never ended";
    }
    // Waits, half a second at a time, for the final screen; notes when it came.
    void UntilMatchEnd() {
        for (int i = 0; i < 200 && VisibleForm() != Form5; ++i)
            Wait(500);
        endedAtMs = elapsedMs;
    }
    std::uint64_t endedAtMs = 0;

    void SolveLevel() {
        ASSERT_EQ(VisibleForm(), Form2);
        const int level = Form2->Visit.LevelOrder[Form2->Visit.LevelSlot - 1];
        for (char c : std::string(SolutionOf[level])) {
            run.drive.Key(c == 'L' ? VK_LEFT : c == 'U' ? VK_UP : c == 'R' ? VK_RIGHT : VK_DOWN);
        }
        ASSERT_NE(VisibleForm(), Form2) << "the level was not solved";
    }
    void Letter(char letter) {
        run.drive.KeyDown(static_cast<unsigned char>(std::toupper(letter)));
        run.drive.Text(std::string(1, letter));
        run.drive.KeyUp(static_cast<unsigned char>(std::toupper(letter)));
    }
    // Letters the current word does not hold, or each letter it holds once.
    void WrongLetters(int count) {
        const std::string& answer = Form3->Game.CurrentAnswer;
        for (char c = 'A'; c <= 'Z' && count > 0; ++c) {
            if (answer.find(c) == std::string::npos) {
                Letter(c);
                --count;
            }
        }
    }
    void RightLetters() {
        const std::string answer = Form3->Game.CurrentAnswer;
        std::string done;
        for (char c : answer) {
            if (c != ' ' && done.find(c) == std::string::npos) {
                Letter(c);
                done += c;
            }
        }
    }
    void NextQuestion() {
        run.drive.KeyDown(VK_SPACE);
        run.drive.Text(" ");
        run.drive.KeyUp(VK_SPACE);
    }
    const std::string& Sentence() const { return Form4->Game.Puzzle.CurrentSentence; }
    // Types the shown sentence and Enter; returns what it scores.
    int AnswerSentence() {
        const int earned = static_cast<int>(DecodeUtf8(Sentence()).size());
        run.drive.Text(Sentence());
        run.drive.Key(VK_RETURN);
        return earned;
    }
    // Types the first characters of the shown sentence, without Enter.
    void StartSentence(int characters) {
        run.drive.Text(Sentence().substr(0, static_cast<std::size_t>(characters)));
    }
};

struct TReplay {
    const char* name;
    // Plays the match; returns the score the moves earn.
    std::function<int(TPupil&)> play;
    const char* endsOn;  // the game on screen when the clock ran out
};

const TReplay Replays[] = {
    {"ends on word guessing",
     [](TPupil& p) {
         p.run.drive.Key(VK_LEFT);  // box pushing, left unsolved
         p.UntilHandOver();
         p.RightLetters();  // word guessing: +50, then one wrong (-3) and solved (+49)
         p.Wait(2000);
         p.NextQuestion();
         p.WrongLetters(1);
         p.RightLetters();
         p.UntilHandOver();
         const int sentence = p.AnswerSentence();  // typing: one sentence, five letters more
         p.StartSentence(5);
         p.UntilHandOver();
         p.UntilHandOver();  // box pushing again, untouched
         p.WrongLetters(2);  // the unfinished word earns nothing at the match's end
         p.UntilMatchEnd();
         return 50 - 3 + 49 + sentence + 5 - 6;
     },
     GameTagWordGuess},
    {"ends on box pushing",
     [](TPupil& p) {
         p.SolveLevel();     // +70: solved before the visit's first tick
         p.WrongLetters(7);  // the word lost: -21
         p.NextQuestion();
         p.UntilHandOver();
         const int sentence = p.AnswerSentence();
         p.UntilHandOver();
         p.Wait(6000);  // two ticks of the visit gone: +50 + 18
         p.SolveLevel();
         p.UntilHandOver();  // word guessing, untouched
         p.StartSentence(3);
         p.UntilHandOver();
         p.run.drive.Key(VK_UP);  // the unfinished level earns nothing at the match's end
         p.UntilMatchEnd();
         return 70 - 21 + sentence + 68 + 3;
     },
     GameTagBoxPush},
    {"ends on typing with an unfinished answer",
     [](TPupil& p) {
         p.SolveLevel();
         p.RightLetters();
         p.UntilHandOver();
         p.UntilHandOver();  // typing, nothing typed
         p.UntilHandOver();  // box pushing, unsolved
         p.WrongLetters(1);
         p.UntilHandOver();
         p.StartSentence(7);  // credited once, by the match's end
         p.UntilMatchEnd();
         return 70 + 50 - 3 + 7;
     },
     GameTagTyping},
};

TEST(MatchReplay, EachMatchEndsAtFiveMinutesOnItsScreenWithTheScoreItsMovesEarned) {
    for (const TReplay& replay : Replays) {
        SCOPED_TRACE(replay.name);
        TPupil pupil;
        pupil.run.Start();
        const int expected = replay.play(pupil);
        ASSERT_FALSE(::testing::Test::HasFatalFailure());
        ASSERT_EQ(VisibleForm(), Form5);
        EXPECT_EQ(MatchState.CurrentGameTag, replay.endsOn) << "the game on screen at the end";
        EXPECT_EQ(pupil.endedAtMs, 300000u) << "the match lasts five minutes";
        EXPECT_EQ(MatchState.MatchScore, expected);
        EXPECT_EQ(Form5->skor->Caption(), std::to_string(expected));
        EXPECT_FALSE(pupil.run.app.NextTimerDue().has_value()) << "a timer runs after the match";
    }
}

}  // namespace
