// Number text and mask formatting side by side with what a C++ program would use
// instead: std::to_chars, snprintf and a pattern formatter (DecimalFormat). Each
// pair formats the same values, so one run gives every ratio. Our side always
// ends in a DynString on the frame's stack, the result as a program gets it.
//
// The BM_Ratio benchmarks time a batch of ours and a batch of the peer's in turn,
// over and over, and report the medians: a machine whose speed drifts during the
// run then moves both sides alike, and the ratio stays put. Every formatter takes the
// value where it lies in the set: a copy made on the way, stored by the
// floating-point unit and read back by the callee, would put the harness's own
// wait into the time measured.
#include <benchmark/benchmark.h>
#include <unicode/decimfmt.h>
#include <unicode/locid.h>
#include <unicode/unistr.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include <tabard/text/mask_field.h>
#include <tabard/text/mask_format.h>
#include <tabard/text/number_digits.h>
#include <tabard/text/number_text.h>
#include <tabard/text/number_to_text.h>
#include "tests/core/text_test_support.h"

using namespace tabard;

namespace {

constexpr size_t kSetSize = 4096;

std::vector<long double> MakeSet(uint64_t seed, long double (*make)(std::mt19937_64&)) {
  std::mt19937_64 random(seed);
  std::vector<long double> values;
  for (size_t i = 0; i < kSetSize; ++i) values.push_back(make(random));
  return values;
}

// Counts and identifiers: 0 to 10^9, some negative.
const std::vector<long double> kIntegers = MakeSet(1, [](std::mt19937_64& random) {
  uint64_t bound = 10;
  for (uint64_t digits = random() % 9; digits > 0; --digits) bound *= 10;
  const auto magnitude = static_cast<long double>(random() % bound);
  return random() % 8 == 0 ? -magnitude : magnitude;
});

// Prices: whole cents from 0.01 to 100,000.
const std::vector<long double> kAmounts = MakeSet(2, [](std::mt19937_64& random) {
  return static_cast<long double>(1 + random() % 10'000'000) / 100;
});

// Any finite double, every binary exponent equally likely: the whole range both sides can hold.
const std::vector<long double> kAcrossTheRange = MakeSet(3, [](std::mt19937_64& random) {
  const uint64_t exponent = 1 + random() % 2046;
  return static_cast<long double>(std::bit_cast<double>((random() & 0x800F'FFFF'FFFF'FFFFu) | exponent << 52));
});

// Amounts for the masks, as shown with two places: 0.01 to 10,000.
const std::vector<long double> kMaskAmounts = MakeSet(4, [](std::mt19937_64& random) {
  return static_cast<long double>(std::uniform_real_distribution<double>(0.01, 10000)(random));
});

const std::vector<long double>* const kTextSets[] = {&kIntegers, &kAmounts, &kAcrossTheRange};
const char* const kTextSetNames[] = {"integers", "amounts", "across_the_range"};

struct MaskCase {
  const char* mask;
  const char* printfFormat;  // the same shape from snprintf
  const char* pattern;       // and from the pattern formatter
};
constexpr MaskCase kMasks[] = {
    {"##.##", "%5.2Lf", "#0.00"},
    {"**$#,###.##", "%5.2Lf", "$#,##0.00"},
    {"##.##^^^^", "%9.2LE", "0.00E00"},
};

// The formatters, each of one value.
struct OurText {
  ProcedureFrame frame;
  void operator()(const long double& value) {
    NumberToText(frame, value);
    TextDrop(frame);
  }
};

struct ToChars {
  char text[64];
  void operator()(const long double& value) {
    benchmark::DoNotOptimize(
        std::to_chars(text, text + sizeof text, static_cast<double>(value), std::chars_format::general, 15));
    benchmark::ClobberMemory();
  }
};

struct OurMask {
  ProcedureFrame frame;
  DynString mask;
  explicit OurMask(const char* text) : mask(MakeText(text)) {}
  ~OurMask() { TextRelease(mask); }
  void operator()(const long double& value) {
    TextPushBorrowed(frame, mask);
    NumberFormatMask(frame, value);
    TextDrop(frame);
  }
};

struct Snprintf {
  const char* format;
  char text[64];
  void operator()(const long double& value) {
    benchmark::DoNotOptimize(std::snprintf(text, sizeof text, format, value));
    benchmark::ClobberMemory();
  }
};

// Its result as a program gets it, as on our side: a new byte string for every value.
struct PatternFormat {
  UErrorCode status = U_ZERO_ERROR;
  icu::DecimalFormat format;
  explicit PatternFormat(const char* pattern)
      : format(icu::UnicodeString(pattern, -1, US_INV), new icu::DecimalFormatSymbols(icu::Locale::getUS(), status),
               status) {}
  void operator()(const long double& value) {
    icu::UnicodeString text;
    format.format(static_cast<double>(value), text);
    std::string bytes;
    benchmark::DoNotOptimize(text.toUTF8String(bytes).data());
  }
};

template <typename Formatter>
void Single(benchmark::State& state, const std::vector<long double>& values, Formatter&& formatter) {
  size_t i = 0;
  for (auto _ : state) formatter(values[i++ & (kSetSize - 1)]);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

template <typename Ours, typename Peer>
void Paired(benchmark::State& state, const std::vector<long double>& values, Ours&& ours, Peer&& peer) {
  const auto batch = [&](auto& formatter) {
    const auto start = std::chrono::steady_clock::now();
    for (const long double& value : values) formatter(value);
    return std::chrono::duration<double, std::nano>(std::chrono::steady_clock::now() - start).count() / kSetSize;
  };
  std::vector<double> ourTimes, peerTimes, ratios;
  bool oursFirst = true;
  for (auto _ : state) {
    const double first = oursFirst ? batch(ours) : batch(peer);
    const double second = oursFirst ? batch(peer) : batch(ours);
    ourTimes.push_back(oursFirst ? first : second);
    peerTimes.push_back(oursFirst ? second : first);
    ratios.push_back(peerTimes.back() / ourTimes.back());
    oursFirst = !oursFirst;
  }
  state.counters["ours_ns"] = Median(ourTimes);
  state.counters["peer_ns"] = Median(peerTimes);
  state.counters["ratio"] = Median(ratios);
}

void BM_NumberToText(benchmark::State& state) {
  Single(state, *kTextSets[state.range(0)], OurText{});
  state.SetLabel(kTextSetNames[state.range(0)]);
}
void BM_ToCharsGeneral15(benchmark::State& state) {
  Single(state, *kTextSets[state.range(0)], ToChars{});
  state.SetLabel(kTextSetNames[state.range(0)]);
}
void BM_RatioNumberToTextToChars(benchmark::State& state) {
  Paired(state, *kTextSets[state.range(0)], OurText{}, ToChars{});
  state.SetLabel(kTextSetNames[state.range(0)]);
}
BENCHMARK(BM_NumberToText)->DenseRange(0, 2);
BENCHMARK(BM_ToCharsGeneral15)->DenseRange(0, 2);
BENCHMARK(BM_RatioNumberToTextToChars)->DenseRange(0, 2)->MinTime(1);

void BM_NumberFormatMask(benchmark::State& state) {
  Single(state, kMaskAmounts, OurMask(kMasks[state.range(0)].mask));
  state.SetLabel(kMasks[state.range(0)].mask);
}
void BM_Snprintf(benchmark::State& state) {
  Single(state, kMaskAmounts, Snprintf{kMasks[state.range(0)].printfFormat, {}});
  state.SetLabel(kMasks[state.range(0)].printfFormat);
}
void BM_DecimalFormat(benchmark::State& state) {
  PatternFormat format(kMasks[state.range(0)].pattern);
  if (U_FAILURE(format.status)) return state.SkipWithError(u_errorName(format.status));
  Single(state, kMaskAmounts, format);
  state.SetLabel(kMasks[state.range(0)].pattern);
}
void BM_RatioMaskSnprintf(benchmark::State& state) {
  Paired(state, kMaskAmounts, OurMask(kMasks[state.range(0)].mask), Snprintf{kMasks[state.range(0)].printfFormat, {}});
  state.SetLabel(kMasks[state.range(0)].mask);
}
void BM_RatioMaskDecimalFormat(benchmark::State& state) {
  PatternFormat format(kMasks[state.range(0)].pattern);
  if (U_FAILURE(format.status)) return state.SkipWithError(u_errorName(format.status));
  Paired(state, kMaskAmounts, OurMask(kMasks[state.range(0)].mask), format);
  state.SetLabel(kMasks[state.range(0)].mask);
}
BENCHMARK(BM_NumberFormatMask)->DenseRange(0, 2);
BENCHMARK(BM_Snprintf)->DenseRange(0, 2);
BENCHMARK(BM_DecimalFormat)->DenseRange(0, 2);
BENCHMARK(BM_RatioMaskSnprintf)->DenseRange(0, 2)->MinTime(1);
BENCHMARK(BM_RatioMaskDecimalFormat)->DenseRange(0, 2)->MinTime(1);

// Where the time goes: the text without its DynString, the mask without its
// DynString, and the mask formatter's stages.
void BM_NumberTextCore(benchmark::State& state) {
  char text[kNumberTextBufferSize];
  Single(state, *kTextSets[state.range(0)], [&](const long double& value) {
    benchmark::DoNotOptimize(NumberTextCore(value, 15, text));
    benchmark::ClobberMemory();
  });
  state.SetLabel(kTextSetNames[state.range(0)]);
}
BENCHMARK(BM_NumberTextCore)->DenseRange(0, 2);

void BM_FormatWithMask(benchmark::State& state) {
  const char* mask = kMasks[state.range(0)].mask;
  const auto length = static_cast<uint32_t>(std::strlen(mask));
  char text[512];
  Single(state, kMaskAmounts, [&](const long double& value) {
    benchmark::DoNotOptimize(FormatWithMask(value, mask, length, text, sizeof text));
    benchmark::ClobberMemory();
  });
  state.SetLabel(mask);
}
BENCHMARK(BM_FormatWithMask)->DenseRange(0, 2);

void BM_MaskStageDigits(benchmark::State& state) {
  char digits[kDecimalDigitsBufferSize];
  Single(state, kMaskAmounts, [&](const long double& value) {
    benchmark::DoNotOptimize(DecimalDigits(value, 19, digits));
    benchmark::ClobberMemory();
  });
}
BENCHMARK(BM_MaskStageDigits);

void BM_MaskStageScan(benchmark::State& state) {
  const char* mask = kMasks[state.range(0)].mask;
  const auto length = static_cast<uint32_t>(std::strlen(mask));
  char text[512];
  for (auto _ : state) {
    MaskWriter writer{text, sizeof text, 0};
    MaskField field;
    benchmark::DoNotOptimize(ScanMaskSection(mask, length, writer, field));
    benchmark::DoNotOptimize(field);
  }
  state.SetLabel(mask);
}
BENCHMARK(BM_MaskStageScan)->DenseRange(0, 2);

}  // namespace

BENCHMARK_MAIN();
