// Tests of the word-guessing rules: order, pattern, guesses, scores and the visit flow.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "ScriptedSource.h"
#include "WordGuessModel.h"

namespace wordguess {
namespace {

// A game over the given bank with the unshuffled order, as creation leaves it before acak.
TWordGuessGame GameWithOrder(QuestionBank Bank, QuestionOrder Order = {1, 2, 3, 4, 5}) {
    TWordGuessGame Game;
    Game.Bank = std::move(Bank);
    Game.Order = Order;
    Game.QuestionPointer = 1;
    return Game;
}

QuestionBank BankOfAnswers(const std::vector<std::string>& Answers) {
    QuestionBank Bank;
    for (std::size_t Index = 0; Index < Answers.size(); ++Index) {
        Bank.push_back({Answers[Index], "KATEGORI", "Keterangan " + std::to_string(Index + 1),
                        "H" + std::to_string(Index + 1)});
    }
    return Bank;
}

// Presses the letters of Keys one by one and returns the last outcome.
GuessOutcome Press(TWordGuessGame& Game, const std::string& Keys, int& MatchScore) {
    GuessOutcome Last;
    for (char Key : Keys) {
        Last = GuessLetter(Game, Key);
        MatchScore += Last.ScoreDelta;
    }
    return Last;
}

TEST(WordGuessPattern, HidesLettersAndPlacesByLength) {
    struct Case {
        std::string Answer;
        std::string Pattern;
        int Row;
    };
    const std::vector<Case> Cases = {
        {"TELINGA", "-------", 2},
        {"PESAWAT TERBANG", "------- -------", 1},
        {"KORVIANA TAMBELOR PUTRI", "-------- -------- -----", 0},
        {"ABCDEFGHIJKLM", "-------------", 2},                  // 13
        {"ABCDEFG ABCDEF", "------- ------", 1},                // 14
        {"ABCDEFGHIJ ABCDEFGHI", "---------- ---------", 1},    // 20
        {"ABCDEFGHIJ ABCDEFGHIJ", "---------- ----------", 0},  // 21
        {"JALAN-2 KAFE", "------2 ----", 2},
        {"KAF\xC3\x89 ABCDEFGH", "---\xC3\x89 --------", 2},  // 13 characters, 14 bytes
        {"Ibu KOTA", "-bu ----", 2},
    };
    for (const Case& Each : Cases) {
        TWordGuessGame Game = GameWithOrder(BankOfAnswers({Each.Answer, "B", "C", "D", "E"}));
        const QuestionView View = StartVisit(Game);
        EXPECT_EQ(View.Pattern, Each.Pattern) << Each.Answer;
        EXPECT_EQ(View.PatternRow, Each.Row) << Each.Answer;
        EXPECT_EQ(View.Category, "KATEGORI");
    }
}

TEST(WordGuessGuessing, RevealsScoresAndEndsQuestions) {
    struct Case {
        const char* Name;
        std::string Answer;
        std::string Keys;
        GuessResult LastResult;
        std::string Pattern;
        int ScoreChange;
        int WrongCount;
    };
    const std::vector<Case> Cases = {
        {"all occurrences at once", "PESAWAT TERBANG", "A", GuessResult::RightLetter,
         "---A-A- ----A--", 0, 0},
        {"solved without a wrong guess", "TANGAN", "TANG", GuessResult::Solved, "TANGAN", 50, 0},
        {"solved after six wrong", "TANGAN", "BCDEFHTANG", GuessResult::Solved, "TANGAN", -18 + 44,
         6},
        {"six wrong so far", "TANGAN", "BCDEFH", GuessResult::WrongLetter, "------", -18, 6},
        {"lost at the seventh wrong", "TANGAN", "TBCDEFHI", GuessResult::Lost, "TANGAN", -21, 7},
        {"repeated right letter", "TANGAN", "AA", GuessResult::Ignored, "-A--A-", 0, 0},
        {"repeated wrong letter", "TANGAN", "ZZ", GuessResult::Ignored, "------", -3, 1},
        {"keys after solving", "TANGAN", "TANGBCD", GuessResult::Ignored, "TANGAN", 50, 0},
        {"keys after losing", "TANGAN", "BCDEFHIJKT", GuessResult::Ignored, "TANGAN", -21, 7},
        {"only letters outside A..Z left", "JALAN-2 KAF\xC3\x89", "JALNKF", GuessResult::Solved,
         "JALAN-2 KAF\xC3\x89", 50, 0},
    };
    for (const Case& Each : Cases) {
        TWordGuessGame Game = GameWithOrder(BankOfAnswers({Each.Answer, "B", "C", "D", "E"}));
        StartVisit(Game);
        int MatchScore = 0;
        const GuessOutcome Last = Press(Game, Each.Keys, MatchScore);
        EXPECT_EQ(Last.Result, Each.LastResult) << Each.Name;
        EXPECT_EQ(Game.Pattern, Each.Pattern) << Each.Name;
        EXPECT_EQ(Last.Pattern, Each.Pattern) << Each.Name;
        EXPECT_EQ(MatchScore, Each.ScoreChange) << Each.Name;
        EXPECT_EQ(Game.WrongCount, Each.WrongCount) << Each.Name;
    }
}

TEST(WordGuessGuessing, IgnoresEverythingButTheCapitalLetters) {
    // A letter key arrives as its capital whatever the case; anything else is no guess.
    const std::string Others{'\0', '\b', '\r', ' ', '0', '9', '@', '[', '`', 'a', 'z', '\xFF'};
    for (char Key : Others) {
        TWordGuessGame Game = GameWithOrder(BankOfAnswers({"TANGAN", "B", "C", "D", "E"}));
        StartVisit(Game);
        const TWordGuessGame Before = Game;
        int MatchScore = 7;
        const GuessOutcome Outcome = Press(Game, std::string(1, Key), MatchScore);
        EXPECT_EQ(Outcome.Result, GuessResult::Ignored) << Key;
        EXPECT_EQ(Outcome.Letter, 0) << Key;
        EXPECT_EQ(MatchScore, 7) << Key;
        EXPECT_EQ(Game, Before) << Key;
    }
}

TEST(WordGuessGuessing, WrongMarksCountUpAndTheSeventhRevealsTheAnswer) {
    TWordGuessGame Game = GameWithOrder(ShippedQuestionBank());
    StartVisit(Game);  // entry 1, "TELINGA"
    int MatchScore = 10;
    const std::string WrongLetters = "BCDFHJK";
    for (std::size_t Index = 0; Index < WrongLetters.size(); ++Index) {
        const GuessOutcome Outcome = Press(Game, WrongLetters.substr(Index, 1), MatchScore);
        EXPECT_EQ(Outcome.WrongMarkShown, static_cast<int>(Index) + 1);
        EXPECT_EQ(Outcome.ScoreDelta, -3);
        EXPECT_EQ(Outcome.Letter, WrongLetters[Index]);
        EXPECT_EQ(Outcome.QuestionEnded(), Index == WrongLetters.size() - 1);
    }
    EXPECT_EQ(MatchScore, -11);
    EXPECT_EQ(Game.Pattern, "TELINGA");
    EXPECT_TRUE(Game.QuestionFinished);
    EXPECT_FALSE(Game.GuessingOpen);
}

TEST(WordGuessGuessing, EndedQuestionShowsDescriptionAndReward) {
    struct Case {
        std::string Keys;
        GuessResult Result;
    };
    for (const Case& Each :
         {Case{"PESAWTRBNG", GuessResult::Solved}, Case{"CDFHIJK", GuessResult::Lost}}) {
        TWordGuessGame Game = GameWithOrder(ShippedQuestionBank(), {3, 1, 2, 4, 5});
        StartVisit(Game);
        int MatchScore = 0;
        const GuessOutcome Outcome = Press(Game, Each.Keys, MatchScore);
        EXPECT_EQ(Outcome.Result, Each.Result);
        EXPECT_EQ(Outcome.Description, "Alat transportasi udara");
        EXPECT_EQ(Outcome.RewardPicture, "H3");
        EXPECT_EQ(Outcome.Pattern, "PESAWAT TERBANG");
    }
}

TEST(WordGuessFlow, TheNextQuestionComesOnlyAfterTheEnd) {
    TWordGuessGame Game = GameWithOrder(ShippedQuestionBank(), {4, 2, 1, 3, 5});
    EXPECT_EQ(StartVisit(Game).Pattern, "------");  // "TANGAN"
    int MatchScore = 0;
    EXPECT_FALSE(AskNextQuestion(Game).has_value());
    Press(Game, "TAN", MatchScore);
    EXPECT_FALSE(AskNextQuestion(Game).has_value());
    EXPECT_EQ(Game.QuestionPointer, 1);
    Press(Game, "G", MatchScore);

    const std::optional<QuestionView> Next = AskNextQuestion(Game);
    ASSERT_TRUE(Next.has_value());
    EXPECT_EQ(Next->Pattern, "-------- -------- -----");
    EXPECT_EQ(Next->Category, "TOKOH DI INDONESIA");
    EXPECT_EQ(Game.QuestionPointer, 2);
    EXPECT_EQ(Game.WrongCount, 0);
    EXPECT_TRUE(Game.GuessingOpen);
    EXPECT_FALSE(Game.QuestionFinished);
    EXPECT_TRUE(std::all_of(Game.LetterAvailable.begin(), Game.LetterAvailable.end(),
                            [](bool Available) { return Available; }));
    // The letters used on the previous question count again.
    EXPECT_EQ(Press(Game, "T", MatchScore).Result, GuessResult::RightLetter);
}

TEST(WordGuessFlow, VisitEndAdvancesThePointerAndVisitStartDoesNot) {
    TWordGuessGame Game = GameWithOrder(ShippedQuestionBank(), {5, 4, 3, 2, 1});
    const std::vector<std::string> Expected = {
        "JANTUNG", "TANGAN", "PESAWAT TERBANG", "KORVIANA TAMBELOR PUTRI", "TELINGA", "JANTUNG"};
    int MatchScore = 0;
    for (std::size_t Visit = 0; Visit < Expected.size(); ++Visit) {
        StartVisit(Game);
        EXPECT_EQ(Game.CurrentAnswer, Expected[Visit]) << Visit;
        EXPECT_EQ(Game.QuestionPointer, static_cast<int>(Visit % 5) + 1);
        Press(Game, "E", MatchScore);  // an unfinished question does not hold the pointer
        EndVisit(Game);
        EXPECT_EQ(Press(Game, "T", MatchScore).Result, GuessResult::Ignored);
    }
}

TEST(WordGuessFlow, EndVisitAfterAFinishedQuestionRefusesTheNextQuestion) {
    TWordGuessGame Game = GameWithOrder(ShippedQuestionBank());
    StartVisit(Game);
    int MatchScore = 0;
    Press(Game, "TELINGA", MatchScore);
    EndVisit(Game);
    EXPECT_FALSE(AskNextQuestion(Game).has_value());
    EXPECT_EQ(Game.QuestionPointer, 2);
}

TEST(WordGuessOrder, AcakIsAlwaysAPermutationAndEntrySixIsNeverAsked) {
    int UnchangedOrders = 0;
    for (unsigned Seed = 0; Seed < 2000; ++Seed) {
        std::mt19937 Generator(Seed);
        TGeneratorSource Random(Generator);
        TWordGuessGame Game = CreateWordGuess(Random);
        QuestionOrder Sorted = Game.Order;
        std::sort(Sorted.begin(), Sorted.end());
        ASSERT_EQ(Sorted, (QuestionOrder{1, 2, 3, 4, 5})) << Seed;
        ASSERT_EQ(Game.QuestionPointer, 1);
        UnchangedOrders += Game.Order == QuestionOrder{1, 2, 3, 4, 5} ? 1 : 0;
        for (int Visit = 0; Visit < 6; ++Visit) {
            StartVisit(Game);
            ASSERT_NE(Game.CurrentAnswer, "BIBIR") << Seed;
            EndVisit(Game);
        }
    }
    // Five transpositions are not a uniform shuffle: the unchanged order stays common.
    EXPECT_GT(UnchangedOrders, 2000 / 120);
}

TEST(WordGuessOrder, IsDrawnAfterAReseed) {
    TScriptedSource Random;
    CreateWordGuess(Random);
    EXPECT_EQ(Random.Reseeds, 1);
    EXPECT_FALSE(Random.DrewBeforeReseed);
}

TEST(WordGuessOrder, AdvanceWrapsFromFiveToOne) {
    TWordGuessGame Game = GameWithOrder(ShippedQuestionBank());
    for (int Pointer : {2, 3, 4, 5, 1, 2}) {
        AdvanceQuestion(Game);
        EXPECT_EQ(Game.QuestionPointer, Pointer);
    }
}

TEST(WordGuessOrder, SkipsTheArtistCategoryWithinOneRound) {
    struct Case {
        const char* Name;
        std::vector<std::string> Categories;
        int StartPointer;
        int ShownPointer;
    };
    const std::vector<Case> Cases = {
        {"next entry shown", {"A", "NAMA ARTIS", "C", "D", "E"}, 2, 3},
        {"wraps from five to one", {"A", "B", "C", "D", "NAMA ARTIS"}, 5, 1},
        {"two in a row", {"NAMA ARTIS", "NAMA ARTIS", "C", "D", "E"}, 1, 3},
        {"other letter case kept", {"A", "Nama Artis", "C", "D", "E"}, 2, 2},
        {"trailing space kept", {"A", "NAMA ARTIS ", "C", "D", "E"}, 2, 2},
        {"every entry skipped",
         {"NAMA ARTIS", "NAMA ARTIS", "NAMA ARTIS", "NAMA ARTIS", "NAMA ARTIS"},
         4,
         4},
    };
    for (const Case& Each : Cases) {
        QuestionBank Bank = BankOfAnswers({"SATU", "DUA", "TIGA", "EMPAT", "LIMA"});
        for (std::size_t Index = 0; Index < Bank.size(); ++Index) {
            Bank[Index].Category = Each.Categories[Index];
        }
        TWordGuessGame Game = GameWithOrder(Bank);
        Game.QuestionPointer = Each.StartPointer;
        const QuestionView View = StartVisit(Game);
        EXPECT_EQ(Game.QuestionPointer, Each.ShownPointer) << Each.Name;
        EXPECT_EQ(Game.CurrentAnswer, Bank[static_cast<std::size_t>(Each.ShownPointer - 1)].Answer)
            << Each.Name;
        EXPECT_EQ(View.Category, Each.Categories[static_cast<std::size_t>(Each.ShownPointer - 1)])
            << Each.Name;
    }
}

TEST(WordGuessOrder, RefusesABankTooSmallForTheOrder) {
    std::mt19937 Generator(1);
    TGeneratorSource Random(Generator);
    EXPECT_THROW(CreateWordGuess(Random, BankOfAnswers({"A", "B", "C", "D"})),
                 std::invalid_argument);
    EXPECT_NO_THROW(CreateWordGuess(Random, BankOfAnswers({"A", "B", "C", "D", "E"})));
}

}  // namespace
}  // namespace wordguess
