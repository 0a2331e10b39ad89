// The common fields in one step: the digits are rounded as an integer and written
// straight into place, with the result the stages give.

#include <cstring>

#include <tabard/text/mask_field.h>
#include <tabard/text/mask_sizing.h>
#include <tabard/text/number_digits.h>

namespace tabard {

namespace {

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

// Whether the field fits the writer's buffer whole, so that it can be stored without
// counting each byte. A caller asking only for the length gives no buffer.
bool Fits(const MaskWriter& writer, uint64_t width) {
  return writer.out != nullptr && writer.length <= writer.capacity && width <= writer.capacity - writer.length;
}

}  // namespace

bool FormatPlainField(MaskWriter& writer, const MaskField& field, const long double& value, bool negative) {
  ScaledDigits scaled = ScaleToDigits(value, kMaxDecimalDigits);
  const uint64_t fraction = field.fractionPositions;
  if (scaled.integer == 0 || scaled.exponent < 1 || scaled.exponent + fraction > kScaledDigits) return false;

  uint64_t width = field.width;
  uint64_t integerPositions = field.integerPositions;
  if (negative) PlaceSign(integerPositions, width, fraction);
  const auto fitted = static_cast<uint64_t>(scaled.exponent);
  GrowPart(integerPositions, width, fitted);
  RoundScaledDigits(scaled, static_cast<uint32_t>(fitted + fraction));
  const auto integerDigits = static_cast<uint64_t>(scaled.exponent);
  WidenForCarry(integerPositions, integerDigits, width);

  const uint64_t integerChars = IntegerChars(field, integerDigits);
  if (field.hasThousands) GrowPart(integerPositions, width, integerChars);
  const uint64_t written = WrittenChars(width, field, integerChars, 0, negative);
  if (!Fits(writer, width)) return false;

  char digits[kScaledDigits];
  WriteLeadingDigits(digits, scaled.integer, integerDigits + fraction);
  char* at = writer.out + writer.length;
  at = PutFill(at, field.fillChar, width - written);
  if (negative) *at++ = '-';
  if (field.hasCurrency) *at++ = '$';
  if (integerChars == integerDigits) {
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
  ScaledDigits scaled = ScaleToDigits(value, kMaxDecimalDigits);
  const uint64_t fraction = field.fractionPositions;
  uint64_t width = field.width;
  uint64_t integerDigits = field.integerPositions;
  PlaceSign(integerDigits, width, fraction);  // the exponent form keeps a place for it
  if (scaled.integer == 0 || integerDigits == 0 || integerDigits + fraction > kScaledDigits) return false;

  RoundScaledDigits(scaled, static_cast<uint32_t>(integerDigits + fraction));
  const int32_t exponent = scaled.exponent - static_cast<int32_t>(integerDigits);
  const auto magnitude = static_cast<uint32_t>(exponent < 0 ? -exponent : exponent);
  const uint64_t exponentDigits = ExponentDigits(field.exponentPositions, magnitude, width);
  const uint64_t written =
      WrittenChars(width, field, integerDigits, exponentDigits + kExponentSignAndLetter, negative);
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
