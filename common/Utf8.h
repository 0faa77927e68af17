// UTF-8, decoded in one place for the whole program: the GUI layer's text and the games' counts.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Splits UTF-8 text into code points. A byte that does not start a valid sequence (a stray
// continuation byte, an overlong form, a surrogate, a value past U+10FFFF, a sequence cut short)
// becomes U+FFFD and decoding goes on with the next byte; nothing past the end is ever read.
std::u32string DecodeUtf8(const std::string& utf8);

// The reverse; a value that is no character (a surrogate, past U+10FFFF) is written as U+FFFD.
std::string EncodeUtf8(const std::u32string& text);

// The characters of a UTF-8 text, each as its own bytes. A byte that starts no valid sequence
// is a character of its own, kept as it is, so the pieces always join up to the text again.
std::vector<std::string> SplitCharacters(const std::string& utf8);
std::size_t CharacterCount(const std::string& utf8);
