// A program built with the runtime that reports, in its exit code, the x87 control
// word its main procedure starts with, or how many number texts come out wrong
// under that control word.
#include <cstring>
#include <string>

#include <tabard/platform/win32_api.h>
#include <tabard/runtime/startup.h>
#include <tabard/text/mask_format.h>
#include <tabard/text/number_fpu.h>
#include <tabard/text/number_text.h>

using namespace tabard;

namespace {

struct TextCase { const char* expected; long double value; uint32_t n; };

// Values whose last digits depend on the scaling running with the full 64-bit
// significand: with 53 bits they come out different.
const TextCase kTexts[] = {
    {" .333333333333333", 1.0L / 3, 15},       {" .666666666666667", 2.0L / 3, 15},
    {" 1.23456789012346E+17", 123456789012345678.0L, 15},
    {" 123456789012345678", 123456789012345678.0L, 18},
    {" 1.1805916207174113E+21", 0x1p70L, 18}, {" 3.36210314311209351E-4932", 0x1p-16382L, 18},
    {" 1E-100", 1E-100L, 15},                  {" 9.99999999999999E+998", __builtin_infl(), 15},
};

int32_t CountWrongTexts() {
  int32_t wrong = 0;
  for (const TextCase& c : kTexts) {
    char text[kNumberTextBufferSize];
    const uint32_t length = NumberTextCore(c.value, c.n, text);
    if (std::string(text, length - 1) != c.expected) ++wrong;
  }
  char area[64];
  const uint64_t length = FormatWithMask(1234567.891L, "**$#,###.##", 11, area, sizeof area);
  if (std::string(area, length) != "$1,234,567.89") ++wrong;
  return wrong;
}

int32_t ProbeMain(void*, void*, char* commandTail, int32_t) {
  const uint16_t controlWord = FpuControlWord();
  if (std::strncmp(commandTail, "control", 7) == 0) return controlWord;
  if (std::strncmp(commandTail, "texts", 5) == 0)
    return CountWrongTexts() | (FpuControlWord() == controlWord ? 0 : 0x100);
  return -1;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  ProgramStart({ProbeMain, nullptr, 0, nullptr, 0, kProgramBuild, nullptr});
}
