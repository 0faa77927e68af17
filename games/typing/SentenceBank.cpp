// The shipped sentences of the typing game.
#include "SentenceBank.h"

namespace typing {

const SentenceBank& ShippedSentenceBank() {
    static const SentenceBank Bank = {
        "Kulit kalian yang paling tipis ada di kelopak mata",
        "Macan adalah anggota terbesar dalam keluarga kucing",
    };
    return Bank;
}

}  // namespace typing
