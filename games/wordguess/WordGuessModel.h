// The word-guessing game's rules: question order, pattern, letter guesses, scoring and visit flow.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

#include "QuestionBank.h"
#include "RandomSource.h"

namespace wordguess {

constexpr int QuestionsInOrder = 5;
constexpr int WrongGuessesAllowed = 7;
constexpr int SolvedBonus = 50;
constexpr int WrongGuessPenalty = 3;

// Bank entry numbers (1 to 5) in the order they are asked. Position p (1 to 5) is element p - 1.
using QuestionOrder = std::array<int, QuestionsInOrder>;

// Everything the screen keeps between and during visits. A plain value: copy it to try a move.
struct TWordGuessGame {
    QuestionBank Bank;
    QuestionOrder Order{1, 2, 3, 4, 5};
    int QuestionPointer = 1;  // position in Order of the question on screen
    std::string CurrentAnswer;
    std::string Pattern;                     // the caption of the pattern label
    std::array<bool, 26> LetterAvailable{};  // A to Z
    int WrongCount = 0;
    bool GuessingOpen = false;
    bool QuestionFinished = false;

    bool operator==(const TWordGuessGame& Other) const;
};

// What the screen shows for a freshly built question.
struct QuestionView {
    std::string Category;  // for the category label
    std::string Pattern;   // for the pattern label
    int PatternRow = 0;    // where the pattern starts: 0 highest, 2 lowest
};

enum class GuessResult {
    Ignored,      // nothing happens at all: no score, no mark, no label hidden
    RightLetter,  // letters revealed, the word is not complete yet
    Solved,       // the letter completed the word
    WrongLetter,  // one more wrong mark, the question goes on
    Lost,         // the seventh wrong guess: the answer is revealed
};

// What one guessed letter asks the screen to update.
struct GuessOutcome {
    GuessResult Result = GuessResult::Ignored;
    char Letter = 0;         // the letter whose label is hidden (0 when ignored)
    std::string Pattern;     // the pattern label's caption after the guess
    int WrongMarkShown = 0;  // 1 to 7: the wrong mark to show now; 0: none
    int ScoreDelta = 0;      // the change of the match score; the screen adds it
    // Only when the question ended (Solved or Lost): hide all letters, show the description and
    // the reward picture, show the next-question button and move the input to the Space box.
    std::string Description;
    std::string RewardPicture;

    bool QuestionEnded() const {
        return Result == GuessResult::Solved || Result == GuessResult::Lost;
    }
};

std::ostream& operator<<(std::ostream& Out, const TWordGuessGame& Game);

// Creation: the question order is shuffled once (acak) and the pointer starts at 1.
// The bank needs at least five entries; a shorter one is refused with std::invalid_argument.
TWordGuessGame CreateWordGuess(TRandomSource& Random, QuestionBank Bank = ShippedQuestionBank());

// A re-seed, then five random transpositions of 1..5, each drawing two positions from 1 to 5.
// Deliberately not a uniform shuffle: the game has always dealt its questions this way.
QuestionOrder acak(TRandomSource& Random);

// 5 (or more) wraps to 1, anything else grows by one.
void AdvanceQuestion(TWordGuessGame& Game);

// The bank entry number of the question at the pointer.
int CurrentEntry(const TWordGuessGame& Game);

// A space for a space, "-" for a letter to guess; any other character cannot be typed on the
// letter keys, so it is shown from the start and never blocks a solution.
std::string MakePattern(const std::string& Answer);

// A longer pattern starts higher, so that a wrapped one stays clear of the letters below: row 0
// for more than 20 characters, row 1 for 14 to 20, row 2 for up to 13. The screen places the rows.
int PatternRowFor(std::size_t Characters);

// Makes every letter guessable again and clears QuestionFinished (the screen shows all 26 labels).
void awal(TWordGuessGame& Game);

// Builds the question at the pointer, passing over entries of the skipped category. The skip stops
// after one full round, so a bank made only of such entries shows the entry it started at.
QuestionView buatsoal(TWordGuessGame& Game);

// Start of a visit: fresh guess state and the question at the pointer, which is not advanced.
// The screen also hides the wrong marks and the button, clears the description, shows the
// placeholder picture, enables the letter box and starts the visit timer.
QuestionView StartVisit(TWordGuessGame& Game);

// The pupil guesses a letter: only A to Z count, each once per question and only while guessing
// is open; anything else is ignored.
GuessOutcome GuessLetter(TWordGuessGame& Game, char Letter);

// Checks one upper-case letter A to Z against the answer and scores it. GuessLetter is the way in
// for the pupil's guesses; this does not look at LetterAvailable.
GuessOutcome cekhuruf(TWordGuessGame& Game, char Letter);

// The next question: fresh guess state, pointer advanced, question built. The screen clears the
// description, shows the placeholder, moves the input to the letter box and hides the button.
QuestionView NextQuestion(TWordGuessGame& Game);

// The pupil asks for the next question: once the question has ended this is NextQuestion;
// before that it is ignored.
std::optional<QuestionView> AskNextQuestion(TWordGuessGame& Game);

// End of the visit (the 20th timer tick): no more input, and the pointer moves on, so the next
// visit opens with the following question whether or not this one was finished.
void EndVisit(TWordGuessGame& Game);

}  // namespace wordguess
