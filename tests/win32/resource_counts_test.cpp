// The accounting the soak relies on: a window, menu or GDI object counts from its
// creation until the system no longer knows it, however it went.
#include <gtest/gtest.h>

#include "dialogs/menus.h"
#include "platform/win32_dialogs.h"
#include "tests/core/resource_test_support.h"
#include "tests/core/text_test_support.h"
#include "tests/win32/toolkit_support.h"

namespace {

using platform::ResourceKind;
using ResourceCountsTest = ToolkitTest;

TEST_F(ResourceCountsTest, ObjectsCountUntilTheSystemForgetsThem) {
  platform::RememberSystemObjects(true);
  const platform::ResourceCounts start = platform::LiveResourcesNow();
  const auto added = [&](ResourceKind kind) { return platform::LiveResourcesNow()[kind] - start[kind]; };
  const DialogHandle dialog = MakeDialog(frame, "counted");
  MakeControl(frame, ControlKind::PushButton, dialog, 1, "OK", 4, 4, 40, 14);
  const HMENU bar = MenuCreate(0), file = MenuCreate(1);
  PushText(frame, "File");
  MenuAddItem(frame, bar, reinterpret_cast<UINT_PTR>(file), 0, 0, nullptr, kMenuItemOpensPopup);
  MenuAttach(dialog, bar);
  const HANDLE bitmap = platform::LoadImage(GetModuleHandleA(nullptr), "TESTBITMAP", IMAGE_BITMAP, 0, 0, LR_SHARED);
  PushText(frame, "x");
  EXPECT_EQ(2, added(ResourceKind::Window));
  EXPECT_EQ(2, added(ResourceKind::Menu));
  EXPECT_EQ(1, added(ResourceKind::GdiObject)) << "a bitmap is its loader's, shared or not";
  EXPECT_EQ(1, added(ResourceKind::String));
  DestroyWindow(dialog);
  EXPECT_EQ(0, added(ResourceKind::Window)) << "the control goes with its dialog";
  EXPECT_EQ(0, added(ResourceKind::Menu)) << "the bar goes with the window, the pop-up with the bar";
  platform::DeleteObject(bitmap);
  TextDrop(frame);
  EXPECT_EQ(start, platform::LiveResourcesNow());
  platform::RememberSystemObjects(false);
  const HMENU unremembered = MenuCreate(1);
  EXPECT_EQ(0, added(ResourceKind::Menu)) << "nothing is remembered while remembering is off";
  DestroyMenu(unremembered);
}

}  // namespace
