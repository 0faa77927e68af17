// The typing game's sentence bank.
#pragma once

#include <string>
#include <vector>

namespace typing {

using SentenceBank = std::vector<std::string>;

// The two sentences the game ships with, single-spaced, without leading or trailing space.
const SentenceBank& ShippedSentenceBank();

}  // namespace typing
