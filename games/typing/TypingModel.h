// The typing game's rules: sentence order, the scrambled puzzle, the answer check and the credit.
//
// Texts are UTF-8. Every position and length here counts characters (code points), not bytes,
// since the answer box limits characters and a pupil's keystroke is one character.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ostream>
#include <string>
#include <vector>

#include "RandomSource.h"
#include "SentenceBank.h"
#include "Utf8.h"

namespace typing {

constexpr int ScrambledWordCount = 4;
constexpr int ExchangesPerWord = 5;
constexpr int AnswerCharacterLimit = 100;
inline const std::string WrongAnswerHint =
    "Masih ada yang salah perhatikan penulisan setiap huruf.";

// A run of DisplayLine to colour red, in characters.
struct RedRange {
    std::size_t Start = 0;
    std::size_t Length = 0;

    bool operator==(const RedRange& Other) const {
        return Start == Other.Start && Length == Other.Length;
    }
};

// One puzzle as the screen shows it.
struct SentencePuzzle {
    std::string CurrentSentence;            // the unscrambled sentence the answer must match
    std::vector<std::string> Words;         // split at every single space; words may be empty
    std::vector<int> ScrambledWordNumbers;  // word numbers from 1, distinct, in drawing order
    std::string DisplayLine;                // the sentence, chosen words scrambled, one space after
    std::vector<std::size_t> WordStarts;    // where each chosen word begins in DisplayLine
    std::vector<RedRange> RedRanges;        // the chosen words, first to fourth; the rest is black
    bool operator==(const SentencePuzzle& Other) const;
};

// What the screen keeps between visits, and the puzzle on screen.
struct TTypingGame {
    SentenceBank Bank;
    std::vector<int> SentenceOrder;  // bank positions from 1, a permutation
    int SentencePointer = 0;         // 0 until the first puzzle, then a position in SentenceOrder
    SentencePuzzle Puzzle;           // its CurrentSentence stays empty until the first puzzle
    bool operator==(const TTypingGame& Other) const;
};

std::ostream& operator<<(std::ostream& Out, const SentencePuzzle& Puzzle);
std::ostream& operator<<(std::ostream& Out, const TTypingGame& Game);

// Creation: the sentence order is shuffled once and the pointer is 0. An empty bank is refused
// with std::invalid_argument.
TTypingGame CreateTyping(TRandomSource& Random, SentenceBank Bank = ShippedSentenceBank());

// The order of SentenceCount sentences: re-seed, then as many exchanges as there are sentences,
// each of two positions drawn from 1 to SentenceCount (two exchanges for the shipped bank).
std::vector<int> acak(std::size_t SentenceCount, TRandomSource& Random);

// The last position (or beyond) wraps to 1, anything else grows by one.
void AdvanceSentence(TTypingGame& Game);

// The bank sentence the pointer selects; the pointer must have been advanced at least once.
const std::string& SelectedSentence(const TTypingGame& Game);

// Builds the puzzle of one sentence. Draws four distinct word numbers, redrawing only the number
// being drawn; a sentence of fewer than four words has all its words scrambled without drawing.
// Each chosen word, in sentence order, gets five letter exchanges with a re-seed before each.
SentencePuzzle buatsoal(const std::string& Sentence, TRandomSource& Random);

// Start of a visit, and the step after a correct answer: advance, then build the puzzle.
const SentencePuzzle& BuildNextPuzzle(TTypingGame& Game, TRandomSource& Random);

// Removes every byte of code 32 or less from both ends, nothing inside.
std::string TrimAnswer(const std::string& Typed);

enum class AnswerVerdict { Correct, Wrong };

// The trimmed answer against the sentence, exactly: case and inner spaces count.
AnswerVerdict CheckAnswer(const std::string& Typed, const std::string& CurrentSentence);

// The credit for an unfinished answer: one point per position, up to the shorter length, at which
// the trimmed answer holds the sentence's character. The caller adds it to the match score.
int PartialCredit(const std::string& Typed, const std::string& CurrentSentence);

// What a given answer asks the screen to update.
struct AnswerOutcome {
    AnswerVerdict Verdict = AnswerVerdict::Wrong;
    std::string Hint;  // the hint line's text: the hint for a wrong answer, empty for a correct one
    int ScoreDelta = 0;  // the change of the match score; the screen adds it
    // On Correct: show the score, empty the answer box and show Game.Puzzle, the next one.
};

// The pupil gives the typed text as the answer. A correct answer earns its length in characters
// and brings the next puzzle at once, within the same visit.
AnswerOutcome SubmitAnswer(TTypingGame& Game, const std::string& Typed, TRandomSource& Random);

}  // namespace typing
