// The module prints its figures itself: the C library of the real host's
// platform writes some of them differently from the Linux build's (infinity
// and NaN, and the digits of very large numbers, which it rounds to 17
// significant ones), and a page must read the same wherever it is drawn. A
// figure is the decimal value of the double rounded to N decimals, half to
// even on the exact binary value, as glibc's printf does.
#include "display/TextFormat.h"

#include <stdarg.h>
#include <stdint.h>
#include <string.h>

namespace {

// Writes into the caller's buffer, dropping what does not fit.
class Writer {
 public:
  Writer(char* out, size_t size) : out(out), room(size > 0 ? size - 1 : 0) {}
  void Put(char c) {
    if (used < room) out[used++] = c;
  }
  void Put(const char* text) {
    while (*text != '\0') Put(*text++);
  }
  void Finish(size_t size) {
    if (size > 0) out[used] = '\0';
  }

 private:
  char* out;
  size_t room;
  size_t used = 0;
};

// An unsigned integer of up to 1,280 bits, little-endian in 32-bit limbs:
// room for any double's integer part times 10^9.
class BigNumber {
 public:
  explicit BigNumber(uint64_t value) {
    limbs[0] = static_cast<uint32_t>(value);
    limbs[1] = static_cast<uint32_t>(value >> 32);
    count = limbs[1] != 0 ? 2 : (limbs[0] != 0 ? 1 : 0);
  }

  void Multiply(uint32_t factor) {
    uint64_t carry = 0;
    for (int i = 0; i < count; ++i) {
      const uint64_t product = static_cast<uint64_t>(limbs[i]) * factor + carry;
      limbs[i] = static_cast<uint32_t>(product);
      carry = product >> 32;
    }
    if (carry != 0) limbs[count++] = static_cast<uint32_t>(carry);
  }

  void AddOne() {
    for (int i = 0; i < count; ++i) {
      if (++limbs[i] != 0) return;
    }
    limbs[count++] = 1;
  }

  void ShiftLeft(int bits) {
    const int whole = bits / 32, part = bits % 32;
    for (int i = count + whole; i >= 0; --i) {
      const int from = i - whole;
      const uint64_t high = from >= 0 && from < count ? limbs[from] : 0;
      const uint64_t low = from - 1 >= 0 && from - 1 < count ? limbs[from - 1] : 0;
      limbs[i] = static_cast<uint32_t>(((high << 32 | low) << part) >> 32);
    }
    count += whole + 1;
    Trim();
  }

  // Divides by 2^bits, rounding half to even.
  void ShiftRightRounded(int bits) {
    const bool half = Bit(bits - 1);
    bool below = false;
    for (int i = 0; i < (bits - 1) / 32 && i < count && !below; ++i) below = limbs[i] != 0;
    for (int bit = (bits - 1) / 32 * 32; bit < bits - 1 && !below; ++bit) below = Bit(bit);
    const int whole = bits / 32, part = bits % 32;
    for (int i = 0; i < count; ++i) {
      const int from = i + whole;
      const uint64_t low = from < count ? limbs[from] : 0;
      const uint64_t high = from + 1 < count ? limbs[from + 1] : 0;
      limbs[i] = static_cast<uint32_t>((high << 32 | low) >> part);
    }
    count = count > whole ? count - whole : 0;
    Trim();
    if (half && (below || Bit(0))) AddOne();
  }

  // Divides by `divisor`, below 2^16, and returns the remainder. Each step
  // divides 32 bits: a 64-bit division would need a helper that the
  // Windows C library does not export.
  uint32_t Divide(uint32_t divisor) {
    uint32_t remainder = 0;
    for (int i = count - 1; i >= 0; --i) {
      const uint32_t high = remainder << 16 | limbs[i] >> 16;
      const uint32_t low = (high % divisor) << 16 | (limbs[i] & 0xFFFF);
      limbs[i] = (high / divisor) << 16 | low / divisor;
      remainder = low % divisor;
    }
    Trim();
    return remainder;
  }

  bool IsZero() const { return count == 0; }

