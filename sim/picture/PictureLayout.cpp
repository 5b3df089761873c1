#include "picture/PictureLayout.h"

#include <algorithm>
#include <cmath>

#include "display/DisplayLayout.h"

namespace sim {

namespace {

constexpr char replacement[] = "\xEF\xBF\xBD";  // U+FFFD
constexpr double monoAdvance = 0.602;           // DejaVu Sans Mono's advance, in ems
constexpr double boxPadding = 4;
constexpr double fieldHeight = 13;
constexpr double markerWidth = 6;

bool IsContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The length of the well-formed character starting with `lead`, and the
// range its second byte must lie in (which rules out overlong forms,
// surrogates and code points beyond U+10FFFF); 0 for a byte that starts none.
int CharacterLength(unsigned char lead, unsigned char& low, unsigned char& high) {
  low = 0x80;
  high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) return 2;
  if (lead == 0xE0) low = 0xA0;
  if (lead == 0xED) high = 0x9F;
  if (lead >= 0xE0 && lead <= 0xEF) return 3;
  if (lead == 0xF0) low = 0x90;
  if (lead == 0xF4) high = 0x8F;
  if (lead >= 0xF0 && lead <= 0xF4) return 4;
  return 0;
}

std::size_t CharacterCount(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
    return !IsContinuation(static_cast<unsigned char>(c));
  }));
}

// The byte offset of character `n` in valid UTF-8 text (its size when shorter).
std::size_t OffsetOfCharacter(const std::string& text, std::size_t n) {
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[i])) && n-- == 0) break;
  }
  return i;
}

}  // namespace

std::string ValidUtf8(const std::string& text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead != 0 && lead < 0x80) {
      out.push_back(text[i++]);
      continue;
    }
    unsigned char low = 0, high = 0;
    const int length = lead == 0 ? 0 : CharacterLength(lead, low, high);
    // The well-formed start of a character counts as one bad piece.
    std::size_t good = 1;
    while (length > 0 && good < static_cast<std::size_t>(length) && i + good < text.size()) {
      const auto byte = static_cast<unsigned char>(text[i + good]);
      if (byte < low || byte > high) break;
      low = 0x80;
      high = 0xBF;
      ++good;
    }
    if (length > 0 && good == static_cast<std::size_t>(length))
      out.append(text, i, good);
    else
      out.append(replacement);
    i += good;
  }
  return out;
}

std::vector<std::string> WrapText(const std::string& text, std::size_t columns) {
  columns = std::max<std::size_t>(columns, 1);
  std::vector<std::string> lines;
  std::string line;
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    std::string word = text.substr(start, end - start);
    start = end + 1;
    if (word.empty()) continue;
    if (!line.empty() && CharacterCount(line) + 1 + CharacterCount(word) > columns) {
      lines.push_back(line);
      line.clear();
    }
    while (CharacterCount(word) > columns) {
      const std::size_t cut = OffsetOfCharacter(word, columns);
      lines.push_back(word.substr(0, cut));
      word.erase(0, cut);
    }
    line += (line.empty() ? "" : " ") + word;
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

std::string CutText(const std::string& text, std::size_t most) {
  std::string valid = ValidUtf8(text);
  if (CharacterCount(valid) <= most) return valid;
  return valid.substr(0, OffsetOfCharacter(valid, most > 3 ? most - 3 : 0)) + "...";
}

bool PictureSizeFits(double width, double height, std::string& error) {
  if (width <= largestPictureSide && height <= largestPictureSide) return true;
  error = "it would take " + std::to_string(static_cast<long long>(std::ceil(width))) + "x" +
          std::to_string(static_cast<long long>(std::ceil(height))) + " pixels, at most " +
          std::to_string(largestPictureSide) + " a side";
  return false;
}

DisplayPictureLayout LayOutDisplayPicture(int width, int height, const host::Page& page,
                                          const std::optional<host::InputBoxView>& box) {
  DisplayPictureLayout layout;
  const double w = width, h = height, overflow = PageOverflow(page, height);
  layout.width = w + 2 * bezelSide;
  layout.height = h + overflow + 2 * bezelTop;
  layout.screen = {bezelSide, bezelTop, w, h};
  if (overflow > 0) {
    layout.below = {bezelSide, bezelTop + h, w, overflow};
    layout.marker = {bezelSide - 2 * markerWidth, layout.below.y + 1, markerWidth, overflow - 2};
  }
  if (box) {
    const double margin = std::min(8.0, w / 10);
    const double boxWidth = w - 2 * margin;
    const auto columns = static_cast<std::size_t>(
        std::max(1.0, std::floor((boxWidth - 2 * boxPadding) / (boxFontSize * monoAdvance))));
    layout.titleLines = WrapText(ValidUtf8(box->title), columns);
    const double titleHeight = static_cast<double>(layout.titleLines.size()) * boxLineHeight;
    const double boxHeight = titleHeight + fieldHeight + 3 * boxPadding;
    layout.box = {bezelSide + margin, bezelTop + (h - boxHeight) / 2, boxWidth, boxHeight};
    layout.field = {layout.box.x + boxPadding, layout.box.y + 2 * boxPadding + titleHeight,
                    boxWidth - 2 * boxPadding, fieldHeight};
  }
  return layout;
}

}  // namespace sim
