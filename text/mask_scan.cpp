// Scanning one section of a mask into a MaskField.
#include <tabard/text/mask_field.h>

namespace tabard {

namespace {

constexpr uint32_t kFewestExponentMarks = 3;
constexpr uint32_t kMostExponentMarks = 6;

MaskScan NoField() { return MaskScan{false, 0}; }
MaskScan FieldEndingAt(const MaskField&, uint32_t at) { return MaskScan{true, at}; }

bool IsDigitPosition(char c) { return c == '#' || c == '0'; }

// The run is counted in locals and added to the field once at its end: counts
// kept in the field itself would be stored and loaded again for every position,
// one after the other.
MaskScan ScanDigitRun(const char* s, uint32_t n, uint32_t i, MaskField& field) {
  field.inDigits = true;
  bool point = field.hasPoint;
  bool zeroFill = false;
  uint32_t integerDigits = 0;
  uint32_t fractionDigits = 0;
  uint32_t commas = 0;
  uint32_t points = 0;
  // Before the point: digit positions, commas and the point itself.
  for (; i < n && !point; ++i) {
    const char c = s[i];
    if (IsDigitPosition(c)) {
      zeroFill |= c == '0';
      ++integerDigits;
    } else if (c == '.') {
      point = true;
      ++points;
    } else if (c == ',') {
      ++commas;
    } else {
      break;
    }
  }
  // After it: digit positions only.
  for (; point && i < n && IsDigitPosition(s[i]); ++i) {
    zeroFill |= s[i] == '0';
    ++fractionDigits;
  }
  if (zeroFill) field.fillChar = '0';
  field.hasPoint = point;
  if (commas != 0) field.hasThousands = true;
  field.width += integerDigits + fractionDigits + commas + points;
  field.integerPositions += integerDigits + commas;
  field.fractionPositions += fractionDigits;
  if (i >= n || s[i] != '^') return FieldEndingAt(field, i);

  uint32_t marks = 0;
  while (i + marks < n && s[i + marks] == '^') ++marks;
  if (marks < kFewestExponentMarks || marks > kMostExponentMarks) return NoField();
  field.exponentForm = true;
  field.exponentPositions = marks;
  field.width += marks;
  field.hasThousands = false;
  return FieldEndingAt(field, i + marks);
}

// A field begun by commas: integer positions, then perhaps a point and fraction
// positions, then the digit run. A comma run reaching the end is a whole field.
MaskScan ScanCommaRun(const char* s, uint32_t n, uint32_t i, MaskField& field) {
  field.hasThousands = true;
  while (i < n && s[i] == ',') {
    ++field.integerPositions;
    ++field.width;
    ++i;
  }
  if (i < n && s[i] == '.') {
    field.hasPoint = true;
    ++field.width;
    ++i;
    while (i < n && s[i] == ',') {
      ++field.fractionPositions;
      ++field.width;
      ++i;
    }
  }
  if (i < n && IsDigitPosition(s[i])) return ScanDigitRun(s, n, i, field);
  return FieldEndingAt(field, i);
}

}  // namespace

MaskScan ScanMaskSection(const char* s, uint32_t n, MaskWriter& leading, MaskField& field) {
  field = MaskField{};
  bool prefix = false;  // a fill or currency prefix was given
  uint32_t i = 0;
  while (i < n) {
    const char c = s[i];
    switch (c) {
      case '\\':
        if (i + 1 >= n) return NoField();
        MaskPut(leading, s[i + 1]);
        i += 2;
        break;
      case '.':
        if (field.hasPoint) return FieldEndingAt(field, i);
        field.hasPoint = true;
        ++field.width;
        ++i;
        break;
      case '*':
        if (prefix) return FieldEndingAt(field, i);
        if (i + 1 >= n) return NoField();
        field.fillChar = s[i + 1];
        field.width += 2;
        field.integerPositions += 2;
        prefix = true;
        i += 2;
        if (i < n && s[i] == '$') {
          field.hasCurrency = true;
          ++field.width;
          ++i;
        }
        if (i >= n) return NoField();
        break;
      case '$':
        if (i + 1 >= n) return FieldEndingAt(field, i);  // a final '$' follows the field
        if (s[i + 1] != '$') {
          MaskPut(leading, '$');
          ++i;
          break;
        }
        if (field.hasCurrency) return FieldEndingAt(field, i);
        field.hasCurrency = true;
        ++field.integerPositions;
        field.width += 2;
        prefix = true;
        i += 2;
        if (i >= n) return NoField();
        break;
      case ',':
        if (field.hasPoint) return FieldEndingAt(field, i);
        return ScanCommaRun(s, n, i, field);
      case '#':
      case '0':
        return ScanDigitRun(s, n, i, field);
      case '^':
        return NoField();
      default:
        MaskPut(leading, c);
        ++i;
        break;
    }
  }
  return NoField();
}

}  // namespace tabard
