#include "runtime/command_tail.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(CommandTail, StartsPastTheProgramNameAndItsBlanks) {
  struct Case {
    const char* line;
    const char* tail;
  };
  const Case cases[] = {
      {"\"C:\\Program Files\\demo.exe\"   a b", "a b"},
      {"demo.exe", ""},
      {"demo.exe\tmore", "\tmore"},
      {"\"demo.exe\"x y", "x y"},
      {"   after blanks", "after blanks"},
      {"\"no closing quote", ""},
      {"", ""},
      {"demo.exe  two blanks", "two blanks"},
      {"demo.exe\x01rest", "\x01rest"},
      {"\"\" quoted empty name", "quoted empty name"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(std::string(c.tail), CommandTailOf(c.line)) << "line: " << c.line;
    EXPECT_EQ(c.line + std::strlen(c.line) - std::strlen(c.tail), CommandTailOf(c.line)) << "a pointer into the line";
  }
}
