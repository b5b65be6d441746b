#include "hotkeys/hotkeys.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "core/controls.h"
#include "hotkeys/hotkey_test_support.h"
#include "platform/handle_value.h"
#include "platform/text.h"
#include "platform/unique.h"
#include "tests/main_window_fixture.h"
#include "tests/test_support.h"

namespace {

struct Combination {
  UINT flags, key;
};

void DestroyTestWindow(HWND window) { DestroyWindow(window); }
using UniqueWindow = Unique<HWND, DestroyTestWindow>;

TEST(DefaultHotkeys, ARefusedDefaultIsZeroAndTheStatusLineNamesIt) {
  const struct {
    const char* held;
    bool ctrlOneHeld, graveHeld;
    std::string status;
  } cases[] = {
      {"nothing", false, false, ""},
      {"Ctrl+1", true, false, "热键已被占用: Ctrl + 1"},
      {"grave accent", false, true, "热键已被占用: ~"},
      {"both", true, true, "热键已被占用: ~"},  // the one the capture box can move
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.held);
    std::optional<HeldHotkey> ctrlOne, grave;
    if (c.ctrlOneHeld) {
      ASSERT_TRUE(ctrlOne.emplace(MOD_CONTROL, '1').held());
    }
    if (c.graveHeld) {
      ASSERT_TRUE(grave.emplace(0, VK_OEM_3).held());
    }

    MainWindowFixture main;
    EXPECT_EQ(showHotkeyId == 0, c.ctrlOneHeld);
    EXPECT_EQ(switchHotkeyId == 0, c.graveHeld);
    if (showHotkeyId && switchHotkeyId) {
      EXPECT_EQ(switchHotkeyId, showHotkeyId + 1) << "Ctrl+1 first";
    }
    EXPECT_EQ(main.form->Text(标签10), c.status);
  }
}

TEST(ReplaceSwitchHotkey, ReleasesTheOldOneAndTheStatusLineSaysWhatIsTaken) {
  HeldHotkey ctrlAltF7(MOD_CONTROL | MOD_ALT, VK_F7);
  ASSERT_TRUE(ctrlAltF7.held());
  const struct {
    const char* step;
    bool ctrlOneHeld;
    const char* statusBefore;  // nullptr: whatever the status line shows
    int32_t modifiers;
    Combination combination;
    bool accepted;
    std::string status;
  } steps[] = {
      {"refused", false, nullptr, 5, {MOD_CONTROL | MOD_ALT, VK_F7}, false, "热键已被占用: Ctrl + Alt + F7"},
      {"accepted after a refusal", false, nullptr, 0, {0, VK_F8}, true, ""},
      {"accepted after a switch wrote", false, "请指定一个要切换的窗口", 2, {MOD_SHIFT, VK_F9}, true,
       "请指定一个要切换的窗口"},
      {"refused, Ctrl+1 taken", true, nullptr, 5, {MOD_CONTROL | MOD_ALT, VK_F7}, false,
       "热键已被占用: Ctrl + Alt + F7"},
      {"accepted, Ctrl+1 still taken", true, nullptr, 0, {0, VK_F8}, true, "热键已被占用: Ctrl + 1"},
  };
  for (bool ctrlOneHeld : {false, true}) {
    std::optional<HeldHotkey> ctrlOne;
    if (ctrlOneHeld) {
      ASSERT_TRUE(ctrlOne.emplace(MOD_CONTROL, '1').held());
    }
    MainWindowFixture main;
    std::optional<Combination> inForce = Combination{0, VK_OEM_3};
    for (const auto& step : steps) {
      if (step.ctrlOneHeld != ctrlOneHeld) continue;
      SCOPED_TRACE(step.step);
      if (step.statusBefore) main.form->SetText(标签10, step.statusBefore);
      ReplaceSwitchHotkey(*main.form, step.modifiers, static_cast<int32_t>(step.combination.key));
      EXPECT_EQ(switchHotkeyId != 0, step.accepted);
      EXPECT_EQ(main.form->Text(标签10), step.status);
      if (inForce) {
        EXPECT_FALSE(TakenElsewhere(inForce->flags, inForce->key)) << "the old one is released";
      }
      if (step.accepted) {
        EXPECT_TRUE(TakenElsewhere(step.combination.flags, step.combination.key));
      }
      inForce = step.accepted ? std::optional<Combination>(step.combination) : std::nullopt;
    }
  }
}

TEST(DispatchHotkey, RunsTheActionOfItsHotkeyAndNothingForAnyOtherIdentifier) {
  MainWindowFixture main;
  Form& form = *main.form;
  // Window 2 belongs to this thread, so showing and hiding it take effect at once; with
  // no window 1 a switch ends by saying so on the status line.
  UniqueWindow ownWindow{CreateWindowW(L"STATIC", L"window two", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                                       nullptr, nullptr, nullptr)};
  HWND windowTwo = ownWindow.get();
  form.SetText(编辑框4, IntToText(HandleValue(windowTwo)));
  const int32_t released = switchHotkeyId;
  ReplaceSwitchHotkey(form, 0, VK_F8);
  ASSERT_NE(switchHotkeyId, 0);
  ASSERT_NE(switchHotkeyId, released);

  const struct {
    const char* identifier;
    int32_t value;
    bool twoShownBefore, twoShownAfter;
    std::string status;
  } cases[] = {
      {"switch", switchHotkeyId, true, false, "请指定一个要切换的窗口"},
      {"show", showHotkeyId, false, true, "unchanged"},
      {"released switch hotkey", released, false, false, "unchanged"},
      {"never given", showHotkeyId + 1000, false, false, "unchanged"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.identifier);
    ShowWindow(windowTwo, c.twoShownBefore ? SW_SHOWNA : SW_HIDE);
    form.SetText(标签10, "unchanged");
    DispatchHotkey(form, c.value, 0);
    EXPECT_EQ(IsWindowVisible(windowTwo) != FALSE, c.twoShownAfter);
    EXPECT_EQ(form.Text(标签10), c.status);
  }

  // With the switch hotkey refused its global reads 0, which still names no hotkey.
  HeldHotkey taken(0, VK_F9);
  ReplaceSwitchHotkey(form, 0, VK_F9);
  ASSERT_EQ(switchHotkeyId, 0);
  ShowWindow(windowTwo, SW_SHOWNA);
  form.SetText(标签10, "unchanged");
  DispatchHotkey(form, 0, 0);
  EXPECT_TRUE(IsWindowVisible(windowTwo));
  EXPECT_EQ(form.Text(标签10), "unchanged");
}

}  // namespace
