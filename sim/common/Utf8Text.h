// Text as the simulator shows it to people: UTF-8, read one character at a
// time, with the characters that control rather than show told apart.
#pragma once

#include <cstddef>
#include <string>

namespace sim {

// The character that starts at byte `at` of `text`: its code point and its
// length in bytes, or length 0 when no well-formed character starts there
// (a stray byte, an overlong form, a surrogate, a cut character).
struct Utf8Character {
  char32_t code = 0;
  std::size_t length = 0;
};
Utf8Character CharacterAt(const std::string& text, std::size_t at);

// C0 and C1 controls, DEL, the line and paragraph separators, and the
// marks, embeddings, overrides and isolates that reorder text: a line that
// holds one may show what it does not hold.
bool IsControlCharacter(char32_t code);
bool HasControlCharacter(const std::string& text);

// Text as an error line quotes what it was given: in double quotes, with
// quotes, backslashes, controls and bytes that are not UTF-8 escaped, and
// cut after `most` characters with the length of the whole.
std::string QuotedText(const std::string& text, std::size_t most = 60);

}  // namespace sim
