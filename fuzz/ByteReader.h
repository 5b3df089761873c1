// Reads a fuzzer's bytes front to back as small numbers and texts; past the
// end every read gives zeros, so any input decodes to something.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace fuzz {

class ByteReader {
 public:
  ByteReader(const std::uint8_t* data, std::size_t size) : data(data), size(size) {}

  bool AtEnd() const { return offset >= size; }

  std::uint8_t Byte() { return offset < size ? data[offset++] : 0; }

  std::uint32_t Word() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value << 8 | Byte();
    return value;
  }

  // A length byte, then that many bytes (fewer at the end of the input).
  std::string Text() {
    const std::size_t length = Byte();
    std::string text;
    for (std::size_t i = 0; i < length && !AtEnd(); ++i) text.push_back(static_cast<char>(Byte()));
    return text;
  }

  // The rest of the input.
  std::string Rest() {
    std::string text(reinterpret_cast<const char*>(data + offset), AtEnd() ? 0 : size - offset);
    offset = size;
    return text;
  }

 private:
  const std::uint8_t* data;
  std::size_t size;
  std::size_t offset = 0;
};

}  // namespace fuzz
