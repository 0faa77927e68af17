// The shipped question bank of the word-guessing game.
#include "QuestionBank.h"

namespace wordguess {

bool QuestionEntry::operator==(const QuestionEntry& Other) const {
    return Answer == Other.Answer && Category == Other.Category &&
           Description == Other.Description && RewardPicture == Other.RewardPicture;
}

const QuestionBank& ShippedQuestionBank() {
    static const QuestionBank Bank = {
        {"TELINGA", "BAGIAN TUBUH", "Alat indera yang digunakan untuk mendengar", "H1"},
        {"KORVIANA TAMBELOR PUTRI", "TOKOH DI INDONESIA",
         "Presiden wanita pertama di Indonesia, putri dari Ir. Tambelor", "H2"},
        {"PESAWAT TERBANG", "ALAT TRANSPORTASI", "Alat transportasi udara", "H3"},
        {"TANGAN", "BAGIAN TUBUH", "Anggota gerak bagian tubuh atas", "H4"},
        {"JANTUNG", "BAGIAN TUBUH", "Organ dalam tubuh yang berfungsi untuk memompa darah", "H5"},
        {"BIBIR", "BAGIAN TUBUH", "Bagian tubuh yang terlihat di mulut manusia", ""},
    };
    return Bank;
}

}  // namespace wordguess
