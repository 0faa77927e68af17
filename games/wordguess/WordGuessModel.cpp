// The word-guessing game's rules, free of any screen or toolkit.
#include "WordGuessModel.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "Utf8.h"

namespace wordguess {

namespace {

bool IsGuessableLetter(char Character) {
    return Character >= 'A' && Character <= 'Z';
}

const QuestionEntry& CurrentQuestion(const TWordGuessGame& Game) {
    return Game.Bank.at(static_cast<std::size_t>(CurrentEntry(Game) - 1));
}

// Solved and lost alike: the question closes and its description and picture are shown.
void FinishQuestion(TWordGuessGame& Game, GuessOutcome& Outcome) {
    Game.GuessingOpen = false;
    Game.QuestionFinished = true;
    const QuestionEntry& Entry = CurrentQuestion(Game);
    Outcome.Description = Entry.Description;
    Outcome.RewardPicture = Entry.RewardPicture;
}

void ResetGuessState(TWordGuessGame& Game) {
    awal(Game);
    Game.WrongCount = 0;
    Game.GuessingOpen = true;
}

}  // namespace

bool TWordGuessGame::operator==(const TWordGuessGame& Other) const {
    return Bank == Other.Bank && Order == Other.Order && QuestionPointer == Other.QuestionPointer &&
           CurrentAnswer == Other.CurrentAnswer && Pattern == Other.Pattern &&
           LetterAvailable == Other.LetterAvailable && WrongCount == Other.WrongCount &&
           GuessingOpen == Other.GuessingOpen && QuestionFinished == Other.QuestionFinished;
}

std::ostream& operator<<(std::ostream& Out, const TWordGuessGame& Game) {
    Out << "order";
    for (int Entry : Game.Order) {
        Out << ' ' << Entry;
    }
    Out << ", pointer " << Game.QuestionPointer << ", answer \"" << Game.CurrentAnswer
        << "\", pattern \"" << Game.Pattern << "\", letters left ";
    for (std::size_t Index = 0; Index < Game.LetterAvailable.size(); ++Index) {
        if (Game.LetterAvailable[Index]) {
            Out << static_cast<char>('A' + Index);
        }
    }
    return Out << ", wrong " << Game.WrongCount << ", open " << Game.GuessingOpen << ", finished "
               << Game.QuestionFinished;
}

TWordGuessGame CreateWordGuess(TRandomSource& Random, QuestionBank Bank) {
    if (Bank.size() < static_cast<std::size_t>(QuestionsInOrder)) {
        throw std::invalid_argument("a question bank needs at least five entries");
    }
    TWordGuessGame Game;
    Game.Bank = std::move(Bank);
    Game.Order = acak(Random);
    Game.QuestionPointer = 1;
    return Game;
}

QuestionOrder acak(TRandomSource& Random) {
    QuestionOrder Order{1, 2, 3, 4, 5};
    // A draw kept inside 1..5, so that no source can make an exchange reach outside the order.
    const auto DrawPosition = [&Random] {
        return static_cast<std::size_t>(
            std::clamp(Random.DrawFromOneTo(QuestionsInOrder), 1, QuestionsInOrder) - 1);
    };
    Random.Reseed();
    for (int Exchange = 0; Exchange < 5; ++Exchange) {
        const std::size_t First = DrawPosition();
        const std::size_t Second = DrawPosition();
        std::swap(Order[First], Order[Second]);
    }
    return Order;
}

void AdvanceQuestion(TWordGuessGame& Game) {
    Game.QuestionPointer = Game.QuestionPointer >= QuestionsInOrder ? 1 : Game.QuestionPointer + 1;
}

int CurrentEntry(const TWordGuessGame& Game) {
    return Game.Order.at(static_cast<std::size_t>(Game.QuestionPointer - 1));
}

std::string MakePattern(const std::string& Answer) {
    std::string Pattern = Answer;
    for (char& Character : Pattern) {
        if (IsGuessableLetter(Character)) {
            Character = '-';
        }
    }
    return Pattern;
}

int PatternRowFor(std::size_t Characters) {
    if (Characters > 20) {
        return 0;
    }
    if (Characters > 13) {
        return 1;
    }
    return 2;
}

void awal(TWordGuessGame& Game) {
    Game.LetterAvailable.fill(true);
    Game.QuestionFinished = false;
}

QuestionView buatsoal(TWordGuessGame& Game) {
    // One round at most: a bank where every asked entry is skipped must not hang the game.
    for (int Step = 0; Step < QuestionsInOrder && CurrentQuestion(Game).Category == SkippedCategory;
         ++Step) {
        AdvanceQuestion(Game);
    }
    const QuestionEntry& Entry = CurrentQuestion(Game);
    Game.CurrentAnswer = Entry.Answer;
    Game.Pattern = MakePattern(Entry.Answer);
    return QuestionView{Entry.Category, Game.Pattern,
                        PatternRowFor(CharacterCount(Game.Pattern))};  // characters, not bytes
}

QuestionView StartVisit(TWordGuessGame& Game) {
    ResetGuessState(Game);
    return buatsoal(Game);
}

GuessOutcome GuessLetter(TWordGuessGame& Game, char Letter) {
    if (!Game.GuessingOpen || !IsGuessableLetter(Letter)) {
        return GuessOutcome{GuessResult::Ignored, 0, Game.Pattern, 0, 0, {}, {}};
    }
    const std::size_t LetterIndex = static_cast<std::size_t>(Letter - 'A');
    if (!Game.LetterAvailable[LetterIndex]) {
        return GuessOutcome{GuessResult::Ignored, 0, Game.Pattern, 0, 0, {}, {}};
    }
    GuessOutcome Outcome = cekhuruf(Game, Letter);
    Game.LetterAvailable[LetterIndex] = false;
    return Outcome;
}

GuessOutcome cekhuruf(TWordGuessGame& Game, char Letter) {
    GuessOutcome Outcome;
    if (!IsGuessableLetter(Letter)) {
        Outcome.Pattern = Game.Pattern;
        return Outcome;
    }
    Outcome.Letter = Letter;
    if (Game.CurrentAnswer.find(Letter) != std::string::npos) {
        for (std::size_t Position = 0; Position < Game.CurrentAnswer.size(); ++Position) {
            if (Game.CurrentAnswer[Position] == Letter) {
                Game.Pattern[Position] = Letter;
            }
        }
        if (Game.Pattern == Game.CurrentAnswer) {
            Outcome.Result = GuessResult::Solved;
            Outcome.ScoreDelta = SolvedBonus - Game.WrongCount;
            FinishQuestion(Game, Outcome);
        } else {
            Outcome.Result = GuessResult::RightLetter;
        }
    } else {
        Outcome.ScoreDelta = -WrongGuessPenalty;
        ++Game.WrongCount;
        Outcome.WrongMarkShown = Game.WrongCount;
        if (Game.WrongCount >= WrongGuessesAllowed) {
            Outcome.Result = GuessResult::Lost;
            Game.Pattern = Game.CurrentAnswer;
            FinishQuestion(Game, Outcome);
        } else {
            Outcome.Result = GuessResult::WrongLetter;
        }
    }
    Outcome.Pattern = Game.Pattern;
    return Outcome;
}

QuestionView NextQuestion(TWordGuessGame& Game) {
    ResetGuessState(Game);
    AdvanceQuestion(Game);
    return buatsoal(Game);
}

std::optional<QuestionView> AskNextQuestion(TWordGuessGame& Game) {
    if (!Game.QuestionFinished) {
        return std::nullopt;
    }
    return NextQuestion(Game);
}

void EndVisit(TWordGuessGame& Game) {
    // Both input boxes are disabled from here until the next visit starts.
    Game.GuessingOpen = false;
    Game.QuestionFinished = false;
    AdvanceQuestion(Game);
}

}  // namespace wordguess
