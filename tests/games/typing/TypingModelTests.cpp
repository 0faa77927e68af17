// Tests of the typing rules: sentence order, the scrambled puzzle, the answer check and the credit.
#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <stdexcept>
#include <string>
#include <vector>

#include "ScriptedSource.h"
#include "TypingModel.h"

namespace typing {
namespace {

const std::string FirstSentence = "Kulit kalian yang paling tipis ada di kelopak mata";
const std::string SecondSentence = "Macan adalah anggota terbesar dalam keluarga kucing";

std::vector<std::string> SplitAtSpaces(const std::string& Text) {
    std::vector<std::string> Parts(1);
    for (char Character : Text) {
        if (Character == ' ') {
            Parts.emplace_back();
        } else {
            Parts.back() += Character;
        }
    }
    return Parts;
}

std::vector<std::string> SortedCharacters(const std::string& Word) {
    std::vector<std::string> Characters = SplitCharacters(Word);
    std::sort(Characters.begin(), Characters.end());
    return Characters;
}

TEST(TypingPuzzle, KeepsTheSentenceShapeForManySeeds) {
    std::string ManyWords;
    for (int Word = 0; Word < 40; ++Word) {
        ManyWords += (Word == 0 ? "" : " ") + std::string("kata") + std::to_string(Word);
    }
    const std::vector<std::string> Sentences = {
        FirstSentence,
        SecondSentence,
        "Ibu pergi  ke pasar",  // an empty word between two spaces
        "Dua kata",             // fewer than four words
        "Satu",
        "",
        ManyWords,                                                    // more than thirty words
        "Kata " + std::string(50, 'x') + "yz sangat panjang sekali",  // a word of 52 letters
        "Kue \xC3\xA9\xC3\xA8\xC3\xAA lezat sekali ya",               // UTF-8 letters
    };
    for (const std::string& Sentence : Sentences) {
        const std::vector<std::string> Words = SplitAtSpaces(Sentence);
        const std::size_t ExpectedChosen = std::min<std::size_t>(4, Words.size());
        for (unsigned Seed = 0; Seed < 200; ++Seed) {
            std::mt19937 Generator(Seed);
            TGeneratorSource Random(Generator);
            const SentencePuzzle Puzzle = buatsoal(Sentence, Random);
            const std::string Where = "\"" + Sentence + "\" seed " + std::to_string(Seed);

            ASSERT_EQ(Puzzle.CurrentSentence, Sentence) << Where;
            ASSERT_EQ(Puzzle.Words, Words) << Where;
            ASSERT_EQ(CharacterCount(Puzzle.DisplayLine), CharacterCount(Sentence) + 1) << Where;
            ASSERT_EQ(Puzzle.DisplayLine.back(), ' ') << Where;

            std::vector<int> Chosen = Puzzle.ScrambledWordNumbers;
            ASSERT_EQ(Chosen.size(), ExpectedChosen) << Where;
            std::sort(Chosen.begin(), Chosen.end());
            ASSERT_EQ(std::adjacent_find(Chosen.begin(), Chosen.end()), Chosen.end()) << Where;
            ASSERT_GE(Chosen.front(), 1) << Where;
            ASSERT_LE(Chosen.back(), static_cast<int>(Words.size())) << Where;

            // Spaces stay put: the shown words line up one to one with the sentence's words.
            std::vector<std::string> Shown =
                SplitAtSpaces(Puzzle.DisplayLine.substr(0, Puzzle.DisplayLine.size() - 1));
            ASSERT_EQ(Shown.size(), Words.size()) << Where;
            for (std::size_t Index = 0; Index < Words.size(); ++Index) {
                const int Number = static_cast<int>(Index) + 1;
                if (std::binary_search(Chosen.begin(), Chosen.end(), Number)) {
                    ASSERT_EQ(SortedCharacters(Shown[Index]), SortedCharacters(Words[Index]))
                        << Where;
                } else {
                    ASSERT_EQ(Shown[Index], Words[Index]) << Where;
                }
            }

            // The red ranges cover exactly the chosen words, never a space.
            const std::vector<std::string> Line = SplitCharacters(Puzzle.DisplayLine);
            ASSERT_EQ(Puzzle.RedRanges.size(), ExpectedChosen) << Where;
            ASSERT_EQ(Puzzle.WordStarts.size(), ExpectedChosen) << Where;
            for (std::size_t Index = 0; Index < Puzzle.RedRanges.size(); ++Index) {
                const RedRange Range = Puzzle.RedRanges[Index];
                const std::string& Word =
                    Words[static_cast<std::size_t>(Puzzle.ScrambledWordNumbers[Index] - 1)];
                ASSERT_EQ(Range.Start, Puzzle.WordStarts[Index]) << Where;
                ASSERT_EQ(Range.Length, CharacterCount(Word)) << Where;
                ASSERT_TRUE(Range.Start == 0 || Line[Range.Start - 1] == " ") << Where;
                ASSERT_EQ(Line[Range.Start + Range.Length], " ") << Where;
            }
        }
    }
}

TEST(TypingPuzzle, ForcedDrawsGiveTheirRanges) {
    struct Case {
        const char* Name;
        std::string Sentence;
        std::deque<int> Draws;
        std::vector<int> WordNumbers;
        std::vector<RedRange> Ranges;
        std::string DisplayLine;
    };
    const std::vector<Case> Cases = {
        {"first and last word chosen",
         FirstSentence,
         {1, 9, 2, 3},
         {1, 9, 2, 3},
         {{0, 5}, {46, 4}, {6, 6}, {13, 4}},
         FirstSentence + " "},
        {"only the number being drawn is redrawn",
         FirstSentence,
         {3, 3, 3, 5, 5, 3, 1, 1, 5, 7},
         {3, 5, 1, 7},
         {{13, 4}, {25, 5}, {0, 5}, {35, 2}},
         FirstSentence + " "},
        {"a two-letter word reversed",
         "ab cd ef gh",
         {1, 2, 3, 4, 1, 2},
         {1, 2, 3, 4},
         {{0, 2}, {3, 2}, {6, 2}, {9, 2}},
         "ba cd ef gh "},
        {"letters exchanged whole in UTF-8",
         "\xC3\xA9x b c d",
         {1, 2, 3, 4, 1, 2},
         {1, 2, 3, 4},
         {{0, 2}, {3, 1}, {5, 1}, {7, 1}},
         "x\xC3\xA9 b c d "},
        {"an empty word is chosen and colours nothing",
         "a  b c",
         {2, 1, 3, 4},
         {2, 1, 3, 4},
         {{2, 0}, {0, 1}, {3, 1}, {5, 1}},
         "a  b c "},
        {"fewer than four words: all of them, no draw",
         "Halo dunia",
         {1, 2},
         {1, 2},
         {{0, 4}, {5, 5}},
         "aHlo dunia "},
    };
    for (const Case& Each : Cases) {
        TScriptedSource Random(Each.Draws);
        const SentencePuzzle Puzzle = buatsoal(Each.Sentence, Random);
        EXPECT_EQ(Puzzle.ScrambledWordNumbers, Each.WordNumbers) << Each.Name;
        EXPECT_EQ(Puzzle.RedRanges, Each.Ranges) << Each.Name;
        EXPECT_EQ(Puzzle.DisplayLine, Each.DisplayLine) << Each.Name;
    }
}

TEST(TypingPuzzle, ReseedsBeforeTheWordDrawsAndBeforeEveryExchange) {
    TScriptedSource Random({}, AfterScript::CountUp);
    buatsoal(FirstSentence, Random);
    EXPECT_EQ(Random.Reseeds, 1 + 4 * ExchangesPerWord);
    EXPECT_FALSE(Random.DrewBeforeReseed);
}

TEST(TypingOrder, AlternatesAndStartsWithTheFirstEntry) {
    for (unsigned Seed = 0; Seed < 50; ++Seed) {
        std::mt19937 Generator(Seed);
        TGeneratorSource Random(Generator);
        TTypingGame Game = CreateTyping(Random);
        ASSERT_EQ(Game.SentencePointer, 0);
        ASSERT_TRUE(Game.Puzzle.CurrentSentence.empty());
        std::vector<int> Sorted = Game.SentenceOrder;
        std::sort(Sorted.begin(), Sorted.end());
        ASSERT_EQ(Sorted, (std::vector<int>{1, 2})) << Seed;

        const std::string First = BuildNextPuzzle(Game, Random).CurrentSentence;
        EXPECT_EQ(First,
                  ShippedSentenceBank()[static_cast<std::size_t>(Game.SentenceOrder[0] - 1)]);
        for (int Puzzle = 1; Puzzle < 5; ++Puzzle) {
            const std::string Expected = Puzzle % 2 == 0          ? First
                                         : First == FirstSentence ? SecondSentence
                                                                  : FirstSentence;
            EXPECT_EQ(BuildNextPuzzle(Game, Random).CurrentSentence, Expected) << Seed;
        }
    }
    TScriptedSource Swap({1, 2, 1, 1});
    EXPECT_EQ(acak(2, Swap), (std::vector<int>{2, 1}));
    EXPECT_EQ(Swap.Reseeds, 1);
    EXPECT_FALSE(Swap.DrewBeforeReseed);
}

TEST(TypingOrder, RefusesAnEmptyBank) {
    TScriptedSource Random({}, AfterScript::CountUp);
    EXPECT_THROW(CreateTyping(Random, {}), std::invalid_argument);
    TTypingGame Single = CreateTyping(Random, {"Satu kalimat saja di sini"});
    EXPECT_EQ(BuildNextPuzzle(Single, Random).CurrentSentence, "Satu kalimat saja di sini");
    EXPECT_EQ(BuildNextPuzzle(Single, Random).CurrentSentence, "Satu kalimat saja di sini");
}

TEST(TypingAnswer, TrimsOnlyTheEnds) {
    struct Case {
        std::string Typed;
        std::string Trimmed;
    };
    const std::vector<Case> Cases = {
        {"  Kulit kalian\t\r\n", "Kulit kalian"},
        {std::string("\x01\x1f Kulit \x7f", 10), "Kulit \x7f"},
        {"Kulit  kalian", "Kulit  kalian"},
        {" \t\n ", ""},
        {"", ""},
        {"\xC2\xA0Kulit", "\xC2\xA0Kulit"},  // a no-break space is a character, not a blank
    };
    for (const Case& Each : Cases) {
        EXPECT_EQ(TrimAnswer(Each.Typed), Each.Trimmed) << Each.Typed;
    }
}

TEST(TypingAnswer, IsCheckedExactlyAndCorrectAnswersScoreTheirLength) {
    struct Case {
        const char* Name;
        std::string Typed;
        AnswerVerdict Verdict;
        int ScoreDelta;
    };
    const std::vector<Case> Cases = {
        {"spaces around", "  " + FirstSentence + " \r\n", AnswerVerdict::Correct, 50},
        {"lower-case first letter", "kulit kalian yang paling tipis ada di kelopak mata",
         AnswerVerdict::Wrong, 0},
        {"two spaces inside", "Kulit  kalian yang paling tipis ada di kelopak mata",
         AnswerVerdict::Wrong, 0},
        {"empty box", "", AnswerVerdict::Wrong, 0},
    };
    for (const Case& Each : Cases) {
        // The order swapped and swapped back, then word numbers counting up.
        TScriptedSource Random({1, 2, 1, 2}, AfterScript::CountUp);
        TTypingGame Game = CreateTyping(Random);
        BuildNextPuzzle(Game, Random);
        ASSERT_EQ(Game.Puzzle.CurrentSentence, FirstSentence);
        const TTypingGame Before = Game;
        const AnswerOutcome Outcome = SubmitAnswer(Game, Each.Typed, Random);
        EXPECT_EQ(Outcome.Verdict, Each.Verdict) << Each.Name;
        EXPECT_EQ(Outcome.ScoreDelta, Each.ScoreDelta) << Each.Name;
        const bool Correct = Each.Verdict == AnswerVerdict::Correct;
        EXPECT_EQ(Outcome.Hint, Correct ? "" : WrongAnswerHint) << Each.Name;
        EXPECT_EQ(Game.Puzzle.CurrentSentence, Correct ? SecondSentence : FirstSentence)
            << Each.Name;
        if (!Correct) {
            EXPECT_EQ(Game, Before) << Each.Name << ": a wrong answer keeps the puzzle";
        }
    }
}

TEST(TypingAnswer, PartialCreditCountsEqualPositions) {
    struct Case {
        std::string Typed;
        std::string Sentence;
        int Points;
    };
    const std::vector<Case> Cases = {
        {"Kulit", FirstSentence, 5},
        {"kulit", FirstSentence, 4},
        {"", FirstSentence, 0},
        {FirstSentence, FirstSentence, 50},
        {"   " + FirstSentence + "\n", FirstSentence, 50},
        {FirstSentence + std::string(100 - FirstSentence.size(), 'x'), FirstSentence, 50},
        {"Kulitkalian", FirstSentence, 5 + 0},  // no alignment after a left-out space
        {"Kulit", "", 0},
        {"\xC3\xA9t\xC3\xA9", "\xC3\xA9t\xC3\xA8", 2},  // characters, not bytes
        {"\xC3\xA8", "\xC3\xA9", 0},
    };
    for (const Case& Each : Cases) {
        EXPECT_EQ(PartialCredit(Each.Typed, Each.Sentence), Each.Points) << Each.Typed;
    }
}

}  // namespace
}  // namespace typing
