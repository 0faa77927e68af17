// The one UTF-8 decoder as the games count with it: pieces that join up, counts that agree.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Utf8.h"

namespace {

// The text boxes count with DecodeUtf8 and the typing credit with SplitCharacters; if the two
// disagreed, the answer box's 100-character limit and the credit would count different things.
TEST(Utf8, SplitAndDecodeAgreeOnEveryText) {
    struct Case {
        const char* Name;
        std::string Text;
        std::vector<std::string> Characters;
    };
    const Case Cases[] = {
        {"plain", "Kue", {"K", "u", "e"}},
        {"two, three and four bytes",
         "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80",
         {"\xC3\xA9", "\xE2\x82\xAC", "\xF0\x9F\x98\x80"}},
        {"stray continuation byte",
         "a\x80"
         "b",
         {"a", "\x80", "b"}},
        {"sequence cut short", "\xE2\x82z", {"\xE2", "\x82", "z"}},
        {"cut at the end", "x\xC3", {"x", "\xC3"}},
        {"overlong form", "\xC0\x80", {"\xC0", "\x80"}},
        {"surrogate", "\xED\xA0\x80", {"\xED", "\xA0", "\x80"}},
        {"empty", "", {}},
    };
    for (const Case& Each : Cases) {
        SCOPED_TRACE(Each.Name);
        const std::vector<std::string> Split = SplitCharacters(Each.Text);
        EXPECT_EQ(Split, Each.Characters);
        EXPECT_EQ(CharacterCount(Each.Text), Each.Characters.size());
        EXPECT_EQ(DecodeUtf8(Each.Text).size(), Each.Characters.size());
    }
}

}  // namespace
