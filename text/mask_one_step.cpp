// The common fields in one step: the digits are rounded as an integer and written
// straight into place, with the result the stages give.

#include <cstring>

#include <tabard/text/mask_field.h>
#include <tabard/text/number_digits.h>

namespace tabard {

namespace {

constexpr uint32_t kScaledDigits = 18;
constexpr uint32_t kUnroundedDigits = 19;
constexpr uint32_t kExponentSignAndLetter = 2;

char* PutRun(char* at, const char* from, uint64_t count) {
  for (uint64_t i = 0; i < count; ++i) at[i] = from[i];
  return at + count;
}

// A field's fill is a few bytes at most, as a rule: whole words and the rest in
// pieces cost less than a call to the library's fill.
char* PutFill(char* at, char fill, uint64_t count) {
  const uint64_t word = 0x01010101'01010101u * static_cast<unsigned char>(fill);
  for (; count >= 8; count -= 8, at += 8) std::memcpy(at, &word, 8);
  if (count & 4) {
    std::memcpy(at, &word, 4);
    at += 4;
  }
  if (count & 2) {
    std::memcpy(at, &word, 2);
    at += 2;
  }
  if (count & 1) *at++ = fill;
  return at;
}

// The sign takes one of the integer positions, or widens the field.
void PlaceSign(uint64_t& integerPositions, uint64_t& width, uint64_t fraction) {
  if (integerPositions >= 2) {
    --integerPositions;
  } else if (integerPositions == 1 && fraction != 0) {
    integerPositions = 0;
  } else {
    ++width;
  }
}

// Whether the field fits the writer's buffer whole, so that it can be stored without
// counting each byte. A caller asking only for the length gives no buffer.
bool Fits(const MaskWriter& writer, uint64_t width) {
  return writer.out != nullptr && writer.length <= writer.capacity && width <= writer.capacity - writer.length;
}

uint32_t DecimalLength(uint32_t value) {
  uint32_t length = 1;
  for (uint32_t bound = 10; length < 10 && value >= bound; bound *= 10) ++length;
  return length;
}

}  // namespace

bool FormatPlainField(MaskWriter& writer, const MaskField& field, const long double& value, bool negative) {
  ScaledDigits scaled = ScaleToDigits(value, kUnroundedDigits);
  const uint64_t fraction = field.fractionPositions;
  if (scaled.integer == 0 || scaled.exponent < 1 || scaled.exponent + fraction > kScaledDigits) return false;

  uint64_t width = field.width;
  uint64_t integerPositions = field.integerPositions;
  if (negative) PlaceSign(integerPositions, width, fraction);
  const auto fitted = static_cast<uint64_t>(scaled.exponent);
  if (fitted > integerPositions) {
    width += fitted - integerPositions;
    integerPositions = fitted;
  }
  RoundScaledDigits(scaled, static_cast<uint32_t>(fitted + fraction));
  const auto integerDigits = static_cast<uint64_t>(scaled.exponent);
  if (integerDigits > fitted && integerPositions < integerDigits) ++width;  // a carry's new digit

  const uint64_t separators = field.hasThousands ? (integerDigits - 1) / 3 : 0;
  const uint64_t integerChars = integerDigits + separators;
  if (field.hasThousands && integerChars > integerPositions) width += integerChars - integerPositions;
  const uint64_t written =
      fraction + (field.hasPoint ? 1 : 0) + integerChars + (field.hasCurrency ? 1 : 0) + (negative ? 1 : 0);
  if (written > width) width = written;
  if (!Fits(writer, width)) return false;

  char digits[kScaledDigits];
  WriteLeadingDigits(digits, scaled.integer, integerDigits + fraction);
  char* at = writer.out + writer.length;
  at = PutFill(at, field.fillChar, width - written);
  if (negative) *at++ = '-';
  if (field.hasCurrency) *at++ = '$';
  if (separators == 0) {
    at = PutRun(at, digits, integerDigits);
  } else {
    const uint64_t firstGroup = (integerDigits - 1) % 3 + 1;
    at = PutRun(at, digits, firstGroup);
    for (uint64_t place = firstGroup; place < integerDigits; place += 3) {
      *at++ = ',';
      at = PutRun(at, digits + place, 3);
    }
  }
  if (field.hasPoint) *at++ = '.';
  PutRun(at, digits + integerDigits, fraction);
  writer.length += width;
  return true;
}

bool FormatExponentField(MaskWriter& writer, const MaskField& field, const long double& value, bool negative) {
  ScaledDigits scaled = ScaleToDigits(value, kUnroundedDigits);
  const uint64_t fraction = field.fractionPositions;
  uint64_t width = field.width;
  uint64_t integerDigits = field.integerPositions;
  PlaceSign(integerDigits, width, fraction);  // the exponent form keeps a place for it
  if (scaled.integer == 0 || integerDigits == 0 || integerDigits + fraction > kScaledDigits) return false;

  RoundScaledDigits(scaled, static_cast<uint32_t>(integerDigits + fraction));
  const int32_t exponent = scaled.exponent - static_cast<int32_t>(integerDigits);
  const auto magnitude = static_cast<uint32_t>(exponent < 0 ? -exponent : exponent);
  uint64_t exponentDigits = field.exponentPositions - kExponentSignAndLetter;
  const uint32_t needed = DecimalLength(magnitude);
  if (needed > exponentDigits) {
    width += needed - exponentDigits;
    exponentDigits = needed;
  }
  const uint64_t written = exponentDigits + kExponentSignAndLetter + fraction + (field.hasPoint ? 1 : 0) +
                           integerDigits + (field.hasCurrency ? 1 : 0) + (negative ? 1 : 0);
  if (written > width) width = written;
  if (!Fits(writer, width)) return false;

  char digits[kScaledDigits];
  WriteLeadingDigits(digits, scaled.integer, integerDigits + fraction);
  char* at = PutFill(writer.out + writer.length, field.fillChar, width - written);
  if (negative) *at++ = '-';
  if (field.hasCurrency) *at++ = '$';
  at = PutRun(at, digits, integerDigits);
  if (field.hasPoint) *at++ = '.';
  at = PutRun(at, digits + integerDigits, fraction);
  *at++ = 'E';
  *at++ = exponent < 0 ? '-' : '+';
  WriteWholeDigits(at, magnitude, static_cast<uint32_t>(exponentDigits));
  writer.length += width;
  return true;
}

}  // namespace tabard
