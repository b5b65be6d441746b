// The program over a long run and through the ends of its life: a thousand switches in
// a row, "退出程序" chosen while a fade runs, and a taskbar that comes back empty.
// Whatever happens, the program keeps answering and never leaves another program's
// window transparent, on top or hidden.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "core/controls.h"
#include "picker/picker_test_support.h"
#include "platform/diagnostics.h"
#include "platform/handle_value.h"
#include "platform/text.h"
#include "tests/main_window_fixture.h"
#include "tests/test_support.h"
#include "tests/tovrin_process.h"

namespace {

// What this process holds of each kind of resource, counted as the program counts
// itself for its diagnostics.
struct ResourceCounts {
  long kernelHandles;
  long gdiObjects;
  long userObjects;
};

void SetTextOf(HWND control, const std::wstring& text) {
  SendMessageW(control, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

ResourceCounts ResourcesInUse() {
  return {ResourceCount(ResourceKind::KernelHandles), ResourceCount(ResourceKind::GdiObjects),
          ResourceCount(ResourceKind::UserObjects)};
}

// Another thread that keeps asking the main window for an answer (WM_NULL) while the
// GUI thread is busy with switches. A question the window leaves unanswered for the
// bound means the program froze. Each answer notes which switch was running.
class AnswerProbe {
 public:
  AnswerProbe(HWND window, const std::atomic<int>& switchRunning)
      : thread_([this, window, &switchRunning] {
          while (!stop_) {
            DWORD_PTR result = 0;
            if (SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, kBoundMilliseconds, &result)) {
              answeredDuring_.push_back(switchRunning.load());
            } else {
              ++unanswered_;
            }
            Sleep(kPaceMilliseconds);  // a question now and then, not a flood that slows the switches
          }
          finished_ = true;
        }) {}
  ~AnswerProbe() { Stop(); }

  // The GUI thread keeps dispatching until the probe has its last answer.
  void Stop() {
    if (!thread_.joinable()) return;
    stop_ = true;
    while (!finished_) PumpFor(10);
    thread_.join();
  }
  int unanswered() const { return unanswered_; }
  // Whether some question was answered while a switch in [first, last] ran.
  bool AnsweredDuring(int first, int last) const {
    for (int running : answeredDuring_)
      if (running >= first && running <= last) return true;
    return false;
  }

 private:
  static constexpr UINT kBoundMilliseconds = 5000;
  static constexpr DWORD kPaceMilliseconds = 5;
  std::atomic<bool> stop_{false}, finished_{false};
  std::atomic<int> unanswered_{0};
  std::vector<int> answeredDuring_;  // written by the probe thread only, read after Stop
  std::thread thread_;
};

class EnduranceTest : public testing::Test, public MainWindowFixture {
 protected:
  // A switch by the button, as a click sends it: it runs to its end before this returns.
  void SwitchBetween(HWND one, HWND two) {
    form->SetText(编辑框1, IntToText(HandleValue(one)));
    form->SetText(编辑框4, IntToText(HandleValue(two)));
    SendMessageW(form->Handle(按钮1), BM_CLICK, 0, 0);
  }
};

TEST_F(EnduranceTest, AThousandSwitchesKeepTheProgramAnsweringAndItsResourcesLevel) {
  constexpr int kSwitches = 1000;
  constexpr int kTolerance = 5;  // what the system may allocate lazily; a leak per switch is hundreds
  WindowHost host(L"endurance");
  // Two windows that own no pop-ups, so that "on top" can be read from their style.
  HWND a = host.second, b = host.tool;
  form->SetPosition(滑块条1, 1);

  // A few switches first, so that whatever the first ones create once is in the baseline.
  for (int i = 0; i < 4; ++i) SwitchBetween(i % 2 ? b : a, i % 2 ? a : b);
  const ResourceCounts before = ResourcesInUse();
  ASSERT_GT(before.kernelHandles, 0) << "the handle count can be read in this process";
  ASSERT_GT(before.gdiObjects, 0);
  ASSERT_GT(before.userObjects, 0);

  std::atomic<int> switchRunning{-1};
  AnswerProbe probe(form->Window(), switchRunning);
  for (int i = 0; i < kSwitches; ++i) {
    // Each switch swaps the designations: the window hidden last comes up next.
    HWND one = i % 2 ? b : a, two = i % 2 ? a : b;
    form->SetText(标签10, "running");
    switchRunning = i;
    SwitchBetween(one, two);
    if (form->Text(标签10) != "" || LayeredAlpha(one) != 255 || !IsWindowVisible(one) || IsTopmost(one)) {
      ADD_FAILURE() << "switch " << i << " did not end with window 1 shown opaque and not on top";
      break;
    }
  }
  switchRunning = kSwitches;
  probe.Stop();

  EXPECT_EQ(probe.unanswered(), 0) << "the main window left questions unanswered";
  EXPECT_TRUE(probe.AnsweredDuring(0, 99)) << "answered while the first switches ran";
  EXPECT_TRUE(probe.AnsweredDuring(kSwitches - 100, kSwitches - 1)) << "and still while the last ones ran";

  const ResourceCounts after = ResourcesInUse();
  EXPECT_NEAR(after.kernelHandles, before.kernelHandles, kTolerance);
  EXPECT_NEAR(after.gdiObjects, before.gdiObjects, kTolerance);
  EXPECT_NEAR(after.userObjects, before.userObjects, kTolerance);

  // The last switch brought b up; a is hidden, and nothing is left on top.
  EXPECT_TRUE(PumpUntil([&] { return !IsWindowVisible(a); }));
  EXPECT_TRUE(IsZoomed(b));
  EXPECT_FALSE(IsTopmost(a));
}

// The real program, ended from its tray menu while a switch fades window 1 in.
TEST(TovrinExeEndurance, QuitDuringAFadeEndsCleanlyAndLeavesWindowOneOpaqueAndNotOnTop) {
  const struct {
    const char* how;
    std::function<void(const TovrinProcess&)> startSwitch;
  } ways[] = {
      {"button", [](const TovrinProcess& t) { PostMessageW(t.control(按钮1), BM_CLICK, 0, 0); }},
      // The switch hotkey's identifier: Ctrl+1 is registered first, as 33001.
      {"switch hotkey", [](const TovrinProcess& t) { PostMessageW(t.mainWindow(), WM_HOTKEY, 33002, 0); }},
  };
  for (const auto& way : ways) {
    SCOPED_TRACE(way.how);
    WindowHost host(L"quit during fade");
    TovrinProcess tovrin;
    ASSERT_TRUE(tovrin.mainWindow());
    SetTextOf(tovrin.control(编辑框1), std::to_wstring(HandleValue(host.second)));
    SetTextOf(tovrin.control(编辑框4), std::to_wstring(HandleValue(host.main)));
    SendMessageW(tovrin.control(滑块条1), TBM_SETPOS, TRUE, 300);  // a long fade, seconds

    way.startSwitch(tovrin);
    ASSERT_TRUE(PumpUntil([&] {
      const int alpha = LayeredAlpha(host.second);
      return alpha > 0 && alpha < 200;
    })) << "the fade is under way";
    PostMessageW(tovrin.mainWindow(), WM_COMMAND, 退出程序, 0);

    EXPECT_EQ(tovrin.WaitForExit(), 0u) << "ended normally, not by a crash";
    EXPECT_EQ(LayeredAlpha(host.second), 255);
    EXPECT_FALSE(IsTopmost(host.second));
    EXPECT_TRUE(IsWindowVisible(host.second));
    EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(host.main) != FALSE; })) << "window 2 given back";
  }
}

// Explorer restarting loses every icon and then broadcasts "TaskbarCreated".
TEST(TovrinExeEndurance, TrayIconComesBackWhenTheTaskbarIsRecreated) {
  TovrinProcess tovrin;
  HWND main = tovrin.mainWindow();
  ASSERT_TRUE(main);
  PostMessageW(main, WM_CLOSE, 0, 0);  // in the tray only: the icon is the way back
  ASSERT_TRUE(PumpUntil([&] { return !IsWindowVisible(main); }));

  NOTIFYICONDATAW data{};
  data.cbSize = sizeof data;
  data.hWnd = main;
  data.uID = kTrayIconId;
  ASSERT_TRUE(Shell_NotifyIconW(NIM_DELETE, &data));
  ASSERT_FALSE(TrayIconExists(main));

  SendMessageW(main, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_TRUE(TrayIconExists(main));
  PostMessageW(main, kTrayCallbackMessage, kTrayIconId, WM_LBUTTONUP);
  EXPECT_TRUE(PumpUntil([&] { return IsWindowVisible(main) != FALSE; })) << "the icon answers clicks again";
}

}  // namespace
