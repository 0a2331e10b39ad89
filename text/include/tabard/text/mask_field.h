#pragma once
// The stages of mask formatting, each testable on its own: choosing the section,
// scanning it into a MaskField, fitting the number into the field, rounding, laying
// the field out and copying the trailing text. They write through a MaskWriter into
// a buffer the caller sized; the writer counts every byte, so a caller whose
// buffer was too small learns the exact length it needs.
#include <cstdint>

#include <tabard/text/number_digits.h>

namespace tabard {

// Counts are wider than the 16 bits a field needs in practice: a mask of more than
// 65,535 digit positions must not wrap them.
struct MaskField {
  uint32_t width = 0;              // characters the field occupies in the result
  uint32_t integerPositions = 0;   // left of the point: digits, commas, fill prefix, "$$" digit
  uint32_t fractionPositions = 0;  // digit positions right of the point
  uint32_t exponentPositions = 0;  // the '^' characters, 3 to 6 with an exponent
  char fillChar = ' ';
  bool hasPoint = false;
  bool hasThousands = false;
  bool hasCurrency = false;
  bool exponentForm = false;
  bool inDigits = false;
  // Fills the record to a whole number of 8-byte words, so that clearing it takes
  // whole-word stores that later reads of single fields can be served from.
  bool unused[2] = {};
};
static_assert(sizeof(MaskField) == 24);

// Writes at most `capacity` bytes to `out` but counts them all in `length`.
struct MaskWriter {
  char* out;
  uint64_t capacity;
  uint64_t length;
};

inline void MaskPut(MaskWriter& writer, char c) {
  if (writer.length < writer.capacity) writer.out[writer.length] = c;
  ++writer.length;
}

inline void MaskPutRepeated(MaskWriter& writer, char c, uint64_t count) {
  for (uint64_t i = 0; i < count && writer.length + i < writer.capacity; ++i) writer.out[writer.length + i] = c;
  writer.length += count;
}

// The section of the mask for one value, and the value to show with it.
struct MaskSection {
  const char* bytes;
  uint32_t length;
  long double value;  // the value itself, or its magnitude for the negative section
  bool negative;      // the field shows a '-'
};
MaskSection ChooseMaskSection(const char* mask, uint32_t length, const long double& value);

// Scanning a section: leading text goes to `leading` while the field is looked
// for, and the field's description into `field`. `fieldEnd` is where the trailing
// text begins.
struct MaskScan {
  bool hasField;
  uint32_t fieldEnd;
};
MaskScan ScanMaskSection(const char* section, uint32_t length, MaskWriter& leading, MaskField& field);

// The 19 digits of the value, after `lead` zeros when the value is below 1 in a
// plain field. Every place past them reads as '0'.
struct MaskDigits {
  uint64_t lead;
  char significant[kDecimalDigitsBufferSize];  // the digit generator's whole buffer
  uint32_t count;
};
// Place 1 is the first.
inline char MaskDigitAt(const MaskDigits& digits, uint64_t place) {
  if (place <= digits.lead) return '0';
  const uint64_t index = place - digits.lead - 1;
  return index < digits.count ? digits.significant[index] : '0';
}

// A field fitted to its number: the counts after fitting and rounding. The scanned
// field itself is left as it was.
struct FittedField {
  const MaskField* field;
  uint64_t width;
  uint64_t integerPositions;
  uint64_t integerDigits;  // L, the integer digits shown
  uint32_t exponentPositions;
  int64_t exponent;  // exponent form: the power of ten shown after 'E'
  bool exponentForm;
  MaskDigits digits;
};
void FitMaskField(const MaskField& field, long double value, bool negative, FittedField& fitted);
void RoundMaskField(FittedField& fitted);
// Writes the field at its final width (widening for separators and exponent digits).
void LayoutMaskField(MaskWriter& writer, FittedField& fitted, bool negative);

// Fitting, rounding and laying out in one step, for a field without an exponent (the
// caller's to check) and a value of at least 1 whose shown digits lie within the
// first 18, when the field fits the writer's room. Writes nothing and returns false
// otherwise.
bool FormatPlainField(MaskWriter& writer, const MaskField& field, const long double& value, bool negative);
// The same for a field with an exponent, a nonzero finite value and at least one
// integer position besides the sign's, whose shown digits lie within the first 18.
bool FormatExponentField(MaskWriter& writer, const MaskField& field, const long double& value, bool negative);

// FormatWithMask through the stages alone, never in one step: what the one-step
// fields must match.
uint64_t FormatWithMaskInStages(const long double& value, const char* mask, uint32_t maskLength, char* out,
                                uint64_t capacity);

// Copies the text after the field until the section ends or another field would
// begin.
void CopyTrailingText(MaskWriter& writer, const char* section, uint32_t length, uint32_t from);

}  // namespace tabard
