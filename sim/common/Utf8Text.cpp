#include "common/Utf8Text.h"

#include "host/Formatted.h"

namespace sim {

Utf8Character CharacterAt(const std::string& text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) return {lead, 1};
  // The length, and the range the second byte must lie in, which rules out
  // overlong forms, surrogates and code points beyond U+10FFFF.
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) length = 2;
  if (lead >= 0xE0 && lead <= 0xEF) length = 3;
  if (lead >= 0xF0 && lead <= 0xF4) length = 4;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (length == 0 || at + length > text.size()) return {};
  char32_t code = lead & (0x7F >> length);
  for (std::size_t k = 1; k < length; ++k) {
    const auto byte = static_cast<unsigned char>(text[at + k]);
    if (byte < low || byte > high) return {};
    low = 0x80;
    high = 0xBF;
    code = code << 6 | (byte & 0x3F);
  }
  return {code, length};
}

bool IsControlCharacter(char32_t c) {
  return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0x61C || c == 0x200E || c == 0x200F ||
         (c >= 0x2028 && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

bool HasControlCharacter(const std::string& text) {
  for (std::size_t i = 0; i < text.size();) {
    const Utf8Character character = CharacterAt(text, i);
    if (character.length > 0 && IsControlCharacter(character.code)) return true;
    i += character.length > 0 ? character.length : 1;
  }
  return false;
}

std::string QuotedText(const std::string& text, std::size_t most) {
  std::string quoted = "\"";
  std::size_t i = 0;
  for (std::size_t shown = 0; i < text.size() && shown < most; ++shown) {
    const Utf8Character character = CharacterAt(text, i);
    if (character.length == 0) {
      quoted += host::Formatted("\\x%02X", static_cast<unsigned char>(text[i]));
      ++i;
      continue;
    }
    const char32_t c = character.code;
    if (c == '"' || c == '\\') {
      quoted += '\\';
      quoted += static_cast<char>(c);
    } else if (c == '\t') {
      quoted += "\\t";
    } else if (IsControlCharacter(c)) {
      quoted += host::Formatted(c < 0x80 ? "\\x%02X" : "\\u%04X", static_cast<unsigned>(c));
    } else {
      quoted.append(text, i, character.length);
    }
    i += character.length;
  }
  quoted += '"';
  if (i < text.size()) quoted += "... (" + std::to_string(text.size()) + " bytes)";
  return quoted;
}

}  // namespace sim
