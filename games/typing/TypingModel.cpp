// The typing game's rules, free of any screen or toolkit.
#include "TypingModel.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace typing {

namespace {

constexpr char Space = ' ';

// Every single space ends a word, so two spaces in a row leave an empty word between them.
std::vector<std::string> SplitWords(const std::string& Sentence) {
    std::vector<std::string> Words(1);
    for (char Character : Sentence) {
        if (Character == Space) {
            Words.emplace_back();
        } else {
            Words.back() += Character;
        }
    }
    return Words;
}

// A draw kept inside 1..K, so that no source can make the exchanges reach outside the word.
int DrawPosition(TRandomSource& Random, int K) {
    return std::clamp(Random.DrawFromOneTo(K), 1, K);
}

std::vector<int> DrawWordNumbers(int WordCount, TRandomSource& Random) {
    std::vector<int> Numbers;
    if (WordCount < ScrambledWordCount) {
        // Too few words to draw four distinct ones: scramble every word there is.
        for (int Number = 1; Number <= WordCount; ++Number) {
            Numbers.push_back(Number);
        }
        return Numbers;
    }
    Random.Reseed();
    while (static_cast<int>(Numbers.size()) < ScrambledWordCount) {
        int Number = DrawPosition(Random, WordCount);
        while (std::find(Numbers.begin(), Numbers.end(), Number) != Numbers.end()) {
            Number = DrawPosition(Random, WordCount);
        }
        Numbers.push_back(Number);
    }
    return Numbers;
}

std::string ScrambleWord(const std::string& Word, TRandomSource& Random) {
    std::vector<std::string> Letters = SplitCharacters(Word);
    const int LetterCount = static_cast<int>(Letters.size());
    if (LetterCount == 0) {
        return Word;
    }
    for (int Exchange = 0; Exchange < ExchangesPerWord; ++Exchange) {
        Random.Reseed();
        const int First = DrawPosition(Random, LetterCount);
        const int Second = DrawPosition(Random, LetterCount);
        std::swap(Letters[static_cast<std::size_t>(First - 1)],
                  Letters[static_cast<std::size_t>(Second - 1)]);
    }
    std::string Scrambled;
    for (const std::string& Letter : Letters) {
        Scrambled += Letter;
    }
    return Scrambled;
}

bool IsChosen(const std::vector<int>& Numbers, int Number) {
    return std::find(Numbers.begin(), Numbers.end(), Number) != Numbers.end();
}

}  // namespace

bool SentencePuzzle::operator==(const SentencePuzzle& Other) const {
    return CurrentSentence == Other.CurrentSentence && Words == Other.Words &&
           ScrambledWordNumbers == Other.ScrambledWordNumbers && DisplayLine == Other.DisplayLine &&
           WordStarts == Other.WordStarts && RedRanges == Other.RedRanges;
}

bool TTypingGame::operator==(const TTypingGame& Other) const {
    return Bank == Other.Bank && SentenceOrder == Other.SentenceOrder &&
           SentencePointer == Other.SentencePointer && Puzzle == Other.Puzzle;
}

std::ostream& operator<<(std::ostream& Out, const SentencePuzzle& Puzzle) {
    Out << "sentence \"" << Puzzle.CurrentSentence << "\", shown \"" << Puzzle.DisplayLine
        << "\", red";
    for (const RedRange& Range : Puzzle.RedRanges) {
        Out << ' ' << Range.Start << '+' << Range.Length;
    }
    return Out;
}

std::ostream& operator<<(std::ostream& Out, const TTypingGame& Game) {
    Out << "order";
    for (int Position : Game.SentenceOrder) {
        Out << ' ' << Position;
    }
    return Out << ", pointer " << Game.SentencePointer << ", " << Game.Puzzle;
}

TTypingGame CreateTyping(TRandomSource& Random, SentenceBank Bank) {
    if (Bank.empty()) {
        throw std::invalid_argument("a sentence bank needs at least one sentence");
    }
    TTypingGame Game;
    Game.SentenceOrder = acak(Bank.size(), Random);
    Game.Bank = std::move(Bank);
    Game.SentencePointer = 0;
    return Game;
}

