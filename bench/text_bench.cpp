// The statement shapes the program runs most: literals pushed, texts joined, the
// result handed to an argument slot.
#include <benchmark/benchmark.h>

#include <cstring>
#include <string>

#include <tabard/text/literal_pool.h>
#include <tabard/text/text_core.h>

using namespace tabard;

namespace {

constexpr auto kPool = MakeLiteralPool("Item ", " - Testtekst1", "", "Number of elements in the listview: ");

// Argument: the pool entry; 1 is a 13-byte literal, 2 the empty one.
void PushLiteral(benchmark::State& state) {
  ProcedureFrame frame;
  const LiteralEntry* literal = kPool.Entry(static_cast<size_t>(state.range(0)));
  for (auto _ : state) {
    TextPushLiteral(frame, literal);
    benchmark::DoNotOptimize(frame.tempStrings[0].handle);
    TextDrop(frame);
  }
}
BENCHMARK(PushLiteral)->Arg(1)->Arg(2);

// Row label: "Item " + formatted number + " - Testtekst1", into an argument slot.
void RowLabelStatement(benchmark::State& state) {
  ProcedureFrame frame;
  for (auto _ : state) {
    DynString slot = nullptr;
    TextPushLiteral(frame, kPool.Entry(0));
    TextPushBytes(frame, " 1", 2);
    TextConcat(frame);
    TextPushLiteral(frame, kPool.Entry(1));
    TextConcat(frame);
    TextPassRef(frame, &slot);
    benchmark::DoNotOptimize(slot);
    TextRelease(slot);
  }
}
BENCHMARK(RowLabelStatement);

void ConcatOwned(benchmark::State& state) {
  const std::string text(static_cast<size_t>(state.range(0)), 'x');
  ProcedureFrame frame;
  for (auto _ : state) {
    TextPushBytes(frame, text.data(), static_cast<uint32_t>(text.size()));
    TextPushBytes(frame, text.data(), static_cast<uint32_t>(text.size()));
    TextConcat(frame);
    benchmark::DoNotOptimize(frame.tempStrings[0].handle);
    TextDrop(frame);
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * state.range(0) * 4);
}
BENCHMARK(ConcatOwned)->Arg(8)->Arg(64)->Arg(1024)->Arg(65536);

void ConcatBorrowed(benchmark::State& state) {
  const std::string text(static_cast<size_t>(state.range(0)), 'x');
  const TextAllocation variable = TextAlloc(static_cast<uint32_t>(text.size()));
  std::memcpy(variable.bytes, text.data(), text.size());
  ProcedureFrame frame;
  for (auto _ : state) {
    TextPushBorrowed(frame, variable.handle);
    TextPushBorrowed(frame, variable.handle);
    TextConcat(frame);
    benchmark::DoNotOptimize(frame.tempStrings[0].handle);
    TextDrop(frame);
  }
  TextRelease(variable.handle);
}
BENCHMARK(ConcatBorrowed)->Arg(8)->Arg(1024);

void AssignBorrowedSameLength(benchmark::State& state) {
  const TextAllocation source = TextAlloc(13);
  const TextAllocation target = TextAlloc(13);
  std::memcpy(source.bytes, " - Testtekst1", 13);
  DynString variable = target.handle;
  ProcedureFrame frame;
  for (auto _ : state) {
    TextPushBorrowed(frame, source.handle);
    TextAssign(frame, &variable);
    benchmark::DoNotOptimize(variable);
  }
  TextRelease(variable);
  TextRelease(source.handle);
}
BENCHMARK(AssignBorrowedSameLength);

}  // namespace

BENCHMARK_MAIN();
