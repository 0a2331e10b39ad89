#include "runtime/runtime_error.h"

#include <gtest/gtest.h>

namespace {

void Handler(ProcedureFrame&) {}

TEST(RuntimeError, RaiseRecordsTheNumberWithThePendingFlag) {
  struct Case {
    void (*raise)(ProcedureFrame&);
    uint32_t recorded;
  };
  const Case cases[] = {
      {[](ProcedureFrame& f) { RaiseError(f, 7); }, 0x8007},
      {[](ProcedureFrame& f) { RaiseError(f, 0); }, 0x8033},
      {[](ProcedureFrame& f) { RaiseErrorKeepingResult(f, 9); }, 0x8009},
      {[](ProcedureFrame& f) { RaiseErrorKeepingResult(f, 0); }, 0x8033},
      {RaiseError5, 0x8005},
      {RaiseError6, 0x8006},
      {RaiseError52, 0x8034},
      {RaiseError244, 0x80F4},
      {[](ProcedureFrame& f) {
         RaiseError(f, 7);
         RaiseError(f, 9);
       },
       0x8009},  // the latest wins
  };
  for (const Case& c : cases) {
    ProcedureFrame frame;
    c.raise(frame);
    EXPECT_EQ(c.recorded, frame.errorWord);
    EXPECT_EQ(c.recorded & 0xFF, ErrorNumber(frame));
  }
}

TEST(RuntimeError, DispatchCheckSendsToTheHandlerOnlyWhenAnErrorIsPending) {
  ProcedureFrame withoutHandler;
  EXPECT_FALSE(ErrorDispatchCheck(withoutHandler));
  RaiseError(withoutHandler, 6);
  EXPECT_FALSE(ErrorDispatchCheck(withoutHandler));
  EXPECT_EQ(0x0006u, withoutHandler.errorWord) << "dispatched, number kept";

  ProcedureFrame withHandler;
  withHandler.errorHandler = Handler;
  EXPECT_FALSE(ErrorDispatchCheck(withHandler));
  RaiseError(withHandler, 6);
  EXPECT_TRUE(ErrorDispatchCheck(withHandler));
  EXPECT_EQ(kErrorHandlerEntered | 6, withHandler.errorWord);
  EXPECT_FALSE(ErrorDispatchCheck(withHandler)) << "already dispatched";
  RaiseError(withHandler, 7);
  EXPECT_EQ(kErrorPending | 7, withHandler.errorWord) << "a new raise replaces number and flags";
}

}  // namespace
