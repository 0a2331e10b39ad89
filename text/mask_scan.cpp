// Scanning one section of a mask into a MaskField.
#include <tabard/text/mask_field.h>

namespace tabard {

namespace {

constexpr uint32_t kFewestExponentMarks = 3;
constexpr uint32_t kMostExponentMarks = 6;

MaskScan NoField() { return MaskScan{false, 0}; }
MaskScan FieldEndingAt(uint32_t at) { return MaskScan{true, at}; }

bool IsDigitPosition(char c) { return c == '#' || c == '0'; }

// The '^' run after the digit positions, if there is one: three to six marks give
// the field an exponent and take its separators away; any other count leaves no
// field at all.
MaskScan ScanExponentMarks(const char* s, uint32_t n, uint32_t i, MaskField& field) {
  if (i >= n || s[i] != '^') return FieldEndingAt(i);
  uint32_t marks = 0;
  while (i + marks < n && s[i + marks] == '^') ++marks;
  if (marks < kFewestExponentMarks || marks > kMostExponentMarks) return NoField();
  field.exponentForm = true;
  field.exponentPositions = marks;
  field.width += marks;
  field.hasThousands = false;
  return FieldEndingAt(i + marks);
}

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
  return ScanExponentMarks(s, n, i, field);
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
  return FieldEndingAt(i);
}

// The part of a section before its digit positions: text for `leading`, and the
// point, fill and currency marks the field opens with.
struct LeadingScan {
  const char* s;
  uint32_t n;
  MaskWriter& leading;
  MaskField& field;
  bool prefix;  // a fill or currency prefix was given
};

// Where the scan goes after one mark: on from `next`, or to the end of the leading
// part with `scan`.
struct Step {
  bool ends;
  uint32_t next;
  MaskScan scan;
};
Step GoOn(uint32_t next) { return Step{false, next, {}}; }
Step End(MaskScan scan) { return Step{true, 0, scan}; }

// A backslash copies the character after it.
Step ScanEscape(LeadingScan& scan, uint32_t i) {
  if (i + 1 >= scan.n) return End(NoField());
  MaskPut(scan.leading, scan.s[i + 1]);
  return GoOn(i + 2);
}

// A point before the digit positions opens the fraction; a second one ends the
// field.
Step ScanPoint(LeadingScan& scan, uint32_t i) {
  if (scan.field.hasPoint) return End(FieldEndingAt(i));
  scan.field.hasPoint = true;
  ++scan.field.width;
  return GoOn(i + 1);
}

// "*c" fills with c, and "*c$" adds a currency sign; the field must follow.
Step ScanFillPrefix(LeadingScan& scan, uint32_t i) {
  MaskField& field = scan.field;
  if (scan.prefix) return End(FieldEndingAt(i));
  if (i + 1 >= scan.n) return End(NoField());
  field.fillChar = scan.s[i + 1];
  field.width += 2;
  field.integerPositions += 2;
  scan.prefix = true;
  i += 2;
  if (i < scan.n && scan.s[i] == '$') {
    field.hasCurrency = true;
    ++field.width;
    ++i;
  }
  if (i >= scan.n) return End(NoField());
  return GoOn(i);
}

// "$$" is a currency sign and one integer position; a lone '$' is text, except at
// the section's end, where it follows the field.
Step ScanCurrency(LeadingScan& scan, uint32_t i) {
  MaskField& field = scan.field;
  if (i + 1 >= scan.n) return End(FieldEndingAt(i));
  if (scan.s[i + 1] != '$') {
    MaskPut(scan.leading, '$');
    return GoOn(i + 1);
  }
  if (field.hasCurrency) return End(FieldEndingAt(i));
  field.hasCurrency = true;
  ++field.integerPositions;
  field.width += 2;
  scan.prefix = true;
  if (i + 2 >= scan.n) return End(NoField());
  return GoOn(i + 2);
}

Step ScanLeadingMark(LeadingScan& scan, uint32_t i) {
  const char c = scan.s[i];
  switch (c) {
    case '\\':
      return ScanEscape(scan, i);
    case '.':
      return ScanPoint(scan, i);
    case '*':
      return ScanFillPrefix(scan, i);
    case '$':
      return ScanCurrency(scan, i);
    case ',':
      return End(scan.field.hasPoint ? FieldEndingAt(i) : ScanCommaRun(scan.s, scan.n, i, scan.field));
    case '#':
    case '0':
      return End(ScanDigitRun(scan.s, scan.n, i, scan.field));
    case '^':
      return End(NoField());
    default:
      MaskPut(scan.leading, c);
      return GoOn(i + 1);
  }
}

}  // namespace

MaskScan ScanMaskSection(const char* s, uint32_t n, MaskWriter& leading, MaskField& field) {
  field = MaskField{};
  LeadingScan scan{s, n, leading, field, false};
  for (uint32_t i = 0; i < n;) {
    const Step step = ScanLeadingMark(scan, i);
    if (step.ends) return step.scan;
    i = step.next;
  }
  return NoField();
}

}  // namespace tabard
