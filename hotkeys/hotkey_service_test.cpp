#include "platform/hotkey_service.h"

#include <gtest/gtest.h>

#include <memory>
#include <utility>
#include <vector>

#include "core/controls.h"
#include "hotkeys/hotkey_test_support.h"
#include "platform/form.h"
#include "tests/test_support.h"
#include "tests/tovrin_process.h"

namespace {

struct Report {
  int control;
  int32_t identifier, value;
  bool operator==(const Report& other) const {
    return control == other.control && identifier == other.identifier && value == other.value;
  }
};

// A window with two labels that can report presses, each report written down.
class HotkeyServiceTest : public testing::Test {
 protected:
  void SetUp() override {
    FormSpec spec;
    spec.title = "热键测试";
    spec.outerWidth = 300;
    spec.outerHeight = 200;
    spec.controls = {control::Label(标签1, {8, 38, 56, 24}, "窗口1:"), control::Label(标签10, {8, 70, 200, 24}, "")};
    form = std::make_unique<Form>(spec);
    for (int label : {标签1, 标签10})
      form->On(label).feedback = [this, label](int32_t id, int32_t value) { reports.push_back({label, id, value}); };
    form->Create(false);
  }
  void TearDown() override {
    for (int32_t id : registered) UnregisterHotkey(form->Window(), id);
  }
  int32_t Register(int feedbackLabel, int32_t modifiers, int32_t key) {
    const int32_t id = RegisterHotkey(form->Window(), form->Handle(feedbackLabel), modifiers, key);
    if (id) registered.push_back(id);
    return id;
  }
  std::unique_ptr<Form> form;
  std::vector<Report> reports;
  std::vector<int32_t> registered;
};

TEST_F(HotkeyServiceTest, IdentifiersCountUpThroughRefusalsAndAreNeverGivenAgain) {
  TovrinProcess tovrin;  // another program holding the grave accent
  ASSERT_TRUE(tovrin.mainWindow());

  const int32_t first = Register(标签1, 3, VK_F9);
  ASSERT_GE(first, 33001);
  EXPECT_EQ(Register(标签1, 0, VK_OEM_3), 0) << "held by another program";
  EXPECT_EQ(Register(标签1, 3, VK_F9), 0) << "held by ourselves";
  EXPECT_TRUE(UnregisterHotkey(form->Window(), first));
  EXPECT_FALSE(UnregisterHotkey(form->Window(), first)) << "released already";
  EXPECT_FALSE(UnregisterHotkey(form->Window(), 0));
  EXPECT_EQ(Register(标签1, 3, VK_F9), first + 3) << "each refusal took an identifier, the released one is not reused";
}

TEST_F(HotkeyServiceTest, EveryRegistrationAsksTheSystemNotToRepeat) {
  struct Call {
    HWND window;
    int identifier;
    UINT flags, key;
  };
  std::vector<Call> calls;
  RegisterHotKeyCall real = SetRegisterHotKeyCall([&](HWND window, int id, UINT flags, UINT key) {
    calls.push_back({window, id, flags, key});
    return RegisterHotKey(window, id, flags, key);
  });
  const struct {
    int32_t modifiers;
    int32_t key;
    UINT flags;
  } cases[] = {
      {0, VK_F9, MOD_NOREPEAT},
      {1, 'Q', MOD_CONTROL | MOD_NOREPEAT},
      {3, VK_F9, MOD_CONTROL | MOD_SHIFT | MOD_NOREPEAT},
      {4, 'Q', MOD_ALT | MOD_NOREPEAT},
      {6, VK_F9, MOD_SHIFT | MOD_ALT | MOD_NOREPEAT},
      {7, 'Q', MOD_CONTROL | MOD_SHIFT | MOD_ALT | MOD_NOREPEAT},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.modifiers);
    calls.clear();
    const int32_t id = Register(标签1, c.modifiers, c.key);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].window, form->Window());
    EXPECT_EQ(calls[0].identifier, id);
    EXPECT_EQ(calls[0].flags, c.flags);
    EXPECT_EQ(calls[0].key, static_cast<UINT>(c.key));
  }
  SetRegisterHotKeyCall(std::move(real));
}

TEST_F(HotkeyServiceTest, PressIsReportedOnceToTheControlNamedLastWithItsIdentifier) {
  const int32_t id = Register(标签1, 3, VK_F9);
  ASSERT_NE(id, 0);
  PressKeys({VK_CONTROL, VK_SHIFT, VK_F9});
  EXPECT_TRUE(PumpUntil([&] { return !reports.empty(); }));
  EXPECT_EQ(reports, (std::vector<Report>{{标签1, id, 0}}));

  reports.clear();
  const int32_t later = Register(标签10, 0, VK_F10);
  ASSERT_NE(later, 0);
  PressKeys({VK_CONTROL, VK_SHIFT, VK_F9});
  EXPECT_TRUE(PumpUntil([&] { return !reports.empty(); }));
  EXPECT_EQ(reports, (std::vector<Report>{{标签10, id, 0}})) << "every press goes to the latest feedback control";
}

}  // namespace
