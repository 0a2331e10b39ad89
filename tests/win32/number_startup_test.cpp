// Number texts in a program started the way the product starts, under the
// floating-point control word the system and the C runtime leave it.
#include <gtest/gtest.h>

#include <cstdio>

#include "tests/win32/process_runner.h"

namespace {

std::string Probe(const char* what) { return "\"" + BesideTestProgram("number_probe.exe") + "\" " + what; }

TEST(NumberStartup, ReportsTheControlWordTheProgramStartsWith) {
  const int64_t controlWord = RunAndWait(Probe("control"));
  ASSERT_GE(controlWord, 0);
  std::printf("x87 control word at the main procedure: 0x%04llX\n", static_cast<unsigned long long>(controlWord));
  EXPECT_EQ(0, controlWord & 0x0C00) << "rounds to nearest";
  EXPECT_EQ(0, RunAndWait(Probe("texts"))) << "texts come out as on the host and leave the control word alone";
}

}  // namespace
