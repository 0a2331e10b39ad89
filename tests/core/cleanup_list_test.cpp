#include "runtime/cleanup_list.h"

#include <gtest/gtest.h>

#include <cstddef>

#include "runtime/array_block.h"
#include "runtime/runtime_error.h"
#include "tests/core/text_test_support.h"

namespace {

struct RowFrame {
  ProcedureFrame frame;
  DynString label;
  DynString notOwned;
  ArrayDescriptor cells;
  DynString caption;
};

constexpr CleanupEntry kRowCleanup[] = {
    CleanupString(offsetof(RowFrame, label)),
    CleanupSkipped(offsetof(RowFrame, notOwned)),
    CleanupArray(offsetof(RowFrame, cells)),
    CleanupString(offsetof(RowFrame, caption)),
    kCleanupEnd,
};
static_assert((kRowCleanup[0] & 3) == kCleanupStringKind && (kRowCleanup[2] & 3) == kCleanupArrayKind);
static_assert(CleanupString(-8) == -14 && CleanupArray(-8) == -15, "locals below the frame encode as well");

TEST(CleanupList, ReleasesTheListedStringsAndArrays) {
  RowFrame row{};
  DynString owner = MakeText("owned by someone else");
  row.label = MakeText("label");
  row.notOwned = owner;
  row.caption = MakeText("caption");
  const ArrayBounds bounds[] = {{0, 2}};
  ArrayDimension(row.frame, row.cells, nullptr, kArrayEraseKeeps, kArrayFirstStringType, sizeof(DynString), bounds);
  static_cast<DynString*>(row.cells.data)[1] = MakeText("cell");

  ReleaseLocals(row.frame, kRowCleanup);
  EXPECT_EQ(0, row.cells.flags & kArrayDimensioned) << "arrays are erased with their memory released";
  EXPECT_EQ(0u, row.frame.errorWord);
  EXPECT_EQ("owned by someone else", TextOf(owner));
  TextRelease(owner);  // LeakSanitizer checks that label, caption and the cell went back
}

TEST(CleanupList, EndsAtTheFirstEntryThatShiftsToZero) {
  RowFrame row{};
  row.label = MakeText("label");
  DynString kept = MakeText("kept");
  row.caption = kept;
  const CleanupEntry list[] = {CleanupString(offsetof(RowFrame, label)), 1,
                               CleanupString(offsetof(RowFrame, caption)), kCleanupEnd};
  ReleaseLocals(row.frame, list);
  EXPECT_EQ("kept", TextOf(kept)) << "value 1 ends the list";
  TextRelease(kept);
}

}  // namespace
