// Ten thousand dialogs with every kind of control, a menu bar, pictures, list items and texts, each shown, pumped
// and ended: every window, menu, GDI object, string and memory block must come back after every round, and the
// commit charge must stay flat once the system's own caches have filled.
#include <gtest/gtest.h>

#include <cstdlib>

#include <tabard/platform/win32_api.h>
#include <psapi.h>  // after the system headers it builds on

#include <tabard/dialogs/control_add.h>
#include <tabard/dialogs/control_image.h>
#include <tabard/dialogs/control_ops.h>
#include <tabard/dialogs/control_set_image.h>
#include <tabard/dialogs/dialog_procedure.h>
#include <tabard/dialogs/dialog_show.h>
#include <tabard/dialogs/list_ops.h>
#include <tabard/dialogs/menus.h>
#include <tabard/runtime/array_block.h>
#include "tests/core/resource_test_support.h"
#include "tests/core/text_test_support.h"
#include "tests/win32/toolkit_support.h"

// By kind, the control's text; the image's name for the picture kinds.
constexpr const char* kTexts[kControlKindCount] = {"", "Push", "Three", "Check", "Group", "Label", "", "Radio", "",
    "Edit", "TESTBITMAP", "TESTBITMAP", "TESTICON", "TESTBITMAP", "", ""};
constexpr ControlId kEdit = 109, kScaledPicture = 111, kScaledPictureButton = 113, kCombo = 114, kList = 115;
constexpr UINT kOpen = 201;
static int32_t OnOpen(DialogHandle, uint32_t, WPARAM, LPARAM) { return 0; }

using SoakTest = ToolkitTest;
TEST_F(SoakTest, TenThousandDialogsGiveBackEverythingTheyTook) {
  const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&classes);
  platform::RememberSystemObjects(true);
  const platform::ResourceCounts start = platform::LiveResourcesNow();
  PROCESS_MEMORY_COUNTERS baseline{}, end{};  // PagefileUsage: the commit charge (Wine leaves PrivateUsage 0)
  // Fewer rounds where each takes far longer (an emulated machine): every round is checked on its own.
  const char* const asked = std::getenv("DEMO_SOAK_ROUNDS");
  const int rounds = asked && std::atoi(asked) >= 10 ? std::atoi(asked) : 10000;
  for (int round = 1; round <= rounds; ++round) {
    ArrayDescriptor items{};
    const ArrayBounds bounds[] = {{0, 2}};
    ArrayDimension(frame, items, nullptr, 0, kArrayFirstStringType, sizeof(DynString), bounds);
    for (int i = 0; i < 3; ++i) static_cast<DynString*>(items.data)[i] = MakeText(std::string(1, 'a' + i));
    const DialogHandle dialog = MakeDialog(frame, "soak", 10, 10, 280, 230);
    for (uint32_t kind = 0; kind < kControlKindCount; ++kind)  // control `kind` is number 100 + kind
      PushText(frame, kind == 0 ? "SysListView32" : ""), PushText(frame, kTexts[kind]),
          ControlAdd(frame, kind, dialog, 100 + kind, 100 + kind >= kCombo ? &items : nullptr, 4, 4 + 12 * kind, 60,
                     30, kind == 0 ? WS_CHILD | WS_VISIBLE | LVS_REPORT : 0, 0, nullptr);
    const HMENU bar = MenuCreate(0), file = MenuCreate(1);
    const auto add = [&](HMENU menu, const char* text, UINT_PTR id, DialogCallback onPick, uint32_t flags) {
      PushText(frame, text), MenuAddItem(frame, menu, id, 0, 0, onPick, flags);
    };
    add(file, "Open", kOpen, OnOpen, 0), add(file, "-", 0, nullptr, 0);
    add(bar, "File", reinterpret_cast<UINT_PTR>(file), nullptr, kMenuItemOpensPopup);
    MenuAttach(dialog, bar);
    PushText(frame, "changed"), ControlSetText(frame, dialog, kEdit), ControlGetText(frame, dialog, kEdit);
    MenuGetText(frame, file, kOpen, kMenuItemByIdentifier);
    ListSelect(dialog, kList, 2), ListGetSelectedText(frame, dialog, kList);
    ComboSelect(dialog, kCombo, 3), ComboGetSelectedText(frame, dialog, kCombo);
    for (const char* expected : {"c", "b", "Open", "changed"}) ASSERT_EQ(expected, PopText(frame));
    PushText(frame, "TESTBITMAP"), ControlSetImage(frame, dialog, kScaledPicture, kImageScaled);
    PushText(frame, "TESTICON"), ControlSetImage(frame, dialog, kScaledPictureButton, kImageScaled | kImageButton);
    int32_t result = 0;
    DialogShowModeless(dialog, nullptr, &result), Drain();
    DialogEnd(dialog, 7), Drain();
    ASSERT_EQ(7, result);
    ArrayErase(frame, items, kEraseRelease);
    ASSERT_EQ(start, platform::LiveResourcesNow()) << "after round " << round;
    if (round == rounds / 10) GetProcessMemoryInfo(GetCurrentProcess(), &baseline, sizeof baseline);
  }
  GetProcessMemoryInfo(GetCurrentProcess(), &end, sizeof end);
  EXPECT_LT(end.PagefileUsage, baseline.PagefileUsage + (1 << 20)) << "the commit charge grew";
  platform::RememberSystemObjects(false);
}