std::vector<int> acak(std::size_t SentenceCount, TRandomSource& Random) {
    std::vector<int> Order;
    for (std::size_t Position = 1; Position <= SentenceCount; ++Position) {
        Order.push_back(static_cast<int>(Position));
    }
    if (Order.empty()) {
        return Order;
    }
    const int Count = static_cast<int>(SentenceCount);
    Random.Reseed();
    for (int Exchange = 0; Exchange < Count; ++Exchange) {
        const int First = DrawPosition(Random, Count);
        const int Second = DrawPosition(Random, Count);
        std::swap(Order[static_cast<std::size_t>(First - 1)],
                  Order[static_cast<std::size_t>(Second - 1)]);
    }
    return Order;
}

void AdvanceSentence(TTypingGame& Game) {
    const int Last = static_cast<int>(Game.SentenceOrder.size());
    Game.SentencePointer = Game.SentencePointer >= Last ? 1 : Game.SentencePointer + 1;
}

const std::string& SelectedSentence(const TTypingGame& Game) {
    const int BankPosition =
        Game.SentenceOrder.at(static_cast<std::size_t>(Game.SentencePointer - 1));
    return Game.Bank.at(static_cast<std::size_t>(BankPosition - 1));
}

SentencePuzzle buatsoal(const std::string& Sentence, TRandomSource& Random) {
    SentencePuzzle Puzzle;
    Puzzle.CurrentSentence = Sentence;
    Puzzle.Words = SplitWords(Sentence);
    const int WordCount = static_cast<int>(Puzzle.Words.size());
    Puzzle.ScrambledWordNumbers = DrawWordNumbers(WordCount, Random);

    // Each word, scrambled or not, keeps its length and is followed by exactly one space.
    for (int Number = 1; Number <= WordCount; ++Number) {
        const std::string& Word = Puzzle.Words[static_cast<std::size_t>(Number - 1)];
        Puzzle.DisplayLine +=
            IsChosen(Puzzle.ScrambledWordNumbers, Number) ? ScrambleWord(Word, Random) : Word;
        Puzzle.DisplayLine += Space;
    }

    for (int Number : Puzzle.ScrambledWordNumbers) {
        std::size_t Start = 0;
        for (int Earlier = 1; Earlier < Number; ++Earlier) {
            Start += CharacterCount(Puzzle.Words[static_cast<std::size_t>(Earlier - 1)]) + 1;
        }
        Puzzle.WordStarts.push_back(Start);
        Puzzle.RedRanges.push_back(
            {Start, CharacterCount(Puzzle.Words[static_cast<std::size_t>(Number - 1)])});
    }
    return Puzzle;
}

const SentencePuzzle& BuildNextPuzzle(TTypingGame& Game, TRandomSource& Random) {
    AdvanceSentence(Game);
    Game.Puzzle = buatsoal(SelectedSentence(Game), Random);
    return Game.Puzzle;
}

std::string TrimAnswer(const std::string& Typed) {
    const auto IsBlank = [](char Character) { return static_cast<unsigned char>(Character) <= 32; };
    const auto First = std::find_if_not(Typed.begin(), Typed.end(), IsBlank);
    const auto Last = std::find_if_not(Typed.rbegin(), Typed.rend(), IsBlank).base();
    return First < Last ? std::string(First, Last) : std::string();
}

AnswerVerdict CheckAnswer(const std::string& Typed, const std::string& CurrentSentence) {
    return TrimAnswer(Typed) == CurrentSentence ? AnswerVerdict::Correct : AnswerVerdict::Wrong;
}

int PartialCredit(const std::string& Typed, const std::string& CurrentSentence) {
    const std::vector<std::string> Answer = SplitCharacters(TrimAnswer(Typed));
    const std::vector<std::string> Sentence = SplitCharacters(CurrentSentence);
    const std::size_t Compared = std::min(Answer.size(), Sentence.size());
    int Points = 0;
    for (std::size_t Position = 0; Position < Compared; ++Position) {
        Points += Answer[Position] == Sentence[Position] ? 1 : 0;
    }
    return Points;
}

AnswerOutcome SubmitAnswer(TTypingGame& Game, const std::string& Typed, TRandomSource& Random) {
    AnswerOutcome Outcome;
    Outcome.Verdict = CheckAnswer(Typed, Game.Puzzle.CurrentSentence);
    if (Outcome.Verdict == AnswerVerdict::Wrong) {
        Outcome.Hint = WrongAnswerHint;
        return Outcome;
    }
    Outcome.ScoreDelta = static_cast<int>(CharacterCount(Game.Puzzle.CurrentSentence));
    BuildNextPuzzle(Game, Random);
    return Outcome;
}

}  // namespace typing
