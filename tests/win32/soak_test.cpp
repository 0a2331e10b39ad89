// Ten thousand dialogs with every kind of control, a menu bar, pictures, list items
// and texts, each shown, pumped and ended: every window, menu, GDI object, string
// and memory block must be given back after every round, and the process's private
// memory must stay flat once the system's own caches have filled.
#include <gtest/gtest.h>

#include "platform/win32_api.h"
// After the system headers it builds on.
#include <psapi.h>

#include <cstdio>

#include "dialogs/control_add.h"
#include "dialogs/control_image.h"
#include "dialogs/control_ops.h"
#include "dialogs/control_set_image.h"
#include "dialogs/dialog_procedure.h"
#include "dialogs/dialog_show.h"
#include "dialogs/list_ops.h"
#include "dialogs/menus.h"
#include "runtime/array_block.h"
#include "tests/core/resource_test_support.h"
#include "tests/core/text_test_support.h"
#include "tests/win32/toolkit_support.h"

namespace {

constexpr int kRounds = 10000;
constexpr int kMemoryBaselineRound = 1000;
constexpr int kReportEvery = 1000;
constexpr int64_t kMemoryGrowthLimit = 1 << 20;

struct SoakControl {
  ControlKind kind;
  const char* text;  // the image's name for the picture kinds
  const char* className;
  uint32_t style;
};
// clang-format off
constexpr SoakControl kSoakControls[] = {
  {ControlKind::PushButton,          "Push",       "", 0},
  {ControlKind::ThreeStateBox,       "Three",      "", 0},
  {ControlKind::CheckBox,            "Check",      "", 0},
  {ControlKind::GroupBox,            "Group",      "", 0},
  {ControlKind::Label,               "Label",      "", 0},
  {ControlKind::EtchedFrame,         "",           "", 0},
  {ControlKind::RadioButton,         "Radio",      "", 0},
  {ControlKind::ScrollBar,           "",           "", 0},
  {ControlKind::EditBox,             "Edit",       "", 0},
  {ControlKind::Picture,             "TESTBITMAP", "", 0},
  {ControlKind::ScaledPicture,       "TESTBITMAP", "", 0},
  {ControlKind::PictureButton,       "TESTICON",   "", 0},
  {ControlKind::ScaledPictureButton, "TESTBITMAP", "", 0},
  {ControlKind::ComboBox,            "",           "", 0},
  {ControlKind::ListBox,             "",           "", 0},
  {ControlKind::Custom,              "",           "SysListView32", WS_CHILD | WS_VISIBLE | LVS_REPORT},
};
// clang-format on
constexpr ControlId kFirstId = 100;
constexpr ControlId IdOf(ControlKind kind) {
  for (ControlId i = 0; i < static_cast<ControlId>(std::size(kSoakControls)); ++i)
    if (kSoakControls[i].kind == kind) return kFirstId + i;
  return 0;
}
constexpr const char* kItems[] = {"alpha", "beta", "gamma"};
constexpr UINT kOpenId = 201;

int32_t OnMenuItem(DialogHandle, uint32_t, WPARAM, LPARAM) { return 0; }

// The commit charge: the private memory the system has committed for the process.
// PrivateUsage is the same figure where the system fills it in; Wine leaves it 0.
int64_t PrivateBytes() {
  PROCESS_MEMORY_COUNTERS counters{};
  GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters);
  return static_cast<int64_t>(counters.PagefileUsage);
}

class SoakTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&classes);
    platform::RememberSystemObjects(true);
  }
  void TearDown() override {
    platform::RememberSystemObjects(false);
    ToolkitTest::TearDown();
  }

  void AddControls(DialogHandle dialog, const ArrayDescriptor& items) {
    int32_t y = 4;
    for (const SoakControl& control : kSoakControls) {
      PushText(frame, control.className);
      PushText(frame, control.text);
      const ArrayDescriptor* initial =
          control.kind == ControlKind::ComboBox || control.kind == ControlKind::ListBox ? &items : nullptr;
      ControlAdd(frame, static_cast<uint32_t>(control.kind), dialog, IdOf(control.kind), initial, 4, y, 60, 30,
                 control.style, 0, nullptr);
      y += 12;
    }
  }

  void AddMenuBar(DialogHandle dialog) {
    const HMENU bar = MenuCreate(0);
    const HMENU file = MenuCreate(1);
    PushText(frame, "Open");
    MenuAddItem(frame, file, kOpenId, 0, 0, OnMenuItem, 0);
    PushText(frame, "-");
    MenuAddItem(frame, file, 0, 0, 0, nullptr, 0);
    PushText(frame, "File");
    MenuAddItem(frame, bar, reinterpret_cast<UINT_PTR>(file), 0, 0, nullptr, kMenuItemOpensPopup);
    MenuAttach(dialog, bar);
  }

  // Sets and reads texts of every sort the toolkit has, and changes a picture.
  void ExchangeTexts(DialogHandle dialog) {
    PushText(frame, "changed");
    ControlSetText(frame, dialog, IdOf(ControlKind::EditBox));
    ControlGetText(frame, dialog, IdOf(ControlKind::EditBox));
    EXPECT_EQ("changed", PopText(frame));
    MenuGetText(frame, GetSubMenu(GetMenu(dialog), 0), kOpenId, kMenuItemByIdentifier);
    EXPECT_EQ("Open", PopText(frame));
    ListSelect(dialog, IdOf(ControlKind::ListBox), 2);
    ListGetSelectedText(frame, dialog, IdOf(ControlKind::ListBox));
    EXPECT_EQ("beta", PopText(frame));
    ComboSelect(dialog, IdOf(ControlKind::ComboBox), 3);
    ComboGetSelectedText(frame, dialog, IdOf(ControlKind::ComboBox));
    EXPECT_EQ("gamma", PopText(frame));
    PushText(frame, "TESTBITMAP");
    ControlSetImage(frame, dialog, IdOf(ControlKind::ScaledPicture), kImageScaled);
    PushText(frame, "TESTICON");
    ControlSetImage(frame, dialog, IdOf(ControlKind::ScaledPictureButton), kImageScaled | kImageButton);
  }

  void OneRound() {
    ArrayDescriptor items{};
    const ArrayBounds bounds[] = {{0, static_cast<int32_t>(std::size(kItems)) - 1}};
    ArrayDimension(frame, items, nullptr, 0, kArrayFirstStringType, sizeof(DynString), bounds);
    for (size_t i = 0; i < std::size(kItems); ++i) static_cast<DynString*>(items.data)[i] = MakeText(kItems[i]);

    const DialogHandle dialog = MakeDialog(frame, "soak", 10, 10, 280, 230);
    AddControls(dialog, items);
    AddMenuBar(dialog);
    ExchangeTexts(dialog);
    int32_t result = 0;
    DialogShowModeless(dialog, nullptr, &result);
    Drain();
    DialogEnd(dialog, 7);
    Drain();
    EXPECT_EQ(7, result);
    ArrayErase(frame, items, kEraseRelease);
  }
};

TEST_F(SoakTest, TenThousandDialogsGiveBackEverythingTheyTook) {
  const platform::ResourceCounts start = platform::LiveResourcesNow();
  int64_t baselineMemory = 0;
  const DWORD startTime = GetTickCount();
  for (int round = 1; round <= kRounds; ++round) {
    OneRound();
    const platform::ResourceCounts now = platform::LiveResourcesNow();
    ASSERT_EQ(start, now) << "after round " << round;
    ASSERT_FALSE(HasFailure()) << "in round " << round;
    if (round == kMemoryBaselineRound) baselineMemory = PrivateBytes();
    if (round % kReportEvery == 0) {
      std::printf("round %d: %lu ms, private memory %lld bytes\n", round, GetTickCount() - startTime,
                  static_cast<long long>(PrivateBytes()));
      std::fflush(stdout);
    }
  }
  const int64_t growth = PrivateBytes() - baselineMemory;
  const double roundMs = static_cast<double>(GetTickCount() - startTime) / kRounds;
  std::printf("soak: %d rounds, %.2f ms a round, private memory %+lld bytes from round %d to %d\n", kRounds, roundMs,
              static_cast<long long>(growth), kMemoryBaselineRound, kRounds);
  EXPECT_LT(growth, kMemoryGrowthLimit);
}

}  // namespace
