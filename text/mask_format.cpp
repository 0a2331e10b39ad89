#include <tabard/text/mask_format.h>

#include <bit>
#include <cstring>

#include <tabard/text/mask_field.h>
#include <tabard/text/number_fpu.h>
#include <tabard/text/number_text.h>

namespace tabard {

namespace {

constexpr uint32_t kPlainTextDigits = 15;

enum class ValueClass { Zero, Positive, Negative };

// Zero is zero of either sign, and anything whose digits are zero and that is not
// a number at all: a NaN, or an encoding with a zero significand.
ValueClass Classify(long double value) {
  const ExtendedParts parts = DecodeExtended(value);
  if (parts.significand == 0 || (parts.exponent == kExtendedExponentSpecial && !ReadsAsInfinity(parts)))
    return ValueClass::Zero;
  return parts.negative ? ValueClass::Negative : ValueClass::Positive;
}

long double WithoutSign(long double value) {
  ExtendedParts parts = DecodeExtended(value);
  parts.negative = false;
  return EncodeExtended(parts);
}

struct Span {
  const char* bytes;
  uint32_t length;
  bool present;
};

void WritePlainNumber(MaskWriter& writer, long double value) {
  char text[kNumberTextBufferSize];
  const uint32_t length = NumberTextCore(value, kPlainTextDigits, text) - 1;
  for (uint32_t i = text[0] == ' ' ? 1 : 0; i < length; ++i) MaskPut(writer, text[i]);
}

// The stopping sequences of trailing text: each begins another field.
bool BeginsAnotherField(const char* s, uint32_t n, uint32_t i) {
  constexpr char kSingles[] = {'!', '&', '#', '0'};
  constexpr char kPairs[][2] = {{'+', '#'}, {'+', '.'}, {'.', '#'}, {'*', '*'}, {'$', '$'}, {',', '.'}, {',', ','}};
  for (char single : kSingles)
    if (s[i] == single) return true;
  if (i + 1 >= n) return false;
  for (const auto& pair : kPairs)
    if (s[i] == pair[0] && s[i + 1] == pair[1]) return true;
  return false;
}

// The first ';' from `at` on, or `end`: eight bytes at a time while eight remain, as
// a call to search so few bytes costs more than the search.
const char* FindSeparator(const char* at, const char* end) {
  static_assert(std::endian::native == std::endian::little, "the first byte is the word's lowest");
  constexpr uint64_t kOnes = 0x01010101'01010101;
  constexpr uint64_t kHighBits = 0x80808080'80808080;
  for (; end - at >= 8; at += 8) {
    uint64_t word;
    std::memcpy(&word, at, sizeof word);
    const uint64_t separators = word ^ (kOnes * ';');
    // The lowest flagged byte is the first zero byte, that is the first ';'.
    const uint64_t flagged = (separators - kOnes) & ~separators & kHighBits;
    if (flagged != 0) return at + std::countr_zero(flagged) / 8;
  }
  while (at < end && *at != ';') ++at;
  return at;
}

// The section from `start` to the next ';' or the mask's end.
Span SectionFrom(const char* start, const char* end) {
  const char* const stop = FindSeparator(start, end);
  return Span{start, static_cast<uint32_t>(stop - start), true};
}

// The section after `section`, present only where a ';' ends that one.
Span SectionAfter(const Span& section, const char* end) {
  const char* const stop = section.bytes + section.length;
  if (!section.present || stop == end) return Span{nullptr, 0, false};
  return SectionFrom(stop + 1, end);
}

}  // namespace

MaskSection ChooseMaskSection(const char* mask, uint32_t length, const long double& value) {
  const char* const end = mask + length;
  // The later sections are looked for only for the values that may use them.
  const Span first = SectionFrom(mask, end);
  const auto usable = [](const Span& span) { return span.present && span.length != 0; };
  switch (Classify(value)) {
    case ValueClass::Positive:
      return MaskSection{first.bytes, first.length, value, false};
    case ValueClass::Negative: {
      const Span second = SectionAfter(first, end);
      if (usable(second)) return MaskSection{second.bytes, second.length, WithoutSign(value), false};
      return MaskSection{first.bytes, first.length, value, true};
    }
    case ValueClass::Zero:
      break;
  }
  const Span third = SectionAfter(SectionAfter(first, end), end);
  if (usable(third)) return MaskSection{third.bytes, third.length, value, false};
  return MaskSection{first.bytes, first.length, value, false};
}

void CopyTrailingText(MaskWriter& writer, const char* s, uint32_t n, uint32_t i) {
  while (i < n) {
    if (s[i] == '\\') {
      MaskPut(writer, i + 1 < n ? s[i + 1] : '\\');
      i += 2;
      continue;
    }
    if (BeginsAnotherField(s, n, i)) return;
    MaskPut(writer, s[i++]);
  }
}

namespace {

uint64_t Format(const long double& value, const char* mask, uint32_t maskLength, char* out, uint64_t capacity,
                bool oneStepAllowed) {
  MaskWriter writer{out, capacity, 0};
  const MaskSection section = ChooseMaskSection(mask, maskLength, value);
  MaskField field;
  const MaskScan scan = ScanMaskSection(section.bytes, section.length, writer, field);
  if (!scan.hasField) {
    writer.length = 0;
    WritePlainNumber(writer, section.value);
    return writer.length;
  }
  // A field's digits come from the magnitude alone, and the section's value is the
  // caller's or its magnitude: the caller's own is read, where no copy is waiting to
  // be stored.
  const bool negative = section.negative;
  const bool oneStep = oneStepAllowed && (field.exponentForm ? FormatExponentField(writer, field, value, negative)
                                                             : FormatPlainField(writer, field, value, negative));
  if (!oneStep) {
    FittedField fitted;
    FitMaskField(field, value, negative, fitted);
    RoundMaskField(fitted);
    LayoutMaskField(writer, fitted, negative);
  }
  CopyTrailingText(writer, section.bytes, section.length, scan.fieldEnd);
  return writer.length;
}

}  // namespace

uint64_t FormatWithMask(const long double& value, const char* mask, uint32_t maskLength, char* out, uint64_t capacity) {
  return Format(value, mask, maskLength, out, capacity, true);
}

uint64_t FormatWithMaskInStages(const long double& value, const char* mask, uint32_t maskLength, char* out,
                                uint64_t capacity) {
  return Format(value, mask, maskLength, out, capacity, false);
}

}  // namespace tabard
