#include "core/switch_actions.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/controls.h"
#include "core/fade.h"
#include "platform/handle_value.h"
#include "platform/text.h"
#include "tests/switch_form.h"
#include "tests/test_support.h"

namespace {

class SwitchTest : public testing::Test {
 protected:
  void SetUp() override {
    host = std::make_unique<WindowHost>(L"switch target");
    form = std::make_unique<Form>(SwitchFormSpec());
    form->Create(false);
    form->Show();
    Designate(host->child, host->second);  // a child in the slot: the actions use its owner
  }
  void Designate(HWND one, HWND two) {
    form->SetText(编辑框1, IntToText(HandleValue(one)));
    form->SetText(编辑框4, IntToText(HandleValue(two)));
  }
  // Samples window 1 on a 1 ms timer while a switch runs inside its pauses.
  struct Sample {
    int alpha;
    bool topmost;
  };
  std::vector<Sample> SwitchAndSample(std::function<void(size_t)> during = {}, HWND watched = nullptr) {
    std::vector<Sample> taken;
    if (!watched) watched = host->main;
    const UINT_PTR timer = StartCallbackTimer(1, [&](UINT_PTR) {
      taken.push_back({LayeredAlpha(watched), IsTopmost(watched)});
      if (during) during(taken.size());
    });
    SwitchWindows(*form);
    StopCallbackTimer(timer);
    return taken;
  }
  std::unique_ptr<WindowHost> host;
  std::unique_ptr<Form> form;
};

TEST_F(SwitchTest, CompleteSwitchHidesTwoAndFadesOneInOnTop) {
  // Window 1 owns no pop-up here: Wine lifts an owner's pop-ups into the topmost band
  // and never takes them down, which would blur what this test reads.
  HWND one = host->second, two = host->tool;
  Designate(one, two);
  form->SetText(标签10, "old status");
  const std::vector<Sample> samples = SwitchAndSample({}, one);

  EXPECT_FALSE(IsWindowVisible(two));
  EXPECT_TRUE(IsWindowVisible(one));
  EXPECT_TRUE(IsZoomed(one));
  EXPECT_EQ(LayeredAlpha(one), 255);
  EXPECT_EQ(ExStyleWithoutEdge(one), WS_EX_LAYERED);  // no longer topmost either
  EXPECT_EQ(GetForegroundWindow(), one);
  EXPECT_EQ(form->Text(标签10), "");

  // What the fade looked like from outside: only values of the 30-step schedule,
  // never falling, on top while it was still partly transparent.
  ASSERT_FALSE(samples.empty());
  int previous = -1;
  for (const Sample& s : samples) {
    if (s.alpha < 0) continue;
    EXPECT_GE(s.alpha, previous);
    previous = s.alpha;
    if (s.alpha > 0 && s.alpha < 255) {
      EXPECT_TRUE(s.topmost) << s.alpha;
      EXPECT_EQ(s.alpha, FadeStepAlpha(30, (s.alpha * 30 + 254) / 255)) << "not a step of the schedule";
    }
  }
  EXPECT_GT(previous, 200);
}

TEST_F(SwitchTest, StatusTellsWhyNothingWasSwitched) {
  const struct {
    const char* slotOne;
    const char* status;
  } cases[] = {
      {"", "请指定一个要切换的窗口"},
      {"abc", "请指定一个要切换的窗口"},
      {"99999999999", "请指定一个要切换的窗口"},
  };
  for (const auto& c : cases) {
    ShowWindow(host->second, SW_SHOWNOACTIVATE);
    form->SetText(编辑框1, c.slotOne);
    SwitchWindows(*form);
    EXPECT_EQ(form->Text(标签10), c.status) << c.slotOne;
    EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(host->second); })) << "window 2 is hidden all the same";
    EXPECT_EQ(LayeredAlpha(host->main), -1) << "window 1 untouched";
  }
}

TEST_F(SwitchTest, DestroyedWindowOneResolvesToNothing) {
  host->Terminate();
  SwitchWindows(*form);
  EXPECT_EQ(form->Text(标签10), "请指定一个要切换的窗口");
}

TEST_F(SwitchTest, WindowOneClosedDuringThePauseIsReported) {
  // Window 1 is one of ours, destroyed by a message that the first pause dispatches.
  HWND doomed = CreateWindowW(L"STATIC", L"doomed", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 10, 10, 200, 100, nullptr,
                              nullptr, nullptr, nullptr);
  Designate(doomed, host->second);
  StartCallbackTimer(1, [doomed](UINT_PTR id) {
    StopCallbackTimer(id);
    DestroyWindow(doomed);
  });
  SwitchWindows(*form);
  EXPECT_FALSE(IsWindow(doomed));
  EXPECT_EQ(form->Text(标签10), "要切换的窗口被关闭了");
}

