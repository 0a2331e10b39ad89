// Number text and mask formatting against the C library and std::to_chars on the
// same values.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <cstdio>
#include <random>
#include <vector>

#include "tests/core/text_test_support.h"
#include "text/mask_field.h"
#include "text/mask_format.h"
#include "text/number_digits.h"
#include "text/number_text.h"
#include "text/number_to_text.h"

namespace {

// Values as a program meets them: counts, prices, measurements and ratios, from
// 1e-6 to 1e12, a quarter of them integers.
const std::vector<long double>& Values() {
  static const std::vector<long double> values = [] {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> decade(-6, 12);
    std::vector<long double> made;
    for (int i = 0; i < 4096; ++i) {
      long double value = std::pow(10.0L, static_cast<long double>(decade(random)));
      if (i % 4 == 0) value = std::floor(value);
      made.push_back(i % 7 == 0 ? -value : value);
    }
    return made;
  }();
  return values;
}

// Amounts as a mask shows them: 0.01 to 10,000.
const std::vector<long double>& Amounts() {
  static const std::vector<long double> amounts = [] {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> amount(0.01, 10000);
    std::vector<long double> made;
    for (int i = 0; i < 4096; ++i) made.push_back(amount(random));
    return made;
  }();
  return amounts;
}

void BM_NumberToText(benchmark::State& state) {
  ProcedureFrame frame;
  size_t i = 0;
  for (auto _ : state) {
    NumberToText(frame, Values()[i++ & 4095]);
    TextDrop(frame);
  }
}
BENCHMARK(BM_NumberToText);

void BM_NumberTextCore(benchmark::State& state) {
  char text[kNumberTextBufferSize];
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(NumberTextCore(Values()[i++ & 4095], 15, text));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_NumberTextCore);

void BM_SnprintfLg15(benchmark::State& state) {
  char text[64];
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%.15Lg", Values()[i++ & 4095]));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SnprintfLg15);

void BM_ToCharsDoubleGeneral15(benchmark::State& state) {
  char text[64];
  size_t i = 0;
  for (auto _ : state) {
    const double value = static_cast<double>(Values()[i++ & 4095]);
    benchmark::DoNotOptimize(std::to_chars(text, text + sizeof text, value, std::chars_format::general, 15));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ToCharsDoubleGeneral15);

void MaskBenchmark(benchmark::State& state, const char* maskText) {
  ProcedureFrame frame;
  DynString mask = MakeText(maskText);
  size_t i = 0;
  for (auto _ : state) {
    TextPushBorrowed(frame, mask);
    NumberFormatMask(frame, Amounts()[i++ & 4095]);
    TextDrop(frame);
  }
  TextRelease(mask);
}
void BM_NumberFormatMaskPlain(benchmark::State& state) { MaskBenchmark(state, "##.##"); }
void BM_NumberFormatMaskCurrency(benchmark::State& state) { MaskBenchmark(state, "**$#,###.##"); }
BENCHMARK(BM_NumberFormatMaskPlain);
BENCHMARK(BM_NumberFormatMaskCurrency);

// The formatting alone, into the caller's buffer, without the result's allocation.
void BM_FormatWithMaskPlain(benchmark::State& state) {
  char text[512];
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatWithMask(Amounts()[i++ & 4095], "##.##", 5, text, sizeof text));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FormatWithMaskPlain);

void BM_FormatWithMaskCurrency(benchmark::State& state) {
  char text[512];
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FormatWithMask(Amounts()[i++ & 4095], "**$#,###.##", 11, text, sizeof text));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FormatWithMaskCurrency);

// The stages of mask formatting one by one, to see where the time goes.
void BM_MaskStageDigits(benchmark::State& state) {
  char digits[kDecimalDigitsBufferSize];
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(DecimalDigits(Amounts()[i++ & 4095], 19, digits));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_MaskStageDigits);

void BM_MaskStageChoose(benchmark::State& state) {
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ChooseMaskSection("**$#,###.##", 11, Amounts()[i++ & 4095]));
  }
}
BENCHMARK(BM_MaskStageChoose);

void BM_MaskStageScan(benchmark::State& state) {
  char text[512];
  for (auto _ : state) {
    MaskWriter writer{text, sizeof text, 0};
    MaskField field;
    benchmark::DoNotOptimize(ScanMaskSection("**$#,###.##", 11, writer, field));
    benchmark::DoNotOptimize(field);
  }
}
BENCHMARK(BM_MaskStageScan);

void MaskStagesAfterDigits(benchmark::State& state, const char* mask, uint32_t length) {
  char text[512];
  MaskWriter scanWriter{text, sizeof text, 0};
  MaskField field;
  ScanMaskSection(mask, length, scanWriter, field);
  FittedField fitted;
  FitMaskField(field, 1234.5678L, false, fitted);
  const FittedField start = fitted;
  for (auto _ : state) {
    fitted = start;
    benchmark::DoNotOptimize(fitted);
    MaskWriter writer{text, sizeof text, 0};
    RoundMaskField(fitted);
    LayoutMaskField(writer, fitted, false);
    CopyTrailingText(writer, mask, length, length);
    benchmark::DoNotOptimize(writer.length);
    benchmark::ClobberMemory();
  }
}
void BM_MaskStageRoundAndLayoutPlain(benchmark::State& state) { MaskStagesAfterDigits(state, "####.##", 7); }
void BM_MaskStageRoundAndLayoutCurrency(benchmark::State& state) { MaskStagesAfterDigits(state, "**$#,###.##", 11); }
BENCHMARK(BM_MaskStageRoundAndLayoutPlain);
BENCHMARK(BM_MaskStageRoundAndLayoutCurrency);

void BM_SnprintfLf5_2(benchmark::State& state) {
  char text[64];
  size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(std::snprintf(text, sizeof text, "%5.2Lf", Amounts()[i++ & 4095]));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SnprintfLf5_2);

}  // namespace

BENCHMARK_MAIN();
