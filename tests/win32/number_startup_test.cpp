// The x87 control word a program built on the runtime starts its main procedure
// with, and its number texts under that word.
#include <gtest/gtest.h>

#include <tabard/text/number_fpu.h>
#include "tests/win32/process_runner.h"

using namespace tabard;

namespace {

int64_t ExitCodeOf(const char* program, const char* what = "") {
  return RunAndWait("\"" + BesideTestProgram(program) + "\" " + what);
}

// This test program runs under the word the C runtime's start-up resets the unit to.
TEST(NumberStartup, MainProcedureRunsUnderTheSystemsControlWord) {
  const int64_t system = ExitCodeOf("system_word_probe.exe");
  const int64_t seen = ExitCodeOf("number_probe.exe", "control");
  ASSERT_GT(system, 0);
  EXPECT_EQ(system, seen) << "the whole word, as the system started the process, not the C runtime's reset one";
  EXPECT_EQ(0, ExitCodeOf("number_probe.exe", "texts")) << "texts right under that word, which they leave alone";
}

}  // namespace