 private:
  bool Bit(int bit) const {
    if (bit < 0 || bit / 32 >= count) return false;
    return ((limbs[bit / 32] >> (bit % 32)) & 1) != 0;
  }
  void Trim() {
    while (count > 0 && limbs[count - 1] == 0) --count;
  }

  uint32_t limbs[41] = {};
  int count;
};

// The common case worked out in 64 bits alone: mantissa * 2^exponent *
// 10^decimals rounded half to even, for a value below 2^52 (a negative
// exponent) and up to three decimals, where the product stays below 2^63.
bool ScaledInSixtyFourBits(uint64_t mantissa, int exponent, int decimals, uint64_t& scaled) {
  constexpr uint32_t powers[] = {1, 10, 100, 1000};
  if (exponent >= 0 || decimals > 3) return false;
  const uint64_t product = mantissa * powers[decimals];
  const int shift = -exponent;
  if (shift >= 64) {  // below one half, as the product is below 2^63
    scaled = 0;
    return true;
  }
  const uint64_t whole = product >> shift;
  const uint64_t rest = product & ((uint64_t{1} << shift) - 1);
  const uint64_t half = uint64_t{1} << (shift - 1);
  scaled = whole + ((rest > half || (rest == half && (whole & 1) != 0)) ? 1 : 0);
  return true;
}

void PutFixed(Writer& writer, double value, int decimals) {
  uint64_t bits;
  memcpy(&bits, &value, sizeof bits);
  const bool negative = (bits >> 63) != 0;
  const int exponentField = static_cast<int>((bits >> 52) & 0x7FF);
  const uint64_t fraction = bits & ((uint64_t{1} << 52) - 1);
  if (exponentField == 0x7FF) {
    writer.Put(negative ? "-" : "");
    writer.Put(fraction == 0 ? "inf" : "nan");
    return;
  }
  // value = mantissa * 2^exponent exactly.
  const uint64_t mantissa = exponentField == 0 ? fraction : fraction | uint64_t{1} << 52;
  const int exponent = (exponentField == 0 ? 1 : exponentField) - 1075;

  // The value times 10^decimals, rounded to a whole number, and its
  // digits, least significant first.
  char digits[420];
  int count = 0;
  uint64_t small;
  if (ScaledInSixtyFourBits(mantissa, exponent, decimals, small) && small >> 32 == 0) {
    for (auto rest = static_cast<uint32_t>(small); rest != 0 || count <= decimals; rest /= 10)
      digits[count++] = static_cast<char>('0' + rest % 10);
  } else {
    BigNumber scaled(mantissa);
    for (int i = 0; i < decimals; ++i) scaled.Multiply(10);
    if (exponent >= 0)
      scaled.ShiftLeft(exponent);
    else
      scaled.ShiftRightRounded(-exponent);
    while (!scaled.IsZero() || count <= decimals) {
      // Four digits at a time.
      uint32_t group = scaled.Divide(10000);
      const bool last = scaled.IsZero();
      for (int k = 0; k < 4 && (!last || group != 0 || count <= decimals); ++k, group /= 10)
        digits[count++] = static_cast<char>('0' + group % 10);
    }
  }
  if (negative) writer.Put('-');
  for (int i = count - 1; i >= 0; --i) {
    if (i == decimals - 1) writer.Put('.');
    writer.Put(digits[i]);
  }
}

}  // namespace

void FormatText(char* out, size_t size, const char* format, ...) {
  Writer writer(out, size);
  va_list args;
  va_start(args, format);
  for (const char* p = format; *p != '\0'; ++p) {
    if (*p != '%') {
      writer.Put(*p);
      continue;
    }
    ++p;
    if (*p == '%') {
      writer.Put('%');
    } else if (*p == 's') {
      writer.Put(va_arg(args, const char*));
    } else if (p[0] == '.' && p[1] >= '0' && p[1] <= '9' && p[2] == 'f') {
      PutFixed(writer, va_arg(args, double), p[1] - '0');
      p += 2;
    } else if (*p == '\0') {
      break;
    }
  }
  va_end(args);
  writer.Finish(size);
}