TEST_F(SwitchTest, CheckBoxesChooseWhatASwitchDoes) {
  const struct {
    bool fade, hide;
    bool twoHidden, oneLayered;
  } cases[] = {
      {false, false, false, false},
      {false, true, true, false},
      {true, false, false, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "fade " << c.fade << " hide " << c.hide);
    SetWindowLongPtrW(host->main, GWL_EXSTYLE, 0);
    ShowWindow(host->second, SW_SHOWNOACTIVATE);
    form->SetChecked(选择框1, c.fade);
    form->SetChecked(选择框2, c.hide);
    form->SetText(标签10, "kept");
    SwitchWindows(*form);
    PumpFor(50);
    EXPECT_EQ(!IsWindowVisible(host->second), c.twoHidden);
    EXPECT_EQ(LayeredAlpha(host->main) == 255, c.oneLayered);
    EXPECT_EQ(form->Text(标签10), c.fade ? "" : "kept");
  }
}

TEST_F(SwitchTest, SecondSwitchNestedInARunningFadeCompletesAndSoDoesTheFirst) {
  form->SetPosition(滑块条1, 10);
  int nested = 0;
  SwitchAndSample([&](size_t sampleCount) {
    if (sampleCount == 5 && nested++ == 0) SwitchWindows(*form);
  });
  EXPECT_EQ(nested, 1);
  EXPECT_EQ(LayeredAlpha(host->main), 255);
  EXPECT_FALSE(IsTopmost(host->main));
  EXPECT_EQ(form->Text(标签10), "");
}

TEST_F(SwitchTest, FadeWhoseSliderVanishesEndsOpaqueAndNotOnTop) {
  // The main window can be destroyed in the middle of a fade; the steps then read no
  // divisor at all.
  SwitchAndSample([&](size_t sampleCount) {
    if (sampleCount == 8 && IsWindow(form->Handle(滑块条1))) DestroyWindow(form->Handle(滑块条1));
  });
  EXPECT_EQ(LayeredAlpha(host->main), 255);
  EXPECT_FALSE(IsTopmost(host->main));
}

TEST_F(SwitchTest, FadeWhoseMainWindowGoesFinishesAtOnce) {
  // "Quit" during a slow fade: the rest of the fade is skipped, not sat out, and
  // window 1 is left opaque and not on top.
  form->SetPosition(滑块条1, 300);
  size_t destroyedAt = 0;
  const std::vector<Sample> samples = SwitchAndSample([&](size_t sampleCount) {
    if (sampleCount == 8 && form->Window()) {
      DestroyWindow(form->Window());
      destroyedAt = sampleCount;
    }
  });
  ASSERT_EQ(destroyedAt, 8u);
  EXPECT_LT(samples.size() - destroyedAt, 50u) << "pauses went on after the window was gone";
  EXPECT_EQ(LayeredAlpha(host->main), 255);
  EXPECT_FALSE(IsTopmost(host->main));
}

TEST_F(SwitchTest, ShowWindowTwoBringsItBackNormalAndInFront) {
  ShowWindow(host->second, SW_MAXIMIZE);
  ShowWindow(host->second, SW_HIDE);
  ShowWindowTwo(*form);
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(host->second) && !IsZoomed(host->second); }));
  EXPECT_TRUE(PumpUntil([&] { return GetForegroundWindow() == host->second; }));
  EXPECT_FALSE(IsTopmost(host->second));
}

TEST_F(SwitchTest, TransparencyFollowsTheSlider) {
  for (int32_t position : {0, 128, 255}) {
    form->SetPosition(滑块条2, position);
    ApplyTransparency(*form);
    EXPECT_EQ(LayeredAlpha(host->second), position);
    EXPECT_EQ(ExStyleWithoutEdge(host->second), WS_EX_LAYERED);
  }
  EXPECT_TRUE(IsWindowVisible(host->second));
}

TEST_F(SwitchTest, ActionsOnNoWindowTwoDoNothingVisible) {
  form->SetText(编辑框4, "");
  form->SetText(标签10, "kept");
  ShowWindowTwo(*form);
  ApplyTransparency(*form);
  EXPECT_EQ(form->Text(标签10), "kept");
  EXPECT_EQ(LayeredAlpha(host->second), -1);
}

}  // namespace
