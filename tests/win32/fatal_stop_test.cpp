// A sixth temporary string stops the program with exit code 255 and a message: on
// its error output when it has one, otherwise in a box the user must see.
#include <gtest/gtest.h>

#include <string>

#include "tests/win32/process_runner.h"
#include "tests/win32/window_reader.h"

namespace {

constexpr const char* kExpected = "a statement needs more than five temporary strings at once";

int64_t RunProbe(HANDLE errorOutput) {
  StartOptions options;
  options.useStdHandles = true;
  options.errorOutput = errorOutput;
  return RunAndWait("\"" + BesideTestProgram("fatal_stop_probe.exe") + "\"", options);
}

TEST(FatalStop, WritesToTheErrorOutputAndEnds) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr;
  HANDLE writeEnd = nullptr;
  ASSERT_TRUE(CreatePipe(&readEnd, &writeEnd, &inherit, 1 << 16));
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  EXPECT_EQ(255, RunProbe(writeEnd));
  CloseHandle(writeEnd);
  std::string output;
  char chunk[256];
  DWORD got = 0;
  while (ReadFile(readEnd, chunk, sizeof chunk, &got, nullptr) && got > 0) output.append(chunk, got);
  CloseHandle(readEnd);
  EXPECT_NE(std::string::npos, output.find(kExpected)) << output;
}

TEST(FatalStop, ShowsTheMessageWhenThereIsNoErrorOutput) {
  BoxAnswer answer{"Orlavex"};
  int64_t code = 0;
  AnswerBoxWhile(answer, [&] { code = RunProbe(nullptr); });
  EXPECT_EQ(255, code);
  EXPECT_TRUE(answer.found);
  EXPECT_EQ(kExpected, answer.text);
}

}  // namespace
