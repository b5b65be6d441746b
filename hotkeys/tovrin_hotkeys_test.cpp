// The hotkeys and the capture box of the running program, driven by real key presses
// as a user's keyboard sends them and watched from outside.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>

#include "core/controls.h"
#include "hotkeys/hotkey_test_support.h"
#include "platform/handle_value.h"
#include "tests/test_support.h"
#include "tests/tovrin_process.h"

namespace {

struct Combination {
  UINT flags, key;
  bool operator==(const Combination& other) const { return flags == other.flags && key == other.key; }
  bool operator!=(const Combination& other) const { return !(*this == other); }
};

class TovrinHotkeysTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tovrin.mainWindow());
    // Window 1 and window 2 as the picker would designate them; three fade steps.
    SetControlText(tovrin.control(编辑框1), std::to_wstring(HandleValue(host.main)));
    SetControlText(tovrin.control(编辑框4), std::to_wstring(HandleValue(host.second)));
    SendMessageW(tovrin.control(滑块条1), TBM_SETPOS, TRUE, 3);
  }
  // A switch ends by clearing the status line, so mark it before and wait for that.
  void ExpectSwitch(const std::function<void()>& trigger) {
    SetControlText(tovrin.control(标签10), L"before the switch");
    trigger();
    EXPECT_TRUE(PumpUntil([&] { return ControlText(tovrin.control(标签10)).empty(); })) << "the switch ran to its end";
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(host.second); }));
    EXPECT_TRUE(IsZoomed(host.main));
    EXPECT_EQ(LayeredAlpha(host.main), 255);
  }
  void ExpectShow(const std::function<void()>& trigger) {
    ASSERT_FALSE(IsWindowVisible(host.second));
    trigger();
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(host.second) != FALSE; }));
  }
  void PostHotkey(int32_t identifier) { PostMessageW(tovrin.mainWindow(), WM_HOTKEY, identifier, 0); }

  WindowHost host{L"hotkey target"};
  TovrinProcess tovrin;
};

TEST_F(TovrinHotkeysTest, DefaultsSwitchAndShowWhetherTheMainWindowIsShownOrHidden) {
  const struct {
    const char* how;
    std::function<void()> pressSwitch, pressShow;
  } ways[] = {
      {"grave accent and Ctrl+1", [] { PressKeys({VK_OEM_3}); }, [] { PressKeys({VK_CONTROL, '1'}); }},
      {"their identifiers, Ctrl+1 registered first", [&] { PostHotkey(33002); }, [&] { PostHotkey(33001); }},
  };
  for (bool hidden : {false, true}) {
    if (hidden) {
      PostMessageW(tovrin.mainWindow(), WM_CLOSE, 0, 0);
      ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(tovrin.mainWindow()); }));
    }
    for (const auto& way : ways) {
      SCOPED_TRACE(std::string(way.how) + (hidden ? ", main window hidden" : ", main window shown"));
      ExpectSwitch(way.pressSwitch);
      ExpectShow(way.pressShow);
    }
  }
}

TEST_F(TovrinHotkeysTest, CaptureBoxNamesEachPressMakesItTheSwitchHotkeyAndCaptionsTheButton) {
  HWND main = tovrin.mainWindow(), box = tovrin.control(热键框), button = tovrin.control(按钮1);
  const struct {
    const char* press;
    bool tabIntoBox;  // else the focus is put there directly
    std::initializer_list<WORD> keys;
    std::optional<Combination> takenByOther;
    std::wstring boxText, status;
    std::optional<Combination> switchHotkey;  // what the program holds afterwards
  } rows[] = {
      // Tab's release is no key event of the box, so the focus stays for the next press.
      {"Alt+X after a Tab", true, {VK_MENU, 'X'}, {}, L"Alt + X", L"", Combination{MOD_ALT, 'X'}},
      {"Ctrl alone", false, {VK_CONTROL}, {}, L"无", L"", Combination{MOD_ALT, 'X'}},
      {"keypad minus, main-row minus taken", false, {VK_SUBTRACT}, Combination{0, VK_OEM_MINUS}, L"-",
       L"热键已被占用: -", {}},
      {"Backspace", false, {VK_BACK}, {}, L"：", L"", Combination{0, VK_BACK}},
      {"keypad 7", false, {VK_NUMPAD7}, {}, L"7", L"", Combination{0, '7'}},
      {"Ctrl+Shift+F5", false, {VK_CONTROL, VK_SHIFT, VK_F5}, {}, L"Shift + ctrl + F5", L"",
       Combination{MOD_CONTROL | MOD_SHIFT, VK_F5}},
  };
  std::optional<Combination> inForce = Combination{0, VK_OEM_3};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.press);
    if (row.tabIntoBox) {
      ASSERT_TRUE(FocusControlOfOtherProcess(main, tovrin.control(滑块条1)));
      PressKeys({VK_TAB});
    } else {
      ASSERT_TRUE(FocusControlOfOtherProcess(main, box));
    }
    std::optional<HeldHotkey> taken;
    if (row.takenByOther) {
      ASSERT_TRUE(taken.emplace(row.takenByOther->flags, row.takenByOther->key).held());
    }

    PressKeys(row.keys);
    const std::wstring caption = L"切换/隐藏对应窗口(" + row.boxText + L")";
    EXPECT_TRUE(PumpUntil([&] { return ControlText(button) == caption && FocusOfThreadOf(main) == button; }))
        << "the release captions the button and gives it the focus";
    EXPECT_EQ(ControlText(box), row.boxText);
    EXPECT_EQ(ControlText(tovrin.control(标签10)), row.status);
    taken.reset();
    if (inForce && inForce != row.switchHotkey) {
      EXPECT_FALSE(TakenElsewhere(inForce->flags, inForce->key)) << "the switch hotkey before is released";
    }
    if (row.switchHotkey) {
      EXPECT_TRUE(TakenElsewhere(row.switchHotkey->flags, row.switchHotkey->key));
    }
    inForce = row.switchHotkey;
  }
  ExpectSwitch([] { PressKeys({VK_CONTROL, VK_SHIFT, VK_F5}); });
}

// Another program holds Ctrl+1 before ours starts.
class TovrinWithCtrlOneTakenTest : public TovrinHotkeysTest {
 protected:
  static HeldHotkey* ctrlOne;
  static void SetUpTestSuite() { ctrlOne = new HeldHotkey(MOD_CONTROL, '1'); }
  static void TearDownTestSuite() { delete ctrlOne; }
};
HeldHotkey* TovrinWithCtrlOneTakenTest::ctrlOne = nullptr;

TEST_F(TovrinWithCtrlOneTakenTest, StartsSaysSoAndTheButtonAndSwitchHotkeyStillWork) {
  ASSERT_TRUE(ctrlOne->held());
  EXPECT_EQ(ControlText(tovrin.control(标签10)), L"热键已被占用: Ctrl + 1");
  const struct {
    const char* how;
    std::function<void()> pressSwitch, pressShow;
  } ways[] = {
      {"grave accent and 显示窗口", [] { PressKeys({VK_OEM_3}); },
       [&] { SendMessageW(tovrin.control(显示窗口), BM_CLICK, 0, 0); }},
      {"identifier 33002: the refused Ctrl+1 took 33001", [&] { PostHotkey(33002); },
       [&] { SendMessageW(tovrin.control(显示窗口), BM_CLICK, 0, 0); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    ExpectSwitch(way.pressSwitch);
    ExpectShow(way.pressShow);
  }
}

}  // namespace
