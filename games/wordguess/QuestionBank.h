// The word-guessing question bank: six entries of answer, category, description and reward picture.
#pragma once

#include <string>
#include <vector>

namespace wordguess {

// One question. Entry numbers count from 1; entry n is element n - 1 of a bank.
struct QuestionEntry {
    std::string Answer;
    std::string Category;
    std::string Description;
    std::string RewardPicture;  // bitmap resource name ("H1" ...), empty when the entry has none

    bool operator==(const QuestionEntry& Other) const;
};

using QuestionBank = std::vector<QuestionEntry>;

// The bank the game ships with. Entry 6 is stored but never asked, since only the
// entries 1 to 5 enter the question order.
const QuestionBank& ShippedQuestionBank();

// Category whose entries are passed over when they come up.
inline const std::string SkippedCategory = "NAMA ARTIS";

}  // namespace wordguess
